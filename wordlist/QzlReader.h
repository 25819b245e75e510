#pragma once
// The reader of the older ".qzl" word lists: comma-separated fields with
// quoted texts, a pair count and marks as numbers or #TRUE# / #FALSE#.
#include "framework/core/DiskFile.h"
#include "wordlist/FileResult.h"
#include "wordlist/WordList.h"

// Reads file from its beginning into list; Invalid for a failed field or an
// empty word. Sets the format to kFormatWordFile.
FileResult readQzlFile(WordList& list, CDiskFile& file);
