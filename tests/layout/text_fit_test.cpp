// Every caption, label, box text and help line of both programs fits the
// control that shows it, in the faces the programs pick and in every language
// they speak, and no text runs into what another control draws beside it.
// Run at scale 1 and, as a second
// ctest entry, at QT_SCALE_FACTOR=2, where the faces are drawn at twice the
// pixels and may round their widths differently.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTextBlock>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "common/DesignFonts.h"
#include "tests/support/InLanguage.h"
#include "tests/support/VoltrixWindows.h"
#include "trayecta/forms/Form1.h"
#include "voltrix/forms/UnitMagnitudes.h"

namespace {

// The design's rectangles come from twips and whole pixels: a stroke of
// overlap is the design's own, not a text running into its neighbour.
constexpr double kDesignSlack = 1.5;

std::string nameOf(const QWidget *w)
{
    std::string name = w->objectName().toStdString();
    if (name.empty())
        name = w->metaObject()->className();
    return w->window()->windowTitle().trimmed().toStdString() + " / " + name;
}

// The text as drawn: an access key's "&" takes no room.
QString shownText(QString text) { return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))); }

// What one control draws, in its parent's coordinates: the text's ink, or
// the whole control for boxes, buttons and frames.
struct Drawn {
    const QWidget *widget;
    QRectF area;
    QString text; // empty: not a text
};

class TextFit {
public:
    std::vector<std::string> misfits;

    void walk(QWidget *window)
    {
        checkAccessKeys(window);
        // A menu bar too narrow for its menus hides the last behind a ">>" button.
        for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
            const QWidget *more = bar->findChild<QWidget *>(QStringLiteral("qt_menubar_ext_button"));
            if (more && more->isVisibleTo(window))
                misfits.push_back(nameOf(bar) + " hides its last menus behind \">>\"");
        }
        std::vector<Drawn> drawn;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window) && !w->property("shownLater").toBool())
                continue;
            collect(w, drawn);
        }
        // A text must not run into anything else drawn beside it.
        for (const Drawn &text : drawn) {
            if (text.text.isEmpty())
                continue;
            for (const Drawn &other : drawn) {
                if (other.widget == text.widget || other.widget->parentWidget() != text.widget->parentWidget())
                    continue;
                const QRectF both = text.area.intersected(other.area);
                if (both.width() > kDesignSlack && both.height() > kDesignSlack) {
                    std::ostringstream out;
                    out << nameOf(text.widget) << " \"" << text.text.toStdString() << "\" runs " << both.width()
                        << " px into " << nameOf(other.widget);
                    misfits.push_back(out.str());
                }
            }
        }
    }

    void checkLines(QPlainTextEdit *memo, int count)
    {
        const double room = memo->viewport()->width() - 2 * memo->document()->documentMargin();
        const QFontMetricsF metrics(memo->font());
        QTextBlock block = memo->document()->begin();
        for (int i = 0; i < count && block.isValid(); ++i, block = block.next()) {
            const double width = metrics.horizontalAdvance(block.text());
            if (width > room) {
                std::ostringstream out;
                out << nameOf(memo) << " line " << i + 1 << " \"" << block.text().toStdString() << "\" needs " << width
                    << " px, has " << room;
                misfits.push_back(out.str());
            }
        }
    }

