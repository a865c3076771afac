#include "trayecta/forms/FormEnunciat.h"

#include <QLabel>
#include <QVBoxLayout>

#include "common/DesignFonts.h"

namespace trayecta {

namespace {

constexpr int kWidth = 380;
constexpr int kFontPixels = 12;

} // namespace

FormEnunciat::FormEnunciat(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    //: window title: the statement of the chosen example problem (noun)
    setWindowTitle(tr("Enunciat"));
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));
    lblTitol = new QLabel(this);
    lblTitol->setAccessibleName(tr("Títol del problema"));
    QFont bold = lblTitol->font();
    bold.setBold(true);
    lblTitol->setFont(bold);
    lblEnunciat = new QLabel(this);
    lblEnunciat->setAccessibleName(tr("Enunciat del problema"));
    for (QLabel *label : {lblTitol, lblEnunciat}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);
    column->addWidget(lblTitol);
    column->addWidget(lblEnunciat);
    column->addStretch(1);
    setFixedWidth(kWidth);
}

void FormEnunciat::showStatement(const QString &title, const QString &statement)
{
    lblTitol->setText(title);
    lblEnunciat->setText(statement);
    adjustSize();
    show();
    raise();
    activateWindow();
}

} // namespace trayecta
