<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ca">
<context>
    <name>trayecta::CommandLine</name>
    <message>
        <source>Ús: %1 [opcions]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Resol problemes de tir parabòlic i en dibuixa la trajectòria.</source>
        <translation>Solves projectile-motion problems and draws the trajectory.</translation>
    </message>
    <message>
        <source>Opcions:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda i surt.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Mostra la versió i surt.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector).</source>
        <translation>Enlarge the windows F times, from 0,5 to 4 (2 for a projector).</translation>
    </message>
    <message>
        <source>Llengua: %1 (si no, la triada al menú, o català).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Language: %1 (otherwise the one chosen in the menu, or Catalan).</translation>
    </message>
    <message>
        <source>valor no admès per a --scale: %1 (de 0,5 a 4)</source>
        <translation>value not accepted for --scale: %1 (from 0,5 to 4)</translation>
    </message>
    <message>
        <source>També admet les opcions de Qt, com ara -platform o -style.</source>
        <translation>Qt&apos;s own options, such as -platform or -style, are also accepted.</translation>
    </message>
    <message>
        <source>opció desconeguda: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argument no admès: %1</source>
        <translation>argument not accepted: %1</translation>
    </message>
    <message>
        <source>Proveu «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Try &apos;%1 --help&apos;.</translation>
    </message>
</context>
<context>
    <name>trayecta::CurveFollower</name>
    <message>
        <source>Instant t, segons</source>
        <translation>Time t, seconds</translation>
    </message>
    <message>
        <source>Posició x, metres</source>
        <translation>Position x, metres</translation>
    </message>
    <message>
        <source>Posició y, metres</source>
        <translation>Position y, metres</translation>
    </message>
    <message>
        <source>Velocitat vx, metres per segon</source>
        <translation>Velocity vx, metres per second</translation>
    </message>
    <message>
        <source>Velocitat vy, metres per segon</source>
        <translation>Velocity vy, metres per second</translation>
    </message>
    <message>
        <source>Rapidesa |v|, metres per segon</source>
        <translation>Speed |v|, metres per second</translation>
    </message>
    <message>
        <source>Punt de la trajectòria</source>
        <extracomment>spoken name of the panel with the values at the marked point of the curve</extracomment>
        <translation>Point on the trajectory</translation>
    </message>
