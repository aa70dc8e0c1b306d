<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n posición está fuera del cubo y se deja fuera; los fotogramas que la contienen quedan fuera del desplazamiento.</numerusform>
            <numerusform>%n posiciones están fuera del cubo y se dejan fuera; los fotogramas que las contienen quedan fuera del desplazamiento.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>El desplazamiento usa %1 de los fotogramas: los demás contienen otras partículas.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>No hay energías cinéticas: %1 no contiene mediciones.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>No hay energías cinéticas: falta %1 (calcula el proyecto otra vez para crearlo).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n posición está fuera de la caja y se deja fuera.</numerusform>
            <numerusform>%n posiciones están fuera de la caja y se dejan fuera.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>La caja no es un cubo: g(r) se normaliza para un cubo del mismo volumen.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>No hay energías cinéticas: %1 no contiene, en los fotogramas del dump, filas thermo con las columnas de esta exportación.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>tipos</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>primer pico en (unidades del cubo)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>primer valle en (unidades del cubo)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>vecinas del segundo tipo alrededor de una del primero</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>vecinas del primer tipo alrededor de una del segundo</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>sin pico claro</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>sin valle claro</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Por qué los valores superan mucho el 1:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>las partículas se juntaron en un cúmulo de unas %1 unidades del cubo de ancho, que llena cerca del %2 % del cubo (una bola tan extendida alrededor de su centro como ellas). Dentro se encuentran unas %3 veces más a menudo que si estuvieran repartidas por todo el cubo, así que g(r) queda dentro del cúmulo así de por encima del azar, y cae a 0 a distancias mayores que el ancho del cúmulo.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Dividida entre %1, g(r) se compara con la densidad propia del cúmulo.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Dividida entre %1, g(r) se compara con la densidad propia del cúmulo: el valor más alto, %2 (tipos %3 – %4 en r = %5), es entonces %6 veces la densidad propia del cúmulo, todavía muy por encima de 1: esas partículas se juntan más dentro del cúmulo, por ejemplo en un núcleo en su centro.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Dividida entre %1, g(r) se compara con la densidad propia del cúmulo: el valor más alto, %2 (tipos %3 – %4 en r = %5), es entonces %6 veces la densidad propia del cúmulo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;El punto más alto&lt;/b&gt;, %1 por partícula en t = %2, es %3 veces la media de la segunda mitad del cálculo (%4); llegó mientras el baño estaba subido a x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;El punto más alto&lt;/b&gt;, %1 por partícula en t = %2, es %3 veces la media de la segunda mitad del cálculo (%4): el baño no estaba subido entonces, así que es energía de posición convertida en movimiento cuando las fuerzas de las partículas las juntaron (en un cúmulo) o las separaron, más rápido de lo que la amortiguación del baño se la llevaba.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Fija la escala del gráfico, así que el resto del cálculo parece pequeño a su lado; energies.csv contiene todos los valores.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>A qué distancia están las partículas: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Este gráfico muestra con qué frecuencia se encuentran dos partículas a una distancia r una de otra, comparado con partículas esparcidas al azar en la caja. Un valor de 1 significa «tan a menudo como por azar». Un pico alto y estrecho significa que las partículas prefieren guardar justo esa distancia, señal de orden como en un cristal; una línea plana cerca de 1 significa que no hay orden, como en un gas. La tabla cuenta, para cada tipo, cuántas compañeras del otro tipo están más cerca que el primer valle tras el primer pico: las vecinas más próximas.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Distribución radial g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>distancia r (unidades del cubo)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = tan a menudo como por azar)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>tipos %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Cuánto se desplazan las partículas</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Este gráfico muestra cuánto se ha alejado, en promedio, una partícula de cada tipo de donde estaba, según cuánto esperamos (la distancia está al cuadrado, así que 100 significa 10 unidades del cubo). Una línea que sigue subiendo significa que las partículas deambulan, como en un gas o un líquido; una línea que pronto se aplana significa que cada partícula se queda cerca de su sitio, como en un sólido.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Desplazamiento cuadrático medio</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>intervalo de tiempo (unidades de tiempo)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>desplazamiento cuadrático medio (unidades del cubo²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;El gráfico está vacío:&lt;/b&gt; el desplazamiento necesita dos fotogramas o más con las mismas partículas, y solo se analiza uno así. Elige un tramo más largo del cálculo con --from y --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;El gráfico está vacío:&lt;/b&gt; el desplazamiento necesita dos fotogramas o más con las mismas partículas, y no se analiza ninguno así. Elige un tramo más largo del cálculo con --from y --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Dónde se reúne cada tipo</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Este gráfico muestra, para cada tipo de partícula, qué parte de sus partículas está a cada distancia del centro de todo el grupo (su centro de masa), en capas de una unidad del cubo de grosor. La línea de cada tipo suma 100 %, así que un tipo de pocas partículas se compara con uno de muchas: un tipo cuya línea sube y baja a la izquierda se reúne en el centro; un tipo cuya línea está más a la derecha queda por fuera. Los números dan también la densidad de cada tipo en cada capa.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Dónde está cada tipo respecto al centro de masa</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>distancia al centro de masa (unidades del cubo)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>parte de las partículas del tipo en la capa (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>Qué tan animadas están las partículas: energía cinética</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Este gráfico muestra la energía de movimiento (energía cinética) de una partícula media, de todas y de cada tipo, a lo largo del tiempo; abarca todo el cálculo. Más caliente significa más rápido. Las líneas que bajan significan que el sistema se enfría; las que se estabilizan, que se ha asentado.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energía cinética</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tiempo (unidades de tiempo)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>energía cinética por partícula (unidades de energía)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>todas las partículas (todas del tipo %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>todas las partículas</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Calentar y enfriar: energía cinética frente al baño</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>El cálculo cambió la temperatura del baño (con las teclas H, C y B, o con --bath). Cada punto es un tramo con un mismo baño: en horizontal, lo caliente que estaba el baño (1 = el de la configuración); en vertical, la energía de movimiento en la que se asentó una partícula media, la media sobre la segunda mitad del tramo (en heating.csv, frames cuenta todo el tramo y frames_in_mean su segunda mitad). La línea une los tramos asentados en el orden del cálculo. El baño fija la temperatura, así que los puntos asentados quedan cerca de una recta que pasa por cero; uno muy alejado muestra partículas que se calientan solas, como un cúmulo mientras se forma. Si las partículas se fundieron se ve en g(r) y en el desplazamiento: analiza cada tramo con --from y --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Curva de calentamiento</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>baño (veces la temperatura de la configuración)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>asentados, en el orden del cálculo</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>demasiado cortos para asentarse</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n fotograma, desde t = %2)</numerusform>
            <numerusform>x %1 (%n fotogramas, desde t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Un tramo fue demasiado corto para asentarse&lt;/b&gt;, dibujado hueco y sin unir: baño %1. Las partículas aún no habían seguido a su baño: su segunda mitad empezó menos de un tiempo de relajación del baño (%2 unidades de tiempo con la amortiguación de la configuración) después de su primer fotograma, o tenía menos de %3 fotogramas. Sus energías van con retraso y no muestran punto de fusión; mantén un baño más tiempo para medirlo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Algunos tramos fueron demasiado cortos para asentarse&lt;/b&gt;, dibujados huecos y sin unir: baño %1. Las partículas aún no habían seguido a sus baños: la segunda mitad de cada uno empezó menos de un tiempo de relajación del baño (%2 unidades de tiempo con la amortiguación de la configuración) después de su primer fotograma, o tenía menos de %3 fotogramas. Sus energías van con retraso y no muestran punto de fusión; mantén un baño más tiempo para medirlo.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>La estructura y el desplazamiento usan el único fotograma, en t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>La estructura y el desplazamiento usan %1 de %n fotograma, de t = %2 a t = %3.</numerusform>
            <numerusform>La estructura y el desplazamiento usan %1 de los %n fotogramas, de t = %2 a t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>La estructura y el desplazamiento usan %1 de %n fotograma, de t = %2 a t = %3 (uno de cada %4, %5 fotogramas).</numerusform>
            <numerusform>La estructura y el desplazamiento usan %1 de los %n fotogramas, de t = %2 a t = %3 (uno de cada %4, %5 fotogramas).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>La estructura y el desplazamiento usan el único fotograma de %1 partículas, en t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>La estructura y el desplazamiento usan %1 de %n fotograma de %2 partículas, de t = %3 a t = %4.</numerusform>
            <numerusform>La estructura y el desplazamiento usan %1 de los %n fotogramas de %2 partículas, de t = %3 a t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>La estructura y el desplazamiento usan %1 de %n fotograma de %2 partículas, de t = %3 a t = %4 (uno de cada %5, %6 fotogramas).</numerusform>
            <numerusform>La estructura y el desplazamiento usan %1 de los %n fotogramas de %2 partículas, de t = %3 a t = %4 (uno de cada %5, %6 fotogramas).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Análisis de Zentova de %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>Qué pasó en «%1»</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Números: %1, imagen: %2</translation>
    </message>
</context>
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
        <translation>Elija un paso menor en «Configuración avanzada».</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Elija una amortiguación o un paso menor en «Configuración avanzada».</translation>
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
        <translation>El cálculo no puede empezar; vea «Configuración avanzada».</translation>
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
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Número de tipos</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coef. fuerza fuerte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Fuerza débil (gravedad)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Fuerza de repulsión</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carga eléctrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diámetro en pantalla</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Color en pantalla</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristal iónico 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Colapso gravitatorio</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Cargas que se repelen</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Núcleo y corteza</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma de cinco tipos</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Exhibición: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristal de sal (demo)</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Fuerza entre el tipo %1 y el tipo %2 según la distancia, de %3 a %4, para ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 a cualquier distancia.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 y %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positiva atrae): mínima %2 en %3, máxima %4 en %5; no cambia de signo.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positiva atrae): mínima %2 en %3, máxima %4 en %5; cambia de signo %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Fuerza entre los tipos:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Cerrar parámetros</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>El primer tipo del par representado</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>El segundo tipo del par representado</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Tras cada «aceptar», la fuerza entre estos dos tipos se representa frente a su distancia</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Atracción fuerte</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Atracción débil</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Repulsión</translation>
    </message>
    <message>
        <source>done</source>
        <translation>aceptar</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Parámetros de fuerza</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ángulo horizontal</translation>
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
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Abrir proyecto</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Ver/editar proyecto</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Ver historial</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Ver estado final</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Ver/definir fuerzas</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Ayuda/Manual</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulación molecular</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Haga clic para continuar</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Guardar el proyecto</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>No se pudo leer el archivo de configuración; rigen los valores por defecto.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>No se pudo abrir el proyecto.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Este proyecto aún no tiene archivo.
Guárdelo primero con «Guardar como»: el cálculo escribe
su trayectoria y su estado final junto al archivo del proyecto.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>No se pudo iniciar ningún visor para el manual.
Ábralo en un navegador web: es el archivo
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>aún no disponible</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>¿Guardar el proyecto con los nuevos coeficientes de fuerza?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>¿Guardar los nuevos coeficientes de fuerza?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>No se pudo guardar el proyecto.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>El programa no pudo reiniciarse.
Elija de nuevo una opción, o inícielo a mano.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Este archivo no se puede recalcular, guardar ni sobrescribir.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Archivo del proyecto: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Guarde el archivo con otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 pertenece al proyecto %2,
que no está en la misma carpeta.
Ponga el proyecto junto a sus archivos,
o abra otro desde el menú.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>No se pudo crear la carpeta de trabajo:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>El programa trabaja en %1</translation>
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
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 frente a %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1, máximo %2 en %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>menos infinito</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 por 10 elevado a %2</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>como máximo 20 tipos</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 o más</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>máximo 200 en total</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>un número, no 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Datos del proyecto</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Número de tipos</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coef. fuerza fuerte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Fuerza débil (gravedad)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Fuerza de repulsión</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Editar fuerzas</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Número de partículas</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carga eléctrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diámetro en pantalla</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Color (pulse debajo) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Proyecto : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>¿Tipo %1 correcto?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Partículas de tipo %1 - parámetros</translation>
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
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Energía cinética por partícula</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tiempo (unidades de tiempo)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>energía cinética (u. energía)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>todas las partículas</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>baño (x el de la configuración)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>baño</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Energía cinética por partícula frente al tiempo</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Todavía no hay mediciones.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n fotograma, de t = %1 a t = %2. En t = %2: todas las partículas %3</numerusform>
            <numerusform>%n fotogramas, de t = %1 a t = %2. En t = %2: todas las partículas %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, tipo %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; baño x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>el número de tipos es negativo</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>%1 tipos de partículas, se permiten %2 como máximo</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>el tipo %1 tiene un número negativo de partículas</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>la masa del tipo %1 no es un número</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>el tipo %1 tiene una masa de %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>el diámetro del tipo %1 no es un número</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>el tipo %1 tiene un diámetro de %2, se permite de %3 a %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>%1 partículas en total, se permiten %2 como máximo</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>un coeficiente de fuerza no es un número</translation>
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
    <name>ScreenReader</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The cover read aloud: its title, then what to do.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation>Configuración avanzada</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Paso de integración</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Amortiguación</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Activar niebla</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Mostrar aristas del cubo</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>No se pudo guardar la configuración; se aplica hasta que termine el programa.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>«%1» no es un número; el paso sigue siendo %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>«%1» no es un número; la amortiguación sigue siendo %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Proyecto: %1   Archivo %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Archivo %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n tipo de partícula</numerusform>
            <numerusform>%n tipos de partículas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n partícula en total</numerusform>
            <numerusform>%n partículas en total</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coeficientes de fuerza:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Tipo %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>Masa %1  carga %2</translation>
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
