#include "framework/win/WinCommonDialog.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

void CWinCommonDialog::onOk() {}

void CWinCommonDialog::onCancel() {}

namespace {

// Each structure whose hook binds an object: its size, which tells it apart,
// and where its customisation field lies. The 32-bit sizes are the classic
// ones; the 64-bit build lays the same structures out with wider pointers.
struct HookedStructure {
  DWORD size;
  size_t dataOffset;
};

// OPENFILENAME_SIZE_VERSION_400A, as a constant the compiler can check.
constexpr DWORD kOpenFileName400Size = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);

const HookedStructure kHookedStructures[] = {
    {sizeof(CHOOSECOLORA), offsetof(CHOOSECOLORA, lCustData)},
    {sizeof(FINDREPLACEA), offsetof(FINDREPLACEA, lCustData)},
    {sizeof(CHOOSEFONTA), offsetof(CHOOSEFONTA, lCustData)},
    {sizeof(PRINTDLGA), offsetof(PRINTDLGA, lCustData)},
    {kOpenFileName400Size, offsetof(OPENFILENAMEA, lCustData)},
    {sizeof(PAGESETUPDLGA), offsetof(PAGESETUPDLGA, lCustData)},
};

#ifndef _WIN64
static_assert(sizeof(CHOOSECOLORA) == 36 && offsetof(CHOOSECOLORA, lCustData) == 24, "colour");
static_assert(sizeof(FINDREPLACEA) == 40 && offsetof(FINDREPLACEA, lCustData) == 28, "find/replace");
static_assert(sizeof(CHOOSEFONTA) == 60 && offsetof(CHOOSEFONTA, lCustData) == 28, "font");
static_assert(sizeof(PRINTDLGA) == 66 && offsetof(PRINTDLGA, lCustData) == 38, "print");
static_assert(kOpenFileName400Size == 76 && offsetof(OPENFILENAMEA, lCustData) == 64, "open/save");
static_assert(sizeof(PAGESETUPDLGA) == 84 && offsetof(PAGESETUPDLGA, lCustData) == 64, "page setup");
#endif

}  // namespace

CWinBase* CWinCommonDialog::objectOfStructure(const void* structure) {
  const unsigned char* bytes = static_cast<const unsigned char*>(structure);
  DWORD size;
  std::memcpy(&size, bytes, sizeof size);
  for (const HookedStructure& hooked : kHookedStructures) {
    if (hooked.size != size) continue;
    CWinBase* object;
    std::memcpy(&object, bytes + hooked.dataOffset, sizeof object);
    return object;
  }
  return nullptr;
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
