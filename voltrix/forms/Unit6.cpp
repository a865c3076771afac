#include "voltrix/forms/Unit6.h"

#include <QCoreApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
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

// The help text, one line a line; trailing blanks belong to the text. The
// first 43 lines are the original description; what the program has gained
// since follows, after an empty line and in their style. One text for the
// translators, so that they can wrap the lines to suit their language.
// clang-format off
//: the help window's text: a plain text box, about 77 characters a line; the
//: blanks that indent and centre lines, and the line breaks, are part of it
const char *const kHelpText = QT_TRANSLATE_NOOP("voltrix::TForm6",
    "          DESCRIPCIÓN DE LA INTERFASE GRÁFICA\n"
    "          ---------------------------------------------------------------\n"
    "\n"
    "Ficheros -> Despliega menú para cargar o grabar ficheros con \n"
    "                datos sobre la posición, velocidad, valor de los\n"
    "                campos y de la carga.\n"
    "                Fin-> Finaliza la aplicación.\n"
    "Paneles -> Control de la posición, velocidad, campos y carga.\n"
    "                 Muestra vectores, componentes y valor de la \n"
    "                 aceleración. \n"
    "                 Factor de escala -> Factor por el que se multiplica la\n"
    "                                               magnitud seleccionada para ser\n"
    "                                               visualizada.\n"
    "Información -> Autores pertenecientes al grupo Orvalis. \n"
    "Ayuda -> Muestra esta información. \n"
    "\n"
    "Muestra/Oculta Cubo.\n"
    "Muestra/Oculta Ejes.\n"
    "Flechas Giro -> Gira la figura.\n"
    "Giro -> Haciendo click sobre él se recupera la perspectiva inicial.\n"
    "Flechas Zoom -> aproximan o alejan la imagen.\n"
    "Zoom -> Haciendo click sobre él se recupera la perspectiva inicial.\n"
    "Animación -> Anima/Detiene la simulación.\n"
    "Traza - > Muestra/Oculta traza del recorrido de la partícula.\n"
    "Tiempo -> Muestra/Oculta el valor del tiempo.\n"
    "\n"
    "                     Panel de Control\n"
    "                     -----------------------\n"
    "Almacenar -> Almacena los valores actuales de la posición, \n"
    "                    velocidad, campos y carga.\n"
    "Recuperar-> Recupera los valores almacenadaos de posición, \n"
    "                    velocidad, campos y carga\n"
    "Carga C -> Controla Carga Eléctrica en Coulombios.\n"
    "Increm. Tiempo -> Incremento de tiempo utilizado en el cálculo.\n"
    "Posición m-> Controla y muestra la posición de la partícula en \n"
    "                   metros o centímetros.\n"
    "Velocidad m/s -> Controla y muestra la velocidd de la partícula en \n"
    "                          metros por segundo o centímetros por segundo.\n"
    "Campo Eléctrico -> Controla el valor de las tres componentes del \n"
    "                             campo eléctrico.\n"
    "Campo Magnético -> Controla el valor de las tres componentes del \n"
    "                             campo magnético.\n"
    "\n"
    "                     Animación\n"
    "                     ---------------\n"
    "Un paso -> Avanza la simulación un paso con la animación detenida\n"
    "                 (Ctrl+Flecha derecha).\n"
    "Velocidad -> Normal, Rápida o Máxima: 64, 256 o 1000 pasos por\n"
    "                    segundo.\n"
    "\n"
    "                     Ratón y datos\n"
    "                     -----------------------\n"
    "Arrastrar sobre la figura -> Gira la figura (un grado por punto).\n"
    "Rueda del ratón -> Aproxima o aleja la imagen.\n"
    "Doble click sobre la figura -> Recupera la perspectiva inicial.\n"
    "Paneles -> Magnitudes -> Rapidez, energía cinética, fuerza y\n"
    "                 aceleración; con campo magnético, frecuencia angular,\n"
    "                 periodo, radio y paso de hélice; con E perpendicular\n"
    "                 a B, velocidad de deriva. En unidades del S.I.\n"
    "Ficheros -> Exportar datos (CSV) -> Graba cada paso de la animación\n"
    "                 desde el último Inicia, Cargar o Recuperar (tiempo,\n"
    "                 posición, velocidad y aceleración) en un fichero CSV.\n"
    "\n"
    "voltrix --scale 2 -> Abre todas las ventanas al doble de tamaño,\n"
    "                    por ejemplo para un proyector (de 0.5 a 4).\n"
    "\n"
    "Paneles -> Gráficas -> Posición, velocidad, aceleración, rapidez o\n"
    "                 energía frente al tiempo desde el último Inicia, Cargar\n"
    "                 o Recuperar. El ratón sobre la gráfica lee sus valores;\n"
    "                 el botón derecho guarda o copia la gráfica y exporta\n"
    "                 sus datos (CSV).\n"
    "Experiencias -> Montajes clásicos listos para la clase: movimiento\n"
    "                 circular, hélice, parábola, deriva E×B, selector de\n"
    "                 velocidades, desviación entre placas... Cada uno detiene\n"
    "                 la animación, pone el estado y la vista y abre la\n"
    "                 ventana Guía con lo que hay que predecir y una pregunta.\n"
    "Ficheros -> Imprimir / Guardar informe (PDF) -> Una página A4 con\n"
    "                 el montaje, las magnitudes, la vista y, si está abierta,\n"
    "                 la gráfica; en una experiencia clásica, también su guía.\n"
    "Teclado sobre la figura (se llega con Tab) -> Las flechas la giran,\n"
    "                 + y - la acercan o alejan, Inicio recupera la\n"
    "                 perspectiva inicial. Los lectores de pantalla leen\n"
    "                 el nombre de cada control y la posición y el tiempo.\n"
    "Paneles -> Idioma -> Español, català, valencià, galego, euskara o\n"
    "                 English; se aplica al volver a abrir Voltrix.\n"
    "                 voltrix --lang gl lo elige solo para esa vez.");
// clang-format on

} // namespace

TForm6::TForm6(QWidget *parent)
    : QWidget(parent)
{
    // The design's blanks before the title stay out of the translation.
    //: the help window's title (noun)
    setWindowTitle(QString(30, QLatin1Char(' ')) + tr("Ayuda"));
    move(kLeft, kTop);
    resize(kClient);

    MemoAyuda = new QPlainTextEdit(this);
    //: the help window's title (noun)
    MemoAyuda->setAccessibleName(tr("Ayuda"));
    //: for a screen reader: the help text's vertical scroll bar
    MemoAyuda->verticalScrollBar()->setAccessibleName(tr("Desplazamiento vertical de la ayuda"));
    //: for a screen reader: the help text's horizontal scroll bar
    MemoAyuda->horizontalScrollBar()->setAccessibleName(tr("Desplazamiento horizontal de la ayuda"));
    MemoAyuda->setFont(orvalis::designFont(orvalis::DesignFace::MsSansSerif, kFontPoints, true));
    QPalette palette = MemoAyuda->palette();
    palette.setColor(QPalette::Text, QColor(0x00, 0x00, 0x80)); // navy
    MemoAyuda->setPalette(palette);
    // Long lines wrap at the box's width; the user may type into it.
    MemoAyuda->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    MemoAyuda->setReadOnly(false);

    // The box makes each line of the text a paragraph of its own.
    MemoAyuda->setPlainText(QCoreApplication::translate("voltrix::TForm6", kHelpText));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoAyuda);
}

} // namespace voltrix
