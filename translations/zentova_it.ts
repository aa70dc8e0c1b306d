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
</TS>
