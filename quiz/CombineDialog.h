#pragma once
// CombineDialog: Combine Files (dialog 1201). The user names two word files
// and the destination, a new file or the first file; chooses the order of the
// second file's words, or lets the languages choose it; and edits the header
// of the result, which the first file's summary fills. Each file's summary is
// shown as its name changes. The combining itself is FileCombiner's; the
// dialog asks its questions and reports, and stays open until Close. The
// settings are borrowed for the file dialog's start folder.
#include "framework/win/WinDialog.h"
#include "quiz/drill/Settings.h"
#include "wordlist/FileCombiner.h"

class CombineDialog : public CWinDialog {
 public:
  explicit CombineDialog(Settings& settings);

  LRESULT onInitDialog(HWND focus) override;
  LRESULT onCommand(UINT id, UINT code, HWND control) override;

 private:
  void combine();
  // False when the combining is to stop: the user cancelled a question, or
  // the summaries could not be read (then after the message).
  bool chooseOrder(const CText& first, const CText& second, WordOrder* order);
  void showSummary(int editId, int infoId, bool fillProperties);
  void browse(int editId, bool open);
  void refreshDestination();
  void reportFailure(CombineResult result);

  Settings& settings_;
};
