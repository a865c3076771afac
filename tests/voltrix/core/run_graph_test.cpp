// The graphs of the recorded run: the first rows of every choice for the
// start-up state, the energies of a pure electric field and of the confined
// one, round axes, and columns gathered from block summaries agreeing with
// every row read one by one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "voltrix/core/Physics.h"
#include "voltrix/core/RunGraph.h"

using namespace voltrix;

namespace {

RunRecorder recordRun(SimState &s, int steps, std::size_t capacity = kMaxRecordedSteps)
{
    RunRecorder run(capacity);
    run.record(s);
    for (int i = 0; i < steps; ++i) {
        integrateStep(s);
        run.record(s);
    }
    return run;
}

std::string firstLines(const std::string &csv, int lines)
{
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i)
        end = csv.find("\r\n", end) + 2;
    return csv.substr(0, end);
}

TEST(RunGraph, FirstRowsOfEveryChoiceForTheStartState)
{
    SimState s;
    const RunRecorder run = recordRun(s, 1);
    const struct {
        GraphChoice choice;
        const char *expected;
    } cases[] = {
        {GraphChoice::Position, "t (s),x (m),y (m),z (m)\r\n0,0,20,40\r\n0.01,0,20.005,40.5\r\n"},
        {GraphChoice::Velocity, "t (s),vx (m/s),vy (m/s),vz (m/s)\r\n0,0,0,50\r\n0.01,0,1,49.99\r\n"},
        {GraphChoice::Acceleration, "t (s),ax (m/s^2),ay (m/s^2),az (m/s^2)\r\n0,0,100,0\r\n0.01,0,99.98,-2\r\n"},
        {GraphChoice::SpeedAndAcceleration, "t (s),|v| (m/s),|a| (m/s^2)\r\n0,50,100\r\n"},
        // Ec = ½·1·50², no electric field.
        {GraphChoice::Energy, "t (s),Ec (J),Ep (J),E (J)\r\n0,1250,0,1250\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        const std::string expected = c.expected;
        EXPECT_EQ(firstLines(graphCsvText(run, c.choice, LengthUnit::Metre), 3).substr(0, expected.size()), expected);
    }
    // In centimetres the lengths are shown in cm, the energies still in J.
    SimState cm;
    cm.unit = LengthUnit::Centimetre;
    EXPECT_EQ(firstLines(graphCsvText(recordRun(cm, 0), GraphChoice::Energy, LengthUnit::Centimetre), 2),
              "t (s),Ec (J),Ep (J),E (J)\r\n0,0.125,0,0.125\r\n");
    EXPECT_EQ(firstLines(graphCsvText(run, GraphChoice::Position, LengthUnit::Centimetre), 2),
              "t (s),x (cm),y (cm),z (cm)\r\n0,0,2000,4000\r\n");
}

TEST(RunGraph, EnergyOfAPureElectricFieldIsConservedAndTheConfinedFieldHasNoPotential)
{
    SimState s;
    s.Bx = 0;
    s.Ez = 5;
    s.q = 2;
    s.x = 10, s.y = 20, s.z = 30;
    s.vx = 1, s.vz = 0;
    const RunRecorder run = recordRun(s, 200);
    ASSERT_EQ(graphCurves(GraphChoice::Energy, run).size(), 3u);
    // Ep = -q·E·r = -2·5·30 at the start; Ec = ½·1²; the midpoint step is
    // exact for a constant force, so E stays put to rounding.
    const SeriesValues first = seriesValues(run.row(0), run.fields(0), run.unit());
    EXPECT_DOUBLE_EQ(first[static_cast<std::size_t>(RunSeries::Potential)], -300);
    EXPECT_DOUBLE_EQ(first[static_cast<std::size_t>(RunSeries::Total)], -299.5);
    for (std::size_t i = 0; i < run.size(); ++i) {
        const SeriesValues v = seriesValues(run.row(i), run.fields(i), run.unit());
        ASSERT_NEAR(v[static_cast<std::size_t>(RunSeries::Total)], -299.5, 1e-3) << i;
    }
    const SeriesValues last = seriesValues(run.row(run.size() - 1), run.fields(0), run.unit());
    EXPECT_GT(last[static_cast<std::size_t>(RunSeries::Kinetic)], 100); // vz = 20 m/s after 2 s

    // A run that was confined, even in part, plots Ec alone.
    SimState c;
    c.CampoConfinado = true;
    RunRecorder confined = recordRun(c, 2);
    c.CampoConfinado = false;
    confined.record(c);
    ASSERT_EQ(graphCurves(GraphChoice::Energy, confined).size(), 1u);
    EXPECT_EQ(firstLines(graphCsvText(confined, GraphChoice::Energy, LengthUnit::Metre), 2),
              "t (s),Ec (J)\r\n0,1250\r\n");
}

TEST(RunGraph, AxesStandOnRoundTicks)
{
    const struct {
        double lo, hi;
        bool zero;
        double axisLo, axisHi, step;
    } cases[] = {
        {0, 4, false, 0, 4, 1},
        {0, 10.01, false, 0, 12, 2},
        {15, 70, false, 10, 70, 10},
        // 10 would need twelve intervals: the next round step.
        {-49.99, 50, false, -60, 60, 20},
        // An energy that drifts in its last digits stands on 0.
        {1250, 1250.03, true, 0, 1500, 500},
        {40, 40, false, 36, 44, 2},
        {0.0012, 0.0031, false, 0.001, 0.0035, 0.0005},
        {0, 0, false, -1, 1, 0.5},
        {-3e38, 3e38, false, -3e38, 3e38, 1e38},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.lo) + " .. " + std::to_string(c.hi));
        const Axis a = roundAxis(c.lo, c.hi, GraphData::kMaxTicks, c.zero);
        EXPECT_NEAR(a.lo, c.axisLo, std::fabs(c.step) * 1e-9);
        EXPECT_NEAR(a.hi, c.axisHi, std::fabs(c.step) * 1e-9);
        EXPECT_NEAR(a.step, c.step, c.step * 1e-9);
        EXPECT_LE((a.hi - a.lo) / a.step, GraphData::kMaxTicks - 1 + 1e-9);
    }
    EXPECT_EQ(tickText(0.5, 0.5), "0.5");
    EXPECT_EQ(tickText(20, 20), "20");
    EXPECT_EQ(tickText(-1e-17, 0.1), "0.0");
    EXPECT_EQ(tickText(0.0015, 0.0005), "0.0015");
    EXPECT_EQ(tickText(2e38, 1e38), "2e+38");
}

