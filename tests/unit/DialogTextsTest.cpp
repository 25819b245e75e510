// The texts the Settings and About dialogs build without a window: the font
// description and the system information block.
#include "dialogs/system/SystemInformation.h"
#include "quiz/drill/FontDescription.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGFONTA font(const char* face, LONG height, LONG weight, BYTE italic) {
  LOGFONTA result = {};
  result.lfHeight = height;
  result.lfWeight = weight;
  result.lfItalic = italic;
  std::strcpy(result.lfFaceName, face);
  return result;
}

// An NT machine with one Pentium-class processor and 1 MB of each memory.
SystemFacts plainFacts() {
  SystemFacts facts;
  facts.versionKnown = true;
  facts.platform = 2;
  facts.majorVersion = 10;
  facts.minorVersion = 0;
  facts.buildNumber = 19045;
  facts.level = 6;
  facts.processorType = 586;
  facts.processorCount = 1;
  facts.totalPhysical = facts.availablePhysical = facts.totalPageFile = facts.availablePageFile = 1 << 20;
  return facts;
}

std::string lineOf(const CText& text, int index) {
  std::string all = text.c_str();
  size_t start = 0;
  for (int i = 0; i < index; ++i) start = all.find('\n', start) + 1;
  return all.substr(start, all.find('\n', start) - start);
}

}  // namespace

TEST(FontDescription, NamesFaceSizeBoldAndItalic) {
  struct Case {
    LOGFONTA font;
    int pixelsPerInch;
    const char* description;
  } cases[] = {
      {font("MS Sans Serif", -11, 400, 0), 96, "MS Sans Serif 8pt"},
      {font("Arial", -13, 700, 1), 96, "Arial 10pt Bold Italic"},
      {font("Arial", -13, 500, 0), 96, "Arial 10pt"},
      {font("Arial", -13, 501, 0), 96, "Arial 10pt Bold"},
      {font("Tahoma", -20, 400, 1), 120, "Tahoma 12pt Italic"},
      {font("Tahoma", 16, 400, 0), 96, "Tahoma 12pt"},
      {font("Courier", -14, 400, 0), 96, "Courier 11pt"},  // 10.5 rounds up
      {font("Courier", 0, 400, 0), 96, "Courier 0pt"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(describeFont(c.font, c.pixelsPerInch).c_str()), c.description);
}

// The word edits allow 36 pixels, the test window's lines 34.
TEST(FontDescription, LineHeightFollowsTheFontWithinItsLimits) {
  struct Case {
    LONG height;
    int tallest, lineHeight;
  } cases[] = {{-30, 36, 36}, {30, 36, 36}, {-24, 36, 36}, {-23, 36, 35}, {-14, 36, 26},
               {8, 36, 23}, {11, 36, 23}, {0, 36, 23}, {-30, 34, 34}};
  for (const Case& c : cases) EXPECT_EQ(lineHeightFor(font("Arial", c.height, 400, 0), c.tallest), c.lineHeight);
}

TEST(SystemInformation, WindowsLineByPlatform) {
  struct Case {
    DWORD platform, major, minor, build;
    const char* line;
  } cases[] = {
      {2, 10, 0, 19045, "System: Windows NT 10.0 Build: 19045"},
      {1, 4, 0, 950, "System: Windows'95 version 4.0 Build: 950"},
      {1, 4, 10, 1998, "System: Windows'98 version 4.10 Build: 1998"},
      {1, 4, 90, 3000, "System: Windows'98 version 4.90 Build: 3000"},
      {1, 3, 95, 0x0300005F, "System: Windows'95 version 3.95 Build: 50331743"},
      {0, 3, 10, 7, "System: Windows 3.10 with Win32s Build:7"},
      {5, 1, 0, 1, ""},
  };
  for (const Case& c : cases) {
    SystemFacts facts = plainFacts();
    facts.platform = c.platform;
    facts.majorVersion = c.major;
    facts.minorVersion = c.minor;
    facts.buildNumber = c.build;
    EXPECT_EQ(lineOf(SystemInformation::text(facts), 0), c.line);
  }
  SystemFacts unknown = plainFacts();
  unknown.versionKnown = false;
  EXPECT_EQ(std::string(SystemInformation::text(unknown).c_str()).rfind("\nProcessor: , 1 cpus\n", 0), 0u);
}

TEST(SystemInformation, ProcessorLineByArchitectureAndLevel) {
  struct Case {
    WORD architecture, level, revision;
    DWORD type;
    const char* line;
  } cases[] = {
      {0, 3, 0x0300, 386, "Processor: Intel 386 Revision D0"},
      {0, 4, 0x0412, 486, "Processor: Intel 486 Revision E18"},
      {0, 5, 0x0203, 586, "Processor: Intel Pentium Model 2 Step 3"},
      {0, 6, 0x0502, 586, "Processor: "},  // a Pentium II is not named
      {0, 6, 0x0502, 486, "Processor: Cyrix 6x86"},
      {1, 4, 0x0003, 0, "Processor: MIPS R4000 Revision 3"},
      {2, 21064, 0x0102, 0, "Processor: DEC Alpha 21064 Model B Pass 2"},
      {3, 4, 0x0102, 0, "Processor: PPC604 12"},
      {3, 9, 0x0001, 0, "Processor: PPC604+ 01"},
      {3, 5, 0x0203, 0, "Processor: PPC 23"},
      {9, 6, 0x0502, 8664, "Processor: "},
  };
  for (const Case& c : cases) {
    SystemFacts facts = plainFacts();
    facts.architecture = c.architecture;
    facts.level = c.level;
    facts.revision = c.revision;
    facts.processorType = c.type;
    facts.processorCount = 4;
    EXPECT_EQ(lineOf(SystemInformation::text(facts), 1), std::string(c.line) + ", 4 cpus") << c.line;
  }
}

TEST(SystemInformation, MemoryInKilobytesBeyondFourGigabytes) {
  SystemFacts facts = plainFacts();
  facts.totalPhysical = 3ULL << 40;  // 3 TB: the kilobytes pass 32 bits
  facts.availablePhysical = (1ULL << 33) + 1023;
  facts.totalPageFile = 5ULL << 30;
  facts.availablePageFile = 0;
  EXPECT_EQ(std::string(SystemInformation::text(facts).c_str()),
            "System: Windows NT 10.0 Build: 19045\nProcessor: , 1 cpus\n"
            "Physical memory: 3221225472 KB Free: 8388608 KB\nPaged memory: 5242880 KB Free: 0 KB");
}
