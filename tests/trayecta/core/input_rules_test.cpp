#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"

using namespace trayecta;

TEST(InputRules, SineAndCosineOutsideTheUnitRangeTakeTheirFallback)
{
    const struct {
        const char *text;
        const char *replacement;
        std::optional<std::string> newText;
        std::optional<Failure> failure;
    } cases[] = {
        {"1,5", "0", "0", std::nullopt},
        {"-2", "1", "1", std::nullopt},
        {"0,5", "1", std::nullopt, std::nullopt},
        {"-1", "0", std::nullopt, std::nullopt},
        {"1", "1", std::nullopt, std::nullopt},
        {"", "0", std::nullopt, std::nullopt},
        {"1,0001", "0", "0", std::nullopt},
        {"abc", "0", std::nullopt, Failure::NotANumber},
        {" ", "1", std::nullopt, Failure::NotANumber},
    };
    for (const auto &c : cases) {
        const RangeCheck check = checkUnitRange(c.text, c.replacement);
        EXPECT_EQ(check.newText, c.newText) << c.text;
        EXPECT_EQ(check.failure, c.failure) << c.text;
    }
}

TEST(InputRules, ComponentsTurnIntoSpeedAndFullQuadrantAngle)
{
    const struct {
        const char *vx, *vy;
        ComponentAxis leaving;
        std::optional<double> angle; // degrees, when the fields turn into speed and angle
        std::optional<std::string> speed;
    } cases[] = {
        {"3", "4", ComponentAxis::Y, 53.13010235415598, "5"},
        {"-3", "4", ComponentAxis::Y, 126.86989764584402, "5"},
        {"-3", "-4", ComponentAxis::X, -126.86989764584402, "5"},
        {"3", "-4", ComponentAxis::X, -53.13010235415598, "5"},
        {"1,5", "2", ComponentAxis::X, 53.13010235415598, "2,5"},
    };
    for (const auto &c : cases) {
        const ComponentUpdate update = componentRule(c.vx, c.vy, c.leaving);
        ASSERT_TRUE(update.angleText) << c.vx << " " << c.vy;
        EXPECT_NEAR(readNumber(*update.angleText).value, *c.angle, 1e-12) << c.vx << " " << c.vy;
        EXPECT_EQ(update.speedText, c.speed);
    }
}

TEST(InputRules, ComponentAngleTextKeepsTheDigitsOfTheRatioArctangent)
{
    // The angle comes from the arctangent of the ratio of the components in
    // radians; a leftward velocity is turned half a circle. A two-argument
    // arctangent lands one digit off in the last shown place for the first ones.
    const struct {
        const char *vx, *vy;
        const char *angle;
    } cases[] = {
        {"7", "15", "64,9831065219"},
        {"11", "17", "57,0947570770121"},
        {"14", "31", "65,6954507340633"},
        {"7", "-27", "-75,4655449194599"},
        {"-7", "15", "115,0168934781"},
        {"-11", "-17", "-122,905242922988"},
        // The half turn is added in radians with the full pi, not in degrees.
        {"-3", "-18", "-99,4623222080257"},
        {"-0,5", "3", "99,4623222080257"},
    };
    for (const auto &c : cases) {
        const ComponentUpdate update = componentRule(c.vx, c.vy, ComponentAxis::Y);
        EXPECT_EQ(update.angleText, c.angle) << c.vx << " " << c.vy;
    }
}

TEST(InputRules, ComponentRulesNeedNumbersAndNonZeroComponents)
{
    const struct {
        const char *vx, *vy;
        ComponentAxis leaving;
        std::optional<std::string> angle;
    } cases[] = {
        {"0", "4", ComponentAxis::X, "90"},         {"0,0", "", ComponentAxis::X, "90"},
        {"3", "0", ComponentAxis::Y, "0"},          {"0", "0", ComponentAxis::Y, "0"},
        {"3", "0", ComponentAxis::X, std::nullopt}, {"", "4", ComponentAxis::X, std::nullopt},
        {"3", "", ComponentAxis::X, std::nullopt},  {"abc", "4", ComponentAxis::X, std::nullopt},
        {"-", "4", ComponentAxis::Y, std::nullopt}, {"3", "1-2", ComponentAxis::X, std::nullopt},
    };
    for (const auto &c : cases) {
        const ComponentUpdate update = componentRule(c.vx, c.vy, c.leaving);
        EXPECT_EQ(update.angleText, c.angle) << c.vx << " " << c.vy;
        EXPECT_FALSE(update.speedText) << c.vx << " " << c.vy;
    }
}

TEST(InputRules, ConverterTurnsKmhIntoMs)
{
    EXPECT_EQ(convertKmhToMs("36").msText, "10");
    EXPECT_EQ(convertKmhToMs("-7,2").msText, "-2");
    const Conversion empty = convertKmhToMs("");
    EXPECT_FALSE(empty.msText);
    EXPECT_FALSE(empty.failure);
    const Conversion bad = convertKmhToMs("1-2");
    EXPECT_FALSE(bad.msText);
    EXPECT_EQ(bad.failure, Failure::NotANumber);
}

TEST(InputRules, PointerReadoutGivesProblemCoordinates)
{
    EXPECT_EQ(pointerReadout("0", 0.0f, 0.0f, 54.933163f), "Posició: 000,00  ,  054,9332");
    EXPECT_EQ(pointerReadout("10", 2.5f, 10.0f, 20.0f), "Posició: 012,50  ,  010,00");
    EXPECT_EQ(pointerReadout("-100", 0.125f, 30.0f, 20.0f), "Posició: -099,875  ,  -010,00");
    // Exact ties at the fourth decimal go away from zero on both sides of the origin.
    EXPECT_EQ(pointerReadout("0", 0.03125f, 20.03125f, 20.0f), "Posició: 000,0313  ,  -000,0313");
    EXPECT_FALSE(pointerReadout("", 1.0f, 1.0f, 20.0f));
    EXPECT_FALSE(pointerReadout("-", 1.0f, 1.0f, 20.0f));
}
