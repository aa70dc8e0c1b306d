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
</TS>
