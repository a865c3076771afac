#pragma once
// Hands the core's figure geometry to the 3D view: one segment, the
// projection rectangle, the label point, or a whole figure at its indices.
#include <array>

#include "Figures.h"

class TXc3DWorld;

namespace voltrix {

// The roles of the scene objects the main window creates, by index.
namespace scene {
inline constexpr int kParticle = 1;
inline constexpr int kVelocityArrow = 1, kVelocityPlane = 2, kVelocityLabel = 1;
inline constexpr int kPositionArrow = 5, kPositionLabel = 2;
inline constexpr int kAccelerationArrow = 9, kAccelerationPlane = 3, kAccelerationLabel = 3;
inline constexpr int kElectricArrow = 13, kElectricPlane = 4, kElectricLabel = 4;
inline constexpr int kMagneticArrow = 17, kMagneticPlane = 5, kMagneticLabel = 5;
// Property code of the view's Change*Properties operations for the colour.
inline constexpr int kColour = 0;
} // namespace scene

void moveSegment(TXc3DWorld &view, int index, const Segment3 &segment);
void movePlane(TXc3DWorld &view, int index, const std::array<Point3, 4> &corners);
void moveLabel(TXc3DWorld &view, int index, Point3 at);

// Arrow and construction lines (segments firstSegment .. firstSegment + 3),
// then the rectangle (skipped when plane is 0), then the label.
void moveFigure(TXc3DWorld &view, const FigureGeometry &figure, int firstSegment, int plane, int label);

} // namespace voltrix
