#include "installer/InstallWizard.h"

#include "framework/WinPropertySheet.h"
#include "installer/ComponentsPage.h"
#include "installer/DestinationPage.h"
#include "installer/OptionsPage.h"
#include "installer/ProgramGroupPage.h"

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
