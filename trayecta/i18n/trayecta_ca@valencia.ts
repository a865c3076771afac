<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="ca">
<context>
    <name>trayecta::CommandLine</name>
    <message>
        <source>Ús: %1 [opcions]</source>
        <translation>Ús: %1 [opcions]</translation>
    </message>
    <message>
        <source>Resol problemes de tir parabòlic i en dibuixa la trajectòria.</source>
        <translation>Resol problemes de tir parabòlic i en dibuixa la trajectòria.</translation>
    </message>
    <message>
        <source>Opcions:</source>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda i surt.</source>
        <translation>Mostra esta ajuda i ix.</translation>
    </message>
    <message>
        <source>Mostra la versió i surt.</source>
        <translation>Mostra la versió i ix.</translation>
    </message>
    <message>
        <source>Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector).</source>
        <translation>Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector).</translation>
    </message>
    <message>
        <source>Llengua: %1 (si no, la triada al menú, o català).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Llengua: %1 (si no, la triada al menú, o català).</translation>
    </message>
    <message>
        <source>valor no admès per a --scale: %1 (de 0,5 a 4)</source>
        <translation>valor no admés per a --scale: %1 (de 0,5 a 4)</translation>
    </message>
    <message>
        <source>També admet les opcions de Qt, com ara -platform o -style.</source>
        <translation>També admet les opcions de Qt, com ara -platform o -style.</translation>
    </message>
    <message>
        <source>opció desconeguda: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>opció desconeguda: %1</translation>
    </message>
    <message>
        <source>argument no admès: %1</source>
        <translation>argument no admés: %1</translation>
    </message>
    <message>
        <source>Proveu «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Proveu «%1 --help».</translation>
    </message>
</context>
<context>
    <name>trayecta::CurveFollower</name>
    <message>
        <source>Instant t, segons</source>
        <translation>Instant t, segons</translation>
    </message>
    <message>
        <source>Posició x, metres</source>
        <translation>Posició x, metres</translation>
    </message>
    <message>
        <source>Posició y, metres</source>
        <translation>Posició y, metres</translation>
    </message>
    <message>
        <source>Velocitat vx, metres per segon</source>
        <translation>Velocitat vx, metres per segon</translation>
    </message>
    <message>
        <source>Velocitat vy, metres per segon</source>
        <translation>Velocitat vy, metres per segon</translation>
    </message>
    <message>
        <source>Rapidesa |v|, metres per segon</source>
        <translation>Rapidesa |v|, metres per segon</translation>
    </message>
    <message>
        <source>Punt de la trajectòria</source>
        <extracomment>spoken name of the panel with the values at the marked point of the curve</extracomment>
        <translation>Punt de la trajectòria</translation>
    </message>
