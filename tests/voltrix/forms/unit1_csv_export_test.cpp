// "Exportar datos (CSV)…": every step since the last "Inicia", load or
// recall, the unseen steps of the faster speeds too, written through a save
// dialog of its own as the experiment files are, byte for byte the same in
// every locale; with nothing recorded the user is told so.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>

#include <algorithm>
#include <clocale>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/RunRecord.h"
#include "voltrix/forms/ExperimentDialogs.h"

using namespace voltrix_test;

namespace {

class CsvExport : public VoltrixWindowsInFolder {
protected:
    // Chooses "Exportar datos (CSV)…" and answers its dialog with `path`.
    static ModalAnswers *exportTo(const QString &path)
    {
        auto *answers = new ModalAnswers(path);
        Form1->ExportarDatos->trigger();
        return answers;
    }

    static std::string bytesOf(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().toStdString();
    }

    static std::vector<std::string> rowsOf(const std::string &csv)
    {
        std::vector<std::string> rows;
        for (std::size_t start = 0; start < csv.size();) {
            const std::size_t end = csv.find("\r\n", start);
            if (end == std::string::npos)
                break;
            rows.push_back(csv.substr(start, end - start));
            start = end + 2;
        }
        return rows;
    }

    // Time runs on a clock the test moves by hand.
    void advance(int ms)
    {
        for (int elapsed = 0; elapsed < ms; ++elapsed) {
            now_ += std::chrono::milliseconds(1);
            Form1->Clock->poll();
        }
    }

    Nanoseconds now_{std::chrono::seconds(1000)};
};

TEST_F(CsvExport, TheItemSitsBetweenGrabarAndFin)
{
    EXPECT_EQ(Form1->ExportarDatos->text(), QStringLiteral("Exportar datos (CSV)…"));
    EXPECT_EQ(Form1->Ficheros->menu()->actions(),
              (QList<QAction *>{Form1->Cargar, Form1->Grabar, Form1->ExportarDatos, Form1->Imprimir,
                                Form1->GuardarInforme, Form1->Fin1}));

    QFileDialog dialog;
    setUpCsvDialog(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dinamica de una particula cargada"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog.nameFilters(), QStringList{QStringLiteral("Datos CSV (*.csv)")});
    ASSERT_EQ(dialog.selectedFiles().size(), 1);
    EXPECT_TRUE(dialog.selectedFiles().front().endsWith(QStringLiteral("/datos.csv")));
}

TEST_F(CsvExport, NothingRecordedTellsTheUserAndOpensNoDialog)
{
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("datos.csv")));
    EXPECT_EQ(answers->dialogs, 0);
    EXPECT_EQ(answers->messages, QStringList{nothingRecordedText()});
    EXPECT_FALSE(QFile::exists(pathOf("datos.csv")));
    EXPECT_TRUE(nothingRecordedText().startsWith(QStringLiteral("No hay datos que exportar.")));
}

TEST_F(CsvExport, ThreeStepsOfTheStartStateGiveTheHeaderAndFourRows)
{
    step(3);
    Files.NombreFichero = "experimento.exp";
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("tres pasos.csv")));
    EXPECT_EQ(answers->dialogs, 1);
    EXPECT_TRUE(answers->messages.isEmpty()) << answers->messages.join(QLatin1Char('\n')).toStdString();
    const std::vector<std::string> rows = rowsOf(bytesOf(pathOf("tres pasos.csv")));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0], "t (s),x (m),y (m),z (m),vx (m/s),vy (m/s),vz (m/s),ax (m/s^2),ay (m/s^2),az (m/s^2)");
    EXPECT_EQ(rows[1], "0,0,20,40,0,0,50,0,100,0");
    EXPECT_EQ(rows[2], "0.01,0,20.005,40.5,0,1,49.99,0,99.98,-2");
    EXPECT_EQ(rows[3].substr(0, 5), "0.02,");
    EXPECT_EQ(rows[4].substr(0, 5), "0.03,");
    // The experiment files' name is not the export's business.
    EXPECT_EQ(Files.NombreFichero, "experimento.exp");

    // A name typed without its extension gets ".csv".
    answers.reset(exportTo(pathOf("sin extension")));
    EXPECT_EQ(bytesOf(pathOf("sin extension.csv")), bytesOf(pathOf("tres pasos.csv")));
}

TEST_F(CsvExport, CentimetresNameTheirUnitInTheHeader)
{
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    step(1);
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("cm.csv")));
    const std::vector<std::string> rows = rowsOf(bytesOf(pathOf("cm.csv")));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], "t (s),x (cm),y (cm),z (cm),vx (cm/s),vy (cm/s),vz (cm/s),ax (cm/s^2),ay (cm/s^2),az (cm/s^2)");
    // 50 cm/s across 2 T: 100 cm/s².
    EXPECT_EQ(rows[1], "0,0,20,40,0,0,50,0,100,0");
}

