#include "framework/win/ThreeDButton.h"

#include <new>

const char CThreeDButton::kClassName[] = "ZTK3DBUTTON";

namespace {

const UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_PARENTDC;
const UINT_PTR kHotTimer = 1;
const UINT kHotTimerPeriod = 10;

enum Shade { kHighlight, kLight, kShadow, kDarkShadow };

bool isButton(HWND window) {
  return window && (SendMessageA(window, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0;
}

void band(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
  const RECT place = {left, top, right, bottom};
  FillRect(dc, &place, brush);
}

// A frame of lines w wide just inside r.
void outline(HDC dc, const RECT& r, int w, HBRUSH brush) {
  band(dc, r.left, r.top, r.right, r.top + w, brush);
  band(dc, r.left, r.bottom - w, r.right, r.bottom, brush);
  band(dc, r.left, r.top, r.left + w, r.bottom, brush);
  band(dc, r.right - w, r.top, r.right, r.bottom, brush);
}

}  // namespace

bool CThreeDButton::registerClass(HINSTANCE instance) {
  return CSelfDrawnControl<CThreeDButton>::registerClass(instance, kClassName, kClassStyle);
}

CThreeDButton::CThreeDButton(HWND window)
    : window_(window),
      font_(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))),
      colors_{RGB(0x80, 0x80, 0x80), RGB(0xFF, 0xFF, 0xFF), GetSysColor(COLOR_BTNTEXT),
              GetSysColor(COLOR_3DLIGHT), RGB(0x40, 0x40, 0x40),
              GetSysColor(COLOR_BTNHIGHLIGHT)} {}

CThreeDButton::~CThreeDButton() { KillTimer(window_, kHotTimer); }

LRESULT CThreeDButton::create(HWND window, const CREATESTRUCTA* create) {
  auto* control = new (std::nothrow) CThreeDButton(window);
  if (!control) return -1;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  if (create->lpszName) control->caption_ = create->lpszName;
  if (create->style & kDefault)
    SendMessageA(GetParent(window), DM_SETDEFID, GetDlgCtrlID(window), 0);
  return 0;
}

LRESULT CThreeDButton::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      caption_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
      // Keeps the system's copy in step, so that WM_GETTEXT reads the caption.
      DefWindowProcA(window_, message, wParam, lParam);
      repaint();
      return 1;
    case BM_SETSTYLE:
      setStyle(wParam, lParam);
      return 0;
    case WM_GETDLGCODE:
      if (style() & kDefault) PostMessageA(window_, kUpdateDefaultLook, 0, 0);
      return DLGC_BUTTON;
    case WM_SETFOCUS:
      suppressed_ = 0;
      repaint();
      notify(kGotFocus);
      return 0;
    case WM_KILLFOCUS:
      killFocus(reinterpret_cast<HWND>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      mouseDown();
      return 0;
    case WM_MOUSEMOVE:
      mouseMove(wParam, lParam);
      return 0;
    case WM_TIMER:
      if (wParam == kHotTimer) hotTimer();
      return 0;
    case WM_LBUTTONUP:
      mouseUp(lParam);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) spaceDown();
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE) spaceUp();
      return 0;
    case WM_LBUTTONDBLCLK:
      notify(kDoubleClicked);
      return 0;
    case WM_ENABLE:
    case WM_SIZE:
    case WM_WININICHANGE:
      repaint();
      return 0;
    case WM_ERASEBKGND:
      return 0;
    case WM_PAINT:
      paint();
      return 0;
    default:
      if (message >= kUpdateDefaultLook && message <= kGetPressed)
        return handlePrivate(message, wParam, lParam);
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

LRESULT CThreeDButton::handlePrivate(UINT message, WPARAM wParam, LPARAM lParam) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(lParam);
  switch (message) {
    case kUpdateDefaultLook:
      updateDefaultLook();
      return 0;
    case kIsDefault:
      return style() & kDefault;
    case kSetNormalBitmap:
      normalBitmap_ = bitmap;
      break;
    case kSetDisabledBitmap:
      disabledBitmap_ = bitmap;
      break;
    case kSetHotBitmap:
      hotBitmap_ = bitmap;
      break;
    case kGetNormalBitmap:
      return reinterpret_cast<LRESULT>(normalBitmap_);
    case kGetDisabledBitmap:
      return reinterpret_cast<LRESULT>(disabledBitmap_);
    case kGetHotBitmap:
      return reinterpret_cast<LRESULT>(hotBitmap_);
    case kSetColor:
      if (wParam >= kColorCount) return 0;
      colors_[wParam] = static_cast<COLORREF>(lParam);
      break;
    case kGetColor:
      return wParam < kColorCount ? static_cast<LRESULT>(colors_[wParam]) : -1;
    case kGetPressed:
      return pressed_;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
  repaint();
  return 1;
}

