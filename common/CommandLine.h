#pragma once
// A program's identity on the desktop (name, version, desktop entry, window
// icon, the language of Qt's own texts) and its command line: --help and
// --version, answered in the program's language. Qt's own options (-platform,
// -style …) are taken out of the arguments by QApplication before these are
// read, so they keep working.
#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <optional>

class QApplication;

namespace orvalis {

// What the command line says, in the program's language and translated in
// the given context as it is printed; %1 is the command.
struct CommandLineTexts {
    const char *context;
    const char *usage;              // "Uso: %1 [opciones]"
    const char *description;        // one line
    const char *optionsHeading;     // "Opciones:"
    const char *helpOption;         // what -h, --help does
    const char *versionOption;      // what -v, --version does
    const char *scaleOption;        // what --scale F does
    const char *languageOption;     // what --lang CODE does (%1: the codes)
    const char *badScale;           // "…: %1" (%1: the value given)
    const char *qtOptions;          // that Qt's own options work too
    const char *unknownOption;      // "opción desconocida: %1" (%1: the option with its dashes)
    const char *unexpectedArgument; // "argumento no admitido: %1"
    const char *tryHelp;            // "Pruebe «%1 --help»."
};

struct ProgramIdentity {
    QString name;      // "Voltrix": application name, --version
    QString command;   // "voltrix": when the command line gives none
    QString desktopId; // matches the windows to the menu entry and its icon
    QString iconFile;  // resource path pattern, %1 the size: ":/icons/voltrix-%1.png"
    QString language;  // the design's, as --lang names it: "es", "ca"
    CommandLineTexts texts;
};

enum class CommandLineAction { Run, ShowHelp, ShowVersion, Fail };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Run;
    QString text; // what to print: help, version or the error message
};

// Reads the arguments left after Qt's own (the first is the program name).
CommandLineRequest parseCommandLine(const ProgramIdentity &program, const QStringList &arguments);

// --lang CODE: the language of this run (see Language.h).
QCommandLineOption languageOption();

// --scale F enlarges every window, its place and its controls together (for
// a projector), on top of the desktop's own scale: F from 0.5 to 4, with a
// decimal point or comma.
inline constexpr double kMinScale = 0.5;
inline constexpr double kMaxScale = 4.0;
std::optional<double> readScale(const QString &text);

// The value of the option among the arguments, if given.
std::optional<QString> optionValue(const QStringList &arguments, const QCommandLineOption &option);

// The factor of a valid --scale among the arguments, if any.
std::optional<double> scaleArgument(const QStringList &arguments);

// Call before creating the QApplication: a valid --scale multiplies Qt's
// QT_SCALE_FACTOR, which Qt reads when the application is created. An
// invalid one is left for prepareApplication to report.
void applyScaleArgument(int argc, char **argv);

// Application name and version, desktop entry and the window icon shared by
// every window.
void setApplicationIdentity(const ProgramIdentity &program);

// Call right after creating the QApplication. Installs the chosen language
// (whatever the desktop's: the design's unless one is chosen), then prints the help or the version
// and ends the process (status 0), or ends it with status 1 on an argument it
// does not know; otherwise returns and the program starts as usual.
void prepareApplication(QApplication &app, const ProgramIdentity &program);

} // namespace orvalis
