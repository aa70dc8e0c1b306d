<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</numerusform>
            <numerusform>%n positions lie outside the cube and are left out; the frames holding them are left out of the wandering.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>The wandering uses %1 of the frames: the others hold other particles.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>There are no kinetic energies: %1 holds no readings.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>There are no kinetic energies: %1 is missing (calculate the project again to make it).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n position lies outside the box and is left out.</numerusform>
            <numerusform>%n positions lie outside the box and are left out.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>The box is not a cube: g(r) is normalised for a cube of its volume.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>type %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>types</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>first peak at (cube units)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>first dip at (cube units)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>neighbours of the second type around one of the first</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>neighbours of the first type around one of the second</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>no clear peak</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>no clear dip</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Why the values reach far above 1:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Divided by %1, g(r) compares with the lump&apos;s own density.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>How far apart the particles sit: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Radial distribution g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>distance r (cube units)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = as often as by chance)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>types %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>How far the particles wander</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Mean square displacement</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>time lag (time units)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>mean square displacement (cube units²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Where each kind gathers</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Where each kind lies from the centre of mass</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>distance from the centre of mass (cube units)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>share of the kind&apos;s particles in the shell (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>How lively the particles are: kinetic energy</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Kinetic energy</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>time (time units)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>kinetic energy per particle (energy units)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>all particles (all of type %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>all particles</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Heating and cooling: kinetic energy against the bath</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Heating curve</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>bath (times the setup&apos;s temperature)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>settled, in the order of the run</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>too short to settle</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n frame, from t = %2)</numerusform>
            <numerusform>x %1 (%n frames, from t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>The structure and the wandering use the one frame, at t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>The structure and the wandering use %1 of the %n frame, from t = %2 to t = %3.</numerusform>
            <numerusform>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>The structure and the wandering use %1 of the %n frame, from t = %2 to t = %3 (one in every %4, %5 frames).</numerusform>
            <numerusform>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>The structure and the wandering use the one frame of %1 particles, at t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>The structure and the wandering use %1 of the %n frame of %2 particles, from t = %3 to t = %4.</numerusform>
            <numerusform>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>The structure and the wandering use %1 of the %n frame of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</numerusform>
            <numerusform>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Zentova analysis of %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>What happened in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Numbers: %1, picture: %2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished">Note:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Calculation of %n particles</numerusform>
            <numerusform>Calculation of %n particles</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Ionic crystal 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Gravity collapse</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Like charges repel</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Core and shell</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma of five kinds</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Showpiece: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Salt crystal (demo)</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>presses it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End or T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Retrieve project</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Show/Edit project</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Show history</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Show final state</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Show/define forces</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Advanced setup</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Help/Manual</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Molecular Simulation</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Click to continue</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Main menu</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Any file</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Saving project</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>The settings file could not be read; the defaults apply.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>The project could not be opened.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>not available yet</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Save the project with the new force coefficients ?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Save the new force coefficients ?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>The project could not be saved.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>The program could not start itself again.
Choose an item again, or start it by hand.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>You cannot recalculate, save or overwrite this file.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Project file name: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Seave the file with different name and try again.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>The work folder could not be made:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>The program works in %1</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>t = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>History of %n particles</numerusform>
            <numerusform>History of %n particles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Final state at %1, %n particles</numerusform>
            <numerusform>Final state at %1, %n particles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 against %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1 highest %2 at %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinite</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>minus infinite</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 times 10 to the %2</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New project</source>
        <translation type="unfinished">New project</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Kinetic energy per particle</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>time (time units)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>kinetic energy (energy units)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>all particles</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>type %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>bath (x the setup&apos;s)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>bath</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Kinetic energy per particle against time</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>No readings yet.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n frame, from t = %1 to t = %2. At t = %2: all particles %3</numerusform>
            <numerusform>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, type %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; bath x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Run of %n particles brought back from LAMMPS</numerusform>
            <numerusform>Run of %n particles brought back from LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Advanced setup</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Project : %1   File %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>File %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n parlicle types</numerusform>
            <numerusform>%n parlicle types</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n total particles</numerusform>
            <numerusform>%n total particles</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Force coefficients:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Type %1 (%2)</translation>
    </message>
    <message>
        <source>Mass %1  charge %2</source>
        <extracomment>The panel holds about 185 pixels: &quot;Mass 200.500 charge 2&quot; just fits; a translation too long may use the symbols (&quot;m = %1 q = %2&quot;).</extracomment>
        <translation>Mass %1  charge %2</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Recording: %n frames</numerusform>
            <numerusform>Recording: %n frames</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Movie saved as %1 (%n frames)</numerusform>
            <numerusform>Movie saved as %1 (%n frames)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 particles of %n type: %2. Radius of gyration %3 in a cube of half edge %4.</numerusform>
            <numerusform>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>recording, %n frames</numerusform>
            <numerusform>recording, %n frames</numerusform>
        </translation>
    </message>
</context>
</TS>
