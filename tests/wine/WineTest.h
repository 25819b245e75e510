#pragma once
// A small test runner for the Windows test programs (GoogleTest is not built
// for MinGW). Tests register with WINE_TEST; checks count failures and print
// where they happened; main() runs every test and exits with the number of
// failed checks, printing "N passed, M failed".
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace winetest {

struct TestCase {
  const char* name;
  void (*body)();
};

std::vector<TestCase>& registry();
void fail(const char* file, int line, const std::string& message);
// Labels the failures that follow, like Wine's winetest_push_context.
void setContext(const std::string& context);

struct Registrar {
  Registrar(const char* name, void (*body)()) { registry().push_back({name, body}); }
};

inline std::string show(const std::string& value) { return "\"" + value + "\""; }
inline std::string show(const char* value) { return value ? show(std::string(value)) : "null"; }
inline std::string show(char* value) { return show(static_cast<const char*>(value)); }
template <typename T>
std::string show(const T& value) {
  return std::to_string(value);
}

template <typename A, typename B>
bool equal(const A& a, const B& b) {
  return a == b;
}
inline bool equal(const char* a, const char* b) { return std::strcmp(a ? a : "", b ? b : "") == 0; }
inline bool equal(char* a, const char* b) { return equal(static_cast<const char*>(a), b); }

}  // namespace winetest

#define WINE_TEST(name)                                               \
  static void name();                                                 \
  static winetest::Registrar name##_registrar(#name, name);           \
  static void name()

#define CHECK(condition) \
  ((condition) ? (void)0 : winetest::fail(__FILE__, __LINE__, "CHECK(" #condition ")"))

#define CHECK_EQ(actual, expected)                                                                   \
  do {                                                                                               \
    const auto& actualValue_ = (actual);                                                             \
    const auto& expectedValue_ = (expected);                                                         \
    if (!winetest::equal(actualValue_, expectedValue_))                                              \
      winetest::fail(__FILE__, __LINE__,                                                             \
                     #actual " is " + winetest::show(actualValue_) + ", expected " +                 \
                         winetest::show(expectedValue_));                                            \
  } while (0)
