<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>Stan końcowy należy do innego projektu:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Odpowiedz TAK na „Nadpisać”, by zacząć ten projekt od nowa.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Jej ostatnia klatka: t = %1; stan końcowy: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>Trajektoria sięga poza stan końcowy.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Nic nie dopisano: nowe klatki cofałyby się w czasie.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Odpowiedz TAK na „Nadpisać”, by zacząć od nowa.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>Obliczeń nie można kontynuować z plików.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Brak stanu końcowego, od którego można kontynuować:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>Obliczenia ruszają od cząstek w obecnym stanie.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>Trajektorię dopasowano do stanu końcowego:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>Pomiary dopasowano do trajektorii:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>Obliczenia zatrzymały się w chwili %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Wybierz mniejszy krok w „Ustawieniach zaawansowanych”.</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Wybierz mniejsze tłumienie lub krok w „Ustawieniach zaawansowanych”.</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Nadaj typowi %1 większą masę w „Pokaż/edytuj projekt”.</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>Ruch stał się niestabilny: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Pliki zachowują wszystkie wcześniej zapisane klatki.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>Obliczenia nie mogą się rozpocząć:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Poczekaj na koniec innych obliczeń albo je zatrzymaj.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Uwaga:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Nadpisać stary plik trajektorii?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>Dopisać do starego pliku trajektorii?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pauza: kliknięcie lub klawisz w oknie głównym wznawia</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Zatrzymano: kliknij, by wrócić do menu</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Tego projektu nie można obliczyć:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>Obliczenia nie mogą się rozpocząć; zob. „Ustawienia zaawansowane”.</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>Obliczenia przerwane; pliki zachowują to, co zapisano.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Obliczenia: %n cząstka</numerusform>
            <numerusform>Obliczenia: %n cząstki</numerusform>
            <numerusform>Obliczenia: %n cząstek</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   klatki %2   %3 kroków/s   średnia Ek %4 na cząstkę   łaźnia x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 dotyczy innych typów lub jest uszkodzony.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Brak pomiarów: nie ma pliku %1.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>brakowało klatki stanu końcowego (t = %1) i ją dodano</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>pominięto klatkę urwaną w wierszu %1</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>tłumienie %1 jest za duże dla kroku całkowania %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>masa typu %1 (%2) jest za mała dla kroku całkowania %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>krok całkowania %1 jest za duży dla tych sił</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, przy łaźni %2 razy silniejszej niż w ustawieniach</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>Obliczenia nie mogą się rozpocząć.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Góra, Dół, Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>przesuwa ramkę po aktywnych pozycjach menu</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Enter lub Spacja</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>wybiera pozycję w ramce</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>T, Y lub Enter / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>odpowiada na pytanie TAK / NIE</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Lewo, Prawo (potem Enter)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>przesuwa ramkę między TAK i NIE (i odpowiada)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>dowolny klawisz</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>przechodzi dalej z okładki, komunikatu lub wykresu</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>przechodzi po polach i przyciskach edytora po kolei</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Enter (w polu)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>OK okna (Gotowe, Typ cząstek OK ?, Gotowe, gotowe)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Spacja lub Enter (na przycisku)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>naciska go</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 lub ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>pomoc klawiatury</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>kończy program</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Lewo, Prawo</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Kąt poziomy, w jedną lub drugą stronę, póki wciśnięty</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Góra, Dół</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Kąt pionowy, w jedną lub drugą stronę, póki wciśnięty</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ lub Page Up</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Przybliża, póki wciśnięty</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- lub Page Down</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Oddala, póki wciśnięty</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Home lub O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Kąt początkowy</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P lub Spacja</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pauza (przyciski nadal obracają i przybliżają) i wznowienie</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>End lub T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Stop lub Zakończ</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>po zatrzymaniu: powrót do menu, jak kliknięcie</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, potem Enter</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>przycisk z fokusem, jak kliknięcie (także Spacja)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>dłuższy opis obrazu</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>okno pomiarów, zapis obrazu, nagranie filmu</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Obliczenia: pchnięcia 1,25 razy silniejsze, słabsze, łaźnia z ustawień</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>pomoc klawiatury widoku; ponownie, by ją zamknąć</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>zamyka tę pomoc lub kończy nagrywanie</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Klawisze (dowolny klawisz lub kliknięcie zamyka tę pomoc)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Klawisze tego okna</translation>
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
        <translation>Nie można odtworzyć trajektorii.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Osiągnięto stan końcowy</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: pominięto klatkę urwaną w wierszu %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Osiągnięto stan końcowy, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Zatrzymano przy %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Osiągnięto stan końcowy: kliknij, by wrócić</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Zatrzymano: kliknij, by wrócić do menu</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Historia: %n cząstka</numerusform>
            <numerusform>Historia: %n cząstki</numerusform>
            <numerusform>Historia: %n cząstek</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   klatka %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>Nie można dalej odtwarzać trajektorii.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>Nie można pokazać stanu końcowego.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Stan końcowy przy %1, %n cząstka</numerusform>
            <numerusform>Stan końcowy przy %1, %n cząstki</numerusform>
            <numerusform>Stan końcowy przy %1, %n cząstek</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>Wielkość się nie zmienia</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, wiersz %2</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Przebieg z LAMMPS: %n cząstka</numerusform>
            <numerusform>Przebieg z LAMMPS: %n cząstki</numerusform>
            <numerusform>Przebieg z LAMMPS: %n cząstek</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   klatka %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Osiągnięto stan końcowy, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Zatrzymano przy %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>brak klatki</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Osiągnięto stan końcowy: kliknij, by zakończyć</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Zatrzymano: kliknij, by zakończyć</translation>
    </message>
