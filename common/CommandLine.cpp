#include "common/CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#include "common/Version.h"

namespace orvalis {
namespace {

const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString commandName(const ProgramIdentity &program, const QStringList &arguments)
{
    // The help shows the command as typed, without its folder.
    const QString first = arguments.isEmpty() ? QString() : arguments.first();
    const QString name = first.section(QLatin1Char('/'), -1);
    return name.isEmpty() ? program.command : name;
}

QString helpText(const CommandLineTexts &t, const QString &command)
{
    return t.usage.arg(command) + QLatin1Char('\n') + t.description + QStringLiteral("\n\n") + t.optionsHeading
           + QStringLiteral("\n  -h, --help     ") + t.helpOption + QStringLiteral("\n  -v, --version  ")
           + t.versionOption + QStringLiteral("\n\n") + t.qtOptions + QLatin1Char('\n');
}

QString usageError(const CommandLineTexts &t, const QString &command, const QString &problem)
{
    return QStringLiteral("%1: %2\n").arg(command, problem) + t.tryHelp.arg(command) + QLatin1Char('\n');
}

[[noreturn]] void printAndExit(const QString &text, int status)
{
    std::FILE *out = status == 0 ? stdout : stderr;
    std::fputs(text.toUtf8().constData(), out);
    std::fflush(out);
    std::exit(status);
}

} // namespace

CommandLineRequest parseCommandLine(const ProgramIdentity &program, const QStringList &arguments)
{
    const CommandLineTexts &t = program.texts;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);

    const QString command = commandName(program, arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString problem =
            unknown.isEmpty()
                ? parser.errorText()
                : t.unknownOption.arg((unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"))
                                      + unknown.first());
        return {CommandLineAction::Fail, usageError(t, command, problem)};
    }
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText(t, command)};
    if (parser.isSet(version))
        return {CommandLineAction::ShowVersion,
                QStringLiteral("%1 %2\n").arg(program.name, QLatin1String(kVersionText))};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineAction::Fail,
                usageError(t, command, t.unexpectedArgument.arg(parser.positionalArguments().first()))};
    return {};
}

void setApplicationIdentity(const ProgramIdentity &program)
{
    QCoreApplication::setApplicationName(program.name);
    QCoreApplication::setApplicationVersion(QLatin1String(kVersionText));
    QGuiApplication::setDesktopFileName(program.desktopId);
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(program.iconFile.arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

bool installQtTranslation(QApplication &app, const ProgramIdentity &program)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(program.language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void prepareApplication(QApplication &app, const ProgramIdentity &program)
{
    setApplicationIdentity(program);
    installQtTranslation(app, program);
    const CommandLineRequest request = parseCommandLine(program, app.arguments());
    switch (request.action) {
    case CommandLineAction::Run: return;
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion: printAndExit(request.text, 0);
    case CommandLineAction::Fail: printAndExit(request.text, 1);
    }
}

} // namespace orvalis
