// The main window's construction: the layout of the view and the strip, the
// menu, the timers, the scene built once at creation, resize and paint.
// The step, the displays and the handlers are in Unit1Step.cpp and
// Unit1Controls.cpp.
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/ScreenPixmap.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "common/DesignFonts.h"
#include "common/Language.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/TickClock.h"
#include "voltrix/forms/Unit1Layout.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

TForm1 *Form1 = nullptr;

namespace {

using namespace mainwin;

// A small filled triangle pointing the given way, for the rotation buttons.
enum class ArrowWay { Left, Right, Up, Down };

QIcon arrowIcon(ArrowWay way)
{
    QPixmap pixmap = screenPixmap(QSize(10, 10));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kStripTextColour);
    QPolygonF triangle;
    switch (way) {
    case ArrowWay::Left: triangle << QPointF(1, 5) << QPointF(9, 1) << QPointF(9, 9); break;
    case ArrowWay::Right: triangle << QPointF(9, 5) << QPointF(1, 1) << QPointF(1, 9); break;
    case ArrowWay::Up: triangle << QPointF(5, 1) << QPointF(1, 9) << QPointF(9, 9); break;
    case ArrowWay::Down: triangle << QPointF(5, 9) << QPointF(1, 1) << QPointF(9, 1); break;
    }
    painter.drawPolygon(triangle);
    return QIcon(pixmap);
}

