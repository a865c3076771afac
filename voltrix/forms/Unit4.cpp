#include "Unit4.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

#include "FigurePlacement.h"
#include "PanelFont.h"
#include "Figures.h"
#include "NumberText.h"
#include "SimState.h"
#include "TXc3DWorld.h"
#include "Unit1.h"
#include "WindowFrame.h"

TForm4 *Form4 = nullptr;

using voltrix::Sim;
using voltrix::SimState;
using namespace voltrix::scene;

namespace {

constexpr int kLeft = 316, kTop = 328;
// The client area of the 146 x 272 window.
constexpr QSize kClient = voltrix::clientSizeOf(146, 272);
constexpr int kClientWidth = kClient.width(), kClientHeight = kClient.height();
constexpr int kFontPixels = 11;

// Rectangles are shown in blue; the view takes plane colours as floats.
constexpr float kRectangleColour = 16711680.0f;

// The position label stands a little higher here than where the step puts it.
constexpr voltrix::Point3 kPositionLabelOffset{0, 15, 5};

TXc3DWorld &view()
{
    return *Form1->Xc3DWorld;
}

} // namespace

// One vector of the window: its objects, its colour when shown and where its
// geometry and label come from.
struct TForm4::Figure {
    int arrow;  // the component lines follow it: arrow + 1 .. arrow + 3
    int plane;  // 0: no rectangle
    int label;
    TColor colour;
    voltrix::FigureGeometry (*geometry)(const SimState &);
    bool labelAtTip; // the acceleration's label sits at the arrow's tip
};

namespace {

voltrix::FigureGeometry positionGeometry(const SimState &s)
{
    return voltrix::positionFigure(s, kPositionLabelOffset);
}

voltrix::FigureGeometry velocityGeometry(const SimState &s)
{
    return voltrix::velocityFigure(s);
}

} // namespace

const TForm4::Figure &TForm4::figure(Quantity quantity) const
{
    static const std::array<Figure, QuantityCount> figures{{
        {kPositionArrow, 0, kPositionLabel, clWhite, &positionGeometry, false},
        {kVelocityArrow, kVelocityPlane, kVelocityLabel, clAqua, &velocityGeometry, false},
        {kAccelerationArrow, kAccelerationPlane, kAccelerationLabel, clSilver, &voltrix::accelerationFigure,
         true},
        {kElectricArrow, kElectricPlane, kElectricLabel, clYellow, &voltrix::electricFigure, false},
        {kMagneticArrow, kMagneticPlane, kMagneticLabel, clRed, &voltrix::magneticFigure, false},
    }};
    return figures[quantity];
}

TForm4::TForm4(QWidget *parent)
    : QWidget(parent)
{
    buildWindow();
    connectHandlers();
    FormCreate();
}

void TForm4::FormCreate()
{
    CheckVectorVel->setChecked(true); // its handler shows the velocity arrow
    Form1->ACELERACION();
    EditAx->setText(QString::fromStdString(voltrix::format31(Sim.ax)));
    EditAy->setText(QString::fromStdString(voltrix::format31(Sim.ay)));
    EditAz->setText(QString::fromStdString(voltrix::format31(Sim.az)));
}

void TForm4::CheckVectorPoClick() { vectorBoxClicked(Position); }
void TForm4::CheckPosXClick() { componentBoxClicked(Position, 0); }
void TForm4::CheckPosYClick() { componentBoxClicked(Position, 1); }
void TForm4::CheckPosZClick() { componentBoxClicked(Position, 2); }
void TForm4::CheckVectorVelClick() { vectorBoxClicked(Velocity); }
void TForm4::CheckVxClick() { componentBoxClicked(Velocity, 0); }
void TForm4::CheckVyClick() { componentBoxClicked(Velocity, 1); }
void TForm4::CheckVzClick() { componentBoxClicked(Velocity, 2); }
void TForm4::CheckVectorAClick() { vectorBoxClicked(Acceleration); }
void TForm4::CheckAxClick() { componentBoxClicked(Acceleration, 0); }
void TForm4::CheckAyClick() { componentBoxClicked(Acceleration, 1); }
void TForm4::CheckAzClick() { componentBoxClicked(Acceleration, 2); }
void TForm4::CheckVectorEClick() { vectorBoxClicked(Electric); }
void TForm4::CheckExClick() { componentBoxClicked(Electric, 0); }
void TForm4::CheckEyClick() { componentBoxClicked(Electric, 1); }
void TForm4::CheckEzClick() { componentBoxClicked(Electric, 2); }
void TForm4::CheckVectorBClick() { vectorBoxClicked(Magnetic); }
void TForm4::CheckBxClick() { componentBoxClicked(Magnetic, 0); }
void TForm4::CheckByClick() { componentBoxClicked(Magnetic, 1); }
void TForm4::CheckBzClick() { componentBoxClicked(Magnetic, 2); }

