#include "runtime/code_page.h"

#include "runtime/platform.h"

namespace runtime {
namespace {

bool inPrivateUseArea(char16_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

CodePageTables tablesFor(Encoding encoding) {
  return makeCodePageTables(platform::codePageSource(encoding.codePage()));
}

CodePageEncoder encoderFor(Encoding encoding) {
  return makeCodePageEncoder(platform::codePageSource(encoding.codePage()));
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

CodePageEncoder makeCodePageEncoder(const CodePageSource& source) {
  CodePageEncoder encoder;
  encoder.bytesOf.assign(0x10000, CodePageEncoder::kNoBytes);
  encoder.rowOf.fill(-1);
  // Where several bytes or pairs give one character, the first in byte order
  // stands until the system's choice replaces it below.
  const auto take = [&](char16_t c, std::uint16_t bytes) {
    if (encoder.bytesOf[c] == CodePageEncoder::kNoBytes) encoder.bytesOf[c] = bytes;
  };
  std::int16_t rows = 0;
  for (int byte = 0; byte < 256; ++byte) {
    if (source.leadBytes[byte]) {
      encoder.rowOf[byte] = rows++;
    } else {
      take(source.single[byte], static_cast<std::uint16_t>(CodePageEncoder::kSingleByte | byte));
    }
  }
  for (int lead = 0; lead < 256; ++lead) {
    if (encoder.rowOf[lead] < 0) continue;
    for (int second = 0; second < 256; ++second) {
      const char16_t c = source.pairs[256 * static_cast<std::size_t>(encoder.rowOf[lead]) + second];
      if (c != 0) take(c, static_cast<std::uint16_t>(lead << 8 | second));
    }
  }
  for (const auto& [c, bytes] : source.preferred) {
    encoder.bytesOf[c] = bytes < 256 ? static_cast<std::uint16_t>(CodePageEncoder::kSingleByte | bytes) : bytes;
  }
  // What converts back to itself.
  for (int byte = 0; byte < 256; ++byte) {
    encoder.byteConvertsBack[byte] =
        !source.leadBytes[byte] && encoder.bytesOf[source.single[byte]] == (CodePageEncoder::kSingleByte | byte);
  }
  encoder.pairConvertsBack.resize(static_cast<std::size_t>(rows));
  for (int lead = 0; lead < 256; ++lead) {
    const std::int16_t row = encoder.rowOf[lead];
    if (row < 0) continue;
    for (int second = 0; second < 256; ++second) {
      const char16_t c = source.pairs[256 * static_cast<std::size_t>(row) + second];
      encoder.pairConvertsBack[static_cast<std::size_t>(row)][second] =
          c != 0 && encoder.bytesOf[c] == (lead << 8 | second);
    }
  }
  encoder.everyByteConvertsBack = rows == 0 && encoder.byteConvertsBack.all();
  encoder.asciiAsItIs = true;
  for (int c = 0; c < 0x80; ++c) {
    encoder.asciiAsItIs &= encoder.bytesOf[c] == (CodePageEncoder::kSingleByte | c) && encoder.byteConvertsBack[c];
  }
  return encoder;
}

const CodePageEncoder& codePageEncoder(Encoding encoding) {
  static const PerEncoding<CodePageEncoder> encoders(&encoderFor);
  return encoders[encoding];
}

}  // namespace runtime
