<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eu" sourcelanguage="es">
<context>
    <name>voltrix::ClassicExperiments</name>
    <message>
        <source>Movimiento circular en un campo magnético (q &gt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Higidura zirkularra eremu magnetiko batean (q &gt; 0)</translation>
    </message>
    <message>
        <source>La velocidad es perpendicular a B: la fuerza q·v×B, siempre perpendicular a la velocidad, la hace girar sin cambiar su rapidez, en una circunferencia del plano x = 50.</source>
        <translation>Abiadura B-rekiko perpendikularra da: q·v×B indarrak, beti abiadurarekiko perpendikularra denez, abiadura biratu egiten du haren modulua aldatu gabe, eta partikulak zirkunferentzia bat deskribatzen du x = 50 planoan.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</source>
        <translation>Aurreikusi: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (frecuencia angular, periodo, radio) y en «Gráficas»: y, z oscilan con periodo T y la energía cinética no cambia.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan (maiztasun angeluarra, periodoa, erradioa) eta «Grafikoak» leihoan: y eta z T periodoaz oszilatzen dute, eta energia zinetikoa ez da aldatzen.</translation>
    </message>
    <message>
        <source>Pregunta: si duplicas la velocidad, ¿qué les pasa al radio y al periodo?</source>
        <translation>Galdera: abiadura bikoizten baduzu, zer gertatzen zaie erradioari eta periodoari?</translation>
    </message>
    <message>
        <source>Movimiento circular con carga negativa (q &lt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Higidura zirkularra karga negatiboarekin (q &lt; 0)</translation>
    </message>
    <message>
        <source>La misma velocidad y el mismo campo con la carga cambiada de signo: la fuerza q·v×B apunta al otro lado y la partícula gira en sentido contrario.</source>
        <translation>Abiadura bera eta eremu bera, baina karga zeinuz aldatuta: q·v×B indarra beste alderantz zuzenduta dago, eta partikulak aurkako noranzkoan biratzen du.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C.</source>
        <translation>Aurreikusi: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), |q| = 1 C izanik.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» y compara el sentido de giro con el de q &gt; 0.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan, eta alderatu biraren noranzkoa q &gt; 0 kasukoarekin.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué cambia el sentido de giro y no cambian ni el radio ni el periodo?</source>
        <translation>Galdera: zergatik aldatzen da biraren noranzkoa, eta ez dira aldatzen ez erradioa ez periodoa?</translation>
    </message>
    <message>
        <source>Hélice</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Helizea</translation>
    </message>
    <message>
        <source>La velocidad tiene una parte a lo largo de B (10 m/s), que el campo no cambia, y otra perpendicular (60 m/s), que gira: la partícula avanza en hélice a lo largo del eje x.</source>
        <translation>Abiadurak B-ren norabideko zati bat du (10 m/s), eremuak aldatzen ez duena, eta beste zati perpendikular bat (60 m/s), biratu egiten dena: partikulak helizean egiten du aurrera x ardatzean zehar.</translation>
    </message>
    <message>
        <source>Predice: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T.</source>
        <translation>Aurreikusi: R = m·v⊥/(|q|·B), T = 2π/ω, p urratsa = v∥·T.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (radio, periodo, paso) y en «Gráficas»: x crece a ritmo constante.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan (erradioa, periodoa, urratsa) eta «Grafikoak» leihoan: x erritmo konstantean handitzen da.</translation>
    </message>
    <message>
        <source>Pregunta: ¿qué componente de la velocidad decide el paso y cuál el radio?</source>
        <translation>Galdera: abiaduraren zer osagaik erabakitzen du urratsa, eta zeinek erradioa?</translation>
    </message>
    <message>
        <source>Parábola en un campo eléctrico</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Parabola eremu elektriko batean</translation>
    </message>
    <message>
        <source>Sin campo magnético, la fuerza q·E es constante, como el peso: la partícula describe una parábola en el plano x = 50.</source>
        <translation>Eremu magnetikorik gabe, q·E indarra konstantea da, pisua bezala: partikulak parabola bat deskribatzen du x = 50 planoan.</translation>
    </message>
    <message>
        <source>Predice: a = q·E/m; la altura máxima llega en t = vz/a y el vuelo dura 2·vz/a.</source>
        <translation>Aurreikusi: a = q·E/m; altuera maximoa t = vz/a aldiunean lortzen da, eta hegaldiak 2·vz/a irauten du.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (aceleración) y en «Gráficas»: vy es constante y vz baja en línea recta.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan (azelerazioa) eta «Grafikoak» leihoan: vy konstantea da, eta vz lerro zuzenean jaisten da.</translation>
    </message>
    <message>
        <source>Pregunta: ¿cómo cambiaría la parábola con una carga de 2 C? ¿Y con una de -1 C?</source>
        <translation>Galdera: nola aldatuko litzateke parabola 2 C-ko karga batekin? Eta -1 C-ko batekin?</translation>
    </message>
    <message>
        <source>Campos eléctrico y magnético paralelos</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Eremu elektriko eta magnetiko paraleloak</translation>
    </message>
    <message>
        <source>E y B a lo largo del eje x: B hace girar la velocidad perpendicular y E acelera la partícula a lo largo del eje, así que la hélice se estira vuelta a vuelta.</source>
        <translation>E eta B x ardatzaren norabidean: B-k abiaduraren osagai perpendikularra biratzen du, eta E-k partikula azeleratzen du ardatzean zehar; beraz, helizea luzatu egiten da bira batetik bestera.</translation>
    </message>
    <message>
        <source>Predice: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la vuelta k avanza (2k - 1)·a∥·T²/2.</source>
        <translation>Aurreikusi: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; k-garren birak (2k - 1)·a∥·T²/2 egiten du aurrera.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: x crece como una parábola y vx en línea recta; el radio no cambia.</source>
        <translation>Egiaztatu «Grafikoak» leihoan: x parabola baten moduan handitzen da, eta vx lerro zuzenean; erradioa ez da aldatzen.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué no cambia el radio de las vueltas aunque la partícula va cada vez más deprisa?</source>
        <translation>Galdera: zergatik ez da aldatzen biren erradioa, partikula gero eta azkarrago badoa ere?</translation>
    </message>
    <message>
        <source>Deriva E×B desde el reposo (cicloide)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>E×B jitoa pausagunetik (zikloidea)</translation>
    </message>
    <message>
        <source>La partícula parte del reposo con E perpendicular a B: el campo eléctrico la acelera, el magnético la curva, y el centro de su giro deriva a velocidad constante: describe una cicloide.</source>
        <translation>Partikula pausagunetik abiatzen da, E eta B perpendikularrak direla: eremu elektrikoak azeleratu egiten du, magnetikoak kurbatu, eta biraren zentroa abiadura konstantez doa jitoan: zikloide bat deskribatzen du.</translation>
    </message>
    <message>
        <source>Predice: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T y sube 2·vd/ω.</source>
        <translation>Aurreikusi: vd = E×B/B², |vd| = E/B; arku bakoitzak T = 2π/ω irauten du, eta vd·T-ko luzera eta 2·vd/ω-ko altuera ditu.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (deriva) y en «Gráficas»: la rapidez vuelve a 0 al final de cada arco.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan (jitoa) eta «Grafikoak» leihoan: abiaduraren modulua 0ra itzultzen da arku bakoitzaren amaieran.</translation>
    </message>
    <message>
        <source>Pregunta: ¿hacia dónde deriva si la carga es negativa?</source>
        <translation>Galdera: nora doa jitoan karga negatiboa bada?</translation>
    </message>
    <message>
        <source>Selector de velocidades</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Abiadura-hautagailua</translation>
    </message>
    <message>
        <source>E y B perpendiculares, y la partícula entra con v = E/B: las fuerzas eléctrica y magnética se anulan y sigue en línea recta.</source>
        <translation>E eta B perpendikularrak dira, eta partikula v = E/B abiaduraz sartzen da: indar elektrikoak eta magnetikoak elkar ezeztatzen dute, eta lerro zuzenean jarraitzen du.</translation>
    </message>
    <message>
        <source>Predice: q·E + q·v×B = 0 cuando v = E/B.</source>
        <translation>Aurreikusi: q·E + q·v×B = 0 da v = E/B denean.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (fuerza nula) y en «Gráficas»: z no cambia.</source>
        <translation>Egiaztatu «Magnitudeak» leihoan (indar nulua) eta «Grafikoak» leihoan: z ez da aldatzen.</translation>
    </message>
    <message>
        <source>Pregunta: cambia Vy a 12 en el panel: ¿hacia dónde se desvía? ¿Y con Vy = 8?</source>
        <translation>Galdera: aldatu Vy 12ra panelean: nora desbideratzen da? Eta Vy = 8 denean?</translation>
    </message>
    <message>
        <source>Desviación entre placas (campo confinado)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Desbideratzea plaken artean (eremu mugatua)</translation>
    </message>
    <message>
        <source>El campo eléctrico solo actúa entre las placas amarillas (y de 40 a 60 m): dentro, la partícula se desvía en parábola; fuera, sigue en línea recta.</source>
        <translation>Eremu elektrikoak kolore horiko plaken artean soilik eragiten du (y 40 eta 60 m artean): barruan, partikula parabolan desbideratzen da; kanpoan, lerro zuzenean jarraitzen du.</translation>
    </message>
    <message>
        <source>Predice: dentro pasa t = 20 m / 10 m/s = 2 s, se desvía Δz = q·E·t²/(2·m) y sale con vz = q·E·t/m.</source>
        <translation>Aurreikusi: barruan t = 20 m / 10 m/s = 2 s ematen ditu, Δz = q·E·t²/(2·m) desbideratzen da eta vz = q·E·t/m abiaduraz ateratzen da.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: vz crece entre t = 3 s y t = 5 s y después se queda constante.</source>
        <translation>Egiaztatu «Grafikoak» leihoan: vz handitu egiten da t = 3 s eta t = 5 s artean, eta gero konstante geratzen da.</translation>
    </message>
    <message>
        <source>Pregunta: ¿con qué ángulo sale? ¿Cómo cambiaría si entrara el doble de rápida?</source>
        <translation>Galdera: zer angelurekin ateratzen da? Nola aldatuko litzateke bi aldiz azkarrago sartuko balitz?</translation>
    </message>
    <message>
        <source>Montaje: %1</source>
        <extracomment>the guide&apos;s set-up line; %1 is the set-up in symbols and numbers (&quot;r₀ = (50, 20, 50) m · …&quot;)</extracomment>
        <translation>Muntaketa: %1</translation>
    </message>
</context>
<context>
    <name>voltrix::CommandLine</name>
    <message>
        <source>Uso: %1 [opciones]</source>
        <translation>Erabilera: %1 [aukerak]</translation>
    </message>
    <message>
        <source>Dinámica de una partícula cargada en campos eléctrico y magnético.</source>
        <translation>Partikula kargatu baten dinamika eremu elektrikoan eta magnetikoan.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Aukerak:</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Erakutsi laguntza hau eta irten.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Erakutsi bertsioa eta irten.</translation>
    </message>
    <message>
        <source>Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector).</source>
        <translation>Handitu leihoak F aldiz, 0.5 eta 4 artean (2 proiektore baterako).</translation>
    </message>
    <message>
        <source>Idioma: %1 (si no, el elegido en el menú, o español).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Hizkuntza: %1 (bestela, menuan aukeratutakoa, edo gaztelania).</translation>
    </message>
    <message>
        <source>valor no admitido para --scale: %1 (de 0.5 a 4)</source>
        <translation>--scale aukeraren balio onartezina: %1 (0.5 eta 4 artean)</translation>
    </message>
    <message>
        <source>También admite las opciones de Qt, como -platform o -style.</source>
        <translation>Qt-ren aukerak ere onartzen ditu, hala nola -platform edo -style.</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>aukera ezezaguna: %1</translation>
    </message>
    <message>
        <source>argumento no admitido: %1</source>
        <translation>argumentu onartezina: %1</translation>
    </message>
    <message>
        <source>Pruebe «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Probatu «%1 --help».</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentDialogs</name>
    <message>
        <source>Todos los Ficheros (*.*)</source>
        <extracomment>file type in the open and save dialogs; keep &quot;(*.*)&quot;</extracomment>
        <translation>Fitxategi guztiak (*.*)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <extracomment>the button that closes a message box</extracomment>
        <translation>Ados</translation>
    </message>
    <message>
        <source>Dinamica de una particula cargada</source>
        <extracomment>title of the file dialogs and message boxes</extracomment>
        <translation>Partikula kargatu baten dinamika</translation>
    </message>
    <message>
        <source>Archivos de Experiencias  (*.exp)</source>
        <extracomment>file type in the open dialog; keep &quot;(*.exp)&quot;; the two blanks before it show as written</extracomment>
        <translation>Esperimentu-fitxategiak  (*.exp)</translation>
    </message>
    <message>
        <source>Ficheros de Experiencias (*.exp)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.exp)&quot;</extracomment>
        <translation>Esperimentu-fitxategiak (*.exp)</translation>
    </message>
    <message>
        <source>fichero.exp</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.exp&quot;</extracomment>
        <translation>fitxategia.exp</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>CSV datuak (*.csv)</translation>
    </message>
    <message>
        <source>datos.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>datuak.csv</translation>
    </message>
    <message>
        <source>No hay datos que exportar.
