#pragma once
// A one-page A4 handout both programs print and save as PDF: a title, the
// date, a few paragraphs, sections of labelled values (side by side in pairs
// when they are narrow) and figures that share the rest of the page, each
// painted by its owner as vectors or at print resolution. Text stays text,
// so a PDF reader can select and search it. A section can be left blank,
// with a line to write on in place of each value, for a worksheet.
#include <QByteArray>
#include <QDate>
#include <QLocale>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace orvalis {

// One value of a row: "X" 15 "m/s"; name and unit may be empty.
struct HandoutValue {
    QString name;
    QString text;
    QString unit;
};

struct HandoutRow {
    QString label;
    std::vector<HandoutValue> values;
};

struct HandoutSection {
    QString heading;
    std::vector<HandoutRow> rows;
    bool blank = false; // each value a line to write on
    bool wide = false;  // the whole width; narrow sections pair up
};

struct HandoutFigure {
    QString heading;
    QSizeF size; // its natural size: the figure keeps this shape
    // Paints the figure into the rectangle, in the page's points.
    std::function<void(QPainter &, const QRectF &)> paint;
};

struct Handout {
    QString creator; // the program, in the PDF's properties
    QString title;
    QString date;
    QStringList paragraphs;
    std::vector<HandoutSection> sections;
    std::vector<HandoutFigure> figures;
};

// Today as the handouts print it; tests replace the clock.
extern std::function<QDate()> handoutToday;
QString handoutDate(const QLocale &language);

// Paints the page on a device of A4 paper whose origin is the paper's corner.
void paintHandout(QPainter &painter, const QPagedPaintDevice &device, const Handout &handout);

// The handout as the bytes of a one-page PDF.
QByteArray handoutPdf(const Handout &handout);
// Prints on a printer already set up (by the print dialog or a test).
void printHandout(QPrinter &printer, const Handout &handout);
// The system's print dialog, then the page; false when the user cancelled.
bool printHandoutWithDialog(QWidget *parent, const QString &dialogTitle, const Handout &handout);

} // namespace orvalis
