// How the main window follows the experiment: the time box, the camera, the
// held buttons' timers, the region's menu marks, and the scene's figures,
// which each kind of change places in an order of its own before the view is
// redrawn once.
#include "voltrix/forms/Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>

#include "voltrix/forms/BoxText.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/Unit1Layout.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

using namespace mainwin;

namespace {

using E = Experiment;

// Changes that leave the picture as it was: nothing is redrawn for them.
constexpr E::Changes kRedrawn = E::Position | E::Velocity | E::Electric | E::Magnetic | E::Charge | E::Region
                                | E::Factors | E::Force | E::Camera | E::Stepped | E::Loaded | E::Preset | E::SetUp;

// The panel draws the velocity at its true length, without FactorV, and
// label 2 a little higher than the step does.
constexpr float kTrueLength = 1.0f;
constexpr Point3 kPanelPositionLabelOffset{0, 15, 5};

} // namespace

void TForm1::showChanges(Experiment::Changes what)
{
    if (what & E::Time)
        showTime();
    if (what & (E::Position | E::Time | E::Unit))
        describeView();
    if (what & (E::ChargeHold | E::ScaleHold))
        runHeldTimers(what);
    if (what & E::Region)
        showRegion();
    placeFigures(what);
    if (what & E::Camera)
        showCamera();
    if (what & E::Preset)
        Xc3DWorld->ProjectAll();
    if (what & kRedrawn)
        Xc3DWorld->DrawWorld();
}

void TForm1::showTime() { showText(EditT, format32(experiment_.state().t)); }

void TForm1::describeView()
{
    // In the texts the panel and the time box show.
    const SimState &s = experiment_.state();
    const char *unit = s.unit == LengthUnit::Centimetre ? "cm" : "m";
    const auto text = [](const std::string &number) { return QString::fromStdString(number); };
    //: what a screen reader says the 3D view shows; %1, %2, %3 are the particle's x, y, z,
    //: %4 the length unit (m or cm) and %5 the time in seconds
    Xc3DWorld->setAccessibleDescription(tr("Partícula en x = %1, y = %2, z = %3 %4; t = %5 s")
                                            .arg(text(format31(s.x)), text(format31(s.y)), text(format31(s.z)),
                                                 QString::fromUtf8(unit), text(format32(s.t))));
}

void TForm1::showCamera()
{
    const ViewControls &camera = experiment_.camera();
    Xc3DWorld->Alfa = camera.shown.alfa;
    Xc3DWorld->Beta = camera.shown.beta;
    Xc3DWorld->Zoom = camera.ZoomActual;
    Xc3DWorld->ProjectAll();
}

void TForm1::showRegion()
{
    const bool confined = experiment_.state().CampoConfinado;
    Confinado->setChecked(confined);
    TodoEspacio->setChecked(!confined);
}

// Some objects are placed by several kinds of change, each in its own way
// (the velocity arrow with or without FactorV, label 2 at two heights):
// what a change places last is what the view shows, so each kind has its
// own order, written once here.
void TForm1::placeFigures(Experiment::Changes what)
{
    if (what & (E::Stepped | E::SteppedUnseen))
        placeParticleFigures();
    else if (what & E::Loaded)
        placeLoadedFigures();
    else if (what & E::Preset)
        placePresetFigures();
    else if (what & E::SetUp)
        placeSetUpFigures();
    else if (what & E::Region)
        placeRegionFigures();
    else
        placeEditedFigures(what);
}

void TForm1::placeVectorFigure(VectorQuantity quantity)
{
    // The velocity's label is moved before its rectangle, the others' after.
    const LabelOrder order =
        quantity == VectorQuantity::Velocity ? LabelOrder::BeforeRectangle : LabelOrder::AfterRectangle;
    scene_->placeFigure(quantity, vectorFigure(quantity, experiment_.state(), experiment_.factors()), order);
}

void TForm1::placePositionFigure()
{
    // Only the parts ticked in the vector options follow; label 2 always.
    const FigureGeometry g = vectorFigure(VectorQuantity::Position, experiment_.state(), experiment_.factors());
    for (int part = 0; part < kFigureParts; ++part)
        if (scene_->isPartShown(VectorQuantity::Position, part))
            scene_->placePart(VectorQuantity::Position, part, g);
    scene_->placeLabel(VectorQuantity::Position, g.label);
}

void TForm1::placeParticleFigures()
{
    // Every step moves the particle, so the trace samples the unseen ones too.
    scene_->placeParticle(experiment_.state());
    placeVectorFigure(VectorQuantity::Velocity);
    placeVectorFigure(VectorQuantity::Acceleration);
    placePositionFigure();
}

void TForm1::placeLoadedFigures()
{
    // The field arrows stay where they were.
    DIBUJA_ACELERACION();
    scene_->placeParticle(experiment_.state());
    placeVectorFigure(VectorQuantity::Velocity);
    placePositionFigure();
}

void TForm1::placeSetUpFigures()
{
    // As a load, and the field arrows with it; the trace starts afresh.
    placeLoadedFigures();
    for (VectorQuantity field : {VectorQuantity::Electric, VectorQuantity::Magnetic})
        scene_->placeFigure(field, vectorFigure(field, experiment_.state(), experiment_.factors()));
    setTrace(false);
    setTrace(true);
}

