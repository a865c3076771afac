#include "voltrix/core/RunRecord.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "common/CoreText.h"
#include "common/WholeFile.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"

namespace voltrix {

namespace {

constexpr double kCmPerM = 100.0;
constexpr double kMPerCm = 0.01;
// About ten numbers of up to nine characters a row.
constexpr std::size_t kCsvRowChars = 96;

// From one length unit to another (1 when they are the same).
double unitFactor(LengthUnit from, LengthUnit to)
{
    if (from == to)
        return 1.0;
    return to == LengthUnit::Centimetre ? kCmPerM : kMPerCm;
}

float converted(float value, double factor) { return factor == 1.0 ? value : static_cast<float>(value * factor); }

double length(double x, double y, double z) { return std::sqrt(x * x + y * y + z * z); }

} // namespace

double seriesValue(RunSeries series, const RunRow &r, const RunFields &f, LengthUnit rowUnit)
{
    const double toMetres = rowUnit == LengthUnit::Centimetre ? kMPerCm : 1.0;
    const auto kinetic = [&] {
        const double speed = length(r.vx, r.vy, r.vz) * toMetres;
        return 0.5 * f.m * speed * speed;
    };
    // U = q·V with V = -E·r (zero at the origin of the box).
    const auto potential = [&] {
        if (f.confined)
            return std::numeric_limits<double>::quiet_NaN();
        const double fieldAlong =
            static_cast<double>(f.Ex) * r.x + static_cast<double>(f.Ey) * r.y + static_cast<double>(f.Ez) * r.z;
        return -static_cast<double>(f.q) * fieldAlong * toMetres;
    };
    switch (series) {
    case RunSeries::T: return r.t;
    case RunSeries::X: return r.x;
    case RunSeries::Y: return r.y;
    case RunSeries::Z: return r.z;
    case RunSeries::Vx: return r.vx;
    case RunSeries::Vy: return r.vy;
    case RunSeries::Vz: return r.vz;
    case RunSeries::Ax: return r.ax;
    case RunSeries::Ay: return r.ay;
    case RunSeries::Az: return r.az;
    case RunSeries::Speed: return length(r.vx, r.vy, r.vz);
    case RunSeries::AccelerationSize: return length(r.ax, r.ay, r.az);
    case RunSeries::Kinetic: return kinetic();
    case RunSeries::Potential: return potential();
    case RunSeries::Total: break;
    }
    return kinetic() + potential();
}

SeriesValues seriesValues(const RunRow &r, const RunFields &f, LengthUnit rowUnit)
{
    SeriesValues values{};
    for (int k = 0; k < kRunSeries; ++k)
        values[static_cast<std::size_t>(k)] = seriesValue(static_cast<RunSeries>(k), r, f, rowUnit);
    return values;
}

double seriesFactor(RunSeries series, LengthUnit from, LengthUnit to)
{
    switch (series) {
    case RunSeries::T:
    case RunSeries::Kinetic:
    case RunSeries::Potential:
    case RunSeries::Total: return 1.0;
    default: return unitFactor(from, to);
    }
}

RunRecorder::RunRecorder(std::size_t capacity)
    : capacity_(capacity)
{}

void RunRecorder::clear()
{
    // The memory of a long run goes back as well.
    rows_ = std::vector<RunRow>();
    blocks_ = std::vector<Block>();
    fields_.clear();
    first_ = 0;
    size_ = 0;
    recorded_ = 0;
    ++generation_;
    timeGrows_ = true;
}

void RunRecorder::record(const SimState &s)
{
    if (capacity_ == 0)
        return;
    if (size_ == 0)
        unit_ = s.unit;

    // The force law at the recorded state (the step keeps the one at the
    // start of the step), in m/s², then per display unit.
    SimState at = s;
    computeForceForDisplay(at);
    const double lengths = unitFactor(s.unit, unit_);
    const double accelerations = unit_ == LengthUnit::Centimetre ? kCmPerM : 1.0;
    const RunRow row{
        s.t,
        converted(s.x, lengths),
        converted(s.y, lengths),
        converted(s.z, lengths),
        converted(s.vx, lengths),
        converted(s.vy, lengths),
        converted(s.vz, lengths),
        converted(at.ax, accelerations),
        converted(at.ay, accelerations),
        converted(at.az, accelerations),
    };

    if (size_ > 0 && row.t < this->row(size_ - 1).t)
        timeGrows_ = false;
    const RunFields now{s.q, s.m, s.Ex, s.Ey, s.Ez, s.CampoConfinado};
    if (fields_.empty() || !(fields_.back().fields == now))
        fields_.push_back({recorded_, now});

    std::size_t slot = first_;
    if (rows_.size() < capacity_) {
        // Reserved whole once: the pages are only touched as rows come, and
        // no row is ever copied to a larger block.
        if (rows_.capacity() == 0) {
            rows_.reserve(capacity_);
            blocks_.reserve(capacity_ / kSummaryRows + 1);
        }
        slot = rows_.size();
        rows_.push_back(row);
        ++size_;
    } else {
        rows_[first_] = row;
        first_ = (first_ + 1) % capacity_;
    }
    ++recorded_;

    // A block's summary starts afresh with the first row written into it.
    const std::size_t b = slot / kSummaryRows;
    if (slot % kSummaryRows == 0) {
        if (b == blocks_.size())
            blocks_.emplace_back();
        blocks_[b] = Block{};
    }
    Block &block = blocks_[b];
    const SeriesValues values = seriesValues(row, now, unit_);
    for (std::size_t k = 0; k < values.size(); ++k)
        block.ranges[k].add(values[k]);
    ++block.rows;

    // The fields of rows no longer kept are forgotten.
    const std::uint64_t firstKept = recorded_ - size_;
    const auto stillNeeded = std::find_if(fields_.begin() + 1, fields_.end(),
                                          [firstKept](const FieldsFrom &f) { return f.row > firstKept; });
    fields_.erase(fields_.begin(), stillNeeded - 1);
}

const RunRow &RunRecorder::row(std::size_t i) const { return rows_[slotOf(i)]; }

const RunFields &RunRecorder::fields(std::size_t i) const
{
    const std::uint64_t absolute = recorded_ - size_ + i;
    const auto after = std::upper_bound(fields_.begin(), fields_.end(), absolute,
                                        [](std::uint64_t row, const FieldsFrom &f) { return row < f.row; });
    return std::prev(after)->fields;
}

bool RunRecorder::anyConfined() const
{
    return std::any_of(fields_.begin(), fields_.end(), [](const FieldsFrom &f) { return f.fields.confined; });
}

std::size_t RunRecorder::blockLength(std::size_t block) const
{
    return std::min(kSummaryRows, capacity_ - block * kSummaryRows);
}

std::size_t RunRecorder::summaryAt(std::size_t i) const
{
    const std::size_t slot = slotOf(i);
    if (slot % kSummaryRows != 0)
        return 0;
    // Whole only once every slot of the block has been written since it
    // started afresh; the block holding the ring's oldest row is not.
    const std::size_t b = slot / kSummaryRows;
    const std::size_t length = blockLength(b);
    return b < blocks_.size() && blocks_[b].rows == length && i + length <= size_ ? length : 0;
}

const std::array<SeriesRange, kRunSeries> &RunRecorder::summary(std::size_t i) const
{
    return blocks_[slotOf(i) / kSummaryRows].ranges;
}

std::string runCsvHeader(LengthUnit unit)
{
    const std::string length = unit == LengthUnit::Centimetre ? "cm" : "m";
    const std::string speed = length + "/s";
    const std::string acceleration = length + "/s^2";
    return "t (s),x (" + length + "),y (" + length + "),z (" + length + "),vx (" + speed + "),vy (" + speed + "),vz ("
           + speed + "),ax (" + acceleration + "),ay (" + acceleration + "),az (" + acceleration + ")";
}

std::string runCsvText(const RunRecorder &run, LengthUnit unit)
{
    const double factor = unitFactor(run.unit(), unit);
    std::string csv;
    csv.reserve(kCsvRowChars * (run.size() + 1));
    csv += runCsvHeader(unit);
    csv += "\r\n";
    for (std::size_t i = 0; i < run.size(); ++i) {
        const RunRow &r = run.row(i);
        appendShortest(csv, r.t);
        for (float value : {r.x, r.y, r.z, r.vx, r.vy, r.vz, r.ax, r.ay, r.az}) {
            csv += ',';
            appendShortest(csv, converted(value, factor));
        }
        csv += "\r\n";
    }
    return csv;
}

FileResult saveRunCsv(const std::string &path, const RunRecorder &run, LengthUnit unit)
{
    if (path.empty())
        return FileResult{false, orvalis::coreText("voltrix::ExperimentFile", kNoFileNameReason)};
    const int error = orvalis::writeWholeFile(path, runCsvText(run, unit), {".voltrix-", false}).error;
    if (error != 0)
        return FileResult{false, fileFailureReason(error)};
    return FileResult{true, {}};
}

} // namespace voltrix
