#include "framework/core/FieldReader.h"

#include "framework/core/DiskFile.h"
#include "framework/core/ErrorRecorder.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

namespace {

struct ValueResult {
  long value;
  int error;
};

ValueResult readValue(const std::string& bytes) {
  TempFolder folder;
  CDiskFile file;
  EXPECT_TRUE(file.open(folder.write("v.txt", bytes).c_str(), CDiskFile::kRead, nullptr));
  ErrorRecorder::record(0);
  long value = -99;
  readValueField(file.handle(), &value);
  return {value, ErrorRecorder::lastCode()};
}

}  // namespace

TEST(FieldReader, ReadsValuesAndBooleans) {
  struct Case {
    const char* bytes;
    long value;
    int error;
  } cases[] = {
      {"#TRUE#,", 1, 0},
      {"#FALSE#", 0, 0},
      {"123,", 123, 0},
      {"  \n42\n", 42, 0},
      {"7 ,", 7, 0},
      {"3.5,", 3, 0},
      {"12\r\n", 12, 0},  // a CR LF line end is accepted
      {"-5,", -99, 3},
      {"#MAYBE#,", 0, 3},
      {"#TRUE", -99, 3},
      {"", -99, 3},
      {"12", -99, 3},  // the end of the file inside a number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ValueResult result = readValue(c.bytes);
    EXPECT_EQ(result.error, c.error);
    if (c.error == 0 || c.value != -99) {
      EXPECT_EQ(result.value, c.value);
    }
  }
}

TEST(FieldReader, ReadsQuotedTextsAndSkipsToTheNextField) {
  TempFolder folder;
  CDiskFile file;
  ASSERT_TRUE(file.open(folder.write("s.txt", "\"Wdl11\",\"a long text\" ,\"x\"\n\"open").c_str(),
                        CDiskFile::kRead, nullptr));
  ErrorRecorder::record(0);
  char buffer[6];
  readStringField(file.handle(), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "Wdl11");
  readStringField(file.handle(), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "a lon");  // cut to the buffer, the rest dropped
  readStringField(file.handle(), buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "x");
  EXPECT_EQ(ErrorRecorder::lastCode(), 0);
  readStringField(file.handle(), buffer, sizeof buffer);
  EXPECT_EQ(ErrorRecorder::lastCode(), 3);
}
