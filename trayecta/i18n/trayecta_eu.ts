<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="ca">
<context>
    <name>trayecta::CommandLine</name>
    <message>
        <source>Ús: %1 [opcions]</source>
        <translation>Erabilera: %1 [aukerak]</translation>
    </message>
    <message>
        <source>Resol problemes de tir parabòlic i en dibuixa la trajectòria.</source>
        <translation>Tiro parabolikoko problemak ebazten ditu eta ibilbidea marrazten du.</translation>
    </message>
    <message>
        <source>Opcions:</source>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Mostra aquesta ajuda i surt.</source>
        <translation>Erakutsi laguntza hau eta irten.</translation>
    </message>
    <message>
        <source>Mostra la versió i surt.</source>
        <translation>Erakutsi bertsioa eta irten.</translation>
    </message>
    <message>
        <source>Amplia les finestres F vegades, de 0,5 a 4 (2 per a un projector).</source>
        <translation>Handitu leihoak F aldiz, 0,5 eta 4 artean (2 proiektore baterako).</translation>
    </message>
    <message>
        <source>Llengua: %1 (si no, la triada al menú, o català).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Hizkuntza: %1 (bestela, menuan aukeratutakoa, edo katalana).</translation>
    </message>
    <message>
        <source>valor no admès per a --scale: %1 (de 0,5 a 4)</source>
        <translation>--scale aukeraren balio onartezina: %1 (0,5 eta 4 artean)</translation>
    </message>
    <message>
        <source>També admet les opcions de Qt, com ara -platform o -style.</source>
        <translation>Qt-ren aukerak ere onartzen ditu, hala nola -platform edo -style.</translation>
    </message>
    <message>
        <source>opció desconeguda: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>aukera ezezaguna: %1</translation>
    </message>
    <message>
        <source>argument no admès: %1</source>
        <translation>argumentu onartezina: %1</translation>
    </message>
    <message>
        <source>Proveu «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Probatu «%1 --help».</translation>
    </message>
</context>
<context>
    <name>trayecta::CurveFollower</name>
    <message>
        <source>Instant t, segons</source>
        <translation>t aldiunea, segundoak</translation>
    </message>
    <message>
        <source>Posició x, metres</source>
        <translation>x posizioa, metroak</translation>
    </message>
    <message>
        <source>Posició y, metres</source>
        <translation>y posizioa, metroak</translation>
    </message>
    <message>
        <source>Velocitat vx, metres per segon</source>
        <translation>vx abiadura, metro segundoko</translation>
    </message>
    <message>
        <source>Velocitat vy, metres per segon</source>
        <translation>vy abiadura, metro segundoko</translation>
    </message>
    <message>
        <source>Rapidesa |v|, metres per segon</source>
        <translation>|v| abiadura (modulua), metro segundoko</translation>
    </message>
    <message>
        <source>Punt de la trajectòria</source>
        <extracomment>spoken name of the panel with the values at the marked point of the curve</extracomment>
        <translation>Ibilbideko puntua</translation>
    </message>
