// The languages of both programs: which one a code or the desktop's locale
// means, the choice kept for the next start, each language reaching the help,
// the windows and Qt's own dialogs, and translations left with no gaps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDirIterator>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include "common/CommandLine.h"
#include "common/CoreText.h"
#include "common/Language.h"
#include "tests/support/InLanguage.h"
#include "trayecta/app/Identity.h"
#include "voltrix/app/Identity.h"

namespace {

const QStringList kAll{"es", "ca", "ca@valencia", "gl", "eu", "en"};

TEST(Language, ACodeOrALocaleMeansOneOfTheProgramsLanguages)
{
    const struct {
        const char *requested;
        QStringList available;
        const char *expected;
    } cases[] = {
        {"gl", kAll, "gl"},
        {"EN", kAll, "en"},
        {"es_ES.UTF-8", kAll, "es"},
        {"eu_ES", kAll, "eu"},
        {"ca@valencia", kAll, "ca@valencia"},
        {"ca_ES.UTF-8@valencia", kAll, "ca@valencia"},
        {"ca@valencia", {"es", "ca"}, "ca"}, // Valencian falls back to Catalan
        {"ca", kAll, "ca"},
        {"fr", kAll, "es"}, // unknown: the design's
        {"", kAll, "es"},
        {"@valencia", kAll, "es"},
        {"gl", {"es", "ca"}, "es"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(orvalis::resolveLanguage(c.requested, c.available, "es"), c.expected) << c.requested;
}

// The settings of the tests' own, in a folder that goes with them.
class RememberedLanguage : public ::testing::Test {
protected:
    QTemporaryDir folder;
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path()); }
};

TEST_F(RememberedLanguage, TheCommandLineWinsOverTheMenusChoiceWhichWinsOverTheDesign)
{
    for (const orvalis::ProgramIdentity *program : {&voltrix::programIdentity(), &trayecta::programIdentity()}) {
        const QString command = program->command;
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command}), program->language);
        orvalis::rememberLanguage(*program, "gl");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command}), "gl");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command, "--lang", "eu"}), "eu");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command, "--scale", "2", "--lang=ca@valencia"}), "ca@valencia");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command, "--bogus", "-h", "--lang", "en"}), "en");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command, "--lang", "xx"}), program->language);
        // A broken settings value is an unknown language too.
        orvalis::rememberLanguage(*program, "../../etc");
        EXPECT_EQ(orvalis::chosenLanguage(*program, {command}), program->language);
    }
}

TEST_F(RememberedLanguage, TheMenuListsEveryLanguageInItsOwnNameAndKeepsTheChoice)
{
    const orvalis::ProgramIdentity &program = trayecta::programIdentity();
    const orvalis_test::InLanguage language(program, "ca");
    QMenu menu;
    QMenu *languages = orvalis::addLanguageMenu(&menu, "Llengua", "La llengua canviarà en tornar a obrir Trayecta.");
    ASSERT_NE(languages, nullptr);
    QStringList names, checked;
    for (QAction *action : languages->actions()) {
        names << action->text();
        if (action->isChecked())
            checked << action->text();
    }
    EXPECT_EQ(names, QStringList({"Español", "Català", "Valencià", "Galego", "Euskara", "English"}));
    EXPECT_EQ(checked, QStringList{"Català"});
    // Whatever box a choice opens is read and closed.
    QStringList notices;
    const auto answer = [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            notices << box->text();
            box->accept();
        }
    };
    // The language already in use: kept, and nothing to say.
    QTimer::singleShot(0, answer);
    languages->actions().at(1)->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(notices.isEmpty());
    EXPECT_EQ(orvalis::chosenLanguage(program, {"trayecta"}), "ca");
    QTimer::singleShot(0, answer);
    languages->actions().at(3)->trigger();
    EXPECT_EQ(notices, QStringList{"La llengua canviarà en tornar a obrir Trayecta."});
    EXPECT_EQ(orvalis::chosenLanguage(program, {"trayecta"}), "gl");
}

