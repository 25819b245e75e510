#pragma once
// WordListToolBar: the word list window's toolbar (child id 1069), built for
// the options in its flags: thirteen buttons with images from the toolbar
// bitmaps, labels from string 30103 and tool tips that the window answers
// from the strings with the buttons' ids. It owns its image lists; the
// toolbar window belongs to the parent and goes with it.
#include "framework/win/WinImageList.h"
#include "framework/win/WinToolBar.h"

class WordListToolBar {
 public:
  // Option bits, as stored in the registry value "Toolbar".
  enum Flags : DWORD { kFlat = 1, kLabels = 2, kToolTips = 4, kLarge = 8, kAllFlags = 15 };

  // Destroys the previous toolbar and makes one on parent for flags. False
  // when it cannot be made.
  bool build(HWND parent, DWORD flags);
  // Changes only the flat style of the toolbar there is, and repaints it.
  void setFlat(bool on);
  void enable(UINT command, bool on);
  // The lower left corner of a button in screen co-ordinates.
  POINT belowButton(UINT command) const;
  // Lets the toolbar fit itself to the parent's width; answers its height.
  int fitWidth();
  // The parent's client width that shows every button: the right edge of the
  // last one (the toolbar stands at the parent's left edge). 0 without a
  // toolbar.
  int extent() const;

  HWND handle() const { return bar_.hwnd; }

 private:
  void addLabels();
  void addButtons(bool labels);

  CWinToolBar bar_;
  CWinImageList images_;
  CWinImageList disabledImages_;
};
