#include "save/utf16.h"

#include <cstdint>

namespace pet {

namespace {

void appendUnit(std::string& out, std::uint32_t unit, bool bigEndian) {
    const char hi = static_cast<char>(unit >> 8), lo = static_cast<char>(unit & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

bool isHigh(std::uint32_t u) { return u >= 0xD800 && u < 0xDC00; }
bool isLow(std::uint32_t u) { return u >= 0xDC00 && u < 0xE000; }

// The code point at s[i] and its length in bytes; 0 for no UTF-8.
std::uint32_t decode(std::string_view s, std::size_t i, std::size_t& len) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const auto cont = [&](std::size_t k) { return i + k < s.size() && (at(k) & 0xC0) == 0x80; };
    const unsigned char b = at(0);
    len = 1;
    if (b < 0x80) return b;
    if (b >= 0xC2 && b < 0xE0 && cont(1)) {
        len = 2;
        return (b & 0x1Fu) << 6 | (at(1) & 0x3Fu);
    }
    if (b >= 0xE0 && b < 0xF0 && cont(1) && cont(2)) {
        const std::uint32_t cp = (b & 0x0Fu) << 12 | (at(1) & 0x3Fu) << 6 | (at(2) & 0x3Fu);
        if (cp < 0x800) return 0;
        len = 3;
        return cp;  // surrogates included: they stand for units of their own
    }
    if (b >= 0xF0 && b < 0xF5 && cont(1) && cont(2) && cont(3)) {
        const std::uint32_t cp = (b & 0x07u) << 18 | (at(1) & 0x3Fu) << 12 | (at(2) & 0x3Fu) << 6 | (at(3) & 0x3Fu);
        if (cp < 0x10000 || cp > 0x10FFFF) return 0;
        len = 4;
        return cp;
    }
    return 0;
}

}  // namespace

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    const std::size_t units = bytes.size() / 2;
    out.reserve(bytes.size() + bytes.size() / 2);
    const auto unit = [&](std::size_t k) -> std::uint32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * k]), b = static_cast<unsigned char>(bytes[2 * k + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t k = 0; k < units; ++k) {
        const std::uint32_t u = unit(k);
        if (isHigh(u) && k + 1 < units && isLow(unit(k + 1))) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (unit(k + 1) - 0xDC00));
            ++k;
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

void appendUtf16(std::string& out, std::string_view utf8, bool bigEndian) {
    out.reserve(out.size() + utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t len = 1;
        std::uint32_t cp = decode(utf8, i, len);
        if (cp == 0 && utf8[i] != '\0') cp = 0xFFFD;
        if (cp >= 0x10000) {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), bigEndian);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), bigEndian);
        } else {
            appendUnit(out, cp, bigEndian);
        }
        i += len;
    }
}

}  // namespace pet
