// The conversion tables of a code page, made once from what the system's
// conversion gives for each byte and each byte pair, and kept for the life
// of the program.
#pragma once

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "runtime/encoding.h"
#include "runtime/utf8_table.h"

namespace runtime {

// What a code page's conversion gives: on Windows, read from the system's
// own conversion; elsewhere, from the tables made at build time.
struct CodePageSource {
  // Each byte on its own, as Windows converts it (unused for a lead byte).
  std::array<char16_t, 256> single{};
  std::bitset<256> leadBytes;
  // For each lead byte in ascending order, the character of the lead byte
  // followed by each of the 256 bytes; 0 where that pair is no character.
  std::vector<char16_t> pairs;
  // For each character that more than one byte or pair converts to, the one
  // the system's conversion gives it back as: a byte (below 256), or a pair
  // as lead byte * 256 + second byte. The others convert back to it.
  std::vector<std::pair<char16_t, std::uint16_t>> preferred;
};

struct CodePageTables {
  // Each byte as Windows converts it, with a lead byte as kLeadByteEntry.
  Utf8Table exact{};
  // The same with each byte the code page leaves undefined as an entry of
  // count 0 holding the byte.
  Utf8Table marked{};
  // Bytes the code page leaves undefined. Windows maps each into the private
  // use area (to U+F8xx), which keeps it apart from every character; the
  // bytes from 0x80 to 0x9F it leaves undefined it maps to the C1 control of
  // the same value instead, and those count as controls.
  std::bitset<256> undefined;
  PairRows pairs{};
  bool doubleByte = false;

  CodePageTables() = default;
  CodePageTables(const CodePageTables&) = delete;
  CodePageTables& operator=(const CodePageTables&) = delete;
  // Moving keeps the rows valid: the vector's storage moves with it.
  CodePageTables(CodePageTables&&) = default;

 private:
  friend CodePageTables makeCodePageTables(const CodePageSource& source);
  std::vector<std::uint32_t> pairWords_;
};

CodePageTables makeCodePageTables(const CodePageSource& source);

// The tables of a code page (not of UTF-8), made at first use.
const CodePageTables& codePageTables(Encoding encoding);

// The conversion back, from characters to a code page's bytes: the exact
// inverse of its conversion.
struct CodePageEncoder {
  // An entry of bytesOf: none, a byte (kSingleByte | byte), or a pair (lead
  // byte * 256 + second byte; every lead byte is 0x81 or more).
  static constexpr std::uint16_t kNoBytes = 0;
  static constexpr std::uint16_t kSingleByte = 0x100;
  // The bytes of each character U+0000 to U+FFFF.
  std::vector<std::uint16_t> bytesOf;
  // Each byte that converts to a character which converts back to it.
  std::bitset<256> byteConvertsBack;
  // The same for each pair: for each lead byte's row (as in the source's
  // pairs), 256 bits.
  std::vector<std::bitset<256>> pairConvertsBack;
  std::array<std::int16_t, 256> rowOf{};  // of each lead byte; -1 for other bytes
  // A single-byte code page every byte of which converts back.
  bool everyByteConvertsBack = false;
  // Whether ASCII (U+0000 to U+007F) is its own bytes, as in every code page
  // listed, so that a run of it is copied as it is.
  bool asciiAsItIs = false;
};

CodePageEncoder makeCodePageEncoder(const CodePageSource& source);

// The conversion back of a code page (not of UTF-8), made at first use.
const CodePageEncoder& codePageEncoder(Encoding encoding);

// One value for each encoding, made at first use by `make` and then read
// without a lock.
template <typename T>
class PerEncoding {
 public:
  explicit PerEncoding(T (*make)(Encoding)) : make_(make) {}

  const T& operator[](Encoding encoding) const {
    const T* value = values_[encoding.slot()].load(std::memory_order_acquire);
    return value ? *value : makeOnce(encoding);
  }

 private:
  const T& makeOnce(Encoding encoding) const {
    const std::lock_guard lock(mutex_);
    std::unique_ptr<const T>& owned = owned_[encoding.slot()];
    if (!owned) {
      owned = std::make_unique<const T>(make_(encoding));
      values_[encoding.slot()].store(owned.get(), std::memory_order_release);
    }
    return *owned;
  }

  T (*make_)(Encoding);
  mutable std::mutex mutex_;
  mutable std::array<std::unique_ptr<const T>, Encoding::kSlots> owned_;
  mutable std::array<std::atomic<const T*>, Encoding::kSlots> values_{};
};

}  // namespace runtime