void TForm4::vectorBoxClicked(Quantity quantity)
{
    const Figure &f = figure(quantity);
    if (vectorBox(quantity)->isChecked()) {
        if (quantity == Acceleration)
            Form1->ACELERACION();
        view().ChangeSegmentProperties(kColour, f.arrow, static_cast<int>(f.colour));
        view().ChangeLabelProperties(kColour, f.label, static_cast<int>(f.colour));
        placeArrowAndLabel(quantity);
        // The acceleration's lines follow the new force whether shown or not.
        if (quantity == Acceleration)
            for (int axis = 0; axis < 3; ++axis)
                placeComponentLine(quantity, axis);
    } else {
        view().ChangeSegmentProperties(kColour, f.arrow, static_cast<int>(clBlack));
        view().ChangeLabelProperties(kColour, f.label, static_cast<int>(clBlack));
    }
    view().DrawWorld();
}

void TForm4::componentBoxClicked(Quantity quantity, int axis)
{
    const Figure &f = figure(quantity);
    const int line = f.arrow + 1 + axis;
    if (componentBox(quantity, axis)->isChecked()) {
        view().ChangeSegmentProperties(kColour, line, static_cast<int>(f.colour));
        placeComponentLine(quantity, axis);
        if (f.plane != 0) {
            view().ChangePlaneProperties(kColour, f.plane, kRectangleColour);
            placeRectangle(quantity);
        }
        if (quantity == Velocity && CheckVectorVel->isChecked())
            placeArrowAndLabel(Velocity);
    } else {
        // The rectangle stays while another component of the group is shown.
        if (f.plane != 0 && !componentBox(quantity, (axis + 1) % 3)->isChecked()
            && !componentBox(quantity, (axis + 2) % 3)->isChecked())
            view().ChangePlaneProperties(kColour, f.plane, static_cast<float>(clBlack));
        view().ChangeSegmentProperties(kColour, line, static_cast<int>(clBlack));
    }
    view().DrawWorld();
}

void TForm4::placeArrowAndLabel(Quantity quantity)
{
    const Figure &f = figure(quantity);
    const voltrix::FigureGeometry g = f.geometry(Sim);
    voltrix::moveSegment(view(), f.arrow, g.segments[0]);
    voltrix::moveLabel(view(), f.label, f.labelAtTip ? g.segments[0].to : g.label);
}

void TForm4::placeComponentLine(Quantity quantity, int axis)
{
    const Figure &f = figure(quantity);
    voltrix::moveSegment(view(), f.arrow + 1 + axis, f.geometry(Sim).segments[1 + axis]);
}

void TForm4::placeRectangle(Quantity quantity)
{
    const Figure &f = figure(quantity);
    voltrix::movePlane(view(), f.plane, f.geometry(Sim).planeCorners);
}

QCheckBox *TForm4::vectorBox(Quantity quantity) const
{
    const std::array<QCheckBox *, QuantityCount> boxes{CheckVectorPo, CheckVectorVel, CheckVectorA, CheckVectorE,
                                                       CheckVectorB};
    return boxes[quantity];
}

QCheckBox *TForm4::componentBox(Quantity quantity, int axis) const
{
    const std::array<std::array<QCheckBox *, 3>, QuantityCount> boxes{{
        {CheckPosX, CheckPosY, CheckPosZ},
        {CheckVx, CheckVy, CheckVz},
        {CheckAx, CheckAy, CheckAz},
        {CheckEx, CheckEy, CheckEz},
        {CheckBx, CheckBy, CheckBz},
    }};
    return boxes[quantity][axis];
}

