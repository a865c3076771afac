#include "voltrix/forms/RunPlot.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "common/DesignFonts.h"

namespace voltrix {

namespace {

// Room for the ticks' numbers and the axis titles around the plot.
constexpr qreal kLeftRoom = 58, kRightRoom = 12, kRightAxisRoom = 58, kTopRoom = 24, kBottomRoom = 36;
constexpr int kFontPixels = 11;
constexpr qreal kTickLength = 4;
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kCurves[] = {QColor(0xc0, 0x00, 0x00), QColor(0x00, 0x80, 0x00), QColor(0x00, 0x00, 0xc0)};

bool rightAxisFor(GraphChoice choice) { return choice == GraphChoice::SpeedAndAcceleration; }

QString axisTitle(const GraphData &data, int axis)
{
    const auto unitOf = [&data](RunSeries series) { return QString::fromStdString(seriesUnit(series, data.unit())); };
    switch (data.choice()) {
    case GraphChoice::Position:
        //: the graph's axis title; %1 is the unit (m or cm)
        return QCoreApplication::translate("voltrix::TFormGraficas", "Posición (%1)").arg(unitOf(RunSeries::X));
    case GraphChoice::Velocity:
        //: the graph's axis title; %1 is the unit (m/s or cm/s)
        return QCoreApplication::translate("voltrix::TFormGraficas", "Velocidad (%1)").arg(unitOf(RunSeries::Vx));
    case GraphChoice::Acceleration:
        //: the graph's axis title; %1 is the unit (m/s² or cm/s²)
        return QCoreApplication::translate("voltrix::TFormGraficas", "Aceleración (%1)").arg(unitOf(RunSeries::Ax));
    case GraphChoice::SpeedAndAcceleration:
        return axis == 0 ? QStringLiteral("|v| (%1)").arg(unitOf(RunSeries::Speed))
                         : QStringLiteral("|a| (%1)").arg(unitOf(RunSeries::AccelerationSize));
    case GraphChoice::Energy: break;
    }
    //: the graph's axis title: energy in joules
    return QCoreApplication::translate("voltrix::TFormGraficas", "Energía (J)");
}

// Where a value stands along an axis drawn from `from` to `to` (pixels).
qreal place(double value, const Axis &axis, qreal from, qreal to)
{
    return from + (value - axis.lo) / (axis.hi - axis.lo) * (to - from);
}

template <typename Each>
void forEachTick(const Axis &axis, Each each)
{
    const int ticks = static_cast<int>(std::lround((axis.hi - axis.lo) / axis.step));
    for (int k = 0; k <= ticks; ++k)
        each(axis.lo + k * axis.step);
}

void drawRotated(QPainter &p, const QPointF &centre, const QString &text)
{
    p.save();
    p.translate(centre);
    p.rotate(-90);
    const QFontMetricsF metrics(p.font());
    p.drawText(QPointF(-metrics.horizontalAdvance(text) / 2, metrics.ascent() / 2 - 1), text);
    p.restore();
}

void drawValueAxis(QPainter &p, const QRectF &frame, const Axis &axis, bool right, const QString &title)
{
    const QFontMetricsF metrics(p.font());
    qreal widest = 0;
    forEachTick(axis, [&](double v) {
        const qreal y = place(v, axis, frame.bottom(), frame.top());
        if (!right) {
            p.setPen(kGrid);
            p.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        }
        p.setPen(Qt::black);
        const qreal x = right ? frame.right() : frame.left();
        p.drawLine(QPointF(x, y), QPointF(right ? x + kTickLength : x - kTickLength, y));
        const QString text = QString::fromStdString(tickText(v, axis.step));
        const qreal width = metrics.horizontalAdvance(text);
        widest = std::max(widest, width);
        const qreal left = right ? x + kTickLength + 2 : x - kTickLength - 2 - width;
        p.drawText(QPointF(left, y + metrics.ascent() / 2 - 1), text);
    });
    const qreal gap = kTickLength + 2 + widest + 4 + metrics.height() / 2;
    drawRotated(p, QPointF(right ? frame.right() + gap : frame.left() - gap, frame.center().y()), title);
}

void drawTimeAxis(QPainter &p, const QRectF &frame, const Axis &axis)
{
    const QFontMetricsF metrics(p.font());
    forEachTick(axis, [&](double v) {
        const qreal x = place(v, axis, frame.left(), frame.right());
        p.setPen(kGrid);
        p.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
        p.setPen(Qt::black);
        p.drawLine(QPointF(x, frame.bottom()), QPointF(x, frame.bottom() + kTickLength));
        const QString text = QString::fromStdString(tickText(v, axis.step));
        p.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2, frame.bottom() + kTickLength + metrics.ascent()),
                   text);
    });
    const QString title = QStringLiteral("t (s)");
    p.drawText(QPointF(frame.center().x() - metrics.horizontalAdvance(title) / 2,
                       frame.bottom() + kTickLength + metrics.height() + metrics.ascent()),
               title);
}

