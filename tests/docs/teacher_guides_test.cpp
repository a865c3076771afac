// Every number in the teacher's guides is one the programs show: each guide
// quotes, word for word, the set-up and the predictions of every classic
// experiment of Voltrix and the data and the results Trayecta gives for
// every example problem, from the same tables the menus use.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "trayecta/core/ExampleProblems.h"
#include "voltrix/core/ClassicExperiments.h"

namespace {

std::string guide(const char *name)
{
    std::ifstream in(std::string(ORVALIS_DOCS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TeacherGuides, QuoteEveryNumberTheProgramsShow)
{
    for (const char *name : {"guia-docente.md", "guia-docent.md"}) {
        SCOPED_TRACE(name);
        const std::string text = guide(name);
        ASSERT_FALSE(text.empty());
        const auto quoted = [&text](const std::string &line) {
            return text.find("`" + line + "`") != std::string::npos;
        };
        for (const voltrix::ClassicExperiment &e : voltrix::classicExperiments()) {
            EXPECT_TRUE(quoted(voltrix::setupLine(e))) << voltrix::setupLine(e);
            EXPECT_TRUE(quoted(voltrix::predictionLine(e))) << voltrix::predictionLine(e);
        }
        for (const trayecta::ExampleProblem &p : trayecta::exampleProblems()) {
            trayecta::InputTexts inputs = p.inputs;
            trayecta::ProjectileSolver solver;
            const trayecta::SolveOutcome outcome = solver.solve(inputs, p.mode);
            EXPECT_FALSE(outcome.failure.has_value()) << p.title;
            EXPECT_TRUE(quoted(trayecta::dataLine(p))) << trayecta::dataLine(p);
            EXPECT_TRUE(quoted(trayecta::answersLine(outcome.results))) << trayecta::answersLine(outcome.results);
        }
    }
}

} // namespace
