// Voltrix: one charged particle in uniform electric and magnetic fields.
// The six windows are created once, in the program's order, and live for the whole
// run; only the main window is shown, its menu shows the others.
#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "CommandLine.h"
#include "Unit1.h"
#include "ProgramWindows.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    voltrix::prepareApplication(app);
    try {
        // The main window's creation builds the scene before any other
        // window exists, so it must not touch them.
        createVoltrixWindows();
        Form1->show();
        return app.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Voltrix"), QString::fromUtf8(error.what()));
        return 0;
    }
}
