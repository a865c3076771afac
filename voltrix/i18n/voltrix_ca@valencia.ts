<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="es">
<context>
    <name>voltrix::ClassicExperiments</name>
    <message>
        <source>Movimiento circular en un campo magnético (q &gt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Moviment circular en un camp magnètic (q &gt; 0)</translation>
    </message>
    <message>
        <source>La velocidad es perpendicular a B: la fuerza q·v×B, siempre perpendicular a la velocidad, la hace girar sin cambiar su rapidez, en una circunferencia del plano x = 50.</source>
        <translation>La velocitat és perpendicular a B: la força q·v×B, sempre perpendicular a la velocitat, la fa girar sense canviar-ne la rapidesa, en una circumferència del pla x = 50.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</source>
        <translation>Predicció: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (frecuencia angular, periodo, radio) y en «Gráficas»: y, z oscilan con periodo T y la energía cinética no cambia.</source>
        <translation>Comproveu-ho en «Magnituds» (freqüència angular, període, radi) i en «Gràfiques»: y, z oscil·len amb període T i l&apos;energia cinètica no canvia.</translation>
    </message>
    <message>
        <source>Pregunta: si duplicas la velocidad, ¿qué les pasa al radio y al periodo?</source>
        <translation>Pregunta: si dupliqueu la velocitat, què els passa al radi i al període?</translation>
    </message>
    <message>
        <source>Movimiento circular con carga negativa (q &lt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Moviment circular amb càrrega negativa (q &lt; 0)</translation>
    </message>
    <message>
        <source>La misma velocidad y el mismo campo con la carga cambiada de signo: la fuerza q·v×B apunta al otro lado y la partícula gira en sentido contrario.</source>
        <translation>La mateixa velocitat i el mateix camp amb la càrrega canviada de signe: la força q·v×B apunta cap a l&apos;altre costat i la partícula gira en sentit contrari.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C.</source>
        <translation>Predicció: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), amb |q| = 1 C.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» y compara el sentido de giro con el de q &gt; 0.</source>
        <translation>Comproveu-ho en «Magnituds» i compareu el sentit de gir amb el de q &gt; 0.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué cambia el sentido de giro y no cambian ni el radio ni el periodo?</source>
        <translation>Pregunta: per què canvia el sentit de gir i no canvien ni el radi ni el període?</translation>
    </message>
    <message>
        <source>Hélice</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Hèlix</translation>
    </message>
    <message>
        <source>La velocidad tiene una parte a lo largo de B (10 m/s), que el campo no cambia, y otra perpendicular (60 m/s), que gira: la partícula avanza en hélice a lo largo del eje x.</source>
        <translation>La velocitat té una component al llarg de B (10 m/s), que el camp no canvia, i una altra de perpendicular (60 m/s), que gira: la partícula avança en hèlix al llarg de l&apos;eix x.</translation>
    </message>
    <message>
        <source>Predice: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T.</source>
        <translation>Predicció: R = m·v⊥/(|q|·B), T = 2π/ω, pas p = v∥·T.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (radio, periodo, paso) y en «Gráficas»: x crece a ritmo constante.</source>
        <translation>Comproveu-ho en «Magnituds» (radi, període, pas) i en «Gràfiques»: x creix a ritme constant.</translation>
    </message>
    <message>
        <source>Pregunta: ¿qué componente de la velocidad decide el paso y cuál el radio?</source>
        <translation>Pregunta: quina component de la velocitat decidix el pas i quina el radi?</translation>
    </message>
    <message>
        <source>Parábola en un campo eléctrico</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Paràbola en un camp elèctric</translation>
    </message>
    <message>
        <source>Sin campo magnético, la fuerza q·E es constante, como el peso: la partícula describe una parábola en el plano x = 50.</source>
        <translation>Sense camp magnètic, la força q·E és constant, com el pes: la partícula descriu una paràbola en el pla x = 50.</translation>
    </message>
    <message>
        <source>Predice: a = q·E/m; la altura máxima llega en t = vz/a y el vuelo dura 2·vz/a.</source>
        <translation>Predicció: a = q·E/m; l&apos;altura màxima s&apos;assolix en t = vz/a i el vol dura 2·vz/a.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (aceleración) y en «Gráficas»: vy es constante y vz baja en línea recta.</source>
        <translation>Comproveu-ho en «Magnituds» (acceleració) i en «Gràfiques»: vy és constant i vz baixa en línia recta.</translation>
    </message>
    <message>
        <source>Pregunta: ¿cómo cambiaría la parábola con una carga de 2 C? ¿Y con una de -1 C?</source>
        <translation>Pregunta: com canviaria la paràbola amb una càrrega de 2 C? I amb una de -1 C?</translation>
    </message>
    <message>
        <source>Campos eléctrico y magnético paralelos</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Camps elèctric i magnètic paral·lels</translation>
    </message>
    <message>
        <source>E y B a lo largo del eje x: B hace girar la velocidad perpendicular y E acelera la partícula a lo largo del eje, así que la hélice se estira vuelta a vuelta.</source>
        <translation>E i B al llarg de l&apos;eix x: B fa girar la velocitat perpendicular i E accelera la partícula al llarg de l&apos;eix, així que l&apos;hèlix s&apos;estira volta a volta.</translation>
    </message>
    <message>
        <source>Predice: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la vuelta k avanza (2k - 1)·a∥·T²/2.</source>
        <translation>Predicció: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la volta k avança (2k - 1)·a∥·T²/2.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: x crece como una parábola y vx en línea recta; el radio no cambia.</source>
        <translation>Comproveu-ho en «Gràfiques»: x creix com una paràbola i vx en línia recta; el radi no canvia.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué no cambia el radio de las vueltas aunque la partícula va cada vez más deprisa?</source>
        <translation>Pregunta: per què no canvia el radi de les voltes encara que la partícula va cada vegada més de pressa?</translation>
    </message>
    <message>
        <source>Deriva E×B desde el reposo (cicloide)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Deriva E×B des del repòs (cicloide)</translation>
    </message>
    <message>
        <source>La partícula parte del reposo con E perpendicular a B: el campo eléctrico la acelera, el magnético la curva, y el centro de su giro deriva a velocidad constante: describe una cicloide.</source>
        <translation>La partícula comença en repòs amb E perpendicular a B: el camp elèctric l&apos;accelera, el magnètic la corba, i el centre del seu gir deriva a velocitat constant: descriu una cicloide.</translation>
    </message>
    <message>
        <source>Predice: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T y sube 2·vd/ω.</source>
        <translation>Predicció: vd = E×B/B², |vd| = E/B; cada arc dura T = 2π/ω, mesura vd·T i puja 2·vd/ω.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (deriva) y en «Gráficas»: la rapidez vuelve a 0 al final de cada arco.</source>
        <translation>Comproveu-ho en «Magnituds» (deriva) i en «Gràfiques»: la rapidesa torna a 0 al final de cada arc.</translation>
    </message>
    <message>
        <source>Pregunta: ¿hacia dónde deriva si la carga es negativa?</source>
        <translation>Pregunta: cap a on deriva si la càrrega és negativa?</translation>
    </message>
    <message>
        <source>Selector de velocidades</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Selector de velocitats</translation>
    </message>
    <message>
        <source>E y B perpendiculares, y la partícula entra con v = E/B: las fuerzas eléctrica y magnética se anulan y sigue en línea recta.</source>
        <translation>E i B perpendiculars, i la partícula entra amb v = E/B: les forces elèctrica i magnètica s&apos;anul·len i seguix en línia recta.</translation>
    </message>
    <message>
        <source>Predice: q·E + q·v×B = 0 cuando v = E/B.</source>
        <translation>Predicció: q·E + q·v×B = 0 quan v = E/B.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (fuerza nula) y en «Gráficas»: z no cambia.</source>
        <translation>Comproveu-ho en «Magnituds» (força nul·la) i en «Gràfiques»: z no canvia.</translation>
    </message>
    <message>
        <source>Pregunta: cambia Vy a 12 en el panel: ¿hacia dónde se desvía? ¿Y con Vy = 8?</source>
        <translation>Pregunta: canvieu Vy a 12 en el panell: cap a on es desvia? I amb Vy = 8?</translation>
    </message>
    <message>
        <source>Desviación entre placas (campo confinado)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Desviació entre plaques (camp confinat)</translation>
    </message>
    <message>
        <source>El campo eléctrico solo actúa entre las placas amarillas (y de 40 a 60 m): dentro, la partícula se desvía en parábola; fuera, sigue en línea recta.</source>
        <translation>El camp elèctric només actua entre les plaques grogues (y de 40 a 60 m): dins, la partícula es desvia en paràbola; fora, seguix en línia recta.</translation>
    </message>
    <message>
        <source>Predice: dentro pasa t = 20 m / 10 m/s = 2 s, se desvía Δz = q·E·t²/(2·m) y sale con vz = q·E·t/m.</source>
        <translation>Predicció: dins passa t = 20 m / 10 m/s = 2 s, es desvia Δz = q·E·t²/(2·m) i ix amb vz = q·E·t/m.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: vz crece entre t = 3 s y t = 5 s y después se queda constante.</source>
        <translation>Comproveu-ho en «Gràfiques»: vz creix entre t = 3 s i t = 5 s i després es manté constant.</translation>
    </message>
    <message>
        <source>Pregunta: ¿con qué ángulo sale? ¿Cómo cambiaría si entrara el doble de rápida?</source>
        <translation>Pregunta: amb quin angle ix? Com canviaria si entrara el doble de ràpida?</translation>
    </message>
    <message>
        <source>Montaje: %1</source>
        <extracomment>the guide&apos;s set-up line; %1 is the set-up in symbols and numbers (&quot;r₀ = (50, 20, 50) m · …&quot;)</extracomment>
        <translation>Muntatge: %1</translation>
    </message>
</context>
<context>
    <name>voltrix::CommandLine</name>
    <message>
        <source>Uso: %1 [opciones]</source>
        <translation>Ús: %1 [opcions]</translation>
    </message>
    <message>
        <source>Dinámica de una partícula cargada en campos eléctrico y magnético.</source>
        <translation>Dinàmica d&apos;una partícula carregada en camps elèctric i magnètic.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Opcions:</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra esta ajuda i ix.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Mostra la versió i ix.</translation>
    </message>
    <message>
        <source>Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector).</source>
        <translation>Amplia les finestres F vegades, de 0.5 a 4 (2 per a un projector).</translation>
    </message>
    <message>
        <source>Idioma: %1 (si no, el elegido en el menú, o español).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Llengua: %1 (si no, la triada al menú, o espanyol).</translation>
    </message>
    <message>
        <source>valor no admitido para --scale: %1 (de 0.5 a 4)</source>
        <translation>valor no admés per a --scale: %1 (de 0.5 a 4)</translation>
    </message>
    <message>
        <source>También admite las opciones de Qt, como -platform o -style.</source>
        <translation>També admet les opcions de Qt, com ara -platform o -style.</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>opció desconeguda: %1</translation>
    </message>
    <message>
        <source>argumento no admitido: %1</source>
        <translation>argument no admés: %1</translation>
    </message>
    <message>
        <source>Pruebe «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Proveu «%1 --help».</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentDialogs</name>
    <message>
        <source>Todos los Ficheros (*.*)</source>
        <extracomment>file type in the open and save dialogs; keep &quot;(*.*)&quot;</extracomment>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <extracomment>the button that closes a message box</extracomment>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Dinamica de una particula cargada</source>
        <extracomment>title of the file dialogs and message boxes</extracomment>
        <translation>Dinàmica d&apos;una partícula carregada</translation>
    </message>
    <message>
        <source>Archivos de Experiencias  (*.exp)</source>
        <extracomment>file type in the open dialog; keep &quot;(*.exp)&quot;; the two blanks before it show as written</extracomment>
        <translation>Fitxers d&apos;experiments  (*.exp)</translation>
    </message>
    <message>
        <source>Ficheros de Experiencias (*.exp)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.exp)&quot;</extracomment>
        <translation>Fitxers d&apos;experiments (*.exp)</translation>
    </message>
    <message>
        <source>fichero.exp</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.exp&quot;</extracomment>
        <translation>fitxer.exp</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>Dades CSV (*.csv)</translation>
    </message>
    <message>
        <source>datos.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>dades.csv</translation>
    </message>
    <message>
        <source>No hay datos que exportar.
