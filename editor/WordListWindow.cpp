#include "editor/WordListWindow.h"

#include "editor/AddWordsDialog.h"
#include "editor/ChangeWordsDialog.h"
#include "framework/win/DisplayScale.h"
#include "framework/win/WaitCursor.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"

#include <algorithm>
#include <commctrl.h>
#include <cstring>
#include <functional>
#include <unordered_set>

namespace {

enum Popup { kSortingPopup = 0, kMarkPopup = 1, kWordPopup = 2, kNoWordPopup = 3, kToolbarPopup = 4 };
enum StateImage { kUnchecked = 1, kChecked = 2 };

const DWORD kListStyles = LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
const RECT kDefaultPlace = {50, 50, 550, 380};
const int kMinimumSide = 100;
const UINT_PTR kListSubclass = 1;

// The toolbar options and the menu items that show them, bit by bit.
const UINT kToolbarOptionItems[] = {IDM_TOOLBAR_FLAT, IDM_TOOLBAR_LABELS, IDM_TOOLBAR_TIPS, IDM_TOOLBAR_LARGE};

// The system's case-insensitive, locale-aware order as byte-comparable keys,
// made once per row instead of comparing texts at every step of the sort.
// UTF-8 words are ordered by the system's 16-bit order of the user's locale,
// since the system's 8-bit one reads them in the locale's code page.
void systemSortKey(const PairWord& word, std::string* key) {
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  if (programEncoding() == TextEncoding::kUtf8) {
    std::wstring units = utf16Of(std::string(word.c_str(), word.length()));
    int size = LCMapStringW(LOCALE_USER_DEFAULT, flags, units.c_str(), static_cast<int>(units.size()), nullptr, 0);
    key->assign(size > 0 ? size : 0, '\0');
    if (size > 0)
      LCMapStringW(LOCALE_USER_DEFAULT, flags, units.c_str(), static_cast<int>(units.size()),
                   reinterpret_cast<wchar_t*>(&(*key)[0]), size);
    if (!key->empty()) key->pop_back();
    return;
  }
  int length = static_cast<int>(word.length());
  char small[256];
  int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, word.c_str(), length, small, sizeof small);
  if (size > 0) {
    key->assign(small, size - 1);
    return;
  }
  size = LCMapStringA(LOCALE_USER_DEFAULT, flags, word.c_str(), length, nullptr, 0);
  key->assign(size > 0 ? size : 0, '\0');
  if (size > 0) LCMapStringA(LOCALE_USER_DEFAULT, flags, word.c_str(), length, &(*key)[0], size);
  if (!key->empty()) key->pop_back();
}

// Copies as much of word as buffer (size bytes, size > 0) holds with its
// ending 0, cut between characters.
void copyShown(const PairWord& word, char* buffer, int size) {
  size_t room = static_cast<size_t>(size) - 1, count = word.length() <= room ? word.length() : room;
  if (count < word.length() && programEncoding() == TextEncoding::kUtf8) {
    std::string text(word.c_str(), word.length());
    size_t cut = 0;
    for (size_t next = nextCharacter(text, cut); next <= count; next = nextCharacter(text, cut)) cut = next;
    count = cut;
  }
  std::memcpy(buffer, word.c_str(), count);
  buffer[count] = 0;
}

bool contains(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

}  // namespace

