#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include "tests/trayecta/forms/Form1Fixture.h"

using trayecta::FORM1;

TEST_F(Form1Test, KeyFilterAcceptsDigitsSignsCommaAndControlKeys)
{
    const struct {
        quint16 code;
        bool rejected;
        int beeps;
    } cases[] = {
        {1, false, 0},   {8, false, 0},   {12, false, 0}, {'0', false, 0}, {'9', false, 0}, {'+', false, 0},
        {',', false, 0}, {'-', false, 0}, {'.', true, 0}, {13, true, 1},   {27, true, 1},   {22, true, 1},
        {24, true, 1},   {' ', true, 1},  {'a', true, 1}, {'E', true, 1},  {'/', true, 1},  {0x00e7, true, 1},
    };
    for (const auto &c : cases) {
        beeps = 0;
        EXPECT_EQ(form->FiltraTecla(c.code), c.rejected) << c.code;
        EXPECT_EQ(beeps, c.beeps) << c.code;
    }
    QCoreApplication::processEvents(); // the commas queued by the periods
}

TEST_F(Form1Test, TypingIntoFieldsKeepsThemNumeric)
{
    showActive();
    QLineEdit *fields[] = {form->txtrx0,
                           form->txtry0,
                           form->txtvinicial,
                           form->txtangulo,
                           form->txtaccelinicial[0],
                           form->txtaccelinicial[1],
                           form->txtkmh};
    for (QLineEdit *field : fields) {
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, "-2.");
        QCoreApplication::processEvents(); // the queued comma arrives before the next key
        QTest::keyClicks(field, "5x");
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(field->text(), QStringLiteral("-2,5")) << field->objectName().toStdString();
    }
    EXPECT_EQ(beeps, 2 * 7);

    // Paste by keyboard is refused, editing keys work.
    form->txtrx0->setFocus();
    QTest::keyClick(form->txtrx0, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->txtrx0->text(), QStringLiteral("-2,5"));
    QTest::keyClick(form->txtrx0, Qt::Key_Backspace);
    QTest::keyClick(form->txtrx0, Qt::Key_Home);
    QTest::keyClick(form->txtrx0, Qt::Key_Delete);
    EXPECT_EQ(form->txtrx0->text(), QStringLiteral("2,"));
}

TEST_F(Form1Test, PeriodTypesACommaEvenWithoutFocus)
{
    form->txtangulo->clear();
    QTest::keyClicks(form->txtangulo, "1.");
    QCoreApplication::processEvents();
    QTest::keyClicks(form->txtangulo, "5");
    EXPECT_EQ(form->txtangulo->text(), QStringLiteral("1,5"));
    EXPECT_EQ(beeps, 0);
}

TEST_F(Form1Test, ComponentModeEnablesComponentsAndLocksDirection)
{
    showActive();
    QTest::mouseClick(form->optb, Qt::LeftButton);
    EXPECT_TRUE(form->optb->isChecked());
    EXPECT_FALSE(form->txtangulo->isEnabled());
    EXPECT_TRUE(form->txtsin->isEnabled());
    EXPECT_TRUE(form->txtcos->isEnabled());

    QTest::mouseClick(form->opt1, Qt::LeftButton);
    EXPECT_TRUE(form->txtv0x->isEnabled());
    EXPECT_TRUE(form->txtv0y->isEnabled());
    EXPECT_FALSE(form->txtvinicial->isEnabled());
    EXPECT_FALSE(form->Frame2->isEnabled());
    EXPECT_TRUE(form->opta->isChecked());
    EXPECT_FALSE(form->optb->isChecked());
    EXPECT_FALSE(form->optb->isEnabled());
    // opta's handler ran: within the disabled group the angle is the live input.
    EXPECT_TRUE(form->txtangulo->isEnabledTo(form->Frame2));
    EXPECT_FALSE(form->txtsin->isEnabledTo(form->Frame2));

    QTest::mouseClick(form->opt2, Qt::LeftButton);
    EXPECT_FALSE(form->txtv0x->isEnabled());
    EXPECT_FALSE(form->txtv0y->isEnabled());
    EXPECT_TRUE(form->txtvinicial->isEnabled());
    EXPECT_TRUE(form->Frame2->isEnabled());
    EXPECT_TRUE(form->optb->isEnabled());
}

