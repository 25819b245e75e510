#pragma once
// WizardRules: what the install wizard decides from the setup script alone:
// which of its pages show, which buttons each shows, the kilobyte count that
// sizes are shown in and where the options page puts its check boxes. The
// pages only read their controls and carry these out.
#include <vector>

class SetupScript;
struct CheckOption;

namespace WizardRules {

// Button flags with the values of the sheet's own PSWIZB_ flags.
constexpr unsigned kBack = 1;
constexpr unsigned kNext = 2;
constexpr unsigned kFinish = 4;

// The destination page: Next when a later page will show, else Finish.
unsigned destinationButtons(const SetupScript& script);
// The components page: Back, and Next when the program group or options
// page will show, else Finish.
unsigned componentsButtons(const SetupScript& script);
// The program-group page: Back, and Next when there are options, else Finish.
unsigned programGroupButtons(const SetupScript& script);
constexpr unsigned kOptionsButtons = kBack | kFinish;

bool showsComponents(const SetupScript& script);
// Only shortcuts of chosen components need a program group.
bool showsProgramGroup(const SetupScript& script);

// The n of "n KB": 0 for no bytes, else whole kilobytes plus one.
long long kilobyteCount(long long bytes);

// A check box of the options page, in pixels of the page.
struct OptionBox {
  int x, y, width, height;
};
// One box per option, in order: 15 pixels high plus 14 for each line break
// of its label, 10 pixels apart, the first at (160, 30).
std::vector<OptionBox> optionBoxes(const std::vector<CheckOption>& options);

}  // namespace WizardRules
