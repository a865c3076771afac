// The graph area's menu, driven as a user drives it: a right click or the menu
// key opens it, its items are clicked, and the file dialogs are answered by
// typing a name and pressing Enter.
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "common/Handout.h"
#include "tests/support/PdfText.h"
#include "tests/trayecta/forms/Form1Fixture.h"
#include "trayecta/core/ExampleProblems.h"
#include "trayecta/forms/GraphAreaPicture.h"

using trayecta::FORM1;

namespace {

// Pixels of the graph, as (x, y) pairs with their colour.
using PixelMap = std::map<std::pair<int, int>, QRgb>;

PixelMap inkedPixels(const QImage &image)
{
    PixelMap pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xffffff;
            if (p != 0xffffff) {
                pixels[{x, y}] = p;
            }
        }
    }
    return pixels;
}

constexpr QRgb kGrey = trayecta::kEarlierCurveColour & 0xffffff;

using PixelSet = std::set<std::pair<int, int>>;

// Where a kept curve's points fall in a later drawing's image: each point keeps
// its x in the plane (x0 + x) and its height (scale height − y).
PixelSet placedPixels(const trayecta::DrawnCurve &curve, double startX, const trayecta::GraphArea &area)
{
    PixelSet pixels;
    const QSize size = area.drawing().size();
    for (const trayecta::PlotPoint &p : curve.points) {
        const auto x = static_cast<float>(static_cast<double>(p.x) + (curve.startX - startX));
        const auto y = static_cast<float>(static_cast<double>(p.y)
                                          + (static_cast<double>(area.scaleHeight()) - curve.scale.height));
        const int column = static_cast<int>(
            std::floor((static_cast<double>(x) - area.scaleLeft()) / area.scaleWidth() * size.width()));
        const int row = static_cast<int>(std::floor(static_cast<double>(y) / area.scaleHeight() * size.height()));
        if (column >= 0 && row >= 0 && column < size.width() && row < size.height()) {
            pixels.insert({column, row});
        }
    }
    return pixels;
}

PixelSet withColour(const PixelMap &pixels, bool grey)
{
    PixelSet chosen;
    for (const auto &[at, colour] : pixels) {
        if ((colour == kGrey) == grey) {
            chosen.insert(at);
        }
    }
    return chosen;
}

} // namespace

class GraphMenuTest : public Form1Test {
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        ASSERT_TRUE(folder.isValid());
        showActive();
    }

    // A right click on the graph, through the window as the platform sends it.
    void rightClickGraph(QPoint at = QPoint(100, 60))
    {
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, form->Dibu->mapTo(form.get(), at));
    }

    void choose(QAction *item)
    {
        rightClickGraph();
        ASSERT_TRUE(form->mnuDibu->isVisible());
        ASSERT_TRUE(item->isEnabled()) << item->text().toStdString();
        QTest::mouseClick(form->mnuDibu, Qt::LeftButton, {}, form->mnuDibu->actionGeometry(item).center());
        EXPECT_FALSE(form->mnuDibu->isVisible());
    }

    void calculateAt(const char *angle)
    {
        form->txtangulo->setText(QString::fromUtf8(angle));
        calculate();
        ASSERT_TRUE(reports.empty()) << reports[0].text.toStdString();
    }

    // The next file dialog gets the file type at typeIndex and the name typed
    // into its name box, then Enter.
    void answerFileDialog(int typeIndex, const QString &name)
    {
        auto *poll = new QTimer(form.get());
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, typeIndex, name] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            poll->stop();
            poll->deleteLater();
            dialogTitle = dialog->windowTitle();
            dialogTypes = dialog->nameFilters();
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            auto *nameBox = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!types || !nameBox) {
                dialog->reject();
                return;
            }
            for (int i = 0; i < typeIndex; ++i) {
                QTest::keyClick(types, Qt::Key_Down);
            }
            nameBox->setFocus();
            nameBox->selectAll();
            nameBox->insert(name);
            QTest::keyClick(nameBox, Qt::Key_Return);
        });
        poll->start(10);
    }

    QString saveGraph(int typeIndex, const QString &name)
    {
        answerFileDialog(typeIndex, name);
        choose(form->mnuDesaGrafica);
        return name;
    }

    QStringList entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString path(const char *name) const { return folder.filePath(QString::fromUtf8(name)); }

    // The graph after one calculation at this angle in a window of its own,
    // overlaying off.
    PixelMap aloneAt(const char *angle)
    {
        FORM1 alone;
        alone.txtangulo->setText(QString::fromUtf8(angle));
        alone.Cmdcalcular_Click();
        return inkedPixels(alone.Dibu->drawing());
    }

    qreal pixelRatio() const { return form->Dibu->devicePixelRatioF(); }

    QTemporaryDir folder;
    QString dialogTitle;
    QStringList dialogTypes;
};

