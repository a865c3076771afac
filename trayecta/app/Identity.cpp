#include "trayecta/app/Identity.h"

#include <QtGlobal>

namespace trayecta {

const orvalis::ProgramIdentity &programIdentity()
{
    static const orvalis::ProgramIdentity identity{
        QStringLiteral("Trayecta"),
        QStringLiteral("trayecta"),
        QStringLiteral(TRAYECTA_DESKTOP_ID),
        QStringLiteral(":/icons/trayecta-%1.png"),
        QStringLiteral("ca"),
        {
            "trayecta::CommandLine",
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Ús: %1 [opcions]"),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Resol problemes de tir parabòlic i en dibuixa la trajectòria."),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Opcions:"),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Mostra aquesta ajuda i surt."),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Mostra la versió i surt."),
            QT_TRANSLATE_NOOP("trayecta::CommandLine",
                              "Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector)."),
            //: %1: the language codes, such as "es, ca, ca@valencia"
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Llengua: %1 (si no, la triada al menú, o català)."),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "valor no admès per a --scale: %1 (de 0,5 a 4)"),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "També admet les opcions de Qt, com ara -platform o -style."),
            //: %1: the option as typed, with its dashes
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "opció desconeguda: %1"),
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "argument no admès: %1"),
            //: %1: the command
            QT_TRANSLATE_NOOP("trayecta::CommandLine", "Proveu «%1 --help»."),
        },
    };
    return identity;
}

} // namespace trayecta
