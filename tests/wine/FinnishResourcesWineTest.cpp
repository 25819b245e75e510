// The Finnish resource set against the English one, both read from the built
// programs: the same ids for every string, dialog control and menu item, the
// same placeholders in every string, the Finnish texts that carry behaviour,
// and the Finnish keys.
#include "resources/QuizResourceIds.h"
#include "tests/wine/WineTest.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string windowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

HMODULE english() {
  static HMODULE module = LoadLibraryExA(windowsPath(VERBOLT_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return module;
}

HMODULE finnish() {
  static HMODULE module = LoadLibraryExA(windowsPath(KIELIVIS_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  return module;
}

std::string loadText(HMODULE module, UINT id) {
  char text[1024] = "";
  return LoadStringA(module, id, text, sizeof text) > 0 ? text : "";
}

// The conversions of a printf format in their order ("%s%d"), without "%%".
std::string placeholders(const std::string& format) {
  std::string found;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') continue;
    size_t end = format.find_first_not_of("-+ #0123456789.", i + 1);
    if (end == std::string::npos) break;
    if (format[end] != '%') found += std::string("%") + format[end];
    i = end;
  }
  return found;
}

BOOL CALLBACK addName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(list)->push_back(LOWORD(name));
  return TRUE;
}

BOOL CALLBACK addLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<WORD>*>(list)->push_back(language);
  return TRUE;
}

std::vector<WORD> resourceIds(HMODULE module, LPCSTR type) {
  std::vector<WORD> ids;
  EnumResourceNamesA(module, type, addName, reinterpret_cast<LONG_PTR>(&ids));
  return ids;
}

const BYTE* resourceBytes(HMODULE module, WORD id, LPCSTR type) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
  return found ? static_cast<const BYTE*>(LockResource(LoadResource(module, found))) : nullptr;
}

// Skips a template's sz_Or_Ord field and answers it as text ("#n" for an
// ordinal).
std::string readField(const WORD*& at) {
  if (*at == 0xFFFF) {
    std::string ordinal = "#" + std::to_string(at[1]);
    at += 2;
    return ordinal;
  }
  std::string text;
  while (*at) text += static_cast<char>(*at++);
  ++at;
  return text;
}

struct DialogShape {
  short height = 0;
  std::vector<std::string> controls;  // "id class" of each control in order
};

// Reads an extended dialog template (DIALOGEX).
DialogShape shapeOf(const BYTE* bytes) {
  DialogShape shape;
  if (!bytes || reinterpret_cast<const WORD*>(bytes)[1] != 0xFFFF) return shape;
  DWORD style = *reinterpret_cast<const DWORD*>(bytes + 12);
  WORD count = *reinterpret_cast<const WORD*>(bytes + 16);
  shape.height = *reinterpret_cast<const short*>(bytes + 24);
  const WORD* at = reinterpret_cast<const WORD*>(bytes + 26);
  readField(at);  // menu
  readField(at);  // class
  readField(at);  // caption
  if (style & (DS_SETFONT | DS_SHELLFONT)) {
    at += 3;  // point size, weight, italic and character set
    readField(at);
  }
  for (WORD i = 0; i < count; ++i) {
    at = reinterpret_cast<const WORD*>((reinterpret_cast<UINT_PTR>(at) + 3) & ~UINT_PTR(3));
    DWORD id = *reinterpret_cast<const DWORD*>(at + 10);
    at += 12;
    std::string className = readField(at);
    readField(at);  // text
    WORD extra = *at++;
    at = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(at) + extra);
    shape.controls.push_back(std::to_string(static_cast<int>(id)) + " " + className);
  }
  return shape;
}

// Every item id of menu in order, popups as "(" ... ")".
std::string menuIds(HMENU menu) {
  std::string ids;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    HMENU popup = GetSubMenu(menu, i);
    ids += popup ? "(" + menuIds(popup) + ")" : std::to_string(GetMenuItemID(menu, i)) + " ";
  }
  return ids;
}

// Checks that the Finnish table id holds exactly the keys expected, and
// answers it in its order.
std::vector<ACCEL> checkKeys(UINT id, const std::vector<ACCEL>& expected) {
  HACCEL table = LoadAcceleratorsA(finnish(), MAKEINTRESOURCEA(id));
  CHECK(table != nullptr);
  if (!table) return {};
  std::vector<ACCEL> actual(CopyAcceleratorTableA(table, nullptr, 0));
  CopyAcceleratorTableA(table, actual.data(), static_cast<int>(actual.size()));
  DestroyAcceleratorTable(table);
  CHECK_EQ(actual.size(), expected.size());
  for (const ACCEL& key : expected) {
    bool found = false;
    for (const ACCEL& a : actual)
      found |= (a.fVirt & ~0x80) == key.fVirt && a.key == key.key && a.cmd == key.cmd;
    winetest::setContext("table " + std::to_string(id) + " key " + std::to_string(key.key));
    CHECK(found);
  }
  winetest::setContext("");
  return actual;
}

}  // namespace

