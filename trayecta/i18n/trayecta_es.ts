<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ca">
<context>
    <name>trayecta::CommandLine</name>
    <message>
        <source>Ús: %1 [opcions]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Resol problemes de tir parabòlic i en dibuixa la trajectòria.</source>
        <translation>Resuelve problemas de tiro parabólico y dibuja su trayectoria.</translation>
    </message>
    <message>
        <source>Opcions:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda i surt.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Mostra la versió i surt.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector).</source>
        <translation>Amplía las ventanas F veces, de 0,5 a 4 (2 para un proyector).</translation>
    </message>
    <message>
        <source>Llengua: %1 (si no, la triada al menú, o català).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Idioma: %1 (si no, el elegido en el menú, o catalán).</translation>
    </message>
    <message>
        <source>valor no admès per a --scale: %1 (de 0,5 a 4)</source>
        <translation>valor no admitido para --scale: %1 (de 0,5 a 4)</translation>
    </message>
    <message>
        <source>També admet les opcions de Qt, com ara -platform o -style.</source>
        <translation>También admite las opciones de Qt, como -platform o -style.</translation>
    </message>
    <message>
        <source>opció desconeguda: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>opción desconocida: %1</translation>
    </message>
    <message>
        <source>argument no admès: %1</source>
        <translation>argumento no admitido: %1</translation>
    </message>
    <message>
        <source>Proveu «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Pruebe «%1 --help».</translation>
    </message>
</context>
<context>
    <name>trayecta::CurveFollower</name>
    <message>
        <source>Instant t, segons</source>
        <translation>Instante t, segundos</translation>
    </message>
    <message>
        <source>Posició x, metres</source>
        <translation>Posición x, metros</translation>
    </message>
    <message>
        <source>Posició y, metres</source>
        <translation>Posición y, metros</translation>
    </message>
    <message>
        <source>Velocitat vx, metres per segon</source>
        <translation>Velocidad vx, metros por segundo</translation>
    </message>
    <message>
        <source>Velocitat vy, metres per segon</source>
        <translation>Velocidad vy, metros por segundo</translation>
    </message>
    <message>
        <source>Rapidesa |v|, metres per segon</source>
        <translation>Rapidez |v|, metros por segundo</translation>
    </message>
    <message>
        <source>Punt de la trajectòria</source>
        <extracomment>spoken name of the panel with the values at the marked point of the curve</extracomment>
        <translation>Punto de la trayectoria</translation>
    </message>
