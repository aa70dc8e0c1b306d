<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
