#pragma once
// The readers take file names, so each fuzz input goes through one file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

inline std::string writeFuzzFile(const std::string& prefix, const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/verbolt-fuzz-" + std::to_string(getpid());
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(prefix.data(), 1, prefix.size(), file);
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  return path;
}
