#include "voltrix/forms/HandlerFailure.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace voltrix {

void showHandlerFailure(const char *message)
{
    const QString text = message != nullptr && *message != '\0'
                             ? QString::fromUtf8(message)
                             //: the message box of a failure that carries no text of its own
                             : QCoreApplication::translate("voltrix::HandlerFailure", "Error desconocido.");
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

} // namespace voltrix
