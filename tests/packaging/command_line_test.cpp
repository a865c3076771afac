// Both programs' command lines and desktop identities: each answers in its own
// language, names its own command, prints the project's version and shows its
// own icon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "tests/support/InLanguage.h"

#include "trayecta/app/Identity.h"
#include "voltrix/app/Identity.h"

using orvalis::CommandLineAction;
using orvalis::ProgramIdentity;

namespace {

struct Program {
    const ProgramIdentity &identity;
    const char *command;
    const char *usage;
    const char *unknown;    // how an unknown option is named
    const char *unexpected; // how a stray argument is named
    const char *cancel;     // Qt's "Cancel" button in the program's language
};

const Program kPrograms[] = {
    {voltrix::programIdentity(), "voltrix", "Uso: voltrix [opciones]",
     "opción desconocida: ", "argumento no admitido: ", "Cancelar"},
    {trayecta::programIdentity(), "trayecta", "Ús: trayecta [opcions]",
     "opció desconeguda: ", "argument no admès: ", "Cancel·la"},
};

QString text(const char *utf8) { return QString::fromUtf8(utf8); }

TEST(CommandLine, EachProgramChoosesWhatToDoFromTheArguments)
{
    for (const Program &p : kPrograms) {
        SCOPED_TRACE(p.command);
        const QString cmd = text(p.command);
        const QString path = QStringLiteral("/usr/bin/") + cmd;
        const QString version = p.identity.name + QStringLiteral(" " ORVALIS_PROJECT_VERSION "\n");
        const struct {
            QStringList arguments;
            CommandLineAction action;
            QString mustMention; // in the printed text; empty: nothing particular
        } cases[] = {
            {{cmd}, CommandLineAction::Run, {}},
            {{path}, CommandLineAction::Run, {}},
            {{cmd, "--help"}, CommandLineAction::ShowHelp, text(p.usage)},
            {{path, "-h"}, CommandLineAction::ShowHelp, text(p.usage)},
            {{cmd, "--version", "--help"}, CommandLineAction::ShowHelp, "--version"},
            {{cmd, "--version"}, CommandLineAction::ShowVersion, {}},
            {{cmd, "-v"}, CommandLineAction::ShowVersion, {}},
            {{cmd, "--bogus"}, CommandLineAction::Fail, text(p.unknown) + "--bogus"},
            {{cmd, "-x"}, CommandLineAction::Fail, text(p.unknown) + "-x"},
            {{cmd, "--help", "--bogus"}, CommandLineAction::Fail, "--bogus"},
            {{cmd, "fichero.exp"}, CommandLineAction::Fail, text(p.unexpected) + "fichero.exp"},
            {{cmd, "--", "--help"}, CommandLineAction::Fail, text(p.unexpected) + "--help"},
            {{cmd, "--scale", "2"}, CommandLineAction::Run, {}},
            {{cmd, "--scale=1,5"}, CommandLineAction::Run, {}},
            {{cmd, "--scale", "0.5", "--version"}, CommandLineAction::ShowVersion, {}},
            {{cmd, "--scale", "0.4"}, CommandLineAction::Fail, "--scale: 0.4"},
            {{cmd, "--scale", "4,5"}, CommandLineAction::Fail, "--scale: 4,5"},
            {{cmd, "--scale", "dos"}, CommandLineAction::Fail, "--scale: dos"},
            {{cmd, "--scale"}, CommandLineAction::Fail, "--scale"},
        };
        for (const auto &c : cases) {
            SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
            const orvalis::CommandLineRequest request = orvalis::parseCommandLine(p.identity, c.arguments);
            EXPECT_EQ(request.action, c.action);
            if (!c.mustMention.isEmpty()) {
                EXPECT_TRUE(request.text.contains(c.mustMention)) << request.text.toStdString();
            }
            if (c.action == CommandLineAction::ShowVersion) {
                EXPECT_EQ(request.text, version);
            }
            if (c.action == CommandLineAction::Fail) {
                EXPECT_TRUE(request.text.contains(cmd + " --help")) << request.text.toStdString();
            }
            if (c.action == CommandLineAction::Run) {
                EXPECT_TRUE(request.text.isEmpty());
            }
        }
        const QString help = orvalis::parseCommandLine(p.identity, {cmd, "--help"}).text;
        EXPECT_TRUE(help.contains(QStringLiteral("-h, --help")));
        EXPECT_TRUE(help.contains(QStringLiteral("-v, --version")));
        EXPECT_TRUE(help.contains(QStringLiteral("--scale F")));
    }
}

TEST(CommandLine, ScaleReadsWithAPointOrACommaWithinItsRange)
{
    const struct {
        QString text;
        std::optional<double> value;
    } cases[] = {
        {"2", 2.0}, {"1.5", 1.5},  {"1,5", 1.5}, {"0.5", 0.5}, {"4", 4.0}, {"0,49", {}}, {"4.01", {}},
        {"", {}},   {"1.5.2", {}}, {"-2", {}},   {"1e0", {}},  {" 2", {}}, {"2x", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(orvalis::readScale(c.text), c.value);
    }
    EXPECT_EQ(orvalis::scaleArgument({"voltrix", "--scale", "3"}), 3.0);
    EXPECT_EQ(orvalis::scaleArgument({"voltrix", "--version"}), std::nullopt);
    EXPECT_EQ(orvalis::scaleArgument({"voltrix", "--scale", "9"}), std::nullopt);
}

TEST(CommandLine, ScaleMultipliesTheDesktopsFactorBeforeTheApplicationExists)
{
    const QByteArray before = qgetenv("QT_SCALE_FACTOR");
    const auto apply = [](std::vector<std::string> args) {
        std::vector<char *> argv;
        for (std::string &a : args)
            argv.push_back(a.data());
        orvalis::applyScaleArgument(static_cast<int>(argv.size()), argv.data());
        return qgetenv("QT_SCALE_FACTOR");
    };
    qunsetenv("QT_SCALE_FACTOR");
    EXPECT_EQ(apply({"trayecta", "--scale", "2"}), QByteArray("2"));
    qputenv("QT_SCALE_FACTOR", "1.5");
    EXPECT_EQ(apply({"trayecta", "--scale=2"}), QByteArray("3"));
    EXPECT_EQ(apply({"trayecta", "--scale", "7"}), QByteArray("3")); // refused: left as it was
    qputenv("QT_SCALE_FACTOR", before);
    if (before.isEmpty())
        qunsetenv("QT_SCALE_FACTOR");
}

TEST(ProgramIdentity, EveryWindowShowsTheProgramsIconAtEachSizeAWindowManagerDraws)
{
    for (const Program &p : kPrograms) {
        SCOPED_TRACE(p.command);
        orvalis::setApplicationIdentity(p.identity);
        EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral(ORVALIS_PROJECT_VERSION));
        EXPECT_EQ(QCoreApplication::applicationName(), p.identity.name);
        QWidget window;
        const QIcon icon = window.windowIcon();
        ASSERT_FALSE(icon.isNull());
        for (int size : {16, 24, 32, 48, 64, 128}) {
            SCOPED_TRACE(size);
            const QImage expected = QImage(QStringLiteral(ORVALIS_ICON_DIR "/%1/%2.png").arg(size).arg(p.command))
                                        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            ASSERT_FALSE(expected.isNull());
            const QImage shown =
                icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            EXPECT_EQ(shown, expected);
        }
        // The 256 picture is the desktop's (installed with the package), not
        // sent with every window: a bigger request gets the 128 one.
        EXPECT_EQ(icon.actualSize(QSize(256, 256)), QSize(128, 128));
    }
}

TEST(ProgramIdentity, QtDialogsSpeakEachProgramsLanguage)
{
    for (const Program &p : kPrograms) {
        SCOPED_TRACE(p.command);
        // Taken away at the end, or the next program's would be looked up after it.
        const orvalis_test::InLanguage language(p.identity, p.identity.language.toUtf8().constData());
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), text(p.cancel));
    }
}

} // namespace
