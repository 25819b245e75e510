#pragma once
// InstallUser: all that the installation phases tell and ask the user. The
// installing dialog answers with its status lines, progress bar and message
// boxes; a silent run answers the questions itself. The phases call it from
// the installation worker, so the implementation delivers each call to the
// thread of its windows and waits for the answer.
#include <windows.h>

#include <vector>

class InstallUser {
 public:
  virtual ~InstallUser() = default;
  virtual void showPhase(const char* text) = 0;  // the upper line
  virtual void showStatus(const char* text) = 0;  // the lower line: what is done now
  virtual void setProgressRange(int steps) = 0;
  virtual void stepProgress() = 0;
  // A message box with the text, the caption and the MB_ style given;
  // answers the button chosen (IDYES, IDRETRY...).
  virtual int ask(const char* text, const char* caption, UINT style) = 0;
  // The window that owns what the shell opens; may be null.
  virtual HWND owner() = 0;
  // Whether the run should end at the next safe point: between two entries,
  // never in the middle of one.
  virtual bool stopRequested() = 0;
};

// The answer when nobody can be asked (a silent installation, or a run that
// is being stopped): No, Abort or Cancel where the buttons offer one, else OK.
inline int unattendedAnswer(UINT style) {
  switch (style & MB_TYPEMASK) {
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_OK: return IDOK;
    default: return IDCANCEL;
  }
}

// One list of a block's entries, each given to execute in turn until the user
// asks to stop; a list with any entries is one step of the progress. Answers
// false when a stop was requested.
template <class Entry, class Execute>
bool executeEntries(InstallUser& user, const std::vector<Entry>& entries, Execute execute) {
  for (const Entry& entry : entries) {
    if (user.stopRequested()) return false;
    execute(entry);
  }
  if (!entries.empty()) user.stepProgress();
  return true;
}
