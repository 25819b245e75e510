#include "installer/remove/FinalMessage.h"

#include "installer/remove/RemoveResourceIds.h"

namespace {

// Longer lists are cut, so that the message stays on the screen.
const size_t kListedItems = 10;

// Only what was not removed names its log line: that is where to look.
CText itemText(const RemovalReport::Item& item, bool withLine) {
  CText what = item.what;
  if (withLine && item.line > 0) what.formatResource(RemoveString::kOnLine, item.line, item.what.c_str());
  if (item.reason == RemovalReason::kNone) return what;
  UINT reasonId = RemoveString::kReasonTexts + static_cast<UINT>(item.reason);
  CText reason;
  reason.formatResource(reasonId, item.error);
  CText text;
  text.formatResource(RemoveString::kWithReason, what.c_str(), reason.c_str());
  return text;
}

void appendList(CText& message, UINT heading, const std::vector<RemovalReport::Item>& items, bool withLines) {
  if (items.empty()) return;
  message.append("\n\n");
  message.appendResource(heading);
  for (size_t i = 0; i < items.size() && i < kListedItems; ++i) {
    message.append("\n    ");
    message.append(itemText(items[i], withLines));
  }
  if (items.size() <= kListedItems) return;
  CText more;
  more.formatResource(RemoveString::kMore, static_cast<int>(items.size() - kListedItems));
  message.append('\n');
  message.append(more);
}

}  // namespace

CText finalMessage(const RemovalReport& report, const CText& product) {
  bool whole = report.scheduled.empty() && report.kept.empty() && report.notRemoved.empty();
  CText message;
  message.formatResource(whole ? RemoveString::kRemoved : RemoveString::kRemovedExcept, product.c_str());
  CText counts;
  counts.formatResource(RemoveString::kRemovedCounts, report.removedFiles, report.removedFolders,
                        report.removedShortcuts, report.removedRegistry);
  message.append("\n\n");
  message.append(counts);
  appendList(message, RemoveString::kAtRestart, report.scheduled, false);
  appendList(message, RemoveString::kKept, report.kept, false);
  appendList(message, RemoveString::kNotRemoved, report.notRemoved, true);
  return message;
}

CText damagedLogMessage(const CText& logPath, const RefusedLine& why) {
  RemovalReport::Item item;
  item.what = why.text;
  item.line = why.line;
  item.reason = why.reason;
  CText message;
  message.formatResource(RemoveString::kLogDamagedLine, logPath.c_str(), itemText(item, true).c_str());
  return message;
}
