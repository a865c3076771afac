// The graphs window as the user meets it: opened from "Paneles", it follows
// every shown step and "Un paso", reads the curves under the pointer, exports
// what it plots, and starts empty again with "Inicia".
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/forms/RunPlot.h"
#include "voltrix/forms/UnitGraficas.h"

using namespace voltrix_test;

namespace {

using GraphsWindow = VoltrixWindowsInFolder;

TEST_F(GraphsWindow, FollowsTheRunReadsThePointerAndExportsWhatItPlots)
{
    Form1->Graficas1->trigger();
    ASSERT_TRUE(FormGraficas->isVisible());
    EXPECT_TRUE(Form1->Graficas1->isChecked());
    RunPlot *plot = FormGraficas->Grafica;
    EXPECT_TRUE(plot->data().empty());

    step(3);
    Form1->UnPaso->trigger();
    EXPECT_EQ(Recorder.size(), 5u); // the start and four steps
    EXPECT_FALSE(plot->data().empty());
    EXPECT_FLOAT_EQ(plot->data().timeAxis().hi, 0.04f);

    FormGraficas->ComboMagnitud->setCurrentIndex(static_cast<int>(GraphChoice::Energy));
    const QRectF frame = plotFrame(plot->size(), false);
    const QPointF over(frame.right() - 1, frame.center().y());
    QMouseEvent move(QEvent::MouseMove, over, plot->mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    EXPECT_TRUE(FormGraficas->LabelLectura->text().startsWith(QStringLiteral("t = 0.04 s   Ec = 1250")))
        << FormGraficas->LabelLectura->text().toStdString();

    {
        ModalAnswers answers(pathOf("energia.csv"));
        FormGraficas->ExportarDatosGrafica->trigger();
        EXPECT_TRUE(answers.messages.isEmpty());
    }
    QFile exported(pathOf("energia.csv"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().toStdString(), graphCsvText(Recorder, GraphChoice::Energy, LengthUnit::Metre));

    // The picture: a PNG of the plot at the screen's pixel ratio, an SVG
    // whose texts are text, and the same image on the clipboard.
    for (const char *name : {"grafica.png", "grafica.svg"}) {
        ModalAnswers answers(pathOf(name));
        FormGraficas->GuardarGrafica->trigger();
        EXPECT_TRUE(answers.messages.isEmpty());
    }
    const QImage png(pathOf("grafica.png"));
    EXPECT_EQ(png.size(), plot->size() * plot->devicePixelRatioF());
    QFile svg(pathOf("grafica.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("Energía (J)"));
    FormGraficas->CopiarGrafica->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), png.size());

    QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(plot->data().empty());
}

} // namespace
