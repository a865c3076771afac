#pragma once
// Every number text of Voltrix: the "%3.1f" of edit boxes and labels, the
// "%3.2f" of the time, the "%10.5f" of experiment files, and the "%f" reading
// of typed texts. They always use the decimal point, whatever locale the user
// runs, and give the same digits as C's printf of the float widened to double
// (exact value, ties to even). Reading follows sscanf's "%f" on the shared
// 124-character buffer `Texto`: leading blanks skipped, the longest beginning
// that forms a decimal number taken, the rest ignored. A text whose number a
// float cannot hold (nan, inf, 1e39) counts as no number, so no reading ever
// puts a non-finite value into the state.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace voltrix {

// Capacity of the shared text buffer `Texto` (plus its terminator): a typed
// text is read from its first kTextoChars characters only.
inline constexpr std::size_t kTextoChars = 124;

// Typed values above this read as 0 (no lower limit).
inline constexpr float kMaxTypedValue = 1e7f;

// printf("%<width>.<precision>f", value) with the decimal point; right-aligned
// with blanks, never cut. nan/inf print as glibc does ("nan", "-inf").
std::string formatFixed(double value, int width, int precision);

std::string format31(float value);  // "%3.1f": edit boxes and labels
std::string format32(float value);  // "%3.2f": the time box EditT
std::string format105(float value); // "%10.5f": one field of a data line

// printf("%.<digits>g", value) with the decimal point: the quantities window
// shows 6 significant digits (a period of pi seconds reads 3.14159).
std::string formatSignificant(double value, int digits);

// The shortest text that reads back as the same float ("0.01", "20",
// "1e-05"), negative zero as "0": the numbers of an exported run. The append
// form writes straight onto a long text.
std::string formatShortest(float value);
void appendShortest(std::string &out, float value);

// One "%f" conversion at the start of text (no 124 limit here): how many
// characters it consumed and the value. nullopt when no number begins there
// or the number is not finite as a float. Values too small for a float read
// as a signed zero, as strtof gives them.
struct NumberScan {
    float value = 0;
    std::size_t consumed = 0;
};
std::optional<NumberScan> scanFloat(std::string_view text);

// The "%f" reading of an edit box text: first kTextoChars characters only.
std::optional<float> readFloat(std::string_view text);

// The commit rule shared by every edit box (component boxes, EditT, EditQ,
// EditScale): no number → 0; a number above 1e7 → 0. The window shows the
// result with its own format afterwards.
float readEditValue(std::string_view text);

} // namespace voltrix
