#include "common/CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#include "common/Version.h"

namespace orvalis {
namespace {

// The sizes window managers draw. Every size is sent to the display with each
// window; the 256 one cost about 10 ms of start-up and is left to the
// installed desktop icon. Loaded as pixmaps, so no icon-engine plugins are scanned.
const int kIconSizes[] = {16, 24, 32, 48, 64, 128};

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
           + t.versionOption + QStringLiteral("\n  --scale F      ") + t.scaleOption + QStringLiteral("\n\n")
           + t.qtOptions + QLatin1Char('\n');
}

QCommandLineOption scaleOption() { return QCommandLineOption(QStringLiteral("scale"), QString(), QStringLiteral("F")); }

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
    const QCommandLineOption scale = scaleOption();
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(scale);

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
    if (parser.isSet(scale) && !readScale(parser.value(scale)))
        return {CommandLineAction::Fail, usageError(t, command, t.badScale.arg(parser.value(scale)))};
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

std::optional<double> readScale(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+([.,][0-9]+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    QString dotted = text;
    dotted.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    // The C locale's reading: a decimal point, whatever the user's locale.
    const double value = QLocale::c().toDouble(dotted, &ok);
    if (!ok || value < kMinScale || value > kMaxScale)
        return std::nullopt;
    return value;
}

std::optional<double> scaleArgument(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption scale = scaleOption();
    parser.addOption(scale);
    parser.parse(arguments); // the other arguments are the full parse's to judge
    if (!parser.isSet(scale))
        return std::nullopt;
    return readScale(parser.value(scale));
}

void applyScaleArgument(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<double> scale = scaleArgument(arguments);
    if (!scale)
        return;
    bool ok = false;
    const double desktop = QLocale::c().toDouble(QString::fromLocal8Bit(qgetenv("QT_SCALE_FACTOR")), &ok);
    const double factor = (ok && desktop > 0 ? desktop : 1.0) * *scale;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
}

void setApplicationIdentity(const ProgramIdentity &program)
{
    QCoreApplication::setApplicationName(program.name);
    QCoreApplication::setApplicationVersion(QLatin1String(kVersionText));
    QGuiApplication::setDesktopFileName(program.desktopId);
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(QPixmap(program.iconFile.arg(size)));
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
