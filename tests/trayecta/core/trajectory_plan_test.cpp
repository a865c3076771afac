#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/trayecta/core/SolvedProblems.h"
#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryPlan.h"

using namespace trayecta;

namespace {

constexpr double kAreaAspect = 309.0 / 221.0;

} // namespace

TEST(TrajectoryPlan, StartUpProblemScalesTicksAndPoints)
{
    const TrajectoryPlan plan = planTrajectory(solvedGraphInputs(startUp()), kAreaAspect);
    ASSERT_FALSE(plan.failure);
    ASSERT_TRUE(plan.scale);
    EXPECT_FLOAT_EQ(plan.scale->height, 54.933163f);
    EXPECT_FLOAT_EQ(plan.scale->width, 87.412541f);
    EXPECT_EQ(plan.scale->left, 0.0f);
    ASSERT_EQ(plan.points.size(), 4371u);

    ASSERT_TRUE(plan.verticalTicks);
    EXPECT_EQ((*plan.verticalTicks)[0], "3,92");
    EXPECT_EQ((*plan.verticalTicks)[13], "54,93");
    ASSERT_TRUE(plan.horizontalTicks);
    const std::vector<std::string> firstTimes = {"0,45", "0,9", "1,34"};
    EXPECT_TRUE(std::equal(firstTimes.begin(), firstTimes.end(), plan.horizontalTicks->begin()));
    EXPECT_EQ((*plan.horizontalTicks)[12], "5,83");

    // Starts 15 m up at the left edge, ends on the ground near the right edge.
    EXPECT_FLOAT_EQ(plan.points.front().x, 0.0f);
    EXPECT_NEAR(plan.points.front().y, 54.933163f - 15.0f, 1e-4);
    EXPECT_NEAR(plan.points.back().x, 87.41, 0.05);
    EXPECT_NEAR(plan.points.back().y, 54.93, 0.05);
}

TEST(TrajectoryPlan, OnlyPointsNearTheMaximumHeightAreRed)
{
    const TrajectoryPlan plan = planTrajectory(solvedGraphInputs(startUp()), kAreaAspect);
    const double apexX = 15.0 * (25.98076211353316 / 9.8);
    int red = 0;
    for (const PlotPoint &p : plan.points) {
        const double heightAboveGround = 54.933163 - p.y;
        EXPECT_EQ(p.apex, heightAboveGround > 49.438775510204 - 0.01) << p.x << " " << heightAboveGround;
        if (p.apex) {
            ++red;
            EXPECT_NEAR(p.x, apexX, 1.0);
        }
    }
    EXPECT_GT(red, 10);
    EXPECT_LT(red, 200);
}

TEST(TrajectoryPlan, LongFlightIsSampledEvenlyWithEndsAndApex)
{
    const TrajectoryInputs inputs = solvedGraphInputs(longFlight(), VelocityMode::SpeedAndSineCosine);
    EXPECT_EQ(inputs.flightTime, "100000");
    const TrajectoryPlan plan = planTrajectory(inputs, kAreaAspect);
    ASSERT_FALSE(plan.failure);
    ASSERT_LE(plan.points.size(), static_cast<std::size_t>(kMaxPlotPoints));
    EXPECT_GT(plan.points.size(), static_cast<std::size_t>(kMaxPlotPoints) - 10);
    EXPECT_FLOAT_EQ(plan.points.front().x, 0.0f);
    EXPECT_NEAR(plan.points.back().x / plan.scale->width, 1.0, 1e-6);
    EXPECT_TRUE(std::any_of(plan.points.begin(), plan.points.end(), [](const PlotPoint &p) { return p.apex; }));
    EXPECT_TRUE(std::is_sorted(plan.points.begin(), plan.points.end(),
                               [](const PlotPoint &a, const PlotPoint &b) { return a.x < b.x; }));
}

TEST(TrajectoryPlan, PlottedIndicesCoverTheFlightWithinTheBound)
{
    EXPECT_TRUE(plottedIndices(-1, std::nullopt).empty());
    EXPECT_EQ(plottedIndices(0, std::nullopt), std::vector<std::int64_t>{0});
    EXPECT_EQ(plottedIndices(3, 1.5), (std::vector<std::int64_t>{0, 1, 2, 3}));
    for (const std::int64_t last : {kMaxPlotPoints, std::int64_t{75000000}, std::int64_t{1} << 62}) {
        const double apex = static_cast<double>(last) * 0.3183;
        const std::vector<std::int64_t> k = plottedIndices(last, apex);
        ASSERT_LE(k.size(), static_cast<std::size_t>(kMaxPlotPoints)) << last;
        EXPECT_EQ(k.front(), 0);
        EXPECT_EQ(k.back(), last);
        EXPECT_TRUE(std::adjacent_find(k.begin(), k.end(), std::greater_equal<>()) == k.end()) << last;
        const auto apexFloor = static_cast<std::int64_t>(apex);
        EXPECT_TRUE(std::binary_search(k.begin(), k.end(), apexFloor)) << last;
    }
}

