// Settings and CRegistryKey against Wine's registry, under a root key of
// their own that each test removes before and after it runs.
#include "framework/registry/RegistryKey.h"
#include "quiz/drill/Settings.h"
#include "tests/wine/WineTest.h"

#include <windows.h>

#include <string>

namespace {

const char kRoot[] = "Software\\Quorvel\\Verbolt'97 settings test";

void deleteTree(HKEY parent, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  char child[256];
  DWORD size = sizeof child;
  while (RegEnumKeyExA(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    deleteTree(key, child);
    size = sizeof child;
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, name);
}

struct TestRoot {
  TestRoot() { deleteTree(HKEY_CURRENT_USER, kRoot); }
  ~TestRoot() { deleteTree(HKEY_CURRENT_USER, kRoot); }
};

std::string path(const char* key) { return std::string(kRoot) + key; }

bool keyExists(const char* key) {
  HKEY handle;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path(key).c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

// The type and bytes of a stored value; an empty string when it is missing.
std::string storedValue(const char* key, const char* name, DWORD* type) {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, path(key).c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS)
    return "";
  char buffer[256];
  DWORD size = registryKey.query(name, buffer, sizeof buffer, type);
  return std::string(buffer, size);
}

DWORD storedNumber(const char* key, const char* name) {
  DWORD type = 0;
  std::string bytes = storedValue(key, name, &type);
  CHECK_EQ(type, static_cast<DWORD>(REG_DWORD));
  DWORD value = 0xDEADBEEF;
  if (bytes.size() == sizeof value) memcpy(&value, bytes.data(), sizeof value);
  return value;
}

void store(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
  CRegistryKey registryKey;
  CHECK_EQ(registryKey.open(HKEY_CURRENT_USER, path(key).c_str(), CRegistryKey::kForWriting), 0L);
  CHECK_EQ(RegSetValueExA(registryKey.handle(), name, 0, type, static_cast<const BYTE*>(data), size), 0L);
}

void expectDefaults(const Settings& settings) {
  Settings defaults;
  CHECK_EQ(settings.Status, 7u);
  CHECK_EQ(settings.AutoSaveTime, 300L);
  CHECK_EQ(settings.PlayFile1.c_str(), "Right.wav");
  CHECK_EQ(settings.PlayFile2.c_str(), "Wrong.wav");
  CHECK_EQ(settings.FilePath.c_str(), "");
  CHECK_EQ(settings.BaseColor, defaults.BaseColor);
  CHECK_EQ(settings.RightColor, defaults.RightColor);
  CHECK_EQ(settings.WrongColor, defaults.WrongColor);
  CHECK_EQ(settings.DiffColor, defaults.DiffColor);
  CHECK_EQ(settings.MissingColor, defaults.MissingColor);
  CHECK_EQ(settings.ExtraColor, defaults.ExtraColor);
  CHECK(memcmp(&settings.Font, &defaults.Font, sizeof settings.Font) == 0);
}

WINE_TEST(firstRunKeepsDefaultsAndSaveCreatesBothKeys) {
  TestRoot root;
  Settings settings;
  settings.load(kRoot);
  expectDefaults(settings);
  CHECK(settings.fontHandle != nullptr);
  CHECK(!keyExists("\\Settings"));

  settings.save();
  CHECK(settings.fontHandle == nullptr);
  CHECK_EQ(storedNumber("\\Settings", "Status"), 7u);
  CHECK_EQ(storedNumber("\\Settings", "AutoSaveTime"), 300u);
  DWORD type = 0;
  CHECK_EQ(storedValue("\\Settings", "PlayFile1", &type), std::string("Right.wav", 10));
  CHECK_EQ(type, static_cast<DWORD>(REG_SZ));
  CHECK_EQ(storedValue("\\Settings", "FilePath", &type), std::string("", 1));
  CHECK_EQ(storedValue("\\Settings", "Font", &type).size(), 60u);
  CHECK_EQ(type, static_cast<DWORD>(REG_BINARY));
  CHECK_EQ(storedNumber("\\Colors", "BaseColor"), 0x000000u);
  CHECK_EQ(storedNumber("\\Colors", "RightColor"), 0xFF0000u);
  CHECK_EQ(storedNumber("\\Colors", "WrongColor"), 0x0000FFu);
  CHECK_EQ(storedNumber("\\Colors", "DiffColor"), 0x0000FFu);
  CHECK_EQ(storedNumber("\\Colors", "MissingColor"), 0x800080u);
  CHECK_EQ(storedNumber("\\Colors", "ExtraColor"), 0xA00000u);
}

WINE_TEST(settingsKeyWithOnlyStatusEmptiesTheTexts) {
  TestRoot root;
  DWORD status = 4;
  store("\\Settings", "Status", REG_DWORD, &status, sizeof status);
  Settings settings;
  settings.FilePath = "C:\\old";
  settings.load(kRoot);
  CHECK_EQ(settings.Status, 4u);
  CHECK_EQ(settings.PlayFile1.c_str(), "");
  CHECK_EQ(settings.PlayFile2.c_str(), "");
  CHECK_EQ(settings.FilePath.c_str(), "");
  CHECK_EQ(settings.AutoSaveTime, 300L);
  CHECK_EQ(settings.MissingColor, 0x800080u);
}

WINE_TEST(valuesOfTheWrongSizeKeepTheirDefaults) {
  TestRoot root;
  WORD shortStatus = 0;
  store("\\Settings", "Status", REG_BINARY, &shortStatus, sizeof shortStatus);
  char shortFont[20] = {};
  store("\\Settings", "Font", REG_BINARY, shortFont, sizeof shortFont);
  Settings settings;
  settings.load(kRoot);
  CHECK_EQ(settings.Status, 7u);
  CHECK_EQ(settings.Font.lfFaceName, "MS Sans Serif");
}

WINE_TEST(roundTripKeepsEveryValue) {
  TestRoot root;
  Settings saved;
  saved.load(kRoot);
  saved.Status = 0;
  saved.AutoSaveTime = 45;
  saved.PlayFile1 = "C:\\sounds\\yes.wav";
  saved.PlayFile2 = "";
  saved.FilePath = "D:\\Word lists";
  saved.BaseColor = 0x010203;
  saved.RightColor = 0x040506;
  saved.WrongColor = 0x070809;
  saved.DiffColor = 0x0A0B0C;
  saved.MissingColor = 0x0D0E0F;
  saved.ExtraColor = 0x101112;
  saved.Font.lfHeight = -16;
  saved.Font.lfWeight = 700;
  saved.Font.lfItalic = 1;
  strcpy(saved.Font.lfFaceName, "Arial");
  saved.save();

  Settings loaded;
  loaded.load(kRoot);
  CHECK_EQ(loaded.Status, 0u);
  CHECK_EQ(loaded.AutoSaveTime, 45L);
  CHECK_EQ(loaded.PlayFile1.c_str(), "C:\\sounds\\yes.wav");
  CHECK_EQ(loaded.PlayFile2.c_str(), "");
  CHECK_EQ(loaded.FilePath.c_str(), "D:\\Word lists");
  CHECK_EQ(loaded.BaseColor, 0x010203u);
  CHECK_EQ(loaded.RightColor, 0x040506u);
  CHECK_EQ(loaded.WrongColor, 0x070809u);
  CHECK_EQ(loaded.DiffColor, 0x0A0B0Cu);
  CHECK_EQ(loaded.MissingColor, 0x0D0E0Fu);
  CHECK_EQ(loaded.ExtraColor, 0x101112u);
  CHECK(memcmp(&loaded.Font, &saved.Font, sizeof loaded.Font) == 0);
  loaded.save();
}

WINE_TEST(singleValuesOfTheWindowsGoBelowTheRoot) {
  TestRoot root;
  Settings settings;
  settings.load(kRoot);
  DWORD width = Settings::kDefaultMainWidth;
  CHECK(!settings.readNumber(Settings::kSettingsKey, Settings::kMainWidth, &width));
  CHECK_EQ(width, 440u);
  CHECK(settings.writeNumber(Settings::kSettingsKey, Settings::kMainWidth, 512));
  CHECK(settings.readNumber(Settings::kSettingsKey, Settings::kMainWidth, &width));
  CHECK_EQ(width, 512u);

  DWORD columns[2] = {120, 80}, read[2] = {200, 200};
  CHECK(settings.writeBytes(Settings::kWordListKey, Settings::kColumnWidths, columns, sizeof columns));
  CHECK(settings.readBytes(Settings::kWordListKey, Settings::kColumnWidths, read, sizeof read));
  CHECK_EQ(read[0], 120u);
  CHECK_EQ(read[1], 80u);
  RECT position = {1, 2, 3, 4};
  CHECK(!settings.readBytes(Settings::kWordListKey, Settings::kColumnWidths, &position, sizeof position));
  CHECK_EQ(position.left, 1L);

  CText text("kept");
  CHECK(!settings.readText(Settings::kRecentStringsKey, "Find0", &text));
  CHECK(settings.writeText(Settings::kRecentStringsKey, "Find0", "talo"));
  CHECK(settings.readText(Settings::kRecentStringsKey, "Find0", &text));
  CHECK_EQ(text.c_str(), "talo");
  settings.save();
}

WINE_TEST(openingForWritingCreatesTheWholePath) {
  TestRoot root;
  std::string deep = path("\\one\\two\\three");
  CRegistryKey key;
  CHECK(key.open(HKEY_CURRENT_USER, deep.c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS);
  CHECK(key.handle() == nullptr);
  CHECK_EQ(key.open(HKEY_CURRENT_USER, deep.c_str(), CRegistryKey::kForWriting), 0L);
  CHECK(key.handle() != nullptr);
  CHECK_EQ(key.close(), 0L);
  CHECK(key.handle() == nullptr);
  CHECK_EQ(key.open(HKEY_CURRENT_USER, deep.c_str(), CRegistryKey::kForReading), 0L);
}

WINE_TEST(queryTextReadsUpToTheFirstZeroAndEmptiesOnFailure) {
  TestRoot root;
  store("", "short", REG_SZ, "abc\0def", 8);
  std::string longValue(3000, 'x');
  store("", "long", REG_SZ, longValue.c_str(), static_cast<DWORD>(longValue.size() + 1));
  CRegistryKey key;
  CHECK_EQ(key.open(HKEY_CURRENT_USER, kRoot, CRegistryKey::kForReading), 0L);
  CText text;
  CHECK_EQ(key.queryText("short", text), 8u);
  CHECK_EQ(text.c_str(), "abc");
  CText big(std::string(2500, 'y').c_str());
  CHECK_EQ(key.queryText("missing", big), 0u);
  CHECK_EQ(big.c_str(), "");
  CHECK_EQ(key.queryText("long", text), 0u);
  CHECK_EQ(text.c_str(), "");
  char small[4];
  CHECK_EQ(key.query("short", small, sizeof small), 0u);
}

WINE_TEST(userColorReadsThreeNumbers) {
  struct Case {
    const char* value;
    COLORREF color;
  } cases[] = {{"255 0 0", 0x0000FF}, {"0 128 255", 0xFF8000}, {"10 20", 0x00140A}, {"7", 0x000007}};
  CRegistryKey key;
  CHECK_EQ(key.open(HKEY_CURRENT_USER, "Control Panel\\Colors", CRegistryKey::kForWriting), 0L);
  const char name[] = "VerboltSettingsTest";
  for (const Case& c : cases) {
    winetest::setContext(c.value);
    RegSetValueExA(key.handle(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(c.value),
                   static_cast<DWORD>(strlen(c.value) + 1));
    CHECK_EQ(userColor(name), c.color);
  }
  winetest::setContext("");
  RegDeleteValueA(key.handle(), name);
  CHECK_EQ(userColor(name), 0xFFFFFFFFu);
}

}  // namespace
