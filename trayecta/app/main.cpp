// Trayecta: solves projectile problems in a vertical plane and draws the path.
#include <QApplication>

#include "trayecta/app/Identity.h"
#include "trayecta/forms/Form1.h"

int main(int argc, char *argv[])
{
    orvalis::applyScaleArgument(argc, argv); // Qt reads the scale as the application is created
    QApplication app(argc, argv);
    orvalis::prepareApplication(app, trayecta::programIdentity());
    trayecta::FORM1 window;
    window.move(125, 249);
    window.show();
    return app.exec();
}