private:
    // Alt and a letter must reach one control, in every language.
    void checkAccessKeys(QWidget *window)
    {
        std::map<QChar, QString> taken;
        static const QRegularExpression accessKey(QStringLiteral("&([^& ])"));
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            const QRegularExpressionMatch key = accessKey.match(button->text());
            if (!key.hasMatch())
                continue;
            const QChar letter = key.captured(1).at(0).toLower();
            if (taken.count(letter))
                misfits.push_back(nameOf(button) + " \"" + button->text().toStdString() + "\" takes Alt+"
                                  + QString(letter).toStdString() + " of \"" + taken[letter].toStdString() + "\"");
            taken[letter] = button->text();
        }
    }

    // The text's ink in the parent's coordinates; a misfit when the room
    // is too small for it.
    QRectF ink(const QWidget *w, const QString &text, const QFont &font, const QRect &room, Qt::Alignment alignment)
    {
        const QFontMetricsF metrics(font);
        const double width = metrics.horizontalAdvance(shownText(text));
        const double height = metrics.height();
        if (width > room.width() + 0.01 || height > room.height() + 1) {
            std::ostringstream out;
            out << nameOf(w) << " \"" << text.toStdString() << "\" needs " << width << " x " << height << " px, has "
                << room.width() << " x " << room.height();
            misfits.push_back(out.str());
        }
        double left = room.left();
        if (alignment & Qt::AlignRight)
            left = room.right() + 1 - width;
        else if (alignment & Qt::AlignHCenter)
            left = room.left() + (room.width() - width) / 2;
        double top = room.top() + (room.height() - height) / 2;
        if (alignment & Qt::AlignTop)
            top = room.top();
        return QRectF(QPointF(w->geometry().topLeft()) + QPointF(left, top), QSizeF(width, height));
    }

    void collect(QWidget *w, std::vector<Drawn> &drawn)
    {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().isEmpty() && !label->wordWrap())
                drawn.push_back({w, ink(w, label->text(), label->font(), label->contentsRect(), label->alignment()),
                                 label->text()});
            else if (!label->text().isEmpty() || !label->pixmap().isNull())
                drawn.push_back({w, w->geometry(), {}});
        } else if (auto *toggle = qobject_cast<QAbstractButton *>(w); toggle && !qobject_cast<QPushButton *>(w)) {
            const bool radio = qobject_cast<QRadioButton *>(w) != nullptr;
            QStyleOptionButton option;
            option.initFrom(toggle);
            option.text = toggle->text();
            QStyle *style = toggle->style();
            const QRect box = style->subElementRect(
                radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, toggle);
            drawn.push_back({w, QRectF(box.translated(w->geometry().topLeft())), {}});
            if (!toggle->text().isEmpty()) {
                const QRect room = style->subElementRect(
                    radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, toggle);
                drawn.push_back({w, ink(w, toggle->text(), toggle->font(), room, Qt::AlignLeft), toggle->text()});
            }
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.features = button->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
            QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            if (!button->icon().isNull())
                room.setWidth(room.width() - button->iconSize().width() - 4);
            if (!button->text().isEmpty())
                ink(w, button->text(), button->font(), room, Qt::AlignHCenter);
            drawn.push_back({w, w->geometry(), {}});
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            // The title sits inside the frame's top edge, a few pixels in.
            const int inset = 2 * group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, group) + 8;
            const int titleHeight = QFontMetrics(group->font()).height();
            if (!group->title().isEmpty())
                drawn.push_back(
                    {w,
                     ink(w, group->title(), group->font(), QRect(inset / 2, 0, group->width() - inset, titleHeight),
                         Qt::AlignLeft | Qt::AlignTop),
                     group->title()});
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
            QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
            const QMargins margins = edit->textMargins();
            // A line edit keeps two pixels of its own either side of the text.
            room = room.adjusted(margins.left() + 2, margins.top(), -(margins.right() + 2), -margins.bottom());
            if (!edit->text().isEmpty())
                ink(w, edit->text(), edit->font(), room, Qt::AlignLeft);
            drawn.push_back({w, w->geometry(), {}});
        } else if (qobject_cast<QComboBox *>(w) || qobject_cast<QScrollBar *>(w)) {
            drawn.push_back({w, w->geometry(), {}});
        } else if (auto *frame = qobject_cast<QFrame *>(w); frame && frame->frameShape() != QFrame::NoFrame) {
            drawn.push_back({w, w->geometry(), {}});
        }
    }
};

void report(const std::vector<std::string> &misfits)
{
    for (const std::string &m : misfits)
        ADD_FAILURE() << m;
}

