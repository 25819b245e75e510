#include "tests/e2e/LayoutCheck.h"

#include "tests/e2e/WindowAccess.h"

#include <commctrl.h>

#include <cstring>

namespace e2e {

namespace {

// Reads a DIALOGEX template field by field; every read past its end gives 0
// and clears ok.
struct TemplateReader {
  const BYTE* begin;
  const BYTE* at;
  const BYTE* end;
  bool ok = true;

  DWORD number(DWORD size) {
    DWORD value = 0;
    ok = ok && static_cast<DWORD>(end - at) >= size;
    for (DWORD i = 0; ok && i < size; ++i) value |= static_cast<DWORD>(*at++) << (8 * i);
    return value;
  }
  void skip(DWORD size) {
    ok = ok && static_cast<DWORD>(end - at) >= size;
    if (ok) at += size;
  }
  // A text (its characters below 128) or an ordinal (empty).
  std::string name() {
    std::string text;
    WORD first = static_cast<WORD>(number(2));
    if (first == 0xFFFF) {
      number(2);
      return text;
    }
    for (WORD c = first; c != 0 && ok; c = static_cast<WORD>(number(2)))
      text.push_back(static_cast<char>(c < 128 ? c : '?'));
    return text;
  }
};

// The font and control ids of a DIALOGEX template, the font as the dialog
// manager makes it at dpi.
bool readTemplate(const BYTE* data, DWORD size, int dpi, LOGFONTA* font, std::set<int>* ids) {
  TemplateReader reader{data, data, data + size};
  if (reader.number(4) != 0xFFFF0001) return false;
  reader.skip(8);
  const DWORD style = reader.number(4);
  const int count = static_cast<int>(reader.number(2));
  reader.skip(8);
  for (int text = 0; text < 3; ++text) reader.name();
  if (!(style & DS_SETFONT)) return false;
  *font = LOGFONTA{};
  font->lfHeight = -MulDiv(static_cast<int>(reader.number(2)), dpi, 72);
  font->lfWeight = static_cast<LONG>(reader.number(2));
  font->lfItalic = static_cast<BYTE>(reader.number(1));
  reader.skip(1);
  font->lfCharSet = DEFAULT_CHARSET;
  std::strncpy(font->lfFaceName, reader.name().c_str(), LF_FACESIZE - 1);
  for (int i = 0; i < count && reader.ok; ++i) {
    reader.skip((4 - (reader.at - reader.begin) % 4) % 4);
    reader.skip(20);
    ids->insert(static_cast<int>(reader.number(4)));
    reader.name();
    reader.name();
    reader.skip(reader.number(2));
  }
  return reader.ok;
}

BOOL CALLBACK collectTemplate(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR parameter) {
  auto* found = reinterpret_cast<std::vector<std::pair<const BYTE*, DWORD>>*>(parameter);
  HRSRC resource = FindResourceA(module, name, type);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  if (loaded) found->push_back({static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, resource)});
  return TRUE;
}

int screenDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

LOGFONTA objectFont(int stockObject) {
  LOGFONTA font = {};
  GetObjectA(GetStockObject(stockObject), sizeof font, &font);
  return font;
}

LOGFONTA messageFont() {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont;
}

bool visible(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// Where control is in its parent's client co-ordinates.
RECT placeInParent(HWND control) {
  RECT place = {};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

std::string describe(HWND control) {
  return className(control) + " " + std::to_string(GetDlgCtrlID(control)) + " \"" + text(control) + "\"";
}

std::string show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

bool isDialog(HWND window) { return className(window) == "#32770"; }

// Controls that may lie over others by their nature, and statics that show
// nothing (no text, no image).
bool mayOverlap(HWND control) {
  const std::string name = className(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (name == "Button") return (style & BS_TYPEMASK) == BS_GROUPBOX;
  if (name == "Static") {
    const LONG type = style & SS_TYPEMASK;
    if (type == SS_ICON) return sendNumbers(control, STM_GETICON, 0, 0) == 0;
    if (type == SS_BITMAP) return sendNumbers(control, STM_GETIMAGE, IMAGE_BITMAP, 0) == 0;
    return (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE &&
            type != SS_LEFTNOWORDWRAP) || text(control).empty();
  }
  return name == UPDOWN_CLASSA || name == WC_TABCONTROLA || isDialog(control);
}

// Dialog units turn into pixels one by one, rounded, so that neighbours in a
// template may share a line of pixels; more than that is an overlap.
bool overlap(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) && common.right - common.left > 1 && common.bottom - common.top > 1;
}

// The room a check box or radio button gives its text: Wine's button draws
// the box 12 pixels (at 96 dots per inch) plus one wide and a gap after it.
int boxRoom(int dpi) { return MulDiv(12, dpi, 96) + 1 + MulDiv(4, dpi, 96); }

}  // namespace

LayoutCheck::LayoutCheck(const std::string& programPath) : dpi_(screenDpi()) {
  HMODULE module = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return;
  std::vector<std::pair<const BYTE*, DWORD>> found;
  EnumResourceNamesA(module, MAKEINTRESOURCEA(5), collectTemplate, reinterpret_cast<LONG_PTR>(&found));
  for (const auto& entry : found) {
    Template dialog;
    if (readTemplate(entry.first, entry.second, dpi_, &dialog.font, &dialog.ids)) templates_.push_back(dialog);
  }
  FreeLibrary(module);
}

std::vector<std::string> LayoutCheck::faults(HWND window) const {
  std::vector<std::string> found;
  RECT outer = {}, screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetWindowRect(window, &outer);
  const bool topLevel = !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD);
  RECT common;
  if (topLevel && (!IntersectRect(&common, &outer, &screen) || !EqualRect(&common, &outer)))
    found.push_back("window " + text(window) + " " + show(outer) + " leaves the screen");
  checkChildren(window, &found);
  return found;
}

void LayoutCheck::checkChildren(HWND parent, std::vector<std::string>* faults) const {
  RECT client = {};
  GetClientRect(parent, &client);
  std::vector<HWND> shown;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (visible(child)) shown.push_back(child);
  for (size_t i = 0; i < shown.size(); ++i) {
    HWND control = shown[i];
    RECT place = placeInParent(control);
    if (place.left < 0 || place.top < 0 || place.right > client.right || place.bottom > client.bottom)
      faults->push_back(describe(control) + " " + show(place) + " leaves its parent's client area " + show(client));
    for (size_t j = i + 1; j < shown.size(); ++j) {
      if (mayOverlap(control) || mayOverlap(shown[j])) continue;
      if (overlap(place, placeInParent(shown[j])))
        faults->push_back(describe(control) + " overlaps " + describe(shown[j]));
    }
    checkText(control, faults);
    if (className(control) == TOOLBARCLASSNAMEA) checkToolBar(control, faults);
    if (isDialog(control)) checkChildren(control, faults);
  }
}

void LayoutCheck::checkText(HWND control, std::vector<std::string>* faults) const {
  const std::string name = className(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  int room = 0;
  UINT format = DT_CALCRECT | DT_SINGLELINE;
  if (name == "Static") {
    const LONG type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
      return;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  } else if (name == "Button") {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) room = 2 * MulDiv(2, dpi_, 96);
    else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ||
             type == BS_3STATE || type == BS_AUTO3STATE)
      room = boxRoom(dpi_);
    else
      return;
  } else {
    return;
  }
  const std::string caption = text(control);
  if (caption.empty()) return;
  LOGFONTA font = fontOf(control);
  HFONT made = CreateFontIndirectA(&font);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, made);
  RECT client = {};
  GetClientRect(control, &client);
  int widest = 0, lines = 0, lineHeight = 0;
  for (size_t start = 0; start <= caption.size();) {
    size_t end = caption.find('\n', start);
    if (end == std::string::npos) end = caption.size();
    std::string line = caption.substr(start, end - start);
    RECT extent = {0, 0, 0, 0};
    DrawTextA(dc, line.empty() ? " " : line.c_str(), -1, &extent, format);
    if (extent.right > widest) widest = extent.right;
    lineHeight = extent.bottom;
    ++lines;
    start = end + 1;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(made);
  // A static with room for more lines than its text has may wrap it.
  const bool singleLine = name != "Static" || client.bottom < 2 * lineHeight;
  if (!singleLine) return;
  if (widest + room > client.right || lines * lineHeight > client.bottom)
    faults->push_back(describe(control) + " needs " + std::to_string(widest + room) + " x " +
                      std::to_string(lines * lineHeight) + " in " + font.lfFaceName + " " +
                      std::to_string(font.lfHeight) + ", has " + std::to_string(client.right) + " x " +
                      std::to_string(client.bottom));
}

