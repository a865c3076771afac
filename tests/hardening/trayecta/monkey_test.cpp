// A seeded monkey on Trayecta's window: keys and texts typed into every field
// (through the key filter), texts pasted past it, fields left and cleared,
// option buttons, the check box, "Calcular", "Esborrar" and the converter,
// pointer moves over the graph, the window hidden and shown. Failure reports
// are real message boxes, read and closed by the test. Afterwards every
// read-only result field holds a number (or nothing), "Calcular" is enabled, and a
// fresh calculation gives what the solver gives.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/support/SeededChoice.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"

using trayecta::FORM1;

namespace {

constexpr int kEvents = 2000;

const char *const kTexts[] = {
    "0",         "15",        "-9,8", "30",  "60", "1,5", "-2", "0,5", "3",   "4",   "-3",  "1E+300",
    "1E-300",    "9,99E+307", "1-2",  ",,",  "-",  "+",   "",   " ",   "abc", "2.5", "1e5", "100000000000000000000",
    "0,0000001", "90",        "-90",  "360", "36"};

class TrayectaMonkey : public ::testing::TestWithParam<unsigned>, protected SeededChoice {
protected:
    void SetUp() override
    {
        FORM1::beep = [this] { ++beeps_; };
        form_ = std::make_unique<FORM1>();
        form_->show();
        QApplication::setActiveWindow(form_.get());
        for (auto *e : form_->findChildren<QLineEdit *>())
            edits_.push_back(e);
        for (auto *b : form_->findChildren<QAbstractButton *>())
            buttons_.push_back(b);
        // The failure report's message box, read and closed.
        QObject::connect(&answer_, &QTimer::timeout, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                reports_ << box->text();
                box->accept();
            }
        });
        answer_.start(0);
    }

    void TearDown() override
    {
        answer_.stop();
        form_.reset();
        FORM1::beep = nullptr;
    }

    QString randomText()
    {
        if (pick(3) == 0) {
            return scrap("0123456789.,-+eE xa", 25);
        }
        return QString::fromUtf8(kTexts[pick(std::size(kTexts))]);
    }

    static void leave(QLineEdit *e)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(e, &out);
    }

    void oneEvent()
    {
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
            if (QLineEdit *e = pickUsable(edits_)) {
                e->setFocus();
                if (pick(2) == 0)
                    e->selectAll();
                QTest::keyClicks(e, randomText());
            }
            break;
        case 3:
            // Pasted text does not pass the key filter; a read-only field takes none.
            if (QLineEdit *e = pickUsable(edits_)) {
                if (!e->isReadOnly())
                    e->setText(randomText());
                leave(e);
            }
            break;
        case 4:
            if (QLineEdit *e = pickUsable(edits_)) {
                static const Qt::Key keys[] = {Qt::Key_Return,    Qt::Key_Escape, Qt::Key_Period, Qt::Key_Comma,
                                               Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Minus,  Qt::Key_A,
                                               Qt::Key_5,         Qt::Key_Tab};
                e->setFocus();
                QTest::keyClick(e, keys[pick(std::size(keys))]);
            }
            break;
        case 5:
            if (QLineEdit *e = pickUsable(edits_)) {
                if (pick(3) == 0)
                    e->clear();
                leave(e);
            }
            break;
        case 6:
        case 7:
            if (QAbstractButton *b = pickUsable(buttons_))
                QTest::mouseClick(b, Qt::LeftButton);
            break;
        case 8: {
            trayecta::GraphArea *graph = form_->Dibu;
            const QPoint at(static_cast<int>(pick(static_cast<std::size_t>(graph->width()) + 1)),
                            static_cast<int>(pick(static_cast<std::size_t>(graph->height()) + 1)));
            QTest::mouseMove(graph, at);
            break;
        }
        default:
            if (pick(4) == 0) {
                form_->hide();
                form_->show();
            } else {
                QTest::mouseClick(form_->cmdcalcular, Qt::LeftButton);
            }
            break;
        }
        // The comma a period key queues, and the repaints.
        QApplication::sendPostedEvents();
    }

    static void expectNumberOrEmpty(const QLineEdit *field, const char *name)
    {
        const std::string text = field->text().toStdString();
        if (text.empty())
            return;
        const trayecta::Reading reading = trayecta::readNumber(text);
        EXPECT_TRUE(reading.ok()) << name << " = \"" << text << "\"";
    }

    std::unique_ptr<FORM1> form_;
    std::vector<QLineEdit *> edits_;
    std::vector<QAbstractButton *> buttons_;
    QTimer answer_;
    QStringList reports_;
    int beeps_ = 0;
};

