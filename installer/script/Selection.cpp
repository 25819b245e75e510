#include "installer/script/Selection.h"

long Selection::sizeForTotal() const {
  if (state == kNotChosen) return 0;
  long total = fileSize();
  for (const Selection& sub : subSelections) total += sub.sizeForTotal();
  return total;
}

long Selection::changeState(unsigned char newState) {
  if (state == kRequired) return 0;
  long before = size;
  state = newState;
  long after = newState == kChosen ? fileSize() : 0;
  for (Selection& sub : subSelections) {
    sub.changeState(newState);
    after += sub.size;
  }
  size = after;
  return after - before;
}

long Selection::toggle() {
  if (state == kRequired) return 0;
  return changeState(state == kChosen ? kNotChosen : kChosen);
}

void Selection::takeStateFromSubSelections() {
  if (subSelections.empty()) return;
  unsigned char shared = subSelections.front().state;
  for (const Selection& sub : subSelections) {
    if (sub.state != shared) shared = kPartlyChosen;
  }
  state = shared;
}

