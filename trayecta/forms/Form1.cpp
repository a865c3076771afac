#include "trayecta/forms/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "common/Version.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/TrajectoryPlan.h"
#include "trayecta/forms/CurveFollower.h"
#include "trayecta/forms/GraphArea.h"
#include "trayecta/forms/GraphAreaPicture.h"

namespace trayecta {

namespace {

constexpr quint16 kBackspace = 8;
constexpr quint16 kEnter = 13;
constexpr quint16 kEscape = 27;
constexpr quint16 kLastAcceptedControl = 12;

std::string text(const QLineEdit *field) { return field->text().toStdString(); }

void showText(QLineEdit *field, const std::optional<std::string> &value)
{
    if (value) {
        field->setText(QString::fromStdString(*value));
    }
}

// The character code a key press types, as a 16-bit code; none for keys that
// type nothing (arrows, Delete, Tab), which the fields handle as usual.
std::optional<quint16> typedCode(const QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers().testFlag(Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        return static_cast<quint16>(key - Qt::Key_A + 1); // Ctrl+V is 22, Ctrl+X 24
    }
    switch (key) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Escape: return kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return std::nullopt;
    default: break;
    }
    const QString typed = event->text();
    if (typed.isEmpty()) {
        return std::nullopt;
    }
    return typed.at(0).unicode();
}

} // namespace

FORM1::FORM1(QWidget *parent)
    : QWidget(parent)
{
    buildLayout();
    setTabOrder();
    connectHandlers();
    buildGraphMenu();
    follower_ = new CurveFollower(Dibu);
    nameControls();
    setMouseTracking(true);
    Form_Load();
}

void FORM1::connectHandlers()
{
    keyHandlers_ = {
        {txtrx0, [this](quint16 &k) { txtrx0_KeyPress(k); }},
        {txtry0, [this](quint16 &k) { txtry0_KeyPress(k); }},
        {txtv0x, [this](quint16 &k) { txtv0x_KeyPress(k); }},
        {txtv0y, [this](quint16 &k) { txtv0y_KeyPress(k); }},
        {txtvinicial, [this](quint16 &k) { txtvinicial_KeyPress(k); }},
        {txtangulo, [this](quint16 &k) { txtangulo_KeyPress(k); }},
        {txtsin, [this](quint16 &k) { txtsin_KeyPress(k); }},
        {txtcos, [this](quint16 &k) { txtcos_KeyPress(k); }},
        {txtkmh, [this](quint16 &k) { txtkmh_KeyPress(k); }},
        {txtaccelinicial[0], [this](quint16 &k) { txtaccelinicial_KeyPress(0, k); }},
        {txtaccelinicial[1], [this](quint16 &k) { txtaccelinicial_KeyPress(1, k); }},
    };
    focusHandlers_ = {
        {txtcos, &FORM1::txtcos_LostFocus},
        {txtsin, &FORM1::txtsin_LostFocus},
        {txtv0x, &FORM1::txtv0x_LostFocus},
        {txtv0y, &FORM1::txtv0y_LostFocus},
    };
    for (const KeyHandler &h : keyHandlers_) {
        h.field->installEventFilter(this);
        // A dropped text would reach the field without passing the key filter.
        h.field->setAcceptDrops(false);
    }
    for (const FocusHandler &h : focusHandlers_) {
        h.field->installEventFilter(this);
    }

    // A click handler runs whenever its button becomes selected, by the user or by the program.
    const std::pair<QRadioButton *, void (FORM1::*)()> options[] = {
        {opt1, &FORM1::opt1_Click}, {opt2, &FORM1::opt2_Click}, {opta, &FORM1::opta_Click}, {optb, &FORM1::optb_Click}};
    for (const auto &[option, handler] : options) {
        connect(option, &QRadioButton::toggled, this, [this, handler = handler](bool selected) {
            if (selected) {
                (this->*handler)();
            }
        });
    }
    connect(cmdcalcular, &QPushButton::clicked, this, &FORM1::Cmdcalcular_Click);
    connect(cmdborrar, &QPushButton::clicked, this, &FORM1::Cmdborrar_Click);
    connect(cmdigual, &QPushButton::clicked, this, &FORM1::cmdigual_Click);
    connect(Dibu, &GraphArea::pointerMoved, this, &FORM1::Dibu_MouseMove);
}

