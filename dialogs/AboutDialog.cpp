#include "dialogs/AboutDialog.h"

#include "framework/win/WaitCursor.h"
#include "framework/win/WinControl.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinSelection.h"
#include "resources/QuizResourceIds.h"

#include <shellapi.h>

namespace {

const COLORREF kLinkBlue = 0xFF0000;
const int kFaceNameSize = 100;

}  // namespace

AboutDialog::AboutDialog() : CWinDialog(IDD_ABOUT) {}

LRESULT AboutDialog::onInitDialog(HWND) {
  CWaitCursor wait;
  CText notice;
  notice.load(QuizString::kAboutNotice);
  SetDlgItemTextA(hwnd, IDC_ABOUT_NOTICE, notice.c_str());
  SetDlgItemTextA(hwnd, IDC_ABOUT_SYSTEM, SystemInformation::text(gatherFacts()).c_str());
  SendMessageA(hwnd, WM_SETICON, ICON_BIG, 0);
  SendMessageA(hwnd, WM_SETICON, ICON_SMALL, 0);
  return 0;
}

LRESULT AboutDialog::onCommand(UINT id, UINT code, HWND) {
  switch (id) {
    case IDC_ABOUT_OK: EndDialog(hwnd, 0); break;
    case IDC_ABOUT_MAIL: openLink(IDC_ABOUT_MAIL, "mailto:"); break;
    case IDC_ABOUT_HOME_PAGE: openLink(IDC_ABOUT_HOME_PAGE, ""); break;
  }
  return 0;
}

LRESULT AboutDialog::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  LRESULT result = CWinDialog::onDrawItem(id, item);
  if (id == IDC_ABOUT_MAIL || id == IDC_ABOUT_HOME_PAGE) drawLink(*item);
  return result;
}

// Failures of the shell are not reported: there is nothing the user could do.
void AboutDialog::openLink(int buttonId, const char* prefix) {
  CWaitCursor wait;
  CText address;
  getItemText(buttonId, address);
  CText target(prefix);
  target.append(address);
  ShellExecuteA(hwnd, nullptr, target.c_str(), nullptr, nullptr, SW_HIDE);
}

SystemFacts AboutDialog::gatherFacts() {
  SystemFacts facts;
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  facts.versionKnown = GetVersionExA(&version) != 0;
  facts.platform = version.dwPlatformId;
  facts.majorVersion = version.dwMajorVersion;
  facts.minorVersion = version.dwMinorVersion;
  facts.buildNumber = version.dwBuildNumber;
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  facts.architecture = system.wProcessorArchitecture;
  facts.level = system.wProcessorLevel;
  facts.revision = system.wProcessorRevision;
  facts.processorType = system.dwProcessorType;
  facts.processorCount = system.dwNumberOfProcessors;
  // The 32-bit memory call stops at 2 or 4 GB.
  MEMORYSTATUSEX memory = {};
  memory.dwLength = sizeof memory;
  if (GlobalMemoryStatusEx(&memory)) {
    facts.totalPhysical = memory.ullTotalPhys;
    facts.availablePhysical = memory.ullAvailPhys;
    facts.totalPageFile = memory.ullTotalPageFile;
    facts.availablePageFile = memory.ullAvailPageFile;
  }
  return facts;
}

// The button's text in the font of its item context, underlined and blue.
void AboutDialog::drawLink(const DRAWITEMSTRUCT& item) {
  TEXTMETRICA metrics = {};
  GetTextMetricsA(item.hDC, &metrics);
  char face[kFaceNameSize] = "";
  GetTextFaceA(item.hDC, kFaceNameSize, face);
  CWinFont underlined;
  underlined.create(metrics.tmHeight, 0, 0, 0, metrics.tmWeight, metrics.tmItalic, TRUE, metrics.tmStruckOut,
                    metrics.tmCharSet, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                    metrics.tmPitchAndFamily, face);
  CText text;
  CWinControl(item.hwndItem).getText(text);
  CWinSelection font(item.hDC, underlined.handle);
  SetTextColor(item.hDC, kLinkBlue);
  RECT place = item.rcItem;
  DrawTextA(item.hDC, text.c_str(), -1, &place, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}