// A notification may make the parent destroy this control; false then, and
// the caller must not touch the state any more.
bool CThreeDButton::notify(WORD code) {
  HWND window = window_;
  SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
               reinterpret_cast<LPARAM>(window));
  return IsWindow(window) &&
         GetWindowLongPtrA(window, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this);
}

void CThreeDButton::repaint() { InvalidateRect(window_, nullptr, FALSE); }

void CThreeDButton::setStyle(WPARAM newStyle, LPARAM redraw) {
  suppressed_ = 0;
  LONG old = style();
  SetWindowLongA(window_, GWL_STYLE, static_cast<LONG>(newStyle) | (old & ~kDefault));
  if (LOWORD(redraw)) repaint();
}

void CThreeDButton::updateDefaultLook() {
  HWND focus = GetFocus();
  if (focus == window_) return;
  BYTE suppressed = isButton(focus) ? 1 : 0;
  if (suppressed == suppressed_) return;
  suppressed_ = suppressed;
  repaint();
}

void CThreeDButton::killFocus(HWND next) {
  if (isButton(next)) suppressed_ = 1;
  repaint();
  notify(kLostFocus);
}

void CThreeDButton::mouseDown() {
  SetCapture(window_);
  if (pressed_) return;
  pressed_ |= kMouseHeld;
  SetFocus(window_);
  if (notify(kPressed)) repaint();
}

void CThreeDButton::mouseMove(WPARAM keys, LPARAM point) {
  if (keys & MK_LBUTTON) {
    if (GetCapture() != window_) return;
    RECT client;
    GetClientRect(window_, &client);
    POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
    bool inside = PtInRect(&client, at) != 0;
    if (!inside && (pressed_ & kMouseHeld)) {
      pressed_ &= ~kMouseHeld;
      if (!pressed_ && notify(kReleased)) repaint();
    } else if (inside && !(pressed_ & kMouseHeld)) {
      bool space = (pressed_ & kSpaceHeld) != 0;
      pressed_ |= kMouseHeld;
      if (!space && notify(kPressed)) repaint();
    }
    return;
  }
  if (hot_ || pressed_) return;
  hot_ = 1;
  SetTimer(window_, kHotTimer, kHotTimerPeriod, nullptr);
  if (notify(kPointerEntered)) repaint();
}

void CThreeDButton::hotTimer() {
  POINT cursor;
  RECT area;
  GetCursorPos(&cursor);
  GetWindowRect(window_, &area);
  if (PtInRect(&area, cursor)) return;
  KillTimer(window_, kHotTimer);
  hot_ = 0;
  if (notify(kPointerLeft) && !pressed_) repaint();
}

// A release outside the control counts as leaving it first: no click.
void CThreeDButton::mouseUp(LPARAM point) {
  if (GetCapture() == window_) ReleaseCapture();
  if (!(pressed_ & kMouseHeld)) return;
  pressed_ &= ~kMouseHeld;
  repaint();
  if (pressed_) return;
  RECT client;
  GetClientRect(window_, &client);
  POINT at = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  if (PtInRect(&client, at))
    finishPress();
  else
    notify(kReleased);
}

void CThreeDButton::spaceDown() {
  if (pressed_ & kSpaceHeld) return;
  bool mouse = (pressed_ & kMouseHeld) != 0;
  pressed_ |= kSpaceHeld;
  if (mouse) return;
  repaint();
  notify(kPressed);
}

void CThreeDButton::spaceUp() {
  if (!(pressed_ & kSpaceHeld)) return;
  pressed_ &= ~kSpaceHeld;
  if (pressed_) return;
  repaint();
  finishPress();
}

void CThreeDButton::finishPress() {
  if (notify(kClicked)) notify(kReleased);
}

