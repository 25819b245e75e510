#pragma once
// Selection: one component of the setup script, with its sub-components and
// entries, its state in the wizard and its cached size.
#include "installer/script/ConditionBlock.h"
#include "installer/script/EntryLists.h"

#include <vector>

struct Selection : EntryLists {
  enum State : unsigned char { kNotChosen = 0, kChosen = 1, kPartlyChosen = 2, kRequired = 255 };

  unsigned char state = kChosen;
  long size = 0;  // cached, as last computed for the wizard
  CText title;
  std::vector<Selection> subSelections;

  // The size the component adds to the required total: 0 when not chosen,
  // else its file sizes and its sub-selections' sizes by the same rule.
  long sizeForTotal() const;
  // Sets state on this selection and its sub-selections, recursively; a
  // required one keeps its state and its cached size. Recomputes the cached
  // sizes and answers the change of this selection's size.
  long changeState(unsigned char newState);
  // The wizard's click: not chosen or partly chosen becomes chosen, chosen
  // becomes not chosen, required stays. Answers the change of size.
  long toggle();
  // The state shared by all sub-selections, or partly chosen when they differ;
  // nothing changes without sub-selections.
  void takeStateFromSubSelections();
};
