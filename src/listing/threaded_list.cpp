#include "listing/threaded_list.h"

#include <cstring>
#include <new>
#include <system_error>
#include <utility>

#include "listing/memory_reserve.h"
#include "runtime/copy_bytes.h"
#include "speechfile/record.h"
#include "texts/texts.h"

namespace listing {
namespace {

// An entry in a batch: its record's offset, ID, text length and whether it
// has text, then its text bytes.
struct EntryHeader {
  std::uint64_t offset;
  std::int16_t id;
  std::uint16_t length;
  bool hasText;
};
constexpr std::size_t kHeaderBytes = sizeof(EntryHeader);
constexpr std::size_t kBatchBytes = std::size_t{256} << 10;
// Batches handed over and not yet taken, at the most: the reading thread
// waits beyond that, so that memory stays small however fast it reads.
constexpr std::size_t kBatchesInFlight = 2;
// Room after a batch's last text, so that it can be read sixteen bytes at a
// time past its end.
constexpr std::size_t kReadPastEnd = 16;

}  // namespace

ThreadedList::ThreadedList(speechfile::LineList& target, GetControl* control)
    : target_(target), control_(control), filling_(newBatch()) {
  // The other thread puts batches back without allocating.
  spare_.reserve(kBatchesInFlight + 2);
}

ThreadedList::~ThreadedList() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    finished_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

ThreadedList::Batch ThreadedList::newBatch() {
  // One entry more than a batch is handed over at, and room to read past it.
  return {std::make_unique_for_overwrite<std::uint8_t[]>(kBatchBytes + kHeaderBytes + speechfile::kMaxTextLength +
                                                         kReadPastEnd)};
}

void ThreadedList::clear() { target_.clear(); }

void ThreadedList::opened(const speechfile::OpenedFile& file) {
  if (control_) control_->tellSize(file.size);
  target_.opened(file);
}

void ThreadedList::addItem(const speechfile::Entry& entry) { keep(entry, true); }

void ThreadedList::skipEmpty(const speechfile::Entry& entry) { keep(entry, false); }

void ThreadedList::keep(const speechfile::Entry& entry, bool hasText) {
  if (control_ && control_->stopAsked()) {
    throw runtime::RuntimeError(
        runtime::ErrorNumber::UserInterrupt,
        texts::text(SPEECH_TEXT("entries", "The listing was stopped at byte %1; the entries before it are listed."),
                    {std::to_string(entry.offset)}));
  }
  // A full batch goes first, so that an entry is kept whole or, when the
  // hand-over fails, not at all.
  if (filling_.size >= kBatchBytes) {
    if (control_) control_->tellRead(keptUpTo_);
    handOver();
  }
  const EntryHeader header{entry.offset, entry.id, static_cast<std::uint16_t>(entry.text.size()), hasText};
  std::uint8_t* const at = filling_.bytes.get() + filling_.size;
  std::memcpy(at, &header, kHeaderBytes);
  runtime::copyBytes(at + kHeaderBytes, entry.text.data(), entry.text.size());
  filling_.size += kHeaderBytes + entry.text.size();
  keptUpTo_ = entry.offset + speechfile::kHeaderSize + entry.text.size();
}

void ThreadedList::raiseIfFailed() {
  if (!stopped_) return;
  if (stopped_->error) throw *stopped_->error;
  throw std::bad_alloc();
}

void ThreadedList::handOver() {
  std::unique_lock lock(mutex_);
  raiseIfFailed();
  if (!thread_.joinable() && !alone_) {
    try {
      thread_ = std::thread([this] { runOnItsOwnThread(); });
    } catch (const std::system_error&) {
      alone_ = true;  // no thread to be had: the target takes the entries here
    }
  }
  if (alone_) {
    lock.unlock();
    passOn(filling_);
    filling_.size = 0;
    lock.lock();
    raiseIfFailed();
    return;
  }
  // The batch to fill next comes first, so that running out of memory here
  // leaves the one being handed over as it is.
  Batch next;
  if (!spare_.empty()) {
    next = std::move(spare_.back());
    spare_.pop_back();
  } else {
    lock.unlock();
    next = newBatch();
    lock.lock();
  }
  changed_.wait(lock, [&] { return handedOver_.size() < kBatchesInFlight || stopped_; });
  if (stopped_) {
    spare_.push_back(std::move(next));
    raiseIfFailed();
  }
  handedOver_.push_back(std::exchange(filling_, std::move(next)));
  lock.unlock();
  changed_.notify_all();
}

void ThreadedList::runOnItsOwnThread() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !handedOver_.empty() || finished_; });
    if (handedOver_.empty()) return;
    Batch batch = std::move(handedOver_.front());
    handedOver_.pop_front();
    lock.unlock();
    changed_.notify_all();
    passOn(batch);
    lock.lock();
    batch.size = 0;
    spare_.push_back(std::move(batch));
    if (stopped_) handedOver_.clear();  // nothing more is taken after a failure
    lock.unlock();
    changed_.notify_all();
    lock.lock();
  }
}

