#include "voltrix/forms/Unit4.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>

#include <array>

#include "common/DesignFonts.h"
#include "voltrix/forms/BoxText.h"
#include <QSignalBlocker>

#include "voltrix/forms/WindowFrame.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

TForm4 *Form4 = nullptr;

namespace {

constexpr int kLeft = 316, kTop = 328;
// The client area of the 146 x 272 window.
constexpr QSize kClient = clientSizeOf(146, 272);
constexpr int kClientWidth = kClient.width(), kClientHeight = kClient.height();
constexpr int kFontPixels = 11;

// Rectangles are shown in blue.
constexpr TColor kRectangleColour = clBlue;

// The position label stands a little higher here than where the step puts it.
constexpr Point3 kPositionLabelOffset{0, 15, 5};

// Layout: five groups one above the other, "Vector" on the first row of
// each and the three components on the second; the acceleration group has
// its three number boxes under its component boxes.
constexpr int kGroupLeft = 2, kGroupWidth = kClientWidth - 4;
constexpr int kGroupHeight = 44, kAccelerationGroupHeight = 64;
constexpr int kRowVector = 14, kRowComponents = 28, kRowNumbers = 44;
constexpr int kColumnWidth = 42, kFirstColumn = 6, kBoxHeight = 15;

} // namespace

// One row per vector: its group box and check boxes (the "Vector" box first,
// then the three components), their handlers, and how it is shown.
struct TForm4::Group {
    VectorQuantity quantity;
    QGroupBox *TForm4::*box;
    const char *caption;
    int height;
    std::array<QCheckBox * TForm4::*, kFigureParts> parts;
    std::array<const char *, 3> componentNames;
    std::array<void (TForm4::*)(), kFigureParts> handlers;
    TColor colour;
    bool labelAtTip; // the acceleration's label sits at the arrow's tip
};

const TForm4::Group &TForm4::group(VectorQuantity quantity)
{
    using F = TForm4;
    // clang-format off
    static const std::array<Group, kVectorQuantities> groups{{
        //: group title: the position vector; the group is 134 px wide
        {VectorQuantity::Position, &F::MuestraPos, QT_TRANSLATE_NOOP("voltrix::TForm4", "Posición"), kGroupHeight,
         {&F::CheckVectorPo, &F::CheckPosX, &F::CheckPosY, &F::CheckPosZ}, {"X", "Y", "Z"},
         {&F::CheckVectorPoClick, &F::CheckPosXClick, &F::CheckPosYClick, &F::CheckPosZClick}, clWhite, false},
        //: group title: the velocity vector; the group is 134 px wide
        {VectorQuantity::Velocity, &F::MuestraVel, QT_TRANSLATE_NOOP("voltrix::TForm4", "Velocidad"), kGroupHeight,
         {&F::CheckVectorVel, &F::CheckVx, &F::CheckVy, &F::CheckVz}, {"Vx", "Vy", "Vz"},
         {&F::CheckVectorVelClick, &F::CheckVxClick, &F::CheckVyClick, &F::CheckVzClick}, clAqua, false},
        //: group title: the acceleration vector and its unit (m/s²); the group is 134 px wide
        {VectorQuantity::Acceleration, &F::MuestraAceleracion,
         QT_TRANSLATE_NOOP("voltrix::TForm4", "Aceleración m/s*s"), kAccelerationGroupHeight,
         {&F::CheckVectorA, &F::CheckAx, &F::CheckAy, &F::CheckAz}, {"Ax", "Ay", "Az"},
         {&F::CheckVectorAClick, &F::CheckAxClick, &F::CheckAyClick, &F::CheckAzClick}, clSilver, true},
        //: group title: the electric field vector (adjective of "campo"); the group is 134 px wide
        {VectorQuantity::Electric, &F::MuestraE, QT_TRANSLATE_NOOP("voltrix::TForm4", "Eléctrico"), kGroupHeight,
         {&F::CheckVectorE, &F::CheckEx, &F::CheckEy, &F::CheckEz}, {"Ex", "Ey", "Ez"},
         {&F::CheckVectorEClick, &F::CheckExClick, &F::CheckEyClick, &F::CheckEzClick}, clYellow, false},
        //: group title: the magnetic field vector (adjective of "campo"); the group is 134 px wide
        {VectorQuantity::Magnetic, &F::MuestraB, QT_TRANSLATE_NOOP("voltrix::TForm4", "Magnético"), kGroupHeight,
         {&F::CheckVectorB, &F::CheckBx, &F::CheckBy, &F::CheckBz}, {"Bx", "By", "Bz"},
         {&F::CheckVectorBClick, &F::CheckBxClick, &F::CheckByClick, &F::CheckBzClick}, clRed, false},
    }};
    // clang-format on
    return groups[static_cast<std::size_t>(quantity)];
}

