#include "installer/wizard/ProgramGroupPage.h"

#include "framework/core/FileSystem.h"
#include "framework/win/WinFileFinder.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/InstallLogText.h"
#include "installer/script/SetupScript.h"
#include "installer/script/WizardRules.h"

namespace {

bool isNtFamily() { return GetVersion() < 0x80000000; }

}  // namespace

ProgramGroupPage::ProgramGroupPage(SetupScript& script, const SizeText& sizes)
    : WizardPage(IDD_PROGRAM_GROUP, InstallString::kProgramGroupTitle, script, sizes) {}

LRESULT ProgramGroupPage::onInitDialog(HWND) {
  picture_.show(hwnd);
  bool nt = isNtFamily();
  for (int id : {IDC_GROUP_OWNER, IDC_USER_GROUP, IDC_COMMON_GROUP}) EnableWindow(GetDlgItem(hwnd, id), nt);
  CheckRadioButton(hwnd, IDC_USER_GROUP, IDC_COMMON_GROUP, IDC_USER_GROUP);
  SetDlgItemTextA(hwnd, IDC_GROUP_NAME, script_.iconFolder.c_str());
  userFolder_ = shellFolder("Programs", false);
  commonFolder_ = shellFolder("Common Programs", true);
  userGroups_ = addGroups(userFolder_);
  if (nt) addGroups(commonFolder_);
  return TRUE;
}

// Groups are listed by their real folder names: a display title may leave
// out a part after a dot, which would name another group.
int ProgramGroupPage::addGroups(const CText& folder) {
  if (folder.empty()) return 0;
  CText pattern(folder);
  pattern.append("\\*.*");
  int count = 0;
  CWinFileFinder finder;
  for (bool found = finder.findFirst(pattern.c_str()); found; found = finder.findNext()) {
    if (!finder.isDirectory() || finder.name()[0] == '.') continue;
    SendDlgItemMessageA(hwnd, IDC_GROUP_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(finder.name()));
    ++count;
  }
  return count;
}

bool ProgramGroupPage::onSetActive() {
  if (!WizardRules::showsProgramGroup(script_)) return false;
  CWinPropertyPage::onSetActive();
  showOnSheet(WizardRules::programGroupButtons(script_));
  return true;
}

LRESULT ProgramGroupPage::onCommand(UINT id, UINT code, HWND control) {
  if (id == IDC_GROUP_NAME && code == EN_SETFOCUS) selectAll(IDC_GROUP_NAME);
  else if (id == IDC_GROUP_NAME && code == EN_CHANGE) setModified(true);
  else if (id == IDC_GROUP_LIST && code == LBN_SELCHANGE) chooseListedGroup();
  return 0;
}

void ProgramGroupPage::chooseListedGroup() {
  int index = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_GROUP_LIST, LB_GETCURSEL, 0, 0));
  char name[MAX_PATH] = "";
  int length = static_cast<int>(SendDlgItemMessageA(hwnd, IDC_GROUP_LIST, LB_GETTEXTLEN, index, 0));
  if (index < 0 || length < 0 || length >= MAX_PATH) return;
  SendDlgItemMessageA(hwnd, IDC_GROUP_LIST, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name));
  SetDlgItemTextA(hwnd, IDC_GROUP_NAME, name);
  int owner = index < userGroups_ ? IDC_USER_GROUP : IDC_COMMON_GROUP;
  CheckRadioButton(hwnd, IDC_USER_GROUP, IDC_COMMON_GROUP, owner);
}

// The folder is only tried here and made for real by the shortcut phase.
bool ProgramGroupPage::leave() {
  script_.startLog();
  CText name;
  getItemText(IDC_GROUP_NAME, name);
  if (name.empty()) {
    script_.iconFolder.clear();
    return true;
  }
  bool userGroup = IsDlgButtonChecked(hwnd, IDC_USER_GROUP) == BST_CHECKED;
  script_.log.write(InstallLogText::iconGroup(name.c_str()));
  script_.log.write(InstallLogText::iconUserGroup(userGroup));
  const CText& base = userGroup ? userFolder_ : commonFolder_;
  CText folder(base);
  folder.append('\\');
  folder.append(name);
  script_.iconFolder = folder;
  if (!base.empty() && isFolder(folder.c_str())) return true;
  if (base.empty() || !CreateDirectoryA(folder.c_str(), nullptr)) {
    ask(InstallString::kInvalidGroup, name.c_str(), MB_OK | MB_ICONINFORMATION);
    focusControl(IDC_GROUP_NAME);
    return false;
  }
  RemoveDirectoryA(folder.c_str());
  script_.iconFolder.append('\\');
  return true;
}
