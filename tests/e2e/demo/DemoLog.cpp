#include "tests/e2e/demo/DemoLog.h"

#include <vector>

void DemoLog::add(const std::string& entry) const {
  std::vector<char> buffer(GetWindowTextLengthA(control_) + 1);
  GetWindowTextA(control_, buffer.data(), static_cast<int>(buffer.size()));
  std::string text = std::string(buffer.data()) + entry + ";";
  SetWindowTextA(control_, text.c_str());
}

void DemoLog::addCommand(const char* prefix, UINT id, UINT code) const {
  add(prefix + std::to_string(id) + ":" + std::to_string(code));
}
