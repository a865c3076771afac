#include "voltrix/forms/UnitGraficas.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
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
    //: the quantity plotted against time; the curves' symbols in brackets
    QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Posición (x, y, z)"),
    QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Velocidad (vx, vy, vz)"),
    QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Aceleración (ax, ay, az)"),
    //: speed (the size of the velocity) and the size of the acceleration
    QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Rapidez y aceleración (|v|, |a|)"),
    QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Energía (cinética, potencial, total)"),
};

//: file type in the save dialog; keep "(*.png)"
const char *const kPngFilter = QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Imagen PNG (*.png)");
//: file type in the save dialog; keep "(*.svg)"
const char *const kSvgFilter = QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Imagen vectorial SVG (*.svg)");
//: file type in the save dialog; keep "(*.csv)"
const char *const kCsvFilter = QT_TRANSLATE_NOOP("voltrix::TFormGraficas", "Datos CSV (*.csv)");

QString text(const char *marked) { return QCoreApplication::translate("voltrix::TFormGraficas", marked); }

QString pointerHint()
{
    //: the reading under the graph while the pointer is not over it
    return QCoreApplication::translate("voltrix::TFormGraficas",
                                       "Pasa el ratón sobre la gráfica para leer sus valores.");
}

// What the plot follows: the run grows, restarts, or is shown in another unit.
constexpr Experiment::Changes kFollowed = Experiment::Stepped | Experiment::RunRestarted | Experiment::Unit
                                          | Experiment::Position | Experiment::Velocity | Experiment::Electric
                                          | Experiment::Magnetic | Experiment::Charge | Experiment::Region;

} // namespace

TFormGraficas::TFormGraficas(Experiment &experiment, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
{
    //: window title: the graphs (noun, plural)
    setWindowTitle(tr("Gráficas"));
    move(kLeft, kTop);
    setFont(orvalis::designFontPixels(orvalis::DesignFace::MsSansSerif, kFontPixels));

    //: label of the list of quantities to plot (noun)
    LabelMagnitud = new QLabel(tr("Magnitud:"), this);
    ComboMagnitud = new QComboBox(this);
    for (const char *choice : kChoices)
        ComboMagnitud->addItem(text(choice));
    LabelMagnitud->setBuddy(ComboMagnitud);
    Grafica = new RunPlot(experiment_.run(), this);
    Grafica->setAccessibleName(tr("Gráfica frente al tiempo"));
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
    //: context menu of the graph: save it as a picture (verb)
    GuardarGrafica = MenuGrafica->addAction(tr("Guardar gráfica…"));
    //: context menu of the graph: copy it to the clipboard (verb)
    CopiarGrafica = MenuGrafica->addAction(tr("Copiar gráfica"));
    //: context menu of the graph: save its numbers as CSV (verb)
    ExportarDatosGrafica = MenuGrafica->addAction(tr("Exportar datos de la gráfica (CSV)…"));

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
                     .arg(QCoreApplication::translate("voltrix::RunGraph", curve.name),
                          QString::fromStdString(graphValueText(value)),
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
    //: for a screen reader: what the graph shows; %1 is the chosen quantity ("Posición (x, y, z)");
    //: Inicia, Cargar and Recuperar are the captions of a button and of menu items
    Grafica->setAccessibleDescription(tr("%1 frente al tiempo desde el último Inicia, Cargar o Recuperar; la lectura "
                                         "bajo el ratón da t y el valor de cada curva")
                                          .arg(ComboMagnitud->currentText()));
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
        //: the save dialog's title (verb)
        orvalis::chooseFileToWrite(this, tr("Guardar gráfica"), {text(kPngFilter), text(kSvgFilter)},
                                   {QStringLiteral("png"), QStringLiteral("svg")},
                                   //: the file name the save dialog suggests; keep ".png"
                                   tr("grafica.png"), lastFolder_, QDir::currentPath());
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
    //: the save dialog's title
    const QString title = tr("Exportar datos de la gráfica (CSV)");
    //: the file name the save dialog suggests; keep ".csv"
    const QString name = tr("grafica.csv");
    const QString path = orvalis::chooseFileToWrite(this, title, {text(kCsvFilter)}, {QStringLiteral("csv")}, name,
                                                    lastFolder_, QDir::currentPath())
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
