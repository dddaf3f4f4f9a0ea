// An INI text as the desktop's profile files have it: sections in brackets,
// key=value lines, names matched without regard to case, blanks around names
// and values ignored. The structure is all ASCII, so the same code serves a
// text in code page 1251 and one in UTF-8.
//
// Updating keys keeps every other line byte for byte, its own line end
// included, and reads the text in one pass: nothing is held per line, so a
// text of millions of lines costs no more than its own size.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pet::ini {

// A line of a text: its text is [begin, end), its line end [end, next):
// CR LF, LF, or at the end of the text a lone CR or nothing.
struct Line {
    std::size_t begin = 0, end = 0, next = 0;
};

// The first section of the name and the first line of each key within it.
struct Found {
    bool section = false;
    // The section's last line that is not blank (its header when it has
    // none): added keys go after it, before the blank lines that part the
    // section from the next.
    Line tail;
    std::vector<std::optional<Line>> keys;  // one for each key asked for
};
Found find(std::string_view text, std::string_view section, std::span<const std::string_view> keys);

// The value of a key's line, without blanks around it and without the
// quotes it may stand in.
std::string_view value(std::string_view text, const Line& line);

struct Entry {
    std::string_view key, value;
};
// Appends to out the text with each key set: its line replaced, or added at
// the end of its section, or the section added at the end of the text. The
// lines written end in CR LF.
void update(std::string_view text, std::string_view section, std::span<const Entry> entries, std::string& out);

// A whole decimal number of 32 bits, with blanks around and an optional sign;
// anything else is no number.
std::optional<int> parseInt32(std::string_view text);

}  // namespace pet::ini
