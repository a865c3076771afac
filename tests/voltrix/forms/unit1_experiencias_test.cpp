// "Experiencias": a classic experiment stops the animation, puts its whole
// state in place as a recall does (the panel, the field arrows and a new run
// follow), turns the view and opens its guide, whatever came before.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/ClassicExperiments.h"
#include "voltrix/forms/UnitGuia.h"

using namespace voltrix_test;

namespace {

TEST_F(MainWindowTest, AnExperienceSetsItselfUpFromAnyStateAndOpensItsGuide)
{
    EXPECT_EQ(Form1->MainMenu->actions().back(), Form1->Experiencias1);
    ASSERT_EQ(Form1->ExperienciasItems.size(), classicExperiments().size());

    // Running, in centimetres, confined.
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    Form1->Confinado->trigger();
    Form1->BtnAniStopMouseDown();
    step(5);

    const std::size_t cycloid = 5;
    const ClassicExperiment &e = classicExperiments()[cycloid];
    Form1->ExperienciasItems[cycloid]->trigger();
    EXPECT_FALSE(Form1->TimeAnimacion->isActive());
    EXPECT_EQ(Form1->BtnAniStop->text(), QStringLiteral("Animación"));
    EXPECT_FALSE(Sim.CampoConfinado);
    EXPECT_TRUE(Form1->TodoEspacio->isChecked());
    EXPECT_EQ(Sim.unit, LengthUnit::Metre);
    EXPECT_EQ(Form2->ComboUnidades->currentText(), QStringLiteral("m"));
    EXPECT_EQ(Form2->EditY->text(), QStringLiteral("10.0"));
    EXPECT_EQ(Form2->EditEz->text(), QStringLiteral("20.0"));
    EXPECT_EQ(Form2->EditBx->text(), QStringLiteral("2.0"));
    EXPECT_EQ(Form2->ScDt->value(), 20);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.00"));
    EXPECT_TRUE(Recorder.empty());
    EXPECT_EQ(view().Alfa, e.view.alfa);
    EXPECT_EQ(view().Zoom, e.zoom);
    // The field arrows follow, as they do not for a recall: B = (2, 0, 0) at ten units a tesla.
    expectNear(segmentTo(17), {90, 70, 70}, 1e-4f);
    expectNear(segmentTo(13), {50, 50, 250}, 1e-4f);

    EXPECT_TRUE(FormGuia->isVisible());
    EXPECT_EQ(FormGuia->LabelTitulo->text(), QString::fromUtf8(e.title));
    EXPECT_TRUE(FormGuia->LabelGuia->text().contains(QString::fromStdString(predictionLine(e))));

    // The confined one switches the region on: its faces show and B is off.
    Form1->ExperienciasItems.back()->trigger();
    EXPECT_TRUE(Sim.CampoConfinado);
    EXPECT_TRUE(Form1->Confinado->isChecked());
    EXPECT_EQ(view().plane(6).color, clYellow);
    EXPECT_EQ(FormGuia->LabelTitulo->text(), QString::fromUtf8(classicExperiments().back().title));
}

} // namespace
