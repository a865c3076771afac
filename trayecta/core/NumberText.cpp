#include "NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace trayecta {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// strtod_l with a private "C" locale: the user's locale never decides what the
// decimal separator is. The text reaching it has already been checked.
double parseCanonical(const std::string &canonical, bool &outOfRange)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    errno = 0;
    const double value = strtod_l(canonical.c_str(), nullptr, cLocale);
    outOfRange = errno == ERANGE;
    return value;
}

struct PatternShape {
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
};

PatternShape shapeOf(std::string_view pattern)
{
    PatternShape shape;
    const auto point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    const auto firstZero = integerPart.find('0');
    if (firstZero != std::string_view::npos) {
        shape.minIntegerDigits = static_cast<int>(integerPart.size() - firstZero);
    }
    if (point != std::string_view::npos) {
        const std::string_view decimals = pattern.substr(point + 1);
        shape.maxDecimals = static_cast<int>(decimals.size());
        const auto lastZero = decimals.rfind('0');
        shape.minDecimals = lastZero == std::string_view::npos ? 0 : static_cast<int>(lastZero + 1);
    }
    return shape;
}

std::string nonFiniteText(double value)
{
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

} // namespace

Reading readNumber(std::string_view text)
{
    std::string canonical;
    canonical.reserve(text.size());
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        canonical += text[i];
        ++i;
    }
    int digits = 0;
    bool comma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            canonical += c;
            ++digits;
        } else if (c == ',' && !comma) {
            canonical += '.';
            comma = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return {0.0, Failure::NotANumber};
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        canonical += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            canonical += text[i];
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) {
            canonical += text[i];
            ++i;
        }
        if (i == exponentStart) {
            return {0.0, Failure::NotANumber};
        }
    }
    if (i != text.size()) {
        return {0.0, Failure::NotANumber};
    }
    bool outOfRange = false;
    const double value = parseCanonical(canonical, outOfRange);
    if (std::isinf(value)) {
        return {0.0, Failure::Overflow};
    }
    // An underflow reads as the nearest representable value (zero or a subnormal).
    return {value, std::nullopt};
}

std::string formatGeneral(double value)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    if (value == 0.0) {
        return "0";
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char &c : text) {
        if (c == '.') {
            c = ',';
        } else if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string formatPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const PatternShape shape = shapeOf(pattern);
    // Large enough for the widest double (309 integer digits) with any decimals a pattern asks.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::fixed, shape.maxDecimals);
    if (result.ec != std::errc()) {
        return nonFiniteText(value);
    }
    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto point = fixed.find('.');
    std::string integerDigits(fixed.substr(0, point));
    std::string decimals(point == std::string_view::npos ? std::string_view{} : fixed.substr(point + 1));

    while (static_cast<int>(decimals.size()) > shape.minDecimals && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (integerDigits == "0" && shape.minIntegerDigits == 0) {
        integerDigits.clear();
    }
    if (static_cast<int>(integerDigits.size()) < shape.minIntegerDigits) {
        integerDigits.insert(0, static_cast<std::size_t>(shape.minIntegerDigits) - integerDigits.size(), '0');
    }

    const bool roundsToZero = std::all_of(fixed.begin(), fixed.end(), [](char c) { return c == '0' || c == '.'; });
    std::string text = (value < 0 && !roundsToZero) ? "-" : "";
    text += integerDigits;
    if (!decimals.empty()) {
        text += ',';
        text += decimals;
    }
    return text;
}

std::string_view signPrefix(double coefficient)
{
    return coefficient > 0 ? "+" : "";
}

void appendDataNumber(std::string &out, double value)
{
    if (!std::isfinite(value)) {
        out += nonFiniteText(value);
        return;
    }
    if (value == 0.0) {
        out += '0';
        return;
    }
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    out.append(buffer.data(), result.ptr);
}

} // namespace trayecta
