#include "framework/core/FieldReader.h"

#include "framework/core/ErrorRecorder.h"

#include <cstdlib>
#include <cstring>

namespace {

const int kReadError = 3;
const int kMaxWord = 6;
const int kMaxDigits = 20;

bool nextByte(HANDLE file, char* byte) {
  DWORD done = 0;
  return ReadFile(file, byte, 1, &done, nullptr) && done == 1;
}

bool endsField(char byte) { return byte == ',' || byte == '\n'; }

void skipPastFieldEnd(HANDLE file) {
  char byte;
  while (nextByte(file, &byte) && !endsField(byte)) {
  }
}

void readBooleanField(HANDLE file, long* destination) {
  char word[kMaxWord + 1] = {};
  int length = 0;
  char byte;
  for (;;) {
    if (!nextByte(file, &byte)) {
      ErrorRecorder::record(kReadError);
      return;
    }
    if (byte == '#') break;
    if (length < kMaxWord) word[length++] = byte;
  }
  skipPastFieldEnd(file);
  long value = 0;
  if (std::strcmp(word, "TRUE") == 0) value = 1;
  else if (std::strcmp(word, "FALSE") != 0) ErrorRecorder::record(kReadError);
  if (destination) *destination = value;
}

}  // namespace

void readStringField(HANDLE file, char* destination, int size) {
  char byte;
  do {
    if (!nextByte(file, &byte)) {
      ErrorRecorder::record(kReadError);
      return;
    }
  } while (byte != '"');
  int length = 0;
  for (;;) {
    if (!nextByte(file, &byte)) {
      destination[length] = 0;
      ErrorRecorder::record(kReadError);
      return;
    }
    if (byte == '"') break;
    if (length < size - 1) destination[length++] = byte;
  }
  destination[length] = 0;
  skipPastFieldEnd(file);
}

void readValueField(HANDLE file, long* destination) {
  char byte;
  do {
    if (!nextByte(file, &byte)) {
      ErrorRecorder::record(kReadError);
      return;
    }
  } while (byte == ' ' || byte == '\n');
  if (byte == '#') {
    readBooleanField(file, destination);
    return;
  }
  char digits[kMaxDigits + 1] = {};
  int length = 0;
  while (!endsField(byte) && byte != ' ' && byte != '\r') {
    if (!((byte >= '0' && byte <= '9') || byte == '.')) {
      ErrorRecorder::record(kReadError);
      return;
    }
    if (length < kMaxDigits) digits[length++] = byte;
    if (!nextByte(file, &byte)) {
      ErrorRecorder::record(kReadError);
      return;
    }
  }
  if (!endsField(byte)) skipPastFieldEnd(file);
  if (destination) *destination = std::strtol(digits, nullptr, 10);
}
