#pragma once
// Combining two word files into one: the pair records of the first file, then
// those of the second with its words in the same or in the exchanged order,
// under a header that the caller gives. Window-free: the Combine Files dialog
// chooses the order, asks its questions and turns the results into messages.
#include "wordlist/WordFile.h"

enum class CombineResult {
  Ok,
  CannotOpenFirst,
  CannotOpenSecond,
  NoMemory,
  CannotReadFirst,   // a short read or a read error
  CannotReadSecond,
  FirstUnknown,      // not a word file, a damaged header, or pair records that are damaged or not ended
  SecondUnknown,
  CannotCreate,      // the destination could not be created or replaced
  CannotWrite,
};

// The string id of the message for a failed result (21005, 21015 to 21022).
UINT combineResultMessageId(CombineResult result);

enum class WordOrder { Same = 0, Reversed = 1 };

// What the languages of the two files decide about the order of the second
// file's words, compared without regard to case; when they decide nothing,
// which of the two questions the user is asked.
enum class AutomaticOrder { Same, Reversed, AskNormalOrder, AskReversibleOrder };
AutomaticOrder automaticOrder(const FileInfo& first, const FileInfo& second);

// True when the names are equal without regard to case, or when they reach
// one existing file in any other spelling.
bool sameSourceFiles(const char* first, const char* second);

// Writes destination: the word file's fixed bytes, the four texts of header
// (in the program's encoding, without the bytes 0x02 and 0x03; its word count
// is not used), the pair records of first, those of second in order, the end
// marker, and the pairs' histories from both files' history blocks
// (wordlist/HistoryBlock.h). The destination is in code page 1252 while both
// sources and the header fit it, else in UTF-8, every text converted. The
// sources are read front to back through buffers of fixed size while the
// result is written beside destination, which it replaces only when both
// sources were whole and every write succeeded; so a failure leaves every
// file as it was, also when destination is one of the sources.
CombineResult combineWordFiles(const char* first, const char* second, const char* destination,
                               const FileInfo& header, WordOrder order);
