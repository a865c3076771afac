#pragma once
// A picture of the trajectory graph that stands alone on a work sheet: the
// curves drawn as lines in the graph area's frame, the tick marks, the tick
// labels and the axis units, on white. One painting makes the PNG (at the
// screen's pixel ratio), the SVG (lines and text as vectors) and the image
// put on the clipboard.
#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QString>
#include <vector>

#include "trayecta/core/TrajectoryPlan.h"

class QPainter;

namespace trayecta {

struct GraphPicture {
    struct Text {
        QRect rect;
        QFont font;
        Qt::Alignment alignment;
        QString text;
    };

    QSize size;                                        // in the window's pixels
    QRect plot;                                        // the graph area's plotting rectangle
    GraphScale scale;                                  // its user scale
    std::vector<std::vector<PlotPoint>> earlierCurves; // grey, under the curve
    std::vector<PlotPoint> curve;                      // black, red near the maximum height
    std::vector<QLine> ticks;
    std::vector<Text> texts;
    // Points closer than this (window pixels) to the last drawn are left out; 0 draws all.
    double thinning = 0.0;
};

inline constexpr QRgb kEarlierCurveColour = 0xffa8a8a8;

void paintGraphPicture(QPainter &painter, const GraphPicture &picture);

// The picture with pixelRatio image pixels to a window pixel.
QImage graphPictureImage(const GraphPicture &picture, qreal pixelRatio);
QByteArray graphPicturePng(const GraphPicture &picture, qreal pixelRatio);
// dotsPerInch relates the window's pixels to the SVG's physical size.
QByteArray graphPictureSvg(const GraphPicture &picture, int dotsPerInch);

} // namespace trayecta
