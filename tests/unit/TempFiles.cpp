#include "tests/unit/TempFiles.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "verbolt-test-XXXXXX").string();
  folder_ = mkdtemp(pattern.data()) ? pattern : std::string();
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::string full = path(name);
  std::ofstream(full, std::ios::binary) << bytes;
  return full;
}

std::string TempFolder::read(const std::string& path) {
  std::ifstream input(path, std::ios::binary);
  std::ostringstream content;
  content << input.rdbuf();
  return content.str();
}

// The write beyond the limit then fails with EFBIG instead of ending the
// process with SIGXFSZ.
FileSizeLimit::FileSizeLimit(rlim_t bytes) : signalBefore_(std::signal(SIGXFSZ, SIG_IGN)) {
  getrlimit(RLIMIT_FSIZE, &before_);
  rlimit limit = before_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &before_);
  std::signal(SIGXFSZ, signalBefore_);
}
