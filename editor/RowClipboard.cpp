#include "editor/RowClipboard.h"

#include "editor/model/ClipboardText.h"
#include "editor/model/WordlistBlock.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"
#include "wordlist/WordFile.h"

#include <cstring>
#include <shlobj.h>
#include <string>

namespace {

const char kWordlistFormat[] = "Wordlist";
const DWORD kMoveEffect = 2;
// Larger word files are not read: their size would not fit the reader's
// buffer of the file's size plus one.
const DWORD kLargestWordFile = 0x7FFFFFFE;

// A clipboard block locked for reading, with the size the system gives it.
class LockedBlock {
 public:
  explicit LockedBlock(HANDLE memory)
      : memory_(memory), bytes_(memory ? static_cast<const char*>(GlobalLock(memory)) : nullptr),
        size_(bytes_ ? GlobalSize(memory) : 0) {}
  ~LockedBlock() {
    if (bytes_) GlobalUnlock(memory_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  const char* bytes() const { return bytes_; }
  size_t size() const { return size_; }

 private:
  HANDLE memory_;
  const char* bytes_;
  size_t size_;
};

// A movable, shareable global copy of size bytes, or null.
HGLOBAL globalCopy(const char* bytes, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
  void* target = memory ? GlobalLock(memory) : nullptr;
  if (!target) {
    if (memory) GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory);
  return memory;
}

// Other programs, and other running instances checking their Paste buttons,
// hold the clipboard open for moments; a command waits that long for it.
bool openClipboard(HWND owner) {
  const int kAttempts = 20;
  const DWORD kPause = 5;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kPause);
  }
  return false;
}

bool unicodeText() { return programEncoding() == TextEncoding::kUtf8; }

// The format plain text is read from and written to besides the ANSI one:
// where the program's text is UTF-8, the system's ANSI text follows the
// locale's code page rather than the program's, so the Unicode text is the
// one that carries every character.
UINT textFormat() { return unicodeText() ? CF_UNICODETEXT : CF_TEXT; }

// The clipboard's plain text in the program's text encoding; false without
// text. The clipboard is open.
bool clipboardText(std::string* text) {
  if (!IsClipboardFormatAvailable(textFormat())) return false;
  LockedBlock block(GetClipboardData(textFormat()));
  if (!block.bytes()) return false;
  if (!unicodeText()) {
    text->assign(block.bytes(), strnlen(block.bytes(), block.size()));
    return true;
  }
  const auto* units = reinterpret_cast<const wchar_t*>(block.bytes());
  *text = fromUtf16(std::wstring(units, wcsnlen(units, block.size() / sizeof(wchar_t))));
  return true;
}

bool put(UINT format, HGLOBAL memory) {
  if (SetClipboardData(format, memory)) return true;
  GlobalFree(memory);
  return false;
}

// The file names of a shell file list, read only within its block.
std::vector<CText> listedFiles(const LockedBlock& block) {
  std::vector<CText> names;
  DROPFILES header;
  if (!block.bytes() || block.size() < sizeof header) return names;
  std::memcpy(&header, block.bytes(), sizeof header);
  if (header.pFiles < sizeof header || header.pFiles >= block.size()) return names;
  const char* position = block.bytes() + header.pFiles;
  const char* end = block.bytes() + block.size();
  if (!header.fWide) {
    for (size_t length; position < end && *position; position += length + 1) {
      length = strnlen(position, static_cast<size_t>(end - position));
      if (position + length == end) break;
      names.emplace_back(position);
    }
    return names;
  }
  std::wstring name;
  for (; position + 1 < end; position += 2) {
    wchar_t c = static_cast<wchar_t>(static_cast<unsigned char>(position[0]) | static_cast<unsigned char>(position[1]) << 8);
    if (c) {
      name.push_back(c);
      continue;
    }
    if (name.empty()) break;
    char path[MAX_PATH];
    if (WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, path, sizeof path, nullptr, nullptr) > 0)
      names.emplace_back(path);
    name.clear();
  }
  return names;
}

// Appends every pair of the word file at path as a row. False, with no row
// added, when the file is no word file, too large, cannot be read, is damaged,
// or its rows cannot all be had.
bool appendWordFile(const char* path, WordRows& rows) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data) || data.nFileSizeHigh != 0 ||
      data.nFileSizeLow > kLargestWordFile || !isWordFile(path))
    return false;
  WordList list;
  if (open(list, path, kFormatWordFile, [](const InvalidLine&) { return false; }) != FileResult::Ok) return false;
  int before = rows.count();
  for (WordPair* pair = list.pairs.head(); pair; pair = pair->next)
    if (!rows.append(pair->firstWord.c_str(), pair->secondWord.c_str(), pair->marked())) {
      rows.truncate(before);
      return false;
    }
  return true;
}

}  // namespace

