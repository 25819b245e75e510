// Parsing a generated setup script: 5,000 sections with 50,000 lines should
// take under 100 ms, and ten times the sections about ten times as long.
#include "installer/script/PayloadCatalog.h"
#include "installer/script/SetupEnvironment.h"
#include "installer/script/SetupScript.h"
#include "tests/bench/Ratios.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

class NoEnvironment : public SetupEnvironment {
 public:
  CText shortPath(const char* path) override { return path; }
  CText programFilesFolder() override { return CText(); }
  CText desktopFolder() override { return CText(); }
  CText systemFolder() override { return CText(); }
  CText windowsFolder() override { return CText(); }
  CText temporaryFolder() override { return CText(); }
  CText localDate() override { return CText(); }
  bool folderExists(const char*) override { return false; }
};

class FixedSizes : public PayloadCatalog {
 public:
  long payloadSize(const char*) const override { return 1000; }
};

// Half the sections are components listed in [MAIN], each naming one IF
// section of its own; every section but [MAIN] has ten lines.
std::string generatedScript(int sections) {
  int components = sections / 2;
  std::string text = "[MAIN]\r\nTITLE=Generated\r\nDEFDIRECTORY=%p\\Generated\r\n";
  for (int i = 0; i < components; ++i) text += "SELECTION=PART" + std::to_string(i) + "\r\n";
  for (int i = 0; i < components; ++i) {
    std::string n = std::to_string(i);
    text += "[PART" + n + "]\r\nTITLE=Part " + n + "\r\n";
    for (int f = 0; f < 3; ++f) text += "FILE=FILE" + n + "_" + std::to_string(f) + ".DAT,%d\\Data\\File.dat\r\n";
    text += "REG=HKCU,Software\\Generated\\" + n + "\r\n";
    text += "REG=HKCU,Software\\Generated\\" + n + ",Value,\"%d\\\\x\",nochange\r\n";
    text += "ICON=%i\\Part" + n + ".lnk,%d\\Part.exe\r\n";
    text += "IF OPTION==TRUE,COND" + n + "\r\nRUN=%d\\Part.exe\r\n";
    text += "[COND" + n + "]\r\n// comment line\r\n";
    for (int f = 0; f < 4; ++f) text += "FILE=EXTRA" + std::to_string(f) + ".DAT\r\n";
    text += "REG=HKCR,.gen,,\"Generated.File\"\r\nREG=HKCR,Generated.File\r\nICON=%t\\Part.lnk,%d\\Part.exe\r\n";
  }
  return text;
}

void BM_ParseSetupScript(benchmark::State& state) {
  std::string text = generatedScript(static_cast<int>(state.range(0)));
  NoEnvironment environment;
  FixedSizes payloads;
  for (auto _ : state) {
    SetupScript script(environment, payloads);
    script.parse(text.data(), static_cast<unsigned>(text.size()));
    benchmark::DoNotOptimize(script.requiredSize);
  }
  state.counters["lines"] = static_cast<double>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

BENCHMARK(BM_ParseSetupScript)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

BenchRatio setupScriptRatio("setup script 5,000 / 500 sections", "BM_ParseSetupScript/5000",
                            "BM_ParseSetupScript/500", 12.0);
