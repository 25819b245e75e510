#pragma once
// ComponentList: the owner-drawn check list of components (control 1010) on
// the components page and in the Details dialog, with its Details button
// (1009). Each item refers to a Selection and shows its check mark, title and
// cached size. One item is highlighted; a click on another item only moves
// the highlight, a click on the highlighted item or a double-click on any
// item toggles it. The toggling itself, with its sizes, is the caller's.
#include "framework/core/Win32.h"

#include <vector>

class SizeText;
struct Selection;

class ComponentList {
 public:
  explicit ComponentList(const SizeText& sizes);
  ComponentList(const ComponentList&) = delete;
  ComponentList& operator=(const ComponentList&) = delete;
  ~ComponentList();

  // Fills the list of dialog with selections, which must outlive the list;
  // hides Details and widens the list when no item has sub-selections (down
  // to the control below it at most), and highlights the first item.
  void fill(HWND dialog, std::vector<Selection>& selections);
  void measure(HWND dialog, MEASUREITEMSTRUCT* item) const;
  void draw(const DRAWITEMSTRUCT* item) const;
  // A notification of the list: answers the selection that a click
  // (LBN_SELCHANGE) or double-click (LBN_DBLCLK) toggles, or null when it
  // only moved the highlight or was another notification.
  Selection* clicked(UINT code);
  // Redraws the items after a toggle.
  void redraw() const;
  // The highlighted item's selection, or null for an empty list.
  Selection* highlighted() const;

 private:
  void highlight(int index);
  HBITMAP markOf(unsigned char state) const;

  const SizeText& sizes_;
  HWND list_ = nullptr;
  HWND details_ = nullptr;
  std::vector<Selection*> items_;
  int highlighted_ = 0;
  bool clickToggled_ = false;  // the first click of a double-click toggled already
  HBITMAP chosen_, required_, partlyChosen_;
};
