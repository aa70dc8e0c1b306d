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
        <translation>Diese Datei lässt sich nicht neu berechnen oder überschreiben.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Name der Projektdatei: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Unter anderem Namen speichern und erneut versuchen.</translation>
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
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Anzahl der Teilchentypen</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Koeff. starke Kraft</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Gravitation (schwach)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Abstoßende Kraft</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Anzahl der Teilchen</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Elektrische Ladung</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Anzeigedurchmesser</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Anzeigefarbe</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Kraft zwischen Typ %1 und Typ %2 über dem Abstand, %3 bis %4, für ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 bei jedem Abstand.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positiv zieht an): kleinste %2 bei %3, größte %4 bei %5; sie wechselt das Vorzeichen nicht.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positiv zieht an): kleinste %2 bei %3, größte %4 bei %5; sie wechselt das Vorzeichen %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Kraft zwischen den Typen:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Kraftparameter beenden</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>Der erste Typ des gezeichneten Paars</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>Der zweite Typ des gezeichneten Paars</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Nach jedem „fertig“ wird die Kraft zwischen diesen beiden Typen über ihrem Abstand gezeichnet</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Starke Anziehung</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Schwache Anziehung</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Abstoßung</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fertig</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Kraftparameter</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Horizontaler Winkel</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>höchstens 20 Typen</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 oder mehr</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>max. 200 insgesamt</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>eine Zahl, nicht 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Projektdaten</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Anzahl der Teilchentypen</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Koeff. starke Kraft</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Gravitation (schwach)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Abstoßende Kraft</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Kräfte bearbeiten</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Anzahl der Teilchen</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Elektrische Ladung</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Anzeigedurchmesser</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Farbe (unten klicken) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Projekt : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Teilchentyp %1 OK?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Teilchen vom Typ %1 - Parameter</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Integrationsschritt</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Nebel einschalten</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Würfelkanten zeigen</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden; sie gelten bis zum Programmende.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>„%1“ ist keine Zahl; der Schritt bleibt %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>„%1“ ist keine Zahl; die Dämpfung bleibt %2.</translation>
    </message>
</context>
</TS>
