// End-to-end tests of the word list window: a copy of Verbolt.exe runs in its
// own folder and is driven through its message loop, its list view (read
// with memory placed in the program, RemoteListView), the clipboard and the
// registry.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <string>
#include <vector>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/CleanState.h"
#include "tests/e2e/QuizFixture.h"
#include "tests/e2e/RemoteListView.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

// GCC 12 takes the string temporaries of the brace lists below for maybe
// uninitialized when it inlines their destructors.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

namespace {

const char kSuite[] = "wordlist e2e";

// Puts blocks of the given formats on the clipboard, which is emptied first.
// The clipboard takes data only from an owner window.
struct ClipboardBlock {
  UINT format;
  std::string bytes;
};

bool putOnClipboard(const std::vector<ClipboardBlock>& blocks) {
  static HWND owner = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!waitFor([] { return OpenClipboard(owner) != 0; }, "the clipboard")) return false;
  EmptyClipboard();
  for (const auto& block : blocks) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.bytes.size());
    memcpy(GlobalLock(memory), block.bytes.data(), block.bytes.size());
    GlobalUnlock(memory);
    if (!SetClipboardData(block.format, memory)) failWithScreenshot("cannot put format " + std::to_string(block.format));
  }
  return CloseClipboard() != 0;
}

// One Verbolt process with its main window and, once opened, its word list
// window.
struct Quiz {
  TargetProgram program;
  HWND main = nullptr, window = nullptr, list = nullptr;

  bool start(const std::string& bin, const std::string& list, bool keepSettings = false) {
    setScreenshotPrefix("wordlist_e2e_test");
    static int started = 0;
    std::string work = parentFolder(bin) + "\\work" + std::to_string(++started);
    if (!program.start(bin + "\\Verbolt.exe", {list}, keepSettings ? "" : kQuizSettingsKey, work)) return false;
    WindowQuery query;
    query.title = list.substr(list.find_last_of('\\') + 1) + " - Verbolt'97";
    return (main = program.waitForWindow(query)) != nullptr;
  }

  // The Wordlist command, until the window shows count rows.
  bool openWordList(int count) {
    postCommand(main, IDM_QUIZ_WORDLIST);
    WindowQuery query;
    query.title = "Wordlist";
    query.owner = main;
    window = program.waitForWindow(query);
    list = window ? control(window, IDC_WORDLIST_LIST) : nullptr;
    return list && waitFor([&] { return sendNumbers(list, LVM_GETITEMCOUNT, 0, 0) == count; }, "the rows");
  }

  // Puts blocks on the clipboard and runs the window's Paste command.
  void paste(const std::vector<ClipboardBlock>& blocks) {
    CHECK(putOnClipboard(blocks));
    sendCommand(window, IDM_WORDLIST_PASTE);
  }

  bool pasteEnabled() const {
    return sendNumbers(control(window, IDC_WORDLIST_TOOLBAR), TB_ISBUTTONENABLED, IDM_WORDLIST_PASTE, 0) != 0;
  }

  // Posts WM_CLOSE and answers the save prompt; false when none came.
  bool closeAnswering(int button) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    WindowQuery query;
    query.title = "Save?";
    HWND prompt = program.waitForWindow(query);
    if (!prompt) return false;
    pressButton(prompt, button);
    return program.waitForExit() == 0;
  }
};

void selectOnly(const RemoteListView& rows, std::initializer_list<int> selected) {
  rows.select(-1, false);
  for (int row : selected) rows.select(row, true);
}

// Presses a key with modifiers until the rows read expected. A program under
// Wine may read its key state from a copy taken a moment before, so a
// modifier held from outside can be missed; a missed press changes nothing.
bool pressUntil(Quiz& quiz, UINT key, unsigned modifiers, const RemoteListView& rows, const std::string& expected) {
  return quiz.program.pressKeyUntil(key, modifiers, [&] { return rows.rows(); }, expected);
}

