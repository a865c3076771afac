#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/forms/WindowFrame.h"

using namespace voltrix_test;

namespace {

class AboutWindow : public VoltrixWindows {
protected:
    static QList<QWidget *> textWidgets()
    {
        return {Form3->Label2, Form3->Label3, Form3->Label4,  Form3->Label5,  Form3->Label6,  Form3->Label7,
                Form3->Label8, Form3->Label9, Form3->Label10, Form3->Label11, Form3->BtnGrupo};
    }

    // Hidden-ness rather than visibility: the window itself may be hidden.
    static void expectTextState()
    {
        EXPECT_TRUE(Form3->ImageGrupo->isHidden());
        EXPECT_FALSE(Form3->Label1->isHidden());
        const QList<QWidget *> widgets = textWidgets();
        for (qsizetype i = 0; i < widgets.size(); ++i)
            EXPECT_FALSE(widgets[i]->isHidden()) << "text widget " << i;
    }

    static void expectPictureState()
    {
        EXPECT_FALSE(Form3->ImageGrupo->isHidden());
        EXPECT_FALSE(Form3->Label1->isHidden());
        const QList<QWidget *> widgets = textWidgets();
        for (qsizetype i = 0; i < widgets.size(); ++i)
            EXPECT_TRUE(widgets[i]->isHidden()) << "text widget " << i;
    }
};

TEST_F(AboutWindow, StartsHiddenInTextState)
{
    EXPECT_FALSE(Form3->isVisible());
    EXPECT_EQ(Form3->windowTitle(), QStringLiteral("       Orvalis"));
    EXPECT_EQ(Form3->size(), clientSizeOf(298, 188)); // the whole window is 298 x 188
    EXPECT_EQ(Form3->pos(), QPoint(8, 51));
    EXPECT_EQ(Form3->BtnGrupo->text(), QStringLiteral("Grupo"));
    EXPECT_EQ(Form3->BtnGrupo->toolTip(), QStringLiteral("Foto del grupo"));
    expectTextState();
}

TEST_F(AboutWindow, GrupoShowsThePictureBelowTheTitleAndClickingItChangesNothing)
{
    Form3->show();
    QTest::mouseClick(Form3->BtnGrupo, Qt::LeftButton);
    expectPictureState();
    EXPECT_TRUE(Form3->isPictureState());
    EXPECT_GE(Form3->ImageGrupo->geometry().top(), Form3->Label1->geometry().bottom());
    EXPECT_EQ(Form3->ImageGrupo->geometry().bottom(), Form3->rect().bottom());

    QTest::mouseClick(Form3->ImageGrupo, Qt::LeftButton);
    expectPictureState();
}

TEST_F(AboutWindow, OpeningFromTheMenuAlwaysShowsTheText)
{
    Form1->InformacionClick();
    ASSERT_TRUE(Form3->isVisible());
    QTest::mouseClick(Form3->BtnGrupo, Qt::LeftButton);
    expectPictureState();

    // Closed by its close box, then opened again from the menu.
    Form3->close();
    ASSERT_FALSE(Form3->isVisible());
    Form1->InformacionClick();
    EXPECT_TRUE(Form3->isVisible());
    expectTextState();
    EXPECT_FALSE(Form3->isPictureState());
}

TEST_F(AboutWindow, NamesNoPersonAddressOrSite)
{
    QString all = Form3->Label1->toolTip();
    for (QLabel *label : {Form3->Label1, Form3->Label2, Form3->Label3, Form3->Label4, Form3->Label5, Form3->Label6,
                          Form3->Label7, Form3->Label8, Form3->Label9, Form3->Label10, Form3->Label11}) {
        EXPECT_FALSE(label->text().trimmed().isEmpty());
        all += label->text() + QLatin1Char('\n');
    }
    EXPECT_FALSE(all.contains(QLatin1Char('@')));
    EXPECT_FALSE(all.contains(QStringLiteral("www"), Qt::CaseInsensitive));
    EXPECT_FALSE(all.contains(QStringLiteral("http"), Qt::CaseInsensitive));
    EXPECT_TRUE(all.contains(QStringLiteral("Orvalis")));
    EXPECT_TRUE(all.contains(QStringLiteral("Voltrix")));
    EXPECT_TRUE(all.contains(QStringLiteral("2026")));
}

TEST_F(AboutWindow, PictureFillsTheAreaWithADrawing)
{
    const QImage image = Form3->ImageGrupo->pixmap().toImage();
    ASSERT_EQ(image.size(), Form3->ImageGrupo->size());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    // Background, field lines, helix near and far, charge, arrow and text.
    EXPECT_GT(colours.size(), 8);
}

} // namespace
