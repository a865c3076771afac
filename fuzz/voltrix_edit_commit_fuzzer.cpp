// Any text typed into one of the control panel's twelve component boxes and
// committed. The reading must agree with the C library's own conversion of the
// characters it took, never yield a non-finite value or one above the limit,
// and the commit must be stable: committing the text the box then shows places
// the slider where it already is.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/SliderRules.h"

using namespace voltrix;

namespace {

struct SliderRange {
    int min, max;
};

// Magnetic field, velocity, position and electric field sliders.
constexpr SliderRange kRanges[] = {{-100, 100}, {-1000, 1000}, {0, 1000}, {-1000, 1000}};

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The slider keeps only positions inside its range.
int commitPosition(std::string_view text, SliderRange range)
{
    return std::clamp(typedTenthsPosition(readEditValue(text)), range.min, range.max);
}

locale_t cLocale()
{
    static const locale_t handle = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return handle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    const float value = readEditValue(text);
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value <= kMaxTypedValue);

    // Only the first 124 characters of a box count.
    if (text.size() > kTextoChars)
        FUZZ_CHECK(sameBits(value, readEditValue(text.substr(0, kTextoChars))));

    // The characters taken, converted by strtof in the "C" locale, give the
    // same float to the last bit, and strtof takes all of them.
    if (const auto scan = scanFloat(text.substr(0, kTextoChars))) {
        FUZZ_CHECK(scan->consumed > 0 && scan->consumed <= std::min(text.size(), kTextoChars));
        const std::string taken(text.substr(0, scan->consumed));
        char *end = nullptr;
        const float reference = strtof_l(taken.c_str(), &end, cLocale());
        FUZZ_CHECK(end == taken.c_str() + taken.size());
        FUZZ_CHECK(sameBits(scan->value, reference));
    }

    for (const SliderRange range : kRanges) {
        const int position = commitPosition(text, range);
        const float quantity = componentValue(position);
        const std::string shown = format31(quantity);
        FUZZ_CHECK(std::fabs(quantity) <= 100.0f);
        // Enter and then leaving the box commits twice; the second changes nothing.
        FUZZ_CHECK(commitPosition(shown, range) == position);
        FUZZ_CHECK(format31(componentValue(commitPosition(shown, range))) == shown);
    }
    return 0;
}
