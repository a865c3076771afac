#pragma once
// The marker that follows the drawn curve: while the pointer is near the
// trajectory it stands on the nearest point, with the velocity arrow and its
// components, and a small panel over the graph gives that instant's t, x, y,
// vx, vy and |v| in read-only boxes. A click pins it (the boxes can then be
// selected and copied); Escape or a click away releases it; Left and Right
// move the pinned marker one plotted point, with Shift a tenth of the flight.
// The animated launch moves the same marker, as a ball, along the flight at
// its pace: Space pauses and continues, Left and Right step while paused,
// Escape stops; no frame is drawn while the window is minimised.
#include <QFrame>
#include <QObject>
#include <array>
#include <functional>
#include <optional>

#include "trayecta/core/FlightFollow.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace trayecta {

class GraphArea;
struct GraphMarker;

class CurveFollower : public QObject {
    Q_OBJECT
public:
    static constexpr double kNearPixels = 6.0;    // how near the pointer must be to the curve
    static constexpr double kSnapPixels = 4.0;    // the start, the apex and the landing pull from this near
    static constexpr double kArrowFraction = 0.3; // the longest arrow, of the area's smaller side

    static constexpr int kFrameIntervalMs = 16; // at most 64 frames a second

    // Milliseconds from any fixed start; replaceable for tests.
    static inline std::function<qint64()> clock;

    explicit CurveFollower(GraphArea *area);

    // The curve just drawn, in the area's current scale.
    void follow(const DrawnCurve &curve);
    // The curve left the area (cleared, or a new calculation began).
    void forget();

    // "Anima el llançament": the ball flies from the start.
    void animate();
    bool isAnimating() const { return animating_; }
    bool isPaused() const { return animating_ && paused_; }
    // The next frame, as the timer asks for it.
    void showFrame();

    bool isPinned() const { return pinned_.has_value(); }
    // The instant the marker stands on; none while it is hidden.
    std::optional<double> markerTime() const { return shownTime_; }
    QFrame *panel() const { return panel_; }
    // The boxes, in the order t, x, y, vx, vy, |v|.
    const std::array<QLineEdit *, 6> &boxes() const { return boxes_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hover(QPointF pixel);
    void press(QPointF pixel);
    bool key(int key, Qt::KeyboardModifiers modifiers);
    void showAt(std::optional<double> t, bool pinned);
    void placePanel(const GraphMarker &marker);
    void stopAnimation();
    void setPaused(bool paused);
    void keepFramesOnlyWhileShown();
    qint64 now() const;

    GraphArea *area_;
    QFrame *panel_;
    std::array<QLineEdit *, 6> boxes_{};
    std::optional<FlightFollow> flight_;
    std::optional<double> pinned_;
    std::optional<double> shownTime_;
    int panelCorner_ = 0; // top right, top left, bottom right, bottom left
    QLabel *pace_;
    QTimer *timer_;
    bool animating_ = false;
    bool paused_ = false;
    double played_ = 0.0; // flight seconds shown so far
    qint64 lastFrame_ = 0;
};

} // namespace trayecta
