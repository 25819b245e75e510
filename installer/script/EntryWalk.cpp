#include "installer/script/EntryWalk.h"

#include "installer/script/SetupScript.h"

namespace {

class Walk {
 public:
  Walk(SetupScript& script, EntryVisitor& visitor) : script_(script), visitor_(visitor) {}

  bool walkAll() {
    if (!visitor_.visit(script_)) return false;
    for (Selection& selection : script_.selections) {
      if (!walkSelection(selection)) return false;
    }
    return walkBlocks(script_.conditions);
  }

 private:
  bool walkSelection(Selection& selection) {
    if (selection.state == Selection::kNotChosen) return true;
    if (!visitor_.visit(selection)) return false;
    for (Selection& sub : selection.subSelections) {
      if (!walkSelection(sub)) return false;
    }
    return walkBlocks(selection.conditions);
  }

  bool walkBlocks(std::vector<ConditionBlock>& conditions) {
    for (ConditionBlock& block : conditions) {
      if (!script_.holds(block)) {
        visitor_.skipped(block);
      } else if (!visitor_.visit(block) || !walkBlocks(block.conditions)) {
        return false;
      }
    }
    return true;
  }

  SetupScript& script_;
  EntryVisitor& visitor_;
};

int ownSteps(const EntryLists& lists, bool withShortcuts) {
  int steps = static_cast<int>(lists.files.size());
  if (!lists.registryEntries.empty()) ++steps;
  if (withShortcuts && !lists.shortcuts.empty()) ++steps;
  for (const ConditionBlock& block : lists.conditions) steps += ownSteps(block, withShortcuts);
  return steps;
}

int selectionSteps(const Selection& selection, bool withShortcuts) {
  if (selection.state == Selection::kNotChosen) return 0;
  int steps = ownSteps(selection, withShortcuts);
  for (const Selection& sub : selection.subSelections) steps += selectionSteps(sub, withShortcuts);
  return steps;
}

}  // namespace

bool walkEntries(SetupScript& script, EntryVisitor& visitor) { return Walk(script, visitor).walkAll(); }

int installStepCount(const SetupScript& script) {
  bool withShortcuts = !script.iconFolder.empty();
  int steps = ownSteps(script, withShortcuts);
  for (const Selection& selection : script.selections) steps += selectionSteps(selection, withShortcuts);
  return steps;
}