TEST_F(GraphMenuTest, MenuOpensFromARightClickTheMenuKeyAndShiftF10)
{
    const struct {
        const char *how;
        std::function<void()> open;
    } ways[] = {
        {"right click", [this] { rightClickGraph(QPoint(40, 30)); }},
        {"menu key",
         [this] {
             form->Dibu->setFocus();
             QTest::keyClick(form->Dibu, Qt::Key_Menu);
         }},
        {"Shift+F10",
         [this] {
             form->Dibu->setFocus();
             QTest::keyClick(form->Dibu, Qt::Key_F10, Qt::ShiftModifier);
         }},
    };
    for (const auto &way : ways) {
        ASSERT_FALSE(form->mnuDibu->isVisible()) << way.how;
        way.open();
        EXPECT_TRUE(form->mnuDibu->isVisible()) << way.how;
        QTest::keyClick(form->mnuDibu, Qt::Key_Escape);
        EXPECT_FALSE(form->mnuDibu->isVisible()) << way.how;
    }
    // The right click opens it where the pointer is.
    rightClickGraph(QPoint(40, 30));
    EXPECT_EQ(form->mnuDibu->pos(), form->Dibu->mapToGlobal(QPoint(40, 30)));
    QTest::keyClick(form->mnuDibu, Qt::Key_Escape);

    QStringList texts;
    for (QAction *item : form->mnuDibu->actions()) {
        if (!item->isSeparator()) {
            texts << item->text();
        }
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Superposa les trajectòries"), QStringLiteral("Desa la gràfica…"),
                                  QStringLiteral("Copia la gràfica"), QStringLiteral("Exporta els punts (CSV)…"),
                                  QStringLiteral("Problemes d'exemple"), QStringLiteral("Anima el llançament"),
                                  QStringLiteral("Imprimeix…"), QStringLiteral("Desa com a PDF…"),
                                  QStringLiteral("Full de l'alumne…")}));
    EXPECT_TRUE(form->mnuSuperposa->isCheckable());
    EXPECT_FALSE(form->mnuSuperposa->isChecked());
    // The window keeps its layout: nothing new is shown on it.
    EXPECT_EQ(form->size(), QSize(782, 300));
}

