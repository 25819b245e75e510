#include "installer/wizard/InstallWizard.h"

#include "framework/win/WinPropertySheet.h"
#include "installer/wizard/ComponentsPage.h"
#include "installer/wizard/DestinationPage.h"
#include "installer/wizard/OptionsPage.h"
#include "installer/wizard/ProgramGroupPage.h"

void runInstallWizard(HWND owner, SetupScript& script, const SizeText& sizes) {
  DestinationPage destination(script, sizes);
  ComponentsPage components(script, sizes);
  ProgramGroupPage programGroup(script, sizes);
  OptionsPage options(script, sizes);
  CWinPropertySheet sheet("", owner, 0);
  sheet.header.dwFlags |= PSH_WIZARD;
  sheet.addPage(&destination);
  sheet.addPage(&components);
  sheet.addPage(&programGroup);
  sheet.addPage(&options);
  sheet.run();
}