WINE_TEST(everyEnglishStringHasAFinnishOneWithTheSamePlaceholders) {
  CHECK(english() != nullptr && finnish() != nullptr);
  int compared = 0;
  for (UINT id = 0; id < 0x10000; ++id) {
    std::string en = loadText(english(), id), fi = loadText(finnish(), id);
    if (en.empty() && fi.empty()) continue;
    winetest::setContext("string " + std::to_string(id));
    CHECK(!fi.empty() && !en.empty());
    CHECK_EQ(placeholders(fi), placeholders(en));
    ++compared;
  }
  winetest::setContext("");
  CHECK(compared > 150);
}

WINE_TEST(finnishTextsThatCarryBehaviour) {
  const struct {
    UINT id;
    const char* text;
  } rows[] = {
      {20000, "10"}, {20001, "Suomi"}, {20003, "Ruotsi"}, {20009, "Eesti"}, {20010, "Portugali"},
      {20031, "suomeksi"}, {20033, "ruotisksi"}, {20040, "portugaliksi"}, {22000, " - Kielivisa'97"},
      {22001, "palautettu tiedosto - Kielivisa'97"}, {22002, "nimet\xF6n"}, {22015, "Tehty: "},
      {23001, "Mit\xE4 tarkoittaa %s"}, {23004, "Oikea vastaus: "}, {23005, "Vastasit: "},
      {23008, "Pisteet %d / %d Valittuja %d / %d"}, {23009, "V\xE4\xE4rin!"}, {23010, "Oikein!"},
      {26002, "Automaattinen j\xE4rjestys"}, {27031, "Fyysinen muisti: %d KB Vapaata: %d KB\n"},
      {28003, "\xC4\xE4nitiedostot (.wav)|*.wav|Kaikki Tiedostot (*.*)|*.*||"},
      {28010, "Software\\Quorvel\\Kielivisa'97"},
  };
  for (const auto& row : rows) {
    winetest::setContext("string " + std::to_string(row.id));
    CHECK_EQ(loadText(finnish(), row.id), row.text);
  }
  winetest::setContext("");
}

WINE_TEST(finnishDialogsAndMenusHaveTheEnglishIds) {
  std::vector<WORD> dialogs = resourceIds(english(), RT_DIALOG);
  CHECK(resourceIds(finnish(), RT_DIALOG) == dialogs);
  for (WORD id : dialogs) {
    winetest::setContext("dialog " + std::to_string(id));
    DialogShape en = shapeOf(resourceBytes(english(), id, RT_DIALOG));
    DialogShape fi = shapeOf(resourceBytes(finnish(), id, RT_DIALOG));
    CHECK(!en.controls.empty());
    CHECK(fi.controls == en.controls);
    CHECK_EQ(fi.height, id == IDD_ABOUT ? 146 : en.height);
  }
  std::vector<WORD> menus = resourceIds(english(), RT_MENU);
  CHECK(resourceIds(finnish(), RT_MENU) == menus);
  for (WORD id : menus) {
    winetest::setContext("menu " + std::to_string(id));
    HMENU en = LoadMenuA(english(), MAKEINTRESOURCEA(id)), fi = LoadMenuA(finnish(), MAKEINTRESOURCEA(id));
    CHECK_EQ(menuIds(fi), menuIds(en));
    DestroyMenu(en);
    DestroyMenu(fi);
  }
  winetest::setContext("");
  CHECK(resourceIds(finnish(), RT_ACCELERATOR) == resourceIds(english(), RT_ACCELERATOR));
}

