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
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n position lies outside the box and is left out.</numerusform>
            <numerusform>%n positions lie outside the box and are left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n frame, from t = %2)</numerusform>
            <numerusform>x %1 (%n frames, from t = %2)</numerusform>
        </translation>
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
</context>
<context>
    <name>Calculation</name>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Calculation of %n particles</numerusform>
            <numerusform>Calculation of %n particles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>History of %n particles</numerusform>
            <numerusform>History of %n particles</numerusform>
        </translation>
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
    <name>Readings</name>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n frame, from t = %1 to t = %2. At t = %2: all particles %3</numerusform>
            <numerusform>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</numerusform>
        </translation>
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
</context>
<context>
    <name>Summary</name>
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
</context>
<context>
    <name>View</name>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Recording: %n frames</numerusform>
            <numerusform>Recording: %n frames</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Movie saved as %1 (%n frames)</numerusform>
            <numerusform>Movie saved as %1 (%n frames)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
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
