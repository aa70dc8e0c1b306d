<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>El estado final pertenece a otro proyecto:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Responda SÍ a «Sobrescribir» para empezar de nuevo este proyecto.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Su último fotograma: t = %1; el estado final: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>La trayectoria sigue más allá del estado final.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>No se añadió nada: los nuevos fotogramas irían hacia atrás en el tiempo.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Responda SÍ a «Sobrescribir» para empezar de cero.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>El cálculo no puede continuar desde los archivos.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>No hay estado final desde el que continuar:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>El cálculo sigue desde las partículas tal como están.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>La trayectoria se ajustó al estado final:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>Las medidas se ajustaron a la trayectoria:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>El cálculo se detuvo en el tiempo %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Elija un paso menor en «Ajustes avanzados».</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Elija una amortiguación o un paso menor en «Ajustes avanzados».</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Dé al tipo %1 una masa mayor en «Ver/editar proyecto».</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>El movimiento se volvió inestable: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Los archivos conservan todos los fotogramas ya escritos.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>El cálculo no puede empezar:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Espere a que termine el otro cálculo, o deténgalo.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>¿Sobrescribir el archivo de trayectoria anterior?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>¿Añadir al archivo de trayectoria anterior?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pausa: clic o tecla en la ventana principal para seguir</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clic para volver al menú</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Este proyecto no se puede calcular:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>El cálculo no puede empezar; vea «Ajustes avanzados».</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>El cálculo se detuvo; los archivos conservan lo escrito.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Cálculo de %n partícula</numerusform>
            <numerusform>Cálculo de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   fotogramas %2   %3 pasos/s   Ec media %4 por partícula   baño x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 es de otros tipos o está dañado.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>No hay medidas: falta %1.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>faltaba el fotograma del estado final (t = %1) y se añadió</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>se omitió el fotograma cortado en la línea %1</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>la amortiguación %1 es demasiado grande para el paso de integración %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>la masa del tipo %1 (%2) es demasiado pequeña para el paso de integración %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>el paso de integración %1 es demasiado grande para estas fuerzas</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, con el baño a %2 veces el ajuste</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>El cálculo no puede empezar.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Arriba, Abajo, Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>mover el marco por las opciones activas del menú</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Intro o Espacio</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>elegir la opción enmarcada</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>S, Y o Intro / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>responder SÍ / NO a una pregunta</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Izq., Der. (luego Intro o Espacio)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>mover el marco entre SÍ y NO (y responder)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>cualquier tecla</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>sigue tras la portada, un aviso o una gráfica</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>recorrer campos y botones de un editor en orden de lectura</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Intro (en un campo)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>el OK del cuadro (Hecho, Tipo de partícula OK ?, Listo...)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Espacio o Intro (en un botón)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>lo pulsa</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 o ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>la ayuda del teclado</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>cierra el programa</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Ángulo horizontal, en un sentido u otro, mientras se pulsa</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Ángulo vertical, en un sentido u otro, mientras se pulsa</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ o Re Pág</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Acercar, mientras se pulsa</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- o Av Pág</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Alejar, mientras se pulsa</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Inicio u O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ángulo inicial</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P o Espacio</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pausa (los botones siguen girando y ampliando) y continuar</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>Fin o T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Parar, o Terminar</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>tras parar: volver al menú, como un clic</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, luego Intro</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>el botón con el foco, como un clic (también Espacio)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>una descripción más larga de la imagen</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>la ventana de medidas, guardar la imagen, grabar un vídeo</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Calcular: choques 1,25 veces más fuertes, más débiles, baño ajustado</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>la ayuda del teclado de la vista; otra vez para cerrarla</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>cierra esa ayuda o termina una grabación</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Teclas (una tecla o un clic cierra esta ayuda)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Teclas de esta ventana</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed.</source>
        <translation>La trayectoria no se puede reproducir.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Estado final alcanzado</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: se omitió el fotograma cortado en la línea %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcanzado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado en %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Estado final alcanzado: clic para volver</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Parado: clic para volver al menú</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Historia de %n partícula</numerusform>
            <numerusform>Historia de %n partículas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   fotograma %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>La trayectoria no se puede reproducir más.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>El estado final no se puede mostrar.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Estado final en %1, %n partícula</numerusform>
            <numerusform>Estado final en %1, %n partículas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>La magnitud no cambia</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Simulación de %n partícula traída de LAMMPS</numerusform>
            <numerusform>Simulación de %n partículas traída de LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   fotograma %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Estado final alcanzado, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Parado en %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>ningún fotograma</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Estado final alcanzado: clic para terminar</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Parado: clic para terminar</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ángulo horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Ángulo vertical</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ángulo inicial</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulación en curso</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pausa: P o Espacio sigue</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Vídeo: %n cuadro</numerusform>
            <numerusform>Vídeo: %n cuadros</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>la vista no muestra ninguna imagen</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Imagen guardada como %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>La imagen no se guardó: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>La vista no se graba: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Vídeo guardado como %1 (%n fotograma)</numerusform>
            <numerusform>Vídeo guardado como %1 (%n fotogramas)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>El vídeo no se guardó: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>La grabación se detuvo: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>no se grabó nada (la vista no dibujó ninguna imagen entretanto), así que no se escribió ningún archivo</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>No se muestra ninguna partícula.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 de tipo %2 (masa %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Los tipos están separados: los centros de los tipos %1 y %2 distan %3.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Los tipos están mezclados: los centros de los tipos %1 y %2 distan %3.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>en pausa, P para seguir</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>avanzando, Fin o T para</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>en pausa, un clic o una tecla en la ventana principal para seguir</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>la imagen se queda, Fin o T termina</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>esperando, Intro o un clic vuelve al menú</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 partículas de %n tipo: %2. Radio de giro %3 en un cubo de semiarista %4.</numerusform>
            <numerusform>%1 partículas de %n tipos: %2. Radio de giro %3 en un cubo de semiarista %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>grabando, %n fotograma</numerusform>
            <numerusform>grabando, %n fotogramas</numerusform>
        </translation>
    </message>
</context>
</TS>