TEST_F(CsvExport, EveryStepOfTheTopSpeedIsRecordedTheUnseenOnesToo)
{
    TickClock::setTimeSource([this] { return now_; });
    // The windows read the clock as they are made.
    TearDown();
    SetUp();
    Form1->VelocidadMaxima->trigger();
    Form1->BtnAniStopMouseDown();
    advance(1000);
    Form1->BtnAniStopMouseDown();
    TickClock::setTimeSource({});

    const long steps = std::lround(Sim.t / Sim.dt);
    EXPECT_GT(steps, 900);
    EXPECT_EQ(Recorder.size(), static_cast<std::size_t>(steps) + 1);
    EXPECT_EQ(Recorder.row(Recorder.size() - 1).t, Sim.t);
    EXPECT_EQ(Recorder.row(Recorder.size() - 1).vz, Sim.vz);
    for (std::size_t i = 1; i < Recorder.size(); ++i)
        ASSERT_NEAR(Recorder.row(i).t - Recorder.row(i - 1).t, Sim.dt, 1e-4f) << "row " << i;
}

TEST_F(CsvExport, ARunLongerThanTheBoundKeepsItsLatestRows)
{
    Recorder = RunRecorder(50);
    step(80);
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("largo.csv")));
    const std::vector<std::string> rows = rowsOf(bytesOf(pathOf("largo.csv")));
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_EQ(rows.back().substr(0, rows.back().find(',')), formatShortest(Sim.t));
    EXPECT_EQ(rows[1].substr(0, rows[1].find(',')), formatShortest(Recorder.row(0).t));
    EXPECT_NEAR(Recorder.row(0).t, 31 * 0.01f, 1e-4f); // the start and the first 30 steps are gone
}

TEST_F(CsvExport, IniciaLoadAndRecallStartANewRun)
{
    step(3);
    ASSERT_EQ(Recorder.size(), 4u);
    Form2->BtnIniciaClick();
    EXPECT_TRUE(Recorder.empty());
    step(2);
    EXPECT_EQ(Recorder.size(), 3u);

    // Storing changes nothing; recalling starts afresh from the stored instant.
    QTest::mouseClick(Form2->BtnAlmacenar, Qt::LeftButton);
    EXPECT_EQ(Recorder.size(), 3u);
    step(1);
    QTest::mouseClick(Form2->BtnRecuperar, Qt::LeftButton);
    EXPECT_TRUE(Recorder.empty());
    step(1);
    EXPECT_EQ(Recorder.size(), 2u);
    EXPECT_FLOAT_EQ(Recorder.row(0).t, 0.02f); // the stored time

    // A load that fails reads nothing and keeps the run.
    Files.NombreFichero = pathOf("no existe.exp").toStdString();
    {
        ModalAnswers answers;
        Form1->loadFromFile();
        EXPECT_EQ(answers.messages.size(), 1);
    }
    EXPECT_EQ(Recorder.size(), 2u);
}

TEST_F(CsvExport, ReplacingAFileAsksFirst)
{
    step(2);
    QFile old(pathOf("datos.csv"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("antiguo");
    old.close();
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("datos.csv")));
    // The dialog's own question, answered yes: the file is replaced whole.
    ASSERT_EQ(answers->messages.size(), 1);
    EXPECT_TRUE(answers->messages.front().contains(QStringLiteral("datos.csv")));
    EXPECT_EQ(rowsOf(bytesOf(pathOf("datos.csv"))).size(), 4u);
}

TEST_F(CsvExport, AFailedExportNamesTheFileAndTheReason)
{
    step(2);
    // Tests run as root, who writes in any folder: the folder that cannot be
    // written is a path through a regular file.
    QFile notes(pathOf("notas.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("notas");
    notes.close();
    const QString target = pathOf("notas.txt") + QStringLiteral("/datos.csv");
    std::unique_ptr<ModalAnswers> answers(exportTo(target));
    ASSERT_EQ(answers->messages.size(), 1);
    EXPECT_EQ(answers->messages.front(),
              saveFailureText(target.toStdString(), "una parte de la ruta no es una carpeta"));
    EXPECT_EQ(bytesOf(pathOf("notas.txt")), "notas");
}

TEST_F(CsvExport, AnExportUnderSpanishIsByteIdenticalToOneUnderC)
{
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    typeAndEnter(Form2->EditEz, QStringLiteral("2.5"));
    step(20);
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    std::unique_ptr<ModalAnswers> answers(exportTo(pathOf("c.csv")));
    ASSERT_NE(std::setlocale(LC_ALL, "es_ES.UTF-8"), nullptr) << "the es_ES.UTF-8 locale is not installed";
    answers.reset(exportTo(pathOf("es.csv")));
    std::setlocale(LC_ALL, previous.c_str());

    const std::string c = bytesOf(pathOf("c.csv"));
    EXPECT_EQ(rowsOf(c).size(), 22u);
    EXPECT_EQ(bytesOf(pathOf("es.csv")), c);
    // Decimal points only: ten fields a row, split by nine commas.
    for (const std::string &row : rowsOf(c))
        ASSERT_EQ(std::count(row.begin(), row.end(), ','), 9) << row;
}

} // namespace
