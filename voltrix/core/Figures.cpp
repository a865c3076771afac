#include "voltrix/core/Figures.h"

namespace voltrix {

namespace {

float scaled(float factor, float component) { return static_cast<float>(static_cast<double>(factor) * component); }

float sum(float a, float b) { return static_cast<float>(static_cast<double>(a) + b); }

Point3 particle(const SimState &s) { return {s.x, s.y, s.z}; }

} // namespace

FigureGeometry figureGeometry(Point3 a, Point3 w, Point3 o)
{
    const Point3 tip{sum(a.x, w.x), sum(a.y, w.y), sum(a.z, w.z)};
    const Point3 sideY{a.x, tip.y, a.z};    // (Ax, Ay + wy, Az)
    const Point3 sideX{tip.x, a.y, a.z};    // (Ax + wx, Ay, Az)
    const Point3 corner{tip.x, tip.y, a.z}; // (Ax + wx, Ay + wy, Az)

    FigureGeometry g;
    g.segments = {Segment3{a, tip}, Segment3{sideY, corner}, Segment3{sideX, corner}, Segment3{corner, tip}};
    g.planeCorners = {a, sideX, corner, sideY};
    g.label = {static_cast<float>(a.x + w.x * 0.5 + o.x), static_cast<float>(a.y + w.y * 0.5 + o.y),
               static_cast<float>(a.z + w.z * 0.5 + o.z)};
    return g;
}

FigureGeometry velocityFigure(const SimState &s, float velocityFactor)
{
    const Point3 w{scaled(velocityFactor, s.vx), scaled(velocityFactor, s.vy), scaled(velocityFactor, s.vz)};
    return figureGeometry(particle(s), w, kVelocityLabelOffset);
}

FigureGeometry positionFigure(const SimState &s, Point3 labelOffset)
{
    return figureGeometry(Point3{}, particle(s), labelOffset);
}

FigureGeometry accelerationFigure(const SimState &s, float factor)
{
    const Point3 w{scaled(factor, s.ax), scaled(factor, s.ay), scaled(factor, s.az)};
    return figureGeometry(particle(s), w);
}

FigureGeometry electricFigure(const SimState &s, float factor)
{
    const Point3 w{scaled(factor, s.Ex), scaled(factor, s.Ey), scaled(factor, s.Ez)};
    return figureGeometry(kElectricAnchor, w);
}

FigureGeometry magneticFigure(const SimState &s, float factor)
{
    const Point3 w{scaled(factor, s.Bx), scaled(factor, s.By), scaled(factor, s.Bz)};
    return figureGeometry(kMagneticAnchor, w);
}

FigureGeometry vectorFigure(VectorQuantity quantity, const SimState &s, const DrawingFactors &f)
{
    switch (quantity) {
    case VectorQuantity::Position: return positionFigure(s);
    case VectorQuantity::Velocity: return velocityFigure(s, f.FactorV);
    case VectorQuantity::Acceleration: return accelerationFigure(s, f.FactorA);
    case VectorQuantity::Electric: return electricFigure(s, f.FactorE);
    case VectorQuantity::Magnetic: break;
    }
    return magneticFigure(s, f.FactorB);
}

} // namespace voltrix
