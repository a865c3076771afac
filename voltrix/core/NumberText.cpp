#include "voltrix/core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace voltrix {

namespace {

bool isBlank(char c)
{
    // sscanf's white space in the "C" locale; other bytes never count.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number too large or too small for a float: which of the two. Only asked
// when the float conversion reported the range error.
bool isOverflow(std::string_view number)
{
    double wide = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), wide);
    (void)end;
    if (ec == std::errc())
        return std::fabs(wide) > 1.0;
    // Out of double's range as well: the sign of the exponent decides, and
    // without one the number is huge only if it has a non-zero whole part.
    const auto e = number.find_first_of("eE");
    if (e != std::string_view::npos)
        return number.substr(e + 1).find('-') == std::string_view::npos;
    for (char c : number.substr(0, number.find('.'))) {
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

} // namespace

std::string formatFixed(double value, int width, int precision)
{
    std::string text;
    if (std::isnan(value)) {
        text = std::signbit(value) ? "-nan" : "nan";
    } else if (std::isinf(value)) {
        text = value < 0 ? "-inf" : "inf";
    } else {
        // 309 whole digits at most, a sign, a point and the decimals.
        char buffer[320 + 64];
        if (precision < 0)
            precision = 0;
        if (precision > 60)
            precision = 60;
        const auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
        text.assign(buffer, ec == std::errc() ? end : buffer);
    }
    if (width > 0 && text.size() < static_cast<std::size_t>(width))
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string format31(float value) { return formatFixed(value, 3, 1); }

std::string format32(float value) { return formatFixed(value, 3, 2); }

std::string format105(float value) { return formatFixed(value, 10, 5); }

std::string formatSignificant(double value, int digits)
{
    if (!std::isfinite(value))
        return formatFixed(value, 0, 0);
    // %g never needs more than 17 significant digits to be exact.
    digits = std::clamp(digits, 1, 17);
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

void appendShortest(std::string &out, float value)
{
    if (!std::isfinite(value)) {
        out += formatFixed(value, 0, 0);
        return;
    }
    if (value == 0.0f) {
        out += '0';
        return;
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, ec == std::errc() ? end : buffer);
}

std::string formatShortest(float value)
{
    std::string text;
    appendShortest(text, value);
    return text;
}

std::optional<NumberScan> scanFloat(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissa = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // An exponent counts only when digits follow it: "2e" reads as 2.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }

    // from_chars takes no '+' sign; the sign is put back afterwards.
    const std::string_view number = text.substr(mantissa, i - mantissa);
    float value = 0;
    const auto [end, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (isOverflow(number))
            return std::nullopt;
        value = 0.0f;
    } else if (ec != std::errc() || end != number.data() + number.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return NumberScan{negative ? -value : value, i};
}

std::optional<float> readFloat(std::string_view text)
{
    const auto scan = scanFloat(text.substr(0, kTextoChars));
    if (!scan)
        return std::nullopt;
    return scan->value;
}

float readEditValue(std::string_view text)
{
    const std::optional<float> value = readFloat(text);
    if (!value || *value > kMaxTypedValue)
        return 0.0f;
    return *value;
}

} // namespace voltrix
