// The problem sheet: the window's data, equations, results and graph on one
// A4 page, printed or saved as PDF, and the student's version of it with the
// equations and results left as lines to write on and the graph left empty.
// Every text is the window's own, as it shows it now.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>

#include "common/CoreText.h"
#include "common/Handout.h"
#include "common/Language.h"
#include "trayecta/core/ExampleProblems.h"
#include "trayecta/core/WholeFile.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphAreaPicture.h"

namespace trayecta {

namespace {

//: file type in the save dialog
constexpr const char *kPdfFilter = QT_TRANSLATE_NOOP("trayecta::FORM1", "Document PDF (*.pdf)");
// A quarter of a window pixel: far under a printed line's width.
constexpr double kPrintThinning = 0.25;

// A row of the sheet: the label beside it in the window, then each field with
// the name over its column ("X", "Y") and the unit beside it.
struct SheetValue {
    QLineEdit *FORM1::*field;
    const char *nameLabel; // nullptr: no name
    const char *unitLabel; // nullptr: no unit
};
struct SheetRow {
    const char *label;
    std::vector<SheetValue> values;
};

using F = FORM1;
const SheetRow kStartPosition{"Label1", {{&F::txtrx0, "Label8", nullptr}, {&F::txtry0, "Label9", "Label11"}}};
const SheetRow kVelocityComponents{"Label10", {{&F::txtv0x, "Label8", nullptr}, {&F::txtv0y, "Label9", "Label15"}}};
const SheetRow kSpeed{"Label2", {{&F::txtvinicial, nullptr, "Label16"}}};
const SheetRow kAngle{"Label7", {{&F::txtangulo, nullptr, "Label17"}}};
const SheetRow kSine{"Label24", {{&F::txtsin, nullptr, nullptr}}};
const SheetRow kCosine{"Label32", {{&F::txtcos, nullptr, nullptr}}};
const std::vector<SheetRow> kEquations{{"Label4", {{&F::txtrfinal, nullptr, "Label33"}}},
                                       {"Label5", {{&F::txtvfinal, nullptr, "Label34"}}}};
const std::vector<SheetRow> kResults{
    {"LBLabast", {{&F::txtalcance, nullptr, "Label21"}}},
    {"Label6", {{&F::txtvuelo, nullptr, "Label20"}, {&F::txtmin, nullptr, "Label35"}}},
    {"LBLaltura", {{&F::txtaltura, nullptr, "Label22"}}},
    {"Label12", {{&F::txtvimpactox, "Label29", "Label18"}, {&F::txtvimpactoy, "Label30", "Label31"}}},
    {"Label13", {{&F::txtmodulo, nullptr, "Label19"}}},
};

QString labelText(const FORM1 &window, const char *name)
{
    const QLabel *label = window.findChild<QLabel *>(QString::fromUtf8(name));
    // A label wrapped over two lines in the window reads as one on paper.
    return label ? label->text().simplified() : QString();
}

orvalis::HandoutRow sheetRow(const FORM1 &window, const SheetRow &row)
{
    orvalis::HandoutRow shown{labelText(window, row.label), {}};
    for (const SheetValue &v : row.values) {
        shown.values.push_back({v.nameLabel ? labelText(window, v.nameLabel) : QString(), (window.*v.field)->text(),
                                v.unitLabel ? labelText(window, v.unitLabel) : QString()});
    }
    return shown;
}

} // namespace

orvalis::Handout FORM1::problemSheet(bool forTheStudent) const
{
    orvalis::Handout sheet;
    sheet.creator = windowTitle();
    sheet.date = orvalis::handoutDate(orvalis::currentLocale(QStringLiteral("ca")));
    if (exampleShown_) {
        const ExampleProblem &problem = exampleProblems().at(*exampleShown_);
        sheet.title = QString::fromStdString(orvalis::coreText("trayecta::ExampleProblems", problem.title));
        sheet.paragraphs << QString::fromStdString(orvalis::coreText("trayecta::ExampleProblems", problem.statement));
    } else {
        sheet.title = labelText(*this, "Label36");
    }

    // The data as the inputs state them: the velocity the way it was given.
    std::vector<const SheetRow *> given{&kStartPosition};
    if (opt1->isChecked()) {
        given.push_back(&kVelocityComponents);
    } else {
        given.push_back(&kSpeed);
        if (optb->isChecked()) {
            given.insert(given.end(), {&kSine, &kCosine});
        } else {
            given.push_back(&kAngle);
        }
    }
    //: heading of the problem sheet's section with the problem's data
    orvalis::HandoutSection dataSection{tr("Dades"), {}, false, true};
    for (const SheetRow *row : given) {
        dataSection.rows.push_back(sheetRow(*this, *row));
    }
    orvalis::HandoutRow acceleration{labelText(*this, "Label3"), {}};
    for (std::size_t i = 0; i < txtaccelinicial.size(); ++i) {
        acceleration.values.push_back({labelText(*this, i == 0 ? "Label8" : "Label9"), txtaccelinicial[i]->text(),
                                       i == 0 ? QString() : labelText(*this, "Label14")});
    }
    dataSection.rows.push_back(acceleration);
    sheet.sections.push_back(dataSection);

    //: heading of the problem sheet's section with the equations of motion and velocity
    const QString equations = tr("Equacions del moviment");
    //: heading of the problem sheet's section with the results
    const QString results = tr("Resultats");
    for (const auto &[heading, rows] : {std::pair{equations, &kEquations}, std::pair{results, &kResults}}) {
        orvalis::HandoutSection section{heading, {}, forTheStudent, true};
        for (const SheetRow &row : *rows) {
            section.rows.push_back(sheetRow(*this, row));
        }
        sheet.sections.push_back(section);
    }

    GraphPicture picture = graphPicture();
    picture.thinning = kPrintThinning;
    if (forTheStudent) {
        // An empty frame to sketch on: the ticks would give the answers away.
        picture.curve.clear();
        picture.earlierCurves.clear();
        picture.ticks.clear();
        picture.texts.clear();
    }
    //: caption of the graph on the problem sheet, and the graph's spoken name
    const QString caption = tr("Gràfica de la trajectòria");
    sheet.figures.push_back({caption, QSizeF(picture.size), [picture](QPainter &painter, const QRectF &box) {
                                 painter.translate(box.topLeft());
                                 painter.scale(box.width() / picture.size.width(),
                                               box.height() / picture.size.height());
                                 paintGraphPicture(painter, picture);
                             }});
    return sheet;
}

void FORM1::mnuImprimeix_Click()
{
    //: title of the print dialog (verb)
    orvalis::printHandoutWithDialog(this, tr("Imprimeix"), problemSheet(false));
}

void FORM1::mnuDesaPdf_Click() { saveSheet(false); }

void FORM1::mnuFullAlumne_Click() { saveSheet(true); }

void FORM1::saveSheet(bool forTheStudent)
{
    //: title of the save dialog for the student's sheet
    const QString studentTitle = tr("Full de l'alumne");
    //: title of the save dialog for the problem sheet
    const QString sheetTitle = tr("Desa com a PDF");
    //: the file name suggested for the student's sheet, without its suffix; keep it to letters and hyphens
    const QString studentName = tr("full-alumne");
    //: the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens
    const QString sheetName = tr("trajectoria");
    const QString path = chooseFileToWrite(
        forTheStudent ? studentTitle : sheetTitle, {QCoreApplication::translate("trayecta::FORM1", kPdfFilter)},
        {QStringLiteral("pdf")}, (forTheStudent ? studentName : sheetName) + QStringLiteral(".pdf"), nullptr);
    if (path.isEmpty()) {
        return;
    }
    const QByteArray pdf = orvalis::handoutPdf(problemSheet(forTheStudent));
    if (const auto failure = writeWholeFile(QFile::encodeName(path).toStdString(),
                                            std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())))) {
        //: first line of the failure box when the sheet could not be saved
        reportFileFailure(tr("Impossible desar el PDF."), *failure);
    }
}

} // namespace trayecta
