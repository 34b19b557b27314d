#include "texts/texts.h"

#include <atomic>
#include <vector>

namespace texts {
namespace {

std::shared_ptr<const Catalogue>& installed() {
  static std::shared_ptr<const Catalogue> catalogue;
  return catalogue;
}

// Read without a lock: set once at start, before the threads that read it.
std::atomic<const Catalogue*> current{nullptr};

std::string fill(std::string_view pattern, const std::optional<std::string>& count,
                 std::initializer_list<Argument> arguments, const Catalogue* catalogue) {
  const auto asText = [&](const Argument& argument) {
    if (const auto* text = std::get_if<std::string>(&argument.value())) return *text;
    const std::uint64_t value = std::get<std::uint64_t>(argument.value());
    return catalogue ? catalogue->number(value) : englishNumber(value);
  };
  const std::vector<Argument> given(arguments);
  std::string out;
  out.reserve(pattern.size() + 16 * given.size());
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char c = pattern[at];
    if (c != '%' || at + 1 == pattern.size()) {
      out += c;
      continue;
    }
    const char next = pattern[at + 1];
    if (next == '%') {
      out += '%';
      ++at;
    } else if (next == 'n' && count) {
      out += *count;
      ++at;
    } else if (next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < given.size()) {
      out += asText(given[static_cast<std::size_t>(next - '1')]);
      ++at;
    } else {
      out += c;  // not a placeholder of this text: kept as written
    }
  }
  return out;
}

std::string make(const Source& source, std::optional<std::uint64_t> count, std::initializer_list<Argument> arguments,
                 const Catalogue* catalogue) {
  std::optional<std::string> translated;
  if (catalogue) translated = catalogue->translate(source, count);
  const char* const english = count && *count == 1 && source.englishOne ? source.englishOne : source.english;
  const std::string_view pattern = translated ? std::string_view(*translated) : std::string_view(english);
  std::optional<std::string> countText;
  if (count) countText = catalogue ? catalogue->number(*count) : englishNumber(*count);
  return fill(pattern, countText, arguments, catalogue);
}

}  // namespace

void installCatalogue(std::shared_ptr<const Catalogue> catalogue) {
  current.store(catalogue.get(), std::memory_order_release);
  installed() = std::move(catalogue);
}

std::string text(const Source& source, std::initializer_list<Argument> arguments) {
  return make(source, std::nullopt, arguments, current.load(std::memory_order_acquire));
}

std::string text(const Source& source, std::uint64_t count, std::initializer_list<Argument> arguments) {
  return make(source, count, arguments, current.load(std::memory_order_acquire));
}

std::string english(const Source& source, std::initializer_list<Argument> arguments) {
  return make(source, std::nullopt, arguments, nullptr);
}

std::string english(const Source& source, std::uint64_t count, std::initializer_list<Argument> arguments) {
  return make(source, count, arguments, nullptr);
}

std::string englishNumber(std::uint64_t value) {
  std::string digits = std::to_string(value);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, 1, ',');
  return digits;
}

}  // namespace texts
