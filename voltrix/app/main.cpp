// Voltrix: one charged particle in uniform electric and magnetic fields.
// The six windows are created once, in this order, and live for the whole
// run; only the main window is shown, its menu shows the others.
#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "CommandLine.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    voltrix::prepareApplication(app);
    try {
        // The main window's creation builds the scene before any other
        // window exists, so it must not touch them.
        Form1 = new TForm1;
        Form3 = new TForm3;
        Form2 = new TForm2;
        Form4 = new TForm4;
        Form5 = new TForm5;
        Form6 = new TForm6;
        Form1->show();
        return app.exec();
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Voltrix"), QString::fromUtf8(error.what()));
        return 0;
    }
}
