#pragma once
// What a reader of a PDF gets from it, through poppler's command-line tools:
// its text (as pdftotext lays it out) and its page count and size.
#include <QProcess>
#include <QRegularExpression>
#include <QString>

struct PdfFacts {
    int pages = 0;
    QString pageSize; // "595.276 x 841.89 pts (A4)"
    QString text;
};

inline PdfFacts pdfFacts(const QString &path)
{
    const auto run = [](const QString &program, const QStringList &arguments) {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    PdfFacts facts;
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    facts.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    facts.pageSize = QRegularExpression(QStringLiteral("Page size:\\s+([^\\n]+)")).match(info).captured(1).trimmed();
    facts.text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return facts;
}
