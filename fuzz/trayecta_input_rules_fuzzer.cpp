// The rules that run when a Trayecta field loses the focus or a button reads
// it, on any field texts: the sine and cosine range check, the turn of two
// components into speed and angle, the km/h converter and the pointer readout.
// Every text they write must be a number the fields read back, and the speed
// and angle must reproduce the typed components.
#include <cmath>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzCheck.h"
#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"

using namespace trayecta;

namespace {

double readBack(const std::string &text)
{
    const Reading reading = readNumber(text);
    FUZZ_CHECK(reading.ok());
    return reading.value;
}

void checkRangeRule(const std::string &text, const char *replacement)
{
    const RangeCheck check = checkUnitRange(text, replacement);
    const Reading reading = readNumber(text);
    FUZZ_CHECK(!(check.newText && check.failure));
    if (text.empty()) {
        FUZZ_CHECK(!check.newText && !check.failure);
    } else if (!reading.ok()) {
        FUZZ_CHECK(check.failure == reading.failure);
    } else {
        const bool outside = reading.value < -1.0 || reading.value > 1.0;
        FUZZ_CHECK(outside == check.newText.has_value());
        if (check.newText)
            FUZZ_CHECK(*check.newText == replacement);
    }
}

void checkComponentRule(const std::string &v0x, const std::string &v0y, ComponentAxis leaving)
{
    const ComponentUpdate update = componentRule(v0x, v0y, leaving);
    FUZZ_CHECK(!update.speedText || update.angleText);
    if (!update.speedText)
        return;
    const Reading vx = readNumber(v0x);
    const Reading vy = readNumber(v0y);
    FUZZ_CHECK(vx.ok() && vy.ok() && vx.value != 0.0 && vy.value != 0.0);
    const double angle = readBack(*update.angleText);
    const double speed = readBack(*update.speedText);
    // Degrees come from radians through the 15-digit pi, so a direction
    // straight to the left may read a hair beyond 180.
    FUZZ_CHECK(std::fabs(angle) <= 180.000000001);
    FUZZ_CHECK(speed > 0.0);
    // Both texts are rounded to 15 digits; turning them back into components
    // must land near the typed ones.
    const double scale = speed * 1e-9;
    const double radians = degreesToRadians(angle);
    if (std::isfinite(speed * std::cos(radians)) && std::isnormal(speed)) {
        FUZZ_CHECK(std::fabs(speed * std::cos(radians) - vx.value) <= scale);
        FUZZ_CHECK(std::fabs(speed * std::sin(radians) - vy.value) <= scale);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string first = in.ConsumeRandomLengthString(64);
    const std::string second = in.ConsumeRandomLengthString(64);
    const float X = in.ConsumeFloatingPoint<float>();
    const float Y = in.ConsumeFloatingPoint<float>();
    const float height = in.ConsumeFloatingPoint<float>();

    checkRangeRule(first, "0");
    checkRangeRule(second, "1");
    checkComponentRule(first, second, ComponentAxis::X);
    checkComponentRule(first, second, ComponentAxis::Y);

    const Conversion conversion = convertKmhToMs(first);
    FUZZ_CHECK(!(conversion.msText && conversion.failure));
    if (conversion.msText) {
        const double kmh = readNumber(first).value;
        const double ms = readBack(*conversion.msText);
        FUZZ_CHECK(std::fabs(ms * 3.6 - kmh) <= std::fabs(kmh) * 1e-13 || std::fabs(kmh) < 1e-300);
    }

    if (const auto readout = pointerReadout(first, X, Y, height))
        FUZZ_CHECK(readout->rfind("Posició: ", 0) == 0);
    else
        FUZZ_CHECK(!readNumber(first).ok());
    return 0;
}
