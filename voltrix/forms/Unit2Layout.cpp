// The control panel's controls, their places and fonts, the charge buttons'
// glyphs, and the wiring of every control to its handler.
#include "voltrix/forms/ScreenPixmap.h"
#include "voltrix/forms/Unit2.h"

#include <QComboBox>
#include <QCoreApplication>
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
#include <algorithm>

#include "common/DesignFonts.h"
#include "voltrix/core/SliderRules.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/WindowFrame.h"

namespace voltrix {

namespace {

constexpr int kLeft = 0, kTop = 393;
// Panel1 fills the client area of the 317 x 207 window.
constexpr QSize kClient = clientSizeOf(317, 207);
constexpr int kClientWidth = kClient.width(), kClientHeight = kClient.height();
constexpr int kFontPixels = 11;
constexpr int kEditXFontPixels = 8;
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

QLineEdit *makeEdit(QWidget *parent, int left, int top, int width = kEditWidth)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(left, top, width, kEditHeight);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QScrollBar *makeSlider(QWidget *parent, int left, int top, int width, int height, int minimum, int maximum)
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

QPushButton *makeFlatButton(QWidget *parent, const QString &caption, int left, int top, int width, int height)
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
    QPixmap picture = screenPixmap(QSize(kGlyphSide, kGlyphSide));
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
    glyph.addPixmap(arrowPicture(pointsRight, QColor(0xC0, 0xC0, 0xC0), QColor(0x80, 0x80, 0x80)), QIcon::Disabled);
    return glyph;
}

} // namespace

// One row per slider and edit-box pair, in the order they are built: the
// label's and the box's places inside their group, the slider's rectangle
// and range, and the pair's handlers.
const std::array<TForm2::Row, TForm2::ComponentCount> &TForm2::rows()
{
    using S = SimState;
    using F = TForm2;
    using E = Experiment;
    constexpr int w = kSliderWidth, h = kSliderHeight;
    // A position is set without the force law; the others run it.
    constexpr E::Changes position = E::Position, velocity = E::Velocity | E::Force;
    constexpr E::Changes electric = E::Electric | E::Force, magnetic = E::Magnetic | E::Force;
    const auto whole = &wholePartPosition;
    const auto tenths = &tenthsPosition;
    // clang-format off
    static const std::array<Row, ComponentCount> table{{
        {Family::Position, {&S::x, &S::x0, position}, &S::x0, whole, &F::LabelX, &F::EditX, &F::ScX, "X", {4, 36},
         {16, 32}, {56, 36, w, h}, false, 0, 1000, &F::ScXScroll, &F::EditXKeyPress, &F::EditXExit},
        {Family::Position, {&S::y, &S::y0, position}, &S::y0, whole, &F::LabelY, &F::EditY, &F::ScY, "Y", {4, 51},
         {16, 48}, {56, 53, w, h}, false, 0, 1000, &F::ScYScroll, &F::EditYKeyPress, &F::EditYExit},
        {Family::Position, {&S::z, &S::z0, position}, &S::z0, whole, &F::LabelZ, &F::EditZ, &F::ScZ, "Z", {4, 68},
         {16, 64}, {56, 70, w, h}, false, 0, 1000, &F::ScZScroll, &F::EditZKeyPress, &F::EditZExit},
        {Family::Electric, {&S::Ex, nullptr, electric}, &S::Ex, whole, &F::LabelEx, &F::EditEx, &F::ScEx, "Ex",
         {8, 16}, {28, 12}, {68, 20, w, h}, false, -1000, 1000, &F::ScExScroll, &F::EditExKeyPress, &F::EditExExit},
        {Family::Electric, {&S::Ey, nullptr, electric}, &S::Ey, whole, &F::LabelEy, &F::EditEy, &F::ScEy, "Ey",
         {8, 31}, {28, 28}, {68, 36, w, h}, false, -1000, 1000, &F::ScEyScroll, &F::EditEyKeyPress, &F::EditEyExit},
        {Family::Electric, {&S::Ez, nullptr, electric}, &S::Ez, whole, &F::LabelEz, &F::EditEz, &F::ScEz, "Ez",
         {8, 48}, {28, 44}, {68, 52, w, h}, false, -1000, 1000, &F::ScEzScroll, &F::EditEzKeyPress, &F::EditEzExit},
        {Family::Velocity, {&S::vx, &S::vx0, velocity}, &S::vx, whole, &F::LabelVx, &F::EditVx, &F::ScVx, "Vx",
         {4, 16}, {20, 12}, {61, 124, w, h}, true, -1000, 1000, &F::ScVxScroll, &F::EditVxKeyPress, &F::EditVxExit},
        {Family::Velocity, {&S::vy, &S::vy0, velocity}, &S::vy, whole, &F::LabelVy, &F::EditVy, &F::ScVy, "Vy",
         {4, 32}, {20, 28}, {61, 141, w, h}, true, -1000, 1000, &F::ScVyScroll, &F::EditVyKeyPress, &F::EditVyExit},
        {Family::Velocity, {&S::vz, &S::vz0, velocity}, &S::vz, whole, &F::LabelVz, &F::EditVz, &F::ScVz, "Vz",
         {4, 48}, {20, 44}, {61, 158, w, h}, true, -1000, 1000, &F::ScVzScroll, &F::EditVzKeyPress, &F::EditVzExit},
        // The magnetic sliders are shown by tenths: the design's steps of 0.1 T.
        {Family::Magnetic, {&S::Bx, nullptr, magnetic}, &S::Bx, tenths, &F::LabelBx, &F::EditBx, &F::ScBx, "Bx",
         {8, 16}, {28, 12}, {220, 124, w, h}, true, -100, 100, &F::ScBxScroll, &F::EditBxKeyPress, &F::EditBxExit},
        {Family::Magnetic, {&S::By, nullptr, magnetic}, &S::By, tenths, &F::LabelBy, &F::EditBy, &F::ScBy, "By",
         {8, 32}, {28, 28}, {220, 141, w, h}, true, -100, 100, &F::ScByScroll, &F::EditByKeyPress, &F::EditByExit},
        {Family::Magnetic, {&S::Bz, nullptr, magnetic}, &S::Bz, tenths, &F::LabelBz, &F::EditBz, &F::ScBz, "Bz",
         {8, 48}, {28, 44}, {220, 158, w, h}, true, -100, 100, &F::ScBzScroll, &F::EditBzKeyPress, &F::EditBzExit},
    }};
    // clang-format on
    return table;
}

