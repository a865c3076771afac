#pragma once
// The vector options window "Muestra": which of the five vectors (position,
// velocity, acceleration, electric and magnetic field) the 3D view shows,
// each as a whole arrow and as its three component lines, plus the current
// acceleration as numbers. Showing or hiding an object is only a matter of
// colour: black, the view's background, hides it.
//
// The constructor builds the controls and runs FormCreate.
#include <QWidget>

#include "voltrix/core/Figures.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;

namespace voltrix {

class SceneFigures;

class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(SceneFigures &scene, QWidget *parent = nullptr);

    // What the other windows ask of the vector options.
    void showAcceleration(); // EditAx .. EditAz show ax .. az with "%3.1f"
    // Whether a part of a quantity's figure is shown: part 0 is its "Vector"
    // box, parts 1..3 its component boxes.
    bool isPartShown(VectorQuantity quantity, int part) const;
    void showVector(VectorQuantity quantity);   // ticks "Vector"; its handler runs if it was unticked
    void hideQuantity(VectorQuantity quantity); // unticks "Vector" and the components, handlers running

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

    void vectorBoxClicked(VectorQuantity quantity);
    void componentBoxClicked(VectorQuantity quantity, int axis);
    void placeArrowAndLabel(VectorQuantity quantity);
    void placeComponentLine(VectorQuantity quantity, int axis);

    SceneFigures &scene_;
};

extern TForm4 *Form4;

} // namespace voltrix
