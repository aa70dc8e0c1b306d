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
</TS>
