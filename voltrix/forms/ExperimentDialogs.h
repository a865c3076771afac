#pragma once
// The window side of experiment files: the open and save dialogs of the
// "Cargar" and "Grabar" menu items, and how the outcome reaches the user: the exclamation beep when it worked,
// a message box in Spanish naming the file and the reason when it did not.
// The recorded run leaves through "Exportar datos (CSV)…" the same way.
// The file format and the choice between "DATOS.exp" and the dialog's name
// (chooseExperimentFileName) are Qt-free and live in the core.
#include <QString>

#include <string>

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

// Run the dialog; when the user confirms, copy the chosen name into
// NombreFichero and return true. A cancelled dialog changes nothing.
bool runSaveDialog(QWidget *parent);
bool runOpenDialog(QWidget *parent);

// The two menu actions: "Grabar" saves under the confirmed name through
// Form1->saveToFile(); "Cargar" loads through Form1->loadFromFile() when the
// confirmed name is not empty.
void GrabarExperimento(QWidget *parent);
void CargarExperimento(QWidget *parent);

// "Exportar datos (CSV)…": the steps recorded since the last "Inicia",
// load or recall, in the length unit given, under a name chosen in a save
// dialog of its own (NombreFichero is left alone). With nothing recorded the
// user is told so and no dialog opens.
QString csvDialogFilter();      // "Datos CSV (*.csv)"
QString csvDialogInitialName(); // "datos.csv"
void setUpCsvDialog(QFileDialog &dialog);
void ExportarDatosCsv(QWidget *parent, bool cmSelected);
QString nothingRecordedText();

// Outcome reports for TForm1::saveToFile / loadFromFile.
void reportExperimentSuccess(); // the exclamation beep
void reportSaveFailure(QWidget *parent, const std::string &fileName, const std::string &reason);
void reportLoadFailure(QWidget *parent, const std::string &fileName, const std::string &reason);

// The texts of those message boxes.
QString saveFailureText(const std::string &fileName, const std::string &reason);
QString loadFailureText(const std::string &fileName, const std::string &reason);

} // namespace voltrix
