// Code page 1251, in which the save file's texts are stored, to and from the
// UTF-8 the program uses inside.
#pragma once

#include <string>
#include <string_view>

namespace pet {

// Characters the code page lacks become "?".
std::string utf8ToCp1251(std::string_view utf8);
std::string cp1251ToUtf8(std::string_view bytes);

}  // namespace pet
