// The quiz program's file dialog and wave preview in the system's real open
// and save dialogs. Each dialog is driven from inside its own modal loop by a
// thread timer that runs one step after another; a step waits by answering
// false until its condition holds, and a watchdog cancels every dialog after
// a timeout so that a broken test fails instead of hanging.
#include "dialogs/QuizFileDialog.h"
#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"
#include "wordlist/WordList.h"

#include <commctrl.h>
#include <dlgs.h>
#include <mmsystem.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD kTimeout = 20000;
const char kOpenTitle[] = "Open File:";
const char kSaveTitle[] = "Save File:";

bool sameText(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
  if (e2e::className(window) == "#32770" && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> threadDialogs() {
  std::vector<HWND> dialogs;
  EnumThreadWindows(GetCurrentThreadId(), collectDialog, reinterpret_cast<LPARAM>(&dialogs));
  return dialogs;
}

// The open or save dialog of this thread (it has the file type box), or null.
HWND fileDialog() {
  for (HWND dialog : threadDialogs()) {
    if (GetDlgItem(dialog, cmb1)) return dialog;
  }
  return nullptr;
}

// A message box of this thread (a dialog without the file type box), or null.
HWND messageBox() {
  for (HWND dialog : threadDialogs()) {
    if (!GetDlgItem(dialog, cmb1)) return dialog;
  }
  return nullptr;
}

struct ChildSearch {
  const char* className;
  int id;  // 0: any
  HWND found;
};

BOOL CALLBACK findChild(HWND child, LPARAM search) {
  ChildSearch* s = reinterpret_cast<ChildSearch*>(search);
  if (e2e::className(child) != s->className) return TRUE;
  if (s->id != 0 && !GetDlgItem(child, s->id)) return TRUE;
  s->found = child;
  return FALSE;
}

HWND descendant(HWND window, const char* name, int childId = 0) {
  ChildSearch search = {name, childId, nullptr};
  EnumChildWindows(window, findChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The preview panel: the child dialog that holds the play button.
HWND previewPanel(HWND dialog) { return descendant(dialog, "#32770", IDC_PREVIEW_PLAY); }

HWND nameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, cmb13);
  return box ? box : GetDlgItem(dialog, edt1);
}

void typeName(HWND dialog, const std::string& name) { SetWindowTextA(nameBox(dialog), name.c_str()); }

void press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, id, 0); }

void chooseFilter(HWND dialog, int index) {
  HWND types = GetDlgItem(dialog, cmb1);
  SendMessageA(types, CB_SETCURSEL, index, 0);
  for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(types));
}