Con la animación en marcha se registra cada paso desde el último &quot;Inicia&quot;, &quot;Cargar&quot; o &quot;Recuperar&quot;.</source>
        <extracomment>«Inicia», «Cargar» and «Recuperar» are the captions of a button and of menu items</extracomment>
        <translation>Ez dago esportatzeko daturik.
Animazioa martxan dagoela, urrats bakoitza erregistratzen da &quot;Hasieratu&quot;, &quot;Kargatu&quot; edo &quot;Berrezarri&quot; azkenekoz erabili zenetik.</translation>
    </message>
    <message>
        <source>No se ha podido grabar el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Ezin izan da &quot;%1&quot; fitxategia gorde.
%2</translation>
    </message>
    <message>
        <source>No se ha podido leer el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Ezin izan da &quot;%1&quot; fitxategia irakurri.
%2</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentFile</name>
    <message>
        <source>permiso denegado</source>
        <translation>baimena ukatuta</translation>
    </message>
    <message>
        <source>el archivo o la carpeta no existe</source>
        <translation>fitxategia edo karpeta ez da existitzen</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>bide-izenaren zati bat ez da karpeta</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>karpeta bat da, ez fitxategi bat</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>ez dago lekurik diskoan</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>diskoa irakurtzeko soilik da</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>izena luzeegia da</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>irakurketa- edo idazketa-errorea diskoan</translation>
    </message>
    <message>
        <source>el fichero supera el tamaño permitido</source>
        <translation>fitxategiak baimendutako tamaina gainditzen du</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written or read; %1 is the system&apos;s error number</extracomment>
        <translation>sistemaren %1 zenbakiko errorea</translation>
    </message>
    <message>
        <source>el fichero no contiene ningún experimento</source>
        <translation>fitxategiak ez dauka esperimenturik</translation>
    </message>
    <message>
        <source>no se ha indicado ningún nombre de archivo</source>
        <translation>ez da fitxategi-izenik adierazi</translation>
    </message>
    <message>
        <source>; el fichero conserva su contenido anterior</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; fitxategiak aurreko edukia gordetzen du</translation>
    </message>
    <message>
        <source>; el fichero ha quedado incompleto</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; fitxategia osatu gabe geratu da</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentReport</name>
    <message>
        <source>Confinado</source>
        <extracomment>the electric field&apos;s region in the report: only between the plates</extracomment>
        <translation>Mugatua</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>the electric field&apos;s region in the report: the whole box</extracomment>
        <translation>Espazio osoan</translation>
    </message>
    <message>
        <source>Posición inicial r₀</source>
        <translation>r₀ hasierako posizioa</translation>
    </message>
    <message>
        <source>Velocidad inicial v₀</source>
        <translation>v₀ hasierako abiadura</translation>
    </message>
    <message>
        <source>Posición r</source>
        <translation>r posizioa</translation>
    </message>
    <message>
        <source>Velocidad v</source>
        <translation>v abiadura</translation>
    </message>
    <message>
        <source>Campo eléctrico E</source>
        <translation>E eremu elektrikoa</translation>
    </message>
    <message>
        <source>Campo magnético B</source>
        <translation>B eremu magnetikoa</translation>
    </message>
    <message>
        <source>Carga q</source>
        <translation>q karga</translation>
    </message>
    <message>
        <source>Masa m</source>
        <translation>m masa</translation>
    </message>
    <message>
        <source>Paso de tiempo Δt</source>
        <translation>Δt denbora-urratsa</translation>
    </message>
    <message>
        <source>Tiempo t</source>
        <translation>t denbora</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Luzera-unitatea</translation>
    </message>
    <message>
        <source>Región del campo eléctrico</source>
        <translation>Eremu elektrikoaren eskualdea</translation>
    </message>
