#include "tests/wine/WineTest.h"

namespace winetest {
namespace {

int failures = 0;
int failedTests = 0;
std::string context;

}  // namespace

std::vector<TestCase>& registry() {
  static std::vector<TestCase> tests;
  return tests;
}

void fail(const char* file, int line, const std::string& message) {
  ++failures;
  std::printf("%s:%d: %s%s%s\n", file, line, context.empty() ? "" : context.c_str(),
              context.empty() ? "" : ": ", message.c_str());
  std::fflush(stdout);
}

void setContext(const std::string& text) { context = text; }

}  // namespace winetest

int main(int argc, char** argv) {
  using namespace winetest;
  int passed = 0;
  for (const TestCase& test : registry()) {
    if (argc > 1 && std::strstr(test.name, argv[1]) == nullptr) continue;
    int before = failures;
    setContext("");
    test.body();
    if (failures == before) {
      ++passed;
      std::printf("[  OK  ] %s\n", test.name);
    } else {
      ++failedTests;
      std::printf("[ FAIL ] %s\n", test.name);
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failedTests);
  return failures == 0 ? 0 : 1;
}