std::string filterText(HWND dialog, int index) {
  char text[256] = "";
  SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string shownFolder(HWND dialog) {
  char folder[MAX_PATH] = "";
  SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
  return folder;
}

// The read-only box is either left out or hidden.
bool readOnlyBoxHidden(HWND dialog) {
  HWND box = GetDlgItem(dialog, chx1);
  return !box || !IsWindowVisible(box);
}

int listItem(HWND dialog, const char* namePrefix) {
  HWND list = descendant(dialog, "SysListView32");
  if (!list) return -1;
  LVFINDINFOA find = {};
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = namePrefix;
  return static_cast<int>(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

// Selects the file as a click in the list would; false when it is not listed.
bool selectFile(HWND dialog, const char* namePrefix) {
  int index = listItem(dialog, namePrefix);
  if (index < 0) return false;
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(descendant(dialog, "SysListView32"), LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  return true;
}

// Runs steps one after another from a thread timer, inside whichever modal
// loop runs. A step answers true when it is done. After the timeout every
// dialog of the thread is cancelled on each tick and timedOut is set.
class Script {
 public:
  using Step = std::function<bool()>;

  explicit Script(std::vector<Step> steps) : steps_(std::move(steps)), deadline_(GetTickCount() + kTimeout) {
    current_ = this;
    id_ = SetTimer(nullptr, 0, 20, onTimer);
  }
  ~Script() {
    KillTimer(nullptr, id_);
    current_ = nullptr;
  }
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  // Answers the number of steps done, so that a failure tells where it stopped.
  size_t done() const { return next_; }
  size_t size() const { return steps_.size(); }
  bool timedOut = false;

 private:
  static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    Script* script = current_;
    if (!script || script->busy_) return;
    script->busy_ = true;
    script->tick();
    script->busy_ = false;
  }

  void tick() {
    if (static_cast<LONG>(GetTickCount() - deadline_) > 0) {
      timedOut = true;
      for (HWND dialog : threadDialogs()) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    if (next_ < steps_.size() && steps_[next_]()) ++next_;
  }

  static Script* current_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  DWORD deadline_;
  UINT_PTR id_;
  bool busy_ = false;
};
Script* Script::current_ = nullptr;

// A folder of sample files in the temporary folder, made once.
class SampleFolder {
 public:
  SampleFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    char longTemp[MAX_PATH] = "";
    GetLongPathNameA(temp, longTemp, MAX_PATH);
    path = std::string(longTemp) + "QuizFileDialogTest";
    other = path + "\\other";
    CreateDirectoryA(path.c_str(), nullptr);
    CreateDirectoryA(other.c_str(), nullptr);
    for (const char* name : {"list.wdl", "notes.txt", "other.dat"}) writeFile(file(name), "x");
    writeFile(other + "\\elsewhere.wdl", "x");
    writeFile(file("sound.WAV"), silentWave());
  }
  std::string file(const std::string& name) const { return path + "\\" + name; }

  std::string path;
  std::string other;

 private:
  static void writeFile(const std::string& name, const std::string& bytes) {
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  // 0.3 s of 8-bit mono silence at 8000 samples a second.
  static std::string silentWave() {
    const DWORD samples = 2400;
    std::string wave = "RIFF";
    auto add32 = [&wave](DWORD value) { wave.append(reinterpret_cast<const char*>(&value), 4); };
    auto add16 = [&wave](WORD value) { wave.append(reinterpret_cast<const char*>(&value), 2); };
    add32(36 + samples);
    wave += "WAVEfmt ";
    add32(16);
    add16(WAVE_FORMAT_PCM);
    add16(1);
    add32(8000);
    add32(8000);
    add16(1);
    add16(8);
    wave += "data";
    add32(samples);
    wave.append(samples, '\x80');
    return wave;
  }
};

const SampleFolder& samples() {
  static SampleFolder folder;
  return folder;
}

HWND owner() {
  static HWND window = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr);
  return window;
}

// What a step saw of the dialog when it appeared.
struct Seen {
  std::string title;
  bool owned = false;
  int filterCount = -1;
  std::string firstFilter;
  int selectedFilter = -1;
  bool readOnlyHidden = false;
  std::string folder;
  bool prompted = false;
};

Script::Step look(Seen* seen) {
  return [seen] {
    HWND dialog = fileDialog();
    if (!dialog) return false;
    seen->title = e2e::text(dialog);
    seen->owned = GetWindow(dialog, GW_OWNER) == owner();
    seen->filterCount = static_cast<int>(SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0));
    seen->firstFilter = filterText(dialog, 0);
    seen->selectedFilter = static_cast<int>(SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0));
    seen->readOnlyHidden = readOnlyBoxHidden(dialog);
    seen->folder = shownFolder(dialog);
    return true;
  };
}

Script::Step pickFilter(int index) {
  return [index] {
    chooseFilter(fileDialog(), index);
    return true;
  };
}

Script::Step enterName(const std::string& name) {
  return [name] {
    HWND dialog = fileDialog();
    typeName(dialog, name);
    press(dialog, IDOK);
    return true;
  };
}

Script::Step cancel() {
  return [] {
    press(fileDialog(), IDCANCEL);
    return true;
  };
}

// Waits for a message box, notes it and answers it with button.
Script::Step answerBox(int button, bool* seen) {
  return [button, seen] {
    HWND box = messageBox();
    if (!box) return false;
    *seen = true;
    press(box, button);
    return true;
  };
}

Script::Step waitForFileDialogAlone() {
  return [] { return fileDialog() && !messageBox(); };
}

struct FilterCase {
  int choice;
  bool open;
  int currentType;
  int count;
  const char* firstFilter;
  int preselected;  // index into the list
  int pick;         // -1: keep the preselected entry
  const char* file;
  bool prompted;  // the save dialog asks before overwriting
  int resultType;
  const char* chosen = nullptr;  // null: file
};

const FilterCase kFilterCases[] = {
    {QuizFileDialog::kWordFiles, false, kFormatNone, 1, "Word Files (.wdl)", 0, -1, "list.wdl", true, kFormatWordFile},
    {QuizFileDialog::kWordFiles, false, kFormatText, 1, "Word Files (.wdl)", 0, -1, "new.wdl", false, kFormatWordFile},
    {QuizFileDialog::kWordOrAllFiles, true, kFormatNone, 2, "Word Files (.wdl)", 0, 1, "other.dat", false, kFormatNone},
    {QuizFileDialog::kWordOrAllFiles, true, kFormatText, 2, "Word Files (.wdl)", 0, 0, "list.wdl", false,
     kFormatWordFile},
    {QuizFileDialog::kListFiles, false, kFormatText, 3, "Word Files (.wdl)", 1, -1, "notes.txt", true, kFormatText},
    {QuizFileDialog::kListFiles, false, kFormatText, 3, "Word Files (.wdl)", 1, 0, "list.wdl", true,
     kFormatWordFile},
    {QuizFileDialog::kListFiles, false, kFormatOemText, 3, "Word Files (.wdl)", 2, -1, "notes.txt", true,
     kFormatOemText},
    {QuizFileDialog::kListFiles, false, kFormatWordFile, 3, "Word Files (.wdl)", 0, 2, "notes.txt", true,
     kFormatOemText},
    {QuizFileDialog::kListFiles, false, kFormatNone, 3, "Word Files (.wdl)", 0, 1, "notes.txt", true, kFormatText},
    {QuizFileDialog::kAnyFiles, true, kFormatText, 4, "Word Files (.wdl)", 0, 3, "other.dat", false, kFormatNone},
    {QuizFileDialog::kAnyFiles, true, kFormatNone, 4, "Word Files (.wdl)", 0, 1, "notes.txt", false, kFormatText},
    {QuizFileDialog::kAnyFiles, true, kFormatNone, 4, "Word Files (.wdl)", 0, 2, "notes.txt", false,
     kFormatOemText},
    {4, true, kFormatOemText, 4, "Word Files (.wdl)", 2, -1, "notes.txt", false, kFormatOemText},
    {4, true, kFormatText, 4, "Word Files (.wdl)", 1, 3, "other.dat", false, kFormatNone},
    {7, true, kFormatText, 4, "Word Files (.wdl)", 0, -1, "list.wdl", false, kFormatWordFile},
    {QuizFileDialog::kWaveFiles, true, kFormatWordFile, 2, "Wave Files (.wav)", 0, -1, "sound.WAV", false,
     QuizFileDialog::kWaveType},
    {QuizFileDialog::kWaveFiles, true, kFormatWordFile, 2, "Wave Files (.wav)", 0, 1, "notes.txt", false,
     QuizFileDialog::kWaveType},
    {QuizFileDialog::kListFiles, false, kFormatNone, 3, "Word Files (.wdl)", 0, -1, "fresh", false, kFormatWordFile,
     "fresh.wdl"},
    {QuizFileDialog::kListFiles, false, kFormatNone, 3, "Word Files (.wdl)", 0, 1, "fresh", false, kFormatText,
     "fresh.txt"},
};

}  // namespace

