// The window-free choices of Install.exe: its command line and exit codes,
// the background's gradient, and what the wizard decides from the script.
#include "installer/script/BackgroundGradient.h"
#include "installer/script/InstallCommandLine.h"
#include "installer/script/WizardRules.h"
#include "tests/unit/SetupTestDoubles.h"

#include <gtest/gtest.h>

#include <string>

TEST(InstallCommandLine, ReadsSilentAndTheDestinationAsTheRestOfTheLine) {
  struct Case {
    const char* line;
    bool silent;
    const char* destination;
    InstallCommandLine::Error error;
  } cases[] = {
      {"", false, "", InstallCommandLine::kNone},
      {"  /S ", true, "", InstallCommandLine::kNone},
      {"/s /d=C:\\Program Files\\My Words  ", true, "C:\\Program Files\\My Words", InstallCommandLine::kNone},
      {"/D=\\\\server\\share\\Words", false, "\\\\server\\share\\Words", InstallCommandLine::kNone},
      {"/D=C:\\A /S", false, "C:\\A /S", InstallCommandLine::kNone},  // the last option takes the rest
      {"/S /D=Words", true, "Words", InstallCommandLine::kInvalidDestination},
      {"/S /D=C:Words", true, "C:Words", InstallCommandLine::kInvalidDestination},
      {"/S /D=", true, "", InstallCommandLine::kInvalidDestination},
      {"/Silent", false, "", InstallCommandLine::kUnknownOption},
      {"\"/S\" \"/D=C:\\My Words\"", true, "C:\\My Words", InstallCommandLine::kNone},
      {"/S\"", false, "", InstallCommandLine::kUnknownOption},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    InstallCommandLine options = InstallCommandLine::parse(c.line);
    EXPECT_EQ(options.silent, c.silent);
    EXPECT_STREQ(options.destination.c_str(), c.destination);
    EXPECT_EQ(options.error, c.error);
  }
  EXPECT_EQ(installExitCode(10, true), kExitComplete);
  EXPECT_EQ(installExitCode(11, true), kExitRestartNeeded);
  // Aborted, or run whole without a log or uninstaller to remove it.
  for (unsigned char flag : {0, 1}) EXPECT_EQ(installExitCode(flag, true), kExitAborted);
  for (unsigned char flag : {0, 1, 10, 11}) EXPECT_EQ(installExitCode(flag, false), kExitAborted);
}

TEST(BackgroundGradient, StepsEachChannelTowardsTheFadeColourAndCoversTheHeight) {
  const long back = 0x00007F, fade = 0xFFFF00;  // the delivered 7F0000 and 00FFFF, red in the low byte
  EXPECT_EQ(BackgroundGradient::bandColour(back, fade, 0), 0x00007F);
  EXPECT_EQ(BackgroundGradient::bandColour(back, fade, 127), 0x7F7F7F);
  // A fall of 255 steps by -1 (rounded toward zero); 127 gives no step.
  EXPECT_EQ(BackgroundGradient::bandColour(0x7FFFFF, 0x000000, 100), 0x7F9B9B);
  EXPECT_EQ(BackgroundGradient::bandTop(0, 1001), 0);
  EXPECT_EQ(BackgroundGradient::bandTop(127, 1001), 993);
  EXPECT_EQ(BackgroundGradient::bandTop(128, 1001), 1001);
}

TEST(WizardRules, ShowPagesAndButtonsByWhatTheScriptOffers) {
  ParsedScript bare("[MAIN]\nFILE=A\n");
  EXPECT_EQ(WizardRules::destinationButtons(bare.script), WizardRules::kFinish);
  EXPECT_FALSE(WizardRules::showsComponents(bare.script));

  ParsedScript components("[MAIN]\nSELECTION=ONE\n[ONE]\nFILE=A\n");
  EXPECT_EQ(WizardRules::destinationButtons(components.script), WizardRules::kNext);
  EXPECT_EQ(WizardRules::componentsButtons(components.script), WizardRules::kBack | WizardRules::kFinish);
  EXPECT_FALSE(WizardRules::showsProgramGroup(components.script));

  // Only a chosen component's shortcuts need the program-group page.
  ParsedScript full(
      "[MAIN]\nSELECTION=ONE\nCHECK=X,Line one\\nLine two\nCHECK=Y,One line,0\n[ONE]\nICON=%i\\a.lnk,%d\\a\n");
  SetupScript& script = full.script;
  EXPECT_TRUE(WizardRules::showsProgramGroup(script));
  EXPECT_EQ(WizardRules::programGroupButtons(script), WizardRules::kBack | WizardRules::kNext);
  script.selections[0].state = Selection::kNotChosen;
  EXPECT_FALSE(WizardRules::showsProgramGroup(script));
  EXPECT_EQ(WizardRules::componentsButtons(script), WizardRules::kBack | WizardRules::kNext);  // the options follow

  std::vector<WizardRules::OptionBox> boxes = WizardRules::optionBoxes(script.options);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].x, 160);
  EXPECT_EQ(boxes[0].y, 30);
  EXPECT_EQ(boxes[0].width, 270);
  EXPECT_EQ(boxes[0].height, 29);
  EXPECT_EQ(boxes[1].y, 69);
  EXPECT_EQ(boxes[1].height, 15);
}

TEST(WizardRules, CountsKilobytesRoundingUp) {
  EXPECT_EQ(WizardRules::kilobyteCount(0), 0);
  EXPECT_EQ(WizardRules::kilobyteCount(1), 1);
  EXPECT_EQ(WizardRules::kilobyteCount(1024), 2);
  EXPECT_EQ(WizardRules::kilobyteCount(5LL * 1024 * 1024 * 1024), 5LL * 1024 * 1024 + 1);
}
