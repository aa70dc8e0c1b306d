<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
