#include "installer/wizard/OptionsPage.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/script/SetupScript.h"
#include "installer/script/WizardRules.h"

OptionsPage::OptionsPage(SetupScript& script, const SizeText& sizes)
    : WizardPage(IDD_OPTIONS, InstallString::kOptionsTitle, script, sizes), nextId_(kFirstOptionId) {}

// The boxes are placed in pixels at 96 dots per inch; a label's line breaks need a multi-line
// button to show as lines.
LRESULT OptionsPage::onInitDialog(HWND) {
  picture_.show(hwnd);
  std::vector<WizardRules::OptionBox> boxes = WizardRules::optionBoxes(script_.options);
  HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  for (size_t i = 0; i < boxes.size(); ++i) {
    CheckOption& option = script_.options[i];
    const WizardRules::OptionBox& box = boxes[i];
    HWND check = CreateWindowExA(0, "BUTTON", option.label.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, scale(box.x),
                                 scale(box.y), scale(box.width), scale(box.height), hwnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId_)),
                                 getInstanceHandle(), nullptr);
    SendMessageA(check, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(check, BM_SETCHECK, option.state ? BST_CHECKED : BST_UNCHECKED, 0);
    option.controlId = nextId_++;
  }
  return TRUE;
}

bool OptionsPage::onSetActive() {
  CWinPropertyPage::onSetActive();
  showOnSheet(WizardRules::kOptionsButtons);
  return true;
}

LRESULT OptionsPage::onCommand(UINT id, UINT code, HWND control) {
  if (code == BN_CLICKED && id >= kFirstOptionId && id < nextId_)
    script_.setOptionState(id, IsDlgButtonChecked(hwnd, id) == BST_CHECKED);
  return 0;
}
