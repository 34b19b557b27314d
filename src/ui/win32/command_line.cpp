#include "ui/win32/command_line.h"

#include "ui/win32/windows_api.h"

#include <shellapi.h>

#include <algorithm>
#include <memory>

#include "ui/common/window_description.h"
#include "ui/win32/wide_text.h"

namespace win32 {
namespace {

constexpr const wchar_t* kUsage =
    L"speechviewer.exe [--] [PATH]\n"
    L"speechviewer.exe --help | /? | --version\n"
    L"\n"
    L"Opens the speech file viewer. With a PATH, the window starts with it in the path field and lists the file at "
    L"once, as if Get had been clicked. Give \"--\" before a PATH that starts with '-'. The file is only read, never "
    L"written. To list a file in a console, use speechlist.exe.";

struct LocalFreer {
  void operator()(wchar_t** block) const { LocalFree(block); }
};

int tell(const std::wstring& text, UINT icon) {
  MessageBoxW(nullptr, text.c_str(), wide(ui::kCaption).c_str(), MB_OK | icon | MB_SETFOREGROUND);
  return icon == MB_ICONERROR ? 2 : 0;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::wstring>& arguments) {
  CommandLine line;
  bool optionsEnded = false;
  for (const std::wstring& argument : arguments) {
    if (optionsEnded || argument.size() < 2 || (argument[0] != L'-' && argument != L"/?")) {
      if (line.path) return {CommandLine::Action::Refuse, {}, L"There is more than one PATH: give one."};
      line.path = argument;
    } else if (argument == L"--") {
      optionsEnded = true;
    } else if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
      return {CommandLine::Action::ShowUsage, {}, {}};
    } else if (argument == L"--version") {
      return {CommandLine::Action::ShowVersion, {}, {}};
    } else {
      return {CommandLine::Action::Refuse, {}, L"There is no option \"" + shown(argument) + L"\"."};
    }
  }
  return line;
}

std::vector<std::wstring> processArguments() {
  int count = 0;
  const std::unique_ptr<wchar_t*, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv) return {};
  return std::vector<std::wstring>(argv.get() + std::min(count, 1), argv.get() + count);
}

int answerCommandLine(const CommandLine& line) {
  switch (line.action) {
    case CommandLine::Action::ShowUsage: return tell(kUsage, MB_ICONINFORMATION);
    case CommandLine::Action::ShowVersion:
      return tell(L"speechviewer " SPEECH_VERSION L"\nCopyright (c) 2026 the speech file viewer authors; MIT licence.",
                  MB_ICONINFORMATION);
    case CommandLine::Action::Refuse: return tell(line.problem + L"\n\n" + kUsage, MB_ICONERROR);
    case CommandLine::Action::OpenWindow: break;
  }
  return 0;
}

}  // namespace win32