</context>
<context>
    <name>trayecta::ExampleProblems</name>
    <message>
        <source>Llançament horitzontal des d&apos;un penya-segat</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Jaurtiketa horizontala itsaslabar batetik</translation>
    </message>
    <message>
        <source>Des de dalt d&apos;un penya-segat de 19,6 m d&apos;altura es llança una pedra horitzontalment a 10 m/s (g = 9,8 m/s²). a) Quant de temps triga a arribar a terra? b) A quina distància del peu del penya-segat cau? c) Amb quina velocitat arriba a terra, en components i en mòdul?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>19,6 m-ko altuera duen itsaslabar baten goialdetik harri bat jaurtitzen da horizontalki, 10 m/s-ko abiaduraz (g = 9,8 m/s²). a) Zenbat denbora behar du lurrera iristeko? b) Itsaslabarraren oinetik zer distantziatara erortzen da? c) Zer abiaduraz iristen da lurrera, osagaietan eta moduluan?</translation>
    </message>
    <message>
        <source>Llançament vertical</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Jaurtiketa bertikala</translation>
    </message>
    <message>
        <source>Es llança una pilota verticalment cap amunt des de terra a 19,6 m/s (g = 9,8 m/s²). a) Fins a quina altura puja? b) Quant de temps és a l&apos;aire? c) Amb quina velocitat torna a terra?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Pilota bat bertikalki gorantz jaurtitzen da lurretik, 19,6 m/s-ko abiaduraz (g = 9,8 m/s²). a) Zer altueraraino igotzen da? b) Zenbat denbora ematen du airean? c) Zer abiaduraz itzultzen da lurrera?</translation>
    </message>
    <message>
        <source>Abast màxim: llançament a 45°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Irismen maximoa: 45°-ko jaurtiketa</translation>
    </message>
    <message>
        <source>Es xuta una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Proveu altres angles amb la mateixa velocitat: n&apos;hi ha cap que arribi més lluny?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Pilota bati ostiko bat ematen zaio lurretik, 20 m/s-ko abiaduraz eta horizontalarekiko 45°-ko angeluarekin (g = 9,8 m/s²). a) Zein da irismena? b) Zein da lortzen duen altuera maximoa? c) Zenbat denbora ematen du airean? Probatu beste angelu batzuk abiadura berarekin: bada urrunago iristen denik?</translation>
    </message>
    <message>
        <source>Angles complementaris: 30°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Angelu osagarriak: 30°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 30° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? Marqueu «Superposa les trajectòries» i llanceu-lo també a 60°: què tenen en comú les dues trajectòries?</source>
        <extracomment>the statement of an example problem, as a textbook poses it; «Superposa les trajectòries» is the graph menu&apos;s item</extracomment>
        <translation>Jaurtigai bat jaurtitzen da lurretik, 20 m/s-ko abiaduraz eta horizontalarekiko 30°-ko angeluarekin (g = 9,8 m/s²). a) Zein da irismena? b) Zein da lortzen duen altuera maximoa? Markatu «Gainjarri ibilbideak» eta jaurti ezazu 60°-an ere: zer dute komunean bi ibilbideek?</translation>
    </message>
    <message>
        <source>Angles complementaris: 60°</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Angelu osagarriak: 60°</translation>
    </message>
    <message>
        <source>Es llança un projectil des de terra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Compareu-ho amb el llançament a 30°: quin dels dos és més temps a l&apos;aire?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Jaurtigai bat jaurtitzen da lurretik, 20 m/s-ko abiaduraz eta horizontalarekiko 60°-ko angeluarekin (g = 9,8 m/s²). a) Zein da irismena? b) Zein da lortzen duen altuera maximoa? c) Alderatu 30°-ko jaurtiketarekin: bietatik zeinek ematen du denbora gehiago airean?</translation>
    </message>
    <message>
        <source>Gravetat a la Lluna</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Grabitatea Ilargian</translation>
    </message>
    <message>
        <source>Un astronauta llança una pedra a la Lluna (g = 1,62 m/s²) a 20 m/s formant 45° amb l&apos;horitzontal. a) Quin és l&apos;abast? b) Quina altura màxima assoleix? c) Quant de temps és a l&apos;aire? Compareu-ho amb el mateix llançament a la Terra.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Astronauta batek harri bat jaurtitzen du Ilargian (g = 1,62 m/s²), 20 m/s-ko abiaduraz eta horizontalarekiko 45°-ko angeluarekin. a) Zein da irismena? b) Zein da lortzen duen altuera maximoa? c) Zenbat denbora ematen du airean? Alderatu Lurrean egindako jaurtiketa berarekin.</translation>
    </message>
    <message>
        <source>Llançament des d&apos;un pou</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Jaurtiketa putzu batetik</translation>
    </message>
    <message>
        <source>Des del fons d&apos;un pou de 5 m de fondària es llança una pedra a 20 m/s formant 60° amb l&apos;horitzontal (g = 9,8 m/s²). a) Quant de temps triga a sortir a l&apos;altura del terra? b) A quina distància horitzontal del punt de llançament ho fa? c) Amb quina velocitat surt? d) Per què la gràfica queda buida?</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>5 m-ko sakonera duen putzu baten hondotik harri bat jaurtitzen da, 20 m/s-ko abiaduraz eta horizontalarekiko 60°-ko angeluarekin (g = 9,8 m/s²). a) Zenbat denbora behar du lurraren altuerara ateratzeko? b) Jaurtiketa-puntutik zer distantzia horizontaletara ateratzen da? c) Zer abiaduraz ateratzen da? d) Zergatik geratzen da hutsik grafikoa?</translation>
    </message>
    <message>
        <source>Llançament amb vent en contra</source>
        <extracomment>menu item and heading: the title of an example problem</extracomment>
        <translation>Jaurtiketa aurkako haizearekin</translation>
    </message>
    <message>
        <source>Es llança una pilota des de terra a 20 m/s formant 45° amb l&apos;horitzontal, amb un vent en contra que li dona una acceleració horitzontal de -2 m/s² (g = 9,8 m/s²). a) Quin és l&apos;abast? b) Amb quina velocitat arriba a terra? Compareu-ho amb el llançament sense vent.</source>
        <extracomment>the statement of an example problem, as a textbook poses it</extracomment>
        <translation>Pilota bat jaurtitzen da lurretik, 20 m/s-ko abiaduraz eta horizontalarekiko 45°-ko angeluarekin, -2 m/s²-ko azelerazio horizontala ematen dion aurkako haizearekin (g = 9,8 m/s²). a) Zein da irismena? b) Zer abiaduraz iristen da lurrera? Alderatu haizerik gabeko jaurtiketarekin.</translation>
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
        <translation>Errorea</translation>
    </message>
    <message>
        <source>Posició inicial, X, metres</source>
        <translation>Hasierako posizioa, X, metroak</translation>
    </message>
    <message>
        <source>Posició inicial, Y, metres</source>
        <translation>Hasierako posizioa, Y, metroak</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en km/h</source>
        <translation>Bihurgailua, abiadura km/h-tan</translation>
    </message>
    <message>
        <source>Premeu el botó = per passar-la a m/s</source>
        <extracomment>spoken description of the km/h box; &quot;=&quot; is the converter&apos;s button, &quot;la&quot; the speed</extracomment>
        <translation>Sakatu = botoia m/s-ra bihurtzeko</translation>
    </message>
    <message>
        <source>Converteix km/h a m/s</source>
        <translation>Bihurtu km/h m/s-ra</translation>
    </message>
    <message>
        <source>Convertidor, velocitat en m/s</source>
        <translation>Bihurgailua, abiadura m/s-tan</translation>
    </message>
    <message>
        <source>Velocitat inicial per components</source>
        <translation>Hasierako abiadura osagaien bidez</translation>
    </message>
    <message>
        <source>Velocitat inicial, X, metres per segon</source>
        <translation>Hasierako abiadura, X, metro segundoko</translation>
    </message>
    <message>
        <source>Velocitat inicial, Y, metres per segon</source>
        <translation>Hasierako abiadura, Y, metro segundoko</translation>
    </message>
    <message>
        <source>Velocitat inicial per mòdul i direcció</source>
        <translation>Hasierako abiadura moduluaren eta norabidearen bidez</translation>
    </message>
    <message>
        <source>Velocitat inicial, mòdul, metres per segon</source>
        <translation>Hasierako abiadura, modulua, metro segundoko</translation>
    </message>
    <message>
        <source>Direcció per l&apos;angle amb l&apos;horitzontal</source>
        <translation>Norabidea horizontalarekiko angeluaren bidez</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horitzontal, graus</source>
        <translation>Horizontalarekiko angelua, graduak</translation>
    </message>
    <message>
        <source>Direcció pel sinus i el cosinus de l&apos;angle</source>
        <translation>Norabidea angeluaren sinuaren eta kosinuaren bidez</translation>
    </message>
    <message>
        <source>Sinus de l&apos;angle</source>
        <translation>Angeluaren sinua</translation>
    </message>
    <message>
        <source>Cosinus de l&apos;angle</source>
        <translation>Angeluaren kosinua</translation>
    </message>
    <message>
        <source>Acceleració, X, metres per segon al quadrat</source>
        <translation>Azelerazioa, X, metro segundo karratuko</translation>
    </message>
    <message>
        <source>Acceleració, Y, metres per segon al quadrat</source>
        <translation>Azelerazioa, Y, metro segundo karratuko</translation>
    </message>
    <message>
        <source>Posició final, equació del moviment</source>
        <translation>Azken posizioa, higiduraren ekuazioa</translation>
    </message>
    <message>
        <source>El vector posició en funció del temps t, en metres</source>
        <translation>Posizio-bektorea t denboraren funtzioan, metrotan</translation>
    </message>
    <message>
        <source>Velocitat final, equació de la velocitat</source>
        <translation>Azken abiadura, abiaduraren ekuazioa</translation>
    </message>
    <message>
        <source>El vector velocitat en funció del temps t, en m/s</source>
        <translation>Abiadura-bektorea t denboraren funtzioan, m/s-tan</translation>
    </message>
    <message>
        <source>Abast, metres</source>
        <translation>Irismena, metroak</translation>
    </message>
    <message>
        <source>Temps de vol, segons</source>
        <translation>Hegaldi-denbora, segundoak</translation>
    </message>
    <message>
        <source>Temps de vol, minuts</source>
        <translation>Hegaldi-denbora, minutuak</translation>
    </message>
    <message>
        <source>Altura màxima, metres</source>
        <translation>Altuera maximoa, metroak</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, X, metres per segon</source>
        <translation>Talka-abiadura, X, metro segundoko</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, Y, metres per segon</source>
        <translation>Talka-abiadura, Y, metro segundoko</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte, mòdul, metres per segon</source>
        <translation>Talka-abiadura, modulua, metro segundoko</translation>
    </message>
    <message>
        <source>Gràfica de la trajectòria</source>
        <extracomment>caption of the graph on the problem sheet, and the graph&apos;s spoken name</extracomment>
        <translation>Ibilbidearen grafikoa</translation>
    </message>
    <message>
        <source>Sense trajectòria; premeu Calcular per dibuixar-la</source>
        <extracomment>spoken description of the empty graph; &quot;Calcular&quot; is the button&apos;s caption</extracomment>
        <translation>Ibilbiderik ez; sakatu Kalkulatu marrazteko</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time</extracomment>
        <translation>Ibilbidea: irismena %1 m, altuera maximoa %2 m, hegaldi-denbora %3 s. Saguarekin edo geziekin puntu bakoitza irakur daiteke.</translation>
    </message>
    <message>
        <source>Trajectòria: abast %1 m, altura màxima %2 m, temps de vol %3 s; %4 trajectòries anteriors en gris. Amb el ratolí o les fletxes es llegeix cada punt.</source>
        <extracomment>spoken description of the graph: %1 is the range, %2 the maximum height, %3 the flight time, %4 how many earlier curves are drawn in grey</extracomment>
        <translation>Ibilbidea: irismena %1 m, altuera maximoa %2 m, hegaldi-denbora %3 s; aurreko %4 ibilbide grisez. Saguarekin edo geziekin puntu bakoitza irakur daiteke.</translation>
    </message>
    <message>
        <source>Imatge PNG (*.png)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>PNG irudia (*.png)</translation>
    </message>
    <message>
        <source>Imatge vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>SVG irudi bektoriala (*.svg)</translation>
    </message>
    <message>
        <source>Valors separats per comes (*.csv)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>Komaz bereizitako balioak (*.csv)</translation>
    </message>
    <message>
        <source>trajectoria</source>
        <extracomment>the file name the save dialogs suggest, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>ibilbidea</translation>
    </message>
    <message>
        <source>Superposa les trajectòries</source>
        <extracomment>graph menu item, checkable: keep the earlier curves under the new one</extracomment>
        <translation>Gainjarri ibilbideak</translation>
    </message>
    <message>
        <source>Desa la gràfica…</source>
        <extracomment>graph menu item: save a picture of the graph</extracomment>
        <translation>Gorde grafikoa…</translation>
    </message>
    <message>
        <source>Copia la gràfica</source>
        <extracomment>graph menu item: copy a picture of the graph to the clipboard</extracomment>
        <translation>Kopiatu grafikoa</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)…</source>
        <extracomment>graph menu item: save the curve&apos;s points as a CSV file</extracomment>
        <translation>Esportatu puntuak (CSV)…</translation>
    </message>
    <message>
        <source>Problemes d&apos;exemple</source>
        <extracomment>graph submenu holding the example problems</extracomment>
        <translation>Adibide-problemak</translation>
    </message>
    <message>
        <source>Anima el llançament</source>
        <extracomment>graph menu item: the ball flies along the drawn curve</extracomment>
        <translation>Animatu jaurtiketa</translation>
    </message>
    <message>
        <source>Imprimeix…</source>
        <extracomment>graph menu item (verb): print the problem sheet</extracomment>
        <translation>Inprimatu…</translation>
    </message>
    <message>
        <source>Desa com a PDF…</source>
        <extracomment>graph menu item: save the problem sheet as PDF</extracomment>
        <translation>Gorde PDF gisa…</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne…</source>
        <extracomment>graph menu item: save the student&apos;s sheet (without results) as PDF</extracomment>
        <translation>Ikaslearen orria…</translation>
    </message>
    <message>
        <source>Llengua</source>
        <extracomment>graph menu: a submenu listing the languages of the program</extracomment>
        <translation>Hizkuntza</translation>
    </message>
    <message>
        <source>La llengua triada s&apos;aplicarà la propera vegada que obriu Trayecta.</source>
        <extracomment>said after choosing another language in the graph menu</extracomment>
        <translation>Aukeratutako hizkuntza Trayecta irekitzen duzun hurrengo aldian aplikatuko da.</translation>
    </message>
    <message>
        <source>Desa la gràfica</source>
        <extracomment>title of the save dialog for the graph&apos;s picture</extracomment>
        <translation>Gorde grafikoa</translation>
    </message>
    <message>
        <source>Impossible desar la gràfica.</source>
        <extracomment>first line of the failure box when the graph&apos;s picture could not be saved</extracomment>
        <translation>Ezin izan da grafikoa gorde.</translation>
    </message>
    <message>
        <source>Exporta els punts (CSV)</source>
        <extracomment>title of the save dialog for the curve&apos;s points</extracomment>
        <translation>Esportatu puntuak (CSV)</translation>
    </message>
    <message>
        <source>Impossible exportar els punts.</source>
        <extracomment>first line of the failure box when the curve&apos;s points could not be saved</extracomment>
        <translation>Ezin izan dira puntuak esportatu.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Tipo de error: %2</source>
        <extracomment>the failure box: %1 is what could not be done, %2 why; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>%1<byte value="xd"/>
