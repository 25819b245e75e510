#include "installer/wizard/WizardPicture.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinControl.h"
#include "installer/phases/InstallResourceIds.h"

WizardPicture::~WizardPicture() {
  if (bitmap_) DeleteObject(bitmap_);
}

// The picture keeps the template's margin above and below it, and its shape;
// where the nearest size is taller than that, a smaller copy stands in.
void WizardPicture::show(HWND dialog) {
  if (bitmap_) return;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
    bitmap_ = loadBitmap(MAKEINTRESOURCEA(CDisplayScale::of(dialog).imageId(IDB_WIZARD)));
    BITMAP size = {};
    if (!bitmap_ || !GetObjectA(bitmap_, sizeof size, &size) || size.bmHeight <= 0) return;
    RECT client;
    GetClientRect(dialog, &client);
    const int room = client.bottom - 2 * CWinControl(child).placement().top;
    if (room > 0 && size.bmHeight > room) {
      HANDLE smaller = CopyImage(bitmap_, IMAGE_BITMAP, MulDiv(size.bmWidth, room, size.bmHeight), room,
                                 LR_COPYDELETEORG);
      if (smaller) bitmap_ = static_cast<HBITMAP>(smaller);
    }
    // The template's own picture goes with the static control.
    HGDIOBJ previous = reinterpret_cast<HGDIOBJ>(
        SendMessageA(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_)));
    if (previous && previous != bitmap_) DeleteObject(previous);
    return;
  }
}
