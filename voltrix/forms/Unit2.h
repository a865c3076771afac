#pragma once
// The control panel: a view of the experiment's state through twelve
// sliders with their edit boxes (position, velocity, electric and magnetic
// field), the time-step slider, the length-unit box, the charge group, the
// "Inicia" preset reset and the store/recall buttons. It owns no values:
// every change goes to the experiment, and the panel shows every change of
// the experiment that concerns it (a step, a load, the region switch).
//
// Slider handlers run only for the user's own slider actions; code that
// places a slider uses a plain setValue() and runs none of them. ScDtChange
// is the one exception: it follows every position change of ScDt.
//
// The constructor builds the controls and runs FormCreate (the start-up fill).
#include <QWidget>

#include <array>

#include <QPoint>
#include <QRect>

#include "voltrix/forms/Experiment.h"

class QComboBox;
class QEvent;
class QFrame;
class QGroupBox;
class QHideEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace voltrix {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(Experiment &experiment, QWidget *parent = nullptr);

    QFrame *Panel1 = nullptr;

    // Top row.
    QPushButton *BtnAlmacenar = nullptr;
    QPushButton *BtnRecuperar = nullptr;
    QPushButton *SpeedButton1 = nullptr; // "Inicia"
    QLabel *Label1 = nullptr;
    QScrollBar *ScDt = nullptr;

    // Charge group.
    QGroupBox *GroupBoxQ = nullptr;
    QPushButton *QDown = nullptr;
    QLineEdit *EditQ = nullptr;
    QPushButton *QUp = nullptr;

    // Position.
    QFrame *PanelPosicion = nullptr;
    QLabel *LabelPosicion = nullptr;
    QComboBox *ComboUnidades = nullptr;
    QLabel *LabelX = nullptr, *LabelY = nullptr, *LabelZ = nullptr;
    QLineEdit *EditX = nullptr, *EditY = nullptr, *EditZ = nullptr;
    QScrollBar *ScX = nullptr, *ScY = nullptr, *ScZ = nullptr;

    // Electric field.
    QGroupBox *GroupElect = nullptr;
    QLabel *LabelEx = nullptr, *LabelEy = nullptr, *LabelEz = nullptr;
    QLineEdit *EditEx = nullptr, *EditEy = nullptr, *EditEz = nullptr;
    QScrollBar *ScEx = nullptr, *ScEy = nullptr, *ScEz = nullptr;

    // Velocity (its sliders lie on Panel1, over the group).
    QGroupBox *GroupBoxVel = nullptr;
    QLabel *LabelVx = nullptr, *LabelVy = nullptr, *LabelVz = nullptr;
    QLineEdit *EditVx = nullptr, *EditVy = nullptr, *EditVz = nullptr;
    QScrollBar *ScVx = nullptr, *ScVy = nullptr, *ScVz = nullptr;

    // Magnetic field (its sliders lie on Panel1, over the group).
    QGroupBox *GroupMagnet = nullptr;
    QLabel *LabelBx = nullptr, *LabelBy = nullptr, *LabelBz = nullptr;
    QLineEdit *EditBx = nullptr, *EditBy = nullptr, *EditBz = nullptr;
    QScrollBar *ScBx = nullptr, *ScBy = nullptr, *ScBz = nullptr;

    // Shown in place of GroupMagnet while the electric field is confined.
    QGroupBox *GroupELocal = nullptr;

    // Slider changes made by the user.
    void ScBxScroll();
    void ScByScroll();
    void ScBzScroll();
    void ScVxScroll();
    void ScVyScroll();
    void ScVzScroll();
    void ScXScroll();
    void ScYScroll();
    void ScZScroll();
    void ScExScroll();
    void ScEyScroll();
    void ScEzScroll();

    // Edit boxes: the key handler commits on Enter (Key 13) and lets every
    // other key through; the exit handler commits when the box loses focus.
    void EditBxKeyPress(char &Key);
    void EditBxExit();
    void EditByKeyPress(char &Key);
    void EditByExit();
    void EditBzKeyPress(char &Key);
    void EditBzExit();
    void EditVxKeyPress(char &Key);
    void EditVxExit();
    void EditVyKeyPress(char &Key);
    void EditVyExit();
    void EditVzKeyPress(char &Key);
    void EditVzExit();
    void EditXKeyPress(char &Key);
    void EditXExit();
    void EditYKeyPress(char &Key);
    void EditYExit();
    void EditZKeyPress(char &Key);
    void EditZExit();
    void EditExKeyPress(char &Key);
    void EditExExit();
    void EditEyKeyPress(char &Key);
    void EditEyExit();
    void EditEzKeyPress(char &Key);
    void EditEzExit();

    void ScDtChange();
    void ComboUnidadesChange();
    void FormCreate();

    // "Inicia": back to the preset of the current field mode.
    void BtnIniciaClick();

    // Store and recall through "DATOS.exp" (any mouse button, on press).
    void BtnAlmacenarMouseDown();
    void BtnRecuperarMouseDown();

    // Charge: typed (Enter only) or stepped while a button is held.
    void EditQKeyPress(char &Key);
    void QUpMouseDown();
    void QDownMouseDown();
    void QNull();

    // Double click on the region box: the electric field fills all space again.
    void GroupELocalDblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The twelve slider/edit pairs, in the order they are built; each is one
    // row of the table in Unit2Layout.cpp.
    enum Component { X, Y, Z, Ex, Ey, Ez, Vx, Vy, Vz, Bx, By, Bz, ComponentCount };
    // The group a row's controls are built in.
    enum class Family { Position, Electric, Velocity, Magnetic };
    struct Row {
        Family family;
        Experiment::Setting setting; // what a change writes and announces
        float SimState::*fillFrom;   // what the start-up fill shows
        int (*placement)(float);     // the slider's position for a value shown from the state
        QLabel *TForm2::*label;
        QLineEdit *TForm2::*edit;
        QScrollBar *TForm2::*slider;
        const char *caption;
        QPoint labelAt, editAt;
        QRect sliderRect;
        bool sliderOnPanel; // lies on Panel1, over its group
        int minimum, maximum;
        void (TForm2::*scroll)();
        void (TForm2::*keyPress)(char &);
        void (TForm2::*exit)();
    };
    static const std::array<Row, ComponentCount> &rows();
    QScrollBar *slider(int c) const;
    QLineEdit *edit(int c) const;
    int componentOf(const QObject *watched) const;

    void buildWindow();
    void nameControls();
    void buildTopRow();
    void buildChargeGroup();
    void buildPositionPanel();
    void buildComponentGroups();
    void connectHandlers();

    void sliderChanged(Component c);
    void commitEdit(Component c);
    void editKeyPress(Component c, char &Key);

    // Following the experiment; no slider handler runs.
    void showChanges(Experiment::Changes what);
    void showComponent(int c); // box and slider as the state holds the value
    void showUnit();
    void showFieldMode(); // the magnetic group or the region box in its place
    void showValue(QLineEdit *edit, float value);
    void placeTimeStep();

    Experiment &experiment_;
    // True while the panel's own slider or box change goes to the experiment.
    bool ownEdit_ = false;
};

extern TForm2 *Form2;

} // namespace voltrix