Errore mota: %2</translation>
    </message>
    <message>
        <source>Convertidor </source>
        <extracomment>heading over the km/h to m/s converter; the trailing space is part of the design</extracomment>
        <translation>Bihurgailua </translation>
    </message>
    <message>
        <source>Posició inicial:</source>
        <extracomment>label of the start position x0, y0</extracomment>
        <translation>Hasierako pos.:</translation>
    </message>
    <message>
        <source>Velocitat inicial:</source>
        <extracomment>label of the start velocity by components</extracomment>
        <translation>Hasierako abiad.:</translation>
    </message>
    <message>
        <source>Vel. inicial(mòdul)</source>
        <extracomment>label of the start speed (modulus of the velocity); &quot;Vel.&quot; abbreviates &quot;Velocitat&quot;; keep it short</extracomment>
        <translation>Hasier. abiad.(mod.)</translation>
    </message>
    <message>
        <source>Angle amb l&apos;horizontal:</source>
        <extracomment>label of the launch angle with the horizontal (&quot;horizontal&quot; is spelt so in the original)</extracomment>
        <translation>Horizontalarekiko angelua:</translation>
    </message>
    <message>
        <source>Sinus:</source>
        <extracomment>label of the field for the sine of the launch angle</extracomment>
        <translation>Sinua:</translation>
    </message>
    <message>
        <source>Cosinus:</source>
        <extracomment>label of the field for the cosine of the launch angle</extracomment>
        <translation>Kosinua:</translation>
    </message>
    <message>
        <source>Aceleración:</source>
        <extracomment>the acceleration label (Spanish in the Catalan original)</extracomment>
        <translation>Azelerazioa:</translation>
    </message>
    <message>
        <source>Posició final:</source>
        <extracomment>label of the equation of motion r(t)</extracomment>
        <translation>Azken posizioa:</translation>
    </message>
    <message>
        <source>Velocitat final:</source>
        <extracomment>label of the equation of velocity v(t)</extracomment>
        <translation>Azken abiadura:</translation>
    </message>
    <message>
        <source>Temps de vol:</source>
        <extracomment>label of the flight time, in s and in min</extracomment>
        <translation>Hegaldi-denbora:</translation>
    </message>
    <message>
        <source>Abast:</source>
        <extracomment>label of the horizontal range</extracomment>
        <translation>Irismena:</translation>
    </message>
    <message>
        <source>Altura màxima:</source>
        <extracomment>label of the maximum height</extracomment>
        <translation>Altuera max.:</translation>
    </message>
    <message>
        <source>Velocitat a l&apos;impacte:</source>
        <extracomment>label of the impact velocity; wraps over two lines in a 73 px wide box</extracomment>
        <translation>Talka-abiadura:</translation>
    </message>
    <message>
        <source>En mòdul:</source>
        <extracomment>label of the impact speed (modulus of the impact velocity)</extracomment>
        <translation>Modulua:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <extracomment>button caption (verb); &amp; marks the shortcut; the button is 81 px wide</extracomment>
        <translation>&amp;Kalkulatu</translation>
    </message>
    <message>
        <source>Es&amp;borrar</source>
        <extracomment>button caption (verb): clears the graph; &amp; marks the shortcut; the button is 49 px wide</extracomment>
        <translation>&amp;Ezabatu</translation>
    </message>
    <message>
        <source>No realitzar gràfica</source>
        <extracomment>check box: calculate without drawing the graph; the box is 113 px wide</extracomment>
        <translation>Ez egin grafikorik</translation>
    </message>
    <message>
        <source>Tir parabòlic</source>
        <extracomment>the heading over the graph: projectile motion</extracomment>
        <translation>Tiro parabolikoa</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <extracomment>file type in the save dialog</extracomment>
        <translation>PDF dokumentua (*.pdf)</translation>
    </message>
    <message>
        <source>Dades</source>
        <extracomment>heading of the problem sheet&apos;s section with the problem&apos;s data</extracomment>
        <translation>Datuak</translation>
    </message>
    <message>
        <source>Equacions del moviment</source>
        <extracomment>heading of the problem sheet&apos;s section with the equations of motion and velocity</extracomment>
        <translation>Higidura-ekuazioak</translation>
    </message>
    <message>
        <source>Resultats</source>
        <extracomment>heading of the problem sheet&apos;s section with the results</extracomment>
        <translation>Emaitzak</translation>
    </message>
    <message>
        <source>Imprimeix</source>
        <extracomment>title of the print dialog (verb)</extracomment>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>Full de l&apos;alumne</source>
        <extracomment>title of the save dialog for the student&apos;s sheet</extracomment>
        <translation>Ikaslearen orria</translation>
    </message>
    <message>
        <source>Desa com a PDF</source>
        <extracomment>title of the save dialog for the problem sheet</extracomment>
        <translation>Gorde PDF gisa</translation>
    </message>
    <message>
        <source>full-alumne</source>
        <extracomment>the file name suggested for the student&apos;s sheet, without its suffix; keep it to letters and hyphens</extracomment>
        <translation>ikaslearen-orria</translation>
    </message>
    <message>
        <source>Impossible desar el PDF.</source>
        <extracomment>first line of the failure box when the sheet could not be saved</extracomment>
        <translation>Ezin izan da PDFa gorde.</translation>
    </message>