void TForm2::buildWindow()
{
    // The design's blanks before the title stay out of the translation.
    //: the control panel's window title
    setWindowTitle(QString(22, QLatin1Char(' ')) + tr("Panel de Control"));
    move(kLeft, kTop);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(0, 0, kClientWidth, kClientHeight);

    buildTopRow();
    buildChargeGroup();
    buildPositionPanel();
    buildComponentGroups();

    //: group title: where the electric field acts; the group is 153 px wide
    GroupELocal = new QGroupBox(tr("Región Campo Eléctrico"), Panel1);
    GroupELocal->setGeometry(154, 108, 153, 67);
    setCaptionFont(GroupELocal, kNavy);
    GroupELocal->hide();

    nameControls();

    // The sliders that lie over the velocity and magnetic groups belong to
    // Panel1 and must stay above the groups.
    for (const Row &row : rows())
        if (row.sliderOnPanel)
            (this->*row.slider)->raise();
}

void TForm2::nameControls()
{
    // A box and a slider beside a caption such as "X" or "Bx": a screen reader
    // is told which quantity they hold and in which unit.
    struct Spoken {
        Family family;
        const char *quantity, *unit;
    };
    static constexpr Spoken kFamilies[] = {
        //: for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
        {Family::Position, QT_TRANSLATE_NOOP("voltrix::TForm2", "Posición"),
         //: for a screen reader: the unit of a position box
         QT_TRANSLATE_NOOP("voltrix::TForm2", "en la unidad de longitud elegida")},
        //: for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
        {Family::Velocity, QT_TRANSLATE_NOOP("voltrix::TForm2", "Velocidad"),
         //: for a screen reader: the unit of a velocity box
         QT_TRANSLATE_NOOP("voltrix::TForm2", "en la unidad de longitud elegida por segundo")},
        //: for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
        {Family::Electric, QT_TRANSLATE_NOOP("voltrix::TForm2", "Campo eléctrico"),
         //: for a screen reader: the unit of an electric field box
         QT_TRANSLATE_NOOP("voltrix::TForm2", "en voltios por metro")},
        //: for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
        {Family::Magnetic, QT_TRANSLATE_NOOP("voltrix::TForm2", "Campo magnético"),
         //: for a screen reader: the unit of a magnetic field box
         QT_TRANSLATE_NOOP("voltrix::TForm2", "en teslas")},
    };
    for (const Row &row : rows()) {
        const Spoken &family = *std::find_if(std::begin(kFamilies), std::end(kFamilies),
                                             [&row](const Spoken &f) { return f.family == row.family; });
        //: for a screen reader: a box's name; %1 is the quantity (Posición, Velocidad…), %2 the component's caption
        //: beside the box (X, Vy, Bz…)
        const QString name = tr("%1 %2").arg(QCoreApplication::translate("voltrix::TForm2", family.quantity),
                                             QString::fromUtf8(row.caption));
        (this->*row.edit)->setAccessibleName(name);
        (this->*row.edit)->setAccessibleDescription(QCoreApplication::translate("voltrix::TForm2", family.unit));
        //: for a screen reader: a slider's name; %1 is the name of its box ("Posición X")
        (this->*row.slider)->setAccessibleName(tr("%1, deslizador").arg(name));
    }
    const std::pair<QWidget *, const char *> spoken[] = {
        //: for a screen reader: the time step's slider
        {ScDt, QT_TRANSLATE_NOOP("voltrix::TForm2", "Incremento de tiempo, deslizador")},
        //: for a screen reader: the charge box, the quantity and its unit
        {EditQ, QT_TRANSLATE_NOOP("voltrix::TForm2", "Carga, culombios")},
        {QDown, QT_TRANSLATE_NOOP("voltrix::TForm2", "Disminuir la carga")},
        {QUp, QT_TRANSLATE_NOOP("voltrix::TForm2", "Aumentar la carga")},
        {ComboUnidades, QT_TRANSLATE_NOOP("voltrix::TForm2", "Unidad de longitud")},
    };
    for (const auto &[control, name] : spoken)
        control->setAccessibleName(QCoreApplication::translate("voltrix::TForm2", name));
    ComboUnidades->lineEdit()->setAccessibleName(ComboUnidades->accessibleName());
}

