#pragma once
// The main window of Voltrix: the 3D view with its scene, the strip of view
// and animation controls below it, the main menu and the five timers. It owns
// the animation step and the displays every other window calls after changing
// the shared state (the force, the acceleration readout and arrow, the vector
// figures, saving and loading an experiment).
#include <QMainWindow>

class QAction;
class QCheckBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;
class TXc3DWorld;

class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The view and the strip.
    TXc3DWorld *Xc3DWorld = nullptr;
    QFrame *Panel2 = nullptr;
    QCheckBox *CheckCubo = nullptr;
    QCheckBox *CheckEjes = nullptr;
    QPushButton *GiroL = nullptr;
    QPushButton *GiroD = nullptr;
    QLabel *LabelGiro = nullptr;
    QPushButton *GiroU = nullptr;
    QPushButton *GiroR = nullptr;
    QPushButton *ZoomU = nullptr;
    QLabel *LabelZoom = nullptr;
    QPushButton *ZoomD = nullptr;
    QFrame *Bevel1 = nullptr;
    QPushButton *BtnAniStop = nullptr;
    QCheckBox *CheckParpadeo = nullptr;
    QCheckBox *CheckTraza = nullptr;
    QCheckBox *CheckTiempo = nullptr;
    QLineEdit *EditT = nullptr;

    // Precise 1 ms timers, all disabled at start.
    QTimer *TimeAnimacion = nullptr;
    QTimer *TimeGiro = nullptr;
    QTimer *TimeZoom = nullptr;
    QTimer *TimeScale = nullptr;
    QTimer *TimeQ = nullptr;

    // Main menu. Submenus are reached through their action's menu().
    QMenuBar *MainMenu = nullptr;
    QAction *Ficheros = nullptr;
    QAction *Cargar = nullptr;
    QAction *Grabar = nullptr;
    QAction *Fin1 = nullptr;
    QAction *Paneles1 = nullptr;
    QAction *Control = nullptr;
    QAction *RegionCampoElectrico = nullptr;
    QAction *TodoEspacio = nullptr;
    QAction *Confinado = nullptr;
    QAction *MuestraVectores = nullptr;
    QAction *FactordeEscala = nullptr;
    QAction *Informacion = nullptr;
    QAction *Ayuda1 = nullptr;

    // Computations shared with the other windows. ACELERACION takes the
    // velocities as stored (display unit); with "cm" selected it converts them
    // to m/s for the call itself, so callers must not convert them first.
    void ACELERACION();
    void PRODUCTO_VECTORIAL();
    void IMPRIME_ACELERACION();
    void DIBUJA_ACELERACION();
    void saveToFile();
    void loadFromFile();
    // True when the control panel's unit box reads exactly "cm".
    bool cmSelected() const;

    // Vector figures: arrow segment, three construction lines, optional plane
    // (0 = none) and a label placed at (labelX, labelY, labelZ).
    void placeFigure(int firstSegment, int plane, int label,
                     float Ax, float Ay, float Az,
                     float wx, float wy, float wz,
                     float labelX, float labelY, float labelZ);
    void placeVelocityFigure();
    void placePositionFigure(); // the position lines ticked in the vector options, then label 2
    void placeElectricFigure();
    void placeMagneticFigure();

    // Creation, resize and paint.
    void FormCreate();
    void FormResize();
    void Xc3DWorldPaint();

    // Timers.
    void TimeAnimacionTimer();
    void TimeGiroTimer();
    void TimeZoomTimer();
    void TimeScaleTimer();
    void TimeQTimer();

    // Strip controls.
    void GiroLMouseDown();
    void GiroRMouseDown();
    void GiroUMouseDown();
    void GiroDMouseDown();
    void GiroNull();
    void LabelGiroClick();
    void ZoomUp();
    void ZoomDown();
    void ZoomNull();
    void LabelZoomClick();
    void BtnAniStopMouseDown();
    void CheckParpadeoClick();
    void CheckTrazaClick();
    void CheckTiempoClick();
    void EditTKeyPress(char &Key); // Key 13 commits the typed time
    void EditTExit();
    void CheckCuboClick();
    void CheckEjesClick();

    // Menu.
    void CargarClick();
    void GrabarClick();
    void Fin1Click();
    void ConfinadoClick();
    void TodoEspacioClick();
    void ControlClick();
    void MuestraVectoresClick();
    void FactordeEscalaClick();
    void InformacionClick();
    void Ayuda1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStrip(QWidget *strip);
    void buildMenu();
    void buildTimers();
    void placeAccelerationFigure();
    void commitTimeEntry();
    void refreshPanelReadout();
    void showAnimationCaption(const char *caption, unsigned colour);
    void toggleWindow(QWidget *window, QAction *item);

    bool sceneBuilt_ = false;
};

extern TForm1 *Form1;
