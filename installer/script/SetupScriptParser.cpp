#include "installer/script/SetupScriptParser.h"

#include "installer/script/KeyLineReader.h"
#include "installer/script/ParseProgress.h"
#include "installer/script/SetupScript.h"
#include "installer/script/ValueCursor.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

enum Keyword {
  kUnknown, kProgram, kTitle, kDefDirectory, kDefIconGroup, kBackColor, kFadeColor,
  kTextColor, kShadeColor, kSelection, kFile, kDirectory, kReg, kIcon, kRun, kIf, kCheck,
};

struct KeywordName {
  const char* name;
  Keyword keyword;
};

const KeywordName kKeywords[] = {
    {"program", kProgram},     {"title", kTitle},         {"defdirectory", kDefDirectory},
    {"deficongroup", kDefIconGroup}, {"backcolor", kBackColor}, {"fadecolor", kFadeColor},
    {"textcolor", kTextColor}, {"shadecolor", kShadeColor}, {"selection", kSelection},
    {"file", kFile},           {"directory", kDirectory}, {"reg", kReg},
    {"icon", kIcon},           {"run", kRun},             {"if", kIf},
    {"check", kCheck},
};

Keyword keywordOf(const CText& key) {
  std::string lowered = lowerName(key.c_str(), key.length());
  for (const KeywordName& entry : kKeywords) {
    if (lowered == entry.name) return entry.keyword;
  }
  return kUnknown;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

long parseColour(const char* value) {
  if (std::strlen(value) > 8) return SetupScript::kNoColour;
  const char* p = value;
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && hexDigit(p[2]) >= 0) p += 2;
  long number = 0;
  for (; hexDigit(*p) >= 0; ++p) number = number * 16 + hexDigit(*p);
  if (negative) number = -number;
  if (number < 0 || number > 0xFFFFFF) return SetupScript::kNoColour;
  long red = (number >> 16) & 0xFF, green = (number >> 8) & 0xFF, blue = number & 0xFF;
  return red | (green << 8) | (blue << 16);
}

SetupScriptParser::SetupScriptParser(SetupScript& script, const PayloadCatalog& payloads,
                                     const char* text, ParseProgress* progress)
    : script_(script), payloads_(payloads), text_(text), index_(text), progress_(progress) {}

void SetupScriptParser::step() {
  if (progress_) progress_->step();
}

bool SetupScriptParser::mayEnter(const char* body) const {
  return body && std::find(active_.begin(), active_.end(), body) == active_.end();
}

void SetupScriptParser::parseMain() {
  if (progress_) {
    int brackets = static_cast<int>(std::count(text_, text_ + std::strlen(text_), '['));
    progress_->start(brackets + 2);
  }
  const char* body = index_.find("MAIN");
  if (!body) return;
  active_.push_back(body);
  readSection(body, kInMain, script_, nullptr);
  active_.pop_back();
  script_.requiredSize += script_.fileSize();
  step();
}

void SetupScriptParser::readSection(const char* body, Scope scope, EntryLists& lists,
                                    Selection* selection) {
  KeyLineReader reader(body);
  CText key, value;
  while (linesLeft_ > 0 && reader.next(key, value) && !key.empty()) {
    --linesLeft_;
    Keyword keyword = keywordOf(key);
    if (readEntry(keyword, value, lists)) continue;
    if (scope == kInMain) {
      readMainKey(keyword, value);
    } else if (scope == kInSelection && keyword == kTitle) {
      selection->title = value;
    } else if (scope == kInSelection && keyword == kSelection && selection->state != Selection::kRequired) {
      selection->subSelections.push_back(parseSelection(value.c_str()));
    }
  }
}

bool SetupScriptParser::readEntry(int keyword, const CText& value, EntryLists& lists) {
  switch (keyword) {
    case kFile: lists.files.push_back(FileEntry::fromFile(value.c_str(), payloads_)); return true;
    case kDirectory: lists.files.push_back(FileEntry::fromDirectory(value.c_str())); return true;
    case kReg: lists.registryEntries.push_back(RegistryEntry::parse(value.c_str())); return true;
    case kIcon: lists.shortcuts.push_back(ShortcutEntry::parse(value.c_str())); return true;
    case kRun: lists.runEntries.push_back(RunEntry{value}); return true;
    case kIf: lists.conditions.push_back(parseCondition(value.c_str())); return true;
    default: return false;
  }
}

void SetupScriptParser::readMainKey(int keyword, const CText& value) {
  switch (keyword) {
    case kProgram: script_.program = value; break;
    case kTitle: script_.title = value; break;
    case kDefDirectory: script_.destination = value; break;
    case kDefIconGroup: script_.iconFolder = value; break;
    case kBackColor: script_.backColour = parseColour(value.c_str()); break;
    case kFadeColor: script_.fadeColour = parseColour(value.c_str()); break;
    case kTextColor: script_.textColour = parseColour(value.c_str()); break;
    case kShadeColor: script_.shadeColour = parseColour(value.c_str()); break;
    case kSelection: {
      script_.selections.push_back(parseSelection(value.c_str()));
      script_.requiredSize += script_.selections.back().size;
      break;
    }
    case kCheck: script_.options.push_back(CheckOption::parse(value.c_str())); break;
    default: break;
  }
}

Selection SetupScriptParser::parseSelection(const char* value) {
  step();
  Selection selection;
  ValueCursor cursor(value);
  CText name = cursor.readUntil(",");
  if (cursor.skipIf(',') && (cursor.peek() == 'r' || cursor.peek() == 'R'))
    selection.state = Selection::kRequired;
  const char* body = index_.find(name.c_str());
  if (mayEnter(body)) {
    active_.push_back(body);
    readSection(body, kInSelection, selection, &selection);
    active_.pop_back();
  }
  selection.size = selection.sizeForTotal();
  return selection;
}

ConditionBlock SetupScriptParser::parseCondition(const char* value) {
  step();
  ConditionBlock block;
  CText name = block.readHead(value);
  if (name.empty()) return block;
  const char* body = index_.find(name.c_str());
  if (mayEnter(body)) {
    active_.push_back(body);
    readSection(body, kInCondition, block, nullptr);
    active_.pop_back();
  }
  return block;
}
