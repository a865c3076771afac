#include "trayecta/forms/GraphAreaPicture.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QSvgGenerator>
#include <cmath>

#include "trayecta/core/CurveLines.h"

namespace trayecta {

namespace {

constexpr double kInchesPerMetre = 1.0 / 0.0254;
constexpr int kScreenDotsPerInch = 96;

void drawCurve(QPainter &painter, const std::vector<PlotPoint> &points, const GraphPicture &picture,
               const QColor *onlyColour)
{
    const QRect &plot = picture.plot;
    const PictureFrame frame{static_cast<double>(plot.left()), static_cast<double>(plot.top()),
                             static_cast<double>(plot.width()), static_cast<double>(plot.height())};
    std::vector<CurveLine> lines = curveLines(points, picture.scale, frame);
    if (picture.thinning > 0.0) {
        thinLines(lines, picture.thinning);
    }
    // The red stretch near the maximum height lies over the black.
    for (const bool apex : {false, true}) {
        QColor colour = apex ? QColor(255, 0, 0) : QColor(0, 0, 0);
        if (onlyColour) {
            colour = *onlyColour;
        }
        painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (const CurveLine &line : lines) {
            if (line.apex != apex) {
                continue;
            }
            if (line.points.size() == 1) {
                painter.drawPoint(QPointF(line.points.front().x, line.points.front().y));
                continue;
            }
            QPolygonF polyline;
            polyline.reserve(static_cast<qsizetype>(line.points.size()));
            for (const LinePoint &p : line.points) {
                polyline.append(QPointF(p.x, p.y));
            }
            painter.drawPolyline(polyline);
        }
    }
}

} // namespace

void paintGraphPicture(QPainter &painter, const GraphPicture &picture)
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), picture.size), Qt::white);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor grey = QColor::fromRgb(kEarlierCurveColour);
    for (const std::vector<PlotPoint> &earlier : picture.earlierCurves) {
        drawCurve(painter, earlier, picture, &grey);
    }
    drawCurve(painter, picture.curve, picture, nullptr);

    // Frame and ticks on the pixel grid, sharp at any ratio.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.plot.adjusted(-1, -1, 0, 0));
    for (const QLine &tick : picture.ticks) {
        painter.drawLine(tick);
    }
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const GraphPicture::Text &text : picture.texts) {
        painter.setFont(text.font);
        painter.drawText(text.rect, static_cast<int>(text.alignment) | Qt::TextDontClip, text.text);
    }
    painter.restore();
}

QImage graphPictureImage(const GraphPicture &picture, qreal pixelRatio)
{
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    const QSize pixels(static_cast<int>(std::ceil(picture.size.width() * ratio)),
                       static_cast<int>(std::ceil(picture.size.height() * ratio)));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    // Printed at the size it has on the screen.
    const int dotsPerMetre = static_cast<int>(std::lround(kScreenDotsPerInch * ratio * kInchesPerMetre));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    paintGraphPicture(painter, picture);
    return image;
}

QByteArray graphPicturePng(const GraphPicture &picture, qreal pixelRatio)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    graphPictureImage(picture, pixelRatio).save(&buffer, "PNG");
    return bytes;
}

QByteArray graphPictureSvg(const GraphPicture &picture, int dotsPerInch)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(picture.size);
    generator.setViewBox(QRect(QPoint(0, 0), picture.size));
    generator.setResolution(dotsPerInch > 0 ? dotsPerInch : kScreenDotsPerInch);
    generator.setTitle(QStringLiteral("Trayecta"));
    generator.setDescription(QStringLiteral("Gràfica de la trajectòria"));
    {
        QPainter painter(&generator);
        paintGraphPicture(painter, picture);
    }
    return bytes;
}

} // namespace trayecta
