#pragma once
// The quantities window "Magnitudes": the numbers behind the picture, in SI
// units, in read-only boxes the user can select and copy: the particle's
// speed, kinetic energy, force and acceleration; the angular frequency,
// period, radius and pitch of the turning a magnetic field causes; and the
// E×B drift of crossed fields. A quantity that does not apply reads "—".
// The numbers are the core's (magnitudesOf); this window only shows them,
// after every change of the experiment.
#include <QWidget>

#include <array>

#include "voltrix/core/Magnitudes.h"
#include "voltrix/forms/Experiment.h"

#include "common/Handout.h"

class QGroupBox;
class QLineEdit;
class QShowEvent;

namespace voltrix {

class TFormMagnitudes : public QWidget {
    Q_OBJECT

public:
    explicit TFormMagnitudes(Experiment &experiment, QWidget *parent = nullptr);

    // The boxes from the state as it stands, now, or once the handler running
    // now is over (a step or a slider asks many times). Hidden, the window
    // waits until it is shown.
    void showMagnitudes();
    void showMagnitudesSoon();

    QGroupBox *GroupParticula = nullptr;
    QGroupBox *GroupCampoMagnetico = nullptr;
    QGroupBox *GroupDeriva = nullptr;

    QLineEdit *EditRapidez = nullptr;
    QLineEdit *EditEnergia = nullptr;
    QLineEdit *EditFuerza = nullptr;
    QLineEdit *EditAceleracion = nullptr;
    QLineEdit *EditFrecuencia = nullptr;
    QLineEdit *EditPeriodo = nullptr;
    QLineEdit *EditRadio = nullptr;
    QLineEdit *EditPaso = nullptr;
    QLineEdit *EditDerivaX = nullptr;
    QLineEdit *EditDerivaY = nullptr;
    QLineEdit *EditDerivaZ = nullptr;
    QLineEdit *EditDeriva = nullptr;

    // The box of each quantity, in the core's order.
    QLineEdit *box(MagnitudeBox which) const;
    // Each caption with the text its box shows, for the printed report.
    std::vector<orvalis::HandoutRow> printedRows() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildWindow();

    Experiment &experiment_;
    bool pending_ = false;
};

extern TFormMagnitudes *FormMagnitudes;

} // namespace voltrix
