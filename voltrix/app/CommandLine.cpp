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

namespace voltrix {
namespace {

const char *const kProgramName = "Voltrix";
const int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString commandName(const QStringList &arguments)
{
    // The help shows the command as typed, without its folder.
    const QString first = arguments.isEmpty() ? QString() : arguments.first();
    const QString name = first.section(QLatin1Char('/'), -1);
    return name.isEmpty() ? QStringLiteral("voltrix") : name;
}

QString helpText(const QString &command)
{
    return QStringLiteral("Uso: %1 [opciones]\n"
                          "Dinámica de una partícula cargada en campos eléctrico y magnético.\n"
                          "\n"
                          "Opciones:\n"
                          "  -h, --help     Muestra esta ayuda y termina.\n"
                          "  -v, --version  Muestra la versión y termina.\n"
                          "\n"
                          "También admite las opciones de Qt, como -platform o -style.\n")
        .arg(command);
}

QString usageError(const QString &command, const QString &problem)
{
    return QStringLiteral("%1: %2\nPruebe «%1 --help».\n").arg(command, problem);
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
            : QStringLiteral("opción desconocida: %1%2")
                  .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                       unknown.first());
        return {CommandLineAction::Fail, usageError(command, problem)};
    }
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText(command)};
    if (parser.isSet(version))
        return {CommandLineAction::ShowVersion,
                QStringLiteral("%1 %2\n").arg(QLatin1String(kProgramName), QStringLiteral(VOLTRIX_VERSION))};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineAction::Fail,
                usageError(command, QStringLiteral("argumento no admitido: %1").arg(parser.positionalArguments().first()))};
    return {};
}

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QLatin1String(kProgramName));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOLTRIX_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VOLTRIX_DESKTOP_ID));
    QIcon icon;
    for (int size : kIconSizes)
        icon.addFile(QStringLiteral(":/icons/voltrix-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

bool installQtTranslation(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
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

} // namespace voltrix
