#include "dialogs/GeneralPage.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WaitCursor.h"
#include "framework/win/WinFontDialog.h"
#include "quiz/drill/FontDescription.h"
#include "resources/QuizResourceIds.h"

#include <commctrl.h>
#include <cstring>

namespace {

const int kShortestPeriod = 5;
const int kLongestSpinPeriod = 7200;
const UINT kLongestPeriod = 0x7FFFFFFF;
const DWORD kFontFlags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_LIMITSIZE;
const int kSmallestPoints = 2;
const int kLargestPoints = 20;

}  // namespace

GeneralPage::GeneralPage(Settings& settings)
    : CWinDialog(IDD_SETTINGS_GENERAL), settings_(settings), font_(settings.Font) {}

LRESULT GeneralPage::onInitDialog(HWND) {
  HWND spin = GetDlgItem(hwnd, IDC_GENERAL_SPIN);
  SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(hwnd, IDC_GENERAL_AUTOSAVE_TIME)), 0);
  SendMessageA(spin, UDM_SETRANGE32, kShortestPeriod, kLongestSpinPeriod);
  SendMessageA(spin, UDM_SETBASE, 10, 0);
  SendMessageA(spin, UDM_SETPOS32, 0, settings_.AutoSaveTime);
  SetDlgItemInt(hwnd, IDC_GENERAL_AUTOSAVE_TIME, static_cast<UINT>(settings_.AutoSaveTime), FALSE);
  CheckDlgButton(hwnd, IDC_GENERAL_AUTOSAVE, settings_.statusOn(Settings::kAutoSave) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd, IDC_GENERAL_SKIP_RIGHT,
                 settings_.statusOn(Settings::kSkipRightAnswers) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd, IDC_GENERAL_WITHOUT_ACCENTS, settings_.leniency.withoutAccents ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(hwnd, IDC_GENERAL_ALTERNATIVES, settings_.leniency.alternatives ? BST_CHECKED : BST_UNCHECKED);
  enableAutosaveTime();
  showFont();
  return 0;
}

LRESULT GeneralPage::onCommand(UINT id, UINT code, HWND) {
  if (id == IDC_GENERAL_AUTOSAVE && code == BN_CLICKED) enableAutosaveTime();
  else if (id == IDC_GENERAL_SET_FONT && code == BN_CLICKED) chooseFont();
  else if (id == IDC_GENERAL_AUTOSAVE_TIME && code == EN_SETFOCUS)
    SendDlgItemMessageA(hwnd, IDC_GENERAL_AUTOSAVE_TIME, EM_SETSEL, 0, -1);
  return 0;
}

bool GeneralPage::validateAndApply() {
  CWaitCursor wait;
  BOOL isNumber = FALSE;
  UINT seconds = GetDlgItemInt(hwnd, IDC_GENERAL_AUTOSAVE_TIME, &isNumber, FALSE);
  // A period beyond the signed range would turn negative and save at every tick.
  if (!isNumber || seconds == 0 || seconds > kLongestPeriod) {
    messageBox(QuizString::kAutosaveTimeInvalid, QuizString::kErrorCaption, MB_OK | MB_ICONERROR);
    return false;
  }
  settings_.AutoSaveTime = static_cast<LONG>(seconds);
  settings_.setStatus(Settings::kAutoSave, IsDlgButtonChecked(hwnd, IDC_GENERAL_AUTOSAVE) == BST_CHECKED);
  settings_.setStatus(Settings::kSkipRightAnswers, IsDlgButtonChecked(hwnd, IDC_GENERAL_SKIP_RIGHT) == BST_CHECKED);
  settings_.leniency.withoutAccents = IsDlgButtonChecked(hwnd, IDC_GENERAL_WITHOUT_ACCENTS) == BST_CHECKED;
  settings_.leniency.alternatives = IsDlgButtonChecked(hwnd, IDC_GENERAL_ALTERNATIVES) == BST_CHECKED;
  applyFont();
  return true;
}

void GeneralPage::enableAutosaveTime() {
  BOOL on = IsDlgButtonChecked(hwnd, IDC_GENERAL_AUTOSAVE) == BST_CHECKED;
  EnableWindow(GetDlgItem(hwnd, IDC_GENERAL_AUTOSAVE_TIME), on);
  EnableWindow(GetDlgItem(hwnd, IDC_GENERAL_SPIN), on);
}

void GeneralPage::chooseFont() {
  const CDisplayScale scale = CDisplayScale::of(nullptr);
  LOGFONTA shown = scale.font(font_);
  CWinFontDialog dialog(&shown, kFontFlags, nullptr);
  dialog.chooseFont.nSizeMin = kSmallestPoints;
  dialog.chooseFont.nSizeMax = kLargestPoints;
  if (!dialog.run(hwnd)) return;
  font_ = scale.standardFont(dialog.logFont);
  showFont();
}

// The description control shows the text in the font it describes.
void GeneralPage::showFont() {
  const LOGFONTA shown = CDisplayScale::of(hwnd).font(font_);
  HFONT font = CreateFontIndirectA(&shown);
  SendDlgItemMessageA(hwnd, IDC_GENERAL_FONT, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  shownFont_.deleteObject();
  shownFont_.attach(font);
  SetDlgItemTextA(hwnd, IDC_GENERAL_FONT, describeFont(font_, CDisplayScale::kStandardDpi).c_str());
}

void GeneralPage::applyFont() {
  if (std::memcmp(&font_, &settings_.Font, sizeof font_) == 0) return;
  settings_.Font = font_;
  HFONT previous = settings_.fontHandle;
  const LOGFONTA shown = CDisplayScale::of(nullptr).font(font_);
  settings_.fontHandle = CreateFontIndirectA(&shown);
  if (previous) DeleteObject(previous);
}
