// The word entry dialogs in the word list window's mode, against a small
// stand-in for the window's rows, and the Character dialog's callback, font
// description and choosing rules. Each dialog runs modally and is driven from
// a message it posts to itself when it opens.
#include "editor/AddWordsDialog.h"
#include "editor/ChangeWordsDialog.h"
#include "editor/CharacterDialog.h"
#include "quiz/drill/Settings.h"
#include "resources/QuizResourceIds.h"
#include "tests/wine/WineTest.h"
#include "wordlist/WordFileLayout.h"

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

const UINT kScript = WM_APP;

// Runs script in the open dialog, then makes sure the dialog ends.
template <class Dialog>
class Driven : public Dialog {
 public:
  template <class... Arguments>
  explicit Driven(std::function<void(HWND)> script, Arguments&&... arguments)
      : Dialog(std::forward<Arguments>(arguments)...), script_(std::move(script)) {}

  LRESULT onInitDialog(HWND focus) override {
    LRESULT result = Dialog::onInitDialog(focus);
    PostMessageA(this->hwnd, kScript, 0, 0);
    return result;
  }
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != kScript) return Dialog::defaultProcedure(message, wParam, lParam);
    // The dialog would show itself only once its queue is empty.
    ShowWindow(this->hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(this->hwnd);
    script_(this->hwnd);
    if (IsWindowVisible(this->hwnd)) EndDialog(this->hwnd, IDABORT);
    return TRUE;
  }

 private:
  std::function<void(HWND)> script_;
};

struct Row {
  std::string first, second;
  bool checked, selected;
};

class FakeRows : public WordRowEditor {
 public:
  explicit FakeRows(std::vector<Row> rows) : rows(std::move(rows)) {}

  bool appendCheckedRow(const char* first, const char* second) override {
    rows.push_back({first, second, true, false});
    shownRow = static_cast<int>(rows.size()) - 1;
    return true;
  }
  int nextSelectedRow(int row) const override {
    for (int i = row + 1; i < static_cast<int>(rows.size()); ++i)
      if (rows[i].selected) return i;
    return -1;
  }
  void rowWords(int row, CText* first, CText* second) const override {
    *first = rows[row].first.c_str();
    *second = rows[row].second.c_str();
  }
  bool changeRowWords(int row, const char* first, const char* second) override {
    rows[row].first = first;
    rows[row].second = second;
    return true;
  }

  std::vector<Row> rows;
  int shownRow = -1;
};

// The display font of settings, height pixels high.
void useFont(Settings& settings, LONG height, const char* face = "Arial", LONG weight = FW_NORMAL,
             BYTE italic = FALSE) {
  settings.Font.lfHeight = height;
  settings.Font.lfWeight = weight;
  settings.Font.lfItalic = italic;
  std::strcpy(settings.Font.lfFaceName, face);
  if (settings.fontHandle) DeleteObject(settings.fontHandle);
  settings.fontHandle = CreateFontIndirectA(&settings.Font);
}

void press(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::string itemText(HWND dialog, int id) {
  char text[256] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

SIZE windowSize(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void checkEdits(HWND dialog, const Settings& settings, LONG height) {
  for (int id : {IDC_WORDS_FIRST, IDC_WORDS_SECOND}) {
    HWND edit = GetDlgItem(dialog, id);
    CHECK_EQ(windowSize(edit).cx, 170L);
    CHECK_EQ(windowSize(edit).cy, height);
    CHECK(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)) == settings.fontHandle);
    CHECK_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), static_cast<LRESULT>(kLongestWordFileText));
  }
}

}  // namespace

WINE_TEST(addWordsAppendsCheckedRowsAndStaysOpen) {
  Settings settings;
  useFont(settings, -30);
  FakeRows rows({{"cat", "kissa", false, true}});
  Driven<AddWordsDialog> dialog(
      [&](HWND d) {
        checkEdits(d, settings, 36);
        SetDlgItemTextA(d, IDC_WORDS_FIRST, "house");
        press(d, IDC_ADD_WORDS_ADD);
        CHECK_EQ(rows.rows.size(), 1u);
        CHECK(GetFocus() == GetDlgItem(d, IDC_WORDS_SECOND));
        // Marker bytes are dropped from the words.
        SetDlgItemTextA(d, IDC_WORDS_SECOND, "ta\x01l\x03o");
        press(d, IDC_ADD_WORDS_ADD);
        CHECK_EQ(rows.rows.size(), 2u);
        CHECK_EQ(rows.rows.back().first, "house");
        CHECK_EQ(rows.rows.back().second, "talo");
        CHECK(rows.rows.back().checked);
        CHECK_EQ(rows.shownRow, 1);
        CHECK_EQ(itemText(d, IDC_WORDS_FIRST), "");
        CHECK_EQ(itemText(d, IDC_WORDS_SECOND), "");
        CHECK(GetFocus() == GetDlgItem(d, IDC_WORDS_FIRST));
        SetDlgItemTextA(d, IDC_WORDS_SECOND, "\x02");
        press(d, IDC_ADD_WORDS_ADD);
        CHECK(GetFocus() == GetDlgItem(d, IDC_WORDS_FIRST));
        SetDlgItemTextA(d, IDC_WORDS_FIRST, "tree");
        press(d, IDC_ADD_WORDS_ADD);
        CHECK_EQ(rows.rows.size(), 2u);
        CHECK(GetFocus() == GetDlgItem(d, IDC_WORDS_SECOND));
        CHECK(IsWindowVisible(d));
        press(d, IDC_ADD_WORDS_CANCEL);
      },
      settings, rows);
  CHECK_EQ(dialog.runModal(nullptr), IDCANCEL);
}