// Overlaid, the axes take in every kept curve and the new one: each is drawn
// whole, the new one in black and red over the earlier ones in grey.
TEST_F(GraphMenuTest, ThreeOverlaidCalculationsShowThreeWholeCurves)
{
    const std::size_t alone = aloneAt("60").size();

    choose(form->mnuSuperposa);
    EXPECT_TRUE(form->mnuSuperposa->isChecked());
    std::vector<trayecta::DrawnCurve> drawn;
    for (const char *angle : {"60", "30", "45"}) {
        calculateAt(angle);
        drawn.push_back(*form->overlay().shown());
    }
    const PixelMap shown = inkedPixels(form->Dibu->drawing());
    const QSize size = form->Dibu->drawing().size();
    std::vector<PixelSet> placed;
    for (const trayecta::DrawnCurve &curve : drawn) {
        placed.push_back(placedPixels(curve, 0.0, *form->Dibu));
        // Whole: no point of it falls outside the area.
        int outside = 0;
        for (const trayecta::PlotPoint &p : trayecta::placedIn(curve, 0.0, form->Dibu->scaleHeight())) {
            const double column = (p.x - form->Dibu->scaleLeft()) / form->Dibu->scaleWidth() * size.width();
            const double row = p.y / form->Dibu->scaleHeight() * size.height();
            outside += column < 0.0 || row < 0.0 || column >= size.width() || row >= size.height();
        }
        EXPECT_EQ(outside, 0) << "curve " << placed.size();
    }
    // The new curve in black and red, the earlier ones in grey where it does not lie.
    EXPECT_TRUE(withColour(shown, false) == placed[2]);
    PixelSet expected;
    for (const PixelSet *earlier : {&placed[0], &placed[1]}) {
        for (const auto &at : *earlier) {
            if (!placed[2].count(at)) {
                expected.insert(at);
            }
        }
    }
    EXPECT_TRUE(withColour(shown, true) == expected);
    // Three whole curves leave well over twice the pixels of one.
    EXPECT_GT(shown.size(), 2 * alone) << shown.size() << " against " << alone << " alone";
    // The horizontal ticks go on with the new curve's times; the heights reach the highest curve.
    EXPECT_EQ(form->lblx[13]->text(), QStringLiteral("54,93"));
    EXPECT_EQ(form->overlay().earlier().size(), 2u);
}

TEST_F(GraphMenuTest, ACalculationWithAnotherScaleRedrawsTheKeptCurvesInIt)
{
    choose(form->mnuSuperposa);
    std::vector<trayecta::DrawnCurve> kept;
    std::vector<double> heights;
    for (const char *angle : {"30", "45", "60"}) {
        calculateAt(angle);
        kept.push_back(*form->overlay().shown());
        heights.push_back(form->txtaltura->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble());
    }
    const PixelSet greyBefore = withColour(inkedPixels(form->Dibu->drawing()), true);

    // From 40 m up at 35 m/s the scale is larger every way, and the start 5 m further left.
    form->txtrx0->setText(QStringLiteral("-5"));
    form->txtry0->setText(QStringLiteral("40"));
    form->txtvinicial->setText(QStringLiteral("35"));
    calculateAt("60");
    const float SH = form->Dibu->scaleHeight();
    const float SW = form->Dibu->scaleWidth();
    ASSERT_GT(SH, kept.back().scale.height);
    const QImage image = form->Dibu->drawing();
    const PixelMap after = inkedPixels(image);
    const PixelSet grey = withColour(after, true);
    EXPECT_FALSE(grey == greyBefore);

    // Each kept curve lies at its heights in the new scale: its start 15 m up,
    // 5 m right of the left edge, and its top at its maximum height.
    const auto rowOfHeight = [&](double height) {
        return static_cast<int>(std::floor((SH - height) / SH * image.height()));
    };
    const auto columnOfX = [&](double x) { return static_cast<int>(std::floor((x + 5.0) / SW * image.width())); };
    const auto greyNear = [&](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (grey.count({x + dx, y + dy})) {
                    return true;
                }
            }
        }
        return false;
    };
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_TRUE(greyNear(columnOfX(0.0), rowOfHeight(15.0))) << "start of curve " << i;
        const trayecta::DrawnCurve &curve = kept[i];
        const auto top = std::min_element(curve.points.begin(), curve.points.end(),
                                          [](const auto &a, const auto &b) { return a.y < b.y; });
        EXPECT_TRUE(greyNear(columnOfX(top->x), rowOfHeight(heights[i]))) << "top of curve " << i;
    }

    // Every grey pixel is a kept curve's point in the new scale, and every such
    // point not under the new curve is grey.
    const PixelSet newCurve = withColour(after, false);
    PixelSet expected;
    for (const trayecta::DrawnCurve &curve : kept) {
        for (const auto &at : placedPixels(curve, -5.0, *form->Dibu)) {
            if (!newCurve.count(at)) {
                expected.insert(at);
            }
        }
    }
    EXPECT_GT(expected.size(), 600u);
    EXPECT_EQ(grey.size(), expected.size());
    EXPECT_TRUE(grey == expected);
}

