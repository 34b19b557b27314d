#include "runtime/code_page.h"

#include "runtime/platform.h"

namespace runtime {
namespace {

bool inPrivateUseArea(char16_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

CodePageTables tablesFor(Encoding encoding) {
  return makeCodePageTables(platform::codePageSource(encoding.codePage()));
}

}  // namespace

CodePageTables makeCodePageTables(const CodePageSource& source) {
  CodePageTables tables;
  std::size_t row = 0;
  tables.pairWords_.resize(source.pairs.size());
  for (std::size_t i = 0; i < source.pairs.size(); ++i) {
    tables.pairWords_[i] = source.pairs[i] ? packUtf8(source.pairs[i]) : 0;
  }
  for (int byte = 0; byte < 256; ++byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    if (source.leadBytes[b]) {
      tables.exact[b] = tables.marked[b] = kLeadByteEntry | b;
      tables.pairs[b] = tables.pairWords_.data() + 256 * row++;
      tables.doubleByte = true;
      continue;
    }
    const char16_t unit = source.single[b];
    tables.undefined[b] = inPrivateUseArea(unit);
    tables.exact[b] = packUtf8(unit);
    tables.marked[b] = tables.undefined[b] ? b : tables.exact[b];
  }
  return tables;
}

const CodePageTables& codePageTables(Encoding encoding) {
  static const PerEncoding<CodePageTables> tables(&tablesFor);
  return tables[encoding];
}

}  // namespace runtime