WINE_TEST(changeWordsWalksTheSelectedRows) {
  Settings settings;
  useFont(settings, 8);
  const std::vector<Row> start = {{"cat", "kissa", true, true},
                                  {"dog", "koira", false, false},
                                  {"fish", "kala", false, true},
                                  {"moon", "kuu", true, true}};
  // Cancel at the second selected row leaves it and the third as they were.
  FakeRows rows(start);
  Driven<ChangeWordsDialog> cancelled(
      [&](HWND d) {
        checkEdits(d, settings, 23);
        CHECK_EQ(itemText(d, IDC_WORDS_FIRST), "cat");
        CHECK_EQ(itemText(d, IDC_WORDS_SECOND), "kissa");
        SetDlgItemTextA(d, IDC_WORDS_SECOND, "kissat");
        press(d, IDC_CHANGE_WORDS_CHANGE);
        CHECK_EQ(itemText(d, IDC_WORDS_FIRST), "fish");
        CHECK(GetFocus() == GetDlgItem(d, IDC_WORDS_FIRST));
        SetDlgItemTextA(d, IDC_WORDS_FIRST, "");
        press(d, IDC_CHANGE_WORDS_CHANGE);
        CHECK_EQ(itemText(d, IDC_WORDS_SECOND), "kala");
        press(d, IDC_CHANGE_WORDS_CANCEL);
      },
      settings, rows);
  CHECK_EQ(cancelled.runModal(nullptr), IDCANCEL);
  CHECK_EQ(rows.rows[0].second, "kissat");
  CHECK(rows.rows[0].checked);
  for (int i = 1; i < 4; ++i) CHECK_EQ(rows.rows[i].first, start[i].first);
  CHECK(!rows.rows[2].checked);

  // After the last selected row the dialog closes by itself.
  Driven<ChangeWordsDialog> finished(
      [&](HWND d) {
        for (const char* word : {"cats", "fishes", "moons"}) {
          SetDlgItemTextA(d, IDC_WORDS_FIRST, word);
          press(d, IDC_CHANGE_WORDS_CHANGE);
        }
        CHECK(!IsWindowVisible(d));
      },
      settings, rows);
  CHECK_EQ(finished.runModal(nullptr), IDCANCEL);
  CHECK_EQ(rows.rows[2].first, "fishes");
  CHECK_EQ(rows.rows[3].first, "moons");
  CHECK_EQ(rows.rows[3].second, "kuu");
  CHECK_EQ(rows.rows[1].first, "dog");
}

WINE_TEST(characterDialogDescribesItsFontAndChoosesOnASecondClick) {
  Settings settings;
  useFont(settings, -13, "Arial", FW_BOLD, TRUE);
  std::vector<std::pair<UINT, LPARAM>> calls;
  LRESULT closingAnswer = 0;
  struct Context {
    std::vector<std::pair<UINT, LPARAM>>* calls;
    LRESULT* closingAnswer;
  } context = {&calls, &closingAnswer};
  CharacterDialog::Callback callback = [](void* data, UINT message, LPARAM argument) -> LRESULT {
    auto* c = static_cast<Context*>(data);
    if (message != CharacterDialog::kCommand) c->calls->push_back({message, argument});
    return message == CharacterDialog::kClosing ? *c->closingAnswer : 1;
  };
  HWND owner = nullptr;
  Driven<CharacterDialog> dialog(
      [&](HWND d) {
        CHECK_EQ(itemText(d, IDC_CHARACTER_FONT), "Arial 10pt Bold Italic");
        HWND cells = GetDlgItem(d, IDC_CHARACTER_CELLS);
        CHECK_EQ(SendMessageA(cells, LB_GETCOUNT, 0, 0), 224);
        CHECK_EQ(SendMessageA(cells, LB_GETITEMDATA, 0, 0), 32);
        CHECK_EQ(SendMessageA(cells, LB_GETITEMDATA, 223, 0), 255);
        CHECK_EQ(SendMessageA(cells, LB_GETCURSEL, 0, 0), 0);
        auto click = [&](int code, bool twice) {
          int index = code - 32;
          SendMessageA(cells, LB_SETTOPINDEX, index, 0);
          RECT cell;
          SendMessageA(cells, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&cell));
          LPARAM point = MAKELPARAM(cell.left + 2, cell.top + 2);
          SendMessageA(cells, WM_LBUTTONDOWN, MK_LBUTTON, point);
          SendMessageA(cells, WM_LBUTTONUP, 0, point);
          if (!twice) return;
          SendMessageA(cells, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
          SendMessageA(cells, WM_LBUTTONUP, 0, point);
        };
        click(0xE4, false);  // chooses the cell
        click(0xE4, false);  // hands it over
        click(0xF6, true);   // a double click on a new cell hands it over once
        click(0xF6, true);   // and once on the chosen cell
        SendMessageA(d, WM_CLOSE, 0, 0);
        CHECK(IsWindowVisible(d));
        closingAnswer = 1;
        SendMessageA(d, WM_CLOSE, 0, 0);
        CHECK(!IsWindowVisible(d));
      },
      settings, owner, callback, static_cast<void*>(&context));
  dialog.run();
  const std::vector<std::pair<UINT, LPARAM>> expected = {
      {CharacterDialog::kInitialised, 0}, {CharacterDialog::kChosen, 0xE4}, {CharacterDialog::kChosen, 0xF6},
      {CharacterDialog::kChosen, 0xF6},   {CharacterDialog::kClosing, 0},   {CharacterDialog::kClosing, 0}};
  CHECK(calls == expected);
  CHECK_EQ(calls.size(), expected.size());
}
