// The field-region switch, the window menu items, the vector figures and
// scale timer, saving and loading through the main window, and "Fin".
#include <QAction>
#include <QApplication>
#include <QDir>

#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/view3d/Colors.h"

using namespace voltrix_test;

namespace {

struct ConfinedState {
    float Bx, By, Bz;
    int CampoConfinado;
    bool vectorB;
    TColor magneticArrow, bottomFace, topFace;
    bool confinadoMark, todoMark;
};

ConfinedState snapshot(const SimState &sim)
{
    return {sim.Bx,
            sim.By,
            sim.Bz,
            sim.CampoConfinado,
            Form4->CheckVectorB->isChecked(),
            Form1->Xc3DWorld->segment(17).color,
            Form1->Xc3DWorld->plane(6).color,
            Form1->Xc3DWorld->plane(7).color,
            Form1->Confinado->isChecked(),
            Form1->TodoEspacio->isChecked()};
}

TEST_F(MainWindowTest, ConfiningSwitchesOffBAndShowsTheRegionFaces)
{
    Form4->CheckVectorB->setChecked(true);
    Form4->CheckBy->setChecked(true);
    ASSERT_EQ(view().segment(17).color, clRed);
    Form1->Confinado->trigger();

    EXPECT_EQ(Sim.CampoConfinado, 1);
    EXPECT_EQ(Sim.Bx, 0.0f);
    EXPECT_EQ(Sim.By, 0.0f);
    EXPECT_EQ(Sim.Bz, 0.0f);
    for (QScrollBar *slider : {Form2->ScBx, Form2->ScBy, Form2->ScBz})
        EXPECT_EQ(slider->value(), 0);
    for (QLineEdit *edit : {Form2->EditBx, Form2->EditBy, Form2->EditBz})
        EXPECT_EQ(edit->text(), QStringLiteral("0.0"));
    for (QCheckBox *box : {Form4->CheckVectorB, Form4->CheckBx, Form4->CheckBy, Form4->CheckBz})
        EXPECT_FALSE(box->isChecked());
    for (int s = 17; s <= 20; ++s)
        EXPECT_EQ(view().segment(s).color, clBlack) << s;
    EXPECT_EQ(view().label(5).color, clBlack);
    EXPECT_EQ(view().plane(5).color, clBlack);

    // The panel: E's x and y sliders and the magnetic group give way.
    for (QWidget *hidden : {static_cast<QWidget *>(Form2->ScEx), static_cast<QWidget *>(Form2->ScEy),
                            static_cast<QWidget *>(Form2->ScBx), static_cast<QWidget *>(Form2->ScBy),
                            static_cast<QWidget *>(Form2->ScBz), static_cast<QWidget *>(Form2->GroupMagnet)})
        EXPECT_TRUE(hidden->isHidden());
    EXPECT_FALSE(Form2->GroupELocal->isHidden());
    EXPECT_FALSE(Form2->ScEz->isHidden());

    // Two yellow faces behind everything, bottom at z 40 and top at z 60.
    for (int p : {6, 7}) {
        EXPECT_EQ(view().plane(p).color, clYellow);
        EXPECT_EQ(view().plane(p).kind, 1);
    }
    expectNear(planeCorner(6, 0), {40, 40, 40}, 0);
    expectNear(planeCorner(6, 1), {40, 60, 40}, 0);
    expectNear(planeCorner(6, 2), {60, 60, 40}, 0);
    expectNear(planeCorner(6, 3), {60, 40, 40}, 0);
    expectNear(planeCorner(7, 0), {60, 40, 60}, 0);
    expectNear(planeCorner(7, 2), {40, 60, 60}, 0);

    // Outside the region (the start position) the force is 0.
    EXPECT_EQ(Sim.ay, 0.0f);
    expectNear(segmentTo(9), {0, 20, 40}, 0);

    EXPECT_TRUE(Form1->Confinado->isChecked());
    EXPECT_FALSE(Form1->TodoEspacio->isChecked());
}

TEST_F(MainWindowTest, ConfiningTwiceLeavesTheSameState)
{
    Form1->Confinado->trigger();
    const ConfinedState once = snapshot(Sim);
    Form1->Confinado->trigger();
    const ConfinedState twice = snapshot(Sim);
    EXPECT_EQ(twice.CampoConfinado, once.CampoConfinado);
    EXPECT_EQ(twice.Bx, once.Bx);
    EXPECT_EQ(twice.bottomFace, once.bottomFace);
    EXPECT_EQ(twice.topFace, once.topFace);
    EXPECT_TRUE(twice.confinadoMark);
    EXPECT_FALSE(twice.todoMark);
}

TEST_F(MainWindowTest, BackToAllSpaceKeepsBAtZeroAndHidesTheFaces)
{
    Form1->Confinado->trigger();
    Form1->TodoEspacio->trigger();
    const ConfinedState back = snapshot(Sim);
    EXPECT_EQ(back.CampoConfinado, 0);
    EXPECT_EQ(back.Bx, 0.0f);
    EXPECT_EQ(back.bottomFace, clBlack);
    EXPECT_EQ(back.topFace, clBlack);
    EXPECT_FALSE(back.confinadoMark);
    EXPECT_TRUE(back.todoMark);
    for (QWidget *shown : {static_cast<QWidget *>(Form2->ScEx), static_cast<QWidget *>(Form2->ScEy),
                           static_cast<QWidget *>(Form2->ScBx), static_cast<QWidget *>(Form2->ScBy),
                           static_cast<QWidget *>(Form2->ScBz), static_cast<QWidget *>(Form2->GroupMagnet)})
        EXPECT_FALSE(shown->isHidden());
    EXPECT_TRUE(Form2->GroupELocal->isHidden());

    // Choosing the checked item again keeps its mark.
    Form1->TodoEspacio->trigger();
    EXPECT_TRUE(Form1->TodoEspacio->isChecked());
    EXPECT_FALSE(Form1->Confinado->isChecked());
}

TEST_F(MainWindowTest, WindowItemsToggleTheirWindowsAndMarks)
{
    struct Item {
        QAction *TForm1::*item;
        QWidget *window;
        bool marked;
    };
    const Item items[] = {
        {&TForm1::Control, Form2, true},        {&TForm1::MuestraVectores, Form4, true},
        {&TForm1::FactordeEscala, Form5, true}, {&TForm1::Informacion, Form3, false},
        {&TForm1::Ayuda1, Form6, false},
    };
    for (const Item &i : items) {
        QAction *action = Form1->*i.item;
        SCOPED_TRACE(action->text().toStdString());
        action->trigger();
        EXPECT_TRUE(i.window->isVisible());
        EXPECT_EQ(action->isChecked(), i.marked);
        action->trigger();
        EXPECT_FALSE(i.window->isVisible());
        EXPECT_FALSE(action->isChecked());

        // Closed by its own close box, the item keeps its mark and shows
        // the window again when chosen.
        action->trigger();
        i.window->close();
        EXPECT_FALSE(i.window->isVisible());
        EXPECT_EQ(action->isChecked(), i.marked);
        action->trigger();
        EXPECT_TRUE(i.window->isVisible());
        EXPECT_EQ(action->isChecked(), i.marked);
        i.window->hide();
    }
}

TEST_F(MainWindowTest, InformationAlwaysOpensOnTheText)
{
    Form1->Informacion->trigger();
    Form3->BtnGrupoClick();
    ASSERT_TRUE(Form3->isPictureState());
    Form1->Informacion->trigger(); // hides it
    Form1->Informacion->trigger(); // shows it again, with its text
    EXPECT_TRUE(Form3->isVisible());
    EXPECT_FALSE(Form3->isPictureState());
    EXPECT_TRUE(Form3->ImageGrupo->isHidden());
    EXPECT_FALSE(Form3->BtnGrupo->isHidden());
    Form3->hide();
}

TEST_F(MainWindowTest, FigurePlacementFollowsTheFactors)
{
    const auto place = [this](VectorQuantity quantity) {
        Form1->scene().placeFigure(quantity, vectorFigure(quantity, Sim, Factors));
    };
    // B = (2, 0, 0) with factor 10: arrow (70,70,70)-(90,70,70), "B" halfway.
    place(VectorQuantity::Magnetic);
    expectNear(segmentFrom(17), {70, 70, 70}, 0);
    expectNear(segmentTo(17), {90, 70, 70}, 0);
    expectNear(labelAt(5), {80, 70, 70}, 0);
    Sim.Bx = 0;
    Sim.Bz = 1;
    place(VectorQuantity::Magnetic);
    expectNear(labelAt(5), {70, 70, 75}, 0);

    // A zero electric field collapses onto its anchor.
    place(VectorQuantity::Electric);
    expectNear(segmentFrom(13), {50, 50, 50}, 0);
    expectNear(segmentTo(13), {50, 50, 50}, 0);
    expectNear(planeCorner(4, 2), {50, 50, 50}, 0);

    // A panel's own figure: label where the caller puts it.
    FigureGeometry own = figureGeometry({10, 20, 30}, {4, 6, 8});
    own.label = {1, 2, 3};
    Form1->scene().placeFigure(VectorQuantity::Velocity, own);
    expectNear(segmentTo(1), {14, 26, 38}, 0);
    expectNear(segmentFrom(2), {10, 26, 30}, 0);
    expectNear(segmentTo(2), {14, 26, 30}, 0);
    expectNear(segmentFrom(3), {14, 20, 30}, 0);
    expectNear(segmentTo(4), {14, 26, 38}, 0);
    expectNear(planeCorner(2, 1), {14, 20, 30}, 0);
    expectNear(planeCorner(2, 3), {10, 26, 30}, 0);
    expectNear(labelAt(1), {1, 2, 3}, 0);

    // The displayed acceleration.
    Sim.ax = 0;
    Sim.ay = 100;
    Sim.az = 0;
    Form1->IMPRIME_ACELERACION();
    EXPECT_EQ(Form4->EditAx->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("100.0"));
    EXPECT_EQ(Form4->EditAz->text(), QStringLiteral("0.0"));
    Factors.FactorA = 0.5f;
    Form1->DIBUJA_ACELERACION();
    expectNear(segmentTo(9), {0, 70, 40}, 0);
    expectNear(labelAt(3), {0, 45, 40}, 0);
}

TEST_F(MainWindowTest, ScaleTimerNeverGoesBelowATenthAndDrawsTheSelectedFigure)
{
    // Select the magnetic factor, then hold "down" from 0.3.
    QTest::mouseClick(Form5->ScaleB, Qt::LeftButton);
    ASSERT_TRUE(Form5->ScaleB->isChecked());
    Factors.FactorActual = 0.3f;
    Factors.PasoFactor = -0.1f;
    const char *shown[] = {"0.2", "0.1", "0.1"};
    for (const char *expected : shown) {
        Form1->TimeScaleTimer();
        EXPECT_EQ(Form5->EditScale->text(), QString::fromUtf8(expected));
        EXPECT_EQ(Factors.FactorB, Factors.FactorActual);
    }
    EXPECT_NEAR(Factors.FactorB, 0.1f, 1e-6f);
    expectNear(segmentTo(17), {70 + 0.2f, 70, 70}, 1e-5f);
    EXPECT_EQ(Factors.FactorV, 1.0f); // the other factors stay

    // With no button down only FactorActual and the box change.
    QTest::mouseClick(Form5->ScaleB, Qt::LeftButton);
    ASSERT_FALSE(Form5->ScaleB->isChecked());
    Factors.PasoFactor = 0.1f;
    Form1->TimeScaleTimer();
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("0.2"));
    EXPECT_NEAR(Factors.FactorB, 0.1f, 1e-6f);
}

