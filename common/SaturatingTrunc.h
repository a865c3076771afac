#pragma once
// The one float-to-integer conversion of both programs: truncation toward zero
// that never leaves the target type. A raw cast of NaN, infinity or an
// out-of-range value is undefined behaviour, and a particle flown off to
// infinity or a huge flight must still give drawable coordinates, slider
// positions and point counts; here NaN gives 0 and the rest clamp to the
// type's range.
#include <cmath>
#include <concepts>
#include <limits>

namespace orvalis {

template <std::integral Int = int>
constexpr Int saturatingTrunc(double value)
{
    if (std::isnan(value))
        return 0;
    // Both bounds are powers of two (or zero), so the comparisons in double are exact.
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr double pastHighest = static_cast<double>(std::numeric_limits<Int>::max() / 2 + 1) * 2.0;
    if (value <= lowest)
        return std::numeric_limits<Int>::min();
    if (value >= pastHighest)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

} // namespace orvalis
