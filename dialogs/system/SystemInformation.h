#pragma once
// SystemInformation: the system block of the About dialog, three lines built
// from the string table: the Windows version, the processor with the number
// of processors, and the physical and paged memory. It has no window: the
// About dialog gathers the facts from the system and shows the text.
#include "framework/core/Text.h"

#include <cstdint>

struct SystemFacts {
  bool versionKnown = false;  // false when the version call failed
  DWORD platform = 0;         // 0 Win32s, 1 Windows 95/98, 2 Windows NT
  DWORD majorVersion = 0;
  DWORD minorVersion = 0;
  DWORD buildNumber = 0;      // the whole 32-bit field
  WORD architecture = 0;      // 0 Intel, 1 MIPS, 2 Alpha, 3 PowerPC
  WORD level = 0;
  WORD revision = 0;          // high byte and low byte are read apart
  DWORD processorType = 0;
  DWORD processorCount = 0;
  uint64_t totalPhysical = 0;  // bytes
  uint64_t availablePhysical = 0;
  uint64_t totalPageFile = 0;
  uint64_t availablePageFile = 0;
};

class SystemInformation {
 public:
  // The Windows line (absent when the version is not known), the processor
  // line ending in the count and "cpus", and the physical-memory line
  // followed directly by the paged-memory text, in kilobytes.
  static CText text(const SystemFacts& facts);

 private:
  static void appendWindows(const SystemFacts& facts, CText* text);
  static void appendProcessor(const SystemFacts& facts, CText* text);
  static void appendIntel(const SystemFacts& facts, CText* text);
  static void appendPowerPc(const SystemFacts& facts, CText* text);
  static void appendMemory(const SystemFacts& facts, CText* text);
};
