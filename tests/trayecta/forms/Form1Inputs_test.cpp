#include "Form1Fixture.h"

using trayecta::FORM1;

TEST_F(Form1Test, KeyFilterAcceptsDigitsSignsCommaAndControlKeys)
{
    const struct {
        quint16 code;
        bool rejected;
        int beeps;
    } cases[] = {
        {1, false, 0},  {8, false, 0},  {12, false, 0}, {'0', false, 0}, {'9', false, 0}, {'+', false, 0},
        {',', false, 0}, {'-', false, 0}, {'.', true, 0}, {13, true, 1},  {27, true, 1},   {22, true, 1},
        {24, true, 1},  {' ', true, 1}, {'a', true, 1}, {'E', true, 1},  {'/', true, 1},  {0x00e7, true, 1},
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
    QLineEdit *fields[] = {form->txtrx0, form->txtry0, form->txtvinicial, form->txtangulo,
                           form->txtaccelinicial[0], form->txtaccelinicial[1], form->txtkmh};
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
    form->txtsin->setFocus(); // leaving the cosine by moving the focus
    EXPECT_EQ(form->txtcos->text(), QStringLiteral("0"));

    const struct {
        QLineEdit *field;
        void (FORM1::*leave)();
        const char *typed;
        const char *after;
        bool reported;
    } cases[] = {
        {form->txtsin, &FORM1::txtsin_LostFocus, "-2", "1", false},
        {form->txtsin, &FORM1::txtsin_LostFocus, "0,5", "0,5", false},
        {form->txtcos, &FORM1::txtcos_LostFocus, "-1", "-1", false},
        {form->txtcos, &FORM1::txtcos_LostFocus, "", "", false},
        {form->txtcos, &FORM1::txtcos_LostFocus, "1-2", "1-2", true},
        {form->txtsin, &FORM1::txtsin_LostFocus, ",", ",", true},
    };
    for (const auto &c : cases) {
        reports.clear();
        c.field->setText(QString::fromUtf8(c.typed));
        (form.get()->*c.leave)();
        EXPECT_EQ(c.field->text(), QString::fromUtf8(c.after)) << c.typed;
        EXPECT_EQ(reports.size(), c.reported ? 1u : 0u) << c.typed;
    }
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
    EXPECT_NEAR(form->txtvimpactox->text().replace(',', '.').toDouble(), -3.0, 1e-12);
    EXPECT_TRUE(form->txtvfinal->text().startsWith(QStringLiteral("(-"))) << form->txtvfinal->text().toStdString();
}

TEST_F(Form1Test, ZeroComponentPointsAlongTheOtherAxisAndStaysInComponentMode)
{
    QTest::mouseClick(form->opt1, Qt::LeftButton);
    const struct {
        const char *vx, *vy;
        void (FORM1::*leave)();
        const char *angle;
    } cases[] = {
        {"0", "4", &FORM1::txtv0x_LostFocus, "90"},
        {"3", "0", &FORM1::txtv0y_LostFocus, "0"},
        {"", "", &FORM1::txtv0x_LostFocus, "77"},    // no number: nothing changes
        {"-", "4", &FORM1::txtv0x_LostFocus, "77"},
    };
    for (const auto &c : cases) {
        form->txtangulo->setText(QStringLiteral("77"));
        form->txtv0x->setText(QString::fromUtf8(c.vx));
        form->txtv0y->setText(QString::fromUtf8(c.vy));
        (form.get()->*c.leave)();
        EXPECT_EQ(form->txtangulo->text(), QString::fromUtf8(c.angle)) << c.vx << " " << c.vy;
        EXPECT_EQ(form->txtvinicial->text(), QStringLiteral("30"));
        EXPECT_TRUE(form->opt1->isChecked());
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(Form1Test, ConverterTurnsKmhIntoMs)
{
    const struct {
        const char *kmh;
        const char *ms;
        bool reported;
    } cases[] = {
        {"36", "10", false}, {"100", "27,7777777777778", false}, {"", "27,7777777777778", false},
        {"1-2", "27,7777777777778", true},
    };
    for (const auto &c : cases) {
        reports.clear();
        form->txtkmh->setText(QString::fromUtf8(c.kmh));
        QTest::mouseClick(form->cmdigual, Qt::LeftButton);
        EXPECT_EQ(form->txtms->text(), QString::fromUtf8(c.ms)) << c.kmh;
        EXPECT_EQ(reports.size(), c.reported ? 1u : 0u) << c.kmh;
    }
}
