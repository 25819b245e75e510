#include "installer/wizard/DestinationPage.h"

#include "framework/win/WinFolderDialog.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/script/InstallCommandLine.h"
#include "installer/script/SetupScript.h"
#include "installer/script/WizardRules.h"
#include "installer/wizard/SizeText.h"

DestinationPage::DestinationPage(SetupScript& script, const SizeText& sizes)
    : WizardPage(IDD_DESTINATION, InstallString::kDestinationTitle, script, sizes) {}

LRESULT DestinationPage::onInitDialog(HWND) {
  picture_.show(hwnd);
  centreSheet();
  script_.expand(script_.destination);
  SetDlgItemTextA(hwnd, IDC_DESTINATION, script_.destination.c_str());
  modified_ = true;
  return TRUE;
}

bool DestinationPage::onSetActive() {
  CWinPropertyPage::onSetActive();
  showOnSheet(WizardRules::destinationButtons(script_));
  CText path;
  getItemText(IDC_DESTINATION, path);
  showSpace(script_.computeRequiredSize(), path.c_str());
  return true;
}

LRESULT DestinationPage::onCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_BROWSE && code == BN_CLICKED) {
    browse();
  } else if (id == IDC_DESTINATION && code == EN_SETFOCUS) {
    selectAll(IDC_DESTINATION);
  } else if (id == IDC_DESTINATION && code == EN_CHANGE) {
    modified_ = true;
    setModified(true);
    showFreeSpace();
  }
  return 0;
}

void DestinationPage::browse() {
  CWinFolderDialog picker(InstallString::kSelectFolder, BIF_RETURNONLYFSDIRS, nullptr);
  CText folder;
  if (picker.run(hwnd) && picker.getPath(folder)) SetDlgItemTextA(hwnd, IDC_DESTINATION, folder.c_str());
  focusControl(IDC_DESTINATION);
}

void DestinationPage::showFreeSpace() const {
  CText path;
  getItemText(IDC_DESTINATION, path);
  sizes_.showFreeSpace(GetDlgItem(hwnd, IDC_SPACE_AVAILABLE), path.c_str());
}

bool DestinationPage::leave() {
  if (!modified_) return true;
  getItemText(IDC_DESTINATION, script_.destination);
  if (!script_.destination.empty() && confirmFolder(script_.destination.c_str())) {
    modified_ = false;
    return true;
  }
  focusControl(IDC_DESTINATION);
  return false;
}

// A folder made here and then declined is removed again; a folder that was
// there before is never removed, as only a successful CreateDirectoryA
// proves that this page made it. The attributes, unlike a search, also find
// a folder typed with a trailing backslash.
bool DestinationPage::confirmFolder(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  bool absolute = isAbsolutePath(path);
  if (absolute && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return ask(InstallString::kOverwriteDirectory, path, MB_YESNO | MB_ICONQUESTION) == IDYES;
  if (!absolute || !CreateDirectoryA(path, nullptr)) {
    ask(InstallString::kInvalidPath, path, MB_OK | MB_ICONINFORMATION);
    return false;
  }
  if (ask(InstallString::kCreateDirectory, path, MB_YESNO | MB_ICONQUESTION) == IDYES) return true;
  RemoveDirectoryA(path);
  return false;
}