bool showsRows(const RemoteListView& rows, const std::string& expected) {
  if (waitFor([&] { return rows.rows() == expected; }, "the rows " + expected)) return true;
  CHECK_EQ(rows.rows(), expected);
  return false;
}

std::string stored(const std::string& key, const char* name) {
  DWORD type;
  return registryValue(key, name, &type);
}

template <typename T>
std::string bytesOf(std::initializer_list<T> values) {
  std::string bytes;
  for (T value : values) bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
  return bytes;
}

std::string clipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data) {
    text = static_cast<const char*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// A shell file list of ANSI paths, as the shell puts it on the clipboard.
std::string fileList(const std::vector<std::string>& paths) {
  DROPFILES header = {};
  header.pFiles = sizeof header;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& path : paths) block += path + '\0';
  return block + '\0';
}

std::string autosaveFileIn(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\wdlAutoSave*.wdl").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::string();
  FindClose(search);
  return folder + "\\" + found.cFileName;
}

}  // namespace

// Opening, moving, marking, reordering, deleting, sorting and closing, with
// the autosave taken while the window is open and the place, column widths
// and toolbar options stored at the end.
WINE_TEST(wordListWindowEditsTheListAndGivesItBack) {
  std::string bin = freshQuizProgram(VERBOLT_EXE, kSuite, "editing");
  std::string path = parentFolder(bin) + "\\list.wdl";
  if (bin.empty() || !writeFileBytes(path, wordFileBytes({{"house", "talo", true}, {"cat", "kissa", false},
                                                          {"dog", "koira", true}, {"bird", "lintu", false},
                                                          {"apple", "omena", true}, {"tree", "puu", true}})) ||
      !removeRegistryTree(HKEY_CURRENT_USER, kQuizSettingsKey) || !setRegistryNumber("\\Settings", "AutoSaveTime", 5))
    return;
  Quiz quiz;
  if (!quiz.start(bin, path, true) || !quiz.openWordList(6)) return;
  RemoteListView rows(quiz.list);
  CHECK(showsRows(rows, "+house/talo cat/kissa +dog/koira bird/lintu +apple/omena +tree/puu "));

  // The first start's place, columns and toolbar: flat, tool tips, labels, large.
  RECT place;
  GetWindowRect(quiz.window, &place);
  CHECK_EQ(place.left, 50);
  CHECK_EQ(place.top, 50);
  CHECK_EQ(place.right - place.left, 500);
  CHECK_EQ(place.bottom - place.top, 330);
  CHECK_EQ(sendNumbers(quiz.list, LVM_GETCOLUMNWIDTH, 1, 0), 200);
  HWND toolbar = control(quiz.window, IDC_WORDLIST_TOOLBAR);
  CHECK_EQ(sendNumbers(toolbar, TB_BUTTONCOUNT, 0, 0), 13);
  CHECK_EQ(sendNumbers(toolbar, TB_GETSTYLE, 0, 0) & (TBSTYLE_FLAT | TBSTYLE_TOOLTIPS), TBSTYLE_FLAT | TBSTYLE_TOOLTIPS);
  CHECK(LOWORD(sendNumbers(toolbar, TB_GETBUTTONSIZE, 0, 0)) >= 24);

  // A second Wordlist command makes no second window.
  postCommand(quiz.main, IDM_QUIZ_WORDLIST);
  quiz.program.settle(2);
  CHECK(windowOfProcess(quiz.program.processId(), [&](HWND w) { return w != quiz.window && text(w) == "Wordlist"; }) ==
        nullptr);

  // Moving: nothing at the edges; only the first selected row moves, with
  // its selection; Ctrl+Up through the window's keys.
  selectOnly(rows, {0});
  sendCommand(quiz.window, IDM_MOVE_UP);
  selectOnly(rows, {5});
  sendCommand(quiz.window, IDM_MOVE_DOWN);
  selectOnly(rows, {1, 3});
  sendCommand(quiz.window, IDM_MOVE_DOWN);
  CHECK(showsRows(rows, "+house/talo +dog/koira cat/kissa bird/lintu +apple/omena +tree/puu "));
  CHECK(rows.selected(2) && rows.selected(3) && !rows.selected(1));
  CHECK(waitFor([&] { return quiz.program.focus() == quiz.list; }, "the focus in the list"));
  selectOnly(rows, {4});
  CHECK(pressUntil(quiz, VK_UP, kControl, rows, "+house/talo +dog/koira cat/kissa +apple/omena bird/lintu +tree/puu "));

  // Marking: Mark None (Ctrl+N), Mark Selected, Invert, Mark Selected never
  // unchecks, and a check box set from outside.
  CHECK(pressUntil(quiz, 'N', kControl, rows, "house/talo dog/koira cat/kissa apple/omena bird/lintu tree/puu "));
  selectOnly(rows, {0, 2});
  sendCommand(quiz.window, IDM_MARK_SELECTED);
  sendCommand(quiz.window, IDM_INVERT_MARKING);
  CHECK(showsRows(rows, "house/talo +dog/koira cat/kissa +apple/omena +bird/lintu +tree/puu "));
  selectOnly(rows, {0, 1});
  sendCommand(quiz.window, IDM_MARK_SELECTED);
  rows.setChecked(5, false);
  CHECK(showsRows(rows, "+house/talo +dog/koira cat/kissa +apple/omena +bird/lintu tree/puu "));

  // Change Order ("<") swaps the words and keeps the check; Del deletes.
  selectOnly(rows, {0, 2});
  quiz.program.typeText("<");
  CHECK(showsRows(rows, "+talo/house +dog/koira kissa/cat +apple/omena +bird/lintu tree/puu "));
  selectOnly(rows, {4});
  quiz.program.pressKey(VK_DELETE);
  std::string edited = "+talo/house +dog/koira kissa/cat +apple/omena tree/puu ";
  CHECK(showsRows(rows, edited));

  // The autosave while the window is open holds every row, and the rows stay.
  CHECK(waitFor([&] { return pairsOfWordFile(readFileBytes(autosaveFileIn(bin))) == edited; },
                "the autosave file holding the edited rows", 20000));
  CHECK(showsRows(rows, edited));

  // Sorting by the second word in descending order.
  sendCommand(quiz.window, IDM_SORT_DESCENDING);
  sendCommand(quiz.window, IDM_SORT_SECOND_WORD);
  std::string sorted = "tree/puu +apple/omena +dog/koira +talo/house kissa/cat ";
  CHECK(showsRows(rows, sorted));

  // New opens Add Words: a checked row at the end. Edit walks the selected
  // rows in Change Words; Cancel at the second keeps the rest as they were.
  WindowQuery dialogQuery;
  dialogQuery.title = "Add Words";
  postCommand(quiz.window, IDM_WORDLIST_NEW);
  HWND add = quiz.program.waitForWindow(dialogQuery);
  if (!add) return;
  CHECK(setText(control(add, IDC_WORDS_FIRST), "sun") && setText(control(add, IDC_WORDS_SECOND), "aurinko"));
  pressButton(add, IDC_ADD_WORDS_ADD);
  CHECK(showsRows(rows, sorted + "+sun/aurinko "));
  pressButton(add, IDC_ADD_WORDS_CANCEL);
  CHECK(quiz.program.waitForGone(add));
  selectOnly(rows, {0, 1, 2});
  dialogQuery.title = "Change Words";
  postCommand(quiz.window, IDM_WORDLIST_EDIT);
  HWND change = quiz.program.waitForWindow(dialogQuery);
  if (!change) return;
  CHECK_EQ(text(control(change, IDC_WORDS_FIRST)), "tree");
  CHECK(setText(control(change, IDC_WORDS_FIRST), "trees") && setText(control(change, IDC_WORDS_SECOND), "puut"));
  pressButton(change, IDC_CHANGE_WORDS_CHANGE);
  CHECK(waitFor([&] { return text(control(change, IDC_WORDS_FIRST)) == "apple"; }, "the second selected row"));
  pressButton(change, IDC_CHANGE_WORDS_CANCEL);
  CHECK(quiz.program.waitForGone(change));
  sorted = "trees/puut +apple/omena +dog/koira +talo/house kissa/cat +sun/aurinko ";
  CHECK(showsRows(rows, sorted));

  // Esc closes the window; the drill uses the edited list.
  sendNumbers(quiz.list, LVM_SETCOLUMNWIDTH, 0, 150);
  sendCommand(quiz.window, IDM_TOOLBAR_LABELS);
  MoveWindow(quiz.window, 60, 70, 520, 340, TRUE);
  quiz.program.pressKey(VK_ESCAPE);
  CHECK(quiz.program.waitForGone(quiz.window));
  CHECK(waitFor([&] { return text(control(quiz.main, IDC_QUIZ_POINTS)) == "Points 0 / 0 Selected 4 / 6"; },
                "the drill over the edited list"));
  CHECK_EQ(stored("\\WordList", "Column Widths"), bytesOf<INT32>({150, 200}));
  CHECK_EQ(stored("\\WordList", "Position"), bytesOf<INT32>({60, 70, 580, 410}));
  CHECK_EQ(stored("\\WordList", "Toolbar"), bytesOf<DWORD>({13}));

  // Closing the window marked the list changed; Yes saves it in display order.
  CHECK(quiz.closeAnswering(IDYES));
  CHECK_EQ(pairsOfWordFile(readFileBytes(path)), sorted);
}

