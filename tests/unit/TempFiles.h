#pragma once
// Files for the native tests, in a folder of their own that is removed after
// each test.
#include <string>
#include <sys/resource.h>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();

  std::string path(const std::string& name) const { return folder_ + "/" + name; }
  // Writes bytes to name and answers the full path.
  std::string write(const std::string& name, const std::string& bytes) const;
  static std::string read(const std::string& path);

 private:
  std::string folder_;
};

// While it lives, every write that would make a file longer than bytes fails,
// as on a full disk.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();

 private:
  rlimit before_;
  void (*signalBefore_)(int);
};
