// The graph area's menu: overlaying trajectories to compare them, saving and
// copying a picture of the graph, and exporting the points of the shown curve.
// The arithmetic (which points, their table, where earlier curves lie in a new
// scale) is in the core; here the menu only gathers and hands things over.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QRadioButton>

#include "common/CoreText.h"
#include "common/FileToWrite.h"
#include "common/Language.h"
#include "trayecta/core/ExampleProblems.h"
#include "trayecta/core/TrajectoryExport.h"
#include "trayecta/core/WholeFile.h"
#include "trayecta/forms/CurveFollower.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/FormEnunciat.h"
#include "trayecta/forms/GraphArea.h"
#include "trayecta/forms/GraphAreaPicture.h"

namespace trayecta {

namespace {

// Room around the labels at the picture's edges.
constexpr int kPictureMargin = 4;

// Translated where the dialog opens, in the window's context.
//: file type in the save dialog
constexpr const char *kPngFilter = QT_TRANSLATE_NOOP("trayecta::FORM1", "Imatge PNG (*.png)");
//: file type in the save dialog
constexpr const char *kSvgFilter = QT_TRANSLATE_NOOP("trayecta::FORM1", "Imatge vectorial SVG (*.svg)");
//: file type in the save dialog
constexpr const char *kCsvFilter = QT_TRANSLATE_NOOP("trayecta::FORM1", "Valors separats per comes (*.csv)");
//: the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens
constexpr const char *kSuggestedName = QT_TRANSLATE_NOOP("trayecta::FORM1", "trajectoria");

QString windowText(const char *text) { return QCoreApplication::translate("trayecta::FORM1", text); }

// The font the label is really drawn in, named so that a picture opened
// elsewhere asks for a face that exists rather than the design's.
QFont drawnFont(const QFont &font)
{
    const QFontInfo info(font);
    QFont drawn(info.family());
    drawn.setPixelSize(info.pixelSize());
    drawn.setStyle(info.style());
    drawn.setWeight(static_cast<QFont::Weight>(info.weight()));
    return drawn;
}

std::string localPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

} // namespace

void FORM1::buildGraphMenu()
{
    mnuDibu = new QMenu(this);
    mnuDibu->setObjectName(QStringLiteral("mnuDibu"));
    //: graph menu item, checkable: keep the earlier curves under the new one
    mnuSuperposa = mnuDibu->addAction(tr("Superposa les trajectòries"));
    mnuSuperposa->setObjectName(QStringLiteral("mnuSuperposa"));
    mnuSuperposa->setCheckable(true);
    mnuDibu->addSeparator();
    //: graph menu item: save a picture of the graph
    mnuDesaGrafica = mnuDibu->addAction(tr("Desa la gràfica…"));
    mnuDesaGrafica->setObjectName(QStringLiteral("mnuDesaGrafica"));
    //: graph menu item: copy a picture of the graph to the clipboard
    mnuCopiaGrafica = mnuDibu->addAction(tr("Copia la gràfica"));
    mnuCopiaGrafica->setObjectName(QStringLiteral("mnuCopiaGrafica"));
    //: graph menu item: save the curve's points as a CSV file
    mnuExportaPunts = mnuDibu->addAction(tr("Exporta els punts (CSV)…"));
    mnuExportaPunts->setObjectName(QStringLiteral("mnuExportaPunts"));

    mnuDibu->addSeparator();
    //: graph submenu holding the example problems
    QMenu *problems = mnuDibu->addMenu(tr("Problemes d'exemple"));
    mnuProblemes = problems->menuAction();
    mnuProblemes->setObjectName(QStringLiteral("mnuProblemes"));
    const std::vector<ExampleProblem> &all = exampleProblems();
    for (std::size_t i = 0; i < all.size(); ++i) {
        QAction *item =
            problems->addAction(QString::fromStdString(orvalis::coreText("trayecta::ExampleProblems", all[i].title)));
        mnuProblema.push_back(item);
        connect(item, &QAction::triggered, this, [this, i] { mnuProblema_Click(static_cast<int>(i)); });
    }
    frmEnunciat = new FormEnunciat(this);
    mnuDibu->addSeparator();
    //: graph menu item: the ball flies along the drawn curve
    mnuAnima = mnuDibu->addAction(tr("Anima el llançament"));
    mnuAnima->setObjectName(QStringLiteral("mnuAnima"));
    connect(mnuAnima, &QAction::triggered, this, &FORM1::mnuAnima_Click);
    mnuDibu->addSeparator();
    //: graph menu item (verb): print the problem sheet
    mnuImprimeix = mnuDibu->addAction(tr("Imprimeix…"));
    mnuImprimeix->setObjectName(QStringLiteral("mnuImprimeix"));
    //: graph menu item: save the problem sheet as PDF
    mnuDesaPdf = mnuDibu->addAction(tr("Desa com a PDF…"));
    mnuDesaPdf->setObjectName(QStringLiteral("mnuDesaPdf"));
    //: graph menu item: save the student's sheet (without results) as PDF
    mnuFullAlumne = mnuDibu->addAction(tr("Full de l'alumne…"));
    mnuFullAlumne->setObjectName(QStringLiteral("mnuFullAlumne"));
    connect(mnuImprimeix, &QAction::triggered, this, &FORM1::mnuImprimeix_Click);
    connect(mnuDesaPdf, &QAction::triggered, this, &FORM1::mnuDesaPdf_Click);
    connect(mnuFullAlumne, &QAction::triggered, this, &FORM1::mnuFullAlumne_Click);
    mnuDibu->addSeparator();
    //: graph menu: a submenu listing the languages of the program
    orvalis::addLanguageMenu(mnuDibu, tr("Llengua"),
                             //: said after choosing another language in the graph menu
                             tr("La llengua triada s'aplicarà la propera vegada que obriu Trayecta."));
    // The sheet names the example problem only while its data stand unedited.
    for (const KeyHandler &h : keyHandlers_) {
        if (h.field != txtkmh) {
            connect(h.field, &QLineEdit::textEdited, this, [this] { exampleShown_.reset(); });
        }
    }

    connect(mnuSuperposa, &QAction::toggled, this, &FORM1::mnuSuperposa_Click);
    connect(mnuDesaGrafica, &QAction::triggered, this, &FORM1::mnuDesaGrafica_Click);
    connect(mnuCopiaGrafica, &QAction::triggered, this, &FORM1::mnuCopiaGrafica_Click);
    connect(mnuExportaPunts, &QAction::triggered, this, &FORM1::mnuExportaPunts_Click);
    connect(Dibu, &GraphArea::menuRequested, this, &FORM1::Dibu_ContextMenu);
}

void FORM1::Dibu_ContextMenu(QPoint at)
{
    // Where the platform sends both a menu event and the menu key, one menu opens.
    if (mnuDibu->isVisible()) {
        return;
    }
    mnuExportaPunts->setEnabled(overlay_.shown().has_value());
    mnuAnima->setEnabled(overlay_.shown().has_value());
    mnuDibu->popup(Dibu->mapToGlobal(at));
}

void FORM1::mnuProblema_Click(int Index)
{
    const ExampleProblem &problem = exampleProblems().at(static_cast<std::size_t>(Index));
    // The way the velocity is given first: selecting it enables its fields.
    if (problem.mode == VelocityMode::Components) {
        opt1->setChecked(true);
    } else {
        opt2->setChecked(true);
        opta->setChecked(true);
    }
    showInputTexts(problem.inputs);
    exampleShown_ = static_cast<std::size_t>(Index);
    Cmdcalcular_Click();
    frmEnunciat->showStatement(
        QString::fromStdString(orvalis::coreText("trayecta::ExampleProblems", problem.title)),
        QString::fromStdString(orvalis::coreText("trayecta::ExampleProblems", problem.statement)));
}

void FORM1::mnuAnima_Click()
{
    if (overlay_.shown()) {
        follower_->animate();
    }
}

void FORM1::mnuSuperposa_Click()
{
    if (mnuSuperposa->isChecked() || overlay_.earlier().empty()) {
        return;
    }
    // The grey curves go; the shown curve is drawn again alone, in its own scale.
    if (overlay_.shown()) {
        const TrajectoryInputs inputs = overlay_.shown()->inputs;
        drawTrajectory(inputs);
    } else {
        overlay_.dropEarlier();
    }
}

void FORM1::mnuDesaGrafica_Click()
{
    int chosen = 0;
    //: title of the save dialog for the graph's picture
    const QString path = chooseFileToWrite(tr("Desa la gràfica"), {windowText(kPngFilter), windowText(kSvgFilter)},
                                           {QStringLiteral("png"), QStringLiteral("svg")},
                                           windowText(kSuggestedName) + QStringLiteral(".png"), &chosen);
    if (path.isEmpty()) {
        return;
    }
    const PictureFormat format =
        pictureFormatFor(path.toStdString(), chosen == 1 ? PictureFormat::Svg : PictureFormat::Png);
    const GraphPicture picture = graphPicture();
    const QByteArray bytes = format == PictureFormat::Svg ? graphPictureSvg(picture, Dibu->logicalDpiX())
                                                          : graphPicturePng(picture, Dibu->devicePixelRatioF());
    if (const auto failure = writeWholeFile(localPath(path), std::string_view(bytes.constData(), bytes.size()))) {
        //: first line of the failure box when the graph's picture could not be saved
        reportFileFailure(tr("Impossible desar la gràfica."), *failure);
    }
}

void FORM1::mnuCopiaGrafica_Click()
{
    QGuiApplication::clipboard()->setImage(graphPictureImage(graphPicture(), Dibu->devicePixelRatioF()));
}

void FORM1::mnuExportaPunts_Click()
{
    if (!overlay_.shown()) {
        return;
    }
    //: title of the save dialog for the curve's points
    const QString path =
        chooseFileToWrite(tr("Exporta els punts (CSV)"), {windowText(kCsvFilter)}, {QStringLiteral("csv")},
                          windowText(kSuggestedName) + QStringLiteral(".csv"), nullptr);
    if (path.isEmpty()) {
        return;
    }
    const std::optional<std::string> csv = pointsCsv(overlay_.shown()->inputs);
    if (!csv) {
        return;
    }
    if (const auto failure = writeWholeFile(localPath(path), *csv)) {
        //: first line of the failure box when the curve's points could not be saved
        reportFileFailure(tr("Impossible exportar els punts."), *failure);
    }
}

QString FORM1::chooseFileToWrite(const QString &title, const QStringList &filters, const QStringList &suffixes,
                                 const QString &name, int *chosenFilter)
{
    const orvalis::FileToWrite chosen =
        orvalis::chooseFileToWrite(this, title, filters, suffixes, name, lastFolder_, QDir::homePath());
    if (chosenFilter)
        *chosenFilter = chosen.chosenFilter;
    return chosen.path;
}

void FORM1::reportFileFailure(const QString &whatFailed, const std::string &description)
{
    //: the failure box: %1 is what could not be done, %2 why; keep the line break (CR LF). "Tipo de error" is
    //: Spanish in the original.
    showFailureBox(tr("%1\r\nTipo de error: %2").arg(whatFailed, QString::fromStdString(description)));
}

GraphPicture FORM1::graphPicture() const
{
    std::vector<const QLabel *> labels(lblx.begin(), lblx.end());
    labels.insert(labels.end(), blbt.begin(), blbt.end());
    labels.push_back(lblescalay);
    labels.push_back(lblescalax);
    for (const char *unit : {"Label23", "Label27"}) { // "m" by the heights, "s" by the times
        labels.push_back(findChild<QLabel *>(QString::fromUtf8(unit)));
    }

    // Everything that belongs to the graph, in the window's pixels.
    const QRect plot = Dibu->contentsRect().translated(Dibu->pos());
    QRect bounds = Dibu->geometry();
    std::vector<QLine> ticks;
    for (std::size_t i = firstGraphTick_; i < lines_.size(); ++i) {
        const LineShape &l = lines_[i];
        ticks.emplace_back(l.x1, l.y1, l.x2, l.y2);
        bounds |= QRect(QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)).normalized();
    }
    for (const QLabel *label : labels) {
        if (label && !label->text().isEmpty()) {
            bounds |= label->geometry();
        }
    }
    bounds.adjust(-kPictureMargin, -kPictureMargin, kPictureMargin, kPictureMargin);
    const QPoint origin = bounds.topLeft();

    GraphPicture picture;
    picture.size = bounds.size();
    picture.plot = plot.translated(-origin);
    picture.scale = {Dibu->scaleLeft(), Dibu->scaleWidth(), Dibu->scaleHeight()};
    if (const std::optional<DrawnCurve> &shown = overlay_.shown()) {
        picture.earlierCurves = overlay_.earlierPlacedIn(shown->startX, picture.scale.height);
        picture.curve = placedIn(*shown, shown->startX, picture.scale.height);
    }
    for (QLine &tick : ticks) {
        tick.translate(-origin);
    }
    picture.ticks = std::move(ticks);
    for (const QLabel *label : labels) {
        if (label && !label->text().isEmpty()) {
            picture.texts.push_back(
                {label->geometry().translated(-origin), drawnFont(label->font()), label->alignment(), label->text()});
        }
    }
    return picture;
}

} // namespace trayecta
