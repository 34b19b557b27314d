// Times the speech file's model on a file read into it, without a window:
//
//   model_bench PATH RUNS
//
// Each of RUNS rounds changes an entry, inserts one, removes one (each at a
// place of its own, spread over the file), then undoes the three and redoes
// them, so that the history grows round by round; each step is timed alone.
// Then a walk over every entry (what saving and comparing do), one over every
// row, and looking up rows at random (what painting does).
//
// Prints one line of key=value pairs: medians in microseconds, with the
// slowest step of each kind, and the walks in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/speech_model.h"
#include "speechfile/get_action.h"

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(const std::function<void()>& action) {
  const auto start = Clock::now();
  action();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: model_bench PATH RUNS\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[2]));
  model::SpeechModel entries;
  speechfile::ReadingState state;
  try {
    speechfile::runGetAction(state, argv[1], entries);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "model_bench: %s\n", e.what());
    return 1;
  }
  if (entries.entryCount() < 3) {
    std::fprintf(stderr, "model_bench: the file has too few entries\n");
    return 1;
  }

  std::map<std::string, std::vector<double>> steps;
  std::mt19937_64 random(26);
  const std::vector<std::uint8_t> text = {'e', 'd', 'i', 't', 'e', 'd'};
  for (int run = 0; run < runs; ++run) {
    const auto somewhere = [&] { return static_cast<std::size_t>(random() % (entries.entryCount() - 1)); };
    const std::size_t changed = somewhere(), inserted = somewhere(), removed = somewhere();
    steps["change"].push_back(microseconds([&] { entries.change(changed, 0x2A, text); }));
    steps["insert"].push_back(microseconds([&] { entries.insert(inserted, 0x2B, text); }));
    steps["remove"].push_back(microseconds([&] { entries.remove(removed); }));
    for (int i = 0; i < 3; ++i) steps["undo"].push_back(microseconds([&] { entries.undo(); }));
    for (int i = 0; i < 3; ++i) steps["redo"].push_back(microseconds([&] { entries.redo(); }));
  }

  std::uint64_t bytes = 0;
  const double walkUs = microseconds([&] {
    entries.forEachEntry(0, [&](std::size_t, const model::EntryView& e) {
      bytes += e.text.size() + e.offset % 2;
      return true;
    });
  });
  const double rowsUs = microseconds([&] {
    entries.forEachRow(0, [&](std::size_t, const model::EntryView& e) {
      bytes += e.text.size() + static_cast<std::uint16_t>(e.id) % 2;
      return true;
    });
  });
  std::vector<double> lookups;
  for (int i = 0; i < 1000; ++i) {
    const std::size_t row = static_cast<std::size_t>(random() % entries.rowCount());
    lookups.push_back(microseconds([&] { bytes += entries.row(row).text.size(); }));
  }

  for (const auto& [name, us] : steps) {
    std::printf("%s_us=%.1f %s_max_us=%.1f ", name.c_str(), median(us), name.c_str(),
                *std::max_element(us.begin(), us.end()));
  }
  std::printf("row_us=%.2f walk_ms=%.1f rows_walk_ms=%.1f entries=%zu checksum=%llu\n", median(lookups), walkUs / 1000,
              rowsUs / 1000, entries.entryCount(), static_cast<unsigned long long>(bytes % 10));
  return 0;
}
