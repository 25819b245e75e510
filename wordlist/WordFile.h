#pragma once
// Opening and saving word lists: the word file format (".wdl"), the older
// ".qzl" format (read only) and dispatch to the text readers and writers.
#include "wordlist/FileResult.h"
#include "wordlist/TextFile.h"
#include "wordlist/WordList.h"

// The header of a word file, for combining.
struct FileInfo {
  CText firstLanguage;
  CText secondLanguage;
  CText author;
  CText information;
  int wordCount = 0;
};

// Reads path into a fresh list and, on Ok only, gives it to list (file name =
// path). requestedFormat kFormatOemText chooses the OEM text reader; otherwise
// the first bytes decide. question is asked for each invalid text line.
FileResult open(WordList& list, const char* path, int requestedFormat,
                const InvalidLineQuestion& question);

// Writes list to its file name in its format. The previous file is replaced
// only when the new one is complete.
FileResult save(WordList& list);

// The word file writer; sets the format to kFormatWordFile on success.
FileResult writeWordFile(WordList& list);

// Writes the histories of list's pairs into its word file, whose bytes up to
// the end marker stay as they are: the file must hold exactly the pairs of
// list (the same words in the same order; marks and header may differ), else
// Invalid and nothing is written. For a drill that has changed nothing but
// the histories. The file is replaced only when complete.
FileResult storeHistory(const WordList& list);

FileResult readSummary(const char* path, FileInfo* info);

// True when path can be opened and begins with the word file's fixed bytes.
bool isWordFile(const char* path);
