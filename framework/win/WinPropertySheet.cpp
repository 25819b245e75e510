#include "framework/win/WinPropertySheet.h"

#include "framework/win/WinApp.h"

#include <cstring>

CWinPropertySheet::CWinPropertySheet(const char* caption, HWND owner, UINT startPage)
    : header(), caption(caption), owner(owner) {
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.hInstance = getInstanceHandle();
  header.pszCaption = this->caption.c_str();
  header.nStartPage = startPage;
  pages.reserve(2);
}

void CWinPropertySheet::addPage(CWinPropertyPage* page) { pages.push_back(page); }

INT_PTR CWinPropertySheet::run() {
  const size_t size = PROPSHEETPAGEA_V2_SIZE;
  descriptions.assign(pages.size() * size, 0);
  for (size_t i = 0; i < pages.size(); ++i) std::memcpy(&descriptions[i * size], &pages[i]->page, size);
  header.nPages = static_cast<UINT>(pages.size());
  header.hwndParent = owner;
  header.ppsp = reinterpret_cast<const PROPSHEETPAGEA*>(descriptions.data());
  return PropertySheetA(&header);
}