WINE_TEST(filterListsPreselectionAndResultTypes) {
  Settings settings;
  for (const FilterCase& c : kFilterCases) {
    winetest::setContext("choice " + std::to_string(c.choice) + " type " + std::to_string(c.currentType) +
                         " pick " + std::to_string(c.pick) + " " + c.file);
    for (const char* made : {"new.wdl", "fresh", "fresh.wdl", "fresh.txt"}) DeleteFileA(samples().file(made).c_str());
    Seen seen;
    std::vector<Script::Step> steps = {look(&seen)};
    if (c.pick >= 0) steps.push_back(pickFilter(c.pick));
    steps.push_back(enterName(samples().file(c.file)));
    if (c.prompted) steps.push_back(answerBox(IDYES, &seen.prompted));
    Script script(steps);
    CText name;
    int type = c.currentType;
    const char* title = c.open ? kOpenTitle : kSaveTitle;
    CHECK(QuizFileDialog(settings).run(owner(), title, c.open, c.choice, &name, &type));
    CHECK(!script.timedOut);
    CHECK_EQ(script.done(), script.size());
    CHECK_EQ(seen.title, title);
    CHECK(seen.owned);
    CHECK_EQ(seen.filterCount, c.count);
    CHECK_EQ(seen.firstFilter, c.firstFilter);
    CHECK_EQ(seen.selectedFilter, c.preselected);
    CHECK(seen.readOnlyHidden);
    CHECK_EQ(seen.prompted, c.prompted);
    CHECK(sameText(name.c_str(), samples().file(c.chosen ? c.chosen : c.file)));
    CHECK_EQ(type, c.resultType);
    CHECK(IsWindowEnabled(owner()));
  }
}

WINE_TEST(cancelEmptiesTheNameAndKeepsTheType) {
  Settings settings;
  for (bool open : {true, false}) {
    winetest::setContext(open ? "open" : "save");
    Script script({waitForFileDialogAlone(), cancel()});
    CText name = samples().file("list.wdl").c_str();
    int type = kFormatText;
    CHECK(!QuizFileDialog(settings).run(owner(), kOpenTitle, open, QuizFileDialog::kListFiles, &name, &type));
    CHECK(!script.timedOut);
    CHECK(name.empty());
    CHECK_EQ(type, kFormatText);
  }
}

