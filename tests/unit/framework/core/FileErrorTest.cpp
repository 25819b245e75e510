#include "framework/core/BufferedWriter.h"
#include "framework/core/DiskFile.h"
#include "framework/core/FileError.h"
#include "framework/core/FileSystem.h"
#include "tests/unit/TempFiles.h"

#include <gtest/gtest.h>

#include <memory>

TEST(FileError, MapsSystemErrorsToCauses) {
  struct Case {
    DWORD system;
    int cause;
  } cases[] = {{0, 0}, {31, 1}, {2, 2}, {3, 3}, {267, 3}, {5, 5}, {1392, 7}, {80, 8}, {16, 9},
               {997, 12}, {1117, 12}, {32, 13}, {33, 14}, {19, 15}, {112, 19}, {38, 20}, {110, 21},
               {12345, 22}};
  for (const Case& c : cases) EXPECT_EQ(CFileError::causeFromSystem(c.system), c.cause) << c.system;
}

TEST(FileError, MessageAddsTheFileNameOnlyWhenItFits) {
  CFileError error(CFileError::kFileNotFound, 2, "a.wdl");
  char small[20], large[1000], tiny[5];
  EXPECT_TRUE(error.getMessage(small, sizeof small));
  EXPECT_STREQ(small, "File not found.");
  EXPECT_TRUE(error.getMessage(large, sizeof large));
  EXPECT_STREQ(large, "File not found. File: a.wdl");
  EXPECT_TRUE(error.getMessage(tiny, sizeof tiny));
  EXPECT_STREQ(tiny, "File");
  // Heap buffers of the exact sizes, so that the sanitizer sees every byte
  // written past them: the text, " File: " and the name need 15 + 5 + 8.
  const struct {
    size_t size;
    const char* message;
  } exact[] = {{28, "File not found. File: a.wdl"}, {27, "File not found."}, {16, "File not found."},
               {15, "File not found"}};
  for (const auto& c : exact) {
    std::unique_ptr<char[]> buffer(new char[c.size]);
    EXPECT_TRUE(error.getMessage(buffer.get(), static_cast<int>(c.size)));
    EXPECT_STREQ(buffer.get(), c.message) << c.size;
  }
  CFileError outside(23);
  EXPECT_FALSE(outside.getMessage(large, sizeof large));
  CErrorRecord base;
  EXPECT_TRUE(base.getMessage(large, sizeof large));
  EXPECT_STREQ(large, "No error");
}

TEST(DiskFile, AShortReadFailsAndFillsTheRecord) {
  TempFolder folder;
  CDiskFile file;
  CFileError error;
  ASSERT_TRUE(file.open(folder.write("five", "12345").c_str(), CDiskFile::kRead, &error));
  char buffer[8];
  EXPECT_EQ(file.read(buffer, 8, &error), 0u);
  EXPECT_NE(error.fileName.length(), 0u);
  EXPECT_EQ(file.read(buffer, 0, &error), 0u);
}

TEST(DiskFile, CreateTruncatesUnlessAskedToKeep) {
  TempFolder folder;
  std::string path = folder.write("f", "old content");
  {
    CDiskFile file;
    ASSERT_TRUE(file.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kNoTruncate | CDiskFile::kWrite, nullptr));
  }
  EXPECT_EQ(TempFolder::read(path), "old content");
  {
    CDiskFile file;
    ASSERT_TRUE(file.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kWrite, nullptr));
    EXPECT_TRUE(file.write("new", 3, nullptr));
  }
  EXPECT_EQ(TempFolder::read(path), "new");
}

// Pieces of every kind, each crossing the end of the buffer somewhere: room
// filled past it, single bytes up to it, and a piece longer than it.
TEST(BufferedWriter, KeepsEveryByteInOrderAcrossItsBuffers) {
  TempFolder folder;
  std::string path = folder.path("out");
  CDiskFile file;
  ASSERT_TRUE(file.open(path.c_str(), CDiskFile::kCreate | CDiskFile::kWrite, nullptr));
  CBufferedWriter writer(&file, nullptr);
  std::string expected;
  auto fill = [&](unsigned count, unsigned used) {
    char* room = writer.room(count);
    for (unsigned i = 0; i < used; ++i) room[i] = static_cast<char>('a' + (expected.size() + i) % 26);
    expected.append(room, used);
    writer.used(used);
  };
  for (int round = 0; round < 5; ++round) fill(CBufferedWriter::kMostRoom, CBufferedWriter::kMostRoom - round);
  while (expected.size() % CBufferedWriter::kSize != 0) {
    writer.write(static_cast<char>(expected.size() % 251));
    expected += static_cast<char>(expected.size() % 251);
  }
  auto put = [&](const std::string& piece) {
    writer.write(piece.data(), static_cast<unsigned>(piece.size()));
    expected += piece;
  };
  // Up to the buffer's end exactly, by a write and by room, each time
  // followed by single bytes and another write.
  fill(100, 7);
  put(std::string(CBufferedWriter::kSize - 7, 'E'));
  writer.write('x');
  expected += 'x';
  put(std::string(CBufferedWriter::kSize - 1, 'F'));
  fill(CBufferedWriter::kMostRoom, CBufferedWriter::kMostRoom);
  fill(CBufferedWriter::kMostRoom, CBufferedWriter::kMostRoom);
  writer.write('y');
  expected += 'y';
  put(std::string(1000, 'G'));
  for (unsigned size = 0; size <= 20; ++size) put(std::string(expected.end() - 40, expected.end() - 40 + size));
  std::string longPiece(3 * CBufferedWriter::kSize + 5, 'L');
  put(longPiece);
  fill(CBufferedWriter::kMostRoom, 1000);
  ASSERT_TRUE(writer.flush());
  file.close();
  EXPECT_TRUE(TempFolder::read(path) == expected);
}

TEST(DiskFile, OpeningAMissingFileNamesIt) {
  TempFolder folder;
  CDiskFile file;
  CFileError error;
  std::string missing = folder.path("missing.wdl");
  EXPECT_FALSE(file.open(missing.c_str(), CDiskFile::kRead, &error));
  EXPECT_EQ(error.cause, CFileError::kFileNotFound);
  EXPECT_EQ(error.systemError, 2);
  EXPECT_STREQ(error.fileName.c_str(), missing.c_str());
  EXPECT_FALSE(file.isOpen());
}

TEST(FileSystem, ChecksFilesAndFolders) {
  TempFolder folder;
  std::string file = folder.write("list.wdl", "x");
  EXPECT_TRUE(fileExists(file.c_str()));
  EXPECT_FALSE(fileExists(folder.path("none").c_str()));
  EXPECT_TRUE(folderExists(folder.path("").substr(0, folder.path("").size() - 1).c_str()));
  EXPECT_FALSE(folderExists(file.c_str()));
  EXPECT_FALSE(folderExists("C:"));
  EXPECT_TRUE(fileMatches(folder.path("*.wdl").c_str()));
  EXPECT_FALSE(fileMatches(folder.path("*.txt").c_str()));
  EXPECT_TRUE(moveFile(file.c_str(), folder.path("b.wdl").c_str()));
  EXPECT_TRUE(deleteFile(folder.path("b.wdl").c_str()));
  EXPECT_FALSE(fileExists(folder.path("b.wdl").c_str()));
}
