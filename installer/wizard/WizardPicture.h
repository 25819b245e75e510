#pragma once
// WizardPicture: the picture at the left of the wizard's pages and of the
// Details dialog (bitmap 123, 117 x 266 at 96 dots per inch) at the size
// nearest to the dialog's scale, made smaller where the dialog is not as tall.
// The template shows the 100% picture; show() puts the right one in its
// place. The object owns the bitmap it loaded.
#include "framework/core/Win32.h"

class WizardPicture {
 public:
  WizardPicture() = default;
  WizardPicture(const WizardPicture&) = delete;
  WizardPicture& operator=(const WizardPicture&) = delete;
  ~WizardPicture();

  void show(HWND dialog);

 private:
  HBITMAP bitmap_ = nullptr;
};
