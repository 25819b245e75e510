#include "installer/remove/RemoveProgram.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  RemoveProgram program(RemoveCommandLine::parse(commandLine));
  return program.run();
}