Con la animación en marcha se registra cada paso desde el último &quot;Inicia&quot;, &quot;Cargar&quot; o &quot;Recuperar&quot;.</source>
        <extracomment>«Inicia», «Cargar» and «Recuperar» are the captions of a button and of menu items</extracomment>
        <translation>No hi ha dades per a exportar.
Amb l&apos;animació en marxa es registra cada pas des de l&apos;últim «Inicia», «Carrega» o «Recupera».</translation>
    </message>
    <message>
        <source>No se ha podido grabar el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Impossible guardar el fitxer «%1».
%2</translation>
    </message>
    <message>
        <source>No se ha podido leer el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Impossible llegir el fitxer «%1».
%2</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentFile</name>
    <message>
        <source>permiso denegado</source>
        <translation>permís denegat</translation>
    </message>
    <message>
        <source>el archivo o la carpeta no existe</source>
        <translation>el fitxer o la carpeta no existix</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>un element del camí no és una carpeta</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>és una carpeta, no un fitxer</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no queda espai al disc</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>el disc és només de lectura</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>el nom és massa llarg</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>error de lectura o escriptura al disc</translation>
    </message>
    <message>
        <source>el fichero supera el tamaño permitido</source>
        <translation>el fitxer supera la mida permesa</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written or read; %1 is the system&apos;s error number</extracomment>
        <translation>error del sistema número %1</translation>
    </message>
    <message>
        <source>el fichero no contiene ningún experimento</source>
        <translation>el fitxer no conté cap experiment</translation>
    </message>
    <message>
        <source>no se ha indicado ningún nombre de archivo</source>
        <translation>no s&apos;ha indicat cap nom de fitxer</translation>
    </message>
    <message>
        <source>; el fichero conserva su contenido anterior</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; el fitxer conserva el contingut anterior</translation>
    </message>
    <message>
        <source>; el fichero ha quedado incompleto</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; el fitxer ha quedat incomplet</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentReport</name>
    <message>
        <source>Confinado</source>
        <extracomment>the electric field&apos;s region in the report: only between the plates</extracomment>
        <translation>Confinat</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>the electric field&apos;s region in the report: the whole box</extracomment>
        <translation>En tot l&apos;espai</translation>
    </message>
    <message>
        <source>Posición inicial r₀</source>
        <translation>Posició inicial r₀</translation>
    </message>
    <message>
        <source>Velocidad inicial v₀</source>
        <translation>Velocitat inicial v₀</translation>
    </message>
    <message>
        <source>Posición r</source>
        <translation>Posició r</translation>
    </message>
    <message>
        <source>Velocidad v</source>
        <translation>Velocitat v</translation>
    </message>
    <message>
        <source>Campo eléctrico E</source>
        <translation>Camp elèctric E</translation>
    </message>
    <message>
        <source>Campo magnético B</source>
        <translation>Camp magnètic B</translation>
    </message>
    <message>
        <source>Carga q</source>
        <translation>Càrrega q</translation>
    </message>
    <message>
        <source>Masa m</source>
        <translation>Massa m</translation>
    </message>
    <message>
        <source>Paso de tiempo Δt</source>
        <translation>Pas de temps Δt</translation>
    </message>
    <message>
        <source>Tiempo t</source>
        <translation>Temps t</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unitat de longitud</translation>
    </message>
    <message>
        <source>Región del campo eléctrico</source>
        <translation>Regió del camp elèctric</translation>
    </message>