void FORM1::Form_Load()
{
    //: window title: the program's name and version; %1.%2 is the version, major and minor
    setWindowTitle(tr("Trayecta v%1.%2").arg(orvalis::kVersionMajor).arg(orvalis::kVersionMinor));
}

// ---- Keys -------------------------------------------------------------------

bool FORM1::FiltraTecla(quint16 KeyAscii)
{
    const bool digit = KeyAscii >= '0' && KeyAscii <= '9';
    const bool signOrComma = KeyAscii == '+' || KeyAscii == ',' || KeyAscii == '-';
    if ((KeyAscii >= 1 && KeyAscii <= kLastAcceptedControl) || digit || signOrComma) {
        return false;
    }
    if (KeyAscii == '.') {
        // The period types a decimal comma: a comma keystroke goes to the focused field.
        QWidget *target = QApplication::focusWidget();
        if (!target) {
            target = keyField_;
        }
        if (target) {
            QCoreApplication::postEvent(
                target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, QStringLiteral(",")));
        }
        return true;
    }
    if (beep) {
        beep();
    } else {
        QApplication::beep();
    }
    return true;
}

void FORM1::rejectKey(quint16 &KeyAscii)
{
    if (FiltraTecla(KeyAscii)) {
        KeyAscii = 0;
    }
}

void FORM1::txtrx0_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtry0_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtv0x_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtv0y_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtvinicial_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtangulo_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtsin_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtcos_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtkmh_KeyPress(quint16 &KeyAscii) { rejectKey(KeyAscii); }
void FORM1::txtaccelinicial_KeyPress(int /*Index*/, quint16 &KeyAscii) { rejectKey(KeyAscii); }

const FORM1::KeyHandler *FORM1::keyHandlerOf(const QObject *field) const
{
    for (const KeyHandler &h : keyHandlers_) {
        if (h.field == field) {
            return &h;
        }
    }
    return nullptr;
}

bool FORM1::passesKeyFilter(const KeyHandler &h, quint16 code)
{
    quint16 KeyAscii = code;
    keyField_ = h.field;
    h.handler(KeyAscii);
    keyField_ = nullptr;
    return KeyAscii != 0;
}

void FORM1::typeFiltered(const KeyHandler &h, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character beyond 16 bits comes as two halves; its first half stands
        // for it in the filter, which rejects it like any other letter.
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
        if (passesKeyFilter(h, character.at(0).unicode())) {
            // A control code that passes stands for an editing key; in a pasted
            // text it is only a line break or a tab, and inserts nothing.
            if (character.at(0).unicode() >= 32) {
                h.field->insert(character);
            }
        } else {
            // A period has queued a comma keystroke: it lands before the characters after it.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::KeyPress);
        }
    }
}

bool FORM1::filterKeyPress(const KeyHandler &h, QKeyEvent *event)
{
    // Shift+Insert pastes; Ctrl+V is itself a key the filter refuses (code 22).
    if (event->matches(QKeySequence::Paste) && !event->modifiers().testFlag(Qt::ControlModifier)) {
        pasteFiltered(h, QClipboard::Clipboard);
        return true;
    }
    // A key that types several characters at once has each of them filtered.
    if (event->text().size() > 1 && !event->modifiers().testFlag(Qt::ControlModifier)) {
        typeFiltered(h, event->text());
        return true;
    }
    const std::optional<quint16> code = typedCode(event);
    if (!code) {
        return false;
    }
    return !passesKeyFilter(h, *code);
}

