#pragma once
// A window with the failure report and the beep caught, so tests read them
// instead of facing a modal dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>
#include <vector>

#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"

struct Report {
    QString title;
    QString text;
    bool calculateEnabled; // the state of "&Calcular" while the report shows
};

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        trayecta::FORM1::failureMessage = [this](const QString &title, const QString &text) {
            reports.push_back({title, text, form->cmdcalcular->isEnabled()});
        };
        trayecta::FORM1::beep = [this] { ++beeps; };
        form = std::make_unique<trayecta::FORM1>();
    }

    void TearDown() override
    {
        form.reset();
        trayecta::FORM1::failureMessage = nullptr;
        trayecta::FORM1::beep = nullptr;
    }

    void showActive()
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void calculate() { QTest::mouseClick(form->cmdcalcular, Qt::LeftButton); }

    // The window's tab order as designed: the inputs, the results, the rest.
    std::vector<QWidget *> designedTabOrder() const
    {
        return {form->txtrx0,
                form->txtry0,
                form->txtv0x,
                form->txtv0y,
                form->txtvinicial,
                form->txtangulo,
                form->txtsin,
                form->txtcos,
                form->txtaccelinicial[0],
                form->txtaccelinicial[1],
                form->cmdcalcular,
                form->txtrfinal,
                form->txtvfinal,
                form->txtalcance,
                form->txtaltura,
                form->txtvimpactox,
                form->txtvimpactoy,
                form->txtvuelo,
                form->txtmodulo,
                form->cmdborrar,
                form->txtkmh,
                form->txtms,
                form->cmdigual,
                form->Dibu,
                form->opt2,
                form->opt1,
                form->opta,
                form->optb,
                form->txtmin,
                form->Check1};
    }

    // Pixels of the graph in black and in red.
    struct Ink {
        int black = 0;
        int red = 0;
    };
    static Ink inkOf(const QImage &image)
    {
        Ink ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y) & 0xffffff;
                ink.black += p == 0x000000;
                ink.red += p == 0xff0000;
            }
        }
        return ink;
    }
    Ink graphInk() const { return inkOf(form->Dibu->drawing()); }

    std::unique_ptr<trayecta::FORM1> form;
    std::vector<Report> reports;
    int beeps = 0;
};
