#pragma once
// SetupScriptParser: fills a SetupScript from the script text. Sections are
// found through an index built once; a SELECTION or IF that leads back to a
// section already being parsed gives an empty component or block there.
// Sections named again and again multiply the lines read, so reading stops
// after kMaxLines key lines in all.
#include "installer/script/SectionIndex.h"

#include <vector>

class CText;
class ParseProgress;
class PayloadCatalog;
class SetupScript;
struct ConditionBlock;
struct EntryLists;
struct Selection;

class SetupScriptParser {
 public:
  static constexpr long kMaxLines = 100000;

  // text: NUL-terminated, kept alive by the caller while parsing; progress
  // may be null.
  SetupScriptParser(SetupScript& script, const PayloadCatalog& payloads, const char* text,
                    ParseProgress* progress);
  // Parses [MAIN] and every section it leads to. Nothing happens without a
  // [MAIN] section.
  void parseMain();

 private:
  enum Scope { kInMain, kInSelection, kInCondition };

  // Reads the key lines of the section starting at body. selection is the
  // component being read in scope kInSelection, else null.
  void readSection(const char* body, Scope scope, EntryLists& lists, Selection* selection);
  // Handles the keys every section may hold; answers false for other keys.
  bool readEntry(int keyword, const CText& value, EntryLists& lists);
  void readMainKey(int keyword, const CText& value);
  Selection parseSelection(const char* value);
  ConditionBlock parseCondition(const char* value);
  // Whether the section at body may be read now, that is, is not already
  // being read further up the chain.
  bool mayEnter(const char* body) const;
  void step();

  SetupScript& script_;
  const PayloadCatalog& payloads_;
  const char* text_;
  SectionIndex index_;
  ParseProgress* progress_;
  std::vector<const char*> active_;
  long linesLeft_ = kMaxLines;
};

// A colour value: at most 8 characters of signed hexadecimal (blanks, sign
// and "0x" allowed) as RRGGBB, answered with red in the low byte; -1 (not
// set) for a longer text or a number outside 0 to FFFFFF.
long parseColour(const char* value);
