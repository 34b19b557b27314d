#include "ui/win32/message_loop.h"

#include <initializer_list>

namespace win32 {
namespace {

// The window whose shortcuts apply to `root`: itself or its owner.
bool translateShortcuts(HWND root, MSG& message) {
  for (HWND window : {root, GetWindow(root, GW_OWNER)}) {
    if (!window) continue;
    if (const auto shortcuts = static_cast<HACCEL>(GetPropW(window, kShortcutsProperty))) {
      return TranslateAcceleratorW(window, shortcuts, &message) != 0;
    }
  }
  return false;
}

}  // namespace

void dispatch(MSG& message) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && translateShortcuts(root, message)) return;
  if (root && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int runMessageLoop() {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace win32
