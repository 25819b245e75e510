#include "tests/unit/SetupTestDoubles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string deliveredScript() {
  std::ifstream file(SETUP_SCRIPT_PATH, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Verbolt'97";

struct DeliveredScript : public ::testing::Test {
  DeliveredScript()
      : parsed(deliveredScript(), {{"REMOVE.EXE", 30000}, {"RIGHT.WAV", 5000}, {"WRONG.WAV", 6000},
                                   {"VERBOLT.EXE", 200000}, {"KIELIVIS.EXE", 210000}, {"README.TXT", 900},
                                   {"README.FIN", 1000}, {"BASIC1.WDL", 70}}) {}
  ParsedScript parsed;
  SetupScript& script = parsed.script;
};

void expectString(const RegistryEntry& entry, const char* name, const char* data, RegistryEntry::Action action) {
  SCOPED_TRACE(name);
  EXPECT_STREQ(entry.valueName.c_str(), name);
  ASSERT_TRUE(entry.hasData);
  EXPECT_EQ(entry.type, RegistryEntry::kString);
  EXPECT_STREQ(reinterpret_cast<const char*>(entry.data.data()), data);
  EXPECT_EQ(entry.action, action);
}

}  // namespace

TEST_F(DeliveredScript, HasTheProductTextsColoursAndDefaults) {
  ASSERT_TRUE(parsed.parsed);
  EXPECT_STREQ(script.program.c_str(), "Verbolt'97 1.42b");
  EXPECT_STREQ(script.title.c_str(), "Install Verbolt'97 1.42b...");
  EXPECT_STREQ(script.destination.c_str(), "%p\\Verbolt'97");
  EXPECT_STREQ(script.iconFolder.c_str(), "Verbolt'97");
  EXPECT_EQ(script.backColour, 0x00007F);
  EXPECT_EQ(script.fadeColour, 0xFFFF00);
  EXPECT_EQ(script.textColour, 0xFFFFFF);
  EXPECT_EQ(script.shadeColour, 0);
}

TEST_F(DeliveredScript, HasTheThreeComponentsAndNineSampleGroups) {
  ASSERT_EQ(script.selections.size(), 3u);
  EXPECT_STREQ(script.selections[0].title.c_str(), "Verbolt'97 (English)");
  EXPECT_STREQ(script.selections[1].title.c_str(), "Kielivisa'97 (Finnish)");
  const Selection& samples = script.selections[2];
  EXPECT_STREQ(samples.title.c_str(), "Sample Files");
  ASSERT_EQ(samples.files.size(), 1u);
  EXPECT_TRUE(samples.files[0].isDirectory());
  EXPECT_STREQ(samples.files[0].destination.c_str(), "%d\\Samples");
  ASSERT_EQ(samples.subSelections.size(), 9u);
  for (const Selection& group : samples.subSelections) {
    SCOPED_TRACE(group.title.c_str());
    EXPECT_FALSE(group.title.empty());
    EXPECT_FALSE(group.files.empty());
    for (const FileEntry& file : group.files) {
      EXPECT_EQ(std::string(file.destination.c_str()).rfind("%d\\Samples\\", 0), 0u);
      EXPECT_EQ(std::string(file.payloadName.c_str()).find(".WDL"), file.payloadName.length() - 4);
    }
  }
  for (const Selection& selection : script.selections) EXPECT_EQ(selection.state, Selection::kChosen);
  EXPECT_EQ(script.requiredSize, 30000 + 5000 + 6000 + 200000 + 900 + 210000 + 1000 + 70);
}

TEST_F(DeliveredScript, InstallsTheSharedFilesAndTheUninstallEntry) {
  ASSERT_EQ(script.files.size(), 3u);
  const char* destinations[] = {"%d\\Remove.exe", "%d\\Right.wav", "%d\\Wrong.wav"};
  for (int i = 0; i < 3; ++i) EXPECT_STREQ(script.files[i].destination.c_str(), destinations[i]);
  const std::vector<RegistryEntry>& entries = script.registryEntries;
  ASSERT_EQ(entries.size(), 13u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(entries[i].root, RegistryEntry::kLocalMachine);
    EXPECT_STREQ(entries[i].key.c_str(), kUninstallKey);
    EXPECT_EQ(entries[i].action, RegistryEntry::kSet);
  }
  EXPECT_FALSE(entries[0].hasData);
  // The program lies under a folder with blanks, so its path is quoted.
  const char* texts[][2] = {{"DisplayName", "Verbolt'97"},
                            {"UninstallString", "\"%d\\Remove.exe\""},
                            {"QuietUninstallString", "\"%d\\Remove.exe\" /S"},
                            {"DisplayVersion", "1.42b"},
                            {"Publisher", "Quorvel"},
                            {"InstallLocation", "%d"},
                            {"DisplayIcon", "%d\\Remove.exe,0"}};
  for (int i = 0; i < 7; ++i) expectString(entries[i + 1], texts[i][0], texts[i][1], RegistryEntry::kSet);
  EXPECT_STREQ(entries[8].valueName.c_str(), "EstimatedSize");
  EXPECT_EQ(entries[8].type, RegistryEntry::kNumber);
  EXPECT_STREQ(entries[8].numberMacro.c_str(), "%k");
  expectString(entries[9], "InstallDate", "%y", RegistryEntry::kSet);
  for (int i : {10, 11}) {
    EXPECT_EQ(entries[i].type, RegistryEntry::kNumber);
    EXPECT_EQ(entries[i].data, (std::vector<unsigned char>{1, 0, 0, 0}));
  }
  EXPECT_STREQ(entries[10].valueName.c_str(), "NoModify");
  EXPECT_STREQ(entries[11].valueName.c_str(), "NoRepair");
  EXPECT_EQ(entries[12].root, RegistryEntry::kCurrentUser);
  EXPECT_STREQ(entries[12].key.c_str(), "Software\\Quorvel");
  EXPECT_FALSE(entries[12].hasData);
}

