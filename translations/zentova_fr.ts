<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</TS>
