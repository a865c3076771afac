// The experiment's report: one A4 page with the set-up, the quantities, the
// 3D view and, while its window is open, the graph of the run; printed
// through the system's dialog or saved as PDF. A classic experiment adds its
// name and what its guide says.
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <algorithm>

#include "common/FileToWrite.h"
#include "common/Handout.h"
#include "common/Language.h"
#include "voltrix/core/ExperimentReport.h"
#include "voltrix/forms/ExperimentDialogs.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/UnitGraficas.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

namespace {

// The view is drawn for the paper, not copied from the screen.
constexpr qreal kPrintDotsPerInch = 300;
constexpr qreal kPointsPerInch = 72;

QString fromUtf8(const std::string &text) { return QString::fromStdString(text); }

} // namespace

orvalis::Handout TForm1::experimentReport()
{
    orvalis::Handout report;
    report.creator = QStringLiteral("Voltrix");
    report.date = orvalis::handoutDate(orvalis::currentLocale(QStringLiteral("es")));
    if (const ClassicExperiment *classic = experiment_.setUpFrom()) {
        report.title = QCoreApplication::translate("voltrix::ClassicExperiments", classic->title);
        for (const std::string &line : guideSummary(*classic))
            report.paragraphs << fromUtf8(line);
    } else {
        //: the report's title when no classic experiment is set up
        report.title = tr("Partícula cargada en campos eléctrico y magnético");
    }

    //: report heading: the set-up of the experiment (noun)
    orvalis::HandoutSection setUp{tr("Montaje"), {}, false, false};
    for (const ReportRow &row : setUpRows(experiment_.state()))
        setUp.rows.push_back({fromUtf8(row.label), {{{}, fromUtf8(row.value), fromUtf8(row.unit)}}});
    report.sections.push_back(setUp);
    //: report heading: the physical quantities (as the «Magnitudes» window)
    report.sections.push_back({tr("Magnitudes"), FormMagnitudes->printedRows(), false, false});

    TXc3DWorld *view = Xc3DWorld;
    report.figures.push_back(
        //: report figure caption: the 3D view (noun)
        {tr("Vista"), QSizeF(view->size()), [view](QPainter &painter, const QRectF &box) {
             const qreal ratio = kPrintDotsPerInch * box.width() / kPointsPerInch / std::max(1, view->width());
             // Lines and letters: compressed without loss, not blurred as a JPEG.
             painter.setRenderHint(QPainter::LosslessImageRendering);
             painter.drawImage(box, view->frameImage(ratio));
         }});
    if (FormGraficas->isVisible())
        report.figures.push_back(FormGraficas->printedGraph());
    return report;
}

void TForm1::ImprimirClick()
{
    //: the print dialog's title (verb)
    orvalis::printHandoutWithDialog(this, tr("Imprimir"), experimentReport());
}

void TForm1::GuardarInformeClick()
{
    //: the save dialog's title
    const QString title = tr("Guardar informe (PDF)");
    //: file type in the save dialog; keep "(*.pdf)"
    const QString filter = tr("Documento PDF (*.pdf)");
    //: the file name the save dialog suggests; keep ".pdf"
    const QString name = tr("informe.pdf");
    const QString path = orvalis::chooseFileToWrite(this, title, {filter}, {QStringLiteral("pdf")}, name, reportFolder_,
                                                    QDir::currentPath())
                             .path;
    if (path.isEmpty())
        return;
    writeReportingFailure(this, path, orvalis::handoutPdf(experimentReport()));
}

} // namespace voltrix
