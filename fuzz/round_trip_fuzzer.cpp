// The round trip over arbitrary bytes: the input read as a speech file with
// the record reader (its first byte picks the encoding), written back with
// the record writer, and listed in json (and, for the texts that convert
// back to their bytes, in csv) and packed again: each must give the bytes of
// every whole record before where the reader stopped, exactly.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "listing/export_formats.h"
#include "packing/packing.h"
#include "runtime/byte_source.h"
#include "runtime/encoding.h"
#include "runtime/file_table.h"
#include "runtime/text.h"
#include "speechfile/record_reader.h"
#include "speechfile/record_writer.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

std::string packed(const std::string& list, packing::InputFormat format, runtime::Encoding encoding) {
  runtime::MemorySource input(std::vector<std::uint8_t>(list.begin(), list.end()));
  std::string file;
  speechfile::RecordWriter writer([&](std::string_view bytes) { file += bytes; });
  try {
    packing::pack(input, format, encoding, writer);
  } catch (const packing::PackError& e) {
    std::fprintf(stderr, "packing failed: %s\n", e.what());
    fail("a listed file did not pack");
  }
  writer.finish();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const runtime::Encoding> encodings = runtime::Encoding::all();
  const runtime::Encoding encoding = encodings[size ? data[0] % encodings.size() : 0];
  runtime::BufferedFile file(std::make_unique<runtime::MemorySource>(std::vector<std::uint8_t>(data, data + size)));
  speechfile::RecordReader reader(file);
  std::string rewritten, json, csv = listing::exportHeader(listing::ExportFormat::Csv), csvExpected;
  speechfile::RecordWriter writer([&](std::string_view bytes) { rewritten += bytes; });
  speechfile::RecordWriter csvWriter([&](std::string_view bytes) { csvExpected += bytes; });
  std::uint64_t wholeUpTo = 0;
  try {
    while (const auto r = reader.next()) {
      if (r->offset != wholeUpTo) fail("a record's offset is not where the one before it ended");
      writer.append(r->id, r->text);
      const speechfile::Entry entry{r->offset, static_cast<std::int16_t>(r->id), r->text};
      listing::appendEntry(json, listing::ExportFormat::Json, entry, encoding);
      // csv carries the texts that convert back to their bytes, but for
      // U+FFFD itself (valid UTF-8), which it takes for bytes that did not.
      const std::string_view bytes(reinterpret_cast<const char*>(r->text.data()), r->text.size());
      if (runtime::convertsBack(r->text, encoding) && bytes.find("\xEF\xBF\xBD") == std::string_view::npos) {
        listing::appendEntry(csv, listing::ExportFormat::Csv, entry, encoding);
        csvWriter.append(r->id, r->text);
      }
      wholeUpTo = r->offset + 4 + r->text.size();
    }
  } catch (const speechfile::RecordError& e) {
    if (e.offset() != wholeUpTo) fail("the reader stopped elsewhere than after the last whole record");
  }
  writer.finish();
  csvWriter.finish();
  if (rewritten != std::string(reinterpret_cast<const char*>(data), wholeUpTo)) fail("written back, the bytes differ");
  if (!json.empty() && packed(json, packing::InputFormat::JsonLines, encoding) != rewritten) {
    fail("through json, the bytes differ");
  }
  if (packed(csv, packing::InputFormat::Csv, encoding) != csvExpected) fail("through csv, the bytes differ");
  return 0;
}
