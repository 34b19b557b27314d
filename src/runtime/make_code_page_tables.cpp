// Run at build time on systems without Windows' conversion: writes the code
// pages' tables (what Windows gives for each byte and each byte pair) as a
// C++ source file, made from the C library's iconv and from what Windows adds
// to the code pages as iconv knows them:
//
//   - a byte from 0x80 to 0x9F that a code page leaves undefined becomes the
//     C1 control of the same value;
//   - the other undefined bytes become code points of the private use area,
//     one each (kPrivateUseBytes);
//   - a few characters iconv's tables lack (kWindowsOnly);
//   - the user-defined characters of the double-byte code pages, in ranges
//     of byte pairs that Windows maps in order into the private use area
//     (userDefinedCharacter);
//   - for each character that several pairs give, the pair Windows converts
//     it back to: iconv's, but for four of 950 (kWindowsConvertsBack).
//
// test-windows compares every character of every code page with the
// system's own conversion under Windows' API, which checks these rules.
//
// Usage: make_code_page_tables OUTPUT.cpp
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kCodePages[] = {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

// Undefined bytes that Windows maps into the private use area.
const std::map<std::pair<unsigned, unsigned>, char16_t> kPrivateUseBytes = {
    {{874, 0xDB}, 0xF8C1},  {{874, 0xDC}, 0xF8C2},  {{874, 0xDD}, 0xF8C3},  {{874, 0xDE}, 0xF8C4},
    {{874, 0xFC}, 0xF8C5},  {{874, 0xFD}, 0xF8C6},  {{874, 0xFE}, 0xF8C7},  {{874, 0xFF}, 0xF8C8},
    {{932, 0xA0}, 0xF8F0},  {{932, 0xFD}, 0xF8F1},  {{932, 0xFE}, 0xF8F2},  {{932, 0xFF}, 0xF8F3},
    {{936, 0xFF}, 0xF8F5},  {{949, 0xFF}, 0xF8F7},  {{950, 0xFF}, 0xF8F8},  {{1253, 0xAA}, 0xF8F9},
    {{1253, 0xD2}, 0xF8FA}, {{1253, 0xFF}, 0xF8FB}, {{1255, 0xD9}, 0xF88D}, {{1255, 0xDA}, 0xF88E},
    {{1255, 0xDB}, 0xF88F}, {{1255, 0xDC}, 0xF890}, {{1255, 0xDD}, 0xF891}, {{1255, 0xDE}, 0xF892},
    {{1255, 0xDF}, 0xF893}, {{1255, 0xFB}, 0xF894}, {{1255, 0xFC}, 0xF895}, {{1255, 0xFF}, 0xF896},
    {{1257, 0xA1}, 0xF8FC}, {{1257, 0xA5}, 0xF8FD},
};

// The lead bytes of the double-byte code pages, as Windows gives them: iconv
// does not take a byte for one when no pair it knows starts with it.
bool isLeadByte(unsigned codePage, unsigned byte) {
  switch (codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
  }
}

// Characters Windows defines that iconv's tables lack.
const std::map<std::pair<unsigned, unsigned>, char16_t> kWindowsOnly = {
    {{1255, 0xCA}, 0x05BA},  // HEBREW POINT HOLAM HASER FOR VAV
};

struct Conversion {
  std::optional<char16_t> character;  // set when the bytes are one character
  bool incomplete = false;            // the bytes start a longer sequence
};

class Converter {
 public:
  explicit Converter(unsigned codePage) : iconv_(iconv_open("UTF-16LE", ("CP" + std::to_string(codePage)).c_str())) {}
  ~Converter() {
    if (ok()) iconv_close(iconv_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return iconv_ != reinterpret_cast<iconv_t>(-1); }

  Conversion convert(std::vector<char> bytes) {
    iconv(iconv_, nullptr, nullptr, nullptr, nullptr);
    char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    char units[16];
    char* out = units;
    std::size_t outLeft = sizeof units;
    Conversion result;
    if (iconv(iconv_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
      result.incomplete = errno == EINVAL;
      return result;
    }
    iconv(iconv_, nullptr, nullptr, &out, &outLeft);  // what a converter holds back
    if (inLeft == 0 && out - units == 2) {
      result.character =
          static_cast<char16_t>(static_cast<unsigned char>(units[0]) | static_cast<unsigned char>(units[1]) << 8);
    }
    return result;
  }

 private:
  iconv_t iconv_;
};

// The user-defined characters of the double-byte code pages: the byte pairs
// each code page leaves to its users, which Windows maps in order into the
// private use area. `previous` counts the pairs of code page 936 given one so
// far beyond its three user-defined ranges (called in ascending order).
std::optional<char16_t> userDefinedCharacter(unsigned codePage, unsigned lead, unsigned trail, unsigned& previous) {
  switch (codePage) {
    case 936: {
      // Three ranges, then every other pair of the code page's layout that
      // it leaves undefined, from U+E766 on.
      if (lead >= 0xAA && lead <= 0xAF && trail >= 0xA1 && trail <= 0xFE)
        return 0xE000 + (lead - 0xAA) * 94 + trail - 0xA1;
      if (lead >= 0xF8 && lead <= 0xFE && trail >= 0xA1 && trail <= 0xFE)
        return 0xE234 + (lead - 0xF8) * 94 + trail - 0xA1;
      if (lead >= 0xA1 && lead <= 0xA7 && trail >= 0x40 && trail <= 0xA0 && trail != 0x7F) {
        return 0xE4C6 + (lead - 0xA1) * 96 + trail - 0x40 - (trail > 0x7F ? 1 : 0);
      }
      if (trail >= 0x40 && trail <= 0xFE && trail != 0x7F) return 0xE766 + previous++;
      return std::nullopt;
    }
    case 949:
      if ((lead == 0xC9 || lead == 0xFE) && trail >= 0xA1 && trail <= 0xFE) {
        return 0xE000 + (lead == 0xFE ? 94 : 0) + trail - 0xA1;
      }
      return std::nullopt;
    case 950: {
      // Rows of 157 pairs (second bytes 0x40 to 0x7E and 0xA1 to 0xFE): lead
      // bytes 0xFA to 0xFE, then 0x8E to 0xA0, then 0x81 to 0x8D.
      const bool inRow = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE);
      unsigned row = 0;
      if (lead >= 0xFA && lead <= 0xFE) {
        row = lead - 0xFA;
      } else if (lead >= 0x8E && lead <= 0xA0) {
        row = 5 + lead - 0x8E;
      } else if (lead >= 0x81 && lead <= 0x8D) {
        row = 24 + lead - 0x81;
      } else {
        return std::nullopt;
      }
      if (!inRow) return std::nullopt;
      return 0xE000 + row * 157 + (trail <= 0x7E ? trail - 0x40 : 63 + trail - 0xA1);
    }
    default: return std::nullopt;
  }
}

struct Tables {
  unsigned codePage;
  std::vector<char16_t> single;
  std::vector<bool> lead;
  std::vector<char16_t> pairs;
  // character << 16 | bytes, for each character more than one byte or pair
  // converts to: the bytes iconv converts it back to.
  std::vector<std::uint32_t> preferred;
};

// Characters that more than one pair gives, which Windows converts back to
// another pair than iconv does: four box-drawing characters of 950, which
// Windows gives the pairs at 0xF9 (iconv those at 0xA2).
const std::map<std::pair<unsigned, char16_t>, std::uint16_t> kWindowsConvertsBack = {
    {{950, 0x2550}, 0xF9F9},
    {{950, 0x255E}, 0xF9E9},
    {{950, 0x2561}, 0xF9EB},
    {{950, 0x256A}, 0xF9EA},
};

// What iconv converts one character back to: a byte, or a pair as lead byte
// * 256 + second byte; none when it gives no bytes or more than two.
std::optional<std::uint16_t> convertBack(unsigned codePage, char16_t c) {
  const iconv_t back = iconv_open(("CP" + std::to_string(codePage)).c_str(), "UTF-16LE");
  if (back == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  char units[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  char bytes[4];
  char* in = units;
  char* out = bytes;
  std::size_t inLeft = 2, outLeft = sizeof bytes;
  const bool converted = iconv(back, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(back);
  const auto n = out - bytes;
  if (!converted || n < 1 || n > 2) return std::nullopt;
  const auto lead = static_cast<unsigned char>(bytes[0]), second = static_cast<unsigned char>(bytes[1]);
  return static_cast<std::uint16_t>(n == 1 ? lead : lead << 8 | second);
}

// The characters that more than one byte or pair converts to, each with the
// bytes Windows converts it back to: what iconv gives, but where
// kWindowsConvertsBack says otherwise.
bool findPreferred(Tables& t) {
  std::map<char16_t, std::vector<std::uint16_t>> sources;
  for (unsigned byte = 0; byte < 256; ++byte) {
    if (!t.lead[byte]) sources[t.single[byte]].push_back(static_cast<std::uint16_t>(byte));
  }
  std::size_t row = 0;
  for (unsigned lead = 0; lead < 256; ++lead) {
    if (!t.lead[lead]) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      const char16_t c = t.pairs[256 * row + trail];
      if (c != 0) sources[c].push_back(static_cast<std::uint16_t>(lead << 8 | trail));
    }
    ++row;
  }
  for (const auto& [c, bytes] : sources) {
    if (bytes.size() < 2) continue;
    const auto windows = kWindowsConvertsBack.find({t.codePage, c});
    const std::optional<std::uint16_t> back =
        windows != kWindowsConvertsBack.end() ? windows->second : convertBack(t.codePage, c);
    if (!back || std::find(bytes.begin(), bytes.end(), *back) == bytes.end()) {
      std::fprintf(stderr, "make_code_page_tables: iconv converts U+%04X of code page %u back to none of its bytes\n",
                   unsigned{c}, t.codePage);
      return false;
    }
    t.preferred.push_back(std::uint32_t{c} << 16 | *back);
  }
  return true;
}

bool makeTables(Tables& t) {
  t.single.assign(256, 0);
  t.lead.assign(256, false);
  Converter converter(t.codePage);
  if (!converter.ok()) {
    std::fprintf(stderr, "make_code_page_tables: iconv does not know CP%u\n", t.codePage);
    return false;
  }
  for (unsigned byte = 0; byte < 256; ++byte) {
    const Conversion c = converter.convert({static_cast<char>(byte)});
    const auto key = std::make_pair(t.codePage, byte);
    if (isLeadByte(t.codePage, byte)) {
      t.lead[byte] = true;
    } else if (c.incomplete) {
      std::fprintf(stderr, "make_code_page_tables: iconv takes 0x%02X of code page %u for a lead byte\n", byte,
                   t.codePage);
      return false;
    } else if (c.character) {
      t.single[byte] = *c.character;
    } else if (kWindowsOnly.count(key)) {
      t.single[byte] = kWindowsOnly.at(key);
    } else if (byte >= 0x80 && byte <= 0x9F) {
      t.single[byte] = static_cast<char16_t>(byte);
    } else if (kPrivateUseBytes.count(key)) {
      t.single[byte] = kPrivateUseBytes.at(key);
    } else {
      std::fprintf(stderr, "make_code_page_tables: no rule for byte 0x%02X of code page %u\n", byte, t.codePage);
      return false;
    }
  }
  unsigned previous = 0;
  for (unsigned lead = 0; lead < 256; ++lead) {
    if (!t.lead[lead]) continue;
    for (unsigned trail = 0; trail < 256; ++trail) {
      const Conversion c = converter.convert({static_cast<char>(lead), static_cast<char>(trail)});
      const std::optional<char16_t> user =
          c.character ? std::nullopt : userDefinedCharacter(t.codePage, lead, trail, previous);
      t.pairs.push_back(c.character.value_or(user.value_or(0)));
    }
  }
  return true;
}

void writeUnits(std::ofstream& out, const std::vector<char16_t>& units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    out << unsigned{units[i]} << (i % 24 == 23 ? ",\n" : ",");
  }
  out << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_code_page_tables OUTPUT.cpp\n");
    return 2;
  }
  std::vector<Tables> all;
  for (const unsigned codePage : kCodePages) {
    all.push_back(Tables{codePage, {}, {}, {}, {}});
    if (!makeTables(all.back()) || !findPreferred(all.back())) return 1;
  }
  std::ofstream out(argv[1]);
  out << "// Made by make_code_page_tables from iconv; not to be edited.\n"
         "#include \"runtime/generated_code_pages.h\"\n\n"
         "namespace runtime::generated {\nnamespace {\n\n";
  for (const Tables& t : all) {
    out << "const char16_t kSingle" << t.codePage << "[256] = {\n";
    writeUnits(out, t.single);
    out << "};\n";
    if (!t.pairs.empty()) {
      out << "const char16_t kPairs" << t.codePage << "[] = {\n";
      writeUnits(out, t.pairs);
      out << "};\n";
    }
    if (!t.preferred.empty()) {
      out << "const std::uint32_t kPreferred" << t.codePage << "[] = {\n";
      for (std::size_t i = 0; i < t.preferred.size(); ++i) out << t.preferred[i] << (i % 8 == 7 ? "u,\n" : "u,");
      out << "\n};\n";
    }
  }
  out << "\nconst CodePage kAll[] = {\n";
  for (const Tables& t : all) {
    std::uint64_t words[4] = {};
    for (unsigned byte = 0; byte < 256; ++byte) {
      if (t.lead[byte]) words[byte / 64] |= std::uint64_t{1} << (byte % 64);
    }
    out << "    {" << t.codePage << ", kSingle" << t.codePage << ", {" << words[0] << "ULL, " << words[1] << "ULL, "
        << words[2] << "ULL, " << words[3] << "ULL}, "
        << (t.pairs.empty() ? "nullptr" : "kPairs" + std::to_string(t.codePage)) << ", "
        << (t.preferred.empty() ? "nullptr" : "kPreferred" + std::to_string(t.codePage)) << ", " << t.preferred.size()
        << "},\n";
  }
  out << "};\n\n}  // namespace\n\nconst std::span<const CodePage> kCodePages = kAll;\n\n}  // namespace "
         "runtime::generated\n";
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_code_page_tables: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
