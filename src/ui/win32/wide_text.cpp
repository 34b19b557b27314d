#include "ui/win32/wide_text.h"

#include <algorithm>
#include <climits>

#include "listing/shown_text.h"
#include "ui/win32/windows_api.h"

namespace win32 {

std::wstring wide(std::string_view utf8) {
  const std::u16string units = listing::toUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string utf8(std::wstring_view text) {
  if (text.empty()) return {};
  const int units = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX / 4));
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring shown(std::wstring_view text) { return wide(listing::shownText(utf8(text))); }

}  // namespace win32
