<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n położenie leży poza sześcianem i zostaje pominięte; klatki, które je zawierają, są pominięte w wędrówce.</numerusform>
            <numerusform>%n położenia leżą poza sześcianem i zostają pominięte; klatki, które je zawierają, są pominięte w wędrówce.</numerusform>
            <numerusform>%n położeń leży poza sześcianem i zostaje pominiętych; klatki, które je zawierają, są pominięte w wędrówce.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>Wędrówka korzysta z %1 klatek: pozostałe zawierają inne cząstki.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>Brak energii kinetycznych: %1 nie zawiera pomiarów.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>Brak energii kinetycznych: brakuje pliku %1 (oblicz projekt ponownie, aby go utworzyć).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n położenie leży poza pudełkiem i zostaje pominięte.</numerusform>
            <numerusform>%n położenia leżą poza pudełkiem i zostają pominięte.</numerusform>
            <numerusform>%n położeń leży poza pudełkiem i zostaje pominiętych.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>Pudełko nie jest sześcianem: g(r) unormowano dla sześcianu o tej samej objętości.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>Brak energii kinetycznych: %1 nie zawiera w klatkach zrzutu wierszy thermo z kolumnami tego eksportu.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>typ %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>typy</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>pierwsze maksimum przy (jedn. sześcianu)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>pierwsze minimum przy (jedn. sześcianu)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>sąsiedzi drugiego typu wokół jednej cząstki pierwszego</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>sąsiedzi pierwszego typu wokół jednej cząstki drugiego</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>brak wyraźnego maksimum</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>brak wyraźnego minimum</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Dlaczego wartości sięgają daleko ponad 1:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>cząstki zebrały się w skupisko o średnicy około %1 jednostek sześcianu, które wypełnia około %2 % sześcianu (kula rozłożona wokół swego środka tak jak one). W nim spotykają się około %3 razy częściej, niż gdyby były rozproszone w całym sześcianie, więc g(r) leży w skupisku o tyle wyżej niż przy przypadkowym rozkładzie i spada do 0 przy odległościach większych niż szerokość skupiska.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Po podzieleniu przez %1 g(r) odnosi się do gęstości samego skupiska.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Po podzieleniu przez %1 g(r) odnosi się do gęstości samego skupiska: największa wartość, %2 (typy %3 – %4 przy r = %5), wynosi wtedy %6 gęstości skupiska, wciąż daleko ponad 1: te cząstki gromadzą się gęściej wewnątrz skupiska, np. w jądrze w jego środku.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Po podzieleniu przez %1 g(r) odnosi się do gęstości samego skupiska: największa wartość, %2 (typy %3 – %4 przy r = %5), wynosi wtedy %6 gęstości skupiska.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;Najwyższy punkt&lt;/b&gt;, %1 na cząstkę przy t = %2, to %3 razy średnia z drugiej połowy obliczeń (%4); pojawił się, gdy łaźnię podniesiono do x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;Najwyższy punkt&lt;/b&gt;, %1 na cząstkę przy t = %2, to %3 razy średnia z drugiej połowy obliczeń (%4): łaźni wtedy nie podniesiono, więc jest to energia położenia zamieniona w ruch, gdy siły cząstek je zbliżyły (w skupisko) lub rozepchnęły, szybciej, niż tłumienie łaźni ją odbierało.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Wyznacza on skalę wykresu, więc reszta obliczeń wygląda przy nim na małą; energies.csv zawiera wszystkie wartości.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>Jak daleko od siebie są cząstki: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Ten wykres pokazuje, jak często dwie cząstki znajdują się w odległości r od siebie, w porównaniu z cząstkami rozrzuconymi losowo w pudełku. Wartość 1 oznacza „tak często jak przypadkiem”. Wysokie, wąskie maksimum oznacza, że cząstki chętnie trzymają dokładnie tę odległość, co jest oznaką porządku jak w krysztale; płaska linia blisko 1 oznacza brak porządku, jak w gazie. Tabela liczy dla każdego rodzaju, ilu partnerów drugiego rodzaju jest bliżej niż pierwsze minimum po pierwszym maksimum: najbliższych sąsiadów.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Rozkład radialny g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>odległość r (jednostki sześcianu)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = tak często jak przypadkiem)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>typy %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Jak daleko wędrują cząstki</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Ten wykres pokazuje, jak daleko przeciętnie cząstka każdego rodzaju odeszła od miejsca, w którym była, w zależności od czasu czekania (odległość jest podniesiona do kwadratu, więc 100 oznacza 10 jednostek sześcianu). Linia, która wciąż rośnie, oznacza, że cząstki wędrują, jak w gazie lub cieczy; linia, która szybko się spłaszcza, oznacza, że każda cząstka zostaje blisko swojego miejsca, jak w ciele stałym.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Średnie przesunięcie kwadratowe</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>odstęp czasu (jednostki czasu)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>średnie przesunięcie kwadratowe (jedn. sześcianu²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Wykres jest pusty:&lt;/b&gt; wędrówka wymaga co najmniej dwóch klatek z tymi samymi cząstkami, a analizowana jest tylko jedna taka klatka. Wybierz dłuższy odcinek obliczeń opcjami --from i --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Wykres jest pusty:&lt;/b&gt; wędrówka wymaga co najmniej dwóch klatek z tymi samymi cząstkami, a nie jest analizowana żadna taka klatka. Wybierz dłuższy odcinek obliczeń opcjami --from i --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Gdzie gromadzi się każdy rodzaj</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Ten wykres pokazuje dla każdego rodzaju cząstek, jaka część jego cząstek leży w danej odległości od środka całej grupy (jej środka masy), w warstwach o grubości jednej jednostki sześcianu. Linia każdego rodzaju sumuje się do 100 %, więc rodzaj o niewielu cząstkach można porównać z licznym: rodzaj, którego linia rośnie i opada po lewej, gromadzi się w środku; rodzaj, którego linia leży bardziej w prawo, zostaje na zewnątrz. Liczby podają też gęstość każdego rodzaju w każdej warstwie.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Położenie każdego rodzaju względem środka masy</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>odległość od środka masy (jedn. sześcianu)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>udział cząstek rodzaju w warstwie (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>Jak żwawo ruszają się cząstki: energia kinetyczna</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Ten wykres pokazuje energię ruchu (energię kinetyczną) przeciętnej cząstki, wszystkich cząstek i każdego rodzaju, w miarę upływu czasu; obejmuje całe obliczenia. Cieplej znaczy szybciej. Linie opadające oznaczają, że układ stygnie; linie, które się wyrównują, oznaczają, że się ustalił.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energia kinetyczna</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>czas (jednostki czasu)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>energia kinetyczna na cząstkę (jedn. energii)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>wszystkie cząstki (wszystkie typu %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>wszystkie cząstki</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Grzanie i chłodzenie: energia kinetyczna a łaźnia</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>Obliczenia zmieniły temperaturę łaźni (klawiszami H, C i B albo opcją --bath). Każdy punkt to jeden odcinek przy jednej łaźni: w poziomie, jak gorąca była łaźnia (1 = ta z ustawień); w pionie, energia ruchu, przy której ustaliła się przeciętna cząstka, średnia z drugiej połowy odcinka (w heating.csv frames liczy cały odcinek, a frames_in_mean jego drugą połowę). Linia łączy ustalone odcinki w kolejności obliczeń. Łaźnia wyznacza temperaturę, więc ustalone punkty leżą blisko prostej przechodzącej przez zero; punkt daleko od niej pokazuje cząstki, które same się nagrzewają, jak skupisko w trakcie powstawania. Czy cząstki się stopiły, pokazują g(r) i wędrówka: przeanalizuj każdy odcinek opcjami --from i --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Krzywa grzania</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>łaźnia (razy temperatura z ustawień)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>ustalone, w kolejności obliczeń</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>za krótkie, by się ustalić</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n klatka, od t = %2)</numerusform>
            <numerusform>x %1 (%n klatki, od t = %2)</numerusform>
            <numerusform>x %1 (%n klatek, od t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Jeden odcinek był za krótki, by się ustalić&lt;/b&gt;; narysowano go pusty i niepołączony: łaźnia %1. Cząstki nie zdążyły jeszcze dostosować się do jego łaźni: jego druga połowa zaczęła się wcześniej niż czas relaksacji łaźni (%2 jednostek czasu przy tłumieniu z ustawień) po jego pierwszej klatce albo miała mniej niż %3 klatki. Ich energie pozostają w tyle i nie pokazują temperatury topnienia; utrzymaj łaźnię dłużej, aby ją zmierzyć.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Niektóre odcinki były za krótkie, by się ustalić&lt;/b&gt;; narysowano je puste i niepołączone: łaźnia %1. Cząstki nie zdążyły jeszcze dostosować się do swoich łaźni: druga połowa każdego odcinka zaczęła się wcześniej niż czas relaksacji łaźni (%2 jednostek czasu przy tłumieniu z ustawień) po jego pierwszej klatce albo miała mniej niż %3 klatki. Ich energie pozostają w tyle i nie pokazują temperatury topnienia; utrzymaj łaźnię dłużej, aby ją zmierzyć.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>Struktura i wędrówka korzystają z jedynej klatki, przy t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatki, od t = %2 do t = %3.</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek, od t = %2 do t = %3.</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek, od t = %2 do t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatki, od t = %2 do t = %3 (co %4., razem %5 klatek).</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek, od t = %2 do t = %3 (co %4., razem %5 klatek).</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek, od t = %2 do t = %3 (co %4., razem %5 klatek).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>Struktura i wędrówka korzystają z jedynej klatki z %1 cząstkami, przy t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatki z %2 cząstkami, od t = %3 do t = %4.</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek z %2 cząstkami, od t = %3 do t = %4.</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek z %2 cząstkami, od t = %3 do t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatki z %2 cząstkami, od t = %3 do t = %4 (co %5., razem %6 klatek).</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek z %2 cząstkami, od t = %3 do t = %4 (co %5., razem %6 klatek).</numerusform>
            <numerusform>Struktura i wędrówka korzystają z %1 z %n klatek z %2 cząstkami, od t = %3 do t = %4 (co %5., razem %6 klatek).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Analiza Zentova: %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>Co się wydarzyło w „%1”</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Uwaga:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Liczby: %1, obraz: %2</translation>
    </message>
</context>
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
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 w zależności od %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1, maksimum %2 przy %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>nie liczba</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>nieskończoność</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>minus nieskończoność</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 razy 10 do potęgi %2</translation>
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
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Pomiary</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Energia kinetyczna na cząstkę</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>czas (jednostki czasu)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>energia kin. (jedn. energii)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>wszystkie cząstki</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>typ %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>łaźnia (x ta z ustawień)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>łaźnia</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Energia kinetyczna na cząstkę w funkcji czasu</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Jeszcze brak pomiarów.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n klatka, od t = %1 do t = %2. Przy t = %2: wszystkie cząstki %3</numerusform>
            <numerusform>%n klatki, od t = %1 do t = %2. Przy t = %2: wszystkie cząstki %3</numerusform>
            <numerusform>%n klatek, od t = %1 do t = %2. Przy t = %2: wszystkie cząstki %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, typ %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; łaźnia x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>liczba typów jest ujemna</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>typów cząstek: %1, dozwolone najwyżej %2</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>typ %1 ma ujemną liczbę cząstek</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>masa typu %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>typ %1 ma masę %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>średnica typu %1 nie jest liczbą</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>typ %1 ma średnicę %2, dozwolone od %3 do %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>cząstek łącznie: %1, dozwolone najwyżej %2</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>współczynnik siły nie jest liczbą</translation>
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
