#include "framework/win/WinBase.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"
#include "framework/win/WinControl.h"

#include <memory>
#include <new>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace {

LRESULT answerInitDialog(HWND window, WPARAM wParam, LPARAM lParam) {
  CWinBase* object = reinterpret_cast<CWinBase*>(lParam);
  if (!object) return 0;
  object->hwnd = window;
  CWinBase::bind(window, object);
  return object->onInitDialog(reinterpret_cast<HWND>(wParam));
}

LRESULT answerNcCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CREATESTRUCTA* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
  CWinBase* object = static_cast<CWinBase*>(create->lpCreateParams);
  // A window of a framework class made without an object stays unbound.
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  object->hwnd = window;
  CWinBase::bind(window, object);
  return object->onNcCreate(create);
}

}  // namespace

bool CWinBase::create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                      HMENU menuOrId) {
  hwnd = CreateWindowExA(0, className, title, style, rect.left, rect.top, rect.right - rect.left,
                         rect.bottom - rect.top, parent, menuOrId, getInstanceHandle(), nullptr);
  return hwnd != nullptr;
}

BOOL CWinBase::destroy() { return DestroyWindow(hwnd); }

int CWinBase::getText(CWideText& text) {
  int length = static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::unique_ptr<WCHAR[]> buffer(new (std::nothrow) WCHAR[length + 2]);
  if (!buffer) return 0;
  int result = static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, length + 2, reinterpret_cast<LPARAM>(buffer.get())));
  buffer[result < length + 2 ? result : length + 1] = 0;
  text = buffer.get();
  return result;
}

int CWinBase::getText(CText& text) {
  int length = static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
  char* buffer = text.getBuffer(length + 2, false);
  if (!buffer) return 0;
  int result = static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, length + 2, reinterpret_cast<LPARAM>(buffer)));
  text.releaseBuffer(result);
  return result;
}

int CWinBase::getText(char* buffer, int size) {
  return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)));
}

void CWinBase::setText(const char* text) { SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

LRESULT CWinBase::onActivate(UINT state, BOOL minimized, HWND other) {
  return defaultProcedure(WM_ACTIVATE, MAKEWPARAM(state, minimized), reinterpret_cast<LPARAM>(other));
}
LRESULT CWinBase::onActivateApp(BOOL active, DWORD threadId) {
  return defaultProcedure(WM_ACTIVATEAPP, active, threadId);
}
LRESULT CWinBase::onCancelMode() { return defaultProcedure(WM_CANCELMODE, 0, 0); }
LRESULT CWinBase::onCaptureChanged(HWND gaining) {
  return defaultProcedure(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(gaining));
}
LRESULT CWinBase::onChangeCbChain(HWND removed, HWND next) {
  return defaultProcedure(WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed), reinterpret_cast<LPARAM>(next));
}
LRESULT CWinBase::onChar(WPARAM wParam, LPARAM lParam) { return defaultProcedure(WM_CHAR, wParam, lParam); }
void CWinBase::onEndCommand(UINT id) { EndDialog(hwnd, id); }

