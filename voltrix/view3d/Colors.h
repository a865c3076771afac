#pragma once
// The scene's colour values (SceneColor.h) and their conversion to and from Qt.
#include <QColor>

#include "voltrix/view3d/SceneColor.h"

namespace voltrix {

// The high byte is not part of the colour and is ignored.
inline QColor toQColor(TColor c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// The colour value of a Qt colour (for reading pixels back).
inline TColor fromQColor(const QColor &c)
{
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) | (static_cast<TColor>(c.blue()) << 16);
}

} // namespace voltrix