TEST(RunGraph, SummarisedColumnsAgreeWithEveryRowAndFollowTheRing)
{
    for (std::size_t capacity : {std::size_t{100000}, std::size_t{3000}}) {
        SCOPED_TRACE(capacity);
        SimState s;
        s.Ez = 3;
        RunRecorder run = recordRun(s, 5000, capacity);
        s.t = -5; // a time typed into the box: the run goes back in time
        run.record(s);
        const std::vector<RunSeries> series{RunSeries::X, RunSeries::Vz, RunSeries::Total};
        const std::vector<SeriesRange> extent = seriesExtents(run, {RunSeries::T}, LengthUnit::Centimetre);
        for (int columns : {1, 7, 640}) {
            const GraphColumns cols{extent[0].lo, extent[0].hi, columns};
            std::vector<Envelope> fast, slow;
            addToEnvelopes(fast, run, series, cols, LengthUnit::Centimetre);
            slow.assign(series.size(), Envelope(static_cast<std::size_t>(columns)));
            for (std::size_t i = 0; i < run.size(); ++i) {
                const SeriesValues v = seriesValues(run.row(i), run.fields(i), run.unit());
                const auto c = static_cast<std::size_t>(cols.columnOf(run.row(i).t));
                for (std::size_t k = 0; k < series.size(); ++k)
                    slow[k][c].add(v[static_cast<std::size_t>(series[k])]
                                   * seriesFactor(series[k], run.unit(), LengthUnit::Centimetre));
            }
            for (std::size_t k = 0; k < series.size(); ++k)
                for (std::size_t c = 0; c < slow[k].size(); ++c) {
                    ASSERT_EQ(fast[k][c].lo, slow[k][c].lo) << k << " " << c << " of " << columns;
                    ASSERT_EQ(fast[k][c].hi, slow[k][c].hi) << k << " " << c << " of " << columns;
                }
        }
        EXPECT_FALSE(run.timeGrows());
        EXPECT_EQ(*rowNearest(run, -5), run.size() - 1);
    }
}

} // namespace

namespace {

// A graph followed step by step, as the window follows the animation, shows
// what a graph gathered afresh from the same run shows; with a full ring, the
// rows it has dropped may linger only left of the oldest row kept.
TEST(RunGraph, AGraphFollowedStepByStepShowsWhatAFreshOneShows)
{
    for (std::size_t capacity : {std::size_t{100000}, std::size_t{900}}) {
        SCOPED_TRACE(capacity);
        SimState s;
        RunRecorder run(capacity);
        run.record(s);
        GraphData followed;
        for (int i = 0; i < 1500; ++i) {
            integrateStep(s);
            run.record(s);
            followed.update(run, GraphChoice::Velocity, LengthUnit::Metre, 300);
        }
        GraphData fresh;
        fresh.update(run, GraphChoice::Velocity, LengthUnit::Metre, 300);
        ASSERT_EQ(followed.timeAxis().lo, fresh.timeAxis().lo);
        ASSERT_EQ(followed.timeAxis().hi, fresh.timeAxis().hi);
        ASSERT_EQ(followed.valueAxis(0).hi, fresh.valueAxis(0).hi);
        const int oldest = fresh.columns().columnOf(run.row(0).t);
        for (std::size_t k = 0; k < fresh.envelopes().size(); ++k)
            for (std::size_t c = 0; c < fresh.envelopes()[k].size(); ++c) {
                const SeriesRange &f = fresh.envelopes()[k][c], &g = followed.envelopes()[k][c];
                if (static_cast<int>(c) > oldest) {
                    ASSERT_TRUE(f.lo == g.lo && f.hi == g.hi) << k << " " << c;
                } else if (!f.empty()) {
                    ASSERT_TRUE(g.lo <= f.lo && f.hi <= g.hi) << k << " " << c;
                }
            }
    }
}

} // namespace
