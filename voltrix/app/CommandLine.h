#pragma once
// The program's identity on the desktop (name, version, desktop entry, window
// icon) and its two command-line options, --help and --version. Qt's own
// options (-platform, -style …) are taken out of the arguments by QApplication
// before these are read, so they keep working.
#include <QString>
#include <QStringList>

class QApplication;

namespace voltrix {

enum class CommandLineAction { Run, ShowHelp, ShowVersion, Fail };

struct CommandLineRequest {
    CommandLineAction action = CommandLineAction::Run;
    QString text; // what to print: help, version or the error message
};

// Reads the arguments left after Qt's own (the first is the program name).
CommandLineRequest parseCommandLine(const QStringList &arguments);

// Application name and version, the desktop entry's name and the window icon
// shared by every window.
void setApplicationIdentity();

// Qt's own texts (file dialogs, message-box buttons) in Spanish, the
// program's language, whatever the desktop's. False when the translation is
// not installed; Qt's texts then stay in English.
bool installQtTranslation(QApplication &app);

// Call right after creating the QApplication. Prints the help or the version
// and ends the process (status 0), or ends it with status 1 on an argument it
// does not know; otherwise returns and the program starts as usual.
void prepareApplication(QApplication &app);

} // namespace voltrix