</context>
<context>
    <name>trayecta::ExampleProblems</name>
    <message>
        <source>Llançament horitzontal des d&apos;un penya-segat</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Lanzamiento horizontal desde un acantilado</translation>
    </message>
    <message>
        <source>Des de dalt d&apos;un penya-segat de 19,6 m d&apos;altura es llança una pedra horitzontalment a 10 m/s (g = 9,8 m/s²). a) Quant de temps triga a arribar a terra? b) A quina distància del peu del penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Desde lo alto de un acantilado de 19,6 m de altura se lanza una piedra horizontalmente a 10 m/s (g = 9,8 m/s²). a) ¿Cuánto tiempo tarda en llegar al suelo? b) ¿A qué distancia del pie del acantilado cae? c) ¿Con qué velocidad llega al suelo, en componentes y en módulo?</translation>
    </message>
    <message>
        <source>Llançament vertical</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Lanzamiento vertical</translation>
    </message>
    <message>
        <source>Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a quina altura puja? b) Quant de temps és a l&apos;aire? c) Amb quina velocitat torna a terra?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Se lanza una pelota verticalmente hacia arriba desde el suelo a 19,6 m/s (g = 9,8 m/s²). a) ¿Hasta qué altura sube? b) ¿Cuánto tiempo está en el aire? c) ¿Con qué velocidad vuelve al suelo?</translation>
    </message>
    <message>
        <source>Abast màxim: llançament a 45°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Alcance máximo: lanzamiento a 45°</translation>
    </message>
    <message>
        <source>Es xuta una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Proveu altres angles amb la mateixa velocitat: n&apos;hi ha cap que arribi més lluny?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Se chuta un balón desde el suelo a 20 m/s formando 45° con la horizontal (g = 9,8 m/s²). a) ¿Cuál es el alcance? b) ¿Qué altura máxima alcanza? c) ¿Cuánto tiempo está en el aire? Pruebe otros ángulos con la misma velocidad: ¿hay alguno que llegue más lejos?</translation>
    </message>
    <message>
        <source>Angles complementaris: 30°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Ángulos complementarios: 30°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 30° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? Marqueu «Superposa les trajectòries» i llanceu-lo també a 60°: què tenen en comú les dues trajectòries?</source>
        <extracomment>the statement of an example problem, as a textbook poses it; «Superposa les trajectòries» is the graph menu&apos;s item</extracomment>
        <translation>Se lanza un proyectil desde el suelo a 20 m/s formando 30° con la horizontal (g = 9,8 m/s²). a) ¿Cuál es el alcance? b) ¿Qué altura máxima alcanza? Marque «Superponer trayectorias» y láncelo también a 60°: ¿qué tienen en común las dos trayectorias?</translation>
    </message>
    <message>
        <source>Angles complementaris: 60°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Ángulos complementarios: 60°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Compareu-ho amb el llançament a 30°: quin dels dos és més temps a l&apos;aire?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Se lanza un proyectil desde el suelo a 20 m/s formando 60° con la horizontal (g = 9,8 m/s²). a) ¿Cuál es el alcance? b) ¿Qué altura máxima alcanza? c) Compárelo con el lanzamiento a 30°: ¿cuál de los dos está más tiempo en el aire?</translation>
    </message>
    <message>
        <source>Gravetat a la Lluna</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Gravedad en la Luna</translation>
    </message>
    <message>
        <source>Un astronauta llança una pedra a la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l&apos;horitzontal. a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Compareu-ho amb el mateix llançament a la Terra.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Un astronauta lanza una piedra en la Luna (g = 1,62 m/s²) a 20 m/s formando 45° con la horizontal. a) ¿Cuál es el alcance? b) ¿Qué altura máxima alcanza? c) ¿Cuánto tiempo está en el aire? Compárelo con el mismo lanzamiento en la Tierra.</translation>
    </message>
    <message>
        <source>Llançament des d&apos;un pou</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Lanzamiento desde un pozo</translation>
    </message>
    <message>
        <source>Des del fons d&apos;un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quant de temps triga a sortir a l&apos;altura del terra? b) A quina distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat surt? d) Per què la gràfica queda buida?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Desde el fondo de un pozo de 5 m de profundidad se lanza una piedra a 20 m/s formando 60° con la horizontal (g = 9,8 m/s²). a) ¿Cuánto tiempo tarda en salir a la altura del suelo? b) ¿A qué distancia horizontal del punto de lanzamiento lo hace? c) ¿Con qué velocidad sale? d) ¿Por qué la gráfica queda vacía?</translation>
    </message>
    <message>
        <source>Llançament amb vent en contra</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Lanzamiento con viento en contra</translation>
    </message>
    <message>
        <source>Es llança una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal, amb un vent en contra que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Amb quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Se lanza una pelota desde el suelo a 20 m/s formando 45° con la horizontal, con un viento en contra que le da una aceleración horizontal de -2 m/s² (g = 9,8 m/s²). a) ¿Cuál es el alcance? b) ¿Con qué velocidad llega al suelo? Compárelo con el lanzamiento sin viento.</translation>
    </message>
