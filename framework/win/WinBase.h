#pragma once
// CWinBase: the object of one window. It does not own the window: destroy()
// destroys it. Messages reach the object through windowProcedure(), which is
// the window procedure of every class registered with registerClass() and the
// dialog procedure of every framework dialog. The object is bound through the
// window's user data at WM_NCCREATE (windows) or WM_INITDIALOG (dialogs);
// messages that arrive before binding are answered 0. Each handler's default
// passes its message on to defaultProcedure().
#include "framework/core/Text.h"
#include "framework/win/ScaledFonts.h"

// A message box over owner: string resource textId, formatted with argument,
// under the caption captionId (0 gives the caption "Error"). Answers
// MessageBoxA's result.
int resourceMessageBox(HWND owner, UINT textId, UINT captionId, UINT style, const char* argument = "");

class CWinBase {
 public:
  CWinBase() = default;
  CWinBase(const CWinBase&) = delete;
  CWinBase& operator=(const CWinBase&) = delete;
  virtual ~CWinBase() = default;

  // An unbound window with extended style 0; menuOrId is the menu of a
  // top-level window or the id of a child. False when creation fails.
  virtual bool create(const char* className, const char* title, DWORD style, const RECT& rect, HWND parent,
                      HMENU menuOrId);
  virtual BOOL destroy();
  // The getters answer the WM_GETTEXT result, or 0 when no buffer can be had
  // (the text is then unchanged).
  virtual int getText(CWideText& text);
  virtual int getText(CText& text);
  virtual int getText(char* buffer, int size);
  virtual void setText(const char* text);

  virtual LRESULT onActivate(UINT state, BOOL minimized, HWND other);
  virtual LRESULT onActivateApp(BOOL active, DWORD threadId);
  virtual LRESULT onCancelMode();
  virtual LRESULT onCaptureChanged(HWND gaining);
  virtual LRESULT onChangeCbChain(HWND removed, HWND next);
  virtual LRESULT onChar(WPARAM wParam, LPARAM lParam);
  virtual LRESULT onClose();
  // Never called for IDOK and IDCANCEL: those go to onEndCommand().
  virtual LRESULT onCommand(UINT id, UINT code, HWND control);
  // IDOK and IDCANCEL (also Enter and Esc in a dialog). Default: ends the
  // dialog with the id.
  virtual void onEndCommand(UINT id);
  virtual LRESULT onContextMenu(HWND window, int x, int y);
  virtual LRESULT onCreate(CREATESTRUCTA* create);
  virtual LRESULT onDestroy();
  virtual LRESULT onDestroyClipboard();
  // The window moved to a monitor of another scale (dpi). Default: keeps the
  // new scale for CDisplayScale::of(), moves and sizes the children in
  // proportion, gives them their fonts at the new scale and takes the size
  // and place the system suggests, which lays the window out anew (onSize()).
  virtual LRESULT onDpiChanged(int dpi, const RECT* suggested);
  virtual LRESULT onDrawClipboard();
  virtual LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item);
  virtual LRESULT onDropFiles(HDROP drop);
  virtual LRESULT onHScroll(UINT code, UINT position, HWND bar);
  virtual LRESULT onInitMenu(HMENU menu);
  virtual LRESULT onInitMenuPopup(HMENU menu, UINT index, BOOL systemMenu);
  virtual LRESULT onKeyDown(WPARAM wParam, LPARAM lParam);
  virtual LRESULT onKeyUp(WPARAM wParam, LPARAM lParam);
  virtual LRESULT onKillFocus(HWND gaining);
  virtual LRESULT onMeasureItem(UINT id, MEASUREITEMSTRUCT* item);
  virtual LRESULT onMenuChar(UINT character, UINT flags, HMENU menu);
  virtual LRESULT onMenuSelect(UINT item, UINT flags, HMENU menu);
  virtual LRESULT onMouseActivate(HWND topLevel, UINT hitTest, UINT message);
  virtual LRESULT onMouseMove(UINT keys, int x, int y);
  virtual LRESULT onMove(int x, int y);
  virtual LRESULT onNcActivate(BOOL active);
  virtual LRESULT onNcCreate(CREATESTRUCTA* create);
  virtual LRESULT onNcDestroy();
  virtual LRESULT onNotify(int id, NMHDR* header);
  virtual LRESULT onPaint();
  virtual LRESULT onPaintClipboard(WPARAM wParam, LPARAM lParam);
  virtual LRESULT onSize(UINT type, int width, int height);
  virtual LRESULT onSizing(UINT edge, RECT* rect);
  virtual LRESULT onSysCommand(WPARAM wParam, LPARAM lParam);
  virtual LRESULT onTimer(UINT_PTR id);
  virtual LRESULT onVScroll(UINT code, UINT position, HWND bar);
  virtual LRESULT onWindowPosChanged(WINDOWPOS* position);
  virtual LRESULT onWindowPosChanging(WINDOWPOS* position);
  // DefWindowProcA for windows; dialogs answer 0 (not handled).
  virtual LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam);
  // Called when a dialog is bound at WM_INITDIALOG, with the control that is
  // to get the focus; the result answers the message. Default: 0.
  virtual LRESULT onInitDialog(HWND focus);

  void getPlacement(WINDOWPLACEMENT* placement) const;
  void clientToScreen(RECT* rect) const;
  // At most 4086 characters.
  void getItemText(int id, CText& text) const;
  // resourceMessageBox() over this window.
  int messageBox(UINT textId, UINT captionId, UINT style, const char* argument = "") const;
  // Keeps size and z-order.
  void centreOnScreen() const;
  // CWinControl::place() of the child control id.
  void placeControl(int id, int x, int y, int width, int height) const;

  // The object bound to window, or null.
  static CWinBase* fromHandle(HWND window);
  static void bind(HWND window, CWinBase* object);
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // windowProcedure() in the type that dialog calls take.
  static DLGPROC dialogProcedure() { return reinterpret_cast<DLGPROC>(windowProcedure); }
  // The icon serves as large and small icon. True on success.
  static bool registerClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon);

  HWND hwnd = nullptr;

 protected:
  // Turns a message of a bound object into its handler call and answer.
  LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // A font made at the screen's scale (the user's, the system's GUI font),
  // as a control of this window shows it at the window's scale. Not to be
  // kept: a copy lives until the window's scale changes.
  HFONT scaledFont(HFONT screenFont);

 private:
  CScaledFonts fonts_;
};
