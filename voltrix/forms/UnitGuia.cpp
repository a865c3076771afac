#include "voltrix/forms/UnitGuia.h"

#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include "common/DesignFonts.h"

namespace voltrix {

TFormGuia *FormGuia = nullptr;

namespace {

// Right of the main window, level with its top.
constexpr int kLeft = 320, kTop = 4;
constexpr int kWidth = 430;
constexpr int kFontPixels = 12;

} // namespace

TFormGuia::TFormGuia(QWidget *parent)
    : QWidget(parent)
{
    //: window title: the guide of a classic experiment (noun)
    setWindowTitle(tr("Guía"));
    move(kLeft, kTop);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    LabelTitulo = new QLabel(this);
    LabelTitulo->setAccessibleName(tr("Título de la experiencia"));
    QFont bold = LabelTitulo->font();
    bold.setBold(true);
    LabelTitulo->setFont(bold);
    QPalette navy = LabelTitulo->palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    LabelTitulo->setPalette(navy);
    LabelGuia = new QLabel(this);
    LabelGuia->setAccessibleName(tr("Guía de la experiencia"));
    for (QLabel *label : {LabelTitulo, LabelGuia}) {
        label->setWordWrap(true);
        // The numbers can be selected and copied into a worksheet.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 10);
    column->setSpacing(6);
    column->addWidget(LabelTitulo);
    column->addWidget(LabelGuia);
    column->addStretch(1);
    setFixedWidth(kWidth);
}

void TFormGuia::showGuide(const std::vector<std::string> &lines)
{
    LabelTitulo->setText(lines.empty() ? QString() : QString::fromStdString(lines.front()));
    QStringList rest;
    for (std::size_t i = 1; i < lines.size(); ++i)
        rest << QString::fromStdString(lines[i]);
    // One paragraph a line, a little apart.
    LabelGuia->setText(rest.join(QStringLiteral("\n\n")));
    adjustSize();
    show();
    raise();
    activateWindow();
}

} // namespace voltrix
