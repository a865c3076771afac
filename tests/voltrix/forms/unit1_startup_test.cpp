// The main window as the program starts: layout, menu, timers and the scene.
#include <QAction>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <set>
#include <stdexcept>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/forms/HandlerFailure.h"
#include "voltrix/view3d/Colors.h"

using namespace voltrix_test;

namespace {

TEST_F(MainWindowTest, WindowHasCaptionSizeAndViewAboveTheStrip)
{
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Carga en Campos Eléctrico y Magnético"));
    // 316 x 399 outside, so the control panel placed at y 393 meets its bottom
    // edge instead of covering the strip.
    EXPECT_EQ(Form1->size(), QSize(316 - 8, 399 - 27));
    EXPECT_EQ(Form1->pos(), QPoint(0, 0));
    EXPECT_EQ(Form1->Panel2->height(), 45);

    // Shown, the view fills the client area between the menu and the strip,
    // and the scene is set up for the view's size.
    Form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
    const QRect viewRect = view().geometry();
    const QRect strip = Form1->Panel2->geometry();
    EXPECT_EQ(view().width(), Form1->width());
    EXPECT_EQ(viewRect.bottom() + 1, strip.top());
    EXPECT_EQ(strip.bottom() + 1, Form1->centralWidget()->height());
    // The client area runs from below the menu to the window's bottom edge.
    EXPECT_GT(Form1->centralWidget()->y(), 0);
    EXPECT_EQ(Form1->centralWidget()->geometry().bottom() + 1, 399 - 27);
    EXPECT_EQ(view().height(), 399 - 27 - Form1->centralWidget()->y() - 45);
    EXPECT_EQ(view().bitmapImage().size(), view().size());
    EXPECT_EQ(view().Wc(), static_cast<float>(view().width() / 2));
    Form1->hide();

    // Only the main window is shown by the program; the others start hidden.
    for (QWidget *other : {static_cast<QWidget *>(Form2), static_cast<QWidget *>(Form3), static_cast<QWidget *>(Form4),
                           static_cast<QWidget *>(Form5), static_cast<QWidget *>(Form6)})
        EXPECT_TRUE(other->isHidden());
}

TEST_F(MainWindowTest, StripControlsStartAsLaidOut)
{
    struct Box {
        QCheckBox *box;
        const char *caption;
        bool ticked;
        bool hidden;
    };
    const Box boxes[] = {
        {Form1->CheckCubo, "Cubo", true, false},        {Form1->CheckEjes, "Ejes", true, false},
        {Form1->CheckParpadeo, "Parpadeo", true, true}, {Form1->CheckTraza, "Traza", true, false},
        {Form1->CheckTiempo, "Tiempo", false, false},
    };
    for (const Box &b : boxes) {
        SCOPED_TRACE(b.caption);
        EXPECT_EQ(b.box->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.box->isChecked(), b.ticked);
        EXPECT_EQ(b.box->isHidden(), b.hidden);
    }
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.00"));
    EXPECT_TRUE(Form1->EditT->isHidden());
    EXPECT_EQ(Form1->BtnAniStop->text(), QStringLiteral("Animación"));
    EXPECT_EQ(Form1->BtnAniStop->palette().color(QPalette::ButtonText), toQColor(clMaroon));
    EXPECT_EQ(Form1->LabelGiro->text(), QStringLiteral("Giro"));
    EXPECT_EQ(Form1->LabelZoom->text(), QStringLiteral("Zoom"));
    EXPECT_TRUE(Form1->Panel2->font().bold());
    EXPECT_EQ(Form1->CheckCubo->palette().color(QPalette::WindowText), toQColor(clNavy));

    // Row 1 runs left to right in the stated order.
    const QWidget *row1[] = {Form1->CheckCubo, Form1->CheckEjes, Form1->GiroL, Form1->GiroD,     Form1->LabelGiro,
                             Form1->GiroU,     Form1->GiroR,     Form1->ZoomU, Form1->LabelZoom, Form1->ZoomD};
    for (std::size_t i = 1; i < std::size(row1); ++i)
        EXPECT_LE(row1[i - 1]->geometry().right(), row1[i]->geometry().left()) << i;
    for (const QWidget *w : row1)
        EXPECT_LE(w->geometry().right(), Form1->width());
    EXPECT_LE(Form1->EditT->geometry().right(), Form1->width());
    const QWidget *row2[] = {Form1->BtnAniStop, Form1->CheckParpadeo, Form1->CheckTraza, Form1->CheckTiempo,
                             Form1->EditT};
    for (std::size_t i = 1; i < std::size(row2); ++i)
        EXPECT_LE(row2[i - 1]->geometry().right(), row2[i]->geometry().left()) << i;
    EXPECT_LT(Form1->CheckCubo->geometry().bottom(), Form1->BtnAniStop->geometry().top());
}

TEST_F(MainWindowTest, FiveTimersOnOneClockAllStopped)
{
    for (TickTimer *timer : {Form1->TimeAnimacion, Form1->TimeGiro, Form1->TimeZoom, Form1->TimeScale, Form1->TimeQ}) {
        ASSERT_NE(timer, nullptr);
        EXPECT_FALSE(timer->isActive());
    }
    // Five distinct timers, each started and stopped on its own.
    std::set<TickTimer *> distinct{Form1->TimeAnimacion, Form1->TimeGiro, Form1->TimeZoom, Form1->TimeScale,
                                   Form1->TimeQ};
    EXPECT_EQ(distinct.size(), 5u);
    Form1->TimeGiro->start();
    EXPECT_TRUE(Form1->TimeGiro->isActive());
    EXPECT_FALSE(Form1->TimeZoom->isActive());
    Form1->TimeGiro->stop();
}

TEST_F(MainWindowTest, MenuHasEveryItemWithItsCaption)
{
    struct Item {
        QAction *action;
        const char *caption;
        bool checkable;
        bool checked;
    };
    const Item items[] = {
        {Form1->Ficheros, "Ficheros", false, false},
        {Form1->Cargar, "Cargar", false, false},
        {Form1->Grabar, "Grabar", false, false},
        {Form1->Fin1, "Fin", false, false},
        {Form1->Paneles1, "Paneles", false, false},
        {Form1->Control, "Posic. Veloc. Campos Carga", true, false},
        {Form1->RegionCampoElectrico, "Región Campo Eléctrico", false, false},
        {Form1->TodoEspacio, "En todo el espacio", true, true},
        {Form1->Confinado, "Confinado", true, false},
        {Form1->MuestraVectores, "Muestra Vectores", true, false},
        {Form1->FactordeEscala, "Factor de Escala", true, false},
        {Form1->Informacion, "Información", false, false},
        {Form1->Ayuda1, "Ayuda", false, false},
        {Form1->Animacion1, "Animación", false, false},
        {Form1->IniciarDetener, "Iniciar / Detener", false, false},
        {Form1->UnPaso, "Un paso", false, false},
        {Form1->Velocidad, "Velocidad", false, false},
        {Form1->VelocidadNormal, "Normal", true, true},
        {Form1->VelocidadRapida, "Rápida", true, false},
        {Form1->VelocidadMaxima, "Máxima", true, false},
    };
    for (const Item &item : items) {
        SCOPED_TRACE(item.caption);
        ASSERT_NE(item.action, nullptr);
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(item.action->isCheckable(), item.checkable);
        EXPECT_EQ(item.action->isChecked(), item.checked);
    }
    // The submenus hold their items.
    EXPECT_TRUE(Form1->Ficheros->menu()->actions().contains(Form1->Fin1));
    EXPECT_TRUE(Form1->RegionCampoElectrico->menu()->actions().contains(Form1->Confinado));
    EXPECT_TRUE(Form1->Paneles1->menu()->actions().contains(Form1->Control));
    EXPECT_TRUE(Form1->MainMenu->actions().contains(Form1->Ficheros));
    // "Animación" comes after the design's two menus, and "Experiencias" after it.
    EXPECT_EQ(Form1->MainMenu->actions(),
              (QList<QAction *>{Form1->Ficheros, Form1->Paneles1, Form1->Animacion1, Form1->Experiencias1}));
    EXPECT_EQ(Form1->Animacion1->menu()->actions(),
              (QList<QAction *>{Form1->IniciarDetener, Form1->UnPaso, Form1->Velocidad}));
    EXPECT_EQ(Form1->UnPaso->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Right));
}

