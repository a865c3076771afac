#pragma once
// Fixed numbers of the main window: its size, the places of the strip's
// controls, the timers, and the roles and styles of the view's scene objects.
#include <QColor>
#include <QRect>

#include "Colors.h"
#include "WindowFrame.h"

namespace voltrix::mainwin {

// Outer size of the window; the inside is 308 wide, menu bar included.
inline constexpr int kWindowWidth = 316;
inline constexpr int kWindowHeight = 399;
inline constexpr QSize kClientSize = clientSizeOf(kWindowWidth, kWindowHeight);
inline constexpr int kStripHeight = 45;
inline constexpr int kStripPointSize = 8;
inline const QColor kStripTextColour = toQColor(clNavy);

// Row 1 (y 2..19), the separating line, row 2 (y 24..43).
inline const QRect kCheckCuboRect{3, 2, 50, 17};
inline const QRect kCheckEjesRect{54, 2, 46, 17};
inline const QRect kGiroLRect{104, 2, 17, 17};
inline const QRect kGiroDRect{121, 2, 17, 17};
inline const QRect kLabelGiroRect{138, 2, 32, 17};
inline const QRect kGiroURect{170, 2, 17, 17};
inline const QRect kGiroRRect{187, 2, 17, 17};
inline const QRect kZoomURect{222, 2, 17, 17};
inline const QRect kLabelZoomRect{239, 2, 40, 17};
inline const QRect kZoomDRect{279, 2, 17, 17};
inline const QRect kBevelRect{0, 20, kClientSize.width(), 3};
inline const QRect kBtnAniStopRect{3, 24, 72, 19};
inline const QRect kCheckParpadeoRect{78, 25, 72, 17};
inline const QRect kCheckTrazaRect{151, 25, 52, 17};
inline const QRect kCheckTiempoRect{204, 25, 60, 17};
inline const QRect kEditTRect{264, 24, 42, 19};

inline constexpr int kTimerIntervalMs = 1;
inline constexpr char kEnterKey = 13;

// View set-up.
inline constexpr float kStartZoom = 0.55f;
inline constexpr float kResetZoom = 0.6f;
inline constexpr int kLastDegree = 359;
inline constexpr float kFullTurn = 360;

// Scene stores: how many objects are allocated and how many are drawn.
inline constexpr int kSegmentsAllocated = 100;
inline constexpr int kSegmentsInUse = 20;
inline constexpr int kParticlesAllocated = 100;
inline constexpr int kPlanes = 9;
inline constexpr int kLabels = 5;
inline constexpr int kLabelFontHeight = 8;
inline constexpr int kTraceSamples = 40;
// The trace is sampled every 25th move after creation and every 15th after
// it is relinked by "Traza"; the allocation sets 15 before either.
inline constexpr int kTraceIntervalAllocated = 15;
inline constexpr int kTraceIntervalAtStart = 25;
inline constexpr int kTraceIntervalRelinked = 15;

inline constexpr int kFloorPlane = 1;
inline constexpr int kRegionBottomPlane = 6;
inline constexpr int kRegionTopPlane = 7;
inline constexpr int kMagneticFirstSegment = 17;
inline constexpr int kMagneticPlane = 5;
inline constexpr int kMagneticLabel = 5;

// Property codes of the view's restyling operations.
inline constexpr int kPropColour = 0;
inline constexpr int kPropPenStyle = 1;
inline constexpr int kPropKind = 2;

// Kinds and styles.
inline constexpr int kSegmentArrow = 0;
inline constexpr int kSegmentPlain = 1;
inline constexpr int kParticleFilledDisc = 1;
inline constexpr int kParticleRadius = 6;
inline constexpr int kPlaneForeground = 0;
inline constexpr int kPlaneBackground = 1;
inline constexpr int kTracePolyline = 0;
inline constexpr int kPenSolid = 0;
inline constexpr int kPenDot = 2;

// Scale window: a factor never drops below this after a tick.
inline constexpr double kMinFactor = 0.1;

} // namespace voltrix::mainwin
