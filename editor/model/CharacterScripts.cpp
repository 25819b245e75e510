#include "editor/model/CharacterScripts.h"

#include "framework/core/Win32.h"
#include "resources/QuizResourceIds.h"
#include "wordlist/TextEncoding.h"
#include "wordlist/Utf8Text.h"

namespace {

const unsigned kFirstByte = 32;
const unsigned kLastByte = 255;

struct CodeRange {
  unsigned first, last;
};

struct UnicodeScript {
  unsigned nameId;
  std::vector<CodeRange> ranges;  // assigned characters only, so that no cell stays empty
};

const UnicodeScript kUnicodeScripts[] = {
    {QuizString::kScriptLatinExtendedA, {{0x0100, 0x017F}}},
    {QuizString::kScriptLatinExtendedB, {{0x0180, 0x024F}}},
    {QuizString::kScriptPhonetic, {{0x0250, 0x02AF}}},
    {QuizString::kScriptGreek, {{0x0386, 0x0386}, {0x0388, 0x038A}, {0x038C, 0x038C}, {0x038E, 0x03A1}, {0x03A3, 0x03CE}}},
    {QuizString::kScriptCyrillic, {{0x0400, 0x04FF}}},
    {QuizString::kScriptArmenian, {{0x0531, 0x0556}, {0x0561, 0x0587}}},
    {QuizString::kScriptHebrew, {{0x05D0, 0x05EA}}},
    {QuizString::kScriptArabic, {{0x0621, 0x063A}, {0x0640, 0x0652}, {0x0660, 0x0669}}},
    {QuizString::kScriptDevanagari, {{0x0901, 0x0939}, {0x093C, 0x094D}, {0x0950, 0x0950}, {0x0958, 0x0970}}},
    {QuizString::kScriptThai, {{0x0E01, 0x0E3A}, {0x0E3F, 0x0E5B}}},
    {QuizString::kScriptGeorgian, {{0x10D0, 0x10FA}}},
    {QuizString::kScriptLatinAdditional, {{0x1E00, 0x1EFF}}},
    {QuizString::kScriptHiragana, {{0x3041, 0x3096}, {0x309B, 0x309E}}},
    {QuizString::kScriptKatakana, {{0x30A1, 0x30FA}, {0x30FC, 0x30FE}}},
    {QuizString::kScriptHangulJamo, {{0x3131, 0x318E}}},
};

// The code page's characters 32 to 255 as Unicode code points, in the order
// of their bytes.
std::vector<unsigned> codePageCodes() {
  std::string bytes;
  for (unsigned byte = kFirstByte; byte <= kLastByte; ++byte) bytes += static_cast<char>(byte);
  std::vector<unsigned> codes;
  for (wchar_t unit : utf16Of(cp1252ToUtf8(bytes.data(), bytes.size()))) codes.push_back(unit);
  return codes;
}

}  // namespace

std::vector<CharacterScript> characterScripts() {
  std::vector<CharacterScript> scripts;
  if (programEncoding() != TextEncoding::kUtf8) {
    CharacterScript own{QuizString::kScriptLatin1, {}};
    for (unsigned byte = kFirstByte; byte <= kLastByte; ++byte) own.codes.push_back(byte);
    scripts.push_back(own);
    return scripts;
  }
  scripts.push_back({QuizString::kScriptLatin1, codePageCodes()});
  for (const UnicodeScript& script : kUnicodeScripts) {
    CharacterScript cells{script.nameId, {}};
    for (const CodeRange& range : script.ranges)
      for (unsigned code = range.first; code <= range.last; ++code) cells.codes.push_back(code);
    scripts.push_back(cells);
  }
  return scripts;
}

std::string characterText(unsigned code) {
  // Every code of the tables above lies in the basic plane: one UTF-16 unit.
  if (programEncoding() == TextEncoding::kUtf8) return fromUtf16(std::wstring(1, static_cast<wchar_t>(code)));
  return std::string(1, static_cast<char>(code));
}