TEST_F(MainWindowTest, StartUpSceneHasLimeAxesGreenCubeAndTheParticleWithItsArrow)
{
    TXc3DWorld &v = view();
    // The set-up gives teal; ticking "Ejes" at creation turns them lime.
    EXPECT_EQ(v.axesColor(), clLime);
    EXPECT_TRUE(v.ShowAxes);
    EXPECT_EQ(v.cubeColor(), clGreen);
    EXPECT_TRUE(v.ShowCube);
    EXPECT_TRUE(v.ShowTrace);
    EXPECT_EQ(v.Color, clBlack);
    EXPECT_FLOAT_EQ(v.Zoom, 0.55f);
    EXPECT_EQ(v.Alfa, 0);
    EXPECT_EQ(v.Beta, 0);

    EXPECT_EQ(v.particleCount(), 100);
    EXPECT_EQ(v.segmentCount(), 100);
    EXPECT_EQ(v.planeCount(), 9);
    EXPECT_EQ(v.labelCount(), 5);
    EXPECT_EQ(v.traceCount(), 1);
    EXPECT_EQ(v.NParticles, 1);
    EXPECT_EQ(v.NSegments, 20);
    EXPECT_EQ(v.NPlanes, 9);
    EXPECT_EQ(v.NLabels, 5);
    EXPECT_EQ(v.NTraces, 1);
    EXPECT_EQ(v.NPoints, 0);

    // The charge at (0, 20, 40), red, radius 6, with its trace linked.
    expectNear(particleAt(1), {0, 20, 40}, 0);
    EXPECT_EQ(v.particle(1).color, clRed);
    EXPECT_EQ(v.particle(1).radius, 6);
    EXPECT_EQ(v.particle(1).linkedTrace, 1);
    EXPECT_EQ(v.trace(1).interval, 25);
    EXPECT_EQ(v.trace(1).N, 40);
    EXPECT_EQ(v.trace(1).color, clLime);

    // The aqua velocity arrow "V" at true length; its lines stay hidden.
    EXPECT_EQ(v.segment(1).color, clAqua);
    EXPECT_EQ(v.segment(1).kind, 0);
    expectNear(segmentFrom(1), {0, 20, 40}, 0);
    expectNear(segmentTo(1), {0, 20, 90}, 0);
    EXPECT_EQ(v.label(1).text, "V");
    EXPECT_EQ(v.label(1).color, clAqua);
    expectNear(labelAt(1), {5, 25, 70}, 0);

    // Every other arrow, line and label is black, i.e. hidden.
    for (int s = 2; s <= 20; ++s) {
        EXPECT_EQ(v.segment(s).color, clBlack) << s;
        if (s != 5 && s != 9 && s != 13 && s != 17) {
            EXPECT_EQ(v.segment(s).kind, 1) << s;
            EXPECT_EQ(v.segment(s).penStyle, 2) << s;
        }
    }
    const char *texts[] = {"V", "r", "a", "E", "B"};
    for (int l = 2; l <= 5; ++l) {
        EXPECT_EQ(v.label(l).text, texts[l - 1]);
        EXPECT_EQ(v.label(l).color, clBlack) << l;
    }
    expectNear(labelAt(2), {5, 15, 25}, 0);
    expectNear(labelAt(4), {50, 50, 50}, 0);
    expectNear(labelAt(5), {54, 60, 50}, 0);

    // The navy floor behind everything; the region faces hidden.
    EXPECT_EQ(v.plane(1).color, clNavy);
    EXPECT_EQ(v.plane(1).kind, 1);
    expectNear(planeCorner(1, 2), {100, 100, 0}, 0);
    for (int p = 2; p <= 9; ++p)
        EXPECT_EQ(v.plane(p).color, clBlack) << p;

    // The state the scene shows.
    EXPECT_FLOAT_EQ(Sim.x, 0);
    EXPECT_FLOAT_EQ(Sim.y, 20);
    EXPECT_FLOAT_EQ(Sim.z, 40);
    EXPECT_FLOAT_EQ(Sim.vz, 50);
    EXPECT_FLOAT_EQ(Sim.Bx, 2);
}

