#include "FigurePlacement.h"

#include "TXc3DWorld.h"

namespace voltrix {

void moveSegment(TXc3DWorld &view, int index, const Segment3 &segment)
{
    view.MoveSegment(index, segment.from.x, segment.from.y, segment.from.z, segment.to.x, segment.to.y,
                     segment.to.z);
}

void movePlane(TXc3DWorld &view, int index, const std::array<Point3, 4> &c)
{
    view.MovePlane(index, c[0].x, c[0].y, c[0].z, c[1].x, c[1].y, c[1].z, c[2].x, c[2].y, c[2].z, c[3].x,
                   c[3].y, c[3].z);
}

void moveLabel(TXc3DWorld &view, int index, Point3 at)
{
    view.MoveLabel(index, at.x, at.y, at.z);
}

void moveFigure(TXc3DWorld &view, const FigureGeometry &figure, int firstSegment, int plane, int label)
{
    for (int i = 0; i < 4; ++i)
        moveSegment(view, firstSegment + i, figure.segments[i]);
    if (plane != 0)
        movePlane(view, plane, figure.planeCorners);
    moveLabel(view, label, figure.label);
}

} // namespace voltrix