RowClipboard::RowClipboard()
    : wordlistFormat_(RegisterClipboardFormatA(kWordlistFormat)),
      dropEffectFormat_(RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT)) {}

bool RowClipboard::copy(HWND owner, const WordRows& rows, const std::vector<int>& selected) {
  std::string block = makeWordlistBlock(rows, selected);
  std::string text = makeClipboardText(rows, selected);
  HGLOBAL blockMemory = globalCopy(block.data(), block.size());
  HGLOBAL textMemory = globalCopy(text.c_str(), text.size() + 1);
  std::wstring units = unicodeText() ? utf16Of(text) : std::wstring();
  HGLOBAL unicodeMemory =
      unicodeText() ? globalCopy(reinterpret_cast<const char*>(units.c_str()), (units.size() + 1) * sizeof(wchar_t))
                    : nullptr;
  if (!blockMemory || !textMemory || (unicodeText() && !unicodeMemory) || !openClipboard(owner)) {
    for (HGLOBAL memory : {blockMemory, textMemory, unicodeMemory})
      if (memory) GlobalFree(memory);
    return false;
  }
  EmptyClipboard();
  bool filled = put(wordlistFormat_, blockMemory);
  filled = put(CF_TEXT, textMemory) && filled;
  if (unicodeMemory) filled = put(CF_UNICODETEXT, unicodeMemory) && filled;
  CloseClipboard();
  return filled;
}

int RowClipboard::paste(HWND owner, WordRows& rows) {
  if (!openClipboard(owner)) return 0;
  int before = rows.count();
  std::string text;
  if (IsClipboardFormatAvailable(wordlistFormat_)) pasteBlock(GetClipboardData(wordlistFormat_), rows);
  else if (clipboardText(&text)) pasteText(text, rows);
  else if (IsClipboardFormatAvailable(CF_HDROP)) pasteFiles(GetClipboardData(CF_HDROP), rows);
  CloseClipboard();
  return rows.count() - before;
}

void RowClipboard::pasteBlock(HANDLE data, WordRows& rows) const {
  LockedBlock block(data);
  if (!block.bytes()) return;
  int before = rows.count();
  bool whole = readWordlistBlock(block.bytes(), block.size(), [&](const char* first, const char* second, bool checked) {
    return rows.append(first, second, checked);
  });
  if (!whole) rows.truncate(before);
}

void RowClipboard::pasteText(const std::string& text, WordRows& rows) const {
  int before = rows.count();
  bool whole = readClipboardText(text.data(), text.size(), [&](const std::string& first, const std::string& second) {
    return rows.append(first.c_str(), second.c_str(), true);
  });
  if (!whole) rows.truncate(before);
}

void RowClipboard::pasteFiles(HANDLE data, WordRows& rows) const {
  bool cut = cutInShell();
  std::vector<CText> files;
  {
    LockedBlock list(data);
    files = listedFiles(list);
  }
  for (const CText& file : files)
    if (appendWordFile(file.c_str(), rows) && cut) DeleteFileA(file.c_str());
  if (cut) EmptyClipboard();
}

bool RowClipboard::cutInShell() const {
  if (!IsClipboardFormatAvailable(dropEffectFormat_)) return false;
  LockedBlock effect(GetClipboardData(dropEffectFormat_));
  DWORD value = 0;
  if (effect.size() < sizeof value) return false;
  std::memcpy(&value, effect.bytes(), sizeof value);
  return (value & kMoveEffect) != 0;
}

bool RowClipboard::canPaste(HWND owner) const {
  if (!openClipboard(owner)) return false;
  bool usable = false;
  if (IsClipboardFormatAvailable(wordlistFormat_)) {
    LockedBlock block(GetClipboardData(wordlistFormat_));
    usable = block.bytes() && isWordlistBlock(block.bytes(), block.size());
  }
  std::string text;
  if (!usable && clipboardText(&text)) {
    usable = isPastableText(text.data(), text.size());
  } else if (!usable && IsClipboardFormatAvailable(CF_HDROP)) {
    LockedBlock list(GetClipboardData(CF_HDROP));
    for (const CText& file : listedFiles(list)) usable = usable || isWordFile(file.c_str());
  }
  CloseClipboard();
  return usable;
}