</context>
<context>
    <name>trayecta::ExampleProblems</name>
    <message>
        <source>Llançament horitzontal des d&apos;un penya-segat</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Horizontal Launch from a Cliff</translation>
    </message>
    <message>
        <source>Des de dalt d&apos;un penya-segat de 19,6 m d&apos;altura es llança una pedra horitzontalment a 10 m/s (g = 9,8 m/s²). a) Quant de temps triga a arribar a terra? b) A quina distància del peu del penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A stone is thrown horizontally at 10 m/s from the top of a cliff 19,6 m high (g = 9,8 m/s²). a) How long does it take to reach the ground? b) How far from the foot of the cliff does it land? c) With what velocity does it reach the ground, in components and in magnitude?</translation>
    </message>
    <message>
        <source>Llançament vertical</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Vertical Launch</translation>
    </message>
    <message>
        <source>Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a quina altura puja? b) Quant de temps és a l&apos;aire? c) Amb quina velocitat torna a terra?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A ball is thrown vertically upwards from the ground at 19,6 m/s (g = 9,8 m/s²). a) How high does it rise? b) How long is it in the air? c) With what velocity does it return to the ground?</translation>
    </message>
    <message>
        <source>Abast màxim: llançament a 45°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Maximum Range: Launch at 45°</translation>
    </message>
    <message>
        <source>Es xuta una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Proveu altres angles amb la mateixa velocitat: n&apos;hi ha cap que arribi més lluny?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A ball is kicked from the ground at 20 m/s at 45° to the horizontal (g = 9,8 m/s²). a) What is the range? b) What maximum height does it reach? c) How long is it in the air? Try other angles with the same speed: does any of them go further?</translation>
    </message>
    <message>
        <source>Angles complementaris: 30°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Complementary Angles: 30°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 30° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? Marqueu «Superposa les trajectòries» i llanceu-lo també a 60°: què tenen en comú les dues trajectòries?</source>
        <extracomment>the statement of an example problem, as a textbook poses it; «Superposa les trajectòries» is the graph menu&apos;s item</extracomment>
        <translation>A projectile is launched from the ground at 20 m/s at 30° to the horizontal (g = 9,8 m/s²). a) What is the range? b) What maximum height does it reach? Tick ‘Overlay Trajectories’ and launch it at 60° as well: what do the two trajectories have in common?</translation>
    </message>
    <message>
        <source>Angles complementaris: 60°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Complementary Angles: 60°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Compareu-ho amb el llançament a 30°: quin dels dos és més temps a l&apos;aire?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A projectile is launched from the ground at 20 m/s at 60° to the horizontal (g = 9,8 m/s²). a) What is the range? b) What maximum height does it reach? c) Compare it with the launch at 30°: which of the two stays in the air longer?</translation>
    </message>
    <message>
        <source>Gravetat a la Lluna</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Gravity on the Moon</translation>
    </message>
    <message>
        <source>Un astronauta llança una pedra a la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l&apos;horitzontal. a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Compareu-ho amb el mateix llançament a la Terra.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>An astronaut throws a stone on the Moon (g = 1,62 m/s²) at 20 m/s at 45° to the horizontal. a) What is the range? b) What maximum height does it reach? c) How long is it in the air? Compare it with the same launch on Earth.</translation>
    </message>
    <message>
        <source>Llançament des d&apos;un pou</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Launch from a Well</translation>
    </message>
    <message>
        <source>Des del fons d&apos;un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quant de temps triga a sortir a l&apos;altura del terra? b) A quina distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat surt? d) Per què la gràfica queda buida?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A stone is thrown at 20 m/s at 60° to the horizontal from the bottom of a well 5 m deep (g = 9,8 m/s²). a) How long does it take to come out at ground level? b) At what horizontal distance from the launch point does it do so? c) With what velocity does it come out? d) Why is the graph empty?</translation>
    </message>
    <message>
        <source>Llançament amb vent en contra</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Launch into a Headwind</translation>
    </message>
    <message>
        <source>Es llança una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal, amb un vent en contra que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Amb quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>A ball is thrown from the ground at 20 m/s at 45° to the horizontal, into a headwind that gives it a horizontal acceleration of -2 m/s² (g = 9,8 m/s²). a) What is the range? b) With what velocity does it reach the ground? Compare it with the launch without wind.</translation>
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
        <translation>Initial position, X, metres</translation>
    </message>
    <message>
        <source>Posició inicial, Y, metres</source>
        <translation>Initial position, Y, metres</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en km/h</source>
        <translation>Converter, speed in km/h</translation>
    </message>
    <message>
        <source>Premeu el botó = per passar-la a m/s</source>
        <extracomment>spoken description of the km/h box; &quot;=&quot; is the converter&apos;s button, &quot;la&quot; the speed</extracomment>
        <translation>Press the = button to convert it to m/s</translation>
    </message>
    <message>
        <source>Converteix km/h a m/s</source>
        <translation>Convert km/h to m/s</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en m/s</source>
        <translation>Converter, speed in m/s</translation>
    </message>
    <message>
        <source>Velocitat inicial per components</source>
        <translation>Initial velocity by components</translation>
    </message>
    <message>
        <source>Velocitat inicial, X, metres per segon</source>
        <translation>Initial velocity, X, metres per second</translation>
    </message>
    <message>
        <source>Velocitat inicial, Y, metres per segon</source>
        <translation>Initial velocity, Y, metres per second</translation>
    </message>
    <message>
        <source>Velocitat inicial per mòdul i direcció</source>
        <translation>Initial velocity by magnitude and direction</translation>
    </message>
    <message>
        <source>Velocitat inicial, mòdul, metres per segon</source>
        <translation>Initial velocity, magnitude, metres per second</translation>
    </message>
    <message>
        <source>Direcció per l&apos;angle amb l&apos;horitzontal</source>
        <translation>Direction by the angle to the horizontal</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horitzontal, graus</source>
        <translation>Angle to the horizontal, degrees</translation>
    </message>
    <message>
        <source>Direcció pel sinus i el cosinus de l&apos;angle</source>
        <translation>Direction by the sine and cosine of the angle</translation>
    </message>
    <message>
        <source>Sinus de l&apos;angle</source>
        <translation>Sine of the angle</translation>
    </message>
    <message>
        <source>Cosinus de l&apos;angle</source>
        <translation>Cosine of the angle</translation>
    </message>
    <message>
        <source>Acceleració, X, metres per segon al quadrat</source>
        <translation>Acceleration, X, metres per second squared</translation>
    </message>
    <message>
        <source>Acceleració, Y, metres per segon al quadrat</source>
        <translation>Acceleration, Y, metres per second squared</translation>
    </message>
    <message>
        <source>Posició final, equació del moviment</source>
        <translation>Final position, equation of motion</translation>
    </message>
    <message>
        <source>El vector posició en funció del temps t, en metres</source>
        <translation>The position vector as a function of time t, in metres</translation>
    </message>
    <message>
        <source>Velocitat final, equació de la velocitat</source>
        <translation>Final velocity, equation of velocity</translation>
    </message>
    <message>
        <source>El vector velocitat en funció del temps t, en m/s</source>
        <translation>The velocity vector as a function of time t, in m/s</translation>
    </message>
    <message>
        <source>Abast, metres</source>
        <translation>Range, metres</translation>
    </message>
    <message>
        <source>Temps de vol, segons</source>
        <translation>Time of flight, seconds</translation>
    </message>
    <message>
        <source>Temps de vol, minuts</source>
        <translation>Time of flight, minutes</translation>
    </message>
    <message>
        <source>Altura màxima, metres</source>
        <translation>Maximum height, metres</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, X, metres per segon</source>
        <translation>Impact velocity, X, metres per second</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, Y, metres per segon</source>
        <translation>Impact velocity, Y, metres per second</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, mòdul, metres per segon</source>
        <translation>Impact velocity, magnitude, metres per second</translation>
    </message>
    <message>
        <source>Gràfica de la trajectòria</source>
        <extracomment>caption of the graph on the problem sheet, and the graph&apos;s spoken name</extracomment>
        <translation>Graph of the trajectory</translation>
    </message>
    <message>
        <source>Sense trajectòria; premeu Calcular per dibuixar-la</source>
        <extracomment>spoken description of the empty graph; &quot;Calcular&quot; is the button&apos;s caption</extracomment>
        <translation>No trajectory; press Calculate to draw it</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time</extracomment>
        <translation>Trajectory: range %1 m, maximum height %2 m, time of flight %3 s. Each point can be read with the mouse or the arrow keys.</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries anteriors en gris. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time, %4 how many earlier curves are drawn in grey</extracomment>
        <translation>Trajectory: range %1 m, maximum height %2 m, time of flight %3 s; %4 earlier trajectories in grey. Each point can be read with the mouse or the arrow keys.</translation>
    </message>
    <message>
        <source>Imatge PNG (*.png)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imatge vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Valors separats per comes (*.csv)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Comma-separated values (*.csv)</translation>
    </message>
    <message>
        <source>trajectoria</source>
        <extracomment>the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>trajectory</translation>
    </message>
    <message>
        <source>Superposa les trajectòries</source>
        <extracomment>graph menu item, checkable: keep the earlier curves under the new one</extracomment>
        <translation>Overlay Trajectories</translation>
    </message>
    <message>
        <source>Desa la gràfica…</source>
        <extracomment>graph menu item: save a picture of the graph</extracomment>
        <translation>Save Graph…</translation>
    </message>
    <message>
        <source>Copia la gràfica</source>
        <extracomment>graph menu item: copy a picture of the graph to the clipboard</extracomment>
        <translation>Copy Graph</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)…</source>
        <extracomment>graph menu item: save the curve&apos;s points as a CSV file</extracomment>
        <translation>Export Points (CSV)…</translation>
    </message>
    <message>
        <source>Problemes d&apos;exemple</source>
        <extracomment>graph submenu holding the example problems</extracomment>
        <translation>Example Problems</translation>
    </message>
    <message>
        <source>Anima el llançament</source>
        <extracomment>graph menu item: the ball flies along the drawn curve</extracomment>
        <translation>Animate Launch</translation>
    </message>
    <message>
        <source>Imprimeix…</source>
        <extracomment>graph menu item (verb): print the problem sheet</extracomment>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Desa com a PDF…</source>
        <extracomment>graph menu item: save the problem sheet as PDF</extracomment>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne…</source>
        <extracomment>graph menu item: save the student&apos;s sheet (without results) as PDF</extracomment>
        <translation>Student&apos;s Sheet…</translation>
    </message>
    <message>
        <source>Llengua</source>
        <extracomment>graph menu: a submenu listing the languages of the program</extracomment>
        <translation>Language</translation>
    </message>
    <message>
        <source>La llengua triada s&apos;aplicarà la propera vegada que obriu Trayecta.</source>
        <extracomment>said after choosing another language in the graph menu</extracomment>
        <translation>The chosen language will be applied the next time you open Trayecta.</translation>
    </message>
    <message>
        <source>Desa la gràfica</source>
        <extracomment>title of the save dialog for the graph&apos;s picture</extracomment>
        <translation>Save Graph</translation>
    </message>
    <message>
        <source>Impossible desar la gràfica.</source>
        <extracomment>first line of the failure box when the graph&apos;s picture could not be saved</extracomment>
        <translation>Could not save the graph.</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)</source>
        <extracomment>title of the save dialog for the curve&apos;s points</extracomment>
        <translation>Export Points (CSV)</translation>
    </message>
    <message>
        <source>Impossible exportar els punts.</source>
        <extracomment>first line of the failure box when the curve&apos;s points could not be saved</extracomment>
        <translation>Could not export the points.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Tipo de error: %2</source>
        <extracomment>the failure box: %1 is what could not be done, %2 why; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>%1<byte value="xd"/>
