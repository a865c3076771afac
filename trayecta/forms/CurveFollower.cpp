#include "trayecta/forms/CurveFollower.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "trayecta/core/NumberText.h"
#include "trayecta/forms/GraphArea.h"

namespace trayecta {

namespace {

constexpr int kPanelMargin = 4;
constexpr int kBoxWidth = 96;

struct Row {
    const char *name;  // of the box
    const char *label; // a symbol, like the unit: not translated
    const char *unit;
    const char *spoken; // what a screen reader says of the box
};
constexpr Row kRows[] = {
    {"txtpuntt", "t:", "s", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Instant t, segons")},
    {"txtpuntx", "x:", "m", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Posició x, metres")},
    {"txtpunty", "y:", "m", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Posició y, metres")},
    {"txtpuntvx", "vx:", "m/s", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Velocitat vx, metres per segon")},
    {"txtpuntvy", "vy:", "m/s", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Velocitat vy, metres per segon")},
    {"txtpuntv", "|v|:", "m/s", QT_TRANSLATE_NOOP("trayecta::CurveFollower", "Rapidesa |v|, metres per segon")},
};

QPointF contentsPixel(const GraphArea *area, QPointF widgetPixel)
{
    return widgetPixel - area->contentsRect().topLeft();
}

} // namespace

CurveFollower::CurveFollower(GraphArea *area)
    : QObject(area)
    , area_(area)
    , panel_(new QFrame(area))
{
    panel_->setObjectName(QStringLiteral("fraPunt"));
    //: spoken name of the panel with the values at the marked point of the curve
    panel_->setAccessibleName(tr("Punt de la trajectòria"));
    panel_->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel_->setAutoFillBackground(true);
    auto *grid = new QGridLayout(panel_);
    grid->setContentsMargins(3, 2, 3, 2);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(1);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->addWidget(new QLabel(QString::fromUtf8(kRows[i].label), panel_), row, 0);
        QLineEdit *box = new QLineEdit(panel_);
        box->setObjectName(QString::fromUtf8(kRows[i].name));
        box->setReadOnly(true);
        box->setFixedWidth(kBoxWidth);
        box->setAccessibleName(QCoreApplication::translate("trayecta::CurveFollower", kRows[i].spoken));
        grid->addWidget(box, row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(kRows[i].unit), panel_), row, 2);
        boxes_[i] = box;
    }
    pace_ = new QLabel(panel_);
    pace_->setObjectName(QStringLiteral("lblpas"));
    grid->addWidget(pace_, static_cast<int>(boxes_.size()), 0, 1, 3);
    pace_->hide();
    panel_->adjustSize();
    panel_->hide();
    timer_ = new QTimer(this);
    timer_->setInterval(kFrameIntervalMs);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &CurveFollower::showFrame);
    area_->installEventFilter(this);
    if (area_->window() != area_) {
        area_->window()->installEventFilter(this);
    }
}

qint64 CurveFollower::now() const
{
    if (clock) {
        return clock();
    }
    static QElapsedTimer monotonic;
    if (!monotonic.isValid()) {
        monotonic.start();
    }
    return monotonic.elapsed();
}

void CurveFollower::animate()
{
    if (!flight_) {
        return;
    }
    pinned_.reset();
    animating_ = true;
    paused_ = false;
    played_ = 0.0;
    lastFrame_ = now();
    pace_->setText(QString::fromStdString(paceText(launchPace(flight_->flightTime()))));
    pace_->show();
    panel_->adjustSize();
    area_->setFocus(Qt::OtherFocusReason);
    showAt(0.0, false);
    keepFramesOnlyWhileShown();
}

void CurveFollower::showFrame()
{
    if (!animating_ || paused_ || !flight_) {
        return;
    }
    const qint64 at = now();
    played_ += static_cast<double>(at - lastFrame_) / 1000.0 * launchPace(flight_->flightTime()).factor;
    lastFrame_ = at;
    if (played_ >= flight_->flightTime()) {
        // Landed: the ball stays there, pinned, reading the impact.
        stopAnimation();
        pinned_ = flight_->flightTime();
        showAt(pinned_, true);
        return;
    }
    showAt(played_, false);
}

void CurveFollower::setPaused(bool paused)
{
    paused_ = paused;
    lastFrame_ = now();
    keepFramesOnlyWhileShown();
}

void CurveFollower::stopAnimation()
{
    animating_ = false;
    paused_ = false;
    timer_->stop();
    pace_->hide();
    panel_->adjustSize();
}

// Frames run only while the ball moves and the window is not minimised.
void CurveFollower::keepFramesOnlyWhileShown()
{
    const bool run = animating_ && !paused_ && !area_->window()->isMinimized();
    if (run && !timer_->isActive()) {
        lastFrame_ = now(); // the time away does not count
        timer_->start();
    } else if (!run) {
        timer_->stop();
    }
}

void CurveFollower::follow(const DrawnCurve &curve)
{
    forget();
    flight_ = FlightFollow::of(curve.inputs);
    if (flight_) {
        const QSize size = area_->plotSize();
        flight_->place({curve.startX,
                        {area_->scaleLeft(), area_->scaleWidth(), area_->scaleHeight()},
                        static_cast<double>(size.width()),
                        static_cast<double>(size.height())});
    }
}

void CurveFollower::forget()
{
    stopAnimation();
    flight_.reset();
    pinned_.reset();
    showAt(std::nullopt, false);
}

bool CurveFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != area_) {
        if (event->type() == QEvent::WindowStateChange) {
            keepFramesOnlyWhileShown();
        }
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseMove: hover(contentsPixel(area_, static_cast<QMouseEvent *>(event)->position())); break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            press(contentsPixel(area_, static_cast<QMouseEvent *>(event)->position()));
        }
        break;
    case QEvent::Leave:
        if (!pinned_) {
            showAt(std::nullopt, false);
        }
        break;
    case QEvent::KeyPress: {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        return key(keyEvent->key(), keyEvent->modifiers());
    }
    default: break;
    }
    return false; // the area goes on with the event: the pointer readout, the menu
}

