#include "framework/win/ThreeDStatic.h"

#include "framework/win/WinDC.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

const char CThreeDStatic::kClassName[] = "ZTK3DSTATIC";

namespace {

const UINT kClassStyle = CS_DBLCLKS | CS_PARENTDC;

COLORREF operandColor(const unsigned char* operand) {
  return RGB(operand[0], operand[1], operand[2]);
}

HFONT operandFont(const unsigned char* operand) {
  DWORD value = operand[0] | (operand[1] << 8) | (operand[2] << 16) |
                (static_cast<DWORD>(operand[3]) << 24);
  // A handle has 32 significant bits; a 64-bit program sign-extends them.
  return reinterpret_cast<HFONT>(static_cast<LONG_PTR>(static_cast<LONG>(value)));
}

}  // namespace

bool CThreeDStatic::registerClass(HINSTANCE instance) {
  return CSelfDrawnControl<CThreeDStatic>::registerClass(instance, kClassName, kClassStyle);
}

CThreeDStatic::CThreeDStatic(HWND window)
    : window_(window), font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))) {}

LRESULT CThreeDStatic::create(HWND window, const CREATESTRUCTA* create) {
  auto* control = new (std::nothrow) CThreeDStatic(window);
  if (!control) return -1;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  control->setText(create->lpszName);
  return 0;
}

LRESULT CThreeDStatic::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      setText(reinterpret_cast<const char*>(lParam));
      repaint();
      return 0;
    case WM_GETTEXT:
      return copyPlainText(reinterpret_cast<char*>(lParam), wParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.plain().size());
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      repaint();
      return 0;
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

// The system's own copy of the window text gets the characters without codes,
// so that readers of the window text from outside see what the control shows.
void CThreeDStatic::setText(const char* text) {
  text_.assign(text);
  DefWindowProcA(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.plain().c_str()));
}

LRESULT CThreeDStatic::copyPlainText(char* buffer, WPARAM size) const {
  if (!buffer || size == 0) return 0;
  std::string plain = text_.plain();
  size_t count = plain.size() < size - 1 ? plain.size() : size - 1;
  std::memcpy(buffer, plain.data(), count);
  buffer[count] = 0;
  return static_cast<LRESULT>(count);
}

void CThreeDStatic::repaint() { InvalidateRect(window_, nullptr, FALSE); }

void CThreeDStatic::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  if (!dc) return;
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH light = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
  HBRUSH shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldFont = GetCurrentObject(dc, OBJ_FONT);
  RECT client;
  GetClientRect(window_, &client);
  const CDisplayScale scale = CDisplayScale::of(window_);
  CScaledFonts codedFonts;
  drawFrame(dc, client, scale, face, light, shadow);
  drawText(dc, client, scale, codedFonts);
  SelectObject(dc, oldFont);
  DeleteObject(shadow);
  DeleteObject(light);
  DeleteObject(face);
  EndPaint(window_, &ps);
}

// The sunken frame: a light outline, a shadow outline over it that leaves the
// light one on the right and at the bottom, and a light line inside along the
// top and the left; every line one pixel wide at 96 dots per inch.
void CThreeDStatic::drawFrame(HDC dc, const RECT& r, const CDisplayScale& scale, HBRUSH face, HBRUSH light,
                              HBRUSH shadow) const {
  FillRect(dc, &r, face);
  if (GetWindowLongA(window_, GWL_STYLE) & kSunken) {
    const int w = scale(1);
    const RECT shadows[] = {{r.left, r.top, r.right - w, r.top + w},
                            {r.left, r.top, r.left + w, r.bottom - w},
                            {r.right - 2 * w, r.top, r.right - w, r.bottom - w},
                            {r.left, r.bottom - 2 * w, r.right - w, r.bottom - w}};
    for (const RECT& band : shadows) FillRect(dc, &band, shadow);
    const RECT lights[] = {{r.right - w, r.top, r.right, r.bottom},
                           {r.left, r.bottom - w, r.right, r.bottom},
                           {r.left + w, r.top + w, r.right - 2 * w, r.top + 2 * w},
                           {r.left + w, r.top + w, r.left + 2 * w, r.bottom - 2 * w}};
    for (const RECT& band : lights) FillRect(dc, &band, light);
  }
  if (GetFocus() == window_) {
    RECT focus = {r.left + scale(1), r.top + scale(1), r.right - scale(2), r.bottom - scale(2)};
    DrawFocusRect(dc, &focus);
  }
}