TEST_F(DeliveredScript, OffersTheFiveOptions) {
  struct Expected {
    const char* name;
    const char* label;
    int state;
  } expected[] = {
      {"DESKTOPICONS", "Create icons to desktop", 1},
      {"REGKIELIVIS", "Associate Kielivisa'97 with wordfiles\n(Default: Associate Verbolt'97 with wordfiles)", 0},
      {"RUNVERBOLT", "Run Verbolt'97", 0},
      {"RUNKIELIVISA", "Run Kielivisa'97", 0},
      {"READMEFILES", "Open Readme.txt file", 0},
  };
  ASSERT_EQ(script.options.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_STREQ(script.options[i].name.c_str(), expected[i].name);
    EXPECT_STREQ(script.options[i].label.c_str(), expected[i].label);
    EXPECT_EQ(script.options[i].state, expected[i].state);
  }
}

TEST_F(DeliveredScript, EachProductCopiesItsProgramAndPresetsItsSounds) {
  struct Product {
    const char* program;
    const char* settingsKey;
    const char* link;
  } products[] = {
      {"%d\\Verbolt.exe", "Software\\Quorvel\\Verbolt'97\\Settings", "%i\\Verbolt'97.lnk"},
      {"%d\\Kielivis.exe", "Software\\Quorvel\\Kielivisa'97\\Settings", "%i\\Kielivisa'97.lnk"},
  };
  for (int i = 0; i < 2; ++i) {
    const Selection& product = script.selections[i];
    SCOPED_TRACE(product.title.c_str());
    ASSERT_EQ(product.files.size(), 2u);
    EXPECT_STREQ(product.files[0].destination.c_str(), products[i].program);
    EXPECT_STREQ(product.shortcuts[0].link.c_str(), products[i].link);
    EXPECT_STREQ(product.shortcuts[0].target.c_str(), products[i].program);
    ASSERT_EQ(product.registryEntries.size(), 4u);
    EXPECT_STREQ(product.registryEntries[1].key.c_str(), products[i].settingsKey);
    EXPECT_FALSE(product.registryEntries[1].hasData);
    expectString(product.registryEntries[2], "PlayFile1", "%d\\Right.wav", RegistryEntry::kNoChange);
    expectString(product.registryEntries[3], "PlayFile2", "%d\\Wrong.wav", RegistryEntry::kNoChange);
    EXPECT_EQ(product.conditions.size(), 4u);
  }
  ASSERT_EQ(script.selections[0].shortcuts.size(), 2u);
  EXPECT_STREQ(script.selections[0].shortcuts[1].link.c_str(), "%i\\Readme.lnk");
  EXPECT_STREQ(script.selections[0].shortcuts[1].target.c_str(), "%d\\Readme.txt");
}

TEST_F(DeliveredScript, AssociatesWordFilesWithOneProductByTheOption) {
  const ConditionBlock& english = script.selections[0].conditions[1];
  const ConditionBlock& finnish = script.selections[1].conditions[1];
  EXPECT_TRUE(script.holds(english));
  EXPECT_FALSE(script.holds(finnish));
  script.options[1].state = 1;
  EXPECT_FALSE(script.holds(english));
  EXPECT_TRUE(script.holds(finnish));

  ASSERT_EQ(english.registryEntries.size(), 8u);
  for (const RegistryEntry& entry : english.registryEntries) EXPECT_EQ(entry.root, RegistryEntry::kClassesRoot);
  expectString(english.registryEntries[1], "", "Verbolt.WDL", RegistryEntry::kSet);
  expectString(english.registryEntries[3], "", "Verbolt\x92" "97 WordFile", RegistryEntry::kSet);
  expectString(english.registryEntries[5], "", "%m\\Verbolt.exe,1", RegistryEntry::kSet);
  expectString(english.registryEntries[7], "", "%m\\Verbolt.exe \"%1\"", RegistryEntry::kSet);
  expectString(finnish.registryEntries[3], "", "Kielivisa\x92" "97 Sanatiedostot", RegistryEntry::kSet);
  expectString(finnish.registryEntries[7], "", "%m\\Kielivis.exe \"%1\"", RegistryEntry::kSet);
}

TEST_F(DeliveredScript, MakesDesktopIconsAndRunsProgramsOnlyWhenChosen) {
  const Selection& english = script.selections[0];
  const ConditionBlock& desktop = english.conditions[0];
  EXPECT_TRUE(script.holds(desktop));
  ASSERT_EQ(desktop.shortcuts.size(), 1u);
  EXPECT_STREQ(desktop.shortcuts[0].link.c_str(), "%t\\Verbolt'97.lnk");
  EXPECT_STREQ(script.selections[1].conditions[0].shortcuts[0].link.c_str(), "%t\\Kielivisa'97.lnk");
  EXPECT_FALSE(script.holds(english.conditions[2]));
  ASSERT_EQ(english.conditions[2].runEntries.size(), 1u);
  EXPECT_STREQ(english.conditions[2].runEntries[0].text.c_str(), "%d\\Verbolt.exe");
  ASSERT_EQ(english.conditions[3].runEntries.size(), 1u);
  EXPECT_STREQ(english.conditions[3].runEntries[0].text.c_str(), "%d\\ReadMe.txt");
  EXPECT_EQ(script.shortcutCount(true), 5);
  script.toggleSelection(script.selections[0]);
  script.toggleSelection(script.selections[1]);
  EXPECT_EQ(script.shortcutCount(true), 0);
}
