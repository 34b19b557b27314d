// Times the native window in-process: Get from the click until the list is
// painted, with the memory the process commits for it, then each key press
// and a click on a line until repainted, and a change of the texts' encoding
// (to 932 and back) until repainted.
//
// Usage: win32_window_bench PATH OUT RUNS [far-right | progress]
// Writes one line of key=value pairs to OUT: medians over RUNS (a key's
// figure is the median of its presses, and its slowest press as _max).
// With far-right the list is first scrolled to the lines' far end. With
// progress, for a file long to read: from the click until the progress
// window shows, and from Cancel (a second later) until the window answers
// with its message.
#include "ui/win32/frm_main.h"
#include "ui/win32/resources.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Memory the process has committed for itself, in KiB.
double committedKiB() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PagefileUsage) / 1024;
}

void handlePendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The dialog of this thread that is up: the progress window or a message box.
HWND dialogUp() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

struct ProgressTimes {
  Clock::time_point clicked, cancelled;
  double shownMs = -1, answeredMs = -1;
  HWND progress = nullptr;
};
ProgressTimes* progressTimes;

int benchProgress(const wchar_t* outPath, HWND field, HWND button, const std::wstring& path, int runs) {
  std::vector<double> shown, answered;
  for (int run = 0; run < runs; ++run) {
    ProgressTimes times;
    progressTimes = &times;
    const UINT_PTR timer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) {
      ProgressTimes& t = *progressTimes;
      const HWND up = dialogUp();
      if (!up) return;
      if (GetDlgItem(up, SPEECH_PROGRESS_BAR)) {
        if (t.shownMs < 0) {
          t.shownMs = msSince(t.clicked);
          t.progress = up;
        } else if (msSince(t.clicked) > t.shownMs + 1000 && t.cancelled == Clock::time_point{}) {
          t.cancelled = Clock::now();
          PostMessageW(up, WM_COMMAND, IDCANCEL, 0);  // as Cancel does
        }
      } else if (t.cancelled != Clock::time_point{} && t.answeredMs < 0) {
        t.answeredMs = msSince(t.cancelled);
        PostMessageW(up, WM_COMMAND, IDOK, 0);
      }
    });
    SetWindowTextW(field, path.c_str());
    times.clicked = Clock::now();
    SendMessageW(button, BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    shown.push_back(times.shownMs);
    answered.push_back(times.answeredMs);
  }
  std::FILE* out = _wfopen(outPath, L"w");
  if (!out) return 1;
  std::fprintf(out, "progress_ms=%.1f cancel_ms=%.1f\n", median(shown), median(answered));
  std::fclose(out);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) return 2;
  const std::wstring path = argv[1];
  const int runs = std::max(1, _wtoi(argv[3]));
  const bool farRight = argc > 4 && std::wstring(argv[4]) == L"far-right";
  const std::wstring empty = path + L".empty";
  std::ofstream(empty.c_str());

  frmMain window;
  const HWND frame = FindWindowW(frmMain::kClassName, nullptr);
  const HWND list = GetDlgItem(frame, win32::kLstWordsId);
  const HWND field = GetDlgItem(frame, win32::kTxtPathId);
  const HWND button = GetDlgItem(frame, win32::kCmdGetId);
  handlePendingMessages();
  if (argc > 4 && std::wstring(argv[4]) == L"progress") {
    const int status = benchProgress(argv[2], field, button, path, runs);
    DeleteFileW(empty.c_str());
    return status;
  }
  auto get = [&](const std::wstring& file) {
    SetWindowTextW(field, file.c_str());
    SendMessageW(button, BM_CLICK, 0, 0);
  };

  std::vector<double> getMs;
  double growthKiB = 0;
  for (int run = 0; run < runs; ++run) {
    get(empty);  // each run from an empty list, so the growth is the lines' alone
    handlePendingMessages();
    const double before = committedKiB();
    const auto start = Clock::now();
    get(path);  // Get paints the list before it returns
    getMs.push_back(msSince(start));
    growthKiB = std::max(growthKiB, committedKiB() - before);
    handlePendingMessages();
  }

  SetFocus(list);
  if (farRight) SendMessageW(list, WM_HSCROLL, SB_RIGHT, 0);
  UpdateWindow(list);
  auto timed = [&](const std::function<void()>& action) {
    const auto start = Clock::now();
    action();
    UpdateWindow(list);
    return msSince(start);
  };
  auto key = [&](WPARAM k) { return timed([&] { SendMessageW(list, WM_KEYDOWN, k, 0); }); };
  RECT client{};
  GetClientRect(list, &client);
  const LPARAM middle = MAKELPARAM(10, client.bottom / 2);
  auto click = [&] {
    return timed([&] {
      SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, middle);
      SendMessageW(list, WM_LBUTTONUP, 0, middle);
    });
  };

  std::vector<double> down, pageDown, end, home, clicks;
  for (int round = 0; round < 5; ++round) {
    home.push_back(key(VK_HOME));
    for (int i = 0; i < 3; ++i) down.push_back(key(VK_DOWN));
    for (int i = 0; i < 3; ++i) pageDown.push_back(key(VK_NEXT));
    clicks.push_back(click());
    end.push_back(key(VK_END));
    clicks.push_back(click());
  }

  std::vector<double> encodings;
  const auto japanese = runtime::Encoding::fromCodePage(932);
  for (int round = 0; round < 5; ++round) {
    encodings.push_back(timed([&] { window.chooseEncoding(japanese); }));
    encodings.push_back(timed([&] { window.chooseEncoding(std::nullopt); }));
  }

  std::FILE* out = _wfopen(argv[2], L"w");
  if (!out) return 1;
  std::fprintf(out, "get_ms=%.2f growth_kib=%.0f", median(getMs), growthKiB);
  const std::pair<const char*, std::vector<double>*> figures[] = {{"down", &down},    {"page_down", &pageDown},
                                                                  {"end", &end},      {"home", &home},
                                                                  {"click", &clicks}, {"encoding", &encodings}};
  for (const auto& [name, values] : figures) {
    std::fprintf(out, " %s_ms=%.2f %s_max_ms=%.2f", name, median(*values), name,
                 *std::max_element(values->begin(), values->end()));
  }
  std::fprintf(out, "\n");
  std::fclose(out);
  DeleteFileW(empty.c_str());
  return 0;
}
