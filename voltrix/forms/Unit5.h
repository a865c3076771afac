#pragma once
// The scale window: picks which drawing factor (velocity, acceleration,
// electric field, magnetic field) the user edits, and edits it either by
// holding the down/up buttons, which run the main window's scale timer, or
// by typing a value and pressing Enter. The factors themselves live in the
// experiment, whose edited value this window shows.
#include <QWidget>

#include "voltrix/forms/Experiment.h"

class QFrame;
class QLineEdit;
class QPushButton;

namespace voltrix {

class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(Experiment &experiment, QWidget *parent = nullptr);

    QFrame *Panel1;
    // Grouped toggle buttons: at most one is down (isChecked()); pressing the
    // one that is down releases it.
    QPushButton *ScaleV;
    QPushButton *ScaleA;
    QPushButton *ScaleE;
    QPushButton *ScaleB;
    // Press-and-hold buttons (any mouse button) showing a small arrow image.
    QPushButton *ScaleDown;
    QPushButton *ScaleUp;
    QLineEdit *EditScale;

    void ScaleVClick();
    void ScaleAClick();
    void ScaleEClick();
    void ScaleBClick();
    void ScaleUpMouseDown();
    void ScaleDownMouseDown();
    // Mouse released over either hold button: the scale timer stops.
    void ScaleNull();
    // Reacts only to Enter (character 13); other keys are the edit box's own.
    void EditScaleKeyPress(char &Key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void selectFactor(QPushButton *pressed, VectorQuantity quantity);
    void showChanges(Experiment::Changes what);

    Experiment &experiment_;
};

extern TForm5 *Form5;

} // namespace voltrix