LRESULT CWinBase::onClose() { return defaultProcedure(WM_CLOSE, 0, 0); }
LRESULT CWinBase::onCommand(UINT id, UINT code, HWND control) {
  return defaultProcedure(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
}
LRESULT CWinBase::onContextMenu(HWND window, int x, int y) {
  return defaultProcedure(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), MAKELPARAM(x, y));
}
LRESULT CWinBase::onCreate(CREATESTRUCTA* create) {
  return defaultProcedure(WM_CREATE, 0, reinterpret_cast<LPARAM>(create));
}
LRESULT CWinBase::onDestroy() { return defaultProcedure(WM_DESTROY, 0, 0); }
LRESULT CWinBase::onDpiChanged(int dpi, const RECT* suggested) {
  const int previous = CDisplayScale::of(hwnd).dpi;
  CDisplayScale::remember(hwnd, dpi);
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT place = CWinControl(child).placement();
    MoveWindow(child, MulDiv(place.left, dpi, previous), MulDiv(place.top, dpi, previous),
               MulDiv(place.right - place.left, dpi, previous), MulDiv(place.bottom - place.top, dpi, previous),
               TRUE);
  }
  fonts_.rescale(hwnd, previous, dpi);
  SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
               suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  return 0;
}
LRESULT CWinBase::onDestroyClipboard() { return defaultProcedure(WM_DESTROYCLIPBOARD, 0, 0); }
LRESULT CWinBase::onDrawClipboard() { return defaultProcedure(WM_DRAWCLIPBOARD, 0, 0); }
LRESULT CWinBase::onDrawItem(UINT id, DRAWITEMSTRUCT* item) {
  return defaultProcedure(WM_DRAWITEM, id, reinterpret_cast<LPARAM>(item));
}
LRESULT CWinBase::onDropFiles(HDROP drop) {
  return defaultProcedure(WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}
LRESULT CWinBase::onHScroll(UINT code, UINT position, HWND bar) {
  return defaultProcedure(WM_HSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
}
LRESULT CWinBase::onInitMenu(HMENU menu) { return defaultProcedure(WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0); }
LRESULT CWinBase::onInitMenuPopup(HMENU menu, UINT index, BOOL systemMenu) {
  return defaultProcedure(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(index, systemMenu));
}
LRESULT CWinBase::onKeyDown(WPARAM wParam, LPARAM lParam) { return defaultProcedure(WM_KEYDOWN, wParam, lParam); }
LRESULT CWinBase::onKeyUp(WPARAM wParam, LPARAM lParam) { return defaultProcedure(WM_KEYUP, wParam, lParam); }
LRESULT CWinBase::onKillFocus(HWND gaining) {
  return defaultProcedure(WM_KILLFOCUS, reinterpret_cast<WPARAM>(gaining), 0);
}
LRESULT CWinBase::onMeasureItem(UINT id, MEASUREITEMSTRUCT* item) {
  return defaultProcedure(WM_MEASUREITEM, id, reinterpret_cast<LPARAM>(item));
}
LRESULT CWinBase::onMenuChar(UINT character, UINT flags, HMENU menu) {
  return defaultProcedure(WM_MENUCHAR, MAKEWPARAM(character, flags), reinterpret_cast<LPARAM>(menu));
}
LRESULT CWinBase::onMenuSelect(UINT item, UINT flags, HMENU menu) {
  return defaultProcedure(WM_MENUSELECT, MAKEWPARAM(item, flags), reinterpret_cast<LPARAM>(menu));
}
LRESULT CWinBase::onMouseActivate(HWND topLevel, UINT hitTest, UINT message) {
  return defaultProcedure(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topLevel), MAKELPARAM(hitTest, message));
}
LRESULT CWinBase::onMouseMove(UINT keys, int x, int y) {
  return defaultProcedure(WM_MOUSEMOVE, keys, MAKELPARAM(x, y));
}
LRESULT CWinBase::onMove(int x, int y) { return defaultProcedure(WM_MOVE, 0, MAKELPARAM(x, y)); }
LRESULT CWinBase::onNcActivate(BOOL active) { return defaultProcedure(WM_NCACTIVATE, active, 0); }
LRESULT CWinBase::onNcCreate(CREATESTRUCTA* create) {
  return defaultProcedure(WM_NCCREATE, 0, reinterpret_cast<LPARAM>(create));
}
LRESULT CWinBase::onNcDestroy() { return defaultProcedure(WM_NCDESTROY, 0, 0); }
LRESULT CWinBase::onNotify(int id, NMHDR* header) {
  return defaultProcedure(WM_NOTIFY, id, reinterpret_cast<LPARAM>(header));
}
LRESULT CWinBase::onPaint() { return defaultProcedure(WM_PAINT, 0, 0); }
LRESULT CWinBase::onPaintClipboard(WPARAM wParam, LPARAM lParam) {
  return defaultProcedure(WM_PAINTCLIPBOARD, wParam, lParam);
}
LRESULT CWinBase::onSize(UINT type, int width, int height) {
  return defaultProcedure(WM_SIZE, type, MAKELPARAM(width, height));
}
LRESULT CWinBase::onSizing(UINT edge, RECT* rect) {
  return defaultProcedure(WM_SIZING, edge, reinterpret_cast<LPARAM>(rect));
}
LRESULT CWinBase::onSysCommand(WPARAM wParam, LPARAM lParam) {
  return defaultProcedure(WM_SYSCOMMAND, wParam, lParam);
}
LRESULT CWinBase::onTimer(UINT_PTR id) { return defaultProcedure(WM_TIMER, id, 0); }
LRESULT CWinBase::onVScroll(UINT code, UINT position, HWND bar) {
  return defaultProcedure(WM_VSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
}
LRESULT CWinBase::onWindowPosChanged(WINDOWPOS* position) {
  return defaultProcedure(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(position));
}
LRESULT CWinBase::onWindowPosChanging(WINDOWPOS* position) {
  return defaultProcedure(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(position));
}

LRESULT CWinBase::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CWinBase::onInitDialog(HWND focus) { return 0; }

HFONT CWinBase::scaledFont(HFONT screenFont) {
  return fonts_.at(screenFont, CDisplayScale::of(nullptr).dpi, CDisplayScale::of(hwnd).dpi);
}

void CWinBase::getPlacement(WINDOWPLACEMENT* placement) const {
  placement->length = sizeof(WINDOWPLACEMENT);
  GetWindowPlacement(hwnd, placement);
}

void CWinBase::clientToScreen(RECT* rect) const { MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(rect), 2); }

void CWinBase::getItemText(int id, CText& text) const {
  const int kLimit = 4086;
  char* buffer = text.getBuffer(kLimit + 1, false);
  if (!buffer) return;
  text.releaseBuffer(GetDlgItemTextA(hwnd, id, buffer, kLimit));
}

int resourceMessageBox(HWND owner, UINT textId, UINT captionId, UINT style, const char* argument) {
  CText text, caption("Error");
  text.formatResource(textId, argument);
  if (captionId != 0) caption.load(captionId);
  return MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}

int CWinBase::messageBox(UINT textId, UINT captionId, UINT style, const char* argument) const {
  return resourceMessageBox(hwnd, textId, captionId, style, argument);
}

void CWinBase::placeControl(int id, int x, int y, int width, int height) const {
  CWinControl(GetDlgItem(hwnd, id)).place(x, y, width, height);
}

void CWinBase::centreOnScreen() const {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  int x = (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2;
  int y = (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2;
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

CWinBase* CWinBase::fromHandle(HWND window) {
  return reinterpret_cast<CWinBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

void CWinBase::bind(HWND window, CWinBase* object) {
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
}

bool CWinBase::registerClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = getInstanceHandle();
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.hCursor = cursor;
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExA(&windowClass) != 0;
}

LRESULT CALLBACK CWinBase::windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) return answerInitDialog(window, wParam, lParam);
    if (message == WM_NCCREATE) return answerNcCreate(window, message, wParam, lParam);
    CWinBase* object = fromHandle(window);
    if (!object) return 0;
    LRESULT result = object->dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      // The window is gone: later messages must not reach the object, which
      // may be destroyed before the next window with this handle appears.
      // The children are gone, and with them the last users of its fonts.
      bind(window, nullptr);
      CDisplayScale::forget(window);
      object->fonts_.release();
      object->hwnd = nullptr;
    }
    return result;
  } catch (...) {
    return 0;
  }
}

