#pragma once
// Autosave: writes the open list every AutoSaveTime seconds to the
// instance's own autosave file, and finds the files that instances which
// ended without closing left behind. The files go to the program's folder;
// when that folder cannot be written (a program installed where users may
// not write), to a folder named after the program in the user's local
// application data. Left-over files are looked for in both.
#include "quiz/drill/InstanceList.h"
#include "quiz/drill/Settings.h"
#include "wordlist/WordList.h"

#include <functional>
#include <vector>

// A window that holds the document's pairs while it is open lends them for
// the write: the document gets them before and gives them back after.
class AutosaveLender {
 public:
  virtual void snapshotToList() = 0;
  virtual void releaseSnapshot() = 0;

 protected:
  ~AutosaveLender() = default;
};

class Autosave {
 public:
  // Asked for each left-over file with its creation time (local time);
  // answers true to restore it.
  using Offer = std::function<bool(const SYSTEMTIME& created)>;

  // programFolder without a trailing backslash; appFolderName names the
  // fallback folder. Borrows settings and instances. Moves the instance id
  // off any id that a file in either folder carries.
  Autosave(Settings& settings, const InstanceList& instances, const char* programFolder,
           const char* appFolderName);

  // One tick of the three-second timer: writes document when due, with the
  // pairs lender holds, replacing the previous autosave file only once the
  // new one is complete. The document's file name and format are put back
  // afterwards; a failed write shows nothing.
  void tick(WordList& document, AutosaveLender& lender);

  // Offers the left-over files of instances that are not running, in the
  // order the system lists them. A declined file is deleted. Answers the path
  // of the file to restore, or an empty text.
  CText chooseLeftOver(const Offer& offer) const;

  // Deletes the instance's own file; silent when there is none.
  void deleteOwnFile() const;

  // A left-over file that was restored stays until the list is safe
  // elsewhere: saved, declined by the user, or in the instance's own
  // autosave file.
  void keepRestored(const char* path) { restored_ = path; }
  void releaseRestored();

  const CText& ownPath() const { return ownPath_; }

 private:
  static bool folderWritable(const char* folder);
  std::vector<CText> folders() const;
  std::vector<DWORD> idsInUse() const;

  Settings& settings_;
  const InstanceList& instances_;
  CText programFolder_;
  CText folder_;
  CText ownPath_;
  CText restored_;
};
