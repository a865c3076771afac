// The main window's timers and files: the animation step with its blinking
// caption, the scale and charge timers the other windows' hold buttons run,
// the force law and its displays as named operations, and saving and loading
// an experiment.
#include "voltrix/forms/Unit1.h"

#include <QCoreApplication>
#include <QPalette>
#include <QPushButton>

#include "voltrix/forms/ExperimentDialogs.h"
#include "voltrix/forms/TickClock.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

void TForm1::ACELERACION() { experiment_.computeForce(); }

void TForm1::IMPRIME_ACELERACION()
{
    // The vector options show the numbers of the force as it stands.
    experiment_.announce(Experiment::Force);
}

void TForm1::DIBUJA_ACELERACION() { placeVectorFigure(VectorQuantity::Acceleration); }

void TForm1::showAnimationCaption(const char *caption, unsigned colour)
{
    QPalette palette = BtnAniStop->palette();
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    BtnAniStop->setPalette(palette);
    BtnAniStop->setText(QCoreApplication::translate("voltrix::TForm1", caption));
}

void TForm1::animationTick()
{
    // A faster speed runs the steps due on this tick and shows the last.
    for (int steps = stepsPerTick_.next(); steps > 1; --steps)
        experiment_.stepUnseen();
    TimeAnimacionTimer();
}

void TForm1::TimeAnimacionTimer()
{
    experiment_.step();
    showBlink();
}

void TForm1::UnPasoClick()
{
    // Not a tick of the animation: the caption stays as it is.
    if (!TimeAnimacion->isActive())
        experiment_.step();
}

void TForm1::showBlink()
{
    switch (experiment_.blinkStep()) {
    case CaptionChange::Stop:
        //: button caption while the animation runs: stops it; the button is 72 px wide
        BtnAniStop->setText(tr("STOP"));
        break;
    case CaptionChange::Blank: showAnimationCaption(" ", clRed); break;
    case CaptionChange::Unchanged: break;
    }
}

void TForm1::TimeScaleTimer() { experiment_.stepScale(); }

void TForm1::TimeQTimer() { experiment_.stepCharge(); }

void TForm1::runHeldTimers(Experiment::Changes what)
{
    // A press restarts its timer, so the first tick comes a whole tick later.
    const auto follow = [](TickTimer *timer, bool held) {
        if (held)
            timer->start();
        else
            timer->stop();
    };
    if (what & Experiment::ChargeHold)
        follow(TimeQ, experiment_.chargeHeld());
    if (what & Experiment::ScaleHold)
        follow(TimeScale, experiment_.scaleHeld());
}

void TForm1::saveToFile() { reportSave(this, experiment_.save()); }

void TForm1::loadFromFile() { reportLoad(this, experiment_.load()); }

} // namespace voltrix
