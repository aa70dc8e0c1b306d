<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
    <name>ScreenReader</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The cover read aloud: its title, then what to do.</extracomment>
        <translation>%1. %2</translation>
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
</TS>
