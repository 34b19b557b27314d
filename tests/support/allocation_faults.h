// Running out of memory on purpose: while an AllocationsFail lives, every
// allocation through operator new of at least a given size raises
// std::bad_alloc, on the thread that made it, as a system out of memory
// would; smaller ones go on. Linked only into the tests that use it.
#pragma once

#include <cstddef>

namespace testing_support {

class AllocationsFail {
 public:
  explicit AllocationsFail(std::size_t fromBytes);
  ~AllocationsFail();
  AllocationsFail(const AllocationsFail&) = delete;
  AllocationsFail& operator=(const AllocationsFail&) = delete;
};

}  // namespace testing_support
