#pragma once
// The run as data for a spreadsheet: the instant a run starts and every step
// after it (time, position, velocity and the acceleration the force law gives
// at that state), kept in a ring of at most kMaxRecordedSteps rows so that a
// run left going for hours keeps its latest part in bounded memory. Rows are
// kept in one length unit, the one in force at the first row; a row taken
// while the other unit is selected is converted as it comes, and the export
// writes every row in the unit selected when it is made. The CSV is plain
// ASCII (and so UTF-8): a header row naming each column with its unit, then
// one row per instant, comma-separated, the shortest decimal-point text of
// each float, rows ended by CR LF, whatever the user's locale.
//
// For the graphs the run also keeps the charge and the electric field each
// row was taken in (they change seldom: a short list of changes), and, for
// each block of kSummaryRows consecutive ring slots, the least and greatest
// value of every quantity a graph can plot, so that a graph of a million rows
// reads some thousands of summaries instead of every row.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/SimState.h"

namespace voltrix {

// A million rows of 40 bytes: at most 40 MB, touched only as rows come.
inline constexpr std::size_t kMaxRecordedSteps = 1'000'000;

struct RunRow {
    float t;
    float x, y, z;
    float vx, vy, vz;
    float ax, ay, az;
};

// What the potential energy of a row depends on.
struct RunFields {
    float q = 0, m = 1;
    float Ex = 0, Ey = 0, Ez = 0;
    bool confined = false;
    bool operator==(const RunFields &) const = default;
};

// Every quantity a graph plots against t: the row's nine values, the speed
// and the size of the acceleration (in the row's unit), and, with m = 1 kg,
// the kinetic energy ½·m·v², the potential energy -q·E·r of the uniform field
// and their sum (J, with lengths in metres). The potential energy has no
// value (NaN) where the field was confined: such a field is not conservative.
enum class RunSeries { T, X, Y, Z, Vx, Vy, Vz, Ax, Ay, Az, Speed, AccelerationSize, Kinetic, Potential, Total };
inline constexpr int kRunSeries = 15;
using SeriesValues = std::array<double, kRunSeries>;
double seriesValue(RunSeries series, const RunRow &row, const RunFields &fields, LengthUnit rowUnit);
SeriesValues seriesValues(const RunRow &row, const RunFields &fields, LengthUnit rowUnit);

// What a series' values are multiplied by to go from one length unit to
// another (1 for the time and the energies, which are always SI).
double seriesFactor(RunSeries series, LengthUnit from, LengthUnit to);

// The least and greatest finite value seen (empty: lo > hi).
struct SeriesRange {
    float lo = 1, hi = 0;
    bool empty() const { return lo > hi; }
    void add(double value)
    {
        if (!std::isfinite(value))
            return;
        // Beyond a float's range (an energy of a huge charge) it stands at the edge.
        constexpr double kLargest = std::numeric_limits<float>::max();
        const auto v = static_cast<float>(std::clamp(value, -kLargest, kLargest));
        if (empty()) {
            lo = hi = v;
            return;
        }
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    void add(const SeriesRange &other)
    {
        if (other.empty())
            return;
        if (empty()) {
            *this = other;
            return;
        }
        lo = std::min(lo, other.lo);
        hi = std::max(hi, other.hi);
    }
};

inline constexpr std::size_t kSummaryRows = 64;

class RunRecorder {
public:
    explicit RunRecorder(std::size_t capacity = kMaxRecordedSteps);

    // A new run: nothing recorded.
    void clear();
    // The state as it stands, with the acceleration at it in the display
    // unit; the oldest row goes once the ring is full.
    void record(const SimState &s);

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    // The unit of every row kept: the one in force at the first.
    LengthUnit unit() const { return unit_; }
    // Row i of those kept, oldest first.
    const RunRow &row(std::size_t i) const;
    // The fields row i was taken in.
    const RunFields &fields(std::size_t i) const;
    // Whether any kept row was taken in the confined field.
    bool anyConfined() const;
    // Rows recorded in this run, the dropped ones included.
    std::uint64_t recorded() const { return recorded_; }
    // Counts the runs: one more at every clear().
    std::uint64_t generation() const { return generation_; }
    // False once a row came earlier in time than the one before it (a time
    // typed into the time box), until the run restarts.
    bool timeGrows() const { return timeGrows_; }

    // The summaries: kept row i starts a summarised stretch of `length` rows
    // (0 when it does not), whose ranges are given.
    std::size_t summaryAt(std::size_t i) const;
    const std::array<SeriesRange, kRunSeries> &summary(std::size_t i) const;

private:
    struct FieldsFrom {
        std::uint64_t row; // the first row, counted from the run's start
        RunFields fields;
    };
    struct Block {
        std::array<SeriesRange, kRunSeries> ranges;
        std::size_t rows = 0;
    };
    std::size_t slotOf(std::size_t i) const { return (first_ + i) % capacity_; }
    std::size_t blockLength(std::size_t block) const;

    std::size_t capacity_;
    std::vector<RunRow> rows_;
    std::size_t first_ = 0; // the oldest row, once the ring has wrapped
    std::size_t size_ = 0;
    LengthUnit unit_ = LengthUnit::Metre;
    std::uint64_t recorded_ = 0;
    std::uint64_t generation_ = 0;
    bool timeGrows_ = true;
    std::vector<FieldsFrom> fields_;
    std::vector<Block> blocks_;
};

// The header row for a unit: "t (s),x (m),...,ax (m/s^2),ay (m/s^2),az (m/s^2)".
std::string runCsvHeader(LengthUnit unit);

// The whole CSV, every row in the unit given.
std::string runCsvText(const RunRecorder &run, LengthUnit unit);

// Writes runCsvText through a temporary file renamed over the target, as
// experiment files are saved (a failed export leaves an old file whole);
// failures carry the same reasons.
FileResult saveRunCsv(const std::string &path, const RunRecorder &run, LengthUnit unit);

} // namespace voltrix
