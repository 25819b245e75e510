#include "installer/wizard/InstallApp.h"

#include "installer/phases/InstallResourceIds.h"
#include "installer/phases/ModulePayloads.h"
#include "installer/phases/SystemRestart.h"
#include "installer/phases/Win32SetupEnvironment.h"
#include "installer/script/InstallCommandLine.h"
#include "installer/script/SetupScript.h"
#include "installer/wizard/BackgroundWindow.h"
#include "installer/wizard/InstanceLock.h"
#include "installer/wizard/PreparingDialog.h"
#include "installer/wizard/ScriptResource.h"
#include "installer/wizard/SilentInstall.h"
#include "installer/wizard/SizeText.h"
#include "wordlist/TextEncoding.h"

#include <commctrl.h>
#include <objbase.h>

namespace {

// A silent run is elevated and installs for every user: "%t" is the public
// desktop.
class PublicDesktopEnvironment : public Win32SetupEnvironment {
 public:
  CText desktopFolder() override { return shellFolder("Common Desktop", true); }
};

}  // namespace

InstallApp::InstallApp() : CWinApp("Install"), exitCode_(kExitAborted) {}

int InstallApp::instanceInit() {
  if (GetACP() == CP_UTF8) setProgramEncoding(TextEncoding::kUtf8);
  InstallCommandLine options = InstallCommandLine::parse(commandLine);
  if (options.error != InstallCommandLine::kNone) {
    tell(InstallString::kUsage, MB_ICONERROR, options.silent);
    exitCode_ = kExitBadCommandLine;
    return 0;
  }
  InstanceLock lock;
  if (!lock.acquired()) {
    tell(InstallString::kAlreadyRunning, MB_ICONSTOP, options.silent);
    exitCode_ = kExitAborted;
    return 0;
  }
  exitCode_ = options.silent ? runSilently(options) : runInteractively(options);
  return 0;
}

void InstallApp::tell(UINT textId, UINT icon, bool silent) const {
  if (silent) return;
  CText text, caption;
  text.load(textId);
  caption.load(InstallString::kSetup);
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | icon);
}

int InstallApp::runSilently(const InstallCommandLine& options) {
  PublicDesktopEnvironment environment;
  ModulePayloads payloads(getInstance());
  SetupScript script(environment, payloads);
  loadSetupScript(getInstance(), script, nullptr);
  return installSilently(script, payloads, options.destination);
}

// The folder picker needs the component object model on this thread.
int InstallApp::runInteractively(const InstallCommandLine& options) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  HRESULT com = CoInitialize(nullptr);
  Win32SetupEnvironment environment;
  ModulePayloads payloads(getInstance());
  SetupScript script(environment, payloads);
  SizeText sizes;
  PreparingDialog(script, sizes).runModal(nullptr);
  if (!options.destination.empty()) script.destination = options.destination;
  BackgroundWindow background(script, payloads, sizes);
  bool shown = background.run();
  if (SUCCEEDED(com)) CoUninitialize();
  if (background.restartAgreed()) restartSystem();
  return shown ? background.exitCode() : kExitAborted;
}
