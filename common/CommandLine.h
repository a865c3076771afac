#pragma once
// A program's identity on the desktop (name, version, desktop entry, window
// icon, the language of Qt's own texts) and its command line: --help and
// --version, answered in the program's language. Qt's own options (-platform,
// -style …) are taken out of the arguments by QApplication before these are
// read, so they keep working.
#include <QLocale>

#include <QString>
#include <QStringList>
#include <optional>

class QApplication;

namespace orvalis {

// What the command line says, in the program's language; %1 is the command.
struct CommandLineTexts {
    QString usage;              // "Uso: %1 [opciones]"
    QString description;        // one line
    QString optionsHeading;     // "Opciones:"
    QString helpOption;         // what -h, --help does
    QString versionOption;      // what -v, --version does
    QString scaleOption;        // what --scale F does
    QString badScale;           // "…: %1" (%1: the value given)
    QString qtOptions;          // that Qt's own options work too
    QString unknownOption;      // "opción desconocida: %1" (%1: the option with its dashes)
    QString unexpectedArgument; // "argumento no admitido: %1"
    QString tryHelp;            // "Pruebe «%1 --help»."
};

struct ProgramIdentity {
    QString name;      // "Voltrix": application name, --version
    QString command;   // "voltrix": when the command line gives none
    QString desktopId; // matches the windows to the menu entry and its icon
    QString iconFile;  // resource path pattern, %1 the size: ":/icons/voltrix-%1.png"
    QLocale language;  // of Qt's own texts (file dialogs, message-box buttons)
    CommandLineTexts texts;
};

enum class CommandLineAction { Run, ShowHelp, ShowVersion, Fail };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Run;
    QString text; // what to print: help, version or the error message
};

// Reads the arguments left after Qt's own (the first is the program name).
CommandLineRequest parseCommandLine(const ProgramIdentity &program, const QStringList &arguments);

// --scale F enlarges every window, its place and its controls together (for
// a projector), on top of the desktop's own scale: F from 0.5 to 4, with a
// decimal point or comma.
inline constexpr double kMinScale = 0.5;
inline constexpr double kMaxScale = 4.0;
std::optional<double> readScale(const QString &text);

// The factor of a valid --scale among the arguments, if any.
std::optional<double> scaleArgument(const QStringList &arguments);

// Call before creating the QApplication: a valid --scale multiplies Qt's
// QT_SCALE_FACTOR, which Qt reads when the application is created. An
// invalid one is left for prepareApplication to report.
void applyScaleArgument(int argc, char **argv);

// Application name and version, desktop entry and the window icon shared by
// every window.
void setApplicationIdentity(const ProgramIdentity &program);

// Qt's own texts in the program's language, whatever the desktop's. False
// when the translation is not installed; they then stay in English.
bool installQtTranslation(QApplication &app, const ProgramIdentity &program);

// Call right after creating the QApplication. Prints the help or the version
// and ends the process (status 0), or ends it with status 1 on an argument it
// does not know; otherwise returns and the program starts as usual.
void prepareApplication(QApplication &app, const ProgramIdentity &program);

} // namespace orvalis