LRESULT CWinBase::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND lParamWindow = reinterpret_cast<HWND>(lParam);
  HWND wParamWindow = reinterpret_cast<HWND>(wParam);
  int lowX = static_cast<short>(LOWORD(lParam));
  int highY = static_cast<short>(HIWORD(lParam));
  switch (message) {
    case WM_ACTIVATE: onActivate(LOWORD(wParam), HIWORD(wParam), lParamWindow); return 0;
    case WM_ACTIVATEAPP: onActivateApp(static_cast<BOOL>(wParam), static_cast<DWORD>(lParam)); return 0;
    case WM_CANCELMODE: onCancelMode(); return 0;
    case WM_CAPTURECHANGED: onCaptureChanged(lParamWindow); return 0;
    case WM_CHANGECBCHAIN: onChangeCbChain(wParamWindow, lParamWindow); return 0;
    case WM_CHAR: onChar(wParam, lParam); return 0;
    case WM_CLOSE: return onClose();
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        onEndCommand(LOWORD(wParam));
        return 0;
      }
      return onCommand(LOWORD(wParam), HIWORD(wParam), lParamWindow);
    case WM_CONTEXTMENU: onContextMenu(wParamWindow, lowX, highY); return 0;
    case WM_CREATE: return onCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_DESTROY: onDestroy(); return 0;
    case WM_DPICHANGED: return onDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
    case WM_DESTROYCLIPBOARD: onDestroyClipboard(); return 0;
    case WM_DRAWCLIPBOARD: onDrawClipboard(); return 0;
    case WM_DRAWITEM: onDrawItem(static_cast<UINT>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)); return 0;
    case WM_DROPFILES: onDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_HSCROLL: onHScroll(LOWORD(wParam), HIWORD(wParam), lParamWindow); return 0;
    case WM_INITMENU: onInitMenu(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_INITMENUPOPUP: onInitMenuPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_KEYDOWN: onKeyDown(wParam, lParam); return 0;
    case WM_KEYUP: onKeyUp(wParam, lParam); return 0;
    case WM_KILLFOCUS: onKillFocus(wParamWindow); return 0;
    case WM_MEASUREITEM:
      onMeasureItem(static_cast<UINT>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return 0;
    case WM_MENUCHAR: return onMenuChar(LOBYTE(LOWORD(wParam)), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
    // A dialog procedure should "return TRUE if it processed the message"; the menu does not read a window's answer.
    case WM_MENUSELECT: onMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)); return 1;
    case WM_MOUSEACTIVATE: return onMouseActivate(wParamWindow, LOWORD(lParam), HIWORD(lParam));
    case WM_MOUSEMOVE: onMouseMove(static_cast<UINT>(wParam), lowX, highY); return 0;
    case WM_MOVE: onMove(lowX, highY); return 0;
    case WM_NCACTIVATE: return onNcActivate(static_cast<BOOL>(wParam));
    case WM_NCDESTROY: onNcDestroy(); return 0;
    case WM_NOTIFY: return onNotify(static_cast<int>(wParam), reinterpret_cast<NMHDR*>(lParam));
    case WM_PAINT: onPaint(); return 0;
    case WM_PAINTCLIPBOARD: onPaintClipboard(wParam, lParam); return 0;
    case WM_SIZE: onSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_SIZING: return onSizing(static_cast<UINT>(wParam), reinterpret_cast<RECT*>(lParam));
    case WM_SYSCOMMAND: onSysCommand(wParam, lParam); return 0;
    case WM_TIMER: onTimer(wParam); return 0;
    case WM_VSCROLL: onVScroll(LOWORD(wParam), HIWORD(wParam), lParamWindow); return 0;
    case WM_WINDOWPOSCHANGED: onWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    case WM_WINDOWPOSCHANGING: onWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
    // "DefWindowProc returns a handle to the large or small icon associated with the window", as WM_SETICON set it.
    case WM_GETICON: return DefWindowProcA(hwnd, message, wParam, lParam);
    default: return defaultProcedure(message, wParam, lParam);
  }
}
