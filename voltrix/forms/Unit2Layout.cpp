// The control panel's controls, their places and fonts, the charge buttons'
// glyphs, and the wiring of every control to its handler.
#include "Unit2.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>

#include "PanelFont.h"
#include "WindowFrame.h"
#include "Unit1.h"

namespace {

constexpr int kLeft = 0, kTop = 393;
// Panel1 fills the client area of the 317 x 207 window.
constexpr QSize kClient = voltrix::clientSizeOf(317, 207);
constexpr int kClientWidth = kClient.width(), kClientHeight = kClient.height();
constexpr int kFontPixels = 11;
constexpr int kEditXFontPixels = 8;
constexpr char kEnterKey = 13;
constexpr int kEditWidth = 37, kEditHeight = 21;
constexpr int kSliderWidth = 82, kSliderHeight = 8;
constexpr int kGlyphSide = 16;

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

void setCaptionFont(QWidget *widget, const QColor &colour, int pixels = kFontPixels)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPixelSize(pixels);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

QLabel *makeLabel(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->adjustSize();
    label->move(left, top);
    return label;
}

// The design's face is narrower than the sans faces found here: a caption
// that would be cut at its fixed width is narrowed until it fits.
void narrowToFit(QWidget *widget, const QString &caption)
{
    constexpr int kNarrowest = 50, kStep = 5;
    QFont font = widget->font();
    for (int stretch = 100 - kStep;
         stretch >= kNarrowest && QFontMetrics(font).horizontalAdvance(caption) > widget->width();
         stretch -= kStep)
        font.setStretch(stretch);
    widget->setFont(font);
}

QLineEdit *makeEdit(QWidget *parent, int left, int top, int width = kEditWidth)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(left, top, width, kEditHeight);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QScrollBar *makeSlider(QWidget *parent, int left, int top, int width, int height, int minimum,
                       int maximum)
{
    auto *slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setGeometry(left, top, width, height);
    // A click takes the focus, as the design's scroll bars do, so a value
    // typed into a box is committed before the slider moves.
    slider->setFocusPolicy(Qt::ClickFocus);
    return slider;
}

QPushButton *makeFlatButton(QWidget *parent, const QString &caption, int left, int top, int width,
                            int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setFlat(true);
    button->setGeometry(left, top, width, height);
    // Flat buttons take no focus: pressing one leaves a box being typed in
    // (and its text) as it is.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A red arrow with a black outline on a transparent ground; the disabled
// picture is the same arrow in greys.
QPixmap arrowPicture(bool pointsRight, const QColor &fill, const QColor &outline)
{
    QPixmap picture(kGlyphSide, kGlyphSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QPainterPath arrow;
    const qreal tipX = pointsRight ? 14 : 2;
    const qreal baseX = pointsRight ? 8 : 8;
    const qreal tailX = pointsRight ? 2 : 14;
    arrow.moveTo(tipX, 8);
    arrow.lineTo(baseX, 2);
    arrow.lineTo(baseX, 5);
    arrow.lineTo(tailX, 5);
    arrow.lineTo(tailX, 11);
    arrow.lineTo(baseX, 11);
    arrow.lineTo(baseX, 14);
    arrow.closeSubpath();
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    painter.drawPath(arrow);
    return picture;
}

QIcon arrowGlyph(bool pointsRight)
{
    QIcon glyph;
    glyph.addPixmap(arrowPicture(pointsRight, kRed, Qt::black), QIcon::Normal);
    glyph.addPixmap(arrowPicture(pointsRight, QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80)),
                    QIcon::Disabled);
    return glyph;
}

using KeyHandler = void (TForm2::*)(char &);
using ExitHandler = void (TForm2::*)();

// In the order of the component table (Bx .. Ez).
constexpr std::array<KeyHandler, 12> kKeyHandlers{
    &TForm2::EditBxKeyPress, &TForm2::EditByKeyPress, &TForm2::EditBzKeyPress, &TForm2::EditVxKeyPress,
    &TForm2::EditVyKeyPress, &TForm2::EditVzKeyPress, &TForm2::EditXKeyPress,  &TForm2::EditYKeyPress,
    &TForm2::EditZKeyPress,  &TForm2::EditExKeyPress, &TForm2::EditEyKeyPress, &TForm2::EditEzKeyPress};
constexpr std::array<ExitHandler, 12> kExitHandlers{
    &TForm2::EditBxExit, &TForm2::EditByExit, &TForm2::EditBzExit, &TForm2::EditVxExit,
    &TForm2::EditVyExit, &TForm2::EditVzExit, &TForm2::EditXExit,  &TForm2::EditYExit,
    &TForm2::EditZExit,  &TForm2::EditExExit, &TForm2::EditEyExit, &TForm2::EditEzExit};

} // namespace

void TForm2::buildWindow()
{
    setWindowTitle(QString(22, QLatin1Char(' ')) + QStringLiteral("Panel de Control"));
    move(kLeft, kTop);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(panelFont(kFontPixels));

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    buildTopRow();
    buildChargeGroup();
    buildPositionPanel();
    buildElectricGroup();
    buildVelocityGroup();
    buildMagneticGroup();

    GroupELocal = new QGroupBox(QStringLiteral("Región Campo Eléctrico"), Panel1);
    GroupELocal->setGeometry(154, 108, 153, 67);
    setCaptionFont(GroupELocal, kNavy);
    GroupELocal->hide();

    // The sliders that lie over the velocity and magnetic groups belong to
    // Panel1 and must stay above the groups.
    for (QScrollBar *slider : {ScVx, ScVy, ScVz, ScBx, ScBy, ScBz})
        slider->raise();

    components_ = {{{ScBx, EditBx}, {ScBy, EditBy}, {ScBz, EditBz}, {ScVx, EditVx}, {ScVy, EditVy},
                    {ScVz, EditVz}, {ScX, EditX}, {ScY, EditY}, {ScZ, EditZ}, {ScEx, EditEx},
                    {ScEy, EditEy}, {ScEz, EditEz}}};
}

void TForm2::buildTopRow()
{
    BtnAlmacenar = makeFlatButton(Panel1, QStringLiteral("Almacenar"), 4, 1, 70, 17);
    BtnAlmacenar->setToolTip(QStringLiteral("Almacena Valores Actuales"));
    setCaptionFont(BtnAlmacenar, kRed);
    BtnRecuperar = makeFlatButton(Panel1, QStringLiteral("Recuperar"), 76, 1, 70, 17);
    BtnRecuperar->setToolTip(QStringLiteral("Recupera Valores Almacenados"));
    setCaptionFont(BtnRecuperar, kRed);
    SpeedButton1 = makeFlatButton(Panel1, QStringLiteral("Inicia"), 148, 1, 70, 17);
    setCaptionFont(SpeedButton1, kNavy);

    Label1 = new QLabel(QStringLiteral("Increm.Tiempo"), Panel1);
    Label1->setGeometry(148, 18, 70, 13);
    narrowToFit(Label1, Label1->text());
    ScDt = makeSlider(Panel1, 148, 32, 70, 5, 1, 100);
}

void TForm2::buildChargeGroup()
{
    GroupBoxQ = new QGroupBox(QStringLiteral("Carga C"), Panel1);
    GroupBoxQ->setGeometry(220, 1, 85, 40);
    setCaptionFont(GroupBoxQ, kNavy);
    QDown = makeFlatButton(GroupBoxQ, QString(), 4, 16, 21, 20);
    QDown->setIcon(arrowGlyph(false));
    EditQ = makeEdit(GroupBoxQ, 25, 16);
    QUp = makeFlatButton(GroupBoxQ, QString(), 62, 16, 21, 20);
    QUp->setIcon(arrowGlyph(true));
    for (QPushButton *button : {QDown, QUp})
        button->setIconSize(QSize(kGlyphSide, kGlyphSide));
}

void TForm2::buildPositionPanel()
{
    PanelPosicion = new QFrame(Panel1);
    PanelPosicion->setFrameShape(QFrame::Panel);
    PanelPosicion->setFrameShadow(QFrame::Sunken);
    PanelPosicion->setGeometry(4, 20, 141, 85);
    setCaptionFont(PanelPosicion, kNavy);

    LabelPosicion = makeLabel(PanelPosicion, QStringLiteral("Posición"), 20, 12);
    ComboUnidades = new QComboBox(PanelPosicion);
    ComboUnidades->setEditable(true);
    ComboUnidades->setInsertPolicy(QComboBox::NoInsert);
    ComboUnidades->addItems({QStringLiteral("m"), QStringLiteral("cm")});
    ComboUnidades->setCurrentIndex(0);
    ComboUnidades->setGeometry(76, 8, 45, 21);

    LabelX = makeLabel(PanelPosicion, QStringLiteral("X"), 4, 36);
    LabelY = makeLabel(PanelPosicion, QStringLiteral("Y"), 4, 51);
    LabelZ = makeLabel(PanelPosicion, QStringLiteral("Z"), 4, 68);
    EditX = makeEdit(PanelPosicion, 16, 32);
    EditY = makeEdit(PanelPosicion, 16, 48);
    EditZ = makeEdit(PanelPosicion, 16, 64);
    setCaptionFont(EditX, kNavy, kEditXFontPixels);
    ScX = makeSlider(PanelPosicion, 56, 36, kSliderWidth, kSliderHeight, 0, 1000);
    ScY = makeSlider(PanelPosicion, 56, 53, kSliderWidth, kSliderHeight, 0, 1000);
    ScZ = makeSlider(PanelPosicion, 56, 70, kSliderWidth, kSliderHeight, 0, 1000);
}

void TForm2::buildElectricGroup()
{
    GroupElect = new QGroupBox(QStringLiteral("Campo Eléctrico V/m"), Panel1);
    GroupElect->setGeometry(152, 40, 153, 67);
    setCaptionFont(GroupElect, kNavy);
    LabelEx = makeLabel(GroupElect, QStringLiteral("Ex"), 8, 16);
    LabelEy = makeLabel(GroupElect, QStringLiteral("Ey"), 8, 31);
    LabelEz = makeLabel(GroupElect, QStringLiteral("Ez"), 8, 48);
    EditEx = makeEdit(GroupElect, 28, 12);
    EditEy = makeEdit(GroupElect, 28, 28);
    EditEz = makeEdit(GroupElect, 28, 44);
    ScEx = makeSlider(GroupElect, 68, 20, kSliderWidth, kSliderHeight, -1000, 1000);
    ScEy = makeSlider(GroupElect, 68, 36, kSliderWidth, kSliderHeight, -1000, 1000);
    ScEz = makeSlider(GroupElect, 68, 52, kSliderWidth, kSliderHeight, -1000, 1000);
}

void TForm2::buildVelocityGroup()
{
    GroupBoxVel = new QGroupBox(QStringLiteral("Velocidad m/s"), Panel1);
    GroupBoxVel->setGeometry(4, 108, 141, 67);
    setCaptionFont(GroupBoxVel, kNavy);
    LabelVx = makeLabel(GroupBoxVel, QStringLiteral("Vx"), 4, 16);
    LabelVy = makeLabel(GroupBoxVel, QStringLiteral("Vy"), 4, 32);
    LabelVz = makeLabel(GroupBoxVel, QStringLiteral("Vz"), 4, 48);
    EditVx = makeEdit(GroupBoxVel, 20, 12);
    EditVy = makeEdit(GroupBoxVel, 20, 28);
    EditVz = makeEdit(GroupBoxVel, 20, 44);
    ScVx = makeSlider(Panel1, 61, 124, kSliderWidth, kSliderHeight, -1000, 1000);
    ScVy = makeSlider(Panel1, 61, 141, kSliderWidth, kSliderHeight, -1000, 1000);
    ScVz = makeSlider(Panel1, 61, 158, kSliderWidth, kSliderHeight, -1000, 1000);
}

void TForm2::buildMagneticGroup()
{
    GroupMagnet = new QGroupBox(QStringLiteral("Campo Magnético"), Panel1);
    GroupMagnet->setGeometry(154, 108, 153, 67);
    setCaptionFont(GroupMagnet, kNavy);
    LabelBx = makeLabel(GroupMagnet, QStringLiteral("Bx"), 8, 16);
    LabelBy = makeLabel(GroupMagnet, QStringLiteral("By"), 8, 32);
    LabelBz = makeLabel(GroupMagnet, QStringLiteral("Bz"), 8, 48);
    EditBx = makeEdit(GroupMagnet, 28, 12);
    EditBy = makeEdit(GroupMagnet, 28, 28);
    EditBz = makeEdit(GroupMagnet, 28, 44);
    ScBx = makeSlider(Panel1, 220, 124, kSliderWidth, kSliderHeight, -100, 100);
    ScBy = makeSlider(Panel1, 220, 141, kSliderWidth, kSliderHeight, -100, 100);
    ScBz = makeSlider(Panel1, 220, 158, kSliderWidth, kSliderHeight, -100, 100);
}

void TForm2::connectHandlers()
{
    using Handler = void (TForm2::*)();
    constexpr std::array<Handler, ComponentCount> scrolls{
        &TForm2::ScBxScroll, &TForm2::ScByScroll, &TForm2::ScBzScroll, &TForm2::ScVxScroll,
        &TForm2::ScVyScroll, &TForm2::ScVzScroll, &TForm2::ScXScroll,  &TForm2::ScYScroll,
        &TForm2::ScZScroll,  &TForm2::ScExScroll, &TForm2::ScEyScroll, &TForm2::ScEzScroll};
    for (int c = 0; c < ComponentCount; ++c) {
        // Only the user's own actions run a slider handler: arrow and page
        // clicks, dragging, wheel and keys all arrive as slider actions,
        // while setValue() from code arrives as none.
        const Handler handler = scrolls[c];
        connect(components_[c].slider, &QAbstractSlider::actionTriggered, this, [this, handler](int action) {
            if (action != QAbstractSlider::SliderNoAction)
                (this->*handler)();
        });
        components_[c].edit->installEventFilter(this);
    }
    connect(ScDt, &QAbstractSlider::valueChanged, this, &TForm2::ScDtChange);
    connect(ComboUnidades, &QComboBox::currentTextChanged, this, &TForm2::ComboUnidadesChange);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm2::BtnIniciaClick);
    for (QObject *watched : std::initializer_list<QObject *>{BtnAlmacenar, BtnRecuperar, QDown, QUp, EditQ,
                                                             GroupELocal})
        watched->installEventFilter(this);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // A quick second press arrives as a double click; it presses all the same.
    const bool pressed = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;

