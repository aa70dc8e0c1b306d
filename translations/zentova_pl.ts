<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Kryształ jonowy 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Kolaps grawitacyjny</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Ładunki jednoimienne</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Rdzeń i powłoka</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plazma pięciu rodzajów</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Pokaz: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Kryształ soli (demo)</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Otwórz projekt</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Pokaż/edytuj projekt</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Pokaż historię</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Pokaż stan końcowy</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Pokaż/określ siły</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Pomoc/Podręcznik</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Symulacja molekularna</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Kliknij, aby kontynuować</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu główne</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Wszystkie pliki</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Zapisywanie projektu</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Nie można odczytać pliku ustawień; obowiązują wartości domyślne.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Nie można otworzyć projektu.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Ten projekt nie ma jeszcze pliku.
Najpierw zapisz go przez „Zapisz jako”: obliczenie zapisuje
trajektorię i stan końcowy obok pliku projektu.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Nie udało się uruchomić przeglądarki podręcznika.
Otwórz go w przeglądarce internetowej: to plik
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>jeszcze niedostępne</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Zapisać projekt z nowymi współczynnikami sił?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Zapisać nowe współczynniki sił?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Nie można zapisać projektu.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>Program nie mógł uruchomić się ponownie.
Wybierz pozycję jeszcze raz albo uruchom go ręcznie.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Tego pliku nie można przeliczać, zapisywać ani nadpisywać.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Nazwa pliku projektu: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Zapisz plik pod inną nazwą i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 należy do projektu %2,
którego nie ma w tym samym folderze.
Połóż projekt obok jego plików
albo otwórz inny z menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Nie można utworzyć folderu roboczego:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>Program pracuje w %1</translation>
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
        <translation>Zentova - Projekt: %1   Plik %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Plik %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n typ cząstek</numerusform>
            <numerusform>%n typy cząstek</numerusform>
            <numerusform>%n typów cząstek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n cząstka łącznie</numerusform>
            <numerusform>%n cząstki łącznie</numerusform>
            <numerusform>%n cząstek łącznie</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Współczynniki sił:</translation>
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
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Liczba typów cząstek</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Wsp. siły silnej</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Siła słaba (grawitacja)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Siła odpychania</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Liczba cząstek</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Ładunek elektryczny</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Średnica na ekranie</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Kolor na ekranie</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Siła między typem %1 a typem %2 w zależności od odległości, od %3 do %4, dla ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 przy każdej odległości.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>między %1 a %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (dodatnia przyciąga): najmniejsza %2 przy %3, największa %4 przy %5; nie zmienia znaku.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (dodatnia przyciąga): najmniejsza %2 przy %3, największa %4 przy %5; zmienia znak %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Siła między typami:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Zakończ parametry sił</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>Pierwszy typ rysowanej pary</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>Drugi typ rysowanej pary</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Po każdym „gotowe” siła między tymi dwoma typami jest rysowana w zależności od ich odległości</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Przyciąganie silne</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Przyciąganie słabe</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Odpychanie</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Parametry sił</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Kąt poziomy</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>najwyżej 20 typów</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 lub więcej</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>najwyżej 200 razem</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>liczba różna od 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Dane projektu</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Liczba typów cząstek</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Wsp. siły silnej</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Siła słaba (grawitacja)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Siła odpychania</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Edytuj siły</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Liczba cząstek</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Ładunek elektryczny</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Średnica na ekranie</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Kolor (kliknij poniżej) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Projekt : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Typ cząstek %1 OK?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Cząstki typu %1 - parametry</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Advanced setup</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Krok całkowania</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Tłumienie</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Włącz mgłę</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Pokaż krawędzie sześcianu</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Kolor tła</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Nie udało się zapisać ustawień; obowiązują do zakończenia programu.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>„%1” nie jest liczbą; krok pozostaje %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>„%1” nie jest liczbą; tłumienie pozostaje %2.</translation>
    </message>
</context>
</TS>
