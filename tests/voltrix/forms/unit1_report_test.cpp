// The experiment's report, saved from "Ficheros" as a user saves it: one A4
// page whose text holds the set-up, the quantities as "Magnitudes" shows them
// and, for a classic experiment, its name and guide; the view in it is drawn
// anew at print resolution; a file that cannot be written is reported.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QProcess>

#include "common/Handout.h"
#include "tests/support/PdfText.h"
#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/ClassicExperiments.h"
#include "voltrix/core/ExperimentReport.h"
#include "voltrix/forms/UnitGraficas.h"
#include "voltrix/forms/UnitMagnitudes.h"

using namespace voltrix_test;

namespace {

using Report = VoltrixWindowsInFolder;

// The widest picture in the PDF, in its own pixels (pdfimages lists them).
int widestImage(const QString &path)
{
    QProcess list;
    list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    list.waitForFinished(30000);
    int widest = 0;
    for (const QString &line : QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n')).mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        if (fields.size() > 4)
            widest = std::max(widest, fields[3].toInt());
    }
    return widest;
}

TEST_F(Report, SavedReportHoldsTheSetUpTheQuantitiesAndTheGuideOnOneA4Page)
{
    EXPECT_EQ(Form1->Ficheros->menu()->actions(),
              (QList<QAction *>{Form1->Cargar, Form1->Grabar, Form1->ExportarDatos, Form1->Imprimir,
                                Form1->GuardarInforme, Form1->Fin1}));
    orvalis::handoutToday = [] { return QDate(2026, 12, 9); };
    const ClassicExperiment &classic = classicExperiments()[1];
    const struct {
        const char *name;
        bool classic, graphs;
    } reports[] = {{"informe-pasos.pdf", false, false}, {"informe-clasica.pdf", true, true}};
    for (const auto &r : reports) {
        SCOPED_TRACE(r.name);
        if (r.classic)
            Form1->ExperienciasItems[1]->trigger();
        if (r.graphs)
            Form1->Graficas1->trigger();
        step(25);
        if (!FormMagnitudes->isVisible())
            Form1->Magnitudes1->trigger();
        QApplication::processEvents();
        {
            ModalAnswers answers(pathOf(r.name));
            Form1->GuardarInforme->trigger();
            EXPECT_EQ(answers.dialogTitle, QStringLiteral("Guardar informe (PDF)"));
        }
        const PdfFacts pdf = pdfFacts(pathOf(r.name));
        EXPECT_EQ(pdf.pages, 1);
        EXPECT_TRUE(pdf.pageSize.endsWith(QStringLiteral("(A4)"))) << pdf.pageSize.toStdString();
        const QString text = pdf.text.simplified();
        EXPECT_TRUE(text.contains(QStringLiteral("9 de diciembre de 2026"))) << text.toStdString();
        for (const ReportRow &row : setUpRows(Sim))
            EXPECT_TRUE(text.contains(QString::fromStdString(row.label + " " + row.value))) << row.label;
        EXPECT_TRUE(text.contains(QStringLiteral("Tiempo t ") + Form1->EditT->text() + QStringLiteral(" s")));
        for (int i = 0; i < kMagnitudeBoxes; ++i) {
            const QString shown = FormMagnitudes->box(static_cast<MagnitudeBox>(i))->text();
            EXPECT_TRUE(text.contains(QStringLiteral(") ") + shown)) << i << " " << shown.toStdString();
        }
        EXPECT_EQ(text.contains(QString::fromUtf8(classic.title)), r.classic);
        EXPECT_EQ(text.contains(QString::fromUtf8(classic.question).simplified()), r.classic);
        EXPECT_EQ(text.contains(FormGraficas->ComboMagnitud->currentText() + QStringLiteral(" ")), r.graphs);
        // Drawn for the paper: at least three times the screen's pixels across.
        EXPECT_GE(widestImage(pathOf(r.name)), 3 * Form1->Xc3DWorld->width());
    }
}

TEST_F(Report, TheViewDrawnAnewAtTheScreensRatioIsTheFrameOnTheScreen)
{
    step(40);
    TXc3DWorld *view = Form1->Xc3DWorld;
    EXPECT_EQ(view->frameImage(view->devicePixelRatioF()), view->bitmapImage());
}

TEST_F(Report, AReportThatCannotBeWrittenIsReportedAndWritesNothing)
{
    QFile plain(pathOf("fichero.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    ModalAnswers answers(pathOf("fichero.txt") + QStringLiteral("/informe.pdf"));
    Form1->GuardarInforme->trigger();
    ASSERT_EQ(answers.messages.size(), 1);
    EXPECT_TRUE(answers.messages[0].contains(QStringLiteral("informe.pdf"))) << answers.messages[0].toStdString();
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("fichero.txt")});
}

} // namespace
