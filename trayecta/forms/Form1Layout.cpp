// The fixed layout of the window: every control with its name, kind, text,
// font, position and size, given in twips as designed.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include "common/DesignFonts.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"
#include "trayecta/forms/Twips.h"

namespace trayecta {

namespace {

constexpr int kClientWidth = 11730;
constexpr int kClientHeight = 4500;
constexpr int kFrame1Top = 600;
constexpr int kFrame2Top = 1080;
constexpr double kTickFontPoints = 6.75;

enum class Parent { Form, Frame1, Frame2 };

struct Rect {
    int left, top, width, height;
};

QRect pixels(const Rect &r, int originTop = 0)
{
    return {twips(r.left), twips(r.top - originTop), twips(r.width), twips(r.height)};
}

struct LabelLayout {
    const char *name;
    const char *text;
    Rect rect;
    bool autoSize;
    Parent parent;
};

// Labels of the inputs, results and converter, one row a control; the unit and
// axis labels are not translated.
// clang-format off
const LabelLayout kLabels[] = {
    {"Label8", "X", {1800, 0, 105, 195}, true, Parent::Form},
    {"Label9", "Y", {2520, 0, 255, 255}, false, Parent::Form},
    //: heading over the km/h to m/s converter; the trailing space is part of the design
    {"Label28", QT_TRANSLATE_NOOP("trayecta::FORM1", "Convertidor "), {4320, 0, 855, 195}, true, Parent::Form},
    //: label of the start position x0, y0
    {"Label1", QT_TRANSLATE_NOOP("trayecta::FORM1", "Posició inicial:"), {360, 240, 990, 195}, true, Parent::Form},
    {"Label11", "m", {2880, 360, 120, 195}, true, Parent::Form},
    {"Label25", "km/h", {3960, 360, 375, 195}, true, Parent::Form},
    {"Label26", "m/s", {5760, 360, 270, 195}, true, Parent::Form},
    //: label of the start velocity by components
    {"Label10", QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial:"), {360, 720, 1095, 195}, true, Parent::Frame1},
    {"Label15", "m/s", {2895, 825, 270, 195}, true, Parent::Frame1},
    //: label of the start speed (modulus of the velocity); "Vel." abbreviates "Velocitat"; keep it short
    {"Label2", QT_TRANSLATE_NOOP("trayecta::FORM1", "Vel. inicial(mòdul)"), {3480, 720, 1215, 195}, true, Parent::Frame1},
    {"Label16", "m/s", {5790, 825, 270, 195}, true, Parent::Frame1},
    //: label of the launch angle with the horizontal ("horizontal" is spelt so in the original)
    {"Label7", QT_TRANSLATE_NOOP("trayecta::FORM1", "Angle amb l'horizontal:"), {360, 1200, 1575, 195}, true, Parent::Frame2},
    {"Label17", "º", {2760, 1200, 60, 195}, true, Parent::Frame2},
    //: label of the field for the sine of the launch angle
    {"Label24", QT_TRANSLATE_NOOP("trayecta::FORM1", "Sinus:"), {3600, 1200, 435, 195}, true, Parent::Frame2},
    //: label of the field for the cosine of the launch angle
    {"Label32", QT_TRANSLATE_NOOP("trayecta::FORM1", "Cosinus:"), {4680, 1200, 600, 195}, true, Parent::Frame2},
    //: the acceleration label (Spanish in the Catalan original)
    {"Label3", QT_TRANSLATE_NOOP("trayecta::FORM1", "Aceleración:"), {360, 1680, 885, 195}, true, Parent::Form},
    {"Label14", "m/s²", {2880, 1800, 315, 195}, true, Parent::Form},
    //: label of the equation of motion r(t)
    {"Label4", QT_TRANSLATE_NOOP("trayecta::FORM1", "Posició final:"), {120, 2160, 885, 195}, true, Parent::Form},
    {"Label33", "m", {5520, 2280, 120, 195}, true, Parent::Form},
    //: label of the equation of velocity v(t)
    {"Label5", QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat final:"), {120, 2520, 990, 195}, true, Parent::Form},
    {"Label34", "m/s", {5520, 2640, 270, 195}, true, Parent::Form},
    //: label of the flight time, in s and in min
    {"Label6", QT_TRANSLATE_NOOP("trayecta::FORM1", "Temps de vol:"), {4080, 2880, 1005, 195}, true, Parent::Form},
    //: label of the horizontal range
    {"LBLabast", QT_TRANSLATE_NOOP("trayecta::FORM1", "Abast:"), {120, 3000, 450, 195}, true, Parent::Form},
    {"Label21", "m", {3720, 3120, 120, 195}, true, Parent::Form},
    {"Label20", "s", {5640, 3240, 75, 195}, true, Parent::Form},
    //: label of the maximum height
    {"LBLaltura", QT_TRANSLATE_NOOP("trayecta::FORM1", "Altura màxima:"), {120, 3480, 1020, 195}, true, Parent::Form},
    {"Label22", "m", {3720, 3480, 120, 195}, true, Parent::Form},
    {"Label35", "min", {5640, 3600, 240, 195}, true, Parent::Form},
    {"Label29", "X", {1440, 3720, 105, 195}, true, Parent::Form},
    //: label of the impact velocity; wraps over two lines in a 73 px wide box
    {"Label12", QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat a l'impacte:"), {120, 3840, 1095, 375}, false, Parent::Form},
    {"Label18", "m/s", {3720, 3840, 270, 195}, true, Parent::Form},
    //: label of the impact speed (modulus of the impact velocity)
    {"Label13", QT_TRANSLATE_NOOP("trayecta::FORM1", "En mòdul:"), {4080, 3840, 705, 195}, true, Parent::Form},
    {"Label30", "Y", {1440, 4080, 255, 255}, false, Parent::Form},
    {"Label31", "m/s", {3720, 4200, 270, 195}, true, Parent::Form},
    {"Label19", "m/s", {5640, 4200, 270, 195}, true, Parent::Form},
    {"Label23", "m", {6840, 120, 120, 195}, true, Parent::Form},
    {"Label27", "s", {11640, 3480, 75, 195}, true, Parent::Form},
};
// clang-format on

struct FieldLayout {
    QLineEdit *FORM1::*member;
    const char *name;
    const char *text;
    Rect rect;
    Parent parent;
    bool readOnly;
    bool enabled;
};

const FieldLayout kFields[] = {
    {&FORM1::txtrx0, "txtrx0", "0", {1560, 240, 615, 285}, Parent::Form, false, true},
    {&FORM1::txtry0, "txtry0", "15", {2280, 240, 615, 285}, Parent::Form, false, true},
    {&FORM1::txtkmh, "txtkmh", "", {3240, 240, 735, 285}, Parent::Form, false, true},
    {&FORM1::txtms, "txtms", "", {5040, 240, 735, 285}, Parent::Form, true, true},
    {&FORM1::txtv0x, "txtv0x", "", {1560, 720, 615, 285}, Parent::Frame1, false, false},
    {&FORM1::txtv0y, "txtv0y", "", {2280, 720, 615, 285}, Parent::Frame1, false, false},
    {&FORM1::txtvinicial, "txtvinicial", "30", {5040, 720, 735, 285}, Parent::Frame1, false, true},
    {&FORM1::txtangulo, "txtangulo", "60", {2280, 1200, 495, 285}, Parent::Frame2, false, true},
    {&FORM1::txtsin, "txtsin", "", {4080, 1200, 495, 285}, Parent::Frame2, false, false},
    {&FORM1::txtcos, "txtcos", "", {5280, 1200, 495, 285}, Parent::Frame2, false, false},
    {&FORM1::txtrfinal, "txtrfinal", "", {1320, 2160, 4215, 285}, Parent::Form, false, true},
    {&FORM1::txtvfinal, "txtvfinal", "", {1320, 2520, 4215, 285}, Parent::Form, false, true},
    {&FORM1::txtalcance, "txtalcance", "", {1320, 3000, 2415, 285}, Parent::Form, true, true},
    {&FORM1::txtvuelo, "txtvuelo", "", {4080, 3120, 1575, 285}, Parent::Form, true, true},
    {&FORM1::txtaltura, "txtaltura", "", {1320, 3360, 2415, 285}, Parent::Form, true, true},
    {&FORM1::txtmin, "txtmin", "", {4080, 3480, 1575, 285}, Parent::Form, false, true},
    {&FORM1::txtvimpactox, "txtvimpactox", "", {1680, 3720, 2055, 285}, Parent::Form, true, true},
    {&FORM1::txtvimpactoy, "txtvimpactoy", "", {1680, 4080, 2055, 285}, Parent::Form, true, true},
    {&FORM1::txtmodulo, "txtmodulo", "", {4080, 4080, 1575, 285}, Parent::Form, true, true},
};

struct OptionLayout {
    QRadioButton *FORM1::*member;
    const char *name;
    Rect rect;
    Parent parent;
    bool checked;
};

const OptionLayout kOptions[] = {
    {&FORM1::opt1, "opt1", {120, 720, 245, 300}, Parent::Frame1, false},
    {&FORM1::opt2, "opt2", {3240, 735, 245, 240}, Parent::Frame1, true},
    {&FORM1::opta, "opta", {120, 1200, 245, 300}, Parent::Frame2, true},
    {&FORM1::optb, "optb", {3240, 1200, 255, 255}, Parent::Frame2, false},
};

struct ButtonLayout {
    QPushButton *FORM1::*member;
    const char *name;
    const char *text;
    Rect rect;
};

const ButtonLayout kButtons[] = {
    {&FORM1::cmdigual, "cmdigual", "&=", {4440, 240, 495, 255}},
    //: button caption (verb); & marks the shortcut; the button is 81 px wide
    {&FORM1::cmdcalcular, "cmdcalcular", QT_TRANSLATE_NOOP("trayecta::FORM1", "&Calcular"), {3240, 1680, 1215, 255}},
    //: button caption (verb): clears the graph; & marks the shortcut; the button is 49 px wide
    {&FORM1::cmdborrar, "cmdborrar", QT_TRANSLATE_NOOP("trayecta::FORM1", "Es&borrar"), {6000, 3840, 735, 255}},
};

// Tick labels of the time axis, left to right.
constexpr int kTimeTickLefts[13] = {7080, 7560, 7800, 8280, 8520, 9000, 9240, 9720, 9960, 10440, 10680, 11160, 11400};

// An option button that stays a tab stop while it is not selected. Qt keeps
// only the selected member of an exclusive group in the tab order: whenever a
// member takes the focus, the other members lose their tab focus. The window
// tabs through every option button, so they get it back.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QRadioButton::focusInEvent(event);
        for (QRadioButton *member : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
            member->setFocusPolicy(Qt::FocusPolicy(member->focusPolicy() | Qt::TabFocus));
        }
    }
};

QFont dialogFont() { return orvalis::designFont(orvalis::DesignFace::MsSansSerif, 8); }

QFont tickFont() { return orvalis::designFont(orvalis::DesignFace::Arial, kTickFontPoints); }

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::white);
        QPainter painter(&pixmap);
        painter.setPen(QPen(Qt::darkBlue, 1));
        painter.drawLine(1, size - 2, size - 2, size - 2);
        painter.drawLine(1, 1, 1, size - 2);
        QPainterPath path(QPointF(2, size - 3));
        path.quadTo(QPointF(size / 2.0, -size * 0.6), QPointF(size - 3, size - 3));
        painter.setPen(QPen(Qt::red, size / 16));
        painter.drawPath(path);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

void FORM1::buildLayout()
{
    setObjectName(QStringLiteral("FORM1"));
    setFont(dialogFont());
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    setWindowIcon(programIcon());

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(pixels({0, kFrame1Top, 6135, 450}));
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(pixels({0, kFrame2Top, 6135, 450}));

    // Members of a group box are placed in window coordinates, shifted to the box.
    auto place = [this](QWidget *widget, const Rect &rect, Parent parent) {
        switch (parent) {
        case Parent::Form:
            widget->setParent(this);
            widget->setGeometry(pixels(rect));
            break;
        case Parent::Frame1:
            widget->setParent(Frame1);
            widget->setGeometry(pixels(rect, kFrame1Top));
            break;
        case Parent::Frame2:
            widget->setParent(Frame2);
            widget->setGeometry(pixels(rect, kFrame2Top));
            break;
        }
    };
    auto makeLabel = [&](const char *name, const QString &text, const Rect &rect, bool autoSize, Parent parent) {
        auto *label = new QLabel(text);
        label->setObjectName(QString::fromUtf8(name));
        place(label, rect, parent);
        if (autoSize) {
            label->adjustSize();
        } else {
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
        return label;
    };

    for (const LabelLayout &entry : kLabels) {
        makeLabel(entry.name, QCoreApplication::translate("trayecta::FORM1", entry.text), entry.rect, entry.autoSize,
                  entry.parent);
    }
    for (const FieldLayout &entry : kFields) {
        auto *field = new QLineEdit(QString::fromUtf8(entry.text));
        field->setObjectName(QString::fromUtf8(entry.name));
        field->setTextMargins(0, 0, 0, 0);
        place(field, entry.rect, entry.parent);
        field->setReadOnly(entry.readOnly);
        field->setEnabled(entry.enabled);
        this->*entry.member = field;
    }
    const char *accelerationTexts[2] = {"0", "-9,8"};
    for (int i = 0; i < 2; ++i) {
        auto *field = new QLineEdit(QString::fromUtf8(accelerationTexts[i]));
        field->setObjectName(QStringLiteral("txtaccelinicial_%1").arg(i));
        field->setTextMargins(0, 0, 0, 0);
        place(field, {1560 + 720 * i, 1680, 615, 285}, Parent::Form);
        txtaccelinicial[static_cast<std::size_t>(i)] = field;
    }
    for (const OptionLayout &entry : kOptions) {
        auto *option = new OptionButton;
        option->setObjectName(QString::fromUtf8(entry.name));
        place(option, entry.rect, entry.parent);
        option->setChecked(entry.checked);
        this->*entry.member = option;
    }
    for (const ButtonLayout &entry : kButtons) {
        auto *button = new QPushButton(QCoreApplication::translate("trayecta::FORM1", entry.text), this);
        button->setObjectName(QString::fromUtf8(entry.name));
        button->setGeometry(pixels(entry.rect));
        this->*entry.member = button;
    }
    //: check box: calculate without drawing the graph; the box is 113 px wide
    Check1 = new QCheckBox(tr("No realitzar gràfica"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(pixels({4560, 1680, 1695, 255}));

    lines_.push_back({0, twips(2040), twips(5760), twips(2040)}); // Line1
    lines_.push_back({0, twips(2880), twips(5760), twips(2880)}); // Line3

    // The graph with its fixed ticks.
    Dibu = new GraphArea(this);
    Dibu->setObjectName(QStringLiteral("Dibu"));
    Dibu->setGeometry(pixels({6960, 360, 4695, 3375}));

    lblmouse = makeLabel("lblmouse", QStringLiteral("x, y"), {6840, 4200, 4680, 255}, false, Parent::Form);
    lblmouse->setWordWrap(false);

    //: the heading over the graph: projectile motion
    QLabel *credit = makeLabel("Label36", tr("Tir parabòlic"), {7695, 30, 2865, 300}, true, Parent::Form);
    QFont creditFont = orvalis::designFont(orvalis::DesignFace::MsSansSerif, 12);
    creditFont.setUnderline(true);
    credit->setFont(creditFont);
    QPalette creditPalette = credit->palette();
    creditPalette.setColor(QPalette::WindowText, Qt::blue);
    credit->setPalette(creditPalette);
    credit->adjustSize();

    auto makeTickLabel = [&](const QString &name, const QString &text, const Rect &rect) {
        QLabel *label = makeLabel("", text, rect, false, Parent::Form);
        label->setObjectName(name);
        label->setWordWrap(false);
        label->setFont(tickFont());
        label->setGeometry(pixels(rect));
        if (!text.isEmpty()) {
            label->adjustSize();
        }
        return label;
    };
    lblescalay = makeTickLabel(QStringLiteral("lblescalay"), QStringLiteral("0"), {6720, 3600, 75, 180});
    lblescalax = makeTickLabel(QStringLiteral("lblescalax_13"), QStringLiteral("0"), {6975, 3840, 75, 180});
    for (int i = 0; i < 14; ++i) {
        const Rect rect = i < 13 ? Rect{6165, 3285 - 240 * i, 45, 180} : Rect{6150, 195, 45, 180};
        lblx[static_cast<std::size_t>(i)] = makeTickLabel(QStringLiteral("lblx_%1").arg(i), QString(), rect);
    }
    for (int j = 0; j < 13; ++j) {
        const Rect rect{kTimeTickLefts[j], j % 2 == 0 ? 3960 : 3840, 45, 180};
        blbt[static_cast<std::size_t>(j)] = makeTickLabel(QStringLiteral("blbt_%1").arg(j), QString(), rect);
    }

    firstGraphTick_ = lines_.size();
    const int heightTicks[15] = {375, 600, 840, 1080, 1320, 1560, 1800, 2040, 2280, 2520, 2760, 3000, 3240, 3480, 3720};
    for (int y : heightTicks) {
        lines_.push_back({twips(6840), twips(y), twips(6960), twips(y)});
    }
    for (int k = 0; k < 14; ++k) {
        const int x = twips(6960 + 360 * k);
        lines_.push_back({x, twips(3720), x, twips(k % 2 == 0 ? 3840 : 3960)});
    }
}

void FORM1::setTabOrder()
{
    // clang-format off
    const std::vector<QWidget *> order = {
        txtrx0,       txtry0,       txtv0x,     txtv0y,     txtvinicial, txtangulo, txtsin,    txtcos,
        txtaccelinicial[0], txtaccelinicial[1], cmdcalcular,
        txtrfinal,    txtvfinal,    txtalcance, txtaltura,  txtvimpactox, txtvimpactoy, txtvuelo, txtmodulo,
        cmdborrar,    txtkmh,       txtms,      cmdigual,   Dibu,        opt2,      opt1,      opta,
        optb,         txtmin,       Check1,
    };
    // clang-format on
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace trayecta