// Draws runs of characters between the codes from left to right. A run that
// crosses the right edge less 3 pixels is shortened to the characters that fit;
// the first character that does not fit ends the painting. Each run is drawn
// with the advances it was measured with, so that it ends exactly where the
// next one starts (a font whose drawn advances differ from its measured ones
// would otherwise run into the next run, over a trailing space). The fonts of
// the codes are made at the screen's scale; codedFonts holds their copies at
// the control's until the painting is done.
void CThreeDStatic::drawText(HDC dc, const RECT& client, const CDisplayScale& scale,
                             CScaledFonts& codedFonts) const {
  const int limit = client.right - scale(3);
  const RECT box = {client.left + scale(4), client.top + scale(2), client.right - scale(4), client.bottom - scale(2)};
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SelectObject(dc, font_);
  const std::string& bytes = text_.bytes();
  const auto* text = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  int left = box.left;
  size_t i = 0;
  while (i < size) {
    size_t end = i;
    while (end < size && CRichText::isCharacter(text[end])) ++end;
    if (end > i) {
      int drawn = drawRun(dc, bytes.data() + i, static_cast<int>(end - i), left, limit, box);
      if (drawn == 0) return;
      i += static_cast<size_t>(drawn);
      continue;
    }
    const unsigned char code = text[i];
    const size_t operand = CRichText::operandSize(code);
    if (i + 1 + operand > size) return;
    if (code == CRichText::kTextColor) SetTextColor(dc, operandColor(text + i + 1));
    if (code == CRichText::kBackColor) SetBkColor(dc, operandColor(text + i + 1));
    if (code == CRichText::kFont)
      SelectObject(dc, codedFonts.at(operandFont(text + i + 1), CDisplayScale::of(nullptr).dpi, scale.dpi));
    i += 1 + operand;
  }
}

// Draws the characters of run that fit before limit at left, vertically
// centred in box, and moves left past them. Answers how many bytes were drawn;
// 0 when not even the first character fits. The run is measured and drawn as
// the system's 16-bit text, so that a character of several bytes (in UTF-8 or
// a double-byte code page) is one character, and a cut never splits one.
int CThreeDStatic::drawRun(HDC dc, const char* run, int count, int& left, int limit, const RECT& box) const {
  const UINT codePage = textCodePage(dc);
  int unitCount = MultiByteToWideChar(codePage, 0, run, count, nullptr, 0);
  if (unitCount <= 0) return 0;
  std::wstring units(static_cast<size_t>(unitCount), L'\0');
  MultiByteToWideChar(codePage, 0, run, count, &units[0], unitCount);
  std::vector<int> extents(units.size());
  SIZE whole = {};
  if (!GetTextExtentExPointW(dc, units.c_str(), unitCount, 0, nullptr, extents.data(), &whole)) return 0;
  int fitting = CRichText::fittingCount(unitCount, limit - left, [&](int n) { return extents[n - 1]; });
  if (fitting < unitCount && IS_HIGH_SURROGATE(units[fitting - 1])) --fitting;
  if (fitting == 0 || left + extents[fitting - 1] > limit) return 0;
  std::vector<int> advances(extents.begin(), extents.begin() + fitting);
  for (int k = fitting - 1; k > 0; --k) advances[k] -= advances[k - 1];
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  RECT place = {left, box.top, limit, box.bottom};
  int top = box.top + (box.bottom - box.top - metrics.tmHeight) / 2;
  ExtTextOutW(dc, left, top, ETO_CLIPPED, &place, units.c_str(), static_cast<UINT>(fitting), advances.data());
  left += extents[fitting - 1];
  if (fitting == unitCount) return count;
  int bytes = WideCharToMultiByte(codePage, 0, units.c_str(), fitting, nullptr, 0, nullptr, nullptr);
  return bytes > 0 && bytes < count ? bytes : count;
}
