#include "wordlist/TextEncoding.h"

namespace {

TextEncoding encoding = TextEncoding::kCp1252;

}  // namespace

TextEncoding programEncoding() { return encoding; }

void setProgramEncoding(TextEncoding newEncoding) { encoding = newEncoding; }
