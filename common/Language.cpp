#include "common/Language.h"

#include <QActionGroup>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

#include "common/CommandLine.h"
#include "common/CoreText.h"

namespace orvalis {
namespace {

const QString kValencian = QStringLiteral("ca@valencia");
const QString kSettingsKey = QStringLiteral("language");

// What installLanguage set up, for the menus and the dates.
QString installed;
const ProgramIdentity *installedProgram = nullptr;

QString translationFile(const ProgramIdentity &program, const QString &code)
{
    return QStringLiteral(":/i18n/%1_%2.qm").arg(program.command, code);
}

// Qt's own catalogues for a language, the one asked first last. Qt has no
// Basque, and its Galician is an older catalogue that misses the newer
// dialogs' texts: Spanish stands in, which their users read, rather than English.
QStringList qtCatalogues(const QString &code)
{
    if (code == QLatin1String("es") || code == QLatin1String("eu"))
        return {QStringLiteral("qtbase_es")};
    if (code == QLatin1String("gl"))
        return {QStringLiteral("qtbase_es"), QStringLiteral("qt_gl")};
    if (code == QLatin1String("ca") || code == kValencian)
        return {QStringLiteral("qtbase_ca")};
    return {};
}

bool installTranslator(QApplication &app, const QString &file, const QString &folder = {})
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

std::string translateCoreText(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

QSettings settingsOf(const ProgramIdentity &program) { return QSettings(QStringLiteral("Orvalis"), program.name); }

} // namespace

QString resolveLanguage(const QString &requested, const QStringList &available, const QString &design)
{
    QString code = requested.trimmed();
    const QString modifier = code.section(QLatin1Char('@'), 1);
    code = code.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0).section(QLatin1Char('_'), 0, 0);
    code = code.section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("ca") && modifier.section(QLatin1Char('.'), 0, 0).toLower() == QLatin1String("valencia")
        && available.contains(kValencian))
        return kValencian;
    if (!code.isEmpty() && available.contains(code))
        return code;
    return design;
}

QStringList availableLanguages(const ProgramIdentity &program)
{
    QStringList codes;
    for (const LanguageName &language : kLanguages) {
        const QString code = QLatin1String(language.code);
        if (code == program.language || QFile::exists(translationFile(program, code)))
            codes << code;
    }
    return codes;
}

QString chosenLanguage(const ProgramIdentity &program, const QStringList &arguments)
{
    const QString requested =
        optionValue(arguments, languageOption()).value_or(settingsOf(program).value(kSettingsKey).toString());
    return resolveLanguage(requested, availableLanguages(program), program.language);
}

void rememberLanguage(const ProgramIdentity &program, const QString &code)
{
    QSettings settings = settingsOf(program);
    settings.setValue(kSettingsKey, code);
    settings.sync();
}

void installLanguage(QApplication &app, const ProgramIdentity &program, const QString &code)
{
    installed = code;
    installedProgram = &program;
    for (const QString &catalogue : qtCatalogues(code))
        installTranslator(app, catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Qt asks the last installed first: Valencian, then Catalan where it is silent.
    if (code == kValencian)
        installTranslator(app, translationFile(program, QStringLiteral("ca")));
    if (code != program.language)
        installTranslator(app, translationFile(program, code));
    setTextTranslator(code == program.language ? nullptr : translateCoreText);
}

QLocale currentLocale(const QString &design)
{
    const QString code = (installed.isEmpty() ? design : installed).section(QLatin1Char('@'), 0, 0);
    if (code == QLatin1String("en"))
        return QLocale(QLocale::English, QLocale::UnitedKingdom);
    return QLocale(code + QStringLiteral("_ES"));
}

QMenu *addLanguageMenu(QMenu *menu, const QString &title, const QString &notice)
{
    if (!installedProgram)
        return nullptr;
    const ProgramIdentity &program = *installedProgram;
    QMenu *languages = menu->addMenu(title);
    auto *group = new QActionGroup(languages);
    for (const QString &code : availableLanguages(program)) {
        const auto *name = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                        [&](const LanguageName &l) { return code == QLatin1String(l.code); });
        QAction *action = languages->addAction(QString::fromUtf8(name->name));
        action->setCheckable(true);
        action->setChecked(code == installed);
        action->setData(code);
        group->addAction(action);
    }
    QObject::connect(group, &QActionGroup::triggered, menu, [=, &program](QAction *action) {
        const QString code = action->data().toString();
        rememberLanguage(program, code);
        if (code != installed)
            QMessageBox::information(menu->window(), program.name, notice);
    });
    return languages;
}

} // namespace orvalis
