// A list in front of another that passes the Get action's entries on from a
// second thread, in batches, so that reading the file and taking its entries
// (storing them, or formatting and writing them) each have a core. A Get
// that reads less than one batch, or runs where no thread can be started,
// runs on the caller's thread alone.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "speechfile/get_action.h"

namespace listing {

// What a window sees of a Get that runs on another thread, and how it stops
// it: shared by that thread and the window's.
class GetControl {
 public:
  // Asks the Get to stop before its next entry; the entries before stay.
  void stop() { stop_.store(true, std::memory_order_relaxed); }
  bool stopAsked() const { return stop_.load(std::memory_order_relaxed); }

  // How far the Get has read, in bytes, and the file's size when it was
  // opened (0 until it is open).
  std::uint64_t bytesRead() const { return read_.load(std::memory_order_relaxed); }
  std::uint64_t fileSize() const { return size_.load(std::memory_order_relaxed); }

  void tellSize(std::uint64_t size) { size_.store(size, std::memory_order_relaxed); }
  void tellRead(std::uint64_t read) { read_.store(read, std::memory_order_relaxed); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> read_{0};
  std::atomic<std::uint64_t> size_{0};
};

class ThreadedList final : public speechfile::LineList {
 public:
  // Passes the entries on to `target`, which must outlive this list and be
  // used by nothing else until finish() returns. The texts of the entries it
  // passes on can be read fifteen bytes past their end. With a `control`,
  // tells it how far the Get has read, and stops the Get when it asks.
  explicit ThreadedList(speechfile::LineList& target, GetControl* control = nullptr);
  ~ThreadedList() override;
  ThreadedList(const ThreadedList&) = delete;
  ThreadedList& operator=(const ThreadedList&) = delete;

  // Empties the target, on the caller's thread, before any entry.
  void clear() override;
  // Keeps the entry for the target. Raises the target's error once the
  // target has failed on the other thread, and UserInterrupt once the
  // control asks the Get to stop, which ends the Get.
  void addItem(const speechfile::Entry& entry) override;
  void skipEmpty(const speechfile::Entry& entry) override;
  // Tells the target at once, on the caller's thread, before any entry.
  void opened(const speechfile::OpenedFile& file) override;

  // Passes on every entry kept so far and waits until the target has taken
  // them. When the target failed on the other thread, returns its error and
  // the byte offset of the entry it failed on; the entries before that one
  // are in the target.
  struct Failure {
    std::uint64_t offset;
    runtime::RuntimeError error;
  };
  std::optional<Failure> finish();

  // The byte offset just past the last entry kept: where the Get was.
  std::uint64_t keptUpTo() const { return keptUpTo_; }

 private:
  struct Batch {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
  };
  static Batch newBatch();
  void keep(const speechfile::Entry& entry, bool hasText);
  void handOver();
  void runOnItsOwnThread();
  void passOn(Batch& batch);
  void raiseIfFailed();

  // The reading thread writes the batch it fills with every entry; what the
  // other thread reads lies on cache lines of its own, so that the two cores
  // do not pass one line back and forth.
  speechfile::LineList& target_;
  GetControl* const control_;
  alignas(64) Batch filling_;
  std::uint64_t keptUpTo_ = 0;

  alignas(64) std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> handedOver_;
  std::vector<Batch> spare_;  // room for every batch there is, made at the start
  bool finished_ = false;
  bool alone_ = false;  // the system gave no thread
  // Where the target failed, and its error; running out of memory is kept
  // as the offset alone, as its message would need memory that may not be
  // there, and is said by finish().
  struct Stop {
    std::uint64_t offset;
    std::optional<runtime::RuntimeError> error;  // none: out of memory
  };
  std::optional<Stop> stopped_;
  std::thread thread_;
};

// Runs the Get action into `target` through a ThreadedList and returns the
// error that ended it, if any: when the target failed on the other thread,
// its error, which names an earlier entry than the Get had come to. With a
// `control`, tells it how far the Get has read and stops when it asks.
std::optional<speechfile::GetError> runGetOnTwoThreads(speechfile::ReadingState& state,
                                                       const std::filesystem::path& path, speechfile::LineList& target,
                                                       GetControl* control = nullptr);

}  // namespace listing
