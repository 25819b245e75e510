#include "tests/e2e/LayoutCheck.h"

#include "tests/e2e/WindowAccess.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace e2e {

namespace {

// Reads a DIALOGEX template field by field; past its end every read gives 0
// and ok() turns false.
struct TemplateReader {
  const BYTE* data;
  size_t size;
  size_t at = 0;

  bool ok() const { return at <= size; }
  DWORD number(DWORD count) {
    DWORD value = 0;
    for (DWORD i = 0; i < count; ++i, ++at) value |= at < size ? static_cast<DWORD>(data[at]) << (8 * i) : 0;
    return value;
  }
  void skip(size_t count) { at += count; }
  // A text (its characters below 128) or an ordinal (empty).
  std::string name() {
    std::string text;
    WORD c = static_cast<WORD>(number(2));
    if (c == 0xFFFF) number(2);
    for (c = c == 0xFFFF ? 0 : c; c != 0 && ok(); c = static_cast<WORD>(number(2)))
      text.push_back(static_cast<char>(c < 128 ? c : '?'));
    return text;
  }
};

// The font and control ids of a DIALOGEX template, the font as the dialog
// manager makes it at dpi.
bool readTemplate(const BYTE* data, DWORD size, int dpi, LOGFONTA* font, std::set<int>* ids) {
  TemplateReader reader{data, size};
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
  font->lfItalic = static_cast<BYTE>(reader.number(2));
  font->lfCharSet = DEFAULT_CHARSET;
  std::strncpy(font->lfFaceName, reader.name().c_str(), LF_FACESIZE - 1);
  for (int i = 0; i < count && reader.ok(); ++i) {
    reader.skip((4 - reader.at % 4) % 4 + 20);
    ids->insert(static_cast<int>(reader.number(4)));
    reader.name();
    reader.name();
    reader.skip(reader.number(2));
  }
  return reader.ok();
}

BOOL CALLBACK collectTemplate(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
  HRSRC resource = FindResourceA(module, name, type);
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  if (loaded)
    reinterpret_cast<std::vector<std::pair<const BYTE*, DWORD>>*>(found)->push_back(
        {static_cast<const BYTE*>(LockResource(loaded)), SizeofResource(module, resource)});
  return TRUE;
}

bool isDialog(HWND window) { return className(window) == "#32770"; }

std::string show(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

// The rule shared by controls, toolbar buttons and top-level windows: inner
// (named what) lies inside outer (named where).
void checkInside(const RECT& inner, const RECT& outer, const std::string& what, const std::string& where,
                 std::vector<std::string>* faults) {
  if (inner.left < outer.left || inner.top < outer.top || inner.right > outer.right || inner.bottom > outer.bottom)
    faults->push_back(what + " " + show(inner) + " leaves " + where + " " + show(outer));
}

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

// Dialog units turn into pixels one by one, rounded, so that neighbours in a
// template may share a line of pixels; more than that is an overlap.
bool overlap(const RECT& a, const RECT& b) {
  RECT common;
  return IntersectRect(&common, &a, &b) && common.right - common.left > 1 && common.bottom - common.top > 1;
}

// How a visible control is checked: the room beside its text that its text
// must fit in with (-1: the text is not checked), and whether it may lie over
// others by its nature (or because it shows nothing).
struct Rule {
  int room;
  bool mayOverlap;
};

const LONG kTextStatics[] = {SS_LEFT, SS_CENTER, SS_RIGHT, SS_SIMPLE, SS_LEFTNOWORDWRAP};
const LONG kBoxButtons[] = {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_AUTORADIOBUTTON, BS_3STATE, BS_AUTO3STATE};

template <size_t N>
bool among(LONG value, const LONG (&values)[N]) {
  return std::find(values, values + N, value) != values + N;
}

Rule ruleOf(HWND control, int dpi) {
  const std::string name = className(control);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  if (name == "Static") {
    const LONG type = style & SS_TYPEMASK;
    if (type == SS_ICON) return {-1, sendNumbers(control, STM_GETICON, 0, 0) == 0};
    if (type == SS_BITMAP) return {-1, sendNumbers(control, STM_GETIMAGE, IMAGE_BITMAP, 0) == 0};
    const bool showsText = among(type, kTextStatics) && !text(control).empty();
    return {showsText ? 0 : -1, !showsText};
  }
  if (name == "Button") {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) return {2 * MulDiv(2, dpi, 96), false};
    // Wine draws the box 12 pixels (at 96 dots per inch) plus one wide and
    // leaves a gap after it.
    if (among(type, kBoxButtons)) return {MulDiv(12, dpi, 96) + 1 + MulDiv(4, dpi, 96), false};
    return {-1, type == BS_GROUPBOX};
  }
  return {-1, name == UPDOWN_CLASSA || name == WC_TABCONTROLA || isDialog(control)};
}

void checkToolBar(HWND toolbar, std::vector<std::string>* faults) {
  RECT shown = {}, parent = {};
  GetClientRect(toolbar, &shown);
  GetClientRect(GetParent(toolbar), &parent);
  MapWindowPoints(GetParent(toolbar), toolbar, reinterpret_cast<POINT*>(&parent), 2);
  IntersectRect(&shown, &shown, &parent);
  const int count = static_cast<int>(sendNumbers(toolbar, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < count; ++i)
    checkInside(sendForRect(toolbar, TB_GETITEMRECT, i), shown, "toolbar button " + std::to_string(i),
                "the toolbar's visible part", faults);
}

}  // namespace

LayoutCheck::LayoutCheck(const std::string& programPath, int dpi) {
  HDC screen = GetDC(nullptr);
  const int screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  dpi_ = dpi ? dpi : screenDpi;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof guiFont_, &guiFont_);
  messageFont_ = metrics.lfMessageFont;
  for (LOGFONTA* font : {&guiFont_, &messageFont_}) font->lfHeight = MulDiv(font->lfHeight, dpi_, screenDpi);
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
  RECT outer = {};
  GetWindowRect(window, &outer);
  const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
    checkInside(outer, screen, "window " + text(window), "the screen", &found);
  checkChildren(window, &found);
  return found;
}

