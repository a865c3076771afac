// What a screen reader says of the window's controls: the boxes and option
// buttons stand beside labels that a reader cannot tie to them, so each gets
// its name here (what it holds and its unit); the graph describes the
// trajectory it shows.
#include <QCheckBox>
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
    const Spoken spoken[] = {
        {txtrx0, "Posició inicial, X, metres", nullptr},
        {txtry0, "Posició inicial, Y, metres", nullptr},
        {txtkmh, "Convertidor, velocitat en km/h", "Premeu el botó = per passar-la a m/s"},
        {cmdigual, "Converteix km/h a m/s", nullptr},
        {txtms, "Convertidor, velocitat en m/s", nullptr},
        {opt1, "Velocitat inicial per components", nullptr},
        {txtv0x, "Velocitat inicial, X, metres per segon", nullptr},
        {txtv0y, "Velocitat inicial, Y, metres per segon", nullptr},
        {opt2, "Velocitat inicial per mòdul i direcció", nullptr},
        {txtvinicial, "Velocitat inicial, mòdul, metres per segon", nullptr},
        {opta, "Direcció per l'angle amb l'horitzontal", nullptr},
        {txtangulo, "Angle amb l'horitzontal, graus", nullptr},
        {optb, "Direcció pel sinus i el cosinus de l'angle", nullptr},
        {txtsin, "Sinus de l'angle", nullptr},
        {txtcos, "Cosinus de l'angle", nullptr},
        {txtaccelinicial[0], "Acceleració, X, metres per segon al quadrat", nullptr},
        {txtaccelinicial[1], "Acceleració, Y, metres per segon al quadrat", nullptr},
        {txtrfinal, "Posició final, equació del moviment", "El vector posició en funció del temps t, en metres"},
        {txtvfinal, "Velocitat final, equació de la velocitat", "El vector velocitat en funció del temps t, en m/s"},
        {txtalcance, "Abast, metres", nullptr},
        {txtvuelo, "Temps de vol, segons", nullptr},
        {txtmin, "Temps de vol, minuts", nullptr},
        {txtaltura, "Altura màxima, metres", nullptr},
        {txtvimpactox, "Velocitat a l'impacte, X, metres per segon", nullptr},
        {txtvimpactoy, "Velocitat a l'impacte, Y, metres per segon", nullptr},
        {txtmodulo, "Velocitat a l'impacte, mòdul, metres per segon", nullptr},
        {Dibu, "Gràfica de la trajectòria", nullptr}, // described by what it shows
    };
    for (const Spoken &s : spoken) {
        s.control->setAccessibleName(QString::fromUtf8(s.name));
        if (s.description) {
            s.control->setAccessibleDescription(QString::fromUtf8(s.description));
        }
    }
    describeGraph(false);
}

void FORM1::describeGraph(bool drawn)
{
    if (!drawn || !overlay_.shown()) {
        Dibu->setAccessibleDescription(QStringLiteral("Sense trajectòria; premeu Calcular per dibuixar-la"));
        return;
    }
    QString description = QStringLiteral("Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s")
                              .arg(txtalcance->text(), txtaltura->text(), txtvuelo->text());
    if (!overlay_.earlier().empty()) {
        description += QStringLiteral("; %1 trajectòries anteriors en gris").arg(overlay_.earlier().size());
    }
    Dibu->setAccessibleDescription(description + QStringLiteral(". Amb el ratolí o les fletxes es llegeix cada punt."));
}

} // namespace trayecta
