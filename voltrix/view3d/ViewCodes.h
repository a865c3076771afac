#pragma once
// The view's numeric codes: what its Add*, Change*Properties and
// LinkTraceToParticle operations take for a property, a kind or a style. The
// operations keep int parameters, so a code out of range still reaches the
// view's own checks; these enums name the values they understand.
namespace voltrix {

// Which property a Change*Properties call sets.
enum ViewProperty : int {
    kPropColour = 0,
    kPropPenStyle = 1, // the brush style for planes
    kPropKind = 2,
    kPropSize = 3, // radius, pen width, point size or font height
};

enum PenStyle : int {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenClear = 5,
    kPenInsideFrame = 6,
};

enum BrushStyle : int {
    kBrushSolid = 0,
    kBrushClear = 1,
    kBrushHorizontal = 2,
    kBrushVertical = 3,
    kBrushForwardDiagonal = 4,
    kBrushBackwardDiagonal = 5,
    kBrushCross = 6,
    kBrushDiagonalCross = 7,
};

enum ParticleKind : int {
    kParticleCircle = 0,
    kParticleFilledDisc = 1, // also any kind not listed
    kParticleSquare = 2,
    kParticleFilledSquare = 3,
};

enum SegmentKind : int {
    kSegmentArrow = 0, // head at the second end
    kSegmentPlain = 1, // also any other kind
};

enum PointKind : int {
    kPointCircle = 0,
    kPointJoined = 1, // a line from the point drawn before it
};

// Planes are drawn in two passes: the background layer before everything,
// the foreground layer after; any other kind is never drawn.
enum PlaneLayer : int {
    kPlaneForeground = 0,
    kPlaneBackground = 1,
};

enum TraceKind : int {
    kTracePolyline = 0,
    kTraceDots = 1,
};

} // namespace voltrix
