#pragma once
// The camera as the user turns and zooms it: two accumulated angles, the zoom,
// and the step each holds while a button is held. The view itself takes whole
// degrees 0..359; the accumulators carry the turn between ticks.
namespace voltrix {

// The view's angles in whole degrees, as shown.
struct ViewAngles {
    int alfa = 0, beta = 0;
};

struct ViewControls {
    float AnguloAlfa = 0, AnguloBeta = 0;
    float PasoAlfa = 0, PasoBeta = 0;
    float ZoomActual = 0.55f;
    float PasoZoom = 0;
    // What the view shows. Below 0 the accumulator runs ahead of it (360
    // while 359 is shown), so the degrees shown are kept beside it.
    ViewAngles shown;
};

inline constexpr float kStartZoom = 0.55f;
// The "Zoom" label resets to a little closer than start-up.
inline constexpr float kResetZoom = 0.6f;
inline constexpr int kLastDegree = 359;
inline constexpr float kFullTurn = 360;

// One camera angle after a rotation tick, as whole degrees 0..359. Going
// down from 0 shows 359 and leaves the accumulator at 360, so the next tick
// shows 359 once more before moving on to 358.
int turnAngle(float &accumulator, float step);

// One rotation tick of both angles; the view's angles in degrees (also kept
// as shown).
ViewAngles turnView(ViewControls &v);

// Back to the start-up angles (the click on "Giro").
void resetTurn(ViewControls &v);

// One zoom tick: ZoomActual + PasoZoom, unbounded.
float stepZoom(ViewControls &v);

// A drag across the view: one rotation tick of one degree per pixel, Alfa
// for the horizontal distance and Beta for the vertical one (right and down
// turn like the right and down arrows), so a drag wraps exactly as the held
// buttons do. An angle not dragged keeps the degrees shown; the steps held
// for the buttons are left alone.
inline constexpr float kDegreesPerPixel = 1;
ViewAngles dragView(ViewControls &v, ViewAngles shown, int dx, int dy);

// The mouse wheel: kWheelZoomStep per notch (positive notches zoom in). The
// wheel never takes the zoom below kMinWheelZoom; a zoom already below it
// (the held "-" button has no bound) only ever comes up.
inline constexpr double kWheelZoomStep = 0.05;
inline constexpr float kMinWheelZoom = 0.05f;
float wheelZoom(ViewControls &v, int notches);

} // namespace voltrix
