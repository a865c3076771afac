#pragma once
// The vector options window "Muestra": which of the five vectors (position,
// velocity, acceleration, electric and magnetic field) the 3D view shows,
// each as a whole arrow and as its three component lines, plus the current
// acceleration as numbers. Showing or hiding an object is only a matter of
// colour: black, the view's background, hides it.
//
// The constructor builds the controls and runs FormCreate.
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLineEdit;

class TForm4 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

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
    // The five vectors and their three axes.
    enum Quantity { Position, Velocity, Acceleration, Electric, Magnetic, QuantityCount };

    struct Figure;
    void buildWindow();
    void connectHandlers();
    const Figure &figure(Quantity quantity) const;
    QCheckBox *componentBox(Quantity quantity, int axis) const;
    QCheckBox *vectorBox(Quantity quantity) const;

    void vectorBoxClicked(Quantity quantity);
    void componentBoxClicked(Quantity quantity, int axis);
    void placeArrowAndLabel(Quantity quantity);
    void placeComponentLine(Quantity quantity, int axis);
    void placeRectangle(Quantity quantity);
};

extern TForm4 *Form4;
