#pragma once
// Fixed numbers of the main window: its size, the places of the strip's
// controls and the timers.
#include <QColor>
#include <QRect>

#include "voltrix/forms/WindowFrame.h"
#include "voltrix/view3d/Colors.h"

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

// Per tick while a button is held.
inline constexpr float kTurnStep = 1;
inline constexpr float kZoomStep = 0.01f;

// A wheel notch in the wheel's eighths of a degree.
inline constexpr int kWheelNotch = 120;

// "Traza" relinks the trace sampling every 15th move.
inline constexpr int kTraceIntervalRelinked = 15;

} // namespace voltrix::mainwin
