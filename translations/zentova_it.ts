<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristallo ionico 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Collasso gravitazionale</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Repulsione tra cariche</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Nucleo e guscio</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma di cinque tipi</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Vetrina: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristallo di sale (demo)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Mostra/modifica progetto</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Mostra cronologia</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Mostra stato finale</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Mostra/definisci forze</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Aiuto/Manuale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulazione molecolare</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Fai clic per continuare</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Salvataggio del progetto</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Impossibile leggere il file delle impostazioni; valgono i valori predefiniti.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Impossibile aprire il progetto.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Questo progetto non ha ancora un file.
Salvalo prima con «Salva con nome»: il calcolo scrive
la traiettoria e lo stato finale accanto al file del progetto.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Impossibile avviare un visualizzatore per il manuale.
Aprilo in un browser web: è il file
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>non ancora disponibile</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Salvare il progetto con i nuovi coefficienti di forza?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Salvare i nuovi coefficienti di forza?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Impossibile salvare il progetto.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>Il programma non è riuscito a riavviarsi.
Scegli di nuovo una voce, o avvialo a mano.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Non puoi ricalcolare, salvare o sovrascrivere questo file.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Nome del file del progetto: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Salva il file con un altro nome e riprova.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 appartiene al progetto %2,
che non è nella stessa cartella.
Metti il progetto accanto ai suoi file,
o aprine un altro dal menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Impossibile creare la cartella di lavoro:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>Il programma lavora in %1</translation>
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
        <translation>Zentova - Progetto: %1   File %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>File %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n tipo di particella</numerusform>
            <numerusform>%n tipi di particelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n particella in tutto</numerusform>
            <numerusform>%n particelle in tutto</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coefficienti di forza:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Tipo %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>m = %1  q = %2</translation>
    </message>
</context>
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