Error type: %2</translation>
    </message>
    <message>
        <source>Convertidor </source>
        <extracomment>heading over the km/h to m/s converter; the trailing space is part of the design</extracomment>
        <translation>Converter </translation>
    </message>
    <message>
        <source>Posició inicial:</source>
        <extracomment>label of the start position x0, y0</extracomment>
        <translation>Initial position:</translation>
    </message>
    <message>
        <source>Velocitat inicial:</source>
        <extracomment>label of the start velocity by components</extracomment>
        <translation>Initial velocity:</translation>
    </message>
    <message>
        <source>Vel. inicial(mòdul)</source>
        <extracomment>label of the start speed (modulus of the velocity); &quot;Vel.&quot; abbreviates &quot;Velocitat&quot;; keep it short</extracomment>
        <translation>Initial speed</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horizontal:</source>
        <extracomment>label of the launch angle with the horizontal (&quot;horizontal&quot; is spelt so in the original)</extracomment>
        <translation>Angle to the horizontal:</translation>
    </message>
    <message>
        <source>Sinus:</source>
        <extracomment>label of the field for the sine of the launch angle</extracomment>
        <translation>Sine:</translation>
    </message>
    <message>
        <source>Cosinus:</source>
        <extracomment>label of the field for the cosine of the launch angle</extracomment>
        <translation>Cosine:</translation>
    </message>
    <message>
        <source>Aceleración:</source>
        <extracomment>the acceleration label (Spanish in the Catalan original)</extracomment>
        <translation>Acceleration:</translation>
    </message>
    <message>
        <source>Posició final:</source>
        <extracomment>label of the equation of motion r(t)</extracomment>
        <translation>Final position:</translation>
    </message>
    <message>
        <source>Velocitat final:</source>
        <extracomment>label of the equation of velocity v(t)</extracomment>
        <translation>Final velocity:</translation>
    </message>
    <message>
        <source>Temps de vol:</source>
        <extracomment>label of the flight time, in s and in min</extracomment>
        <translation>Time of flight:</translation>
    </message>
    <message>
        <source>Abast:</source>
        <extracomment>label of the horizontal range</extracomment>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Altura màxima:</source>
        <extracomment>label of the maximum height</extracomment>
        <translation>Maximum height:</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte:</source>
        <extracomment>label of the impact velocity; wraps over two lines in a 73 px wide box</extracomment>
        <translation>Impact velocity:</translation>
    </message>
    <message>
        <source>En mòdul:</source>
        <extracomment>label of the impact speed (modulus of the impact velocity)</extracomment>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <extracomment>button caption (verb); &amp; marks the shortcut; the button is 81 px wide</extracomment>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>Es&amp;borrar</source>
        <extracomment>button caption (verb): clears the graph; &amp; marks the shortcut; the button is 49 px wide</extracomment>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>No realitzar gràfica</source>
        <extracomment>check box: calculate without drawing the graph; the box is 113 px wide</extracomment>
        <translation>Don&apos;t draw the graph</translation>
    </message>
    <message>
        <source>Tir parabòlic</source>
        <extracomment>the heading over the graph: projectile motion</extracomment>
        <translation>Projectile motion</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Dades</source>
        <extracomment>heading of the problem sheet&apos;s section with the problem&apos;s data</extracomment>
        <translation>Data</translation>
    </message>
    <message>
        <source>Equacions del moviment</source>
        <extracomment>heading of the problem sheet&apos;s section with the equations of motion and velocity</extracomment>
        <translation>Equations of motion</translation>
    </message>
    <message>
        <source>Resultats</source>
        <extracomment>heading of the problem sheet&apos;s section with the results</extracomment>
        <translation>Results</translation>
    </message>
    <message>
        <source>Imprimeix</source>
        <extracomment>title of the print dialog (verb)</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne</source>
        <extracomment>title of the save dialog for the student&apos;s sheet</extracomment>
        <translation>Student&apos;s Sheet</translation>
    </message>
    <message>
        <source>Desa com a PDF</source>
        <extracomment>title of the save dialog for the problem sheet</extracomment>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>full-alumne</source>
        <extracomment>the file name suggested for the student&apos;s sheet, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>student-sheet</translation>
    </message>
    <message>
        <source>Impossible desar el PDF.</source>
        <extracomment>first line of the failure box when the sheet could not be saved</extracomment>
        <translation>Could not save the PDF.</translation>
    </message>
