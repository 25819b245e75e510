#pragma once
// CWinFileDialog: the system's explorer-style open or save dialog. The caller
// sets the fields, runs it and reads the chosen path back with getPath().
// The filter alternates display texts and patterns, each followed by "|",
// the whole ended by one more "|".
#include "framework/win/WinCommonDialog.h"

class CWinFileDialog : public CWinCommonDialog {
 public:
  // Any of the texts may be null. OFN_EXPLORER and OFN_ENABLEHOOK are added.
  CWinFileDialog(bool open, const char* defaultExtension, const char* fileName, DWORD flags, const char* filter);

  // Answers the system call's result: 0 when the user cancels. The owner is
  // disabled while the dialog runs and gets the focus back afterwards.
  BOOL run(HWND owner);
  // While open: the path the dialog shows now (empty when it has none);
  // afterwards: the file buffer.
  CText getPath() const;

  // null or empty: none.
  void setTitle(const char* title);
  void setInitialFolder(const char* folder);
  // A template of the program's module; null removes it.
  void setTemplate(const char* name);

  LRESULT onNotify(int id, NMHDR* header) override;
  // Their results answer the notification; 0 accepts.
  virtual int onShareViolation(const char* fileName);
  virtual int onFileOk();
  virtual void onInitDone();
  virtual void onSelChange();
  virtual void onFolderChange();
  virtual void onTypeChange();

  // Turns the "|" separators into NULs in place.
  static void convertFilter(char* filter);

  OPENFILENAMEA ofn;
  bool open;
  char file[MAX_PATH];
  char fileTitle[64];
  CText filter;
  CText defaultExtension;
  CText title;
  CText initialFolder;
};
