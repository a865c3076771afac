<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>voltrix::ClassicExperiments</name>
    <message>
        <source>Movimiento circular en un campo magnético (q &gt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Circular Motion in a Magnetic Field (q &gt; 0)</translation>
    </message>
    <message>
        <source>La velocidad es perpendicular a B: la fuerza q·v×B, siempre perpendicular a la velocidad, la hace girar sin cambiar su rapidez, en una circunferencia del plano x = 50.</source>
        <translation>The velocity is perpendicular to B: the force q·v×B, always perpendicular to the velocity, turns it without changing its speed, on a circle in the plane x = 50.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</source>
        <translation>Predict: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (frecuencia angular, periodo, radio) y en «Gráficas»: y, z oscilan con periodo T y la energía cinética no cambia.</source>
        <translation>Check it in ‘Quantities’ (angular frequency, period, radius) and in ‘Graphs’: y and z oscillate with period T and the kinetic energy does not change.</translation>
    </message>
    <message>
        <source>Pregunta: si duplicas la velocidad, ¿qué les pasa al radio y al periodo?</source>
        <translation>Question: if you double the velocity, what happens to the radius and the period?</translation>
    </message>
    <message>
        <source>Movimiento circular con carga negativa (q &lt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Circular Motion with a Negative Charge (q &lt; 0)</translation>
    </message>
    <message>
        <source>La misma velocidad y el mismo campo con la carga cambiada de signo: la fuerza q·v×B apunta al otro lado y la partícula gira en sentido contrario.</source>
        <translation>The same velocity and the same field with the sign of the charge reversed: the force q·v×B points the other way and the particle turns in the opposite direction.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C.</source>
        <translation>Predict: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), with |q| = 1 C.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» y compara el sentido de giro con el de q &gt; 0.</source>
        <translation>Check it in ‘Quantities’ and compare the direction of rotation with that for q &gt; 0.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué cambia el sentido de giro y no cambian ni el radio ni el periodo?</source>
        <translation>Question: why does the direction of rotation change while neither the radius nor the period changes?</translation>
    </message>
    <message>
        <source>Hélice</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Helix</translation>
    </message>
    <message>
        <source>La velocidad tiene una parte a lo largo de B (10 m/s), que el campo no cambia, y otra perpendicular (60 m/s), que gira: la partícula avanza en hélice a lo largo del eje x.</source>
        <translation>The velocity has a component along B (10 m/s), which the field does not change, and a perpendicular component (60 m/s), which rotates: the particle moves forward in a helix along the x-axis.</translation>
    </message>
    <message>
        <source>Predice: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T.</source>
        <translation>Predict: R = m·v⊥/(|q|·B), T = 2π/ω, pitch p = v∥·T.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (radio, periodo, paso) y en «Gráficas»: x crece a ritmo constante.</source>
        <translation>Check it in ‘Quantities’ (radius, period, pitch) and in ‘Graphs’: x increases at a constant rate.</translation>
    </message>
    <message>
        <source>Pregunta: ¿qué componente de la velocidad decide el paso y cuál el radio?</source>
        <translation>Question: which component of the velocity determines the pitch, and which the radius?</translation>
    </message>
    <message>
        <source>Parábola en un campo eléctrico</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Parabola in an Electric Field</translation>
    </message>
    <message>
        <source>Sin campo magnético, la fuerza q·E es constante, como el peso: la partícula describe una parábola en el plano x = 50.</source>
        <translation>With no magnetic field, the force q·E is constant, like weight: the particle follows a parabola in the plane x = 50.</translation>
    </message>
    <message>
        <source>Predice: a = q·E/m; la altura máxima llega en t = vz/a y el vuelo dura 2·vz/a.</source>
        <translation>Predict: a = q·E/m; the maximum height is reached at t = vz/a and the flight lasts 2·vz/a.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (aceleración) y en «Gráficas»: vy es constante y vz baja en línea recta.</source>
        <translation>Check it in ‘Quantities’ (acceleration) and in ‘Graphs’: vy is constant and vz decreases in a straight line.</translation>
    </message>
    <message>
        <source>Pregunta: ¿cómo cambiaría la parábola con una carga de 2 C? ¿Y con una de -1 C?</source>
        <translation>Question: how would the parabola change with a charge of 2 C? And with one of -1 C?</translation>
    </message>
    <message>
        <source>Campos eléctrico y magnético paralelos</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Parallel Electric and Magnetic Fields</translation>
    </message>
    <message>
        <source>E y B a lo largo del eje x: B hace girar la velocidad perpendicular y E acelera la partícula a lo largo del eje, así que la hélice se estira vuelta a vuelta.</source>
        <translation>E and B along the x-axis: B turns the perpendicular velocity and E accelerates the particle along the axis, so the helix stretches out turn by turn.</translation>
    </message>
    <message>
        <source>Predice: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la vuelta k avanza (2k - 1)·a∥·T²/2.</source>
        <translation>Predict: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; turn k advances (2k - 1)·a∥·T²/2.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: x crece como una parábola y vx en línea recta; el radio no cambia.</source>
        <translation>Check it in ‘Graphs’: x increases like a parabola and vx in a straight line; the radius does not change.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué no cambia el radio de las vueltas aunque la partícula va cada vez más deprisa?</source>
        <translation>Question: why does the radius of the turns not change even though the particle goes faster and faster?</translation>
    </message>
    <message>
        <source>Deriva E×B desde el reposo (cicloide)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>E×B Drift from Rest (Cycloid)</translation>
    </message>
    <message>
        <source>La partícula parte del reposo con E perpendicular a B: el campo eléctrico la acelera, el magnético la curva, y el centro de su giro deriva a velocidad constante: describe una cicloide.</source>
        <translation>The particle starts from rest with E perpendicular to B: the electric field accelerates it, the magnetic field bends its path, and the centre of its rotation drifts at constant velocity: it traces a cycloid.</translation>
    </message>
    <message>
        <source>Predice: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T y sube 2·vd/ω.</source>
        <translation>Predict: vd = E×B/B², |vd| = E/B; each arch lasts T = 2π/ω, is vd·T long and 2·vd/ω high.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (deriva) y en «Gráficas»: la rapidez vuelve a 0 al final de cada arco.</source>
        <translation>Check it in ‘Quantities’ (drift) and in ‘Graphs’: the speed returns to 0 at the end of each arch.</translation>
    </message>
    <message>
        <source>Pregunta: ¿hacia dónde deriva si la carga es negativa?</source>
        <translation>Question: which way does it drift if the charge is negative?</translation>
    </message>
    <message>
        <source>Selector de velocidades</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Velocity Selector</translation>
    </message>
    <message>
        <source>E y B perpendiculares, y la partícula entra con v = E/B: las fuerzas eléctrica y magnética se anulan y sigue en línea recta.</source>
        <translation>E and B perpendicular, and the particle enters with v = E/B: the electric and magnetic forces cancel out and it carries on in a straight line.</translation>
    </message>
    <message>
        <source>Predice: q·E + q·v×B = 0 cuando v = E/B.</source>
        <translation>Predict: q·E + q·v×B = 0 when v = E/B.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (fuerza nula) y en «Gráficas»: z no cambia.</source>
        <translation>Check it in ‘Quantities’ (zero force) and in ‘Graphs’: z does not change.</translation>
    </message>
    <message>
        <source>Pregunta: cambia Vy a 12 en el panel: ¿hacia dónde se desvía? ¿Y con Vy = 8?</source>
        <translation>Question: change Vy to 12 in the panel: which way is it deflected? And with Vy = 8?</translation>
    </message>
    <message>
        <source>Desviación entre placas (campo confinado)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Deflection Between Plates (Confined Field)</translation>
    </message>
    <message>
        <source>El campo eléctrico solo actúa entre las placas amarillas (y de 40 a 60 m): dentro, la partícula se desvía en parábola; fuera, sigue en línea recta.</source>
        <translation>The electric field acts only between the yellow plates (y from 40 to 60 m): inside, the particle is deflected along a parabola; outside, it moves in a straight line.</translation>
    </message>
    <message>
        <source>Predice: dentro pasa t = 20 m / 10 m/s = 2 s, se desvía Δz = q·E·t²/(2·m) y sale con vz = q·E·t/m.</source>
        <translation>Predict: it spends t = 20 m / 10 m/s = 2 s inside, is deflected by Δz = q·E·t²/(2·m) and leaves with vz = q·E·t/m.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: vz crece entre t = 3 s y t = 5 s y después se queda constante.</source>
        <translation>Check it in ‘Graphs’: vz increases between t = 3 s and t = 5 s and then stays constant.</translation>
    </message>
    <message>
        <source>Pregunta: ¿con qué ángulo sale? ¿Cómo cambiaría si entrara el doble de rápida?</source>
        <translation>Question: at what angle does it leave? How would that change if it entered twice as fast?</translation>
    </message>
    <message>
        <source>Montaje: %1</source>
        <extracomment>the guide&apos;s set-up line; %1 is the set-up in symbols and numbers (&quot;r₀ = (50, 20, 50) m · …&quot;)</extracomment>
        <translation>Set-up: %1</translation>
    </message>
</context>
<context>
    <name>voltrix::CommandLine</name>
    <message>
        <source>Uso: %1 [opciones]</source>
        <translation>Usage: %1 [options]</translation>
    </message>
    <message>
        <source>Dinámica de una partícula cargada en campos eléctrico y magnético.</source>
        <translation>Dynamics of a charged particle in electric and magnetic fields.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector).</source>
        <translation>Enlarge the windows F times, from 0.5 to 4 (2 for a projector).</translation>
    </message>
    <message>
        <source>Idioma: %1 (si no, el elegido en el menú, o español).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Language: %1 (otherwise the one chosen in the menu, or Spanish).</translation>
    </message>
    <message>
        <source>valor no admitido para --scale: %1 (de 0.5 a 4)</source>
        <translation>value not accepted for --scale: %1 (from 0.5 to 4)</translation>
    </message>
    <message>
        <source>También admite las opciones de Qt, como -platform o -style.</source>
        <translation>Qt&apos;s own options, such as -platform or -style, are also accepted.</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>argumento no admitido: %1</source>
        <translation>argument not accepted: %1</translation>
    </message>
    <message>
        <source>Pruebe «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Try &apos;%1 --help&apos;.</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentDialogs</name>
    <message>
        <source>Todos los Ficheros (*.*)</source>
        <extracomment>file type in the open and save dialogs; keep &quot;(*.*)&quot;</extracomment>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <extracomment>the button that closes a message box</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dinamica de una particula cargada</source>
        <extracomment>title of the file dialogs and message boxes</extracomment>
        <translation>Dynamics of a Charged Particle</translation>
    </message>
    <message>
        <source>Archivos de Experiencias  (*.exp)</source>
        <extracomment>file type in the open dialog; keep &quot;(*.exp)&quot;; the two blanks before it show as written</extracomment>
        <translation>Experiment Files  (*.exp)</translation>
    </message>
    <message>
        <source>Ficheros de Experiencias (*.exp)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.exp)&quot;</extracomment>
        <translation>Experiment Files (*.exp)</translation>
    </message>
    <message>
        <source>fichero.exp</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.exp&quot;</extracomment>
        <translation>file.exp</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>datos.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>data.csv</translation>
    </message>
    <message>
        <source>No hay datos que exportar.