// Text composed from a dead key or a compose sequence, or sent by an input
// method, arrives committed in one event. Its characters go through the key
// filter one by one; the rest of the event (the text being composed, text it
// replaces around the cursor) reaches the field as it would.
bool FORM1::filterInputMethod(const KeyHandler &h, QInputMethodEvent *event)
{
    if (event->commitString().isEmpty()) {
        return false;
    }
    QInputMethodEvent replacement;
    replacement.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(h.field, &replacement);
    typeFiltered(h, event->commitString());
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QCoreApplication::sendEvent(h.field, &composing);
    return true;
}

// Pasted text is typed: each of its characters passes the key filter.
void FORM1::pasteFiltered(const KeyHandler &h, QClipboard::Mode mode)
{
    if (h.field->isReadOnly()) {
        return;
    }
    typeFiltered(h, QGuiApplication::clipboard()->text(mode));
}

// The field's own menu, with its paste going through the key filter.
void FORM1::showFieldMenu(const KeyHandler &h, const QPoint &globalPos)
{
    std::unique_ptr<QMenu> menu(h.field->createStandardContextMenu());
    const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 1) == pasteKeys) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, [this, &h] { pasteFiltered(h, QClipboard::Clipboard); });
        }
    }
    menu->exec(globalPos);
}

