#include "installer/script/WizardRules.h"

#include "installer/script/SetupScript.h"

#include <algorithm>
#include <cstring>

namespace WizardRules {

unsigned destinationButtons(const SetupScript& script) {
  bool more = script.selectionCount() > 0 || script.shortcutCount(true) > 0 || script.optionCount() > 0;
  return more ? kNext : kFinish;
}

unsigned componentsButtons(const SetupScript& script) {
  bool more = script.shortcutCount(true) > 0 || script.optionCount() > 0;
  return kBack | (more ? kNext : kFinish);
}

unsigned programGroupButtons(const SetupScript& script) {
  return kBack | (script.optionCount() > 0 ? kNext : kFinish);
}

bool showsComponents(const SetupScript& script) { return script.selectionCount() > 0; }

bool showsProgramGroup(const SetupScript& script) { return script.shortcutCount(true) > 0; }

long long kilobyteCount(long long bytes) { return bytes <= 0 ? 0 : bytes / 1024 + 1; }

std::vector<OptionBox> optionBoxes(const std::vector<CheckOption>& options) {
  std::vector<OptionBox> boxes;
  int y = 30;
  for (const CheckOption& option : options) {
    const char* label = option.label.c_str();
    int lineBreaks = static_cast<int>(std::count(label, label + std::strlen(label), '\n'));
    OptionBox box = {160, y, 270, 15 + 14 * lineBreaks};
    boxes.push_back(box);
    y += box.height + 10;
  }
  return boxes;
}

}  // namespace WizardRules
