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
        <translation>Tego pliku nie można ponownie obliczać, zapisywać ani nadpisywać.</translation>
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
</TS>
