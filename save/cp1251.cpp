#include "save/cp1251.h"

#include <array>
#include <cstdint>

#include "save/utf16.h"

namespace pet {

namespace {

// The characters of bytes 0x80 to 0xFF; 0 where the code page has none.
constexpr std::array<std::uint16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

char toCp1251(std::uint32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else if (const std::uint16_t cp = kHigh[b - 0x80]; cp != 0) appendUtf8(out, cp);
        else out += '?';
    }
    return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = b;
        std::size_t len = 1;
        if (b >= 0xF0) {
            len = 4;
            cp = '?';
        } else if (b >= 0xE0 && i + 2 < utf8.size()) {
            len = 3;
            cp = (b & 0x0Fu) << 12 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6 |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
        } else if (b >= 0xC0 && i + 1 < utf8.size()) {
            len = 2;
            cp = (b & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
        } else if (b >= 0x80) {
            cp = '?';
        }
        out += toCp1251(cp);
        i += len;
    }
    return out;
}

unsigned char cp1251Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0) return static_cast<unsigned char>(c - 32);  // а..я
    if (c == 0xB8) return 0xA8;                                   // ё
    if (c == 0xA2) return 0xA1;                                   // ў
    if (c == 0xB3) return 0xB2;                                   // і
    if (c == 0xB4) return 0xA5;                                   // ґ
    if (c == 0xBA) return 0xAA;                                   // є
    if (c == 0xBF) return 0xAF;                                   // ї
    if (c == 0xBC) return 0xA3;                                   // ј
    if (c == 0xBE) return 0xBD;                                   // ѕ
    if (c >= 0x9A && c <= 0x9F && c != 0x9B) return static_cast<unsigned char>(c - 0x10);  // љ њ ќ ћ џ
    if (c == 0x90) return 0x80;                                   // ђ
    if (c == 0x83) return 0x81;                                   // ѓ
    return c;
}

}  // namespace pet
