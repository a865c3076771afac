#include "voltrix/app/Identity.h"

namespace voltrix {

const orvalis::ProgramIdentity &programIdentity()
{
    static const orvalis::ProgramIdentity identity{
        QStringLiteral("Voltrix"),
        QStringLiteral("voltrix"),
        QStringLiteral(VOLTRIX_DESKTOP_ID),
        QStringLiteral(":/icons/voltrix-%1.png"),
        QLocale(QLocale::Spanish, QLocale::Spain),
        {
            QStringLiteral("Uso: %1 [opciones]"),
            QStringLiteral("Dinámica de una partícula cargada en campos eléctrico y magnético."),
            QStringLiteral("Opciones:"),
            QStringLiteral("Muestra esta ayuda y termina."),
            QStringLiteral("Muestra la versión y termina."),
            QStringLiteral("Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector)."),
            QStringLiteral("valor no admitido para --scale: %1 (de 0.5 a 4)"),
            QStringLiteral("También admite las opciones de Qt, como -platform o -style."),
            QStringLiteral("opción desconocida: %1"),
            QStringLiteral("argumento no admitido: %1"),
            QStringLiteral("Pruebe «%1 --help»."),
        },
    };
    return identity;
}

} // namespace voltrix
