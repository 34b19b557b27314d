#include "listing/memory_reserve.h"

#include <cstddef>
#include <memory>
#include <mutex>
#include <new>

namespace listing::memory_reserve {
namespace {

// Enough for the toolkit's painting threads (their stacks, and the memory
// pools the system library makes for each thread) and a message box.
constexpr std::size_t kReserveBytes = std::size_t{128} << 20;

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
  if (r.block) return;
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

}  // namespace listing::memory_reserve
