#include "trayecta/core/NumberText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace trayecta {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

// Every double is a binary fraction and so has a finite decimal expansion: at
// most 1074 decimals. The number texts round that exact expansion themselves,
// half away from zero, where the standard conversions round an exact tie to
// even (1,625 would show as 1,62, and 0,125 and 0,375 as 0,12 and 0,38).
constexpr int kMaxExactDecimals = 1074;
constexpr int kGeneralDigits = 15;

// The digits of |value| (finite) exactly, as "integer digits" and "decimals".
struct ExactDecimal {
    std::string integerDigits;
    std::string decimals;
};

ExactDecimal exactDecimal(double value)
{
    const double magnitude = std::fabs(value);
    int exponent = 0;
    std::frexp(magnitude, &exponent);
    // magnitude = m · 2^(exponent − 53) with a 53-bit integer m: 53 − exponent
    // binary places after the point, each of which takes one decimal place.
    const int decimals = std::clamp(53 - exponent, 0, kMaxExactDecimals);
    // 309 integer digits at most, the decimals, the point.
    std::array<char, 309 + kMaxExactDecimals + 2> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::fixed, decimals);
    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto point = fixed.find('.');
    ExactDecimal exact;
    exact.integerDigits = std::string(fixed.substr(0, point));
    if (point != std::string_view::npos) {
        exact.decimals = std::string(fixed.substr(point + 1));
    }
    return exact;
}

// Adds one to the last digit of a digit string; true when the carry runs out
// of its front (999 → 000), so a "1" belongs before it.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// The digits kept (all of `digits` before `keep`) rounded half away from zero:
// on an exact expansion the first dropped digit alone decides.
bool roundsUpAt(const std::string &digits, std::size_t keep) { return keep < digits.size() && digits[keep] >= '5'; }

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
    const ExactDecimal exact = exactDecimal(value);
    const std::string digits = exact.integerDigits + exact.decimals;
    const std::size_t first = digits.find_first_not_of('0');
    // The power of ten of the first significant digit.
    int exponent = static_cast<int>(exact.integerDigits.size()) - 1 - static_cast<int>(first);
    std::string significant = digits.substr(first, kGeneralDigits);
    significant.resize(kGeneralDigits, '0');
    if (roundsUpAt(digits, first + kGeneralDigits) && incrementDigits(significant)) {
        significant.insert(0, "1");
        significant.pop_back();
        ++exponent;
    }
    while (significant.size() > 1 && significant.back() == '0') {
        significant.pop_back();
    }

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= kGeneralDigits) {
        text += significant.front();
        if (significant.size() > 1) {
            text += ',';
            text.append(significant, 1);
        }
        std::string power = std::to_string(std::abs(exponent));
        if (power.size() < 2) {
            power.insert(0, "0");
        }
        text += exponent < 0 ? "E-" : "E+";
        text += power;
    } else if (exponent >= 0) {
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        std::string integerDigits = significant.substr(0, integerLength);
        integerDigits.resize(integerLength, '0');
        text += integerDigits;
        if (significant.size() > integerLength) {
            text += ',';
            text.append(significant, integerLength);
        }
    } else {
        text += "0,";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += significant;
    }
    return text;
}

std::string formatPattern(double value, std::string_view pattern)
{
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const PatternShape shape = shapeOf(pattern);
    const ExactDecimal exact = exactDecimal(value);
    const auto decimalPlaces = static_cast<std::size_t>(shape.maxDecimals);
    std::string integerDigits = exact.integerDigits;
    std::string decimals = exact.decimals.substr(0, decimalPlaces);
    decimals.resize(decimalPlaces, '0');
    if (roundsUpAt(exact.decimals, decimalPlaces) && incrementDigits(decimals) && incrementDigits(integerDigits)) {
        integerDigits.insert(0, "1");
    }
    const auto isZero = [](char c) { return c == '0'; };
    const bool roundsToZero = std::all_of(integerDigits.begin(), integerDigits.end(), isZero)
                              && std::all_of(decimals.begin(), decimals.end(), isZero);

    while (static_cast<int>(decimals.size()) > shape.minDecimals && decimals.back() == '0') {
        decimals.pop_back();
    }
    if (integerDigits == "0" && shape.minIntegerDigits == 0) {
        integerDigits.clear();
    }
    if (static_cast<int>(integerDigits.size()) < shape.minIntegerDigits) {
        integerDigits.insert(0, static_cast<std::size_t>(shape.minIntegerDigits) - integerDigits.size(), '0');
    }

    std::string text = (value < 0 && !roundsToZero) ? "-" : "";
    text += integerDigits;
    if (!decimals.empty()) {
        text += ',';
        text += decimals;
    }
    return text;
}

std::string_view signPrefix(double coefficient) { return coefficient > 0 ? "+" : ""; }

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
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    out.append(buffer.data(), result.ptr);
}

} // namespace trayecta
