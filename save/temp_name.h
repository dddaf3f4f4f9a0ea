// The name of a save's temporary file: ".<name>.XXXXXX.tmp" beside the file
// it replaces, XXXXXX being six letters or digits at random. The same on
// every system, so that each tells its own leftovers from the player's files.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace pet::disk {

inline constexpr std::size_t kTempRandom = 6;

// prefix is "." + name + ".".
template <class Char>
bool isTempName(std::basic_string_view<Char> entry, std::basic_string_view<Char> prefix) {
    constexpr Char end[] = {Char('.'), Char('t'), Char('m'), Char('p')};
    const std::basic_string_view<Char> tmp(end, 4);
    if (entry.size() != prefix.size() + kTempRandom + tmp.size()) return false;
    if (entry.substr(0, prefix.size()) != prefix || entry.substr(entry.size() - tmp.size()) != tmp) return false;
    const auto random = entry.substr(prefix.size(), kTempRandom);
    return std::all_of(random.begin(), random.end(), [](Char c) {
        return (c >= Char('a') && c <= Char('z')) || (c >= Char('A') && c <= Char('Z')) ||
               (c >= Char('0') && c <= Char('9'));
    });
}

}  // namespace pet::disk