void TForm1::placeRegionFigures()
{
    if (!experiment_.state().CampoConfinado) {
        scene_->showRegionFaces(false);
        return;
    }
    // B is switched off: its figure goes, the region's faces come.
    for (int part = 0; part < kFigureParts; ++part)
        scene_->colourPart(VectorQuantity::Magnetic, part, clBlack);
    scene_->colourLabel(VectorQuantity::Magnetic, clBlack);
    scene_->colourRectangle(VectorQuantity::Magnetic, clBlack);
    scene_->showRegionFaces(true);
    DIBUJA_ACELERACION();
}

void TForm1::placeEditedFigures(Experiment::Changes what)
{
    const SimState &s = experiment_.state();
    if (what & E::Magnetic)
        scene_->placeFigure(VectorQuantity::Magnetic, vectorFigure(VectorQuantity::Magnetic, s, experiment_.factors()));
    if (what & E::Electric)
        scene_->placeFigure(VectorQuantity::Electric, vectorFigure(VectorQuantity::Electric, s, experiment_.factors()));
    if (what & E::Velocity)
        placePanelVelocity(true);
    if (what & E::Position)
        placePanelPosition();
    if ((what & E::Factors) && experiment_.factors().edited)
        placeVectorFigure(*experiment_.factors().edited);
    // A new position keeps the force: the arrow is drawn again at the new place.
    if (what & (E::Force | E::Position))
        DIBUJA_ACELERACION();
    // The panel sets the view up again after a field, velocity or position
    // (the electric field excepted).
    if (what & (E::Magnetic | E::Velocity | E::Position))
        Xc3DWorld->SetupWorld();
}

void TForm1::placePanelVelocity(bool arrowAndLabel)
{
    const FigureGeometry figure = velocityFigure(experiment_.state(), kTrueLength);
    if (arrowAndLabel) {
        scene_->placeFigure(VectorQuantity::Velocity, figure);
        return;
    }
    for (int line = 1; line < kFigureParts; ++line)
        scene_->placePart(VectorQuantity::Velocity, line, figure);
    scene_->placeRectangle(VectorQuantity::Velocity, figure);
}

void TForm1::placePanelPosition()
{
    const SimState &s = experiment_.state();
    const FigureGeometry figure = positionFigure(s, kPanelPositionLabelOffset);
    scene_->placeParticle(s);
    for (int part = 0; part < kFigureParts; ++part)
        if (scene_->isPartShown(VectorQuantity::Position, part))
            scene_->placePart(VectorQuantity::Position, part, figure);
    scene_->placeLabel(VectorQuantity::Position, figure.label);
    placePanelVelocity(scene_->isPartShown(VectorQuantity::Velocity, kArrowPart));
}

void TForm1::placeParticleAndVelocityArrow()
{
    const SimState &s = experiment_.state();
    scene_->placeParticle(s);
    const FigureGeometry velocity = velocityFigure(s, kTrueLength);
    scene_->placePart(VectorQuantity::Velocity, kArrowPart, velocity);
    scene_->placeLabel(VectorQuantity::Velocity, velocity.label);
    // Here label 2 stands where the animation step puts it.
    scene_->placeLabel(VectorQuantity::Position, positionFigure(s).label);
}

void TForm1::placePresetFigures()
{
    const SimState &s = experiment_.state();
    if (!s.CampoConfinado) {
        scene_->placeFigure(VectorQuantity::Electric, vectorFigure(VectorQuantity::Electric, s, experiment_.factors()));
        scene_->placeFigure(VectorQuantity::Magnetic, vectorFigure(VectorQuantity::Magnetic, s, experiment_.factors()));
    } else {
        // Only the arrow of the field is shown; its label stands at a place
        // of its own that does not follow FactorE.
        scene_->placePart(VectorQuantity::Electric, kArrowPart,
                          vectorFigure(VectorQuantity::Electric, s, experiment_.factors()));
        for (int line = 1; line < kFigureParts; ++line)
            scene_->colourPart(VectorQuantity::Electric, line, clBlack);
        scene_->colourRectangle(VectorQuantity::Electric, clBlack);
        scene_->placeLabel(VectorQuantity::Electric, {50 + 2 * s.Ex, 50 + 5 * s.Ey, 50 + 2 * s.Ez});
    }
    placeParticleAndVelocityArrow();
    // The preset shows the acceleration (the vector options tick its box).
    scene_->colourPart(VectorQuantity::Acceleration, kArrowPart, clSilver);
    scene_->colourLabel(VectorQuantity::Acceleration, clSilver);
    DIBUJA_ACELERACION();
    // The trace is switched off and on, so it starts afresh from here.
    setTrace(false);
    colourPositionSegments();
    placePanelVelocity(false);
    scene_->placeLabel(VectorQuantity::Velocity, velocityFigure(s, kTrueLength).label);
    setTrace(true);
}

void TForm1::colourPositionSegments()
{
    const FigureGeometry figure = positionFigure(experiment_.state());
    for (int part = 0; part < kFigureParts; ++part) {
        if (scene_->isPartShown(VectorQuantity::Position, part)) {
            scene_->colourPart(VectorQuantity::Position, part, clWhite);
            scene_->placePart(VectorQuantity::Position, part, figure);
        } else {
            scene_->colourPart(VectorQuantity::Position, part, clBlack);
        }
    }
}

} // namespace voltrix
