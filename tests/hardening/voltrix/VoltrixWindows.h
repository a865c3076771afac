#pragma once
// The six Voltrix windows created in the program's order on a fresh state and
// destroyed after each test, a check that the state holds only finite values,
// and an answerer for the modal windows a handler opens.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "SimState.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "ProgramWindows.h"

namespace hardening {

class VoltrixWindows : public ::testing::Test {
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
};

// The names of the state's floats that are not finite.
inline std::vector<std::string> nonFiniteValues(const voltrix::SimState &s)
{
    const struct {
        const char *name;
        float value;
    } values[] = {
        {"x", s.x},     {"y", s.y},     {"z", s.z},     {"vx", s.vx},   {"vy", s.vy},   {"vz", s.vz},
        {"x0", s.x0},   {"y0", s.y0},   {"z0", s.z0},   {"vx0", s.vx0}, {"vy0", s.vy0}, {"vz0", s.vz0},
        {"t", s.t},     {"Ex", s.Ex},   {"Ey", s.Ey},   {"Ez", s.Ez},   {"Bx", s.Bx},   {"By", s.By},
        {"Bz", s.Bz},   {"q", s.q},     {"m", s.m},     {"dt", s.dt},   {"Fx", s.Fx},   {"Fy", s.Fy},
        {"Fz", s.Fz},   {"ax", s.ax},   {"ay", s.ay},   {"az", s.az},   {"FactorV", s.FactorV},
        {"FactorA", s.FactorA},         {"FactorE", s.FactorE},         {"FactorB", s.FactorB},
        {"FactorActual", s.FactorActual},               {"AnguloAlfa", s.AnguloAlfa},
        {"AnguloBeta", s.AnguloBeta},   {"ZoomActual", s.ZoomActual},
    };
    std::vector<std::string> bad;
    for (const auto &v : values) {
        if (!std::isfinite(v.value))
            bad.push_back(v.name);
    }
    return bad;
}

// While it lives, answers every modal window that opens inside a handler: a
// file dialog gets `fileName` (or is cancelled when it is empty), a message
// box is read and accepted. Its timer only fires inside the modal loops.
class ModalAnswers {
public:
    // afterConfirm runs once the dialog is accepted and before the handler
    // that opened it goes on, as something else might act in between.
    explicit ModalAnswers(QString fileName = QString(), std::function<void()> afterConfirm = {})
        : fileName_(std::move(fileName)), afterConfirm_(std::move(afterConfirm))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(0);
    }

    QStringList messages;
    int dialogs = 0;

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            ++dialogs;
            if (fileName_.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(fileName_);
                static_cast<QDialog *>(dialog)->accept();
                if (afterConfirm_)
                    afterConfirm_();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            box->accept();
        } else if (modal != nullptr) {
            modal->close();
        }
    }

    QString fileName_;
    std::function<void()> afterConfirm_;
    QTimer timer_;
};

} // namespace hardening
