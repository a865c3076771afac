#include "voltrix/forms/UnitMagnitudes.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "common/DesignFonts.h"
#include "voltrix/forms/BoxText.h"

namespace voltrix {

TFormMagnitudes *FormMagnitudes = nullptr;

namespace {

// Right of the help window (whose frame ends at x = 605), level with its
// top, so that on a 1024 × 768 screen it covers no other window.
constexpr int kLeft = 610, kTop = 4;
constexpr int kFontPixels = 11;
constexpr int kBoxWidth = 96;

enum class Group { Particle, Magnetic, Drift };

// One row per quantity: its group, its caption with the unit, and its box,
// in the core's order.
struct Row {
    Group group;
    const char *caption;
    QLineEdit *TFormMagnitudes::*box;
};
using F = TFormMagnitudes;
constexpr Row kRows[kMagnitudeBoxes] = {
    //: a quantity's caption: its name, its symbol or formula and its unit in brackets
    {Group::Particle, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Rapidez |v| (m/s)"), &F::EditRapidez},
    {Group::Particle, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Energía cinética ½·m·v² (J)"), &F::EditEnergia},
    {Group::Particle, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Fuerza |F| (N)"), &F::EditFuerza},
    {Group::Particle, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Aceleración |a| (m/s²)"), &F::EditAceleracion},
    {Group::Magnetic, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Frecuencia angular ω = |q|·|B|/m (rad/s)"),
     &F::EditFrecuencia},
    {Group::Magnetic, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Periodo 2π/ω (s)"), &F::EditPeriodo},
    {Group::Magnetic, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Radio m·v⊥/(|q|·|B|) (m)"), &F::EditRadio},
    //: the pitch of the helix
    {Group::Magnetic, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Paso de la hélice |v∥|·2π/ω (m)"), &F::EditPaso},
    //: a component of the drift velocity of the orbit's centre
    {Group::Drift, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Deriva vx (m/s)"), &F::EditDerivaX},
    {Group::Drift, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Deriva vy (m/s)"), &F::EditDerivaY},
    {Group::Drift, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Deriva vz (m/s)"), &F::EditDerivaZ},
    //: the speed of the drift of the orbit's centre
    {Group::Drift, QT_TRANSLATE_NOOP("voltrix::TFormMagnitudes", "Deriva |v| (m/s)"), &F::EditDeriva},
};

QGroupBox *makeGroup(QWidget *parent, const QString &caption)
{
    auto *group = new QGroupBox(caption, parent);
    QFont font = group->font();
    font.setBold(true);
    group->setFont(font);
    QPalette palette = group->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80)); // navy, as the other panels
    group->setPalette(palette);
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    return group;
}

} // namespace

TFormMagnitudes::TFormMagnitudes(Experiment &experiment, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
{
    buildWindow();
    connect(&experiment_, &Experiment::changed, this, &TFormMagnitudes::showMagnitudesSoon);
}

void TFormMagnitudes::buildWindow()
{
    //: window title: the physical quantities (noun, plural)
    setWindowTitle(tr("Magnitudes"));
    move(kLeft, kTop);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    //: group title: the quantities of the particle (noun)
    GroupParticula = makeGroup(this, tr("Partícula"));
    //: group title: the circular motion (turning) the magnetic field causes
    GroupCampoMagnetico = makeGroup(this, tr("Giro en el campo magnético"));
    //: group title: the drift of the orbit's centre, with its formula
    GroupDeriva = makeGroup(this, tr("Deriva E×B/|B|² (E perpendicular a B)"));
    const auto groupOf = [this](Group g) {
        switch (g) {
        case Group::Particle: return GroupParticula;
        case Group::Magnetic: return GroupCampoMagnetico;
        case Group::Drift: break;
        }
        return GroupDeriva;
    };

    for (const Row &row : kRows) {
        QGroupBox *group = groupOf(row.group);
        auto *grid = static_cast<QGridLayout *>(group->layout());
        const int line = grid->count() / 2; // a label and a box a row
        auto *label = new QLabel(QCoreApplication::translate("voltrix::TFormMagnitudes", row.caption), group);
        QFont plain = label->font();
        plain.setBold(false);
        label->setFont(plain);
        auto *edit = new QLineEdit(group);
        edit->setReadOnly(true); // still selectable and copyable
        // Focus only by a click: no box shows a focus frame when the window opens.
        edit->setFocusPolicy(Qt::ClickFocus);
        edit->setFixedWidth(kBoxWidth);
        edit->setFont(plain);
        edit->setText(QString::fromUtf8(kNotApplicable));
        label->setBuddy(edit);
        grid->addWidget(label, line, 0);
        grid->addWidget(edit, line, 1);
        this->*row.box = edit;
    }

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);
    for (QGroupBox *group : {GroupParticula, GroupCampoMagnetico, GroupDeriva})
        column->addWidget(group);
    setFixedSize(sizeHint());
}

QLineEdit *TFormMagnitudes::box(MagnitudeBox which) const { return this->*kRows[static_cast<int>(which)].box; }

void TFormMagnitudes::showMagnitudes()
{
    pending_ = false;
    if (!isVisible())
        return;
    const auto texts = magnitudeTexts(magnitudesOf(experiment_.state()));
    for (int i = 0; i < kMagnitudeBoxes; ++i)
        showText(this->*kRows[i].box, texts[static_cast<std::size_t>(i)]);
}

std::vector<orvalis::HandoutRow> TFormMagnitudes::printedRows() const
{
    // The state's numbers now, shown or not: the boxes wait while hidden.
    const auto texts = magnitudeTexts(magnitudesOf(experiment_.state()));
    std::vector<orvalis::HandoutRow> rows;
    for (int i = 0; i < kMagnitudeBoxes; ++i)
        rows.push_back({QCoreApplication::translate("voltrix::TFormMagnitudes", kRows[i].caption),
                        {{{}, QString::fromStdString(texts[static_cast<std::size_t>(i)]), {}}}});
    return rows;
}

void TFormMagnitudes::showMagnitudesSoon()
{
    // Many asks in one handler (a step, a slider) fill the boxes once.
    if (pending_ || !isVisible())
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &TFormMagnitudes::showMagnitudes, Qt::QueuedConnection);
}

void TFormMagnitudes::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showMagnitudes();
}

} // namespace voltrix