TEST_F(GraphMenuTest, EsborrarAndTurningOverlayingOffClearTheKeptCurves)
{
    const PixelMap at60 = aloneAt("60");
    choose(form->mnuSuperposa);
    for (const char *angle : {"30", "45", "60"}) {
        calculateAt(angle);
    }
    // Off: the grey curves go and the last one stays as it is alone.
    choose(form->mnuSuperposa);
    EXPECT_FALSE(form->mnuSuperposa->isChecked());
    EXPECT_TRUE(inkedPixels(form->Dibu->drawing()) == at60);
    EXPECT_TRUE(form->overlay().earlier().empty());
    calculateAt("60");
    EXPECT_TRUE(inkedPixels(form->Dibu->drawing()) == at60);

    // On again, two more, then "Es&borrar": nothing is left, nor comes back.
    choose(form->mnuSuperposa);
    calculateAt("30");
    calculateAt("45");
    QTest::mouseClick(form->cmdborrar, Qt::LeftButton);
    EXPECT_TRUE(inkedPixels(form->Dibu->drawing()).empty());
    EXPECT_FALSE(form->overlay().shown());
    EXPECT_TRUE(form->overlay().earlier().empty());
    calculateAt("60");
    EXPECT_TRUE(inkedPixels(form->Dibu->drawing()) == at60);
    EXPECT_TRUE(form->mnuSuperposa->isChecked());
}

TEST_F(GraphMenuTest, KeptCurvesComeBackUnderTheDrawingAfterAFailure)
{
    choose(form->mnuSuperposa);
    calculateAt("30");
    const trayecta::DrawnCurve at30 = *form->overlay().shown();
    form->txtaccelinicial[1]->setText(QStringLiteral("0"));
    calculate();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(inkedPixels(form->Dibu->drawing()).empty()) << "the report clears the area";
    reports.clear();
    form->txtaccelinicial[1]->setText(QStringLiteral("-9,8"));
    calculateAt("60");
    const PixelMap shown = inkedPixels(form->Dibu->drawing());
    const PixelSet grey = withColour(shown, true);
    PixelSet expected;
    for (const auto &at : placedPixels(at30, 0.0, *form->Dibu)) {
        if (!shown.count(at) || shown.at(at) == kGrey) {
            expected.insert(at);
        }
    }
    EXPECT_GT(expected.size(), 200u);
    EXPECT_TRUE(grey == expected);
}

// Each plotted point is a block of the draw width in area pixels, placed to
// the screen pixel where it falls: at ratio 1 the area pixel of the point, at
// ratio 2 a 2×2 block centred on it, so the curve is no enlarged staircase.
TEST_F(GraphMenuTest, CurveIsPlacedToTheScreenPixel)
{
    calculate();
    const QImage image = form->Dibu->drawing();
    const int side = static_cast<int>(pixelRatio());
    const trayecta::GraphArea &area = *form->Dibu;
    int unaligned = 0;
    for (const trayecta::PlotPoint &p : form->overlay().shown()->points) {
        const double column = (p.x - area.scaleLeft()) / area.scaleWidth() * image.width();
        const double row = p.y / area.scaleHeight() * image.height();
        const int x = static_cast<int>(std::floor(column - (side - 1) / 2.0));
        const int y = static_cast<int>(std::floor(row - (side - 1) / 2.0));
        for (int dy = 0; dy < side; ++dy) {
            for (int dx = 0; dx < side; ++dx) {
                if (x + dx < image.width() && y + dy < image.height()) {
                    ASSERT_NE(image.pixel(x + dx, y + dy) & 0xffffff, 0xffffffu) << x + dx << "," << y + dy;
                }
            }
        }
        unaligned += x % side != 0 || y % side != 0;
    }
    if (side == 2) {
        EXPECT_GT(unaligned, 1000) << "points on the area's pixel grid only";
    }
}

