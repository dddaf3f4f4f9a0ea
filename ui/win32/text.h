// The game's texts are UTF-8; the Win32 calls take UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace pet::win32 {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace pet::win32
