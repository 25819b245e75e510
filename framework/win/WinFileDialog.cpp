#include "framework/win/WinFileDialog.h"

#include "framework/core/StringFunctions.h"
#include "framework/win/WinApp.h"

#include <cstring>

namespace {

const char* textOrNull(const CText& text) { return text.empty() ? nullptr : text.c_str(); }

LRESULT answer(HWND window, LRESULT result) {
  // The file dialog reads the answer of its hook from the message result.
  SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
  return result;
}

}  // namespace

CWinFileDialog::CWinFileDialog(bool open, const char* defaultExtension, const char* fileName, DWORD flags,
                               const char* filter)
    : ofn(), open(open), file(), fileTitle(), filter(filter), defaultExtension(defaultExtension) {
  if (fileName) copyBounded(file, fileName, MAX_PATH - 1);
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hInstance = getInstanceHandle();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrFileTitle = fileTitle;
  ofn.nMaxFileTitle = sizeof fileTitle;
  ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLEHOOK;
  ofn.lCustData = customData();
  ofn.lpfnHook = hookProcedure;
}

void CWinFileDialog::convertFilter(char* filter) {
  for (int i = static_cast<int>(std::strlen(filter)) - 1; i >= 0; --i) {
    if (filter[i] == '|') filter[i] = '\0';
  }
}

BOOL CWinFileDialog::run(HWND owner) {
  if (!filter.empty()) convertFilter(filter.getBuffer(-1, true));
  ofn.lpstrFilter = textOrNull(filter);
  ofn.lpstrDefExt = textOrNull(defaultExtension);
  ofn.lpstrTitle = textOrNull(title);
  ofn.lpstrInitialDir = textOrNull(initialFolder);
  ofn.hwndOwner = owner;
  EnableWindow(owner, FALSE);
  BOOL result = open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
  hwnd = nullptr;
  EnableWindow(owner, TRUE);
  SetFocus(owner);
  return result;
}

CText CWinFileDialog::getPath() const {
  if (!hwnd) return CText(file);
  HWND dialog = GetParent(hwnd);
  char buffer[MAX_PATH];
  if (SendMessageA(dialog, CDM_GETSPEC, MAX_PATH, reinterpret_cast<LPARAM>(buffer)) <= 0) return CText();
  if (SendMessageA(dialog, CDM_GETFILEPATH, MAX_PATH, reinterpret_cast<LPARAM>(buffer)) <= 0) return CText();
  return CText(buffer);
}

void CWinFileDialog::setTitle(const char* text) { title = text; }

void CWinFileDialog::setInitialFolder(const char* folder) { initialFolder = folder; }

void CWinFileDialog::setTemplate(const char* name) {
  ofn.lpTemplateName = name;
  if (name) ofn.Flags |= OFN_ENABLETEMPLATE;
  else ofn.Flags &= ~OFN_ENABLETEMPLATE;
}

LRESULT CWinFileDialog::onNotify(int id, NMHDR* header) {
  if (CWinCommonDialog::onNotify(id, header)) return 1;
  switch (header->code) {
    case CDN_INITDONE: onInitDone(); return 0;
    case CDN_SELCHANGE: onSelChange(); return 0;
    case CDN_FOLDERCHANGE: onFolderChange(); return 0;
    case CDN_TYPECHANGE: onTypeChange(); return 0;
    case CDN_SHAREVIOLATION:
      return answer(hwnd, onShareViolation(reinterpret_cast<OFNOTIFYA*>(header)->pszFile));
    case CDN_FILEOK: return answer(hwnd, onFileOk());
    default: return 0;
  }
}

int CWinFileDialog::onShareViolation(const char* fileName) { return 0; }
int CWinFileDialog::onFileOk() { return 0; }
void CWinFileDialog::onInitDone() {}
void CWinFileDialog::onSelChange() {}
void CWinFileDialog::onFolderChange() {}
void CWinFileDialog::onTypeChange() {}
