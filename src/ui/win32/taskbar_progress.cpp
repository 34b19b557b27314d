#include "ui/win32/taskbar_progress.h"

#include <shobjidl.h>

namespace win32 {

TaskbarProgress::TaskbarProgress(HWND window) : window_(window) {
  ITaskbarList3* list = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                              reinterpret_cast<void**>(&list)))) {
    return;
  }
  if (FAILED(list->HrInit())) {
    list->Release();
    return;
  }
  list_ = list;
}

TaskbarProgress::~TaskbarProgress() {
  if (!list_) return;
  list_->SetProgressState(window_, TBPF_NOPROGRESS);
  list_->Release();
}

void TaskbarProgress::show(std::optional<int> step, int steps) {
  if (!list_) return;
  if (!step) {
    list_->SetProgressState(window_, TBPF_INDETERMINATE);
    return;
  }
  list_->SetProgressState(window_, TBPF_NORMAL);
  list_->SetProgressValue(window_, static_cast<ULONGLONG>(*step), static_cast<ULONGLONG>(steps));
}

}  // namespace win32
