// Writes a speech file of N records with realistic texts: a few words of
// ASCII and accented (Windows-1252) letters, and some records without text.
// The same seed always gives the same file.
//
// Usage: make_speech_file [--text-length L] N PATH [SEED]
// With --text-length, every record has a text of exactly L bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Keyword-like words; "\xE9" and friends are Windows-1252 accented letters.
const char* const kWords[] = {"hail",
                              "hello",
                              "bank",
                              "balance",
                              "buy",
                              "sell",
                              "vendor",
                              "guards",
                              "help",
                              "stop",
                              "follow",
                              "me",
                              "all",
                              "come",
                              "kill",
                              "stay",
                              "train",
                              "teach",
                              "where",
                              "name",
                              "job",
                              "news",
                              "inn",
                              "tavern",
                              "room",
                              "gold",
                              "caf\xE9",
                              "na\xEFve",
                              "se\xF1or",
                              "\xFC"
                              "ber",
                              "cr\xE8me",
                              "fa\xE7"
                              "ade",
                              "\xC5ngstr\xF6m",
                              "\x80",
                              "bient\xF4t",
                              "sm\xF6rg\xE5sbord",
                              "the",
                              "a",
                              "of",
                              "to"};
constexpr std::size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);

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
  if (argc > 2 && std::string(argv[1]) == "--text-length") {
    fixedLength = std::atoll(argv[2]);
    argc -= 2;
    argv += 2;
  }
  if (argc < 3 || fixedLength > 32767) {
    std::fprintf(stderr, "usage: make_speech_file [--text-length L] N PATH [SEED]\n");
    return 2;
  }
  const long long count = std::atoll(argv[1]);
  Random random{argc > 3 ? std::strtoull(argv[3], nullptr, 10) | 1 : 0x5EEDULL};
  std::FILE* out = std::fopen(argv[2], "wb");
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  std::string text;
  std::vector<unsigned char> record;
  for (long long i = 0; i < count; ++i) {
    const auto id = static_cast<std::uint16_t>(random.next());
    text.clear();
    if (fixedLength >= 0) {
      while (text.size() < static_cast<std::size_t>(fixedLength)) {
        text += kWords[random.next() % kWordCount];
        text += ' ';
      }
      text.resize(static_cast<std::size_t>(fixedLength));
    } else if (random.next() % 20 != 0) {  // one record in twenty has no text
      const unsigned words = 1 + random.next() % 5;
      for (unsigned w = 0; w < words; ++w) {
        if (w) text += ' ';
        text += kWords[random.next() % kWordCount];
      }
    }
    record = {static_cast<unsigned char>(id >> 8), static_cast<unsigned char>(id),
              static_cast<unsigned char>(text.size() >> 8), static_cast<unsigned char>(text.size())};
    record.insert(record.end(), text.begin(), text.end());
    std::fwrite(record.data(), 1, record.size(), out);
  }
  if (std::fclose(out) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
