#pragma once
// WavePreview: the open dialog for sound files with the preview panel of
// dialog IDD_WAVE_PREVIEW. The panel is the dialog's child template, so the
// window the hook binds is the panel itself (the visible dialog is its
// parent). Play starts the selected wave file; a 100 ms poll disables Stop
// again once nothing plays any more. The sound and the timer live only while
// the dialog is open; the button bitmaps are loaded when the panel opens and
// freed when it closes. Windows only.
#include "framework/win/WinFileDialog.h"

class WavePreview : public CWinFileDialog {
 public:
  // An open dialog; fileName (may be null) is the starting name.
  WavePreview(const char* fileName, DWORD flags, const char* filter);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onTimer(UINT_PTR id) override;
  LRESULT onDestroy() override;
  LRESULT onNcDestroy() override;
  void onSelChange() override;

 private:
  void play();
  void stop();
  void pollSound();
  void enableButton(int id, bool enable) const;
  void disableStop() const;
  void freeBitmaps();

  HBITMAP playBitmap_ = nullptr;
  HBITMAP stopBitmap_ = nullptr;
};