    if (pressed && watched == BtnAlmacenar)
        BtnAlmacenarMouseDown();
    else if (pressed && watched == BtnRecuperar)
        BtnRecuperarMouseDown();
    else if (pressed && watched == QUp)
        QUpMouseDown();
    else if (pressed && watched == QDown)
        QDownMouseDown();
    else if (type == QEvent::MouseButtonRelease && (watched == QUp || watched == QDown))
        QNull();
    else if (type == QEvent::MouseButtonDblClick && watched == GroupELocal)
        GroupELocalDblClick();
    else if (type == QEvent::KeyPress && (watched == EditQ || componentOf(watched) >= 0)) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const bool enter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
        const QString text = keyEvent->text();
        char key = enter ? kEnterKey : (text.isEmpty() ? '\0' : text.at(0).toLatin1());
        if (watched == EditQ)
            EditQKeyPress(key);
        else
            (this->*kKeyHandlers[componentOf(watched)])(key);
        if (enter)
            return true;
    } else if (type == QEvent::FocusOut && componentOf(watched) >= 0) {
        // Another window becoming active, or a context menu of the box
        // itself, is not leaving it: the focus comes back to the same box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            (this->*kExitHandlers[componentOf(watched)])();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::hideEvent(QHideEvent *event)
{
    // A charge button that disappears while held never sees its release;
    // without this the charge would keep changing with nothing to stop it.
    if (Form1)
        QNull();
    QWidget::hideEvent(event);
}