QPen curvePen(const GraphCurve &curve, int index)
{
    QPen pen(curveColour(curve, index), 1);
    pen.setCapStyle(Qt::FlatCap);
    // The total energy lies on the kinetic one while Ep = 0, and |a| on |v| in
    // a magnetic field: dashed, both show.
    if (curve.series == RunSeries::Total || curve.axis == 1)
        pen.setDashPattern({4, 3});
    return pen;
}

void drawLegend(QPainter &p, const QRectF &frame, const GraphData &data)
{
    const QFontMetricsF metrics(p.font());
    qreal x = frame.left();
    const qreal y = frame.top() - metrics.descent() - 6;
    const auto &curves = data.curves();
    for (std::size_t k = 0; k < curves.size(); ++k) {
        p.setPen(curvePen(curves[k], static_cast<int>(k)));
        p.drawLine(QPointF(x, y - metrics.ascent() / 3), QPointF(x + 16, y - metrics.ascent() / 3));
        x += 20;
        QString name = QCoreApplication::translate("voltrix::RunGraph", curves[k].name);
        if (data.confinedEnergy()) {
            //: the graph's legend when only the kinetic energy is plotted; %1 is its symbol (Ec)
            name = QCoreApplication::translate("voltrix::TFormGraficas",
                                               "%1 (campo confinado: no es conservativo, sin energía potencial)")
                       .arg(name);
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(x, y), name);
        x += metrics.horizontalAdvance(name) + 12;
    }
}

// A curve from its least and greatest value in each column: each column's
// stroke is entered at the end nearer the last one, so the line reads as the
// curve it thins out.
QPolygonF envelopeLine(const Envelope &envelope, const QRectF &frame, const Axis &axis)
{
    QPolygonF line;
    const qreal width = frame.width() / static_cast<qreal>(envelope.size());
    const auto y = [&](float v) {
        return std::clamp(place(v, axis, frame.bottom(), frame.top()), frame.top() - 2, frame.bottom() + 2);
    };
    for (std::size_t c = 0; c < envelope.size(); ++c) {
        const SeriesRange &r = envelope[c];
        if (r.empty())
            continue;
        const qreal x = frame.left() + (static_cast<qreal>(c) + 0.5) * width;
        qreal first = y(r.lo), second = y(r.hi);
        if (!line.isEmpty() && std::fabs(line.back().y() - second) < std::fabs(line.back().y() - first))
            std::swap(first, second);
        line << QPointF(x, first);
        if (second != first)
            line << QPointF(x, second);
    }
    return line;
}

} // namespace

QRectF plotFrame(const QSizeF &size, bool rightAxis)
{
    const qreal right = rightAxis ? kRightAxisRoom : kRightRoom;
    return {kLeftRoom, kTopRoom, std::max<qreal>(size.width() - kLeftRoom - right, 1),
            std::max<qreal>(size.height() - kTopRoom - kBottomRoom, 1)};
}

QColor curveColour(const GraphCurve &curve, int index)
{
    if (curve.series == RunSeries::Total)
        return Qt::black;
    return kCurves[index % 3];
}

void paintPlot(QPainter &p, const QRectF &area, const GraphData &data)
{
    paintPlotFrame(p, area, data);
    paintPlotCurves(p, area, data);
}

void paintPlotFrame(QPainter &p, const QRectF &area, const GraphData &data)
{
    p.save();
    p.translate(area.topLeft());
    p.setClipRect(QRectF(QPointF(0, 0), area.size()));
    p.fillRect(QRectF(QPointF(0, 0), area.size()), Qt::white);
    p.setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));
    const QRectF frame = plotFrame(area.size(), data.hasRightAxis());

    drawTimeAxis(p, frame, data.timeAxis());
    drawValueAxis(p, frame, data.valueAxis(0), false, axisTitle(data, 0));
    if (data.hasRightAxis())
        drawValueAxis(p, frame, data.valueAxis(1), true, axisTitle(data, 1));
    drawLegend(p, frame, data);

    p.setPen(Qt::black);
    p.drawRect(frame);
    if (data.empty())
        p.drawText(frame.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   //: over an empty graph; Inicia, Cargar and Recuperar are the captions of a button and of
                   //: menu items
                   QCoreApplication::translate("voltrix::TFormGraficas",
                                               "Sin datos: la gráfica muestra cada paso de la animación desde el "
                                               "último Inicia, Cargar o Recuperar."));
    p.restore();
}

