#include "common/Handout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace orvalis {

std::function<QDate()> handoutToday = [] { return QDate::currentDate(); };

QString handoutDate(const QLocale &language) { return language.toString(handoutToday(), QLocale::LongFormat); }

namespace {

// The page is laid out in points (1/72 inch), whatever the device's resolution.
constexpr qreal kPointsPerInch = 72.0;
constexpr qreal kMargin = 42.5; // 15 mm
constexpr qreal kColumnGap = 18;
constexpr qreal kValueGap = 12; // between the values of one row
// A line to write on: room for a number, or for an equation when it is the
// row's only value; and a row tall enough to write in.
constexpr qreal kBlankLength = 90;
constexpr qreal kBlankLengthAlone = 220;
constexpr qreal kBlankRowHeight = 22;
constexpr qreal kSmallestFigure = 40;
const QColor kGrey(0x55, 0x55, 0x55);

enum class Face { Title, Heading, Text, Label };

QFont font(Face face)
{
    // A face every classroom system has, with the glyphs of the physics (², ω, ⊥).
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    switch (face) {
    case Face::Title:
        f.setPixelSize(16);
        f.setBold(true);
        break;
    case Face::Heading:
        f.setPixelSize(11);
        f.setBold(true);
        break;
    case Face::Text:
    case Face::Label: f.setPixelSize(9); break;
    }
    return f;
}

// Where the next thing goes, down the page.
struct Cursor {
    QPainter &painter;
    qreal left, width, y;
};

qreal drawWrapped(QPainter &painter, const QRectF &box, const QString &text, Face face, const QColor &colour)
{
    painter.setFont(font(face));
    painter.setPen(colour);
    QRectF used;
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text, &used);
    return used.height();
}

qreal rowHeight(bool blank) { return blank ? kBlankRowHeight : QFontMetricsF(font(Face::Text)).height() + 3; }

qreal valueWidth(const HandoutRow &row, const QFontMetricsF &metrics)
{
    qreal width = 0;
    for (const HandoutValue &v : row.values) {
        if (width > 0)
            width += kValueGap;
        if (!v.name.isEmpty())
            width += metrics.horizontalAdvance(v.name + QStringLiteral(": "));
        width += metrics.horizontalAdvance(v.text);
        if (!v.unit.isEmpty())
            width += metrics.horizontalAdvance(QStringLiteral(" ") + v.unit);
    }
    return width;
}

// The labels' column: as wide as its longest label, unless the values need the room.
qreal labelWidth(const HandoutSection &section, qreal width)
{
    const QFontMetricsF metrics(font(Face::Label));
    qreal widestLabel = 0, widestValue = 0;
    for (const HandoutRow &row : section.rows) {
        widestLabel = std::max(widestLabel, metrics.horizontalAdvance(row.label));
        widestValue = std::max(widestValue, valueWidth(row, metrics));
    }
    return std::min(widestLabel + 6, std::max(width * 0.45, width - widestValue));
}

// One value: its name, its text (or a line to write on) and its unit; returns where it ends.
qreal drawValue(QPainter &painter, qreal x, qreal baseline, const HandoutValue &value, bool blank, qreal room,
                qreal longest)
{
    const QFontMetricsF metrics(font(Face::Text));
    painter.setFont(font(Face::Text));
    painter.setPen(Qt::black);
    if (!value.name.isEmpty()) {
        const QString name = value.name + QStringLiteral(": ");
        painter.drawText(QPointF(x, baseline), name);
        x += metrics.horizontalAdvance(name);
    }
    const QString unit = value.unit.isEmpty() ? QString() : QStringLiteral(" ") + value.unit;
    if (blank) {
        const qreal length = std::clamp(room - metrics.horizontalAdvance(unit + value.name) - 14, 20.0, longest);
        painter.setPen(QPen(kGrey, 0.5));
        painter.drawLine(QPointF(x, baseline + 2), QPointF(x + length, baseline + 2));
        painter.setPen(Qt::black);
        x += length;
    } else {
        painter.drawText(QPointF(x, baseline), value.text);
        x += metrics.horizontalAdvance(value.text);
    }
    if (!unit.isEmpty()) {
        painter.drawText(QPointF(x, baseline), unit);
        x += metrics.horizontalAdvance(unit);
    }
    return x;
}

qreal sectionHeight(const HandoutSection &section)
{
    return QFontMetricsF(font(Face::Heading)).height() + 4
           + rowHeight(section.blank) * static_cast<qreal>(section.rows.size());
}

