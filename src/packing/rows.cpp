#include "packing/rows.h"

#include <charconv>

#include "runtime/utf8.h"

namespace packing {
namespace {

std::optional<std::uint16_t> idIn(std::string_view digits, int base) {
  unsigned value = 0;
  const char* const end = digits.data() + digits.size();
  if (digits.empty() || digits.size() > 8 || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  const auto [at, error] = std::from_chars(digits.data(), end, value, base);
  if (error != std::errc() || at != end || value > 0xFFFF) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

}  // namespace

PackError::PackError(std::uint64_t line, const std::string& message) : std::runtime_error(message), line_(line) {}

std::string placeOf(const Row& row) {
  return "line " + std::to_string(row.line) + ", row " + std::to_string(row.number);
}

std::optional<std::uint16_t> decimalId(std::string_view digits) { return idIn(digits, 10); }
std::optional<std::uint16_t> hexadecimalId(std::string_view digits) { return idIn(digits, 16); }

std::optional<std::size_t> invalidUtf8At(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const runtime::Utf8Character c = runtime::decodeUtf8(text, at);
    if (!c.valid) return at;
    at += c.length;
  }
  return std::nullopt;
}

}  // namespace packing
