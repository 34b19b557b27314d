#include "comparing/both_at_once.h"

#include <exception>
#include <system_error>
#include <thread>

namespace comparing {

void runBothAtOnce(const std::function<void()>& first, const std::function<void()>& second) {
  std::exception_ptr secondFailed;
  const auto runSecond = [&] {
    try {
      second();
    } catch (...) {
      secondFailed = std::current_exception();
    }
  };
  std::thread beside;
  if (std::thread::hardware_concurrency() != 1) {
    try {
      beside = std::thread(runSecond);
    } catch (const std::system_error&) {
      // No thread to be had: both run here.
    }
  }
  std::exception_ptr firstFailed;
  try {
    first();
  } catch (...) {
    firstFailed = std::current_exception();
  }
  if (beside.joinable())
    beside.join();
  else
    runSecond();
  if (firstFailed) std::rethrow_exception(firstFailed);
  if (secondFailed) std::rethrow_exception(secondFailed);
}

}  // namespace comparing
