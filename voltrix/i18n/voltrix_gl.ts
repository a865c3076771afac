<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gl" sourcelanguage="es">
<context>
    <name>voltrix::ClassicExperiments</name>
    <message>
        <source>Movimiento circular en un campo magnético (q &gt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Movemento circular nun campo magnético (q &gt; 0)</translation>
    </message>
    <message>
        <source>La velocidad es perpendicular a B: la fuerza q·v×B, siempre perpendicular a la velocidad, la hace girar sin cambiar su rapidez, en una circunferencia del plano x = 50.</source>
        <translation>A velocidade é perpendicular a B: a forza q·v×B, sempre perpendicular á velocidade, faina xirar sen cambiar a súa rapidez, nunha circunferencia do plano x = 50.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</source>
        <translation>Prediga: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B).</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (frecuencia angular, periodo, radio) y en «Gráficas»: y, z oscilan con periodo T y la energía cinética no cambia.</source>
        <translation>Compróbeo en «Magnitudes» (frecuencia angular, período, raio) e en «Gráficas»: y, z oscilan con período T e a enerxía cinética non cambia.</translation>
    </message>
    <message>
        <source>Pregunta: si duplicas la velocidad, ¿qué les pasa al radio y al periodo?</source>
        <translation>Pregunta: se duplica a velocidade, que lles pasa ao raio e ao período?</translation>
    </message>
    <message>
        <source>Movimiento circular con carga negativa (q &lt; 0)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Movemento circular con carga negativa (q &lt; 0)</translation>
    </message>
    <message>
        <source>La misma velocidad y el mismo campo con la carga cambiada de signo: la fuerza q·v×B apunta al otro lado y la partícula gira en sentido contrario.</source>
        <translation>A mesma velocidade e o mesmo campo coa carga cambiada de signo: a forza q·v×B apunta ao outro lado e a partícula xira en sentido contrario.</translation>
    </message>
    <message>
        <source>Predice: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C.</source>
        <translation>Prediga: ω = |q|·B/m, T = 2π/ω, R = m·v/(|q|·B), con |q| = 1 C.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» y compara el sentido de giro con el de q &gt; 0.</source>
        <translation>Compróbeo en «Magnitudes» e compare o sentido de xiro co de q &gt; 0.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué cambia el sentido de giro y no cambian ni el radio ni el periodo?</source>
        <translation>Pregunta: por que cambia o sentido de xiro e non cambian nin o raio nin o período?</translation>
    </message>
    <message>
        <source>Hélice</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Hélice</translation>
    </message>
    <message>
        <source>La velocidad tiene una parte a lo largo de B (10 m/s), que el campo no cambia, y otra perpendicular (60 m/s), que gira: la partícula avanza en hélice a lo largo del eje x.</source>
        <translation>A velocidade ten unha parte ao longo de B (10 m/s), que o campo non cambia, e outra perpendicular (60 m/s), que xira: a partícula avanza en hélice ao longo do eixe x.</translation>
    </message>
    <message>
        <source>Predice: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T.</source>
        <translation>Prediga: R = m·v⊥/(|q|·B), T = 2π/ω, paso p = v∥·T.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (radio, periodo, paso) y en «Gráficas»: x crece a ritmo constante.</source>
        <translation>Compróbeo en «Magnitudes» (raio, período, paso) e en «Gráficas»: x medra a ritmo constante.</translation>
    </message>
    <message>
        <source>Pregunta: ¿qué componente de la velocidad decide el paso y cuál el radio?</source>
        <translation>Pregunta: que compoñente da velocidade decide o paso e cal o raio?</translation>
    </message>
    <message>
        <source>Parábola en un campo eléctrico</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Parábola nun campo eléctrico</translation>
    </message>
    <message>
        <source>Sin campo magnético, la fuerza q·E es constante, como el peso: la partícula describe una parábola en el plano x = 50.</source>
        <translation>Sen campo magnético, a forza q·E é constante, coma o peso: a partícula describe unha parábola no plano x = 50.</translation>
    </message>
    <message>
        <source>Predice: a = q·E/m; la altura máxima llega en t = vz/a y el vuelo dura 2·vz/a.</source>
        <translation>Prediga: a = q·E/m; a altura máxima chega en t = vz/a e o voo dura 2·vz/a.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (aceleración) y en «Gráficas»: vy es constante y vz baja en línea recta.</source>
        <translation>Compróbeo en «Magnitudes» (aceleración) e en «Gráficas»: vy é constante e vz baixa en liña recta.</translation>
    </message>
    <message>
        <source>Pregunta: ¿cómo cambiaría la parábola con una carga de 2 C? ¿Y con una de -1 C?</source>
        <translation>Pregunta: como cambiaría a parábola cunha carga de 2 C? E cunha de -1 C?</translation>
    </message>
    <message>
        <source>Campos eléctrico y magnético paralelos</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Campos eléctrico e magnético paralelos</translation>
    </message>
    <message>
        <source>E y B a lo largo del eje x: B hace girar la velocidad perpendicular y E acelera la partícula a lo largo del eje, así que la hélice se estira vuelta a vuelta.</source>
        <translation>E e B ao longo do eixe x: B fai xirar a velocidade perpendicular e E acelera a partícula ao longo do eixe, así que a hélice se estira volta a volta.</translation>
    </message>
    <message>
        <source>Predice: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; la vuelta k avanza (2k - 1)·a∥·T²/2.</source>
        <translation>Prediga: a∥ = q·E/m = 2 m/s², x = x₀ + a∥·t²/2; a volta k avanza (2k - 1)·a∥·T²/2.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: x crece como una parábola y vx en línea recta; el radio no cambia.</source>
        <translation>Compróbeo en «Gráficas»: x medra coma unha parábola e vx en liña recta; o raio non cambia.</translation>
    </message>
    <message>
        <source>Pregunta: ¿por qué no cambia el radio de las vueltas aunque la partícula va cada vez más deprisa?</source>
        <translation>Pregunta: por que non cambia o raio das voltas aínda que a partícula vai cada vez máis rápido?</translation>
    </message>
    <message>
        <source>Deriva E×B desde el reposo (cicloide)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Deriva E×B desde o repouso (cicloide)</translation>
    </message>
    <message>
        <source>La partícula parte del reposo con E perpendicular a B: el campo eléctrico la acelera, el magnético la curva, y el centro de su giro deriva a velocidad constante: describe una cicloide.</source>
        <translation>A partícula parte do repouso con E perpendicular a B: o campo eléctrico aceléraa, o magnético cúrvaa, e o centro do seu xiro deriva a velocidade constante: describe unha cicloide.</translation>
    </message>
    <message>
        <source>Predice: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T y sube 2·vd/ω.</source>
        <translation>Prediga: vd = E×B/B², |vd| = E/B; cada arco dura T = 2π/ω, mide vd·T e sobe 2·vd/ω.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (deriva) y en «Gráficas»: la rapidez vuelve a 0 al final de cada arco.</source>
        <translation>Compróbeo en «Magnitudes» (deriva) e en «Gráficas»: a rapidez volve a 0 ao final de cada arco.</translation>
    </message>
    <message>
        <source>Pregunta: ¿hacia dónde deriva si la carga es negativa?</source>
        <translation>Pregunta: cara a onde deriva se a carga é negativa?</translation>
    </message>
    <message>
        <source>Selector de velocidades</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Selector de velocidades</translation>
    </message>
    <message>
        <source>E y B perpendiculares, y la partícula entra con v = E/B: las fuerzas eléctrica y magnética se anulan y sigue en línea recta.</source>
        <translation>E e B perpendiculares, e a partícula entra con v = E/B: as forzas eléctrica e magnética anúlanse e segue en liña recta.</translation>
    </message>
    <message>
        <source>Predice: q·E + q·v×B = 0 cuando v = E/B.</source>
        <translation>Prediga: q·E + q·v×B = 0 cando v = E/B.</translation>
    </message>
    <message>
        <source>Compruébalo en «Magnitudes» (fuerza nula) y en «Gráficas»: z no cambia.</source>
        <translation>Compróbeo en «Magnitudes» (forza nula) e en «Gráficas»: z non cambia.</translation>
    </message>
    <message>
        <source>Pregunta: cambia Vy a 12 en el panel: ¿hacia dónde se desvía? ¿Y con Vy = 8?</source>
        <translation>Pregunta: cambie Vy a 12 no panel: cara a onde se desvía? E con Vy = 8?</translation>
    </message>
    <message>
        <source>Desviación entre placas (campo confinado)</source>
        <extracomment>a set-up in the «Experiencias» menu; also the title of its guide and report</extracomment>
        <translation>Desviación entre placas (campo confinado)</translation>
    </message>
    <message>
        <source>El campo eléctrico solo actúa entre las placas amarillas (y de 40 a 60 m): dentro, la partícula se desvía en parábola; fuera, sigue en línea recta.</source>
        <translation>O campo eléctrico só actúa entre as placas amarelas (y de 40 a 60 m): dentro, a partícula desvíase en parábola; fóra, segue en liña recta.</translation>
    </message>
    <message>
        <source>Predice: dentro pasa t = 20 m / 10 m/s = 2 s, se desvía Δz = q·E·t²/(2·m) y sale con vz = q·E·t/m.</source>
        <translation>Prediga: dentro pasa t = 20 m / 10 m/s = 2 s, desvíase Δz = q·E·t²/(2·m) e sae con vz = q·E·t/m.</translation>
    </message>
    <message>
        <source>Compruébalo en «Gráficas»: vz crece entre t = 3 s y t = 5 s y después se queda constante.</source>
        <translation>Compróbeo en «Gráficas»: vz medra entre t = 3 s e t = 5 s e despois queda constante.</translation>
    </message>
    <message>
        <source>Pregunta: ¿con qué ángulo sale? ¿Cómo cambiaría si entrara el doble de rápida?</source>
        <translation>Pregunta: con que ángulo sae? Como cambiaría se entrase co dobre de velocidade?</translation>
    </message>
    <message>
        <source>Montaje: %1</source>
        <extracomment>the guide&apos;s set-up line; %1 is the set-up in symbols and numbers (&quot;r₀ = (50, 20, 50) m · …&quot;)</extracomment>
        <translation>Montaxe: %1</translation>
    </message>
