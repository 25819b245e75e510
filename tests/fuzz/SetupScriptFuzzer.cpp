// Setup scripts: parse, then use the model as the wizard and the install
// phases would. The required size counted while parsing must match the
// recomputed one, and toggling every component off and on must restore it.
#include "installer/script/RunCommand.h"
#include "tests/unit/SetupTestDoubles.h"

#include <cstdlib>
#include <string>

namespace {

void useEntries(SetupScript& script, const EntryLists& lists) {
  for (const FileEntry& file : lists.files) {
    CText destination(file.destination);
    script.expand(destination);
  }
  for (const RunEntry& run : lists.runEntries) RunCommand::read(run.text.c_str(), script);
  for (const ConditionBlock& block : lists.conditions) {
    script.holds(block);
    useEntries(script, block);
  }
}

void useSelections(SetupScript& script, const std::vector<Selection>& selections) {
  for (const Selection& selection : selections) {
    useEntries(script, selection);
    useSelections(script, selection.subSelections);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  ParsedScript parsed(text, {{"A", 10}, {"B", 200}, {"REMOVE.EXE", 3000}});
  SetupScript& script = parsed.script;
  script.expand(script.destination);
  useEntries(script, script);
  useSelections(script, script.selections);
  long parsedSize = script.requiredSize;
  if (script.computeRequiredSize() != parsedSize) std::abort();
  for (Selection& selection : script.selections) {
    script.toggleSelection(selection);
    script.toggleSelection(selection);
  }
  if (script.requiredSize != parsedSize || script.computeRequiredSize() != parsedSize) std::abort();
  script.shortcutCount(true);
  script.shortcutCount(false);
  return 0;
}
