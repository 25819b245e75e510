#include "installer/WizardPicture.h"

#include "framework/DisplayScale.h"
#include "framework/WinApp.h"
#include "installer/InstallResourceIds.h"

WizardPicture::~WizardPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

void WizardPicture::show(HWND dialog) {
  const CDisplayScale scale = CDisplayScale::of(dialog);
  if (scale.imageStep() == 0 || bitmap_) return;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
    bitmap_ = loadBitmap(MAKEINTRESOURCEA(scale.imageId(IDB_WIZARD)));
    if (!bitmap_) return;
    // The template's own picture goes with the static control.
    HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_)));
    if (previous && previous != bitmap_) DeleteObject(previous);
    return;
  }
}
