// The charge group, store and recall through "DATOS.exp", the region box, and
// the "Cargar"/"Grabar" dialogs with their failure reports.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <cmath>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/ExperimentFile.h"
#include "voltrix/forms/ExperimentDialogs.h"

using namespace voltrix_test;

namespace panel_test {
namespace {

class ChargeGroup : public VoltrixWindows {
protected:
    // A press held for `ticks` charge-timer events, then released.
    static void hold(QPushButton *button, int ticks, Qt::MouseButton mouse = Qt::LeftButton)
    {
        QTest::mousePress(button, mouse);
        EXPECT_TRUE(Form1->TimeQ->isActive());
        for (int i = 0; i < ticks; ++i)
            Form1->TimeQTimer();
        QTest::mouseRelease(button, mouse);
        EXPECT_FALSE(Form1->TimeQ->isActive());
    }
};

TEST_F(ChargeGroup, HeldButtonsStepTheChargeByTenths)
{
    hold(Form2->QUp, 10);
    EXPECT_NEAR(Sim.q, 2.0f, 1e-5f);
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("2.0"));

    Sim.q = 1.0f;
    hold(Form2->QDown, 20, Qt::RightButton);
    EXPECT_NEAR(Sim.q, -1.0f, 1e-5f);
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("-1.0"));
    // The force follows every tick: a = q v x B = -1 * (0, 100, 0).
    EXPECT_NEAR(Sim.ay, -100.0f, 1e-3f);

    // Released before the first tick: nothing changes.
    hold(Form2->QUp, 0);
    EXPECT_NEAR(Sim.q, -1.0f, 1e-5f);
}

TEST_F(ChargeGroup, HidingThePanelStopsAHeldButton)
{
    Form2->show();
    QTest::mousePress(Form2->QUp, Qt::LeftButton);
    ASSERT_TRUE(Form1->TimeQ->isActive());
    Form2->hide();
    EXPECT_FALSE(Form1->TimeQ->isActive());
    QTest::mouseRelease(Form2->QUp, Qt::LeftButton);
}

TEST_F(ChargeGroup, TypedChargeCommitsOnEnterOnly)
{
    struct Typed {
        const char *text;
        float q;
        const char *shown;
    };
    const Typed cases[] = {
        {"2.57", 2.57f, "2.6"}, {"-3", -3.0f, "-3.0"},         {"2e8", 0.0f, "0.0"},
        {"", 0.0f, "0.0"},      {"abc", 0.0f, "0.0"},          {"nan", 0.0f, "0.0"},
        {"-inf", 0.0f, "0.0"},  {"-1e6", -1e6f, "-1000000.0"}, {"10000000", 1e7f, "10000000.0"},
    };
    for (const Typed &c : cases) {
        SCOPED_TRACE(c.text);
        typeAndEnter(Form2->EditQ, QString::fromLatin1(c.text));
        EXPECT_EQ(Sim.q, c.q);
        EXPECT_EQ(Form2->EditQ->text(), QString::fromLatin1(c.shown));
        EXPECT_TRUE(std::isfinite(Sim.ay));
    }

    // Typing and leaving the box without Enter changes nothing.
    Sim.q = 1.0f;
    Form2->EditQ->clear();
    QTest::keyClicks(Form2->EditQ, QStringLiteral("4.5"));
    leave(Form2->EditQ);
    EXPECT_EQ(Sim.q, 1.0f);
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("4.5"));
}

class StoreAndRecall : public VoltrixWindowsInFolder {
protected:
    QString storePath() const { return pathOf("DATOS.exp"); }
};

TEST_F(StoreAndRecall, RecallRestoresTheFourteenValuesButNotStepOrUnit)
{
    userDrags(Form2->ScX, 123);
    userDrags(Form2->ScVy, -45);
    userDrags(Form2->ScEz, 66);
    userDrags(Form2->ScBy, 7);
    typeAndEnter(Form2->EditQ, QStringLiteral("-2.5"));
    Sim.t = 3.25f;
    const std::array<float, 14> stored = voltrix::experimentValues(Sim);

    QTest::mouseClick(Form2->BtnAlmacenar, Qt::RightButton); // acts on the press
    EXPECT_EQ(Files.UsarDatos, 0);
    QFile file(storePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), voltrix::experimentFileText(Sim));
    file.close();

    // Change everything, the time step and the unit included.
    userDrags(Form2->ScX, 900);
    userDrags(Form2->ScVy, 300);
    userDrags(Form2->ScEz, -10);
    userDrags(Form2->ScBy, -70);
    typeAndEnter(Form2->EditQ, QStringLiteral("9"));
    Sim.t = 99.0f;
    Form2->ScDt->setValue(60);
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));

    QTest::mouseClick(Form2->BtnRecuperar, Qt::LeftButton);
    EXPECT_EQ(voltrix::experimentValues(Sim), stored);
    EXPECT_EQ(Files.UsarDatos, 0);
    EXPECT_FLOAT_EQ(Sim.dt, 0.03f);
    EXPECT_EQ(Form2->ScDt->value(), 60);
    EXPECT_EQ(Form2->ComboUnidades->currentText(), QStringLiteral("cm"));
    EXPECT_EQ(Form2->EditX->text(), QStringLiteral("12.3"));
    EXPECT_EQ(Form2->ScX->value(), 120);
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("-2.5"));
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("3.25"));
}