</context>
<context>
    <name>View</name>
    <message>
        <source>Terminate</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Kąt poziomy</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Kąt pionowy</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Kąt początkowy</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Przybliżenie</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Przebieg symulacji</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pauza: P/Spacja wznawia</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Nagranie: %n klatka</numerusform>
            <numerusform>Nagranie: %n klatki</numerusform>
            <numerusform>Nagranie: %n klatek</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>widok nie pokazuje obrazu</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Obraz zapisano jako %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>Obrazu nie zapisano: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>Widok nie jest nagrywany: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Film zapisano jako %1 (%n klatka)</numerusform>
            <numerusform>Film zapisano jako %1 (%n klatki)</numerusform>
            <numerusform>Film zapisano jako %1 (%n klatek)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>Filmu nie zapisano: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>Nagrywanie przerwane: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>nic nie nagrano (widok nie narysował w tym czasie obrazu), więc nie zapisano pliku</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Nie pokazano żadnych cząstek.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>typ %2: %1 (masa %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Typy są rozdzielone: środki typów %1 i %2 są odległe o %3.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Typy są wymieszane: środki typów %1 i %2 są odległe o %3.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>pauza, P wznawia</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>w toku, End lub T zatrzymuje</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>pauza, kliknięcie lub klawisz w oknie głównym wznawia</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>obraz pozostaje, End lub T kończy</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>oczekiwanie, Enter lub kliknięcie wraca do menu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>Liczba cząstek: %1, %n typ: %2. Promień bezwładności %3 w sześcianie o połowie krawędzi %4.</numerusform>
            <numerusform>Liczba cząstek: %1, %n typy: %2. Promień bezwładności %3 w sześcianie o połowie krawędzi %4.</numerusform>
            <numerusform>Liczba cząstek: %1, %n typów: %2. Promień bezwładności %3 w sześcianie o połowie krawędzi %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>nagrywanie, %n klatka</numerusform>
            <numerusform>nagrywanie, %n klatki</numerusform>
            <numerusform>nagrywanie, %n klatek</numerusform>
        </translation>
    </message>
</context>
</TS>
