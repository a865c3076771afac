#pragma once
// The six windows created in the program's order on a fresh simulation state
// and destroyed after each test, with readers of the view's scene in world
// coordinates and drivers for the control panel's widgets.
#include <gtest/gtest.h>


#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
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

namespace panel_test {

struct World3 {
    float x, y, z;
};

inline void expectNear(World3 actual, World3 expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

class PanelForms : public ::testing::Test {
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

    static World3 relative(float x, float y, float z)
    {
        return {x + view().cx(), y + view().cy(), z + view().cz()};
    }
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

    // The box loses the keyboard focus to another control.
    static void leave(QLineEdit *edit)
    {
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &focusOut);
    }

};

// Answers the modal windows that open while it lives: a file dialog gets the
// given name (or is cancelled), a message box is read and closed. Its timer
// only runs inside the modal windows' own event loops.
class ModalAnswers {
public:
    explicit ModalAnswers(QString fileName = QString(), bool confirm = true)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, fileName, confirm] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                dialogTitle = dialog->windowTitle();
                ++dialogs;
                if (confirm) {
                    dialog->selectFile(fileName);
                    static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
                } else {
                    dialog->reject();
                }
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                messages << box->text();
                box->accept();
            }
        });
        timer_.start(0);
    }

    QString dialogTitle;
    int dialogs = 0;
    QStringList messages;

private:
    QTimer timer_;
};

} // namespace panel_test
