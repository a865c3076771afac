#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "CommandLine.h"

using trayecta::CommandLineAction;
using trayecta::parseCommandLine;

namespace {

struct ArgumentsCase {
    QStringList arguments;
    CommandLineAction action;
    const char *mustMention; // in the printed text; nullptr: nothing particular
};

TEST(TrayectaCommandLine, ChoosesWhatToDoFromTheArguments)
{
    const QString version = QStringLiteral("Trayecta " ORVALIS_PROJECT_VERSION "\n");
    const ArgumentsCase cases[] = {
        {{"trayecta"}, CommandLineAction::Run, nullptr},
        {{"/usr/bin/trayecta"}, CommandLineAction::Run, nullptr},
        {{"trayecta", "--help"}, CommandLineAction::ShowHelp, "Ús: trayecta [opcions]"},
        {{"/usr/bin/trayecta", "-h"}, CommandLineAction::ShowHelp, "Ús: trayecta [opcions]"},
        {{"trayecta", "--version", "--help"}, CommandLineAction::ShowHelp, "--version"},
        {{"trayecta", "--version"}, CommandLineAction::ShowVersion, nullptr},
        {{"trayecta", "-v"}, CommandLineAction::ShowVersion, nullptr},
        {{"trayecta", "--bogus"}, CommandLineAction::Fail, "opció desconeguda: --bogus"},
        {{"trayecta", "-x"}, CommandLineAction::Fail, "opció desconeguda: -x"},
        {{"trayecta", "--help", "--bogus"}, CommandLineAction::Fail, "--bogus"},
        {{"trayecta", "dades.txt"}, CommandLineAction::Fail, "argument no admès: dades.txt"},
        {{"trayecta", "--", "--help"}, CommandLineAction::Fail, "argument no admès: --help"},
    };
    for (const ArgumentsCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const trayecta::CommandLineRequest request = parseCommandLine(c.arguments);
        EXPECT_EQ(request.action, c.action);
        if (c.mustMention) {
            EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.mustMention))) << request.text.toStdString();
        }
        if (c.action == CommandLineAction::ShowVersion) {
            EXPECT_EQ(request.text, version);
        }
        if (c.action == CommandLineAction::Fail) {
            EXPECT_TRUE(request.text.contains(QStringLiteral("trayecta --help"))) << request.text.toStdString();
        }
        if (c.action == CommandLineAction::Run) {
            EXPECT_TRUE(request.text.isEmpty());
        }
    }
}

TEST(TrayectaCommandLine, HelpListsBothOptions)
{
    const QString help = parseCommandLine({"trayecta", "--help"}).text;
    EXPECT_TRUE(help.contains(QStringLiteral("-h, --help")));
    EXPECT_TRUE(help.contains(QStringLiteral("-v, --version")));
}

TEST(TrayectaIdentity, EveryWindowShowsTheTrayectaIconAtEachSize)
{
    trayecta::setApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(ORVALIS_PROJECT_VERSION));
    QWidget window;
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage expected = QImage(QStringLiteral(ORVALIS_ICON_DIR "/%1/trayecta.png").arg(size))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull());
        const QImage shown = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, expected);
    }
}

TEST(TrayectaIdentity, QtDialogsSpeakTheProgramsLanguage)
{
    QApplication *app = qApp;
    ASSERT_TRUE(trayecta::installQtTranslation(*app));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("Cancel·la"));
}

} // namespace
