#include "ui/win32/command_line.h"

#include "ui/win32/windows_api.h"

#include <string>

#include "ui/common/window_description.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

int tell(const std::string& text, UINT icon) {
  MessageBoxW(nullptr, wide(text).c_str(), wide(ui::kCaption).c_str(), MB_OK | icon | MB_SETFOREGROUND);
  return icon == MB_ICONERROR ? 2 : 0;
}

}  // namespace

int answerCommandLine(const ui::ViewerCommandLine& line) {
  using Action = ui::ViewerCommandLine::Action;
  switch (line.action) {
    case Action::ShowUsage: return tell(ui::viewerUsage(kViewerProgram), MB_ICONINFORMATION);
    case Action::ShowVersion: return tell(ui::viewerVersion(), MB_ICONINFORMATION);
    case Action::Refuse: return tell(line.problem + "\n\n" + ui::viewerUsage(kViewerProgram), MB_ICONERROR);
    case Action::OpenWindow: break;
  }
  return 0;
}

}  // namespace win32
