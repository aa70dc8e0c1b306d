<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n posizione sta fuori dal cubo ed è esclusa; i fotogrammi che la contengono sono esclusi dallo spostamento.</numerusform>
            <numerusform>%n posizioni stanno fuori dal cubo e sono escluse; i fotogrammi che le contengono sono esclusi dallo spostamento.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>Lo spostamento usa %1 dei fotogrammi: gli altri contengono altre particelle.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>Non ci sono energie cinetiche: %1 non contiene misure.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>Non ci sono energie cinetiche: manca %1 (calcola di nuovo il progetto per crearlo).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n posizione sta fuori dalla scatola ed è esclusa.</numerusform>
            <numerusform>%n posizioni stanno fuori dalla scatola e sono escluse.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>La scatola non è un cubo: g(r) è normalizzata per un cubo dello stesso volume.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>Non ci sono energie cinetiche: %1 non contiene, ai fotogrammi del dump, righe thermo con le colonne di questa esportazione.</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>types</source>
        <translation>tipi</translation>
    </message>
    <message>
        <source>first peak at (cube units)</source>
        <translation>primo picco a (unità del cubo)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>primo avvallamento a (unità del cubo)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>vicine del secondo tipo attorno a una del primo</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>vicine del primo tipo attorno a una del secondo</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>nessun picco netto</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>nessun avvallamento netto</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Perché i valori superano di molto 1:</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>le particelle si sono raccolte in un ammasso largo circa %1 unità del cubo, che occupa circa il %2 % del cubo (una sfera distribuita attorno al suo centro quanto loro). Al suo interno si incontrano circa %3 volte più spesso che se fossero sparse in tutto il cubo, perciò g(r) nell&apos;ammasso sta tanto più in alto del caso, e scende a 0 a distanze maggiori della larghezza dell&apos;ammasso.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Divisa per %1, g(r) si confronta con la densità propria dell&apos;ammasso.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Divisa per %1, g(r) si confronta con la densità propria dell&apos;ammasso: il valore più alto, %2 (tipi %3 – %4 a r = %5), è allora %6 volte la densità propria dell&apos;ammasso, ancora molto sopra 1: quelle particelle si addensano di più nell&apos;ammasso, per esempio in un nucleo al centro.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Divisa per %1, g(r) si confronta con la densità propria dell&apos;ammasso: il valore più alto, %2 (tipi %3 – %4 a r = %5), è allora %6 volte la densità propria dell&apos;ammasso.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;Il punto più alto&lt;/b&gt;, %1 per particella a t = %2, è %3 volte la media della seconda metà del calcolo (%4); è arrivato mentre il bagno era alzato a x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;Il punto più alto&lt;/b&gt;, %1 per particella a t = %2, è %3 volte la media della seconda metà del calcolo (%4): il bagno allora non era alzato, quindi è energia di posizione trasformata in moto quando le forze delle particelle le hanno avvicinate (in un ammasso) o allontanate, più in fretta di quanto lo smorzamento del bagno la portasse via.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Fissa la scala del grafico, così il resto del calcolo sembra piccolo accanto; energies.csv contiene tutti i valori.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>A che distanza stanno le particelle: g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Questo grafico mostra quanto spesso si trovano due particelle a una distanza r l&apos;una dall&apos;altra, rispetto a particelle sparse a caso nella scatola. Un valore di 1 significa «tanto spesso quanto per caso». Un picco alto e stretto significa che le particelle preferiscono tenere proprio quella distanza, segno di ordine come in un cristallo; una linea piatta vicino a 1 significa nessun ordine, come in un gas. La tabella conta, per ogni tipo, quante compagne dell&apos;altro tipo stanno più vicine del primo avvallamento dopo il primo picco: le vicine più prossime.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Distribuzione radiale g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>distanza r (unità del cubo)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = tanto spesso quanto per caso)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>tipi %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Quanto si spostano le particelle</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Questo grafico mostra quanto, in media, una particella di ogni tipo si è allontanata da dov&apos;era, in base a quanto abbiamo aspettato (la distanza è al quadrato, quindi 100 significa 10 unità del cubo). Una linea che continua a salire significa che le particelle vagano, come in un gas o in un liquido; una linea che presto si appiattisce significa che ogni particella resta vicino al suo posto, come in un solido.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Spostamento quadratico medio</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>intervallo di tempo (unità di tempo)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>spostamento quadratico medio (unità del cubo²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Il grafico è vuoto:&lt;/b&gt; lo spostamento richiede due o più fotogrammi con le stesse particelle, e ne viene analizzato uno solo. Scegli un tratto più lungo del calcolo con --from e --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Il grafico è vuoto:&lt;/b&gt; lo spostamento richiede due o più fotogrammi con le stesse particelle, e non ne viene analizzato nessuno. Scegli un tratto più lungo del calcolo con --from e --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Dove si raccoglie ogni tipo</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Questo grafico mostra, per ogni tipo di particella, quale quota delle sue particelle si trova a ogni distanza dal centro dell&apos;intero gruppo (il suo centro di massa), in gusci spessi un&apos;unità del cubo. La linea di ogni tipo somma a 100 %, così un tipo con poche particelle si confronta con uno con molte: un tipo la cui linea sale e scende a sinistra si raccoglie al centro; un tipo la cui linea sta più a destra resta all&apos;esterno. I numeri danno anche la densità di ogni tipo in ogni guscio.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Dove sta ogni tipo rispetto al centro di massa</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>distanza dal centro di massa (unità del cubo)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>quota delle particelle del tipo nel guscio (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>Quanto sono vivaci le particelle: energia cinetica</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Questo grafico mostra l&apos;energia di movimento (energia cinetica) di una particella media, di tutte e di ogni tipo, col passare del tempo; copre l&apos;intero calcolo. Più caldo significa più veloce. Linee che scendono significano che il sistema si raffredda; linee che si stabilizzano significano che si è assestato.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Energia cinetica</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tempo (unità di tempo)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>energia cinetica per particella (unità di energia)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>tutte le particelle (tutte del tipo %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>tutte le particelle</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Riscaldare e raffreddare: energia cinetica rispetto al bagno</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>Il calcolo ha cambiato la temperatura del bagno (con i tasti H, C e B, o con --bath). Ogni punto è un tratto con uno stesso bagno: in orizzontale, quanto era caldo il bagno (1 = quello dell&apos;impostazione); in verticale, l&apos;energia di movimento a cui si è stabilizzata una particella media, la media sulla seconda metà del tratto (in heating.csv, frames conta l&apos;intero tratto e frames_in_mean la sua seconda metà). La linea unisce i tratti stabilizzati nell&apos;ordine del calcolo. Il bagno fissa la temperatura, quindi i punti stabilizzati stanno vicino a una retta che passa per zero; uno molto lontano mostra particelle che si riscaldano da sole, come un ammasso mentre si forma. Se le particelle si sono fuse lo mostrano g(r) e lo spostamento: analizza ogni tratto con --from e --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Curva di riscaldamento</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>bagno (volte la temperatura dell&apos;impostazione)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>stabilizzati, nell&apos;ordine del calcolo</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>troppo brevi per stabilizzarsi</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n fotogramma, da t = %2)</numerusform>
            <numerusform>x %1 (%n fotogrammi, da t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Un tratto era troppo breve per stabilizzarsi&lt;/b&gt;, disegnato vuoto e non unito: bagno %1. Le particelle non avevano ancora seguito il suo bagno: la sua seconda metà cominciava meno di un tempo di rilassamento del bagno (%2 unità di tempo con lo smorzamento dell&apos;impostazione) dopo il suo primo fotogramma, o conteneva meno di %3 fotogrammi. Le loro energie restano indietro e non mostrano alcun punto di fusione; tieni un bagno più a lungo per misurarlo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Alcuni tratti erano troppo brevi per stabilizzarsi&lt;/b&gt;, disegnati vuoti e non uniti: bagno %1. Le particelle non avevano ancora seguito i loro bagni: la seconda metà di ciascuno cominciava meno di un tempo di rilassamento del bagno (%2 unità di tempo con lo smorzamento dell&apos;impostazione) dopo il suo primo fotogramma, o conteneva meno di %3 fotogrammi. Le loro energie restano indietro e non mostrano alcun punto di fusione; tieni un bagno più a lungo per misurarlo.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>La struttura e lo spostamento usano l&apos;unico fotogramma, a t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>La struttura e lo spostamento usano %1 di %n fotogramma, da t = %2 a t = %3.</numerusform>
            <numerusform>La struttura e lo spostamento usano %1 dei %n fotogrammi, da t = %2 a t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>La struttura e lo spostamento usano %1 di %n fotogramma, da t = %2 a t = %3 (uno ogni %4, %5 fotogrammi).</numerusform>
            <numerusform>La struttura e lo spostamento usano %1 dei %n fotogrammi, da t = %2 a t = %3 (uno ogni %4, %5 fotogrammi).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>La struttura e lo spostamento usano l&apos;unico fotogramma di %1 particelle, a t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>La struttura e lo spostamento usano %1 di %n fotogramma di %2 particelle, da t = %3 a t = %4.</numerusform>
            <numerusform>La struttura e lo spostamento usano %1 dei %n fotogrammi di %2 particelle, da t = %3 a t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>La struttura e lo spostamento usano %1 di %n fotogramma di %2 particelle, da t = %3 a t = %4 (uno ogni %5, %6 fotogrammi).</numerusform>
            <numerusform>La struttura e lo spostamento usano %1 dei %n fotogrammi di %2 particelle, da t = %3 a t = %4 (uno ogni %5, %6 fotogrammi).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Analisi Zentova di %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>Che cosa è successo in «%1»</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Numeri: %1, immagine: %2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>Lo stato finale appartiene a un altro progetto:</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Rispondi SÌ a «Sovrascrivere» per ricominciare questo progetto.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Il suo ultimo fotogramma: t = %1; lo stato finale: t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>La traiettoria va oltre lo stato finale.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Nulla è stato aggiunto: i nuovi fotogrammi tornerebbero indietro nel tempo.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Rispondi SÌ a «Sovrascrivere» per ricominciare da capo.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>Il calcolo non può proseguire dai file.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Non c&apos;è uno stato finale da cui proseguire:</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>Il calcolo prosegue dalle particelle così come sono ora.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>La traiettoria è stata allineata allo stato finale:</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>Le misure sono state allineate alla traiettoria:</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>Il calcolo si è fermato al tempo %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Scegli un passo più piccolo in «Impostazioni avanzate».</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Scegli uno smorzamento o un passo più piccolo in «Impostazioni avanzate».</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Dai al tipo %1 una massa maggiore in «Mostra/modifica progetto».</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>Il moto è diventato instabile: %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>I file conservano tutti i fotogrammi già scritti.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>Il calcolo non può iniziare:</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Attendi la fine dell&apos;altro calcolo, o fermalo.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Sovrascrivere il vecchio file della traiettoria?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>Aggiungere al vecchio file della traiettoria?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pausa: clic o tasto nella finestra principale per riprendere</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Fermato: clic per tornare al menu</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Questo progetto non può essere calcolato:</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>Il calcolo non può iniziare; vedi «Impostazioni avanzate».</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>Il calcolo si è fermato; i file conservano ciò che è stato scritto.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Calcolo di %n particella</numerusform>
            <numerusform>Calcolo di %n particelle</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   fotogrammi %2   %3 passi/s   Ec media %4 per particella   bagno x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 è per altri tipi o è danneggiato.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Nessuna misura: manca %1.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>il fotogramma dello stato finale (t = %1) mancava ed è stato aggiunto</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>il fotogramma interrotto alla riga %1 è stato omesso</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>lo smorzamento %1 è troppo grande per il passo di integrazione %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>la massa del tipo %1 (%2) è troppo piccola per il passo di integrazione %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>il passo di integrazione %1 è troppo grande per queste forze</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, con il bagno a %2 volte l&apos;impostazione</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>Il calcolo non può iniziare.</translation>
    </message>
</context>
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Numero di tipi</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. forza forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Forza debole (gravità)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Forza repulsiva</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Numero di particelle</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carica elettrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diametro visualizzato</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Colore visualizzato</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristallo ionico 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Collasso gravitazionale</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Repulsione tra cariche</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Nucleo e guscio</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma di cinque tipi</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Vetrina: 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristallo di sale (demo)</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Forza tra il tipo %1 e il tipo %2 in funzione della distanza, da %3 a %4, per ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1: %2 a ogni distanza.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>tra %1 e %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positiva attrae): minima %2 a %3, massima %4 a %5; non cambia segno.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positiva attrae): minima %2 a %3, massima %4 a %5; cambia segno %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Forza tra i tipi:</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Chiudi parametri forze</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>Il primo tipo della coppia tracciata</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>Il secondo tipo della coppia tracciata</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Dopo ogni «fatto», la forza tra questi due tipi è tracciata in funzione della loro distanza</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Attrazione forte</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Attrazione debole</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Repulsione</translation>
    </message>
    <message>
        <source>done</source>
        <translation>fatto</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Parametri delle forze</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angolo orizzontale</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Su, Giù, Tab, Maiusc+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>spostare la cornice sulle voci attive del menu</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Invio o Spazio</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>scegliere la voce incorniciata</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>S, Y o Invio / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>rispondere SÌ / NO a una domanda</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Sinistra, Destra (poi Invio)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>spostare la cornice tra SÌ e NO (e rispondere)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>un tasto qualsiasi</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>prosegue dopo la copertina, un avviso o un grafico</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maiusc+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>scorrere i campi e i pulsanti di un editor in ordine di lettura</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Invio (in un campo)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>l&apos;OK del riquadro (Fatto, Tipo di particella OK ?...)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Spazio o Invio (su un pulsante)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>lo preme</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 o ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>l&apos;aiuto della tastiera</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>chiude il programma</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Sinistra, Destra</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Angolo orizzontale, in un verso o nell&apos;altro, finché premuto</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Su, Giù</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Angolo verticale, in un verso o nell&apos;altro, finché premuto</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ o Pag Su</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Zoom più vicino, finché premuto</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- o Pag Giù</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Zoom più lontano, finché premuto</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Home o O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Angolo iniziale</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P o Spazio</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pausa (i pulsanti ruotano e ingrandiscono ancora) e riprendi</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>Fine o T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Ferma, o Termina</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>dopo l&apos;arresto: torna al menu, come un clic</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, poi Spazio o Invio</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>il pulsante con il focus, come un clic</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>una descrizione più lunga dell&apos;immagine</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>la finestra delle misure, salva l&apos;immagine, registra un filmato</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Calcola: urti 1,25 volte più forti, più deboli, bagno impostato</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>l&apos;aiuto della tastiera della vista; di nuovo per chiuderlo</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>chiude quell&apos;aiuto o termina una registrazione</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Tasti (un tasto o un clic chiude questo aiuto)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Tasti di questa finestra</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Apri progetto</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Mostra/modifica progetto</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Mostra cronologia</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Mostra stato finale</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Mostra/definisci forze</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Aiuto/Manuale</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulazione molecolare</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Fai clic per continuare</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principale</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Salvataggio del progetto</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Impossibile leggere il file delle impostazioni; valgono i valori predefiniti.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Impossibile aprire il progetto.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Questo progetto non ha ancora un file.
Salvalo prima con «Salva con nome»: il calcolo scrive
la traiettoria e lo stato finale accanto al file del progetto.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Impossibile avviare un visualizzatore per il manuale.
Aprilo in un browser web: è il file
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>non ancora disponibile</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Salvare il progetto con i nuovi coefficienti di forza?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Salvare i nuovi coefficienti di forza?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Impossibile salvare il progetto.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>Il programma non è riuscito a riavviarsi.
Scegli di nuovo una voce, o avvialo a mano.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Non puoi ricalcolare, salvare o sovrascrivere questo file.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Nome del file del progetto: %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Salva il file con un altro nome e riprova.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 appartiene al progetto %2,
che non è nella stessa cartella.
Metti il progetto accanto ai suoi file,
o aprine un altro dal menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Impossibile creare la cartella di lavoro:</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>Il programma lavora in %1</translation>
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
        <translation>La traiettoria non può essere riprodotta.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>Stato finale raggiunto</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1: il fotogramma interrotto alla riga %2 è stato omesso</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Stato finale raggiunto, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Fermato a %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>Stato finale raggiunto: clic per tornare</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Fermato: clic per tornare al menu</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Storia di %n particella</numerusform>
            <numerusform>Storia di %n particelle</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   fotogramma %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>La traiettoria non può essere riprodotta oltre.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>Lo stato finale non può essere mostrato.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>Stato finale a %1, %n particella</numerusform>
            <numerusform>Stato finale a %1, %n particelle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 in funzione di %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1, massimo %2 a %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>non è un numero</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infinito</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>meno infinito</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 per 10 alla %2</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>al massimo 20 tipi</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 o più</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>max 200 in tutto</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>un numero, non 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Dati del progetto</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Numero di tipi</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. forza forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Forza debole (gravità)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Forza repulsiva</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Modifica forze</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Numero di particelle</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Carica elettrica</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diametro visualizzato</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Colore (clic qui sotto) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Progetto : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Tipo %1 OK ?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Particelle di tipo %1 - parametri</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>La grandezza non cambia</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, riga %2</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Misure</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Energia cinetica per particella</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>tempo (unità di tempo)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>energia cinetica (u. energia)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>tutte le particelle</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>bagno (x quello dell&apos;impostazione)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>bagno</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Energia cinetica per particella in funzione del tempo</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Ancora nessuna misura.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n fotogramma, da t = %1 a t = %2. A t = %2: tutte le particelle %3</numerusform>
            <numerusform>%n fotogrammi, da t = %1 a t = %2. A t = %2: tutte le particelle %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, tipo %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation>; bagno x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>il numero di tipi è negativo</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>%1 tipi di particelle, al massimo %2 sono ammessi</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>il tipo %1 ha un numero di particelle negativo</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>la massa del tipo %1 non è un numero</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>il tipo %1 ha massa %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>il diametro del tipo %1 non è un numero</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>il tipo %1 ha diametro %2, ammesso da %3 a %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>%1 particelle in tutto, al massimo %2 sono ammesse</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>un coefficiente di forza non è un numero</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Simulazione di %n particella riportata da LAMMPS</numerusform>
            <numerusform>Simulazione di %n particelle riportata da LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   fotogramma %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>Stato finale raggiunto, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Fermato a %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>nessun fotogramma</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>Stato finale raggiunto: clic per finire</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Fermato: clic per finire</translation>
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
        <translation>Impostazioni avanzate</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Passo di integrazione</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Smorzamento</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Attiva nebbia</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Mostra spigoli del cubo</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Valori predefiniti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Impossibile salvare le impostazioni; valgono fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>«%1» non è un numero; il passo resta %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>«%1» non è un numero; lo smorzamento resta %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Progetto: %1   File %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>File %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n tipo di particella</numerusform>
            <numerusform>%n tipi di particelle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n particella in tutto</numerusform>
            <numerusform>%n particelle in tutto</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coefficienti di forza:</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Tipo %1 (%2)</translation>
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
        <translation>Termina</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angolo orizz.</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Angolo verticale</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Angolo iniziale</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulazione in corso</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pausa: P o Spazio riprende</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Ripresa: %n quadro</numerusform>
            <numerusform>Ripresa: %n quadri</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>la vista non mostra alcuna immagine</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Immagine salvata come %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>L&apos;immagine non è stata salvata: %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>La vista non viene registrata: %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Filmato salvato come %1 (%n fotogramma)</numerusform>
            <numerusform>Filmato salvato come %1 (%n fotogrammi)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>Il filmato non è stato salvato: %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>La registrazione si è interrotta: %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>non è stato registrato nulla (la vista non ha disegnato immagini nel frattempo), quindi nessun file è stato scritto</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Non è mostrata alcuna particella.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 di tipo %2 (massa %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>I tipi sono separati: i centri dei tipi %1 e %2 distano %3.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>I tipi sono mescolati: i centri dei tipi %1 e %2 distano %3.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>in pausa, P per riprendere</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>in corso, Fine o T ferma</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>in pausa, un clic o un tasto nella finestra principale per riprendere</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>l&apos;immagine resta, Fine o T termina</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>in attesa, Invio o un clic torna al menu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 particelle di %n tipo: %2. Raggio di girazione %3 in un cubo di semispigolo %4.</numerusform>
            <numerusform>%1 particelle di %n tipi: %2. Raggio di girazione %3 in un cubo di semispigolo %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>registrazione, %n fotogramma</numerusform>
            <numerusform>registrazione, %n fotogrammi</numerusform>
        </translation>
    </message>
</context>
</TS>
