#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "voltrix/core/NumberText.h"
#include "voltrix/core/SliderRules.h"

using namespace voltrix;

namespace {

// A slider keeps positions inside its range and replaces others by the end.
int clampTo(int position, int low, int high) { return std::clamp(position, low, high); }

} // namespace

TEST(SliderRules, TypedValuesGoThroughTenthsPlacementAndTheSlider)
{
    struct Case {
        const char *typed;
        int low, high;
        int position;
        const char *shown;
    } cases[] = {
        {"2.57", -100, 100, 25, "2.5"},  {"-2.57", -100, 100, -25, "-2.5"},
        {"50", -100, 100, 100, "10.0"},  {"0.7", -100, 100, 7, "0.7"},
        {"2e8", -100, 100, 0, "0.0"},    {"", -100, 100, 0, "0.0"},
        {"-5", 0, 1000, 0, "0.0"},       {"-1e30", -1000, 1000, -1000, "-100.0"},
        {"1e39", -1000, 1000, 0, "0.0"}, {"nan", 0, 1000, 0, "0.0"},
        {"3,7", -1000, 1000, 30, "3.0"},
    };
    for (const Case &c : cases) {
        const int position = clampTo(typedTenthsPosition(readEditValue(c.typed)), c.low, c.high);
        EXPECT_EQ(position, c.position) << c.typed;
        EXPECT_EQ(format31(componentValue(position)), c.shown) << c.typed;
    }
    // Without the rounding to float a typed 0.7 would land on 6.
    EXPECT_EQ(tenthsPosition(readEditValue("0.7")), 6);
}

TEST(SliderRules, WholePartAndTenthsPlacement)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float value;
        int wholePart, tenths;
    } cases[] = {
        {2.57f, 20, 25},
        {-2.57f, -20, -25},
        {99.99f, 990, 999},
        {0.7f, 0, 6},
        {-0.5f, 0, -5},
        {2.0f, 20, 20},
        {1e30f, INT_MAX, INT_MAX},
        {-1e30f, INT_MIN, INT_MIN},
        {inf, INT_MAX, INT_MAX},
        {-inf, INT_MIN, INT_MIN},
        {std::nanf(""), 0, 0},
        {214748352.0f, 2147483520, 2147483520},
        {214748368.0f, INT_MAX, INT_MAX},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(wholePartPosition(c.value), c.wholePart) << c.value;
        EXPECT_EQ(tenthsPosition(c.value), c.tenths) << c.value;
    }
    EXPECT_EQ(typedTenthsPosition(inf), INT_MAX);
    EXPECT_EQ(typedTenthsPosition(3e38f), INT_MAX); // 10 × it is inf as a float
}

TEST(SliderRules, TimeStepSlider)
{
    EXPECT_EQ(timeStepValue(1), 0.0005f);
    EXPECT_EQ(timeStepValue(20), 0.01f);
    EXPECT_EQ(timeStepValue(100), 0.05f);
    EXPECT_EQ(timeStepPosition(0.01f), 20);
    for (int p = 1; p <= 100; ++p)
        EXPECT_EQ(timeStepPosition(timeStepValue(p)), p) << p;
    EXPECT_EQ(componentValue(25), 2.5f);
    EXPECT_EQ(componentValue(-1000), -100.0f);
    EXPECT_EQ(timeStepPosition(std::nanf("")), 0);
}
