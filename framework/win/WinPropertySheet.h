#pragma once
// CWinPropertySheet: the system's property sheet (or wizard, with PSH_WIZARD
// added to header.dwFlags before run()) over CWinPropertyPage objects. The
// pages are not owned and must outlive run().
#include "framework/win/WinPropertyPage.h"

#include <vector>

class CWinPropertySheet : public CWinBase {
 public:
  CWinPropertySheet(const char* caption, HWND owner, UINT startPage);

  void addPage(CWinPropertyPage* page);
  // Answers PropertySheetA's result.
  INT_PTR run();

  PROPSHEETHEADERA header;
  CText caption;
  HWND owner;
  std::vector<CWinPropertyPage*> pages;

 private:
  std::vector<unsigned char> descriptions;
};
