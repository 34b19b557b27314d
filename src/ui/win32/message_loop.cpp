#include "ui/win32/message_loop.h"

namespace win32 {

void dispatch(MSG& message) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
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