Con la animación en marcha se registra cada paso desde el último &quot;Inicia&quot;, &quot;Cargar&quot; o &quot;Recuperar&quot;.</source>
        <extracomment>«Inicia», «Cargar» and «Recuperar» are the captions of a button and of menu items</extracomment>
        <translation>No data to export.
While the animation runs, every step since the last ‘Reset’, ‘Load’ or ‘Recall’ is recorded.</translation>
    </message>
    <message>
        <source>No se ha podido grabar el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Could not save the file ‘%1’.
%2</translation>
    </message>
    <message>
        <source>No se ha podido leer el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Could not read the file ‘%1’.
%2</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentFile</name>
    <message>
        <source>permiso denegado</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>el archivo o la carpeta no existe</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>an element of the path is not a folder</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>el fichero supera el tamaño permitido</source>
        <translation>the file is larger than the size allowed</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written or read; %1 is the system&apos;s error number</extracomment>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>el fichero no contiene ningún experimento</source>
        <translation>the file does not contain any experiment</translation>
    </message>
    <message>
        <source>no se ha indicado ningún nombre de archivo</source>
        <translation>no file name was given</translation>
    </message>
    <message>
        <source>; el fichero conserva su contenido anterior</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; the file keeps its previous contents</translation>
    </message>
    <message>
        <source>; el fichero ha quedado incompleto</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; the file has been left incomplete</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentReport</name>
    <message>
        <source>Confinado</source>
        <extracomment>the electric field&apos;s region in the report: only between the plates</extracomment>
        <translation>Confined</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>the electric field&apos;s region in the report: the whole box</extracomment>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>Posición inicial r₀</source>
        <translation>Initial position r₀</translation>
    </message>
    <message>
        <source>Velocidad inicial v₀</source>
        <translation>Initial velocity v₀</translation>
    </message>
    <message>
        <source>Posición r</source>
        <translation>Position r</translation>
    </message>
    <message>
        <source>Velocidad v</source>
        <translation>Velocity v</translation>
    </message>
    <message>
        <source>Campo eléctrico E</source>
        <translation>Electric field E</translation>
    </message>
    <message>
        <source>Campo magnético B</source>
        <translation>Magnetic field B</translation>
    </message>
    <message>
        <source>Carga q</source>
        <translation>Charge q</translation>
    </message>
    <message>
        <source>Masa m</source>
        <translation>Mass m</translation>
    </message>
    <message>
        <source>Paso de tiempo Δt</source>
        <translation>Time step Δt</translation>
    </message>
    <message>
        <source>Tiempo t</source>
        <translation>Time t</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unit of length</translation>
    </message>
    <message>
        <source>Región del campo eléctrico</source>
        <translation>Electric field region</translation>
    </message>