// Copy in one instance, paste in another through the private block; text,
// damaged blocks and word files cut or copied in the shell; the Paste button
// follows the clipboard.
WINE_TEST(clipboardCarriesRowsBetweenInstancesAndFromTheShell) {
  std::string bin = freshQuizProgram(VERBOLT_EXE, kSuite, "clipboard");
  std::string root = parentFolder(bin), listA = root + "\\a.wdl", listB = root + "\\b.wdl";
  bool prepared = !bin.empty() && putOnClipboard({}) &&
                  writeFileBytes(listA, wordFileBytes({{"cat", "kissa", true}, {"dog", "koira", false},
                                                       {"fish", "kala", true}})) &&
                  writeFileBytes(listB, wordFileBytes({{"house", "talo", true}}));
  Quiz a, b;
  if (!prepared || !a.start(bin, listA) || !b.start(bin, listB, true) || !a.openWordList(3) || !b.openWordList(1))
    return;
  RemoteListView rowsA(a.list), rowsB(b.list);
  CHECK(waitFor([&] { return !a.pasteEnabled() && !b.pasteEnabled(); }, "Paste disabled on an empty clipboard"));

  selectOnly(rowsA, {0, 1});
  sendCommand(a.window, IDM_WORDLIST_COPY);
  CHECK(waitFor([] { return clipboardText() == "cat\tkissa\r\ndog\tkoira\r\n"; }, "the copied rows as text"));
  CHECK(waitFor([&] { return b.pasteEnabled(); }, "Paste enabled in the other instance"));
  sendCommand(b.window, IDM_WORDLIST_PASTE);
  CHECK(showsRows(rowsB, "+house/talo +cat/kissa dog/koira "));
  selectOnly(rowsA, {2});
  sendCommand(a.window, IDM_WORDLIST_CUT);
  CHECK(showsRows(rowsA, "+cat/kissa dog/koira "));
  sendCommand(b.window, IDM_WORD_PASTE);
  std::string expected = "+house/talo +cat/kissa dog/koira +fish/kala ";
  CHECK(showsRows(rowsB, expected));

  // Text pastes as checked rows without its bad line; the last line needs no
  // line break.
  std::string text("bird\tlintu\r\nlonely\r\nsun  aurinko");
  text += '\0';
  b.paste({{CF_TEXT, text}});
  expected += "+bird/lintu +sun/aurinko ";
  CHECK(showsRows(rowsB, expected));

  // Damaged "Wordlist" blocks (a count too large, words without 0 bytes)
  // paste nothing and harm nothing.
  UINT wordlist = RegisterClipboardFormatA("Wordlist");
  b.paste({{wordlist, std::string("\xFF\x01\x05\0\0\0a\0b\0\x01", 11)}});
  b.paste({{wordlist, std::string("\xFF\x01\x01\0\0\0abc", 9)}});
  CHECK_EQ(rowsB.rows(), expected);

  // A word file cut in the shell is appended and deleted, and the clipboard
  // emptied; a copied one stays; a damaged one adds nothing and stays.
  UINT dropEffect = RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT);
  std::string cut = root + "\\cut.wdl", copied = root + "\\copied.wdl", damaged = root + "\\damaged.wdl";
  std::string whole = wordFileBytes({{"ab", "cd", true}});
  CHECK(writeFileBytes(cut, wordFileBytes({{"moon", "kuu", true}, {"star", "tahti", false}})) &&
        writeFileBytes(copied, wordFileBytes({{"sky", "taivas", true}})) &&
        writeFileBytes(damaged, whole.substr(0, whole.size() - 5)));
  b.paste({{CF_HDROP, fileList({damaged, cut})}, {dropEffect, bytesOf<DWORD>({DROPEFFECT_MOVE})}});
  expected += "+moon/kuu star/tahti ";
  CHECK(showsRows(rowsB, expected));
  CHECK(!fileExists(cut) && fileExists(damaged));
  CHECK_EQ(CountClipboardFormats(), 0);
  b.paste({{CF_HDROP, fileList({copied})}, {dropEffect, bytesOf<DWORD>({DROPEFFECT_COPY})}});
  expected += "+sky/taivas ";
  CHECK(showsRows(rowsB, expected));
  CHECK(fileExists(copied));

  // A list of text files leaves Paste disabled, as does an empty clipboard.
  CHECK(writeFileBytes(root + "\\list.txt", "a\tb\r\n"));
  CHECK(putOnClipboard({{CF_HDROP, fileList({root + "\\list.txt"})}}));
  CHECK(waitFor([&] { return !b.pasteEnabled(); }, "Paste disabled for text files"));
  CHECK(putOnClipboard({{CF_TEXT, std::string("x\ty\r\n")}}));
  CHECK(waitFor([&] { return b.pasteEnabled(); }, "Paste enabled for text"));
  CHECK(putOnClipboard({}));
  CHECK(waitFor([&] { return !b.pasteEnabled(); }, "Paste disabled again"));

  // Closing the main window closes the word list window first and asks.
  CHECK(b.closeAnswering(IDNO));
  CHECK(a.closeAnswering(IDNO));
}

