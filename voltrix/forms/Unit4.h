#pragma once
// The vector options window "Muestra": which of the five vectors (position,
// velocity, acceleration, electric and magnetic field) the 3D view shows,
// each as a whole arrow and as its three component lines, plus the current
// acceleration as numbers. Showing or hiding an object is only a matter of
// colour: black, the view's background, hides it.
//
// The constructor builds the controls and runs FormCreate. The window tells
// the scene which parts are shown, and follows the experiment: the numbers
// after every computation of the force, the magnetic boxes unticked when the
// field is confined, the acceleration ticked by "Inicia".
#include <QWidget>

#include "voltrix/core/Figures.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/SceneFigures.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace voltrix {

class TForm4 : public QWidget, public PartChoice {
    Q_OBJECT

public:
    TForm4(Experiment &experiment, SceneFigures &scene, QWidget *parent = nullptr);
    ~TForm4() override;

    // Whether a part of a quantity's figure is shown: part 0 is its "Vector"
    // box, parts 1..3 its component boxes.
    bool isPartShown(VectorQuantity quantity, int part) const override;

    QGroupBox *MuestraPos = nullptr;
    QCheckBox *CheckVectorPo = nullptr;
    QCheckBox *CheckPosX = nullptr;
    QCheckBox *CheckPosY = nullptr;
    QCheckBox *CheckPosZ = nullptr;

    QGroupBox *MuestraVel = nullptr;
    QCheckBox *CheckVectorVel = nullptr;
    QCheckBox *CheckVx = nullptr;
    QCheckBox *CheckVy = nullptr;
    QCheckBox *CheckVz = nullptr;

    QGroupBox *MuestraAceleracion = nullptr;
    QCheckBox *CheckVectorA = nullptr;
    QCheckBox *CheckAx = nullptr;
    QCheckBox *CheckAy = nullptr;
    QCheckBox *CheckAz = nullptr;
    QLineEdit *EditAx = nullptr;
    QLineEdit *EditAy = nullptr;
    QLineEdit *EditAz = nullptr;

    QGroupBox *MuestraE = nullptr;
    QCheckBox *CheckVectorE = nullptr;
    QCheckBox *CheckEx = nullptr;
    QCheckBox *CheckEy = nullptr;
    QCheckBox *CheckEz = nullptr;

    QGroupBox *MuestraB = nullptr;
    QCheckBox *CheckVectorB = nullptr;
    QCheckBox *CheckBx = nullptr;
    QCheckBox *CheckBy = nullptr;
    QCheckBox *CheckBz = nullptr;

    void FormCreate();

    // One handler per check box; each runs whenever the box's state changes
    // (a click, or code ticking/unticking it) and ends with a redraw.
    void CheckVectorPoClick();
    void CheckPosXClick();
    void CheckPosYClick();
    void CheckPosZClick();
    void CheckVectorVelClick();
    void CheckVxClick();
    void CheckVyClick();
    void CheckVzClick();
    void CheckVectorAClick();
    void CheckAxClick();
    void CheckAyClick();
    void CheckAzClick();
    void CheckVectorEClick();
    void CheckExClick();
    void CheckEyClick();
    void CheckEzClick();
    void CheckVectorBClick();
    void CheckBxClick();
    void CheckByClick();
    void CheckBzClick();

private:
    struct Group;
    static const Group &group(VectorQuantity quantity);
    QCheckBox *partBox(VectorQuantity quantity, int part) const;
    FigureGeometry geometry(VectorQuantity quantity) const;

    void buildWindow();
    void connectHandlers();

    void showChanges(Experiment::Changes what);
    void showAcceleration(); // EditAx .. EditAz show ax .. az with "%3.1f"

    void vectorBoxClicked(VectorQuantity quantity);
    void componentBoxClicked(VectorQuantity quantity, int axis);
    void placeArrowAndLabel(VectorQuantity quantity);
    void placeComponentLine(VectorQuantity quantity, int axis);

    Experiment &experiment_;
    SceneFigures &scene_;
};

extern TForm4 *Form4;

} // namespace voltrix