</context>
<context>
    <name>trayecta::ExampleProblems</name>
    <message>
        <source>Llançament horitzontal des d&apos;un penya-segat</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Llançament horitzontal des d&apos;un penya-segat</translation>
    </message>
    <message>
        <source>Des de dalt d&apos;un penya-segat de 19,6 m d&apos;altura es llança una pedra horitzontalment a 10 m/s (g = 9,8 m/s²). a) Quant de temps triga a arribar a terra? b) A quina distància del peu del penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Des de dalt d&apos;un penya-segat de 19,6 m d&apos;altura es llança una pedra horitzontalment a 10 m/s (g = 9,8 m/s²). a) Quant de temps tarda a arribar a terra? b) A quina distància del peu del penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?</translation>
    </message>
    <message>
        <source>Llançament vertical</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Llançament vertical</translation>
    </message>
    <message>
        <source>Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a quina altura puja? b) Quant de temps és a l&apos;aire? c) Amb quina velocitat torna a terra?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a quina altura puja? b) Quant de temps està en l&apos;aire? c) Amb quina velocitat torna a terra?</translation>
    </message>
    <message>
        <source>Abast màxim: llançament a 45°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Abast màxim: llançament a 45°</translation>
    </message>
    <message>
        <source>Es xuta una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Proveu altres angles amb la mateixa velocitat: n&apos;hi ha cap que arribi més lluny?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Es xuta una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assolix? c) Quant de temps està en l&apos;aire? Proveu altres angles amb la mateixa velocitat: n&apos;hi ha cap que arribe més lluny?</translation>
    </message>
    <message>
        <source>Angles complementaris: 30°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Angles complementaris: 30°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 30° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? Marqueu «Superposa les trajectòries» i llanceu-lo també a 60°: què tenen en comú les dues trajectòries?</source>
        <extracomment>the statement of an example problem, as a textbook poses it; «Superposa les trajectòries» is the graph menu&apos;s item</extracomment>
        <translation>Es llança un projectil des de terra a 20 m/s formant 30° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assolix? Marqueu «Superposa les trajectòries» i llanceu-lo també a 60°: què tenen en comú les dues trajectòries?</translation>
    </message>
    <message>
        <source>Angles complementaris: 60°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Angles complementaris: 60°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Compareu-ho amb el llançament a 30°: quin dels dos és més temps a l&apos;aire?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Es llança un projectil des de terra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assolix? c) Compareu-ho amb el llançament a 30°: quin dels dos està més temps en l&apos;aire?</translation>
    </message>
    <message>
        <source>Gravetat a la Lluna</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Gravetat en la Lluna</translation>
    </message>
    <message>
        <source>Un astronauta llança una pedra a la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l&apos;horitzontal. a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Compareu-ho amb el mateix llançament a la Terra.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Un astronauta llança una pedra en la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l&apos;horitzontal. a) Quin és l&apos;abast? b) Quina altura màxima assolix? c) Quant de temps està en l&apos;aire? Compareu-ho amb el mateix llançament en la Terra.</translation>
    </message>
    <message>
        <source>Llançament des d&apos;un pou</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Llançament des d&apos;un pou</translation>
    </message>
    <message>
        <source>Des del fons d&apos;un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quant de temps triga a sortir a l&apos;altura del terra? b) A quina distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat surt? d) Per què la gràfica queda buida?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Des del fons d&apos;un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quant de temps tarda a eixir a l&apos;altura del terra? b) A quina distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat ix? d) Per què la gràfica queda buida?</translation>
    </message>
    <message>
        <source>Llançament amb vent en contra</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Llançament amb vent en contra</translation>
    </message>
    <message>
        <source>Es llança una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal, amb un vent en contra que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Amb quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Es llança una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal, amb un vent en contra que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Amb quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.</translation>
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
        <translation>Posició inicial, X, metres</translation>
    </message>
    <message>
        <source>Posició inicial, Y, metres</source>
        <translation>Posició inicial, Y, metres</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en km/h</source>
        <translation>Convertidor, velocitat en km/h</translation>
    </message>
    <message>
        <source>Premeu el botó = per passar-la a m/s</source>
        <extracomment>spoken description of the km/h box; &quot;=&quot; is the converter&apos;s button, &quot;la&quot; the speed</extracomment>
        <translation>Premeu el botó = per a passar-la a m/s</translation>
    </message>
    <message>
        <source>Converteix km/h a m/s</source>
        <translation>Convertix km/h a m/s</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en m/s</source>
        <translation>Convertidor, velocitat en m/s</translation>
    </message>
    <message>
        <source>Velocitat inicial per components</source>
        <translation>Velocitat inicial per components</translation>
    </message>
    <message>
        <source>Velocitat inicial, X, metres per segon</source>
        <translation>Velocitat inicial, X, metres per segon</translation>
    </message>
    <message>
        <source>Velocitat inicial, Y, metres per segon</source>
        <translation>Velocitat inicial, Y, metres per segon</translation>
    </message>
    <message>
        <source>Velocitat inicial per mòdul i direcció</source>
        <translation>Velocitat inicial per mòdul i direcció</translation>
    </message>
    <message>
        <source>Velocitat inicial, mòdul, metres per segon</source>
        <translation>Velocitat inicial, mòdul, metres per segon</translation>
    </message>
    <message>
        <source>Direcció per l&apos;angle amb l&apos;horitzontal</source>
        <translation>Direcció per l&apos;angle amb l&apos;horitzontal</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horitzontal, graus</source>
        <translation>Angle amb l&apos;horitzontal, graus</translation>
    </message>
    <message>
        <source>Direcció pel sinus i el cosinus de l&apos;angle</source>
        <translation>Direcció pel sinus i el cosinus de l&apos;angle</translation>
    </message>
    <message>
        <source>Sinus de l&apos;angle</source>
        <translation>Sinus de l&apos;angle</translation>
    </message>
    <message>
        <source>Cosinus de l&apos;angle</source>
        <translation>Cosinus de l&apos;angle</translation>
    </message>
    <message>
        <source>Acceleració, X, metres per segon al quadrat</source>
        <translation>Acceleració, X, metres per segon al quadrat</translation>
    </message>
    <message>
        <source>Acceleració, Y, metres per segon al quadrat</source>
        <translation>Acceleració, Y, metres per segon al quadrat</translation>
    </message>
    <message>
        <source>Posició final, equació del moviment</source>
        <translation>Posició final, equació del moviment</translation>
    </message>
    <message>
        <source>El vector posició en funció del temps t, en metres</source>
        <translation>El vector posició en funció del temps t, en metres</translation>
    </message>
    <message>
        <source>Velocitat final, equació de la velocitat</source>
        <translation>Velocitat final, equació de la velocitat</translation>
    </message>
    <message>
        <source>El vector velocitat en funció del temps t, en m/s</source>
        <translation>El vector velocitat en funció del temps t, en m/s</translation>
    </message>
    <message>
        <source>Abast, metres</source>
        <translation>Abast, metres</translation>
    </message>
    <message>
        <source>Temps de vol, segons</source>
        <translation>Temps de vol, segons</translation>
    </message>
    <message>
        <source>Temps de vol, minuts</source>
        <translation>Temps de vol, minuts</translation>
    </message>
    <message>
        <source>Altura màxima, metres</source>
        <translation>Altura màxima, metres</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, X, metres per segon</source>
        <translation>Velocitat en l&apos;impacte, X, metres per segon</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, Y, metres per segon</source>
        <translation>Velocitat en l&apos;impacte, Y, metres per segon</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, mòdul, metres per segon</source>
        <translation>Velocitat en l&apos;impacte, mòdul, metres per segon</translation>
    </message>
    <message>
        <source>Gràfica de la trajectòria</source>
        <extracomment>caption of the graph on the problem sheet, and the graph&apos;s spoken name</extracomment>
        <translation>Gràfica de la trajectòria</translation>
    </message>
    <message>
        <source>Sense trajectòria; premeu Calcular per dibuixar-la</source>
        <extracomment>spoken description of the empty graph; &quot;Calcular&quot; is the button&apos;s caption</extracomment>
        <translation>Sense trajectòria; premeu Calcular per a dibuixar-la</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time</extracomment>
        <translation>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el ratolí o les fletxes es llig cada punt.</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries anteriors en gris. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time, %4 how many earlier curves are drawn in grey</extracomment>
        <translation>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries anteriors en gris. Amb el ratolí o les fletxes es llig cada punt.</translation>
    </message>
    <message>
        <source>Imatge PNG (*.png)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Imatge PNG (*.png)</translation>
    </message>
    <message>
        <source>Imatge vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Imatge vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Valors separats per comes (*.csv)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Valors separats per comes (*.csv)</translation>
    </message>
    <message>
        <source>trajectoria</source>
        <extracomment>the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>trajectoria</translation>
    </message>
    <message>
        <source>Superposa les trajectòries</source>
        <extracomment>graph menu item, checkable: keep the earlier curves under the new one</extracomment>
        <translation>Superposa les trajectòries</translation>
    </message>
    <message>
        <source>Desa la gràfica…</source>
        <extracomment>graph menu item: save a picture of the graph</extracomment>
        <translation>Guarda la gràfica…</translation>
    </message>
    <message>
        <source>Copia la gràfica</source>
        <extracomment>graph menu item: copy a picture of the graph to the clipboard</extracomment>
        <translation>Copia la gràfica</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)…</source>
        <extracomment>graph menu item: save the curve&apos;s points as a CSV file</extracomment>
        <translation>Exporta els punts (CSV)…</translation>
    </message>
    <message>
        <source>Problemes d&apos;exemple</source>
        <extracomment>graph submenu holding the example problems</extracomment>
        <translation>Problemes d&apos;exemple</translation>
    </message>
    <message>
        <source>Anima el llançament</source>
        <extracomment>graph menu item: the ball flies along the drawn curve</extracomment>
        <translation>Anima el llançament</translation>
    </message>
    <message>
        <source>Imprimeix…</source>
        <extracomment>graph menu item (verb): print the problem sheet</extracomment>
        <translation>Imprimix…</translation>
    </message>
    <message>
        <source>Desa com a PDF…</source>
        <extracomment>graph menu item: save the problem sheet as PDF</extracomment>
        <translation>Guarda com a PDF…</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne…</source>
        <extracomment>graph menu item: save the student&apos;s sheet (without results) as PDF</extracomment>
        <translation>Full de l&apos;alumne…</translation>
    </message>
    <message>
        <source>Llengua</source>
        <extracomment>graph menu: a submenu listing the languages of the program</extracomment>
        <translation>Llengua</translation>
    </message>
    <message>
        <source>La llengua triada s&apos;aplicarà la propera vegada que obriu Trayecta.</source>
        <extracomment>said after choosing another language in the graph menu</extracomment>
        <translation>La llengua triada s&apos;aplicarà la pròxima vegada que obriu Trayecta.</translation>
    </message>
    <message>
        <source>Desa la gràfica</source>
        <extracomment>title of the save dialog for the graph&apos;s picture</extracomment>
        <translation>Guarda la gràfica</translation>
    </message>
    <message>
        <source>Impossible desar la gràfica.</source>
        <extracomment>first line of the failure box when the graph&apos;s picture could not be saved</extracomment>
        <translation>Impossible guardar la gràfica.</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)</source>
        <extracomment>title of the save dialog for the curve&apos;s points</extracomment>
        <translation>Exporta els punts (CSV)</translation>
    </message>
    <message>
        <source>Impossible exportar els punts.</source>
        <extracomment>first line of the failure box when the curve&apos;s points could not be saved</extracomment>
        <translation>Impossible exportar els punts.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Tipo de error: %2</source>
        <extracomment>the failure box: %1 is what could not be done, %2 why; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>%1<byte value="xd"/>
