<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DistanceHistogramWindow</name>
    <message>
        <source>distance %1 to %2</source>
        <extracomment>A bar of the distance histogram, named by the distances it counts.</extracomment>
        <translation>distancia de %1 a %2</translation>
    </message>
    <message>
        <source>Histogram of the distance from the origin</source>
        <translation>Histograma de la distancia al origen</translation>
    </message>
    <message>
        <source>(Horizontal axis : Distance from the origin)</source>
        <translation>(Eje horizontal: distancia al origen)</translation>
    </message>
    <message>
        <source>(Frequency)</source>
        <translation>(Frecuencia)</translation>
    </message>
</context>
<context>
    <name>Experiment</name>
    <message>
        <source>Trial %1: x %2, y %3, distance %4. Average %5.</source>
        <translation>Ensayo %1: x %2, y %3, distancia %4. Media %5.</translation>
    </message>
    <message>
        <source>Experiment stopped.</source>
        <translation>Experimento detenido.</translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s), average distance %1.</source>
        <translation>
            <numerusform>Experimento terminado, %n ensayo, distancia media %1.</numerusform>
            <numerusform>Experimento terminado, %n ensayos, distancia media %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Experiment complete, %n trial(s).</source>
        <translation>
            <numerusform>Experimento terminado, %n ensayo.</numerusform>
            <numerusform>Experimento terminado, %n ensayos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cleared.</source>
        <translation>Resultados borrados.</translation>
    </message>
</context>
<context>
    <name>GraphWindow</name>
    <message>
        <source>Show expected counts</source>
        <translation>Mostrar frecuencias esperadas</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s)</source>
        <translation>
            <numerusform>%1: %n ensayo</numerusform>
            <numerusform>%1: %n ensayos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n trial(s), expected %2</source>
        <translation>
            <numerusform>%1: %n ensayo, se esperan %2</numerusform>
            <numerusform>%1: %n ensayos, se esperan %2</numerusform>
        </translation>
    </message>
    <message>
        <source>No trials counted</source>
        <translation>No hay ensayos registrados</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Barra</translation>
    </message>
    <message>
        <source>Trials</source>
        <translation>Ensayos</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>【Question】</source>
        <translation>【Pregunta】</translation>
    </message>
    <message>
        <source>A drunk person sways indiscriminately from front to back and left and right.</source>
        <translation>Un borracho se tambalea al azar hacia delante, atrás, izquierda y</translation>
    </message>
    <message>
        <source>A drunk person may come back to the same place many times while walking </source>
        <translation>derecha. De camino a su destino, puede volver muchas veces al </translation>
    </message>
    <message>
        <source>around to reach his destination.</source>
        <translation>mismo sitio.</translation>
    </message>
    <message>
        <source>Now the drunk person is at the origin on the xy coordinate plane.</source>
        <translation>Ahora el borracho está en el origen del plano cartesiano xy.</translation>
    </message>
    <message>
        <source>When a drunk person departs from the origin and wanders 30 times , how far</source>
        <translation>Si parte del origen y da 30 pasos tambaleándose, ¿a qué distancia</translation>
    </message>
    <message>
        <source>is the position where he is at the 30th time from the origin ?</source>
        <translation>del origen estará después del paso 30?</translation>
    </message>
    <message>
        <source>However , it is assumed that a drunk person sways in four directions , up ,</source>
        <translation>Se supone que se tambalea en cuatro direcciones (arriba, abajo,</translation>
    </message>
    <message>
        <source>down , left , and right , and the distance traveled by one sway is one.</source>
        <translation>izquierda y derecha) y que cada paso tiene longitud 1.</translation>
    </message>
    <message>
        <source>Also , what if a drunk person sways in only two directions left and right , </source>
        <translation>¿Y si solo se tambalea en dos direcciones, izquierda y derecha, </translation>
    </message>
    <message>
        <source>and is on the x-axis ?</source>
        <translation>moviéndose sobre el eje x?</translation>
    </message>
    <message>
        <source>【Operation method】</source>
        <translation>【Modo de uso】</translation>
    </message>
    <message>
        <source>■In case of wobbing in 4 directions , click the check box [Plane movement].</source>
        <translation>■Para tambalearse en 4 direcciones, marca la opción [En el plano].</translation>
    </message>
    <message>
        <source>■In case of wobbing in 2 directions , click the check box [Linear movement].</source>
        <translation>■Para tambalearse en 2 direcciones, marca la opción [En la recta].</translation>
    </message>
    <message>
        <source>(Click the [Init] button to change the 4-way wobble and the 2-way wobble.)</source>
        <translation>(Para cambiar entre 4 y 2 direcciones, pulsa el botón [Reiniciar].)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStart] button to start the drunk person&apos;s wobbling.</source>
        <translation>Pulsa el botón [Iniciar experimento] y el borracho empezará a andar.</translation>
    </message>
    <message>
        <source>  (However , it takes time to start wobbling.)</source>
        <translation>  (Tarda un poco en empezar.)</translation>
    </message>
    <message>
        <source>Click the [ExperimentStop] button to stop the drunk person&apos;s wobbling.</source>
        <translation>Pulsa el botón [Detener experimento] y el borracho se parará.</translation>
    </message>
    <message>
        <source>(However , it takes time to stop wobbling.)</source>
        <translation>(Tarda un poco en pararse.)</translation>
    </message>
    <message>
        <source>Click the [Graph display] button to display the graph.</source>
        <translation>Pulsa el botón [Ver gráfica] para mostrar la gráfica.</translation>
    </message>
    <message>
        <source>  (However , in the case of 4-way wobbling , the horizontal axis is the distance</source>
        <translation>  (Con 4 direcciones, el eje horizontal es la distancia entre el origen y</translation>
    </message>
    <message>
        <source>between the position where the drunk person staggers 30 times and the origin.</source>
        <translation>la posición del borracho tras 30 pasos.</translation>
    </message>
    <message>
        <source>And , in the case of 2-way wobbling , the horizontal axis is the x-coordinate of</source>
        <translation>Con 2 direcciones, el eje horizontal es la coordenada x de la posición</translation>
    </message>
    <message>
        <source>the position where the drunk person staggers 30 times.)</source>
        <translation>del borracho tras 30 pasos.)</translation>
    </message>
    <message>
        <source> Lurchfield＿Help（Questions and Operation method）</source>
        <translation> Lurchfield＿Ayuda（Preguntas y modo de uso）</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>Lurchfield</name>
    <message>
        <source>A random walk for the mathematics class</source>
        <translation>Un paseo aleatorio para la clase de matemáticas</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Walker&apos;s x coordinate</source>
        <translation>Coordenada x del caminante</translation>
    </message>
    <message>
        <source>Walker&apos;s y coordinate</source>
        <translation>Coordenada y del caminante</translation>
    </message>
    <message>
        <source>Trial number</source>
        <translation>Número de ensayo</translation>
    </message>
    <message>
        <source>Coordinate plane</source>
        <translation>Plano cartesiano</translation>
    </message>
    <message>
        <source>Walker at x %1, y %2</source>
        <translation>Caminante en x %1, y %2</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Init</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Number of staggers</source>
        <translation>Número de pasos</translation>
    </message>
    <message>
        <source>Average distance</source>
        <translation>Distancia media</translation>
    </message>
    <message>
        <source>Graph display</source>
        <translation>Ver gráfica</translation>
    </message>
    <message>
        <source>ｘ＝</source>
        <translation>ｘ＝</translation>
    </message>
    <message>
        <source>ｙ＝</source>
        <translation>ｙ＝</translation>
    </message>
    <message>
        <source>th</source>
        <extracomment>Follows the trial number, as &quot;th&quot; in &quot;5th&quot;: an ordinal ending or a word.</extracomment>
        <translation>º</translation>
    </message>
    <message>
        <source>&#x3000;It takes a little time ...</source>
        <translation>&#x3000;Espera un momento...</translation>
    </message>
    <message>
        <source>Experiment Start</source>
        <translation>Iniciar experimento</translation>
    </message>
    <message>
        <source>Experiment Stop</source>
        <translation>Detener experimento</translation>
    </message>
    <message>
        <source>Plane movement</source>
        <translation>En el plano</translation>
    </message>
    <message>
        <source>Linear movement</source>
        <translation>En la recta</translation>
    </message>
    <message>
        <source>This software will exit.</source>
        <translation>El programa se cerrará.</translation>
    </message>
    <message>
        <source>Trial</source>
        <extracomment>The copied results&apos; header row.</extracomment>
        <translation>Ensayo</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Copy results</source>
        <translation>Copiar resultados</translation>
    </message>
