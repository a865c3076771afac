#pragma once
// A picture drawn in the design's pixels and stored at the screen's pixel
// ratio, so glyphs and pictures stay sharp on a scaled screen.
#include <QGuiApplication>
#include <QPixmap>

#include <cmath>

namespace voltrix {

inline QPixmap screenPixmap(QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(static_cast<int>(std::ceil(size.width() * ratio)),
                   static_cast<int>(std::ceil(size.height() * ratio)));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace voltrix
