#pragma once
// The graphs of the recorded run against time: which curves each choice of
// the "Gráficas" window plots, the least and greatest value of each curve in
// every pixel column (so a million rows draw as a few thousand lines), axes
// with round ticks (1, 2 or 5 × 10ⁿ), the value of each curve at a time under
// the pointer, and the plotted data as CSV. Lengths are shown in the unit the
// panel selects now; energies in joules with m = 1 kg.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/SaturatingTrunc.h"
#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/RunRecord.h"

namespace voltrix {

enum class GraphChoice { Position, Velocity, Acceleration, SpeedAndAcceleration, Energy };
inline constexpr int kGraphChoices = 5;

struct GraphCurve {
    RunSeries series;
    // "x", "|v|", "Ec" …: as written in the CSV; on screen looked up in the
    // context "voltrix::RunGraph" (Ec and Ep are words' initials).
    const char *name;
    int axis; // 0: the left axis, 1: the right one
};

// Position, velocity and acceleration: x, y, z; speed and acceleration: |v|
// on the left axis and |a| on the right one; energy: Ec, Ep and E, or Ec
// alone when part of the run was taken with the field confined. The axes of
// sizes and energies start at 0.
std::vector<GraphCurve> graphCurves(GraphChoice choice, const RunRecorder &run);

// "m", "m/s", "m/s²" (or in cm), "J", "s"; ascii gives "m/s^2" for the CSV.
std::string seriesUnit(RunSeries series, LengthUnit unit, bool ascii = false);

// The least and greatest shown value of each series over the kept rows
// [from, to) (to = run.size() when none is given).
std::vector<SeriesRange> seriesExtents(const RunRecorder &run, const std::vector<RunSeries> &series, LengthUnit shown,
                                       std::size_t from = 0, std::optional<std::size_t> to = std::nullopt);

// A graph's columns: `columns` equal parts of the time span [t0, t1].
struct GraphColumns {
    double t0 = 0, t1 = 1;
    int columns = 1;
    int columnOf(double t) const
    {
        return std::clamp(orvalis::saturatingTrunc((t - t0) / (t1 - t0) * columns), 0, columns - 1);
    }
};

// For each series, its least and greatest shown value in each column, over
// the kept rows [from, to) (to = run.size() when none is given), added to what
// `envelopes` holds already: a graph extends its columns as the run grows.
using Envelope = std::vector<SeriesRange>;
void addToEnvelopes(std::vector<Envelope> &envelopes, const RunRecorder &run, const std::vector<RunSeries> &series,
                    const GraphColumns &columns, LengthUnit shown, std::size_t from = 0,
                    std::optional<std::size_t> to = std::nullopt);

// An axis from lo to hi on round ticks: lo and hi are multiples of step, and
// step is 1, 2 or 5 × 10ⁿ, chosen so the axis has at most maxTicks ticks.
struct Axis {
    double lo = 0, hi = 1, step = 0.2;
    bool contains(const SeriesRange &range) const;
};
Axis roundAxis(double lo, double hi, int maxTicks, bool includeZero = false);
// The tick's number with as many decimals as the step needs ("0.5", "20").
std::string tickText(double value, double step);

// The kept row whose time is nearest t.
std::optional<std::size_t> rowNearest(const RunRecorder &run, double t);

// A shown value with 7 significant digits (an energy's drift of parts per
// million shows), or "—" where it has none.
std::string graphValueText(double value);

// A graph's curves, axes and columns for one width in columns, kept up to
// date with a run: as the run grows the columns are only extended, and
// everything is gathered again only when an axis must grow (in round steps),
// when the rows the full ring has dropped since would fill half a column
// (until then they still show, before the oldest kept row), or when the
// choice, unit or width changes.
class GraphData {
public:
    static constexpr int kMaxTicks = 7;

    void update(const RunRecorder &run, GraphChoice choice, LengthUnit unit, int columns);
    // Forgets everything: the next update gathers the run afresh.
    void reset();

    GraphChoice choice() const { return choice_; }
    LengthUnit unit() const { return unit_; }
    const std::vector<GraphCurve> &curves() const { return curves_; }
    const std::vector<Envelope> &envelopes() const { return envelopes_; }
    const GraphColumns &columns() const { return columns_; }
    const Axis &timeAxis() const { return time_; }
    const Axis &valueAxis(int axis) const { return values_[axis == 0 ? 0 : 1]; }
    bool hasRightAxis() const;
    bool empty() const { return rowsSeen_ == 0; }
    // Energy with only Ec: part of the run was taken in the confined field.
    bool confinedEnergy() const;

private:
    void gather(const RunRecorder &run);
    bool fitsAxes(const std::vector<SeriesRange> &extents) const;

    GraphChoice choice_ = GraphChoice::Position;
    LengthUnit unit_ = LengthUnit::Metre;
    std::vector<GraphCurve> curves_;
    std::vector<RunSeries> series_;
    std::vector<Envelope> envelopes_;
    GraphColumns columns_{0, 1, 0};
    Axis time_;
    Axis values_[2];
    std::size_t rowsSeen_ = 0;
    std::uint64_t recordedSeen_ = 0;
    std::uint64_t generationSeen_ = 0;
    std::uint64_t droppedAtGather_ = 0;
};

// The plotted curves as CSV: a header of the time and each curve with its
// unit, then one row per kept row, comma-separated with the decimal point,
// rows ended by CR LF. Written safely, with the experiment files' reasons.
std::string graphCsvText(const RunRecorder &run, GraphChoice choice, LengthUnit shown);
FileResult saveGraphCsv(const std::string &path, const RunRecorder &run, GraphChoice choice, LengthUnit shown);

} // namespace voltrix
