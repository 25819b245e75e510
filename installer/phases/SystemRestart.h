#pragma once
// The installer's very last action when a file waits for the next start of
// the system and the user agreed: restart Windows.

// Enables the shutdown privilege of the process where the system has one,
// then asks for a normal (not forced) restart. Nothing is reported: the
// request is made even without the privilege, and its failure is ignored.
void restartSystem();
