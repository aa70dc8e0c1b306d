<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>Der Endzustand gehört zu einem anderen Projekt:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Mit JA bei „Überschreiben“ beginnt dieses Projekt neu.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Ihr letztes Bild: t = %1; der Endzustand: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>Die Trajektorie reicht über den Endzustand hinaus.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Nichts wurde angehängt: Neue Bilder gingen in der Zeit zurück.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Mit JA bei „Überschreiben“ beginnt alles von vorn.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>Die Berechnung kann aus den Dateien nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Es gibt keinen Endzustand zum Fortsetzen:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>Die Berechnung geht von den Teilchen aus, wie sie jetzt sind.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>Die Trajektorie wurde an den Endzustand angepasst:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>Die Messwerte wurden an die Trajektorie angepasst:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>Die Berechnung hielt zur Zeit %1 an.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Wählen Sie in „Erweiterte Einstellungen“ einen kleineren Schritt.</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Wählen Sie in „Erweiterte Einstellungen“ eine kleinere Dämpfung oder einen kleineren Schritt.</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Geben Sie Typ %1 in „Projekt zeigen/bearbeiten“ eine größere Masse.</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>Die Bewegung wurde instabil: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Die Dateien behalten jedes zuvor geschriebene Bild.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>Die Berechnung kann nicht beginnen:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Warten Sie, bis die andere Berechnung endet, oder beenden Sie sie.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Alte Trajektoriendatei überschreiben?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>An alte Trajektoriendatei anhängen?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pause: Klick oder Taste im Hauptfenster setzt fort</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Gestoppt: Klick führt zurück zum Menü</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Dieses Projekt kann nicht berechnet werden:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>Die Berechnung kann nicht beginnen; siehe „Erweiterte Einstellungen“.</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>Die Berechnung brach ab; die Dateien behalten das Geschriebene.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Berechnung von %n Teilchen</numerusform>
            <numerusform>Berechnung von %n Teilchen</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   Bilder %2   %3 Schritte/s   mittl. kin. Energie %4 je Teilchen   Bad x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 gehört zu anderen Typen oder ist beschädigt.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Keine Messwerte: %1 fehlt.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>das Bild des Endzustands (t = %1) fehlte und wurde ergänzt</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>das in Zeile %1 abgebrochene Bild wurde ausgelassen</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>Die Dämpfung %1 ist für den Zeitschritt %2 zu groß</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>Die Masse von Typ %1 (%2) ist für den Zeitschritt %3 zu klein</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>Der Zeitschritt %1 ist für diese Kräfte zu groß</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, mit dem Bad beim %2-Fachen der Einstellung</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>Die Berechnung kann nicht beginnen.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Auf, Ab, Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>den Fokusrahmen über die aktiven Menüpunkte bewegen</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>den Punkt im Rahmen wählen</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>J, Y oder Eingabe / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>eine Frage mit JA / NEIN beantworten</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Links, Rechts (dann Eingabe)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>Rahmen zwischen JA und NEIN bewegen (und antworten)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>beliebige Taste</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>weiter nach Titelbild, Hinweis oder Diagramm</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>durch Felder und Knöpfe eines Editors in Lesereihenfolge</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Eingabe (in einem Feld)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>das OK des Kastens (Fertig, Teilchentyp OK ?, Bereit, fertig)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Leertaste/Eingabe (Knopf)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>drückt sie</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 oder ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>die Tastaturhilfe</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>beendet das Programm</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Horizontalwinkel, in beide Richtungen, solange gedrückt</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Hoch, Runter</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Vertikalwinkel, in beide Richtungen, solange gedrückt</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ oder Bild auf</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Zoom näher heran, solange gedrückt</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- oder Bild ab</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Zoom weiter weg, solange gedrückt</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Pos1 oder O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ausgangswinkel</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P oder Leertaste</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>Pause (die Schaltflächen drehen und zoomen weiter) und weiter</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>Ende oder T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Stopp bzw. Beenden</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>nach dem Stopp: zurück zum Menü, wie ein Klick</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, dann Eingabe</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>der Knopf mit dem Fokus, wie ein Klick (auch Leertaste)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>eine längere Beschreibung des Bildes</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>das Fenster der Messwerte, Bild speichern, Film aufnehmen</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Berechnen: Stöße 1,25-mal stärker, schwächer, Bad wie eingestellt</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>die Tastaturhilfe der Ansicht; nochmals zum Schließen</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>schließt diese Hilfe oder beendet eine Aufnahme</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Tasten (eine Taste oder ein Klick schließt diese Hilfe)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Tasten dieses Fensters</translation>
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
        <translation>Die Trajektorie kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Endzustand erreicht</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: Das in Zeile %2 abgebrochene Bild wurde ausgelassen</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Endzustand erreicht, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Gestoppt bei %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Endzustand erreicht: Klick führt zurück</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Gestoppt: Klick führt zurück zum Menü</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Verlauf von %n Teilchen</numerusform>
            <numerusform>Verlauf von %n Teilchen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   Bild %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>Die Trajektorie kann nicht weiter abgespielt werden.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>Der Endzustand kann nicht angezeigt werden.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Endzustand bei %1, %n Teilchen</numerusform>
            <numerusform>Endzustand bei %1, %n Teilchen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>Größe ändert sich nicht</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Aus LAMMPS zurückgeholter Lauf mit %n Teilchen</numerusform>
            <numerusform>Aus LAMMPS zurückgeholter Lauf mit %n Teilchen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   Bild %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Endzustand erreicht, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Gestoppt bei %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Endzustand erreicht: Klick beendet</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Gestoppt: Klick beendet</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Horizontalwinkel</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Vertikalwinkel</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Ausgangswinkel</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulationslauf</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pause: P/Leertaste: weiter</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Aufnahme: %n Bild</numerusform>
            <numerusform>Aufnahme: %n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>die Ansicht zeigt kein Bild</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Bild gespeichert als %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>Das Bild wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>Die Ansicht wird nicht aufgenommen: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Film gespeichert als %1 (%n Bild)</numerusform>
            <numerusform>Film gespeichert als %1 (%n Bilder)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>Der Film wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>Die Aufnahme brach ab: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>nichts wurde aufgenommen (die Ansicht zeichnete inzwischen kein Bild), also wurde keine Datei geschrieben</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Es werden keine Teilchen gezeigt.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 vom Typ %2 (Masse %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Die Typen sind getrennt: Die Schwerpunkte der Typen %1 und %2 liegen %3 auseinander.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Die Typen sind gemischt: Die Schwerpunkte der Typen %1 und %2 liegen %3 auseinander.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>angehalten, P setzt fort</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>läuft, Ende oder T stoppt</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>angehalten, ein Klick oder eine Taste im Hauptfenster setzt fort</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>das Bild bleibt, Ende oder T beendet</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>wartet, Eingabe oder ein Klick führt zurück zum Menü</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 Teilchen von %n Typ: %2. Trägheitsradius %3 in einem Würfel der halben Kantenlänge %4.</numerusform>
            <numerusform>%1 Teilchen von %n Typen: %2. Trägheitsradius %3 in einem Würfel der halben Kantenlänge %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>Aufnahme, %n Bild</numerusform>
            <numerusform>Aufnahme, %n Bilder</numerusform>
        </translation>
    </message>
</context>
</TS>
