#pragma once
// The window was laid out in twips; at 96 dots per inch 15 twips make a pixel.

namespace trayecta {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value >= 0 ? value + kTwipsPerPixel / 2 : value - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

} // namespace trayecta
