#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/trayecta/core/SolvedProblems.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryExport.h"

using namespace trayecta;

namespace {

struct Row {
    double t, x, y;
};

// Splits the table into its header and rows, checking that every row ends in
// CR LF and holds three numbers written with the point.
std::vector<Row> rowsOf(const std::string &csv, std::string &header)
{
    std::vector<Row> rows;
    std::size_t at = 0;
    bool first = true;
    while (at < csv.size()) {
        const std::size_t end = csv.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "a row without CR LF";
        if (end == std::string::npos) {
            break;
        }
        const std::string line = csv.substr(at, end - at);
        at = end + 2;
        if (first) {
            header = line;
            first = false;
            continue;
        }
        EXPECT_EQ(line.find(';'), std::string::npos);
        Row row{};
        char rest = 0;
        std::istringstream in(line);
        in.imbue(std::locale::classic());
        char comma1 = 0, comma2 = 0;
        in >> row.t >> comma1 >> row.x >> comma2 >> row.y;
        EXPECT_TRUE(in && comma1 == ',' && comma2 == ',' && !(in >> rest)) << line;
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(TrajectoryExport, StartUpProblemTableRunsFromTheLaunchToTheImpactInStepsOf1Over750)
{
    const TrajectoryInputs inputs = solvedGraphInputs(startUp());
    const std::optional<std::string> csv = pointsCsv(inputs);
    ASSERT_TRUE(csv);
    std::string header;
    const std::vector<Row> rows = rowsOf(*csv, header);
    EXPECT_EQ(header, "t (s),x (m),y (m)");
    ASSERT_EQ(rows.size(), 4371u);
    EXPECT_EQ(csv->substr(0, 40), "t (s),x (m),y (m)\r\n0,0,15\r\n0.00133333333");

    const double vx = 15.000000000000002;
    const double vy = 25.980762113533157;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const double t = static_cast<double>(k) / 750.0;
        ASSERT_NEAR(rows[k].t, t, 1e-14 * (1 + t)) << k; // 15 significant digits
        ASSERT_NEAR(rows[k].x, vx * t, 1e-12 * (1 + t)) << k;
        ASSERT_NEAR(rows[k].y, 15.0 + vy * t - 4.9 * t * t, 1e-12 * (1 + t)) << k;
    }
    // The last row is the last step before the impact at 5,82750274959999 s,
    // a few centimetres above the ground.
    const double T = 5.82750274959999;
    EXPECT_LE(rows.back().t, T);
    EXPECT_LT(T - rows.back().t, 1.0 / 750.0);
    EXPECT_GE(rows.back().y, 0.0);
    EXPECT_LT(rows.back().y, 34.6 / 750.0);
    EXPECT_NEAR(rows.back().x, 87.41, 0.03);
}

TEST(TrajectoryExport, TableIsTheSameBytesInEveryLocale)
{
    InputTexts in = startUp();
    in.rx0 = "-12,5";
    in.accelinicial = {"1,25", "-9,8"};
    const TrajectoryInputs inputs = solvedGraphInputs(in);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::vector<std::string> tables;
    for (const char *locale : {"C", "es_ES.UTF-8", "ca_ES.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale << " is not installed";
        tables.push_back(pointsCsv(inputs).value_or(""));
    }
    std::setlocale(LC_ALL, before.c_str());
    ASSERT_FALSE(tables[0].empty());
    EXPECT_EQ(tables[1], tables[0]);
    EXPECT_EQ(tables[2], tables[0]);
    EXPECT_EQ(tables[0].find_first_of(";\t"), std::string::npos);
    for (const unsigned char c : tables[0]) {
        ASSERT_LT(c, 0x80) << "plain ASCII, so UTF-8 for every reader";
    }
    EXPECT_EQ(tables[0].substr(0, 31), "t (s),x (m),y (m)\r\n0,-12.5,15\r\n");
}

TEST(TrajectoryExport, LongFlightTableHoldsThePlottedSample)
{
    const TrajectoryInputs inputs = solvedGraphInputs(longFlight(), VelocityMode::SpeedAndSineCosine);
    ASSERT_EQ(inputs.flightTime, "100000");
    std::string header;
    const std::vector<Row> rows = rowsOf(pointsCsv(inputs).value_or(""), header);
    const std::vector<std::int64_t> steps = plottedSteps(100000.0, inputs.vy, inputs.hy);
    ASSERT_EQ(rows.size(), steps.size());
    EXPECT_LE(rows.size(), static_cast<std::size_t>(kMaxPlotPoints));
    EXPECT_EQ(rows.front().t, 0.0);
    EXPECT_DOUBLE_EQ(rows.back().t, 100000.0);
    EXPECT_NEAR(rows.back().y, 0.0, 1e-3 * 490000.0);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_LT(rows[i - 1].t, rows[i].t) << i;
    }
}

TEST(TrajectoryExport, NoTableFromInputsThatDoNotRead)
{
    TrajectoryInputs inputs = solvedGraphInputs(startUp());
    inputs.flightTime = "abc";
    EXPECT_FALSE(pointsCsv(inputs));
    // A negative flight time plots no point: the table is the header alone.
    inputs.flightTime = "-2";
    EXPECT_EQ(pointsCsv(inputs), std::string("t (s),x (m),y (m)\r\n"));
}

TEST(TrajectoryExport, DataNumbersUseThePointAndFifteenDigits)
{
    const std::pair<double, const char *> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {15.0, "15"},
        {-4.9, "-4.9"},
        {1.0 / 750.0, "0.00133333333333333"},
        {1.5e-5, "1.5e-05"},
        {87.4125412440001, "87.4125412440001"},
        {1e300, "1e+300"},
        {15.000000000000027, "15"},
    };
    const std::string before = std::setlocale(LC_ALL, nullptr);
    for (const char *locale : {"C", "es_ES.UTF-8", "ca_ES.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr) << locale;
        for (const auto &[value, text] : cases) {
            std::string out = "x";
            appendDataNumber(out, value);
            EXPECT_EQ(out, std::string("x") + text) << value << " in " << locale;
        }
    }
    std::setlocale(LC_ALL, before.c_str());
}

TEST(TrajectoryExport, PictureFormatComesFromTheNameThenTheChosenType)
{
    struct Case {
        const char *name;
        PictureFormat chosen;
        PictureFormat format;
    };
    const Case cases[] = {
        {"/tmp/a.png", PictureFormat::Svg, PictureFormat::Png}, {"/tmp/a.SVG", PictureFormat::Png, PictureFormat::Svg},
        {"/tmp/a.Png", PictureFormat::Svg, PictureFormat::Png}, {"/tmp/a", PictureFormat::Svg, PictureFormat::Svg},
        {"/tmp/a", PictureFormat::Png, PictureFormat::Png},     {"/tmp/a.jpg", PictureFormat::Svg, PictureFormat::Svg},
        {"/tmp/svg", PictureFormat::Png, PictureFormat::Png},   {"", PictureFormat::Png, PictureFormat::Png},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(pictureFormatFor(c.name, c.chosen), c.format) << c.name;
    }
}
