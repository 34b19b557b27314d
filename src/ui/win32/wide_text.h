// The window system speaks UTF-16; the shared code keeps UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

// Valid UTF-8 (as the shared code writes it) as the window system's text.
std::wstring wide(std::string_view utf8);
// Text from the window system as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8(std::wstring_view text);
// Text from the window system in its shown form (control characters made
// visible), for a message that quotes it.
std::wstring shown(std::wstring_view text);

}  // namespace win32
