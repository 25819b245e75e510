#include "framework/win/WinApp.h"

// Linked into each program through the framework_entry object library, so
// that the program only defines its static application object.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
  return CWinApp::entry(instance, previous, commandLine, showCommand);
}
