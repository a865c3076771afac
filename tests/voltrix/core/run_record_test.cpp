// The recorded run and its CSV: the rows a known start state gives step by
// step, the ring that keeps only the latest rows, one unit for every row, and
// the export's safe write with the experiment files' reasons.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/RunRecord.h"

namespace fs = std::filesystem;
using namespace voltrix;

namespace {

std::vector<std::string> linesOf(const std::string &csv)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < csv.size()) {
        const std::size_t end = csv.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every row ends in CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

constexpr LengthUnit kM = LengthUnit::Metre, kCm = LengthUnit::Centimetre;

// A run as the main window records it: the start, then each step.
RunRecorder recordRun(SimState &s, int steps, LengthUnit unit, std::size_t capacity = kMaxRecordedSteps)
{
    s.unit = unit;
    RunRecorder run(capacity);
    run.record(s);
    for (int i = 0; i < steps; ++i) {
        integrateStep(s);
        run.record(s);
    }
    return run;
}

// One record or step with the unit box showing the unit given.
void recordIn(RunRecorder &run, SimState &s, LengthUnit unit)
{
    s.unit = unit;
    run.record(s);
}
void stepIn(SimState &s, LengthUnit unit)
{
    s.unit = unit;
    integrateStep(s);
}

std::string readBytes(const fs::path &p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RunCsvFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path()
                  / ("voltrix-run-csv-" + std::to_string(::getpid()) + "-"
                     + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

} // namespace

TEST(RunRecord, HeaderAndFirstRowsAfterThreeStepsOfTheStartState)
{
    SimState s;
    const RunRecorder run = recordRun(s, 3, kM);
    const std::vector<std::string> lines = linesOf(runCsvText(run, kM));
    ASSERT_EQ(lines.size(), 5u); // header, the start and three steps
    EXPECT_EQ(lines[0], "t (s),x (m),y (m),z (m),vx (m/s),vy (m/s),vz (m/s),ax (m/s^2),ay (m/s^2),az (m/s^2)");
    // At rest on the start state the force is q v × B = (0, 100, 0).
    EXPECT_EQ(lines[1], "0,0,20,40,0,0,50,0,100,0");
    // One midpoint step of 0.01 s: y + 0.5·0.01, z + 50·0.01, vy 1, vz 49.99;
    // the acceleration at the new velocity is (0, 2·49.99, -2·1).
    EXPECT_EQ(lines[2], "0.01,0,20.005,40.5,0,1,49.99,0,99.98,-2");
    EXPECT_EQ(lines[3].substr(0, 5), "0.02,");
    // The last row is the state the third step left.
    const std::string position = "0.03," + formatShortest(s.x) + "," + formatShortest(s.y) + "," + formatShortest(s.z);
    EXPECT_EQ(lines[4].substr(0, position.size()), position);
    EXPECT_EQ(run.row(3).vz, s.vz);
    EXPECT_EQ(run.row(3).t, s.t);
}

TEST(RunRecord, EveryRowIsInOneUnit)
{
    struct Case {
        const char *name;
        LengthUnit recordedIn, stepIn, exportIn;
        const char *header, *start;
    } cases[] = {
        {"m", kM, kM, kM, "t (s),x (m)", "0,0,20,40,0,0,50,0,100,0"},
        // 50 cm/s is 0.5 m/s: a force of 1 N, an acceleration of 100 cm/s².
        {"cm", kCm, kCm, kCm, "t (s),x (cm)", "0,0,20,40,0,0,50,0,100,0"},
        // The run began in cm; exported in m, the rows come converted.
        {"cm exported in m", kCm, kCm, kM, "t (s),x (m)", "0,0,0.2,0.4,0,0,0.5,0,1,0"},
        // A step taken after switching to m joins the run converted to cm.
        {"switched to m", kCm, kM, kCm, "t (s),x (cm)", "0,0,20,40,0,0,50,0,100,0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimState s;
        RunRecorder run;
        recordIn(run, s, c.recordedIn);
        stepIn(s, c.stepIn);
        recordIn(run, s, c.stepIn);
        EXPECT_EQ(run.unit(), c.recordedIn);
        const std::vector<std::string> lines = linesOf(runCsvText(run, c.exportIn));
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0].substr(0, std::string(c.header).size()), c.header);
        EXPECT_EQ(lines[1], c.start);
    }
    // Switched to m, the state jumped to 40.5 m: the run keeps it as 4050 cm.
    SimState s;
    RunRecorder run;
    recordIn(run, s, kCm);
    stepIn(s, kM);
    recordIn(run, s, kM);
    EXPECT_FLOAT_EQ(run.row(1).z, 4050.0f);
    EXPECT_FLOAT_EQ(run.row(1).vz, 100.0f * s.vz);
}

TEST(RunRecord, ALongRunKeepsItsLatestRowsUpToTheBound)
{
    struct Case {
        int steps;
        std::size_t capacity;
        std::size_t kept;
    } cases[] = {{3, 10, 4}, {9, 10, 10}, {10, 10, 10}, {1000, 100, 100}, {5, 1, 1}, {5, 0, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.steps);
        SimState s;
        const RunRecorder run = recordRun(s, c.steps, kM, c.capacity);
        ASSERT_EQ(run.size(), c.kept);
        const std::vector<std::string> lines = linesOf(runCsvText(run, kM));
        EXPECT_EQ(lines.size(), c.kept + 1);
        if (c.kept == 0)
            continue;
        // Oldest first, the last row being the state now.
        EXPECT_EQ(run.row(c.kept - 1).t, s.t);
        // t sums float steps, so it drifts a little from k·0.01 over a long run.
        EXPECT_NEAR(run.row(0).t, static_cast<float>(c.steps + 1 - static_cast<int>(c.kept)) * 0.01f, 1e-3f);
        for (std::size_t i = 1; i < c.kept; ++i)
            ASSERT_GT(run.row(i).t, run.row(i - 1).t) << i;
    }
    // The bound of the program: a million rows of 40 bytes.
    EXPECT_EQ(RunRecorder().capacity(), 1'000'000u);
    EXPECT_EQ(sizeof(RunRow), 40u);
}

TEST(RunRecord, ClearingStartsANewRun)
{
    SimState s;
    RunRecorder run = recordRun(s, 5, kCm);
    run.clear();
    EXPECT_TRUE(run.empty());
    EXPECT_EQ(linesOf(runCsvText(run, kM)).size(), 1u);
    recordIn(run, s, kM); // the new run takes the unit now selected
    EXPECT_EQ(run.unit(), kM);
    EXPECT_EQ(run.size(), 1u);
    EXPECT_EQ(run.row(0).t, s.t);
}

TEST_F(RunCsvFiles, ExportWritesTheTextAndFailsWithTheExperimentReasons)
{
    SimState s;
    const RunRecorder run = recordRun(s, 3, kM);
    const fs::path target = folder_ / "datos.csv";
    FileResult result = saveRunCsv(target.string(), run, kM);
    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(readBytes(target), runCsvText(run, kM));

    // Root writes anywhere, so the folder that cannot be written is a path
    // through a regular file.
    const fs::path notAFolder = folder_ / "notas.txt";
    std::ofstream(notAFolder) << "notas";
    result = saveRunCsv((notAFolder / "datos.csv").string(), run, kM);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, fileFailureReason(ENOTDIR));
    EXPECT_EQ(result.reason, "una parte de la ruta no es una carpeta");
    EXPECT_EQ(readBytes(notAFolder), "notas");

    result = saveRunCsv(folder_.string(), run, kM);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "es una carpeta, no un archivo");
    result = saveRunCsv("", run, kM);
    EXPECT_EQ(result.reason, kNoFileNameReason);

    // Nothing but the written file is left in the folder.
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"datos.csv", "notas.txt"}));
}
