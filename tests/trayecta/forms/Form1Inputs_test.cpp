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
    EXPECT_TRUE(form->txtvimpactox->text().startsWith(QStringLiteral("-3")) ||
                form->txtvimpactox->text().startsWith(QStringLiteral("-2,99999999999")))
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
