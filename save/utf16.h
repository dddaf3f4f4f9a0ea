// UTF-16, in which the desktop's editors write "Unicode" text files, to and
// from the UTF-8 the program uses inside.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pet {

// Code units of two bytes each, in the given byte order; an odd last byte is
// not looked at. A surrogate without its partner becomes the three bytes
// UTF-8 would give its number, so that utf8ToUtf16 gives back the very same
// units: any UTF-16 text makes the round trip unchanged.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Appends the code point as UTF-8 (surrogates too, as three bytes each).
void appendUtf8(std::string& out, std::uint32_t codePoint);

// Appends the text as UTF-16 code units to out. Bytes that are no UTF-8
// become U+FFFD.
void appendUtf16(std::string& out, std::string_view utf8, bool bigEndian);

}  // namespace pet
