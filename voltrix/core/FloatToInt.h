#pragma once
// The one float-to-int conversion of Voltrix. It truncates toward zero like the
// original program, but saturates at the ends of int and maps NaN to 0: a raw
// cast of 1e30 or NaN is undefined behaviour, and a particle that has flown off
// to infinity must still give drawable coordinates and slider positions.
#include <climits>
#include <cmath>

inline int saturatingTrunc(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return INT_MAX;
    if (value <= -2147483648.0)
        return INT_MIN;
    return static_cast<int>(value);
}
