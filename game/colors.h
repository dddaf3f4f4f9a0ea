// Colour values of the game in its Windows encoding (0x00BBGGRR), with the
// system colours as their numbered placeholders. Each desktop shell maps them.
#pragma once

#include <cstdint>

namespace pet {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clCream = 0xE1FFFF;  // the thought bubble

inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clGradientActiveCaption = 0x8000001B;

constexpr bool isSystemColor(TColor c) { return (c & 0xFF000000u) == 0x80000000u; }

}  // namespace pet