// ---------------------------------------------------------------------------
// Layout: five groups one above the other, "Vector" on the first row of
// each and the three components on the second; the acceleration group has
// its three number boxes under its component boxes.

namespace {

constexpr int kGroupLeft = 2, kGroupWidth = kClientWidth - 4;
constexpr int kGroupHeight = 44, kAccelerationGroupHeight = 64;
constexpr int kRowVector = 14, kRowComponents = 28, kRowNumbers = 44;
constexpr int kColumnWidth = 42, kFirstColumn = 6, kBoxHeight = 15;

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
    setWindowTitle(QStringLiteral("Muestra"));
    move(kLeft, kTop);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(panelFont(kFontPixels));

    struct GroupLayout {
        QGroupBox **group;
        const char *caption;
        QCheckBox **vector;
        std::array<QCheckBox **, 3> components;
        std::array<const char *, 3> names;
        int height;
    };
    const std::array<GroupLayout, QuantityCount> groups{{
        {&MuestraPos, "Posición", &CheckVectorPo, {&CheckPosX, &CheckPosY, &CheckPosZ}, {"X", "Y", "Z"},
         kGroupHeight},
        {&MuestraVel, "Velocidad", &CheckVectorVel, {&CheckVx, &CheckVy, &CheckVz}, {"Vx", "Vy", "Vz"},
         kGroupHeight},
        {&MuestraAceleracion, "Aceleración m/s*s", &CheckVectorA, {&CheckAx, &CheckAy, &CheckAz},
         {"Ax", "Ay", "Az"}, kAccelerationGroupHeight},
        {&MuestraE, "Eléctrico", &CheckVectorE, {&CheckEx, &CheckEy, &CheckEz}, {"Ex", "Ey", "Ez"},
         kGroupHeight},
        {&MuestraB, "Magnético", &CheckVectorB, {&CheckBx, &CheckBy, &CheckBz}, {"Bx", "By", "Bz"},
         kGroupHeight},
    }};
    int top = 0;
    for (const GroupLayout &entry : groups) {
        QGroupBox *group = makeGroup(this, QString::fromUtf8(entry.caption), top, entry.height);
        *entry.group = group;
        *entry.vector = makeBox(group, QStringLiteral("Vector"), 0, kRowVector, 2 * kColumnWidth);
        for (int axis = 0; axis < 3; ++axis)
            *entry.components[axis] = makeBox(group, QString::fromUtf8(entry.names[axis]), axis, kRowComponents);
        top += entry.height + 1;
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
    using Handler = void (TForm4::*)();
    const std::array<std::pair<QCheckBox *, Handler>, 20> handlers{{
        {CheckVectorPo, &TForm4::CheckVectorPoClick}, {CheckPosX, &TForm4::CheckPosXClick},
        {CheckPosY, &TForm4::CheckPosYClick},         {CheckPosZ, &TForm4::CheckPosZClick},
        {CheckVectorVel, &TForm4::CheckVectorVelClick}, {CheckVx, &TForm4::CheckVxClick},
        {CheckVy, &TForm4::CheckVyClick},             {CheckVz, &TForm4::CheckVzClick},
        {CheckVectorA, &TForm4::CheckVectorAClick},   {CheckAx, &TForm4::CheckAxClick},
        {CheckAy, &TForm4::CheckAyClick},             {CheckAz, &TForm4::CheckAzClick},
        {CheckVectorE, &TForm4::CheckVectorEClick},   {CheckEx, &TForm4::CheckExClick},
        {CheckEy, &TForm4::CheckEyClick},             {CheckEz, &TForm4::CheckEzClick},
        {CheckVectorB, &TForm4::CheckVectorBClick},   {CheckBx, &TForm4::CheckBxClick},
        {CheckBy, &TForm4::CheckByClick},             {CheckBz, &TForm4::CheckBzClick},
    }};
    // Like the original's click events, the handlers follow every change of
    // a box's state, also when other windows tick or untick it.
    for (const auto &[box, handler] : handlers)
        connect(box, &QCheckBox::toggled, this, handler);
}
