#include "save/ini_file.h"

#include <charconv>
#include <limits>

#include "save/cp1251.h"

namespace pet {

namespace {

constexpr std::size_t npos = static_cast<std::size_t>(-1);

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1251Upper(static_cast<unsigned char>(a[i])) != cp1251Upper(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

}  // namespace

std::string_view IniFile::Line::name() const {
    const std::string_view t = text;
    if (section) {
        const std::string_view inner = trim(t);
        const std::size_t close = inner.find(']');
        return trim(inner.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }
    if (key) return trim(t.substr(0, t.find('=')));
    return {};
}

std::string_view IniFile::Line::value() const {
    const std::string_view t = text;
    std::string_view v = trim(t.substr(t.find('=') + 1));
    // A value in quotes stands without them.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return v;
}

IniFile::Line IniFile::classify(std::string text) {
    Line line;
    line.text = std::move(text);
    const std::string_view t = trim(line.text);
    if (!t.empty() && t.front() == '[') line.section = true;
    else if (!t.empty() && t.front() != ';' && t.find('=') != std::string_view::npos && t.front() != '=') line.key = true;
    return line;
}

IniFile IniFile::parse(std::string_view bytes) {
    IniFile ini;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        ini.bom_ = true;
        bytes.remove_prefix(3);
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.lines_.push_back(classify(std::string(line)));
        if (end == std::string_view::npos) break;
        bytes.remove_prefix(end + 1);
    }
    return ini;
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].section && sameName(lines_[i].name(), section)) return i;
    return npos;
}

std::size_t IniFile::findKey(std::size_t header, std::string_view key) const {
    for (std::size_t i = header + 1; i < lines_.size() && !lines_[i].section; ++i)
        if (lines_[i].key && sameName(lines_[i].name(), key)) return i;
    return npos;
}

std::optional<std::string_view> IniFile::get(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(section);
    if (header == npos) return std::nullopt;
    const std::size_t at = findKey(header, key);
    if (at == npos) return std::nullopt;
    return lines_[at].value();
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text.append(key).append("=").append(value);
    std::size_t header = findSection(section);
    if (header == npos) {
        if (!lines_.empty() && !trim(lines_.back().text).empty()) lines_.push_back(classify(""));
        std::string head = "[";
        head.append(section).append("]");
        lines_.push_back(classify(std::move(head)));
        lines_.push_back(classify(std::move(text)));
        return;
    }
    if (const std::size_t at = findKey(header, key); at != npos) {
        lines_[at] = classify(std::move(text));
        return;
    }
    // After the section's last key, before the blank lines that part it from the next.
    std::size_t insert = header + 1;
    for (std::size_t i = header + 1; i < lines_.size() && !lines_[i].section; ++i)
        if (!trim(lines_[i].text).empty()) insert = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert), classify(std::move(text)));
}

std::string IniFile::text() const {
    std::string out;
    if (bom_) out = "\xEF\xBB\xBF";
    for (const Line& line : lines_) out.append(line.text).append("\r\n");
    return out;
}

std::optional<int> parseInt32(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    }
    if (text.empty()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace pet
