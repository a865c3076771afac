#include "trayecta/app/Identity.h"

namespace trayecta {

const orvalis::ProgramIdentity &programIdentity()
{
    static const orvalis::ProgramIdentity identity{
        QStringLiteral("Trayecta"),
        QStringLiteral("trayecta"),
        QStringLiteral(TRAYECTA_DESKTOP_ID),
        QStringLiteral(":/icons/trayecta-%1.png"),
        QLocale(QLocale::Catalan, QLocale::Spain),
        {
            QStringLiteral("Ús: %1 [opcions]"),
            QStringLiteral("Resol problemes de tir parabòlic i en dibuixa la trajectòria."),
            QStringLiteral("Opcions:"),
            QStringLiteral("Mostra aquesta ajuda i surt."),
            QStringLiteral("Mostra la versió i surt."),
            QStringLiteral("Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector)."),
            QStringLiteral("valor no admès per a --scale: %1 (de 0,5 a 4)"),
            QStringLiteral("També admet les opcions de Qt, com ara -platform o -style."),
            QStringLiteral("opció desconeguda: %1"),
            QStringLiteral("argument no admès: %1"),
            QStringLiteral("Proveu «%1 --help»."),
        },
    };
    return identity;
}

} // namespace trayecta
