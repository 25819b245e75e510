#pragma once
// SizeText: sizes as the wizard shows them, "n KB" with n printed in the
// user's number format (no decimals), and the free space of a drive.
#include "framework/core/Text.h"

#include <windows.h>

class SizeText {
 public:
  SizeText();
  // Reads the grouping, separators, leading-zero flag and negative order of
  // the user's locale; until then the system's default format is used.
  void readUserFormat();
  CText kilobytes(long long bytes) const;
  // Shows the free space of the volume that path lies on in control, which
  // keeps its text when the system cannot tell the free space.
  void showFreeSpace(HWND control, const char* path) const;

 private:
  NUMBERFMTA format_;
  bool read_ = false;
  char decimal_[8] = ".";
  char thousand_[8] = ",";
};

// The root of the volume that path lies on: "X:\" for a drive path, the
// "\\server\share\" part of a network path; empty for anything else.
CText volumeRoot(const char* path);
// The free bytes of the volume with that root; false when the system cannot
// tell them.
bool freeSpace(const char* root, long long* bytes);
