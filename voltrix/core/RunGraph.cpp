#include "voltrix/core/RunGraph.h"

#include <algorithm>
#include <cmath>

#include "common/CoreText.h"
#include "common/SaturatingTrunc.h"
#include "common/WholeFile.h"
#include "voltrix/core/Magnitudes.h"
#include "voltrix/core/NumberText.h"

namespace voltrix {

namespace {

constexpr int kValueDigits = 7;

SeriesRange scaled(const SeriesRange &range, double factor)
{
    SeriesRange out;
    out.add(range.lo * factor);
    out.add(range.hi * factor);
    return out;
}

std::vector<double> factorsOf(const RunRecorder &run, const std::vector<RunSeries> &series, LengthUnit shown)
{
    std::vector<double> factors;
    for (RunSeries s : series)
        factors.push_back(seriesFactor(s, run.unit(), shown));
    return factors;
}

double at(const SeriesValues &values, RunSeries series) { return values[static_cast<std::size_t>(series)]; }

const SeriesRange &at(const std::array<SeriesRange, kRunSeries> &ranges, RunSeries series)
{
    return ranges[static_cast<std::size_t>(series)];
}

// 1, 2 or 5 × 10ⁿ, the smallest at least `raw`.
double roundStep(double raw)
{
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-12))
            return m * power;
    return 10 * power;
}

} // namespace

std::vector<GraphCurve> graphCurves(GraphChoice choice, const RunRecorder &run)
{
    using S = RunSeries;
    switch (choice) {
    case GraphChoice::Position: return {{S::X, "x", 0}, {S::Y, "y", 0}, {S::Z, "z", 0}};
    case GraphChoice::Velocity: return {{S::Vx, "vx", 0}, {S::Vy, "vy", 0}, {S::Vz, "vz", 0}};
    case GraphChoice::Acceleration: return {{S::Ax, "ax", 0}, {S::Ay, "ay", 0}, {S::Az, "az", 0}};
    case GraphChoice::SpeedAndAcceleration: return {{S::Speed, "|v|", 0}, {S::AccelerationSize, "|a|", 1}};
    case GraphChoice::Energy: break;
    }
    // The screen shows Ec and Ep in the chosen language; the CSV keeps them.
    //: graph legend: kinetic energy (energía cinética)
    const char *const kinetic = ORV_NOOP("voltrix::RunGraph", "Ec");
    //: graph legend: potential energy (energía potencial)
    const char *const potential = ORV_NOOP("voltrix::RunGraph", "Ep");
    // A field confined to the region is not conservative: no potential energy.
    if (run.anyConfined())
        return {{S::Kinetic, kinetic, 0}};
    return {{S::Kinetic, kinetic, 0}, {S::Potential, potential, 0}, {S::Total, "E", 0}};
}

std::string seriesUnit(RunSeries series, LengthUnit unit, bool ascii)
{
    const std::string length = unit == LengthUnit::Centimetre ? "cm" : "m";
    switch (series) {
    case RunSeries::T: return "s";
    case RunSeries::X:
    case RunSeries::Y:
    case RunSeries::Z: return length;
    case RunSeries::Vx:
    case RunSeries::Vy:
    case RunSeries::Vz:
    case RunSeries::Speed: return length + "/s";
    case RunSeries::Ax:
    case RunSeries::Ay:
    case RunSeries::Az:
    case RunSeries::AccelerationSize: return length + (ascii ? "/s^2" : "/s²");
    case RunSeries::Kinetic:
    case RunSeries::Potential:
    case RunSeries::Total: break;
    }
    return "J";
}

std::vector<SeriesRange> seriesExtents(const RunRecorder &run, const std::vector<RunSeries> &series, LengthUnit shown,
                                       std::size_t from, std::optional<std::size_t> to)
{
    const std::size_t end = std::min(to.value_or(run.size()), run.size());
    const std::vector<double> factors = factorsOf(run, series, shown);
    std::vector<SeriesRange> extents(series.size());
    for (std::size_t i = from; i < end;) {
        const std::size_t length = run.summaryAt(i);
        if (length != 0 && i + length <= end) {
            for (std::size_t k = 0; k < series.size(); ++k)
                extents[k].add(scaled(at(run.summary(i), series[k]), factors[k]));
            i += length;
            continue;
        }
        const RunRow &row = run.row(i);
        const RunFields &fields = run.fields(i);
        for (std::size_t k = 0; k < series.size(); ++k)
            extents[k].add(seriesValue(series[k], row, fields, run.unit()) * factors[k]);
        ++i;
    }
    return extents;
}

