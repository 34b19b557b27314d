// Writes a speech file of N records with realistic texts: a few words, most
// of them ASCII, some with letters beyond it in the chosen encoding, and some
// records without text. The same seed always gives the same file.
//
// Usage: make_speech_file [--text-length L] [--encoding E] [--changed P]
//                         [--prefix WORD] N PATH [SEED]
// With --text-length, every record has a text of exactly L bytes. E is 1252
// (the default: accented letters), 932 (Japanese), utf-8 (accented letters
// and Japanese) or ascii (none beyond ASCII). With --changed, P percent of
// the records (chosen by a seed of their own) differ from the file made
// without it: one in four removed, one in four with a new record before it,
// the others with their text changed, for comparing the two. With --prefix,
// every text starts with WORD, so that the file shares no entry with one
// made without it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Keyword-like words; the ten in the middle are the encoding's own.
constexpr std::size_t kWordCount = 40;
constexpr std::size_t kOwnFrom = 26, kOwnCount = 10;
const char* const kAsciiWords[] = {"hail",  "hello", "bank",   "balance", "buy", "sell", "vendor", "guards",
                                   "help",  "stop",  "follow", "me",      "all", "come", "kill",   "stay",
                                   "train", "teach", "where",  "name",    "job", "news", "inn",    "tavern",
                                   "room",  "gold",  "the",    "a",       "of",  "to"};

struct OwnWords {
  const char* encoding;
  const char* words[kOwnCount];
};

const OwnWords kOwnWords[] = {
    {"1252",
     {"caf\xE9", "na\xEFve", "se\xF1or",
      "\xFC"
      "ber",
      "cr\xE8me",
      "fa\xE7"
      "ade",
      "\xC5ngstr\xF6m", "\x80", "bient\xF4t", "sm\xF6rg\xE5sbord"}},
    {"932",
     {"\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD",    // konnichiwa
      "\x8B\xE2\x8D\x73",                            // bank
      "\x94\x84\x82\xE9",                            // to sell
      "\x94\x83\x82\xA4",                            // to buy
      "\x8B\xE0\x89\xDD",                            // gold coin
      "\x8F\x68\x89\xAE",                            // inn
      "\x96\xBC\x91\x4F",                            // name
      "\xC6\xAD\xB0\xBD",                            // news, in half-width letters
      "\x8F\x95\x82\xAF\x82\xC4",                    // help
      "\x82\xA0\x82\xE8\x82\xAA\x82\xC6\x82\xA4"}},  // thank you
    {"utf-8",
     {"caf\xC3\xA9", "na\xC3\xAFve", "se\xC3\xB1or",
      "\xC3\xBC"
      "ber",
      "\xC3\x85ngstr\xC3\xB6m", "\xE2\x82\xAC",
      "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF",  // konnichiwa
      "\xE9\x8A\x80\xE8\xA1\x8C",                                      // bank
      "\xE5\xAE\xBF\xE5\xB1\x8B",                                      // inn
      "\xEF\xBE\x86\xEF\xBD\xAD\xEF\xBD\xB0\xEF\xBD\xBD"}},            // news, half-width
    {"ascii", {"castle", "dragon", "sword", "shield", "potion", "quest", "forest", "river", "north", "south"}},
};

struct Random {
  std::uint64_t state;
  std::uint32_t next() {  // xorshift64*
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<std::uint32_t>((state * 0x2545F4914F6CDD1DULL) >> 32);
  }
};

}  // namespace

int main(int argc, char** argv) {
  long long fixedLength = -1;
  std::string encoding = "1252";
  double changedPercent = 0;
  std::string prefix;
  for (; argc > 2 && std::string(argv[1]).starts_with("--"); argc -= 2, argv += 2) {
    const std::string option = argv[1];
    if (option == "--text-length")
      fixedLength = std::atoll(argv[2]);
    else if (option == "--encoding")
      encoding = argv[2];
    else if (option == "--changed")
      changedPercent = std::atof(argv[2]);
    else if (option == "--prefix")
      prefix = std::string(argv[2]) + " ";
    else
      break;
  }
  const OwnWords* own = nullptr;
  for (const OwnWords& each : kOwnWords) {
    if (encoding == each.encoding) own = &each;
  }
  if (argc < 3 || fixedLength > 32767 || !own) {
    std::fprintf(stderr,
                 "usage: make_speech_file [--text-length L] [--encoding 1252|932|utf-8|ascii] [--changed P]"
                 " [--prefix WORD] N PATH [SEED]\n");
    return 2;
  }
  std::vector<const char*> vocabulary(kAsciiWords, kAsciiWords + kOwnFrom);
  vocabulary.insert(vocabulary.end(), own->words, own->words + kOwnCount);
  vocabulary.insert(vocabulary.end(), kAsciiWords + kOwnFrom, std::end(kAsciiWords));
  const long long count = std::atoll(argv[1]);
  Random random{argc > 3 ? std::strtoull(argv[3], nullptr, 10) | 1 : 0x5EEDULL};
  std::FILE* out = std::fopen(argv[2], "wb");
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  Random changes{0xC4A96E5ULL};
  const auto changeBelow = static_cast<std::uint32_t>(changedPercent / 100 * 4294967295.0);
  std::string text;
  std::vector<unsigned char> record;
  const auto write = [&](std::uint16_t id, const std::string& text) {
    record = {static_cast<unsigned char>(id >> 8), static_cast<unsigned char>(id),
              static_cast<unsigned char>(text.size() >> 8), static_cast<unsigned char>(text.size())};
    record.insert(record.end(), text.begin(), text.end());
    std::fwrite(record.data(), 1, record.size(), out);
  };
  for (long long i = 0; i < count; ++i) {
    const auto id = static_cast<std::uint16_t>(random.next());
    text.clear();
    if (fixedLength >= 0) {
      while (text.size() < static_cast<std::size_t>(fixedLength)) {
        text += vocabulary[random.next() % kWordCount];
        text += ' ';
      }
      text.resize(static_cast<std::size_t>(fixedLength));
    } else if (random.next() % 20 != 0) {  // one record in twenty has no text
      const unsigned words = 1 + random.next() % 5;
      for (unsigned w = 0; w < words; ++w) {
        if (w) text += ' ';
        text += vocabulary[random.next() % kWordCount];
      }
    }
    text.insert(0, prefix);
    if (changeBelow > 0 && changes.next() < changeBelow) {
      const std::uint32_t how = changes.next() % 4;
      if (how == 0) continue;                                                                         // removed
      if (how == 1) write(static_cast<std::uint16_t>(changes.next()), "added " + std::to_string(i));  // one before it
      if (how >= 2) text += " (changed)";
    }
    if (text.size() > 32767) text.resize(32767);
    write(id, text);
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
