// The vector options window: its boxes, what each shows or hides in the view
// and where it places the figures.
#include "tests/support/VoltrixWindows.h"

using namespace voltrix_test;

namespace panel_test {
namespace {

class VectorOptions : public VoltrixWindows {
protected:
    void SetUp() override
    {
        VoltrixWindows::SetUp();
        Form4->show();
    }

    static void click(QCheckBox *box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); }

    static constexpr TColor kBlue = clBlue;
};

TEST_F(VectorOptions, WindowStartsWithOnlyTheVelocityArrow)
{
    EXPECT_EQ(Form4->windowTitle(), QStringLiteral("Muestra"));
    EXPECT_EQ(Form4->pos(), QPoint(316, 328));
    EXPECT_EQ(Form4->MuestraPos->title(), QStringLiteral("Posición"));
    EXPECT_EQ(Form4->MuestraVel->title(), QStringLiteral("Velocidad"));
    EXPECT_EQ(Form4->MuestraAceleracion->title(), QStringLiteral("Aceleración m/s*s"));
    EXPECT_EQ(Form4->MuestraE->title(), QStringLiteral("Eléctrico"));
    EXPECT_EQ(Form4->MuestraB->title(), QStringLiteral("Magnético"));

    const std::pair<QCheckBox *, const char *> boxes[] = {
        {Form4->CheckVectorPo, "Vector"},  {Form4->CheckPosX, "X"}, {Form4->CheckPosY, "Y"}, {Form4->CheckPosZ, "Z"},
        {Form4->CheckVectorVel, "Vector"}, {Form4->CheckVx, "Vx"},  {Form4->CheckVy, "Vy"},  {Form4->CheckVz, "Vz"},
        {Form4->CheckVectorA, "Vector"},   {Form4->CheckAx, "Ax"},  {Form4->CheckAy, "Ay"},  {Form4->CheckAz, "Az"},
        {Form4->CheckVectorE, "Vector"},   {Form4->CheckEx, "Ex"},  {Form4->CheckEy, "Ey"},  {Form4->CheckEz, "Ez"},
        {Form4->CheckVectorB, "Vector"},   {Form4->CheckBx, "Bx"},  {Form4->CheckBy, "By"},  {Form4->CheckBz, "Bz"},
    };
    for (const auto &[box, caption] : boxes) {
        EXPECT_EQ(box->text(), QString::fromLatin1(caption));
        EXPECT_EQ(box->isChecked(), box == Form4->CheckVectorVel) << caption;
        // Every box lies inside its group and the groups inside the window.
        EXPECT_TRUE(box->parentWidget()->rect().contains(box->geometry())) << caption;
        EXPECT_TRUE(Form4->rect().contains(box->parentWidget()->geometry())) << caption;
    }
    EXPECT_EQ(Form4->EditAx->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("100.0"));
    EXPECT_EQ(Form4->EditAz->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Form4->EditAx->parentWidget(), Form4->MuestraAceleracion);
    EXPECT_EQ(view().segment(1).color, clAqua);
    EXPECT_EQ(view().label(1).color, clAqua);
}

TEST_F(VectorOptions, RectangleStaysWhileAnotherComponentIsShown)
{
    struct Group {
        QCheckBox *first, *second;
        int line, plane;
    };
    const Group groups[] = {
        {Form4->CheckVx, Form4->CheckVy, 2, 2},
        {Form4->CheckAy, Form4->CheckAz, 11, 3},
        {Form4->CheckEx, Form4->CheckEz, 14, 4},
        {Form4->CheckBy, Form4->CheckBz, 18, 5},
    };
    for (const Group &g : groups) {
        SCOPED_TRACE(g.plane);
        click(g.first);
        click(g.second);
        EXPECT_EQ(view().plane(g.plane).color, kBlue);
        click(g.second); // the other one is still ticked
        EXPECT_EQ(view().plane(g.plane).color, kBlue);
        click(g.first);
        EXPECT_EQ(view().plane(g.plane).color, clBlack);
    }
    // Position lines have no rectangle and hide with their box.
    click(Form4->CheckPosX);
    EXPECT_EQ(view().segment(6).color, clWhite);
    click(Form4->CheckPosX);
    EXPECT_EQ(view().segment(6).color, clBlack);
}

TEST_F(VectorOptions, ComponentBoxesColourTheirOwnLine)
{
    struct Line {
        QCheckBox *box;
        int segment;
        TColor colour;
    };
    const Line lines[] = {
        {Form4->CheckPosZ, 8, clWhite}, {Form4->CheckVy, 3, clAqua}, {Form4->CheckAx, 10, clSilver},
        {Form4->CheckEz, 16, clYellow}, {Form4->CheckBx, 18, clRed},
    };
    for (const Line &l : lines) {
        click(l.box);
        EXPECT_EQ(view().segment(l.segment).color, l.colour) << l.segment;
        // The neighbouring line of the same figure stays hidden.
        const int neighbour = (l.segment % 4 == 0) ? l.segment - 1 : l.segment + 1;
        EXPECT_EQ(view().segment(neighbour).color, clBlack) << neighbour;
    }
}

TEST_F(VectorOptions, VelocityLinesMeetTheArrowTipWithAFactor)
{
    Factors.FactorV = 2.0f;
    Sim.vx = 3.0f;
    Sim.vy = 4.0f;
    Sim.vz = 5.0f;
    click(Form4->CheckVx);
    click(Form4->CheckVy);
    click(Form4->CheckVz);
    const World3 tip = segmentTo(1);
    expectNear(tip, {6, 28, 50});
    expectNear(segmentTo(4), tip);
    expectNear(segmentTo(2), {6, 28, 40});
    expectNear(segmentTo(3), {6, 28, 40});
    expectNear(planeCorner(2, 2), {6, 28, 40});
    expectNear(labelAt(1), {3 + 5, 24 + 5, 45 + 5});
}

TEST_F(VectorOptions, AccelerationVectorBoxLeavesShownLinesInPlace)
{
    click(Form4->CheckVectorA);
    EXPECT_EQ(view().segment(9).color, clSilver);
    EXPECT_EQ(view().label(3).color, clSilver);
    expectNear(segmentTo(9), {0, 120, 40});
    expectNear(labelAt(3), {0, 120, 40}); // the label sits at the tip

    click(Form4->CheckAy);
    EXPECT_EQ(view().segment(11).color, clSilver);
    const World3 lineEnd = segmentTo(11);

    click(Form4->CheckVectorA);
    EXPECT_EQ(view().segment(9).color, clBlack);
    EXPECT_EQ(view().label(3).color, clBlack);
    EXPECT_EQ(view().segment(11).color, clSilver);
    expectNear(segmentTo(11), lineEnd);
}

TEST_F(VectorOptions, PositionVectorRunsFromTheOriginToTheParticle)
{
    click(Form4->CheckVectorPo);
    EXPECT_EQ(view().segment(5).color, clWhite);
    EXPECT_EQ(view().label(2).color, clWhite);
    expectNear(segmentFrom(5), {0, 0, 0});
    expectNear(segmentTo(5), {0, 20, 40});
    expectNear(labelAt(2), {0, 25, 25});
    click(Form4->CheckVectorPo);
    EXPECT_EQ(view().segment(5).color, clBlack);
    EXPECT_EQ(view().label(2).color, clBlack);
}

TEST_F(VectorOptions, FieldVectorsStandAtTheirAnchors)
{
    Sim.Ez = 1.0f;
    click(Form4->CheckVectorE);
    EXPECT_EQ(view().segment(13).color, clYellow);
    expectNear(segmentFrom(13), {50, 50, 50});
    expectNear(segmentTo(13), {50, 50, 60});
    expectNear(labelAt(4), {50, 50, 55});

    Sim.Bz = 1.0f;
    Sim.Bx = 0.0f;
    click(Form4->CheckVectorB);
    EXPECT_EQ(view().segment(17).color, clRed);
    EXPECT_EQ(view().label(5).color, clRed);
    expectNear(labelAt(5), {70, 70, 75});

    // Confining the field unticks the magnetic boxes through their handlers.
    click(Form4->CheckBz);
    Form1->ConfinadoClick();
    EXPECT_FALSE(Form4->CheckVectorB->isChecked());
    EXPECT_FALSE(Form4->CheckBz->isChecked());
    EXPECT_EQ(view().segment(20).color, clBlack);
    EXPECT_EQ(view().plane(5).color, clBlack);
}

} // namespace
} // namespace panel_test
