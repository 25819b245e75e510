#include "framework/win/WinImageList.h"

#include "framework/win/WinApp.h"

bool CWinImageList::load(int bitmapId, int imageWidth, int grow, COLORREF mask) {
  destroy();
  handle = ImageList_LoadImageA(getInstanceHandle(), MAKEINTRESOURCEA(bitmapId), imageWidth, grow, mask,
                                IMAGE_BITMAP, 0);
  return handle != nullptr;
}

void CWinImageList::destroy() {
  if (handle) ImageList_Destroy(handle);
  handle = nullptr;
}