void drawSection(QPainter &painter, qreal left, qreal top, qreal width, const HandoutSection &section)
{
    painter.setFont(font(Face::Heading));
    painter.setPen(Qt::black);
    const QFontMetricsF heading(font(Face::Heading));
    painter.drawText(QPointF(left, top + heading.ascent()), section.heading);
    qreal y = top + heading.height() + 4;
    const qreal labels = labelWidth(section, width);
    const QFontMetricsF metrics(font(Face::Text));
    for (const HandoutRow &row : section.rows) {
        const qreal baseline = y + rowHeight(section.blank) - metrics.descent() - 3;
        painter.setFont(font(Face::Label));
        painter.setPen(kGrey);
        painter.drawText(QPointF(left, baseline), metrics.elidedText(row.label, Qt::ElideRight, labels - 4));
        qreal x = left + labels;
        const qreal share = (width - labels) / static_cast<qreal>(std::max<std::size_t>(row.values.size(), 1));
        const qreal longest = row.values.size() == 1 ? kBlankLengthAlone : kBlankLength;
        for (const HandoutValue &value : row.values)
            x = drawValue(painter, x, baseline, value, section.blank, share, longest) + kValueGap;
        y += rowHeight(section.blank);
    }
}

// Narrow sections pair up side by side; returns the height used.
qreal drawSections(Cursor &at, const std::vector<HandoutSection> &sections)
{
    const qreal start = at.y;
    const qreal half = (at.width - kColumnGap) / 2;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const HandoutSection &first = sections[i];
        const bool paired = !first.wide && i + 1 < sections.size() && !sections[i + 1].wide;
        if (paired) {
            const HandoutSection &second = sections[++i];
            drawSection(at.painter, at.left, at.y, half, first);
            drawSection(at.painter, at.left + half + kColumnGap, at.y, half, second);
            at.y += std::max(sectionHeight(first), sectionHeight(second)) + 8;
        } else {
            drawSection(at.painter, at.left, at.y, at.width, first);
            at.y += sectionHeight(first) + 8;
        }
    }
    return at.y - start;
}

// The figures share the room left, each as large as its shape allows.
void drawFigures(Cursor &at, qreal bottom, const std::vector<HandoutFigure> &figures)
{
    std::vector<const HandoutFigure *> shown;
    for (const HandoutFigure &f : figures)
        if (f.paint && f.size.width() > 0 && f.size.height() > 0)
            shown.push_back(&f);
    if (shown.empty())
        return;
    const qreal headings = (QFontMetricsF(font(Face::Heading)).height() + 4) * static_cast<qreal>(shown.size());
    const qreal gaps = 10 * static_cast<qreal>(shown.size() - 1);
    const qreal room = bottom - at.y - headings - gaps;
    qreal wanted = 0;
    for (const HandoutFigure *f : shown)
        wanted += at.width * f->size.height() / f->size.width();
    const qreal fit = std::min<qreal>(1, room / wanted);
    for (const HandoutFigure *f : shown) {
        const qreal width = at.width * fit;
        const qreal height = width * f->size.height() / f->size.width();
        if (height < kSmallestFigure)
            continue;
        at.painter.setFont(font(Face::Heading));
        at.painter.setPen(Qt::black);
        at.painter.drawText(QPointF(at.left, at.y + QFontMetricsF(font(Face::Heading)).ascent()), f->heading);
        at.y += QFontMetricsF(font(Face::Heading)).height() + 4;
        const QRectF box(at.left + (at.width - width) / 2, at.y, width, height);
        at.painter.save();
        at.painter.setClipRect(box);
        f->paint(at.painter, box);
        at.painter.restore();
        at.y += height + 10;
    }
}

} // namespace

void paintHandout(QPainter &painter, const QPagedPaintDevice &device, const Handout &handout)
{
    const QRectF paper = device.pageLayout().fullRectPoints();
    painter.save();
    painter.scale(device.logicalDpiX() / kPointsPerInch, device.logicalDpiY() / kPointsPerInch);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    Cursor at{painter, kMargin, paper.width() - 2 * kMargin, kMargin};
    const qreal bottom = paper.height() - kMargin;
    at.y += drawWrapped(painter, QRectF(at.left, at.y, at.width, 60), handout.title, Face::Title, Qt::black);
    at.y += drawWrapped(painter, QRectF(at.left, at.y, at.width, 20), handout.date, Face::Text, kGrey) + 4;
    painter.setPen(QPen(kGrey, 0.5));
    painter.drawLine(QPointF(at.left, at.y), QPointF(at.left + at.width, at.y));
    at.y += 8;
    for (const QString &paragraph : handout.paragraphs)
        at.y +=
            drawWrapped(painter, QRectF(at.left, at.y, at.width, bottom - at.y), paragraph, Face::Text, Qt::black) + 4;
    at.y += 4;
    drawSections(at, handout.sections);
    drawFigures(at, bottom, handout.figures);
    painter.restore();
}

QByteArray handoutPdf(const Handout &handout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(handout.creator);
        writer.setTitle(handout.title);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        paintHandout(painter, writer, handout);
    }
    return bytes;
}

void printHandout(QPrinter &printer, const Handout &handout)
{
    // The page is laid out from the paper's corner, margins included.
    printer.setFullPage(true);
    printer.setDocName(handout.title);
    printer.setCreator(handout.creator);
    QPainter painter(&printer);
    paintHandout(painter, printer, handout);
}

bool printHandoutWithDialog(QWidget *parent, const QString &dialogTitle, const Handout &handout)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(dialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printHandout(printer, handout);
    return true;
}

} // namespace orvalis
