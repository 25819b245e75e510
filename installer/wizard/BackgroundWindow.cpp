#include "installer/wizard/BackgroundWindow.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinDC.h"
#include "framework/win/WinGdiObject.h"
#include "framework/win/WinSelection.h"
#include "installer/phases/InstallResourceIds.h"
#include "installer/script/BackgroundGradient.h"
#include "installer/script/SetupScript.h"
#include "installer/wizard/InstallWizard.h"
#include "installer/wizard/InstallingDialog.h"

namespace {

const char kClassName[] = "INSTALLWND";
const UINT kStartMilliseconds = 10;
const int kTitlePoints = 28;
const int kTitleX = 20, kTitleY = 20;
const int kShadeOffset = 5;

}  // namespace

BackgroundWindow::BackgroundWindow(SetupScript& script, const PayloadSource& payloads, const SizeText& sizes)
    : script_(script), payloads_(payloads), sizes_(sizes) {}

bool BackgroundWindow::run() {
  if (!registerClass(kClassName, CS_HREDRAW | CS_VREDRAW, LoadCursor(nullptr, IDC_ARROW), nullptr,
                     loadIcon(IDI_INSTALL)))
    return false;
  CText title;
  title.load(InstallString::kSetup);
  RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
  return createAndRun(kClassName, title.c_str(), style, &screen, nullptr, nullptr, 0) != 0;
}

LRESULT BackgroundWindow::onCreate(CREATESTRUCTA* create) {
  SetTimer(hwnd, InstallTimer::kStartWizard, kStartMilliseconds, nullptr);
  return CWinFrame::onCreate(create);
}

LRESULT BackgroundWindow::onPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd, &paint);
  RECT client;
  GetClientRect(hwnd, &client);
  paintBackground(dc, client);
  paintTitle(dc);
  EndPaint(hwnd, &paint);
  return 0;
}

void BackgroundWindow::paintBackground(HDC dc, const RECT& client) const {
  if (script_.fadeColour == SetupScript::kNoColour) {
    CWinBrush brush(GetNearestColor(dc, static_cast<COLORREF>(script_.backColour)));
    FillRect(dc, &client, static_cast<HBRUSH>(brush.handle));
    return;
  }
  int height = client.bottom - client.top;
  for (int band = 0; band < BackgroundGradient::kBands; ++band) {
    long colour = BackgroundGradient::bandColour(script_.backColour, script_.fadeColour, band);
    CWinBrush brush(GetNearestColor(dc, static_cast<COLORREF>(colour)));
    RECT rows = {client.left, client.top + BackgroundGradient::bandTop(band, height), client.right,
                 client.top + BackgroundGradient::bandTop(band + 1, height)};
    FillRect(dc, &rows, static_cast<HBRUSH>(brush.handle));
  }
}

void BackgroundWindow::paintTitle(HDC dc) const {
  CWinFont font;
  font.create(-MulDiv(kTitlePoints, CDisplayScale::of(hwnd).dpi, 72), 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE,
              DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
              "Arial");
  CWinSelection selected(dc, font.handle);
  SetBkMode(dc, TRANSPARENT);
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  const int x = scale(kTitleX), y = scale(kTitleY), shade = scale(kShadeOffset);
  const CText& title = script_.title;
  if (script_.shadeColour != SetupScript::kNoColour) {
    SetTextColor(dc, static_cast<COLORREF>(script_.shadeColour));
    textOutInCodePage(dc, x + shade, y + shade, title.c_str(), static_cast<int>(title.length()));
  }
  if (script_.textColour != SetupScript::kNoColour) {
    SetTextColor(dc, static_cast<COLORREF>(script_.textColour));
    textOutInCodePage(dc, x, y, title.c_str(), static_cast<int>(title.length()));
  }
}

LRESULT BackgroundWindow::onTimer(UINT_PTR id) {
  if (id != InstallTimer::kStartWizard) return 0;
  KillTimer(hwnd, id);
  runInstallWizard(hwnd, script_, sizes_);
  if (!script_.destination.empty()) InstallingDialog(script_, payloads_).run(hwnd);
  showFinalMessage();
  DestroyWindow(hwnd);
  return 0;
}

// Only an explicit Yes agrees to the restart: a message box that could not
// be shown leaves the computer running. An installation that ran whole but
// cannot be removed is not complete, and no restart finishes it.
void BackgroundWindow::showFinalMessage() {
  outcome_ = script_.restartFlag;
  removable_ = script_.removable();
  if ((outcome_ == 10 || outcome_ == 11) && !removable_) {
    messageBox(InstallString::kNotRemovable, InstallString::kInstall, MB_OK | MB_ICONSTOP);
  } else if (outcome_ == 11) {
    UINT style = MB_YESNO | MB_ICONQUESTION;
    restartAgreed_ = messageBox(InstallString::kRestartQuestion, InstallString::kInstall, style) == IDYES;
    if (!restartAgreed_) script_.restartFlag = 10;
  } else if (outcome_ == 10) {
    messageBox(InstallString::kComplete, InstallString::kInstall, MB_OK | MB_ICONINFORMATION);
  } else {
    messageBox(InstallString::kAborted, InstallString::kInstall, MB_OK | MB_ICONSTOP);
  }
}

LRESULT BackgroundWindow::onDestroy() {
  PostQuitMessage(0);
  return 0;
}
