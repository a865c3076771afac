#pragma once
// The main window of Voltrix: the 3D view with its scene, the strip of view
// and animation controls below it, the main menu and the five timers. It
// follows the experiment: every change of the state moves the scene's figures
// (in the one order each kind of change has, Unit1Scene.cpp) and redraws.
#include <QMainWindow>
#include <QPoint>

#include <memory>
#include <vector>

#include "voltrix/core/Figures.h"
#include "voltrix/core/TickSchedule.h"
#include "voltrix/forms/Experiment.h"

namespace orvalis {
struct Handout;
}

class QAction;
class QCheckBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QActionGroup;

namespace voltrix {

class SceneFigures;
class TickClock;
class TickTimer;
class TXc3DWorld;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Experiment &experiment, QWidget *parent = nullptr);
    ~TForm1() override;

    // The force law on the experiment (velocities taken in m/s whatever the
    // unit), the acceleration's numbers (in the vector options) and arrow,
    // and saving and loading through the file the experiment has chosen.
    void ACELERACION();
    void IMPRIME_ACELERACION();
    void DIBUJA_ACELERACION();
    void saveToFile();
    void loadFromFile();
    SceneFigures &scene() { return *scene_; }
    void stopTimers(); // all five, before the windows go

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

    // The five timers, all stopped at start, tick 64 times a second on one
    // clock; the animation runs one or more steps a tick (its speed).
    TickClock *Clock = nullptr;
    TickTimer *TimeAnimacion = nullptr;
    TickTimer *TimeGiro = nullptr;
    TickTimer *TimeZoom = nullptr;
    TickTimer *TimeScale = nullptr;
    TickTimer *TimeQ = nullptr;

    // Main menu. Submenus are reached through their action's menu().
    QMenuBar *MainMenu = nullptr;
    QAction *Ficheros = nullptr;
    QAction *Cargar = nullptr;
    QAction *Grabar = nullptr;
    QAction *ExportarDatos = nullptr;  // "Exportar datos (CSV)…", the recorded run
    QAction *Imprimir = nullptr;       // the experiment's report, printed
    QAction *GuardarInforme = nullptr; // and saved as PDF
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
    QAction *Magnitudes1 = nullptr; // the quantities window
    QAction *Graficas1 = nullptr;   // the graphs window, last of "Paneles"
    // "Animación", after "Paneles": start/stop, a single step and the speed.
    QAction *Animacion1 = nullptr;
    QAction *IniciarDetener = nullptr;
    QAction *UnPaso = nullptr;
    QAction *Velocidad = nullptr;
    QAction *VelocidadNormal = nullptr;
    QAction *VelocidadRapida = nullptr;
    QAction *VelocidadMaxima = nullptr;
    // "Experiencias", after "Animación": the classic experiments.
    QAction *Experiencias1 = nullptr;
    std::vector<QAction *> ExperienciasItems;

    // Steps a second of the three speeds; the hold buttons always tick at 64.
    static constexpr int kNormalSpeed = kTicksPerSecond;
    static constexpr int kFastSpeed = 256;
    static constexpr int kTopSpeed = 1000;    // one step per millisecond
    static constexpr int kKeyTurnDegrees = 5; // an arrow key on the view turns it as a drag of 5 points

    // Creation, resize and paint.
    void FormCreate();
    void FormResize();
    void Xc3DWorldPaint();

    // Timers. One tick of the animation runs as many steps as its speed asks
    // for, the last with every refresh and the blink; TimeAnimacionTimer is
    // that last one (the only one at normal speed).
    void animationTick();
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

    // The mouse in the view: a left-button drag turns it a degree per pixel
    // (across: Alfa, up and down: Beta), the wheel zooms, a double click
    // resets both as the clicks on "Giro" and "Zoom" do.
    void Xc3DWorldMouseDown(QPoint at);
    void Xc3DWorldMouseMove(QPoint at);
    void Xc3DWorldMouseUp();
    void Xc3DWorldDblClick();
    void Xc3DWorldMouseWheel(int angleDelta); // eighths of a degree, 120 a notch

    // Menu.
    void CargarClick();
    void GrabarClick();
    void ExportarDatosClick();
    void ImprimirClick();
    void GuardarInformeClick();
    void Fin1Click();
    void ConfinadoClick();
    void TodoEspacioClick();
    void ControlClick();
    void MuestraVectoresClick();
    void FactordeEscalaClick();
    void InformacionClick();
    void Ayuda1Click();
    void Magnitudes1Click();
    void Graficas1Click();
    void UnPasoClick();                      // one whole step while stopped
    void ExperienciaClick(int index);        // a classic experiment with its guide
    void VelocidadClick(int stepsPerSecond); // one of the three speeds
    int animationSpeed() const { return stepsPerTick_.stepsPerSecond(); }
    // The report's page: the set-up, "Magnitudes", the view drawn anew at
    // print resolution and the graph of "Gráficas" while it is open.
    orvalis::Handout experimentReport();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStrip(QWidget *strip);
    void buildMenu();
    void buildAnimationMenu();
    void buildTimers();
    bool viewMouseEvent(QEvent *event);
    bool viewKeyEvent(QKeyEvent *key);
    void showBlink();
    void commitTimeEntry();
    // caption: a text marked in the context "voltrix::TForm1", shown translated.
    void showAnimationCaption(const char *caption, unsigned colour);
    void toggleWindow(QWidget *window, QAction *item);
    void holdTurn(float stepAlfa, float stepBeta);
    void holdZoom(float step);

    // Following the experiment (Unit1Scene.cpp).
    void showChanges(Experiment::Changes what);
    void showTime();     // EditT shows t with "%3.2f"
    void describeView(); // what a screen reader says the view shows
    void showCamera();
    void showRegion();
    void runHeldTimers(Experiment::Changes what);
    void placeFigures(Experiment::Changes what);
    void placeParticleFigures();
    void placeLoadedFigures();
    void placePresetFigures();
    void placeSetUpFigures();
    void placeRegionFigures();
    void placeEditedFigures(Experiment::Changes what);
    void placeVectorFigure(VectorQuantity quantity);
    void placePositionFigure();
    void placePanelVelocity(bool arrowAndLabel);
    void placePanelPosition();
    void placeParticleAndVelocityArrow();
    void colourPositionSegments();
    void setTrace(bool on); // "Traza" switched as "Inicia" does: off, then on afresh

    Experiment &experiment_;
    std::unique_ptr<SceneFigures> scene_;
    StepsPerTick stepsPerTick_{kNormalSpeed};
    bool sceneBuilt_ = false;
    // A drag in the view: where the pointer was last seen.
    bool dragging_ = false;
    QPoint dragFrom_;
    // What a fine-stepping wheel has turned short of a whole notch.
    int wheelEighths_ = 0;
    QString reportFolder_; // where the last report went
};

extern TForm1 *Form1;

} // namespace voltrix
