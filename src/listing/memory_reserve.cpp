#include "listing/memory_reserve.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>

#include "runtime/platform.h"

namespace listing::memory_reserve {
namespace {

// Enough for the toolkit's painting threads (their stacks, and the memory
// pools the system library makes for each thread) and a message box.
constexpr std::size_t kReserveBytes = std::size_t{128} << 20;
// Under a limit, the room left for the window: a message box, painting, a
// thread's stack; the toolkit is already loaded by then.
constexpr std::size_t kRoomUnderLimit = std::size_t{32} << 20;

struct Reserve {
  std::mutex mutex;
  std::unique_ptr<char[]> block;
};

Reserve& reserve() {
  static Reserve instance;
  return instance;
}

}  // namespace

void keep() {
  Reserve& r = reserve();
  const std::lock_guard lock(r.mutex);
  // Under a limit, the lines leave the room instead: a reserve that fits
  // would only shrink what they may take; and the threads share one pool,
  // so that a thread's own does not take the room.
  runtime::shareMemoryPoolsUnderALimit();
  if (r.block || runtime::addressSpaceLeft()) return;
  try {
    r.block = std::make_unique_for_overwrite<char[]>(kReserveBytes);
  } catch (const std::bad_alloc&) {
    // No room for it now: the list goes on without one.
  }
}

void release() {
  Reserve& r = reserve();
  const std::lock_guard lock(r.mutex);
  r.block.reset();
}

std::optional<std::size_t> roomForLines() {
  const std::optional<std::uint64_t> left = runtime::addressSpaceLeft();
  if (!left) return std::nullopt;
  return *left > kRoomUnderLimit ? static_cast<std::size_t>(*left - kRoomUnderLimit) : 0;
}

}  // namespace listing::memory_reserve