TEST_F(GraphMenuTest, SavedPngHasTheGraphsSizeTimesThePixelRatio)
{
    // Run once more with QT_SCALE_FACTOR=2 (the "/scale2" test): the ratio is the screen's.
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2")) {
        ASSERT_EQ(pixelRatio(), 2.0);
    }
    calculate();
    const trayecta::GraphPicture picture = form->graphPicture();
    // The picture holds the area with its ticks, tick labels and units.
    const QRect graphInWindow(form->Dibu->pos(), form->Dibu->size());
    EXPECT_EQ(picture.plot.size(), form->Dibu->contentsRect().size());
    EXPECT_GE(picture.size.width(), graphInWindow.width() + 30);
    EXPECT_GE(picture.size.height(), graphInWindow.height() + 30);

    // No extension typed: the chosen type, PNG, gives it.
    saveGraph(0, path("gràfica"));
    EXPECT_EQ(dialogTitle, QStringLiteral("Desa la gràfica"));
    EXPECT_EQ(dialogTypes.size(), 2);
    EXPECT_TRUE(dialogTypes.at(0).endsWith(QStringLiteral("(*.png)")));
    EXPECT_TRUE(dialogTypes.at(1).endsWith(QStringLiteral("(*.svg)")));
    ASSERT_EQ(entries(), QStringList{QStringLiteral("gràfica.png")});
    QImage png;
    ASSERT_TRUE(png.load(path("gràfica.png"), "PNG"));
    EXPECT_EQ(png.size(), picture.size * pixelRatio());
    EXPECT_TRUE(reports.empty());

    // The curve's top is red, at its height in the picture, and the labels are inked.
    const double SH = form->Dibu->scaleHeight();
    const double apexRow = (picture.plot.top() + (SH - 49.438775510204) / SH * picture.plot.height()) * pixelRatio();
    int red = 0;
    for (int y = static_cast<int>(apexRow) - 3; y <= static_cast<int>(apexRow) + 3; ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QColor c = png.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 120 && c.blue() < 120;
        }
    }
    EXPECT_GT(red, 0);
    for (const QLabel *label : {form->lblx[13], form->blbt[12], form->findChild<QLabel *>(QStringLiteral("Label27"))}) {
        const auto text = std::find_if(picture.texts.begin(), picture.texts.end(),
                                       [label](const auto &t) { return t.text == label->text(); });
        ASSERT_NE(text, picture.texts.end()) << label->text().toStdString();
        const QRect inPng(text->rect.topLeft() * pixelRatio(), text->rect.size() * pixelRatio());
        int dark = 0;
        for (int y = inPng.top(); y <= inPng.bottom(); ++y) {
            for (int x = inPng.left(); x <= inPng.right(); ++x) {
                dark += qGray(png.pixel(x, y)) < 128;
            }
        }
        EXPECT_GT(dark, 3) << label->text().toStdString();
    }
}

