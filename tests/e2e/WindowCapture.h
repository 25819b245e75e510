#pragma once
// WindowCapture: the pixels of a window's client area as they are on the
// screen, taken once at construction (BitBlt from the screen into a DIB), so
// that the window must not be covered. Colours are COLORREF values.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class WindowCapture {
 public:
  // An invalid capture when the window is gone or the copy fails.
  explicit WindowCapture(HWND window);

  bool valid() const { return !pixels_.empty(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // CLR_INVALID outside the capture.
  COLORREF pixel(int x, int y) const;
  // Pixels of colour inside area (client co-ordinates, right and bottom
  // exclusive, clipped to the capture).
  int count(COLORREF color, const RECT& area) const;
  int count(COLORREF color) const;
  // The smallest rectangle holding every pixel of colour; empty when none.
  RECT bounds(COLORREF color) const;
  // Writes a 32-bit BMP file; false when it cannot be written.
  bool saveBitmap(const std::string& path) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;  // top-down rows of 0x00RRGGBB
};

}  // namespace e2e
