// Two pieces of work done at once, one on a thread of its own, where the
// system has a second core and gives a thread; one after the other where not.
#pragma once

#include <functional>

namespace comparing {

// Runs `first` on this thread and `second` beside it, and returns when both
// have ended. Raises what either raised (first's when both did).
void runBothAtOnce(const std::function<void()>& first, const std::function<void()>& second);

}  // namespace comparing
