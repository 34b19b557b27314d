#include "speechfile/get_action.h"

#include <new>

#include "speechfile/record.h"
#include "speechfile/record_errors.h"
#include "texts/texts.h"

namespace speechfile {
namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

std::string describe(const std::filesystem::path& path, const RuntimeError& cause) {
  if (path.empty()) return cause.what();
  // %1 is the file's path in quotes, %2 what went wrong.
  return texts::text(SPEECH_TEXT("entries", "%1: %2"), {runtime::quotedPath(path), std::string(cause.what())});
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
// bSecond. Inline: it runs twice for every record.
inline std::int16_t readField(ReadingState& s, runtime::BufferedFile& file) {
  s.bFirst = file.readByte();
  s.bSecond = file.readByte();
  return MAKEWORD(s.bSecond, s.bFirst);
}

// Gives bText iTextLen elements: the bounds 0 to iTextLen - 1, computed in
// checked 16-bit arithmetic. A length field of 0x8000 overflows there, and
// 0x8001 to 0xFFFF give bounds below the lower bound.
void dimensionText(ReadingState& s) { runtime::redimension(s.bText, runtime::subtractChecked(s.iTextLen, 1)); }

}  // namespace

runtime::RuntimeError outOfMemoryAt(std::uint64_t recordOffset) {
  return RuntimeError(ErrorNumber::OutOfMemory,
                      texts::text(SPEECH_TEXT("entries",
                                              "There is not enough memory to list the entry at byte %1; the entries "
                                              "before it are listed."),
                                  {std::to_string(recordOffset)}));
}

GetError::GetError(const std::filesystem::path& path, std::optional<std::uint64_t> recordOffset, RuntimeError cause)
    : std::runtime_error(describe(path, cause)), recordOffset_(recordOffset), cause_(std::move(cause)) {}

void runGetAction(ReadingState& s, const std::filesystem::path& path, LineList& list, runtime::FileTable& files) {
  list.clear();
  try {
    s.iFileNum = files.nextFreeNumber();
    files.openBinary(s.iFileNum, path);
  } catch (const RuntimeError& e) {
    throw GetError(path, std::nullopt, e);
  }
  const FileCloser closer(files, s.iFileNum);

  // The file known by iFileNum, looked up once for the whole loop.
  runtime::BufferedFile& file = files.openFile(s.iFileNum);
  list.opened(OpenedFile{path, file.identity(), file.size()});
  std::uint64_t recordStart = 0;
  try {
    while (!file.atEnd()) {
      recordStart = file.position();
      s.iSpeechID = readField(s, file);
      s.iTextLen = readField(s, file);
      if (s.iTextLen == 0) {
        list.skipEmpty(Entry{recordStart, s.iSpeechID, {}});
        continue;
      }
      dimensionText(s);
      file.readBytes(s.bText);
      list.addItem(Entry{recordStart, s.iSpeechID, s.bText});
    }
  } catch (const RuntimeError& e) {
    throw GetError(path, recordStart, explainStop(e, s.iTextLen, file, recordStart));
  } catch (const std::bad_alloc&) {
    throw GetError(path, recordStart, outOfMemoryAt(recordStart));
  }
}

}  // namespace speechfile
