#pragma once
// Names and timing of the autosave files: each running instance writes its
// list every AutoSaveTime seconds to "wdlAutoSave" + its id + ".wdl".
#include "quiz/drill/Settings.h"

#include <vector>

// folder (without a trailing backslash) + "\wdlAutoSave" + id + ".wdl".
CText autosavePath(const char* folder, DWORD id);

// The search pattern for every autosave file in folder.
CText autosavePattern(const char* folder);

// The id in an autosave file's name: the number after its first 11
// characters, up to the first "."; 0 when there are no digits.
DWORD autosaveIdOf(const char* fileName);

// The first id from preferred on (wrapping after 0xFFFF) that used does not
// hold, so that a new instance never writes over, nor keeps others from
// offering, a file that another instance left; preferred when every id is
// used.
DWORD freeInstanceId(DWORD preferred, const std::vector<DWORD>& used);

// One tick of the three-second autosave timer. True when the list is to be
// written now; the counter then starts again from 0.
bool autosaveTick(Settings& settings);
