#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/ScreenPixmap.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "common/DesignFonts.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/forms/BoxText.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/WindowFrame.h"

namespace voltrix {

TForm5 *Form5 = nullptr;

namespace {

constexpr int kLeft = 316, kTop = 223;
// The client area of the 114 x 114 window, so that its bottom meets the
// vector options window below it as designed.
constexpr QSize kClient = clientSizeOf(114, 114);
constexpr int kWidth = kClient.width(), kHeight = kClient.height();
constexpr int kFontPixels = 11;
constexpr float kFactorStep = 0.1f;
// A toggle button that is down must be seen at a glance: sunken and darker.
constexpr auto kDownLook = "QPushButton:checked { background-color: #b4b4c8; color: #000080;"
                           " border: 2px inset #808080; }";

// The small image of a hold button: a filled navy triangle.
QIcon arrowIcon(bool pointsUp)
{
    constexpr int side = 12;
    QPixmap image = screenPixmap(QSize(side, side));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    if (pointsUp) {
        triangle.moveTo(side / 2.0, 2);
        triangle.lineTo(side - 1, side - 3);
        triangle.lineTo(1, side - 3);
    } else {
        triangle.moveTo(1, 3);
        triangle.lineTo(side - 1, 3);
        triangle.lineTo(side / 2.0, side - 2);
    }
    triangle.closeSubpath();
    painter.fillPath(triangle, QColor(0x00, 0x00, 0x80));
    return QIcon(image);
}

} // namespace

TForm5::TForm5(Experiment &experiment, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
{
    //: window title: the vectors' scale factors (noun)
    setWindowTitle(tr("Escala"));
    move(kLeft, kTop);
    setFixedSize(kWidth, kHeight);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    Panel1 = new QFrame(this);
    Panel1->setGeometry(0, 0, kWidth, kHeight);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);

    constexpr int margin = 2, rowHeight = 15;
    auto toggle = [&](int row, const QString &caption, void (TForm5::*handler)()) {
        auto *button = new QPushButton(caption, Panel1);
        button->setGeometry(margin, margin + row * rowHeight, kWidth - 2 * margin, rowHeight);
        button->setCheckable(true);
        button->setStyleSheet(kDownLook);
        // Picking a factor leaves the focus in EditScale, ready for a value.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, handler);
        return button;
    };
    //: button caption: choose the velocity's scale factor; the button is 102 x 15 px
    ScaleV = toggle(0, tr("Velocidad"), &TForm5::ScaleVClick);
    //: button caption: choose the acceleration's scale factor; the button is 102 x 15 px
    ScaleA = toggle(1, tr("Aceleración"), &TForm5::ScaleAClick);
    //: button caption: choose the electric field's scale factor; the button is 102 x 15 px
    ScaleE = toggle(2, tr("Campo Eléctrico"), &TForm5::ScaleEClick);
    //: button caption: choose the magnetic field's scale factor; the button is 102 x 15 px
    ScaleB = toggle(3, tr("Campo Magnético"), &TForm5::ScaleBClick);
    ScaleV->setChecked(true);

    constexpr int bottomTop = margin + 4 * rowHeight + 2, buttonSide = 21;
    ScaleDown = new QPushButton(Panel1);
    ScaleDown->setGeometry(margin, bottomTop, buttonSide, buttonSide);
    ScaleDown->setIcon(arrowIcon(false));
    ScaleUp = new QPushButton(Panel1);
    ScaleUp->setGeometry(kWidth - margin - buttonSide, bottomTop, buttonSide, buttonSide);
    ScaleUp->setIcon(arrowIcon(true));
    // The hold buttons take no focus, so Enter typed after holding one still
    // reaches the edit box.
    for (QPushButton *button : {ScaleDown, ScaleUp}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
    }

    EditScale = new QLineEdit(Panel1);
    EditScale->setGeometry(margin + buttonSide + 2, bottomTop, kWidth - 2 * (margin + buttonSide + 2), buttonSide);
    EditScale->setTextMargins(0, 0, 0, 0);
    EditScale->installEventFilter(this);
    ScaleDown->setAccessibleName(tr("Reducir el factor de escala"));
    ScaleUp->setAccessibleName(tr("Aumentar el factor de escala"));
    EditScale->setAccessibleName(tr("Factor de escala del vector elegido"));

    // The experiment starts editing the velocity's factor, as ScaleV is down.
    setText31(EditScale, experiment_.factors().FactorV);
    connect(&experiment_, &Experiment::changed, this, &TForm5::showChanges);
}

void TForm5::showChanges(Experiment::Changes what)
{
    // "Inicia" shows the acceleration's factor it set, whichever is edited.
    if (what & Experiment::Preset)
        show31(EditScale, experiment_.factors().FactorA);
    else if (what & Experiment::Scale)
        show31(EditScale, experiment_.factors().FactorActual);
}

void TForm5::selectFactor(QPushButton *pressed, VectorQuantity quantity)
{
    // One group: a button going down releases the others; a button pressed
    // while down has already come up by itself.
    if (pressed->isChecked()) {
        for (QPushButton *button : {ScaleV, ScaleA, ScaleE, ScaleB})
            if (button != pressed)
                button->setChecked(false);
    }
    experiment_.selectFactor(quantity, pressed->isChecked());
}

void TForm5::ScaleVClick() { selectFactor(ScaleV, VectorQuantity::Velocity); }
void TForm5::ScaleAClick() { selectFactor(ScaleA, VectorQuantity::Acceleration); }
void TForm5::ScaleEClick() { selectFactor(ScaleE, VectorQuantity::Electric); }
void TForm5::ScaleBClick() { selectFactor(ScaleB, VectorQuantity::Magnetic); }

void TForm5::ScaleUpMouseDown() { experiment_.holdScale(kFactorStep); }

void TForm5::ScaleDownMouseDown() { experiment_.holdScale(-kFactorStep); }

void TForm5::ScaleNull() { experiment_.releaseScale(); }

void TForm5::EditScaleKeyPress(char &Key)
{
    if (Key != kEnterKey)
        return;
    // No number, or one above 1e7, is 0, which the step raises to 0.1.
    float value = readFloat(EditScale->text().toStdString()).value_or(0.0f);
    if (value > kMaxTypedValue)
        value = 0;
    experiment_.typeFactor(value);
}

bool TForm5::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScaleUp || watched == ScaleDown) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: // the second press of a double click holds too
            if (watched == ScaleUp)
                ScaleUpMouseDown();
            else
                ScaleDownMouseDown();
            break;
        case QEvent::MouseButtonRelease: ScaleNull(); break;
        default: break;
        }
    } else if (watched == EditScale && event->type() == QEvent::KeyPress) {
        if (isEnter(*static_cast<QKeyEvent *>(event))) {
            char character = kEnterKey;
            EditScaleKeyPress(character);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TForm5::hideEvent(QHideEvent *event)
{
    // A hold button that disappears never sees its release; without this the
    // factor would keep growing with nothing on screen to stop it.
    ScaleNull();
    QWidget::hideEvent(event);
}

} // namespace voltrix