TEST_F(StoreAndRecall, RecallWithoutStoredFileChangesNothingAndSaysSo)
{
    ASSERT_FALSE(QFile::exists(storePath()));
    userDrags(Form2->ScX, 250);
    const std::array<float, 14> before = voltrix::experimentValues(Sim);

    ModalAnswers answers;
    QTest::mouseClick(Form2->BtnRecuperar, Qt::LeftButton);
    ASSERT_EQ(answers.messages.size(), 1);
    const QString message = answers.messages.front();

    EXPECT_TRUE(message.contains(QStringLiteral("DATOS.exp"))) << message.toStdString();
    EXPECT_TRUE(message.startsWith(QStringLiteral("No se ha podido leer"))) << message.toStdString();
    EXPECT_EQ(voltrix::experimentValues(Sim), before);
    EXPECT_EQ(Form2->EditX->text(), QStringLiteral("25.0"));
    EXPECT_EQ(Files.UsarDatos, 0);
}

TEST_F(StoreAndRecall, DoubleClickOnRegionBoxReturnsToWholeSpace)
{
    Form1->ConfinadoClick();
    ASSERT_FALSE(Form2->GroupELocal->isHidden());

    QTest::mouseDClick(Form2->GroupELocal, Qt::LeftButton);
    QTest::mouseRelease(Form2->GroupELocal, Qt::LeftButton);

    EXPECT_EQ(Sim.CampoConfinado, 0);
    EXPECT_FALSE(Form2->GroupMagnet->isHidden());
    EXPECT_TRUE(Form2->GroupELocal->isHidden());
    for (QScrollBar *slider : {Form2->ScBx, Form2->ScBy, Form2->ScBz, Form2->ScEx, Form2->ScEy})
        EXPECT_FALSE(slider->isHidden());
    EXPECT_EQ(Form2->EditBx->text(), QStringLiteral("0.0"));
    EXPECT_EQ(view().plane(6).color, clBlack);
    EXPECT_EQ(view().plane(7).color, clBlack);
    EXPECT_TRUE(Form1->TodoEspacio->isChecked());
    EXPECT_FALSE(Form1->Confinado->isChecked());
}

// The dialogs are driven as a user would: the chosen name is typed into the
// open dialog and confirmed (or the dialog is cancelled).
class ExperimentDialogs : public StoreAndRecall {};

TEST_F(ExperimentDialogs, DialogsCarryTheirTitleFiltersAndInitialName)
{
    QFileDialog save;
    voltrix::setUpSaveDialog(save);
    EXPECT_EQ(save.windowTitle(), QStringLiteral("Dinamica de una particula cargada"));
    EXPECT_EQ(save.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save.nameFilters(), (QStringList{QStringLiteral("Ficheros de Experiencias (*.exp)"),
                                               QStringLiteral("Todos los Ficheros (*.*)")}));
    ASSERT_EQ(save.selectedFiles().size(), 1);
    EXPECT_TRUE(save.selectedFiles().front().endsWith(QStringLiteral("/fichero.exp")));

    QFileDialog open;
    voltrix::setUpOpenDialog(open);
    EXPECT_EQ(open.windowTitle(), QStringLiteral("Dinamica de una particula cargada"));
    EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
    // The dialog shows a run of blanks in a filter's name as one.
    EXPECT_EQ(open.nameFilters(), (QStringList{QStringLiteral("Archivos de Experiencias (*.exp)"),
                                               QStringLiteral("Todos los Ficheros (*.*)")}));
    EXPECT_EQ(voltrix::openDialogFilter(),
              QStringLiteral("Archivos de Experiencias  (*.exp);;Todos los Ficheros (*.*)"));
}