</context>
<context>
    <name>voltrix::CommandLine</name>
    <message>
        <source>Uso: %1 [opciones]</source>
        <translation>Uso: %1 [opcións]</translation>
    </message>
    <message>
        <source>Dinámica de una partícula cargada en campos eléctrico y magnético.</source>
        <translation>Dinámica dunha partícula cargada en campos eléctrico e magnético.</translation>
    </message>
    <message>
        <source>Opciones:</source>
        <translation>Opcións:</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra esta axuda e sae.</translation>
    </message>
    <message>
        <source>Muestra la versión y termina.</source>
        <translation>Mostra a versión e sae.</translation>
    </message>
    <message>
        <source>Amplía las ventanas F veces, de 0.5 a 4 (2 para un proyector).</source>
        <translation>Amplía as xanelas F veces, de 0.5 a 4 (2 para un proxector).</translation>
    </message>
    <message>
        <source>Idioma: %1 (si no, el elegido en el menú, o español).</source>
        <extracomment>%1: the language codes, such as &quot;es, ca, ca@valencia&quot;</extracomment>
        <translation>Idioma: %1 (se non, o escollido no menú, ou castelán).</translation>
    </message>
    <message>
        <source>valor no admitido para --scale: %1 (de 0.5 a 4)</source>
        <translation>valor non admitido para --scale: %1 (de 0.5 a 4)</translation>
    </message>
    <message>
        <source>También admite las opciones de Qt, como -platform o -style.</source>
        <translation>Tamén admite as opcións de Qt, como -platform ou -style.</translation>
    </message>
    <message>
        <source>opción desconocida: %1</source>
        <extracomment>%1: the option as typed, with its dashes</extracomment>
        <translation>opción descoñecida: %1</translation>
    </message>
    <message>
        <source>argumento no admitido: %1</source>
        <translation>argumento non admitido: %1</translation>
    </message>
    <message>
        <source>Pruebe «%1 --help».</source>
        <extracomment>%1: the command</extracomment>
        <translation>Probe «%1 --help».</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentDialogs</name>
    <message>
        <source>Todos los Ficheros (*.*)</source>
        <extracomment>file type in the open and save dialogs; keep &quot;(*.*)&quot;</extracomment>
        <translation>Todos os ficheiros (*.*)</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <extracomment>the button that closes a message box</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Dinamica de una particula cargada</source>
        <extracomment>title of the file dialogs and message boxes</extracomment>
        <translation>Dinámica dunha partícula cargada</translation>
    </message>
    <message>
        <source>Archivos de Experiencias  (*.exp)</source>
        <extracomment>file type in the open dialog; keep &quot;(*.exp)&quot;; the two blanks before it show as written</extracomment>
        <translation>Ficheiros de experiencias  (*.exp)</translation>
    </message>
    <message>
        <source>Ficheros de Experiencias (*.exp)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.exp)&quot;</extracomment>
        <translation>Ficheiros de experiencias (*.exp)</translation>
    </message>
    <message>
        <source>fichero.exp</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.exp&quot;</extracomment>
        <translation>ficheiro.exp</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>Datos CSV (*.csv)</translation>
    </message>
    <message>
        <source>datos.csv</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.csv&quot;</extracomment>
        <translation>datos.csv</translation>
    </message>
    <message>
        <source>No hay datos que exportar.