TForm4::TForm4(Experiment &experiment, SceneFigures &scene, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
    , scene_(scene)
{
    buildWindow();
    scene_.setPartChoice(this);
    connectHandlers();
    FormCreate();
    connect(&experiment_, &Experiment::changed, this, &TForm4::showChanges);
}

TForm4::~TForm4() { scene_.setPartChoice(nullptr); }

void TForm4::FormCreate()
{
    CheckVectorVel->setChecked(true); // its handler shows the velocity arrow
    experiment_.computeForce();
    const SimState &s = experiment_.state();
    setText31(EditAx, s.ax);
    setText31(EditAy, s.ay);
    setText31(EditAz, s.az);
}

// ---------------------------------------------------------------------------
// Following the experiment

void TForm4::showChanges(Experiment::Changes what)
{
    const bool confined = experiment_.state().CampoConfinado;
    // Switching the region leaves the numbers of the last step until the next one.
    if ((what & Experiment::Force) && !(what & Experiment::Region))
        showAcceleration();
    if ((what & Experiment::Region) && confined) {
        // B is off: its boxes are unticked, their handlers hiding each part.
        for (int part = 0; part < kFigureParts; ++part)
            partBox(VectorQuantity::Magnetic, part)->setChecked(false);
    }
    if (what & Experiment::Preset) {
        // "Inicia" shows the acceleration; the main window draws it in silver
        // at its place, which the box's own handler would move.
        const QSignalBlocker quiet(CheckVectorA);
        CheckVectorA->setChecked(true);
    }
}

void TForm4::showAcceleration()
{
    const SimState &s = experiment_.state();
    show31(EditAx, s.ax);
    show31(EditAy, s.ay);
    show31(EditAz, s.az);
}

bool TForm4::isPartShown(VectorQuantity quantity, int part) const { return partBox(quantity, part)->isChecked(); }

// ---------------------------------------------------------------------------
// Check boxes

void TForm4::CheckVectorPoClick() { vectorBoxClicked(VectorQuantity::Position); }
void TForm4::CheckPosXClick() { componentBoxClicked(VectorQuantity::Position, 0); }
void TForm4::CheckPosYClick() { componentBoxClicked(VectorQuantity::Position, 1); }
void TForm4::CheckPosZClick() { componentBoxClicked(VectorQuantity::Position, 2); }
void TForm4::CheckVectorVelClick() { vectorBoxClicked(VectorQuantity::Velocity); }
void TForm4::CheckVxClick() { componentBoxClicked(VectorQuantity::Velocity, 0); }
void TForm4::CheckVyClick() { componentBoxClicked(VectorQuantity::Velocity, 1); }
void TForm4::CheckVzClick() { componentBoxClicked(VectorQuantity::Velocity, 2); }
void TForm4::CheckVectorAClick() { vectorBoxClicked(VectorQuantity::Acceleration); }
void TForm4::CheckAxClick() { componentBoxClicked(VectorQuantity::Acceleration, 0); }
void TForm4::CheckAyClick() { componentBoxClicked(VectorQuantity::Acceleration, 1); }
void TForm4::CheckAzClick() { componentBoxClicked(VectorQuantity::Acceleration, 2); }
void TForm4::CheckVectorEClick() { vectorBoxClicked(VectorQuantity::Electric); }
void TForm4::CheckExClick() { componentBoxClicked(VectorQuantity::Electric, 0); }
void TForm4::CheckEyClick() { componentBoxClicked(VectorQuantity::Electric, 1); }
void TForm4::CheckEzClick() { componentBoxClicked(VectorQuantity::Electric, 2); }
void TForm4::CheckVectorBClick() { vectorBoxClicked(VectorQuantity::Magnetic); }
void TForm4::CheckBxClick() { componentBoxClicked(VectorQuantity::Magnetic, 0); }
void TForm4::CheckByClick() { componentBoxClicked(VectorQuantity::Magnetic, 1); }
void TForm4::CheckBzClick() { componentBoxClicked(VectorQuantity::Magnetic, 2); }

void TForm4::vectorBoxClicked(VectorQuantity quantity)
{
    const Group &g = group(quantity);
    if (isPartShown(quantity, kArrowPart)) {
        if (quantity == VectorQuantity::Acceleration)
            experiment_.computeForce();
        scene_.colourPart(quantity, kArrowPart, g.colour);
        scene_.colourLabel(quantity, g.colour);
        placeArrowAndLabel(quantity);
        // The acceleration's lines follow the new force whether shown or not.
        if (quantity == VectorQuantity::Acceleration)
            for (int axis = 0; axis < 3; ++axis)
                placeComponentLine(quantity, axis);
    } else {
        scene_.colourPart(quantity, kArrowPart, clBlack);
        scene_.colourLabel(quantity, clBlack);
    }
    scene_.view().DrawWorld();
}

void TForm4::componentBoxClicked(VectorQuantity quantity, int axis)
{
    const Group &g = group(quantity);
    const bool hasRectangle = figureSlots(quantity).plane != 0;
    const int part = 1 + axis;
    if (isPartShown(quantity, part)) {
        scene_.colourPart(quantity, part, g.colour);
        placeComponentLine(quantity, axis);
        if (hasRectangle) {
            scene_.colourRectangle(quantity, kRectangleColour);
            scene_.placeRectangle(quantity, geometry(quantity));
        }
        if (quantity == VectorQuantity::Velocity && isPartShown(quantity, kArrowPart))
            placeArrowAndLabel(quantity);
    } else {
        // The rectangle stays while another component of the group is shown.
        if (hasRectangle && !isPartShown(quantity, 1 + (axis + 1) % 3) && !isPartShown(quantity, 1 + (axis + 2) % 3))
            scene_.colourRectangle(quantity, clBlack);
        scene_.colourPart(quantity, part, clBlack);
    }
    scene_.view().DrawWorld();
}

FigureGeometry TForm4::geometry(VectorQuantity quantity) const
{
    if (quantity == VectorQuantity::Position)
        return positionFigure(experiment_.state(), kPositionLabelOffset);
    return vectorFigure(quantity, experiment_.state(), experiment_.factors());
}

void TForm4::placeArrowAndLabel(VectorQuantity quantity)
{
    const FigureGeometry g = geometry(quantity);
    scene_.placePart(quantity, kArrowPart, g);
    scene_.placeLabel(quantity, group(quantity).labelAtTip ? g.segments[0].to : g.label);
}

void TForm4::placeComponentLine(VectorQuantity quantity, int axis)
{
    scene_.placePart(quantity, 1 + axis, geometry(quantity));
}

QCheckBox *TForm4::partBox(VectorQuantity quantity, int part) const
{
    return this->*group(quantity).parts[static_cast<std::size_t>(part)];
}

// ---------------------------------------------------------------------------
// Layout

namespace {

QGroupBox *makeGroup(QWidget *parent, const QString &caption, int top, int height)
{
    auto *group = new QGroupBox(caption, parent);
    group->setGeometry(kGroupLeft, top, kGroupWidth, height);
    QFont font = group->font();
    font.setBold(true);
    group->setFont(font);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    group->setPalette(palette);
    return group;
}

QCheckBox *makeBox(QGroupBox *group, const QString &caption, int column, int row, int width = kColumnWidth)
{
    auto *box = new QCheckBox(caption, group);
    box->setGeometry(kFirstColumn + column * kColumnWidth, row, width, kBoxHeight);
    return box;
}

} // namespace

void TForm4::buildWindow()
{
    //: window title: the window that shows the vectors ("Muestra" is a verb: shows)
    setWindowTitle(tr("Muestra"));
    move(kLeft, kTop);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    int top = 0;
    for (int q = 0; q < kVectorQuantities; ++q) {
        const Group &g = group(static_cast<VectorQuantity>(q));
        QGroupBox *box = makeGroup(this, QCoreApplication::translate("voltrix::TForm4", g.caption), top, g.height);
        this->*g.box = box;
        //: check box: show the vector's arrow (noun); the box is 84 px wide
        this->*g.parts[kArrowPart] = makeBox(box, tr("Vector"), 0, kRowVector, 2 * kColumnWidth);
        for (int axis = 0; axis < 3; ++axis)
            this->*g.parts[1 + axis] = makeBox(box, QString::fromUtf8(g.componentNames[axis]), axis, kRowComponents);
        top += g.height + 1;
    }

    std::array<QLineEdit **, 3> numbers{&EditAx, &EditAy, &EditAz};
    for (int axis = 0; axis < 3; ++axis) {
        auto *edit = new QLineEdit(MuestraAceleracion);
        edit->setGeometry(kFirstColumn + axis * kColumnWidth, kRowNumbers, kColumnWidth - 2, 17);
        edit->setTextMargins(0, 0, 0, 0);
        *numbers[axis] = edit;
    }
}

void TForm4::connectHandlers()
{
    // The handlers follow every change of a box's state, also when other
    // windows tick or untick it.
    for (int q = 0; q < kVectorQuantities; ++q) {
        const Group &g = group(static_cast<VectorQuantity>(q));
        for (int part = 0; part < kFigureParts; ++part)
            connect(this->*g.parts[static_cast<std::size_t>(part)], &QCheckBox::toggled, this,
                    g.handlers[static_cast<std::size_t>(part)]);
    }
}

} // namespace voltrix
