// Loading and saving the settings with the registry (Windows only).
#include "framework/registry/RegistryKey.h"
#include "framework/win/DisplayScale.h"
#include "quiz/drill/Settings.h"

#include <cstring>

namespace {

struct ColorValue {
  const char* name;
  COLORREF Settings::*field;
};

// The order in which the colours are written.
const ColorValue kColors[] = {
    {"BaseColor", &Settings::BaseColor},       {"RightColor", &Settings::RightColor},
    {"WrongColor", &Settings::WrongColor},     {"DiffColor", &Settings::DiffColor},
    {"MissingColor", &Settings::MissingColor}, {"ExtraColor", &Settings::ExtraColor},
};

LONG setValue(CRegistryKey& key, const char* name, DWORD type, const void* data, DWORD size) {
  return RegSetValueExA(key.handle(), name, 0, type, static_cast<const BYTE*>(data), size);
}

LONG setNumber(CRegistryKey& key, const char* name, DWORD value) {
  return setValue(key, name, REG_DWORD, &value, sizeof value);
}

LONG setText(CRegistryKey& key, const char* name, const char* text) {
  return setValue(key, name, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
}

void setOption(CRegistryKey& key, const char* name, bool on) {
  if (on) setNumber(key, name, 1);
  else RegDeleteValueA(key.handle(), name);
}

}  // namespace

CText Settings::keyPath(const char* key) const {
  CText path(rootPath_);
  path.append(key);
  return path;
}

void Settings::load(const char* rootPath) {
  rootPath_ = rootPath;
  Font = defaultFont();
  loadSettingsKey();
  const LOGFONTA shown = CDisplayScale::of(nullptr).font(Font);
  fontHandle = CreateFontIndirectA(&shown);
  loadColorsKey();
}

void Settings::loadSettingsKey() {
  CRegistryKey key;
  if (key.open(HKEY_CURRENT_USER, keyPath(kSettingsKey).c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS)
    return;
  key.queryText("PlayFile1", PlayFile1);
  key.queryText("PlayFile2", PlayFile2);
  key.queryText("FilePath", FilePath);
  // A number or raw value that cannot be read whole keeps its default.
  LONG time = AutoSaveTime;
  if (key.query("AutoSaveTime", &time, sizeof time) == sizeof time) AutoSaveTime = time;
  DWORD status = Status;
  if (key.query("Status", &status, sizeof status) == sizeof status) Status = status;
  LOGFONTA font;
  if (key.query("Font", &font, sizeof font) == sizeof font) Font = font;
  DWORD on = 0;
  leniency.withoutAccents = key.query(kWithoutAccents, &on, sizeof on) == sizeof on && on != 0;
  on = 0;
  leniency.alternatives = key.query(kAlternatives, &on, sizeof on) == sizeof on && on != 0;
  on = 0;
  rememberAnswers = key.query(kRememberAnswers, &on, sizeof on) == sizeof on && on != 0;
}

void Settings::loadColorsKey() {
  CRegistryKey key;
  if (key.open(HKEY_CURRENT_USER, keyPath(kColorsKey).c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS)
    return;
  for (const ColorValue& color : kColors) {
    COLORREF value;
    if (key.query(color.name, &value, sizeof value) == sizeof value) this->*color.field = value;
  }
}

void Settings::save() {
  store();
  if (fontHandle) DeleteObject(fontHandle);
  fontHandle = nullptr;
}

void Settings::store() const {
  saveSettingsKey();
  saveColorsKey();
}

void Settings::saveSettingsKey() const {
  CRegistryKey key;
  if (key.open(HKEY_CURRENT_USER, keyPath(kSettingsKey).c_str(), CRegistryKey::kForWriting) != ERROR_SUCCESS)
    return;
  setNumber(key, "Status", Status);
  setText(key, "PlayFile1", PlayFile1.c_str());
  setText(key, "PlayFile2", PlayFile2.c_str());
  setText(key, "FilePath", FilePath.c_str());
  setNumber(key, "AutoSaveTime", static_cast<DWORD>(AutoSaveTime));
  setValue(key, "Font", REG_BINARY, &Font, sizeof Font);
  // Off is the absence of the value, so that a program that does not know the
  // options finds the key as it left it.
  setOption(key, kWithoutAccents, leniency.withoutAccents);
  setOption(key, kAlternatives, leniency.alternatives);
  setOption(key, kRememberAnswers, rememberAnswers);
}

void Settings::saveColorsKey() const {
  CRegistryKey key;
  if (key.open(HKEY_CURRENT_USER, keyPath(kColorsKey).c_str(), CRegistryKey::kForWriting) != ERROR_SUCCESS)
    return;
  for (const ColorValue& color : kColors) setNumber(key, color.name, this->*color.field);
}

bool Settings::readNumber(const char* key, const char* name, DWORD* value) const {
  DWORD number;
  if (!readBytes(key, name, &number, sizeof number)) return false;
  *value = number;
  return true;
}

bool Settings::writeNumber(const char* key, const char* name, DWORD value) const {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, keyPath(key).c_str(), CRegistryKey::kForWriting) != ERROR_SUCCESS)
    return false;
  return setNumber(registryKey, name, value) == ERROR_SUCCESS;
}

bool Settings::readBytes(const char* key, const char* name, void* buffer, DWORD size) const {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, keyPath(key).c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS)
    return false;
  // Read aside first so that a short value leaves the destination as it was.
  CText scratch;
  char* bytes = scratch.getBuffer(static_cast<int>(size), false);
  if (!bytes || registryKey.query(name, bytes, size) != size) return false;
  std::memcpy(buffer, bytes, size);
  return true;
}

bool Settings::writeBytes(const char* key, const char* name, const void* buffer, DWORD size) const {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, keyPath(key).c_str(), CRegistryKey::kForWriting) != ERROR_SUCCESS)
    return false;
  return setValue(registryKey, name, REG_BINARY, buffer, size) == ERROR_SUCCESS;
}

bool Settings::readText(const char* key, const char* name, CText* text) const {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, keyPath(key).c_str(), CRegistryKey::kForReading) != ERROR_SUCCESS)
    return false;
  return registryKey.queryText(name, *text) != 0;
}

bool Settings::writeText(const char* key, const char* name, const char* text) const {
  CRegistryKey registryKey;
  if (registryKey.open(HKEY_CURRENT_USER, keyPath(key).c_str(), CRegistryKey::kForWriting) != ERROR_SUCCESS)
    return false;
  return setText(registryKey, name, text ? text : "") == ERROR_SUCCESS;
}
