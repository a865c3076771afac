#include "common/CommandLine.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

#include "common/Language.h"
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

// The texts in the installed language, read as they are printed.
struct Texts {
    const CommandLineTexts &t;
    QString operator()(const char *CommandLineTexts::*text) const
    {
        return QCoreApplication::translate(t.context, t.*text);
    }
};

QString languageCodes()
{
    QStringList codes;
    for (const LanguageName &language : kLanguages)
        codes << QLatin1String(language.code);
    return codes.join(QStringLiteral(", "));
}

QString helpText(const Texts &tr, const QString &command)
{
    using T = CommandLineTexts;
    return tr(&T::usage).arg(command) + QLatin1Char('\n') + tr(&T::description) + QStringLiteral("\n\n")
           + tr(&T::optionsHeading) + QStringLiteral("\n  -h, --help     ") + tr(&T::helpOption)
           + QStringLiteral("\n  -v, --version  ") + tr(&T::versionOption) + QStringLiteral("\n  --scale F      ")
           + tr(&T::scaleOption) + QStringLiteral("\n  --lang CODE    ") + tr(&T::languageOption).arg(languageCodes())
           + QStringLiteral("\n\n") + tr(&T::qtOptions) + QLatin1Char('\n');
}

QCommandLineOption scaleOption() { return QCommandLineOption(QStringLiteral("scale"), QString(), QStringLiteral("F")); }

// Every option the programs know, read the one way; Qt's own were taken out
// by QApplication before.
void addProgramOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions({QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QString()),
                       QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, QString()), scaleOption(),
                       languageOption()});
}

QString usageError(const Texts &tr, const QString &command, const QString &problem)
{
    return QStringLiteral("%1: %2\n").arg(command, problem) + tr(&CommandLineTexts::tryHelp).arg(command)
           + QLatin1Char('\n');
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
    using T = CommandLineTexts;
    const Texts tr{program.texts};
    QCommandLineParser parser;
    addProgramOptions(parser);
    const QString help = QStringLiteral("help"), version = QStringLiteral("version"), scale = QStringLiteral("scale");

    const QString command = commandName(program, arguments);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString problem =
            unknown.isEmpty() ? parser.errorText()
                              : tr(&T::unknownOption)
                                    .arg((unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"))
                                         + unknown.first());
        return {CommandLineAction::Fail, usageError(tr, command, problem)};
    }
    if (parser.isSet(scale) && !readScale(parser.value(scale)))
        return {CommandLineAction::Fail, usageError(tr, command, tr(&T::badScale).arg(parser.value(scale)))};
    if (parser.isSet(help))
        return {CommandLineAction::ShowHelp, helpText(tr, command)};
    if (parser.isSet(version))
        return {CommandLineAction::ShowVersion,
                QStringLiteral("%1 %2\n").arg(program.name, QLatin1String(kVersionText))};
    if (!parser.positionalArguments().isEmpty())
        return {CommandLineAction::Fail,
                usageError(tr, command, tr(&T::unexpectedArgument).arg(parser.positionalArguments().first()))};
    return {};
}

QCommandLineOption languageOption()
{
    return QCommandLineOption(QStringLiteral("lang"), QString(), QStringLiteral("CODE"));
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

std::optional<QString> optionValue(const QStringList &arguments, const QCommandLineOption &option)
{
    // All the options, so that another before it does not stop the reading;
    // the other arguments are the full parse's to judge.
    QCommandLineParser parser;
    addProgramOptions(parser);
    parser.parse(arguments);
    if (!parser.isSet(option.names().constFirst()))
        return std::nullopt;
    return parser.value(option.names().constFirst());
}

std::optional<double> scaleArgument(const QStringList &arguments)
{
    const std::optional<QString> scale = optionValue(arguments, scaleOption());
    return scale ? readScale(*scale) : std::nullopt;
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

void prepareApplication(QApplication &app, const ProgramIdentity &program)
{
    setApplicationIdentity(program);
    installLanguage(app, program, chosenLanguage(program, app.arguments()));
    const CommandLineRequest request = parseCommandLine(program, app.arguments());
    switch (request.action) {
    case CommandLineAction::Run: return;
    case CommandLineAction::ShowHelp:
    case CommandLineAction::ShowVersion: printAndExit(request.text, 0);
    case CommandLineAction::Fail: printAndExit(request.text, 1);
    }
}

} // namespace orvalis
