#include <QLabel>

#include "common/DesignFonts.h"
#include "tests/trayecta/forms/Form1Fixture.h"

using trayecta::FORM1;

TEST_F(Form1Test, WindowHasItsTitleAndClientSize)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Trayecta v1.3"));
    EXPECT_EQ(form->size(), QSize(782, 300));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem)
{
    // Window pixels at 15 twips a pixel, also for members of the group boxes.
    const struct {
        const char *name;
        const char *kind;
        QRect rect;
    } cases[] = {
        {"Frame1", "QGroupBox", {0, 40, 409, 30}},          {"Frame2", "QGroupBox", {0, 72, 409, 30}},
        {"txtrx0", "QLineEdit", {104, 16, 41, 19}},         {"txtms", "QLineEdit", {336, 16, 49, 19}},
        {"txtv0y", "QLineEdit", {152, 48, 41, 19}},         {"txtvinicial", "QLineEdit", {336, 48, 49, 19}},
        {"txtcos", "QLineEdit", {352, 80, 33, 19}},         {"txtaccelinicial_1", "QLineEdit", {152, 112, 41, 19}},
        {"txtrfinal", "QLineEdit", {88, 144, 281, 19}},     {"txtmodulo", "QLineEdit", {272, 272, 105, 19}},
        {"opt2", "QRadioButton", {216, 49, 16, 16}},        {"optb", "QRadioButton", {216, 80, 17, 17}},
        {"cmdcalcular", "QPushButton", {216, 112, 81, 17}}, {"cmdborrar", "QPushButton", {400, 256, 49, 17}},
        {"Check1", "QCheckBox", {304, 112, 113, 17}},       {"Dibu", "trayecta::GraphArea", {464, 24, 313, 225}},
        {"lblmouse", "QLabel", {456, 280, 312, 17}},        {"Label12", "QLabel", {8, 256, 73, 25}},
    };
    for (const auto &c : cases) {
        auto *widget = form->findChild<QWidget *>(QString::fromUtf8(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
        const QRect inWindow(widget->mapTo(form.get(), QPoint(0, 0)), widget->size());
        EXPECT_EQ(inWindow, c.rect) << c.name;
    }
}

TEST_F(Form1Test, TextsAndStatesAtStartUp)
{
    const struct {
        QLineEdit *field;
        const char *text;
        bool enabled;
        bool readOnly;
    } cases[] = {
        {form->txtry0, "15", true, false},      {form->txtv0x, "", false, false},
        {form->txtvinicial, "30", true, false}, {form->txtangulo, "60", true, false},
        {form->txtsin, "", false, false},       {form->txtaccelinicial[1], "-9,8", true, false},
        {form->txtms, "", true, true},          {form->txtvuelo, "", true, true},
        {form->txtmodulo, "", true, true},      {form->txtmin, "", true, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.field->text(), QString::fromUtf8(c.text)) << c.field->objectName().toStdString();
        EXPECT_EQ(c.field->isEnabled(), c.enabled) << c.field->objectName().toStdString();
        EXPECT_EQ(c.field->isReadOnly(), c.readOnly) << c.field->objectName().toStdString();
    }
    EXPECT_TRUE(form->opt2->isChecked() && form->opta->isChecked());
    EXPECT_FALSE(form->opt1->isChecked() || form->optb->isChecked() || form->Check1->isChecked());
    EXPECT_EQ(form->lblmouse->text(), QStringLiteral("x, y"));
    EXPECT_EQ(form->cmdcalcular->text(), QStringLiteral("&Calcular"));
    EXPECT_EQ(form->cmdborrar->text(), QStringLiteral("Es&borrar"));
    EXPECT_FLOAT_EQ(form->Dibu->scaleWidth(), 48.749958f);
}

TEST_F(Form1Test, TickLabelsUseSmallArialAndStartEmpty)
{
    for (QLabel *label : form->lblx) {
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_EQ(label->font().family(), orvalis::familyFor(orvalis::DesignFace::Arial));
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 6.75);
    }
    for (QLabel *label : form->blbt) {
        EXPECT_TRUE(label->text().isEmpty());
    }
    EXPECT_EQ(form->lblx[0]->pos(), QPoint(411, 219));
    EXPECT_EQ(form->lblx[12]->pos(), QPoint(411, 27));
    EXPECT_EQ(form->lblx[13]->pos(), QPoint(410, 13));
    EXPECT_EQ(form->blbt[0]->pos(), QPoint(472, 264));
    EXPECT_EQ(form->blbt[1]->pos(), QPoint(504, 256));
    EXPECT_EQ(form->lblescalay->text(), QStringLiteral("0"));
    EXPECT_EQ(form->lblescalax->text(), QStringLiteral("0"));
    auto *credit = form->findChild<QLabel *>(QStringLiteral("Label36"));
    ASSERT_NE(credit, nullptr);
    EXPECT_TRUE(credit->font().underline());
    EXPECT_EQ(credit->font().pointSize(), 12);
    EXPECT_EQ(credit->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

TEST_F(Form1Test, FixedTickMarksAndSeparators)
{
    const auto &lines = form->lines();
    ASSERT_EQ(lines.size(), 2u + 15u + 14u);
    EXPECT_EQ(lines[0].y1, 136);
    EXPECT_EQ(lines[1].x2, 384);
    int horizontalStrokes = 0;
    int longStrokes = 0;
    for (const auto &line : lines) {
        horizontalStrokes += line.x1 == 456 && line.x2 == 464 && line.y1 == line.y2;
        longStrokes += line.x1 == line.x2 && line.y1 == 248 && line.y2 == 264;
    }
    EXPECT_EQ(horizontalStrokes, 15);
    EXPECT_EQ(longStrokes, 7);
}

TEST_F(Form1Test, TabOrderFollowsTheInputsThenResultsThenTheRest)
{
    const std::vector<QWidget *> expected = designedTabOrder();
    std::vector<QWidget *> chain;
    QWidget *w = form->txtrx0;
    do {
        if (std::find(expected.begin(), expected.end(), w) != expected.end()) {
            chain.push_back(w);
        }
        w = w->nextInFocusChain();
    } while (w != form->txtrx0 && chain.size() < 2 * expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(Form1Test, AccessKeysPressTheirButtons)
{
    showActive();
    form->txtkmh->setText(QStringLiteral("36"));
    form->txtrx0->setFocus();
    const struct {
        Qt::Key key;
        QPushButton *button;
    } cases[] = {
        {Qt::Key_C, form->cmdcalcular},
        {Qt::Key_B, form->cmdborrar},
        {Qt::Key_Equal, form->cmdigual},
    };
    for (const auto &c : cases) {
        int presses = 0;
        const auto connection = QObject::connect(c.button, &QPushButton::clicked, [&presses] { ++presses; });
        // Through the window, as the platform delivers keys, so the shortcut map sees them.
        QTest::keyClick(form->windowHandle(), c.key, Qt::AltModifier);
        // An access key animates the press, so the click lands a moment later.
        EXPECT_TRUE(QTest::qWaitFor([&presses] { return presses > 0; }, 2000));
        QObject::disconnect(connection);
        EXPECT_EQ(presses, 1) << c.button->objectName().toStdString();
    }
    // Each key ran its button's handler: calculate, clear the curve, convert.
    EXPECT_EQ(form->txtvuelo->text(), QStringLiteral("5,82750274959999"));
    EXPECT_EQ(graphInk().black, 0);
    EXPECT_EQ(form->txtms->text(), QStringLiteral("10"));
    EXPECT_TRUE(reports.empty());
}

// Pressing Tab reaches every enabled control in the designed order, each
// option button on its own, not only the selected one of its group; choosing
// one by the keyboard still runs its handler and keeps its group exclusive.
TEST_F(Form1Test, TabReachesEveryEnabledOptionButtonInTurn)
{
    showActive();
    const auto tabbing = [this](QWidget *from, int presses) {
        from->setFocus(Qt::TabFocusReason);
        std::vector<QWidget *> reached = {QApplication::focusWidget()};
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.push_back(QApplication::focusWidget());
        }
        return reached;
    };
    // Disabled at start: the component fields, the sine and the cosine.
    std::vector<QWidget *> round;
    std::vector<QWidget *> disabled;
    for (QWidget *w : designedTabOrder())
        (w->isEnabled() ? round : disabled).push_back(w);
    EXPECT_EQ(disabled, (std::vector<QWidget *>{form->txtv0x, form->txtv0y, form->txtsin, form->txtcos}));
    std::vector<QWidget *> twice = round;
    twice.insert(twice.end(), round.begin(), round.end());
    twice.push_back(form->txtrx0);
    EXPECT_EQ(tabbing(form->txtrx0, static_cast<int>(twice.size()) - 1), twice);

    // Space on the unselected opt1, reached by Tab, selects it and runs its handler.
    EXPECT_EQ(tabbing(form->opt2, 1).back(), form->opt1);
    QTest::keyClick(form->opt1, Qt::Key_Space);
    EXPECT_TRUE(form->opt1->isChecked());
    EXPECT_FALSE(form->opt2->isChecked());
    EXPECT_TRUE(form->txtv0x->isEnabled());
    EXPECT_FALSE(form->optb->isEnabled());
    // The direction group is disabled in component mode and skipped.
    const std::vector<QWidget *> tail = {form->opt1, form->txtmin, form->Check1};
    EXPECT_EQ(tabbing(form->opt1, 2), tail);

    // Back on opt2 by Tab, Space returns to speed and angle.
    EXPECT_EQ(tabbing(form->Dibu, 1).back(), form->opt2);
    QTest::keyClick(form->opt2, Qt::Key_Space);
    EXPECT_TRUE(form->opt2->isChecked());
    EXPECT_FALSE(form->opt1->isChecked());
    EXPECT_TRUE(form->optb->isEnabled());
    EXPECT_EQ(tabbing(form->opta, 1).back(), form->optb);
}