// The list view keeps no check of its own, so a state given to it from
// outside (LVM_SETITEMSTATE, LVM_SETITEM) checks or unchecks the row.
LRESULT CALLBACK WordListWindow::listProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
  try {
    auto* window = reinterpret_cast<WordListWindow*>(data);
    // LVITEMA and LVITEMW agree in every field read here.
    const LVITEMA* item = reinterpret_cast<const LVITEMA*>(lParam);
    if (message == LVM_SETITEMSTATE && item && (item->stateMask & LVIS_STATEIMAGEMASK))
      window->takeCheckFromState(static_cast<int>(wParam), item->state);
    else if ((message == LVM_SETITEMA || message == LVM_SETITEMW) && item && (item->mask & LVIF_STATE) &&
             item->iSubItem == 0 && (item->stateMask & LVIS_STATEIMAGEMASK))
      window->takeCheckFromState(item->iItem, item->state);
  } catch (...) {
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

void WordListWindow::takeCheckFromState(int row, UINT state) {
  UINT image = (state & LVIS_STATEIMAGEMASK) >> 12;
  if (image != kUnchecked && image != kChecked) return;
  if (row == -1) rows_.checkAll(image == kChecked);
  else if (row >= 0 && row < rows_.count()) rows_.setChecked(row, image == kChecked);
  repaintRows();
}

WordListWindow::WordListWindow(WordList& document, Settings& settings)
    : CWinDialog(IDD_WORDLIST), document_(document), settings_(settings) {}

WordListWindow::~WordListWindow() { popups_.destroy(); }

bool WordListWindow::run(HWND owner) { return runNested(owner, IDR_WORDLIST_ACCELERATORS); }

void WordListWindow::close() {
  if (find_) find_->close();
  if (hwnd) DestroyWindow(hwnd);
}

void WordListWindow::activate() {
  if (!hwnd) return;
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
}

void WordListWindow::snapshotToList() {
  if (holdsRows_) rows_.lendTo(document_);
}

void WordListWindow::releaseSnapshot() {
  if (holdsRows_) rows_.takeBack(document_);
}

LRESULT WordListWindow::onInitDialog(HWND) {
  popups_.load(MAKEINTRESOURCEA(IDR_WORDLIST_MENU));
  SetMenuDefaultItem(GetSubMenu(popups_.handle, kWordPopup), IDM_MARK_SELECTED, FALSE);
  DWORD flags;
  RECT place;
  int widths[2];
  readSettings(&flags, &place, widths);
  prepareList(widths);
  for (int bit = 0; bit < 4; ++bit)
    CheckMenuItem(popups_.handle, kToolbarOptionItems[bit], MF_BYCOMMAND | (flags & (1u << bit) ? MF_CHECKED : MF_UNCHECKED));
  buildToolBar(flags);
  MoveWindow(hwnd, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
  widenToToolBar();
  rows_.takeFrom(document_);
  holdsRows_ = true;
  showRowCount();
  nextViewer_ = SetClipboardViewer(hwnd);
  updatePasteButton();
  SetFocus(list_.hwnd);
  return FALSE;
}

void WordListWindow::readSettings(DWORD* toolbarFlags, RECT* place, int* widths) const {
  *toolbarFlags = Settings::kDefaultToolbar;
  settings_.readNumber(Settings::kWordListKey, Settings::kToolbar, toolbarFlags);
  *toolbarFlags &= WordListToolBar::kAllFlags;
  // The place and the widths are stored at 96 dots per inch.
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  INT32 stored[4] = {kDefaultPlace.left, kDefaultPlace.top, kDefaultPlace.right, kDefaultPlace.bottom};
  settings_.readBytes(Settings::kWordListKey, Settings::kPosition, stored, sizeof stored);
  *place = scale(RECT{stored[0], stored[1], stored[2], stored[3]});
  // A place that is too small or on no screen would hide the window.
  if (place->right - place->left < scale(kMinimumSide) || place->bottom - place->top < scale(kMinimumSide) ||
      !MonitorFromRect(place, MONITOR_DEFAULTTONULL))
    *place = scale(kDefaultPlace);
  INT32 columns[2] = {Settings::kDefaultColumnWidth, Settings::kDefaultColumnWidth};
  settings_.readBytes(Settings::kWordListKey, Settings::kColumnWidths, columns, sizeof columns);
  widths[0] = scale(columns[0]);
  widths[1] = scale(columns[1]);
}

void WordListWindow::writeSettings() const {
  const CDisplayScale scale = CDisplayScale::of(hwnd);
  INT32 columns[2];
  for (int column = 0; column < 2; ++column)
    columns[column] = scale.standard(list_.columnWidth(column));
  settings_.writeBytes(Settings::kWordListKey, Settings::kColumnWidths, columns, sizeof columns);
  RECT place;
  GetWindowRect(hwnd, &place);
  if (IsIconic(hwnd) || IsZoomed(hwnd)) {
    WINDOWPLACEMENT placement;
    getPlacement(&placement);
    place = placement.rcNormalPosition;
  }
  INT32 stored[4] = {scale.standard(place.left), scale.standard(place.top), scale.standard(place.right),
                     scale.standard(place.bottom)};
  settings_.writeBytes(Settings::kWordListKey, Settings::kPosition, stored, sizeof stored);
  settings_.writeNumber(Settings::kWordListKey, Settings::kToolbar, toolbarFlags());
}

// The rows' text and check boxes are asked for when the view paints them.
void WordListWindow::prepareList(const int* widths) {
  list_.attach(GetDlgItem(hwnd, IDC_WORDLIST_LIST));
  list_.setFont(scaledFont(settings_.fontHandle), false);
  list_.setExtendedStyle(kListStyles, kListStyles);
  list_.setCallbackMask(LVIS_STATEIMAGEMASK);
  SetWindowSubclass(list_.hwnd, listProcedure, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
  insertColumns(widths);
}

void WordListWindow::insertColumns(const int* widths) {
  const UINT titles[] = {QuizString::kFirstWordColumn, QuizString::kSecondWordColumn};
  for (int column = 0; column < 2; ++column)
    list_.insertColumn(column, CText::loaded(titles[column]).c_str(), widths[column]);
}

void WordListWindow::buildToolBar(DWORD flags) {
  toolbar_.build(hwnd, flags);
  updatePasteButton();
}

DWORD WordListWindow::toolbarFlags() const {
  DWORD flags = 0;
  for (int bit = 0; bit < 4; ++bit)
    if (GetMenuState(popups_.handle, kToolbarOptionItems[bit], MF_BYCOMMAND) & MF_CHECKED) flags |= 1u << bit;
  return flags;
}

void WordListWindow::toggleToolbarOption(UINT command) {
  bool on = !(GetMenuState(popups_.handle, command, MF_BYCOMMAND) & MF_CHECKED);
  CheckMenuItem(popups_.handle, command, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  if (command == IDM_TOOLBAR_FLAT) {
    toolbar_.setFlat(on);
    return;
  }
  buildToolBar(toolbarFlags());
  widenToToolBar();
  layout();
}

// Long labels (the Finnish ones) make the toolbar wider than the window's
// first place; a toolbar is not wrapped, so the window must make room.
int WordListWindow::minimumWidth() const {
  RECT frame = {0, 0, toolbar_.extent(), 0};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
  return frame.right - frame.left;
}

void WordListWindow::widenToToolBar() {
  RECT place;
  GetWindowRect(hwnd, &place);
  if (place.right - place.left >= minimumWidth()) return;
  SetWindowPos(hwnd, nullptr, 0, 0, minimumWidth(), place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT WordListWindow::defaultProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETMINMAXINFO && toolbar_.handle()) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize.x = minimumWidth();
    return TRUE;
  }
  return CWinDialog::defaultProcedure(message, wParam, lParam);
}

void WordListWindow::layout() {
  if (!list_.hwnd || !toolbar_.handle()) return;
  RECT client;
  GetClientRect(hwnd, &client);
  int top = toolbar_.fitWidth();
  list_.place(0, top, client.right, std::max(0, static_cast<int>(client.bottom) - top));
}

LRESULT WordListWindow::onSize(UINT type, int, int) {
  if (type != SIZE_MINIMIZED) layout();
  return 0;
}

LRESULT WordListWindow::onDpiChanged(int dpi, const RECT* suggested) {
  const int previous = CDisplayScale::of(hwnd).dpi;
  for (int column = 0; column < 2; ++column)
    list_.setColumnWidth(column, MulDiv(list_.columnWidth(column), dpi, previous));
  const LRESULT answer = CWinDialog::onDpiChanged(dpi, suggested);
  buildToolBar(toolbarFlags());
  widenToToolBar();
  layout();
  return answer;
}

LRESULT WordListWindow::onClose() {
  close();
  return TRUE;
}

// Whichever way the window goes, the rows go back to the document first.
LRESULT WordListWindow::onDestroy() {
  if (find_) find_->close();
  writeSettings();
  if (holdsRows_) {
    rows_.giveBack(document_);
    holdsRows_ = false;
    settings_.setModified(true);
  }
  RemoveWindowSubclass(list_.hwnd, listProcedure, kListSubclass);
  ChangeClipboardChain(hwnd, nextViewer_);
  return 0;
}

LRESULT WordListWindow::onActivate(UINT state, BOOL, HWND other) {
  if (state == WA_INACTIVE && find_ && find_->hwnd != other) {
    find_->dropTopmost();
    HWND foreground = GetForegroundWindow();
    if (foreground && foreground != hwnd) SetWindowPos(foreground, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return 0;
}

LRESULT WordListWindow::onDrawClipboard() {
  if (nextViewer_) SendMessageA(nextViewer_, WM_DRAWCLIPBOARD, 0, 0);
  updatePasteButton();
  return 0;
}

LRESULT WordListWindow::onChangeCbChain(HWND removed, HWND next) {
  if (removed == nextViewer_) nextViewer_ = next;
  else if (nextViewer_) SendMessageA(nextViewer_, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(removed), reinterpret_cast<LPARAM>(next));
  return 0;
}

LRESULT WordListWindow::onCommand(UINT id, UINT, HWND) {
  switch (id) {
    case IDM_WORDLIST_CLOSE: close(); break;
    case IDM_WORDLIST_NEW:
    case IDM_WORD_NEW: addWords(); break;
    case IDM_WORDLIST_EDIT:
    case IDM_WORD_EDIT: changeWords(); break;
    case IDM_WORDLIST_DELETE:
    case IDM_WORD_DELETE: deleteSelected(); break;
    case IDM_WORDLIST_SORT: showPopup(kSortingPopup, toolbar_.belowButton(id), TPM_LEFTBUTTON); break;
    case IDM_WORDLIST_MARK: showPopup(kMarkPopup, toolbar_.belowButton(id), TPM_LEFTBUTTON); break;
    case IDM_WORDLIST_COPY:
    case IDM_WORD_COPY: copy(false); break;
    case IDM_WORDLIST_CUT:
    case IDM_WORD_CUT: copy(true); break;
    case IDM_WORDLIST_PASTE:
    case IDM_WORD_PASTE: paste(); break;
    case IDM_WORDLIST_FIND:
    case IDM_WORD_FIND: find(); break;
    case IDM_SORT_FIRST_WORD: sortBy(WordRows::kFirstWord); break;
    case IDM_SORT_SECOND_WORD: sortBy(WordRows::kSecondWord); break;
    case IDM_SORT_ASCENDING:
    case IDM_SORT_DESCENDING: setDescending(id == IDM_SORT_DESCENDING); break;
    case IDM_MOVE_UP:
    case IDM_MOVE_DOWN: move(id == IDM_MOVE_UP); break;
    case IDM_MARK_ALL:
    case IDM_MARK_NONE:
    case IDM_INVERT_MARKING: markAll(id); break;
    case IDM_MARK_SELECTED: markSelected(); break;
    case IDM_CHANGE_ORDER: changeOrder(); break;
    case IDM_TOOLBAR_FLAT:
    case IDM_TOOLBAR_LABELS:
    case IDM_TOOLBAR_TIPS:
    case IDM_TOOLBAR_LARGE: toggleToolbarOption(id); break;
  }
  return 0;
}

void WordListWindow::sortBy(WordRows::Column column) {
  CWaitCursor wait;
  keepSelectionAcross([&] { rows_.sort(column, descending_, systemSortKey); });
  repaintRows();
}

// Selection and focus stay with the same pairs while reorder moves them.
void WordListWindow::keepSelectionAcross(const std::function<void()>& reorder) {
  std::unordered_set<const WordPair*> selected;
  for (int row : selectedRows()) selected.insert(&rows_.at(row));
  int focused = list_.focusedItem();
  const WordPair* focusedPair = focused >= 0 && focused < rows_.count() ? &rows_.at(focused) : nullptr;
  reorder();
  std::vector<int> again;
  int focusedAgain = -1;
  for (int row = 0; row < rows_.count(); ++row) {
    if (selected.count(&rows_.at(row))) again.push_back(row);
    if (&rows_.at(row) == focusedPair) focusedAgain = row;
  }
  selectOnly(again, focusedAgain);
}

void WordListWindow::setDescending(bool descending) {
  descending_ = descending;
  CheckMenuItem(popups_.handle, IDM_SORT_ASCENDING, MF_BYCOMMAND | (descending ? MF_UNCHECKED : MF_CHECKED));
  CheckMenuItem(popups_.handle, IDM_SORT_DESCENDING, MF_BYCOMMAND | (descending ? MF_CHECKED : MF_UNCHECKED));
}

// Selection and focus travel with the moved words; the check is the pair's.
void WordListWindow::move(bool up) {
  std::vector<int> selected = selectedRows();
  if (selected.empty()) return;
  int row = selected.front(), other = up ? row - 1 : row + 1;
  if (!(up ? rows_.moveUp(row) : rows_.moveDown(row))) return;
  const UINT mask = LVIS_SELECTED | LVIS_FOCUSED;
  UINT rowState = list_.getItemState(row, mask);
  UINT otherState = list_.getItemState(other, mask);
  list_.setItemState(row, otherState, mask);
  list_.setItemState(other, rowState, mask);
  list_.redrawItems(std::min(row, other), std::max(row, other));
  list_.ensureVisible(other);
}

void WordListWindow::markAll(UINT command) {
  CWaitCursor wait;
  if (command == IDM_INVERT_MARKING) rows_.invertChecks();
  else rows_.checkAll(command == IDM_MARK_ALL);
  repaintRows();
}

void WordListWindow::markSelected() {
  CWaitCursor wait;
  for (int row : selectedRows()) rows_.setChecked(row, true);
  repaintRows();
}

void WordListWindow::changeOrder() {
  CWaitCursor wait;
  for (int row : selectedRows()) rows_.swapWords(row);
  repaintRows();
}

void WordListWindow::deleteSelected() {
  CWaitCursor wait;
  std::vector<int> selected = selectedRows();
  if (selected.empty()) return;
  selectOnly({}, -1);
  rows_.remove(selected);
  showRowCount();
  if (rows_.count() > 0) list_.setItemState(std::min(selected.front(), rows_.count() - 1), LVIS_FOCUSED, LVIS_FOCUSED);
}

// A cut deletes the rows only when they reached the clipboard.
void WordListWindow::copy(bool cut) {
  CWaitCursor wait;
  if (clipboard_.copy(hwnd, rows_, selectedRows()) && cut) deleteSelected();
}

void WordListWindow::paste() {
  CWaitCursor wait;
  if (clipboard_.paste(hwnd, rows_) == 0) return;
  showRowCount();
  list_.ensureVisible(rows_.count() - 1);
}

void WordListWindow::addWords() {
  AddWordsDialog dialog(settings_, *this);
  dialog.runModal(hwnd);
}

void WordListWindow::changeWords() {
  if (rows_.count() == 0 || firstSelectedRow() < 0) return;
  ChangeWordsDialog dialog(settings_, *this);
  dialog.runModal(hwnd);
}

bool WordListWindow::appendCheckedRow(const char* firstWord, const char* secondWord) {
  if (!rows_.append(firstWord, secondWord, true)) return false;
  showRowCount();
  list_.ensureVisible(rows_.count() - 1);
  return true;
}

int WordListWindow::nextSelectedRow(int row) const {
  return list_.nextSelectedItem(row);
}

void WordListWindow::rowWords(int row, CText* firstWord, CText* secondWord) const {
  *firstWord = rows_.at(row).firstWord.c_str();
  *secondWord = rows_.at(row).secondWord.c_str();
}

bool WordListWindow::changeRowWords(int row, const char* firstWord, const char* secondWord) {
  if (!rows_.setWords(row, firstWord, secondWord)) return false;
  list_.redrawItems(row, row);
  return true;
}

void WordListWindow::find() {
  if (find_) {
    find_->activate();
    return;
  }
  FindDialog dialog(*this, settings_);
  find_ = &dialog;
  dialog.run();
  find_ = nullptr;
}

void WordListWindow::showPopup(int index, POINT at, UINT button) {
  TrackPopupMenu(GetSubMenu(popups_.handle, index), TPM_LEFTALIGN | TPM_TOPALIGN | button, at.x, at.y, 0, hwnd, nullptr);
}

LRESULT WordListWindow::onContextMenu(HWND, int x, int y) {
  POINT point = {x, y};
  if (x == -1 && y == -1) {
    // From the keyboard: at the first selected row, or at the list's corner.
    RECT row;
    int first = firstSelectedRow();
    if (first < 0 || !list_.getItemRect(first, &row, LVIR_BOUNDS)) row = RECT{0, 0, 0, 0};
    point = POINT{row.left, row.bottom};
    ClientToScreen(list_.hwnd, &point);
  }
  RECT listPlace, toolbarPlace;
  GetWindowRect(list_.hwnd, &listPlace);
  GetWindowRect(toolbar_.handle(), &toolbarPlace);
  if (inSelectedRow(point)) showPopup(kWordPopup, point, TPM_RIGHTBUTTON);
  else if (contains(listPlace, point)) showPopup(kNoWordPopup, point, TPM_RIGHTBUTTON);
  else if (contains(toolbarPlace, point)) showPopup(kToolbarPopup, point, TPM_RIGHTBUTTON);
  return 0;
}

// Only rows in view can hold the point, so only those are looked at.
bool WordListWindow::inSelectedRow(POINT screenPoint) const {
  POINT point = screenPoint;
  ScreenToClient(list_.hwnd, &point);
  int top = list_.topIndex();
  int shown = list_.countPerPage() + 1;
  for (int row = std::max(top, 0); row < std::min(top + shown, rows_.count()); ++row) {
    RECT bounds;
    if (list_.getItemState(row, LVIS_SELECTED) && list_.getItemRect(row, &bounds, LVIR_BOUNDS) &&
        contains(bounds, point))
      return true;
  }
  return false;
}

LRESULT WordListWindow::onNotify(int, NMHDR* header) {
  if (header->hwndFrom != list_.hwnd) return answerToolBar(header);
  switch (header->code) {
    case LVN_GETDISPINFOA: return answerDisplayInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW: return notifyResult(-1);
    case LVN_COLUMNCLICK:
      sortBy(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem == 0 ? WordRows::kFirstWord : WordRows::kSecondWord);
      setDescending(!descending_);
      return 0;
    case NM_CLICK: {
      UINT flags;
      int row = list_.hitTest(reinterpret_cast<NMITEMACTIVATE*>(header)->ptAction, &flags);
      if (flags & LVHT_ONITEMSTATEICON) toggleCheck(row);
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_SPACE)
        toggleCheck(list_.focusedItem());
      return 0;
    case NM_DBLCLK: markSelected(); return 0;
    default: return 0;
  }
}

// The view asks for a check box's state but does not change it on a click or
// the space bar when its rows are given on demand; the window does.
void WordListWindow::toggleCheck(int row) {
  if (row < 0 || row >= rows_.count()) return;
  rows_.setChecked(row, !rows_.checked(row));
  list_.redrawItems(row, row);
}

LRESULT WordListWindow::answerDisplayInfo(NMLVDISPINFOA* info) const {
  LVITEMA& item = info->item;
  if (item.iItem < 0 || item.iItem >= rows_.count()) return 0;
  const WordPair& pair = rows_.at(item.iItem);
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
    copyShown(item.iSubItem == 0 ? pair.firstWord : pair.secondWord, item.pszText, item.cchTextMax);
  if (item.mask & LVIF_STATE) {
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(pair.marked() ? kChecked : kUnchecked);
    item.stateMask |= LVIS_STATEIMAGEMASK;
  }
  return 0;
}

LRESULT WordListWindow::answerToolBar(NMHDR* header) {
  switch (header->code) {
    case TTN_GETDISPINFOA: {
      auto* tip = reinterpret_cast<NMTTDISPINFOA*>(header);
      tip->hinst = resourceModule();
      tip->lpszText = MAKEINTRESOURCEA(header->idFrom);
      return 0;
    }
    case TTN_GETDISPINFOW: {
      auto* tip = reinterpret_cast<NMTTDISPINFOW*>(header);
      tip->hinst = resourceModule();
      tip->lpszText = MAKEINTRESOURCEW(header->idFrom);
      return 0;
    }
    case TBN_QUERYDELETE:
      return notifyResult(reinterpret_cast<NMTOOLBARA*>(header)->tbButton.idCommand != IDM_WORDLIST_CLOSE);
    case TBN_QUERYINSERT: return notifyResult(FALSE);
    case TBN_CUSTHELP: messageBox(QuizString::kNoHelpFile, QuizString::kErrorCaption, MB_OK | MB_ICONERROR); return 0;
    default: return 0;
  }
}

int WordListWindow::firstSelectedRow() const {
  return list_.nextSelectedItem(-1);
}

void WordListWindow::showFoundRow(int row) {
  selectOnly({row}, row);
  list_.ensureVisible(row);
}

std::vector<int> WordListWindow::selectedRows() const {
  std::vector<int> rows;
  rows.reserve(std::max(list_.selectedCount(), 0));
  for (int row = firstSelectedRow(); row >= 0 && row < rows_.count(); row = nextSelectedRow(row)) rows.push_back(row);
  return rows;
}

// Takes selection and focus from every row, then gives them to rows and to
// focused (-1: none). Redrawing waits until the end.
void WordListWindow::selectOnly(const std::vector<int>& rows, int focused) {
  list_.setRedraw(false);
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  for (int row : selectedRows()) list_.setItemState(row, 0, both);
  int oldFocus = list_.focusedItem();
  if (oldFocus >= 0) list_.setItemState(oldFocus, 0, both);
  for (int row : rows) list_.setItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  if (focused >= 0) {
    list_.setItemState(focused, LVIS_FOCUSED, LVIS_FOCUSED);
    list_.setSelectionMark(focused);
  }
  list_.setRedraw(true);
}

void WordListWindow::showRowCount() {
  list_.setItemCount(rows_.count(), LVSICF_NOSCROLL);
  repaintRows();
}

void WordListWindow::repaintRows() { InvalidateRect(list_.hwnd, nullptr, TRUE); }

void WordListWindow::updatePasteButton() { toolbar_.enable(IDM_WORDLIST_PASTE, clipboard_.canPaste(hwnd)); }
