#include "installer/script/RegistryEntry.h"

#include "installer/script/ValueCursor.h"

#include <cstring>

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct RootName {
  RegistryEntry::Root root;
  const char* name;
};

const RootName kRootNames[] = {{RegistryEntry::kClassesRoot, "HKCR"},
                               {RegistryEntry::kCurrentUser, "HKCU"},
                               {RegistryEntry::kLocalMachine, "HKLM"},
                               {RegistryEntry::kUsers, "HKU"}};

void setString(RegistryEntry& entry, const CText& text) {
  entry.type = RegistryEntry::kString;
  entry.hasData = true;
  entry.data.assign(text.c_str(), text.c_str() + text.length() + 1);
}

// An unsigned hexadecimal number up to the first non-digit; a number too large
// for 32 bits reads as the largest one.
uint32_t readHexNumber(ValueCursor& cursor) {
  uint64_t number = 0;
  for (int digit; (digit = hexDigit(cursor.peek())) >= 0; cursor.skip()) {
    number = number * 16 + digit;
    if (number > 0xFFFFFFFFu) number = 0x100000000u;
  }
  return number > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(number);
}

std::vector<unsigned char> bytesOf(uint32_t number) {
  std::vector<unsigned char> bytes;
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(number >> (8 * i)));
  return bytes;
}

void setNumber(RegistryEntry& entry, ValueCursor& cursor) {
  entry.type = RegistryEntry::kNumber;
  entry.hasData = true;
  if (cursor.peek() == '%') entry.numberMacro = cursor.readUntil(",");
  entry.data = bytesOf(entry.numberMacro.empty() ? readHexNumber(cursor) : 0);
}

// Bytes written as two hexadecimal digits and one separator each.
void setBinary(RegistryEntry& entry, const CText& text) {
  entry.type = RegistryEntry::kBinary;
  entry.hasData = true;
  CText padded(text);
  padded.append(' ');
  const char* bytes = padded.c_str();
  for (unsigned i = 0; i < padded.length(); i += 3) {
    int value = 0;
    for (unsigned j = i; j < i + 2 && j < padded.length() && hexDigit(bytes[j]) >= 0; ++j)
      value = value * 16 + hexDigit(bytes[j]);
    entry.data.push_back(static_cast<unsigned char>(value));
  }
}

// Reads the data field; answers whether an action field follows.
bool readData(RegistryEntry& entry, ValueCursor& cursor) {
  if (cursor.skipIf(',')) {
    setString(entry, CText());
    return true;
  }
  if (cursor.skipIf('"')) {
    setString(entry, cursor.readEscaped('"'));
    cursor.skipIf('"');
    return cursor.skipIf(',');
  }
  CText type = cursor.readUntil(":");
  if (!cursor.skipIf(':')) {
    setString(entry, CText());
    return false;
  }
  if (type.compareNoCase("dword") == 0) {
    setNumber(entry, cursor);
  } else if (type.compareNoCase("hex") == 0) {
    setBinary(entry, cursor.readUntil(","));
  }
  return cursor.skipIf(',');
}

RegistryEntry::Action actionFromWord(const CText& word) {
  if (word.compareNoCase("nochange") == 0) return RegistryEntry::kNoChange;
  if (word.compareNoCase("delete") == 0) return RegistryEntry::kDelete;
  return RegistryEntry::kSet;
}

}  // namespace

RegistryEntry RegistryEntry::parse(const char* value) {
  RegistryEntry entry;
  ValueCursor cursor(value);
  entry.root = rootNamed(cursor.readUntil(",").c_str());
  if (!cursor.skipIf(',')) return entry;
  entry.key = cursor.readUntil(",");
  if (!cursor.skipIf(',')) return entry;
  entry.valueName = cursor.readUntil(",");
  if (!cursor.skipIf(',')) {
    setString(entry, CText());
    return entry;
  }
  if (readData(entry, cursor)) entry.action = actionFromWord(cursor.readUntil(","));
  return entry;
}

RegistryEntry::Root RegistryEntry::rootNamed(const char* name) {
  for (const RootName& known : kRootNames)
    if (CText(name).compareNoCase(known.name) == 0) return known.root;
  return kNoRoot;
}

const char* RegistryEntry::rootName(Root root, const char* fallback) {
  for (const RootName& known : kRootNames)
    if (known.root == root) return known.name;
  return fallback;
}

std::vector<unsigned char> RegistryEntry::numberData(const char* digits) {
  ValueCursor cursor(digits);
  return bytesOf(readHexNumber(cursor));
}
