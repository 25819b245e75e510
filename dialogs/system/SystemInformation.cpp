#include "dialogs/system/SystemInformation.h"

#include "resources/QuizResourceIds.h"

namespace {

enum : DWORD { kPlatformWin32s = 0, kPlatformWindows = 1, kPlatformNt = 2 };
enum : WORD { kIntel = 0, kMips = 1, kAlpha = 2, kPowerPc = 3 };
const DWORD kIntel486Type = 486;

struct PowerPcModel {
  WORD level;
  const char* name;
};

const PowerPcModel kPowerPcModels[] = {{1, "601"}, {2, "602"}, {4, "604"}, {6, "603+"}, {9, "604+"}, {20, "620"}};

CText decimal(uint64_t number) {
  char digits[21];
  int start = sizeof digits - 1;
  digits[start] = 0;
  do {
    digits[--start] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  return CText(digits + start);
}

// The string resource id with each "%d" replaced by the next number. The
// memory figures pass 4 GB, so they do not go through the 32-bit "%d".
CText formatBig(UINT id, uint64_t first, uint64_t second) {
  CText pattern;
  pattern.load(id);
  const uint64_t numbers[] = {first, second};
  int used = 0;
  CText result;
  for (unsigned i = 0; i < pattern.length(); ++i) {
    if (pattern.at(i) == '%' && pattern.at(i + 1) == 'd' && used < 2) {
      result.append(decimal(numbers[used++]));
      ++i;
    } else {
      result.append(pattern.at(i));
    }
  }
  return result;
}

UINT windowsFormat(const SystemFacts& facts) {
  switch (facts.platform) {
    case kPlatformWin32s: return QuizString::kSystemWin32s;
    case kPlatformWindows:
      return facts.majorVersion < 4 || facts.minorVersion < 10 ? QuizString::kSystemWindows95
                                                               : QuizString::kSystemWindows98;
    case kPlatformNt: return QuizString::kSystemWindowsNt;
    default: return 0;
  }
}

}  // namespace

CText SystemInformation::text(const SystemFacts& facts) {
  CText text;
  appendWindows(facts, &text);
  text.appendResource(QuizString::kProcessor);
  appendProcessor(facts, &text);
  text.append(", ");
  text.append(decimal(facts.processorCount));
  text.append(' ');
  text.appendResource(QuizString::kCpus);
  appendMemory(facts, &text);
  return text;
}

void SystemInformation::appendWindows(const SystemFacts& facts, CText* text) {
  UINT format = windowsFormat(facts);
  if (!facts.versionKnown || format == 0) return;
  CText line;
  line.formatResource(format, static_cast<int>(facts.majorVersion), static_cast<int>(facts.minorVersion),
                      static_cast<int>(facts.buildNumber));
  text->append(line);
}

void SystemInformation::appendProcessor(const SystemFacts& facts, CText* text) {
  int high = facts.revision >> 8;
  int low = facts.revision & 0xFF;
  CText name;
  switch (facts.architecture) {
    case kIntel: appendIntel(facts, text); return;
    case kMips: name.formatResource(QuizString::kMips, facts.level, low); break;
    case kAlpha: name.formatResource(QuizString::kAlpha, facts.level, 'A' + high, low); break;
    case kPowerPc: appendPowerPc(facts, text); return;
    default: return;
  }
  text->append(name);
}

void SystemInformation::appendIntel(const SystemFacts& facts, CText* text) {
  int high = facts.revision >> 8;
  int low = facts.revision & 0xFF;
  switch (facts.level) {
    case 3:
    case 4:
      text->appendResource(facts.level == 3 ? QuizString::kIntel386 : QuizString::kIntel486);
      text->appendResource(QuizString::kRevision);
      text->append(static_cast<char>('A' + high));
      text->append(decimal(low));
      break;
    case 5:
      text->appendResource(QuizString::kIntelPentium);
      text->appendResource(QuizString::kModel);
      text->append(decimal(high));
      text->appendResource(QuizString::kStep);
      text->append(decimal(low));
      break;
    default:
      if (facts.processorType == kIntel486Type) text->appendResource(QuizString::kCyrix6x86);
  }
}

void SystemInformation::appendPowerPc(const SystemFacts& facts, CText* text) {
  text->appendResource(QuizString::kPowerPc);
  for (const PowerPcModel& model : kPowerPcModels)
    if (model.level == facts.level) text->append(model.name);
  text->append(' ');
  text->append(decimal(facts.revision >> 8));
  text->append(decimal(facts.revision & 0xFF));
}

void SystemInformation::appendMemory(const SystemFacts& facts, CText* text) {
  const int kKilobyteShift = 10;
  text->append(formatBig(QuizString::kPhysicalMemory, facts.totalPhysical >> kKilobyteShift,
                         facts.availablePhysical >> kKilobyteShift));
  text->append(formatBig(QuizString::kPagedMemory, facts.totalPageFile >> kKilobyteShift,
                         facts.availablePageFile >> kKilobyteShift));
}
