#include "framework/core/ErrorRecorder.h"

#include "framework/core/Win32.h"

namespace {

const unsigned char kQuitFlag = 1;
const unsigned char kMessageFlag = 2;

int last = 0;
unsigned char mode = 0;

const char* messageFor(int code) {
  switch (code) {
    case 2: return "Error to alllocate memory";
    case 3: return "Error to read file";
    case 4: return "Error to write file";
    case 5: return "Error to create file";
    case 6: return "Error to open file";
    case 7: return "Unexpected end of file";
    case 8: return "Corrupt";
    default: return "Unknown error";
  }
}

}  // namespace

void ErrorRecorder::record(int code) {
  switch (code) {
    case kQuitOn: mode |= kQuitFlag; return;
    case kQuitOff: mode &= ~kQuitFlag; return;
    case kMessageOn: mode |= kMessageFlag; return;
    case kMessageOff: mode &= ~kMessageFlag; return;
  }
  last = code;
  if (code == 0) return;
  if (mode & kMessageFlag) MessageBoxA(nullptr, messageFor(code), "Error", MB_OK | MB_ICONERROR);
  if (mode & kQuitFlag) {
    PostQuitMessage(code);
    ExitProcess(static_cast<UINT>(code));
  }
}

int ErrorRecorder::lastCode() { return last; }