// The faces the programs stand in for the design's are installed, not a
// fallback font configuration happens to pick (fonts-liberation is a
// dependency of the programs and of the test set-up).
TEST(DesignFaces, AreInstalledMetricCompatibleFaces)
{
    const QStringList installed = QFontDatabase::families();
    const QString msSansSerif = orvalis::familyFor(orvalis::DesignFace::MsSansSerif);
    const QString arial = orvalis::familyFor(orvalis::DesignFace::Arial);
    EXPECT_TRUE(installed.contains(msSansSerif)) << msSansSerif.toStdString();
    EXPECT_TRUE(installed.contains(arial)) << arial.toStdString();
    EXPECT_TRUE((QStringList{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans Narrow"}.contains(msSansSerif)))
        << msSansSerif.toStdString();
    EXPECT_TRUE((QStringList{"Arial", "Liberation Sans"}.contains(arial))) << arial.toStdString();
    // A narrow face: the design's captions were measured in it.
    const QString sample = QStringLiteral("No realitzar gràfica");
    EXPECT_LT(QFontMetricsF(orvalis::designFont(orvalis::DesignFace::MsSansSerif, 8)).horizontalAdvance(sample),
              QFontMetricsF(orvalis::designFont(orvalis::DesignFace::Arial, 8)).horizontalAdvance(sample));
}

class VoltrixTextFit : public voltrix_test::VoltrixWindows, public ::testing::WithParamInterface<const char *> {
protected:
    std::optional<orvalis_test::InLanguage> language;
    void SetUp() override
    {
        language.emplace(voltrix::programIdentity(), GetParam());
        VoltrixWindows::SetUp();
    }
    void TearDown() override
    {
        VoltrixWindows::TearDown();
        language.reset();
    }
};

TEST_P(VoltrixTextFit, EveryTextFitsItsControlInEveryWindow)
{
    using namespace voltrix;
    TextFit fit;
    // Shown in some states only.
    for (QWidget *later : std::initializer_list<QWidget *>{Form1->CheckParpadeo, Form1->EditT})
        later->setProperty("shownLater", true);
    for (QWidget *window : std::initializer_list<QWidget *>{Form1, Form2, Form3, Form4, Form5, Form6, FormMagnitudes}) {
        window->show();
        fit.walk(window);
    }
    // Numbers a run writes: long positions and a negative charge.
    Sim.x = -123.4f;
    Sim.vz = -999.9f;
    Sim.q = -10.5f;
    experiment.announce(Experiment::Position | Experiment::Velocity | Experiment::Charge);
    fit.walk(Form2);
    // The region box stands where the magnetic group was.
    Form1->ConfinadoClick();
    fit.walk(Form2);
    // The 43 designed lines, and the added ones in their style, one row each.
    fit.checkLines(Form6->MemoAyuda, Form6->MemoAyuda->document()->blockCount());
    report(fit.misfits);
}

INSTANTIATE_TEST_SUITE_P(Languages, VoltrixTextFit, ::testing::ValuesIn(orvalis_test::kLanguages),
                         orvalis_test::languageName);

class TrayectaTextFit : public ::testing::TestWithParam<const char *> {};

TEST_P(TrayectaTextFit, EveryTextFitsItsControlBeforeAndAfterACalculation)
{
    const orvalis_test::InLanguage language(trayecta::programIdentity(), GetParam());
    trayecta::FORM1::failureMessage = [](const QString &, const QString &) {};
    trayecta::FORM1 window;
    window.show();
    TextFit fit;
    fit.walk(&window);
    window.Cmdcalcular_Click();
    fit.walk(&window);
    trayecta::FORM1::failureMessage = nullptr;
    report(fit.misfits);
}

INSTANTIATE_TEST_SUITE_P(Languages, TrayectaTextFit, ::testing::ValuesIn(orvalis_test::kLanguages),
                         orvalis_test::languageName);

} // namespace