</context>
<context>
    <name>voltrix::HandlerFailure</name>
    <message>
        <source>Error desconocido.</source>
        <extracomment>the message box of a failure that carries no text of its own</extracomment>
        <translation>Errore ezezaguna.</translation>
    </message>
</context>
<context>
    <name>voltrix::RunGraph</name>
    <message>
        <source>Ec</source>
        <extracomment>graph legend: kinetic energy (energía cinética)</extracomment>
        <translation>Ek</translation>
    </message>
    <message>
        <source>Ep</source>
        <extracomment>graph legend: potential energy (energía potencial)</extracomment>
        <translation>Ep</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm1</name>
    <message>
        <source>Carga en Campos Eléctrico y Magnético</source>
        <extracomment>the main window&apos;s title</extracomment>
        <translation>Karga eremu elektrikoan eta magnetikoan</translation>
    </message>
    <message>
        <source>Vista 3D de la partícula</source>
        <translation>Partikularen 3D ikuspegia</translation>
    </message>
    <message>
        <source>Cubo</source>
        <extracomment>check box: show the cube around the box; the box is 50 px wide</extracomment>
        <translation>Kuboa</translation>
    </message>
    <message>
        <source>Ejes</source>
        <extracomment>check box: show the axes; the box is 46 px wide</extracomment>
        <translation>Ard.</translation>
    </message>
    <message>
        <source>Giro</source>
        <extracomment>noun: the label between the rotation arrows (a click resets the rotation); 32 px wide</extracomment>
        <translation>Bira</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>noun: the label between the zoom buttons (a click resets the zoom); 40 px wide</extracomment>
        <translation>Zooma</translation>
    </message>
    <message>
        <source>Girar la vista a la izquierda</source>
        <translation>Biratu ikuspegia ezkerrera</translation>
    </message>
    <message>
        <source>Girar la vista a la derecha</source>
        <translation>Biratu ikuspegia eskuinera</translation>
    </message>
    <message>
        <source>Girar la vista hacia arriba</source>
        <translation>Biratu ikuspegia gorantz</translation>
    </message>
    <message>
        <source>Girar la vista hacia abajo</source>
        <translation>Biratu ikuspegia beherantz</translation>
    </message>
    <message>
        <source>Acercar la vista</source>
        <translation>Hurbildu ikuspegia</translation>
    </message>
    <message>
        <source>Alejar la vista</source>
        <translation>Urrundu ikuspegia</translation>
    </message>
    <message>
        <source>Animación</source>
        <extracomment>button caption: starts the animation (noun); the button is 72 px wide
