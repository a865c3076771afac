#include "voltrix/forms/HandlerFailure.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace voltrix {

void showHandlerFailure(const char *message)
{
    const QString text =
        message != nullptr && *message != '\0' ? QString::fromUtf8(message) : QStringLiteral("Error desconocido.");
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

} // namespace voltrix