TEST_F(Form1Test, SineAndCosineAreKeptInRangeOnLeavingTheField)
{
    showActive();
    QTest::mouseClick(form->optb, Qt::LeftButton);
    form->txtcos->setText(QStringLiteral("1,5"));
    form->txtcos->setFocus();
    form->txtsin->setText(QStringLiteral("-2"));
    form->txtsin->setFocus(); // leaving the cosine by moving the focus
    EXPECT_EQ(form->txtcos->text(), QStringLiteral("0"));
    form->txtcos->setFocus();
    EXPECT_EQ(form->txtsin->text(), QStringLiteral("1"));
    EXPECT_TRUE(reports.empty());

    form->txtsin->setText(QStringLiteral("1-2"));
    form->txtsin_LostFocus();
    EXPECT_EQ(form->txtsin->text(), QStringLiteral("1-2"));
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(Form1Test, ComponentsTurnIntoSpeedAndAngleAndBack)
{
    showActive();
    QTest::mouseClick(form->opt1, Qt::LeftButton);
    form->txtv0x->setText(QStringLiteral("-3"));
    form->txtv0y->setText(QStringLiteral("4"));
    form->txtv0y->setFocus();
    form->txtrx0->setFocus();

    EXPECT_TRUE(form->txtangulo->text().startsWith(QStringLiteral("126,869897645")))
        << form->txtangulo->text().toStdString();
    EXPECT_EQ(form->txtvinicial->text(), QStringLiteral("5"));
    EXPECT_TRUE(form->opt2->isChecked());
    EXPECT_TRUE(form->opta->isChecked());
    EXPECT_FALSE(form->txtv0x->isEnabled());
    EXPECT_TRUE(form->Frame2->isEnabled());

    // The solver gets the typed components back: leftward and upward.
    calculate();
    ASSERT_TRUE(reports.empty());
    EXPECT_TRUE(form->txtvimpactox->text().startsWith(QStringLiteral("-3"))
                || form->txtvimpactox->text().startsWith(QStringLiteral("-2,99999999999")))
        << form->txtvimpactox->text().toStdString();
}

TEST_F(Form1Test, ZeroComponentPointsAlongTheOtherAxisAndStaysInComponentMode)
{
    QTest::mouseClick(form->opt1, Qt::LeftButton);
    form->txtv0x->setText(QStringLiteral("0"));
    form->txtv0y->setText(QStringLiteral("4"));
    form->txtv0x_LostFocus();
    EXPECT_EQ(form->txtangulo->text(), QStringLiteral("90"));
    form->txtv0x->setText(QStringLiteral("3"));
    form->txtv0y->setText(QStringLiteral("0"));
    form->txtv0y_LostFocus();
    EXPECT_EQ(form->txtangulo->text(), QStringLiteral("0"));
    EXPECT_EQ(form->txtvinicial->text(), QStringLiteral("30"));
    EXPECT_TRUE(form->opt1->isChecked());
}

TEST_F(Form1Test, ConverterWritesMsOrReports)
{
    form->txtkmh->setText(QStringLiteral("100"));
    QTest::mouseClick(form->cmdigual, Qt::LeftButton);
    EXPECT_EQ(form->txtms->text(), QStringLiteral("27,7777777777778"));
    form->txtkmh->setText(QStringLiteral("1-2"));
    QTest::mouseClick(form->cmdigual, Qt::LeftButton);
    EXPECT_EQ(form->txtms->text(), QStringLiteral("27,7777777777778"));
    EXPECT_EQ(reports.size(), 1u);
}

namespace {

// The ten filtered fields (the acceleration array has two members).
std::vector<QLineEdit *> filteredFields(FORM1 &form)
{
    return {form.txtrx0,
            form.txtry0,
            form.txtv0x,
            form.txtv0y,
            form.txtvinicial,
            form.txtangulo,
            form.txtsin,
            form.txtcos,
            form.txtkmh,
            form.txtaccelinicial[0],
            form.txtaccelinicial[1]};
}

void sendInputMethod(QLineEdit *field, const QString &preedit, const QString &commit)
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(field, &event);
}

} // namespace

// A dead key (´ then e), a compose sequence or an input method hands the field
// its text committed in one event, and a key can carry more than one character:
// every character still passes the key filter.
TEST_F(Form1Test, ComposedAndInputMethodTextPassesTheKeyFilter)
{
    const struct {
        const char *name;
        QString preedit; // shown while composing
        QString commit;
        bool asKeyText; // the text arrives as the text of one key instead
        QString typed;  // what the field gains
        int beeps;
    } cases[] = {
        {"dead acute then e", QStringLiteral("´"), QStringLiteral("é"), false, QString(), 1},
        {"composed digit", QString(), QStringLiteral("5"), false, QStringLiteral("5"), 0},
        {"period", QString(), QStringLiteral("."), false, QStringLiteral(","), 0},
        {"several at once", QString(), QStringLiteral("1.5"), false, QStringLiteral("1,5"), 0},
        {"digit and letter", QString(), QStringLiteral("2a-"), false, QStringLiteral("2-"), 1},
        {"beyond 16 bits", QString(), QStringLiteral("\U0001F600"), false, QString(), 1},
        {"composed letter as a key", QString(), QStringLiteral("é"), true, QString(), 1},
        {"two characters on one key", QString(), QStringLiteral("1x"), true, QStringLiteral("1"), 1},
    };
    showActive();
    for (QLineEdit *field : filteredFields(*form)) {
        field->setEnabled(true);
        for (const auto &c : cases) {
            const std::string where = field->objectName().toStdString() + ": " + c.name;
            field->setFocus();
            field->setText(QStringLiteral("7"));
            field->end(false);
            beeps = 0;
            if (c.asKeyText) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c.commit);
                QApplication::sendEvent(field, &key);
            } else {
                if (!c.preedit.isEmpty()) {
                    sendInputMethod(field, c.preedit, QString());
                }
                sendInputMethod(field, QString(), c.commit);
            }
            QCoreApplication::processEvents();
            EXPECT_EQ(field->text(), QStringLiteral("7") + c.typed) << where;
            EXPECT_EQ(beeps, c.beeps) << where;
        }
    }
}

