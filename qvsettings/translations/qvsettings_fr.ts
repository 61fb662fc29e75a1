<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>À propos de QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Paramètres Quorvane, version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Valeur hors limites</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>«&#xa0;%s&#xa0;» est hors de la plage autorisée.
Voulez-vous modifier la valeur&#xa0;?
Cliquez sur OK pour la remplacer par %10.4f.
Cliquez sur ANNULER pour revenir au champ.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>«&#xa0;%s&#xa0;» est hors de la plage autorisée.
Voulez-vous modifier la valeur&#xa0;?
Cliquez sur OK pour la remplacer par %i.
Cliquez sur ANNULER pour revenir au champ.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Surligner les valeurs non standard</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Masquer le surlignage</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Valeurs par défaut pour cette page</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Calibrage</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Couleurs de calibrage</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Afficher les messages de diagnostic</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Ignorer les zones d&apos;acceptation</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Utiliser un fond sombre</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Utiliser un fond clair</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Calibrage en deux cycles pour compenser les pupilles non concentriques</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Couleurs sur fond sombre (RVB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Couleurs sur fond clair (RVB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Premier plan</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Points de calibrage</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Type de calibrage&#xa0;:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Résolution normale</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Basse résolution</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Haute résolution</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>Nb de points&#xa0;:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>N° de point&#xa0;:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordonnées&#xa0;:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Position horizontale</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Position verticale</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Sauvegarde &amp; restauration</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Vous pouvez enregistrer les paramètres dans un fichier de sauvegarde avant toute modification.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>Lorsque vous cliquez sur le bouton de sauvegarde, un nom de fichier vous est demandé. Le programme enregistre tous les paramètres dans ce fichier.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Sauvegarder ces paramètres sous...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Vous pouvez revenir aux paramètres enregistrés précédemment.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Cliquez sur le bouton ci-dessous pour choisir un fichier de paramètres sauvegardé.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Restaurer les paramètres depuis...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>Informations sur les programmes QVX</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>Fichiers de paramètres Quorvane (*.qv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>Fichiers de configuration Quorvane (*.qv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>Le bouton des valeurs par défaut rétablit les valeurs par défaut de toute la page active. Les valeurs des autres pages ne sont pas modifiées.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>Il est conseillé d&apos;enregistrer de temps en temps un fichier de paramètres complet. Vous pouvez le faire depuis la page «&#xa0;Sauvegarde &amp; restauration&#xa0;».</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Cliquez sur OK pour continuer et rétablir les valeurs par défaut de cette page. Cliquez sur Annuler pour annuler l&apos;opération.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Matériel vidéo</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Dimensions du moniteur du système Quorvane</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Profondeur horizontale</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Profondeur verticale</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Unité des dimensions&#xa0;:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
    </message>
</context>
<context>
    <name>CImageProcPpg</name>
    <message>
        <source>Image Proc</source>
        <translation>Trait. image</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Options de traitement d&apos;image</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Compensation de paupière tombante (normalement désactivée)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>À activer si la paupière de l&apos;utilisateur couvre le haut de la pupille (paupières tombantes ou grandes pupilles). Le suivi oculaire ignore alors le bord supérieur de la pupille pour calculer son centre.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Compensation de la plage de mise au point (normalement activée)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Cette fonction, normalement activée, doit être désactivée si l&apos;utilisateur a les yeux collants ou secs, ce qui vient surtout d&apos;un réflexe de clignement faible. Les sécrétions sur la cornée déforment l&apos;image du reflet cornéen et perturbent la mesure de la plage de mise au point.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Compensation de pupille non concentrique (normalement désactivée)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Cette fonction, normalement désactivée, est expérimentale et ne doit être activée qu&apos;en accord avec Brelnic. Elle compense la dérive du centre de la pupille dans l&apos;iris, qui peut survenir chez les personnes atteintes de SLA.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>Informations sur les programmes QVX</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Logiciel de l&apos;oculomètre Quorvane&#xa0;: l&apos;éditeur de paramètres et ses bibliothèques.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  informations</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Taille&#xa0;: %1 octets</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Dernière modification le </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Paramètres de l&apos;oculomètre Quorvane</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>À &amp;propos de QvSettings...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>Voulez-vous vraiment ANNULER&#xa0;?
Vous perdrez TOUTES les modifications depuis le début ou le dernier «&#xa0;Appliquer&#xa0;».
Cliquez sur OUI pour quitter sans enregistrer.
Cliquez sur NON pour revenir au programme.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Confirmation</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Écran</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>Matériel système</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Balayage progressif</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Taille du capteur / fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Paramètres de l&apos;objectif</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>L x</translation>
    </message>
    <message>
        <source>H pixels</source>
        <translation>H pixels</translation>
    </message>
    <message>
        <source>H mm</source>
        <translation>H mm</translation>
    </message>
    <message>
        <source>Frame Rate (Hz)</source>
        <translation>Fréquence d&apos;images (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Systèmes de vision</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Yeux à calibrer</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Distance nodale (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Tirage fixe (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Course du tirage (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Diamètre d&apos;ouverture (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Largeur de la caméra en pixels</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Hauteur de la caméra en pixels</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Fréquence d&apos;images de la caméra</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Attention&#xa0;: réinitialise aussi les valeurs du matériel</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Paramètres non enregistrés</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Aucun nom de fichier n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Il s&apos;agit d&apos;un dossier, pas d&apos;un fichier.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Il ne s&apos;agit pas d&apos;un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>Le fichier se trouve sur un disque en lecture seule.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>Vous n&apos;êtes pas autorisé à modifier le fichier.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Il s&apos;agit d&apos;un lien vers un fichier qui n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Impossible d&apos;accéder au fichier&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>Impossible de créer de nouveaux fichiers dans le dossier %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: un fichier du même nom occupe sa place.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>L&apos;écriture du fichier a échoué&#xa0;; le disque est peut-être plein.</translation>
    </message>
</context>
</TS>
