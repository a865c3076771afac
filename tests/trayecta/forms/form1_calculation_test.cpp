#include <QLabel>
#include <QMouseEvent>

#include "tests/trayecta/forms/Form1Fixture.h"

using trayecta::FORM1;

TEST_F(Form1Test, CalculateFillsEveryResultAndDrawsTheParabola)
{
    calculate();
    ASSERT_TRUE(reports.empty());
    const std::pair<QLineEdit *, const char *> results[] = {{form->txtrfinal, "(+15t  ,  15+25,9807621135331t-4,9t²)"},
                                                            {form->txtvfinal, "(15  ,  25,9807621135331-9,8t)"},
                                                            {form->txtvuelo, "5,82750274959999"},
                                                            {form->txtmin, "0,09712504583"},
                                                            {form->txtalcance, "87,412541244"},
                                                            {form->txtaltura, "49,438775510204"},
                                                            {form->txtvimpactox, "15"},
                                                            {form->txtvimpactoy, "-31,1287648325468"},
                                                            {form->txtmodulo, "34,554305086342"}};
    for (const auto &[field, text] : results) {
        EXPECT_EQ(field->text(), QString::fromUtf8(text)) << field->objectName().toStdString();
    }
    EXPECT_TRUE(form->cmdcalcular->isEnabled());

    EXPECT_EQ(form->lblx[13]->text(), QStringLiteral("54,93"));
    EXPECT_EQ(form->blbt[12]->text(), QStringLiteral("5,83"));
    EXPECT_GT(form->lblx[13]->width(), 3); // sized to its text

    const Ink ink = graphInk();
    EXPECT_GT(ink.black, 300);
    EXPECT_GT(ink.red, 0);
    EXPECT_LT(ink.red, ink.black / 10);
    EXPECT_FLOAT_EQ(form->Dibu->scaleHeight(), 54.933163f);
}

TEST_F(Form1Test, DrawingSurvivesARepaint)
{
    form->show();
    calculate();
    form->hide();
    form->show();
    const Ink shown = inkOf(form->Dibu->grab().toImage());
    EXPECT_GT(shown.black, 300);
    EXPECT_GT(shown.red, 0);
}

TEST_F(Form1Test, FailureReportsInCatalanClearsTheGraphAndFreesTheButton)
{
    calculate();
    const QString rangeBefore = form->txtalcance->text();
    form->txtaccelinicial[1]->setText(QStringLiteral("0"));
    calculate();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].title, QStringLiteral("Error"));
    EXPECT_EQ(reports[0].text, QStringLiteral("Impossible realitzar càlcul.\r\nTipo de error: "
                                              "divisió per zero (l'acceleració vertical no pot ser 0)."));
    EXPECT_FALSE(reports[0].calculateEnabled);
    EXPECT_TRUE(form->cmdcalcular->isEnabled());
    EXPECT_EQ(graphInk().black, 0);
    // The formulas were written before the failing step; the rest keep their texts.
    EXPECT_EQ(form->txtvfinal->text(), QStringLiteral("(15  ,  25,9807621135331)"));
    EXPECT_EQ(form->txtalcance->text(), rangeBefore);
    EXPECT_EQ(form->lblx[0]->text(), QStringLiteral("3,92"));
}

TEST_F(Form1Test, NoGraphWhenSuppressedAndClearLeavesResults)
{
    calculate();
    const QImage drawn = form->Dibu->drawing();
    form->Check1->setChecked(true);
    form->txtry0->setText(QStringLiteral("40"));
    calculate();
    EXPECT_TRUE(reports.empty());
    EXPECT_NE(form->txtvuelo->text(), QStringLiteral("5,82750274959999"));
    EXPECT_EQ(form->Dibu->drawing(), drawn);
    EXPECT_EQ(form->lblx[13]->text(), QStringLiteral("54,93"));

    QTest::mouseClick(form->cmdborrar, Qt::LeftButton);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(graphInk().black, 0);
    EXPECT_EQ(form->lblx[13]->text(), QStringLiteral("54,93"));
    EXPECT_FALSE(form->txtvuelo->text().isEmpty());
}