</context>
<context>
    <name>voltrix::HandlerFailure</name>
    <message>
        <source>Error desconocido.</source>
        <extracomment>the message box of a failure that carries no text of its own</extracomment>
        <translation>Unknown error.</translation>
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
        <translation>Charge in Electric and Magnetic Fields</translation>
    </message>
    <message>
        <source>Vista 3D de la partícula</source>
        <translation>3D view of the particle</translation>
    </message>
    <message>
        <source>Cubo</source>
        <extracomment>check box: show the cube around the box; the box is 50 px wide</extracomment>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Ejes</source>
        <extracomment>check box: show the axes; the box is 46 px wide</extracomment>
        <translation>Axes</translation>
    </message>
    <message>
        <source>Giro</source>
        <extracomment>noun: the label between the rotation arrows (a click resets the rotation); 32 px wide</extracomment>
        <translation>Turn</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>noun: the label between the zoom buttons (a click resets the zoom); 40 px wide</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Girar la vista a la izquierda</source>
        <translation>Turn the view to the left</translation>
    </message>
    <message>
        <source>Girar la vista a la derecha</source>
        <translation>Turn the view to the right</translation>
    </message>
    <message>
        <source>Girar la vista hacia arriba</source>
        <translation>Turn the view upwards</translation>
    </message>
    <message>
        <source>Girar la vista hacia abajo</source>
        <translation>Turn the view downwards</translation>
    </message>
    <message>
        <source>Acercar la vista</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Alejar la vista</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Animación</source>
        <extracomment>button caption: starts the animation (noun); the button is 72 px wide
