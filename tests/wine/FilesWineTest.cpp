// Texts, files and word lists against the real system calls under Wine.
#include "framework/core/DiskFile.h"
#include "framework/core/FileSystem.h"
#include "framework/core/Text.h"
#include "tests/wine/WineTest.h"
#include "wordlist/WordFile.h"

#include <string>

namespace {

const InvalidLineQuestion kSkip = [](const InvalidLine&) { return true; };

std::string tempFolder() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  std::string folder = std::string(base) + "verbolt-files-test";
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

void writeBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD done = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
  CloseHandle(file);
}

std::string readBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD done = 0;
  ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &done, nullptr);
  CloseHandle(file);
  return bytes;
}

const std::string kWordFile = std::string("\xFE\xFE" "97WDL\x12", 8) + "English\x03" "Finnish\x03" "A\x03" "I\x03" +
                              "house\x03" "talo\x03\x01\x03" "\x02";

}  // namespace

WINE_TEST(diskFileReadsWritesAndSeeks) {
  std::string path = tempFolder() + "disk.bin";
  CDiskFile file;
  CFileError error;
  CHECK(file.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kReadWrite, &error));
  CHECK(file.write("0123456789", 10, &error));
  CHECK_EQ(file.length(), 10u);
  CHECK_EQ(file.seek(4, FILE_BEGIN, &error), 4u);
  char buffer[16] = {};
  CHECK_EQ(file.read(buffer, 3, &error), 3u);
  CHECK_EQ(std::string(buffer, 3), std::string("456"));
  CHECK_EQ(file.position(), 7u);
  CHECK_EQ(file.read(buffer, 8, &error), 0u);  // only 3 bytes are left
  file.setLength(5);
  CHECK_EQ(file.length(), 5u);
  CHECK(file.fileTitle() == "disk.bin");
  CHECK(file.fullPath() == path.c_str());
  CHECK(!file.close());
  CHECK(!file.isOpen());
}

WINE_TEST(diskFileOpenFlagsAndErrors) {
  std::string path = tempFolder() + "flags.txt";
  writeBytes(path, "old content");
  {
    CDiskFile keep;
    CHECK(keep.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kNoTruncate | CDiskFile::kWrite, nullptr));
  }
  CHECK_EQ(readBytes(path), std::string("old content"));
  {
    CDiskFile truncate;
    CHECK(truncate.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kWrite, nullptr));
  }
  CHECK_EQ(readBytes(path), std::string(""));

  CDiskFile missing;
  CFileError error;
  std::string name = tempFolder() + "missing.wdl";
  CHECK(!missing.open(name.c_str(), CDiskFile::kRead, &error));
  CHECK_EQ(error.cause, static_cast<int>(CFileError::kFileNotFound));
  CHECK_EQ(error.systemError, 2);
  char message[1000];
  CHECK(error.getMessage(message, sizeof message));
  CHECK_EQ(std::string(message), "File not found. File: " + name);

  CDiskFile badPath;
  CHECK(!badPath.open((tempFolder() + "no\\such\\folder\\x").c_str(), CDiskFile::kRead, &error));
  CHECK_EQ(error.cause, static_cast<int>(CFileError::kBadPath));
}

WINE_TEST(systemLowerCasingAndOemConversion) {
  CText text("\xC4\xD6\xC5 ABC");
  text.lower();
  CHECK_EQ(text.c_str(), "\xE4\xF6\xE5 abc");
  CHECK_EQ(CText("TALO").compareNoCase("talo"), 0);
  CText oem("k\xE4si \xF6");
  oem.toOem();
  CHECK_EQ(oem.c_str(), "k\x84si \x94");
  oem.toAnsi();
  CHECK_EQ(oem.c_str(), "k\xE4si \xF6");
}

WINE_TEST(fileSystemChecks) {
  CHECK(folderExists("C:\\"));
  CHECK(!folderExists("C:"));
  std::string folder = tempFolder();
  CHECK(folderExists(folder.substr(0, folder.size() - 1).c_str()));
  writeBytes(folder + "match.wdl", "x");
  CHECK(fileMatches((folder + "*.wdl").c_str()));
  CHECK(!fileMatches((folder + "*.none").c_str()));
  CHECK(fileExists((folder + "match.wdl").c_str()));
  CHECK(deleteFile((folder + "match.wdl").c_str()));
  CHECK(!fileExists((folder + "match.wdl").c_str()));
}

WINE_TEST(wordListRoundTripThroughRealFiles) {
  std::string path = tempFolder() + "round.wdl";
  writeBytes(path, kWordFile);
  WordList list;
  CHECK(open(list, path.c_str(), kFormatNone, kSkip) == FileResult::Ok);
  CHECK_EQ(list.pairs.count(), 1);
  CHECK(list.information == "I");
  list.pairs.append("dog", "koira", 0);
  CHECK(save(list) == FileResult::Ok);
  CHECK_EQ(readBytes(path), kWordFile.substr(0, kWordFile.size() - 1) + std::string("dog\x03koira\x03\x00\x03\x02", 13));
  WordList text;
  text.fileName = (tempFolder() + "round.txt").c_str();
  text.format = kFormatOemText;
  text.pairs.append("\xE4iti", "mother", 1);
  CHECK(save(text) == FileResult::Ok);
  CHECK_EQ(readBytes(text.fileName.c_str()), std::string("\x84iti\tmother\r\n"));
}

WINE_TEST(newListInformationCarriesTheDate) {
  WordList list;
  char date[81];
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, sizeof date);
  CHECK_EQ(list.information.c_str(), ("Made: " + std::string(date)).c_str());
}

WINE_TEST(aFailedSaveKeepsTheOldFile) {
  std::string folder = tempFolder();
  std::string path = folder + "precious.wdl";
  writeBytes(path, kWordFile);
  WordList list;
  CHECK(open(list, path.c_str(), kFormatNone, kSkip) == FileResult::Ok);
  list.pairs.append("new", "uusi", 1);

  list.fileName = (folder + "missing folder\\precious.wdl").c_str();
  CHECK(save(list) == FileResult::CannotCreate);

  // Another program holds the file and lets nobody write it.
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  list.fileName = path.c_str();
  CHECK(save(list) == FileResult::CannotCreate);
  CloseHandle(held);
  CHECK_EQ(readBytes(path), kWordFile);

  // A read-only file is refused, also where the system would let a write
  // probe through; a replaced file keeps its other attributes.
  CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  CHECK(save(list) == FileResult::CannotCreate);
  CHECK_EQ(readBytes(path), kWordFile);
  CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  CHECK(save(list) == FileResult::Ok);
  CHECK((GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0);
  CHECK(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  writeBytes(path, kWordFile);

  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "*.tmp").c_str(), &found);
  CHECK(find == INVALID_HANDLE_VALUE);  // no temporary file is left behind
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
}
