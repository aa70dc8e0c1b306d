<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