----------
menu: the animation (noun)</extracomment>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Parpadeo</source>
        <extracomment>check box: the «STOP» caption blinks while the animation runs; the box is 72 px wide</extracomment>
        <translation>Blink</translation>
    </message>
    <message>
        <source>Traza</source>
        <extracomment>check box: show the particle&apos;s trace (noun); the box is 52 px wide</extracomment>
        <translation>Trace</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>check box: show the time; the box is 60 px wide</extracomment>
        <translation>Time</translation>
    </message>
    <message>
        <source>Tiempo, segundos</source>
        <extracomment>the time box, for a screen reader: the quantity and its unit</extracomment>
        <translation>Time, seconds</translation>
    </message>
    <message>
        <source>Ficheros</source>
        <extracomment>menu: files</extracomment>
        <translation>Files</translation>
    </message>
    <message>
        <source>Cargar</source>
        <extracomment>menu item: load an experiment from a file (verb)</extracomment>
        <translation>Load</translation>
    </message>
    <message>
        <source>Grabar</source>
        <extracomment>menu item: save the experiment to a file (verb)</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Exportar datos (CSV)…</source>
        <translation>Export Data (CSV)…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <extracomment>menu item: print the experiment&apos;s report (verb)</extracomment>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)…</source>
        <translation>Save Report (PDF)…</translation>
    </message>
    <message>
        <source>Fin</source>
        <extracomment>menu item: quit the program</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Paneles</source>
        <extracomment>menu: the program&apos;s windows (panels)</extracomment>
        <translation>Panels</translation>
    </message>
    <message>
        <source>Posic. Veloc. Campos Carga</source>
        <extracomment>menu item: the control panel; abbreviations of Posición, Velocidad, Campos, Carga</extracomment>
        <translation>Pos. Vel. Fields Charge</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>submenu: where the electric field acts</extracomment>
        <translation>Electric Field Region</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>menu item: the electric field acts in all the box</extracomment>
        <translation>Everywhere</translation>
    </message>
    <message>
        <source>Confinado</source>
        <extracomment>menu item: the electric field acts only between the plates</extracomment>
        <translation>Confined</translation>
    </message>
    <message>
        <source>Muestra Vectores</source>
        <extracomment>menu item: the window that shows the vectors (&quot;Muestra&quot; is a verb)</extracomment>
        <translation>Show Vectors</translation>
    </message>
    <message>
        <source>Factor de Escala</source>
        <extracomment>menu item: the window of the vectors&apos; scale factors</extracomment>
        <translation>Scale Factor</translation>
    </message>
    <message>
        <source>Información</source>
        <extracomment>menu item: the about window</extracomment>
        <translation>About</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>menu item: the help window (noun)</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>menu item: the window of physical quantities (noun, plural)