</context>
<context>
    <name>voltrix::HandlerFailure</name>
    <message>
        <source>Error desconocido.</source>
        <extracomment>the message box of a failure that carries no text of its own</extracomment>
        <translation>Error desconegut.</translation>
    </message>
</context>
<context>
    <name>voltrix::RunGraph</name>
    <message>
        <source>Ec</source>
        <extracomment>graph legend: kinetic energy (energía cinética)</extracomment>
        <translation>Ec</translation>
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
        <translation>Càrrega en camps elèctric i magnètic</translation>
    </message>
    <message>
        <source>Vista 3D de la partícula</source>
        <translation>Vista 3D de la partícula</translation>
    </message>
    <message>
        <source>Cubo</source>
        <extracomment>check box: show the cube around the box; the box is 50 px wide</extracomment>
        <translation>Cub</translation>
    </message>
    <message>
        <source>Ejes</source>
        <extracomment>check box: show the axes; the box is 46 px wide</extracomment>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Giro</source>
        <extracomment>noun: the label between the rotation arrows (a click resets the rotation); 32 px wide</extracomment>
        <translation>Gir</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>noun: the label between the zoom buttons (a click resets the zoom); 40 px wide</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Girar la vista a la izquierda</source>
        <translation>Gira la vista cap a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Girar la vista a la derecha</source>
        <translation>Gira la vista cap a la dreta</translation>
    </message>
    <message>
        <source>Girar la vista hacia arriba</source>
        <translation>Gira la vista cap amunt</translation>
    </message>
    <message>
        <source>Girar la vista hacia abajo</source>
        <translation>Gira la vista cap avall</translation>
    </message>
    <message>
        <source>Acercar la vista</source>
        <translation>Apropa la vista</translation>
    </message>
    <message>
        <source>Alejar la vista</source>
        <translation>Allunya la vista</translation>
    </message>
    <message>
        <source>Animación</source>
        <extracomment>button caption: starts the animation (noun); the button is 72 px wide
