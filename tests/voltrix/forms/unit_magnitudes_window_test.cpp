// The quantities window: opened from the end of "Paneles" with its check
// mark, the start-up state's ω = 2 rad/s, period 3.14159 s and radius 25 m,
// refreshed by the step and by the panel, read-only boxes that copy, and a
// place of its own on a 1024 × 768 screen.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

#include <functional>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/Magnitudes.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/forms/WindowFrame.h"

using namespace voltrix_test;

namespace {

class MagnitudesWindow : public VoltrixWindows {
protected:
    static TFormMagnitudes &window() { return *FormMagnitudes; }
    static void open()
    {
        if (!window().isVisible())
            Form1->Magnitudes1->trigger();
    }
    // The boxes are filled once the handler that changed the state is over.
    static QString shown(MagnitudeBox which)
    {
        QCoreApplication::sendPostedEvents();
        return window().box(which)->text();
    }
    // What the core makes of the state now, box by box.
    void expectShowsTheState() const
    {
        const auto texts = magnitudeTexts(magnitudesOf(Sim));
        for (int i = 0; i < kMagnitudeBoxes; ++i)
            EXPECT_EQ(shown(static_cast<MagnitudeBox>(i)).toStdString(), texts[static_cast<std::size_t>(i)]) << i;
    }
};

TEST_F(MagnitudesWindow, OpensFromTheEndOfPanelesWithItsCheckMark)
{
    // "Gráficas" came after it.
    const QList<QAction *> items = Form1->Paneles1->menu()->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[items.size() - 2], Form1->Magnitudes1);
    EXPECT_EQ(items.back(), Form1->Graficas1);
    EXPECT_EQ(Form1->Magnitudes1->text(), QStringLiteral("Magnitudes"));
    EXPECT_TRUE(Form1->Magnitudes1->isCheckable());
    EXPECT_FALSE(Form1->Magnitudes1->isChecked());
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Magnitudes"));

    Form1->Magnitudes1->trigger();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(Form1->Magnitudes1->isChecked());
    Form1->Magnitudes1->trigger();
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(Form1->Magnitudes1->isChecked());
}

TEST_F(MagnitudesWindow, StartUpStateReadsTwoRadiansPerSecondPiSecondsAndTwentyFiveMetres)
{
    open();
    struct Box {
        MagnitudeBox which;
        const char *text;
    } boxes[] = {
        {MagnitudeBox::Speed, "50"},           {MagnitudeBox::KineticEnergy, "1250"},
        {MagnitudeBox::Force, "100"},          {MagnitudeBox::Acceleration, "100"},
        {MagnitudeBox::AngularFrequency, "2"}, {MagnitudeBox::Period, "3.14159"},
        {MagnitudeBox::Radius, "25"},          {MagnitudeBox::Pitch, "0"},
        {MagnitudeBox::DriftX, "—"},           {MagnitudeBox::DriftY, "—"},
        {MagnitudeBox::DriftZ, "—"},           {MagnitudeBox::DriftSpeed, "—"},
    };
    for (const Box &b : boxes)
        EXPECT_EQ(shown(b.which), QString::fromUtf8(b.text)) << static_cast<int>(b.which);
    // Every caption names its unit.
    for (QGroupBox *group : {window().GroupParticula, window().GroupCampoMagnetico, window().GroupDeriva}) {
        for (const QLabel *label : group->findChildren<QLabel *>()) {
            const QString caption = label->text();
            EXPECT_TRUE(caption.endsWith(QLatin1Char(')')) && caption.contains(QLatin1Char('(')))
                << caption.toStdString();
        }
    }
    EXPECT_EQ(window().GroupParticula->findChildren<QLabel *>().size(), 4);
    EXPECT_EQ(window().box(MagnitudeBox::Period), window().EditPeriodo);
}

