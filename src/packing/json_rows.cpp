#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include "packing/rows.h"

namespace packing {
namespace {

enum class Field { Other, Id, IdHex, Text, Bytes };

// Takes the keys of one line's object as the reader meets them: the values
// of the keys an entry needs, as views into the line (strings are unescaped
// in place), and reads past the others, whatever they hold.
class LineHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LineHandler> {
 public:
  std::optional<std::string_view> id, idHex, text, bytes;
  std::string problem;  // why the handler stopped the reading

  bool Default() { return value("a value of another kind", {}); }
  bool RawNumber(const char* s, rapidjson::SizeType n, bool) { return value("a number", std::string_view(s, n)); }
  bool String(const char* s, rapidjson::SizeType n, bool) { return value("a string", std::string_view(s, n)); }
  bool Null() { return value("null", {}); }
  bool Bool(bool) { return value("true or false", {}); }
  bool StartObject() {
    if (depth_ == 0) {
      ++depth_;
      return true;
    }
    return nested();
  }
  bool EndObject(rapidjson::SizeType) {
    --depth_;
    return true;
  }
  bool StartArray() {
    if (depth_ == 0) return stop("the line holds an array, not an object");
    return nested();
  }
  bool EndArray(rapidjson::SizeType) {
    --depth_;
    return true;
  }
  bool Key(const char* s, rapidjson::SizeType n, bool) {
    if (depth_ != 1) return true;
    const std::string_view name(s, n);
    key_ = name == "id"       ? Field::Id
           : name == "id_hex" ? Field::IdHex
           : name == "text"   ? Field::Text
           : name == "bytes"  ? Field::Bytes
                              : Field::Other;
    keyName_ = name;
    if (key_ != Field::Other && slot()) return stop("the key '" + std::string(name) + "' is given twice");
    return true;
  }

 private:
  bool stop(std::string why) {
    problem = std::move(why);
    return false;
  }
  bool nested() {
    if (depth_ == 1 && key_ != Field::Other) return value("an object or array", {});
    ++depth_;
    return true;
  }
  std::optional<std::string_view>& slot() {
    switch (key_) {
      case Field::Id: return id;
      case Field::IdHex: return idHex;
      case Field::Text: return text;
      default: return bytes;
    }
  }
  // A value: kept for a key an entry needs, when it is of the kind it needs
  // (a number for "id", a string for the others).
  bool value(std::string_view kind, std::string_view v) {
    if (depth_ == 0) return stop("the line holds " + std::string(kind) + ", not an object");
    if (depth_ > 1 || key_ == Field::Other) return true;
    const bool number = kind == "a number", string = kind == "a string";
    if (key_ == Field::Id ? !number : !string) {
      return stop("the key '" + std::string(keyName_) + "' holds " + std::string(kind) + ", not " +
                  (key_ == Field::Id ? "a number" : "a string"));
    }
    slot() = v;
    return true;
  }

  int depth_ = 0;
  Field key_ = Field::Other;
  std::string_view keyName_;
};

bool blank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

}  // namespace

bool JsonRows::next(Row& row) {
  for (;;) {
    if (!lines_.nextLine()) return false;
    if (!blank(lines_.line())) break;
  }
  row.line = lines_.lineNumber();
  row.number = ++rows_;
  const std::string line = "line " + std::to_string(row.line);
  // The line is read in place, its strings unescaped where they stand.
  *lines_.end() = '\0';
  rapidjson::InsituStringStream stream(lines_.begin());
  rapidjson::Reader reader;
  LineHandler handler;
  constexpr unsigned kFlags =
      rapidjson::kParseInsituFlag | rapidjson::kParseValidateEncodingFlag | rapidjson::kParseNumbersAsStringsFlag;
  const rapidjson::ParseResult parsed = reader.Parse<kFlags>(stream, handler);
  if (!handler.problem.empty()) throw PackError(row.line, line + ": " + handler.problem);
  if (parsed.IsError()) {
    const rapidjson::ParseErrorCode code = parsed.Code();
    if (code == rapidjson::kParseErrorStringInvalidEncoding) {
      throw PackError(row.line, line + ": a string that is not UTF-8; the input must be UTF-8");
    }
    std::string why = rapidjson::GetParseError_En(code);
    if (!why.empty()) why[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(why[0])));
    if (why.ends_with('.')) why.pop_back();
    throw PackError(
        row.line, line + ": this is not JSON at byte " + std::to_string(parsed.Offset() + 1) + " of the line: " + why);
  }
  if (stream.Tell() != lines_.line().size()) {
    throw PackError(row.line, line + ": a zero byte at byte " + std::to_string(stream.Tell() + 1) + " of the line");
  }
  if (!handler.text) throw PackError(row.line, line + ": the object has no key 'text'");
  if (!handler.id && !handler.idHex) throw PackError(row.line, line + ": the object has no key 'id' or 'id_hex'");
  std::optional<std::uint16_t> id;
  if (handler.id) {
    id = decimalId(*handler.id);
    if (!id) {
      throw PackError(row.line, line + ", key 'id': " + std::string(*handler.id) + " is not an ID from 0 to 65535");
    }
  }
  if (handler.idHex) {
    const std::optional<std::uint16_t> hex = hexadecimalId(*handler.idHex);
    if (!hex) {
      throw PackError(row.line, line + ", key 'id_hex': \"" + std::string(*handler.idHex) +
                                    "\" is not a hexadecimal ID from 0 to FFFF");
    }
    if (id && *id != *hex) {
      throw PackError(row.line, line + ": the key 'id' says " + std::string(*handler.id) + " but 'id_hex' says \"" +
                                    std::string(*handler.idHex) + "\"; give one of them, or both alike");
    }
    id = hex;
  }
  row.id = *id;
  row.text = *handler.text;
  row.bytes = handler.bytes;
  return true;
}

}  // namespace packing
