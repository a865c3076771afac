// Trayecta: solves projectile problems in a vertical plane and draws the path.
#include <QApplication>

#include "CommandLine.h"
#include "Form1.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    trayecta::prepareApplication(app);
    trayecta::FORM1 window;
    window.move(125, 249);
    window.show();
    return app.exec();
}