bool FORM1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const KeyHandler *h = keyHandlerOf(watched)) {
            return filterKeyPress(*h, static_cast<QKeyEvent *>(event));
        }
        break;
    case QEvent::InputMethod:
        if (const KeyHandler *h = keyHandlerOf(watched)) {
            return filterInputMethod(*h, static_cast<QInputMethodEvent *>(event));
        }
        break;
    case QEvent::ContextMenu:
        if (const KeyHandler *h = keyHandlerOf(watched)) {
            showFieldMenu(*h, static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection where the platform has one.
        if (const KeyHandler *h = keyHandlerOf(watched);
            h && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton
            && QGuiApplication::clipboard()->supportsSelection()) {
            h->field->deselect();
            pasteFiltered(*h, QClipboard::Selection);
            return true;
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (keyHandlerOf(watched)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::FocusOut: {
        // Switching to another window or opening a menu is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (const FocusHandler &h : focusHandlers_) {
                if (h.field == watched) {
                    (this->*h.handler)();
                }
            }
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Velocity modes ---------------------------------------------------------

void FORM1::opt1_Click()
{
    txtv0x->setEnabled(true);
    txtv0y->setEnabled(true);
    txtvinicial->setEnabled(false);
    Frame2->setEnabled(false);
    opta->setChecked(true);
    optb->setChecked(false);
    optb->setEnabled(false);
}

void FORM1::opt2_Click()
{
    txtv0x->setEnabled(false);
    txtv0y->setEnabled(false);
    txtvinicial->setEnabled(true);
    optb->setEnabled(true);
    Frame2->setEnabled(true);
}

void FORM1::opta_Click()
{
    txtangulo->setEnabled(true);
    txtsin->setEnabled(false);
    txtcos->setEnabled(false);
}

void FORM1::optb_Click()
{
    txtangulo->setEnabled(false);
    txtsin->setEnabled(true);
    txtcos->setEnabled(true);
}

void FORM1::applyUnitRange(QLineEdit *field, const char *replacement)
{
    const RangeCheck check = checkUnitRange(text(field), replacement);
    showText(field, check.newText);
    ErroreS(check.failure);
}

void FORM1::txtcos_LostFocus() { applyUnitRange(txtcos, "0"); }
void FORM1::txtsin_LostFocus() { applyUnitRange(txtsin, "1"); }

void FORM1::applyComponentRule(ComponentAxis leaving)
{
    const ComponentUpdate update = componentRule(text(txtv0x), text(txtv0y), leaving);
    showText(txtangulo, update.angleText);
    if (update.speedText) {
        opta->setChecked(true);
        Frame2->setEnabled(true);
        showText(txtvinicial, update.speedText);
        opt2->setChecked(true);
    }
}

void FORM1::txtv0x_LostFocus() { applyComponentRule(ComponentAxis::X); }
void FORM1::txtv0y_LostFocus() { applyComponentRule(ComponentAxis::Y); }

// ---- Converter, clear, failure report ---------------------------------------

void FORM1::cmdigual_Click()
{
    const Conversion conversion = convertKmhToMs(text(txtkmh));
    showText(txtms, conversion.msText);
    ErroreS(conversion.failure);
}

void FORM1::Cmdborrar_Click()
{
    Dibu->clear();
    overlay_.clear();
    follower_->forget();
    describeGraph(false);
    ErroreS(std::nullopt);
}

void FORM1::ErroreS(std::optional<Failure> failure)
{
    if (!failure) {
        return;
    }
    showFailureBox(QString::fromStdString(failureReportText(*failure)));
    cmdcalcular->setEnabled(true);
    Dibu->clear();
    follower_->forget();
    describeGraph(false);
    // Overlaying, the curves cleared away come back under the next drawing.
    overlay_.setAside(mnuSuperposa->isChecked());
}

void FORM1::showFailureBox(const QString &message)
{
    //: title of the failure box (noun)
    const QString title = tr("Error");
    if (failureMessage) {
        failureMessage(title, message);
    } else {
        QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok, this);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }
}

// ---- Calculation ------------------------------------------------------------

VelocityMode FORM1::velocityMode() const
{
    if (opt1->isChecked()) {
        return VelocityMode::Components;
    }
    return opta->isChecked() ? VelocityMode::SpeedAndAngle : VelocityMode::SpeedAndSineCosine;
}

InputTexts FORM1::inputTexts() const
{
    InputTexts in;
    in.rx0 = text(txtrx0);
    in.ry0 = text(txtry0);
    in.v0x = text(txtv0x);
    in.v0y = text(txtv0y);
    in.vinicial = text(txtvinicial);
    in.angulo = text(txtangulo);
    in.sin = text(txtsin);
    in.cos = text(txtcos);
    in.accelinicial = {text(txtaccelinicial[0]), text(txtaccelinicial[1])};
    return in;
}

void FORM1::showInputTexts(const InputTexts &in)
{
    // Only the texts that changed: defaults filled into empty fields, an example problem's data.
    const std::pair<QLineEdit *, const std::string *> fields[] = {{txtrx0, &in.rx0},
                                                                  {txtry0, &in.ry0},
                                                                  {txtv0x, &in.v0x},
                                                                  {txtv0y, &in.v0y},
                                                                  {txtvinicial, &in.vinicial},
                                                                  {txtangulo, &in.angulo},
                                                                  {txtsin, &in.sin},
                                                                  {txtcos, &in.cos},
                                                                  {txtaccelinicial[0], &in.accelinicial[0]},
                                                                  {txtaccelinicial[1], &in.accelinicial[1]}};
    for (const auto &[field, value] : fields) {
        if (text(field) != *value) {
            field->setText(QString::fromStdString(*value));
        }
    }
}

void FORM1::showResults(const ResultTexts &r)
{
    showText(txtrfinal, r.rfinal);
    showText(txtvfinal, r.vfinal);
    showText(txtalcance, r.alcance);
    showText(txtvuelo, r.vuelo);
    showText(txtmin, r.min);
    showText(txtaltura, r.altura);
    showText(txtvimpactox, r.vimpactox);
    showText(txtvimpactoy, r.vimpactoy);
    showText(txtmodulo, r.modulo);
}

void FORM1::Cmdcalcular_Click()
{
    // Disabled until the calculation ends, by success or by failure.
    cmdcalcular->setEnabled(false);
    InputTexts in = inputTexts();
    const SolveOutcome outcome = solver_.solve(in, velocityMode());
    showInputTexts(in);
    showResults(outcome.results);
    std::optional<Failure> failure = outcome.failure;
    if (!failure && !Check1->isChecked()) {
        failure = drawGraph();
    }
    if (!failure) {
        cmdcalcular->setEnabled(true);
    }
    ErroreS(failure);
}

std::optional<Failure> FORM1::drawGraph()
{
    return drawTrajectory(trajectoryInputs(solver_.quantities(), text(txtvuelo), text(txtaltura), text(txtalcance)));
}

std::optional<Failure> FORM1::drawTrajectory(const TrajectoryInputs &inputs)
{
    const QSize area = Dibu->plotSize();
    const double aspect = area.height() > 0 ? static_cast<double>(area.width()) / area.height() : 1.0;
    TrajectoryPlan plan = planTrajectory(inputs, aspect);

    Dibu->setDrawWidth(1);
    if (!plan.scale) {
        return plan.failure;
    }
    // Overlaying, the scale takes in the kept curves too, so each is drawn whole.
    overlay_.setAside(mnuSuperposa->isChecked());
    DrawnCurve curve{inputs, plan.startX, *plan.scale, std::move(plan.points)};
    const GraphScale shown = overlaidScale(curve, overlay_.earlier());
    Dibu->setUserScale(shown.left, shown.width, shown.height);
    Dibu->clear();
    if (plan.verticalTicks && plan.horizontalTicks) {
        if (shown == curve.scale) {
            showTicks({*plan.verticalTicks, *plan.horizontalTicks});
        } else {
            showTicks(widenedTicks(shown, curve.scale, readNumber(inputs.flightTime).value));
        }
    }
    for (const std::vector<PlotPoint> &earlier : overlay_.earlierPlacedIn(plan.startX, shown.height)) {
        Dibu->plotPoints(earlier, QColor::fromRgb(kEarlierCurveColour));
    }
    plotCurve(placedIn(curve, plan.startX, shown.height));
    follower_->forget();
    if (!plan.failure) {
        overlay_.drawn(std::move(curve));
        follower_->follow(*overlay_.shown());
    }
    describeGraph(!plan.failure);
    return plan.failure;
}

void FORM1::showTicks(const TickTexts &ticks)
{
    for (std::size_t i = 0; i < lblx.size(); ++i) {
        lblx[i]->setText(QString::fromStdString(ticks.vertical[i]));
        lblx[i]->adjustSize();
    }
    for (std::size_t j = 0; j < blbt.size(); ++j) {
        blbt[j]->setText(QString::fromStdString(ticks.horizontal[j]));
        blbt[j]->adjustSize();
    }
}

void FORM1::plotCurve(const std::vector<PlotPoint> &points)
{
    for (const PlotPoint &point : points) {
        Dibu->plotPoint(point.x, point.y, point.apex ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }
}

// ---- Pointer ----------------------------------------------------------------

void FORM1::Dibu_MouseMove(Qt::MouseButtons /*Button*/, Qt::KeyboardModifiers /*Shift*/, float X, float Y)
{
    const auto readout = pointerReadout(text(txtrx0), X, Y, Dibu->scaleHeight());
    if (readout) {
        lblmouse->setText(QString::fromStdString(*readout));
    }
}

void FORM1::Form_MouseMove(Qt::MouseButtons /*Button*/, Qt::KeyboardModifiers /*Shift*/, float /*X*/, float /*Y*/)
{
    lblmouse->setText(QString());
}

void FORM1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over a control that ignores them reach the window too; only the bare surface clears the readout.
    if (childAt(event->position().toPoint()) == nullptr) {
        Form_MouseMove(event->buttons(), event->modifiers(), static_cast<float>(event->position().x()),
                       static_cast<float>(event->position().y()));
    }
}

void FORM1::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const LineShape &line : lines_) {
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

} // namespace trayecta