void LayoutCheck::checkChildren(HWND parent, std::vector<std::string>* faults) const {
  RECT client = {};
  GetClientRect(parent, &client);
  std::vector<HWND> shown;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE) shown.push_back(child);
  for (size_t i = 0; i < shown.size(); ++i) {
    HWND control = shown[i];
    const Rule rule = ruleOf(control, dpi_);
    const RECT place = placeInParent(control);
    checkInside(place, client, describe(control), "its parent's client area", faults);
    for (size_t j = i + 1; j < shown.size() && !rule.mayOverlap; ++j)
      if (!ruleOf(shown[j], dpi_).mayOverlap && overlap(place, placeInParent(shown[j])))
        faults->push_back(describe(control) + " overlaps " + describe(shown[j]));
    if (rule.room >= 0) checkText(control, rule.room, faults);
    if (className(control) == TOOLBARCLASSNAMEA) checkToolBar(control, faults);
    if (isDialog(control)) checkChildren(control, faults);
  }
}

void LayoutCheck::checkText(HWND control, int room, std::vector<std::string>* faults) const {
  const std::string caption = text(control);
  if (caption.empty()) return;
  const bool isStatic = className(control) == "Static";
  const UINT format = DT_CALCRECT | DT_NOCLIP |
                      (isStatic && (GetWindowLongA(control, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0);
  const LOGFONTA font = fontOf(control);
  HFONT made = CreateFontIndirectA(&font);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, made);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  RECT needed = {0, 0, 0, 0}, client = {};
  DrawTextA(dc, caption.c_str(), -1, &needed, format);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(made);
  GetClientRect(control, &client);
  // A static with room for more lines than its text has may wrap it.
  if (isStatic && client.bottom >= 2 * metrics.tmHeight) return;
  if (needed.right + room > client.right || needed.bottom > client.bottom)
    faults->push_back(describe(control) + " needs " + std::to_string(needed.right + room) + " x " +
                      std::to_string(needed.bottom) + " in " + font.lfFaceName + " " + std::to_string(font.lfHeight) +
                      ", has " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
}

LOGFONTA LayoutCheck::fontOf(HWND control) const {
  HWND parent = GetParent(control);
  if (!isDialog(parent)) return guiFont_;
  const Template* dialog = templateOf(parent);
  if (!dialog) return messageFont_;
  return dialog->ids.count(GetDlgCtrlID(control)) ? dialog->font : guiFont_;
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