</context>
<context>
    <name>trayecta::FORM1</name>
    <message>
        <source>Trayecta v%1.%2</source>
        <extracomment>window title: the program&apos;s name and version; %1.%2 is the version, major and minor</extracomment>
        <translation>Trayecta v%1.%2</translation>
    </message>
    <message>
        <source>Error</source>
        <extracomment>title of the failure box (noun)</extracomment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Posició inicial, X, metres</source>
        <translation>Posición inicial, X, metros</translation>
    </message>
    <message>
        <source>Posició inicial, Y, metres</source>
        <translation>Posición inicial, Y, metros</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en km/h</source>
        <translation>Convertidor, velocidad en km/h</translation>
    </message>
    <message>
        <source>Premeu el botó = per passar-la a m/s</source>
        <extracomment>spoken description of the km/h box; &quot;=&quot; is the converter&apos;s button, &quot;la&quot; the speed</extracomment>
        <translation>Pulse el botón = para pasarla a m/s</translation>
    </message>
    <message>
        <source>Converteix km/h a m/s</source>
        <translation>Convierte km/h a m/s</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en m/s</source>
        <translation>Convertidor, velocidad en m/s</translation>
    </message>
    <message>
        <source>Velocitat inicial per components</source>
        <translation>Velocidad inicial por componentes</translation>
    </message>
    <message>
        <source>Velocitat inicial, X, metres per segon</source>
        <translation>Velocidad inicial, X, metros por segundo</translation>
    </message>
    <message>
        <source>Velocitat inicial, Y, metres per segon</source>
        <translation>Velocidad inicial, Y, metros por segundo</translation>
    </message>
    <message>
        <source>Velocitat inicial per mòdul i direcció</source>
        <translation>Velocidad inicial por módulo y dirección</translation>
    </message>
    <message>
        <source>Velocitat inicial, mòdul, metres per segon</source>
        <translation>Velocidad inicial, módulo, metros por segundo</translation>
    </message>
    <message>
        <source>Direcció per l&apos;angle amb l&apos;horitzontal</source>
        <translation>Dirección por el ángulo con la horizontal</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horitzontal, graus</source>
        <translation>Ángulo con la horizontal, grados</translation>
    </message>
    <message>
        <source>Direcció pel sinus i el cosinus de l&apos;angle</source>
        <translation>Dirección por el seno y el coseno del ángulo</translation>
    </message>
    <message>
        <source>Sinus de l&apos;angle</source>
        <translation>Seno del ángulo</translation>
    </message>
    <message>
        <source>Cosinus de l&apos;angle</source>
        <translation>Coseno del ángulo</translation>
    </message>
    <message>
        <source>Acceleració, X, metres per segon al quadrat</source>
        <translation>Aceleración, X, metros por segundo al cuadrado</translation>
    </message>
    <message>
        <source>Acceleració, Y, metres per segon al quadrat</source>
        <translation>Aceleración, Y, metros por segundo al cuadrado</translation>
    </message>
    <message>
        <source>Posició final, equació del moviment</source>
        <translation>Posición final, ecuación del movimiento</translation>
    </message>
    <message>
        <source>El vector posició en funció del temps t, en metres</source>
        <translation>El vector posición en función del tiempo t, en metros</translation>
    </message>
    <message>
        <source>Velocitat final, equació de la velocitat</source>
        <translation>Velocidad final, ecuación de la velocidad</translation>
    </message>
    <message>
        <source>El vector velocitat en funció del temps t, en m/s</source>
        <translation>El vector velocidad en función del tiempo t, en m/s</translation>
    </message>
    <message>
        <source>Abast, metres</source>
        <translation>Alcance, metros</translation>
    </message>
    <message>
        <source>Temps de vol, segons</source>
        <translation>Tiempo de vuelo, segundos</translation>
    </message>
    <message>
        <source>Temps de vol, minuts</source>
        <translation>Tiempo de vuelo, minutos</translation>
    </message>
    <message>
        <source>Altura màxima, metres</source>
        <translation>Altura máxima, metros</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, X, metres per segon</source>
        <translation>Velocidad de impacto, X, metros por segundo</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, Y, metres per segon</source>
        <translation>Velocidad de impacto, Y, metros por segundo</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, mòdul, metres per segon</source>
        <translation>Velocidad de impacto, módulo, metros por segundo</translation>
    </message>
    <message>
        <source>Gràfica de la trajectòria</source>
        <extracomment>caption of the graph on the problem sheet, and the graph&apos;s spoken name</extracomment>
        <translation>Gráfica de la trayectoria</translation>
    </message>
    <message>
        <source>Sense trajectòria; premeu Calcular per dibuixar-la</source>
        <extracomment>spoken description of the empty graph; &quot;Calcular&quot; is the button&apos;s caption</extracomment>
        <translation>Sin trayectoria; pulse Calcular para dibujarla</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time</extracomment>
        <translation>Trayectoria: alcance %1 m, altura máxima %2 m, tiempo de vuelo %3 s. Con el ratón o las flechas se lee cada punto.</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries anteriors en gris. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time, %4 how many earlier curves are drawn in grey</extracomment>
        <translation>Trayectoria: alcance %1 m, altura máxima %2 m, tiempo de vuelo %3 s; %4 trayectorias anteriores en gris. Con el ratón o las flechas se lee cada punto.</translation>
    </message>
    <message>
        <source>Imatge PNG (*.png)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Imatge vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Imagen vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Valors separats per comes (*.csv)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>trajectoria</source>
        <extracomment>the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>trayectoria</translation>
    </message>
    <message>
        <source>Superposa les trajectòries</source>
        <extracomment>graph menu item, checkable: keep the earlier curves under the new one</extracomment>
        <translation>Superponer trayectorias</translation>
    </message>
    <message>
        <source>Desa la gràfica…</source>
        <extracomment>graph menu item: save a picture of the graph</extracomment>
        <translation>Guardar gráfica…</translation>
    </message>
    <message>
        <source>Copia la gràfica</source>
        <extracomment>graph menu item: copy a picture of the graph to the clipboard</extracomment>
        <translation>Copiar gráfica</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)…</source>
        <extracomment>graph menu item: save the curve&apos;s points as a CSV file</extracomment>
        <translation>Exportar puntos (CSV)…</translation>
    </message>
    <message>
        <source>Problemes d&apos;exemple</source>
        <extracomment>graph submenu holding the example problems</extracomment>
        <translation>Problemas de ejemplo</translation>
    </message>
    <message>
        <source>Anima el llançament</source>
        <extracomment>graph menu item: the ball flies along the drawn curve</extracomment>
        <translation>Animar lanzamiento</translation>
    </message>
    <message>
        <source>Imprimeix…</source>
        <extracomment>graph menu item (verb): print the problem sheet</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Desa com a PDF…</source>
        <extracomment>graph menu item: save the problem sheet as PDF</extracomment>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne…</source>
        <extracomment>graph menu item: save the student&apos;s sheet (without results) as PDF</extracomment>
        <translation>Hoja del alumno…</translation>
    </message>
    <message>
        <source>Llengua</source>
        <extracomment>graph menu: a submenu listing the languages of the program</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>La llengua triada s&apos;aplicarà la propera vegada que obriu Trayecta.</source>
        <extracomment>said after choosing another language in the graph menu</extracomment>
        <translation>El idioma elegido se aplicará la próxima vez que abra Trayecta.</translation>
    </message>
    <message>
        <source>Desa la gràfica</source>
        <extracomment>title of the save dialog for the graph&apos;s picture</extracomment>
        <translation>Guardar gráfica</translation>
    </message>
    <message>
        <source>Impossible desar la gràfica.</source>
        <extracomment>first line of the failure box when the graph&apos;s picture could not be saved</extracomment>
        <translation>No se ha podido guardar la gráfica.</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)</source>
        <extracomment>title of the save dialog for the curve&apos;s points</extracomment>
        <translation>Exportar puntos (CSV)</translation>
    </message>
    <message>
        <source>Impossible exportar els punts.</source>
        <extracomment>first line of the failure box when the curve&apos;s points could not be saved</extracomment>
        <translation>No se han podido exportar los puntos.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Tipo de error: %2</source>
        <extracomment>the failure box: %1 is what could not be done, %2 why; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>%1<byte value="xd"/>
