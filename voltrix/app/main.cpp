// Voltrix: one charged particle in uniform electric and magnetic fields.
// The six windows are created once, in the program's order, and live for the whole
// run; only the main window is shown, its menu shows the others.
#include <QApplication>
#include <QMessageBox>

#include <exception>

#include "voltrix/app/Identity.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/HandlerFailure.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/Unit1.h"

namespace {

// A failure in any handler is shown and the program goes on.
class VoltrixApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        return voltrix::deliverShowingFailure([&] { return QApplication::notify(receiver, event); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    orvalis::applyScaleArgument(argc, argv); // Qt reads the scale as the application is created
    VoltrixApplication app(argc, argv);
    orvalis::prepareApplication(app, voltrix::programIdentity());
    try {
        // The experiment first: every window follows it. The main window's
        // creation builds the scene before any other window exists.
        voltrix::Experiment experiment;
        voltrix::createVoltrixWindows(experiment);
        voltrix::Form1->show();
        const int code = app.exec();
        // The windows go while the experiment they follow is still there.
        voltrix::destroyVoltrixWindows();
        return code;
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Voltrix"), QString::fromUtf8(error.what()));
        return 0;
    }
}
