#include "speechfile/get_action.h"

#include "runtime/arrays.h"
#include "runtime/text.h"
#include "speechfile/record.h"

namespace speechfile {
namespace {

std::string describe(const std::string& path, std::optional<std::uint64_t> recordOffset,
                     const runtime::RuntimeError& cause) {
  std::string text = "\"" + path + "\": ";
  if (recordOffset) text += "record at byte offset " + std::to_string(*recordOffset) + ": ";
  return text + cause.what();
}

// Closes the speech file when the action ends, however it ends.
class FileCloser {
 public:
  FileCloser(runtime::FileTable& files, std::int16_t number) : files_(files), number_(number) {}
  ~FileCloser() { files_.close(number_); }
  FileCloser(const FileCloser&) = delete;
  FileCloser& operator=(const FileCloser&) = delete;

 private:
  runtime::FileTable& files_;
  std::int16_t number_;
};

// Reads one 16-bit field: the high byte into bFirst, then the low byte into
// bSecond.
std::int16_t readField(ReadingState& s, runtime::FileTable& files) {
  s.bFirst = files.readByte(s.iFileNum);
  s.bSecond = files.readByte(s.iFileNum);
  return MAKEWORD(s.bSecond, s.bFirst);
}

// Gives bText iTextLen elements. A length field of 0x8000 or more is negative
// and fails here with the runtime's error, which then names the field.
void dimensionText(ReadingState& s) {
  try {
    runtime::redimension(s.bText, runtime::subtractChecked(s.iTextLen, 1));
  } catch (const runtime::RuntimeError& e) {
    throw runtime::RuntimeError(e.number(), "the text length field 0x" + runtime::hexText(s.iTextLen) +
                                                " is out of range (" + e.detail() + ")");
  }
}

}  // namespace

GetError::GetError(const std::string& path, std::optional<std::uint64_t> recordOffset, runtime::RuntimeError cause)
    : std::runtime_error(describe(path, recordOffset, cause)),
      recordOffset_(recordOffset),
      cause_(std::move(cause)) {}

void runGetAction(ReadingState& s, const PathSource& pathSource, LineList& list, runtime::FileTable& files) {
  list.clear();
  s.iFileNum = files.nextFreeNumber();
  const std::string path = pathSource.pathText();
  try {
    files.openBinary(s.iFileNum, path);
  } catch (const runtime::RuntimeError& e) {
    throw GetError(path, std::nullopt, e);
  }
  const FileCloser closer(files, s.iFileNum);

  std::uint64_t recordStart = 0;
  std::string scratch;  // holds each record's line in turn
  try {
    while (!files.atEnd(s.iFileNum)) {
      recordStart = files.position(s.iFileNum);
      s.iSpeechID = readField(s, files);
      s.iTextLen = readField(s, files);
      if (s.iTextLen == 0) continue;
      dimensionText(s);
      files.readBytes(s.iFileNum, s.bText);
      list.addItem(formatListLine(scratch, s.iSpeechID, s.bText));
    }
  } catch (const runtime::RuntimeError& e) {
    throw GetError(path, recordStart, e);
  }
}

}  // namespace speechfile
