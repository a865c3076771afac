#pragma once
// The six Voltrix windows created as the program creates them, on a fresh
// experiment whose parts the tests reach by the names the windows knew them by
// (Sim, Factors, Camera, Blink, Files, Recorder), and destroyed after each test; readers of the main window's scene in
// world coordinates (the view stores them relative to the box centre); the
// user's ways of driving sliders and boxes; and an answerer for the modal
// windows a handler opens.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/TickClock.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/Unit2.h"
#include "voltrix/forms/Unit3.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/Unit6.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix_test {

using namespace voltrix;

struct World3 {
    float x, y, z;
};

// Single-precision coordinates compared to a tolerance of the view's storage.
inline void expectNear(World3 actual, World3 expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class VoltrixWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every part at its start values, also when a test starts over.
        Sim = {};
        Factors = {};
        Camera = {};
        Blink = {};
        Files = {};
        Recorder = RunRecorder{};
        createVoltrixWindows(experiment);
    }

    void TearDown() override
    {
        // Every press is released; one left down would be seen as held by
        // the next test of the same run. Release it so only this test fails.
        EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton) << "a mouse button was left pressed";
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
            if (QGuiApplication::mouseButtons() & button)
                QTest::mouseRelease(Form1, button);
        destroyVoltrixWindows();
    }

    Experiment experiment;
    // A test sets a state up directly, then announces it or steps.
    SimState &Sim = experiment.rawState();
    DrawingFactors &Factors = experiment.rawFactors();
    ViewControls &Camera = experiment.rawCamera();
    BlinkState &Blink = experiment.rawBlink();
    FileChoice &Files = experiment.rawFiles();
    RunRecorder &Recorder = experiment.rawRun();

    static TXc3DWorld &view() { return *Form1->Xc3DWorld; }

    static World3 relative(float x, float y, float z) { return {x + view().cx(), y + view().cy(), z + view().cz()}; }
    static World3 particleAt(int i)
    {
        const SceneParticle &p = view().particle(i);
        return relative(p.x, p.y, p.z);
    }
    static World3 segmentFrom(int i)
    {
        const SceneSegment &s = view().segment(i);
        return relative(s.x1, s.y1, s.z1);
    }
    static World3 segmentTo(int i)
    {
        const SceneSegment &s = view().segment(i);
        return relative(s.x2, s.y2, s.z2);
    }
    static World3 labelAt(int i)
    {
        const SceneLabel &l = view().label(i);
        return relative(l.x, l.y, l.z);
    }
    static World3 planeCorner(int i, int corner)
    {
        const auto &c = view().plane(i).corners;
        const auto k = static_cast<std::size_t>(3 * corner);
        return relative(c[k], c[k + 1], c[k + 2]);
    }

    // One animation step through the window's timer handler, as a timer
    // event runs it.
    static void step(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            Form1->TimeAnimacionTimer();
    }

    // The user drags the thumb to a position (a tracking slider turns each
    // new thumb position into a slider action).
    static void userDrags(QScrollBar *slider, int position)
    {
        slider->setSliderDown(true);
        slider->setSliderPosition(position);
        slider->setSliderDown(false);
    }

    // The user clicks an arrow or the page area `times` times.
    static void userSteps(QScrollBar *slider, QAbstractSlider::SliderAction action, int times)
    {
        for (int i = 0; i < times; ++i)
            slider->triggerAction(action);
    }

    static void typeAndEnter(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    // The panel shows the start state in its twelve boxes and sliders and
    // its time step (as at start-up and after "Inicia" in whole space).
    void expectPanelShowsStartState() const
    {
        const struct {
            QScrollBar *slider;
            QLineEdit *edit;
            int position;
            const char *text;
        } shown[] = {
            {Form2->ScX, Form2->EditX, 0, "0.0"},    {Form2->ScY, Form2->EditY, 200, "20.0"},
            {Form2->ScZ, Form2->EditZ, 400, "40.0"}, {Form2->ScVx, Form2->EditVx, 0, "0.0"},
            {Form2->ScVy, Form2->EditVy, 0, "0.0"},  {Form2->ScVz, Form2->EditVz, 500, "50.0"},
            {Form2->ScEx, Form2->EditEx, 0, "0.0"},  {Form2->ScEy, Form2->EditEy, 0, "0.0"},
            {Form2->ScEz, Form2->EditEz, 0, "0.0"},  {Form2->ScBx, Form2->EditBx, 20, "2.0"},
            {Form2->ScBy, Form2->EditBy, 0, "0.0"},  {Form2->ScBz, Form2->EditBz, 0, "0.0"},
        };
        for (const auto &s : shown) {
            SCOPED_TRACE(s.text);
            EXPECT_EQ(s.slider->value(), s.position);
            EXPECT_EQ(s.edit->text(), QString::fromLatin1(s.text));
        }
        EXPECT_EQ(Form2->ScDt->value(), 20);
        EXPECT_FLOAT_EQ(Sim.dt, 0.01f);
    }

    // The box loses the keyboard focus to another control.
    static void leave(QLineEdit *edit)
    {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &focusOut);
    }
};

// The windows in a fresh temporary folder made the current one, as the store
// and recall buttons use "DATOS.exp" where the program runs.
class VoltrixWindowsInFolder : public VoltrixWindows {
protected:
    void SetUp() override
    {
        VoltrixWindows::SetUp();
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    void TearDown() override
    {
        QDir::setCurrent(previous_);
        VoltrixWindows::TearDown();
    }

    QString pathOf(const char *name) const { return folder_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir folder_;
    QString previous_;
};

// The main window's tests, spread over several files, share one suite.
using MainWindowTest = VoltrixWindows;

// While it lives, answers every modal window that opens inside a handler: a
// file dialog gets `fileName` (or is cancelled when it is empty), a message
// box is read and accepted (a question answered yes), anything else is
// closed. Its timer only fires inside the modal windows' own event loops.
class ModalAnswers {
public:
    // afterConfirm runs once the dialog is accepted and before the handler
    // that opened it goes on, as something else might act in between.
    explicit ModalAnswers(QString fileName = QString(), std::function<void()> afterConfirm = {})
        : fileName_(std::move(fileName))
        , afterConfirm_(std::move(afterConfirm))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(0);
    }

    QString dialogTitle;
    int dialogs = 0;
    QStringList messages;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialogTitle = dialog->windowTitle();
            ++dialogs;
            if (fileName_.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(fileName_);
                // A dialog that asks before replacing a file asks inside its
                // accept, where this answerer's own timer does not run.
                QTimer::singleShot(0, dialog, [this] { answer(); });
                static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
                if (afterConfirm_)
                    afterConfirm_();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            // A question is answered yes.
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->accept();
        } else if (modal != nullptr) {
            modal->close();
        }
    }

    QString fileName_;
    std::function<void()> afterConfirm_;
    QTimer timer_;
};

} // namespace voltrix_test
