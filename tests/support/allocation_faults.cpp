#include "support/allocation_faults.h"

#include <cstdlib>
#include <new>

namespace testing_support {
namespace {

// The size from which allocations fail on this thread; 0 while none do.
thread_local std::size_t failFrom = 0;

void* allocate(std::size_t size) {
  if (failFrom != 0 && size >= failFrom) throw std::bad_alloc();
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

}  // namespace

AllocationsFail::AllocationsFail(std::size_t fromBytes) { failFrom = fromBytes; }
AllocationsFail::~AllocationsFail() { failFrom = 0; }

}  // namespace testing_support

// The program's operator new, with the faults above. Aligned forms, which
// nothing here uses for large blocks, stay the library's.
void* operator new(std::size_t size) { return testing_support::allocate(size); }
void* operator new[](std::size_t size) { return testing_support::allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
