#include "quiz/TestWordsDialog.h"

#include "framework/win/WinScrollBar.h"
#include "resources/QuizResourceIds.h"

#include <initializer_list>

namespace {

const int kRows = 18;
const int kPage = 10;

bool isRow(UINT id) {
  for (UINT first : {IDC_GRID_QUESTION, IDC_GRID_TYPED, IDC_GRID_RIGHT})
    if (id >= first && id < first + kRows) return true;
  return false;
}

}  // namespace

TestWordsDialog::TestWordsDialog(WordTest& test) : CWinDialog(IDD_TEST_WORDS), test_(test) {}

LRESULT TestWordsDialog::onInitDialog(HWND) {
  HWND bar = GetDlgItem(hwnd, IDC_GRID_SCROLL);
  CWinScrollBar(bar, SB_CTL).setInfo(SIF_RANGE | SIF_POS, 0, lastTop(), 0, 0, true);
  EnableWindow(bar, lastTop() > 0);
  fillRows();
  return TRUE;
}

LRESULT TestWordsDialog::onCommand(UINT id, UINT, HWND) {
  if (id == IDC_GRID_OK) EndDialog(hwnd, IDOK);
  else if (isRow(id) && !filling_) fillRows();
  return 0;
}

LRESULT TestWordsDialog::onVScroll(UINT code, UINT, HWND bar) {
  int top = top_;
  switch (code) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= kPage; break;
    case SB_PAGEDOWN: top += kPage; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = lastTop(); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      // The message carries only 16 bits of the position.
      SCROLLINFO info = {};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(bar, SB_CTL, &info);
      top = info.nTrackPos;
      break;
    }
    default: return 0;
  }
  top_ = top < 0 ? 0 : top > lastTop() ? lastTop() : top;
  CWinScrollBar(bar, SB_CTL).setPosition(top_, true);
  fillRows();
  return 0;
}

// Rows past the last entry keep what they showed.
void TestWordsDialog::fillRows() {
  filling_ = true;
  WordTest::GridRow row;
  for (int i = 0; i < kRows && top_ + i < test_.gridEntryCount(); ++i) {
    test_.gridRow(top_ + i, &row);
    SetDlgItemTextA(hwnd, IDC_GRID_QUESTION + i, row.question.c_str());
    SetDlgItemTextA(hwnd, IDC_GRID_TYPED + i, row.typed.c_str());
    SetDlgItemTextA(hwnd, IDC_GRID_RIGHT + i, row.right.c_str());
  }
  filling_ = false;
}

int TestWordsDialog::lastTop() const {
  int last = test_.gridEntryCount() - kRows;
  return last > 0 ? last : 0;
}
