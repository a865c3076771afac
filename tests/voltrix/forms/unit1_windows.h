#pragma once
// The six windows created in the program's order on a fresh simulation state,
// destroyed after each test; plus readers of the main window's scene in world
// coordinates (the view stores them relative to the box centre).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "SimState.h"
#include "TXc3DWorld.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "ProgramWindows.h"

struct World3 {
    float x, y, z;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        voltrix::Sim = voltrix::SimState{};
        createVoltrixWindows();
    }

    void TearDown() override
    {
        destroyVoltrixWindows();
    }

    static TXc3DWorld &view() { return *Form1->Xc3DWorld; }

    static World3 particleAt(int i)
    {
        const SceneParticle &p = view().particle(i);
        return {p.x + view().cx(), p.y + view().cy(), p.z + view().cz()};
    }
    static World3 segmentFrom(int i)
    {
        const SceneSegment &s = view().segment(i);
        return {s.x1 + view().cx(), s.y1 + view().cy(), s.z1 + view().cz()};
    }
    static World3 segmentTo(int i)
    {
        const SceneSegment &s = view().segment(i);
        return {s.x2 + view().cx(), s.y2 + view().cy(), s.z2 + view().cz()};
    }
    static World3 labelAt(int i)
    {
        const SceneLabel &l = view().label(i);
        return {l.x + view().cx(), l.y + view().cy(), l.z + view().cz()};
    }
    static World3 planeCorner(int i, int corner)
    {
        const auto &c = view().plane(i).corners;
        const auto k = static_cast<std::size_t>(3 * corner);
        return {c[k] + view().cx(), c[k + 1] + view().cy(), c[k + 2] + view().cz()};
    }

    // One animation step through the window's timer handler, as a timer
    // event runs it.
    static void step(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            Form1->TimeAnimacionTimer();
    }
};

// Single-precision coordinates compared to a tolerance of the step's rounding.
inline void expectNear(World3 actual, World3 expected, float tolerance = 1e-3f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