</context>
<context>
    <name>trayecta::Failure</name>
    <message>
        <source>un camp no conté un nombre vàlid.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>lauki batek ez dauka baliozko zenbakirik.</translation>
    </message>
    <message>
        <source>divisió per zero (l&apos;acceleració vertical no pot ser 0).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>zeroz zatitzea (azelerazio bertikala ezin da 0 izan).</translation>
    </message>
    <message>
        <source>el mòbil no arriba mai a l&apos;altura 0 (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>mugikorra ez da inoiz 0 altuerara iristen (ez dago talkarik lurrarekin).</translation>
    </message>
    <message>
        <source>el mòbil no arriba al terra després del llançament (no hi ha impacte amb el terra).</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>mugikorra ez da lurrera iristen jaurtiketaren ondoren (ez dago talkarik lurrarekin).</translation>
    </message>
    <message>
        <source>desbordament: un valor és massa gran per calcular-lo.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>gainezkatzea: balio bat handiegia da kalkulatzeko.</translation>
    </message>
    <message>
        <source>l&apos;escala de la gràfica no pot ser 0.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>grafikoaren eskala ezin da 0 izan.</translation>
    </message>
    <message>
        <source>error desconegut.</source>
        <extracomment>failure reason, shown after &quot;Tipo de error: &quot;</extracomment>
        <translation>errore ezezaguna.</translation>
    </message>
    <message>
        <source>Impossible realitzar càlcul.<byte value="xd"/>
Tipo de error: %1</source>
        <extracomment>the failure box; %1 is the failure reason; keep the line break (CR LF). &quot;Tipo de error&quot; is Spanish in the original.</extracomment>
        <translation>Ezin izan da kalkulua egin.<byte value="xd"/>
Errore mota: %1</translation>
    </message>
</context>
<context>
    <name>trayecta::FlightFollow</name>
    <message>
        <source>Temps real</source>
        <extracomment>the animated launch plays at the flight&apos;s own pace</extracomment>
        <translation>Denbora erreala</translation>
    </message>
    <message>
        <source>Temps ×%1 (accelerat)</source>
        <extracomment>the animated launch plays faster; %1 is the factor, such as 3 or 12,5</extracomment>
        <translation>Denbora ×%1 (azkartua)</translation>
    </message>
    <message>
        <source>Temps ×%1 (alentit)</source>
        <extracomment>the animated launch plays slower; %1 is the factor, such as 0,5</extracomment>
        <translation>Denbora ×%1 (moteldua)</translation>
    </message>
</context>
<context>
    <name>trayecta::FormEnunciat</name>
    <message>
        <source>Enunciat</source>
        <extracomment>window title: the statement of the chosen example problem (noun)</extracomment>
        <translation>Enuntziatua</translation>
    </message>
    <message>
        <source>Títol del problema</source>
        <translation>Problemaren izenburua</translation>
    </message>
    <message>
        <source>Enunciat del problema</source>
        <translation>Problemaren enuntziatua</translation>
    </message>
</context>
<context>
    <name>trayecta::InputRules</name>
    <message>
        <source>Posició: %1  ,  %2</source>
        <extracomment>the pointer&apos;s position over the graph: %1 is x, %2 the height y, in metres</extracomment>
        <translation>Posizioa: %1  ,  %2</translation>
    </message>
</context>
<context>
    <name>trayecta::WholeFile</name>
    <message>
        <source>no hi ha permís per escriure-hi</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>ez dago bertan idazteko baimenik</translation>
    </message>
    <message>
        <source>la carpeta no existeix</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>karpeta ez da existitzen</translation>
    </message>
    <message>
        <source>una part del camí no és una carpeta</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>bide-izenaren zati bat ez da karpeta</translation>
    </message>
    <message>
        <source>és una carpeta, no un fitxer</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>karpeta bat da, ez fitxategi bat</translation>
    </message>
    <message>
        <source>no queda espai al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>ez dago lekurik diskoan</translation>
    </message>
    <message>
        <source>el disc és només de lectura</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>diskoa irakurtzeko soilik da</translation>
    </message>
    <message>
        <source>el nom és massa llarg</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>izena luzeegia da</translation>
    </message>
    <message>
        <source>error d&apos;escriptura al disc</source>
        <extracomment>why a file could not be written</extracomment>
        <translation>idazketa-errorea diskoan</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written; %1 is the system&apos;s error number</extracomment>
        <translation>sistemaren %1 zenbakiko errorea</translation>
    </message>
    <message>
        <source>no s&apos;ha pogut escriure «%1»: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason it could not be written</extracomment>
        <translation>ezin izan da «%1» idatzi: %2.</translation>
    </message>
    <message>
        <source>no s&apos;ha indicat cap nom de fitxer.</source>
        <extracomment>a file failure: no file name was given</extracomment>
        <translation>ez da fitxategi-izenik adierazi.</translation>
    </message>
</context>
</TS>