namespace {

// The open Find dialog of quiz, with a search that waits for its outcome.
struct Find {
  Quiz& quiz;
  const RemoteListView& rows;
  HWND dialog = nullptr;

  // The dialog has no owner window.
  bool open() {
    postCommand(quiz.window, IDM_WORDLIST_FIND);
    WindowQuery query;
    query.title = "Find";
    dialog = quiz.program.waitForWindow(query);
    return dialog && GetWindow(dialog, GW_OWNER) == nullptr;
  }

  // Searches for text; found: the row that must end selected alone, or -1
  // for the not-found message.
  void search(const std::string& text, int found) {
    winetest::setContext("find " + text);
    setText(control(dialog, IDC_FIND_TEXT), text);
    postCommand(dialog, IDC_FIND_NEXT);
    if (found >= 0) {
      CHECK(waitFor([&] { return rows.selected(found) && sendNumbers(quiz.list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; },
                    "row " + std::to_string(found) + " found"));
      quiz.program.settle();
    } else {
      HWND box = nullptr;
      CHECK(waitFor([&] { return (box = windowOfProcess(quiz.program.processId(), [&](HWND w) { return GetWindow(w, GW_OWNER) == dialog; })) != nullptr; },
                    "the not-found message"));
      if (!box) return;
      CHECK_EQ(e2e::text(box), "Find");
      CHECK_EQ(messageBoxText(box), "Cannot find string '" + text + "'.");
      pressButton(box, IDOK);
      quiz.program.waitForGone(box);
    }
    winetest::setContext("");
  }

  void click(int id) { sendNumbers(control(dialog, id), BM_CLICK, 0, 0); }
  bool checked(int id) { return sendNumbers(control(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

}  // namespace

// Patterns, whole words, case, both directions with wrapping, the message
// when nothing is found, and the history and options in the registry.
WINE_TEST(findSearchesTheRowsAndRemembersItsTexts) {
  std::string bin = freshQuizProgram(VERBOLT_EXE, kSuite, "find");
  std::string path = parentFolder(bin) + "\\find.wdl";
  if (bin.empty() || !writeFileBytes(path, wordFileBytes({{"house", "talo", true}, {"mouse", "hiiri", true},
                                                          {"horse", "hevonen", true}, {"cat", "kissa", true}})))
    return;
  Quiz quiz;
  if (!quiz.start(bin, path) || !quiz.openWordList(4)) return;
  RemoteListView rows(quiz.list);
  Find find{quiz, rows};
  if (!find.open()) return;
  CHECK(find.checked(IDC_FIND_DOWN) && !find.checked(IDC_FIND_MATCH_CASE) && !find.checked(IDC_FIND_WHOLE_WORD));

  find.search("HOUSE", 0);  // with no row selected the first row is tested too
  find.search("HOUSE", -1);  // the start row itself is not
  selectOnly(rows, {3});
  find.search("h?use", 0);  // down from the last row on to the first
  find.search("h*e", 2);
  find.search("ho*use", -1);
  find.click(IDC_FIND_WHOLE_WORD);
  find.search("hous", -1);
  find.click(IDC_FIND_WHOLE_WORD);
  find.search("hous", 0);
  find.click(IDC_FIND_UP);
  find.search("cat", 3);  // up from the first row on to the last
  find.click(IDC_FIND_MATCH_CASE);
  find.search("Talo", -1);
  find.search("talo", 0);
  const std::pair<const char*, int> more[] = {{"kissa", 3}, {"hiiri", 1}, {"hevonen", 2}, {"mouse", 1}};
  for (const auto& search : more) find.search(search.first, search.second);  // the eleventh drops "HOUSE"
  CHECK_EQ(sendNumbers(control(find.dialog, IDC_FIND_TEXT), CB_GETCOUNT, 0, 0), 10);

  RECT place;
  GetWindowRect(find.dialog, &place);
  find.click(IDC_FIND_CANCEL);
  CHECK(quiz.program.waitForGone(find.dialog));
  const char* const history[] = {"mouse", "hevonen", "hiiri", "kissa", "talo", "cat", "hous", "ho*use", "h*e", "h?use"};
  for (int i = 0; i < 10; ++i) CHECK_EQ(stored("\\Recent Strings", ("Find" + std::to_string(i)).c_str()), std::string(history[i]) + '\0');
  CHECK_EQ(stored("\\Find", "Direction"), bytesOf<DWORD>({0}));
  CHECK_EQ(stored("\\Find", "Match Case"), bytesOf<DWORD>({1}));
  CHECK_EQ(stored("\\Find", "Whole Word"), bytesOf<DWORD>({0}));
  CHECK_EQ(stored("\\Find", "Left") + stored("\\Find", "Top"), bytesOf<DWORD>({static_cast<DWORD>(place.left), static_cast<DWORD>(place.top)}));

  // Opened again it shows the last text and options; closing the word list
  // window closes it too.
  if (!find.open()) return;
  CHECK_EQ(text(control(find.dialog, IDC_FIND_TEXT)), "mouse");
  CHECK(find.checked(IDC_FIND_UP) && find.checked(IDC_FIND_MATCH_CASE));
  RECT again;
  GetWindowRect(find.dialog, &again);
  CHECK_EQ(again.left, place.left);
  postCommand(quiz.window, IDM_WORDLIST_CLOSE);
  CHECK(quiz.program.waitForGone(find.dialog) && quiz.program.waitForGone(quiz.window));
  CHECK(quiz.closeAnswering(IDNO));
}
