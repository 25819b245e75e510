#pragma once
// RemoteListView: a list view of another process, read and changed with
// memory placed in that process. LVM_ messages carry pointers, which the
// system does not copy between processes, so the item record and the text
// buffer live in the target (VirtualAllocEx) and are written and read back
// with WriteProcessMemory and ReadProcessMemory.
#include <windows.h>

#include <commctrl.h>

#include <string>

namespace e2e {

class RemoteListView {
 public:
  explicit RemoteListView(HWND list);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  bool valid() const { return memory_ != nullptr; }
  int count() const;
  std::string text(int row, int column) const;
  // State image 2; -1 when the row cannot be read.
  int checked(int row) const;
  bool selected(int row) const;
  // Rows as "first/second" with "+" before a checked row, one space after each.
  std::string rows() const;
  // Makes row (-1: all) selected or not.
  bool select(int row, bool on) const;
  bool setChecked(int row, bool on) const;
  // The row's bounds in the list view's client co-ordinates.
  RECT bounds(int row) const;

 private:
  LRESULT sendItem(UINT message, WPARAM wParam, const LVITEMA& item) const;
  UINT state(int row, UINT mask) const;
  bool setState(int row, UINT state, UINT mask) const;

  HWND list_;
  HANDLE process_ = nullptr;
  char* memory_ = nullptr;
};

}  // namespace e2e
