#include "wordlist/QzlReader.h"

#include "framework/core/ErrorRecorder.h"
#include "framework/core/FieldReader.h"
#include "wordlist/TextConverter.h"

#include <memory>
#include <new>

namespace {

const int kFieldSize = 32000;

// The texts of a ".qzl" file are in code page 1252, as every such file was
// written; they come out in the program's encoding.
class QzlFields {
 public:
  QzlFields(HANDLE file, char* scratch)
      : file_(file), scratch_(scratch), converter_(TextEncoding::kCp1252, programEncoding()) {}

  bool text(CText* destination) {
    readStringField(file_, scratch_, kFieldSize);
    if (ErrorRecorder::lastCode() != 0) return false;
    *destination = scratch_;
    converter_.convert(destination);
    return true;
  }

  bool value(long* destination) {
    readValueField(file_, destination);
    return ErrorRecorder::lastCode() == 0;
  }

 private:
  HANDLE file_;
  char* scratch_;
  TextConverter converter_;
};

}  // namespace

FileResult readQzlFile(WordList& list, CDiskFile& file) {
  std::unique_ptr<char[]> scratch(new (std::nothrow) char[kFieldSize]);
  if (!scratch) return FileResult::NoMemory;
  file.seek(0, FILE_BEGIN, nullptr);
  ErrorRecorder::record(0);
  QzlFields fields(file.handle(), scratch.get());
  CText tag;
  long count = 0;
  if (!fields.text(&tag) || !fields.value(&count)) return FileResult::Invalid;
  list.pairs.clear();
  if (!fields.text(&list.firstLanguage) || !fields.text(&list.secondLanguage) || !fields.text(&list.author) ||
      !fields.text(&list.information))
    return FileResult::Invalid;
  CText first, second;
  for (long i = 0; i < count; ++i) {
    long mark = 0;
    if (!fields.text(&first) || !fields.text(&second) || first.empty() || second.empty() ||
        !fields.value(&mark))
      return FileResult::Invalid;
    int id = list.pairs.append(first.c_str(), second.c_str(), 1);
    if (id < 0) return FileResult::NoMemory;
    list.pairs.setMark(id, mark == 1 ? 1 : 0);
  }
  list.format = kFormatWordFile;
  return FileResult::Ok;
}
