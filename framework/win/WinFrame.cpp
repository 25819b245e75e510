#include "framework/win/WinFrame.h"

#include "framework/win/DisplayScale.h"
#include "framework/win/WinApp.h"

CWinFrame::~CWinFrame() {
  if (accelerators) DestroyAcceleratorTable(accelerators);
  if (menu) DestroyMenu(menu);
}

LRESULT CWinFrame::onCreate(CREATESTRUCTA* create) {
  if (CWinBase::onCreate(create) == -1) return -1;
  return onCreateWindow() ? 0 : -1;
}

bool CWinFrame::onCreateWindow() { return true; }

bool CWinFrame::loadAccelerators(const char* name) {
  accelerators = LoadAcceleratorsA(getInstanceHandle(), name);
  return accelerators != nullptr;
}

int CWinFrame::createAndRun(const char* className, const char* title, DWORD style, const RECT* rect, HWND parent,
                            const char* menuName, DWORD extendedStyle) {
  int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
  if (rect) {
    x = rect->left;
    y = rect->top;
    width = rect->right - rect->left;
    height = rect->bottom - rect->top;
  }
  if (menuName) menu = loadMenu(menuName);
  HWND window = CreateWindowExA(extendedStyle, className, title, style, x, y, width, height, parent, menu,
                                getInstanceHandle(), static_cast<CWinBase*>(this));
  if (!window) return 0;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  runMessageLoop(window, accelerators);
  return 1;
}

// The messages stay 16-bit on their way, as in the system's own dialog loop:
// a typed character reaches an edit control whole, whereas an 8-bit loop
// would turn it into the keyboard's code page first and lose every character
// that code page lacks. Windows of 8-bit procedures still get 8-bit messages.
WPARAM runMessageLoop(HWND window, HACCEL accelerators) {
  MSG message;
  // GetMessageW answers -1 on an error, which must end the loop as well.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (accelerators && TranslateAcceleratorW(window, accelerators, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return message.wParam;
}

void keepWindowHeight(HWND window, MINMAXINFO* limits, int minimumWidth, int clientHeight) {
  const CDisplayScale scale = CDisplayScale::of(window);
  const RECT frame = scale.outer({0, 0, 0, scale(clientHeight)}, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)),
                                 true, static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
  const int height = frame.bottom - frame.top;
  limits->ptMinTrackSize.x = scale(minimumWidth);
  limits->ptMinTrackSize.y = limits->ptMaxTrackSize.y = limits->ptMaxSize.y = height;
}