Con la animación en marcha se registra cada paso desde el último &quot;Inicia&quot;, &quot;Cargar&quot; o &quot;Recuperar&quot;.</source>
        <extracomment>«Inicia», «Cargar» and «Recuperar» are the captions of a button and of menu items</extracomment>
        <translation>Non hai datos que exportar.
Coa animación en marcha rexístrase cada paso desde o último «Iniciar», «Cargar» ou «Recuperar».</translation>
    </message>
    <message>
        <source>No se ha podido grabar el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Non se puido gardar o ficheiro «%1».
%2</translation>
    </message>
    <message>
        <source>No se ha podido leer el fichero &quot;%1&quot;.
%2</source>
        <extracomment>%1 is the file&apos;s name, %2 the reason (a lowercase phrase such as &quot;permiso denegado&quot;)</extracomment>
        <translation>Non se puido ler o ficheiro «%1».
%2</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentFile</name>
    <message>
        <source>permiso denegado</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>el archivo o la carpeta no existe</source>
        <translation>o ficheiro ou o cartafol non existe</translation>
    </message>
    <message>
        <source>una parte de la ruta no es una carpeta</source>
        <translation>un elemento da ruta non é un cartafol</translation>
    </message>
    <message>
        <source>es una carpeta, no un archivo</source>
        <translation>é un cartafol, non un ficheiro</translation>
    </message>
    <message>
        <source>no queda espacio en el disco</source>
        <translation>non queda espazo no disco</translation>
    </message>
    <message>
        <source>el disco es de solo lectura</source>
        <translation>o disco é só de lectura</translation>
    </message>
    <message>
        <source>el nombre es demasiado largo</source>
        <translation>o nome é demasiado longo</translation>
    </message>
    <message>
        <source>error de lectura o escritura en el disco</source>
        <translation>erro de lectura ou escritura no disco</translation>
    </message>
    <message>
        <source>el fichero supera el tamaño permitido</source>
        <translation>o ficheiro supera o tamaño permitido</translation>
    </message>
    <message>
        <source>error del sistema número %1</source>
        <extracomment>why a file could not be written or read; %1 is the system&apos;s error number</extracomment>
        <translation>erro do sistema número %1</translation>
    </message>
    <message>
        <source>el fichero no contiene ningún experimento</source>
        <translation>o ficheiro non contén ningún experimento</translation>
    </message>
    <message>
        <source>no se ha indicado ningún nombre de archivo</source>
        <translation>non se indicou ningún nome de ficheiro</translation>
    </message>
    <message>
        <source>; el fichero conserva su contenido anterior</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; o ficheiro conserva o seu contido anterior</translation>
    </message>
    <message>
        <source>; el fichero ha quedado incompleto</source>
        <extracomment>added right after another reason: keep the leading &quot;; &quot;</extracomment>
        <translation>; o ficheiro quedou incompleto</translation>
    </message>
