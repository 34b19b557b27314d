// The program's own texts, in the user's language. Each is written where it
// is used, in English, as a whole sentence with numbered placeholders (%1 to
// %9) for what changes in it, and marked with SPEECH_TEXT (or SPEECH_TEXT_N
// when a count chooses its plural form, written %n), so that the catalogue's
// tools find it. A window installs the catalogue of its user's language at
// start; without one (speechlist, the tests) every text is English.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace texts {

// A text as the code writes it.
struct Source {
  const char* context;     // the part of the program it belongs to: the catalogue groups texts by it
  const char* english;     // UTF-8; in a plural text, the form for any count but one
  const char* englishOne;  // a plural text's form for a count of one; null for other texts
};

}  // namespace texts

// The markers the catalogue's tools look for, with string literals only: a
// context and an English text; for a plural text, its English forms for any
// count but one and for one, each holding %n ("%n lines", "%n line").
#define SPEECH_TEXT(context, english) (::texts::Source{context, english, nullptr})
#define SPEECH_TEXT_N(context, english, englishOne) (::texts::Source{context, english, englishOne})

namespace texts {

// What fills a placeholder: a text as it is, or a count, written as the
// user's language writes numbers ("32,767" in English, "32.767" in German).
// Byte offsets and other figures that are read rather than counted are
// given as text, without separators.
class Argument {
 public:
  Argument(std::string_view text) : value_(std::string(text)) {}
  Argument(const std::string& text) : value_(text) {}
  Argument(const char* text) : value_(std::string(text)) {}
  static Argument count(std::uint64_t value) { return Argument(value); }

  const std::variant<std::string, std::uint64_t>& value() const { return value_; }

 private:
  explicit Argument(std::uint64_t value) : value_(value) {}
  std::variant<std::string, std::uint64_t> value_;
};

// The texts of one language.
class Catalogue {
 public:
  virtual ~Catalogue() = default;
  // The text in this language, its placeholders as they are; none when the
  // catalogue has no translation of it (the English is used then). `count`
  // is given for a plural text, to choose its form.
  virtual std::optional<std::string> translate(const Source& source, std::optional<std::uint64_t> count) const = 0;
  // A count as this language writes it.
  virtual std::string number(std::uint64_t value) const = 0;
};

// Makes `catalogue` the one every text is shown in from now on; none goes
// back to English. Installed once at start, before any thread that makes
// texts runs: texts are made on any thread, and read it without a lock.
void installCatalogue(std::shared_ptr<const Catalogue> catalogue);

// The text in the installed catalogue's language, with its placeholders
// filled: %1 by the first argument, and so on; "%%" stands for "%".
std::string text(const Source& source, std::initializer_list<Argument> arguments = {});
// The same for a plural text: %n is `count`, which also chooses the form.
std::string text(const Source& source, std::uint64_t count, std::initializer_list<Argument> arguments = {});

// The same in English, whatever catalogue is installed.
std::string english(const Source& source, std::initializer_list<Argument> arguments = {});
std::string english(const Source& source, std::uint64_t count, std::initializer_list<Argument> arguments = {});

// A count with English thousands separators: 32767 -> "32,767".
std::string englishNumber(std::uint64_t value);

}  // namespace texts