Tipus d&apos;error: %2</translation>
    </message>
    <message>
        <source>Convertidor </source>
        <extracomment>heading over the km/h to m/s converter; the trailing space is part of the design</extracomment>
        <translation>Convertidor </translation>
    </message>
    <message>
        <source>Posició inicial:</source>
        <extracomment>label of the start position x0, y0</extracomment>
        <translation>Posició inicial:</translation>
    </message>
    <message>
        <source>Velocitat inicial:</source>
        <extracomment>label of the start velocity by components</extracomment>
        <translation>Velocitat inicial:</translation>
    </message>
    <message>
        <source>Vel. inicial(mòdul)</source>
        <extracomment>label of the start speed (modulus of the velocity); &quot;Vel.&quot; abbreviates &quot;Velocitat&quot;; keep it short</extracomment>
        <translation>Vel. inicial(mòdul)</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horizontal:</source>
        <extracomment>label of the launch angle with the horizontal (&quot;horizontal&quot; is spelt so in the original)</extracomment>
        <translation>Angle amb l&apos;horitzontal:</translation>
    </message>
    <message>
        <source>Sinus:</source>
        <extracomment>label of the field for the sine of the launch angle</extracomment>
        <translation>Sinus:</translation>
    </message>
    <message>
        <source>Cosinus:</source>
        <extracomment>label of the field for the cosine of the launch angle</extracomment>
        <translation>Cosinus:</translation>
    </message>
    <message>
        <source>Aceleración:</source>
        <extracomment>the acceleration label (Spanish in the Catalan original)</extracomment>
        <translation>Acceleració:</translation>
    </message>
    <message>
        <source>Posició final:</source>
        <extracomment>label of the equation of motion r(t)</extracomment>
        <translation>Posició final:</translation>
    </message>
    <message>
        <source>Velocitat final:</source>
        <extracomment>label of the equation of velocity v(t)</extracomment>
        <translation>Velocitat final:</translation>
    </message>
    <message>
        <source>Temps de vol:</source>
        <extracomment>label of the flight time, in s and in min</extracomment>
        <translation>Temps de vol:</translation>
    </message>
    <message>
        <source>Abast:</source>
        <extracomment>label of the horizontal range</extracomment>
        <translation>Abast:</translation>
    </message>
    <message>
        <source>Altura màxima:</source>
        <extracomment>label of the maximum height</extracomment>
        <translation>Altura màxima:</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte:</source>
        <extracomment>label of the impact velocity; wraps over two lines in a 73 px wide box</extracomment>
        <translation>Velocitat en l&apos;impacte:</translation>
    </message>
    <message>
        <source>En mòdul:</source>
        <extracomment>label of the impact speed (modulus of the impact velocity)</extracomment>
        <translation>En mòdul:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <extracomment>button caption (verb); &amp; marks the shortcut; the button is 81 px wide</extracomment>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Es&amp;borrar</source>
        <extracomment>button caption (verb): clears the graph; &amp; marks the shortcut; the button is 49 px wide</extracomment>
        <translation>Es&amp;borrar</translation>
    </message>
    <message>
        <source>No realitzar gràfica</source>
        <extracomment>check box: calculate without drawing the graph; the box is 113 px wide</extracomment>
        <translation>No realitzar gràfica</translation>
    </message>
    <message>
        <source>Tir parabòlic</source>
        <extracomment>the heading over the graph: projectile motion</extracomment>
        <translation>Tir parabòlic</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Dades</source>
        <extracomment>heading of the problem sheet&apos;s section with the problem&apos;s data</extracomment>
        <translation>Dades</translation>
    </message>
    <message>
        <source>Equacions del moviment</source>
        <extracomment>heading of the problem sheet&apos;s section with the equations of motion and velocity</extracomment>
        <translation>Equacions del moviment</translation>
    </message>
    <message>
        <source>Resultats</source>
        <extracomment>heading of the problem sheet&apos;s section with the results</extracomment>
        <translation>Resultats</translation>
    </message>
    <message>
        <source>Imprimeix</source>
        <extracomment>title of the print dialog (verb)</extracomment>
        <translation>Imprimix</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne</source>
        <extracomment>title of the save dialog for the student&apos;s sheet</extracomment>
        <translation>Full de l&apos;alumne</translation>
    </message>
    <message>
        <source>Desa com a PDF</source>
        <extracomment>title of the save dialog for the problem sheet</extracomment>
        <translation>Guarda com a PDF</translation>
    </message>
    <message>
        <source>full-alumne</source>
        <extracomment>the file name suggested for the student&apos;s sheet, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>full-alumne</translation>
    </message>
    <message>
        <source>Impossible desar el PDF.</source>
        <extracomment>first line of the failure box when the sheet could not be saved</extracomment>
        <translation>Impossible guardar el PDF.</translation>
    </message>