void paintPlotCurves(QPainter &p, const QRectF &area, const GraphData &data)
{
    p.save();
    p.translate(area.topLeft());
    const QRectF frame = plotFrame(area.size(), data.hasRightAxis());
    // Each column is a device pixel: crisp without antialiasing, which
    // would cost three times as much at twice the scale.
    p.setClipRect(frame.adjusted(-1, -1, 1, 1));
    const auto &curves = data.curves();
    for (std::size_t k = 0; k < curves.size() && k < data.envelopes().size(); ++k) {
        const QPen pen = curvePen(curves[k], static_cast<int>(k));
        p.setPen(pen);
        const QPolygonF line = envelopeLine(data.envelopes()[k], frame, data.valueAxis(curves[k].axis));
        if (pen.style() != Qt::SolidLine) {
            p.drawPolyline(line); // the dashes run along the whole curve
            continue;
        }
        // Pieces without joins draw a third as long as a polyline does.
        std::vector<QLineF> pieces;
        for (qsizetype i = 1; i < line.size(); ++i)
            pieces.emplace_back(line[i - 1], line[i]);
        p.drawLines(pieces.data(), static_cast<int>(pieces.size()));
    }
    p.restore();
}

RunPlot::RunPlot(const RunRecorder &run, QWidget *parent)
    : QWidget(parent)
    , run_(run)
{
    setMouseTracking(true);
    // Focus by a click or Tab, so the menu key and Shift+F10 reach its menu.
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(260, 160);
}

int RunPlot::columns() const
{
    // One column a device pixel: sharp at any scale.
    const QRectF frame = plotFrame(size(), rightAxisFor(choice_));
    return std::max(1, static_cast<int>(std::lround(frame.width() * devicePixelRatioF())));
}

void RunPlot::refresh()
{
    data_.update(run_, choice_, unit_, columns());
    update();
}

void RunPlot::setChoice(GraphChoice choice, LengthUnit unit)
{
    choice_ = choice;
    unit_ = unit;
    refresh();
}

void RunPlot::follow(LengthUnit unit, bool restarted)
{
    if (restarted)
        data_.reset();
    unit_ = unit;
    refresh();
}

std::optional<double> RunPlot::timeAt(QPoint at) const
{
    const QRectF frame = plotFrame(size(), data_.hasRightAxis());
    if (data_.empty() || !frame.contains(at))
        return std::nullopt;
    const Axis &t = data_.timeAxis();
    return t.lo + (at.x() - frame.left()) / frame.width() * (t.hi - t.lo);
}

bool RunPlot::FrameKey::operator==(const FrameKey &o) const
{
    const auto same = [](const Axis &a, const Axis &b) { return a.lo == b.lo && a.hi == b.hi && a.step == b.step; };
    return size == o.size && ratio == o.ratio && choice == o.choice && unit == o.unit && curves == o.curves
           && empty == o.empty && same(time, o.time) && same(left, o.left) && same(right, o.right);
}

void RunPlot::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another pixel ratio: its own columns.
    if (data_.columns().columns != columns())
        data_.update(run_, choice_, unit_, columns());
    // The axes, their numbers and the legend change seldom: they are kept
    // drawn, and each step draws only the curves over them.
    const FrameKey key{size(),        devicePixelRatioF(), data_.choice(),     data_.unit(),      data_.curves().size(),
                       data_.empty(), data_.timeAxis(),    data_.valueAxis(0), data_.valueAxis(1)};
    if (!(key == frameKey_)) {
        frame_ = QPixmap(size() * devicePixelRatioF());
        frame_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&frame_);
        paintPlotFrame(painter, rect(), data_);
        frameKey_ = key;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, frame_);
    paintPlotCurves(painter, rect(), data_);
}

void RunPlot::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refresh();
}

void RunPlot::mouseMoveEvent(QMouseEvent *event) { emit pointerMoved(event->position().toPoint()); }

void RunPlot::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit pointerMoved(QPoint(-1, -1));
}

void RunPlot::contextMenuEvent(QContextMenuEvent *event) { emit menuRequested(event->pos()); }

} // namespace voltrix
