#pragma once
// SettingsDialog: the Settings dialog (template 1211), a modal dialog with a
// tab control over three page dialogs made as modeless children: General,
// Paths and Colors. OK applies the pages in that order, writes the settings
// to the registry and closes, unless the General page refuses its autosave
// period; Cancel, Esc and the close box apply nothing. Either way the caller
// reads the settings again.
#include "framework/win/WinControl.h"
#include "dialogs/ColorsPage.h"
#include "dialogs/GeneralPage.h"
#include "dialogs/PathsPage.h"

#include <memory>

class SettingsDialog : public CWinDialog {
 public:
  // Borrows settings for the dialog's life; the pages share it.
  explicit SettingsDialog(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onNotify(int id, NMHDR* header) override;
  LRESULT onDestroy() override;

 private:
  enum { kPageCount = 3 };

  CWinDialog& page(int index);
  void addTab(int index, UINT titleId);
  void createPage(CWinDialog& page);
  void showPage(int index);
  void accept();

  Settings& settings_;
  GeneralPage general_;
  PathsPage paths_;
  ColorsPage colors_;
  std::unique_ptr<CWinControl> tabs_;
  WORD visiblePage_ = 0;
};