WINE_TEST(openDialogRefusesAMissingFileAndTheWaveDialogIsAlwaysOpen) {
  Settings settings;
  struct Case { int choice; bool open; const char* file; } cases[] = {
      {QuizFileDialog::kAnyFiles, true, "missing.wdl"},
      {QuizFileDialog::kWaveFiles, false, "missing.wav"},
  };
  for (const Case& c : cases) {
    winetest::setContext("choice " + std::to_string(c.choice) + " " + c.file);
    bool refused = false;
    Script script({waitForFileDialogAlone(), enterName(samples().file(c.file)), answerBox(IDOK, &refused),
                   waitForFileDialogAlone(), cancel()});
    CText name;
    int type = kFormatWordFile;
    CHECK(!QuizFileDialog(settings).run(owner(), kOpenTitle, c.open, c.choice, &name, &type));
    CHECK(!script.timedOut);
    CHECK(refused);
    CHECK(name.empty());
  }
}

namespace {

struct FolderCase {
  const char* label;
  std::string filePath;
  std::string fileName;
  std::string shownFolder;
  std::string filePathAfter;
};

}  // namespace

WINE_TEST(wordFilesFolderIsTheStartFolderAndForgottenWhenGone) {
  const SampleFolder& s = samples();
  std::string gone = s.path + "\\gone";
  const FolderCase cases[] = {
      {"no name", s.path, "", s.path, s.path},
      {"trailing backslash", s.path + "\\", "", s.path, s.path + "\\"},
      {"new name", s.path, "fresh.wdl", s.path, s.path},
      {"existing file elsewhere", s.path, s.other + "\\elsewhere.wdl", s.other, s.path},
      {"gone folder", gone, "", "", ""},
      {"gone folder, existing file", gone, s.other + "\\elsewhere.wdl", s.other, gone},
  };
  for (int choice : {static_cast<int>(QuizFileDialog::kAnyFiles), static_cast<int>(QuizFileDialog::kWaveFiles)}) {
    for (const FolderCase& c : cases) {
      winetest::setContext(std::string(c.label) + ", choice " + std::to_string(choice));
      Settings settings;
      settings.FilePath = c.filePath.c_str();
      Seen seen;
      Script script({look(&seen), cancel()});
      CText name = c.fileName.c_str();
      int type = kFormatNone;
      CHECK(!QuizFileDialog(settings).run(owner(), kOpenTitle, true, choice, &name, &type));
      CHECK(!script.timedOut);
      if (!c.shownFolder.empty()) {
        CHECK(sameText(seen.folder, c.shownFolder));
      }
      CHECK_EQ(settings.FilePath.c_str(), c.filePathAfter);
    }
  }
}

