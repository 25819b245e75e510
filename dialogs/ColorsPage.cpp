#include "dialogs/ColorsPage.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinColorDialog.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinSelection.h"
#include "resources/QuizResourceIds.h"

namespace {

// By colour index, as Settings::color().
const int kButtons[Settings::kColorCount] = {IDC_COLORS_BASE, IDC_COLORS_RIGHT,   IDC_COLORS_WRONG,
                                             IDC_COLORS_DIFF, IDC_COLORS_MISSING, IDC_COLORS_EXTRA};
const int kLabels[Settings::kColorCount] = {IDC_COLORS_BASE_LABEL, IDC_COLORS_RIGHT_LABEL,
                                            IDC_COLORS_WRONG_LABEL, IDC_COLORS_DIFF_LABEL,
                                            IDC_COLORS_MISSING_LABEL, IDC_COLORS_EXTRA_LABEL};
const COLORREF kDisabledGrey = 0x808080;
const DWORD kCustomColorsSize = 16 * sizeof(COLORREF);

// The colour index of button id, or -1.
int colorIndex(UINT id) {
  for (int i = 0; i < Settings::kColorCount; ++i)
    if (static_cast<UINT>(kButtons[i]) == id) return i;
  return -1;
}

// The insets are at 96 dots per inch.
RECT inset(RECT rect, const CDisplayScale& scale, int left, int top, int right, int bottom) {
  rect.left += scale(left);
  rect.top += scale(top);
  rect.right -= scale(right);
  rect.bottom -= scale(bottom);
  return rect;
}

void drawColorButton(const DRAWITEMSTRUCT& item, COLORREF color) {
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const CDisplayScale scale = CDisplayScale::of(item.hwndItem);
  CWinPen pen(PS_SOLID, scale(1), GetSysColor(COLOR_BTNFACE));
  CWinBrush brush(disabled ? kDisabledGrey : color);
  CWinSelection selectedPen(item.hDC, pen.handle);
  CWinSelection selectedBrush(item.hDC, brush.handle);
  RECT frame = item.rcItem;
  UINT state = DFCS_BUTTONPUSH | ((item.itemState & ODS_SELECTED) ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, state);
  if (item.itemState & ODS_FOCUS) {
    RECT colored = inset(item.rcItem, scale, 3, 3, 4, 4);
    Rectangle(item.hDC, colored.left, colored.top, colored.right, colored.bottom);
    RECT focus = inset(item.rcItem, scale, 1, 2, 3, 3);
    DrawFocusRect(item.hDC, &focus);
  } else {
    RECT colored = inset(item.rcItem, scale, 2, 2, 3, 3);
    Rectangle(item.hDC, colored.left, colored.top, colored.right, colored.bottom);
  }
}

}  // namespace

ColorsPage::ColorsPage(Settings& settings) : CWinDialog(IDD_SETTINGS_COLORS), settings_(settings) {
  for (int i = 0; i < Settings::kColorCount; ++i) colors_[i] = settings.color(i);
}

LRESULT ColorsPage::onInitDialog(HWND) {
  if (settings_.statusOn(Settings::kUseColors)) {
    CheckDlgButton(hwnd, IDC_COLORS_USE, BST_CHECKED);
    enableColors(true);
  }
  return 0;
}

LRESULT ColorsPage::onCommand(UINT id, UINT code, HWND) {
  if (code != BN_CLICKED) return 0;
  if (id == IDC_COLORS_USE) enableColors(IsDlgButtonChecked(hwnd, IDC_COLORS_USE) == BST_CHECKED);
  else if (id == IDC_COLORS_RESTORE) restoreDefaults();
  else if (colorIndex(id) >= 0) chooseColor(colorIndex(id));
  return 0;
}

LRESULT ColorsPage::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  int index = colorIndex(id);
  if (index >= 0) drawColorButton(*item, colors_[index]);
  return CWinDialog::onDrawItem(id, item);
}

void ColorsPage::apply() {
  settings_.setStatus(Settings::kUseColors, IsDlgButtonChecked(hwnd, IDC_COLORS_USE) == BST_CHECKED);
  for (int i = 0; i < Settings::kColorCount; ++i) settings_.setColor(i, colors_[i]);
}

void ColorsPage::enableColors(bool enable) {
  for (int i = 0; i < Settings::kColorCount; ++i) {
    EnableWindow(GetDlgItem(hwnd, kButtons[i]), enable);
    EnableWindow(GetDlgItem(hwnd, kLabels[i]), enable);
  }
}

// Registry failures around the custom colours are ignored: the dialog then
// starts from its own white ones.
void ColorsPage::chooseColor(int index) {
  CWinColorDialog dialog(colors_[index], CC_FULLOPEN);
  settings_.readBytes(Settings::kColorsKey, Settings::kCustomColors, dialog.customColors, kCustomColorsSize);
  if (dialog.run(hwnd)) colors_[index] = dialog.chooseColor.rgbResult;
  settings_.writeBytes(Settings::kColorsKey, Settings::kCustomColors, dialog.customColors, kCustomColorsSize);
  repaintButton(index);
}

void ColorsPage::restoreDefaults() {
  for (int i = 0; i < Settings::kColorCount; ++i) {
    colors_[i] = Settings::kDefaultColors[i];
    repaintButton(i);
  }
}

void ColorsPage::repaintButton(int index) const { InvalidateRect(GetDlgItem(hwnd, kButtons[index]), nullptr, FALSE); }