</context>
<context>
    <name>voltrix::ExperimentReport</name>
    <message>
        <source>Confinado</source>
        <extracomment>the electric field&apos;s region in the report: only between the plates</extracomment>
        <translation>Confinado</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>the electric field&apos;s region in the report: the whole box</extracomment>
        <translation>En todo o espazo</translation>
    </message>
    <message>
        <source>Posición inicial r₀</source>
        <translation>Posición inicial r₀</translation>
    </message>
    <message>
        <source>Velocidad inicial v₀</source>
        <translation>Velocidade inicial v₀</translation>
    </message>
    <message>
        <source>Posición r</source>
        <translation>Posición r</translation>
    </message>
    <message>
        <source>Velocidad v</source>
        <translation>Velocidade v</translation>
    </message>
    <message>
        <source>Campo eléctrico E</source>
        <translation>Campo eléctrico E</translation>
    </message>
    <message>
        <source>Campo magnético B</source>
        <translation>Campo magnético B</translation>
    </message>
    <message>
        <source>Carga q</source>
        <translation>Carga q</translation>
    </message>
    <message>
        <source>Masa m</source>
        <translation>Masa m</translation>
    </message>
    <message>
        <source>Paso de tiempo Δt</source>
        <translation>Paso de tempo Δt</translation>
    </message>
    <message>
        <source>Tiempo t</source>
        <translation>Tempo t</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unidade de lonxitude</translation>
    </message>
    <message>
        <source>Región del campo eléctrico</source>
        <translation>Rexión do campo eléctrico</translation>
    </message>
</context>
<context>
    <name>voltrix::HandlerFailure</name>
    <message>
        <source>Error desconocido.</source>
        <extracomment>the message box of a failure that carries no text of its own</extracomment>
        <translation>Erro descoñecido.</translation>
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
        <translation>Carga en campos eléctrico e magnético</translation>
    </message>
    <message>
        <source>Vista 3D de la partícula</source>
        <translation>Vista 3D da partícula</translation>
    </message>
    <message>
        <source>Cubo</source>
        <extracomment>check box: show the cube around the box; the box is 50 px wide</extracomment>
        <translation>Cubo</translation>
    </message>
    <message>
        <source>Ejes</source>
        <extracomment>check box: show the axes; the box is 46 px wide</extracomment>
        <translation>Eixes</translation>
    </message>
    <message>
        <source>Giro</source>
        <extracomment>noun: the label between the rotation arrows (a click resets the rotation); 32 px wide</extracomment>
        <translation>Xiro</translation>
    </message>
    <message>
        <source>Zoom</source>
        <extracomment>noun: the label between the zoom buttons (a click resets the zoom); 40 px wide</extracomment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Girar la vista a la izquierda</source>
        <translation>Xirar a vista á esquerda</translation>
    </message>
    <message>
        <source>Girar la vista a la derecha</source>
        <translation>Xirar a vista á dereita</translation>
    </message>
    <message>
        <source>Girar la vista hacia arriba</source>
        <translation>Xirar a vista cara arriba</translation>
    </message>
    <message>
        <source>Girar la vista hacia abajo</source>
        <translation>Xirar a vista cara abaixo</translation>
    </message>
    <message>
        <source>Acercar la vista</source>
        <translation>Achegar a vista</translation>
    </message>
    <message>
        <source>Alejar la vista</source>
        <translation>Afastar a vista</translation>
    </message>
    <message>
        <source>Animación</source>
        <extracomment>button caption: starts the animation (noun); the button is 72 px wide
----------
menu: the animation (noun)</extracomment>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Parpadeo</source>
        <extracomment>check box: the «STOP» caption blinks while the animation runs; the box is 72 px wide</extracomment>
        <translation>Pestanexo</translation>
    </message>
    <message>
        <source>Traza</source>
        <extracomment>check box: show the particle&apos;s trace (noun); the box is 52 px wide</extracomment>
        <translation>Trazo</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <extracomment>check box: show the time; the box is 60 px wide</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Tiempo, segundos</source>
        <extracomment>the time box, for a screen reader: the quantity and its unit</extracomment>
        <translation>Tempo, segundos</translation>
    </message>
    <message>
        <source>Ficheros</source>
        <extracomment>menu: files</extracomment>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Cargar</source>
        <extracomment>menu item: load an experiment from a file (verb)</extracomment>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Grabar</source>
        <extracomment>menu item: save the experiment to a file (verb)</extracomment>
        <translation>Gardar</translation>
    </message>
    <message>
        <source>Exportar datos (CSV)…</source>
        <translation>Exportar datos (CSV)…</translation>
    </message>
    <message>
        <source>Imprimir…</source>
        <extracomment>menu item: print the experiment&apos;s report (verb)</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)…</source>
        <translation>Gardar informe (PDF)…</translation>
    </message>
    <message>
        <source>Fin</source>
        <extracomment>menu item: quit the program</extracomment>
        <translation>Saír</translation>
    </message>
    <message>
        <source>Paneles</source>
        <extracomment>menu: the program&apos;s windows (panels)</extracomment>
        <translation>Paneis</translation>
    </message>
    <message>
        <source>Posic. Veloc. Campos Carga</source>
        <extracomment>menu item: the control panel; abbreviations of Posición, Velocidad, Campos, Carga</extracomment>
        <translation>Posic. Veloc. Campos Carga</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>submenu: where the electric field acts</extracomment>
        <translation>Rexión do campo eléctrico</translation>
    </message>
    <message>
        <source>En todo el espacio</source>
        <extracomment>menu item: the electric field acts in all the box</extracomment>
        <translation>En todo o espazo</translation>
    </message>
    <message>
        <source>Confinado</source>
        <extracomment>menu item: the electric field acts only between the plates</extracomment>
        <translation>Confinado</translation>
    </message>
    <message>
        <source>Muestra Vectores</source>
        <extracomment>menu item: the window that shows the vectors (&quot;Muestra&quot; is a verb)</extracomment>
        <translation>Mostrar vectores</translation>
    </message>
    <message>
        <source>Factor de Escala</source>
        <extracomment>menu item: the window of the vectors&apos; scale factors</extracomment>
        <translation>Factor de escala</translation>
    </message>
    <message>
        <source>Información</source>
        <extracomment>menu item: the about window</extracomment>
        <translation>Información</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>menu item: the help window (noun)</extracomment>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Magnitudes</source>
        <extracomment>menu item: the window of physical quantities (noun, plural)
