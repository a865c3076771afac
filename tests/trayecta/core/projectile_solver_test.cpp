#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "tests/trayecta/core/SolvedProblems.h"
#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"

using namespace trayecta;

namespace {

// The window's fields at start-up.
InputTexts startUpInputs() { return startUp(); }

double shown(const std::optional<std::string> &text)
{
    const Reading r = readNumber(text.value_or("?"));
    EXPECT_TRUE(r.ok()) << text.value_or("(unset)");
    return r.value;
}

} // namespace

TEST(ProjectileSolver, StartUpProblemGivesTheWorkedResults)
{
    ProjectileSolver solver;
    InputTexts in = startUpInputs();
    const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
    ASSERT_FALSE(out.failure);
    const ResultTexts &r = out.results;
    // vy = 30·sin(60·3,14159265358979/180): the 15-digit pi puts its last digit at 1.
    EXPECT_EQ(r.rfinal, "(+15t  ,  15+25,9807621135331t-4,9t²)");
    EXPECT_EQ(r.vfinal, "(15  ,  25,9807621135331-9,8t)");
    EXPECT_EQ(r.vuelo, "5,82750274959999");
    EXPECT_EQ(r.min, "0,09712504583");
    EXPECT_EQ(r.alcance, "87,412541244");
    EXPECT_EQ(r.altura, "49,438775510204");
    EXPECT_EQ(r.vimpactox, "15");
    EXPECT_EQ(r.vimpactoy, "-31,1287648325468");
    EXPECT_EQ(r.modulo, "34,554305086342");
    EXPECT_GT(solver.quantities().t2, 0.0);
    EXPECT_LE(solver.quantities().t1, 0.0);
}

TEST(ProjectileSolver, FormulasKeepTypedTextsAndDropZeroTerms)
{
    const struct {
        const char *rx0, *ry0, *ax, *ay;
        const char *speed, *angle;
        const char *rfinal, *vfinal;
    } cases[] = {
        {"0", "10", "0", "-9,8", "0", "0", "(  ,  10-4,9t²)", "(  ,  -9,8t)"},
        {"0,0", "15,0", "0,00", "-9,80", "0", "0", "(  ,  15,0-4,9t²)", "(  ,  -9,80t)"},
        {"2", "3", "1", "-10", "10", "0", "(2+10t+0,5t²  ,  3-5t²)", "(10+1t  ,  -10t)"},
        {"-4", "3", "-1", "-10", "0", "0", "(-4-0,5t²  ,  3-5t²)", "(-1t  ,  -10t)"},
    };
    for (const auto &c : cases) {
        ProjectileSolver solver;
        InputTexts in = startUpInputs();
        in.rx0 = c.rx0;
        in.ry0 = c.ry0;
        in.accelinicial = {c.ax, c.ay};
        in.vinicial = c.speed;
        in.angulo = c.angle;
        const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
        EXPECT_EQ(out.results.rfinal, c.rfinal);
        EXPECT_EQ(out.results.vfinal, c.vfinal);
    }
}

TEST(ProjectileSolver, SineAndCosineGiveTheComponents)
{
    ProjectileSolver solver;
    InputTexts in = startUpInputs();
    in.ry0 = "0";
    in.vinicial = "10";
    in.sin = "0,6";
    in.cos = "0,8";
    in.accelinicial = {"0", "-10"};
    const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndSineCosine);
    ASSERT_FALSE(out.failure);
    // Launched from the ground: t1 = 0 is not taken, the landing t2 is.
    EXPECT_EQ(out.results.vuelo, "1,2");
    EXPECT_EQ(out.results.alcance, "9,6");
    EXPECT_EQ(out.results.altura, "1,8");
    EXPECT_EQ(out.results.vimpactox, "8");
    EXPECT_EQ(out.results.vimpactoy, "-6");
    EXPECT_EQ(out.results.modulo, "10");
}

