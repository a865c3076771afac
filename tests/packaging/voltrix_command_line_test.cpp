#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "CommandLine.h"

using voltrix::CommandLineAction;
using voltrix::parseCommandLine;

namespace {

struct ArgumentsCase {
    QStringList arguments;
    CommandLineAction action;
    const char *mustMention; // in the printed text; nullptr: nothing particular
};

TEST(VoltrixCommandLine, ChoosesWhatToDoFromTheArguments)
{
    const QString version = QStringLiteral("Voltrix " ORVALIS_PROJECT_VERSION "\n");
    const ArgumentsCase cases[] = {
        {{"voltrix"}, CommandLineAction::Run, nullptr},
        {{"/usr/bin/voltrix"}, CommandLineAction::Run, nullptr},
        {{"voltrix", "--help"}, CommandLineAction::ShowHelp, "Uso: voltrix [opciones]"},
        {{"/usr/bin/voltrix", "-h"}, CommandLineAction::ShowHelp, "Uso: voltrix [opciones]"},
        {{"voltrix", "--version", "--help"}, CommandLineAction::ShowHelp, "--version"},
        {{"voltrix", "--version"}, CommandLineAction::ShowVersion, nullptr},
        {{"voltrix", "-v"}, CommandLineAction::ShowVersion, nullptr},
        {{"voltrix", "--bogus"}, CommandLineAction::Fail, "opción desconocida: --bogus"},
        {{"voltrix", "-x"}, CommandLineAction::Fail, "opción desconocida: -x"},
        {{"voltrix", "--help", "--bogus"}, CommandLineAction::Fail, "--bogus"},
        {{"voltrix", "fichero.exp"}, CommandLineAction::Fail, "argumento no admitido: fichero.exp"},
        {{"voltrix", "--", "--help"}, CommandLineAction::Fail, "argumento no admitido: --help"},
    };
    for (const ArgumentsCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const voltrix::CommandLineRequest request = parseCommandLine(c.arguments);
        EXPECT_EQ(request.action, c.action);
        if (c.mustMention) {
            EXPECT_TRUE(request.text.contains(QString::fromUtf8(c.mustMention))) << request.text.toStdString();
        }
        if (c.action == CommandLineAction::ShowVersion) {
            EXPECT_EQ(request.text, version);
        }
        if (c.action == CommandLineAction::Fail) {
            EXPECT_TRUE(request.text.contains(QStringLiteral("voltrix --help"))) << request.text.toStdString();
        }
        if (c.action == CommandLineAction::Run) {
            EXPECT_TRUE(request.text.isEmpty());
        }
    }
}

TEST(VoltrixCommandLine, HelpListsBothOptions)
{
    const QString help = parseCommandLine({"voltrix", "--help"}).text;
    EXPECT_TRUE(help.contains(QStringLiteral("-h, --help")));
    EXPECT_TRUE(help.contains(QStringLiteral("-v, --version")));
}

TEST(VoltrixIdentity, EveryWindowShowsTheVoltrixIconAtEachSize)
{
    voltrix::setApplicationIdentity();
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(ORVALIS_PROJECT_VERSION));
    QWidget window;
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage expected = QImage(QStringLiteral(ORVALIS_ICON_DIR "/%1/voltrix.png").arg(size))
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        ASSERT_FALSE(expected.isNull());
        const QImage shown = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(shown, expected);
    }
}

TEST(VoltrixIdentity, QtDialogsSpeakTheProgramsLanguage)
{
    QApplication *app = qApp;
    ASSERT_TRUE(voltrix::installQtTranslation(*app));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancelar"));
}

} // namespace