----------
report heading: the physical quantities (as the «Magnitudes» window)</extracomment>
        <translation>Magnitudes</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>menu item: the graphs window (noun, plural)</extracomment>
        <translation>Gráficas</translation>
    </message>
    <message>
        <source>Idioma</source>
        <extracomment>menu item: a submenu listing the languages of the program</extracomment>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>El idioma elegido se aplicará la próxima vez que abra Voltrix.</source>
        <extracomment>said after choosing another language in the Paneles menu</extracomment>
        <translation>O idioma escollido aplicarase a próxima vez que abra Voltrix.</translation>
    </message>
    <message>
        <source>Iniciar / Detener</source>
        <extracomment>menu item: start or stop the animation (verbs)</extracomment>
        <translation>Iniciar / Deter</translation>
    </message>
    <message>
        <source>Un paso</source>
        <extracomment>menu item: advance the simulation one step</extracomment>
        <translation>Un paso</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>submenu: the animation&apos;s speed (steps per second)</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>menu item: normal animation speed (64 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Rápida</source>
        <extracomment>menu item: fast animation speed (256 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Máxima</source>
        <extracomment>menu item: top animation speed (1000 steps a second); adjective of &quot;Velocidad&quot; (feminine)</extracomment>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>Experiencias</source>
        <extracomment>menu: the classic experiments (set-ups) ready for the class</extracomment>
        <translation>Experiencias</translation>
    </message>
    <message>
        <source>STOP</source>
        <extracomment>button caption while the animation runs: stops it; the button is 72 px wide</extracomment>
        <translation>DETER</translation>
    </message>
    <message>
        <source>Partícula cargada en campos eléctrico y magnético</source>
        <extracomment>the report&apos;s title when no classic experiment is set up</extracomment>
        <translation>Partícula cargada en campos eléctrico e magnético</translation>
    </message>
    <message>
        <source>Montaje</source>
        <extracomment>report heading: the set-up of the experiment (noun)</extracomment>
        <translation>Montaxe</translation>
    </message>
    <message>
        <source>Vista</source>
        <extracomment>report figure caption: the 3D view (noun)</extracomment>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <extracomment>the print dialog&apos;s title (verb)</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Guardar informe (PDF)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Gardar informe (PDF)</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.pdf)&quot;</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
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
        <translation>Velocidade cm/s</translation>
    </message>
    <message>
        <source>Velocidad m/s</source>
        <extracomment>group title: the velocity and its unit; the group is 141 px wide</extracomment>
        <translation>Velocidade m/s</translation>
    </message>
    <message>
        <source>Panel de Control</source>
        <extracomment>the control panel&apos;s window title</extracomment>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Región Campo Eléctrico</source>
        <extracomment>group title: where the electric field acts; the group is 153 px wide</extracomment>
        <translation>Rexión campo eléctrico</translation>
    </message>
    <message>
        <source>Posición</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)
----------
label of the position panel, left of the length unit&apos;s box (about 55 px)</extracomment>
        <translation>Posición</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida</source>
        <extracomment>for a screen reader: the unit of a position box</extracomment>
        <translation>na unidade de lonxitude escollida</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>en la unidad de longitud elegida por segundo</source>
        <extracomment>for a screen reader: the unit of a velocity box</extracomment>
        <translation>na unidade de lonxitude escollida por segundo</translation>
    </message>
    <message>
        <source>Campo eléctrico</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Campo eléctrico</translation>
    </message>
    <message>
        <source>en voltios por metro</source>
        <extracomment>for a screen reader: the unit of an electric field box</extracomment>
        <translation>en voltios por metro</translation>
    </message>
    <message>
        <source>Campo magnético</source>
        <extracomment>for a screen reader: a quantity, followed by the component beside the box (X, Vy, Bz…)</extracomment>
        <translation>Campo magnético</translation>
    </message>
    <message>
        <source>en teslas</source>
        <extracomment>for a screen reader: the unit of a magnetic field box</extracomment>
        <translation>en teslas</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>for a screen reader: a box&apos;s name; %1 is the quantity (Posición, Velocidad…), %2 the component&apos;s caption beside the box (X, Vy, Bz…)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, deslizador</source>
        <extracomment>for a screen reader: a slider&apos;s name; %1 is the name of its box (&quot;Posición X&quot;)</extracomment>
        <translation>%1, esvarador</translation>
    </message>
    <message>
        <source>Incremento de tiempo, deslizador</source>
        <extracomment>for a screen reader: the time step&apos;s slider</extracomment>
        <translation>Paso de tempo, esvarador</translation>
    </message>
    <message>
        <source>Carga, culombios</source>
        <extracomment>for a screen reader: the charge box, the quantity and its unit</extracomment>
        <translation>Carga, culombios</translation>
    </message>
    <message>
        <source>Disminuir la carga</source>
        <translation>Diminuír a carga</translation>
    </message>
    <message>
        <source>Aumentar la carga</source>
        <translation>Aumentar a carga</translation>
    </message>
    <message>
        <source>Unidad de longitud</source>
        <translation>Unidade de lonxitude</translation>
    </message>
    <message>
        <source>Almacenar</source>
        <extracomment>button caption: store the present values (verb); the button is 70 px wide</extracomment>
        <translation>Almacenar</translation>
    </message>
    <message>
        <source>Almacena Valores Actuales</source>
        <translation>Almacenar os valores actuais</translation>
    </message>
    <message>
        <source>Recuperar</source>
        <extracomment>button caption: recall the stored values (verb); the button is 70 px wide</extracomment>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Recupera Valores Almacenados</source>
        <translation>Recuperar os valores almacenados</translation>
    </message>
    <message>
        <source>Inicia</source>
        <extracomment>button caption: put back the starting situation (verb); the button is 70 px wide</extracomment>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Increm.Tiempo</source>
        <extracomment>label over the time step&apos;s slider; abbreviation of &quot;Incremento de Tiempo&quot;; the label is 70 px wide</extracomment>
        <translation>Paso de tempo</translation>
    </message>
    <message>
        <source>Carga C</source>
        <extracomment>group title: the charge and its unit (coulomb); the group is 85 px wide</extracomment>
        <translation>Carga C</translation>
    </message>
    <message>
        <source>Campo Eléctrico V/m</source>
        <extracomment>group title: the electric field and its unit; the group is 153 px wide</extracomment>
        <translation>Campo eléctrico V/m</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>group title: the magnetic field (in teslas); the group is 153 px wide</extracomment>
        <translation>Campo magnético</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm3</name>
    <message>
        <source>Carga en un campo magnético: una hélice</source>
        <extracomment>caption under the picture of the about window (about 290 px wide)</extracomment>
        <translation>Carga nun campo magnético: unha hélice</translation>
    </message>
    <message>
        <source>Grupo Orvalis</source>
        <extracomment>tooltip: the group of authors called Orvalis</extracomment>
        <translation>Grupo Orvalis</translation>
    </message>
    <message>
        <source>Física interactiva para estudiantes</source>
        <extracomment>the about window&apos;s subtitle, one line about 290 px wide</extracomment>
        <translation>Física interactiva para estudantes</translation>
    </message>
    <message>
        <source>Programa:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s name follows</extracomment>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Autores:</source>
        <extracomment>about window, left column (94 px wide): the authors follow</extracomment>
        <translation>Autores:</translation>
    </message>
    <message>
        <source>el equipo Orvalis</source>
        <translation>o equipo Orvalis</translation>
    </message>
    <message>
        <source>Grupo:</source>
        <extracomment>about window, left column (94 px wide): the group&apos;s name follows</extracomment>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>Tema:</source>
        <extracomment>about window, left column (94 px wide): the program&apos;s subject follows</extracomment>
        <translation>Tema:</translation>
    </message>
    <message>
        <source>Carga en campos E y B</source>
        <translation>Carga en campos E e B</translation>
    </message>
    <message>
        <source>Grupo</source>
        <extracomment>button caption: shows the group&apos;s picture (noun); the button is 75 px wide</extracomment>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Foto del grupo</source>
        <translation>Foto do grupo</translation>
    </message>