// The filter list reads exactly as written, and "Todos los Ficheros (*.*)"
// lists names without a dot too ("DATOS", "notas"), not only those the
// pattern "*.*" matches; the experiment filter still narrows to "*.exp".
TEST_F(ExperimentDialogs, FilterListShowsItsTextsAndAllFilesListsNamesWithoutADot)
{
    using DialogSetUp = void (*)(QFileDialog &);
    for (const DialogSetUp setUp : {&voltrix::setUpOpenDialog, &voltrix::setUpSaveDialog}) {
        QFileDialog dialog;
        setUp(dialog);
        auto *filters = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        auto *files = dialog.findChild<QFileSystemModel *>();
        ASSERT_NE(filters, nullptr);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("*.exp")});
        // The list shows each filter as written, two blanks included.
        const QString written =
            setUp == &voltrix::setUpOpenDialog ? voltrix::openDialogFilter() : voltrix::saveDialogFilter();
        const QStringList expected = written.split(QStringLiteral(";;"));
        ASSERT_EQ(filters->count(), expected.size());
        for (int i = 0; i < filters->count(); ++i)
            EXPECT_EQ(filters->itemText(i), expected.at(i));

        QTest::keyClick(filters, Qt::Key_Down);
        EXPECT_EQ(filters->currentText(), QStringLiteral("Todos los Ficheros (*.*)"));
        EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("*")});
        // The name to save under keeps its extension, never "fichero.*".
        if (setUp == &voltrix::setUpSaveDialog) {
            ASSERT_EQ(dialog.selectedFiles().size(), 1);
            EXPECT_TRUE(dialog.selectedFiles().front().endsWith(QStringLiteral("/fichero.exp")))
                << dialog.selectedFiles().front().toStdString();
        }

        QTest::keyClick(filters, Qt::Key_Up);
        EXPECT_EQ(files->nameFilters(), QStringList{QStringLiteral("*.exp")});
    }
}

TEST_F(ExperimentDialogs, SaveAndLoadThroughTheMenuRoundTrip)
{
    const QString path = folder_.filePath(QStringLiteral("prueba.exp"));
    userDrags(Form2->ScZ, 777);
    userDrags(Form2->ScVx, -123);
    typeAndEnter(Form2->EditQ, QStringLiteral("0.5"));
    Sim.t = 1.5f;
    const std::array<float, 14> saved = voltrix::experimentValues(Sim);

    {
        ModalAnswers answers(path);
        Form1->Grabar->trigger();
        EXPECT_EQ(answers.dialogTitle, QStringLiteral("Dinamica de una particula cargada"));
        EXPECT_TRUE(answers.messages.isEmpty());
    }
    EXPECT_EQ(Files.NombreFichero, path.toStdString());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), voltrix::experimentFileText(Sim));
    file.close();

    userDrags(Form2->ScZ, 10);
    userDrags(Form2->ScVx, 10);
    Sim.q = 7.0f;

    {
        ModalAnswers answers(path);
        Form1->Cargar->trigger();
        EXPECT_EQ(answers.dialogs, 1);
        EXPECT_TRUE(answers.messages.isEmpty());
    }
    EXPECT_EQ(voltrix::experimentValues(Sim), saved);
    EXPECT_EQ(Form2->EditZ->text(), QStringLiteral("77.7"));
    EXPECT_EQ(Form2->ScVx->value(), -120);
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("0.5"));
}

TEST_F(ExperimentDialogs, LongFileNameIsUsedWhole)
{
    // Cutting the name to the old 124-character buffer would write elsewhere.
    const QString path = folder_.filePath(QString(150, QLatin1Char('n')) + QStringLiteral(".exp"));
    ASSERT_GT(path.size(), 124);
    ModalAnswers answers(path);
    Form1->Grabar->trigger();
    EXPECT_TRUE(answers.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ExperimentDialogs, CancelledDialogsReadAndWriteNothing)
{
    Files.NombreFichero = "anterior.exp";
    ModalAnswers cancel;
    EXPECT_FALSE(voltrix::runSaveDialog(nullptr));
    Form1->Cargar->trigger();
    EXPECT_EQ(cancel.dialogs, 2);
    EXPECT_EQ(Files.NombreFichero, "anterior.exp");
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ExperimentDialogs, FailedSaveIsReportedInSpanishAndWritesNothing)
{
    const QString path = folder_.filePath(QStringLiteral("no_existe/prueba.exp"));
    ModalAnswers answers(path);
    Form1->Grabar->trigger();
    ASSERT_EQ(answers.messages.size(), 1);
    const QString message = answers.messages.front();
    EXPECT_TRUE(message.startsWith(QStringLiteral("No se ha podido grabar el fichero"))) << message.toStdString();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(voltrix::saveFailureText("a.exp", "motivo"),
              QStringLiteral("No se ha podido grabar el fichero \"a.exp\".\nmotivo"));
}

} // namespace
} // namespace panel_test
