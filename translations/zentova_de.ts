<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n Position liegt außerhalb des Würfels und wird weggelassen; die Bilder, die sie enthalten, bleiben bei der Wanderung außen vor.</numerusform>
            <numerusform>%n Positionen liegen außerhalb des Würfels und werden weggelassen; die Bilder, die sie enthalten, bleiben bei der Wanderung außen vor.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>Die Wanderung nutzt %1 der Bilder: Die anderen enthalten andere Teilchen.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>Es gibt keine kinetischen Energien: %1 enthält keine Messwerte.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>Es gibt keine kinetischen Energien: %1 fehlt (berechne das Projekt noch einmal, um sie zu erzeugen).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n Position liegt außerhalb des Kastens und wird weggelassen.</numerusform>
            <numerusform>%n Positionen liegen außerhalb des Kastens und werden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>Der Kasten ist kein Würfel: g(r) ist auf einen Würfel gleichen Volumens bezogen.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>Es gibt keine kinetischen Energien: %1 enthält zu den Bildern des Dumps keine Thermo-Zeilen mit den Spalten dieses Exports.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>erster Gipfel bei (Würfeleinheiten)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>erstes Tal bei (Würfeleinheiten)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>Nachbarn vom zweiten Typ um eines vom ersten</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>Nachbarn vom ersten Typ um eines vom zweiten</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>kein klarer Gipfel</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>kein klares Tal</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Warum die Werte weit über 1 steigen:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>Die Teilchen haben sich zu einem Klumpen von etwa %1 Würfeleinheiten Durchmesser gesammelt, der etwa %2 % des Würfels füllt (eine Kugel, die so weit um ihre Mitte verteilt ist wie sie). Darin treffen sie einander etwa %3-mal so oft, wie wenn sie über den ganzen Würfel verteilt wären; deshalb liegt g(r) im Klumpen um so viel über dem Zufall und fällt bei Abständen, die größer als der Klumpen sind, auf 0.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Durch %1 geteilt, vergleicht g(r) mit der Dichte des Klumpens selbst.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Durch %1 geteilt, vergleicht g(r) mit der Dichte des Klumpens selbst: Der höchste Wert, %2 (Typen %3 – %4 bei r = %5), ist dann das %6-Fache der Dichte des Klumpens, noch immer weit über 1: Diese Teilchen sammeln sich im Klumpen dichter, etwa in einem Kern in seiner Mitte.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Durch %1 geteilt, vergleicht g(r) mit der Dichte des Klumpens selbst: Der höchste Wert, %2 (Typen %3 – %4 bei r = %5), ist dann das %6-Fache der Dichte des Klumpens.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;Der höchste Punkt&lt;/b&gt;, %1 je Teilchen bei t = %2, ist das %3-Fache des Mittelwerts der zweiten Hälfte des Laufs (%4); er kam, während das Wärmebad auf x %5 erhöht war.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;Der höchste Punkt&lt;/b&gt;, %1 je Teilchen bei t = %2, ist das %3-Fache des Mittelwerts der zweiten Hälfte des Laufs (%4): Das Wärmebad war damals nicht erhöht; es ist also Lageenergie, die zu Bewegung wurde, als die Kräfte der Teilchen sie zusammenzogen (zu einem Klumpen) oder auseinandertrieben, schneller, als die Dämpfung des Bades sie abführte.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Er bestimmt den Maßstab des Diagramms, sodass der Rest des Laufs daneben klein aussieht; energies.csv enthält jeden Wert.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>Wie weit die Teilchen auseinander sitzen: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Dieses Diagramm zeigt, wie oft zwei Teilchen im Abstand r voneinander zu finden sind, verglichen mit Teilchen, die zufällig im Kasten verstreut sind. Ein Wert von 1 bedeutet „so oft wie zufällig“. Ein hoher, schmaler Gipfel bedeutet, dass die Teilchen genau diesen Abstand gern einhalten, ein Zeichen von Ordnung wie in einem Kristall; eine flache Linie nahe 1 bedeutet keine Ordnung, wie in einem Gas. Die Tabelle zählt für jede Sorte, wie viele Partner der anderen Sorte näher als das erste Tal nach dem ersten Gipfel sitzen: die nächsten Nachbarn.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Radiale Verteilungsfunktion g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>Abstand r (Würfeleinheiten)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = so oft wie zufällig)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>Typen %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Wie weit die Teilchen wandern</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Dieses Diagramm zeigt, wie weit sich ein Teilchen jeder Sorte im Mittel von seinem Ort entfernt hat, abhängig davon, wie lange wir gewartet haben (der Abstand ist quadriert, 100 bedeutet also 10 Würfeleinheiten). Eine Linie, die immer weiter steigt, bedeutet, dass die Teilchen umherwandern, wie in einem Gas oder einer Flüssigkeit; eine Linie, die bald flach wird, bedeutet, dass jedes Teilchen nahe seinem Platz bleibt, wie in einem Festkörper.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Mittleres Verschiebungsquadrat</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>Zeitabstand (Zeiteinheiten)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>mittleres Verschiebungsquadrat (Würfeleinheiten²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Das Diagramm ist leer:&lt;/b&gt; Die Wanderung braucht zwei oder mehr Bilder mit denselben Teilchen, und nur ein solches Bild wird ausgewertet. Wähle mit --from und --to einen längeren Abschnitt des Laufs.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Das Diagramm ist leer:&lt;/b&gt; Die Wanderung braucht zwei oder mehr Bilder mit denselben Teilchen, und kein solches Bild wird ausgewertet. Wähle mit --from und --to einen längeren Abschnitt des Laufs.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Wo sich jede Sorte sammelt</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Dieses Diagramm zeigt für jede Teilchensorte, welcher Anteil ihrer Teilchen in welchem Abstand von der Mitte der ganzen Gruppe (ihrem Schwerpunkt) liegt, in Schalen von einer Würfeleinheit Dicke. Die Linie jeder Sorte ergibt zusammen 100 %, so lässt sich eine Sorte mit wenigen Teilchen mit einer mit vielen vergleichen: Eine Sorte, deren Linie links steigt und fällt, sammelt sich in der Mitte; eine Sorte, deren Linie weiter rechts liegt, bleibt außen. Die Zahlen geben auch die Dichte jeder Sorte in jeder Schale an.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Wo jede Sorte vom Schwerpunkt aus liegt</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>Abstand vom Schwerpunkt (Würfeleinheiten)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>Anteil der Teilchen der Sorte in der Schale (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>Wie lebhaft die Teilchen sind: kinetische Energie</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Dieses Diagramm zeigt die Bewegungsenergie (kinetische Energie) eines durchschnittlichen Teilchens, aller Teilchen und jeder Sorte, im Lauf der Zeit; es umfasst den ganzen Lauf. Heißer bedeutet schneller. Fallende Linien bedeuten, dass das System abkühlt; Linien, die flach werden, bedeuten, dass es sich eingependelt hat.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Kinetische Energie</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>Zeit (Zeiteinheiten)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>kinetische Energie je Teilchen (Energieeinheiten)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>alle Teilchen (alle vom Typ %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>alle Teilchen</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Heizen und Kühlen: kinetische Energie gegen das Wärmebad</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>Der Lauf hat die Temperatur des Wärmebads geändert (mit den Tasten H, C und B oder mit --bath). Jeder Punkt ist ein Abschnitt bei einem Bad: nach rechts, wie heiß das Bad war (1 = das der Grundeinstellung); nach oben, bei welcher Bewegungsenergie sich ein durchschnittliches Teilchen eingependelt hat, der Mittelwert über die zweite Hälfte des Abschnitts (in heating.csv zählt frames den ganzen Abschnitt und frames_in_mean seine zweite Hälfte). Die Linie verbindet die eingependelten Abschnitte in der Reihenfolge des Laufs. Das Bad bestimmt die Temperatur, daher liegen die eingependelten Punkte nahe einer Geraden durch null; ein Punkt weit daneben zeigt Teilchen, die sich selbst erhitzen, wie ein Klumpen, während er entsteht. Ob die Teilchen geschmolzen sind, zeigen g(r) und die Wanderung: Werte jeden Abschnitt mit --from und --to aus.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Heizkurve</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>Bad (mal die Temperatur der Grundeinstellung)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>eingependelt, in der Reihenfolge des Laufs</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>zu kurz zum Einpendeln</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n Bild, ab t = %2)</numerusform>
            <numerusform>x %1 (%n Bilder, ab t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Ein Abschnitt war zu kurz zum Einpendeln&lt;/b&gt;, hohl gezeichnet und nicht verbunden: Bad %1. Die Teilchen waren seinem Bad noch nicht gefolgt: Seine zweite Hälfte begann weniger als die Einstellzeit des Bades (%2 Zeiteinheiten bei der Dämpfung der Grundeinstellung) nach seinem ersten Bild, oder sie enthielt weniger als %3 Bilder. Ihre Energien hinken hinterher und zeigen keinen Schmelzpunkt; halte ein Bad länger, um ihn zu messen.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Einige Abschnitte waren zu kurz zum Einpendeln&lt;/b&gt;, hohl gezeichnet und nicht verbunden: Bad %1. Die Teilchen waren ihren Bädern noch nicht gefolgt: Die zweite Hälfte jedes Abschnitts begann weniger als die Einstellzeit des Bades (%2 Zeiteinheiten bei der Dämpfung der Grundeinstellung) nach seinem ersten Bild, oder sie enthielt weniger als %3 Bilder. Ihre Energien hinken hinterher und zeigen keinen Schmelzpunkt; halte ein Bad länger, um ihn zu messen.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>Die Struktur und die Wanderung nutzen das eine Bild bei t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>Die Struktur und die Wanderung nutzen %1 von %n Bild, von t = %2 bis t = %3.</numerusform>
            <numerusform>Die Struktur und die Wanderung nutzen %1 der %n Bilder, von t = %2 bis t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>Die Struktur und die Wanderung nutzen %1 von %n Bild, von t = %2 bis t = %3 (jedes %4., %5 Bilder).</numerusform>
            <numerusform>Die Struktur und die Wanderung nutzen %1 der %n Bilder, von t = %2 bis t = %3 (jedes %4., %5 Bilder).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>Die Struktur und die Wanderung nutzen das eine Bild mit %1 Teilchen bei t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>Die Struktur und die Wanderung nutzen %1 von %n Bild mit %2 Teilchen, von t = %3 bis t = %4.</numerusform>
            <numerusform>Die Struktur und die Wanderung nutzen %1 der %n Bilder mit %2 Teilchen, von t = %3 bis t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>Die Struktur und die Wanderung nutzen %1 von %n Bild mit %2 Teilchen, von t = %3 bis t = %4 (jedes %5., %6 Bilder).</numerusform>
            <numerusform>Die Struktur und die Wanderung nutzen %1 der %n Bilder mit %2 Teilchen, von t = %3 bis t = %4 (jedes %5., %6 Bilder).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Zentova-Auswertung von %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>Was in „%1“ geschah</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Zahlen: %1, Grafik: %2</translation>
    </message>
</context>
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
        <translation>Geben Sie Typ %1 in „Projekt zeigen/ändern“ eine größere Masse.</translation>
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
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 gegen %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1 mit Höchstwert %2 bei %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>minus unendlich</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 mal 10 hoch %2</translation>
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
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Kinetische Energie je Teilchen</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>Zeit (Zeiteinheiten)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>kin. Energie (Energieeinheiten)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>alle Teilchen</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>Bad (x Grundeinstellung)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>Bad</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Kinetische Energie je Teilchen gegen die Zeit</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Noch keine Messwerte.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n Bild, von t = %1 bis t = %2. Bei t = %2: alle Teilchen %3</numerusform>
            <numerusform>%n Bilder, von t = %1 bis t = %2. Bei t = %2: alle Teilchen %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, Typ %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; Bad x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>die Zahl der Typen ist negativ</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>%1 Teilchentypen, höchstens %2 sind erlaubt</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>Typ %1 hat eine negative Teilchenzahl</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>die Masse von Typ %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>Typ %1 hat die Masse %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>der Durchmesser von Typ %1 ist keine Zahl</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>Typ %1 hat den Durchmesser %2, erlaubt sind %3 bis %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>%1 Teilchen insgesamt, höchstens %2 sind erlaubt</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>ein Kraftkoeffizient ist keine Zahl</translation>
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
