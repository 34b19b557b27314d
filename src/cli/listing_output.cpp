#include "cli/listing_output.h"

#include <cerrno>
#include <cstring>

#include "runtime/copy_bytes.h"
#include "runtime/platform.h"
#include "speechfile/record.h"
#include "ui/common/shown_text.h"

namespace {

// An entry in a batch: its record's offset, ID and text length, then its
// text bytes.
struct EntryHeader {
  std::uint64_t offset;
  std::int16_t id;
  std::uint16_t length;
};
constexpr std::size_t kHeaderBytes = sizeof(EntryHeader);
// A batch ends in this many spare bytes, so that a text can be read a word
// at a time past its end.
constexpr std::size_t kReadPastEnd = 16;
constexpr std::size_t kWriteBytes = std::size_t{1} << 20;
// Batches handed over and not yet written, at the most: the reading thread
// waits beyond that, so that memory stays small however fast it reads.
constexpr std::size_t kBatchesInFlight = 2;

}  // namespace

ListingOutput::ListingOutput(ui::ExportFormat format, bool withEmpty)
    : format_(format), withEmpty_(withEmpty), filling_(newBatch()), pending_(kWriteBytes) {}

ListingOutput::Batch ListingOutput::newBatch() {
  // One entry more than a batch is handed over at, and room to read past it.
  return {std::make_unique_for_overwrite<std::uint8_t[]>(kBatchBytes + kHeaderBytes + speechfile::kMaxTextLength +
                                                         kReadPastEnd)};
}

ListingOutput::~ListingOutput() {
  if (!writer_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    finished_ = true;
  }
  changed_.notify_all();
  writer_.join();
}

void ListingOutput::addItem(const speechfile::Entry& entry) { add(entry); }

void ListingOutput::skipEmpty(const speechfile::Entry& entry) {
  if (withEmpty_) add(entry);
}

void ListingOutput::add(const speechfile::Entry& entry) {
  const EntryHeader header{entry.offset, entry.id, static_cast<std::uint16_t>(entry.text.size())};
  std::uint8_t* const at = filling_.bytes.get() + filling_.size;
  std::memcpy(at, &header, kHeaderBytes);
  runtime::copyBytes(at + kHeaderBytes, entry.text.data(), entry.text.size());
  filling_.size += kHeaderBytes + entry.text.size();
  if (filling_.size >= kBatchBytes) handOver();
}

void ListingOutput::handOver() {
  std::unique_lock lock(mutex_);
  if (!writer_.joinable()) writer_ = std::thread([this] { writeOnItsOwnThread(); });
  changed_.wait(lock, [&] { return handedOver_.size() < kBatchesInFlight; });
  handedOver_.push_back(std::move(filling_));
  if (spare_.empty()) {
    filling_ = newBatch();
  } else {
    filling_ = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  changed_.notify_all();
}

void ListingOutput::writeOnItsOwnThread() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !handedOver_.empty() || finished_; });
    if (handedOver_.empty()) return;
    Batch batch = std::move(handedOver_.front());
    handedOver_.pop_front();
    lock.unlock();
    changed_.notify_all();
    format(batch);
    batch.size = 0;
    lock.lock();
    spare_.push_back(std::move(batch));
  }
}

bool ListingOutput::finish(bool header) {
  if (writer_.joinable()) {
    if (filling_.size > 0) handOver();
    {
      const std::lock_guard lock(mutex_);
      finished_ = true;
    }
    changed_.notify_all();
    writer_.join();
  } else {
    format(filling_);
    filling_.size = 0;
  }
  if (header) writeHeaderOnce();
  flushPending();
  if (writeError_ == 0 && std::fflush(stdout) != 0) writeError_ = errno ? errno : EIO;
  return writeError_ == 0;
}

void ListingOutput::writeHeaderOnce() {
  if (headerWritten_) return;
  headerWritten_ = true;
  append(ui::exportHeader(format_));
}

void ListingOutput::format(Batch& batch) {
  if (batch.size == 0) return;
  writeHeaderOnce();
  // What follows the last text is read but never shown; set it all the same.
  std::memset(batch.bytes.get() + batch.size, 0, kReadPastEnd);
  const std::uint8_t* at = batch.bytes.get();
  const std::uint8_t* const end = at + batch.size;
  while (at < end) {
    EntryHeader header;
    std::memcpy(&header, at, kHeaderBytes);
    const speechfile::Entry entry{header.offset, header.id, std::span(at + kHeaderBytes, header.length)};
    at += kHeaderBytes + header.length;
    if (format_ == ui::ExportFormat::Lines) {
      formatLine(entry);
    } else {
      exported_.clear();
      ui::appendEntry(exported_, format_, entry);
      append(exported_);
    }
  }
}

// The line in its shown form and "\n", written in place.
void ListingOutput::formatLine(const speechfile::Entry& entry) {
  // The line, its "\n", and room for the conversion to write a block past its end.
  const std::size_t longest = speechfile::maxListLineSize(0) + ui::maxShownAnsiTextSize(entry.text.size()) + 1 + 16;
  if (longest > pending_.size() - used_) {
    flushPending();
    if (longest > pending_.size()) pending_.resize(longest);
  }
  char* end = speechfile::writeListLineWith(pending_.data() + used_, entry.id,
                                            [&](char* at) { return ui::writeShownAnsiTextPadded(at, entry.text); });
  *end++ = '\n';
  used_ = static_cast<std::size_t>(end - pending_.data());
}

void ListingOutput::append(std::string_view bytes) {
  if (bytes.size() > pending_.size() - used_) {
    flushPending();
    if (bytes.size() > pending_.size()) pending_.resize(bytes.size());
  }
  std::memcpy(pending_.data() + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void ListingOutput::flushPending() {
  if (writeError_ == 0 && used_ > 0 && !runtime::writeUtf8(stdout, std::string_view(pending_.data(), used_))) {
    writeError_ = errno ? errno : EIO;
  }
  used_ = 0;
}
