#include "tests/e2e/RemoteListView.h"

#include "tests/e2e/WindowAccess.h"

#include <commctrl.h>

namespace e2e {
namespace {

const SIZE_T kMemorySize = 4096;
const SIZE_T kTextOffset = 512;
const int kTextLimit = 1024;

}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process_)
    memory_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kMemorySize, MEM_COMMIT, PAGE_READWRITE));
}

RemoteListView::~RemoteListView() {
  if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

int RemoteListView::count() const { return static_cast<int>(sendNumbers(list_, LVM_GETITEMCOUNT, 0, 0, -1)); }

LRESULT RemoteListView::sendItem(UINT message, WPARAM wParam, const LVITEMA& item) const {
  if (!memory_ || !WriteProcessMemory(process_, memory_, &item, sizeof item, nullptr)) return 0;
  return sendNumbers(list_, message, wParam, reinterpret_cast<LPARAM>(memory_));
}

std::string RemoteListView::text(int row, int column) const {
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = memory_ + kTextOffset;
  item.cchTextMax = kTextLimit;
  LRESULT length = sendItem(LVM_GETITEMTEXTA, row, item);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  if (!ReadProcessMemory(process_, memory_ + kTextOffset, &text[0], text.size(), nullptr)) return std::string();
  return text;
}

UINT RemoteListView::state(int row, UINT mask) const {
  return static_cast<UINT>(sendNumbers(list_, LVM_GETITEMSTATE, row, mask));
}

int RemoteListView::checked(int row) const {
  if (row < 0 || row >= count()) return -1;
  return (state(row, LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0;
}

bool RemoteListView::selected(int row) const { return (state(row, LVIS_SELECTED) & LVIS_SELECTED) != 0; }

std::string RemoteListView::rows() const {
  std::string shown;
  for (int row = 0; row < count(); ++row)
    shown += (checked(row) == 1 ? "+" : "") + text(row, 0) + "/" + text(row, 1) + " ";
  return shown;
}

bool RemoteListView::setState(int row, UINT state, UINT mask) const {
  LVITEMA item = {};
  item.state = state;
  item.stateMask = mask;
  return sendItem(LVM_SETITEMSTATE, static_cast<WPARAM>(row), item) != 0;
}

bool RemoteListView::select(int row, bool on) const {
  return setState(row, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

bool RemoteListView::setChecked(int row, bool on) const {
  return setState(row, INDEXTOSTATEIMAGEMASK(on ? 2 : 1), LVIS_STATEIMAGEMASK);
}

RECT RemoteListView::bounds(int row) const {
  return sendForRect(list_, LVM_GETITEMRECT, row, RECT{LVIR_BOUNDS, 0, 0, 0});
}

}  // namespace e2e
