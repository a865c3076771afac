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
#include <cstddef>
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

private:
    std::size_t capacity_;
    std::vector<RunRow> rows_;
    std::size_t first_ = 0; // the oldest row, once the ring has wrapped
    std::size_t size_ = 0;
    LengthUnit unit_ = LengthUnit::Metre;
};

// The header row for a unit: "t (s),x (m),...,ax (m/s^2),ay (m/s^2),az (m/s^2)".
std::string runCsvHeader(LengthUnit unit);

// The whole CSV, every row in the unit given.
std::string runCsvText(const RunRecorder &run, LengthUnit unit);

// Writes runCsvText through a temporary file renamed over the target, as
// experiment files are saved (a failed export leaves an old file whole);
// failures carry the same Spanish reasons.
FileResult saveRunCsv(const std::string &path, const RunRecorder &run, LengthUnit unit);

} // namespace voltrix
