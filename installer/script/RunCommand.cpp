#include "installer/script/RunCommand.h"

#include "installer/script/SetupScript.h"
#include "installer/script/ValueCursor.h"

#include <string>

namespace {

struct CommandWord {
  const char* word;
  RunCommand::Kind kind;
};

const CommandWord kCommandWords[] = {
    {"msgbox", RunCommand::kMessageBox}, {"exec", RunCommand::kExec},
    {"delete", RunCommand::kDelete},     {"erase", RunCommand::kDelete},
    {"rmdir", RunCommand::kRemoveDirectory}, {"mkdir", RunCommand::kMakeDirectory},
    {"copy", RunCommand::kCopy},
};

bool findCommand(const CText& word, RunCommand::Kind& kind) {
  for (const CommandWord& entry : kCommandWords) {
    if (word.compareNoCase(entry.word) == 0) {
      kind = entry.kind;
      return true;
    }
  }
  return false;
}

struct ShowWord {
  const char* word;
  RunCommand::Show show;
};

const ShowWord kShowWords[] = {
    {"HIDE", RunCommand::kShowHide},           {"NORMAL", RunCommand::kShowNormal},
    {"MINIMIZED", RunCommand::kShowMinimized}, {"MAXIMIZED", RunCommand::kShowMaximized},
    {"NOACTIVATED", RunCommand::kShowNoActivate},
};

RunCommand::Show showFromWord(const CText& word) {
  for (const ShowWord& entry : kShowWords) {
    if (word.compareNoCase(entry.word) == 0) return entry.show;
  }
  return RunCommand::kShowDefault;
}

// A backslash before \, n, r or t gives that character; before anything
// else it is dropped, so an escaped quote still ends the text.
CText readQuoted(ValueCursor& cursor) {
  std::string text;
  for (char c; (c = cursor.peek()) != 0 && c != '"'; cursor.skip()) {
    if (c == '\\') {
      cursor.skip();
      c = cursor.peek();
      if (c == 0 || c == '"') break;
      if (c == '\\' || c == 'n' || c == 'r' || c == 't') c = escapedCharacter(c);
    }
    text += c;
  }
  cursor.skipIf('"');
  cursor.skipBlanks();
  return CText(text.c_str(), static_cast<int>(text.size()));
}

void readExecFields(RunCommand& command, ValueCursor& cursor) {
  if (cursor.atEnd()) return;
  cursor.skip();
  command.show = showFromWord(cursor.readUntil(", "));
  if (!cursor.skipIf(',')) return;
  CText wait = cursor.readUntil(", ");
  command.wait = wait == "1" || wait.compareNoCase("TRUE") == 0;
}

void readSecondArgument(RunCommand& command, ValueCursor& cursor, SetupScript& script) {
  if (cursor.atEnd()) return;
  cursor.skip();
  command.second = readRunArgument(cursor, script, &command.macrosFilled);
  command.hasSecond = true;
}

}  // namespace

CText readRunArgument(ValueCursor& cursor, SetupScript& script, bool* filled) {
  CText argument;
  if (cursor.skipIf('"')) {
    argument = readQuoted(cursor);
  } else {
    argument = script.lookup(cursor.readUntil(", ").c_str());
    cursor.skipUntil(",");
  }
  if (!script.expand(argument) && filled) *filled = false;
  return argument;
}

RunCommand RunCommand::read(const char* value, SetupScript& script) {
  RunCommand command;
  ValueCursor cursor(value);
  CText word = cursor.readUntil("( ");
  cursor.skipBlanks();
  if (!cursor.skipIf('(') || !findCommand(word, command.kind)) {
    command.kind = kOpen;
    command.first = value;
    command.macrosFilled = script.expand(command.first);
    return command;
  }
  CText arguments = cursor.readUntil(")");
  ValueCursor inside(arguments.c_str());
  command.first = readRunArgument(inside, script, &command.macrosFilled);
  if (command.kind == kExec) readExecFields(command, inside);
  if (command.kind == kMessageBox || command.kind == kCopy) readSecondArgument(command, inside, script);
  return command;
}