</context>
<context>
    <name>trayecta::Failure</name>
    <message>
        <source>un camp no conté un nombre vàlid.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>un camp no conté un nombre vàlid.</translation>
    </message>
    <message>
        <source>divisió per zero (l&apos;acceleració vertical no pot ser 0).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>divisió per zero (l&apos;acceleració vertical no pot ser 0).</translation>
    </message>
    <message>
        <source>el mòbil no arriba mai a l&apos;altura 0 (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>el mòbil no arriba mai a l&apos;altura 0 (no hi ha impacte amb el terra).</translation>
    </message>
    <message>
        <source>el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).</translation>
    </message>
    <message>
        <source>desbordament: un valor és massa gran per calcular-lo.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>desbordament: un valor és massa gran per a calcular-lo.</translation>
    </message>
    <message>
        <source>l&apos;escala de la gràfica no pot ser 0.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>l&apos;escala de la gràfica no pot ser 0.</translation>
    </message>
    <message>
        <source>error desconegut.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>error desconegut.</translation>
    </message>
    <message>
        <source>Impossible realitzar càlcul.<byte value="xd"/>
Tipo de error: %1</source>
        <extracomment>the failure box; %1 is the failure reason; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>Impossible realitzar càlcul.<byte value="xd"/>
Tipus d&apos;error: %1</translation>
    </message>