void addToEnvelopes(std::vector<Envelope> &envelopes, const RunRecorder &run, const std::vector<RunSeries> &series,
                    const GraphColumns &columns, LengthUnit shown, std::size_t from, std::optional<std::size_t> to)
{
    const std::size_t end = std::min(to.value_or(run.size()), run.size());
    const std::vector<double> factors = factorsOf(run, series, shown);
    envelopes.resize(series.size());
    for (Envelope &e : envelopes)
        e.resize(static_cast<std::size_t>(std::max(columns.columns, 1)));
    for (std::size_t i = from; i < end;) {
        // A summarised block that falls in one column adds its ranges whole.
        const std::size_t length = run.summaryAt(i);
        if (length != 0 && i + length <= end) {
            const auto &summary = run.summary(i);
            const SeriesRange &t = at(summary, RunSeries::T);
            const int column = columns.columnOf(t.lo);
            if (!t.empty() && column == columns.columnOf(t.hi)) {
                for (std::size_t k = 0; k < series.size(); ++k)
                    envelopes[k][static_cast<std::size_t>(column)].add(scaled(at(summary, series[k]), factors[k]));
                i += length;
                continue;
            }
        }
        const RunRow &row = run.row(i);
        const RunFields &fields = run.fields(i);
        const auto column = static_cast<std::size_t>(columns.columnOf(row.t));
        for (std::size_t k = 0; k < series.size(); ++k)
            envelopes[k][column].add(seriesValue(series[k], row, fields, run.unit()) * factors[k]);
        ++i;
    }
}

bool Axis::contains(const SeriesRange &range) const { return range.empty() || (lo <= range.lo && range.hi <= hi); }

Axis roundAxis(double lo, double hi, int maxTicks, bool includeZero)
{
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) {
        lo = 0;
        hi = 1;
    }
    if (includeZero) {
        lo = std::min(lo, 0.0);
        hi = std::max(hi, 0.0);
    }
    // A constant, or one that changes only in its last digits, gets room
    // around it.
    const double size = std::max(std::fabs(lo), std::fabs(hi));
    if (hi - lo <= size * 1e-9) {
        const double pad = size == 0 ? 1 : size * 0.1;
        lo = includeZero && lo >= 0 ? lo : lo - pad;
        hi = includeZero && hi <= 0 ? hi : hi + pad;
    }
    const int intervals = std::max(maxTicks - 1, 1);
    Axis axis;
    axis.step = roundStep((hi - lo) / intervals);
    for (;;) {
        axis.lo = std::floor(lo / axis.step) * axis.step;
        axis.hi = std::ceil(hi / axis.step) * axis.step;
        if ((axis.hi - axis.lo) / axis.step <= intervals + 1e-9)
            return axis;
        axis.step = roundStep(axis.step * 1.5);
    }
}

std::string tickText(double value, double step)
{
    value += 0.0; // no "-0"
    if (std::fabs(value) < step * 1e-9)
        value = 0;
    if (step >= 1e6 || step < 1e-4)
        return formatSignificant(value, 4);
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return formatFixed(value, 0, decimals);
}

std::optional<std::size_t> rowNearest(const RunRecorder &run, double t)
{
    if (run.empty())
        return std::nullopt;
    const auto distance = [&run, t](std::size_t i) { return std::fabs(run.row(i).t - t); };
    std::size_t best = 0;
    if (run.timeGrows()) {
        std::size_t lo = 0, hi = run.size();
        while (lo < hi) {
            const std::size_t mid = lo + (hi - lo) / 2;
            if (run.row(mid).t < t)
                lo = mid + 1;
            else
                hi = mid;
        }
        best = std::min(lo, run.size() - 1);
        if (best > 0 && distance(best - 1) <= distance(best))
            --best;
        return best;
    }
    for (std::size_t i = 1; i < run.size(); ++i)
        if (distance(i) < distance(best))
            best = i;
    return best;
}

std::string graphValueText(double value)
{
    return std::isfinite(value) ? formatSignificant(value + 0.0, kValueDigits) : kNotApplicable;
}

void GraphData::reset()
{
    rowsSeen_ = 0;
    recordedSeen_ = 0;
    columns_.columns = 0;
    curves_.clear();
}

bool GraphData::hasRightAxis() const
{
    return std::any_of(curves_.begin(), curves_.end(), [](const GraphCurve &c) { return c.axis == 1; });
}

bool GraphData::confinedEnergy() const { return choice_ == GraphChoice::Energy && curves_.size() == 1; }

