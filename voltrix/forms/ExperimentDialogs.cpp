#include "voltrix/forms/ExperimentDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include <memory>

#include "common/WholeFile.h"
#include "voltrix/core/ExperimentFile.h"

namespace voltrix {

namespace {

//: file type in the open and save dialogs; keep "(*.*)"
constexpr const char *kEveryFile = QT_TRANSLATE_NOOP("voltrix::ExperimentDialogs", "Todos los Ficheros (*.*)");

QString fromStd(const std::string &text) { return QString::fromStdString(text); }

//: the button that closes a message box
QString okCaption() { return QCoreApplication::translate("voltrix::ExperimentDialogs", "Aceptar"); }

void showFailure(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, experimentDialogTitle(), text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(okCaption());
    box.exec();
}

// Runs a prepared dialog: the confirmed name, whole.
std::optional<std::string> runDialog(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : chosen.front().toStdString();
}

// The last filter stands for every file, but its pattern "*.*" would hide
// every name without a dot here; choosing it lists every file instead. The
// save dialog would also turn the name's extension into "*" ("fichero.*"):
// the name stays as it was.
void listEveryFileForTheLastFilter(QFileDialog &dialog)
{
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    auto lastName = std::make_shared<QString>();
    if (name != nullptr) {
        *lastName = name->text();
        QObject::connect(name, &QLineEdit::textChanged, &dialog, [lastName](const QString &text) {
            if (!text.endsWith(QStringLiteral(".*")))
                *lastName = text;
        });
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, name, lastName](const QString &filter) {
        if (filter != dialog.nameFilters().constLast())
            return;
        if (auto *files = dialog.findChild<QFileSystemModel *>())
            files->setNameFilters({QStringLiteral("*")});
        if (name != nullptr && name->text().endsWith(QStringLiteral(".*")))
            name->setText(*lastName);
    });
}

// The dialog collapses runs of blanks in the filters it is given; the list
// shows them as written ("Archivos de Experiencias  (*.exp)").
void showFiltersAsWritten(QFileDialog &dialog, const QStringList &filters)
{
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    if (list == nullptr || list->count() != filters.size())
        return;
    for (int i = 0; i < filters.size(); ++i)
        list->setItemText(i, filters.at(i));
}

} // namespace

QString experimentDialogTitle()
{
    //: title of the file dialogs and message boxes
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "Dinamica de una particula cargada");
}

QString openDialogFilter()
{
    // Each file type on its own for the translators; ";;" separates them.
    //: file type in the open dialog; keep "(*.exp)"; the two blanks before it show as written
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "Archivos de Experiencias  (*.exp)")
           + QStringLiteral(";;") + QCoreApplication::translate("voltrix::ExperimentDialogs", kEveryFile);
}

QString saveDialogFilter()
{
    //: file type in the save dialog; keep "(*.exp)"
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "Ficheros de Experiencias (*.exp)")
           + QStringLiteral(";;") + QCoreApplication::translate("voltrix::ExperimentDialogs", kEveryFile);
}

QString saveDialogInitialName()
{
    //: the file name the save dialog suggests; keep ".exp"
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "fichero.exp");
}

void setUpOpenDialog(QFileDialog &dialog)
{
    dialog.setWindowTitle(experimentDialogTitle());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name may be typed; one that cannot be read is reported by the load.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(openDialogFilter().split(QStringLiteral(";;")));
    showFiltersAsWritten(dialog, openDialogFilter().split(QStringLiteral(";;")));
    listEveryFileForTheLastFilter(dialog);
}

