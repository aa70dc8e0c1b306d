<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation type="unfinished"></translation>
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
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation type="unfinished"></translation>
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
</TS>
