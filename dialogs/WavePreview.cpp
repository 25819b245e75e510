#include "dialogs/WavePreview.h"

#include "framework/win/WinApp.h"
#include "resources/QuizResourceIds.h"

#include <mmsystem.h>

namespace {

const UINT kPollPeriod = 100;

HBITMAP loadButtonBitmap(int id) {
  return static_cast<HBITMAP>(
      LoadImageA(getInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
}

bool isWaveName(const CText& name) {
  const char kExtension[] = ".wav";
  const unsigned extensionLength = sizeof kExtension - 1;
  if (name.length() < extensionLength) return false;
  return CText(name.c_str() + name.length() - extensionLength).compareNoCase(kExtension) == 0;
}

void stopSound() { PlaySoundA(nullptr, nullptr, 0); }

}  // namespace

WavePreview::WavePreview(const char* fileName, DWORD flags, const char* filter)
    : CWinFileDialog(true, nullptr, fileName, flags, filter) {
  setTemplate(MAKEINTRESOURCEA(IDD_WAVE_PREVIEW));
}

LRESULT WavePreview::onInitDialog(HWND focus) {
  playBitmap_ = loadButtonBitmap(IDB_PLAY);
  stopBitmap_ = loadButtonBitmap(IDB_STOP);
  SendDlgItemMessageA(hwnd, IDC_PREVIEW_PLAY, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(playBitmap_));
  SendDlgItemMessageA(hwnd, IDC_PREVIEW_STOP, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(stopBitmap_));
  return 0;
}

LRESULT WavePreview::onCommand(UINT id, UINT code, HWND control) {
  if (code != BN_CLICKED) return 0;
  if (id == IDC_PREVIEW_PLAY) play();
  else if (id == IDC_PREVIEW_STOP) stop();
  return 0;
}

LRESULT WavePreview::onTimer(UINT_PTR id) {
  if (id == QuizTimer::kPreviewPoll) pollSound();
  return 0;
}

LRESULT WavePreview::onDestroy() {
  stop();
  return 0;
}

LRESULT WavePreview::onNcDestroy() {
  // The buttons are gone by now, so nothing draws the bitmaps any more.
  freeBitmaps();
  return 0;
}

void WavePreview::onSelChange() {
  stop();
  enableButton(IDC_PREVIEW_PLAY, isWaveName(getPath()));
}

void WavePreview::play() {
  PlaySoundA(getPath().c_str(), nullptr, SND_ASYNC | SND_FILENAME | SND_NODEFAULT);
  enableButton(IDC_PREVIEW_STOP, true);
  SetTimer(hwnd, QuizTimer::kPreviewPoll, kPollPeriod, nullptr);
}

void WavePreview::stop() {
  stopSound();
  KillTimer(hwnd, QuizTimer::kPreviewPoll);
  disableStop();
}

void WavePreview::pollSound() {
  // The silent probe can start only when no other sound is playing, which
  // tells that the preview has ended.
  if (!PlaySoundA(MAKEINTRESOURCEA(IDW_PROBE), getInstanceHandle(), SND_NOSTOP | SND_RESOURCE | SND_ASYNC)) return;
  stop();
}

void WavePreview::enableButton(int id, bool enable) const { EnableWindow(GetDlgItem(hwnd, id), enable); }

void WavePreview::disableStop() const {
  HWND stopButton = GetDlgItem(hwnd, IDC_PREVIEW_STOP);
  // A disabled button takes no keys: hand the focus on to Play.
  if (GetFocus() == stopButton) SetFocus(GetDlgItem(hwnd, IDC_PREVIEW_PLAY));
  EnableWindow(stopButton, FALSE);
}

void WavePreview::freeBitmaps() {
  if (playBitmap_) DeleteObject(playBitmap_);
  if (stopBitmap_) DeleteObject(stopBitmap_);
  playBitmap_ = nullptr;
  stopBitmap_ = nullptr;
}
