#pragma once
// The plot of the "Gráficas" window: the curves of the recorded run against
// time on white, with axes on round ticks, their numbers, the unit in each
// axis title and a legend, drawn from the least and greatest value of each
// curve in each device pixel column (GraphData). One painting serves the
// screen, the saved pictures and print.
#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <vector>

#include "voltrix/core/RunGraph.h"

class QPainter;

namespace voltrix {

// The plot's frame in a rectangle of the given size (in logical pixels).
QRectF plotFrame(const QSizeF &size, bool rightAxis);
// Paints the plot into a rectangle; data must have been updated for its
// frame's width times the pixel ratio. The plot is its frame (the axes, their
// numbers and titles, the legend) and its curves over it.
void paintPlot(QPainter &painter, const QRectF &area, const GraphData &data);
void paintPlotFrame(QPainter &painter, const QRectF &area, const GraphData &data);
void paintPlotCurves(QPainter &painter, const QRectF &area, const GraphData &data);
// The colour of a curve: red, green, blue, or black for the total energy.
QColor curveColour(const GraphCurve &curve, int index);

class RunPlot : public QWidget {
    Q_OBJECT
public:
    RunPlot(const RunRecorder &run, QWidget *parent = nullptr);

    void setChoice(GraphChoice choice, LengthUnit unit);
    // The run grew, restarted or the unit changed: the plot follows it.
    void follow(LengthUnit unit, bool restarted);
    const GraphData &data() const { return data_; }
    // The time under a point of the widget, when it lies over the plot.
    std::optional<double> timeAt(QPoint at) const;

    QSize sizeHint() const override { return {420, 260}; }

signals:
    void pointerMoved(QPoint at); // off the plot: a point with negative coordinates
    void menuRequested(QPoint at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();
    int columns() const;

    // What the kept frame was drawn for.
    struct FrameKey {
        QSize size;
        qreal ratio = 0;
        GraphChoice choice = GraphChoice::Position;
        LengthUnit unit = LengthUnit::Metre;
        std::size_t curves = 0;
        bool empty = true;
        Axis time, left, right;
        bool operator==(const FrameKey &other) const;
    };

    const RunRecorder &run_;
    GraphData data_;
    QPixmap frame_;
    FrameKey frameKey_;
    GraphChoice choice_ = GraphChoice::Position;
    LengthUnit unit_ = LengthUnit::Metre;
};

} // namespace voltrix
