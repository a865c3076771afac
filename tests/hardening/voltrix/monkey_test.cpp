// A seeded monkey on all seven Voltrix windows with the animation running:
// clicks, held buttons, keys, text typed into any box, slider actions, unit
// changes, menu actions (files answered by the test, never "Fin"), windows
// shown and hidden, clicks, double clicks, drags and wheel turns on the
// view. The actions come from a fixed seed; timer events are delivered by
// calling the handlers of the running timers, so a seed replays the same
// session. Afterwards the program still answers, and every value the user
// sets stays finite: only the particle itself may have run past the float
// range.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <filesystem>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "tests/hardening/voltrix/FiniteState.h"
#include "tests/support/SeededChoice.h"
#include "tests/support/VoltrixWindows.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace fs = std::filesystem;
using namespace voltrix_test;

namespace {

constexpr int kEvents = 1500;

// Texts that have broken number readers before, and random scraps.
const char *const kTexts[] = {"2.57", "-2.57",  "50",    "2e8",   "1e7", "-1e7",  "",
                              "   ",  "abc",    "3,7",   "0.7",   "nan", "inf",   "-inf",
                              "1e39", "-1e-45", "0x1p3", "99999", "-5",  "+.5e1", "12345678901234567890",
                              "0.05", "cm",     "m"};

class VoltrixMonkey : public VoltrixWindows, public ::testing::WithParamInterface<unsigned>, protected SeededChoice {
protected:
    void SetUp() override
    {
        // The store and recall buttons use "DATOS.exp" in the current folder.
        std::string name = (fs::temp_directory_path() / "voltrix-monkey-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        folder_ = name;
        previous_ = fs::current_path();
        fs::current_path(folder_);
        VoltrixWindows::SetUp();
        Form1->show();
        forms_ = {Form1, Form2, Form3, Form4, Form5, Form6, FormMagnitudes};
        for (QWidget *form : forms_) {
            for (auto *b : form->findChildren<QAbstractButton *>())
                buttons_.push_back(b);
            for (auto *e : form->findChildren<QLineEdit *>())
                edits_.push_back(e);
            for (auto *s : form->findChildren<QScrollBar *>())
                sliders_.push_back(s);
            for (auto *c : form->findChildren<QComboBox *>())
                combos_.push_back(c);
        }
        // "Fin" ends the process and is left out; the submenu holders do nothing.
        actions_ = {Form1->Cargar,      Form1->Grabar,    Form1->ExportarDatos,   Form1->Control,
                    Form1->TodoEspacio, Form1->Confinado, Form1->MuestraVectores, Form1->FactordeEscala,
                    Form1->Informacion, Form1->Ayuda1,    Form1->Magnitudes1};
    }

    void TearDown() override
    {
        VoltrixWindows::TearDown();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    QString randomText()
    {
        if (pick(3) == 0) {
            return scrap("0123456789.-+eE ,xn", 30);
        }
        if (pick(20) == 0)
            return QString(200, QChar('9'));
        return QString::fromUtf8(kTexts[pick(std::size(kTexts))]);
    }

    // What the event loop would deliver meanwhile: posted events, and one
    // event of every running timer per tick.
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i) {
            QApplication::sendPostedEvents();
            if (Form1->TimeAnimacion->isActive()) {
                Form1->TimeAnimacionTimer();
                ++steps_;
            }
            if (Form1->TimeGiro->isActive())
                Form1->TimeGiroTimer();
            if (Form1->TimeZoom->isActive())
                Form1->TimeZoomTimer();
            if (Form1->TimeQ->isActive())
                Form1->TimeQTimer();
            if (Form1->TimeScale->isActive())
                Form1->TimeScaleTimer();
        }
    }

