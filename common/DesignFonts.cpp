#include "common/DesignFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace orvalis {

QString familyFor(DesignFace face)
{
    // Font configuration answers any family name with some face, so the
    // choice is made among the families actually installed.
    static const QStringList msSansSerif = {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                            QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                                            QStringLiteral("DejaVu Sans Condensed")};
    static const QStringList arial = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                      QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
    const QStringList installed = QFontDatabase::families();
    const QStringList &wanted = face == DesignFace::MsSansSerif ? msSansSerif : arial;
    for (const QString &family : wanted)
        if (installed.contains(family))
            return family;
    return wanted.front();
}

QFont designFont(DesignFace face, double points, bool bold)
{
    QFont font(familyFor(face));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont designFontPixels(DesignFace face, int pixels, bool bold)
{
    QFont font(familyFor(face));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace orvalis
