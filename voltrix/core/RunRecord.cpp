#include "voltrix/core/RunRecord.h"

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

} // namespace

RunRecorder::RunRecorder(std::size_t capacity)
    : capacity_(capacity)
{}

void RunRecorder::clear()
{
    // The memory of a long run goes back as well.
    rows_ = std::vector<RunRow>();
    first_ = 0;
    size_ = 0;
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

    if (rows_.size() < capacity_) {
        // Reserved whole once: the pages are only touched as rows come, and
        // no row is ever copied to a larger block.
        if (rows_.capacity() == 0)
            rows_.reserve(capacity_);
        rows_.push_back(row);
        ++size_;
        return;
    }
    rows_[first_] = row;
    first_ = (first_ + 1) % capacity_;
}

const RunRow &RunRecorder::row(std::size_t i) const { return rows_[(first_ + i) % capacity_]; }

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
        return FileResult{false, kNoFileNameReason};
    const int error = orvalis::writeWholeFile(path, runCsvText(run, unit), {".voltrix-", false}).error;
    if (error != 0)
        return FileResult{false, fileFailureReason(error)};
    return FileResult{true, {}};
}

} // namespace voltrix
