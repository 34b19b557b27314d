// Standard output as the Get action's list. The entries are gathered into
// batches as they are read, and a second thread formats and writes them, so
// that reading and formatting each have a core; a file smaller than one
// batch is formatted on the reading thread, with no thread started.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "speechfile/get_action.h"
#include "ui/common/export_formats.h"

class ListingOutput final : public speechfile::LineList {
 public:
  // `withEmpty`: entries without text are written too (csv and json).
  ListingOutput(ui::ExportFormat format, bool withEmpty);
  ~ListingOutput() override;
  ListingOutput(const ListingOutput&) = delete;
  ListingOutput& operator=(const ListingOutput&) = delete;

  void clear() override {}  // nothing has been written yet
  void addItem(const speechfile::Entry& entry) override;
  void skipEmpty(const speechfile::Entry& entry) override;

  // Writes everything handed over so far and waits until it is written;
  // with `header`, csv's header row comes even when there was no entry.
  // Returns false when a write failed; writeError() then tells the system's
  // error.
  bool finish(bool header);
  int writeError() const { return writeError_; }

 private:
  // Entries back to back; bytes are appended without being set first.
  struct Batch {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
  };
  static Batch newBatch();
  static constexpr std::size_t kBatchBytes = std::size_t{256} << 10;

  void add(const speechfile::Entry& entry);
  void handOver();
  void writeOnItsOwnThread();
  void format(Batch& batch);
  void writeHeaderOnce();
  void formatLine(const speechfile::Entry& entry);
  void append(std::string_view bytes);
  void flushPending();

  const ui::ExportFormat format_;
  const bool withEmpty_;

  // The reading thread's side.
  Batch filling_;

  // Between the threads.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Batch> handedOver_;
  std::vector<Batch> spare_;
  bool finished_ = false;
  std::thread writer_;

  // The writing side (the writer thread once it runs).
  bool headerWritten_ = false;
  std::vector<char> pending_;
  std::size_t used_ = 0;
  std::string exported_;
  int writeError_ = 0;
};