</context>
<context>
    <name>voltrix::TForm4</name>
    <message>
        <source>Posición</source>
        <extracomment>group title: the position vector; the group is 134 px wide</extracomment>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Velocidad</source>
        <extracomment>group title: the velocity vector; the group is 134 px wide</extracomment>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Aceleración m/s*s</source>
        <extracomment>group title: the acceleration vector and its unit (m/s²); the group is 134 px wide</extracomment>
        <translation>Aceleración m/s*s</translation>
    </message>
    <message>
        <source>Eléctrico</source>
        <extracomment>group title: the electric field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Eléctrico</translation>
    </message>
    <message>
        <source>Magnético</source>
        <extracomment>group title: the magnetic field vector (adjective of &quot;campo&quot;); the group is 134 px wide</extracomment>
        <translation>Magnético</translation>
    </message>
    <message>
        <source>Muestra</source>
        <extracomment>window title: the window that shows the vectors (&quot;Muestra&quot; is a verb: shows)</extracomment>
        <translation>Mostrar</translation>
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
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Aceleración</source>
        <extracomment>button caption: choose the acceleration&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Aceleración</translation>
    </message>
    <message>
        <source>Campo Eléctrico</source>
        <extracomment>button caption: choose the electric field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Campo eléctrico</translation>
    </message>
    <message>
        <source>Campo Magnético</source>
        <extracomment>button caption: choose the magnetic field&apos;s scale factor; the button is 102 x 15 px</extracomment>
        <translation>Campo magnético</translation>
    </message>
    <message>
        <source>Reducir el factor de escala</source>
        <translation>Reducir o factor de escala</translation>
    </message>
    <message>
        <source>Aumentar el factor de escala</source>
        <translation>Aumentar o factor de escala</translation>
    </message>
    <message>
        <source>Factor de escala del vector elegido</source>
        <translation>Factor de escala do vector escollido</translation>
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
        <translation>          DESCRICIÓN DA INTERFACE GRÁFICA
          ---------------------------------------------------------------

Ficheiros -&gt; Desprega o menú para cargar ou gardar ficheiros con
                datos da posición, da velocidade, do valor dos
                campos e da carga.
                Saír -&gt; Pecha a aplicación.
Paneis -&gt; Control da posición, velocidade, campos e carga.
                 Mostrar vectores -&gt; Mostra os vectores, as compoñentes
                 e o valor da aceleración.
                 Factor de escala -&gt; Factor polo que se multiplica a
                                               magnitude seleccionada para
                                               visualizala.
Información -&gt; Autores pertencentes ao grupo Orvalis.
Axuda -&gt; Mostra esta información.

Cubo -&gt; Mostra ou oculta o cubo.
Eixes -&gt; Mostra ou oculta os eixes.
Frechas de Xiro -&gt; Xiran a figura.
Xiro -&gt; Premendo nel recupérase a perspectiva inicial.
Frechas de Zoom -&gt; Achegan ou afastan a imaxe.
Zoom -&gt; Premendo nel recupérase a perspectiva inicial.
Animación -&gt; Inicia ou detén a simulación.
Trazo -&gt; Mostra ou oculta o trazo do percorrido da partícula.
Tempo -&gt; Mostra ou oculta o valor do tempo.

                     Panel de control
                     -----------------------
