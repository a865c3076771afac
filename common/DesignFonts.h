#pragma once
// The faces the windows were designed in, "MS Sans Serif" (the dialogs'
// default) and "Arial" (Trayecta's tick labels), are seldom installed on a
// Linux desktop. Each stands here for the first installed face of a list of
// metric-compatible ones: for "MS Sans Serif" a narrow face (Liberation Sans
// Narrow, from Debian's fonts-liberation, which the programs depend on), so
// every caption fits its designed rectangle; for "Arial" Liberation Sans.
#include <QFont>
#include <QString>

namespace orvalis {

enum class DesignFace { MsSansSerif, Arial };

// The installed family that stands for the face.
QString familyFor(DesignFace face);

QFont designFont(DesignFace face, double points, bool bold = false);
QFont designFontPixels(DesignFace face, int pixels, bool bold = false);

} // namespace orvalis