void setUpSaveDialog(QFileDialog &dialog)
{
    dialog.setWindowTitle(experimentDialogTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(saveDialogFilter().split(QStringLiteral(";;")));
    showFiltersAsWritten(dialog, saveDialogFilter().split(QStringLiteral(";;")));
    // Saving has always replaced an existing file without asking.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(saveDialogInitialName());
    listEveryFileForTheLastFilter(dialog);
}

std::optional<std::string> runSaveDialog(QWidget *parent)
{
    QFileDialog dialog(parent);
    setUpSaveDialog(dialog);
    return runDialog(dialog);
}

std::optional<std::string> runOpenDialog(QWidget *parent)
{
    QFileDialog dialog(parent);
    setUpOpenDialog(dialog);
    return runDialog(dialog);
}

QString csvDialogFilter()
{
    //: file type in the save dialog; keep "(*.csv)"
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "Datos CSV (*.csv)");
}

QString csvDialogInitialName()
{
    //: the file name the save dialog suggests; keep ".csv"
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "datos.csv");
}

void setUpCsvDialog(QFileDialog &dialog)
{
    dialog.setWindowTitle(experimentDialogTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({csvDialogFilter()});
    // "datos" typed alone becomes "datos.csv"; an existing file is only
    // replaced once the user has confirmed it.
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(csvDialogInitialName());
}

QString nothingRecordedText()
{
    //: «Inicia», «Cargar» and «Recuperar» are the captions of a button and of menu items
    return QCoreApplication::translate("voltrix::ExperimentDialogs",
                                       "No hay datos que exportar.\nCon la animación en marcha se registra cada paso "
                                       "desde el último \"Inicia\", \"Cargar\" o \"Recuperar\".");
}

void ExportarDatosCsv(QWidget *parent, const RunRecorder &run, LengthUnit unit)
{
    if (run.empty()) {
        QMessageBox box(QMessageBox::Information, experimentDialogTitle(), nothingRecordedText(), QMessageBox::Ok,
                        parent);
        box.button(QMessageBox::Ok)->setText(okCaption());
        box.exec();
        return;
    }
    QFileDialog dialog(parent);
    setUpCsvDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const std::string name = dialog.selectedFiles().front().toStdString();

    // A million rows take a moment to write.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const FileResult result = saveRunCsv(name, run, unit);
    QApplication::restoreOverrideCursor();
    if (result.ok)
        reportExperimentSuccess();
    else
        reportSaveFailure(parent, name, result.reason);
}

void reportExperimentSuccess() { QApplication::beep(); }

void reportSave(QWidget *parent, const Experiment::FileOutcome &outcome)
{
    if (outcome.result.ok)
        reportExperimentSuccess();
    else
        reportSaveFailure(parent, outcome.name, outcome.result.reason);
}

void reportLoad(QWidget *parent, const Experiment::FileOutcome &outcome)
{
    // A failed load read nothing, so nothing was refreshed.
    if (outcome.result.ok)
        reportExperimentSuccess();
    else
        reportLoadFailure(parent, outcome.name, outcome.result.reason);
}

QString saveFailureText(const std::string &fileName, const std::string &reason)
{
    //: %1 is the file's name, %2 the reason (a lowercase phrase such as "permiso denegado")
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "No se ha podido grabar el fichero \"%1\".\n%2")
        .arg(fromStd(fileName), fromStd(reason));
}

QString loadFailureText(const std::string &fileName, const std::string &reason)
{
    //: %1 is the file's name, %2 the reason (a lowercase phrase such as "permiso denegado")
    return QCoreApplication::translate("voltrix::ExperimentDialogs", "No se ha podido leer el fichero \"%1\".\n%2")
        .arg(fromStd(fileName), fromStd(reason));
}

void writeReportingFailure(QWidget *parent, const QString &path, const QByteArray &bytes)
{
    const int error =
        orvalis::writeWholeFile(QFile::encodeName(path).toStdString(),
                                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                {".voltrix-", false})
            .error;
    if (error != 0)
        reportSaveFailure(parent, path.toStdString(), fileFailureReason(error));
}

void reportSaveFailure(QWidget *parent, const std::string &fileName, const std::string &reason)
{
    showFailure(parent, saveFailureText(fileName, reason));
}

void reportLoadFailure(QWidget *parent, const std::string &fileName, const std::string &reason)
{
    showFailure(parent, loadFailureText(fileName, reason));
}

} // namespace voltrix