Almacenar -&gt; Almacena os valores actuais da posición, da
                    velocidade, dos campos e da carga.
Recuperar -&gt; Recupera os valores almacenados da posición, da
                    velocidade, dos campos e da carga.
Carga C -&gt; Controla a carga eléctrica en culombios.
Paso de tempo -&gt; Incremento de tempo empregado no cálculo.
Posición m -&gt; Controla e mostra a posición da partícula en
                   metros ou centímetros.
Velocidade m/s -&gt; Controla e mostra a velocidade da partícula en
                          metros por segundo ou centímetros por segundo.
Campo eléctrico -&gt; Controla o valor das tres compoñentes do
                             campo eléctrico.
Campo magnético -&gt; Controla o valor das tres compoñentes do
                             campo magnético.

                     Animación
                     ---------------
Un paso -&gt; Avanza a simulación un paso coa animación detida
                 (Ctrl+Frecha dereita).
Velocidade -&gt; Normal, Rápida ou Máxima: 64, 256 ou 1000 pasos por
                    segundo.

                     Rato e datos
                     -----------------------
Arrastrar sobre a figura -&gt; Xira a figura (un grao por punto).
Roda do rato -&gt; Achega ou afasta a imaxe.
Dobre clic sobre a figura -&gt; Recupera a perspectiva inicial.
Paneis -&gt; Magnitudes -&gt; Rapidez, enerxía cinética, forza e
                 aceleración; con campo magnético, frecuencia angular,
                 período, raio e paso da hélice; con E perpendicular
                 a B, velocidade de deriva. En unidades do S.I.
Ficheiros -&gt; Exportar datos (CSV) -&gt; Garda cada paso da animación
                 desde o último Iniciar, Cargar ou Recuperar (tempo,
                 posición, velocidade e aceleración) nun ficheiro CSV.

voltrix --scale 2 -&gt; Abre todas as xanelas ao dobre de tamaño,
                    por exemplo para un proxector (de 0.5 a 4).

Paneis -&gt; Gráficas -&gt; Posición, velocidade, aceleración, rapidez ou
                 enerxía fronte ao tempo desde o último Iniciar, Cargar
                 ou Recuperar. O rato sobre a gráfica le os seus valores;
                 o botón dereito garda ou copia a gráfica e exporta
                 os seus datos (CSV).
Experiencias -&gt; Montaxes clásicas listas para a clase: movemento
                 circular, hélice, parábola, deriva E×B, selector de
                 velocidades, desviación entre placas... Cada unha detén
                 a animación, pon o estado e a vista e abre a
                 xanela Guía co que hai que predicir e unha pregunta.
Ficheiros -&gt; Imprimir / Gardar informe (PDF) -&gt; Unha páxina A4 coa
                 montaxe, as magnitudes, a vista e, se está aberta, a
                 gráfica; nunha experiencia clásica, tamén a súa guía.
Teclado sobre a figura (chégase con Tab) -&gt; As frechas xírana,
                 + e - achégana ou afástana, Inicio recupera a
                 perspectiva inicial. Os lectores de pantalla len
                 o nome de cada control e a posición e o tempo.