TEST_F(GraphMenuTest, SavedSvgParsesWithItsCurvesTickLabelsAndUnits)
{
    choose(form->mnuSuperposa);
    calculateAt("30");
    calculateAt("60");
    saveGraph(1, path("grafica"));
    ASSERT_EQ(entries(), QStringList{QStringLiteral("grafica.svg")});
    EXPECT_TRUE(QSvgRenderer(path("grafica.svg")).isValid());

    QFile file(path("grafica.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    QStringList texts;
    QString viewBox;
    int polylines = 0, images = 0;
    std::set<QString> strokes;
    QString stroke;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (svg.attributes().hasAttribute(QStringLiteral("stroke"))) {
            stroke = svg.attributes().value(QStringLiteral("stroke")).toString();
        }
        if (svg.name() == QStringLiteral("svg")) {
            viewBox = svg.attributes().value(QStringLiteral("viewBox")).toString();
        } else if (svg.name() == QStringLiteral("text")) {
            texts << svg.readElementText().trimmed();
        } else if (svg.name() == QStringLiteral("polyline")) {
            ++polylines;
            strokes.insert(stroke);
        } else if (svg.name() == QStringLiteral("image")) {
            ++images;
        }
    }
    ASSERT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    const trayecta::GraphPicture picture = form->graphPicture();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 %1 %2").arg(picture.size.width()).arg(picture.size.height()));
    EXPECT_EQ(images, 0) << "vectors, no embedded image";
    EXPECT_GE(polylines, 3);
    // The kept curve in grey, the last in black with its red top.
    EXPECT_TRUE(strokes.count(QStringLiteral("#a8a8a8")));
    EXPECT_TRUE(strokes.count(QStringLiteral("#000000")));
    EXPECT_TRUE(strokes.count(QStringLiteral("#ff0000")));
    for (const QString &text :
         {form->lblx[0]->text(), form->lblx[13]->text(), form->blbt[0]->text(), form->blbt[12]->text(),
          QStringLiteral("m"), QStringLiteral("s"), QStringLiteral("0")}) {
        EXPECT_TRUE(texts.contains(text)) << text.toStdString();
    }
}

TEST_F(GraphMenuTest, CopyPutsTheSavedPictureOnTheClipboard)
{
    choose(form->mnuSuperposa);
    calculateAt("45");
    calculateAt("60");
    saveGraph(0, path("grafica.png"));
    QImage saved;
    ASSERT_TRUE(saved.load(path("grafica.png")));
    QGuiApplication::clipboard()->clear();
    choose(form->mnuCopiaGrafica);
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), form->graphPicture().size * pixelRatio());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));
}

TEST_F(GraphMenuTest, ExportWritesThePointsOfTheStartUpProblem)
{
    calculate();
    answerFileDialog(0, path("punts"));
    choose(form->mnuExportaPunts);
    EXPECT_EQ(dialogTitle, QStringLiteral("Exporta els punts (CSV)"));
    ASSERT_EQ(entries(), QStringList{QStringLiteral("punts.csv")});
    QFile file(path("punts.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QList<QByteArray> rows = csv.split('\n');
    ASSERT_EQ(rows.takeLast(), QByteArray()) << "the last row ends the file";
    ASSERT_EQ(rows.size(), 1 + 4371);
    EXPECT_EQ(rows[0], QByteArray("t (s),x (m),y (m)\r"));
    EXPECT_EQ(rows[1], QByteArray("0,0,15\r"));
    EXPECT_EQ(rows[2], QByteArray("0.00133333333333333,0.02,15.0346323050403\r"));
    double lastT = -1.0;
    for (int k = 1; k < rows.size(); ++k) {
        const QList<QByteArray> values = rows[k].chopped(1).split(',');
        ASSERT_EQ(values.size(), 3) << k;
        bool ok = false;
        const double t = values[0].toDouble(&ok);
        ASSERT_TRUE(ok) << k;
        ASSERT_NEAR(t, (k - 1) / 750.0, 1e-13) << k;
        lastT = t;
    }
    const double T = 5.82750274959999;
    EXPECT_LE(lastT, T);
    EXPECT_LT(T - lastT, 1.0 / 750.0);
    EXPECT_TRUE(reports.empty());
}

TEST_F(GraphMenuTest, ExportIsOfferedOnlyWhileACurveIsShown)
{
    const struct {
        const char *after;
        std::function<void()> action;
        bool offered;
    } steps[] = {
        {"start-up", [] {}, false},
        {"a calculation", [this] { calculate(); }, true},
        {"a calculation without graph keeps the curve",
         [this] {
             form->Check1->setChecked(true);
             calculate();
             form->Check1->setChecked(false);
         },
         true},
        {"Es&borrar", [this] { QTest::mouseClick(form->cmdborrar, Qt::LeftButton); }, false},
        {"another calculation", [this] { calculate(); }, true},
        {"a failed calculation",
         [this] {
             form->txtaccelinicial[1]->setText(QStringLiteral("0"));
             calculate();
         },
         false},
    };
    for (const auto &step : steps) {
        step.action();
        rightClickGraph();
        EXPECT_EQ(form->mnuExportaPunts->isEnabled(), step.offered) << step.after;
        EXPECT_TRUE(form->mnuDesaGrafica->isEnabled()) << step.after;
        EXPECT_TRUE(form->mnuCopiaGrafica->isEnabled()) << step.after;
        QTest::keyClick(form->mnuDibu, Qt::Key_Escape);
    }
}

// Tests run as root, who may write into any folder: the export is made to fail
// by naming a folder that is a regular file.
TEST_F(GraphMenuTest, ExportThatCannotBeWrittenIsReportedAndWritesNothing)
{
    calculate();
    const QImage drawn = form->Dibu->drawing();
    QFile plain(path("fitxer.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("text");
    plain.close();
    const QString target = path("fitxer.txt") + QStringLiteral("/punts.csv");
    answerFileDialog(0, target);
    choose(form->mnuExportaPunts);

    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].title, QStringLiteral("Error"));
    EXPECT_EQ(reports[0].text, QStringLiteral("Impossible exportar els punts.\r\nTipo de error: no s'ha pogut "
                                              "escriure «%1»: una part del camí no és una carpeta.")
                                   .arg(target));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("fitxer.txt")});
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), QByteArray("text"));
    // A failed export is no failed calculation: the graph and the button stay.
    EXPECT_EQ(form->Dibu->drawing(), drawn);
    EXPECT_TRUE(form->cmdcalcular->isEnabled());
}

