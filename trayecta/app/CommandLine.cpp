#include "CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#include "TrayectaVersion.h"

namespace trayecta {
namespace {

const char *const kProgramName = "Trayecta";
const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString versionNumber()
{
    return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

QString commandName(const QStringList &arguments)
{
    // The help shows the command as typed, without its folder.
    const QString first = arguments.isEmpty() ? QString() : arguments.first();
    const QString name = first.section(QLatin1Char('/'), -1);
    return name.isEmpty() ? QStringLiteral("trayecta") : name;
}

QString helpText(const QString &command)
{
    return QStringLiteral("Ús: %1 [opcions]\n"
                          "Resol problemes de tir parabòlic i en dibuixa la trajectòria.\n"
                          "\n"
                          "Opcions:\n"
                          "  -h, --help     Mostra aquesta ajuda i surt.\n"
                          "  -v, --version  Mostra la versió i surt.\n"
                          "\n"
                          "També admet les opcions de Qt, com ara -platform o -style.\n")
        .arg(command);
}

QString usageError(const QString &command, const QString &problem)
{
    return QStringLiteral("%1: %2\nProveu «%1 --help».\n").arg(command, problem);
}

[[noreturn]] void printAndExit(const QString &text, int status)
{
    std::FILE *out = status == 0 ? stdout : stderr;
    std::fputs(text.toUtf8().constData(), out);
    std::fflush(out);
    std::exit(status);
}

} // namespace

CommandLineRequest parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);

    const QString command = commandName(arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString problem = unknown.isEmpty()
            ? parser.errorText()
            : QStringLiteral("opció desconeguda: %1%2")
                  .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                       unknown.first());
        return {CommandLineAction::Fail, usageError(command, problem)};
    }
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText(command)};
    if (parser.isSet(version))
        return {CommandLineAction::ShowVersion,
                QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), versionNumber())};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineAction::Fail,
                usageError(command, QStringLiteral("argument no admès: %1").arg(parser.positionalArguments().first()))};
    return {};
}

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QLatin1String(kProgramName));
    QCoreApplication::setApplicationVersion(versionNumber());
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TRAYECTA_DESKTOP_ID));
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/trayecta-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

bool installQtTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Catalan, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void prepareApplication(QApplication &app)
{
    setApplicationIdentity();
    installQtTranslation(app);
    const CommandLineRequest request = parseCommandLine(app.arguments());
    switch (request.action) {
    case CommandLineAction::Run:
        return;
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion:
        printAndExit(request.text, 0);
    case CommandLineAction::Fail:
        printAndExit(request.text, 1);
    }
}

} // namespace trayecta
