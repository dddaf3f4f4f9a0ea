// An INI text as the desktop's profile files have it: sections in brackets,
// key=value lines, names matched without regard to case, blanks around names
// and values ignored. Updating a key keeps every other line as it was.
// Works on the raw bytes of the file (code page 1251 for the game's own).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pet {

class IniFile {
public:
    // Any bytes make some document: lines end in CR LF or LF, a UTF-8
    // byte-order mark at the start is kept aside.
    static IniFile parse(std::string_view bytes);

    // The value of the first such key in the first such section.
    std::optional<std::string_view> get(std::string_view section, std::string_view key) const;
    // Replaces the key's line, or adds the key at the end of its section, or
    // the section at the end of the file.
    void set(std::string_view section, std::string_view key, std::string_view value);

    // The text with Windows line ends.
    std::string text() const;

private:
    struct Line {
        std::string text;
        bool section = false;     // "[name]"
        bool key = false;         // "name=value"
        std::string_view name() const;
        std::string_view value() const;
    };
    // Index of the first line of the section's header, or of the key within
    // the section starting there; npos when absent.
    std::size_t findSection(std::string_view section) const;
    std::size_t findKey(std::size_t header, std::string_view key) const;
    static Line classify(std::string text);

    std::vector<Line> lines_;
    bool bom_ = false;
};

// A whole decimal number of 32 bits, with blanks around and an optional sign;
// anything else is no number.
std::optional<int> parseInt32(std::string_view text);

}  // namespace pet
