<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Analysis</name>
    <message numerus="yes">
        <source>%n position lies outside the cube and is left out; the frames holding them are left out of the wandering.</source>
        <translation>
            <numerusform>%n position est hors du cube et laissée de côté ; les images qui la contiennent sont laissées hors du déplacement.</numerusform>
            <numerusform>%n positions sont hors du cube et laissées de côté ; les images qui les contiennent sont laissées hors du déplacement.</numerusform>
        </translation>
    </message>
    <message>
        <source>The wandering uses %1 of the frames: the others hold other particles.</source>
        <translation>Le déplacement utilise %1 des images : les autres contiennent d&apos;autres particules.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no readings.</source>
        <translation>Il n&apos;y a pas d&apos;énergies cinétiques : %1 ne contient aucune mesure.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 is missing (calculate the project again to make it).</source>
        <translation>Il n&apos;y a pas d&apos;énergies cinétiques : %1 manque (calcule à nouveau le projet pour le créer).</translation>
    </message>
    <message numerus="yes">
        <source>%n position lies outside the box and is left out.</source>
        <translation>
            <numerusform>%n position est hors de la boîte et laissée de côté.</numerusform>
            <numerusform>%n positions sont hors de la boîte et laissées de côté.</numerusform>
        </translation>
    </message>
    <message>
        <source>The box is not a cube: g(r) is normalised for a cube of its volume.</source>
        <translation>La boîte n&apos;est pas un cube : g(r) est normalisée pour un cube de même volume.</translation>
    </message>
    <message>
        <source>There are no kinetic energies: %1 holds no thermo rows of this export&apos;s columns at the dump&apos;s frames.</source>
        <translation>Il n&apos;y a pas d&apos;énergies cinétiques : %1 ne contient, aux images du dump, aucune ligne thermo avec les colonnes de cet export.</translation>
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
        <translation>premier pic à (unités du cube)</translation>
    </message>
    <message>
        <source>first dip at (cube units)</source>
        <translation>premier creux à (unités du cube)</translation>
    </message>
    <message>
        <source>neighbours of the second type around one of the first</source>
        <translation>voisines du second type autour d&apos;une du premier</translation>
    </message>
    <message>
        <source>neighbours of the first type around one of the second</source>
        <translation>voisines du premier type autour d&apos;une du second</translation>
    </message>
    <message>
        <source>no clear peak</source>
        <translation>pas de pic net</translation>
    </message>
    <message>
        <source>no clear dip</source>
        <translation>pas de creux net</translation>
    </message>
    <message>
        <source>Why the values reach far above 1:</source>
        <translation>Pourquoi les valeurs dépassent largement 1 :</translation>
    </message>
    <message>
        <source>the particles gathered into a lump about %1 cube units across, which fills about %2 % of the cube (a ball as spread out about its centre as they are). Inside it they meet one another about %3 times as often as if spread through the whole cube, so g(r) stands that much higher than chance inside the lump, and falls to 0 at distances longer than the lump is wide.</source>
        <translation>les particules se sont rassemblées en un amas d&apos;environ %1 unités du cube de large, qui remplit environ %2 % du cube (une boule aussi étalée autour de son centre qu&apos;elles). À l&apos;intérieur, elles se rencontrent environ %3 fois plus souvent que si elles étaient réparties dans tout le cube : g(r) y est donc d&apos;autant plus élevée que le hasard, et tombe à 0 aux distances plus longues que la largeur de l&apos;amas.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density.</source>
        <translation>Divisée par %1, g(r) se compare à la densité propre de l&apos;amas.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density, still far above 1: those particles gather more densely within the lump, such as in a core at its middle.</source>
        <translation>Divisée par %1, g(r) se compare à la densité propre de l&apos;amas : la valeur la plus haute, %2 (types %3 – %4 à r = %5), vaut alors %6 fois la densité propre de l&apos;amas, encore bien au-dessus de 1 : ces particules se serrent davantage dans l&apos;amas, par exemple dans un noyau en son milieu.</translation>
    </message>
    <message>
        <source>Divided by %1, g(r) compares with the lump&apos;s own density: the highest value, %2 (types %3 – %4 at r = %5), is then %6 times the lump&apos;s own density.</source>
        <translation>Divisée par %1, g(r) se compare à la densité propre de l&apos;amas : la valeur la plus haute, %2 (types %3 – %4 à r = %5), vaut alors %6 fois la densité propre de l&apos;amas.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4); it came while the bath was raised to x %5.</source>
        <translation>&lt;b&gt;Le point le plus haut&lt;/b&gt;, %1 par particule à t = %2, vaut %3 fois la moyenne de la seconde moitié du calcul (%4) ; il est venu pendant que le bain était monté à x %5.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The highest point&lt;/b&gt;, %1 per particle at t = %2, is %3 times the mean of the run&apos;s second half (%4): the bath was not raised then, so it is energy of position turned into motion as the particles&apos; forces drew them together (into a lump) or drove them apart, faster than the bath&apos;s damping took it away.</source>
        <translation>&lt;b&gt;Le point le plus haut&lt;/b&gt;, %1 par particule à t = %2, vaut %3 fois la moyenne de la seconde moitié du calcul (%4) : le bain n&apos;était pas monté alors ; c&apos;est donc de l&apos;énergie de position changée en mouvement quand les forces des particules les ont rapprochées (en un amas) ou écartées, plus vite que l&apos;amortissement du bain ne l&apos;emportait.</translation>
    </message>
    <message>
        <source>It sets the plot&apos;s scale, so the rest of the run looks small beside it; energies.csv holds every value.</source>
        <translation>Il fixe l&apos;échelle du graphique, si bien que le reste du calcul paraît petit à côté ; energies.csv contient toutes les valeurs.</translation>
    </message>
    <message>
        <source>How far apart the particles sit: g(r)</source>
        <translation>À quelle distance les particules se tiennent : g(r)</translation>
    </message>
    <message>
        <source>This graph shows how often two particles are found at a distance r from each other, compared with particles scattered by chance in the box. A value of 1 means &quot;as often as by chance&quot;. A tall, narrow peak means the particles like to keep exactly that distance, a sign of order as in a crystal; a flat line near 1 means no order, as in a gas. The table counts, for each kind, how many partners of the other kind sit closer than the first dip after the first peak: the nearest neighbours.</source>
        <translation>Ce graphique montre combien de fois on trouve deux particules à une distance r l&apos;une de l&apos;autre, comparé à des particules dispersées au hasard dans la boîte. Une valeur de 1 signifie « aussi souvent que par hasard ». Un pic haut et étroit signifie que les particules aiment garder exactement cette distance, signe d&apos;ordre comme dans un cristal ; une ligne plate proche de 1 signifie aucun ordre, comme dans un gaz. Le tableau compte, pour chaque espèce, combien de partenaires de l&apos;autre espèce sont plus proches que le premier creux après le premier pic : les plus proches voisines.</translation>
    </message>
    <message>
        <source>Radial distribution g(r)</source>
        <translation>Distribution radiale g(r)</translation>
    </message>
    <message>
        <source>distance r (cube units)</source>
        <translation>distance r (unités du cube)</translation>
    </message>
    <message>
        <source>g(r) (1 = as often as by chance)</source>
        <translation>g(r) (1 = aussi souvent que par hasard)</translation>
    </message>
    <message>
        <source>types %1 – %2</source>
        <translation>types %1 – %2</translation>
    </message>
    <message>
        <source>How far the particles wander</source>
        <translation>Jusqu&apos;où les particules se déplacent</translation>
    </message>
    <message>
        <source>This graph shows how far, on average, a particle of each kind has moved away from where it was, against how long we waited (the distance is squared, so 100 means 10 cube units). A line that keeps climbing means the particles roam about, as in a gas or a liquid; a line that soon flattens means each particle stays near its place, as in a solid.</source>
        <translation>Ce graphique montre à quelle distance, en moyenne, une particule de chaque espèce s&apos;est éloignée de l&apos;endroit où elle était, selon le temps d&apos;attente (la distance est au carré : 100 signifie 10 unités du cube). Une ligne qui ne cesse de monter signifie que les particules se promènent, comme dans un gaz ou un liquide ; une ligne qui s&apos;aplatit vite signifie que chaque particule reste près de sa place, comme dans un solide.</translation>
    </message>
    <message>
        <source>Mean square displacement</source>
        <translation>Déplacement quadratique moyen</translation>
    </message>
    <message>
        <source>time lag (time units)</source>
        <translation>intervalle de temps (unités de temps)</translation>
    </message>
    <message>
        <source>mean square displacement (cube units²)</source>
        <translation>déplacement quadratique moyen (unités du cube²)</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and only one such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Le graphique est vide :&lt;/b&gt; le déplacement demande au moins deux images contenant les mêmes particules, et une seule image de ce genre est analysée. Choisis un plus long tronçon du calcul avec --from et --to.</translation>
    </message>
    <message>
        <source>&lt;b&gt;The plot is empty:&lt;/b&gt; the wandering needs two frames or more that hold the same particles, and no such frame is analysed. Choose a longer stretch of the run with --from and --to.</source>
        <translation>&lt;b&gt;Le graphique est vide :&lt;/b&gt; le déplacement demande au moins deux images contenant les mêmes particules, et aucune image de ce genre n&apos;est analysée. Choisis un plus long tronçon du calcul avec --from et --to.</translation>
    </message>
    <message>
        <source>Where each kind gathers</source>
        <translation>Où se rassemble chaque espèce</translation>
    </message>
    <message>
        <source>This graph shows, for each kind of particle, which share of its particles lies at each distance from the middle of the whole group (its centre of mass), in shells one cube unit thick. Each kind&apos;s line adds up to 100 %, so a kind of few particles compares with a kind of many: a kind whose line rises and falls on the left gathers in the middle; a kind whose line lies further right stays on the outside. The numbers also give each kind&apos;s density in each shell.</source>
        <translation>Ce graphique montre, pour chaque espèce de particule, quelle part de ses particules se trouve à chaque distance du milieu de tout le groupe (son centre de masse), par couches d&apos;une unité du cube d&apos;épaisseur. La ligne de chaque espèce fait 100 % au total, si bien qu&apos;une espèce de peu de particules se compare à une espèce nombreuse : une espèce dont la ligne monte et descend à gauche se rassemble au milieu ; une espèce dont la ligne est plus à droite reste à l&apos;extérieur. Les nombres donnent aussi la densité de chaque espèce dans chaque couche.</translation>
    </message>
    <message>
        <source>Where each kind lies from the centre of mass</source>
        <translation>Où se trouve chaque espèce par rapport au centre de masse</translation>
    </message>
    <message>
        <source>distance from the centre of mass (cube units)</source>
        <translation>distance au centre de masse (unités du cube)</translation>
    </message>
    <message>
        <source>share of the kind&apos;s particles in the shell (%)</source>
        <translation>part des particules de l&apos;espèce dans la couche (%)</translation>
    </message>
    <message>
        <source>How lively the particles are: kinetic energy</source>
        <translation>À quel point les particules s&apos;agitent : énergie cinétique</translation>
    </message>
    <message>
        <source>This graph shows the energy of motion (kinetic energy) of an average particle, of all of them and of each kind, as time goes on; it covers the whole run. Hotter means faster. Lines that go down mean the system cools down; lines that level off mean it has settled.</source>
        <translation>Ce graphique montre l&apos;énergie de mouvement (énergie cinétique) d&apos;une particule moyenne, de toutes et de chaque espèce, au fil du temps ; il couvre tout le calcul. Plus chaud veut dire plus rapide. Des lignes qui descendent signifient que le système se refroidit ; des lignes qui se stabilisent signifient qu&apos;il s&apos;est équilibré.</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Énergie cinétique</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>temps (unités de temps)</translation>
    </message>
    <message>
        <source>kinetic energy per particle (energy units)</source>
        <translation>énergie cinétique par particule (unités d&apos;énergie)</translation>
    </message>
    <message>
        <source>all particles (all of type %1)</source>
        <translation>toutes les particules (toutes de type %1)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>toutes les particules</translation>
    </message>
    <message>
        <source>Heating and cooling: kinetic energy against the bath</source>
        <translation>Chauffer et refroidir : énergie cinétique selon le bain</translation>
    </message>
    <message>
        <source>The run changed the bath&apos;s temperature (with the keys H, C and B, or with --bath). Each point is one stretch at one bath: across, how hot the bath was (1 = the setup&apos;s); up, the energy of motion an average particle settled at, the mean over the stretch&apos;s second half (in heating.csv, frames counts the whole stretch and frames_in_mean its second half). The line joins the settled stretches in the order of the run. The bath sets the temperature, so the settled points lie close to a straight line through zero; one far off it shows the particles heating themselves, as a lump does while it forms. Whether the particles melted shows in g(r) and the wandering: analyse each stretch with --from and --to.</source>
        <translation>Le calcul a changé la température du bain (avec les touches H, C et B, ou avec --bath). Chaque point est un tronçon à un même bain : en abscisse, la chaleur du bain (1 = celle du réglage) ; en ordonnée, l&apos;énergie de mouvement à laquelle une particule moyenne s&apos;est stabilisée, la moyenne sur la seconde moitié du tronçon (dans heating.csv, frames compte tout le tronçon et frames_in_mean sa seconde moitié). La ligne relie les tronçons stabilisés dans l&apos;ordre du calcul. Le bain fixe la température : les points stabilisés sont donc proches d&apos;une droite passant par zéro ; un point très à l&apos;écart montre des particules qui se chauffent elles-mêmes, comme un amas pendant qu&apos;il se forme. Si les particules ont fondu, g(r) et le déplacement le montrent : analyse chaque tronçon avec --from et --to.</translation>
    </message>
    <message>
        <source>Heating curve</source>
        <translation>Courbe de chauffe</translation>
    </message>
    <message>
        <source>bath (times the setup&apos;s temperature)</source>
        <translation>bain (fois la température du réglage)</translation>
    </message>
    <message>
        <source>settled, in the order of the run</source>
        <translation>stabilisés, dans l&apos;ordre du calcul</translation>
    </message>
    <message>
        <source>too short to settle</source>
        <translation>trop courts pour se stabiliser</translation>
    </message>
    <message numerus="yes">
        <source>x %1 (%n frames, from t = %2)</source>
        <translation>
            <numerusform>x %1 (%n image, dès t = %2)</numerusform>
            <numerusform>x %1 (%n images, dès t = %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>&lt;b&gt;One stretch was too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed its bath: its second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Un tronçon était trop court pour se stabiliser&lt;/b&gt;, dessiné creux et non relié : bain %1. Les particules n&apos;avaient pas encore suivi son bain : sa seconde moitié commençait moins d&apos;un temps de relaxation du bain (%2 unités de temps avec l&apos;amortissement du réglage) après sa première image, ou contenait moins de %3 images. Leurs énergies sont en retard et ne montrent aucun point de fusion ; garde un bain plus longtemps pour le mesurer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Some stretches were too short to settle&lt;/b&gt;, drawn hollow and not joined: bath %1. The particles had not yet followed their baths: each one&apos;s second half began less than the bath&apos;s relaxation time (%2 time units with the setup&apos;s damping) after its first frame, or held fewer than %3 frames. Their energies lag behind and show no melting point; hold a bath longer to measure it.</source>
        <translation>&lt;b&gt;Des tronçons étaient trop courts pour se stabiliser&lt;/b&gt;, dessinés creux et non reliés : bain %1. Les particules n&apos;avaient pas encore suivi leurs bains : la seconde moitié de chacun commençait moins d&apos;un temps de relaxation du bain (%2 unités de temps avec l&apos;amortissement du réglage) après sa première image, ou contenait moins de %3 images. Leurs énergies sont en retard et ne montrent aucun point de fusion ; garde un bain plus longtemps pour le mesurer.</translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame, at t = %1.</source>
        <translation>La structure et le déplacement utilisent l&apos;unique image, à t = %1.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3.</source>
        <translation>
            <numerusform>La structure et le déplacement utilisent %1 de la %n image, de t = %2 à t = %3.</numerusform>
            <numerusform>La structure et le déplacement utilisent %1 des %n images, de t = %2 à t = %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames, from t = %2 to t = %3 (one in every %4, %5 frames).</source>
        <translation>
            <numerusform>La structure et le déplacement utilisent %1 de la %n image, de t = %2 à t = %3 (une sur %4, %5 images).</numerusform>
            <numerusform>La structure et le déplacement utilisent %1 des %n images, de t = %2 à t = %3 (une sur %4, %5 images).</numerusform>
        </translation>
    </message>
    <message>
        <source>The structure and the wandering use the one frame of %1 particles, at t = %2.</source>
        <translation>La structure et le déplacement utilisent l&apos;unique image de %1 particules, à t = %2.</translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4.</source>
        <translation>
            <numerusform>La structure et le déplacement utilisent %1 de la %n image de %2 particules, de t = %3 à t = %4.</numerusform>
            <numerusform>La structure et le déplacement utilisent %1 des %n images de %2 particules, de t = %3 à t = %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The structure and the wandering use %1 of the %n frames of %2 particles, from t = %3 to t = %4 (one in every %5, %6 frames).</source>
        <translation>
            <numerusform>La structure et le déplacement utilisent %1 de la %n image de %2 particules, de t = %3 à t = %4 (une sur %5, %6 images).</numerusform>
            <numerusform>La structure et le déplacement utilisent %1 des %n images de %2 particules, de t = %3 à t = %4 (une sur %5, %6 images).</numerusform>
        </translation>
    </message>
    <message>
        <source>Zentova analysis of %1</source>
        <translation>Analyse Zentova de %1</translation>
    </message>
    <message>
        <source>What happened in &quot;%1&quot;</source>
        <translation>Ce qui s&apos;est passé dans « %1 »</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Numbers: %1, picture: %2</source>
        <translation>Nombres : %1, image : %2</translation>
    </message>
</context>
<context>
    <name>Calculation</name>
    <message>
        <source>The final state belongs to another project:</source>
        <translation>L&apos;état final appartient à un autre projet :</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start this project anew.</source>
        <translation>Répondez OUI à « Écraser » pour recommencer ce projet.</translation>
    </message>
    <message>
        <source>Its last frame: t = %1; the final state: t = %2.</source>
        <translation>Sa dernière image : t = %1 ; l&apos;état final : t = %2.</translation>
    </message>
    <message>
        <source>The trajectory goes on past the final state.</source>
        <translation>La trajectoire va au-delà de l&apos;état final.</translation>
    </message>
    <message>
        <source>Nothing was appended: new frames would go back in time.</source>
        <translation>Rien n&apos;a été ajouté : de nouvelles images remonteraient le temps.</translation>
    </message>
    <message>
        <source>Answer YES to &quot;Overwrite&quot; to start afresh.</source>
        <translation>Répondez OUI à « Écraser » pour tout recommencer.</translation>
    </message>
    <message>
        <source>The calculation cannot go on from the files.</source>
        <translation>Le calcul ne peut pas reprendre à partir des fichiers.</translation>
    </message>
    <message>
        <source>There is no final state to continue from:</source>
        <translation>Il n&apos;y a pas d&apos;état final d&apos;où reprendre :</translation>
    </message>
    <message>
        <source>The calculation goes on from the particles as they are now.</source>
        <translation>Le calcul reprend des particules telles qu&apos;elles sont.</translation>
    </message>
    <message>
        <source>The trajectory was brought in line with the final state:</source>
        <translation>La trajectoire a été mise en accord avec l&apos;état final :</translation>
    </message>
    <message>
        <source>The readings were brought in line with the trajectory:</source>
        <translation>Les mesures ont été mises en accord avec la trajectoire :</translation>
    </message>
    <message>
        <source>The calculation stopped at time %1.</source>
        <translation>Le calcul s&apos;est arrêté au temps %1.</translation>
    </message>
    <message>
        <source>Choose a smaller step in &quot;Advanced setup&quot;.</source>
        <translation>Choisissez un pas plus petit dans « Réglages avancés ».</translation>
    </message>
    <message>
        <source>Choose a smaller damping or step in &quot;Advanced setup&quot;.</source>
        <translation>Choisissez un amortissement ou un pas plus petit dans « Réglages avancés ».</translation>
    </message>
    <message>
        <source>Give type %1 a larger mass in &quot;Show/Edit project&quot;.</source>
        <translation>Donnez au type %1 une masse plus grande dans « Voir/modifier le projet ».</translation>
    </message>
    <message>
        <source>The motion became unstable: %1.</source>
        <translation>Le mouvement est devenu instable : %1.</translation>
    </message>
    <message>
        <source>The files keep every frame written before.</source>
        <translation>Les fichiers gardent toutes les images déjà écrites.</translation>
    </message>
    <message>
        <source>The calculation cannot start:</source>
        <translation>Le calcul ne peut pas démarrer :</translation>
    </message>
    <message>
        <source>Wait until the other calculation ends, or stop it.</source>
        <translation>Attendez la fin de l&apos;autre calcul, ou arrêtez-le.</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>Overwrite old trajectory file ?</source>
        <translation>Écraser l&apos;ancien fichier de trajectoire ?</translation>
    </message>
    <message>
        <source>Append to old trajectory file ?</source>
        <translation>Compléter l&apos;ancien fichier de trajectoire ?</translation>
    </message>
    <message>
        <source>Paused: click or press a key on the main window to go on</source>
        <translation>Pause : un clic ou une touche dans la fenêtre principale pour reprendre</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Arrêté : cliquez pour revenir au menu</translation>
    </message>
    <message>
        <source>This project cannot be calculated:</source>
        <translation>Ce projet ne peut pas être calculé :</translation>
    </message>
    <message>
        <source>The calculation cannot start; see &quot;Advanced setup&quot;.</source>
        <translation>Le calcul ne peut pas démarrer ; voir « Réglages avancés ».</translation>
    </message>
    <message>
        <source>The calculation stopped; the files keep what was written.</source>
        <translation>Le calcul s&apos;est arrêté ; les fichiers gardent ce qui a été écrit.</translation>
    </message>
    <message numerus="yes">
        <source>Calculation of %n particles</source>
        <translation>
            <numerusform>Calcul de %n particule</numerusform>
            <numerusform>Calcul de %n particules</numerusform>
        </translation>
    </message>
    <message>
        <source>t = %1   frames %2   %3 steps/s   mean kinetic energy %4 per particle   bath x %5</source>
        <translation>t = %1   images %2   %3 pas/s   Ec moyenne %4 par particule   bain x %5</translation>
    </message>
    <message>
        <source>%1 is for other types or damaged.</source>
        <translation>%1 concerne d&apos;autres types ou est endommagé.</translation>
    </message>
    <message>
        <source>There are no readings: %1 is missing.</source>
        <translation>Aucune mesure : %1 est absent.</translation>
    </message>
    <message>
        <source>the frame of the final state (t = %1) was missing and was added</source>
        <translation>l&apos;image de l&apos;état final (t = %1) manquait et a été ajoutée</translation>
    </message>
    <message>
        <source>the frame cut short at line %1 was left out</source>
        <translation>l&apos;image interrompue à la ligne %1 a été omise</translation>
    </message>
    <message>
        <source>the damping %1 is too large for the integration step %2</source>
        <translation>l&apos;amortissement %1 est trop grand pour le pas d&apos;intégration %2</translation>
    </message>
    <message>
        <source>the mass of type %1 (%2) is too small for the integration step %3</source>
        <translation>la masse du type %1 (%2) est trop petite pour le pas d&apos;intégration %3</translation>
    </message>
    <message>
        <source>the integration step %1 is too large for these forces</source>
        <translation>le pas d&apos;intégration %1 est trop grand pour ces forces</translation>
    </message>
    <message>
        <source>%1, with the bath at %2 times the setup&apos;s</source>
        <translation>%1, avec le bain à %2 fois le réglage</translation>
    </message>
    <message>
        <source>The calculation cannot start.</source>
        <translation>Le calcul ne peut pas démarrer.</translation>
    </message>
</context>
<context>
    <name>EditorKeys</name>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Nombre de types</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. force forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Force faible (gravité)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Force de répulsion</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Nombre de particules</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masse</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Charge électrique</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diamètre affiché</translation>
    </message>
    <message>
        <source>Display color</source>
        <translation>Couleur affichée</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Ionic crystal 2+/1-</source>
        <translation>Cristal ionique 2+/1-</translation>
    </message>
    <message>
        <source>Gravity collapse</source>
        <translation>Contraction gravitaire</translation>
    </message>
    <message>
        <source>Like charges repel</source>
        <translation>Répulsion des charges</translation>
    </message>
    <message>
        <source>Core and shell</source>
        <translation>Cœur et coquille</translation>
    </message>
    <message>
        <source>Plasma of five kinds</source>
        <translation>Plasma à cinq espèces</translation>
    </message>
    <message>
        <source>Showpiece: 200</source>
        <translation>Vitrine : 200</translation>
    </message>
    <message>
        <source>Salt crystal (demo)</source>
        <translation>Cristal de sel (démo)</translation>
    </message>
</context>
<context>
    <name>ForcesEditor</name>
    <message>
        <source>Force between Type%1 and Type%2 against distance, %3 to %4, for ae = %5, ag = %6, ar = %7</source>
        <extracomment>What a screen reader says of the force plot. %1, %2: the two types&apos; numbers; %3, %4: the first and last distance; %5, %6, %7: the three coefficients.</extracomment>
        <translation>Force entre le type %1 et le type %2 en fonction de la distance, de %3 à %4, pour ae = %5, ag = %6, ar = %7</translation>
    </message>
    <message>
        <source>%1: %2 at every distance.</source>
        <extracomment>%1: the plot&apos;s description above; %2: the force, the same at every distance.</extracomment>
        <translation>%1 : %2 à toute distance.</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <translation>entre %1 et %2</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it does not change sign.</source>
        <extracomment>%1: the plot&apos;s description; %2 the smallest force, at distance %3; %4 the largest, at distance %5. A positive force attracts.</extracomment>
        <translation>%1 (positive = attraction) : minimum %2 à %3, maximum %4 à %5 ; elle ne change pas de signe.</translation>
    </message>
    <message>
        <source>%1 (positive attracts): smallest %2 at %3, largest %4 at %5; it changes sign %6.</source>
        <extracomment>As the text before, and %6 the list of &quot;between %1 and %2&quot; where the force changes sign.</extracomment>
        <translation>%1 (positive = attraction) : minimum %2 à %3, maximum %4 à %5 ; elle change de signe %6.</translation>
    </message>
    <message>
        <source>Force between types:</source>
        <translation>Force entre les types :</translation>
    </message>
    <message>
        <source>Terminate force parameters</source>
        <translation>Fermer les paramètres</translation>
    </message>
    <message>
        <source>The first type of the pair plotted</source>
        <translation>Le premier type de la paire tracée</translation>
    </message>
    <message>
        <source>The second type of the pair plotted</source>
        <translation>Le second type de la paire tracée</translation>
    </message>
    <message>
        <source>After each done, the force between these two types is plotted against their distance</source>
        <translation>Après chaque « valider », la force entre ces deux types est tracée en fonction de leur distance</translation>
    </message>
    <message>
        <source>Type%1</source>
        <extracomment>An entry of the two type lists, 113 and 105 pixels wide; %1: the type&apos;s number.</extracomment>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Strong attraction</source>
        <translation>Attraction forte</translation>
    </message>
    <message>
        <source>Weak attraction</source>
        <translation>Attraction faible</translation>
    </message>
    <message>
        <source>Repelling</source>
        <translation>Répulsion</translation>
    </message>
    <message>
        <source>done</source>
        <translation>valider</translation>
    </message>
    <message>
        <source>Force parameters</source>
        <translation>Paramètres des forces</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angle horizontal</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Up, Down, Tab, Shift+Tab</source>
        <translation>Haut, Bas, Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>move the focus frame along the menu&apos;s enabled items</source>
        <translation>déplacer le cadre sur les choix actifs du menu</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Entrée ou Espace</translation>
    </message>
    <message>
        <source>choose the item in the frame</source>
        <translation>choisir l&apos;élément encadré</translation>
    </message>
    <message>
        <source>Y or Enter / N</source>
        <translation>O, Y ou Entrée / N</translation>
    </message>
    <message>
        <source>answer a question YES / NO</source>
        <translation>répondre OUI / NON à une question</translation>
    </message>
    <message>
        <source>Left, Right (then Enter or Space)</source>
        <translation>Gauche, Droite (puis Entrée)</translation>
    </message>
    <message>
        <source>move the frame between YES and NO (and answer)</source>
        <translation>déplacer le cadre entre OUI et NON (et répondre)</translation>
    </message>
    <message>
        <source>any key</source>
        <translation>une touche</translation>
    </message>
    <message>
        <source>goes on from the cover, a note or a graph</source>
        <translation>continue après la page de titre, une note ou un graphique</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>move through an editor&apos;s fields and buttons in reading order</source>
        <translation>parcourir champs et boutons d&apos;un éditeur dans l&apos;ordre</translation>
    </message>
    <message>
        <source>Enter (in a field)</source>
        <translation>Entrée (dans un champ)</translation>
    </message>
    <message>
        <source>the box&apos;s OK (Done, Particle type OK ?, Ready, done)</source>
        <translation>le OK de la boîte (Terminé, Type de particule OK ?...)</translation>
    </message>
    <message>
        <source>Space or Enter (on a button)</source>
        <translation>Espace, Entrée (bouton)</translation>
    </message>
    <message>
        <source>presses it</source>
        <translation>l&apos;actionne</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 ou ?</translation>
    </message>
    <message>
        <source>the keyboard help</source>
        <translation>l&apos;aide du clavier</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>ends the program</source>
        <translation>quitte le programme</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>Horizontal angle, one way or the other, while held</source>
        <translation>Angle horizontal, dans un sens ou l&apos;autre, tant qu&apos;appuyé</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>Vertical angle, one way or the other, while held</source>
        <translation>Angle vertical, dans un sens ou l&apos;autre, tant qu&apos;appuyé</translation>
    </message>
    <message>
        <source>+ or Page Up</source>
        <translation>+ ou Page préc.</translation>
    </message>
    <message>
        <source>Zoom nearer, while held</source>
        <translation>Zoom plus près, tant qu&apos;appuyé</translation>
    </message>
    <message>
        <source>- or Page Down</source>
        <translation>- ou Page suiv.</translation>
    </message>
    <message>
        <source>Zoom away, while held</source>
        <translation>Zoom plus loin, tant qu&apos;appuyé</translation>
    </message>
    <message>
        <source>Home or O</source>
        <translation>Début ou O</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Angle initial</translation>
    </message>
    <message>
        <source>P or Space</source>
        <translation>P ou Espace</translation>
    </message>
    <message>
        <source>pause (the buttons still turn and zoom) and go on</source>
        <translation>pause (les boutons tournent et zooment encore) et reprise</translation>
    </message>
    <message>
        <source>End or T</source>
        <translation>Fin ou T</translation>
    </message>
    <message>
        <source>Stop, or Terminate</source>
        <translation>Arrêt, ou Terminer</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>once stopped: back to the menu, as a click</source>
        <translation>après l&apos;arrêt : retour au menu, comme un clic</translation>
    </message>
    <message>
        <source>Tab, then Space or Enter</source>
        <translation>Tab, puis Entrée</translation>
    </message>
    <message>
        <source>the button with the focus, as a click</source>
        <translation>le bouton qui a le focus, comme un clic (ou Espace)</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>a longer description of the picture</source>
        <translation>une description plus longue de l&apos;image</translation>
    </message>
    <message>
        <source>G, S, R</source>
        <translation>G, S, R</translation>
    </message>
    <message>
        <source>the Readings window, save the picture, record a movie</source>
        <translation>la fenêtre des mesures, enregistrer l&apos;image, filmer</translation>
    </message>
    <message>
        <source>H, C, B</source>
        <translation>H, C, B</translation>
    </message>
    <message>
        <source>Calculate: kicks 1.25 x stronger, weaker, back to the setup&apos;s bath</source>
        <translation>Calculer : chocs 1,25 fois plus forts, plus faibles, bain réglé</translation>
    </message>
    <message>
        <source>the keyboard help of the view; again to close it</source>
        <translation>l&apos;aide du clavier de la vue ; encore pour la fermer</translation>
    </message>
    <message>
        <source>closes that help, or ends a recording</source>
        <translation>ferme cette aide, ou arrête un enregistrement</translation>
    </message>
    <message>
        <source>Keys (any key or a click closes this help)</source>
        <translation>Touches (une touche ou un clic ferme cette aide)</translation>
    </message>
    <message>
        <source>Keys of this window</source>
        <translation>Touches de cette fenêtre</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>New project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Retrieve project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Show/Edit project</source>
        <translation>Voir/modifier le projet</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Show history</source>
        <translation>Voir l&apos;historique</translation>
    </message>
    <message>
        <source>Show final state</source>
        <translation>Voir l&apos;état final</translation>
    </message>
    <message>
        <source>Show/define forces</source>
        <translation>Voir/définir les forces</translation>
    </message>
    <message>
        <source>Advanced setup</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Help/Manual</source>
        <translation>Aide/Manuel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Molecular Simulation</source>
        <translation>Simulation moléculaire</translation>
    </message>
    <message>
        <source>Click to continue</source>
        <translation>Cliquez pour continuer</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menu principal</translation>
    </message>
    <message>
        <source>Any file</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Saving project</source>
        <translation>Enregistrement du projet</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>The settings file could not be read; the defaults apply.</source>
        <translation>Le fichier des réglages est illisible ; les valeurs par défaut s&apos;appliquent.</translation>
    </message>
    <message>
        <source>The project could not be opened.</source>
        <translation>Le projet n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>This project has no file yet.
Save it with &quot;Save as&quot; first: the calculation writes
its trajectory and final state beside the project file.</source>
        <translation>Ce projet n&apos;a pas encore de fichier.
Enregistrez-le d&apos;abord avec « Enregistrer sous » : le calcul écrit
sa trajectoire et son état final à côté du fichier du projet.</translation>
    </message>
    <message>
        <source>No viewer could be started for the manual.
Open it in a web browser: it is the file
%1</source>
        <translation>Aucun lecteur n&apos;a pu être lancé pour le manuel.
Ouvrez-le dans un navigateur web : c&apos;est le fichier
%1</translation>
    </message>
    <message>
        <source>not available yet</source>
        <translation>pas encore disponible</translation>
    </message>
    <message>
        <source>Save the project with the new force coefficients ?</source>
        <translation>Enregistrer le projet avec les nouveaux coefficients de force ?</translation>
    </message>
    <message>
        <source>Save the new force coefficients ?</source>
        <translation>Enregistrer les nouveaux coefficients de force ?</translation>
    </message>
    <message>
        <source>The project could not be saved.</source>
        <translation>Le projet n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The program could not start itself again.
Choose an item again, or start it by hand.</source>
        <translation>Le programme n&apos;a pas pu redémarrer.
Choisissez de nouveau un élément, ou lancez-le à la main.</translation>
    </message>
    <message>
        <source>You cannot recalculate, save or overwrite this file.</source>
        <translation>Vous ne pouvez ni recalculer, ni enregistrer, ni écraser ce fichier.</translation>
    </message>
    <message>
        <source>Project file name: %1</source>
        <translation>Fichier du projet : %1</translation>
    </message>
    <message>
        <source>Seave the file with different name and try again.</source>
        <translation>Enregistrez le fichier sous un autre nom et réessayez.</translation>
    </message>
    <message>
        <source>%1 belongs to the project %2,
which is not in the same folder.
Put the project beside its files,
or open another one from the menu.</source>
        <translation>%1 appartient au projet %2,
qui n&apos;est pas dans le même dossier.
Placez le projet à côté de ses fichiers,
ou ouvrez-en un autre depuis le menu.</translation>
    </message>
    <message>
        <source>The work folder could not be made:</source>
        <translation>Le dossier de travail n&apos;a pas pu être créé :</translation>
    </message>
    <message>
        <source>The program works in %1</source>
        <translation>Le programme travaille dans %1</translation>
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
        <translation>La trajectoire ne peut pas être rejouée.</translation>
    </message>
    <message>
        <source>Final state reached</source>
        <translation>État final atteint</translation>
    </message>
    <message>
        <source>%1: the frame cut short at line %2 was left out</source>
        <translation>%1 : l&apos;image interrompue à la ligne %2 a été omise</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>État final atteint, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Arrêté à %1</translation>
    </message>
    <message>
        <source>Final state reached: click to return</source>
        <translation>État final atteint : cliquez pour revenir</translation>
    </message>
    <message>
        <source>Stopped: click to return to the menu</source>
        <translation>Arrêté : cliquez pour revenir au menu</translation>
    </message>
    <message numerus="yes">
        <source>History of %n particles</source>
        <translation>
            <numerusform>Historique de %n particule</numerusform>
            <numerusform>Historique de %n particules</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   image %2</translation>
    </message>
    <message>
        <source>The trajectory cannot be replayed further.</source>
        <translation>La trajectoire ne peut pas être rejouée plus loin.</translation>
    </message>
    <message>
        <source>The final state cannot be shown.</source>
        <translation>L&apos;état final ne peut pas être affiché.</translation>
    </message>
    <message numerus="yes">
        <source>Final state at %1, %n particles</source>
        <translation>
            <numerusform>État final à %1, %n particule</numerusform>
            <numerusform>État final à %1, %n particules</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Plot</name>
    <message>
        <source>%1, %2 against %3</source>
        <translation>%1, %2 en fonction de %3</translation>
    </message>
    <message>
        <source>%1 highest %2 at %3</source>
        <translation>%1, maximum %2 à %3</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>pas un nombre</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>infini</translation>
    </message>
    <message>
        <source>minus infinite</source>
        <translation>moins l&apos;infini</translation>
    </message>
    <message>
        <source>%1 times 10 to the %2</source>
        <translation>%1 fois 10 puissance %2</translation>
    </message>
</context>
<context>
    <name>ProjectEditor</name>
    <message>
        <source>at most 20 types</source>
        <translation>au plus 20 types</translation>
    </message>
    <message>
        <source>0 or more</source>
        <translation>0 ou plus</translation>
    </message>
    <message>
        <source>at most 200 in all</source>
        <translation>au plus 200 en tout</translation>
    </message>
    <message>
        <source>a number, not 0</source>
        <translation>un nombre, pas 0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Project data</source>
        <translation>Données du projet</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Number of particle types</source>
        <translation>Nombre de types</translation>
    </message>
    <message>
        <source>Strong force coefficient</source>
        <translation>Coeff. force forte</translation>
    </message>
    <message>
        <source>Weak force (gravity)</source>
        <translation>Force faible (gravité)</translation>
    </message>
    <message>
        <source>Repelling force</source>
        <translation>Force de répulsion</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Edit forces</source>
        <translation>Modifier les forces</translation>
    </message>
    <message>
        <source>Number of particles</source>
        <translation>Nombre de particules</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masse</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Charge électrique</translation>
    </message>
    <message>
        <source>Display diameter</source>
        <translation>Diamètre affiché</translation>
    </message>
    <message>
        <source>Display color (click below) </source>
        <translation>Couleur (cliquer dessous) </translation>
    </message>
    <message>
        <source>Zentova - Project : %1</source>
        <extracomment>The main window&apos;s title while the types are entered; %1: the project&apos;s name.</extracomment>
        <translation>Zentova - Projet : %1</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Particle type %1 OK ?</source>
        <extracomment>The type box&apos;s OK button, 177 pixels wide; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Type %1 OK ?</translation>
    </message>
    <message>
        <source>Patricles of type %1 - parameters</source>
        <extracomment>The type box&apos;s title; %1: the type&apos;s number (1 to 20).</extracomment>
        <translation>Particules de type %1 - paramètres</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Variable does not change</source>
        <translation>La grandeur ne varie pas</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Readings</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Kinetic energy per particle</source>
        <translation>Énergie cinétique par particule</translation>
    </message>
    <message>
        <source>time (time units)</source>
        <translation>temps (unités de temps)</translation>
    </message>
    <message>
        <source>kinetic energy (energy units)</source>
        <translation>énergie cinétique (u. énergie)</translation>
    </message>
    <message>
        <source>all particles</source>
        <translation>toutes les particules</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>type %1</translation>
    </message>
    <message>
        <source>bath (x the setup&apos;s)</source>
        <translation>bain (x celui du réglage)</translation>
    </message>
    <message>
        <source>bath</source>
        <translation>bain</translation>
    </message>
    <message>
        <source>Kinetic energy per particle against time</source>
        <translation>Énergie cinétique par particule en fonction du temps</translation>
    </message>
    <message>
        <source>No readings yet.</source>
        <translation>Pas encore de mesures.</translation>
    </message>
    <message numerus="yes">
        <source>%n frames, from t = %1 to t = %2. At t = %2: all particles %3</source>
        <translation>
            <numerusform>%n image, de t = %1 à t = %2. À t = %2 : toutes les particules %3</numerusform>
            <numerusform>%n images, de t = %1 à t = %2. À t = %2 : toutes les particules %3</numerusform>
        </translation>
    </message>
    <message>
        <source>, type %1 %2</source>
        <translation>, type %1 %2</translation>
    </message>
    <message>
        <source>; bath x %1.</source>
        <translation> ; bain x %1.</translation>
    </message>
</context>
<context>
    <name>Reasons</name>
    <message>
        <source>the number of types is negative</source>
        <translation>le nombre de types est négatif</translation>
    </message>
    <message>
        <source>%1 particle types, at most %2 are allowed</source>
        <translation>%1 types de particules, %2 au plus sont permis</translation>
    </message>
    <message>
        <source>type %1 has a negative particle count</source>
        <translation>le type %1 a un nombre de particules négatif</translation>
    </message>
    <message>
        <source>type %1 has a mass that is not a number</source>
        <translation>la masse du type %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>type %1 has a mass of %2</source>
        <translation>le type %1 a une masse de %2</translation>
    </message>
    <message>
        <source>type %1 has a diameter that is not a number</source>
        <translation>le diamètre du type %1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>type %1 has a diameter of %2, diameters run from %3 to %4</source>
        <translation>le type %1 a un diamètre de %2, permis de %3 à %4</translation>
    </message>
    <message>
        <source>%1 particles in all, at most %2 are allowed</source>
        <translation>%1 particules en tout, %2 au plus sont permises</translation>
    </message>
    <message>
        <source>a force coefficient is not a number</source>
        <translation>un coefficient de force n&apos;est pas un nombre</translation>
    </message>
</context>
<context>
    <name>Replay</name>
    <message numerus="yes">
        <source>Run of %n particles brought back from LAMMPS</source>
        <translation>
            <numerusform>Simulation de %n particule rapportée de LAMMPS</numerusform>
            <numerusform>Simulation de %n particules rapportée de LAMMPS</numerusform>
        </translation>
    </message>
    <message>
        <source>%1   frame %2</source>
        <translation>%1   image %2</translation>
    </message>
    <message>
        <source>Final state reached, %1</source>
        <translation>État final atteint, %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <translation>Arrêté à %1</translation>
    </message>
    <message>
        <source>no frame</source>
        <translation>aucune image</translation>
    </message>
    <message>
        <source>Final state reached: click to end</source>
        <translation>État final atteint : cliquez pour finir</translation>
    </message>
    <message>
        <source>Stopped: click to end</source>
        <translation>Arrêté : cliquez pour finir</translation>
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
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Integration step</source>
        <translation>Pas d&apos;intégration</translation>
    </message>
    <message>
        <source>Dumping coeff.</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Enable fog</source>
        <translation>Activer le brouillard</translation>
    </message>
    <message>
        <source>Show cube limits</source>
        <translation>Afficher les arêtes du cube</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Back to defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The settings could not be saved; they apply until the program ends.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés ; ils valent jusqu&apos;à la fin du programme.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the step stays %2. </source>
        <extracomment>%1: the text typed for the integration step; %2: the step kept.</extracomment>
        <translation>« %1 » n&apos;est pas un nombre ; le pas reste %2. </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number; the damping stays %2.</source>
        <extracomment>%1: the text typed for the damping; %2: the damping kept.</extracomment>
        <translation>« %1 » n&apos;est pas un nombre ; l&apos;amortissement reste %2.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>Zentova - Project : %1   File %2</source>
        <translation>Zentova - Projet : %1   Fichier %2</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Fichier %1</translation>
    </message>
    <message numerus="yes">
        <source>%n parlicle types</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n type de particules</numerusform>
            <numerusform>%n types de particules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n total particles</source>
        <extracomment>A row of the summary&apos;s panel, which holds about 185 pixels: keep it short.</extracomment>
        <translation>
            <numerusform>%n particule en tout</numerusform>
            <numerusform>%n particules en tout</numerusform>
        </translation>
    </message>
    <message>
        <source>Force coefficients:</source>
        <translation>Coefficients de force :</translation>
    </message>
    <message>
        <source>Type %1 (%2)</source>
        <translation>Type %1 (%2)</translation>
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
        <translation>Terminer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>t = %1</source>
        <translation>t = %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angle horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Angle vertical</translation>
    </message>
    <message>
        <source>Original angle</source>
        <translation>Angle initial</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Simulation run</source>
        <translation>Simulation en cours</translation>
    </message>
    <message>
        <source>Paused: P or Space goes on</source>
        <translation>Pause : P/Espace reprend</translation>
    </message>
    <message numerus="yes">
        <source>Recording: %n frames</source>
        <translation>
            <numerusform>Enreg. : %n image</numerusform>
            <numerusform>Enreg. : %n images</numerusform>
        </translation>
    </message>
    <message>
        <source>the view shows no picture</source>
        <translation>la vue n&apos;affiche aucune image</translation>
    </message>
    <message>
        <source>Picture saved as %1</source>
        <translation>Image enregistrée sous %1</translation>
    </message>
    <message>
        <source>The picture was not saved: %1</source>
        <translation>L&apos;image n&apos;a pas été enregistrée : %1</translation>
    </message>
    <message>
        <source>The view is not recorded: %1</source>
        <translation>La vue n&apos;est pas filmée : %1</translation>
    </message>
    <message numerus="yes">
        <source>Movie saved as %1 (%n frames)</source>
        <translation>
            <numerusform>Film enregistré sous %1 (%n image)</numerusform>
            <numerusform>Film enregistré sous %1 (%n images)</numerusform>
        </translation>
    </message>
    <message>
        <source>The movie was not saved: %1</source>
        <translation>Le film n&apos;a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>The recording stopped: %1</source>
        <translation>L&apos;enregistrement s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>nothing was recorded (the view drew no picture meanwhile), so no file was written</source>
        <translation>rien n&apos;a été enregistré (la vue n&apos;a dessiné aucune image entre-temps), donc aucun fichier n&apos;a été écrit</translation>
    </message>
</context>
<context>
    <name>ViewDescription</name>
    <message>
        <source>No particles are shown.</source>
        <translation>Aucune particule n&apos;est affichée.</translation>
    </message>
    <message>
        <source>%1 of type %2 (mass %3)</source>
        <translation>%1 de type %2 (masse %3)</translation>
    </message>
    <message>
        <source>The types are separated: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Les types sont séparés : les centres des types %1 et %2 sont à %3 l&apos;un de l&apos;autre.</translation>
    </message>
    <message>
        <source>The types are mixed: the centres of types %1 and %2 lie %3 apart.</source>
        <translation>Les types sont mélangés : les centres des types %1 et %2 sont à %3 l&apos;un de l&apos;autre.</translation>
    </message>
    <message>
        <source>paused, P goes on</source>
        <translation>en pause, P pour reprendre</translation>
    </message>
    <message>
        <source>advancing, End or T stops</source>
        <translation>en cours, Fin ou T arrête</translation>
    </message>
    <message>
        <source>paused, a click or key on the main window goes on</source>
        <translation>en pause, un clic ou une touche dans la fenêtre principale pour reprendre</translation>
    </message>
    <message>
        <source>the picture stays, End or T terminates</source>
        <translation>l&apos;image reste, Fin ou T termine</translation>
    </message>
    <message>
        <source>waiting, Enter or a click returns to the menu</source>
        <translation>en attente, Entrée ou un clic ramène au menu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message numerus="yes">
        <source>%1 particles of %n types: %2. Radius of gyration %3 in a cube of half edge %4.</source>
        <translation>
            <numerusform>%1 particules de %n type : %2. Rayon de giration %3 dans un cube de demi-arête %4.</numerusform>
            <numerusform>%1 particules de %n types : %2. Rayon de giration %3 dans un cube de demi-arête %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>recording, %n frames</source>
        <translation>
            <numerusform>enregistrement, %n image</numerusform>
            <numerusform>enregistrement, %n images</numerusform>
        </translation>
    </message>
</context>
</TS>