// Dropping a dragged text into a filtered field would skip the key filter.
TEST_F(Form1Test, FilteredFieldsRefuseDroppedText)
{
    QMimeData text;
    text.setText(QStringLiteral("abc"));
    const auto drop = [&text](QLineEdit *field) {
        const QPoint inside = field->rect().center();
        QDragEnterEvent enter(inside, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &enter);
        QDropEvent dropped(QPointF(inside), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field, &dropped);
        return enter.isAccepted();
    };
    for (QLineEdit *field : filteredFields(*form)) {
        field->setEnabled(true);
        const QString before = field->text();
        EXPECT_FALSE(field->acceptDrops()) << field->objectName().toStdString();
        EXPECT_FALSE(drop(field)) << field->objectName().toStdString();
        EXPECT_EQ(field->text(), before) << field->objectName().toStdString();
    }
    // A field outside the filter takes the drop, so the drop above did reach the fields.
    EXPECT_TRUE(drop(form->txtrfinal));
    EXPECT_EQ(form->txtrfinal->text(), QStringLiteral("abc"));
}

// Leaving the vertical component turns (-3, -18) into speed and angle; the
// solver turns them back into the typed components.
TEST_F(Form1Test, LeftwardComponentsComeBackAsTyped)
{
    showActive();
    QTest::mouseClick(form->opt1, Qt::LeftButton);
    form->txtv0x->setFocus();
    QTest::keyClicks(form->txtv0x, "-3");
    QTest::keyClick(form->txtv0x, Qt::Key_Tab);
    QTest::keyClicks(form->txtv0y, "-18");
    QTest::keyClick(form->txtv0y, Qt::Key_Tab);
    EXPECT_EQ(form->txtangulo->text(), QStringLiteral("-99,4623222080257"));
    EXPECT_EQ(form->txtvinicial->text(), QStringLiteral("18,2482875908947"));
    ASSERT_TRUE(form->opt2->isChecked());
    calculate();
    ASSERT_TRUE(reports.empty());
    EXPECT_EQ(form->txtvfinal->text(), QStringLiteral("(-3  ,  -18-9,8t)"));
}

// Pasted text is typed: what the filter refuses is left out, a period turns
// into a comma, a trailing line break is dropped. Ctrl+V is itself a refused key.
TEST_F(Form1Test, PastedTextPassesTheKeyFilter)
{
    enum class Path { CtrlV, ShiftInsert, FieldMenu, MiddleButton };
    const struct {
        Path path;
        const char *name;
        QString typed; // what the field gains from "1.5 m\n"
        int beeps;
    } cases[] = {
        {Path::CtrlV, "Ctrl+V", QString(), 1},
        {Path::ShiftInsert, "Shift+Insert", QStringLiteral("1,5"), 2},
        {Path::FieldMenu, "the field's menu", QStringLiteral("1,5"), 2},
        {Path::MiddleButton, "the middle button", QStringLiteral("1,5"), 2},
    };
    QClipboard *clipboard = QGuiApplication::clipboard();
    const bool selection = clipboard->supportsSelection();
    showActive();
    for (QLineEdit *field : filteredFields(*form)) {
        field->setEnabled(true);
        for (const auto &c : cases) {
            if (c.path == Path::MiddleButton && !selection) {
                continue; // a platform with no selection pastes nothing with the middle button
            }
            const std::string where = field->objectName().toStdString() + ": " + c.name;
            clipboard->setText(QStringLiteral("1.5 m\n"),
                               c.path == Path::MiddleButton ? QClipboard::Selection : QClipboard::Clipboard);
            field->setFocus();
            field->setText(QStringLiteral("7"));
            field->end(false);
            beeps = 0;
            switch (c.path) {
            case Path::CtrlV: QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier); break;
            case Path::ShiftInsert: QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier); break;
            case Path::MiddleButton:
                QTest::mouseClick(field, Qt::MiddleButton, Qt::NoModifier, field->rect().center());
                field->end(false);
                break;
            case Path::FieldMenu: {
                QTimer::singleShot(0, [] {
                    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    ASSERT_NE(menu, nullptr);
                    for (QAction *action : menu->actions()) {
                        if (action->text().contains(QStringLiteral("Paste"))) {
                            action->trigger();
                        }
                    }
                    menu->close();
                });
                QContextMenuEvent ask(QContextMenuEvent::Mouse, field->rect().center(),
                                      field->mapToGlobal(field->rect().center()));
                QApplication::sendEvent(field, &ask);
                break;
            }
            }
            QCoreApplication::processEvents();
            EXPECT_EQ(field->text(), QStringLiteral("7") + c.typed) << where;
            EXPECT_EQ(beeps, c.beeps) << where;
        }
    }
}