----------
menu: the animation (noun)</extracomment>
        <translation>Animació</translation>
    </message>
    <message>
        <source>Parpadeo</source>
        <extracomment>check box: the «STOP» caption blinks while the animation runs; the box is 72 px wide</extracomment>
        <translation>Parpelleig</translation>
    </message>
    <message>
        <source>Traza</source>
        <extracomment>check box: show the particle&apos;s trace (noun); the box is 52 px wide</extracomment>
        <translation>Traça</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>check box: show the time; the box is 60 px wide</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Tiempo, segundos</source>
        <extracomment>the time box, for a screen reader: the quantity and its unit</extracomment>
        <translation>Temps, segons</translation>
    </message>
    <message>
        <source>Ficheros</source>
        <extracomment>menu: files</extracomment>
        <translation>Fitxers</translation>
    </message>
    <message>
        <source>Cargar</source>
        <extracomment>menu item: load an experiment from a file (verb)</extracomment>
        <translation>Carrega</translation>
    </message>
    <message>
        <source>Grabar</source>
        <extracomment>menu item: save the experiment to a file (verb)</extracomment>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>Exportar datos (CSV)…</source>
        <translation>Exporta les dades (CSV)…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <extracomment>menu item: print the experiment&apos;s report (verb)</extracomment>
        <translation>Imprimix…</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)…</source>
        <translation>Guarda l&apos;informe (PDF)…</translation>
    </message>
    <message>
        <source>Fin</source>
        <extracomment>menu item: quit the program</extracomment>
        <translation>Ix</translation>
    </message>
    <message>
        <source>Paneles</source>
        <extracomment>menu: the program&apos;s windows (panels)</extracomment>
        <translation>Panells</translation>
    </message>
    <message>
        <source>Posic. Veloc. Campos Carga</source>
        <extracomment>menu item: the control panel; abbreviations of Posición, Velocidad, Campos, Carga</extracomment>
        <translation>Posic. Veloc. Camps Càrrega</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>submenu: where the electric field acts</extracomment>
        <translation>Regió del camp elèctric</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>menu item: the electric field acts in all the box</extracomment>
        <translation>En tot l&apos;espai</translation>
    </message>
    <message>
        <source>Confinado</source>
        <extracomment>menu item: the electric field acts only between the plates</extracomment>
        <translation>Confinat</translation>
    </message>
    <message>
        <source>Muestra Vectores</source>
        <extracomment>menu item: the window that shows the vectors (&quot;Muestra&quot; is a verb)</extracomment>
        <translation>Mostra els vectors</translation>
    </message>
    <message>
        <source>Factor de Escala</source>
        <extracomment>menu item: the window of the vectors&apos; scale factors</extracomment>
        <translation>Factor d&apos;escala</translation>
    </message>
    <message>
        <source>Información</source>
        <extracomment>menu item: the about window</extracomment>
        <translation>Informació</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>menu item: the help window (noun)</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>menu item: the window of physical quantities (noun, plural)
