#pragma once
// InstallLog: "Install.log" in the destination folder, written line by line
// while the installation runs, for the uninstaller. A log already at the path
// when the log is first started belongs to an earlier installation: its body
// lines (directories, files, registry entries, shortcuts) are carried into the
// new log right after the head lines, so that one uninstall removes what
// either installation made. A carried line that this run writes again is kept
// only where this run wrote it. Lines are compared without regard to case, as
// the paths and keys they name are.
#include "framework/DiskFile.h"

#include <set>
#include <string>
#include <vector>

class InstallLog {
 public:
  InstallLog() = default;
  InstallLog(const InstallLog&) = delete;
  InstallLog& operator=(const InstallLog&) = delete;
  ~InstallLog();  // closes an open log as close() does

  // Creates the log at path anew (a log still open is dropped first) and
  // writes the "[INSTALL]", TITLE and PATH lines. Answers false when the file
  // cannot be created; later writes are then lost.
  bool start(const char* path, const char* program, const char* destination);
  // Writes one line made by InstallLogText; nothing happens while no log is
  // open.
  void write(const CText& line);
  // Settles the carried lines and closes the log.
  void close();
  bool isOpen() const { return file_.isOpen(); }

 private:
  void readEarlierBody(const char* path);
  void writeBytes(const std::string& line);
  void writeCarried();
  bool repeatsCarriedLine() const;
  void rewrite();

  CDiskFile file_;
  bool earlierRead_ = false;
  std::vector<std::string> earlier_;  // distinct body lines of the earlier log
  std::vector<std::string> head_;
  std::vector<std::string> body_;
  std::set<std::string> bodyKeys_;  // this run's body lines, lower-cased
  bool carriedWritten_ = false;
};
