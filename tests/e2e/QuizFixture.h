#pragma once
// Shared pieces of the quiz program's end-to-end tests: a fresh copy of the
// program in a folder of its own for each test (its autosave files land
// there), word files written by the test and read back, and registry values.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

extern const char kQuizSettingsKey[];  // below HKEY_CURRENT_USER

// Makes the folder "suite\test" beside the test program anew with a copy of
// program (a host or Windows path) in its bin folder; answers that bin
// folder, or an empty text after a failure.
std::string freshQuizProgram(const std::string& program, const std::string& suite, const std::string& test);
// Copies program (a host or Windows path) into folder under its own name.
bool copyProgramInto(const std::string& program, const std::string& folder);
std::string parentFolder(const std::string& path);

bool writeFileBytes(const std::string& path, const std::string& bytes);
// Empty when the file cannot be read.
std::string readFileBytes(const std::string& path);
bool fileExists(const std::string& path);

struct TestPair {
  std::string first, second;
  bool marked;
};

std::string wordFileBytes(const std::vector<TestPair>& pairs);
// The pairs of a word file as "first/second " each, with "+" before a marked
// pair; "?" when the bytes are no complete word file.
std::string pairsOfWordFile(const std::string& bytes);

// A value's bytes below kQuizSettingsKey + key; *type is REG_NONE when absent.
std::string registryValue(const std::string& key, const char* name, DWORD* type);
bool setRegistryNumber(const std::string& key, const char* name, DWORD value);

// A visible top-level window of process that matches, or null.
HWND windowOfProcess(DWORD process, const std::function<bool(HWND)>& matches);

}  // namespace e2e