TEST_F(MainWindowTest, StoredExperimentComesBackWithEveryDisplay)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    Sim.x = 12.5f;
    Sim.vy = -3;
    Sim.Ez = 4;
    Sim.By = 2.57f;
    Sim.q = 2;
    Sim.t = 1.5f;
    Files.UsarDatos = 1;
    Form1->saveToFile();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("DATOS.exp"))));
    EXPECT_EQ(Files.UsarDatos, 0);

    Sim.x = 70;
    Sim.vy = 0;
    Sim.Ez = 0;
    Sim.By = 0;
    Sim.q = 1;
    Sim.t = 0;
    Files.UsarDatos = 1;
    Form1->loadFromFile();
    QDir::setCurrent(previous);

    EXPECT_FLOAT_EQ(Sim.x, 12.5f);
    EXPECT_FLOAT_EQ(Sim.By, 2.57f);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("1.50"));
    EXPECT_EQ(Form2->EditX->text(), QStringLiteral("12.5"));
    EXPECT_EQ(Form2->ScX->value(), 120);
    EXPECT_EQ(Form2->ScVy->value(), -30);
    EXPECT_EQ(Form2->ScEz->value(), 40);
    EXPECT_EQ(Form2->EditEz->text(), QStringLiteral("4.0"));
    EXPECT_EQ(Form2->ScBy->value(), 25); // tenths placement for B
    EXPECT_EQ(Form2->EditBy->text(), QStringLiteral("2.6"));
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("2.0"));
    expectNear(particleAt(1), {12.5f, 20, 40}, 1e-4f);
    // q (E + v x B) with v = (0, -3, 50), B = (2, 2.57, 0), E = (0, 0, 4).
    EXPECT_EQ(Form4->EditAx->text(), QStringLiteral("-257.0"));
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("200.0"));
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheRunWhileOtherWindowsAreOpen)
{
    // The program's own event loop, in a child process: it must return when
    // the main window closes, although the control panel is still open.
    const auto runUntilClosed = [] {
        Form1->show();
        Form1->Control->trigger();
        QTimer::singleShot(10000, [] { std::_Exit(3); }); // fallback against a hang
        QTimer::singleShot(0, [] { Form1->close(); });
        const int code = QApplication::exec();
        std::_Exit(code == 0 ? 7 : 4);
    };
    EXPECT_EXIT(runUntilClosed(), ::testing::ExitedWithCode(7), "");
}

TEST_F(MainWindowTest, FinEndsTheProgramAtOnceWithCodeZero)
{
    EXPECT_EXIT(Form1->Fin1->trigger(), ::testing::ExitedWithCode(0), "");
}

} // namespace