WINE_TEST(finnishResourcesAreInFinnish) {
  for (LPCSTR type : {RT_STRING, RT_DIALOG, RT_MENU, RT_ACCELERATOR}) {
    std::vector<WORD> languages;
    EnumResourceLanguagesA(finnish(), type, MAKEINTRESOURCEA(resourceIds(finnish(), type).front()), addLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    CHECK(languages == std::vector<WORD>{MAKELANGID(LANG_FINNISH, SUBLANG_DEFAULT)});
  }
}

WINE_TEST(finnishKeysFollowTheFinnishCaptions) {
  const BYTE alt = FVIRTKEY | FALT, ctrl = FVIRTKEY | FCONTROL, key = FVIRTKEY;
  checkKeys(IDR_QUIZ_ACCELERATORS,
            {{alt, 'A', IDC_QUIZ_GIVE_HELP},      {alt, 'E', IDC_QUIZ_SAVE},         {alt, 'L', IDC_QUIZ_CLOSE},
             {alt, 'M', IDC_QUIZ_CHARACTER},      {ctrl, 'N', IDM_QUIZ_NEW},         {ctrl, 'O', IDC_QUIZ_OPEN},
             {alt, 'V', IDC_QUIZ_OPEN},           {alt, 'R', IDC_QUIZ_CHECK},        {key, VK_RETURN, IDC_QUIZ_CHECK},
             {ctrl, 'S', IDC_QUIZ_SAVE},          {alt, 'S', IDC_QUIZ_ASK_PREVIOUS}, {alt, 'T', IDC_QUIZ_ANSWER},
             {key, VK_F2, IDM_QUIZ_PROPERTIES},   {key, VK_F3, IDM_QUIZ_WORDLIST},   {key, VK_F4, IDM_QUIZ_ADD_WORDS},
             {key, VK_F5, IDM_QUIZ_COMBINE_FILES}, {key, VK_F6, IDM_QUIZ_TESTS},     {key, VK_F7, IDM_QUIZ_SETTINGS},
             {key, VK_TAB, IDM_NEXT_TAB_STOP},    {ctrl, VK_TAB, IDM_NEXT_TAB_STOP},
             {FVIRTKEY | FSHIFT, VK_TAB, IDM_PREVIOUS_TAB_STOP}});
  checkKeys(IDR_QUIZ_MORE_ACCELERATORS, {{ctrl, 'H', IDM_QUIZ_COUNT_AS_RIGHT}});
  std::vector<ACCEL> wordList = checkKeys(IDR_WORDLIST_ACCELERATORS,
            {{0, '<', IDM_CHANGE_ORDER}, {0, '>', IDM_CHANGE_ORDER},  {ctrl, 'C', IDM_WORDLIST_COPY},
             {alt, 'E', IDM_WORDLIST_FIND},          {ctrl, 'K', IDM_MARK_ALL},     {alt, 'L', IDM_WORDLIST_SORT},
             {alt, 'M', IDM_WORDLIST_MARK},          {alt, 'O', IDM_WORDLIST_EDIT}, {ctrl, 'P', IDM_MARK_NONE},
             {alt, 'P', IDM_WORDLIST_DELETE},        {alt, 'S', IDM_WORDLIST_CLOSE}, {key, VK_ESCAPE, IDM_WORDLIST_CLOSE},
             {alt, 'U', IDM_WORDLIST_NEW},           {ctrl, 'V', IDM_MARK_SELECTED}, {ctrl, 'V', IDM_WORDLIST_PASTE},
             {key, VK_DELETE, IDM_WORDLIST_DELETE},  {ctrl, VK_DOWN, IDM_MOVE_DOWN}, {ctrl, VK_UP, IDM_MOVE_UP},
             {key, VK_F3, IDM_WORDLIST_FIND},        {key, VK_TAB, IDM_NEXT_TAB_STOP}, {ctrl, 'X', IDM_WORDLIST_CUT}});
  // Ctrl+V is bound twice: the first entry, Mark Selected, is the one that acts.
  for (const ACCEL& a : wordList) {
    if ((a.fVirt & ~0x80) != ctrl || a.key != 'V') continue;
    CHECK_EQ(a.cmd, IDM_MARK_SELECTED);
    break;
  }
  checkKeys(IDR_TEST_ACCELERATORS,
            {{alt, 'A', IDC_TEST_START},        {alt, 'S', IDC_TEST_START},    {key, VK_RETURN, IDC_TEST_START},
             {alt, 'M', IDC_TEST_CHARACTER},    {alt, 'N', IDC_TEST_GIVE_NUMBER}, {alt, 'P', IDC_TEST_CANCEL},
             {key, VK_ESCAPE, IDC_TEST_CANCEL}, {key, VK_TAB, IDM_NEXT_TAB_STOP}, {ctrl, VK_TAB, IDM_NEXT_TAB_STOP},
             {FVIRTKEY | FSHIFT, VK_TAB, IDM_PREVIOUS_TAB_STOP}});
}