void ThreadedList::passOn(Batch& batch) {
  // What follows the last text may be read but is never used; set it all
  // the same.
  std::memset(batch.bytes.get() + batch.size, 0, kReadPastEnd);
  const std::uint8_t* at = batch.bytes.get();
  const std::uint8_t* const end = at + batch.size;
  std::uint64_t offset = 0;
  try {
    while (at < end) {
      EntryHeader header;
      std::memcpy(&header, at, kHeaderBytes);
      offset = header.offset;
      const speechfile::Entry entry{header.offset, header.id, std::span(at + kHeaderBytes, header.length)};
      at += kHeaderBytes + header.length;
      if (header.hasText)
        target_.addItem(entry);
      else
        target_.skipEmpty(entry);
    }
  } catch (runtime::RuntimeError& e) {
    const std::lock_guard lock(mutex_);
    stopped_ = Stop{offset, std::move(e)};
  } catch (const std::bad_alloc&) {
    const std::lock_guard lock(mutex_);
    stopped_ = Stop{offset, std::nullopt};
  }
}

std::optional<ThreadedList::Failure> ThreadedList::finish() {
  if (thread_.joinable()) {
    if (filling_.size > 0) {
      try {
        handOver();
      } catch (const runtime::RuntimeError&) {
        // The target failed; its failure is returned below.
      } catch (const std::bad_alloc&) {
        // Likewise, when it ran out of memory.
      }
    }
    {
      const std::lock_guard lock(mutex_);
      finished_ = true;
    }
    changed_.notify_all();
    thread_.join();
  } else {
    // Less than one batch, or no thread: the target takes them on this thread.
    passOn(filling_);
  }
  filling_.size = 0;
  if (!stopped_) return std::nullopt;
  if (stopped_->error) return Failure{stopped_->offset, *stopped_->error};
  // The batches are not needed any more: their memory makes room to say
  // that memory ran out.
  spare_.clear();
  handedOver_.clear();
  filling_ = Batch{};
  return Failure{stopped_->offset, speechfile::outOfMemoryAt(stopped_->offset)};
}

std::optional<speechfile::GetError> runGetOnTwoThreads(speechfile::ReadingState& state,
                                                       const std::filesystem::path& path, speechfile::LineList& target,
                                                       GetControl* control) {
  ThreadedList list(target, control);
  std::optional<speechfile::GetError> error;
  bool outOfMemory = false;
  try {
    speechfile::runGetAction(state, path, list);
  } catch (const speechfile::GetError& e) {
    error = e;
  } catch (const std::bad_alloc&) {
    // No memory even to say why the Get stopped: said below, once the
    // batches have given theirs back.
    outOfMemory = true;
  }
  if (const auto failure = list.finish()) {
    // The target failed first, on an entry the Get had read past.
    error = speechfile::GetError(path, failure->offset, failure->error);
  } else if (outOfMemory && !error) {
    error = speechfile::GetError(path, list.keptUpTo(), speechfile::outOfMemoryAt(list.keptUpTo()));
  }
  if (error && error->cause().number() == runtime::ErrorNumber::OutOfMemory) memory_reserve::release();
  return error;
}

}  // namespace listing