Tipo de error: %2</translation>
    </message>
    <message>
        <source>Convertidor </source>
        <extracomment>heading over the km/h to m/s converter; the trailing space is part of the design</extracomment>
        <translation>Convertidor </translation>
    </message>
    <message>
        <source>Posició inicial:</source>
        <extracomment>label of the start position x0, y0</extracomment>
        <translation>Posición inicial:</translation>
    </message>
    <message>
        <source>Velocitat inicial:</source>
        <extracomment>label of the start velocity by components</extracomment>
        <translation>Velocidad inicial:</translation>
    </message>
    <message>
        <source>Vel. inicial(mòdul)</source>
        <extracomment>label of the start speed (modulus of the velocity); &quot;Vel.&quot; abbreviates &quot;Velocitat&quot;; keep it short</extracomment>
        <translation>Vel. inicial(módulo)</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horizontal:</source>
        <extracomment>label of the launch angle with the horizontal (&quot;horizontal&quot; is spelt so in the original)</extracomment>
        <translation>Ángulo con la horizontal:</translation>
    </message>
    <message>
        <source>Sinus:</source>
        <extracomment>label of the field for the sine of the launch angle</extracomment>
        <translation>Seno:</translation>
    </message>
    <message>
        <source>Cosinus:</source>
        <extracomment>label of the field for the cosine of the launch angle</extracomment>
        <translation>Coseno:</translation>
    </message>
    <message>
        <source>Aceleración:</source>
        <extracomment>the acceleration label (Spanish in the Catalan original)</extracomment>
        <translation>Aceleración:</translation>
    </message>
    <message>
        <source>Posició final:</source>
        <extracomment>label of the equation of motion r(t)</extracomment>
        <translation>Posición final:</translation>
    </message>
    <message>
        <source>Velocitat final:</source>
        <extracomment>label of the equation of velocity v(t)</extracomment>
        <translation>Velocidad final:</translation>
    </message>
    <message>
        <source>Temps de vol:</source>
        <extracomment>label of the flight time, in s and in min</extracomment>
        <translation>Tiempo de vuelo:</translation>
    </message>
    <message>
        <source>Abast:</source>
        <extracomment>label of the horizontal range</extracomment>
        <translation>Alcance:</translation>
    </message>
    <message>
        <source>Altura màxima:</source>
        <extracomment>label of the maximum height</extracomment>
        <translation>Altura máxima:</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte:</source>
        <extracomment>label of the impact velocity; wraps over two lines in a 73 px wide box</extracomment>
        <translation>Velocidad de impacto:</translation>
    </message>
    <message>
        <source>En mòdul:</source>
        <extracomment>label of the impact speed (modulus of the impact velocity)</extracomment>
        <translation>En módulo:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <extracomment>button caption (verb); &amp; marks the shortcut; the button is 81 px wide</extracomment>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Es&amp;borrar</source>
        <extracomment>button caption (verb): clears the graph; &amp; marks the shortcut; the button is 49 px wide</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>No realitzar gràfica</source>
        <extracomment>check box: calculate without drawing the graph; the box is 113 px wide</extracomment>
        <translation>No realizar gráfica</translation>
    </message>
    <message>
        <source>Tir parabòlic</source>
        <extracomment>the heading over the graph: projectile motion</extracomment>
        <translation>Tiro parabólico</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Dades</source>
        <extracomment>heading of the problem sheet&apos;s section with the problem&apos;s data</extracomment>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Equacions del moviment</source>
        <extracomment>heading of the problem sheet&apos;s section with the equations of motion and velocity</extracomment>
        <translation>Ecuaciones del movimiento</translation>
    </message>
    <message>
        <source>Resultats</source>
        <extracomment>heading of the problem sheet&apos;s section with the results</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Imprimeix</source>
        <extracomment>title of the print dialog (verb)</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne</source>
        <extracomment>title of the save dialog for the student&apos;s sheet</extracomment>
        <translation>Hoja del alumno</translation>
    </message>
    <message>
        <source>Desa com a PDF</source>
        <extracomment>title of the save dialog for the problem sheet</extracomment>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>full-alumne</source>
        <extracomment>the file name suggested for the student&apos;s sheet, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>hoja-alumno</translation>
    </message>
    <message>
        <source>Impossible desar el PDF.</source>
        <extracomment>first line of the failure box when the sheet could not be saved</extracomment>
        <translation>No se ha podido guardar el PDF.</translation>
    </message>
