// What a screen reader is told: every control of every window of both
// programs has an accessible name, and the 3D view and the trajectory graph
// describe what they show, kept up to date.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <optional>

#include "tests/support/InLanguage.h"
#include "tests/support/VoltrixWindows.h"
#include "trayecta/forms/CurveFollower.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/FormEnunciat.h"
#include "trayecta/forms/GraphArea.h"
#include "voltrix/forms/RunPlot.h"
#include "voltrix/forms/UnitGraficas.h"
#include "voltrix/forms/UnitGuia.h"
#include "voltrix/forms/UnitMagnitudes.h"

namespace {

bool isControl(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QAbstractSlider *>(w)
           || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QPlainTextEdit *>(w) || w->focusPolicy() != Qt::NoFocus;
}

QString accessibleText(QWidget *w, QAccessible::Text which)
{
    QAccessibleInterface *shown = QAccessible::queryAccessibleInterface(w);
    return shown ? shown->text(which) : QString();
}

// The controls of a window a screen reader would announce without a name.
QStringList unnamedControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // A combo box's list, a scroll area's bars and a menu bar's overflow button are Qt's own, named by their owner.
        const QWidget *owner = w->parentWidget();
        if (!isControl(w) || owner->inherits("QComboBox") || owner->inherits("QComboBoxPrivateContainer")
            || owner->objectName().startsWith(QLatin1String("qt_scrollarea"))
            || w->objectName().startsWith(QLatin1String("qt_menubar")))
            continue;
        if (accessibleText(w, QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2 «%3» in %4)")
                           .arg(w->objectName(), QString::fromUtf8(w->metaObject()->className()),
                                w->property("text").toString(), w->parentWidget()->objectName());
    }
    return unnamed;
}

using AccessibleVoltrix = voltrix_test::VoltrixWindows;

TEST_F(AccessibleVoltrix, EveryControlHasANameAndTheViewAndGraphSayWhatTheyShow)
{
    using namespace voltrix;
    for (QWidget *window : std::initializer_list<QWidget *>{Form1, Form2, Form3, Form4, Form5, Form6, FormMagnitudes,
                                                            FormGraficas, FormGuia}) {
        window->show();
        EXPECT_TRUE(unnamedControls(window).isEmpty())
            << unnamedControls(window).join(QStringLiteral(", ")).toStdString() << window->objectName().toStdString();
    }
    const QString before = accessibleText(Form1->Xc3DWorld, QAccessible::Description);
    step(10);
    const QString after = accessibleText(Form1->Xc3DWorld, QAccessible::Description);
    EXPECT_NE(after, before);
    EXPECT_TRUE(after.contains(QStringLiteral("t = ") + Form1->EditT->text() + QStringLiteral(" s")))
        << after.toStdString();
    EXPECT_TRUE(accessibleText(FormGraficas->Grafica, QAccessible::Description)
                    .contains(FormGraficas->ComboMagnitud->currentText()));

    // The keyboard does on the view what the mouse does: turn, zoom, back to the start.
    Form1->Xc3DWorld->setFocus();
    const ViewControls start = Camera;
    QTest::keyClick(Form1->Xc3DWorld, Qt::Key_Right);
    QTest::keyClick(Form1->Xc3DWorld, Qt::Key_Plus);
    EXPECT_NE(Camera.shown.alfa, start.shown.alfa);
    EXPECT_NE(Camera.ZoomActual, start.ZoomActual);
    QTest::keyClick(Form1->Xc3DWorld, Qt::Key_Home);
    const ViewControls keyed = Camera;
    QTest::keyClick(Form1->Xc3DWorld, Qt::Key_Down);
    Form1->Xc3DWorldDblClick();
    EXPECT_EQ(Camera.shown.beta, keyed.shown.beta);
    EXPECT_EQ(Camera.ZoomActual, keyed.ZoomActual);
}

// In every language: a translation must not leave a control without a name.
class AccessibleVoltrixIn : public voltrix_test::VoltrixWindows, public ::testing::WithParamInterface<const char *> {
protected:
    std::optional<orvalis_test::InLanguage> language;
    void SetUp() override
    {
        language.emplace(voltrix::programIdentity(), GetParam());
        VoltrixWindows::SetUp();
    }
    void TearDown() override
    {
        VoltrixWindows::TearDown();
        language.reset();
    }
};

TEST_P(AccessibleVoltrixIn, EveryControlOfEveryWindowHasAName)
{
    using namespace voltrix;
    for (QWidget *window : std::initializer_list<QWidget *>{Form1, Form2, Form3, Form4, Form5, Form6, FormMagnitudes,
                                                            FormGraficas, FormGuia}) {
        window->show();
        EXPECT_TRUE(unnamedControls(window).isEmpty()) << unnamedControls(window).join(", ").toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleVoltrixIn, ::testing::ValuesIn(orvalis_test::kLanguages),
                         orvalis_test::languageName);

class AccessibleTrayectaIn : public ::testing::TestWithParam<const char *> {};

TEST_P(AccessibleTrayectaIn, EveryControlHasANameBeforeAndAfterACalculation)
{
    const orvalis_test::InLanguage language(trayecta::programIdentity(), GetParam());
    trayecta::FORM1::failureMessage = [](const QString &, const QString &) {};
    trayecta::FORM1 window;
    window.show();
    window.Cmdcalcular_Click();
    for (QWidget *shown : {static_cast<QWidget *>(&window), static_cast<QWidget *>(window.frmEnunciat)})
        EXPECT_TRUE(unnamedControls(shown).isEmpty()) << unnamedControls(shown).join(", ").toStdString();
    EXPECT_FALSE(accessibleText(window.Dibu, QAccessible::Description).isEmpty());
    trayecta::FORM1::failureMessage = nullptr;
}

INSTANTIATE_TEST_SUITE_P(Languages, AccessibleTrayectaIn, ::testing::ValuesIn(orvalis_test::kLanguages),
                         orvalis_test::languageName);

TEST(AccessibleTrayecta, EveryControlHasANameAndTheGraphSaysWhatItShows)
{
    trayecta::FORM1::failureMessage = [](const QString &, const QString &) {};
    trayecta::FORM1 window;
    window.show();
    EXPECT_TRUE(unnamedControls(&window).isEmpty())
        << unnamedControls(&window).join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(unnamedControls(window.frmEnunciat).isEmpty())
        << unnamedControls(window.frmEnunciat).join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(accessibleText(window.txtrx0, QAccessible::Name), QStringLiteral("Posició inicial, X, metres"));

    window.Cmdcalcular_Click();
    const QString drawn = accessibleText(window.Dibu, QAccessible::Description);
    for (const QLineEdit *shown : {window.txtalcance, window.txtaltura, window.txtvuelo})
        EXPECT_TRUE(drawn.contains(shown->text() + QStringLiteral(" "))) << drawn.toStdString();
    // From the keyboard alone: Tab reaches the graph, an arrow pins the marker at the launch.
    window.Dibu->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.Dibu, Qt::Key_Right);
    EXPECT_TRUE(window.follower()->isPinned());
    EXPECT_EQ(window.follower()->markerTime(), 0.0);
    EXPECT_TRUE(window.follower()->panel()->isVisibleTo(&window));
    window.Cmdborrar_Click();
    EXPECT_FALSE(accessibleText(window.Dibu, QAccessible::Description).contains(window.txtalcance->text()));
    trayecta::FORM1::failureMessage = nullptr;
}

} // namespace
