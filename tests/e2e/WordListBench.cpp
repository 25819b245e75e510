// How long the word list window of Verbolt.exe takes with a list of 50,000
// pairs under Wine (./dev bench): opening with its rows shown, sorting by
// either word, Mark All, Find of a word near the end, and closing.
#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <functional>
#include <string>

#include "resources/QuizResourceIds.h"
#include "tests/e2e/RemoteListView.h"
#include "tests/e2e/TargetProgram.h"
#include "tests/e2e/WindowAccess.h"
#include "tests/e2e/WindowCapture.h"
#include "tests/wine/WineTest.h"

using namespace e2e;

namespace {

const int kPairs = 50000;
const DWORD kPatience = 120000;
const char kFolder[] = "C:\\wordlist-bench";

std::string word(const char* stem, int i) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%05d", stem, i);
  return text;
}

// A word file of kPairs marked pairs, the first words in descending order.
bool writeBigList(const std::string& path) {
  std::string bytes("\xFE\xFE" "97WDL\x12" "English\x03" "Finnish\x03\x03\x03", 26);
  for (int i = kPairs - 1; i >= 0; --i) bytes += word("word", i) + '\x03' + word("sana", i) + "\x03\x01\x03";
  bytes += '\x02';
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return ok && written == bytes.size();
}

double milliseconds(const std::function<void()>& action) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  action();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void report(const char* what, double elapsed, double goal) {
  std::printf("word list window, %d pairs, %-28s %7.0f ms (goal < %.0f ms: %s)\n", kPairs, what, elapsed, goal,
              elapsed < goal ? "met" : "MISSED");
}

// Text is painted in black once the rows are shown.
bool rowsShown(HWND list) { return WindowCapture(list).count(RGB(0, 0, 0)) > 100; }

}  // namespace

WINE_TEST(wordListWindowWithFiftyThousandPairs) {
  CreateDirectoryA(kFolder, nullptr);
  std::string list = std::string(kFolder) + "\\big.wdl";
  CHECK(writeBigList(list));
  TargetProgram program;
  CHECK(program.start(VERBOLT_EXE, {list}, "Software\\Quorvel\\Verbolt'97", std::string(kFolder) + "\\work"));
  WindowQuery mainQuery;
  mainQuery.title = "big.wdl - Verbolt'97";
  HWND main = program.waitForWindow(mainQuery, kPatience);
  if (!main) return;

  HWND window = nullptr, listView = nullptr;
  WindowQuery query;
  query.title = "Wordlist";
  report("opening, rows shown", milliseconds([&] {
           postCommand(main, IDM_QUIZ_WORDLIST);
           window = program.waitForWindow(query, kPatience);
           listView = window ? control(window, IDC_WORDLIST_LIST) : nullptr;
           waitFor([&] { return sendNumbers(listView, LVM_GETITEMCOUNT, 0, 0) == kPairs && rowsShown(listView); },
                   "the rows shown", kPatience);
         }), 1000);
  if (!listView) return;
  RemoteListView rows(listView);
  report("sort by first word", milliseconds([&] { sendCommand(window, IDM_SORT_FIRST_WORD); }), 500);
  CHECK_EQ(rows.text(0, 0), "word00000");
  report("sort by second word", milliseconds([&] { sendCommand(window, IDM_SORT_SECOND_WORD); }), 500);
  sendCommand(window, IDM_MARK_NONE);
  report("Mark All", milliseconds([&] { sendCommand(window, IDM_MARK_ALL); }), 200);
  CHECK_EQ(rows.checked(kPairs - 1), 1);

  postCommand(window, IDM_WORDLIST_FIND);
  WindowQuery findQuery;
  findQuery.title = "Find";
  HWND find = program.waitForWindow(findQuery, kPatience);
  if (!find) return;
  setText(control(find, IDC_FIND_TEXT), word("sana", kPairs - 10));
  report("Find near the end", milliseconds([&] { sendCommand(find, IDC_FIND_NEXT); }), 100);
  CHECK(rows.selected(kPairs - 10));
  pressButton(find, IDC_FIND_CANCEL);
  program.waitForGone(find);

  report("closing", milliseconds([&] {
           sendCommand(window, IDM_WORDLIST_CLOSE);
           program.waitForGone(window, kPatience);
         }), 500);
  // Closing the window marked the list changed, so the program asks to save.
  PostMessageA(main, WM_CLOSE, 0, 0);
  HWND prompt = program.waitForDialog(main);
  if (prompt) pressButton(prompt, IDNO);
  CHECK_EQ(program.waitForExit(kPatience), 0);
}
