#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "trayecta/core/NumberText.h"

using namespace trayecta;

struct ReadCase {
    std::string text;
    double value;
};

TEST(NumberText, ReadsSignDigitsDecimalCommaAndExponent)
{
    const ReadCase cases[] = {
        {"0", 0.0},      {"15", 15.0}, {"-9,8", -9.8},  {"+3", 3.0},         {",5", 0.5},
        {"5,", 5.0},     {"2,5", 2.5}, {"-0", 0.0},     {"1,5E-05", 1.5e-5}, {"1E+15", 1e15},
        {"2e3", 2000.0}, {"007", 7.0}, {"1E-400", 0.0}, {"-,25", -0.25},
    };
    for (const auto &c : cases) {
        const Reading r = readNumber(c.text);
        ASSERT_TRUE(r.ok()) << c.text;
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
    }
}

TEST(NumberText, RejectsTextsThatAreNotNumbers)
{
    const std::string cases[] = {"",   " ",  "+",  "-",  ",",   "1-2", "1,,2", "1,2,3", "abc",  "1.5",
                                 " 1", "1 ", "E5", "1E", "1E+", "--1", "1e5x", "+-1",   "1,5a", "\xc3\xa7"};
    for (const auto &text : cases) {
        const Reading r = readNumber(text);
        EXPECT_EQ(r.failure, Failure::NotANumber) << '"' << text << '"';
    }
}

TEST(NumberText, HugeTextsOverflowInsteadOfBecomingInfinite)
{
    for (const std::string &text : {std::string("1E400"), std::string(400, '9'), "-" + std::string(310, '7')}) {
        EXPECT_EQ(readNumber(text).failure, Failure::Overflow) << text.size();
    }
    const Reading big = readNumber("1" + std::string(300, '0'));
    ASSERT_TRUE(big.ok());
    EXPECT_DOUBLE_EQ(big.value, 1e300);
}

struct GeneralCase {
    double value;
    std::string text;
};

TEST(NumberText, GeneralTextKeepsFifteenSignificantDigits)
{
    const GeneralCase cases[] = {
        {15.000000000000027, "15"},
        {-4.9, "-4,9"},
        {25.98076211353316, "25,9807621135332"},
        {0.0, "0"},
        {-0.0, "0"},
        {100 / 3.6, "27,7777777777778"},
        {0.1 + 0.2, "0,3"},
        {-1.25, "-1,25"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-2.5e20, "-2,5E+20"},
        {0.0001, "0,0001"},
        {1.5e-5, "1,5E-05"},
        {1e300, "1E+300"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatGeneral(c.value), c.text) << c.value;
    }
}

struct PatternCase {
    double value;
    const char *pattern;
    std::string text;
};

TEST(NumberText, PatternsRoundAndPadAsTheirDigitPlacesSay)
{
    const PatternCase cases[] = {
        {3.9237, "0.0#", "3,92"},
        {0.9, "0.0#", "0,9"},
        {0.996, "0.0#", "1,0"},
        {54.93316326530604, "0.0#", "54,93"},
        {-0.001, "0.0#", "0,0"},
        {-7.25, "0.0#", "-7,25"},
        {5.82750274959999 / 60, "#0.00000000000", "0,09712504583"},
        {1234.5, "#0.00000000000", "1234,50000000000"},
        {5.0, "00#.00##", "005,00"},
        {54.933163, "00#.00##", "054,9332"},
        {12.3456, "00#.00##", "012,3456"},
        {-2.5, "00#.00##", "-002,50"},
        {1234.5, "00#.00##", "1234,50"},
        {0.00004, "00#.00##", "000,00"},
        {1e20, "0.0#", "100000000000000000000,0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
}

// Values whose binary expansion ends exactly halfway between two texts. The
// standard conversions would send these to the even neighbour (1,62 beside
// 1,63 on neighbouring tick labels, 0,12 but 0,38).
TEST(NumberText, ExactTiesRoundAwayFromZeroInEveryKindOfText)
{
    const struct {
        double value;
        const char *pattern; // nullptr: the general text
        std::string text;
    } cases[] = {
        {1.625, "0.0#", "1,63"},
        {-1.625, "0.0#", "-1,63"},
        {0.125, "0.0#", "0,13"},
        {0.375, "0.0#", "0,38"},
        {0.625, "0.0#", "0,63"},
        {1.6249999999999998, "0.0#", "1,62"},
        {0.03125, "00#.00##", "000,0313"},
        {-0.03125, "00#.00##", "-000,0313"},
        {12.96875, "00#.00##", "012,9688"},
        {0.000244140625, "#0.00000000000", "0,00024414063"},
        {-0.000244140625, "#0.00000000000", "-0,00024414063"},
        {0.0001220703125, "#0.00000000000", "0,00012207031"}, // a 5 further on is no tie
        {100000000000000.5, nullptr, "100000000000001"},
        {-100000000000000.5, nullptr, "-100000000000001"},
        {100000000000001.5, nullptr, "100000000000002"},
        {999999999999999.5, nullptr, "1E+15"},
        {-999999999999999.5, nullptr, "-1E+15"},
    };
    for (const auto &c : cases) {
        const std::string text = c.pattern ? formatPattern(c.value, c.pattern) : formatGeneral(c.value);
        EXPECT_EQ(text, c.text) << c.value << " " << (c.pattern ? c.pattern : "general");
    }
}

// Away from ties the texts keep the digits the standard conversion gives:
// the rounding of the exact expansion only decides differently at a tie.
TEST(NumberText, TextsAgreeWithTheStandardConversionAwayFromTies)
{
    const double values[] = {25.98076211353316,
                             -31.12876483254679,
                             5.82750274959999 / 60,
                             1e-300,
                             1.7976931348623157e308,
                             4.9406564584124654e-324,
                             0.1 + 0.2,
                             123456.789,
                             -0.000123456789012345,
                             9.9949999999999992,
                             2.0 / 3.0,
                             1e15 - 1};
    for (const double v : values) {
        std::array<char, 64> buffer{};
        const auto end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::general, 15).ptr;
        std::string expected(buffer.data(), end);
        for (char &c : expected) {
            c = c == '.' ? ',' : c == 'e' ? 'E' : c;
        }
        EXPECT_EQ(formatGeneral(v), expected) << v;
    }
}