</context>
<context>
    <name>trayecta::Failure</name>
    <message>
        <source>un camp no conté un nombre vàlid.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>a field does not contain a valid number.</translation>
    </message>
    <message>
        <source>divisió per zero (l&apos;acceleració vertical no pot ser 0).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>division by zero (the vertical acceleration cannot be 0).</translation>
    </message>
    <message>
        <source>el mòbil no arriba mai a l&apos;altura 0 (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>the object never reaches height 0 (it does not hit the ground).</translation>
    </message>
    <message>
        <source>el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>the object does not reach the ground after the launch (it does not hit the ground).</translation>
    </message>
    <message>
        <source>desbordament: un valor és massa gran per calcular-lo.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>overflow: a value is too large to be calculated.</translation>
    </message>
    <message>
        <source>l&apos;escala de la gràfica no pot ser 0.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>the scale of the graph cannot be 0.</translation>
    </message>
    <message>
        <source>error desconegut.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>unknown error.</translation>
    </message>
    <message>
        <source>Impossible realitzar càlcul.<byte value="xd"/>
Tipo de error: %1</source>
        <extracomment>the failure box; %1 is the failure reason; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>Could not do the calculation.<byte value="xd"/>
Error type: %1</translation>
    </message>
</context>
<context>
    <name>trayecta::FlightFollow</name>
    <message>
        <source>Temps real</source>
        <extracomment>the animated launch plays at the flight&apos;s own pace</extracomment>
        <translation>Real time</translation>
    </message>
    <message>
        <source>Temps ×%1 (accelerat)</source>
        <extracomment>the animated launch plays faster; %1 is the factor, such as 3 or 12,5</extracomment>
        <translation>Time ×%1 (faster)</translation>
    </message>
    <message>
        <source>Temps ×%1 (alentit)</source>
        <extracomment>the animated launch plays slower; %1 is the factor, such as 0,5</extracomment>
        <translation>Time ×%1 (slower)</translation>
    </message>
</context>
<context>
    <name>trayecta::FormEnunciat</name>
    <message>
        <source>Enunciat</source>
        <extracomment>window title: the statement of the chosen example problem (noun)</extracomment>
        <translation>Problem Statement</translation>
    </message>
    <message>
        <source>Títol del problema</source>
        <translation>Problem title</translation>
    </message>
    <message>
        <source>Enunciat del problema</source>
        <translation>Problem statement</translation>
    </message>
</context>
<context>
    <name>trayecta::InputRules</name>
    <message>
        <source>Posició: %1  ,  %2</source>
        <extracomment>the pointer&apos;s position over the graph: %1 is x, %2 the height y, in metres</extracomment>
        <translation>Position: %1  ,  %2</translation>
    </message>
</context>
<context>
    <name>trayecta::WholeFile</name>
    <message>
        <source>no hi ha permís per escriure-hi</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no permission to write there</translation>
    </message>
    <message>
        <source>la carpeta no existeix</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>una part del camí no és una carpeta</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>an element of the path is not a folder</translation>
    </message>
    <message>
        <source>és una carpeta, no un fitxer</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>no queda espai al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>el disc és només de lectura</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>el nom és massa llarg</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>error d&apos;escriptura al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>disk write error</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written; %1 is the system&apos;s error number</extracomment>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason it could not be written</extracomment>
        <translation>could not write ‘%1’: %2.</translation>
    </message>
    <message>
        <source>no s&apos;ha indicat cap nom de fitxer.</source>
        <extracomment>a file failure: no file name was given</extracomment>
        <translation>no file name was given.</translation>
    </message>
</context>
</TS>