----------
report heading: the physical quantities (as the «Magnitudes» window)</extracomment>
        <translation>Magnituds</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>menu item: the graphs window (noun, plural)</extracomment>
        <translation>Gràfiques</translation>
    </message>
    <message>
        <source>Idioma</source>
        <extracomment>menu item: a submenu listing the languages of the program</extracomment>
        <translation>Llengua</translation>
    </message>
    <message>
        <source>El idioma elegido se aplicará la próxima vez que abra Voltrix.</source>
        <extracomment>said after choosing another language in the Paneles menu</extracomment>
        <translation>La llengua triada s&apos;aplicarà la pròxima vegada que obriu Voltrix.</translation>
    </message>
    <message>
        <source>Iniciar / Detener</source>
        <extracomment>menu item: start or stop the animation (verbs)</extracomment>
        <translation>Inicia / Para</translation>
    </message>
    <message>
        <source>Un paso</source>
        <extracomment>menu item: advance the simulation one step</extracomment>
        <translation>Un pas</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>submenu: the animation&apos;s speed (steps per second)</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>menu item: normal animation speed (64 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rápida</source>
        <extracomment>menu item: fast animation speed (256 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Ràpida</translation>
    </message>
    <message>
        <source>Máxima</source>
        <extracomment>menu item: top animation speed (1000 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Màxima</translation>
    </message>
    <message>
        <source>Experiencias</source>
        <extracomment>menu: the classic experiments (set-ups) ready for the class</extracomment>
        <translation>Experiments</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>button caption while the animation runs: stops it; the button is 72 px wide</extracomment>
        <translation>STOP</translation>
    </message>
    <message>
        <source>Partícula cargada en campos eléctrico y magnético</source>
        <extracomment>the report&apos;s title when no classic experiment is set up</extracomment>
        <translation>Partícula carregada en camps elèctric i magnètic</translation>
    </message>
    <message>
        <source>Montaje</source>
        <extracomment>report heading: the set-up of the experiment (noun)</extracomment>
        <translation>Muntatge</translation>
    </message>
    <message>
        <source>Vista</source>
        <extracomment>report figure caption: the 3D view (noun)</extracomment>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <extracomment>the print dialog&apos;s title (verb)</extracomment>
        <translation>Imprimix</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Guarda l&apos;informe (PDF)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.pdf)&quot;</extracomment>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>informe.pdf</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.pdf&quot;</extracomment>
        <translation>informe.pdf</translation>
    </message>
    <message>
        <source>Partícula en x = %1, y = %2, z = %3 %4; t = %5 s</source>
        <extracomment>what a screen reader says the 3D view shows; %1, %2, %3 are the particle&apos;s x, y, z, %4 the length unit (m or cm) and %5 the time in seconds</extracomment>
        <translation>Partícula en x = %1, y = %2, z = %3 %4; t = %5 s</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm2</name>
    <message>
        <source>Velocidad cm/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Velocitat cm/s</translation>
    </message>
    <message>
        <source>Velocidad m/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Velocitat m/s</translation>
    </message>
    <message>
        <source>Panel de Control</source>
        <extracomment>the control panel&apos;s window title</extracomment>
        <translation>Panell de control</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>group title: where the electric field acts; the group is 153 px wide</extracomment>
        <translation>Regió del camp elèctric</translation>
    </message>
    <message>
        <source>Posición</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
----------
label of the position panel, left of the length unit&apos;s box (about 55 px)</extracomment>
        <translation>Posició</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida</source>
        <extracomment>for a screen reader: the unit of a position box</extracomment>
        <translation>en la unitat de longitud triada</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida por segundo</source>
        <extracomment>for a screen reader: the unit of a velocity box</extracomment>
        <translation>en la unitat de longitud triada per segon</translation>
    </message>
    <message>
        <source>Campo eléctrico</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Camp elèctric</translation>
    </message>
    <message>
        <source>en voltios por metro</source>
        <extracomment>for a screen reader: the unit of an electric field box</extracomment>
        <translation>en volts per metre</translation>
    </message>
    <message>
        <source>Campo magnético</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Camp magnètic</translation>
    </message>
    <message>
        <source>en teslas</source>
        <extracomment>for a screen reader: the unit of a magnetic field box</extracomment>
        <translation>en tesles</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>for a screen reader: a box&apos;s name; %1 is the quantity (Posición, Velocidad…), %2 the component&apos;s caption beside the box (X, Vy, Bz…)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, deslizador</source>
        <extracomment>for a screen reader: a slider&apos;s name; %1 is the name of its box (&quot;Posición X&quot;)</extracomment>
        <translation>%1, control lliscant</translation>
    </message>
    <message>
        <source>Incremento de tiempo, deslizador</source>
        <extracomment>for a screen reader: the time step&apos;s slider</extracomment>
        <translation>Pas de temps, control lliscant</translation>
    </message>
    <message>
        <source>Carga, culombios</source>
        <extracomment>for a screen reader: the charge box, the quantity and its unit</extracomment>
        <translation>Càrrega, coulombs</translation>
    </message>
    <message>
        <source>Disminuir la carga</source>
        <translation>Disminuïx la càrrega</translation>
    </message>
    <message>
        <source>Aumentar la carga</source>
        <translation>Augmenta la càrrega</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unitat de longitud</translation>
    </message>
    <message>
        <source>Almacenar</source>
        <extracomment>button caption: store the present values (verb); the button is 70 px wide</extracomment>
        <translation>Memoritza</translation>
    </message>
    <message>
        <source>Almacena Valores Actuales</source>
        <translation>Emmagatzema els valors actuals</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <extracomment>button caption: recall the stored values (verb); the button is 70 px wide</extracomment>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Recupera Valores Almacenados</source>
        <translation>Recupera els valors emmagatzemats</translation>
    </message>
    <message>
        <source>Inicia</source>
        <extracomment>button caption: put back the starting situation (verb); the button is 70 px wide</extracomment>
        <translation>Inicia</translation>
    </message>
    <message>
        <source>Increm.Tiempo</source>
        <extracomment>label over the time step&apos;s slider; abbreviation of &quot;Incremento de Tiempo&quot;; the label is 70 px wide</extracomment>
        <translation>Pas de temps</translation>
    </message>
    <message>
        <source>Carga C</source>
        <extracomment>group title: the charge and its unit (coulomb); the group is 85 px wide</extracomment>
        <translation>Càrrega C</translation>
    </message>
    <message>
        <source>Campo Eléctrico V/m</source>
        <extracomment>group title: the electric field and its unit; the group is 153 px wide</extracomment>
        <translation>Camp elèctric V/m</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>group title: the magnetic field (in teslas); the group is 153 px wide</extracomment>
        <translation>Camp magnètic</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm3</name>
    <message>
        <source>Carga en un campo magnético: una hélice</source>
        <extracomment>caption under the picture of the about window (about 290 px wide)</extracomment>
        <translation>Càrrega en un camp magnètic: una hèlix</translation>
    </message>
    <message>
        <source>Grupo Orvalis</source>
        <extracomment>tooltip: the group of authors called Orvalis</extracomment>
        <translation>Grup Orvalis</translation>
    </message>
    <message>
        <source>Física interactiva para estudiantes</source>
        <extracomment>the about window&apos;s subtitle, one line about 290 px wide</extracomment>
        <translation>Física interactiva per a estudiants</translation>
    </message>
    <message>
        <source>Programa:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s name follows</extracomment>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Autores:</source>
        <extracomment>about window, left column (94 px wide): the authors follow</extracomment>
        <translation>Autors:</translation>
    </message>
    <message>
        <source>el equipo Orvalis</source>
        <translation>l&apos;equip Orvalis</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <extracomment>about window, left column (94 px wide): the group&apos;s name follows</extracomment>
        <translation>Grup:</translation>
    </message>
    <message>
        <source>Tema:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s subject follows</extracomment>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Carga en campos E y B</source>
        <translation>Càrrega en camps E i B</translation>
    </message>
    <message>
        <source>Grupo</source>
        <extracomment>button caption: shows the group&apos;s picture (noun); the button is 75 px wide</extracomment>
        <translation>Grup</translation>
    </message>
    <message>
        <source>Foto del grupo</source>
        <translation>Foto del grup</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm4</name>
    <message>
        <source>Posición</source>
        <extracomment>group title: the position vector; the group is 134 px wide</extracomment>
        <translation>Posició</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>group title: the velocity vector; the group is 134 px wide</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Aceleración m/s*s</source>
        <extracomment>group title: the acceleration vector and its unit (m/s²); the group is 134 px wide</extracomment>
        <translation>Acceleració m/s*s</translation>
    </message>
    <message>
        <source>Eléctrico</source>
        <extracomment>group title: the electric field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Elèctric</translation>
    </message>
    <message>
        <source>Magnético</source>
        <extracomment>group title: the magnetic field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Magnètic</translation>
    </message>
    <message>
        <source>Muestra</source>
        <extracomment>window title: the window that shows the vectors (&quot;Muestra&quot; is a verb: shows)</extracomment>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Vector</source>
        <extracomment>check box: show the vector&apos;s arrow (noun); the box is 84 px wide</extracomment>
        <translation>Vector</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm5</name>
    <message>
        <source>Escala</source>
        <extracomment>window title: the vectors&apos; scale factors (noun)</extracomment>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>button caption: choose the velocity&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Velocitat</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <extracomment>button caption: choose the acceleration&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Acceleració</translation>
    </message>
    <message>
        <source>Campo Eléctrico</source>
        <extracomment>button caption: choose the electric field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Camp elèctric</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>button caption: choose the magnetic field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Camp magnètic</translation>
    </message>
    <message>
        <source>Reducir el factor de escala</source>
        <translation>Reduïx el factor d&apos;escala</translation>
    </message>
    <message>
        <source>Aumentar el factor de escala</source>
        <translation>Augmenta el factor d&apos;escala</translation>
    </message>
    <message>
        <source>Factor de escala del vector elegido</source>
        <translation>Factor d&apos;escala del vector triat</translation>
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
        <translation>          DESCRIPCIÓ DE LA INTERFÍCIE GRÀFICA
          ---------------------------------------------------------------

Fitxers -&gt; Desplega el menú per a carregar o guardar fitxers amb
                dades de la posició, la velocitat, el valor dels
                camps i de la càrrega.
                Ix -&gt; Tanca l&apos;aplicació.
Panells -&gt; Control de la posició, la velocitat, els camps i la càrrega.
                 Mostra els vectors, les components i el valor de
                 l&apos;acceleració.
                 Factor d&apos;escala -&gt; Factor pel qual es multiplica la
                                               magnitud seleccionada per a
                                               visualitzar-la.
Informació -&gt; Autors que formen el grup Orvalis.
Ajuda -&gt; Mostra esta informació.

Mostra/Amaga el cub.
Mostra/Amaga els eixos.
Fletxes de gir -&gt; Giren la figura.
Gir -&gt; Amb un clic damunt es recupera la vista inicial.
Fletxes de zoom -&gt; Apropen o allunyen la imatge.
Zoom -&gt; Amb un clic damunt es recupera la vista inicial.
Animació -&gt; Anima/Para la simulació.
Traça -&gt; Mostra/Amaga la traça del recorregut de la partícula.
Temps -&gt; Mostra/Amaga el valor del temps.

                     Panell de control
                     -----------------------
Memoritza -&gt; Emmagatzema els valors actuals de la posició,
                    la velocitat, els camps i la càrrega.
Recupera -&gt; Recupera els valors emmagatzemats de la posició,
                    la velocitat, els camps i la càrrega.
Càrrega C -&gt; Controla la càrrega elèctrica en coulombs.
Pas de temps -&gt; Interval de temps de cada pas del càlcul.
Posició m -&gt; Controla i mostra la posició de la partícula en
                   metres o centímetres.
Velocitat m/s -&gt; Controla i mostra la velocitat de la partícula en
                          metres per segon o centímetres per segon.
Camp elèctric -&gt; Controla el valor de les tres components del
                             camp elèctric.
Camp magnètic -&gt; Controla el valor de les tres components del
                             camp magnètic.

                     Animació
                     ---------------
Un pas -&gt; Avança la simulació un pas amb l&apos;animació parada
                 (Ctrl+Fletxa dreta).
Velocitat -&gt; Normal, Ràpida o Màxima: 64, 256 o 1000 passos per
                    segon.

                     Ratolí i dades
                     -----------------------
Arrossegar sobre la figura -&gt; Gira la figura (un grau per punt).
Roda del ratolí -&gt; Apropa o allunya la imatge.
Doble clic sobre la figura -&gt; Recupera la vista inicial.
Panells -&gt; Magnituds -&gt; Rapidesa, energia cinètica, força i
                 acceleració; amb camp magnètic, freqüència angular,
                 període, radi i pas de l&apos;hèlix; amb E perpendicular
                 a B, velocitat de deriva. En unitats del SI.
Fitxers -&gt; Exporta les dades (CSV) -&gt; Guarda cada pas de l&apos;animació
                 des de l&apos;últim Inicia, Carrega o Recupera (temps,
                 posició, velocitat i acceleració) en un fitxer CSV.

voltrix --scale 2 -&gt; Obri totes les finestres al doble de grandària,
                    per exemple per a un projector (de 0.5 a 4).

Panells -&gt; Gràfiques -&gt; Posició, velocitat, acceleració, rapidesa o
                 energia en funció del temps des de l&apos;últim Inicia,
                 Carrega o Recupera. El ratolí damunt de la gràfica
                 en llig els valors; el botó dret guarda o copia la
                 gràfica i n&apos;exporta les dades (CSV).
Experiments -&gt; Muntatges clàssics preparats per a la classe:
                 moviment circular, hèlix, paràbola, deriva E×B,
                 selector de velocitats, desviació entre plaques...
                 Cadascun para l&apos;animació, posa l&apos;estat i la vista i
                 obri la finestra Guia amb el que cal predir i una
                 pregunta.
Fitxers -&gt; Imprimix / Guarda l&apos;informe (PDF) -&gt; Una pàgina A4 amb
                 el muntatge, les magnituds, la vista i, si està oberta,
                 la gràfica; en un experiment clàssic, també la guia.
Teclat sobre la figura (s&apos;hi arriba amb Tab) -&gt; Les fletxes la giren,
                 + i - l&apos;apropen o l&apos;allunyen, Inici recupera la
                 vista inicial. Els lectors de pantalla lligen
                 el nom de cada control i la posició i el temps.
Panells -&gt; Llengua -&gt; Español, català, valencià, galego, euskara o
                 English; s&apos;aplica en tornar a obrir Voltrix.
                 voltrix --lang gl la tria només per a eixa vegada.</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>the help window&apos;s title (noun)</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Desplazamiento vertical de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s vertical scroll bar</extracomment>
        <translation>Desplaçament vertical de l&apos;ajuda</translation>
    </message>
    <message>
        <source>Desplazamiento horizontal de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s horizontal scroll bar</extracomment>
        <translation>Desplaçament horitzontal de l&apos;ajuda</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGraficas</name>
    <message>
        <source>Posición (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m or cm)</extracomment>
        <translation>Posició (%1)</translation>
    </message>
    <message>
        <source>Velocidad (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s or cm/s)</extracomment>
        <translation>Velocitat (%1)</translation>
    </message>
    <message>
        <source>Aceleración (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s² or cm/s²)</extracomment>
        <translation>Acceleració (%1)</translation>
    </message>
    <message>
        <source>Energía (J)</source>
        <extracomment>the graph&apos;s axis title: energy in joules</extracomment>
        <translation>Energia (J)</translation>
    </message>
    <message>
        <source>%1 (campo confinado: no es conservativo, sin energía potencial)</source>
        <extracomment>the graph&apos;s legend when only the kinetic energy is plotted; %1 is its symbol (Ec)</extracomment>
        <translation>%1 (camp confinat: no és conservatiu, sense energia potencial)</translation>
    </message>
    <message>
        <source>Sin datos: la gráfica muestra cada paso de la animación desde el último Inicia, Cargar o Recuperar.</source>
        <extracomment>over an empty graph; Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>Sense dades: la gràfica mostra cada pas de l&apos;animació des de l&apos;últim Inicia, Carrega o Recupera.</translation>
    </message>
    <message>
        <source>Posición (x, y, z)</source>
        <extracomment>the quantity plotted against time; the curves&apos; symbols in brackets</extracomment>
        <translation>Posició (x, y, z)</translation>
    </message>
    <message>
        <source>Velocidad (vx, vy, vz)</source>
        <translation>Velocitat (vx, vy, vz)</translation>
    </message>
    <message>
        <source>Aceleración (ax, ay, az)</source>
        <translation>Acceleració (ax, ay, az)</translation>
    </message>
    <message>
        <source>Rapidez y aceleración (|v|, |a|)</source>
        <extracomment>speed (the size of the velocity) and the size of the acceleration</extracomment>
        <translation>Rapidesa i acceleració (|v|, |a|)</translation>
    </message>
    <message>
        <source>Energía (cinética, potencial, total)</source>
        <translation>Energia (cinètica, potencial, total)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.png)&quot;</extracomment>
        <translation>Imatge PNG (*.png)</translation>
    </message>
    <message>
        <source>Imagen vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.svg)&quot;</extracomment>
        <translation>Imatge vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>Dades CSV (*.csv)</translation>
    </message>
    <message>
        <source>Pasa el ratón sobre la gráfica para leer sus valores.</source>
        <extracomment>the reading under the graph while the pointer is not over it</extracomment>
        <translation>Passeu el ratolí per damunt de la gràfica per a llegir-ne els valors.</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>window title: the graphs (noun, plural)</extracomment>
        <translation>Gràfiques</translation>
    </message>
    <message>
        <source>Magnitud:</source>
        <extracomment>label of the list of quantities to plot (noun)</extracomment>
        <translation>Magnitud:</translation>
    </message>
    <message>
        <source>Gráfica frente al tiempo</source>
        <translation>Gràfica en funció del temps</translation>
    </message>
    <message>
        <source>Guardar gráfica…</source>
        <extracomment>context menu of the graph: save it as a picture (verb)</extracomment>
        <translation>Guarda la gràfica…</translation>
    </message>
    <message>
        <source>Copiar gráfica</source>
        <extracomment>context menu of the graph: copy it to the clipboard (verb)</extracomment>
        <translation>Copia la gràfica</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)…</source>
        <extracomment>context menu of the graph: save its numbers as CSV (verb)</extracomment>
        <translation>Exporta les dades de la gràfica (CSV)…</translation>
    </message>
    <message>
        <source>%1 frente al tiempo desde el último Inicia, Cargar o Recuperar; la lectura bajo el ratón da t y el valor de cada curva</source>
        <extracomment>for a screen reader: what the graph shows; %1 is the chosen quantity (&quot;Posición (x, y, z)&quot;); Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>%1 en funció del temps des de l&apos;últim Inicia, Carrega o Recupera; la lectura davall del ratolí dona t i el valor de cada corba</translation>
    </message>
    <message>
        <source>Guardar gráfica</source>
        <extracomment>the save dialog&apos;s title (verb)</extracomment>
        <translation>Guarda la gràfica</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.png&quot;</extracomment>
        <translation>grafica.png</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Exporta les dades de la gràfica (CSV)</translation>
    </message>
    <message>
        <source>grafica.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>grafica.csv</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGuia</name>
    <message>
        <source>Guía</source>
        <extracomment>window title: the guide of a classic experiment (noun)</extracomment>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Título de la experiencia</source>
        <translation>Títol de l&apos;experiment</translation>
    </message>
    <message>
        <source>Guía de la experiencia</source>
        <translation>Guia de l&apos;experiment</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormMagnitudes</name>
    <message>
        <source>Rapidez |v| (m/s)</source>
        <extracomment>a quantity&apos;s caption: its name, its symbol or formula and its unit in brackets</extracomment>
        <translation>Rapidesa |v| (m/s)</translation>
    </message>
    <message>
        <source>Energía cinética ½·m·v² (J)</source>
        <translation>Energia cinètica ½·m·v² (J)</translation>
    </message>
    <message>
        <source>Fuerza |F| (N)</source>
        <translation>Força |F| (N)</translation>
    </message>
    <message>
        <source>Aceleración |a| (m/s²)</source>
        <translation>Acceleració |a| (m/s²)</translation>
    </message>
    <message>
        <source>Frecuencia angular ω = |q|·|B|/m (rad/s)</source>
        <translation>Freqüència angular ω = |q|·|B|/m (rad/s)</translation>
    </message>
    <message>
        <source>Periodo 2π/ω (s)</source>
        <translation>Període 2π/ω (s)</translation>
    </message>
    <message>
        <source>Radio m·v⊥/(|q|·|B|) (m)</source>
        <translation>Radi m·v⊥/(|q|·|B|) (m)</translation>
    </message>
    <message>
        <source>Paso de la hélice |v∥|·2π/ω (m)</source>
        <extracomment>the pitch of the helix</extracomment>
        <translation>Pas de l&apos;hèlix |v∥|·2π/ω (m)</translation>
    </message>
    <message>
        <source>Deriva vx (m/s)</source>
        <extracomment>a component of the drift velocity of the orbit&apos;s centre</extracomment>
        <translation>Deriva vx (m/s)</translation>
    </message>
    <message>
        <source>Deriva vy (m/s)</source>
        <translation>Deriva vy (m/s)</translation>
    </message>
    <message>
        <source>Deriva vz (m/s)</source>
        <translation>Deriva vz (m/s)</translation>
    </message>
    <message>
        <source>Deriva |v| (m/s)</source>
        <extracomment>the speed of the drift of the orbit&apos;s centre</extracomment>
        <translation>Deriva |v| (m/s)</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>window title: the physical quantities (noun, plural)</extracomment>
        <translation>Magnituds</translation>
    </message>
    <message>
        <source>Partícula</source>
        <extracomment>group title: the quantities of the particle (noun)</extracomment>
        <translation>Partícula</translation>
    </message>
    <message>
        <source>Giro en el campo magnético</source>
        <extracomment>group title: the circular motion (turning) the magnetic field causes</extracomment>
        <translation>Gir en el camp magnètic</translation>
    </message>
    <message>
        <source>Deriva E×B/|B|² (E perpendicular a B)</source>
        <extracomment>group title: the drift of the orbit&apos;s centre, with its formula</extracomment>
        <translation>Deriva E×B/|B|² (E perpendicular a B)</translation>
    </message>
</context>
</TS>
