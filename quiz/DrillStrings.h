#pragma once
// String resources that the drill and the answer marking read themselves.
#include "framework/Win32.h"

const UINT kStringErrorCaption = 21000;    // "Error:"
const UINT kStringNoMemory = 21005;        // "Cannot allocate memory. ..."
const UINT kStringCannotGetWords = 21008;  // "Error to get words."
const UINT kStringNoSelectedWords = 22007; // "No selected words in wordlist."
const UINT kStringWhatIsIn = 23001;        // "What is %s", with the language phrase
const UINT kStringWhatIs = 23002;          // "What is"
const UINT kStringRightLabel = 23004;      // "Right Answer: "
const UINT kStringYourLabel = 23005;       // "Your Answer: "
const UINT kStringPoints = 23008;          // "Points %d / %d Selected %d / %d"
const UINT kStringWrong = 23009;           // "Wrong!"
const UINT kStringRight = 23010;           // "Right!"
const UINT kStringRegistryPath = 28010;    // root key of the settings
const UINT kStringCountedRight = 23100;    // "Counted as right!"
