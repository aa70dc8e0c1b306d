<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Numero di tipi</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. forza forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Forza debole (gravità)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Forza repulsiva</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Numero di particelle</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carica elettrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diametro visualizzato</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Colore visualizzato</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Forza tra il tipo %1 e il tipo %2 in funzione della distanza, da %3 a %4, per ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 a ogni distanza.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>tra %1 e %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positiva attrae): minima %2 a %3, massima %4 a %5; non cambia segno.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positiva attrae): minima %2 a %3, massima %4 a %5; cambia segno %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Forza tra i tipi:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Chiudi parametri forze</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>Il primo tipo della coppia tracciata</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>Il secondo tipo della coppia tracciata</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Dopo ogni «fatto», la forza tra questi due tipi è tracciata in funzione della loro distanza</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Attrazione forte</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Attrazione debole</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Repulsione</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Parametri delle forze</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angolo orizzontale</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>al massimo 20 tipi</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 o più</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>max 200 in tutto</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>un numero, non 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Dati del progetto</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Numero di tipi</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. forza forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Forza debole (gravità)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Forza repulsiva</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Modifica forze</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Numero di particelle</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carica elettrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diametro visualizzato</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Colore (clic qui sotto) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Progetto : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Tipo %1 OK ?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Particelle di tipo %1 - parametri</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Passo di integrazione</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Smorzamento</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Attiva nebbia</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Mostra spigoli del cubo</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Valori predefiniti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Impossibile salvare le impostazioni; valgono fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>«%1» non è un numero; il passo resta %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>«%1» non è un numero; lo smorzamento resta %2.</translation>
    </message>
</context>
</TS>