----------
report heading: the physical quantities (as the «Magnitudes» window)</extracomment>
        <translation>Quantities</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>menu item: the graphs window (noun, plural)</extracomment>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Idioma</source>
        <extracomment>menu item: a submenu listing the languages of the program</extracomment>
        <translation>Language</translation>
    </message>
    <message>
        <source>El idioma elegido se aplicará la próxima vez que abra Voltrix.</source>
        <extracomment>said after choosing another language in the Paneles menu</extracomment>
        <translation>The chosen language will be applied the next time you open Voltrix.</translation>
    </message>
    <message>
        <source>Iniciar / Detener</source>
        <extracomment>menu item: start or stop the animation (verbs)</extracomment>
        <translation>Start / Stop</translation>
    </message>
    <message>
        <source>Un paso</source>
        <extracomment>menu item: advance the simulation one step</extracomment>
        <translation>One Step</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>submenu: the animation&apos;s speed (steps per second)</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>menu item: normal animation speed (64 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rápida</source>
        <extracomment>menu item: fast animation speed (256 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Máxima</source>
        <extracomment>menu item: top animation speed (1000 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Maximum</translation>
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
        <translation>Charged particle in electric and magnetic fields</translation>
    </message>
    <message>
        <source>Montaje</source>
        <extracomment>report heading: the set-up of the experiment (noun)</extracomment>
        <translation>Set-up</translation>
    </message>
    <message>
        <source>Vista</source>
        <extracomment>report figure caption: the 3D view (noun)</extracomment>
        <translation>View</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <extracomment>the print dialog&apos;s title (verb)</extracomment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Save Report (PDF)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.pdf)&quot;</extracomment>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>informe.pdf</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.pdf&quot;</extracomment>
        <translation>report.pdf</translation>
    </message>
    <message>
        <source>Partícula en x = %1, y = %2, z = %3 %4; t = %5 s</source>
        <extracomment>what a screen reader says the 3D view shows; %1, %2, %3 are the particle&apos;s x, y, z, %4 the length unit (m or cm) and %5 the time in seconds</extracomment>
        <translation>Particle at x = %1, y = %2, z = %3 %4; t = %5 s</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm2</name>
    <message>
        <source>Velocidad cm/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Velocity cm/s</translation>
    </message>
    <message>
        <source>Velocidad m/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Velocity m/s</translation>
    </message>
    <message>
        <source>Panel de Control</source>
        <extracomment>the control panel&apos;s window title</extracomment>
        <translation>Control Panel</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>group title: where the electric field acts; the group is 153 px wide</extracomment>
        <translation>Electric Field Region</translation>
    </message>
    <message>
        <source>Posición</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
----------
label of the position panel, left of the length unit&apos;s box (about 55 px)</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida</source>
        <extracomment>for a screen reader: the unit of a position box</extracomment>
        <translation>in the chosen unit of length</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida por segundo</source>
        <extracomment>for a screen reader: the unit of a velocity box</extracomment>
        <translation>in the chosen unit of length per second</translation>
    </message>
    <message>
        <source>Campo eléctrico</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Electric field</translation>
    </message>
    <message>
        <source>en voltios por metro</source>
        <extracomment>for a screen reader: the unit of an electric field box</extracomment>
        <translation>in volts per metre</translation>
    </message>
    <message>
        <source>Campo magnético</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Magnetic field</translation>
    </message>
    <message>
        <source>en teslas</source>
        <extracomment>for a screen reader: the unit of a magnetic field box</extracomment>
        <translation>in teslas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>for a screen reader: a box&apos;s name; %1 is the quantity (Posición, Velocidad…), %2 the component&apos;s caption beside the box (X, Vy, Bz…)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, deslizador</source>
        <extracomment>for a screen reader: a slider&apos;s name; %1 is the name of its box (&quot;Posición X&quot;)</extracomment>
        <translation>%1, slider</translation>
    </message>
    <message>
        <source>Incremento de tiempo, deslizador</source>
        <extracomment>for a screen reader: the time step&apos;s slider</extracomment>
        <translation>Time step, slider</translation>
    </message>
    <message>
        <source>Carga, culombios</source>
        <extracomment>for a screen reader: the charge box, the quantity and its unit</extracomment>
        <translation>Charge, coulombs</translation>
    </message>
    <message>
        <source>Disminuir la carga</source>
        <translation>Decrease the charge</translation>
    </message>
    <message>
        <source>Aumentar la carga</source>
        <translation>Increase the charge</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unit of length</translation>
    </message>
    <message>
        <source>Almacenar</source>
        <extracomment>button caption: store the present values (verb); the button is 70 px wide</extracomment>
        <translation>Store</translation>
    </message>
    <message>
        <source>Almacena Valores Actuales</source>
        <translation>Store the current values</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <extracomment>button caption: recall the stored values (verb); the button is 70 px wide</extracomment>
        <translation>Recall</translation>
    </message>
    <message>
        <source>Recupera Valores Almacenados</source>
        <translation>Recall the stored values</translation>
    </message>
    <message>
        <source>Inicia</source>
        <extracomment>button caption: put back the starting situation (verb); the button is 70 px wide</extracomment>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Increm.Tiempo</source>
        <extracomment>label over the time step&apos;s slider; abbreviation of &quot;Incremento de Tiempo&quot;; the label is 70 px wide</extracomment>
        <translation>Time Step</translation>
    </message>
    <message>
        <source>Carga C</source>
        <extracomment>group title: the charge and its unit (coulomb); the group is 85 px wide</extracomment>
        <translation>Charge C</translation>
    </message>
    <message>
        <source>Campo Eléctrico V/m</source>
        <extracomment>group title: the electric field and its unit; the group is 153 px wide</extracomment>
        <translation>Electric Field V/m</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>group title: the magnetic field (in teslas); the group is 153 px wide</extracomment>
        <translation>Magnetic Field</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm3</name>
    <message>
        <source>Carga en un campo magnético: una hélice</source>
        <extracomment>caption under the picture of the about window (about 290 px wide)</extracomment>
        <translation>Charge in a magnetic field: a helix</translation>
    </message>
    <message>
        <source>Grupo Orvalis</source>
        <extracomment>tooltip: the group of authors called Orvalis</extracomment>
        <translation>Orvalis Group</translation>
    </message>
    <message>
        <source>Física interactiva para estudiantes</source>
        <extracomment>the about window&apos;s subtitle, one line about 290 px wide</extracomment>
        <translation>Interactive physics for students</translation>
    </message>
    <message>
        <source>Programa:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s name follows</extracomment>
        <translation>Program:</translation>
    </message>
    <message>
        <source>Autores:</source>
        <extracomment>about window, left column (94 px wide): the authors follow</extracomment>
        <translation>Authors:</translation>
    </message>
    <message>
        <source>el equipo Orvalis</source>
        <translation>the Orvalis team</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <extracomment>about window, left column (94 px wide): the group&apos;s name follows</extracomment>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Tema:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s subject follows</extracomment>
        <translation>Topic:</translation>
    </message>
    <message>
        <source>Carga en campos E y B</source>
        <translation>Charge in E and B fields</translation>
    </message>
    <message>
        <source>Grupo</source>
        <extracomment>button caption: shows the group&apos;s picture (noun); the button is 75 px wide</extracomment>
        <translation>Group</translation>
    </message>
    <message>
        <source>Foto del grupo</source>
        <translation>Group photo</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm4</name>
    <message>
        <source>Posición</source>
        <extracomment>group title: the position vector; the group is 134 px wide</extracomment>
        <translation>Position</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>group title: the velocity vector; the group is 134 px wide</extracomment>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Aceleración m/s*s</source>
        <extracomment>group title: the acceleration vector and its unit (m/s²); the group is 134 px wide</extracomment>
        <translation>Acceleration m/s*s</translation>
    </message>
    <message>
        <source>Eléctrico</source>
        <extracomment>group title: the electric field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Electric</translation>
    </message>
    <message>
        <source>Magnético</source>
        <extracomment>group title: the magnetic field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Magnetic</translation>
    </message>
    <message>
        <source>Muestra</source>
        <extracomment>window title: the window that shows the vectors (&quot;Muestra&quot; is a verb: shows)</extracomment>
        <translation>Show</translation>
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
        <translation>Scale</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>button caption: choose the velocity&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <extracomment>button caption: choose the acceleration&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Campo Eléctrico</source>
        <extracomment>button caption: choose the electric field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Electric Field</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>button caption: choose the magnetic field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Magnetic Field</translation>
    </message>
    <message>
        <source>Reducir el factor de escala</source>
        <translation>Reduce the scale factor</translation>
    </message>
    <message>
        <source>Aumentar el factor de escala</source>
        <translation>Increase the scale factor</translation>
    </message>
    <message>
        <source>Factor de escala del vector elegido</source>
        <translation>Scale factor of the chosen vector</translation>
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
        <translation>          DESCRIPTION OF THE GRAPHICAL INTERFACE
          ---------------------------------------------------------------

Files -&gt; Opens a menu to load or save files with data on the
                position, velocity, values of the fields and the
                charge.
                Exit -&gt; Closes the program.
Panels -&gt; Control of the position, velocity, fields and charge.
                 Show Vectors -&gt; Shows the vectors, components and
                 value of the acceleration.
                 Scale Factor -&gt; Factor by which the selected
                                               quantity is multiplied to
                                               be displayed.
About -&gt; Authors belonging to the Orvalis group.
Help -&gt; Shows this information.

Cube -&gt; Shows/Hides the cube.
Axes -&gt; Shows/Hides the axes.
Turn arrows -&gt; Turn the figure.
Turn -&gt; Clicking on it restores the initial view.
Zoom arrows -&gt; Zoom the image in or out.
Zoom -&gt; Clicking on it restores the initial view.
Animation -&gt; Starts/Stops the simulation.
Trace -&gt; Shows/Hides the trace of the particle&apos;s path.
Time -&gt; Shows/Hides the value of the time.

                     Control Panel
                     -----------------------
Store -&gt; Stores the current values of the position,
                    velocity, fields and charge.
Recall -&gt; Recalls the stored values of the position,
                    velocity, fields and charge.
Charge C -&gt; Controls the electric charge in coulombs.
Time Step -&gt; Time step used in the calculation.
Position m -&gt; Controls and shows the position of the particle in
                   metres or centimetres.
Velocity m/s -&gt; Controls and shows the velocity of the particle in
                          metres per second or centimetres per second.
Electric Field -&gt; Controls the value of the three components of the
                             electric field.
Magnetic Field -&gt; Controls the value of the three components of the
                             magnetic field.

                     Animation
                     ---------------
One Step -&gt; Advances the simulation one step while the animation
                 is stopped (Ctrl+Right Arrow).
Speed -&gt; Normal, Fast or Maximum: 64, 256 or 1000 steps per
                    second.

                     Mouse and data
                     -----------------------
Drag on the figure -&gt; Turns the figure (one degree per pixel).
Mouse wheel -&gt; Zooms the image in or out.
Double-click on the figure -&gt; Restores the initial view.
Panels -&gt; Quantities -&gt; Speed, kinetic energy, force and
                 acceleration; with a magnetic field, angular frequency,
                 period, radius and pitch of the helix; with E
                 perpendicular to B, drift velocity. In SI units.
Files -&gt; Export Data (CSV) -&gt; Saves every step of the animation
                 since the last Reset, Load or Recall (time, position,
                 velocity and acceleration) in a CSV file.

voltrix --scale 2 -&gt; Opens all the windows at twice the size,
                    for example for a projector (from 0.5 to 4).

Panels -&gt; Graphs -&gt; Position, velocity, acceleration, speed or
                 energy against time since the last Reset, Load or
                 Recall. The mouse over the graph reads its values;
                 the right button saves or copies the graph and
                 exports its data (CSV).
Experiments -&gt; Classic set-ups ready for the class: circular
                 motion, helix, parabola, E×B drift, velocity
                 selector, deflection between plates... Each one stops
                 the animation, sets the state and the view and opens
                 the Guide window with what to predict and a question.
Files -&gt; Print / Save Report (PDF) -&gt; One A4 page with the set-up,
                 the quantities, the view and, if it is open, the
                 graph; for a classic experiment, its guide as well.
Keyboard on the figure (reached with Tab) -&gt; The arrows turn it,
                 + and - zoom in or out, Home restores the initial view.
                 Screen readers read the name of each control and the
                 position and the time.
Panels -&gt; Language -&gt; Español, català, valencià, galego, euskara or
                 English; it applies when Voltrix is opened again.
                 voltrix --lang gl chooses it for that time only.</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>the help window&apos;s title (noun)</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Desplazamiento vertical de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s vertical scroll bar</extracomment>
        <translation>Vertical scrolling of the help</translation>
    </message>
    <message>
        <source>Desplazamiento horizontal de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s horizontal scroll bar</extracomment>
        <translation>Horizontal scrolling of the help</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGraficas</name>
    <message>
        <source>Posición (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m or cm)</extracomment>
        <translation>Position (%1)</translation>
    </message>
    <message>
        <source>Velocidad (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s or cm/s)</extracomment>
        <translation>Velocity (%1)</translation>
    </message>
    <message>
        <source>Aceleración (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s² or cm/s²)</extracomment>
        <translation>Acceleration (%1)</translation>
    </message>
    <message>
        <source>Energía (J)</source>
        <extracomment>the graph&apos;s axis title: energy in joules</extracomment>
        <translation>Energy (J)</translation>
    </message>
    <message>
        <source>%1 (campo confinado: no es conservativo, sin energía potencial)</source>
        <extracomment>the graph&apos;s legend when only the kinetic energy is plotted; %1 is its symbol (Ec)</extracomment>
        <translation>%1 (confined field: not conservative, no potential energy)</translation>
    </message>
    <message>
        <source>Sin datos: la gráfica muestra cada paso de la animación desde el último Inicia, Cargar o Recuperar.</source>
        <extracomment>over an empty graph; Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>No data: the graph shows every step of the animation since the last Reset, Load or Recall.</translation>
    </message>
    <message>
        <source>Posición (x, y, z)</source>
        <extracomment>the quantity plotted against time; the curves&apos; symbols in brackets</extracomment>
        <translation>Position (x, y, z)</translation>
    </message>
    <message>
        <source>Velocidad (vx, vy, vz)</source>
        <translation>Velocity (vx, vy, vz)</translation>
    </message>
    <message>
        <source>Aceleración (ax, ay, az)</source>
        <translation>Acceleration (ax, ay, az)</translation>
    </message>
    <message>
        <source>Rapidez y aceleración (|v|, |a|)</source>
        <extracomment>speed (the size of the velocity) and the size of the acceleration</extracomment>
        <translation>Speed and acceleration (|v|, |a|)</translation>
    </message>
    <message>
        <source>Energía (cinética, potencial, total)</source>
        <translation>Energy (kinetic, potential, total)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.png)&quot;</extracomment>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Imagen vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.svg)&quot;</extracomment>
        <translation>SVG vector image (*.svg)</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>CSV data (*.csv)</translation>
    </message>
    <message>
        <source>Pasa el ratón sobre la gráfica para leer sus valores.</source>
        <extracomment>the reading under the graph while the pointer is not over it</extracomment>
        <translation>Move the mouse over the graph to read its values.</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>window title: the graphs (noun, plural)</extracomment>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Magnitud:</source>
        <extracomment>label of the list of quantities to plot (noun)</extracomment>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>Gráfica frente al tiempo</source>
        <translation>Graph against time</translation>
    </message>
    <message>
        <source>Guardar gráfica…</source>
        <extracomment>context menu of the graph: save it as a picture (verb)</extracomment>
        <translation>Save Graph…</translation>
    </message>
    <message>
        <source>Copiar gráfica</source>
        <extracomment>context menu of the graph: copy it to the clipboard (verb)</extracomment>
        <translation>Copy Graph</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)…</source>
        <extracomment>context menu of the graph: save its numbers as CSV (verb)</extracomment>
        <translation>Export Graph Data (CSV)…</translation>
    </message>
    <message>
        <source>%1 frente al tiempo desde el último Inicia, Cargar o Recuperar; la lectura bajo el ratón da t y el valor de cada curva</source>
        <extracomment>for a screen reader: what the graph shows; %1 is the chosen quantity (&quot;Posición (x, y, z)&quot;); Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>%1 against time since the last Reset, Load or Recall; the reading under the mouse gives t and the value of each curve</translation>
    </message>
    <message>
        <source>Guardar gráfica</source>
        <extracomment>the save dialog&apos;s title (verb)</extracomment>
        <translation>Save Graph</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.png&quot;</extracomment>
        <translation>graph.png</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Export Graph Data (CSV)</translation>
    </message>
    <message>
        <source>grafica.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>graph.csv</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGuia</name>
    <message>
        <source>Guía</source>
        <extracomment>window title: the guide of a classic experiment (noun)</extracomment>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Título de la experiencia</source>
        <translation>Experiment title</translation>
    </message>
    <message>
        <source>Guía de la experiencia</source>
        <translation>Experiment guide</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormMagnitudes</name>
    <message>
        <source>Rapidez |v| (m/s)</source>
        <extracomment>a quantity&apos;s caption: its name, its symbol or formula and its unit in brackets</extracomment>
        <translation>Speed |v| (m/s)</translation>
    </message>
    <message>
        <source>Energía cinética ½·m·v² (J)</source>
        <translation>Kinetic energy ½·m·v² (J)</translation>
    </message>
    <message>
        <source>Fuerza |F| (N)</source>
        <translation>Force |F| (N)</translation>
    </message>
    <message>
        <source>Aceleración |a| (m/s²)</source>
        <translation>Acceleration |a| (m/s²)</translation>
    </message>
    <message>
        <source>Frecuencia angular ω = |q|·|B|/m (rad/s)</source>
        <translation>Angular frequency ω = |q|·|B|/m (rad/s)</translation>
    </message>
    <message>
        <source>Periodo 2π/ω (s)</source>
        <translation>Period 2π/ω (s)</translation>
    </message>
    <message>
        <source>Radio m·v⊥/(|q|·|B|) (m)</source>
        <translation>Radius m·v⊥/(|q|·|B|) (m)</translation>
    </message>
    <message>
        <source>Paso de la hélice |v∥|·2π/ω (m)</source>
        <extracomment>the pitch of the helix</extracomment>
        <translation>Helix pitch |v∥|·2π/ω (m)</translation>
    </message>
    <message>
        <source>Deriva vx (m/s)</source>
        <extracomment>a component of the drift velocity of the orbit&apos;s centre</extracomment>
        <translation>Drift vx (m/s)</translation>
    </message>
    <message>
        <source>Deriva vy (m/s)</source>
        <translation>Drift vy (m/s)</translation>
    </message>
    <message>
        <source>Deriva vz (m/s)</source>
        <translation>Drift vz (m/s)</translation>
    </message>
    <message>
        <source>Deriva |v| (m/s)</source>
        <extracomment>the speed of the drift of the orbit&apos;s centre</extracomment>
        <translation>Drift |v| (m/s)</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>window title: the physical quantities (noun, plural)</extracomment>
        <translation>Quantities</translation>
    </message>
    <message>
        <source>Partícula</source>
        <extracomment>group title: the quantities of the particle (noun)</extracomment>
        <translation>Particle</translation>
    </message>
    <message>
        <source>Giro en el campo magnético</source>
        <extracomment>group title: the circular motion (turning) the magnetic field causes</extracomment>
        <translation>Rotation in the magnetic field</translation>
    </message>
    <message>
        <source>Deriva E×B/|B|² (E perpendicular a B)</source>
        <extracomment>group title: the drift of the orbit&apos;s centre, with its formula</extracomment>
        <translation>E×B/|B|² drift (E perpendicular to B)</translation>
    </message>
</context>
</TS>
