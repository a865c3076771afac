#pragma once
// Colour values of the view and of the windows that fill its scene: one 32-bit
// number 0x00BBGGRR, red in the low byte, as the scene stores and compares them.
// An object whose colour equals the view's background is hidden. Qt-free, so
// the scene geometry can hold colours without a display.
#include <cstdint>

namespace voltrix {

using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clTeal = 0x808000;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clMaroon = 0x000080;

constexpr int redOf(TColor c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFFu); }

} // namespace voltrix