----------
menu: the animation (noun)</extracomment>
        <translation>Animazioa</translation>
    </message>
    <message>
        <source>Parpadeo</source>
        <extracomment>check box: the «STOP» caption blinks while the animation runs; the box is 72 px wide</extracomment>
        <translation>Keinuka</translation>
    </message>
    <message>
        <source>Traza</source>
        <extracomment>check box: show the particle&apos;s trace (noun); the box is 52 px wide</extracomment>
        <translation>Bidea</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>check box: show the time; the box is 60 px wide</extracomment>
        <translation>Denbora</translation>
    </message>
    <message>
        <source>Tiempo, segundos</source>
        <extracomment>the time box, for a screen reader: the quantity and its unit</extracomment>
        <translation>Denbora, segundoak</translation>
    </message>
    <message>
        <source>Ficheros</source>
        <extracomment>menu: files</extracomment>
        <translation>Fitxategia</translation>
    </message>
    <message>
        <source>Cargar</source>
        <extracomment>menu item: load an experiment from a file (verb)</extracomment>
        <translation>Kargatu</translation>
    </message>
    <message>
        <source>Grabar</source>
        <extracomment>menu item: save the experiment to a file (verb)</extracomment>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Exportar datos (CSV)…</source>
        <translation>Esportatu datuak (CSV)…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <extracomment>menu item: print the experiment&apos;s report (verb)</extracomment>
        <translation>Inprimatu…</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)…</source>
        <translation>Gorde txostena (PDF)…</translation>
    </message>
    <message>
        <source>Fin</source>
        <extracomment>menu item: quit the program</extracomment>
        <translation>Irten</translation>
    </message>
    <message>
        <source>Paneles</source>
        <extracomment>menu: the program&apos;s windows (panels)</extracomment>
        <translation>Panelak</translation>
    </message>
    <message>
        <source>Posic. Veloc. Campos Carga</source>
        <extracomment>menu item: the control panel; abbreviations of Posición, Velocidad, Campos, Carga</extracomment>
        <translation>Posiz. Abiad. Eremuak Karga</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>submenu: where the electric field acts</extracomment>
        <translation>Eremu elektrikoaren eskualdea</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>menu item: the electric field acts in all the box</extracomment>
        <translation>Espazio osoan</translation>
    </message>
    <message>
        <source>Confinado</source>
        <extracomment>menu item: the electric field acts only between the plates</extracomment>
        <translation>Mugatua</translation>
    </message>
    <message>
        <source>Muestra Vectores</source>
        <extracomment>menu item: the window that shows the vectors (&quot;Muestra&quot; is a verb)</extracomment>
        <translation>Erakutsi bektoreak</translation>
    </message>
    <message>
        <source>Factor de Escala</source>
        <extracomment>menu item: the window of the vectors&apos; scale factors</extracomment>
        <translation>Eskala-faktorea</translation>
    </message>
    <message>
        <source>Información</source>
        <extracomment>menu item: the about window</extracomment>
        <translation>Informazioa</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>menu item: the help window (noun)</extracomment>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>menu item: the window of physical quantities (noun, plural)
