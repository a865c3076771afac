#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <vector>

#include "tests/support/VoltrixWindows.h"

using namespace voltrix_test;

namespace {

class ScaleWindow : public VoltrixWindows {
protected:
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    static void typeAndEnter(const QString &text)
    {
        Form5->EditScale->clear();
        QTest::keyClicks(Form5->EditScale, text);
        QTest::keyClick(Form5->EditScale, Qt::Key_Return);
    }

    static std::vector<bool> downButtons()
    {
        return {Form5->ScaleV->isChecked(), Form5->ScaleA->isChecked(), Form5->ScaleE->isChecked(),
                Form5->ScaleB->isChecked()};
    }
};

TEST_F(ScaleWindow, StartsWithVelocityDownAndItsFactorShown)
{
    EXPECT_EQ(Form5->windowTitle(), QStringLiteral("Escala"));
    // The client area of the 114 x 114 window.
    EXPECT_EQ(Form5->size(), QSize(106, 87));
    EXPECT_EQ(Form5->pos(), QPoint(316, 223));
    EXPECT_EQ(downButtons(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("1.0"));
    EXPECT_FLOAT_EQ(Factors.FactorActual, Factors.FactorV);
    EXPECT_FALSE(Form1->TimeScale->isActive());
}

// Every control lies inside the small client area, none over another, and
// the four captions are read whole.
TEST_F(ScaleWindow, ControlsFitTheWindowWithoutOverlapOrClipping)
{
    const std::vector<QWidget *> controls{Form5->ScaleV,    Form5->ScaleA,    Form5->ScaleE, Form5->ScaleB,
                                          Form5->ScaleDown, Form5->EditScale, Form5->ScaleUp};
    const QRect client(QPoint(0, 0), Form5->size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QRect place(controls[i]->mapTo(Form5, QPoint(0, 0)), controls[i]->size());
        EXPECT_TRUE(client.contains(place)) << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const QRect other(controls[j]->mapTo(Form5, QPoint(0, 0)), controls[j]->size());
            EXPECT_FALSE(place.intersects(other)) << i << " " << j;
        }
    }
    for (QPushButton *toggle : {Form5->ScaleV, Form5->ScaleA, Form5->ScaleE, Form5->ScaleB}) {
        const QFontMetrics metrics(toggle->font());
        EXPECT_LE(metrics.horizontalAdvance(toggle->text()), toggle->width() - 4) << toggle->text().toStdString();
        EXPECT_LE(metrics.height(), toggle->height()) << toggle->text().toStdString();
    }
}

// Picking a quantity leaves the focus in the box, so its value can be typed
// at once.
TEST_F(ScaleWindow, PickingAQuantityKeepsTheBoxReadyForTyping)
{
    Form5->show();
    QApplication::setActiveWindow(Form5);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form5));
    Form5->EditScale->setFocus();

    click(Form5->ScaleA);
    EXPECT_TRUE(Form5->EditScale->hasFocus());
    Form5->EditScale->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2.5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FLOAT_EQ(Factors.FactorA, 2.5f);
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("2.5"));
}

TEST_F(ScaleWindow, ToggleButtonsKeepAtMostOneDown)
{
    Factors.FactorA = 2.5f;
    Factors.FactorB = 7.25f;
    struct Step {
        QPushButton *TForm5::*button;
        std::vector<bool> down;
        const char *shown;
        float factor;
    };
    const Step steps[] = {
        {&TForm5::ScaleE, {false, false, true, false}, "10.0", 10.0f}, // the field's start factor
        {&TForm5::ScaleA, {false, true, false, false}, "2.5", 2.5f},
        {&TForm5::ScaleA, {false, false, false, false}, "2.5", 2.5f}, // pressing the down one releases it
        {&TForm5::ScaleB, {false, false, false, true}, "7.2", 7.25f},
        {&TForm5::ScaleV, {true, false, false, false}, "1.0", 1.0f},
    };
    for (const Step &step : steps) {
        click(Form5->*step.button);
        EXPECT_EQ(downButtons(), step.down) << step.shown;
        EXPECT_EQ(Form5->EditScale->text(), QString::fromLatin1(step.shown));
        EXPECT_FLOAT_EQ(Factors.FactorActual, step.factor);
    }
}

TEST_F(ScaleWindow, HoldingDownFromPointThreeStopsAtPointOne)
{
    Factors.FactorV = 0.3f;
    click(Form5->ScaleA);
    click(Form5->ScaleV);
    ASSERT_FLOAT_EQ(Factors.FactorActual, 0.3f);

    QTest::mousePress(Form5->ScaleDown, Qt::LeftButton);
    EXPECT_TRUE(Form1->TimeScale->isActive());
    EXPECT_FLOAT_EQ(Factors.PasoFactor, -0.1f);
    for (const char *shown : {"0.2", "0.1", "0.1", "0.1"}) {
        Form1->TimeScaleTimer();
        EXPECT_EQ(Form5->EditScale->text(), QString::fromLatin1(shown));
        EXPECT_GE(Factors.FactorV, 0.1f);
        EXPECT_NEAR(Factors.FactorV, Form5->EditScale->text().toDouble(), 1e-6);
    }
    EXPECT_FLOAT_EQ(Factors.FactorA, 1.0f);
    QTest::mouseRelease(Form5->ScaleDown, Qt::LeftButton);
    EXPECT_FALSE(Form1->TimeScale->isActive());
}

