#pragma once
// InstallLog: "Install.log" in the destination folder, written line by line
// while the installation runs, for the uninstaller. The wizard starts the log
// with its head lines long before anything is installed, and may start it
// again for another destination or quit; so the file is made only when the
// installation run begins, and until then an earlier log stays as it was.
//
// A log already at the path when the run begins belongs to an earlier
// installation into the same folder: its program groups (ICONGROUP with its
// ICONUSERGROUP) and its body lines (directories, files, registry entries,
// shortcuts) are carried into the new log after this run's head lines, so
// that one uninstall removes what either installation made. A carried line
// that this run writes again is kept only where this run wrote it. Lines are
// compared without regard to case, as the paths and keys they name are.
#include "framework/core/DiskFile.h"

#include <set>
#include <string>
#include <vector>

class InstallLog {
 public:
  InstallLog() = default;
  InstallLog(const InstallLog&) = delete;
  InstallLog& operator=(const InstallLog&) = delete;
  ~InstallLog();  // closes an open log as close() does

  // Remembers the log's path and its "[INSTALL]", TITLE and PATH lines,
  // forgetting what an earlier start remembered or wrote; a log still open is
  // closed first. Nothing is written yet.
  void start(const char* path, const char* program, const char* destination);
  // Makes the started log anew and writes the head lines written so far and
  // what it carries of an earlier log there. Answers whether the log is open
  // afterwards: false when no log was started or the file cannot be made,
  // which fails the log. A log already open stays as it is.
  bool begin();
  // Writes one line made by InstallLogText. Head lines (program group)
  // written before begin() wait for it; a body line begins the log first.
  // Nothing happens while no log is started.
  void write(const CText& line);
  // Settles the carried lines and closes a log that begin() opened; a log
  // only started is left unwritten.
  void close();
  bool isOpen() const { return file_.isOpen(); }
  bool isStarted() const { return !path_.empty(); }
  // Whether a started log could not be made or a line of it not written: the
  // uninstaller cannot rely on it.
  bool failed() const { return failed_; }

 private:
  void readEarlier();
  void writeBytes(const std::string& line);
  std::vector<std::string> carriedGroups() const;
  bool repeatsCarriedLine() const;
  void rewrite();

  CDiskFile file_;
  std::string path_;
  bool failed_ = false;
  std::vector<std::string> earlierGroups_;  // "ICONGROUP=...\nICONUSERGROUP=...\n" of the earlier log
  std::vector<std::string> earlier_;        // distinct body lines of the earlier log
  std::vector<std::string> head_;
  std::vector<std::string> body_;
  std::set<std::string> bodyKeys_;  // this run's body lines, lower-cased
};