TEST_F(Form1Test, ComponentModeCalculationUsesTheComponentFields)
{
    QTest::mouseClick(form->opt1, Qt::LeftButton);
    form->txtv0x->setText(QStringLiteral("0")); // a zero component keeps the window in component mode
    form->txtv0y->setText(QStringLiteral("19,6"));
    form->txtry0->setText(QStringLiteral("0"));
    calculate();
    // A vertical flight: no range, yet a graph drawn down the middle of the area.
    ASSERT_TRUE(reports.empty()) << reports[0].text.toStdString();
    EXPECT_EQ(form->txtvfinal->text(), QStringLiteral("(  ,  19,6-9,8t)"));
    EXPECT_EQ(form->txtvuelo->text(), QStringLiteral("4"));
    EXPECT_EQ(form->txtalcance->text(), QStringLiteral("0"));
    EXPECT_GT(graphInk().black, 100);
    EXPECT_LT(form->Dibu->scaleLeft(), 0.0f);
}

TEST_F(Form1Test, EveryBadInputWorksOrEndsInTheReport)
{
    const QString bad[] = {QString(),
                           QStringLiteral("   "),
                           QStringLiteral("-"),
                           QStringLiteral(","),
                           QStringLiteral("1-2"),
                           QStringLiteral("1,,2"),
                           QStringLiteral("abc"),
                           QString(300, QChar('7')),
                           QStringLiteral("1E308"),
                           QStringLiteral("-1E308"),
                           QStringLiteral("1E-300")};
    struct Target {
        QLineEdit *field;
        QRadioButton *mode;
    };
    const Target targets[] = {
        {form->txtrx0, form->opt2},
        {form->txtry0, form->opt2},
        {form->txtvinicial, form->opt2},
        {form->txtangulo, form->opt2},
        {form->txtaccelinicial[0], form->opt2},
        {form->txtaccelinicial[1], form->opt2},
        {form->txtsin, form->optb},
        {form->txtcos, form->optb},
        {form->txtv0x, form->opt1},
        {form->txtv0y, form->opt1},
    };
    form->Check1->setChecked(false);
    for (const Target &target : targets) {
        for (const QString &text : bad) {
            auto fresh = std::make_unique<FORM1>();
            std::swap(form, fresh);
            reports.clear();
            if (target.mode == form->optb || target.mode == form->opt1) {
                QTest::mouseClick(form->findChild<QRadioButton *>(target.mode->objectName()), Qt::LeftButton);
            }
            if (target.mode == form->opt1) {
                form->txtv0x->setText(QStringLiteral("0"));
                form->txtv0y->setText(QStringLiteral("10"));
            }
            QLineEdit *field = form->findChild<QLineEdit *>(target.field->objectName());
            field->setText(text);
            calculate();
            const std::string where = field->objectName().toStdString() + " = " + text.left(20).toStdString();
            EXPECT_TRUE(form->cmdcalcular->isEnabled()) << where;
            if (reports.empty()) {
                EXPECT_FALSE(form->txtmodulo->text().isEmpty()) << where;
            } else {
                EXPECT_EQ(reports.size(), 1u) << where;
                EXPECT_TRUE(reports[0].text.startsWith(QStringLiteral("Impossible realitzar càlcul.\r\n")));
                EXPECT_EQ(graphInk().black, 0) << where;
            }
            std::swap(form, fresh);
        }
    }
}

