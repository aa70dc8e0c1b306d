<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation type="unfinished"></translation>
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
