#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <algorithm>

#include "voltrix/forms/Unit6.h"
#include "voltrix/forms/WindowFrame.h"

using voltrix::TForm6;

namespace {

TEST(HelpWindow, PlacedAndCaptionedWithThirtyBlanks)
{
    TForm6 help;
    EXPECT_EQ(help.windowTitle(), QString(30, QLatin1Char(' ')) + QStringLiteral("Ayuda"));
    EXPECT_EQ(help.size(), voltrix::clientSizeOf(397, 581)); // the whole window is 397 x 581
    EXPECT_EQ(help.pos(), QPoint(200, 4));
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, HoldsFortyThreeLinesKeptExactlyThenTheAddedOnes)
{
    TForm6 help;
    const QTextDocument *text = help.MemoAyuda->document();
    ASSERT_GT(text->blockCount(), 43);
    struct Line {
        int number;
        const char *text;
    };
    // Leading and trailing blanks are part of the text.
    const Line lines[] = {
        {1, "          DESCRIPCIÓN DE LA INTERFASE GRÁFICA"},
        {3, ""},
        {4, "Ficheros -> Despliega menú para cargar o grabar ficheros con "},
        {10, "                 aceleración. "},
        {12, "                                               magnitud seleccionada para ser"},
        {14, "Información -> Autores pertenecientes al grupo Orvalis. "},
        {24, "Traza - > Muestra/Oculta traza del recorrido de la partícula."},
        {28, "                     -----------------------"},
        {31, "Recuperar-> Recupera los valores almacenadaos de posición, "},
        {37, "Velocidad m/s -> Controla y muestra la velocidd de la partícula en "},
        {42, "                             campo magnético."},
        {43, ""},
    };
    for (const Line &line : lines)
        EXPECT_EQ(text->findBlockByNumber(line.number - 1).text(), QString::fromUtf8(line.text))
            << "line " << line.number;
    // The added lines describe what the program has gained since.
    const QString added = help.MemoAyuda->toPlainText().section(QLatin1Char('\n'), 43);
    for (const char *topic : {"Un paso", "Velocidad", "Ctrl+Flecha derecha", "Arrastrar sobre la figura",
                              "Rueda del ratón", "Doble click", "Magnitudes", "Exportar datos (CSV)", "--scale"})
        EXPECT_TRUE(added.contains(QString::fromUtf8(topic))) << topic;

    // None of them is longer than the longest of the 43, so none wraps where
    // those do not.
    int longestFixed = 0;
    for (int line = 0; line < 43; ++line)
        longestFixed = std::max(longestFixed, static_cast<int>(text->findBlockByNumber(line).text().size()));
    EXPECT_EQ(longestFixed, 77);
    for (const QString &line : added.split(QLatin1Char('\n')))
        EXPECT_LT(line.size(), longestFixed) << line.toStdString();
}

TEST(HelpWindow, NavyBoldWrappedAndEditable)
{
    TForm6 help;
    QPlainTextEdit *memo = help.MemoAyuda;
    EXPECT_TRUE(memo->font().bold());
    EXPECT_EQ(memo->palette().color(QPalette::Text), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    help.show();
    // The box fills the window; the designed lines each fit one row of it,
    // and a line longer than the box wraps onto more rows.
    EXPECT_EQ(memo->geometry(), help.rect());
    for (int line = 0; line < 43; ++line) {
        const QTextBlock block = memo->document()->findBlockByNumber(line);
        memo->setTextCursor(QTextCursor(block)); // lays the block out
        memo->ensureCursorVisible();
        EXPECT_EQ(block.layout()->lineCount(), 1) << "line " << line + 1;
    }
    memo->appendPlainText(QString(200, QLatin1Char('x')));
    memo->moveCursor(QTextCursor::End);
    memo->ensureCursorVisible();
    EXPECT_GT(memo->document()->lastBlock().layout()->lineCount(), 1);

    memo->moveCursor(QTextCursor::End);
    QTest::keyClicks(memo, QStringLiteral("nota"));
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("nota")));
}

} // namespace
