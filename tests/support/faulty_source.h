// A byte source with faults, for testing the file layer and the Get action
// against what real files and disks do.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "runtime/byte_source.h"
#include "runtime/errors.h"

namespace testing_support {

struct Faults {
  std::size_t chunk = SIZE_MAX;         // at most this many bytes per read (short reads)
  std::uint64_t shrinkTo = UINT64_MAX;  // the file became shorter: its data ends here, though size() says more
  std::uint64_t sizeSays = UINT64_MAX;  // a wrong size, given before and after (files under /proc and /sys)
  std::uint64_t sizeNow = UINT64_MAX;   // the size given once the data ended: cut further back than it was read
  std::uint64_t failFrom = UINT64_MAX;  // a read that touches this byte or later fails
};

class FaultySource final : public runtime::ByteSource {
 public:
  FaultySource(std::vector<std::uint8_t> bytes, Faults faults) : bytes_(std::move(bytes)), faults_(faults) {}

  std::uint64_t size() const override { return faults_.sizeSays != UINT64_MAX ? faults_.sizeSays : bytes_.size(); }
  std::optional<std::uint64_t> currentSize() const override {
    return std::min({size(), faults_.shrinkTo, faults_.sizeNow});
  }

  std::size_t readAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (offset + out.size() > faults_.failFrom) {
      throw runtime::RuntimeError(runtime::ErrorNumber::DeviceIOError,
                                  "reading at byte offset " + std::to_string(offset) + " failed: injected");
    }
    const std::uint64_t end = std::min<std::uint64_t>(bytes_.size(), faults_.shrinkTo);
    if (offset >= end) return 0;
    const auto n = static_cast<std::size_t>(std::min<std::uint64_t>({out.size(), faults_.chunk, end - offset}));
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), n, out.begin());
    return n;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  Faults faults_;
};

}  // namespace testing_support
