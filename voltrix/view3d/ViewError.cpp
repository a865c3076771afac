#include "voltrix/view3d/ViewError.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace voltrix {

namespace {

ViewErrorReporter &customReporter()
{
    static ViewErrorReporter reporter;
    return reporter;
}

void showErrorBox(const std::string &text)
{
    // Without a GUI application (a tool, a plain test) there is nothing to
    // show a box on.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Xc3DWorld Error"), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.exec();
}

} // namespace

std::string formatViewError(const char *operation, const char *message)
{
    std::string text = "Error in function ";
    text += operation;
    text += '\n';
    text += message;
    // The report is formatted into a 256-byte buffer.
    if (text.size() > 255)
        text.resize(255);
    return text;
}

void setViewErrorReporter(ViewErrorReporter reporter) { customReporter() = std::move(reporter); }

void reportViewError(const char *operation, const char *message)
{
    const std::string text = formatViewError(operation, message);
    try {
        if (customReporter())
            customReporter()(text);
        else
            showErrorBox(text);
    } catch (...) {
        // A reporter that throws still ends the program below.
    }
    // Whichever button was pressed, and whatever a replaced reporter did.
    std::fflush(nullptr);
    std::exit(1);
}

} // namespace voltrix
