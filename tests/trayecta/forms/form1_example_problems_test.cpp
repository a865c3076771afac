// The example problems of the graph's menu: each fills the inputs, calculates
// without a failure and shows its statement; the results are the solver's.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "tests/trayecta/forms/Form1Fixture.h"
#include "trayecta/core/ExampleProblems.h"
#include "trayecta/forms/FormEnunciat.h"

namespace {

TEST_F(Form1Test, EachExampleProblemCalculatesAndShowsItsStatement)
{
    // In the graph's menu (its place there is checked with the menu's order).
    EXPECT_TRUE(form->mnuDibu->actions().contains(form->mnuProblemes));
    const auto &problems = trayecta::exampleProblems();
    ASSERT_GE(problems.size(), 7u);
    ASSERT_EQ(form->mnuProblema.size(), problems.size());
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const trayecta::ExampleProblem &p = problems[i];
        SCOPED_TRACE(p.title);
        form->mnuProblema[i]->trigger();
        EXPECT_TRUE(reports.empty()) << reports.back().text.toStdString();
        EXPECT_EQ(form->txtry0->text().toStdString(), p.inputs.ry0);
        EXPECT_EQ(form->txtaccelinicial[1]->text().toStdString(), p.inputs.accelinicial[1]);
        EXPECT_EQ(form->opt1->isChecked(), p.mode == trayecta::VelocityMode::Components);
        trayecta::InputTexts inputs = p.inputs;
        trayecta::ProjectileSolver solver;
        const trayecta::ResultTexts expected = solver.solve(inputs, p.mode).results;
        EXPECT_EQ(form->txtvuelo->text().toStdString(), *expected.vuelo);
        EXPECT_EQ(form->txtalcance->text().toStdString(), *expected.alcance);
        EXPECT_TRUE(form->frmEnunciat->isVisible());
        EXPECT_EQ(form->frmEnunciat->lblTitol->text(), QString::fromUtf8(p.title));
        EXPECT_EQ(form->frmEnunciat->lblEnunciat->text(), QString::fromUtf8(p.statement));
    }
}

} // namespace
