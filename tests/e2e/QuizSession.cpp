#include "tests/e2e/QuizSession.h"

#include "tests/e2e/CleanState.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

namespace e2e {
namespace {

const int kAnswerBox = 112;

std::string besideThisProgram(const std::string& name) {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// The build gives the program's host path; Wine shows the host's root as Z:.
std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

bool copyProgram(const std::string& host, const std::string& bin, const char* name) {
  if (CopyFileA(windowsPath(host).c_str(), (bin + "\\" + name).c_str(), FALSE)) return true;
  failWithScreenshot("cannot copy " + windowsPath(host) + " to " + bin);
  return false;
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct MainWindowSearch {
  DWORD process;
  const char* titleSuffix;
  HWND found;
};

BOOL CALLBACK visitMainWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<MainWindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window) || !GetMenu(window) ||
      !endsWith(text(window), search->titleSuffix))
    return TRUE;
  search->found = window;
  return FALSE;
}

const PairBytes* find(const std::vector<PairBytes>& pairs, const std::string& word, bool first) {
  for (const PairBytes& pair : pairs)
    if ((first ? pair.first : pair.second) == word) return &pair;
  return nullptr;
}

}  // namespace

const QuizBuild kVerbolt = {"Verbolt.exe", "Software\\Quorvel\\Verbolt'97", " - Verbolt'97"};
const QuizBuild kKielivis = {"Kielivis.exe", "Software\\Quorvel\\Kielivisa'97", " - Kielivisa'97"};

std::string quizProgramFolder(const std::string& test) {
  std::string bin = besideThisProgram("verbolt e2e\\" + test + "\\bin");
  if (!makeEmptyFolder(besideThisProgram("verbolt e2e\\" + test)) || !makeEmptyFolder(bin)) {
    failWithScreenshot("cannot make " + bin);
    return std::string();
  }
  if (!copyProgram(VERBOLT_EXE, bin, kVerbolt.program)) return std::string();
#ifdef KIELIVIS_EXE
  if (!copyProgram(KIELIVIS_EXE, bin, kKielivis.program)) return std::string();
#endif
  return bin;
}

std::string parentOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

bool writeBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size();
  CloseHandle(file);
  return ok;
}

std::string readBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr)) bytes.clear();
  CloseHandle(file);
  return bytes;
}

std::string WordFileBytes::bytes() const {
  std::string result("\xFE\xFE" "97WDL" "\x12");
  for (const std::string* text : {&firstLanguage, &secondLanguage, &author, &information}) result += *text + '\x03';
  for (const PairBytes& pair : pairs) {
    result += pair.first + '\x03' + pair.second + '\x03';
    result += pair.marked ? '\x01' : '\x00';
    result += '\x03';
  }
  return result + '\x02';
}

const PairBytes* WordFileBytes::withFirst(const std::string& word) const { return find(pairs, word, true); }

const PairBytes* WordFileBytes::withSecond(const std::string& word) const { return find(pairs, word, false); }

bool QuizSession::start(const std::string& bin, const std::string& work, const std::vector<std::string>& arguments,
                        const QuizBuild& build) {
  if (bin.empty() || !program.start(bin + "\\" + build.program, arguments, build.settingsKey, work)) return false;
  waitFor(
      [&] {
        MainWindowSearch search = {program.processId(), build.titleSuffix, nullptr};
        EnumWindows(visitMainWindow, reinterpret_cast<LPARAM>(&search));
        main = search.found;
        return main != nullptr || !program.running();
      },
      std::string("the main window titled \"...") + build.titleSuffix + "\"");
  return main && focusIn(main, kAnswerBox);
}

HWND QuizSession::window(const std::string& title, const std::string& className, HWND owner) {
  WindowQuery query;
  query.title = title;
  query.className = className;
  query.owner = owner;
  return program.waitForWindow(query);
}

bool QuizSession::answer(HWND owner, const std::string& caption, const std::string& text, int button) {
  HWND box = window(caption, "#32770", owner);
  if (!box) return false;
  CHECK_EQ(messageBoxText(box), text);
  pressButton(box, button);
  return program.waitForGone(box);
}

bool QuizSession::shows(HWND window, int id, const std::string& expected) {
  if (waitFor([&] { return text(control(window, id)) == expected; },
              "control " + std::to_string(id) + " to read \"" + expected + "\""))
    return true;
  CHECK_EQ(text(control(window, id)), expected);
  return false;
}

bool QuizSession::focusIn(HWND window, int id) {
  return waitFor([&] { return program.focus() == control(window, id); },
                 "the focus on control " + std::to_string(id));
}

bool QuizSession::chooseCharacter(HWND character, unsigned char code) {
  const int kCells = 1071, kFirstCode = 32;
  HWND cells = control(character, kCells);
  sendNumbers(cells, LB_SETTOPINDEX, code - kFirstCode, 0);
  RECT cell = {};
  if (!SendMessageTimeoutA(cells, LB_GETITEMRECT, code - kFirstCode, reinterpret_cast<LPARAM>(&cell), SMTO_ABORTIFHUNG,
                           kSendTimeout, nullptr) ||
      cell.bottom <= cell.top) {
    failWithScreenshot("no cell for character " + std::to_string(code));
    return false;
  }
  LPARAM point = clientPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
    PostMessageA(cells, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, point);
  return true;
}

}  // namespace e2e
