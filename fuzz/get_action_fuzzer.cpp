// Runs the Get action over arbitrary bytes through an in-memory file and
// checks its lines and where it stopped against a second, deliberately
// simple decoder written here from the record layout. The input's first byte
// also picks the encoding the texts are read in: Windows-1252 is converted
// here byte by byte; every other encoding character by character (each byte,
// or a lead byte with the next), to check the conversion of whole texts, and
// its shown form, which must hold no control character. The window's model
// of every entry must give back the bytes read.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/list_line.h"
#include "listing/shown_text.h"
#include "runtime/encoding.h"
#include "runtime/errors.h"
#include "runtime/file_table.h"
#include "runtime/text.h"
#include "runtime/utf8.h"
#include "speechfile/get_action.h"
#include "ui/common/line_store.h"

namespace {

using runtime::ErrorNumber;

struct Outcome {
  std::vector<std::string> lines;
  std::optional<ErrorNumber> error;
  std::uint64_t stopOffset = 0;  // meaningful with an error
};

// Windows-1252 to UTF-8, one byte at a time, the plain way.
void appendCp1252(std::string& out, std::uint8_t byte) {
  static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  const char16_t u = (byte >= 0x80 && byte < 0xA0) ? high[byte - 0x80] : byte;
  if (u < 0x80) {
    out += static_cast<char>(u);
  } else if (u < 0x800) {
    out += static_cast<char>(0xC0 | (u >> 6));
    out += static_cast<char>(0x80 | (u & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (u >> 12));
    out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (u & 0x3F));
  }
}

std::string converted(std::span<const std::uint8_t> text, runtime::Encoding encoding) {
  std::string out(runtime::maxAnsiTextSize(text.size()), '\0');
  out.resize(static_cast<std::size_t>(
      runtime::writeAnsiText(out.data(), text, encoding, runtime::UndefinedBytes::AsSigns) - out.data()));
  return out;
}

// A text character by character: a byte, or a lead byte and the one after
// it when the two convert to one character; UTF-8 by the one decoder.
void appendPieceByPiece(std::string& out, std::span<const std::uint8_t> text, runtime::Encoding encoding) {
  for (std::size_t at = 0; at < text.size();) {
    std::size_t length = 1;
    if (encoding.isUtf8()) {
      const std::string_view rest(reinterpret_cast<const char*>(text.data() + at), text.size() - at);
      length = runtime::decodeUtf8(rest, 0).length;
    } else if (at + 1 < text.size()) {
      const std::string pair = converted(text.subspan(at, 2), encoding);
      if (runtime::decodeUtf8(pair, 0).length == pair.size()) length = 2;
    }
    out += converted(text.subspan(at, length), encoding);
    at += length;
  }
}

bool hasControlCharacter(std::string_view utf8) {
  for (std::size_t at = 0; at < utf8.size();) {
    const runtime::Utf8Character c = runtime::decodeUtf8(utf8, at);
    if (!c.valid || listing::isControlCharacter(c.value)) return true;
    at += c.length;
  }
  return false;
}

// The shown form in one pass: the line with signs, shown; and no control
// character in it.
void checkShown(std::span<const std::uint8_t> text, runtime::Encoding encoding) {
  std::string shown(listing::maxShownAnsiTextSize(text.size()), '\0');
  shown.resize(static_cast<std::size_t>(listing::writeShownAnsiText(shown.data(), text, encoding) - shown.data()));
  if (shown != listing::shownText(converted(text, encoding)) || hasControlCharacter(shown)) {
    std::fprintf(stderr, "the shown form differs, or shows a control character\n");
    std::abort();
  }
}

Outcome decodeSimply(const std::uint8_t* data, std::size_t size, runtime::Encoding encoding) {
  Outcome outcome;
  std::size_t pos = 0;
  const auto stop = [&](ErrorNumber error) {
    outcome.error = error;
    outcome.stopOffset = pos;
    return outcome;
  };
  while (pos < size) {
    if (size - pos < 4) return stop(ErrorNumber::InputPastEndOfFile);
    const unsigned id = data[pos] << 8 | data[pos + 1];
    const unsigned length = data[pos + 2] << 8 | data[pos + 3];
    if (length == 0) {
      pos += 4;
      continue;
    }
    if (length == 0x8000) return stop(ErrorNumber::Overflow);
    if (length > 0x8000) return stop(ErrorNumber::SubscriptOutOfRange);
    if (size - pos - 4 < length) return stop(ErrorNumber::InputPastEndOfFile);
    char hex[8];
    std::snprintf(hex, sizeof hex, "%X", id);
    std::string line = std::string("ID: ") + hex + " Text: ";
    const std::span<const std::uint8_t> text(data + pos + 4, length);
    if (encoding.codePage() == 1252) {
      for (const std::uint8_t byte : text) appendCp1252(line, byte);
    } else {
      appendPieceByPiece(line, text, encoding);
    }
    checkShown(text, encoding);
    outcome.lines.push_back(std::move(line));
    pos += 4 + length;
  }
  return outcome;
}

// The lines as text, and the same entries in the window's line store, which
// must give them back exactly.
class Lines final : public speechfile::LineList {
 public:
  explicit Lines(runtime::Encoding encoding) : encoding(encoding) {}
  void clear() override {
    lines.clear();
    store.clear();
  }
  void addItem(const speechfile::Entry& entry) override {
    lines.emplace_back(listing::formatListLine(scratch, entry.id, entry.text, encoding));
    offsets.push_back(entry.offset);
    store.addItem(entry);
  }
  void skipEmpty(const speechfile::Entry& entry) override { store.skipEmpty(entry); }
  const runtime::Encoding encoding;
  std::vector<std::string> lines;
  std::vector<std::uint64_t> offsets;
  ui::LineStore store;

