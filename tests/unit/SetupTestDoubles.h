#pragma once
// Fixed answers for the setup script's questions to the system and to the
// payload resources.
#include "installer/script/PayloadCatalog.h"
#include "installer/script/SetupEnvironment.h"
#include "installer/script/SetupScript.h"

#include <map>
#include <set>
#include <string>

class FixedEnvironment : public SetupEnvironment {
 public:
  CText shortPath(const char* path) override {
    return std::string(path) == "C:\\Program Files\\Verbolt'97" ? "C:\\PROGRA~1\\VERBOL~1" : path;
  }
  CText programFilesFolder() override { return "C:\\Program Files"; }
  CText desktopFolder() override { return "C:\\WINDOWS\\Desktop"; }
  CText systemFolder() override { return "C:\\WINDOWS\\SYSTEM"; }
  CText windowsFolder() override { return "C:\\WINDOWS"; }
  CText temporaryFolder() override { return temporary.c_str(); }
  CText localDate() override { return "19990124"; }
  bool folderExists(const char* path) override { return existing.count(path) != 0; }

  std::string temporary = "C:\\WINDOWS\\TEMP\\";
  std::set<std::string> existing;
};

class TablePayloads : public PayloadCatalog {
 public:
  long payloadSize(const char* name) const override {
    auto found = sizes.find(name);
    return found == sizes.end() ? 0 : found->second;
  }
  std::map<std::string, long> sizes;
};

// A script with its doubles, parsed from a text.
struct ParsedScript {
  explicit ParsedScript(const std::string& text, std::map<std::string, long> sizes = {})
      : script(environment, payloads) {
    payloads.sizes = std::move(sizes);
    parsed = script.parse(text.data(), static_cast<unsigned>(text.size()));
  }
  FixedEnvironment environment;
  TablePayloads payloads;
  SetupScript script;
  bool parsed = false;
};
