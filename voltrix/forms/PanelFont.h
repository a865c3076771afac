#pragma once
// The font of the control panel and the vector options window: the design's
// "MS Sans Serif" at a pixel height, falling back to narrow sans faces so the
// captions fit the fixed control sizes where that face is missing.
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace voltrix {

inline QFont panelFont(int pixels)
{
    // Font configuration answers any family name with some face, so the
    // choice is made among the families actually installed.
    const QStringList installed = QFontDatabase::families();
    QFont font;
    for (const char *family :
         {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans Narrow", "Arial", "DejaVu Sans Condensed"}) {
        if (installed.contains(QLatin1String(family))) {
            font.setFamily(QLatin1String(family));
            break;
        }
    }
    font.setPixelSize(pixels);
    return font;
}

} // namespace voltrix