// The problem sheet, saved from the menu as a user saves it: one A4 page whose
// text holds the window's texts exactly; the student's sheet keeps the
// statement and the data and has no number after them.
TEST_F(GraphMenuTest, SavedSheetsHoldTheWindowsTextsOnOneA4Page)
{
    orvalis::handoutToday = [] { return QDate(2026, 12, 9); };
    form->mnuProblema[0]->trigger();
    ASSERT_TRUE(reports.empty());
    const QLineEdit *answers[] = {form->txtrfinal, form->txtvfinal,    form->txtalcance,   form->txtvuelo, form->txtmin,
                                  form->txtaltura, form->txtvimpactox, form->txtvimpactoy, form->txtmodulo};
    const QString statement = QString::fromUtf8(trayecta::exampleProblems()[0].statement).simplified();
    const struct {
        QAction *item;
        const char *typed, *written;
        bool answered;
    } sheets[] = {{form->mnuDesaPdf, "solucio.pdf", "solucio.pdf", true},
                  {form->mnuFullAlumne, "alumne", "alumne.pdf", false}};
    for (const auto &sheet : sheets) {
        SCOPED_TRACE(sheet.written);
        answerFileDialog(0, path(sheet.typed));
        choose(sheet.item);
        const PdfFacts pdf = pdfFacts(path(sheet.written));
        EXPECT_EQ(pdf.pages, 1);
        EXPECT_TRUE(pdf.pageSize.endsWith(QStringLiteral("(A4)"))) << pdf.pageSize.toStdString();
        const QString text = pdf.text.simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("9 de desembre de 2026"))) << text.toStdString();
        EXPECT_TRUE(text.contains(statement)) << text.toStdString();
        for (const QLineEdit *given : {form->txtrx0, form->txtry0, form->txtvinicial, form->txtaccelinicial[1]}) {
            EXPECT_TRUE(text.contains(given->text())) << given->objectName().toStdString();
        }
        const QString afterData = text.mid(text.indexOf(QStringLiteral("Equacions del moviment")));
        EXPECT_TRUE(afterData.contains(QStringLiteral("Altura màxima:")));
        for (const QLineEdit *answer : answers) {
            EXPECT_EQ(afterData.contains(answer->text().simplified() + QLatin1Char(' ')), sheet.answered)
                << answer->objectName().toStdString() << " " << answer->text().toStdString();
        }
        if (!sheet.answered) {
            EXPECT_FALSE(afterData.contains(QRegularExpression(QStringLiteral("[0-9]")))) << afterData.toStdString();
        }
    }
    EXPECT_EQ(dialogTitle, QStringLiteral("Full de l'alumne"));
    EXPECT_EQ(dialogTypes, QStringList{QStringLiteral("Document PDF (*.pdf)")});
}