// What one run in a language shows: the help's first line and Qt's own
// Cancel button.
struct Shown {
    const char *language;
    const char *usage;
    const char *cancel;
};

// A text of each program's core, which only its own language shows as written.
struct CoreSample {
    const orvalis::ProgramIdentity &program;
    const char *context;
    const char *text;
};

TEST(Language, EachLanguageReachesTheHelpQtsDialogsAndTheCores)
{
    const Shown shown[] = {
        {"es", "Uso: %1 [opciones]", "Cancelar"},         {"ca", "Ús: %1 [opcions]", "Cancel·la"},
        {"ca@valencia", "Ús: %1 [opcions]", "Cancel·la"}, {"gl", "Uso: %1 [opcións]", "Cancelar"},
        {"eu", "Erabilera: %1 [aukerak]", "Cancelar"}, // Qt has no Basque: its Spanish
        {"en", "Usage: %1 [options]", "Cancel"},
    };
    const CoreSample samples[] = {
        {voltrix::programIdentity(), "voltrix::ExperimentFile", "el fichero no contiene ningún experimento"},
        {trayecta::programIdentity(), "trayecta::Failure", "Impossible realitzar càlcul.\r\nTipo de error: %1"},
    };
    for (const CoreSample &sample : samples) {
        const orvalis::ProgramIdentity &program = sample.program;
        for (const Shown &expected : shown) {
            SCOPED_TRACE(program.command.toStdString() + " " + expected.language);
            const orvalis_test::InLanguage language(program, expected.language);
            const QString help = orvalis::parseCommandLine(program, {program.command, "--help"}).text;
            EXPECT_EQ(help.section('\n', 0, 0), QString(expected.usage).arg(program.command));
            EXPECT_TRUE(help.contains("--lang CODE")) << help.toStdString();
            QMessageBox box;
            box.setStandardButtons(QMessageBox::Cancel);
            EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8(expected.cancel));
            EXPECT_EQ(orvalis::coreText(sample.context, sample.text) == sample.text,
                      program.language == expected.language);
        }
    }
}

// Every .ts of both programs: each text translated and finished, with the
// same %1 … %9 and the same number of access keys as its source.
TEST(Translations, NoTextIsLeftUnfinishedOrLosesAPlaceholder)
{
    const QRegularExpression placeholder("%[1-9]");
    int files = 0, translations = 0;
    for (const char *folder : {ORVALIS_SOURCE_DIR "/voltrix/i18n", ORVALIS_SOURCE_DIR "/trayecta/i18n"}) {
        QDirIterator it(folder, {"*.ts"});
        while (it.hasNext()) {
            QFile file(it.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            ++files;
            QXmlStreamReader xml(&file);
            QString source, context;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == u"name")
                    context = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.name() == u"source")
                    source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.name() == u"translation") {
                    ++translations;
                    const QString where = file.fileName() + " " + context + ": " + source;
                    const QString type = xml.attributes().value("type").toString();
                    const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    EXPECT_TRUE(type.isEmpty()) << type.toStdString() << " in " << where.toStdString();
                    EXPECT_FALSE(translation.isEmpty()) << where.toStdString();
                    QStringList inSource, inTranslation;
                    for (const auto &m : placeholder.globalMatch(source))
                        inSource << m.captured();
                    for (const auto &m : placeholder.globalMatch(translation))
                        inTranslation << m.captured();
                    inSource.sort();
                    inTranslation.sort();
                    EXPECT_EQ(inSource, inTranslation) << where.toStdString();
                    EXPECT_EQ(source.count(QRegularExpression("&[^& ]")),
                              translation.count(QRegularExpression("&[^& ]")))
                        << where.toStdString() << " -> " << translation.toStdString();
                }
            }
            EXPECT_FALSE(xml.hasError()) << file.fileName().toStdString() << ": " << xml.errorString().toStdString();
        }
    }
    EXPECT_EQ(files, 10);
    EXPECT_GT(translations, 10 * 100);
}

} // namespace
