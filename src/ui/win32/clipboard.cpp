#include "ui/win32/clipboard.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace win32 {
namespace {

// Converts in pieces that an int counts, each ending before a character's
// continuation bytes, so that Copy all lines takes any number of lines.
template <typename Convert>
std::size_t forEachPiece(std::string_view utf8, Convert convert) {
  constexpr std::size_t kPiece = std::size_t{1} << 28;
  std::size_t units = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t end = std::min(utf8.size(), at + kPiece);
    while (end < utf8.size() && end > at && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
    units += static_cast<std::size_t>(convert(utf8.substr(at, end - at), units));
    at = end;
  }
  return units;
}

int measure(std::string_view piece) {
  return MultiByteToWideChar(CP_UTF8, 0, piece.data(), static_cast<int>(piece.size()), nullptr, 0);
}

class GlobalMemory {
 public:
  explicit GlobalMemory(std::size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~GlobalMemory() {
    if (memory_) GlobalFree(memory_);
  }
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;

  HGLOBAL get() const { return memory_; }
  // Once the clipboard has taken it, it is the clipboard's to free.
  void handedOver() { memory_ = nullptr; }

 private:
  HGLOBAL memory_;
};

// Another program may have the clipboard open for a moment.
bool openClipboard(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

ClipboardOutcome putOnClipboard(HWND owner, std::string_view utf8) {
  const std::size_t units = forEachPiece(utf8, [](std::string_view piece, std::size_t) { return measure(piece); });
  GlobalMemory memory((units + 1) * sizeof(wchar_t));
  if (!memory.get()) return ClipboardOutcome::NoMemory;
  auto* text = static_cast<wchar_t*>(GlobalLock(memory.get()));
  forEachPiece(utf8, [text, units](std::string_view piece, std::size_t at) {
    const auto room = static_cast<int>(std::min<std::size_t>(units - at, INT_MAX));
    return MultiByteToWideChar(CP_UTF8, 0, piece.data(), static_cast<int>(piece.size()), text + at, room);
  });
  text[units] = L'\0';
  GlobalUnlock(memory.get());

  if (!openClipboard(owner)) return ClipboardOutcome::HeldByAnotherProgram;
  EmptyClipboard();
  const bool taken = SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
  if (taken) memory.handedOver();
  CloseClipboard();
  return taken ? ClipboardOutcome::Copied : ClipboardOutcome::NoMemory;
}

}  // namespace win32