TEST_F(MagnitudesWindow, FollowsTheStepAndEveryChangeOfThePanel)
{
    open();
    struct Change {
        const char *name;
        std::function<void()> act;
        MagnitudeBox box;
        const char *text; // what that box reads afterwards
    };
    const Change changes[] = {
        {"a step", [] { step(); }, MagnitudeBox::Period, "3.14159"},
        {"B typed", [] { typeAndEnter(Form2->EditBx, QStringLiteral("4")); }, MagnitudeBox::AngularFrequency, "4"},
        // E ⊥ B: the drift E × B / B² = (0, 3·4, 0) / 16.
        {"E across B", [] { typeAndEnter(Form2->EditEz, QStringLiteral("3")); }, MagnitudeBox::DriftY, "0.75"},
        {"a velocity slider", [] { userDrags(Form2->ScVx, 100); }, MagnitudeBox::Pitch, nullptr},
        {"the charge held down",
         [this] {
             Sim.PasoQ = -0.1f;
             for (int tick = 0; tick < 30; ++tick)
                 Form1->TimeQTimer();
         },
         MagnitudeBox::AngularFrequency, "8"}, // q = -2
        {"centimetres", [] { Form2->ComboUnidades->setCurrentText(QStringLiteral("cm")); }, MagnitudeBox::Speed,
         nullptr},
        {"steps in cm", [] { step(2); }, MagnitudeBox::DriftSpeed, "0.75"},
        {"confined", [] { Form1->Confinado->trigger(); }, MagnitudeBox::AngularFrequency, "—"},
        {"whole space again", [] { Form1->TodoEspacio->trigger(); }, MagnitudeBox::DriftY, "—"},
        {"a position slider", [] { userDrags(Form2->ScZ, 500); }, MagnitudeBox::Force, nullptr},
    };
    for (const Change &c : changes) {
        SCOPED_TRACE(c.name);
        c.act();
        if (c.text != nullptr) {
            EXPECT_EQ(shown(c.box), QString::fromUtf8(c.text));
        }
        expectShowsTheState();
    }
}

TEST_F(MagnitudesWindow, TheUnitSwitchShowsSIValuesOnceTheSwitchIsOver)
{
    open();
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    // 50 cm/s across 2 T: 0.5 m/s, 1 N, a radius of 0.25 m.
    EXPECT_EQ(shown(MagnitudeBox::Speed), QStringLiteral("0.5"));
    EXPECT_EQ(shown(MagnitudeBox::Force), QStringLiteral("1"));
    EXPECT_EQ(shown(MagnitudeBox::Radius), QStringLiteral("0.25"));
    EXPECT_EQ(shown(MagnitudeBox::AngularFrequency), QStringLiteral("2"));
    // Back to metres, the same numbers count in metres again.
    Form2->ComboUnidades->setCurrentText(QStringLiteral("m"));
    EXPECT_EQ(shown(MagnitudeBox::Speed), QStringLiteral("50"));
    EXPECT_EQ(shown(MagnitudeBox::Radius), QStringLiteral("25"));
}

TEST_F(MagnitudesWindow, HiddenItWaitsAndShownItIsCurrent)
{
    step(5);
    typeAndEnter(Form2->EditQ, QStringLiteral("-3"));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window().EditFrecuencia->text(), QStringLiteral("—")) << "filled while hidden";
    open();
    EXPECT_EQ(window().EditFrecuencia->text(), QStringLiteral("6"));
    expectShowsTheState();
}

TEST_F(MagnitudesWindow, BoxesAreReadOnlyAndCopyWithTheDecimalPoint)
{
    open();
    QLineEdit *period = window().EditPeriodo;
    EXPECT_EQ(shown(MagnitudeBox::Period), QStringLiteral("3.14159"));
    for (QLineEdit *box : window().findChildren<QLineEdit *>())
        EXPECT_TRUE(box->isReadOnly());
    period->setFocus();
    QTest::keyClicks(period, QStringLiteral("99"));
    EXPECT_EQ(period->text(), QStringLiteral("3.14159"));
    QTest::keyClick(period, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(period, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("3.14159"));
}

TEST_F(MagnitudesWindow, PlacedOnA1024By768ScreenCoveringNoOtherWindow)
{
    // Outer rectangles, frame and title included, as every window is laid out.
    const auto outer = [](const QWidget *w) {
        return QRect(w->pos(), w->size() + QSize(kFrameAllowanceWidth, kFrameAllowanceHeight));
    };
    const QRect magnitudes = outer(&window());
    EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(magnitudes)) << magnitudes.right() << "," << magnitudes.bottom();
    for (const QWidget *other : std::initializer_list<const QWidget *>{Form1, Form2, Form3, Form4, Form5, Form6})
        EXPECT_FALSE(outer(other).intersects(magnitudes)) << other->windowTitle().toStdString();
}

} // namespace
