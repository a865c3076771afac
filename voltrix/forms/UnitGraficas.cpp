#include "voltrix/forms/UnitGraficas.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "common/DesignFonts.h"
#include "common/FileToWrite.h"
#include "voltrix/forms/ExperimentDialogs.h"
#include "voltrix/forms/RunPlot.h"

namespace voltrix {

TFormGraficas *FormGraficas = nullptr;

namespace {

// Below the quantities window, right of the help window.
constexpr int kLeft = 610, kTop = 330;
constexpr int kFontPixels = 11;

// In the order of GraphChoice.
const char *const kChoices[kGraphChoices] = {
    "Posición (x, y, z)",
    "Velocidad (vx, vy, vz)",
    "Aceleración (ax, ay, az)",
    "Rapidez y aceleración (|v|, |a|)",
    "Energía (cinética, potencial, total)",
};

const QString kPngFilter = QStringLiteral("Imagen PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Imagen vectorial SVG (*.svg)");
const QString kCsvFilter = QStringLiteral("Datos CSV (*.csv)");

QString pointerHint() { return QStringLiteral("Pasa el ratón sobre la gráfica para leer sus valores."); }

// What the plot follows: the run grows, restarts, or is shown in another unit.
constexpr Experiment::Changes kFollowed = Experiment::Stepped | Experiment::RunRestarted | Experiment::Unit
                                          | Experiment::Position | Experiment::Velocity | Experiment::Electric
                                          | Experiment::Magnetic | Experiment::Charge | Experiment::Region;

} // namespace

TFormGraficas::TFormGraficas(Experiment &experiment, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
{
    setWindowTitle(QStringLiteral("Gráficas"));
    move(kLeft, kTop);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    LabelMagnitud = new QLabel(QStringLiteral("Magnitud:"), this);
    ComboMagnitud = new QComboBox(this);
    for (const char *choice : kChoices)
        ComboMagnitud->addItem(QString::fromUtf8(choice));
    LabelMagnitud->setBuddy(ComboMagnitud);
    Grafica = new RunPlot(experiment_.run(), this);
    Grafica->setAccessibleName(QStringLiteral("Gráfica frente al tiempo"));
    describePlot();
    LabelLectura = new QLabel(pointerHint(), this);
    LabelLectura->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelLectura->setWordWrap(true);
    LabelLectura->setMinimumHeight(2 * LabelLectura->fontMetrics().height());

    auto *choiceRow = new QHBoxLayout;
    choiceRow->addWidget(LabelMagnitud);
    choiceRow->addWidget(ComboMagnitud, 1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addLayout(choiceRow);
    column->addWidget(Grafica, 1);
    column->addWidget(LabelLectura);

    MenuGrafica = new QMenu(this);
    GuardarGrafica = MenuGrafica->addAction(QStringLiteral("Guardar gráfica…"));
    CopiarGrafica = MenuGrafica->addAction(QStringLiteral("Copiar gráfica"));
    ExportarDatosGrafica = MenuGrafica->addAction(QStringLiteral("Exportar datos de la gráfica (CSV)…"));

    connect(ComboMagnitud, &QComboBox::currentIndexChanged, this, &TFormGraficas::ComboMagnitudChange);
    connect(Grafica, &RunPlot::pointerMoved, this, &TFormGraficas::GraficaMouseMove);
    connect(Grafica, &RunPlot::menuRequested, this, &TFormGraficas::GraficaContextMenu);
    connect(GuardarGrafica, &QAction::triggered, this, &TFormGraficas::GuardarGraficaClick);
    connect(CopiarGrafica, &QAction::triggered, this, &TFormGraficas::CopiarGraficaClick);
    connect(ExportarDatosGrafica, &QAction::triggered, this, &TFormGraficas::ExportarDatosGraficaClick);
    connect(&experiment_, &Experiment::changed, this, &TFormGraficas::showChanges);
    resize(440, 360);
}

void TFormGraficas::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Hidden, the window followed nothing: everything is gathered afresh.
    Grafica->follow(experiment_.state().unit, true);
    showReading();
}

void TFormGraficas::showChanges(Experiment::Changes what)
{
    if (!isVisible() || !(what & kFollowed))
        return;
    Grafica->follow(experiment_.state().unit, (what & Experiment::RunRestarted) != 0);
    showReading();
}

void TFormGraficas::ComboMagnitudChange()
{
    Grafica->setChoice(static_cast<GraphChoice>(ComboMagnitud->currentIndex()), experiment_.state().unit);
    describePlot();
    showReading();
}

void TFormGraficas::GraficaMouseMove(QPoint at)
{
    pointer_ = at;
    showReading();
}

void TFormGraficas::showReading()
{
    const std::optional<double> t = Grafica->timeAt(pointer_);
    const RunRecorder &run = experiment_.run();
    const std::optional<std::size_t> row = t ? rowNearest(run, *t) : std::nullopt;
    if (!row) {
        LabelLectura->setText(pointerHint());
        return;
    }
    const GraphData &graph = Grafica->data();
    const SeriesValues values = seriesValues(run.row(*row), run.fields(*row), run.unit());
    QStringList parts{QStringLiteral("t = %1 s").arg(QString::fromStdString(graphValueText(run.row(*row).t)))};
    for (const GraphCurve &curve : graph.curves()) {
        const double value =
            values[static_cast<std::size_t>(curve.series)] * seriesFactor(curve.series, run.unit(), graph.unit());
        parts << QStringLiteral("%1 = %2 %3")
                     .arg(QString::fromUtf8(curve.name), QString::fromStdString(graphValueText(value)),
                          QString::fromStdString(seriesUnit(curve.series, graph.unit())));
    }
    LabelLectura->setText(parts.join(QStringLiteral("   ")));
}

void TFormGraficas::GraficaContextMenu(QPoint at)
{
    // Where the platform sends both a menu event and the menu key, one menu opens.
    if (MenuGrafica->isVisible())
        return;
    ExportarDatosGrafica->setEnabled(!experiment_.run().empty());
    MenuGrafica->popup(Grafica->mapToGlobal(at));
}

QImage TFormGraficas::graphImage(qreal pixelRatio) const
{
    QImage image(Grafica->size() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    QPainter painter(&image);
    paintPlot(painter, QRectF(QPointF(0, 0), Grafica->size()), Grafica->data());
    return image;
}

QByteArray TFormGraficas::graphSvg() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(Grafica->size());
    generator.setViewBox(QRect(QPoint(0, 0), Grafica->size()));
    generator.setResolution(Grafica->logicalDpiX());
    generator.setTitle(QStringLiteral("Voltrix"));
    generator.setDescription(ComboMagnitud->currentText());
    {
        QPainter painter(&generator);
        paintPlot(painter, QRectF(QPointF(0, 0), Grafica->size()), Grafica->data());
    }
    return bytes;
}

void TFormGraficas::describePlot()
{
    Grafica->setAccessibleDescription(ComboMagnitud->currentText()
                                      + QStringLiteral(" frente al tiempo desde el último Inicia, Cargar o Recuperar; "
                                                       "la lectura bajo el ratón da t y el valor de cada curva"));
}

orvalis::HandoutFigure TFormGraficas::printedGraph() const
{
    const QSizeF shown = Grafica->size();
    const GraphData *plotted = &Grafica->data();
    return {ComboMagnitud->currentText(), shown, [shown, plotted](QPainter &painter, const QRectF &box) {
                // Vectors, scaled from the plot as it stands on the screen.
                painter.translate(box.topLeft());
                painter.scale(box.width() / shown.width(), box.height() / shown.height());
                paintPlot(painter, QRectF(QPointF(0, 0), shown), *plotted);
            }};
}

void TFormGraficas::GuardarGraficaClick()
{
    const orvalis::FileToWrite chosen =
        orvalis::chooseFileToWrite(this, QStringLiteral("Guardar gráfica"), {kPngFilter, kSvgFilter},
                                   {QStringLiteral("png"), QStringLiteral("svg")}, QStringLiteral("grafica.png"),
                                   lastFolder_, QDir::currentPath());
    const QString &path = chosen.path;
    if (path.isEmpty())
        return;
    // The name's extension decides; without one, the type chosen.
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
                     || (chosen.chosenFilter == 1 && !path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive));
    QByteArray bytes = svg ? graphSvg() : QByteArray();
    if (!svg) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        graphImage(Grafica->devicePixelRatioF()).save(&buffer, "PNG");
    }
    writeReportingFailure(this, path, bytes);
}

void TFormGraficas::CopiarGraficaClick()
{
    QGuiApplication::clipboard()->setImage(graphImage(Grafica->devicePixelRatioF()));
}

void TFormGraficas::ExportarDatosGraficaClick()
{
    if (experiment_.run().empty())
        return;
    const QString path = orvalis::chooseFileToWrite(this, QStringLiteral("Exportar datos de la gráfica (CSV)"),
                                                    {kCsvFilter}, {QStringLiteral("csv")},
                                                    QStringLiteral("grafica.csv"), lastFolder_, QDir::currentPath())
                             .path;
    if (path.isEmpty())
        return;
    // A million rows take a moment to write.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FileResult result =
        saveGraphCsv(QFile::encodeName(path).toStdString(), experiment_.run(),
                     static_cast<GraphChoice>(ComboMagnitud->currentIndex()), experiment_.state().unit);
    QApplication::restoreOverrideCursor();
    if (!result.ok)
        reportSaveFailure(this, path.toStdString(), result.reason);
}

} // namespace voltrix
