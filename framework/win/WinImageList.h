#pragma once
// CWinImageList: an owned image list made from a bitmap resource.
#include "framework/core/Win32.h"

#include <commctrl.h>

class CWinImageList {
 public:
  CWinImageList() = default;
  CWinImageList(const CWinImageList&) = delete;
  CWinImageList& operator=(const CWinImageList&) = delete;
  ~CWinImageList() { destroy(); }

  // Destroys any previous list first. False when the bitmap cannot be loaded.
  bool load(int bitmapId, int imageWidth, int grow, COLORREF mask);
  void destroy();

  HIMAGELIST handle = nullptr;
};
