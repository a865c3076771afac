#include "voltrix/core/SliderRules.h"

#include <cmath>

#include "common/SaturatingTrunc.h"

namespace voltrix {

float componentValue(int position) { return static_cast<float>(position * kComponentPerPosition); }

float timeStepValue(int position) { return static_cast<float>(position * kTimeStepPerPosition); }

int wholePartPosition(float value)
{
    // Truncate first, then scale in double: 10 × INT_MAX would overflow int.
    return orvalis::saturatingTrunc(10.0 * std::trunc(static_cast<double>(value)));
}

int typedTenthsPosition(float value)
{
    // The product is rounded to float before truncation: a typed 0.7 is a
    // little below 0.7, but 10 × it rounds to exactly 7.0f.
    const float tenths = static_cast<float>(10.0 * value);
    return orvalis::saturatingTrunc(tenths);
}

int tenthsPosition(float value) { return orvalis::saturatingTrunc(10.0 * value); }

int timeStepPosition(float dt) { return orvalis::saturatingTrunc(std::round(2000.0 * dt)); }

} // namespace voltrix