</context>
<context>
    <name>trayecta::Failure</name>
    <message>
        <source>un camp no conté un nombre vàlid.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>un campo no contiene un número válido.</translation>
    </message>
    <message>
        <source>divisió per zero (l&apos;acceleració vertical no pot ser 0).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>división por cero (la aceleración vertical no puede ser 0).</translation>
    </message>
    <message>
        <source>el mòbil no arriba mai a l&apos;altura 0 (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>el móvil nunca llega a la altura 0 (no hay impacto con el suelo).</translation>
    </message>
    <message>
        <source>el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>el móvil no llega al suelo después del lanzamiento (no hay impacto con el suelo).</translation>
    </message>
    <message>
        <source>desbordament: un valor és massa gran per calcular-lo.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>desbordamiento: un valor es demasiado grande para calcularlo.</translation>
    </message>
    <message>
        <source>l&apos;escala de la gràfica no pot ser 0.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>la escala de la gráfica no puede ser 0.</translation>
    </message>
    <message>
        <source>error desconegut.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>error desconocido.</translation>
    </message>
    <message>
        <source>Impossible realitzar càlcul.<byte value="xd"/>
Tipo de error: %1</source>
        <extracomment>the failure box; %1 is the failure reason; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>No se ha podido realizar el cálculo.<byte value="xd"/>
Tipo de error: %1</translation>
    </message>
</context>
<context>
    <name>trayecta::FlightFollow</name>
    <message>
        <source>Temps real</source>
        <extracomment>the animated launch plays at the flight&apos;s own pace</extracomment>
        <translation>Tiempo real</translation>
    </message>
    <message>
        <source>Temps ×%1 (accelerat)</source>
        <extracomment>the animated launch plays faster; %1 is the factor, such as 3 or 12,5</extracomment>
        <translation>Tiempo ×%1 (acelerado)</translation>
    </message>
    <message>
        <source>Temps ×%1 (alentit)</source>
        <extracomment>the animated launch plays slower; %1 is the factor, such as 0,5</extracomment>
        <translation>Tiempo ×%1 (ralentizado)</translation>
    </message>
</context>
<context>
    <name>trayecta::FormEnunciat</name>
    <message>
        <source>Enunciat</source>
        <extracomment>window title: the statement of the chosen example problem (noun)</extracomment>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>Títol del problema</source>
        <translation>Título del problema</translation>
    </message>
    <message>
        <source>Enunciat del problema</source>
        <translation>Enunciado del problema</translation>
    </message>
</context>
<context>
    <name>trayecta::InputRules</name>
    <message>
        <source>Posició: %1  ,  %2</source>
        <extracomment>the pointer&apos;s position over the graph: %1 is x, %2 the height y, in metres</extracomment>
        <translation>Posición: %1  ,  %2</translation>
    </message>
</context>
<context>
    <name>trayecta::WholeFile</name>
    <message>
        <source>no hi ha permís per escriure-hi</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no hay permiso de escritura</translation>
    </message>
    <message>
        <source>la carpeta no existeix</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>una part del camí no és una carpeta</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>un elemento de la ruta no es una carpeta</translation>
    </message>
    <message>
        <source>és una carpeta, no un fitxer</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>es una carpeta, no un fichero</translation>
    </message>
    <message>
        <source>no queda espai al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no queda espacio en el disco</translation>
    </message>
    <message>
        <source>el disc és només de lectura</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>el nom és massa llarg</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>el nombre es demasiado largo</translation>
    </message>
    <message>
        <source>error d&apos;escriptura al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>error de escritura en el disco</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written; %1 is the system&apos;s error number</extracomment>
        <translation>error del sistema número %1</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason it could not be written</extracomment>
        <translation>no se ha podido escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>no s&apos;ha indicat cap nom de fitxer.</source>
        <extracomment>a file failure: no file name was given</extracomment>
        <translation>no se ha indicado ningún nombre de fichero.</translation>
    </message>
</context>
</TS>
