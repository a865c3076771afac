// Any float (NaN, infinities, subnormals, huge values) placed on a slider by
// code, and any float printed as a number text. Placement must never hit an
// undefined conversion, must truncate toward zero and saturate instead of
// wrapping; the texts must be exactly those of printf in the "C" locale.
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "common/SaturatingTrunc.h"
#include "fuzz/FuzzCheck.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/SliderRules.h"

using namespace voltrix;

namespace {

bool saturated(int p) { return p == INT_MAX || p == INT_MIN; }

// p is `exact` truncated toward zero, or the end of int it ran past.
void checkTruncation(int p, double exact)
{
    if (std::isnan(exact)) {
        FUZZ_CHECK(p == 0);
        return;
    }
    if (exact >= 2147483648.0) {
        FUZZ_CHECK(p == INT_MAX);
        return;
    }
    if (exact <= -2147483649.0) {
        FUZZ_CHECK(p == INT_MIN);
        return;
    }
    FUZZ_CHECK(std::fabs(static_cast<double>(p)) <= std::fabs(exact));
    FUZZ_CHECK(std::fabs(exact - p) < 1.0);
    FUZZ_CHECK(p == 0 || (p > 0) == (exact > 0));
}

std::string printfText(double value, int width, int precision)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t previous = uselocale(cLocale);
    char buffer[512];
    const int n = std::snprintf(buffer, sizeof buffer, "%*.*f", width, precision, value);
    uselocale(previous);
    FUZZ_CHECK(n > 0 && n < static_cast<int>(sizeof buffer));
    return buffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const float value = in.ConsumeFloatingPoint<float>();
    const double wide = in.ConsumeFloatingPoint<double>();
    const int width = in.ConsumeIntegralInRange(0, 60);
    const int precision = in.ConsumeIntegralInRange(0, 60);
    const int position = in.ConsumeIntegral<int>();

    checkTruncation(orvalis::saturatingTrunc(wide), wide);

    const int whole = wholePartPosition(value);
    if (std::isfinite(value) && !saturated(whole)) {
        FUZZ_CHECK(whole % 10 == 0);
        checkTruncation(whole / 10, value);
    } else if (std::isnan(value)) {
        FUZZ_CHECK(whole == 0);
    }
    checkTruncation(typedTenthsPosition(value), static_cast<float>(10.0 * value));
    checkTruncation(tenthsPosition(value), 10.0 * value);

    const int step = timeStepPosition(value);
    if (std::isnan(value))
        FUZZ_CHECK(step == 0);
    else if (!saturated(step))
        FUZZ_CHECK(std::fabs(step - 2000.0 * value) <= 0.5);

    const float component = componentValue(position);
    FUZZ_CHECK(std::isfinite(component));
    FUZZ_CHECK(std::fabs(component - position * 0.1) <= std::fabs(position * 0.1) * 1e-7);
    FUZZ_CHECK(std::isfinite(timeStepValue(position)));

    FUZZ_CHECK(format31(value) == printfText(value, 3, 1));
    FUZZ_CHECK(format32(value) == printfText(value, 3, 2));
    FUZZ_CHECK(format105(value) == printfText(value, 10, 5));
    FUZZ_CHECK(formatFixed(wide, width, precision) == printfText(wide, width, precision));
    return 0;
}
