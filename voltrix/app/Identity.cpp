#include "voltrix/app/Identity.h"

#include <QtGlobal>

namespace voltrix {

const orvalis::ProgramIdentity &programIdentity()
{
    static const orvalis::ProgramIdentity identity{
        QStringLiteral("Voltrix"),
        QStringLiteral("voltrix"),
        QStringLiteral(VOLTRIX_DESKTOP_ID),
        QStringLiteral(":/icons/voltrix-%1.png"),
        QStringLiteral("es"),
        {
            "voltrix::CommandLine",
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Uso: %1 [opciones]"),
            QT_TRANSLATE_NOOP("voltrix::CommandLine",
                              "Dinámica de una partícula cargada en campos eléctrico y magnético."),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Opciones:"),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Muestra esta ayuda y termina."),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Muestra la versión y termina."),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector)."),
            //: %1: the language codes, such as "es, ca, ca@valencia"
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Idioma: %1 (si no, el elegido en el menú, o español)."),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "valor no admitido para --scale: %1 (de 0.5 a 4)"),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "También admite las opciones de Qt, como -platform o -style."),
            //: %1: the option as typed, with its dashes
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "opción desconocida: %1"),
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "argumento no admitido: %1"),
            //: %1: the command
            QT_TRANSLATE_NOOP("voltrix::CommandLine", "Pruebe «%1 --help»."),
        },
    };
    return identity;
}

} // namespace voltrix
