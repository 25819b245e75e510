#pragma once
// FindDialog: searches the rows of the word list window for a text in either
// word and selects the row it finds. It runs as a modal dialog without an
// owner window, so that the word list window stays usable meanwhile, and
// keeps its options, place and last ten texts in the registry.
#include "editor/model/FindHistory.h"
#include "editor/model/WordRows.h"
#include "framework/win/WinDialog.h"
#include "quiz/drill/Settings.h"

// What the Find dialog needs of the window whose rows it searches.
class FindTarget {
 public:
  virtual ~FindTarget() = default;
  virtual const WordRows& rows() const = 0;
  virtual int firstSelectedRow() const = 0;  // -1 when no row is selected
  // Makes row the only selected and the focused row, scrolled into view.
  virtual void showFoundRow(int row) = 0;
  virtual HWND window() const = 0;
};

class FindDialog : public CWinDialog {
 public:
  // Borrows target and settings for the dialog's life.
  FindDialog(FindTarget& target, const Settings& settings);

  // Runs the dialog until it is closed.
  void run();
  // Ends the dialog, as its Cancel button does.
  void close();
  void activate();
  // Gives up the topmost place, as when the dialog becomes inactive.
  void dropTopmost();

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onDestroy() override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;

 private:
  void readOptions();
  void readHistory();
  void showHistory(const char* text);
  void findNext();
  unsigned flags() const;
  void writeSettings() const;
  void focusText();

  FindTarget& target_;
  const Settings& settings_;
  FindHistory history_;
};
