#pragma once
// The window side of experiment files: the open and save dialogs of the
// "Cargar" and "Grabar" menu items, and how the outcome reaches the user: the
// exclamation beep when it worked, a message box in the chosen language
// naming the file and the reason when it did not.
// The recorded run leaves through "Exportar datos (CSV)…" the same way.
// The file format and the choice between "DATOS.exp" and the dialog's name
// (chooseExperimentFileName) are Qt-free and live in the core.
#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

#include "voltrix/forms/Experiment.h"

class QFileDialog;
class QWidget;

namespace voltrix {

QString experimentDialogTitle(); // "Dinamica de una particula cargada"
QString openDialogFilter();      // as Qt name filters, ";;"-separated
QString saveDialogFilter();
QString saveDialogInitialName(); // "fichero.exp"

// Dialog set-up, separate so that the title, filters and initial name can be
// checked without running the dialog.
void setUpOpenDialog(QFileDialog &dialog);
void setUpSaveDialog(QFileDialog &dialog);

// Run the dialog: the name the user confirmed (whole), or none when the
// dialog was cancelled.
std::optional<std::string> runSaveDialog(QWidget *parent);
std::optional<std::string> runOpenDialog(QWidget *parent);

// "Exportar datos (CSV)…": the steps recorded since the last "Inicia",
// load or recall, in the length unit given, under a name chosen in a save
// dialog of its own (NombreFichero is left alone). With nothing recorded the
// user is told so and no dialog opens.
QString csvDialogFilter();      // "Datos CSV (*.csv)"
QString csvDialogInitialName(); // "datos.csv"
void setUpCsvDialog(QFileDialog &dialog);
void ExportarDatosCsv(QWidget *parent, const RunRecorder &run, LengthUnit unit);
QString nothingRecordedText();

// What the user learns of a save or load: the exclamation beep when it
// worked, otherwise a message box over the window that asked for it.
void reportSave(QWidget *parent, const Experiment::FileOutcome &outcome);
void reportLoad(QWidget *parent, const Experiment::FileOutcome &outcome);
void reportExperimentSuccess(); // the exclamation beep
void reportSaveFailure(QWidget *parent, const std::string &fileName, const std::string &reason);
// A picture or report the user saves: written whole (complete or untouched),
// a failure reported by the box that names the file.
void writeReportingFailure(QWidget *parent, const QString &path, const QByteArray &bytes);
void reportLoadFailure(QWidget *parent, const std::string &fileName, const std::string &reason);

// The texts of those message boxes.
QString saveFailureText(const std::string &fileName, const std::string &reason);
QString loadFailureText(const std::string &fileName, const std::string &reason);

} // namespace voltrix
