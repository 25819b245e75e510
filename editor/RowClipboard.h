#pragma once
// RowClipboard: the word list window's exchange of rows with the Windows
// clipboard. Copy puts the private "Wordlist" block and plain text on it (the
// text also as Unicode text where the program's text is UTF-8);
// paste takes rows from the block, from text, or from word files copied or
// cut in the shell as a file list. Nothing is shown: what cannot be used adds
// no rows.
#include "editor/model/WordRows.h"
#include "framework/core/Win32.h"

#include <string>
#include <vector>

class RowClipboard {
 public:
  RowClipboard();

  // Empties the clipboard and puts the rows (indices into rows, in order) on
  // it, owned by owner. False when the clipboard could not be filled.
  bool copy(HWND owner, const WordRows& rows, const std::vector<int>& selected);
  // Appends the rows the clipboard offers; answers how many. A word file cut
  // in the shell is deleted once all its pairs are rows, and after such a
  // paste the clipboard is emptied.
  int paste(HWND owner, WordRows& rows);
  // True when the clipboard holds something that paste can use.
  bool canPaste(HWND owner) const;

 private:
  void pasteBlock(HANDLE data, WordRows& rows) const;
  void pasteText(const std::string& text, WordRows& rows) const;
  void pasteFiles(HANDLE data, WordRows& rows) const;
  bool cutInShell() const;

  UINT wordlistFormat_;
  UINT dropEffectFormat_;
};
