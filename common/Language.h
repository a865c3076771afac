#pragma once
// The languages both programs speak and the choice among them: --lang CODE on
// the command line, else the one chosen in the menu last time, else the
// program's own (Voltrix Spanish, Trayecta Catalan). A language is the
// program's translation, embedded in it, plus Qt's for its own dialogs.
#include <QLocale>
#include <QString>
#include <QStringList>

class QApplication;
class QMenu;

namespace orvalis {

struct ProgramIdentity;

struct LanguageName {
    const char *code; // as --lang takes it
    const char *name; // in the language itself, as its menu item says it
};

// In the menus' order.
inline constexpr LanguageName kLanguages[] = {
    {"es", "Español"}, {"ca", "Català"},  {"ca@valencia", "Valencià"},
    {"gl", "Galego"},  {"eu", "Euskara"}, {"en", "English"},
};

// The language a code stands for among the available ones: the code itself,
// or without its region and encoding (es_ES.UTF-8 is es, ca_ES@valencia is
// ca@valencia); Valencian falls back to Catalan; anything else to the design's.
QString resolveLanguage(const QString &requested, const QStringList &available, const QString &design);

// The languages the program has: its own and those with a translation.
QStringList availableLanguages(const ProgramIdentity &program);

// --lang among the arguments, else the remembered choice, else the design's.
QString chosenLanguage(const ProgramIdentity &program, const QStringList &arguments);

// Kept for the next start (QSettings, the user's configuration folder).
void rememberLanguage(const ProgramIdentity &program, const QString &code);

// Installs the program's translation (over Catalan's for Valencian, so a text
// missing in one falls back to the other), Qt's own for its dialogs and the
// cores' texts. Call once, before any window exists.
void installLanguage(QApplication &app, const ProgramIdentity &program, const QString &code);

// The installed language's locale, for dates written in words; the design's
// (given) while none is installed.
QLocale currentLocale(const QString &design);

// A submenu of the installed program's languages, the current one checked.
// Choosing another remembers it and says, with the given text, that it
// applies at the next start: the windows are built once, from their texts.
// Nothing is added while no language is installed (windows made in tests).
QMenu *addLanguageMenu(QMenu *menu, const QString &title, const QString &notice);

} // namespace orvalis
