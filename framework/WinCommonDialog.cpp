#include "framework/WinCommonDialog.h"

#include <cstring>

void CWinCommonDialog::onOk() {}

void CWinCommonDialog::onCancel() {}

CWinBase* CWinCommonDialog::objectOfStructure(const void* structure) {
  const unsigned char* bytes = static_cast<const unsigned char*>(structure);
  DWORD size;
  std::memcpy(&size, bytes, sizeof size);
  int offset;
  switch (size) {
    case 36: offset = 24; break;
    case 40: case 60: offset = 28; break;
    case 66: offset = 38; break;
    case 76: case 84: offset = 64; break;
    default: return nullptr;
  }
  CWinBase* object;
  std::memcpy(&object, bytes + offset, sizeof object);
  return object;
}

UINT_PTR CALLBACK CWinCommonDialog::hookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      CWinBase* object = lParam ? objectOfStructure(reinterpret_cast<const void*>(lParam)) : nullptr;
      if (!object) return 0;
      object->hwnd = window;
      bind(window, object);
      return object->onInitDialog(reinterpret_cast<HWND>(wParam));
    }
    CWinCommonDialog* object = static_cast<CWinCommonDialog*>(fromHandle(window));
    if (!object) return 0;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
      if (LOWORD(wParam) == IDOK) object->onOk();
      else object->onCancel();
      return 0;
    }
    return windowProcedure(window, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}
