// Trayecta's number texts: any text read as a field, and any double written as
// general text or through a pattern. A field reads as a finite number or as a
// failure; a written text reads back as the value to its shown precision, and
// the general text is stable under a second round.
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzCheck.h"
#include "trayecta/core/NumberText.h"

using namespace trayecta;

namespace {

// The patterns of the result fields, tick labels and pointer readout.
constexpr std::string_view kProgramPatterns[] = {"#0.00000000000", "0.0#", "00#.00##"};

bool onlyFieldCharacters(std::string_view text)
{
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == ',' || c == '-' || c == '+' || c == 'E' || c == 'e';
        if (!allowed)
            return false;
    }
    return true;
}

// A pattern of up to 15 digit places on either side of the point.
std::string patternFrom(FuzzedDataProvider &in)
{
    std::string pattern;
    const int integerPlaces = in.ConsumeIntegralInRange(0, 15);
    for (int i = 0; i < integerPlaces; ++i)
        pattern += in.ConsumeBool() ? '0' : '#';
    if (in.ConsumeBool()) {
        pattern += '.';
        const int decimalPlaces = in.ConsumeIntegralInRange(0, 15);
        for (int i = 0; i < decimalPlaces; ++i)
            pattern += in.ConsumeBool() ? '0' : '#';
    }
    return pattern;
}

int decimalsOf(std::string_view pattern)
{
    const auto point = pattern.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - point - 1);
}

void checkPattern(double value, std::string_view pattern)
{
    const std::string text = formatPattern(value, pattern);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(text == "nan" || text == "inf" || text == "-inf");
        return;
    }
    FUZZ_CHECK(text.find('.') == std::string::npos);
    if (text.empty() || text == "-")
        return; // "#" of a value that rounds to zero shows nothing
    const Reading back = readNumber(text);
    FUZZ_CHECK(back.ok());
    // Rounded to the pattern's last place, relative to the value's own precision.
    const double tolerance = 0.5 * std::pow(10.0, -decimalsOf(pattern)) + std::fabs(value) * 1e-15;
    FUZZ_CHECK(std::fabs(back.value - value) <= tolerance * 1.000001);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const double value = in.ConsumeFloatingPoint<double>();
    const std::string pattern = patternFrom(in);
    const std::string text = in.ConsumeRemainingBytesAsString();

    // Any text: a finite value, or a failure of a known kind.
    const Reading reading = readNumber(text);
    if (reading.ok()) {
        FUZZ_CHECK(std::isfinite(reading.value));
        FUZZ_CHECK(!text.empty() && onlyFieldCharacters(std::string_view(text).substr(1)));
    } else {
        FUZZ_CHECK(*reading.failure == Failure::NotANumber || *reading.failure == Failure::Overflow);
    }

    for (std::string_view program : kProgramPatterns)
        checkPattern(value, program);
    checkPattern(value, pattern);

    // General text: 15 significant digits, read back within them, and a
    // fixed point after one round.
    const std::string general = formatGeneral(value);
    if (std::isfinite(value)) {
        FUZZ_CHECK(onlyFieldCharacters(general));
        const Reading back = readNumber(general);
        // Rounded to 15 digits, the largest doubles spell a number just past
        // the largest double: reading it back is an overflow, nothing else.
        if (!back.ok()) {
            FUZZ_CHECK(*back.failure == Failure::Overflow && std::fabs(value) > 1.79769313486231e308);
            return 0;
        }
        // Half a unit of the 15th digit, plus the rounding of the text read
        // back into a double; a subnormal holds fewer digits: its last place
        // is the bound there.
        const double readBack = 2 * std::numeric_limits<double>::epsilon();
        FUZZ_CHECK(std::fabs(back.value - value)
                   <= std::fabs(value) * (5e-15 + readBack) + std::numeric_limits<double>::denorm_min());
        if (std::isnormal(back.value))
            FUZZ_CHECK(formatGeneral(back.value) == general);
    }

    return 0;
}