TEST_F(MainWindowTest, StartUpPictureShowsTheSceneColours)
{
    TXc3DWorld &v = view();
    v.DrawWorld();
    const QImage image = v.bitmapImage();
    ASSERT_FALSE(image.isNull());
    std::set<TColor> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(fromQColor(image.pixelColor(x, y)));
    for (TColor expected : {clBlack, clGreen, clLime, clNavy, clRed, clAqua}) {
        EXPECT_TRUE(seen.count(expected)) << std::hex << expected;
    }
    EXPECT_FALSE(seen.count(clTeal)); // the axes were recoloured before drawing
    EXPECT_FALSE(seen.count(clYellow));
}

TEST_F(MainWindowTest, ResizingRescalesTheSceneAndKeepsTheState)
{
    const SimState before = Sim;
    const float zoomBefore = Camera.ZoomActual;
    const ScreenPoint oldPixel = view().particle(1).screen;
    Form1->show();
    Form1->resize(500, 600); // the window's resize handler rescales the view
    EXPECT_NE(view().particle(1).screen.x, oldPixel.x);
    EXPECT_EQ(view().width(), 500);
    EXPECT_EQ(view().bitmapImage().width(), 500);
    EXPECT_EQ(Sim.x, before.x);
    EXPECT_EQ(Sim.t, before.t);
    EXPECT_EQ(Camera.ZoomActual, zoomBefore);
}

// The program delivers every event through deliverShowingFailure: a handler
// that fails shows its message and the run goes on.
TEST(HandlerFailureTest, FailureEscapingAHandlerIsShownAndTheRunGoesOn)
{
    struct Case {
        const char *name;
        std::function<bool()> handler;
        bool expectedResult;
        QString expectedBox; // empty: no box
    };
    const Case cases[] = {
        {"handled", [] { return true; }, true, QString()},
        {"not handled", [] { return false; }, false, QString()},
        {"std exception", []() -> bool { throw std::runtime_error("disco lleno"); }, false,
         QStringLiteral("disco lleno")},
        {"bad_alloc", []() -> bool { throw std::bad_alloc(); }, false, QString::fromUtf8(std::bad_alloc().what())},
        {"not an exception class", []() -> bool { throw 42; }, false, QStringLiteral("Error desconocido.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString shown;
        QTimer closer;
        closer.setInterval(5);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                EXPECT_EQ(box->icon(), QMessageBox::Critical);
                box->accept();
            }
        });
        closer.start();
        const bool result = deliverShowingFailure(c.handler);
        closer.stop();
        EXPECT_EQ(result, c.expectedResult);
        EXPECT_EQ(shown, c.expectedBox);
    }
}

} // namespace
