#include "voltrix/forms/SceneFigures.h"

#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

namespace {

constexpr int kParticle = 1;
constexpr int kTrace = 1;
constexpr int kFloorPlane = 1;
constexpr int kRegionBottomPlane = 6;
constexpr int kRegionTopPlane = 7;

// Stores: how many objects are allocated and how many are drawn.
constexpr int kSegmentsAllocated = 100;
constexpr int kSegmentsInUse = 20;
constexpr int kParticlesAllocated = 100;
constexpr int kParticlesInUse = 1;
constexpr int kPlanes = 9;
constexpr int kLabels = 5;
constexpr int kTraces = 1;
constexpr int kLabelFontHeight = 8;
constexpr int kParticleRadius = 6;
constexpr int kTraceSamples = 40;
// The trace is sampled every 25th move after creation; the allocation sets
// 15 before that, and "Traza" relinks it with its own interval.
constexpr int kTraceIntervalAllocated = 15;
constexpr int kTraceIntervalAtStart = 25;

// Plane colours travel as floats through the view's plane operations.
float planeColour(TColor colour) { return static_cast<float>(colour); }

} // namespace

FigureSlots figureSlots(VectorQuantity quantity)
{
    switch (quantity) {
    case VectorQuantity::Velocity: return {1, 2, 1};
    case VectorQuantity::Position: return {5, 0, 2};
    case VectorQuantity::Acceleration: return {9, 3, 3};
    case VectorQuantity::Electric: return {13, 4, 4};
    case VectorQuantity::Magnetic: break;
    }
    return {17, 5, 5};
}

void SceneFigures::allocate()
{
    view_.AddNSegments(kSegmentsAllocated, kSegmentArrow, 1, 0, 0, 0, 0, 0, 0, clBlack, kPenSolid);
    view_.NSegments = kSegmentsInUse;
    view_.AddNParticles(kParticlesAllocated, kParticleFilledDisc, kParticleRadius, 0, 0, 0, clRed, kPenSolid);
    view_.NParticles = kParticlesInUse;
    view_.AddNPlanes(kPlanes, kPlaneForeground, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clBlack, kBrushSolid);
    view_.NPlanes = kPlanes;
    view_.AddNTraces(kTraces, kTracePolyline, clGray, kTraceIntervalAllocated, kTraceSamples);
    view_.NTraces = kTraces;
    view_.AddNLabels(kLabels, kLabelFontHeight, 0, 0, 0, clAqua, "WALL");
    view_.NLabels = kLabels;
}

void SceneFigures::placeStartRoles(const SimState &s, const DrawingFactors &f)
{
    view_.MovePlane(kFloorPlane, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0);
    view_.ChangePlaneProperties(kPropKind, kFloorPlane, kPlaneBackground);
    view_.ChangePlaneProperties(kPropColour, kFloorPlane, planeColour(clNavy));

    view_.LinkTraceToParticle(kTrace, kParticle, kTracePolyline, clLime, kTraceIntervalAtStart, kTraceSamples, true);
    view_.ShowTrace = true;

    view_.MoveParticle(kParticle, s.x0, s.y0, s.z0);

    // Velocity: only the arrow is coloured; the construction lines keep the
    // black they were allocated with. No drawing factor yet.
    const FigureSlots velocity = figureSlots(VectorQuantity::Velocity);
    view_.ChangeSegmentProperties(kPropColour, velocity.arrow, clAqua);
    view_.MoveSegment(velocity.arrow, s.x0, s.y0, s.z0, s.x0 + s.vx0, s.y0 + s.vy0, s.z0 + s.vz0);
    for (int part = 1; part < kFigureParts; ++part) {
        view_.ChangeSegmentProperties(kPropKind, velocity.arrow + part, kSegmentPlain);
        view_.ChangeSegmentProperties(kPropPenStyle, velocity.arrow + part, kPenDot);
    }
    view_.ChangeLabelText(velocity.label, "V");
    view_.MoveLabel(velocity.label, s.x0 + s.vx0 / 2 + 5, s.y0 + s.vy0 / 2 + 5, s.z0 + s.vz0 / 2 + 5);
    view_.ChangePlaneProperties(kPropKind, velocity.plane, kPlaneBackground);

    // The other four start hidden: dotted construction lines, black labels.
    const auto hiddenFigure = [this](VectorQuantity quantity, bool hideArrow, const char *text, float x, float y,
                                     float z) {
        const FigureSlots roles = figureSlots(quantity);
        if (hideArrow)
            view_.ChangeSegmentProperties(kPropColour, roles.arrow, clBlack);
        for (int part = 1; part < kFigureParts; ++part) {
            view_.ChangeSegmentProperties(kPropColour, roles.arrow + part, clBlack);
            view_.ChangeSegmentProperties(kPropKind, roles.arrow + part, kSegmentPlain);
            view_.ChangeSegmentProperties(kPropPenStyle, roles.arrow + part, kPenDot);
        }
        view_.ChangeLabelText(roles.label, text);
        view_.ChangeLabelProperties(kPropColour, roles.label, clBlack);
        view_.MoveLabel(roles.label, x, y, z);
        if (roles.plane != 0)
            view_.ChangePlaneProperties(kPropKind, roles.plane, kPlaneBackground);
    };
    hiddenFigure(VectorQuantity::Position, true, "r", s.x0 / 2 + 5, s.y0 / 2 + 5, s.z0 / 2 + 5);
    // The acceleration arrow keeps the black it was allocated with.
    hiddenFigure(VectorQuantity::Acceleration, false, "a", s.x + s.ax / 2, s.y + s.ay / 2, s.z + s.az / 2);
    hiddenFigure(VectorQuantity::Electric, true, "E", 50 + f.FactorE * s.Ex / 2, 50 + f.FactorE * s.Ey / 2,
                 50 + f.FactorE * s.Ez / 2);
    hiddenFigure(VectorQuantity::Magnetic, true, "B", 50 + 2 * s.Bx, 60 + 2 * s.By, 50 + 2 * s.Bz);
}