TEST_P(TrayectaMonkey, SeededSessionLeavesNumbersInTheResultsAndAnAnsweringWindow)
{
    seed(GetParam());
    int calculations = 0;
    QObject::connect(form_->cmdcalcular, &QPushButton::clicked, [&] { ++calculations; });
    for (int i = 0; i < kEvents; ++i)
        oneEvent();

    EXPECT_TRUE(form_->cmdcalcular->isEnabled());
    const struct {
        const QLineEdit *field;
        const char *name;
    } results[] = {
        {form_->txtvuelo, "txtvuelo"},
        {form_->txtalcance, "txtalcance"},
        {form_->txtaltura, "txtaltura"},
        {form_->txtvimpactox, "txtvimpactox"},
        {form_->txtvimpactoy, "txtvimpactoy"},
        {form_->txtmodulo, "txtmodulo"},
        {form_->txtms, "txtms"},
    };
    for (const auto &r : results)
        expectNumberOrEmpty(r.field, r.name);
    for (const QString &report : reports_)
        EXPECT_TRUE(report.startsWith(QStringLiteral("Impossible realitzar càlcul.\r\nTipo de error: ")))
            << report.toStdString();
    // (txtmin, txtrfinal and txtvfinal are not read-only: the user may type anything there.)
    // The session reached both ends: solved problems and reported failures.
    EXPECT_GT(calculations, 10);
    EXPECT_FALSE(reports_.isEmpty());

    // The window still answers: a typical problem gives the solver's results.
    form_->opt2->setChecked(true);
    form_->opta->setChecked(true);
    form_->Check1->setChecked(false);
    const struct {
        QLineEdit *field;
        const char *text;
    } inputs[] = {{form_->txtrx0, "0"},
                  {form_->txtry0, "15"},
                  {form_->txtvinicial, "30"},
                  {form_->txtangulo, "60"},
                  {form_->txtaccelinicial[0], "0"},
                  {form_->txtaccelinicial[1], "-9,8"}};
    for (const auto &in : inputs)
        in.field->setText(QString::fromUtf8(in.text));
    const int reportsBefore = static_cast<int>(reports_.size());
    QTest::mouseClick(form_->cmdcalcular, Qt::LeftButton);
    EXPECT_EQ(reports_.size(), reportsBefore);

    trayecta::InputTexts texts;
    texts.rx0 = "0";
    texts.ry0 = "15";
    texts.vinicial = "30";
    texts.angulo = "60";
    texts.accelinicial = {"0", "-9,8"};
    const trayecta::SolveOutcome expected =
        trayecta::ProjectileSolver().solve(texts, trayecta::VelocityMode::SpeedAndAngle);
    ASSERT_FALSE(expected.failure.has_value());
    EXPECT_EQ(form_->txtvuelo->text().toStdString(), *expected.results.vuelo);
    EXPECT_EQ(form_->txtalcance->text().toStdString(), *expected.results.alcance);
    EXPECT_EQ(form_->txtaltura->text().toStdString(), *expected.results.altura);
    EXPECT_EQ(form_->txtmodulo->text().toStdString(), *expected.results.modulo);
    EXPECT_TRUE(form_->cmdcalcular->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Hardening, TrayectaMonkey, ::testing::Values(1u, 20240607u, 777u));

} // namespace