namespace {

void moveMouse(QWidget *widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST_F(Form1Test, PointerReadoutFollowsTheGraphScale)
{
    const QPoint topLeft = form->Dibu->contentsRect().topLeft();
    moveMouse(form->Dibu, topLeft);
    EXPECT_EQ(form->lblmouse->text(), QStringLiteral("Posició: 000,00  ,  025,9501"));
    // Exact ties at the fourth decimal round away from zero.
    form->Dibu_MouseMove(Qt::NoButton, Qt::NoModifier, 0.03125f, form->Dibu->scaleHeight() - 0.03125f);
    EXPECT_EQ(form->lblmouse->text(), QStringLiteral("Posició: 000,0313  ,  000,0313"));

    calculate();
    form->txtrx0->setText(QStringLiteral("10"));
    moveMouse(form->Dibu, topLeft);
    EXPECT_EQ(form->lblmouse->text(), QStringLiteral("Posició: 010,00  ,  054,9332"));

    // Bottom-right corner: the range and the ground.
    const QPoint bottomRight = form->Dibu->contentsRect().bottomRight() + QPoint(1, 1);
    moveMouse(form->Dibu, bottomRight);
    EXPECT_EQ(form->lblmouse->text(), QStringLiteral("Posició: 097,4125  ,  000,00"));

    // Over another control the reading stays; over the bare window it clears.
    moveMouse(form->findChild<QLabel *>(QStringLiteral("Label23")), QPoint(1, 1));
    EXPECT_FALSE(form->lblmouse->text().isEmpty());
    moveMouse(form.get(), QPoint(440, 200));
    EXPECT_EQ(form->lblmouse->text(), QString());
}

// Problems typed into the window whose results sat in a corner: an upward
// acceleration (first landing, highest end), and exact ties in every kind of
// number text (the flight time's ticks, the minutes, the range).
TEST_F(Form1Test, CornerProblemsGiveSoundResultsInTheWindow)
{
    const struct {
        const char *name;
        const char *rx0, *ry0, *speed, *angle, *ay;
        std::vector<std::pair<const char *, const char *>> fields; // object name, text
        std::vector<std::pair<int, const char *>> timeTicks;       // blbt index, text
    } cases[] = {
        {"thrown down, pulled up",
         "0",
         "20",
         "10",
         "-90",
         "2",
         {{"txtvuelo", "2,76393202250021"}, {"txtaltura", "20"}, {"txtvimpactoy", "-4,47213595499958"}},
         {}},
        {"thrown up from below, pulled up",
         "0",
         "-10",
         "5",
         "90",
         "2",
         {{"txtvuelo", "1,53112887414927"}, {"txtaltura", "0"}},
         {}},
        {"flight time 1,625 s",
         "0",
         "0",
         "8,125",
         "90",
         "-10",
         {{"txtvuelo", "1,625"}, {"txtaltura", "3,30078125"}},
         {{0, "0,13"}, {2, "0,38"}, {4, "0,63"}, {12, "1,63"}}},
        {"minutes on a tie",
         "0",
         "0",
         "0,0732421875",
         "90",
         "-10",
         {{"txtvuelo", "0,0146484375"}, {"txtmin", "0,00024414063"}},
         {}},
        {"range on a tie", "100000000000000,5", "15", "0", "60", "-9,8", {{"txtalcance", "100000000000001"}}, {}},
        {"negative range on a tie",
         "-100000000000000,5",
         "15",
         "0",
         "60",
         "-9,8",
         {{"txtalcance", "-100000000000001"}},
         {}},
    };
    for (const auto &c : cases) {
        auto fresh = std::make_unique<FORM1>();
        std::swap(form, fresh);
        reports.clear();
        form->txtrx0->setText(QString::fromUtf8(c.rx0));
        form->txtry0->setText(QString::fromUtf8(c.ry0));
        form->txtvinicial->setText(QString::fromUtf8(c.speed));
        form->txtangulo->setText(QString::fromUtf8(c.angle));
        form->txtaccelinicial[1]->setText(QString::fromUtf8(c.ay));
        calculate();
        EXPECT_TRUE(reports.empty()) << c.name;
        for (const auto &[name, text] : c.fields) {
            EXPECT_EQ(form->findChild<QLineEdit *>(QString::fromUtf8(name))->text(), QString::fromUtf8(text))
                << c.name << ": " << name;
        }
        for (const auto &[index, text] : c.timeTicks) {
            EXPECT_EQ(form->blbt[static_cast<std::size_t>(index)]->text(), QString::fromUtf8(text))
                << c.name << ": blbt " << index;
        }
        std::swap(form, fresh);
    }
}

// Pulled upwards, only the highest end of the flight is drawn red, never the
// whole path. (A flight from below the ground runs below the graph's bottom
// edge, height 0, until it lands there.)
TEST_F(Form1Test, UpwardPullDrawsOnlyTheHighestEndRed)
{
    const struct {
        const char *ry0, *angle;
        int minimumBlack;
    } cases[] = {{"20", "-90", 100}, {"-10", "90", 0}};
    for (const auto &c : cases) {
        auto fresh = std::make_unique<FORM1>();
        std::swap(form, fresh);
        form->txtry0->setText(QString::fromUtf8(c.ry0));
        form->txtvinicial->setText(QStringLiteral("10"));
        form->txtangulo->setText(QString::fromUtf8(c.angle));
        form->txtaccelinicial[1]->setText(QStringLiteral("2"));
        calculate();
        const Ink ink = graphInk();
        EXPECT_GE(ink.black, c.minimumBlack) << c.ry0;
        EXPECT_LT(ink.red, 5) << c.ry0;
        std::swap(form, fresh);
    }
    EXPECT_TRUE(reports.empty());
}
