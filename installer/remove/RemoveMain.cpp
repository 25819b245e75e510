#include "installer/remove/RemoveProgram.h"
#include "wordlist/TextEncoding.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (GetACP() == CP_UTF8) setProgramEncoding(TextEncoding::kUtf8);
  RemoveProgram program(RemoveCommandLine::parse(commandLine));
  return program.run();
}