void CThreeDButton::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  if (!dc) return;
  HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
  HBRUSH shades[4] = {CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)), CreateSolidBrush(GetSysColor(COLOR_3DLIGHT)),
                      CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)), CreateSolidBrush(GetSysColor(COLOR_3DDKSHADOW))};
  HGDIOBJ oldFont = SelectObject(dc, font_);
  RECT client;
  GetClientRect(window_, &client);
  const CDisplayScale scale = CDisplayScale::of(window_);
  RECT area = client;
  drawBorder(dc, area, scale(1), face, shades);
  if (GetFocus() == window_) {
    RECT focus = {client.left + scale(3), client.top + scale(3), client.right - scale(2), client.bottom - scale(2)};
    DrawFocusRect(dc, &focus);
  }
  drawContent(dc, client, scale);
  SelectObject(dc, oldFont);
  for (HBRUSH shade : shades) DeleteObject(shade);
  DeleteObject(face);
  EndPaint(window_, &ps);
}

// Every line is w wide: one pixel at 96 dots per inch.
void CThreeDButton::drawBorder(HDC dc, RECT& r, int w, HBRUSH face, HBRUSH const shades[4]) const {
  const LONG bits = style();
  FillRect(dc, &r, face);
  if (!(bits & kBorder)) return;
  if (pressed_) {
    outline(dc, r, w, shades[kDarkShadow]);
    const RECT inner = {r.left + w, r.top + w, r.right - w, r.bottom - w};
    outline(dc, inner, w, shades[kShadow]);
    return;
  }
  if (((bits & kDefault) && !suppressed_) || GetFocus() == window_) {
    outline(dc, r, w, shades[kDarkShadow]);
    InflateRect(&r, -w, -w);
  }
  band(dc, r.left, r.top, r.left + w, r.bottom, shades[kHighlight]);
  band(dc, r.left, r.top, r.right - w, r.top + w, shades[kHighlight]);
  band(dc, r.left, r.bottom - w, r.right, r.bottom, shades[kDarkShadow]);
  band(dc, r.right - w, r.top, r.right, r.bottom, shades[kDarkShadow]);
  if ((bits & kFlat) && !hot_) return;
  band(dc, r.left + w, r.bottom - 2 * w, r.right - w, r.bottom - w, shades[kShadow]);
  band(dc, r.right - 2 * w, r.top + w, r.right - w, r.bottom - w, shades[kShadow]);
  band(dc, r.left + w, r.top + w, r.left + 2 * w, r.bottom - 2 * w, shades[kLight]);
  band(dc, r.left + w, r.top + w, r.right - 2 * w, r.top + 2 * w, shades[kLight]);
}

HBITMAP CThreeDButton::currentBitmap() const {
  if (!IsWindowEnabled(window_)) return disabledBitmap_;
  if ((style() & kFlat) && hot_ && hotBitmap_) return hotBitmap_;
  return normalBitmap_;
}

// Bitmap first, then the caption twice: the shadow one pixel (at 96 dots per
// inch) right and down, the main colour on top.
void CThreeDButton::drawContent(HDC dc, RECT area, const CDisplayScale& scale) const {
  const LONG bits = style();
  if (pressed_) OffsetRect(&area, scale(1), scale(1));
  HBITMAP bitmap = currentBitmap();
  BITMAP header;
  if (bitmap && GetObjectA(bitmap, sizeof(header), &header)) {
    int x, y;
    if (bits & kBitmapLeft) {
      x = area.left + scale(4);
      y = area.top + (area.bottom - area.top - header.bmHeight) / 2;
      area.left = x + header.bmWidth + scale(4);
    } else {
      x = area.left + (area.right - area.left - header.bmWidth) / 2;
      y = area.top + scale(4);
      area.top = y + header.bmHeight + scale(4);
    }
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(bitmap), 0, x, y,
               header.bmWidth, header.bmHeight, DST_BITMAP);
  }
  int pair = kNormalMain;
  if (!IsWindowEnabled(window_))
    pair = kDisabledMain;
  else if ((bits & kFlat) && !hot_)
    pair = kFlatMain;
  UINT format = (bits & kMultiLine) ? 0 : DT_SINGLELINE | DT_VCENTER;
  if (bits & kCaptionLeft)
    format |= DT_LEFT;
  else
    format |= (bits & kCaptionRight) ? DT_RIGHT : DT_CENTER;
  SetBkMode(dc, TRANSPARENT);
  RECT shadow = area;
  OffsetRect(&shadow, scale(1), scale(1));
  SetTextColor(dc, colors_[pair + 1]);
  DrawTextA(dc, caption_.c_str(), -1, &shadow, format);
  SetTextColor(dc, colors_[pair]);
  DrawTextA(dc, caption_.c_str(), -1, &area, format);
}
