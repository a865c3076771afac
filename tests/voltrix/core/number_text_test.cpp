#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <locale.h>
#include <string>

#include "voltrix/core/NumberText.h"

using namespace voltrix;

namespace {

// printf in the "C" locale for this thread only, as the reference.
std::string cPrintf(const char *format, double value)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t previous = uselocale(c);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    return buffer;
}

} // namespace

TEST(NumberText, FormatsWithDecimalPointInEveryLocale)
{
    struct Case {
        float value;
        std::string f31, f32, f105;
    } cases[] = {
        {0.0f, "0.0", "0.00", "   0.00000"},
        {12345.5f, "12345.5", "12345.50", "12345.50000"},
        {2.5f, "2.5", "2.50", "   2.50000"},
        {-5.5f, "-5.5", "-5.50", "  -5.50000"},
        {100.0f, "100.0", "100.00", " 100.00000"},
        {12.345f, "12.3", "12.35", "  12.34500"}, // 12.345f lies just above 12.345
        {0.25f, "0.2", "0.25", "   0.25000"},     // exact tie goes to even
        {0.35f, "0.3", "0.35", "   0.35000"},     // 0.35f lies just below 0.35
        {-0.04f, "-0.0", "-0.04", "  -0.04000"},
        {20.0f, "20.0", "20.00", "  20.00000"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(format31(c.value), c.f31) << c.value;
        EXPECT_EQ(format32(c.value), c.f32) << c.value;
        EXPECT_EQ(format105(c.value), c.f105) << c.value;
    }
    EXPECT_EQ(format31(INFINITY), "inf");
    EXPECT_EQ(format105(-INFINITY), "      -inf");
    EXPECT_EQ(format31(NAN), "nan");
}

TEST(NumberText, MatchesCPrintfOfTheWidenedFloat)
{
    // A spread of magnitudes, signs and fractions, including many exact ties
    // at the printed precision.
    std::uint32_t seed = 12345;
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const int exponent = static_cast<int>(seed % 40) - 20;
        seed = seed * 1664525u + 1013904223u;
        const float mantissa = static_cast<float>(seed % 2000001) / 1000000.0f - 1.0f;
        const float value =
            i % 5 == 0 ? static_cast<float>(seed % 4001) / 8.0f - 250.0f : std::ldexp(mantissa, exponent);
        ASSERT_EQ(format31(value), cPrintf("%3.1f", value)) << value;
        ASSERT_EQ(format32(value), cPrintf("%3.2f", value)) << value;
        ASSERT_EQ(format105(value), cPrintf("%10.5f", value)) << value;
        ++checked;
    }
    EXPECT_EQ(formatFixed(FLT_MAX, 10, 5), cPrintf("%10.5f", FLT_MAX));
    EXPECT_EQ(checked, 20000);
}

TEST(NumberText, ReadsLikeScanfPercentF)
{
    struct Case {
        const char *text;
        bool number;
        float value;
    } cases[] = {
        {"2.5", true, 2.5f},     {"  2.5abc", true, 2.5f},  {"\t\n 7", true, 7.0f},
        {"-2.57", true, -2.57f}, {"+3", true, 3.0f},        {".5", true, 0.5f},
        {"5.", true, 5.0f},      {"3,7", true, 3.0f},       {"2e", true, 2.0f},
        {"2e3", true, 2000.0f},  {"2E-1x", true, 0.2f},     {"1e-50", true, 0.0f},
        {"0x10", true, 0.0f},    {"12.345", true, 12.345f}, {"3.4028235e38", true, FLT_MAX},
        {"", false, 0},          {"   ", false, 0},         {"abc", false, 0},
        {"-", false, 0},         {".", false, 0},           {"-.e5", false, 0},
        {"nan", false, 0},       {"inf", false, 0},         {"-inf", false, 0},
        {"infinity", false, 0},  {"1e39", false, 0},        {"-1e39", false, 0},
        {"1e400", false, 0},     {"1e-400", true, 0.0f},
    };
    for (const Case &c : cases) {
        const std::optional<float> got = readFloat(c.text);
        ASSERT_EQ(got.has_value(), c.number) << '"' << c.text << '"';
        if (c.number) {
            EXPECT_EQ(*got, c.value) << '"' << c.text << '"';
        }
    }
    EXPECT_TRUE(std::signbit(*readFloat("-1e-60")));
}

TEST(NumberText, ReadsOnlyTheFirst124Characters)
{
    EXPECT_EQ(readFloat(std::string(123, ' ') + "7"), 7.0f);
    EXPECT_FALSE(readFloat(std::string(124, ' ') + "7").has_value());
    EXPECT_EQ(readFloat(std::string(120, ' ') + "12345"), 1234.0f);
    // Past the buffer, scanning a file line has no such limit.
    const auto scan = scanFloat(std::string(200, ' ') + "-8.5\tx");
    ASSERT_TRUE(scan.has_value());
    EXPECT_EQ(scan->value, -8.5f);
    EXPECT_EQ(scan->consumed, 204u);
}

TEST(NumberText, EditCommitReadingForTimeAndBoxes)
{
    struct Case {
        const char *text;
        float value;
    } cases[] = {
        {"12.345", 12.345f}, {"palabra", 0.0f}, {"", 0.0f},        {"20000000", 0.0f}, {"2e8", 0.0f},
        {"1e7", 1e7f},       {"-5", -5.0f},     {"-1e30", -1e30f}, {"nan", 0.0f},      {"inf", 0.0f},
        {"-inf", 0.0f},      {"1e39", 0.0f},    {"2.5", 2.5f},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readEditValue(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(format32(readEditValue("12.345")), "12.35");
    EXPECT_EQ(format32(readEditValue("texto")), "0.00");
}

TEST(NumberText, SignificantDigitsMatchCPrintfG)
{
    const double values[] = {2.0,     3.14159265358979, 25.0,   0.0,      -1.5,     1e-5,   123456789.0,
                             1234567, 0.000123456789,   -2e300, 99999.95, 999999.5, 0.5e-4, 1e21};
    for (double value : values) {
        EXPECT_EQ(formatSignificant(value, 6), cPrintf("%.6g", value)) << value;
        EXPECT_EQ(formatSignificant(value, 3), cPrintf("%.3g", value)) << value;
    }
    EXPECT_EQ(formatSignificant(2 * 3.14159265358979 / 2, 6), "3.14159");
    EXPECT_EQ(formatSignificant(INFINITY, 6), "inf");
}

TEST(NumberText, ShortestTextReadsBackAsTheSameFloat)
{
    struct Case {
        float value;
        const char *text;
    } cases[] = {
        {0.01f, "0.01"}, {20.0f, "20"}, {-3.5f, "-3.5"},      {49.99f, "49.99"},           {1e-5f, "1e-05"},
        {0.0f, "0"},     {-0.0f, "0"},  {100000.0f, "1e+05"}, {123456792.0f, "123456792"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatShortest(c.value), c.text) << c.value;

    std::uint32_t seed = 777;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        float value = 0;
        std::memcpy(&value, &seed, sizeof value);
        if (!std::isfinite(value))
            continue;
        const std::string text = formatShortest(value);
        ASSERT_EQ(text.find(','), std::string::npos) << text;
        float back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        ASSERT_TRUE(back == value || value == 0.0f) << text;
    }
}