void TForm2::buildTopRow()
{
    //: button caption: store the present values (verb); the button is 70 px wide
    BtnAlmacenar = makeFlatButton(Panel1, tr("Almacenar"), 4, 1, 70, 17);
    BtnAlmacenar->setToolTip(tr("Almacena Valores Actuales"));
    setCaptionFont(BtnAlmacenar, kRed);
    //: button caption: recall the stored values (verb); the button is 70 px wide
    BtnRecuperar = makeFlatButton(Panel1, tr("Recuperar"), 76, 1, 70, 17);
    BtnRecuperar->setToolTip(tr("Recupera Valores Almacenados"));
    setCaptionFont(BtnRecuperar, kRed);
    //: button caption: put back the starting situation (verb); the button is 70 px wide
    SpeedButton1 = makeFlatButton(Panel1, tr("Inicia"), 148, 1, 70, 17);
    setCaptionFont(SpeedButton1, kNavy);

    //: label over the time step's slider; abbreviation of "Incremento de Tiempo"; the label is 70 px wide
    Label1 = new QLabel(tr("Increm.Tiempo"), Panel1);
    Label1->setGeometry(148, 18, 70, 13);
    ScDt = makeSlider(Panel1, 148, 32, 70, 5, 1, 100);
}

void TForm2::buildChargeGroup()
{
    //: group title: the charge and its unit (coulomb); the group is 85 px wide
    GroupBoxQ = new QGroupBox(tr("Carga C"), Panel1);
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

    //: label of the position panel, left of the length unit's box (about 55 px)
    LabelPosicion = makeLabel(PanelPosicion, tr("Posición"), 20, 12);
    ComboUnidades = new QComboBox(PanelPosicion);
    ComboUnidades->setEditable(true);
    ComboUnidades->setInsertPolicy(QComboBox::NoInsert);
    ComboUnidades->addItems({QStringLiteral("m"), QStringLiteral("cm")});
    ComboUnidades->setCurrentIndex(0);
    ComboUnidades->setGeometry(76, 8, 45, 21);
}

