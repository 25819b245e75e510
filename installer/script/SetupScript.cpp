#include "installer/script/SetupScript.h"

#include "installer/script/SetupEnvironment.h"
#include "installer/script/SetupScriptParser.h"

#include <string>

namespace {

int selectionShortcuts(const Selection& selection, bool chosenOnly) {
  if (chosenOnly && selection.state == Selection::kNotChosen) return 0;
  int count = selection.shortcutCountWithBlocks();
  for (const Selection& sub : selection.subSelections) count += selectionShortcuts(sub, chosenOnly);
  return count;
}

void removeTrailingBackslash(CText& text) {
  if (!text.empty() && text.at(static_cast<int>(text.length()) - 1) == '\\')
    text = text.left(static_cast<int>(text.length()) - 1);
}

// Counted as the wizard shows sizes: no bytes are 0 KB, any others the
// whole kilobytes plus one.
CText kilobytesInHex(long bytes) {
  CText text;
  text.setRadix(16);
  text.append(bytes > 0 ? bytes / 1024 + 1 : 0L);
  return text;
}

}  // namespace

SetupScript::SetupScript(SetupEnvironment& environment, const PayloadCatalog& payloads)
    : environment_(environment), payloads_(payloads) {}

bool SetupScript::parse(const char* text, unsigned size, ParseProgress* progress) {
  if (!text || size <= 1) return false;
  std::string buffer(text, size);
  SetupScriptParser parser(*this, payloads_, buffer.c_str(), progress);
  parser.parseMain();
  return true;
}

const CText& SetupScript::ownTemporaryFolder() {
  if (!temporaryFolder_.empty()) return temporaryFolder_;
  CText base = environment_.temporaryFolder();
  if (base.empty() || base.at(static_cast<int>(base.length()) - 1) != '\\') base.append('\\');
  base.append("~ztkinst");
  for (long number = 1;; ++number) {
    CText candidate(base);
    candidate.append(number);
    if (!environment_.folderExists(candidate.c_str())) {
      temporaryFolder_ = candidate;
      return temporaryFolder_;
    }
  }
}

CText SetupScript::macroText(char macro) {
  switch (macro) {
    case 'd': return destination;
    case 'i': return iconFolder;
    case 'k': return kilobytesInHex(requiredSize);
    case 'm': return environment_.shortPath(destination.c_str());
    case 'p': return environment_.programFilesFolder();
    case 's': return environment_.systemFolder();
    case 't': return environment_.desktopFolder();
    case 'w': return environment_.windowsFolder();
    case 'y': return environment_.localDate();
    case '~': return environment_.temporaryFolder();
    default: return CText();
  }
}

bool SetupScript::expand(CText& text) {
  CText built;
  bool filled = true;
  const char* p = text.c_str();
  while (*p) {
    if (*p != '%') {
      built.append(*p++);
      continue;
    }
    char macro = p[1];
    if (macro >= 'A' && macro <= 'Z') macro = static_cast<char>(macro - 'A' + 'a');
    if (macro == '~' && p[2] == '~') {
      built.append(ownTemporaryFolder());
      p += 3;
    } else if (macro && std::string("dikmpstwy~").find(macro) != std::string::npos) {
      CText value = macroText(macro);
      if (value.empty()) filled = false;
      built.append(value);
      removeTrailingBackslash(built);
      p += 2;
    } else {
      built.append(*p++);
    }
  }
  text.swap(built);
  return filled;
}

CText SetupScript::lookup(const char* name) const {
  CText wanted(name);
  if (wanted.compareNoCase("DESTINATIONPATH") == 0) return destination;
  if (wanted.compareNoCase("ICONGROUP") == 0) return iconFolder;
  if (wanted.compareNoCase("RESTART") == 0) return restartFlag ? "TRUE" : "FALSE";
  for (const CheckOption& option : options) {
    if (option.name.compareNoCase(name) == 0) return option.state == 1 ? "TRUE" : "FALSE";
  }
  return CText();
}

bool SetupScript::holds(const ConditionBlock& block) const {
  bool equal = lookup(block.variable.c_str()).compareNoCase(block.comparedText.c_str()) == 0;
  return equal == block.equalTest;
}

long SetupScript::computeRequiredSize() {
  requiredSize = fileSize();
  for (const Selection& selection : selections) requiredSize += selection.sizeForTotal();
  return requiredSize;
}

long SetupScript::toggleSelection(Selection& selection) {
  long change = selection.toggle();
  requiredSize += change;
  return change;
}

int SetupScript::shortcutCount(bool chosenOnly) const {
  int count = shortcutCountWithBlocks();
  for (const Selection& selection : selections) count += selectionShortcuts(selection, chosenOnly);
  return count;
}

bool SetupScript::setOptionState(unsigned controlId, bool checked) {
  if (controlId == 0) return false;
  for (CheckOption& option : options) {
    if (option.controlId == controlId) {
      option.state = checked ? 1 : 0;
      return true;
    }
  }
  return false;
}

bool SetupScript::startLog() {
  CText path("%d\\Install.log");
  if (!expand(path)) return false;
  log.start(path.c_str(), program.c_str(), destination.c_str());
  return true;
}