void GraphData::update(const RunRecorder &run, GraphChoice choice, LengthUnit unit, int columns)
{
    columns = std::max(columns, 1);
    std::vector<GraphCurve> curves = graphCurves(choice, run);
    const bool sameView = choice == choice_ && unit == unit_ && columns == columns_.columns
                          && curves.size() == curves_.size() && run.generation() == generationSeen_;
    const std::uint64_t added = run.recorded() - recordedSeen_;
    const std::uint64_t droppedSince = run.recorded() - run.size() - droppedAtGather_;
    const bool fewDropped = droppedSince * 2 * static_cast<std::uint64_t>(columns) <= run.size();
    choice_ = choice;
    unit_ = unit;
    curves_ = std::move(curves);
    series_.clear();
    for (const GraphCurve &c : curves_)
        series_.push_back(c.series);

    if (sameView && fewDropped && rowsSeen_ > 0 && added <= run.size()) {
        if (added == 0)
            return;
        const std::size_t from = run.size() - static_cast<std::size_t>(added);
        std::vector<RunSeries> withTime = series_;
        withTime.push_back(RunSeries::T);
        if (fitsAxes(seriesExtents(run, withTime, unit_, from))) {
            addToEnvelopes(envelopes_, run, series_, columns_, unit_, from);
            rowsSeen_ = run.size();
            recordedSeen_ = run.recorded();
            return;
        }
    }
    columns_.columns = columns;
    gather(run);
}

void GraphData::gather(const RunRecorder &run)
{
    rowsSeen_ = run.size();
    recordedSeen_ = run.recorded();
    generationSeen_ = run.generation();
    droppedAtGather_ = run.recorded() - run.size();
    envelopes_.clear();
    std::vector<RunSeries> withTime = series_;
    withTime.push_back(RunSeries::T);
    const std::vector<SeriesRange> extents = seriesExtents(run, withTime, unit_);
    const SeriesRange &t = extents.back();
    time_ = t.empty() ? roundAxis(0, 1, kMaxTicks) : roundAxis(t.lo, t.hi, kMaxTicks);
    for (int axis = 0; axis < 2; ++axis) {
        SeriesRange shown;
        for (std::size_t k = 0; k < curves_.size(); ++k)
            if (curves_[k].axis == axis)
                shown.add(extents[k]);
        // Energies and sizes stand on 0, so a drift of parts per million stays flat.
        const bool fromZero = choice_ == GraphChoice::Energy || choice_ == GraphChoice::SpeedAndAcceleration;
        values_[axis] =
            shown.empty() ? roundAxis(0, 1, kMaxTicks, fromZero) : roundAxis(shown.lo, shown.hi, kMaxTicks, fromZero);
    }
    columns_.t0 = time_.lo;
    columns_.t1 = time_.hi;
    addToEnvelopes(envelopes_, run, series_, columns_, unit_);
}

bool GraphData::fitsAxes(const std::vector<SeriesRange> &extents) const
{
    if (!time_.contains(extents.back()))
        return false;
    for (std::size_t k = 0; k < curves_.size(); ++k)
        if (!valueAxis(curves_[k].axis).contains(extents[k]))
            return false;
    return true;
}

std::string graphCsvText(const RunRecorder &run, GraphChoice choice, LengthUnit shown)
{
    const std::vector<GraphCurve> curves = graphCurves(choice, run);
    std::vector<RunSeries> series;
    std::string csv = "t (s)";
    for (const GraphCurve &c : curves) {
        series.push_back(c.series);
        csv += std::string(",") + c.name + " (" + seriesUnit(c.series, shown, true) + ")";
    }
    csv += "\r\n";
    const std::vector<double> factors = factorsOf(run, series, shown);
    csv.reserve(csv.size() + run.size() * (10 + 12 * series.size()));
    for (std::size_t i = 0; i < run.size(); ++i) {
        const SeriesValues values = seriesValues(run.row(i), run.fields(i), run.unit());
        appendShortest(csv, run.row(i).t);
        for (std::size_t k = 0; k < series.size(); ++k) {
            csv += ',';
            appendShortest(csv, static_cast<float>(at(values, series[k]) * factors[k]));
        }
        csv += "\r\n";
    }
    return csv;
}

FileResult saveGraphCsv(const std::string &path, const RunRecorder &run, GraphChoice choice, LengthUnit shown)
{
    if (path.empty())
        return FileResult{false, orvalis::coreText("voltrix::ExperimentFile", kNoFileNameReason)};
    const int error = orvalis::writeWholeFile(path, graphCsvText(run, choice, shown), {".voltrix-", false}).error;
    if (error != 0)
        return FileResult{false, fileFailureReason(error)};
    return FileResult{true, {}};
}

} // namespace voltrix
