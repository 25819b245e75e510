#include "installer/remove/RemovalReport.h"

namespace {

void count(RemovalReport& report, RemovalStep::Action action) {
  switch (action) {
    case RemovalStep::kShortcut: ++report.removedShortcuts; break;
    case RemovalStep::kFolder: ++report.removedFolders; break;
    case RemovalStep::kValue:
    case RemovalStep::kKey: ++report.removedRegistry; break;
    default: ++report.removedFiles; break;
  }
}

}  // namespace

void RemovalReport::record(const RemovalStep& step, Outcome outcome, RemovalReason reason, unsigned long error) {
  if (outcome == kRemoved) count(*this, step.action);
  if (outcome == kRemoved || outcome == kAbsent) return;
  Item item;
  item.what = step.describe();
  item.line = step.line;
  item.reason = reason;
  item.error = error;
  std::vector<Item>& list = outcome == kScheduled ? scheduled : outcome == kKept ? kept : notRemoved;
  list.push_back(item);
}

void RemovalReport::refuse(const RefusedLine& line) {
  Item item;
  item.what = line.text;
  item.line = line.line;
  item.reason = line.reason;
  notRemoved.push_back(item);
}

int RemovalReport::exitCode() const {
  if (!notRemoved.empty()) return kIncomplete;
  return scheduled.empty() ? kComplete : kRestartNeeded;
}