Paneis -&gt; Idioma -&gt; Español, català, valencià, galego, euskara ou
                 English; aplícase ao volver abrir Voltrix.
                 voltrix --lang gl escólleo só para esa vez.</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <extracomment>the help window&apos;s title (noun)</extracomment>
        <translation>Axuda</translation>
    </message>
    <message>
        <source>Desplazamiento vertical de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s vertical scroll bar</extracomment>
        <translation>Desprazamento vertical da axuda</translation>
    </message>
    <message>
        <source>Desplazamiento horizontal de la ayuda</source>
        <extracomment>for a screen reader: the help text&apos;s horizontal scroll bar</extracomment>
        <translation>Desprazamento horizontal da axuda</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormGraficas</name>
    <message>
        <source>Posición (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m or cm)</extracomment>
        <translation>Posición (%1)</translation>
    </message>
    <message>
        <source>Velocidad (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s or cm/s)</extracomment>
        <translation>Velocidade (%1)</translation>
    </message>
    <message>
        <source>Aceleración (%1)</source>
        <extracomment>the graph&apos;s axis title; %1 is the unit (m/s² or cm/s²)</extracomment>
        <translation>Aceleración (%1)</translation>
    </message>
    <message>
        <source>Energía (J)</source>
        <extracomment>the graph&apos;s axis title: energy in joules</extracomment>
        <translation>Enerxía (J)</translation>
    </message>
    <message>
        <source>%1 (campo confinado: no es conservativo, sin energía potencial)</source>
        <extracomment>the graph&apos;s legend when only the kinetic energy is plotted; %1 is its symbol (Ec)</extracomment>
        <translation>%1 (campo confinado: non é conservativo, sen enerxía potencial)</translation>
    </message>
    <message>
        <source>Sin datos: la gráfica muestra cada paso de la animación desde el último Inicia, Cargar o Recuperar.</source>
        <extracomment>over an empty graph; Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>Sen datos: a gráfica mostra cada paso da animación desde o último Iniciar, Cargar ou Recuperar.</translation>
    </message>
    <message>
        <source>Posición (x, y, z)</source>
        <extracomment>the quantity plotted against time; the curves&apos; symbols in brackets</extracomment>
        <translation>Posición (x, y, z)</translation>
    </message>
    <message>
        <source>Velocidad (vx, vy, vz)</source>
        <translation>Velocidade (vx, vy, vz)</translation>
    </message>
    <message>
        <source>Aceleración (ax, ay, az)</source>
        <translation>Aceleración (ax, ay, az)</translation>
    </message>
    <message>
        <source>Rapidez y aceleración (|v|, |a|)</source>
        <extracomment>speed (the size of the velocity) and the size of the acceleration</extracomment>
        <translation>Rapidez e aceleración (|v|, |a|)</translation>
    </message>
    <message>
        <source>Energía (cinética, potencial, total)</source>
        <translation>Enerxía (cinética, potencial, total)</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.png)&quot;</extracomment>
        <translation>Imaxe PNG (*.png)</translation>
    </message>
    <message>
        <source>Imagen vectorial SVG (*.svg)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.svg)&quot;</extracomment>
        <translation>Imaxe vectorial SVG (*.svg)</translation>
    </message>
    <message>
        <source>Datos CSV (*.csv)</source>
        <extracomment>file type in the save dialog; keep &quot;(*.csv)&quot;</extracomment>
        <translation>Datos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Pasa el ratón sobre la gráfica para leer sus valores.</source>
        <extracomment>the reading under the graph while the pointer is not over it</extracomment>
        <translation>Pase o rato sobre a gráfica para ler os seus valores.</translation>
    </message>
    <message>
        <source>Gráficas</source>
        <extracomment>window title: the graphs (noun, plural)</extracomment>
        <translation>Gráficas</translation>
    </message>
    <message>
        <source>Magnitud:</source>
        <extracomment>label of the list of quantities to plot (noun)</extracomment>
        <translation>Magnitude:</translation>
    </message>
    <message>
        <source>Gráfica frente al tiempo</source>
        <translation>Gráfica fronte ao tempo</translation>
    </message>
    <message>
        <source>Guardar gráfica…</source>
        <extracomment>context menu of the graph: save it as a picture (verb)</extracomment>
        <translation>Gardar a gráfica…</translation>
    </message>
    <message>
        <source>Copiar gráfica</source>
        <extracomment>context menu of the graph: copy it to the clipboard (verb)</extracomment>
        <translation>Copiar a gráfica</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)…</source>
        <extracomment>context menu of the graph: save its numbers as CSV (verb)</extracomment>
        <translation>Exportar os datos da gráfica (CSV)…</translation>
    </message>
    <message>
        <source>%1 frente al tiempo desde el último Inicia, Cargar o Recuperar; la lectura bajo el ratón da t y el valor de cada curva</source>
        <extracomment>for a screen reader: what the graph shows; %1 is the chosen quantity (&quot;Posición (x, y, z)&quot;); Inicia, Cargar and Recuperar are the captions of a button and of menu items</extracomment>
        <translation>%1 fronte ao tempo desde o último Iniciar, Cargar ou Recuperar; a lectura baixo o rato dá t e o valor de cada curva</translation>
    </message>
    <message>
        <source>Guardar gráfica</source>
        <extracomment>the save dialog&apos;s title (verb)</extracomment>
        <translation>Gardar a gráfica</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <extracomment>the file name the save dialog suggests; keep &quot;.png&quot;</extracomment>
        <translation>grafica.png</translation>
    </message>
    <message>
        <source>Exportar datos de la gráfica (CSV)</source>
        <extracomment>the save dialog&apos;s title</extracomment>
        <translation>Exportar os datos da gráfica (CSV)</translation>
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
        <translation>Guía</translation>
    </message>
    <message>
        <source>Título de la experiencia</source>
        <translation>Título da experiencia</translation>
    </message>
    <message>
        <source>Guía de la experiencia</source>
        <translation>Guía da experiencia</translation>
    </message>
</context>
<context>
    <name>voltrix::TFormMagnitudes</name>
    <message>
        <source>Rapidez |v| (m/s)</source>
        <extracomment>a quantity&apos;s caption: its name, its symbol or formula and its unit in brackets</extracomment>
        <translation>Rapidez |v| (m/s)</translation>
    </message>
    <message>
        <source>Energía cinética ½·m·v² (J)</source>
        <translation>Enerxía cinética ½·m·v² (J)</translation>
    </message>
    <message>
        <source>Fuerza |F| (N)</source>
        <translation>Forza |F| (N)</translation>
    </message>
    <message>
        <source>Aceleración |a| (m/s²)</source>
        <translation>Aceleración |a| (m/s²)</translation>
    </message>
    <message>
        <source>Frecuencia angular ω = |q|·|B|/m (rad/s)</source>
        <translation>Frecuencia angular ω = |q|·|B|/m (rad/s)</translation>
    </message>
    <message>
        <source>Periodo 2π/ω (s)</source>
        <translation>Período 2π/ω (s)</translation>
    </message>
    <message>
        <source>Radio m·v⊥/(|q|·|B|) (m)</source>
        <translation>Raio m·v⊥/(|q|·|B|) (m)</translation>
    </message>
    <message>
        <source>Paso de la hélice |v∥|·2π/ω (m)</source>
        <extracomment>the pitch of the helix</extracomment>
        <translation>Paso da hélice |v∥|·2π/ω (m)</translation>
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
        <translation>Magnitudes</translation>
    </message>
    <message>
        <source>Partícula</source>
        <extracomment>group title: the quantities of the particle (noun)</extracomment>
        <translation>Partícula</translation>
    </message>
    <message>
        <source>Giro en el campo magnético</source>
        <extracomment>group title: the circular motion (turning) the magnetic field causes</extracomment>
        <translation>Xiro no campo magnético</translation>
    </message>
    <message>
        <source>Deriva E×B/|B|² (E perpendicular a B)</source>
        <extracomment>group title: the drift of the orbit&apos;s centre, with its formula</extracomment>
        <translation>Deriva E×B/|B|² (E perpendicular a B)</translation>
    </message>
</context>
</TS>