    void oneEvent()
    {
        switch (pick(12)) {
        case 0:
        case 1:
            if (QAbstractButton *b = pickUsable(buttons_))
                QTest::mouseClick(b, pick(4) == 0 ? Qt::RightButton : Qt::LeftButton);
            break;
        case 2:
            // A press held over some ticks: the rotation, zoom, charge and
            // scale buttons run their timers meanwhile.
            if (QAbstractButton *b = pickUsable(buttons_)) {
                QTest::mousePress(b, Qt::LeftButton);
                ticks(static_cast<int>(pick(30)));
                if (b->isVisible())
                    QTest::mouseRelease(b, Qt::LeftButton);
            }
            break;
        case 3:
        case 4:
            if (QLineEdit *e = pickUsable(edits_)) {
                e->setFocus();
                e->selectAll();
                QTest::keyClicks(e, randomText());
                if (pick(2) == 0) {
                    QTest::keyClick(e, Qt::Key_Return);
                } else {
                    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
                    QApplication::sendEvent(e, &out);
                }
            }
            break;
        case 5:
            if (QLineEdit *e = pickUsable(edits_)) {
                static const Qt::Key keys[] = {Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,
                                               Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Period, Qt::Key_Minus,
                                               Qt::Key_0,         Qt::Key_9,      Qt::Key_E,      Qt::Key_Up};
                QTest::keyClick(e, keys[pick(std::size(keys))]);
            }
            break;
        case 6:
            if (QScrollBar *s = pickUsable(sliders_)) {
                static const QAbstractSlider::SliderAction moves[] = {
                    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                    QAbstractSlider::SliderPageStepAdd,   QAbstractSlider::SliderPageStepSub,
                    QAbstractSlider::SliderToMinimum,     QAbstractSlider::SliderToMaximum};
                if (pick(3) == 0) {
                    // Dragging the thumb.
                    s->setSliderDown(true);
                    s->setSliderPosition(
                        s->minimum()
                        + static_cast<int>(pick(static_cast<std::size_t>(s->maximum() - s->minimum()) + 1)));
                    s->setSliderDown(false);
                } else {
                    s->triggerAction(moves[pick(std::size(moves))]);
                }
            }
            break;
        case 7:
            if (QComboBox *c = pickUsable(combos_)) {
                if (pick(2) == 0 && c->count() > 0) {
                    c->setCurrentIndex(static_cast<int>(pick(static_cast<std::size_t>(c->count()))));
                } else if (c->lineEdit() != nullptr) {
                    c->lineEdit()->selectAll();
                    QTest::keyClicks(c->lineEdit(), randomText());
                }
            }
            break;
        case 8: actions_[pick(actions_.size())]->trigger(); break;
        case 9:
            if (QWidget *w = forms_[1 + pick(forms_.size() - 1)])
                w->setVisible(!w->isVisible());
            break;
        case 10: {
            TXc3DWorld *view = Form1->Xc3DWorld;
            const QPoint at(static_cast<int>(pick(static_cast<std::size_t>(view->width()) + 1)),
                            static_cast<int>(pick(static_cast<std::size_t>(view->height()) + 1)));
            const int gesture = static_cast<int>(pick(4));
            if (gesture == 0) {
                QTest::mouseClick(view, Qt::LeftButton, {}, at);
            } else if (gesture == 1) {
                // A drag across the view, anywhere, even past its edges.
                QTest::mousePress(view, Qt::LeftButton, {}, at);
                const QPoint to = at + QPoint(static_cast<int>(pick(801)) - 400, static_cast<int>(pick(801)) - 400);
                QTest::mouseMove(view, to);
                QTest::mouseRelease(view, Qt::LeftButton, {}, to);
            } else if (gesture == 2) {
                QWheelEvent wheel(QPointF(at), QPointF(view->mapToGlobal(at)), QPoint(),
                                  QPoint(0, static_cast<int>(pick(2401)) - 1200), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(view, &wheel);
            } else
                QTest::mouseDClick(Form2->GroupELocal->isVisible() ? static_cast<QWidget *>(Form2->GroupELocal)
                                                                   : static_cast<QWidget *>(view),
                                   Qt::LeftButton);
            break;
        }
        default: ticks(1 + static_cast<int>(pick(20))); break;
        }
    }

    int steps_ = 0;
    fs::path folder_, previous_;
    std::vector<QWidget *> forms_;
    std::vector<QAbstractButton *> buttons_;
    std::vector<QLineEdit *> edits_;
    std::vector<QScrollBar *> sliders_;
    std::vector<QComboBox *> combos_;
    std::vector<QAction *> actions_;
};

TEST_P(VoltrixMonkey, SeededSessionLeavesAnAnsweringProgramWithFiniteSettings)
{
    seed(GetParam());
    // File dialogs get a file of the session's own folder; message boxes are read and closed.
    ModalAnswers answers(QString::fromStdString((folder_ / "mono.exp").string()));
    Form1->BtnAniStopMouseDown();
    ASSERT_TRUE(Form1->TimeAnimacion->isActive());
    for (int i = 0; i < kEvents; ++i)
        oneEvent();
    ticks(10);
    // The session really animated and went through the file dialogs.
    EXPECT_GT(steps_, kEvents / 10);
    EXPECT_GT(answers.dialogs, 0);

    // Everything the user sets stays finite whatever was typed; only the
    // particle and what follows from it may have overflowed.
    for (const hardening::NamedValue &s : hardening::settingValues(experiment))
        EXPECT_TRUE(std::isfinite(s.value)) << s.name << " = " << s.value;
    EXPECT_GT(Sim.dt, 0.0f);
    EXPECT_LE(Sim.dt, 0.05f);

    // The program still answers: "Inicia" brings the preset of the current
    // mode back, with every value finite.
    Form2->show();
    for (TickTimer *t : {Form1->TimeGiro, Form1->TimeZoom, Form1->TimeQ, Form1->TimeScale})
        t->stop();
    QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton);
    EXPECT_EQ(hardening::nonFiniteValues(experiment), std::vector<std::string>{});
    EXPECT_EQ(Sim.t, 0.0f);
    if (Sim.CampoConfinado == 0) {
        EXPECT_EQ(Sim.x, 0.0f);
        EXPECT_EQ(Sim.y, 20.0f);
        EXPECT_EQ(Sim.z, 40.0f);
    } else {
        EXPECT_EQ(Sim.x, 50.0f);
        EXPECT_EQ(Sim.y, 0.0f);
        EXPECT_EQ(Sim.z, 50.0f);
    }
    const bool running = Form1->TimeAnimacion->isActive();
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    QTest::mouseRelease(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_NE(Form1->TimeAnimacion->isActive(), running);
    EXPECT_FALSE(Form1->grab().isNull());
}

INSTANTIATE_TEST_SUITE_P(Hardening, VoltrixMonkey, ::testing::Values(1u, 20240607u, 777u));

} // namespace