void CurveFollower::hover(QPointF pixel)
{
    if (!flight_ || pinned_ || animating_) {
        return;
    }
    const std::optional<std::size_t> near = flight_->nearest({pixel.x(), pixel.y()}, kNearPixels, kSnapPixels);
    showAt(near ? std::optional<double>(flight_->instants()[*near]) : std::nullopt, false);
}

void CurveFollower::press(QPointF pixel)
{
    if (!flight_ || animating_) {
        return;
    }
    const std::optional<std::size_t> near = flight_->nearest({pixel.x(), pixel.y()}, kNearPixels, kSnapPixels);
    if (!near) {
        pinned_.reset(); // a click away releases it
        showAt(std::nullopt, false);
        return;
    }
    pinned_ = flight_->instants()[*near];
    showAt(pinned_, true);
}

bool CurveFollower::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (!flight_) {
        return false;
    }
    if (!pinned_ && !animating_) {
        // Without a mouse the arrows first pin the marker at an end of the flight.
        if ((key != Qt::Key_Left && key != Qt::Key_Right) || flight_->instants().empty()) {
            return false;
        }
        pinned_ = key == Qt::Key_Right ? flight_->instants().front() : flight_->instants().back();
        showAt(pinned_, true);
        return true;
    }
    if (key == Qt::Key_Escape) {
        stopAnimation();
        pinned_.reset();
        showAt(std::nullopt, false);
        return true;
    }
    if (animating_ && key == Qt::Key_Space) {
        setPaused(!paused_);
        return true;
    }
    if ((key != Qt::Key_Left && key != Qt::Key_Right) || (animating_ && !paused_)) {
        return false;
    }
    const int way = key == Qt::Key_Right ? 1 : -1;
    const double from = animating_ ? played_ : *pinned_;
    const std::size_t i =
        modifiers.testFlag(Qt::ShiftModifier) ? flight_->steppedTenth(from, way) : flight_->stepped(from, way);
    if (animating_) {
        played_ = flight_->instants()[i];
        showAt(played_, false);
    } else {
        pinned_ = flight_->instants()[i];
        showAt(pinned_, true);
    }
    return true;
}

void CurveFollower::showAt(std::optional<double> t, bool pinned)
{
    shownTime_ = t;
    if (!t || !flight_) {
        area_->setMarker(std::nullopt);
        panel_->hide();
        return;
    }
    const QSize size = area_->plotSize();
    const MarkerShape shape = flight_->shapeAt(*t, kArrowFraction * std::min(size.width(), size.height()));
    if (!std::isfinite(shape.at.x) || !std::isfinite(shape.at.y)) {
        area_->setMarker(std::nullopt);
        panel_->hide();
        return;
    }
    const GraphMarker marker{QPointF(shape.at.x, shape.at.y), QPointF(shape.velocity.x, shape.velocity.y), pinned,
                             animating_};
    area_->setMarker(marker);
    const MotionState s = flight_->at(*t);
    const double values[] = {s.t, s.x, s.y, s.vx, s.vy, s.speed};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i]->setText(QString::fromStdString(formatGeneral(values[i])));
        boxes_[i]->setCursorPosition(0);
    }
    placePanel(marker);
    panel_->show();
}

// In the corner that covers least of the marker and its arrow; it moves only
// when another corner covers less, so it does not jump about.
void CurveFollower::placePanel(const GraphMarker &marker)
{
    const QRect inside = area_->contentsRect().adjusted(kPanelMargin, kPanelMargin, -kPanelMargin, -kPanelMargin);
    const QSize size = panel_->sizeHint();
    const auto cornerRect = [&](int corner) {
        const int x = corner & 1 ? inside.left() : inside.right() - size.width() + 1;
        const int y = corner & 2 ? inside.bottom() - size.height() + 1 : inside.top();
        return QRect(QPoint(x, y), size);
    };
    const QPointF at = marker.at + area_->contentsRect().topLeft();
    const QRect covered = QRectF(at, at + marker.velocity).normalized().adjusted(-10, -10, 10, 10).toAlignedRect();
    const auto overlap = [&](int corner) {
        const QRect common = cornerRect(corner) & covered;
        return common.isEmpty() ? 0 : common.width() * common.height();
    };
    for (int corner = 0; corner < 4; ++corner) {
        if (overlap(corner) < overlap(panelCorner_)) {
            panelCorner_ = corner;
        }
    }
    panel_->setGeometry(cornerRect(panelCorner_));
}

} // namespace trayecta