TEST(TrajectoryPlan, VerticalLaunchGetsAUsableWidth)
{
    InputTexts in = startUp();
    in.sin = "1";
    in.cos = "0";
    const TrajectoryInputs inputs = solvedGraphInputs(in, VelocityMode::SpeedAndSineCosine);
    EXPECT_EQ(inputs.range, "0");
    const TrajectoryPlan plan = planTrajectory(inputs, kAreaAspect);
    ASSERT_FALSE(plan.failure);
    ASSERT_TRUE(plan.scale);
    EXPECT_GT(plan.scale->width, 0.0f);
    EXPECT_FLOAT_EQ(plan.scale->left, -plan.scale->width / 2);
    EXPECT_NEAR(plan.scale->width / plan.scale->height, kAreaAspect, 1e-6);
    EXPECT_FALSE(plan.points.empty());
    for (const PlotPoint &p : plan.points) {
        EXPECT_EQ(p.x, 0.0f);
    }
}

TEST(TrajectoryPlan, PathBackToItsStartIsScaledByItsOwnWidth)
{
    TrajectoryInputs inputs = solvedGraphInputs(startUp());
    inputs.range = inputs.x0; // as when the range comes back to the start within its 15 digits
    const TrajectoryPlan plan = planTrajectory(inputs, kAreaAspect);
    ASSERT_FALSE(plan.failure);
    const float farthest = plan.points.back().x;
    EXPECT_LT(plan.scale->left, 0.0f);
    EXPECT_GT(plan.scale->left + plan.scale->width, farthest);
    EXPECT_LT(plan.scale->width, 1.2f * farthest);
}

TEST(TrajectoryPlan, NearlyVerticalAndLeftwardLaunchesKeepTheirSignedWidth)
{
    InputTexts up = startUp();
    up.angulo = "90";
    const TrajectoryPlan nearlyVertical = planTrajectory(solvedGraphInputs(up), kAreaAspect);
    ASSERT_FALSE(nearlyVertical.failure);
    EXPECT_GT(nearlyVertical.scale->width, 0.0f);
    EXPECT_LT(nearlyVertical.scale->width, 1e-12f);
    EXPECT_EQ(nearlyVertical.scale->left, 0.0f);
    EXPECT_NEAR(nearlyVertical.points.back().x / nearlyVertical.scale->width, 1.0, 1e-3);

    InputTexts left = startUp();
    left.rx0 = "100";
    left.angulo = "120";
    const TrajectoryPlan leftward = planTrajectory(solvedGraphInputs(left), kAreaAspect);
    ASSERT_FALSE(leftward.failure);
    EXPECT_NEAR(leftward.scale->width, -87.41, 0.01);
    EXPECT_NEAR(leftward.points.back().x, -87.41, 0.01);
}

TEST(TrajectoryPlan, ScalesBeyondTheAreaFail)
{
    TrajectoryInputs huge = solvedGraphInputs(startUp());
    huge.maxHeight = "1E300";
    const TrajectoryPlan tooHigh = planTrajectory(huge, kAreaAspect);
    EXPECT_EQ(tooHigh.failure, Failure::Overflow);
    EXPECT_FALSE(tooHigh.scale);
    EXPECT_FALSE(tooHigh.verticalTicks);

    TrajectoryInputs wide = solvedGraphInputs(startUp());
    wide.hx = 1e300; // the path leaves the float range on its way
    const TrajectoryPlan overflowing = planTrajectory(wide, kAreaAspect);
    EXPECT_EQ(overflowing.failure, Failure::Overflow);
    EXPECT_TRUE(overflowing.scale);
    EXPECT_TRUE(overflowing.verticalTicks);
}

// Pulled upwards the highest point of the flight is one of its ends: only the
// points within 0.01 m of that end are red, never the whole path.
TEST(TrajectoryPlan, UpwardPullMarksOnlyTheHighestEndRed)
{
    const struct {
        const char *ry0, *speed, *angle;
        double maxHeight;
        bool startIsRed;
    } cases[] = {
        {"20", "10", "-90", 20.0, true},
        {"-10", "5", "90", 0.0, false},
    };
    for (const auto &c : cases) {
        InputTexts in = startUp();
        in.ry0 = c.ry0;
        in.vinicial = c.speed;
        in.angulo = c.angle;
        in.accelinicial = {"0", "2"};
        const TrajectoryInputs inputs = solvedGraphInputs(in);
        EXPECT_EQ(readNumber(inputs.maxHeight).value, c.maxHeight) << c.ry0;
        const TrajectoryPlan plan = planTrajectory(inputs, kAreaAspect);
        ASSERT_FALSE(plan.failure) << c.ry0;
        ASSERT_GT(plan.points.size(), 100u) << c.ry0;
        const double scaleHeight = c.maxHeight + 5.0 + c.maxHeight / 100.0;
        int red = 0;
        for (const PlotPoint &p : plan.points) {
            const double heightAboveGround = scaleHeight - p.y;
            EXPECT_EQ(p.apex, heightAboveGround > c.maxHeight - 0.01) << c.ry0 << " " << heightAboveGround;
            red += p.apex;
        }
        EXPECT_EQ(plan.points.front().apex, c.startIsRed) << c.ry0;
        EXPECT_LT(red, 5) << c.ry0;
    }
}
