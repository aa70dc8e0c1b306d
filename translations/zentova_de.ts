<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Ionenkristall 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Gravitationskollaps</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Abstoßende Ladungen</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Kern und Hülle</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma aus fünf Sorten</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Schaustück: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Salzkristall (Demo)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Projekt zeigen/ändern</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Verlauf zeigen</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Endzustand zeigen</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Kräfte zeigen/festlegen</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Hilfe/Handbuch</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Molekulare Simulation</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Zum Fortfahren klicken</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Projekt speichern</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Die Einstellungsdatei ist nicht lesbar; es gelten die Grundwerte.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Das Projekt konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Dieses Projekt hat noch keine Datei.
Zuerst mit „Speichern unter“ speichern: die Berechnung schreibt
ihre Bahnen und den Endzustand neben die Projektdatei.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Kein Programm zum Anzeigen des Handbuchs ließ sich starten.
Im Webbrowser öffnen: es ist die Datei
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>noch nicht verfügbar</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Projekt mit den neuen Kraftkoeffizienten speichern?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Die neuen Kraftkoeffizienten speichern?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Das Projekt konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>Das Programm konnte sich nicht neu starten.
Einen Punkt erneut wählen oder das Programm von Hand starten.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Diese Datei kann nicht neu berechnet, gespeichert oder überschrieben werden.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Name der Projektdatei: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Die Datei unter einem anderen Namen speichern und erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 gehört zum Projekt %2,
das nicht im selben Ordner liegt.
Das Projekt neben seine Dateien legen
oder im Menü ein anderes öffnen.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Der Arbeitsordner ließ sich nicht anlegen:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>Das Programm arbeitet in %1</translation>
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
        <translation>Zentova - Projekt: %1   Datei %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Datei %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n Teilchentyp</numerusform>
            <numerusform>%n Teilchentypen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n Teilchen insgesamt</numerusform>
            <numerusform>%n Teilchen insgesamt</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Kraftkoeffizienten:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Typ %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>m = %1  q = %2</translation>
    </message>
</context>
</TS>
