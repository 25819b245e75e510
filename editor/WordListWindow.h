#pragma once
// WordListWindow: where the learner edits the open word list. While it is
// open it holds the list's pairs as rows (WordRows) in a list view that asks
// for their text and check boxes when it paints; closing gives them back to
// the list in display order and marks the list changed. It runs its own
// message loop with accelerator table 1003, nested in the main window's
// command, and keeps its column widths, place and toolbar options in the
// registry. The header texts of the list stay where they are.
#include "editor/FindDialog.h"
#include "editor/RowClipboard.h"
#include "editor/WordListToolBar.h"
#include "editor/WordRowEditor.h"
#include "editor/model/WordRows.h"
#include "framework/win/WinListView.h"
#include "framework/win/WinMenu.h"
#include "quiz/drill/Settings.h"
#include "wordlist/WordList.h"

#include <commctrl.h>
#include <functional>
#include <vector>

class WordListWindow : public CWinDialog, private FindTarget, private WordRowEditor {
 public:
  // Borrows document and settings while the window is open.
  WordListWindow(WordList& document, Settings& settings);
  ~WordListWindow() override;

  // Opens the window owned by owner and runs it until it is closed. False
  // when it could not be opened (the document is then unchanged).
  bool run(HWND owner);
  // Closes the Find dialog and the window; the rows go back to the document.
  void close();
  void activate();

  // For the autosave: the document gets the rows in display order, marked
  // as checked; releaseSnapshot() takes them back after the write.
  void snapshotToList();
  void releaseSnapshot();

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onNotify(int id, NMHDR* header) override;
  LRESULT onContextMenu(HWND window, int x, int y) override;
  LRESULT onSize(UINT type, int width, int height) override;
  // The columns grow with the scale; the toolbar is made anew with the images
  // nearest to the new scale.
  LRESULT onDpiChanged(int dpi, const RECT* suggested) override;
  LRESULT onClose() override;
  LRESULT onDestroy() override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;
  LRESULT onDrawClipboard() override;
  LRESULT onChangeCbChain(HWND removed, HWND next) override;
  // The window is never narrower than its toolbar (WM_GETMINMAXINFO).
  LRESULT defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // FindTarget
  const WordRows& rows() const override { return rows_; }
  int firstSelectedRow() const override;
  void showFoundRow(int row) override;
  HWND window() const override { return hwnd; }

  // WordRowEditor, for the Add Words and Change Words dialogs
  bool appendCheckedRow(const char* firstWord, const char* secondWord) override;
  int nextSelectedRow(int row) const override;
  void rowWords(int row, CText* firstWord, CText* secondWord) const override;
  bool changeRowWords(int row, const char* firstWord, const char* secondWord) override;

  void addWords();
  void changeWords();
  void readSettings(DWORD* toolbarFlags, RECT* place, int* widths) const;
  void writeSettings() const;
  void prepareList(const int* widths);
  void insertColumns(const int* widths);
  void buildToolBar(DWORD flags);
  DWORD toolbarFlags() const;
  void toggleToolbarOption(UINT command);
  // The outer width that shows every toolbar button, labels and all.
  int minimumWidth() const;
  // Widens the window when its toolbar has outgrown it.
  void widenToToolBar();
  void layout();

  void sortBy(WordRows::Column column);
  void keepSelectionAcross(const std::function<void()>& reorder);
  void setDescending(bool descending);
  void move(bool up);
  // Mark All, Mark None or Invert Marking.
  void markAll(UINT command);
  void markSelected();
  void changeOrder();
  void deleteSelected();
  void copy(bool cut);
  void paste();
  void find();
  void showPopup(int index, POINT at, UINT button);
  bool inSelectedRow(POINT screenPoint) const;

  LRESULT answerDisplayInfo(NMLVDISPINFOA* info) const;
  LRESULT answerToolBar(NMHDR* header);
  void toggleCheck(int row);
  void takeCheckFromState(int row, UINT state);
  static LRESULT CALLBACK listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data);

  std::vector<int> selectedRows() const;
  void selectOnly(const std::vector<int>& rows, int focused);
  void showRowCount();
  void repaintRows();
  void updatePasteButton();

  WordList& document_;
  Settings& settings_;
  WordRows rows_;
  RowClipboard clipboard_;
  WordListToolBar toolbar_;
  CWinMenu popups_;
  CWinListView list_;
  HWND nextViewer_ = nullptr;
  bool descending_ = false;
  bool holdsRows_ = false;
  FindDialog* find_ = nullptr;
};
