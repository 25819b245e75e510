#pragma once
// CharacterDialog: the Character dialog (template 13014), a table of the
// characters of one script in the program's display font, for the characters
// the keyboard lacks. The script is chosen from a list (editor/
// CharacterScripts.h), the code page's own characters 32 to 255 first; the
// last choice is kept in the registry. It runs as a modal dialog without an owner
// window, so that the window it serves stays usable, and reaches that window
// only through its callback and context. A click on the cell that the
// previous click chose, or a double click, hands the cell's character over;
// a click on another cell only chooses it.
#include "editor/model/CharacterScripts.h"
#include "framework/win/WinDialog.h"

#include <vector>

class Settings;

class CharacterDialog : public CWinDialog {
 public:
  // The callback's messages.
  enum Message : UINT {
    kInitialised = 1,  // argument 0
    kClosing = 2,      // argument 0; the system close goes ahead only on a non-zero answer
    kCommand = 3,      // argument: notification code * 65536 + control id of any other command
    kChosen = 4,       // argument: the character code (see characterText())
  };
  using Callback = LRESULT (*)(void* context, UINT message, LPARAM argument);

  // Borrows settings (the display font) and owner (the window served, below
  // which the dialog opens) for the dialog's life.
  CharacterDialog(const Settings& settings, HWND owner, Callback callback, void* context);

  // Runs the dialog until it closes.
  void run();
  void activate();
  // Ends the dialog from outside; run() returns when control comes back to
  // its loop.
  void close();
  // The window served became inactive and other active: the dialog leaves
  // the topmost windows and other is brought to the top.
  void ownerDeactivated(HWND other);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;
  LRESULT onClose() override;
  LRESULT onActivate(UINT state, BOOL minimized, HWND other) override;
  LRESULT onDrawItem(UINT id, DRAWITEMSTRUCT* item) override;
  LRESULT onDpiChanged(int dpi, const RECT* suggested) override;

 private:
  enum Colour { kWindow, kWindowText, kHighlight, kHighlightText, kColourCount };

  void readColours();
  void placeBelowOwner();
  void fillScripts();
  void chooseScript(int index);
  void measureCells();
  void fillCells();
  void clickCell(int index, bool doubleClick);
  // Hands each click on a cell, once the list box has handled it, to
  // clickCell().
  static LRESULT CALLBACK cellsProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

  const Settings& settings_;
  HWND owner_;
  Callback callback_;
  void* context_;
  HFONT font_;
  std::vector<CharacterScript> scripts_;
  int script_ = 0;  // index into scripts_
  COLORREF colours_[kColourCount] = {};
  int lastSelected_ = -1;
  bool choseOnDown_ = false;  // the click that began a double click chose its cell
  WNDPROC cellsDefault_ = nullptr;
};