void TForm2::buildComponentGroups()
{
    // The position rows go into the panel above; each other family has a
    // group of its own, built just before its rows.
    const struct {
        Family family;
        QGroupBox *TForm2::*group;
        const char *caption;
        QRect geometry;
    } groups[] = {
        //: group title: the electric field and its unit; the group is 153 px wide
        {Family::Electric,
         &TForm2::GroupElect,
         QT_TRANSLATE_NOOP("voltrix::TForm2", "Campo Eléctrico V/m"),
         {152, 40, 153, 67}},
        //: group title: the velocity and its unit; the group is 141 px wide
        {Family::Velocity,
         &TForm2::GroupBoxVel,
         QT_TRANSLATE_NOOP("voltrix::TForm2", "Velocidad m/s"),
         {4, 108, 141, 67}},
        //: group title: the magnetic field (in teslas); the group is 153 px wide
        {Family::Magnetic,
         &TForm2::GroupMagnet,
         QT_TRANSLATE_NOOP("voltrix::TForm2", "Campo Magnético"),
         {154, 108, 153, 67}},
    };
    const auto buildFamily = [this](Family family, QWidget *container) {
        for (const Row &row : rows())
            if (row.family == family)
                this->*row.label =
                    makeLabel(container, QString::fromUtf8(row.caption), row.labelAt.x(), row.labelAt.y());
        for (const Row &row : rows())
            if (row.family == family)
                this->*row.edit = makeEdit(container, row.editAt.x(), row.editAt.y());
        for (const Row &row : rows())
            if (row.family == family) {
                const QRect &r = row.sliderRect;
                this->*row.slider = makeSlider(row.sliderOnPanel ? Panel1 : container, r.x(), r.y(), r.width(),
                                               r.height(), row.minimum, row.maximum);
            }
    };

    buildFamily(Family::Position, PanelPosicion);
    setCaptionFont(EditX, kNavy, kEditXFontPixels);
    for (const auto &g : groups) {
        QGroupBox *group = new QGroupBox(QCoreApplication::translate("voltrix::TForm2", g.caption), Panel1);
        group->setGeometry(g.geometry);
        setCaptionFont(group, kNavy);
        this->*g.group = group;
        buildFamily(g.family, group);
    }
}

void TForm2::connectHandlers()
{
    for (const Row &row : rows()) {
        // Only the user's own actions run a slider handler: arrow and page
        // clicks, dragging, wheel and keys all arrive as slider actions,
        // while setValue() from code arrives as none.
        const auto handler = row.scroll;
        connect(this->*row.slider, &QAbstractSlider::actionTriggered, this, [this, handler](int action) {
            if (action != QAbstractSlider::SliderNoAction)
                (this->*handler)();
        });
        (this->*row.edit)->installEventFilter(this);
    }
    connect(ScDt, &QAbstractSlider::valueChanged, this, &TForm2::ScDtChange);
    connect(ComboUnidades, &QComboBox::currentTextChanged, this, &TForm2::ComboUnidadesChange);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm2::BtnIniciaClick);
    for (QObject *watched :
         std::initializer_list<QObject *>{BtnAlmacenar, BtnRecuperar, QDown, QUp, EditQ, GroupELocal})
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
        const bool enter = isEnter(*keyEvent);
        char key = typedCharacter(*keyEvent);
        if (watched == EditQ)
            EditQKeyPress(key);
        else
            (this->*rows()[static_cast<std::size_t>(componentOf(watched))].keyPress)(key);
        if (enter)
            return true;
    } else if (type == QEvent::FocusOut && componentOf(watched) >= 0) {
        // Another window becoming active, or a context menu of the box
        // itself, is not leaving it: the focus comes back to the same box.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            (this->*rows()[static_cast<std::size_t>(componentOf(watched))].exit)();
    }
    return QWidget::eventFilter(watched, event);
}

void TForm2::hideEvent(QHideEvent *event)
{
    // A charge button that disappears while held never sees its release;
    // without this the charge would keep changing with nothing to stop it.
    QNull();
    QWidget::hideEvent(event);
}

} // namespace voltrix