</context>
<context>
    <name>trayecta::FlightFollow</name>
    <message>
        <source>Temps real</source>
        <extracomment>the animated launch plays at the flight&apos;s own pace</extracomment>
        <translation>Temps real</translation>
    </message>
    <message>
        <source>Temps ×%1 (accelerat)</source>
        <extracomment>the animated launch plays faster; %1 is the factor, such as 3 or 12,5</extracomment>
        <translation>Temps ×%1 (accelerat)</translation>
    </message>
    <message>
        <source>Temps ×%1 (alentit)</source>
        <extracomment>the animated launch plays slower; %1 is the factor, such as 0,5</extracomment>
        <translation>Temps ×%1 (alentit)</translation>
    </message>
</context>
<context>
    <name>trayecta::FormEnunciat</name>
    <message>
        <source>Enunciat</source>
        <extracomment>window title: the statement of the chosen example problem (noun)</extracomment>
        <translation>Enunciat</translation>
    </message>
    <message>
        <source>Títol del problema</source>
        <translation>Títol del problema</translation>
    </message>
    <message>
        <source>Enunciat del problema</source>
        <translation>Enunciat del problema</translation>
    </message>
</context>
<context>
    <name>trayecta::InputRules</name>
    <message>
        <source>Posició: %1  ,  %2</source>
        <extracomment>the pointer&apos;s position over the graph: %1 is x, %2 the height y, in metres</extracomment>
        <translation>Posició: %1  ,  %2</translation>
    </message>
</context>
<context>
    <name>trayecta::WholeFile</name>
    <message>
        <source>no hi ha permís per escriure-hi</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no hi ha permís per a escriure-hi</translation>
    </message>
    <message>
        <source>la carpeta no existeix</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>la carpeta no existix</translation>
    </message>
    <message>
        <source>una part del camí no és una carpeta</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>un element del camí no és una carpeta</translation>
    </message>
    <message>
        <source>és una carpeta, no un fitxer</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>no queda espai al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no queda espai al disc</translation>
    </message>
    <message>
        <source>el disc és només de lectura</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>el nom és massa llarg</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>el nom és massa llarg</translation>
    </message>
    <message>
        <source>error d&apos;escriptura al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>error d&apos;escriptura al disc</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written; %1 is the system&apos;s error number</extracomment>
        <translation>error del sistema número %1</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason it could not be written</extracomment>
        <translation>no s&apos;ha pogut escriure «%1»: %2.</translation>
    </message>
    <message>
        <source>no s&apos;ha indicat cap nom de fitxer.</source>
        <extracomment>a file failure: no file name was given</extracomment>
        <translation>no s&apos;ha indicat cap nom de fitxer.</translation>
    </message>
</context>
</TS>
