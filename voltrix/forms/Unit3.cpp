#include "voltrix/forms/Unit3.h"
#include "voltrix/forms/ScreenPixmap.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

#include <cmath>
#include <numbers>

#include "common/DesignFonts.h"
#include "voltrix/forms/WindowFrame.h"

namespace voltrix {

TForm3 *Form3 = nullptr;

namespace {

constexpr int kLeft = 8, kTop = 51;
// 298 x 188 is the whole window, as for the other windows; this is inside it.
constexpr QSize kClient = clientSizeOf(298, 188);
constexpr int kWidth = kClient.width(), kHeight = kClient.height();
constexpr int kTitleHeight = 20;
constexpr int kFontPoints = 8;

const QColor kNavy(0x00, 0x00, 0x80);

QLabel *makeLabel(QWidget *parent, const QString &text, QRect place, const QColor &colour, bool bold, int points,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(alignment);
    label->setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, points, bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

void fillNavy(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kNavy);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// What the program shows: a positive charge entering a magnetic field along
// z with a velocity that has a component along the field winds round the
// field lines in a helix. Drawn in a simple oblique view, the far half of
// each turn dimmer than the near half.
QPixmap drawHelixPicture(QSize size)
{
    QPixmap picture = screenPixmap(size);
    picture.fill(QColor(0x00, 0x00, 0x20));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const double width = size.width(), height = size.height();
    const double axisX = width * 0.42;
    const double bottom = height - 34, top = 26;
    const double radius = width * 0.17;
    const double tilt = 0.32; // how flat the circles of the helix look
    // A positive charge turns clockwise seen from above; the path ends on
    // the near side of a turn, where the charge is heading left.
    constexpr int quarterTurns = 13;
    constexpr int stepsPerQuarter = 24;
    constexpr double turns = quarterTurns / 4.0;

    // Field lines of B, all pointing up.
    painter.setPen(QPen(QColor(0x00, 0x60, 0x60), 1, Qt::DotLine));
    for (int i = -2; i <= 2; ++i) {
        const double lineX = axisX + i * radius * 0.9;
        painter.drawLine(QPointF(lineX, bottom + 8), QPointF(lineX, top - 10));
    }
    const double arrowX = width * 0.86;
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0x00), 2));
    painter.drawLine(QPointF(arrowX, bottom), QPointF(arrowX, top));
    QPainterPath head;
    head.moveTo(arrowX, top - 8);
    head.lineTo(arrowX - 5, top + 2);
    head.lineTo(arrowX + 5, top + 2);
    head.closeSubpath();
    painter.fillPath(head, QColor(0xFF, 0xFF, 0x00));

    // The helix, point by point: the near half of each turn (sin > 0) bright.
    const double risePerRadian = (bottom - top - 24) / (turns * 2 * std::numbers::pi);
    const auto helixPoint = [&](double angle) {
        return QPointF(axisX + radius * std::cos(angle),
                       bottom - 10 - risePerRadian * angle + radius * tilt * std::sin(angle));
    };
    constexpr int steps = quarterTurns * stepsPerQuarter;
    const double endAngle = 2 * std::numbers::pi * turns;
    QPointF previous = helixPoint(0);
    for (int i = 1; i <= steps; ++i) {
        const double angle = endAngle * i / steps;
        const QPointF point = helixPoint(angle);
        const bool near = std::sin(angle) > 0;
        painter.setPen(QPen(near ? QColor(0x00, 0xFF, 0x00) : QColor(0x00, 0x70, 0x00), near ? 2 : 1));
        painter.drawLine(previous, point);
        previous = point;
    }

    // The charge at the end of the path, with its velocity along the path.
    const QPointF charge = previous;
    const QPointF tangent(-radius * std::sin(endAngle), -risePerRadian + radius * tilt * std::cos(endAngle));
    const double tangentLength = std::hypot(tangent.x(), tangent.y());
    const QPointF velocityEnd = charge + tangent * (26.0 / tangentLength);
    painter.setPen(QPen(QColor(0x00, 0xFF, 0xFF), 2));
    painter.drawLine(charge, velocityEnd);
    painter.setBrush(QColor(0xFF, 0x00, 0x00));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(charge, 6, 6);