QPushButton *stripButton(QWidget *parent, const QRect &where)
{
    auto *button = new QPushButton(parent);
    button->setGeometry(where);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QCheckBox *stripCheckBox(QWidget *parent, const QString &caption, const QRect &where, bool ticked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setGeometry(where);
    box->setChecked(ticked);
    return box;
}

QAction *checkableItem(QMenu *menu, const QString &caption, bool checked)
{
    QAction *item = menu->addAction(caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

} // namespace

TForm1::TForm1(Experiment &experiment, QWidget *parent)
    : QMainWindow(parent)
    , experiment_(experiment)
{
    //: the main window's title
    setWindowTitle(tr("Carga en Campos Eléctrico y Magnético"));
    resize(kClientSize);

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Xc3DWorld = new TXc3DWorld(client);
    Xc3DWorld->Color = clBlack;
    Xc3DWorld->XMax = Xc3DWorld->YMax = Xc3DWorld->ZMax = 100;
    Xc3DWorld->Alfa = Xc3DWorld->Beta = 0;
    Xc3DWorld->UpdateInmediate = false;
    Xc3DWorld->ShowCube = true;
    Xc3DWorld->OnPaint = [this] { Xc3DWorldPaint(); };
    Xc3DWorld->setAccessibleName(tr("Vista 3D de la partícula"));
    Xc3DWorld->setFocusPolicy(Qt::StrongFocus);
    Xc3DWorld->installEventFilter(this); // its resizes follow the window's
    column->addWidget(Xc3DWorld, 1);

    Panel2 = new QFrame(client);
    Panel2->setFixedHeight(kStripHeight);
    column->addWidget(Panel2);
    buildStrip(Panel2);

    scene_ = std::make_unique<SceneFigures>(*Xc3DWorld);

    setCentralWidget(client);
    buildMenu();
    buildTimers();

    // Lay the window out now, though it is not shown yet, so the view has its
    // real size when the scene is set up.
    layout()->setGeometry(rect());
    column->setGeometry(client->rect());
    FormCreate();
    sceneBuilt_ = true;
    describeView();
    connect(&experiment_, &Experiment::changed, this, &TForm1::showChanges);
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildStrip(QWidget *strip)
{
    strip->setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, kStripPointSize, true));
    QPalette palette = strip->palette();
    palette.setColor(QPalette::WindowText, kStripTextColour);
    palette.setColor(QPalette::ButtonText, kStripTextColour);
    palette.setColor(QPalette::Text, kStripTextColour);
    strip->setPalette(palette);

    // Row 1: cube, axes, rotation around "Giro", zoom around "Zoom".
    //: check box: show the cube around the box; the box is 50 px wide
    CheckCubo = stripCheckBox(strip, tr("Cubo"), kCheckCuboRect, true);
    //: check box: show the axes; the box is 46 px wide
    CheckEjes = stripCheckBox(strip, tr("Ejes"), kCheckEjesRect, false);
    GiroL = stripButton(strip, kGiroLRect);
    GiroL->setIcon(arrowIcon(ArrowWay::Left));
    GiroD = stripButton(strip, kGiroDRect);
    GiroD->setIcon(arrowIcon(ArrowWay::Down));
    //: noun: the label between the rotation arrows (a click resets the rotation); 32 px wide
    LabelGiro = new QLabel(tr("Giro"), strip);
    LabelGiro->setGeometry(kLabelGiroRect);
    LabelGiro->setAlignment(Qt::AlignCenter);
    GiroU = stripButton(strip, kGiroURect);
    GiroU->setIcon(arrowIcon(ArrowWay::Up));
    GiroR = stripButton(strip, kGiroRRect);
    GiroR->setIcon(arrowIcon(ArrowWay::Right));
    ZoomU = stripButton(strip, kZoomURect);
    ZoomU->setText(QStringLiteral("+"));
    //: noun: the label between the zoom buttons (a click resets the zoom); 40 px wide
    LabelZoom = new QLabel(tr("Zoom"), strip);
    LabelZoom->setGeometry(kLabelZoomRect);
    LabelZoom->setAlignment(Qt::AlignCenter);
    ZoomD = stripButton(strip, kZoomDRect);
    ZoomD->setText(QStringLiteral("-"));
    // The arrows are pictures and "+"/"-" say little: a screen reader gets words.
    const std::pair<QWidget *, const char *> spoken[] = {
        {GiroL, QT_TRANSLATE_NOOP("voltrix::TForm1", "Girar la vista a la izquierda")},
        {GiroR, QT_TRANSLATE_NOOP("voltrix::TForm1", "Girar la vista a la derecha")},
        {GiroU, QT_TRANSLATE_NOOP("voltrix::TForm1", "Girar la vista hacia arriba")},
        {GiroD, QT_TRANSLATE_NOOP("voltrix::TForm1", "Girar la vista hacia abajo")},
        {ZoomU, QT_TRANSLATE_NOOP("voltrix::TForm1", "Acercar la vista")},
        {ZoomD, QT_TRANSLATE_NOOP("voltrix::TForm1", "Alejar la vista")},
    };
    for (const auto &[control, name] : spoken)
        control->setAccessibleName(QCoreApplication::translate("voltrix::TForm1", name));

    Bevel1 = new QFrame(strip);
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(kBevelRect);

    // Row 2: animation, blink, trace, time.
    BtnAniStop = stripButton(strip, kBtnAniStopRect);
    //: button caption: starts the animation (noun); the button is 72 px wide
    BtnAniStop->setText(tr("Animación"));
    QPalette maroon = BtnAniStop->palette();
    maroon.setColor(QPalette::ButtonText, toQColor(clMaroon));
    BtnAniStop->setPalette(maroon);
    //: check box: the «STOP» caption blinks while the animation runs; the box is 72 px wide
    CheckParpadeo = stripCheckBox(strip, tr("Parpadeo"), kCheckParpadeoRect, true);
    CheckParpadeo->hide();
    //: check box: show the particle's trace (noun); the box is 52 px wide
    CheckTraza = stripCheckBox(strip, tr("Traza"), kCheckTrazaRect, true);
    //: check box: show the time; the box is 60 px wide
    CheckTiempo = stripCheckBox(strip, tr("Tiempo"), kCheckTiempoRect, false);
    EditT = new QLineEdit(QStringLiteral("0.00"), strip);
    EditT->setGeometry(kEditTRect);
    //: the time box, for a screen reader: the quantity and its unit
    EditT->setAccessibleName(tr("Tiempo, segundos"));
    EditT->hide();
    // The view is reached last with Tab: the window opens with the focus on "Cubo", as before.
    QWidget::setTabOrder(EditT, Xc3DWorld);

    // Press-and-hold buttons react to any mouse button; the labels to a click.
    for (QObject *watched :
         {static_cast<QObject *>(GiroL), static_cast<QObject *>(GiroR), static_cast<QObject *>(GiroU),
          static_cast<QObject *>(GiroD), static_cast<QObject *>(ZoomU), static_cast<QObject *>(ZoomD),
          static_cast<QObject *>(BtnAniStop), static_cast<QObject *>(LabelGiro), static_cast<QObject *>(LabelZoom),
          static_cast<QObject *>(EditT)})
        watched->installEventFilter(this);

    // The layout's own check states are set above without running handlers;
    // from here on every change (by the user or by code) runs its handler.
    connect(CheckCubo, &QCheckBox::toggled, this, [this] { CheckCuboClick(); });
    connect(CheckEjes, &QCheckBox::toggled, this, [this] { CheckEjesClick(); });
    connect(CheckParpadeo, &QCheckBox::toggled, this, [this] { CheckParpadeoClick(); });
    connect(CheckTraza, &QCheckBox::toggled, this, [this] { CheckTrazaClick(); });
    connect(CheckTiempo, &QCheckBox::toggled, this, [this] { CheckTiempoClick(); });
}

void TForm1::buildMenu()
{
    MainMenu = menuBar();

    //: menu: files
    QMenu *files = MainMenu->addMenu(tr("Ficheros"));
    Ficheros = files->menuAction();
    //: menu item: load an experiment from a file (verb)
    Cargar = files->addAction(tr("Cargar"));
    //: menu item: save the experiment to a file (verb)
    Grabar = files->addAction(tr("Grabar"));
    ExportarDatos = files->addAction(tr("Exportar datos (CSV)…"));
    //: menu item: print the experiment's report (verb)
    Imprimir = files->addAction(tr("Imprimir…"));
    GuardarInforme = files->addAction(tr("Guardar informe (PDF)…"));
    //: menu item: quit the program
    Fin1 = files->addAction(tr("Fin"));

    //: menu: the program's windows (panels)
    QMenu *panels = MainMenu->addMenu(tr("Paneles"));
    Paneles1 = panels->menuAction();
    //: menu item: the control panel; abbreviations of Posición, Velocidad, Campos, Carga
    Control = checkableItem(panels, tr("Posic. Veloc. Campos Carga"), false);
    //: submenu: where the electric field acts
    QMenu *region = panels->addMenu(tr("Región Campo Eléctrico"));
    RegionCampoElectrico = region->menuAction();
    //: menu item: the electric field acts in all the box
    TodoEspacio = checkableItem(region, tr("En todo el espacio"), true);
    //: menu item: the electric field acts only between the plates
    Confinado = checkableItem(region, tr("Confinado"), false);
    //: menu item: the window that shows the vectors ("Muestra" is a verb)
    MuestraVectores = checkableItem(panels, tr("Muestra Vectores"), false);
    //: menu item: the window of the vectors' scale factors
    FactordeEscala = checkableItem(panels, tr("Factor de Escala"), false);
    //: menu item: the about window
    Informacion = panels->addAction(tr("Información"));
    //: menu item: the help window (noun)
    Ayuda1 = panels->addAction(tr("Ayuda"));
    //: menu item: the window of physical quantities (noun, plural)
    Magnitudes1 = checkableItem(panels, tr("Magnitudes"), false);
    //: menu item: the graphs window (noun, plural)
    Graficas1 = checkableItem(panels, tr("Gráficas"), false);
    //: menu item: a submenu listing the languages of the program
    orvalis::addLanguageMenu(panels, tr("Idioma"),
                             //: said after choosing another language in the Paneles menu
                             tr("El idioma elegido se aplicará la próxima vez que abra Voltrix."));

    // Qt flips a checkable item before the handler runs; every handler sets
    // the marks it owns explicitly, so the flip never shows.
    connect(Cargar, &QAction::triggered, this, [this] { CargarClick(); });
    connect(Grabar, &QAction::triggered, this, [this] { GrabarClick(); });
    connect(ExportarDatos, &QAction::triggered, this, [this] { ExportarDatosClick(); });
    connect(Imprimir, &QAction::triggered, this, [this] { ImprimirClick(); });
    connect(GuardarInforme, &QAction::triggered, this, [this] { GuardarInformeClick(); });
    connect(Fin1, &QAction::triggered, this, [this] { Fin1Click(); });
    connect(Control, &QAction::triggered, this, [this] { ControlClick(); });
    connect(TodoEspacio, &QAction::triggered, this, [this] { TodoEspacioClick(); });
    connect(Confinado, &QAction::triggered, this, [this] { ConfinadoClick(); });
    connect(MuestraVectores, &QAction::triggered, this, [this] { MuestraVectoresClick(); });
    connect(FactordeEscala, &QAction::triggered, this, [this] { FactordeEscalaClick(); });
    connect(Informacion, &QAction::triggered, this, [this] { InformacionClick(); });
    connect(Ayuda1, &QAction::triggered, this, [this] { Ayuda1Click(); });
    connect(Magnitudes1, &QAction::triggered, this, [this] { Magnitudes1Click(); });
    connect(Graficas1, &QAction::triggered, this, [this] { Graficas1Click(); });

    buildAnimationMenu();
}

void TForm1::buildAnimationMenu()
{
    //: menu: the animation (noun)
    QMenu *animation = MainMenu->addMenu(tr("Animación"));
    Animacion1 = animation->menuAction();
    //: menu item: start or stop the animation (verbs)
    IniciarDetener = animation->addAction(tr("Iniciar / Detener"));
    //: menu item: advance the simulation one step
    UnPaso = animation->addAction(tr("Un paso"));
    UnPaso->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
    //: submenu: the animation's speed (steps per second)
    QMenu *speed = animation->addMenu(tr("Velocidad"));
    Velocidad = speed->menuAction();
    auto *speeds = new QActionGroup(this);
    speeds->setExclusive(true);
    //: menu item: normal animation speed (64 steps a second); adjective of "Velocidad" (feminine)
    VelocidadNormal = checkableItem(speed, tr("Normal"), true);
    //: menu item: fast animation speed (256 steps a second); adjective of "Velocidad" (feminine)
    VelocidadRapida = checkableItem(speed, tr("Rápida"), false);
    //: menu item: top animation speed (1000 steps a second); adjective of "Velocidad" (feminine)
    VelocidadMaxima = checkableItem(speed, tr("Máxima"), false);
    const std::pair<QAction *, int> choices[] = {
        {VelocidadNormal, kNormalSpeed}, {VelocidadRapida, kFastSpeed}, {VelocidadMaxima, kTopSpeed}};
    for (const auto &[item, stepsPerSecond] : choices) {
        speeds->addAction(item);
        connect(item, &QAction::triggered, this, [this, rate = stepsPerSecond] { VelocidadClick(rate); });
    }
    connect(IniciarDetener, &QAction::triggered, this, [this] { BtnAniStopMouseDown(); });
    connect(UnPaso, &QAction::triggered, this, [this] { UnPasoClick(); });

    //: menu: the classic experiments (set-ups) ready for the class
    QMenu *classics = MainMenu->addMenu(tr("Experiencias"));
    Experiencias1 = classics->menuAction();
    const std::vector<ClassicExperiment> &all = classicExperiments();
    for (std::size_t i = 0; i < all.size(); ++i) {
        QAction *item = classics->addAction(QCoreApplication::translate("voltrix::ClassicExperiments", all[i].title));
        ExperienciasItems.push_back(item);
        connect(item, &QAction::triggered, this, [this, i] { ExperienciaClick(static_cast<int>(i)); });
    }
}

void TForm1::buildTimers()
{
    // The clock first: the timers leave it as they go.
    Clock = new TickClock(this);
    const auto makeTimer = [this](void (TForm1::*handler)()) {
        auto *timer = new TickTimer(*Clock, this);
        connect(timer, &TickTimer::timeout, this, handler);
        return timer;
    };
    TimeAnimacion = makeTimer(&TForm1::animationTick);
    TimeGiro = makeTimer(&TForm1::TimeGiroTimer);
    TimeZoom = makeTimer(&TForm1::TimeZoomTimer);
    TimeScale = makeTimer(&TForm1::TimeScaleTimer);
    TimeQ = makeTimer(&TForm1::TimeQTimer);
}

void TForm1::FormCreate()
{
    TXc3DWorld &view = *Xc3DWorld;
    move(0, 0);

    view.SetCube(clGreen, true);
    view.SetAxes(clTeal, true);
    // Ticking runs the axes handler, which turns them lime.
    CheckEjes->setChecked(true);

    // The experiment starts with the start values: the camera at 0, 0 and
    // zoom 0.55, the particle at (0, 20, 40) moving at (0, 0, 50), B = (2, 0, 0).
    const ViewControls &camera = experiment_.camera();
    view.Alfa = camera.shown.alfa;
    view.Beta = camera.shown.beta;
    view.Zoom = camera.ZoomActual;
    view.SetupWorld();

    scene_->allocate();
    scene_->placeStartRoles(experiment_.state(), experiment_.factors());

    view.DrawWorld();
}

void TForm1::FormResize()
{
    Xc3DWorld->SetupWorld();
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

void TForm1::Xc3DWorldPaint()
{
    Xc3DWorld->ClearScreen();
    Xc3DWorld->DrawWorld();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the program, even while other windows
    // are open (Qt alone would wait for the last one).
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // The view is laid out after the window itself has been resized, so the
    // scene is rescaled when the view's own size has changed.
    if (watched == Xc3DWorld) {
        if (type == QEvent::Resize && sceneBuilt_)
            FormResize();
        if (type == QEvent::KeyPress)
            return viewKeyEvent(static_cast<QKeyEvent *>(event));
        return viewMouseEvent(event);
    }
    // A quick second press arrives as a double click; it is a press as well.
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const bool release = type == QEvent::MouseButtonRelease;

    struct HoldButton {
        QPushButton *button;
        void (TForm1::*onPress)();
        void (TForm1::*onRelease)();
    };
    const HoldButton holdButtons[] = {
        {GiroL, &TForm1::GiroLMouseDown, &TForm1::GiroNull}, {GiroR, &TForm1::GiroRMouseDown, &TForm1::GiroNull},
        {GiroU, &TForm1::GiroUMouseDown, &TForm1::GiroNull}, {GiroD, &TForm1::GiroDMouseDown, &TForm1::GiroNull},
        {ZoomU, &TForm1::ZoomUp, &TForm1::ZoomNull},         {ZoomD, &TForm1::ZoomDown, &TForm1::ZoomNull},
    };
    for (const HoldButton &hold : holdButtons) {
        if (watched != hold.button)
            continue;
        if (press)
            (this->*hold.onPress)();
        else if (release)
            (this->*hold.onRelease)();
        return false;
    }

    if (watched == BtnAniStop) {
        if (press)
            BtnAniStopMouseDown();
        return false;
    }

    if (watched == LabelGiro || watched == LabelZoom) {
        auto *label = static_cast<QLabel *>(watched);
        if (release) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
                if (watched == LabelGiro)
                    LabelGiroClick();
                else
                    LabelZoomClick();
            }
        }
        return false;
    }

    if (watched == EditT) {
        if (type == QEvent::KeyPress) {
            if (isEnter(*static_cast<QKeyEvent *>(event))) {
                char enter = kEnterKey;
                EditTKeyPress(enter);
                return true;
            }
        } else if (type == QEvent::FocusOut) {
            // Leaving the box for another control commits; the window merely
            // losing activation (or a popup opening) does not.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                EditTExit();
        }
        return false;
    }

    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::viewKeyEvent(QKeyEvent *key)
{
    // The keyboard's way to what the mouse does on the view: arrows turn it as
    // a drag does, + and - zoom as the wheel does, Home as a double click.
    switch (key->key()) {
    case Qt::Key_Left: experiment_.drag(-kKeyTurnDegrees, 0); return true;
    case Qt::Key_Right: experiment_.drag(kKeyTurnDegrees, 0); return true;
    case Qt::Key_Up: experiment_.drag(0, -kKeyTurnDegrees); return true;
    case Qt::Key_Down: experiment_.drag(0, kKeyTurnDegrees); return true;
    case Qt::Key_Plus: experiment_.wheel(1); return true;
    case Qt::Key_Minus: experiment_.wheel(-1); return true;
    case Qt::Key_Home: Xc3DWorldDblClick(); return true;
    default: return false;
    }
}

bool TForm1::viewMouseEvent(QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        Xc3DWorldMouseWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = mouse->position().toPoint();
    if (type == QEvent::MouseMove) {
        if (!dragging_)
            return false;
        Xc3DWorldMouseMove(at);
        return true;
    }
    // Only the left button turns and resets the view.
    if (mouse->button() != Qt::LeftButton)
        return false;
    switch (type) {
    case QEvent::MouseButtonPress: Xc3DWorldMouseDown(at); break;
    case QEvent::MouseButtonDblClick: Xc3DWorldDblClick(); break;
    default: Xc3DWorldMouseUp(); break;
    }
    return true;
}

} // namespace voltrix
