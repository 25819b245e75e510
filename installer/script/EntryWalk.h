#pragma once
// The order in which every install phase visits the entries of a setup
// script: [MAIN]'s own entries; then each chosen top-level component (state
// not 0) with its own entries, its chosen sub-components by the same rule and
// its condition blocks; then [MAIN]'s condition blocks. A block is used only
// when its condition holds at the moment the walk reaches it, and its nested
// blocks follow its own entries.
#include "installer/script/ConditionBlock.h"

class SetupScript;

class EntryVisitor {
 public:
  virtual ~EntryVisitor() = default;
  // The own entries of one list owner; answers false to end the walk.
  virtual bool visit(EntryLists& lists) = 0;
  // A block whose condition did not hold when the walk reached it.
  virtual void skipped(ConditionBlock& block) {}
};

// Answers false when a visit ended the walk.
bool walkEntries(SetupScript& script, EntryVisitor& visitor);

// The progress steps of a whole installation: for [MAIN], each chosen
// component and every block (whatever its condition), one step per FILE and
// DIRECTORY entry, one if it has REG entries and one if it has ICON entries
// and there is a program group.
int installStepCount(const SetupScript& script);
