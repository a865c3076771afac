#pragma once
// The geometry of a vector figure in the 3D view: an arrow from the anchor A to
// A + w, three construction lines that outline the arrow's projection on the
// horizontal plane through A and its vertical component, the projection
// rectangle (corners in drawing order) and the label point A + w/2 + offset.
// Only numbers here; the windows hand them to the view's Move* operations.
// Results are floats; each coordinate is computed in double and rounded once.
#include <array>

#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/SimState.h"
#include "voltrix/core/VectorQuantity.h"

namespace voltrix {

struct Point3 {
    float x = 0, y = 0, z = 0;
};

struct Segment3 {
    Point3 from, to;
};

struct FigureGeometry {
    // [0] the arrow (segment s), [1]..[3] the construction lines s+1..s+3.
    std::array<Segment3, 4> segments;
    // Plane corners: A, (Ax+wx, Ay, Az), (Ax+wx, Ay+wy, Az), (Ax, Ay+wy, Az).
    std::array<Point3, 4> planeCorners;
    Point3 label;
};

FigureGeometry figureGeometry(Point3 anchor, Point3 w, Point3 labelOffset = {});

// Fixed anchors of the field arrows and label offsets of the figures.
inline constexpr Point3 kElectricAnchor{50, 50, 50};
inline constexpr Point3 kMagneticAnchor{70, 70, 70};
inline constexpr Point3 kVelocityLabelOffset{5, 5, 5};
// Label 2 as the step and loading place it: (x/2, y/2 + 10, z/2 + 5).
inline constexpr Point3 kStepPositionLabelOffset{0, 10, 5};

// The five figures from the state, each drawn with the factor given (the
// control panel draws the velocity at true length, 1, instead of FactorV).
FigureGeometry velocityFigure(const SimState &s, float velocityFactor);
FigureGeometry positionFigure(const SimState &s, Point3 labelOffset = kStepPositionLabelOffset);
FigureGeometry accelerationFigure(const SimState &s, float factor);
FigureGeometry electricFigure(const SimState &s, float factor);
FigureGeometry magneticFigure(const SimState &s, float factor);

// A quantity's figure as the animation step and the scale timer draw it:
// with its own drawing factor and the step's position label.
FigureGeometry vectorFigure(VectorQuantity quantity, const SimState &s, const DrawingFactors &f);

} // namespace voltrix
