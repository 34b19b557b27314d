// The progress of long work on the window's taskbar button, where the
// system shows one; nothing where it does not.
#pragma once

#include <optional>

#include "ui/win32/windows_api.h"

struct ITaskbarList3;

namespace win32 {

class TaskbarProgress {
 public:
  explicit TaskbarProgress(HWND window);
  // Takes the progress off the button.
  ~TaskbarProgress();
  TaskbarProgress(const TaskbarProgress&) = delete;
  TaskbarProgress& operator=(const TaskbarProgress&) = delete;

  // `step` of `steps` done; none while how much is not known.
  void show(std::optional<int> step, int steps);

 private:
  HWND window_;
  ITaskbarList3* list_ = nullptr;
};

}  // namespace win32
