#include "tests/e2e/WindowCapture.h"

#include <algorithm>
#include <cstdio>

namespace e2e {
namespace {

BITMAPINFOHEADER topDownHeader(int width, int height) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = -height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  return header;
}

COLORREF toColorRef(DWORD pixel) {
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

WindowCapture::WindowCapture(HWND window) {
  RECT client;
  if (!IsWindow(window) || !GetClientRect(window, &client)) return;
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader = topDownHeader(width, height);
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap && bits) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY)) {
      GdiFlush();
      const DWORD* first = static_cast<const DWORD*>(bits);
      pixels_.assign(first, first + width * height);
      width_ = width;
      height_ = height;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF WindowCapture::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  return toColorRef(pixels_[y * width_ + x]);
}

int WindowCapture::count(COLORREF color, const RECT& area) const {
  int found = 0;
  for (int y = std::max(0, static_cast<int>(area.top)); y < std::min(height_, static_cast<int>(area.bottom)); ++y)
    for (int x = std::max(0, static_cast<int>(area.left)); x < std::min(width_, static_cast<int>(area.right)); ++x)
      if (pixel(x, y) == color) ++found;
  return found;
}

int WindowCapture::count(COLORREF color) const {
  RECT all = {0, 0, width_, height_};
  return count(color, all);
}

RECT WindowCapture::bounds(COLORREF color) const {
  RECT box = {width_, height_, 0, 0};
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (pixel(x, y) == color) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  if (box.right == 0) box = RECT{0, 0, 0, 0};
  return box;
}

bool WindowCapture::saveBitmap(const std::string& path) const {
  if (!valid()) return false;
  BITMAPINFOHEADER header = topDownHeader(width_, height_);
  const DWORD dataSize = static_cast<DWORD>(pixels_.size() * sizeof(DWORD));
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + dataSize;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 &&
                 std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                 std::fwrite(pixels_.data(), dataSize, 1, out) == 1;
  return std::fclose(out) == 0 && written;
}

}  // namespace e2e
