// What a screen reader says of the window's controls: the boxes and option
// buttons stand beside labels that a reader cannot tie to them, so each gets
// its name here (what it holds and its unit); the graph describes the
// trajectory it shows.
#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>

#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"

namespace trayecta {

void FORM1::nameControls()
{
    struct Spoken {
        QWidget *control;
        const char *name;
        const char *description; // nullptr: the name says it all
    };
    // Spoken names and descriptions of the controls, for a screen reader.
    const Spoken spoken[] = {
        {txtrx0, QT_TRANSLATE_NOOP("trayecta::FORM1", "Posició inicial, X, metres"), nullptr},
        {txtry0, QT_TRANSLATE_NOOP("trayecta::FORM1", "Posició inicial, Y, metres"), nullptr},
        {txtkmh, QT_TRANSLATE_NOOP("trayecta::FORM1", "Convertidor, velocitat en km/h"),
         //: spoken description of the km/h box; "=" is the converter's button, "la" the speed
         QT_TRANSLATE_NOOP("trayecta::FORM1", "Premeu el botó = per passar-la a m/s")},
        {cmdigual, QT_TRANSLATE_NOOP("trayecta::FORM1", "Converteix km/h a m/s"), nullptr},
        {txtms, QT_TRANSLATE_NOOP("trayecta::FORM1", "Convertidor, velocitat en m/s"), nullptr},
        {opt1, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial per components"), nullptr},
        {txtv0x, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial, X, metres per segon"), nullptr},
        {txtv0y, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial, Y, metres per segon"), nullptr},
        {opt2, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial per mòdul i direcció"), nullptr},
        {txtvinicial, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat inicial, mòdul, metres per segon"), nullptr},
        {opta, QT_TRANSLATE_NOOP("trayecta::FORM1", "Direcció per l'angle amb l'horitzontal"), nullptr},
        {txtangulo, QT_TRANSLATE_NOOP("trayecta::FORM1", "Angle amb l'horitzontal, graus"), nullptr},
        {optb, QT_TRANSLATE_NOOP("trayecta::FORM1", "Direcció pel sinus i el cosinus de l'angle"), nullptr},
        {txtsin, QT_TRANSLATE_NOOP("trayecta::FORM1", "Sinus de l'angle"), nullptr},
        {txtcos, QT_TRANSLATE_NOOP("trayecta::FORM1", "Cosinus de l'angle"), nullptr},
        {txtaccelinicial[0], QT_TRANSLATE_NOOP("trayecta::FORM1", "Acceleració, X, metres per segon al quadrat"),
         nullptr},
        {txtaccelinicial[1], QT_TRANSLATE_NOOP("trayecta::FORM1", "Acceleració, Y, metres per segon al quadrat"),
         nullptr},
        {txtrfinal, QT_TRANSLATE_NOOP("trayecta::FORM1", "Posició final, equació del moviment"),
         QT_TRANSLATE_NOOP("trayecta::FORM1", "El vector posició en funció del temps t, en metres")},
        {txtvfinal, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat final, equació de la velocitat"),
         QT_TRANSLATE_NOOP("trayecta::FORM1", "El vector velocitat en funció del temps t, en m/s")},
        {txtalcance, QT_TRANSLATE_NOOP("trayecta::FORM1", "Abast, metres"), nullptr},
        {txtvuelo, QT_TRANSLATE_NOOP("trayecta::FORM1", "Temps de vol, segons"), nullptr},
        {txtmin, QT_TRANSLATE_NOOP("trayecta::FORM1", "Temps de vol, minuts"), nullptr},
        {txtaltura, QT_TRANSLATE_NOOP("trayecta::FORM1", "Altura màxima, metres"), nullptr},
        {txtvimpactox, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat a l'impacte, X, metres per segon"), nullptr},
        {txtvimpactoy, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat a l'impacte, Y, metres per segon"), nullptr},
        {txtmodulo, QT_TRANSLATE_NOOP("trayecta::FORM1", "Velocitat a l'impacte, mòdul, metres per segon"), nullptr},
        {Dibu, QT_TRANSLATE_NOOP("trayecta::FORM1", "Gràfica de la trajectòria"),
         nullptr}, // described by what it shows
    };
    for (const Spoken &s : spoken) {
        s.control->setAccessibleName(QCoreApplication::translate("trayecta::FORM1", s.name));
        if (s.description) {
            s.control->setAccessibleDescription(QCoreApplication::translate("trayecta::FORM1", s.description));
        }
    }
    describeGraph(false);
}

void FORM1::describeGraph(bool drawn)
{
    if (!drawn || !overlay_.shown()) {
        //: spoken description of the empty graph; "Calcular" is the button's caption
        Dibu->setAccessibleDescription(tr("Sense trajectòria; premeu Calcular per dibuixar-la"));
        return;
    }
    const QString range = txtalcance->text(), height = txtaltura->text(), time = txtvuelo->text();
    if (overlay_.earlier().empty()) {
        //: spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time
        Dibu->setAccessibleDescription(tr("Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el "
                                          "ratolí o les fletxes es llegeix cada punt.")
                                           .arg(range, height, time));
        return;
    }
    //: spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time, %4 how many
    //: earlier curves are drawn in grey
    Dibu->setAccessibleDescription(tr("Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries "
                                      "anteriors en gris. Amb el ratolí o les fletxes es llegeix cada punt.")
                                       .arg(range, height, time, QString::number(overlay_.earlier().size())));
}

} // namespace trayecta