void SceneFigures::placeParticle(const SimState &s) { view_.MoveParticle(kParticle, s.x, s.y, s.z); }

void SceneFigures::placeFigure(VectorQuantity quantity, const FigureGeometry &g, LabelOrder order)
{
    for (int part = 0; part < kFigureParts; ++part)
        placePart(quantity, part, g);
    if (order == LabelOrder::BeforeRectangle)
        placeLabel(quantity, g.label);
    placeRectangle(quantity, g);
    if (order == LabelOrder::AfterRectangle)
        placeLabel(quantity, g.label);
}

void SceneFigures::placePart(VectorQuantity quantity, int part, const FigureGeometry &g)
{
    const Segment3 &s = g.segments[static_cast<std::size_t>(part)];
    view_.MoveSegment(figureSlots(quantity).arrow + part, s.from.x, s.from.y, s.from.z, s.to.x, s.to.y, s.to.z);
}

void SceneFigures::placeRectangle(VectorQuantity quantity, const FigureGeometry &g)
{
    const int plane = figureSlots(quantity).plane;
    if (plane == 0)
        return;
    const auto &c = g.planeCorners;
    view_.MovePlane(plane, c[0].x, c[0].y, c[0].z, c[1].x, c[1].y, c[1].z, c[2].x, c[2].y, c[2].z, c[3].x, c[3].y,
                    c[3].z);
}

void SceneFigures::placeLabel(VectorQuantity quantity, Point3 at)
{
    view_.MoveLabel(figureSlots(quantity).label, at.x, at.y, at.z);
}

void SceneFigures::colourPart(VectorQuantity quantity, int part, TColor colour)
{
    view_.ChangeSegmentProperties(kPropColour, figureSlots(quantity).arrow + part, static_cast<int>(colour));
}

void SceneFigures::colourRectangle(VectorQuantity quantity, TColor colour)
{
    view_.ChangePlaneProperties(kPropColour, figureSlots(quantity).plane, planeColour(colour));
}

void SceneFigures::colourLabel(VectorQuantity quantity, TColor colour)
{
    view_.ChangeLabelProperties(kPropColour, figureSlots(quantity).label, static_cast<int>(colour));
}

void SceneFigures::showRegionFaces(bool shown)
{
    if (!shown) {
        view_.ChangePlaneProperties(kPropColour, kRegionBottomPlane, planeColour(clBlack));
        view_.ChangePlaneProperties(kPropColour, kRegionTopPlane, planeColour(clBlack));
        return;
    }
    using S = SimState;
    view_.MovePlane(kRegionBottomPlane, S::RegXmin, S::RegYmin, S::RegZmin, S::RegXmin, S::RegYmax, S::RegZmin,
                    S::RegXmax, S::RegYmax, S::RegZmin, S::RegXmax, S::RegYmin, S::RegZmin);
    view_.ChangePlaneProperties(kPropKind, kRegionBottomPlane, kPlaneBackground);
    view_.ChangePlaneProperties(kPropColour, kRegionBottomPlane, planeColour(clYellow));
    view_.MovePlane(kRegionTopPlane, S::RegXmax, S::RegYmin, S::RegZmax, S::RegXmax, S::RegYmax, S::RegZmax, S::RegXmin,
                    S::RegYmax, S::RegZmax, S::RegXmin, S::RegYmin, S::RegZmax);
    view_.ChangePlaneProperties(kPropKind, kRegionTopPlane, kPlaneBackground);
    view_.ChangePlaneProperties(kPropColour, kRegionTopPlane, planeColour(clYellow));
}

void SceneFigures::relinkTrace(bool shown, int interval)
{
    view_.LinkTraceToParticle(kTrace, kParticle, kTracePolyline, clLime, interval, kTraceSamples, shown);
    view_.ShowTrace = shown;
}

void SceneFigures::setPartChoice(const PartChoice *choice) { choice_ = choice; }

bool SceneFigures::isPartShown(VectorQuantity quantity, int part) const
{
    return choice_ != nullptr && choice_->isPartShown(quantity, part);
}

} // namespace voltrix