----------
report heading: the physical quantities (as the «Magnitudes» window)</extracomment>
        <translation>Magnitudeak</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>menu item: the graphs window (noun, plural)</extracomment>
        <translation>Grafikoak</translation>
    </message>
    <message>
        <source>Idioma</source>
        <extracomment>menu item: a submenu listing the languages of the program</extracomment>
        <translation>Hizkuntza</translation>
    </message>
    <message>
        <source>El idioma elegido se aplicará la próxima vez que abra Voltrix.</source>
        <extracomment>said after choosing another language in the Paneles menu</extracomment>
        <translation>Aukeratutako hizkuntza Voltrix irekitzen duzun hurrengo aldian aplikatuko da.</translation>
    </message>
    <message>
        <source>Iniciar / Detener</source>
        <extracomment>menu item: start or stop the animation (verbs)</extracomment>
        <translation>Hasi / Gelditu</translation>
    </message>
    <message>
        <source>Un paso</source>
        <extracomment>menu item: advance the simulation one step</extracomment>
        <translation>Urrats bat</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>submenu: the animation&apos;s speed (steps per second)</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>menu item: normal animation speed (64 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Normala</translation>
    </message>
    <message>
        <source>Rápida</source>
        <extracomment>menu item: fast animation speed (256 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Azkarra</translation>
    </message>
    <message>
        <source>Máxima</source>
        <extracomment>menu item: top animation speed (1000 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Maximoa</translation>
    </message>
    <message>
        <source>Experiencias</source>
        <extracomment>menu: the classic experiments (set-ups) ready for the class</extracomment>
        <translation>Praktikak</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>button caption while the animation runs: stops it; the button is 72 px wide</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Partícula cargada en campos eléctrico y magnético</source>
        <extracomment>the report&apos;s title when no classic experiment is set up</extracomment>
        <translation>Partikula kargatua eremu elektrikoan eta magnetikoan</translation>
    </message>
    <message>
        <source>Montaje</source>
        <extracomment>report heading: the set-up of the experiment (noun)</extracomment>
        <translation>Muntaketa</translation>
    </message>
    <message>
        <source>Vista</source>
        <extracomment>report figure caption: the 3D view (noun)</extracomment>
        <translation>Ikuspegia</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <extracomment>the print dialog&apos;s title (verb)</extracomment>
        <translation>Inprimatu</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Gorde txostena (PDF)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.pdf)&quot;</extracomment>
        <translation>PDF dokumentua (*.pdf)</translation>
    </message>
    <message>
        <source>informe.pdf</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.pdf&quot;</extracomment>
        <translation>txostena.pdf</translation>
    </message>
    <message>
        <source>Partícula en x = %1, y = %2, z = %3 %4; t = %5 s</source>
        <extracomment>what a screen reader says the 3D view shows; %1, %2, %3 are the particle&apos;s x, y, z, %4 the length unit (m or cm) and %5 the time in seconds</extracomment>
        <translation>Partikularen posizioa: x = %1, y = %2, z = %3 %4; t = %5 s</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm2</name>
    <message>
        <source>Velocidad cm/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Abiadura cm/s</translation>
    </message>
    <message>
        <source>Velocidad m/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Abiadura m/s</translation>
    </message>
    <message>
        <source>Panel de Control</source>
        <extracomment>the control panel&apos;s window title</extracomment>
        <translation>Kontrol-panela</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>group title: where the electric field acts; the group is 153 px wide</extracomment>
        <translation>E eremuaren eskualdea</translation>
    </message>
    <message>
        <source>Posición</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
----------
label of the position panel, left of the length unit&apos;s box (about 55 px)</extracomment>
        <translation>Posizioa</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida</source>
        <extracomment>for a screen reader: the unit of a position box</extracomment>
        <translation>aukeratutako luzera-unitatean</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida por segundo</source>
        <extracomment>for a screen reader: the unit of a velocity box</extracomment>
        <translation>aukeratutako luzera-unitatea segundoko</translation>
    </message>
    <message>
        <source>Campo eléctrico</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Eremu elektrikoa</translation>
    </message>
    <message>
        <source>en voltios por metro</source>
        <extracomment>for a screen reader: the unit of an electric field box</extracomment>
        <translation>volt metroko</translation>
    </message>
    <message>
        <source>Campo magnético</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Eremu magnetikoa</translation>
    </message>
    <message>
        <source>en teslas</source>
        <extracomment>for a screen reader: the unit of a magnetic field box</extracomment>
        <translation>teslatan</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>for a screen reader: a box&apos;s name; %1 is the quantity (Posición, Velocidad…), %2 the component&apos;s caption beside the box (X, Vy, Bz…)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, deslizador</source>
        <extracomment>for a screen reader: a slider&apos;s name; %1 is the name of its box (&quot;Posición X&quot;)</extracomment>
        <translation>%1, graduatzailea</translation>
    </message>
    <message>
        <source>Incremento de tiempo, deslizador</source>
        <extracomment>for a screen reader: the time step&apos;s slider</extracomment>
        <translation>Denbora-urratsa, graduatzailea</translation>
    </message>
    <message>
        <source>Carga, culombios</source>
        <extracomment>for a screen reader: the charge box, the quantity and its unit</extracomment>
        <translation>Karga, coulombak</translation>
    </message>
    <message>
        <source>Disminuir la carga</source>
        <translation>Gutxitu karga</translation>
    </message>
    <message>
        <source>Aumentar la carga</source>
        <translation>Handitu karga</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Luzera-unitatea</translation>
    </message>
    <message>
        <source>Almacenar</source>
        <extracomment>button caption: store the present values (verb); the button is 70 px wide</extracomment>
        <translation>Gorde</translation>
    </message>
    <message>
        <source>Almacena Valores Actuales</source>
        <translation>Gorde uneko balioak</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <extracomment>button caption: recall the stored values (verb); the button is 70 px wide</extracomment>
        <translation>Berrezarri</translation>
    </message>
    <message>
        <source>Recupera Valores Almacenados</source>
        <translation>Berrezarri gordetako balioak</translation>
    </message>
    <message>
        <source>Inicia</source>
        <extracomment>button caption: put back the starting situation (verb); the button is 70 px wide</extracomment>
        <translation>Hasieratu</translation>
    </message>
    <message>
        <source>Increm.Tiempo</source>
        <extracomment>label over the time step&apos;s slider; abbreviation of &quot;Incremento de Tiempo&quot;; the label is 70 px wide</extracomment>
        <translation>Δt urratsa</translation>
    </message>
    <message>
        <source>Carga C</source>
        <extracomment>group title: the charge and its unit (coulomb); the group is 85 px wide</extracomment>
        <translation>Karga C</translation>
    </message>
    <message>
        <source>Campo Eléctrico V/m</source>
        <extracomment>group title: the electric field and its unit; the group is 153 px wide</extracomment>
        <translation>Eremu elektrikoa V/m</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>group title: the magnetic field (in teslas); the group is 153 px wide</extracomment>
        <translation>Eremu magnetikoa</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm3</name>
    <message>
        <source>Carga en un campo magnético: una hélice</source>
        <extracomment>caption under the picture of the about window (about 290 px wide)</extracomment>
        <translation>Karga eremu magnetikoan: helize bat</translation>
    </message>
    <message>
        <source>Grupo Orvalis</source>
        <extracomment>tooltip: the group of authors called Orvalis</extracomment>
        <translation>Orvalis taldea</translation>
    </message>
    <message>
        <source>Física interactiva para estudiantes</source>
        <extracomment>the about window&apos;s subtitle, one line about 290 px wide</extracomment>
        <translation>Fisika interaktiboa ikasleentzat</translation>
    </message>
    <message>
        <source>Programa:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s name follows</extracomment>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Autores:</source>
        <extracomment>about window, left column (94 px wide): the authors follow</extracomment>
        <translation>Egileak:</translation>
    </message>
    <message>
        <source>el equipo Orvalis</source>
        <translation>Orvalis taldea</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <extracomment>about window, left column (94 px wide): the group&apos;s name follows</extracomment>
        <translation>Taldea:</translation>
    </message>
    <message>
        <source>Tema:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s subject follows</extracomment>
        <translation>Gaia:</translation>
    </message>
    <message>
        <source>Carga en campos E y B</source>
        <translation>Karga E eta B eremuetan</translation>
    </message>
    <message>
        <source>Grupo</source>
        <extracomment>button caption: shows the group&apos;s picture (noun); the button is 75 px wide</extracomment>
        <translation>Taldea</translation>
    </message>
    <message>
        <source>Foto del grupo</source>
        <translation>Taldearen argazkia</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm4</name>
    <message>
        <source>Posición</source>
        <extracomment>group title: the position vector; the group is 134 px wide</extracomment>
        <translation>Posizioa</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>group title: the velocity vector; the group is 134 px wide</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>Aceleración m/s*s</source>
        <extracomment>group title: the acceleration vector and its unit (m/s²); the group is 134 px wide</extracomment>
        <translation>Azelerazioa m/s*s</translation>
    </message>
    <message>
        <source>Eléctrico</source>
        <extracomment>group title: the electric field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Elektrikoa</translation>
    </message>
    <message>
        <source>Magnético</source>
        <extracomment>group title: the magnetic field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Magnetikoa</translation>
    </message>
    <message>
        <source>Muestra</source>
        <extracomment>window title: the window that shows the vectors (&quot;Muestra&quot; is a verb: shows)</extracomment>
        <translation>Erakutsi</translation>
    </message>
    <message>
        <source>Vector</source>
        <extracomment>check box: show the vector&apos;s arrow (noun); the box is 84 px wide</extracomment>
        <translation>Bektorea</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm5</name>
    <message>
        <source>Escala</source>
        <extracomment>window title: the vectors&apos; scale factors (noun)</extracomment>
        <translation>Eskala</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>button caption: choose the velocity&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Abiadura</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <extracomment>button caption: choose the acceleration&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Azelerazioa</translation>
    </message>
    <message>
        <source>Campo Eléctrico</source>
        <extracomment>button caption: choose the electric field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Eremu elektrikoa</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>button caption: choose the magnetic field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Eremu magnetikoa</translation>
    </message>
    <message>
        <source>Reducir el factor de escala</source>
        <translation>Txikiagotu eskala-faktorea</translation>
    </message>
    <message>
        <source>Aumentar el factor de escala</source>
        <translation>Handiagotu eskala-faktorea</translation>
    </message>
    <message>
        <source>Factor de escala del vector elegido</source>
        <translation>Aukeratutako bektorearen eskala-faktorea</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm6</name>
    <message>
        <source>          DESCRIPCIÓN DE LA INTERFASE GRÁFICA
          ---------------------------------------------------------------

Ficheros -&gt; Despliega menú para cargar o grabar ficheros con 
                datos sobre la posición, velocidad, valor de los
                campos y de la carga.
                Fin-&gt; Finaliza la aplicación.
Paneles -&gt; Control de la posición, velocidad, campos y carga.
                 Muestra vectores, componentes y valor de la 
                 aceleración. 
                 Factor de escala -&gt; Factor por el que se multiplica la
                                               magnitud seleccionada para ser
                                               visualizada.
Información -&gt; Autores pertenecientes al grupo Orvalis. 
Ayuda -&gt; Muestra esta información. 

Muestra/Oculta Cubo.
Muestra/Oculta Ejes.
Flechas Giro -&gt; Gira la figura.
Giro -&gt; Haciendo click sobre él se recupera la perspectiva inicial.
Flechas Zoom -&gt; aproximan o alejan la imagen.
Zoom -&gt; Haciendo click sobre él se recupera la perspectiva inicial.
Animación -&gt; Anima/Detiene la simulación.
Traza - &gt; Muestra/Oculta traza del recorrido de la partícula.
Tiempo -&gt; Muestra/Oculta el valor del tiempo.

                     Panel de Control
                     -----------------------
Almacenar -&gt; Almacena los valores actuales de la posición, 
                    velocidad, campos y carga.
Recuperar-&gt; Recupera los valores almacenadaos de posición, 
                    velocidad, campos y carga
Carga C -&gt; Controla Carga Eléctrica en Coulombios.
Increm. Tiempo -&gt; Incremento de tiempo utilizado en el cálculo.
Posición m-&gt; Controla y muestra la posición de la partícula en 
                   metros o centímetros.
Velocidad m/s -&gt; Controla y muestra la velocidd de la partícula en 
                          metros por segundo o centímetros por segundo.
Campo Eléctrico -&gt; Controla el valor de las tres componentes del 
                             campo eléctrico.
Campo Magnético -&gt; Controla el valor de las tres componentes del 
                             campo magnético.

                     Animación
                     ---------------
Un paso -&gt; Avanza la simulación un paso con la animación detenida
                 (Ctrl+Flecha derecha).
Velocidad -&gt; Normal, Rápida o Máxima: 64, 256 o 1000 pasos por
                    segundo.

                     Ratón y datos
                     -----------------------
Arrastrar sobre la figura -&gt; Gira la figura (un grado por punto).
Rueda del ratón -&gt; Aproxima o aleja la imagen.
Doble click sobre la figura -&gt; Recupera la perspectiva inicial.
Paneles -&gt; Magnitudes -&gt; Rapidez, energía cinética, fuerza y
                 aceleración; con campo magnético, frecuencia angular,
                 periodo, radio y paso de hélice; con E perpendicular
                 a B, velocidad de deriva. En unidades del S.I.
Ficheros -&gt; Exportar datos (CSV) -&gt; Graba cada paso de la animación
                 desde el último Inicia, Cargar o Recuperar (tiempo,
                 posición, velocidad y aceleración) en un fichero CSV.

voltrix --scale 2 -&gt; Abre todas las ventanas al doble de tamaño,
                    por ejemplo para un proyector (de 0.5 a 4).

Paneles -&gt; Gráficas -&gt; Posición, velocidad, aceleración, rapidez o
                 energía frente al tiempo desde el último Inicia, Cargar
                 o Recuperar. El ratón sobre la gráfica lee sus valores;
                 el botón derecho guarda o copia la gráfica y exporta
                 sus datos (CSV).
Experiencias -&gt; Montajes clásicos listos para la clase: movimiento
                 circular, hélice, parábola, deriva E×B, selector de
                 velocidades, desviación entre placas... Cada uno detiene
                 la animación, pone el estado y la vista y abre la
                 ventana Guía con lo que hay que predecir y una pregunta.
Ficheros -&gt; Imprimir / Guardar informe (PDF) -&gt; Una página A4 con
                 el montaje, las magnitudes, la vista y, si está abierta,
                 la gráfica; en una experiencia clásica, también su guía.
Teclado sobre la figura (se llega con Tab) -&gt; Las flechas la giran,
                 + y - la acercan o alejan, Inicio recupera la
                 perspectiva inicial. Los lectores de pantalla leen
                 el nombre de cada control y la posición y el tiempo.
Paneles -&gt; Idioma -&gt; Español, català, valencià, galego, euskara o
                 English; se aplica al volver a abrir Voltrix.
                 voltrix --lang gl lo elige solo para esa vez.</source>
        <extracomment>the help window&apos;s text: a plain text box, about 77 characters a line; the blanks that indent and centre lines, and the line breaks, are part of it</extracomment>
        <translation>          INTERFAZE GRAFIKOAREN DESKRIBAPENA
          ---------------------------------------------------------------

Fitxategia -&gt; Posizioari, abiadurari, eremuen balioei eta kargari
                buruzko datuak dituzten fitxategiak kargatzeko edo
                gordetzeko menua zabaltzen du.
                Irten -&gt; Aplikazioa amaitzen du.
Panelak -&gt; Posizioaren, abiaduraren, eremuen eta kargaren kontrola.
                 Bektoreak, osagaiak eta azelerazioaren balioa
                 erakusten ditu.
                 Eskala-faktorea -&gt; Hautatutako magnitudea
                                               bistaratzean hura biderkatzen
                                               duen faktorea.
Informazioa -&gt; Orvalis taldeko egileak.
Laguntza -&gt; Informazio hau erakusten du.

Kuboa -&gt; Kuboa erakutsi/ezkutatu.
Ard. -&gt; Ardatzak erakutsi/ezkutatu.
Bira-geziak -&gt; Irudia biratzen dute.
Bira -&gt; Hura klikatuta, hasierako perspektiba berreskuratzen da.
Zoom-geziak -&gt; Irudia hurbildu edo urruntzen dute.
Zooma -&gt; Hura klikatuta, hasierako perspektiba berreskuratzen da.
Animazioa -&gt; Simulazioa animatu/gelditu.
Bidea -&gt; Partikularen ibilbidearen arrastoa erakutsi/ezkutatu.
Denbora -&gt; Denboraren balioa erakutsi/ezkutatu.

                     Kontrol-panela
                     -----------------------
Gorde -&gt; Posizioaren, abiaduraren, eremuen eta kargaren uneko
                    balioak gordetzen ditu.
Berrezarri -&gt; Posizioaren, abiaduraren, eremuen eta kargaren
                    gordetako balioak berreskuratzen ditu.
Karga C -&gt; Karga elektrikoa kontrolatzen du, coulombetan.
Δt urratsa -&gt; Kalkuluan erabilitako denbora-urratsa.
Posizioa m -&gt; Partikularen posizioa kontrolatu eta erakusten du,
                   metrotan edo zentimetrotan.
Abiadura m/s -&gt; Partikularen abiadura kontrolatu eta erakusten du,
                          metro segundoko edo zentimetro segundoko.
Eremu elektrikoa V/m -&gt; Eremu elektrikoaren hiru osagaien balioa
                             kontrolatzen du.
Eremu magnetikoa -&gt; Eremu magnetikoaren hiru osagaien balioa
                             kontrolatzen du.

                     Animazioa
                     ---------------
Urrats bat -&gt; Animazioa geldirik dagoela, simulazioa urrats bat
                 aurreratzen du (Ctrl+eskuineko gezia).
Abiadura -&gt; Normala, Azkarra edo Maximoa: segundoko 64, 256 edo 1000
                    urrats.

                     Sagua eta datuak
                     -----------------------
Irudiaren gainean arrastatu -&gt; Irudia biratzen du (gradu bat puntuko).
Saguaren gurpila -&gt; Irudia hurbildu edo urruntzen du.
Irudiaren gainean klik bikoitza -&gt; Hasierako perspektiba berreskuratzen du.
Panelak -&gt; Magnitudeak -&gt; Abiadura (modulua), energia zinetikoa,
                 indarra eta azelerazioa; eremu magnetikoarekin,
                 maiztasun angeluarra, periodoa, erradioa eta helizearen
                 urratsa; E eta B perpendikularrak direnean,
                 jito-abiadura. SI unitateetan.
Fitxategia -&gt; Esportatu datuak (CSV) -&gt; Animazioaren urrats bakoitza
                 (denbora, posizioa, abiadura eta azelerazioa) CSV
                 fitxategi batean gordetzen du, Hasieratu, Kargatu edo
                 Berrezarri azkenekoz erabili zenetik.

voltrix --scale 2 -&gt; Leiho guztiak tamaina bikoitzean irekitzen ditu,
                    adibidez proiektore baterako (0.5 eta 4 artean).

Panelak -&gt; Grafikoak -&gt; Posizioa, abiadura, azelerazioa, abiaduraren
                 modulua edo energia denboraren funtzioan, Hasieratu,
                 Kargatu edo Berrezarri azkenekoz erabili zenetik.
                 Sagua grafikoaren gainean jarrita, haren balioak
                 irakurtzen dira; eskuineko botoiarekin grafikoa gorde
                 edo kopiatu eta haren datuak (CSV) esporta daitezke.
Praktikak -&gt; Eskolarako prest dauden muntaketa klasikoak:
                 higidura zirkularra, helizea, parabola, E×B jitoa,
                 abiadura-hautagailua, desbideratzea plaken artean...
                 Bakoitzak animazioa gelditzen du, egoera eta ikuspegia
                 ezartzen ditu eta Gida leihoa irekitzen du, aurreikusi
                 beharrekoarekin eta galdera batekin.
Fitxategia -&gt; Inprimatu / Gorde txostena (PDF) -&gt; A4 orri bat
                 muntaketarekin, magnitudeekin, ikuspegiarekin eta,
                 irekita badago, grafikoarekin; esperimentu klasiko
                 batean, baita haren gidarekin ere.
Teklatua irudiaren gainean (Tab teklarekin iristen da) -&gt; Geziek
                 irudia biratzen dute, + eta - teklek hurbildu edo
                 urrundu egiten dute, eta Hasiera teklak hasierako
                 perspektiba berreskuratzen du. Pantaila-irakurgailuek
                 kontrol bakoitzaren izena eta posizioa eta denbora
                 irakurtzen dituzte.
Panelak -&gt; Hizkuntza -&gt; Español, català, valencià, galego, euskara edo
                 English; Voltrix berriro irekitzean aplikatzen da.
                 voltrix --lang gl aukerak aldi horretarako soilik
                 aukeratzen du.</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>the help window&apos;s title (noun)</extracomment>
        <translation>Laguntza</translation>
    </message>
    <message>
        <source>Desplazamiento vertical de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s vertical scroll bar</extracomment>
        <translation>Laguntzaren korritze bertikala</translation>
    </message>
    <message>
        <source>Desplazamiento horizontal de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s horizontal scroll bar</extracomment>
        <translation>Laguntzaren korritze horizontala</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGraficas</name>
    <message>
        <source>Posición (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m or cm)</extracomment>
        <translation>Posizioa (%1)</translation>
    </message>
    <message>
        <source>Velocidad (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s or cm/s)</extracomment>
        <translation>Abiadura (%1)</translation>
    </message>
    <message>
        <source>Aceleración (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s² or cm/s²)</extracomment>
        <translation>Azelerazioa (%1)</translation>
    </message>
    <message>
        <source>Energía (J)</source>
        <extracomment>the graph&apos;s axis title: energy in joules</extracomment>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <source>%1 (campo confinado: no es conservativo, sin energía potencial)</source>
        <extracomment>the graph&apos;s legend when only the kinetic energy is plotted; %1 is its symbol (Ec)</extracomment>
        <translation>%1 (eremu mugatua: ez da kontserbakorra, energia potentzialik gabe)</translation>
    </message>
    <message>
        <source>Sin datos: la gráfica muestra cada paso de la animación desde el último Inicia, Cargar o Recuperar.</source>
        <extracomment>over an empty graph; Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>Daturik ez: grafikoak animazioaren urrats bakoitza erakusten du, Hasieratu, Kargatu edo Berrezarri azkenekoz erabili zenetik.</translation>
    </message>
    <message>
        <source>Posición (x, y, z)</source>
        <extracomment>the quantity plotted against time; the curves&apos; symbols in brackets</extracomment>
        <translation>Posizioa (x, y, z)</translation>
    </message>
    <message>
        <source>Velocidad (vx, vy, vz)</source>
        <translation>Abiadura (vx, vy, vz)</translation>
    </message>
    <message>
        <source>Aceleración (ax, ay, az)</source>
        <translation>Azelerazioa (ax, ay, az)</translation>
    </message>
    <message>
        <source>Rapidez y aceleración (|v|, |a|)</source>
        <extracomment>speed (the size of the velocity) and the size of the acceleration</extracomment>
        <translation>Abiadura eta azelerazioa (|v|, |a|)</translation>
    </message>
    <message>
        <source>Energía (cinética, potencial, total)</source>
        <translation>Energia (zinetikoa, potentziala, osoa)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.png)&quot;</extracomment>
        <translation>PNG irudia (*.png)</translation>
    </message>
    <message>
        <source>Imagen vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.svg)&quot;</extracomment>
        <translation>SVG irudi bektoriala (*.svg)</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>CSV datuak (*.csv)</translation>
    </message>
    <message>
        <source>Pasa el ratón sobre la gráfica para leer sus valores.</source>
        <extracomment>the reading under the graph while the pointer is not over it</extracomment>
        <translation>Pasatu sagua grafikoaren gainetik haren balioak irakurtzeko.</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>window title: the graphs (noun, plural)</extracomment>
        <translation>Grafikoak</translation>
    </message>
    <message>
        <source>Magnitud:</source>
        <extracomment>label of the list of quantities to plot (noun)</extracomment>
        <translation>Magnitudea:</translation>
    </message>
    <message>
        <source>Gráfica frente al tiempo</source>
        <translation>Grafikoa denboraren funtzioan</translation>
    </message>
    <message>
        <source>Guardar gráfica…</source>
        <extracomment>context menu of the graph: save it as a picture (verb)</extracomment>
        <translation>Gorde grafikoa…</translation>
    </message>
    <message>
        <source>Copiar gráfica</source>
        <extracomment>context menu of the graph: copy it to the clipboard (verb)</extracomment>
        <translation>Kopiatu grafikoa</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)…</source>
        <extracomment>context menu of the graph: save its numbers as CSV (verb)</extracomment>
        <translation>Esportatu grafikoaren datuak (CSV)…</translation>
    </message>
    <message>
        <source>%1 frente al tiempo desde el último Inicia, Cargar o Recuperar; la lectura bajo el ratón da t y el valor de cada curva</source>
        <extracomment>for a screen reader: what the graph shows; %1 is the chosen quantity (&quot;Posición (x, y, z)&quot;); Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>%1 denboraren funtzioan, Hasieratu, Kargatu edo Berrezarri azkenekoz erabili zenetik; saguaren azpiko irakurketak t eta kurba bakoitzaren balioa ematen ditu</translation>
    </message>
    <message>
        <source>Guardar gráfica</source>
        <extracomment>the save dialog&apos;s title (verb)</extracomment>
        <translation>Gorde grafikoa</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.png&quot;</extracomment>
        <translation>grafikoa.png</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Esportatu grafikoaren datuak (CSV)</translation>
    </message>
    <message>
        <source>grafica.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>grafikoa.csv</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGuia</name>
    <message>
        <source>Guía</source>
        <extracomment>window title: the guide of a classic experiment (noun)</extracomment>
        <translation>Gida</translation>
    </message>
    <message>
        <source>Título de la experiencia</source>
        <translation>Esperimentuaren izenburua</translation>
    </message>
    <message>
        <source>Guía de la experiencia</source>
        <translation>Esperimentuaren gida</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormMagnitudes</name>
    <message>
        <source>Rapidez |v| (m/s)</source>
        <extracomment>a quantity&apos;s caption: its name, its symbol or formula and its unit in brackets</extracomment>
        <translation>Abiadura |v| (m/s)</translation>
    </message>
    <message>
        <source>Energía cinética ½·m·v² (J)</source>
        <translation>Energia zinetikoa ½·m·v² (J)</translation>
    </message>
    <message>
        <source>Fuerza |F| (N)</source>
        <translation>Indarra |F| (N)</translation>
    </message>
    <message>
        <source>Aceleración |a| (m/s²)</source>
        <translation>Azelerazioa |a| (m/s²)</translation>
    </message>
    <message>
        <source>Frecuencia angular ω = |q|·|B|/m (rad/s)</source>
        <translation>Maiztasun angeluarra ω = |q|·|B|/m (rad/s)</translation>
    </message>
    <message>
        <source>Periodo 2π/ω (s)</source>
        <translation>Periodoa 2π/ω (s)</translation>
    </message>
    <message>
        <source>Radio m·v⊥/(|q|·|B|) (m)</source>
        <translation>Erradioa m·v⊥/(|q|·|B|) (m)</translation>
    </message>
    <message>
        <source>Paso de la hélice |v∥|·2π/ω (m)</source>
        <extracomment>the pitch of the helix</extracomment>
        <translation>Helizearen urratsa |v∥|·2π/ω (m)</translation>
    </message>
    <message>
        <source>Deriva vx (m/s)</source>
        <extracomment>a component of the drift velocity of the orbit&apos;s centre</extracomment>
        <translation>Jitoa vx (m/s)</translation>
    </message>
    <message>
        <source>Deriva vy (m/s)</source>
        <translation>Jitoa vy (m/s)</translation>
    </message>
    <message>
        <source>Deriva vz (m/s)</source>
        <translation>Jitoa vz (m/s)</translation>
    </message>
    <message>
        <source>Deriva |v| (m/s)</source>
        <extracomment>the speed of the drift of the orbit&apos;s centre</extracomment>
        <translation>Jitoa |v| (m/s)</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>window title: the physical quantities (noun, plural)</extracomment>
        <translation>Magnitudeak</translation>
    </message>
    <message>
        <source>Partícula</source>
        <extracomment>group title: the quantities of the particle (noun)</extracomment>
        <translation>Partikula</translation>
    </message>
    <message>
        <source>Giro en el campo magnético</source>
        <extracomment>group title: the circular motion (turning) the magnetic field causes</extracomment>
        <translation>Bira eremu magnetikoan</translation>
    </message>
    <message>
        <source>Deriva E×B/|B|² (E perpendicular a B)</source>
        <extracomment>group title: the drift of the orbit&apos;s centre, with its formula</extracomment>
        <translation>Jitoa E×B/|B|² (E eta B perpendikularrak)</translation>
    </message>
</context>
</TS>