void LayoutCheck::checkToolBar(HWND toolbar, std::vector<std::string>* faults) const {
  RECT shown = {};
  GetClientRect(toolbar, &shown);
  RECT parent = {};
  GetClientRect(GetParent(toolbar), &parent);
  MapWindowPoints(GetParent(toolbar), toolbar, reinterpret_cast<POINT*>(&parent), 2);
  IntersectRect(&shown, &shown, &parent);
  const int count = static_cast<int>(sendNumbers(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT button = sendForRect(toolbar, TB_GETITEMRECT, i);
    if (button.left < shown.left || button.top < shown.top || button.right > shown.right ||
        button.bottom > shown.bottom)
      faults->push_back("toolbar button " + std::to_string(i) + " " + show(button) +
                        " leaves the toolbar's visible part " + show(shown));
  }
}

LOGFONTA LayoutCheck::fontOf(HWND control) const {
  HWND parent = GetParent(control);
  if (!isDialog(parent)) return objectFont(DEFAULT_GUI_FONT);
  const Template* dialog = templateOf(parent);
  if (!dialog) return messageFont();
  return dialog->ids.count(GetDlgCtrlID(control)) ? dialog->font : objectFont(DEFAULT_GUI_FONT);
}

// The template that holds most of the dialog's control ids.
const LayoutCheck::Template* LayoutCheck::templateOf(HWND dialog) const {
  std::set<int> ids;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    ids.insert(GetDlgCtrlID(child));
  const Template* best = nullptr;
  size_t bestCount = 0;
  for (const Template& candidate : templates_) {
    size_t count = 0;
    for (int id : ids) count += candidate.ids.count(id);
    if (count > bestCount || (count == bestCount && best && candidate.ids.size() < best->ids.size())) {
      best = &candidate;
      bestCount = count;
    }
  }
  return bestCount * 2 > ids.size() ? best : nullptr;
}

std::string joined(const std::vector<std::string>& faults) {
  std::string all;
  for (const std::string& fault : faults) all += "\n  " + fault;
  return all;
}

}  // namespace e2e