 private:
  std::string scratch;
};

void checkStore(const Lines& list) {
  ui::LineStore::Scratch scratch;
  if (list.store.rowCount() != list.lines.size()) {
    std::fprintf(stderr, "the store holds %zu rows, not %zu\n", list.store.rowCount(), list.lines.size());
    std::abort();
  }
  for (std::size_t row = 0; row < list.lines.size(); ++row) {
    if (list.store.line(row, scratch, list.encoding) != list.lines[row] ||
        list.store.row(row, scratch).offset != list.offsets[row]) {
      std::fprintf(stderr, "the store's row %zu differs\n", row);
      std::abort();
    }
  }
}

// Every entry read, those without text included, written back as records:
// the bytes read, up to the record the Get stopped at.
void checkEveryEntry(const model::SpeechModel& entries, std::span<const std::uint8_t> read) {
  std::vector<std::uint8_t> written;
  entries.forEachEntry(0, [&](std::size_t, const model::EntryView& e) {
    const auto id = static_cast<std::uint16_t>(e.id);
    const auto length = static_cast<std::uint16_t>(e.text.size());
    written.insert(written.end(), {static_cast<std::uint8_t>(id >> 8), static_cast<std::uint8_t>(id & 0xFF),
                                   static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF)});
    written.insert(written.end(), e.text.begin(), e.text.end());
    return true;
  });
  if (!std::equal(written.begin(), written.end(), read.begin(), read.end())) {
    std::fprintf(stderr, "the entries walked give %zu bytes, not the %zu read\n", written.size(), read.size());
    std::abort();
  }
}

Outcome runGet(const std::uint8_t* data, std::size_t size, runtime::Encoding encoding) {
  runtime::FileTable files([&](const std::filesystem::path&) {
    return std::make_unique<runtime::MemorySource>(std::vector<std::uint8_t>(data, data + size));
  });
  speechfile::ReadingState state;
  Lines list(encoding);
  Outcome outcome;
  try {
    speechfile::runGetAction(state, "memory", list, files);
  } catch (const speechfile::GetError& e) {
    outcome.error = e.cause().number();
    outcome.stopOffset = e.recordOffset().value_or(UINT64_MAX);
  }
  if (files.isOpen(state.iFileNum)) {
    std::fprintf(stderr, "the file was left open\n");
    std::abort();
  }
  checkStore(list);
  checkEveryEntry(list.store.entries(),
                  std::span(data, outcome.error ? std::min<std::uint64_t>(outcome.stopOffset, size) : size));
  outcome.lines = std::move(list.lines);
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const runtime::Encoding> encodings = runtime::Encoding::all();
  const runtime::Encoding encoding = encodings[size ? data[0] % encodings.size() : 0];
  const Outcome expected = decodeSimply(data, size, encoding);
  const Outcome actual = runGet(data, size, encoding);
  if (actual.lines != expected.lines) {
    std::fprintf(stderr, "lines differ: %zu listed, %zu expected\n", actual.lines.size(), expected.lines.size());
    std::abort();
  }
  if (actual.error != expected.error || (expected.error && actual.stopOffset != expected.stopOffset)) {
    std::fprintf(stderr, "stop differs: error %d at %llu, expected %d at %llu\n",
                 actual.error ? static_cast<int>(*actual.error) : 0, static_cast<unsigned long long>(actual.stopOffset),
                 expected.error ? static_cast<int>(*expected.error) : 0,
                 static_cast<unsigned long long>(expected.stopOffset));
    std::abort();
  }
  return 0;
}
