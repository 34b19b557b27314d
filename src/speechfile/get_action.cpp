#include "speechfile/get_action.h"

#include <new>

#include "runtime/text.h"
#include "speechfile/record.h"

namespace speechfile {
namespace {

using runtime::ErrorNumber;
using runtime::RuntimeError;

std::string describe(const std::filesystem::path& path, const RuntimeError& cause) {
  if (path.empty()) return cause.what();
  return runtime::quotedPath(path) + ": " + cause.what();
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

// Says in plain words what stopped the reading of the record at `start`.
RuntimeError explain(const RuntimeError& e, const ReadingState& s, const runtime::BufferedFile& file,
                     std::uint64_t start) {
  const std::string entry = "The entry at byte " + std::to_string(start);
  const std::uint64_t at = file.position();
  const std::uint64_t size = file.size();
  switch (e.number()) {
    case ErrorNumber::Overflow:
    case ErrorNumber::SubscriptOutOfRange:
      return RuntimeError(e.number(), entry + " gives a text length of 0x" + runtime::hexText(s.iTextLen) +
                                          ", more than the " + runtime::groupedNumber(kMaxTextLength) +
                                          " bytes an entry can hold.");
    case ErrorNumber::InputPastEndOfFile:
      if (file.shrank()) return e;  // its message says where the file now ends
      if (at - start < kHeaderSize && at == size) {
        return RuntimeError(e.number(), entry + " is cut short: the file ends after " + std::to_string(at - start) +
                                            " of its " + std::to_string(kHeaderSize) + " header bytes.");
      }
      if (at - start == kHeaderSize && static_cast<std::uint64_t>(s.iTextLen) > size - at) {
        return RuntimeError(e.number(), entry + " is cut short: its text is " + std::to_string(s.iTextLen) +
                                            " bytes long, but the file ends after " + std::to_string(size - at) +
                                            " of them.");
      }
      return e;
    default: return e;
  }
}

}  // namespace

runtime::RuntimeError outOfMemoryAt(std::uint64_t recordOffset) {
  return RuntimeError(ErrorNumber::OutOfMemory, "There is not enough memory to list the entry at byte " +
                                                    std::to_string(recordOffset) +
                                                    "; the entries before it are listed.");
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
    throw GetError(path, recordStart, explain(e, s, file, recordStart));
  } catch (const std::bad_alloc&) {
    throw GetError(path, recordStart, outOfMemoryAt(recordStart));
  }
}

}  // namespace speechfile
