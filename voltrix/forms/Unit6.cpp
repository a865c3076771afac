#include "voltrix/forms/Unit6.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QVBoxLayout>

#include "common/DesignFonts.h"
#include "voltrix/forms/WindowFrame.h"

namespace voltrix {

TForm6 *Form6 = nullptr;

namespace {

constexpr int kLeft = 200, kTop = 4;
// 397 x 581 is the whole window, as for the other windows, so it fits a
// screen 600 pixels high; this is inside it.
constexpr QSize kClient = clientSizeOf(397, 581);
constexpr int kFontPoints = 8;

// The help text, line by line. Trailing blanks belong to the text; the last
// line is empty.
const char *const kHelpLines[] = {
    "          DESCRIPCIÓN DE LA INTERFASE GRÁFICA",
    "          ---------------------------------------------------------------",
    "",
    "Ficheros -> Despliega menú para cargar o grabar ficheros con ",
    "                datos sobre la posición, velocidad, valor de los",
    "                campos y de la carga.",
    "                Fin-> Finaliza la aplicación.",
    "Paneles -> Control de la posición, velocidad, campos y carga.",
    "                 Muestra vectores, componentes y valor de la ",
    "                 aceleración. ",
    "                 Factor de escala -> Factor por el que se multiplica la",
    "                                               magnitud seleccionada para ser",
    "                                               visualizada.",
    "Información -> Autores pertenecientes al grupo Orvalis. ",
    "Ayuda -> Muestra esta información. ",
    "",
    "Muestra/Oculta Cubo.",
    "Muestra/Oculta Ejes.",
    "Flechas Giro -> Gira la figura.",
    "Giro -> Haciendo click sobre él se recupera la perspectiva inicial.",
    "Flechas Zoom -> aproximan o alejan la imagen.",
    "Zoom -> Haciendo click sobre él se recupera la perspectiva inicial.",
    "Animación -> Anima/Detiene la simulación.",
    "Traza - > Muestra/Oculta traza del recorrido de la partícula.",
    "Tiempo -> Muestra/Oculta el valor del tiempo.",
    "",
    "                     Panel de Control",
    "                     -----------------------",
    "Almacenar -> Almacena los valores actuales de la posición, ",
    "                    velocidad, campos y carga.",
    "Recuperar-> Recupera los valores almacenadaos de posición, ",
    "                    velocidad, campos y carga",
    "Carga C -> Controla Carga Eléctrica en Coulombios.",
    "Increm. Tiempo -> Incremento de tiempo utilizado en el cálculo.",
    "Posición m-> Controla y muestra la posición de la partícula en ",
    "                   metros o centímetros.",
    "Velocidad m/s -> Controla y muestra la velocidd de la partícula en ",
    "                          metros por segundo o centímetros por segundo.",
    "Campo Eléctrico -> Controla el valor de las tres componentes del ",
    "                             campo eléctrico.",
    "Campo Magnético -> Controla el valor de las tres componentes del ",
    "                             campo magnético.",
    "",
};

// What the program has gained since, after the 43 lines above and in their
// style.
const char *const kAddedHelpLines[] = {
    "                     Animación",
    "                     ---------------",
    "Un paso -> Avanza la simulación un paso con la animación detenida",
    "                 (Ctrl+Flecha derecha).",
    "Velocidad -> Normal, Rápida o Máxima: 64, 256 o 1000 pasos por",
    "                    segundo.",
    "",
    "                     Ratón y datos",
    "                     -----------------------",
    "Arrastrar sobre la figura -> Gira la figura (un grado por punto).",
    "Rueda del ratón -> Aproxima o aleja la imagen.",
    "Doble click sobre la figura -> Recupera la perspectiva inicial.",
    "Paneles -> Magnitudes -> Rapidez, energía cinética, fuerza y",
    "                 aceleración; con campo magnético, frecuencia angular,",
    "                 periodo, radio y paso de hélice; con E perpendicular",
    "                 a B, velocidad de deriva. En unidades del S.I.",
    "Ficheros -> Exportar datos (CSV) -> Graba cada paso de la animación",
    "                 desde el último Inicia, Cargar o Recuperar (tiempo,",
    "                 posición, velocidad y aceleración) en un fichero CSV.",
    "",
    "voltrix --scale 2 -> Abre todas las ventanas al doble de tamaño,",
    "                    por ejemplo para un proyector (de 0.5 a 4).",
    "",
    "Paneles -> Gráficas -> Posición, velocidad, aceleración, rapidez o",
    "                 energía frente al tiempo desde el último Inicia, Cargar",
    "                 o Recuperar. El ratón sobre la gráfica lee sus valores;",
    "                 el botón derecho guarda o copia la gráfica y exporta",
    "                 sus datos (CSV).",
    "Experiencias -> Montajes clásicos listos para la clase: movimiento",
    "                 circular, hélice, parábola, deriva E×B, selector de",
    "                 velocidades, desviación entre placas... Cada uno detiene",
    "                 la animación, pone el estado y la vista y abre la",
    "                 ventana Guía con lo que hay que predecir y una pregunta.",
    "Ficheros -> Imprimir / Guardar informe (PDF) -> Una página A4 con",
    "                 el montaje, las magnitudes, la vista y, si está abierta,",
    "                 la gráfica; en una experiencia clásica, también su guía.",
    "Teclado sobre la figura (se llega con Tab) -> Las flechas la giran,",
    "                 + y - la acercan o alejan, Inicio recupera la",
    "                 perspectiva inicial. Los lectores de pantalla leen",
    "                 el nombre de cada control y la posición y el tiempo.",
};

} // namespace

TForm6::TForm6(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QString(30, QLatin1Char(' ')) + QStringLiteral("Ayuda"));
    move(kLeft, kTop);
    resize(kClient);

    MemoAyuda = new QPlainTextEdit(this);
    MemoAyuda->setAccessibleName(QStringLiteral("Ayuda"));
    MemoAyuda->verticalScrollBar()->setAccessibleName(QStringLiteral("Desplazamiento vertical de la ayuda"));
    MemoAyuda->horizontalScrollBar()->setAccessibleName(QStringLiteral("Desplazamiento horizontal de la ayuda"));
    MemoAyuda->setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, kFontPoints, true));
    QPalette palette = MemoAyuda->palette();
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80)); // navy
    MemoAyuda->setPalette(palette);
    // Long lines wrap at the box's width; the user may type into it.
    MemoAyuda->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoAyuda->setReadOnly(false);

    QStringList lines;
    for (const char *line : kHelpLines)
        lines << QString::fromUtf8(line);
    for (const char *line : kAddedHelpLines)
        lines << QString::fromUtf8(line);
    MemoAyuda->setPlainText(lines.join(QLatin1Char('\n')));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoAyuda);
}

} // namespace voltrix