</context>
<context>
    <name>ResultsTable</name>
    <message>
        <source>Number</source>
        <extracomment>Row title: the trials&apos; numbers.</extracomment>
        <translation>Ensayo</translation>
    </message>
    <message>
        <source>y coordinate</source>
        <translation>Coord. y</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>ｘ coordinate</source>
        <translation>Coord. ｘ</translation>
    </message>
    <message>
        <source>x coordinate</source>
        <translation>Coord. x</translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation>Coord. X</translation>
    </message>
    <message>
        <source>Trial %1, x coordinate</source>
        <translation>Ensayo %1, coordenada x</translation>
    </message>
    <message>
        <source>Trial %1, y coordinate</source>
        <translation>Ensayo %1, coordenada y</translation>
    </message>
    <message>
        <source>Trial %1, distance</source>
        <translation>Ensayo %1, distancia</translation>
    </message>
</context>
<context>
    <name>XHistogramWindow</name>
    <message>
        <source>x %1</source>
        <extracomment>A bar of the x histogram, named by its final x coordinate.</extracomment>
        <translation>x %1</translation>
    </message>
    <message>
        <source>Histogram of the final x coordinate</source>
        <translation>Histograma de la coordenada x final</translation>
    </message>
    <message>
        <source>(Frecuency)</source>
        <translation>(Frecuencia)</translation>
    </message>
    <message>
        <source>(Horizontal axis : x coordinate)</source>
        <translation>(Eje horizontal: coordenada x)</translation>
    </message>
</context>
<context>
    <name>platform::SurfaceWindow</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