TEST_F(ScaleWindow, HoldingUpRaisesOnlyTheFactorThatIsDown)
{
    click(Form5->ScaleB);
    QTest::mousePress(Form5->ScaleUp, Qt::LeftButton);
    Form1->TimeScaleTimer();
    Form1->TimeScaleTimer();
    QTest::mouseRelease(Form5->ScaleUp, Qt::LeftButton);
    EXPECT_NEAR(Factors.FactorB, 10.2f, 1e-5);
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("10.2"));
    EXPECT_FLOAT_EQ(Factors.FactorV, 1.0f);
    EXPECT_FLOAT_EQ(Factors.FactorE, 10.0f);
}

TEST_F(ScaleWindow, HoldButtonsAnswerEveryMouseButton)
{
    struct Case {
        QPushButton *TForm5::*button;
        Qt::MouseButton mouse;
        float step;
    };
    const Case cases[] = {
        {&TForm5::ScaleUp, Qt::RightButton, 0.1f},
        {&TForm5::ScaleDown, Qt::MiddleButton, -0.1f},
        {&TForm5::ScaleDown, Qt::RightButton, -0.1f},
        {&TForm5::ScaleUp, Qt::LeftButton, 0.1f},
    };
    for (const Case &c : cases) {
        QTest::mousePress(Form5->*c.button, c.mouse);
        EXPECT_TRUE(Form1->TimeScale->isActive()) << c.mouse;
        EXPECT_FLOAT_EQ(Factors.PasoFactor, c.step);
        QTest::mouseRelease(Form5->*c.button, c.mouse);
        EXPECT_FALSE(Form1->TimeScale->isActive()) << c.mouse;
    }
}

TEST_F(ScaleWindow, HidingTheWindowWhileHeldStopsTheTimer)
{
    Form5->show();
    QTest::mousePress(Form5->ScaleUp, Qt::LeftButton);
    ASSERT_TRUE(Form1->TimeScale->isActive());
    Form5->hide();
    EXPECT_FALSE(Form1->TimeScale->isActive());
    QTest::mouseRelease(Form5->ScaleUp, Qt::LeftButton);
}

TEST_F(ScaleWindow, TypedValueBecomesTheSelectedFactor)
{
    struct Case {
        const char *typed;
        float factor;
        const char *shown;
    };
    const Case cases[] = {
        {"0", 0.1f, "0.1"},
        {"-4", 0.1f, "0.1"},
        {"20000000", 0.1f, "0.1"}, // above ten million reads as 0
        {"10000000", 1e7f, "10000000.0"},
        {"palabra", 0.1f, "0.1"},
        {"", 0.1f, "0.1"},
        {"   ", 0.1f, "0.1"},
        {"nan", 0.1f, "0.1"},
        {"inf", 0.1f, "0.1"},
        {"-inf", 0.1f, "0.1"},
        {"1e39", 0.1f, "0.1"},
        {"2.57", 2.57f, "2.6"},
        {" 3.5cm", 3.5f, "3.5"},
        {"0.05", 0.1f, "0.1"},
    };
    click(Form5->ScaleE);
    // Each step value a hold may have left behind must cancel out.
    for (float step : {0.0f, 0.1f, -0.1f}) {
        Factors.PasoFactor = step;
        for (const Case &c : cases) {
            typeAndEnter(QString::fromLatin1(c.typed));
            EXPECT_NEAR(Factors.FactorE, c.factor, c.factor * 1e-6) << c.typed << " step " << step;
            EXPECT_EQ(Form5->EditScale->text(), QString::fromLatin1(c.shown)) << c.typed;
        }
    }
    EXPECT_FLOAT_EQ(Factors.FactorV, 1.0f);
    EXPECT_FLOAT_EQ(Factors.FactorB, 10.0f);
    EXPECT_FALSE(Form1->TimeScale->isActive());
}

TEST_F(ScaleWindow, TypingWithNoButtonDownChangesNoFactor)
{
    click(Form5->ScaleV);
    ASSERT_EQ(downButtons(), (std::vector<bool>{false, false, false, false}));
    typeAndEnter(QStringLiteral("5"));
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("5.0"));
    EXPECT_FLOAT_EQ(Factors.FactorActual, 5.0f);
    EXPECT_FLOAT_EQ(Factors.FactorV, 1.0f);
    EXPECT_FLOAT_EQ(Factors.FactorA, 1.0f);
    EXPECT_FLOAT_EQ(Factors.FactorE, 10.0f);
    EXPECT_FLOAT_EQ(Factors.FactorB, 10.0f);
}

TEST_F(ScaleWindow, KeysOtherThanEnterOnlyEdit)
{
    Form5->EditScale->clear();
    QTest::keyClicks(Form5->EditScale, QStringLiteral("4.5"));
    QTest::keyClick(Form5->EditScale, Qt::Key_Tab);
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("4.5"));
    EXPECT_FLOAT_EQ(Factors.FactorV, 1.0f);
    QTest::keyClick(Form5->EditScale, Qt::Key_Enter); // the keypad's Enter commits too
    EXPECT_FLOAT_EQ(Factors.FactorV, 4.5f);
}

} // namespace