TEST(ProjectileSolver, LaunchBelowGroundTakesTheUpwardCrossing)
{
    ProjectileSolver solver;
    InputTexts in = startUpInputs();
    in.ry0 = "-5";
    in.v0x = "3";
    in.v0y = "20";
    in.accelinicial = {"0", "-10"};
    const SolveOutcome out = solver.solve(in, VelocityMode::Components);
    ASSERT_FALSE(out.failure);
    EXPECT_NEAR(shown(out.results.vuelo), 2.0 - std::sqrt(3.0), 1e-13);
    EXPECT_NEAR(shown(out.results.vimpactoy), 10.0 * std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(shown(out.results.alcance), 3.0 * (2.0 - std::sqrt(3.0)), 1e-12);
}

TEST(ProjectileSolver, ComponentModeTakesTheTypedComponents)
{
    ProjectileSolver solver;
    InputTexts first = startUpInputs();
    ASSERT_FALSE(solver.solve(first, VelocityMode::SpeedAndAngle).failure);

    // Still in component mode (a component of 0 kept the window there): the
    // velocity comes from the component fields, not from the last calculation.
    InputTexts in = startUpInputs();
    in.ry0 = "0";
    in.v0x = "0";
    in.v0y = "19,6";
    const SolveOutcome out = solver.solve(in, VelocityMode::Components);
    ASSERT_FALSE(out.failure);
    EXPECT_EQ(out.results.vfinal, "(  ,  19,6-9,8t)");
    EXPECT_EQ(out.results.vuelo, "4");
    EXPECT_EQ(out.results.alcance, "0");
    EXPECT_EQ(out.results.altura, "19,6");

    InputTexts empty = startUpInputs();
    const SolveOutcome none = solver.solve(empty, VelocityMode::Components);
    EXPECT_EQ(empty.v0x, "0");
    EXPECT_EQ(empty.v0y, "0");
    EXPECT_EQ(none.results.vfinal, "(  ,  -9,8t)");
}

TEST(ProjectileSolver, FullQuadrantAngleReproducesTypedComponents)
{
    const auto polar = polarFromComponents(-3.0, 4.0);
    ASSERT_TRUE(polar);
    EXPECT_NEAR(polar->angleDegrees, 126.869897645844, 1e-9);
    EXPECT_DOUBLE_EQ(polar->speed, 5.0);

    ProjectileSolver solver;
    InputTexts in = startUpInputs();
    in.angulo = formatGeneral(polar->angleDegrees);
    in.vinicial = formatGeneral(polar->speed);
    const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
    ASSERT_FALSE(out.failure);
    // The angle travels as a 15-digit text, so the components come back to within its last digit.
    EXPECT_NEAR(solver.quantities().vx, -3.0, 1e-12);
    EXPECT_NEAR(solver.quantities().vy, 4.0, 1e-12);
    EXPECT_NEAR(shown(out.results.vimpactox), -3.0, 1e-12);
}

// Components typed, turned into speed and angle on leaving the field, and
// turned back by the solver: a leftward velocity comes back as typed where the
// 15-digit angle text allows it, not one digit off from the 15-digit pi.
TEST(ProjectileSolver, LeftwardComponentsComeBackThroughSpeedAndAngle)
{
    const struct {
        const char *v0x, *v0y;
        const char *vfinal;
    } cases[] = {
        {"-3", "-18", "(-3  ,  -18-9,8t)"},
        {"-11", "-17", "(-11  ,  -17-9,8t)"},
        {"-0,5", "3", "(-0,499999999999999  ,  3-9,8t)"},
        {"3", "18", "(3  ,  18-9,8t)"},
    };
    for (const auto &c : cases) {
        const ComponentUpdate update = componentRule(c.v0x, c.v0y, ComponentAxis::Y);
        ASSERT_TRUE(update.angleText && update.speedText) << c.v0x << " " << c.v0y;
        InputTexts in = startUpInputs();
        in.angulo = *update.angleText;
        in.vinicial = *update.speedText;
        const SolveOutcome out = ProjectileSolver().solve(in, VelocityMode::SpeedAndAngle);
        ASSERT_FALSE(out.failure) << c.v0x << " " << c.v0y;
        EXPECT_EQ(out.results.vfinal, c.vfinal) << c.v0x << " " << c.v0y;
    }
}

TEST(ProjectileSolver, HalfAccelerationMultipliesTheSquaredTime)
{
    // Range and height take hx·T² and hy·ttop² with the square rounded first;
    // multiplying hx·T by T again lands one digit off in the last shown place.
    const struct {
        const char *ry0, *v0x, *v0y, *ax, *ay;
        const char *alcance, *altura;
    } cases[] = {
        {"5", "1", "3", "3", "-1", "88,5889894354067", nullptr},
        {"1", "1", "6", "3", "-1", "234,12386605641", nullptr},
        {"0", "1", "10", "0", "-9", nullptr, "5,55555555555555"},
        {"2", "1", "10", "0", "-9", nullptr, "7,55555555555555"},
    };
    for (const auto &c : cases) {
        InputTexts in = startUpInputs();
        in.ry0 = c.ry0;
        in.v0x = c.v0x;
        in.v0y = c.v0y;
        in.accelinicial = {c.ax, c.ay};
        const SolveOutcome out = ProjectileSolver().solve(in, VelocityMode::Components);
        ASSERT_FALSE(out.failure) << c.ry0 << " " << c.v0y;
        if (c.alcance) {
            EXPECT_EQ(out.results.alcance, c.alcance);
        }
        if (c.altura) {
            EXPECT_EQ(out.results.altura, c.altura);
        }
    }
}

TEST(ProjectileSolver, VertexBeforeTheLaunchLeavesLaunchHeightAsMaximum)
{
    ProjectileSolver solver;
    InputTexts in = startUpInputs();
    in.ry0 = "20";
    in.vinicial = "10";
    in.angulo = "-30";
    const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
    ASSERT_FALSE(out.failure);
    EXPECT_LT(solver.quantities().ttop, 0.0);
    EXPECT_EQ(out.results.altura, "20");
}

TEST(ProjectileSolver, FailuresStopAtTheFailingStep)
{
    using M = VelocityMode;
    const struct {
        const char *name;
        std::string InputTexts::*field;
        std::string text;
        M mode;
        Failure failure;
        bool formulasWritten; // the failure comes after the formula texts
    } cases[] = {
        {"zero vertical acceleration", nullptr, "0", M::SpeedAndAngle, Failure::DivisionByZero, true},
        {"below ground, never rises to it", &InputTexts::ry0, "-100", M::SpeedAndAngle, Failure::NeverReachesGround,
         true},
        {"on the ground moving down", &InputTexts::ry0, "0", M::Components, Failure::NoImpactAfterLaunch, true},
        {"angle not a number", &InputTexts::angulo, "abc", M::SpeedAndAngle, Failure::NotANumber, false},
        {"angle read even with sine and cosine", &InputTexts::angulo, "-", M::SpeedAndSineCosine, Failure::NotANumber,
         false},
        {"start x with two signs", &InputTexts::rx0, "1-2", M::SpeedAndAngle, Failure::NotANumber, false},
        {"start y blanks", &InputTexts::ry0, "  ", M::SpeedAndAngle, Failure::NotANumber, false},
        {"cosine with two commas", &InputTexts::cos, "0,,5", M::SpeedAndSineCosine, Failure::NotANumber, false},
        {"speed beyond a double", &InputTexts::vinicial, std::string(400, '9'), M::SpeedAndAngle, Failure::Overflow,
         false},
        {"speed squared overflows", &InputTexts::vinicial, "1E200", M::SpeedAndAngle, Failure::Overflow, true},
        {"start height overflows the discriminant", &InputTexts::ry0, "1E308", M::SpeedAndAngle, Failure::Overflow,
         true},
    };
    for (const auto &c : cases) {
        InputTexts in = startUpInputs();
        in.v0x = "1";
        in.v0y = "-5";
        (c.field ? in.*c.field : in.accelinicial[1]) = c.text;
        const SolveOutcome out = ProjectileSolver().solve(in, c.mode);
        EXPECT_EQ(out.failure, c.failure) << c.name;
        EXPECT_EQ(out.results.rfinal.has_value(), c.formulasWritten) << c.name;
        EXPECT_EQ(out.results.vfinal.has_value(), c.formulasWritten) << c.name;
        EXPECT_FALSE(out.results.alcance) << c.name;
    }
    // Upward acceleration from above the ground: both crossings lie before the launch.
    InputTexts up = startUpInputs();
    up.ry0 = "10";
    up.vinicial = "10";
    up.accelinicial = {"1E308", "1"};
    EXPECT_EQ(ProjectileSolver().solve(up, M::SpeedAndAngle).failure, Failure::NoImpactAfterLaunch);
    // A horizontal acceleration beyond range overflows the range itself.
    InputTexts wide = startUpInputs();
    wide.accelinicial[0] = "1E308";
    const SolveOutcome out = ProjectileSolver().solve(wide, M::SpeedAndAngle);
    EXPECT_EQ(out.failure, Failure::Overflow);
    EXPECT_TRUE(out.results.vfinal);
    EXPECT_FALSE(out.results.alcance);
}

TEST(ProjectileSolver, EmptyInputsGetDefaultsAndEndOnZeroAcceleration)
{
    ProjectileSolver solver;
    InputTexts in;
    const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
    EXPECT_EQ(out.failure, Failure::DivisionByZero);
    EXPECT_EQ(in.sin, "1");
    for (const std::string *text : {&in.rx0, &in.ry0, &in.v0x, &in.v0y, &in.cos, &in.accelinicial[0],
                                    &in.accelinicial[1], &in.vinicial, &in.angulo}) {
        EXPECT_EQ(*text, "0");
    }
    EXPECT_EQ(out.results.rfinal, "(  ,  )");
}

TEST(Failure, ReportTextNamesTheFailureInCatalan)
{
    const std::string text = failureReportText(Failure::DivisionByZero);
    EXPECT_EQ(text.rfind("Impossible realitzar càlcul.\r\nTipo de error: ", 0), 0u);
    EXPECT_NE(text.find("divisió per zero"), std::string::npos);
    EXPECT_NE(failureDescription(Failure::NotANumber), failureDescription(Failure::Overflow));
}

// Pulled upwards, the earlier root is the landing and the later one the moment
// the body would come back up through the ground from below; the vertex is the
// lowest point, so the highest point of the flight is one of its ends.
TEST(ProjectileSolver, UpwardAccelerationLandsAtTheFirstGroundCrossing)
{
    const struct {
        const char *ry0, *speed, *angle, *ay;
        const char *vuelo, *altura, *vimpactoy;
    } cases[] = {
        // Thrown down from 20 m: lands at 5 − √5 s, not at 5 + √5 s.
        {"20", "10", "-90", "2", "2,76393202250021", "20", "-4,47213595499958"},
        // Thrown up from 10 m below the ground: the only crossing after the launch.
        {"-10", "5", "90", "2", "1,53112887414927", "0", "8,06225774829855"},
        // Thrown down from half a metre: lands at 3 − √8 s.
        {"0,5", "3", "-90", "1", "0,17157287525381", "0,5", "-2,82842712474619"},
    };
    for (const auto &c : cases) {
        InputTexts in = startUpInputs();
        in.ry0 = c.ry0;
        in.vinicial = c.speed;
        in.angulo = c.angle;
        in.accelinicial = {"0", c.ay};
        ProjectileSolver solver;
        const SolveOutcome out = solver.solve(in, VelocityMode::SpeedAndAngle);
        ASSERT_FALSE(out.failure) << c.ry0;
        EXPECT_EQ(out.results.vuelo, c.vuelo) << c.ry0;
        EXPECT_EQ(out.results.altura, c.altura) << c.ry0;
        EXPECT_EQ(out.results.vimpactoy, c.vimpactoy) << c.ry0;
        // No crossing of the ground lies between the launch and T.
        const ProblemQuantities &q = solver.quantities();
        for (const double root : {q.t1, q.t2}) {
            EXPECT_TRUE(root <= 0.0 || root >= q.T) << c.ry0 << " " << root;
        }
    }
}
