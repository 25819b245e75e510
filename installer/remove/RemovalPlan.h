#pragma once
// RemovalPlan: what the uninstaller removes, in which order, from an install
// log, with every line it must not act on set aside with its reason. The
// order undoes the installation: shortcuts, files, registry values, keys,
// directories, the program group folders, then the log, the uninstaller
// itself, the destination folder and last the folders above it that the
// installation made. A log that several installations wrote holds their
// lines in no useful order, so a key or folder always comes after the keys,
// values and folders inside it. Files and folders are removed only inside
// the destination (and those above it only as named by DIRECTORY lines),
// shortcuts only as ".lnk" files in a program group that the log names or
// directly on a desktop, nothing inside the Windows or system folder, and
// only the registry keys that the installation makes, its uninstall entry
// only while that starts this uninstaller; whether a folder or key is empty,
// a path goes through a link, or a shortcut starts a file of the
// installation, is for the caller to see when it gets there. The log's
// installation folder must be the folder that holds the log and the
// uninstaller: a log that names another one is damaged and nothing of it is
// removed.
#include "installer/remove/InstallLogReader.h"

#include <set>
#include <string>
#include <vector>

// What the system says about the places the plan must know; full paths.
struct RemovalPlaces {
  CText windowsFolder;  // nothing inside these two is removed
  CText systemFolder;
  CText userPrograms;    // the folder that holds the user's program groups
  CText commonPrograms;  // the same for all users
  CText userDesktop;     // the desktop folders, where shortcuts may lie too
  CText commonDesktop;
  // Folders that are never removed themselves: the programs folder, the
  // desktops and start menus, the temporary folder...
  std::vector<CText> systemPlaces;
  CText logPath;  // the log that was read
  CText program;  // the uninstaller that the user started
};

struct RemovalStep {
  enum Action { kShortcut, kFile, kValue, kKey, kFolder, kLog, kProgram };
  Action action = kFile;
  int line = 0;  // the log line that names it; 0 for a folder that no line names
  CText path;    // a shortcut, file or folder
  // No folder from this one down to the item may be a junction or symbolic
  // link; empty: only the item itself is looked at.
  CText linkFreeFrom;
  RegistryEntry::Root root = RegistryEntry::kNoRoot;  // a value or key:
  CText key;
  CText valueName;
  // A shortcut is the installation's only while it starts a file inside
  // this folder.
  CText targetFolder;
  // The default value of an extension's key: removed only while it names a
  // class that the log names, so that an association that another program
  // took over stays.
  bool association = false;

  // The path, or the key with the root's short name ("HKLM\...") and a value
  // name in double quotes.
  CText describe() const;
};

// What the plan reads of the registry before anything is removed: the
// uninstaller reads the system's, tests answer from a table.
class RegistryTexts {
 public:
  virtual ~RegistryTexts() = default;
  // The text of value name (empty: the default value) of root\key; false
  // when the key or the value is missing or holds no text.
  virtual bool read(RegistryEntry::Root root, const char* key, const char* name, CText& text) const = 0;
};

class RemovalPlan {
 public:
  // A damaged log gives a plan without steps, with the one refused line
  // that says why.
  static RemovalPlan make(const InstallLogRecord& log, const RemovalPlaces& places, const RegistryTexts& registry);

  // Whether this is one of the installation's classes and a registry line of
  // the log names it or a key below it (compared without regard to case).
  bool ownsClass(const char* name) const;

  bool damaged = false;  // the log names another installation folder
  std::vector<CText> groupFolders;  // the folder of each program group the log names, once
  std::vector<RemovalStep> steps;
  std::vector<RefusedLine> refused;  // the log's own skipped lines first

 private:
  void addShortcuts(const InstallLogRecord& log, const RemovalPlaces& places);
  const CText* groupHolding(const CText& path) const;
  void noteGroupSubfolders(const CText& shortcut, const CText& group);
  void addFiles(const InstallLogRecord& log, const RemovalPlaces& places, LogEntry::Kind kind);
  void addRegistry(const InstallLogRecord& log, const RemovalPlaces& places, const RegistryTexts& registry);
  void addKeysBetween(const RemovalStep& logged, const std::set<std::string>& loggedKeys);
  void noteFolderAbove(const LogEntry& entry, const RemovalPlaces& places);
  void addGroupFolders(const RemovalPlaces& places);
  void addTail(const InstallLogRecord& log, const RemovalPlaces& places);
  void findGroupFolders(const InstallLogRecord& log, const RemovalPlaces& places);
  // Orders the steps from first on so that values go before keys and what a
  // key or folder holds goes before it.
  void sortInnerFirst(size_t first);
  void refuseDestination(const InstallLogRecord& log);
  void refuseHeadLine(int number, const char* key, const CText& value, RemovalReason reason);
  void refuse(const LogEntry& entry, RemovalReason reason);

  std::set<std::string> ownClasses_;  // lower-cased
  std::set<std::string> keysBetween_;  // "ROOT\key", lower-cased
  std::set<std::string> groupSubfolders_;  // lower-cased paths, from shortcuts inside the group
  std::vector<CText> groupSubfolderPaths_;
  std::vector<RemovalStep> foldersAbove_;  // logged folders that hold the destination
  bool removesProgram_ = false;
};