namespace {

bool enabled(HWND panel, int id) { return IsWindowEnabled(GetDlgItem(panel, id)) != FALSE; }

void click(HWND panel, int id) { SendMessageA(GetDlgItem(panel, id), BM_CLICK, 0, 0); }

HBITMAP buttonImage(HWND panel, int id) {
  return reinterpret_cast<HBITMAP>(SendDlgItemMessageA(panel, id, BM_GETIMAGE, IMAGE_BITMAP, 0));
}

// Answers whether the poll timer was running, and stops it.
bool killPollTimer(HWND panel) { return KillTimer(panel, QuizTimer::kPreviewPoll) != FALSE; }

// What the wave dialog's steps saw, in the order they saw it.
struct PreviewSeen {
  HWND panel = nullptr;
  std::string label;
  bool buttonsStartDisabled = false;
  HBITMAP playImage = nullptr;
  HBITMAP stopImage = nullptr;
  bool waveEnablesPlayOnly = false;
  bool playEnablesStop = false;
  bool pollTimerStopped = false;
  bool replayEnablesStop = false;
  bool stopDisablesStop = false;
  bool stopEndsPollTimer = false;
  bool textSelectionStopsPreview = false;
};

Script::Step findPanel(PreviewSeen* seen) {
  return [seen] {
    HWND dialog = fileDialog();
    HWND panel = dialog ? previewPanel(dialog) : nullptr;
    if (!panel) return false;
    seen->panel = panel;
    seen->label = e2e::text(descendant(panel, "Static"));
    seen->buttonsStartDisabled = !enabled(panel, IDC_PREVIEW_PLAY) && !enabled(panel, IDC_PREVIEW_STOP);
    seen->playImage = buttonImage(panel, IDC_PREVIEW_PLAY);
    seen->stopImage = buttonImage(panel, IDC_PREVIEW_STOP);
    return true;
  };
}

Script::Step act(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

Script::Step waitUntil(std::function<bool()> condition) { return condition; }

}  // namespace

WINE_TEST(wavePreviewPlaysTheSelectedWaveAndNoticesItsEnd) {
  std::printf("wave output devices: %u\n", waveOutGetNumDevs());
  Settings settings;
  PreviewSeen seen;
  PreviewSeen* s = &seen;
  auto panel = [s] { return s->panel; };
  Script script({
      findPanel(s),
      pickFilter(1),
      waitUntil([] { return listItem(fileDialog(), "notes") >= 0 && listItem(fileDialog(), "sound") >= 0; }),
      act([] { selectFile(fileDialog(), "sound"); }),
      waitUntil([panel] { return enabled(panel(), IDC_PREVIEW_PLAY); }),
      act([s, panel] {
        s->waveEnablesPlayOnly = !enabled(panel(), IDC_PREVIEW_STOP);
        click(panel(), IDC_PREVIEW_PLAY);
        s->playEnablesStop = enabled(panel(), IDC_PREVIEW_STOP);
      }),
      waitUntil([panel] { return !enabled(panel(), IDC_PREVIEW_STOP); }),
      act([s, panel] {
        s->pollTimerStopped = !killPollTimer(panel());
        click(panel(), IDC_PREVIEW_PLAY);
        click(panel(), IDC_PREVIEW_PLAY);
        s->replayEnablesStop = enabled(panel(), IDC_PREVIEW_STOP);
      }),
      waitUntil([panel] { return !enabled(panel(), IDC_PREVIEW_STOP); }),
      act([s, panel] {
        click(panel(), IDC_PREVIEW_PLAY);
        click(panel(), IDC_PREVIEW_STOP);
        s->stopDisablesStop = !enabled(panel(), IDC_PREVIEW_STOP);
        s->stopEndsPollTimer = !killPollTimer(panel());
        click(panel(), IDC_PREVIEW_PLAY);
        selectFile(fileDialog(), "notes");
      }),
      waitUntil([panel] { return !enabled(panel(), IDC_PREVIEW_PLAY); }),
      act([s, panel] {
        s->textSelectionStopsPreview = !enabled(panel(), IDC_PREVIEW_STOP) && !killPollTimer(panel());
        selectFile(fileDialog(), "sound");
      }),
      waitUntil([panel] { return enabled(panel(), IDC_PREVIEW_PLAY); }),
      enterName(samples().file("sound.WAV")),
  });
  CText name;
  int type = kFormatWordFile;
  CHECK(QuizFileDialog(settings).run(owner(), "Sound", true, QuizFileDialog::kWaveFiles, &name, &type));
  CHECK(!script.timedOut);
  CHECK_EQ(script.done(), script.size());
  CHECK(sameText(name.c_str(), samples().file("sound.WAV")));
  CHECK_EQ(type, static_cast<int>(QuizFileDialog::kWaveType));
  CHECK(seen.panel != nullptr);
  CHECK_EQ(seen.label, "Preview:");
  CHECK(seen.buttonsStartDisabled);
  CHECK_EQ(GetObjectType(seen.playImage), static_cast<DWORD>(0));
  CHECK_EQ(GetObjectType(seen.stopImage), static_cast<DWORD>(0));
  CHECK(seen.playImage != nullptr && seen.stopImage != nullptr);
  CHECK(seen.waveEnablesPlayOnly);
  CHECK(seen.playEnablesStop);
  CHECK(seen.pollTimerStopped);
  CHECK(seen.replayEnablesStop);
  CHECK(seen.stopDisablesStop);
  CHECK(seen.stopEndsPollTimer);
  CHECK(seen.textSelectionStopsPreview);
}

WINE_TEST(onlyTheWaveDialogCarriesThePreviewPanel) {
  Settings settings;
  for (int choice : {static_cast<int>(QuizFileDialog::kAnyFiles), static_cast<int>(QuizFileDialog::kWaveFiles)}) {
    winetest::setContext("choice " + std::to_string(choice));
    bool hasPanel = false;
    Script script({waitForFileDialogAlone(), act([&hasPanel] { hasPanel = previewPanel(fileDialog()); }), cancel()});
    CText name;
    int type = kFormatNone;
    QuizFileDialog(settings).run(owner(), kOpenTitle, true, choice, &name, &type);
    CHECK(!script.timedOut);
    CHECK_EQ(hasPanel, choice == QuizFileDialog::kWaveFiles);
  }
}
