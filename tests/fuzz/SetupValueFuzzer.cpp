// The value syntaxes of REG, RUN, CHECK, ICON, FILE and IF lines and of
// colours, and Install.exe's command line, read from the same text.
#include "installer/script/InstallCommandLine.h"
#include "installer/script/RunCommand.h"
#include "installer/script/SetupScriptParser.h"
#include "tests/unit/SetupTestDoubles.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void checkRegistry(const char* value) {
  RegistryEntry entry = RegistryEntry::parse(value);
  if (!entry.hasData) {
    if (!entry.data.empty()) std::abort();
    return;
  }
  if (entry.type == RegistryEntry::kNumber && entry.length() != 4) std::abort();
  if (entry.type == RegistryEntry::kString &&
      (entry.data.empty() || entry.data.back() != 0 ||
       std::strlen(reinterpret_cast<const char*>(entry.data.data())) + 1 != entry.length()))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  const char* value = text.c_str();
  checkRegistry(value);

  FixedEnvironment environment;
  TablePayloads payloads;
  SetupScript script(environment, payloads);
  script.destination = "C:\\Program Files\\Verbolt'97";
  script.options.push_back(CheckOption::parse(value));
  RunCommand command = RunCommand::read(value, script);
  if (command.kind != RunCommand::kExec && (command.show != RunCommand::kShowDefault || command.wait)) std::abort();

  ShortcutEntry::parse(value);
  FileEntry::fromFile(value, payloads);
  ConditionBlock block;
  block.readHead(value);
  script.holds(block);
  long colour = parseColour(value);
  if (colour < -1 || colour > 0xFFFFFF) std::abort();
  InstallCommandLine options = InstallCommandLine::parse(value);
  if (options.error == InstallCommandLine::kNone && !options.destination.empty() &&
      !isAbsolutePath(options.destination.c_str()))
    std::abort();
  return 0;
}