    painter.setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, kFontPoints, true));
    painter.setPen(QColor(0xFF, 0xFF, 0x00));
    painter.drawText(QPointF(arrowX + 8, top + 6), QStringLiteral("B"));
    painter.setPen(QColor(0x00, 0xFF, 0xFF));
    painter.drawText(QPointF(velocityEnd.x() - 10, velocityEnd.y() + 4), QStringLiteral("v"));
    painter.setPen(QColor(0xFF, 0x60, 0x60));
    painter.drawText(QPointF(charge.x() - 3, charge.y() - 9), QStringLiteral("q"));
    painter.setPen(Qt::white);
    //: caption under the picture of the about window (about 290 px wide)
    painter.drawText(QRectF(0, height - 22, width, 18), Qt::AlignCenter,
                     QCoreApplication::translate("voltrix::TForm3", "Carga en un campo magnético: una hélice"));
    return picture;
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QString(7, QLatin1Char(' ')) + QStringLiteral("Orvalis"));
    move(kLeft, kTop);
    resize(kWidth, kHeight);
    setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, kFontPoints));

    Label1 = makeLabel(this, QStringLiteral("Orvalis  —  Voltrix"), QRect(0, 0, kWidth, kTitleHeight), Qt::white, true,
                       10, Qt::AlignCenter);
    fillNavy(Label1);
    //: tooltip: the group of authors called Orvalis
    Label1->setToolTip(tr("Grupo Orvalis"));

    //: the about window's subtitle, one line about 290 px wide
    Label2 = makeLabel(this, tr("Física interactiva para estudiantes"), QRect(0, kTitleHeight, kWidth, 14), Qt::white,
                       false, 7, Qt::AlignCenter);
    fillNavy(Label2);

    Label3 = makeLabel(this, QStringLiteral("Voltrix, 2026"), QRect(0, 37, kWidth, 16), Qt::black, false, kFontPoints,
                       Qt::AlignCenter);

    // Two columns: what is named on the left, navy bold; the name on the right.
    constexpr int rowTop = 55, rowHeight = 17, leftX = 20, rightX = 118;
    auto row = [&](int index, const QString &what, const QString &name, QLabel *&left, QLabel *&right) {
        const int y = rowTop + index * rowHeight;
        left = makeLabel(this, what, QRect(leftX, y, rightX - leftX - 4, rowHeight), kNavy, true, kFontPoints);
        right = makeLabel(this, name, QRect(rightX, y, kWidth - rightX - 8, rowHeight), Qt::black, false, kFontPoints);
    };
    //: about window, left column (94 px wide): the program's name follows
    row(0, tr("Programa:"), QStringLiteral("Voltrix"), Label4, Label5);
    //: about window, left column (94 px wide): the authors follow
    row(1, tr("Autores:"), tr("el equipo Orvalis"), Label10, Label11);
    //: about window, left column (94 px wide): the group's name follows
    row(2, tr("Grupo:"), QStringLiteral("Orvalis"), Label6, Label7);
    //: about window, left column (94 px wide): the program's subject follows
    row(3, tr("Tema:"), tr("Carga en campos E y B"), Label8, Label9);

    //: button caption: shows the group's picture (noun); the button is 75 px wide
    BtnGrupo = new QPushButton(tr("Grupo"), this);
    BtnGrupo->setGeometry((kWidth - 75) / 2, kHeight - 29, 75, 25);
    BtnGrupo->setToolTip(tr("Foto del grupo"));
    connect(BtnGrupo, &QPushButton::clicked, this, &TForm3::BtnGrupoClick);

    // Created last so that, once shown, it covers everything below the title.
    ImageGrupo = new QLabel(this);
    ImageGrupo->setGeometry(0, kTitleHeight, kWidth, kHeight - kTitleHeight);
    ImageGrupo->setPixmap(drawHelixPicture(ImageGrupo->size()));
    ImageGrupo->installEventFilter(this);

    showTextState();
}

QList<QWidget *> TForm3::textStateWidgets() const
{
    return {Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11, BtnGrupo};
}

void TForm3::BtnGrupoClick()
{
    for (QWidget *widget : textStateWidgets())
        widget->hide();
    ImageGrupo->show();
}

void TForm3::showTextState()
{
    ImageGrupo->hide();
    for (QWidget *widget : textStateWidgets())
        widget->show();
}

bool TForm3::isPictureState() const { return !ImageGrupo->isHidden(); }

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ImageGrupo && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        BtnGrupoClick();
    return QWidget::eventFilter(watched, event);
}

} // namespace voltrix
