#include "save/ini_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace pet::ini {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// The names the game looks for are ASCII; a byte outside ASCII only ever
// equals itself, in either code page.
bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

// Splits a text into lines, one call at a time.
class Lines {
public:
    explicit Lines(std::string_view text) : text_(text) {}
    bool next(Line& line) {
        if (at_ >= text_.size()) return false;
        const char* start = text_.data() + at_;
        const void* nl = std::memchr(start, '\n', text_.size() - at_);
        line.begin = at_;
        line.next = nl != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nl) - text_.data()) + 1
                                  : text_.size();
        line.end = nl != nullptr ? line.next - 1 : line.next;
        if (line.end > line.begin && text_[line.end - 1] == '\r') --line.end;
        at_ = line.next;
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

enum class Kind { Blank, Other, Section, Key };

struct Parsed {
    Kind kind = Kind::Other;
    std::string_view name;
};

Parsed parse(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty()) return {Kind::Blank, {}};
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        return {Kind::Section, trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1))};
    }
    const std::size_t eq = t.find('=');
    if (t.front() == ';' || eq == std::string_view::npos || eq == 0) return {Kind::Other, {}};
    return {Kind::Key, trim(t.substr(0, eq))};
}

std::string_view textOf(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.end - line.begin);
}

// What a line needs after it before another line can follow.
std::string_view endingFor(std::string_view text, const Line& line) {
    const std::string_view end = text.substr(line.end, line.next - line.end);
    if (end.empty()) return "\r\n";
    if (end == "\r") return "\n";
    return {};
}

void appendEntry(std::string& out, const Entry& e) { out.append(e.key).append("=").append(e.value).append("\r\n"); }

}  // namespace

Found find(std::string_view text, std::string_view section, std::span<const std::string_view> keys) {
    Found found;
    found.keys.resize(keys.size());
    std::size_t missing = keys.size();
    Lines lines(text);
    Line line;
    while (lines.next(line)) {
        const Parsed p = parse(textOf(text, line));
        if (p.kind == Kind::Section) {
            if (found.section) break;  // the next section: the one sought has ended
            if (sameName(p.name, section)) {
                found.section = true;
                found.tail = line;
            }
            continue;
        }
        if (!found.section) continue;
        if (p.kind != Kind::Blank) found.tail = line;
        if (p.kind != Kind::Key || missing == 0) continue;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!found.keys[i] && sameName(p.name, keys[i])) {
                found.keys[i] = line;
                --missing;
                break;
            }
        }
    }
    return found;
}

std::string_view value(std::string_view text, const Line& line) {
    const std::string_view t = textOf(text, line);
    std::string_view v = trim(t.substr(t.find('=') + 1));
    // A value in quotes stands without them.
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return v;
}

void update(std::string_view text, std::string_view section, std::span<const Entry> entries, std::string& out) {
    std::vector<std::string_view> keys;
    keys.reserve(entries.size());
    std::size_t added = 0;
    for (const Entry& e : entries) {
        keys.push_back(e.key);
        added += e.key.size() + e.value.size() + 3;
    }
    const Found found = ini::find(text, section, keys);
    out.reserve(out.size() + text.size() + added + section.size() + 8);

    if (!found.section) {
        out.append(text);
        Line last;
        bool any = false;
        for (Lines lines(text); lines.next(last);) any = true;
        if (any) {
            out.append(endingFor(text, last));
            if (!trim(textOf(text, last)).empty()) out.append("\r\n");
        }
        out.append("[").append(section).append("]\r\n");
        for (const Entry& e : entries) appendEntry(out, e);
        return;
    }

    // The lines replaced, in the order they stand. Every key line is at or
    // before the tail, so the added keys come after all of them.
    std::vector<std::size_t> order;
    order.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (found.keys[i]) order.push_back(i);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return found.keys[a]->begin < found.keys[b]->begin; });
    std::size_t at = 0;
    bool tailReplaced = false;
    for (const std::size_t i : order) {
        const Line& l = *found.keys[i];
        out.append(text.substr(at, l.begin - at));
        appendEntry(out, entries[i]);
        at = l.next;
        tailReplaced = tailReplaced || l.begin == found.tail.begin;
    }
    if (order.size() < entries.size()) {
        out.append(text.substr(at, found.tail.next - at));
        at = found.tail.next;
        if (!tailReplaced) out.append(endingFor(text, found.tail));
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (!found.keys[i]) appendEntry(out, entries[i]);
    }
    out.append(text.substr(at));
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

}  // namespace pet::ini
