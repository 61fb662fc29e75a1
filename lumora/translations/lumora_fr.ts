<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>HelpTexts</name>
    <message>
        <source>In the Open dialog box, you will see four buttons with the drawings on them. 

IF YOUR DRAWING IS VISIBLE

Click on the button that displays the drawing.  A green box will appear around the drawing that you have chosen.  If you click on the &apos;OK&apos; button, your drawing will appear. 

IF YOUR DRAWING IS NOT VISIBLE

Click the button with the blue arrow to see more drawings. Once you have found the button that displays your drawing, click on it, then click the button labeled &apos;OK&apos;

IF YOU DON&apos;T WANT TO OPEN A DRAWING

To exit the window without opening a drawing, click the button labeled &apos;Cancel&apos;.</source>
        <translation>Dans la fenêtre «&#xa0;Ouvrir&#xa0;», vous voyez quatre boutons qui montrent vos dessins.

SI VOTRE DESSIN EST VISIBLE

Cliquez sur le bouton qui montre le dessin. Un cadre vert apparaît autour du dessin que vous avez choisi. Si vous cliquez sur le bouton «&#xa0;OK&#xa0;», votre dessin apparaît.

SI VOTRE DESSIN N&apos;EST PAS VISIBLE

Cliquez sur le bouton avec la flèche bleue pour voir d&apos;autres dessins. Quand vous avez trouvé le bouton qui montre votre dessin, cliquez dessus, puis cliquez sur le bouton «&#xa0;OK&#xa0;».

SI VOUS NE VOULEZ PAS OUVRIR DE DESSIN

Pour fermer la fenêtre sans ouvrir de dessin, cliquez sur le bouton «&#xa0;Annuler&#xa0;».</translation>
    </message>
    <message>
        <source>In the Save dialog box, you will see a small version of your drawing. 

HOW TO SAVE YOUR DRAWING

Click on the button labeled &apos;OK&apos;.  The window will disappear and your drawing will be saved.

WHERE DRAWINGS ARE SAVED

Your drawings will be saved in a folder called drawings at C:/Quorvane/Lumora/

IF YOU DON&apos;T WANT TO SAVE YOUR DRAWING

Click the button labeled &apos;Cancel&apos;.

</source>
        <translation>Dans la fenêtre «&#xa0;Sauver&#xa0;», vous voyez une petite image de votre dessin.

POUR ENREGISTRER VOTRE DESSIN

Cliquez sur le bouton «&#xa0;OK&#xa0;». La fenêtre disparaît et votre dessin est enregistré.

OÙ SONT ENREGISTRÉS LES DESSINS

Vos dessins sont enregistrés dans un dossier nommé «&#xa0;Drawings&#xa0;», dans C:/Quorvane/Lumora/

SI VOUS NE VOULEZ PAS ENREGISTRER VOTRE DESSIN

Cliquez sur le bouton «&#xa0;Annuler&#xa0;».

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>À propos de Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>Pour dessiner avec les yeux, regardez le bouton «&#xa0;Ligne&#xa0;», puis gardez</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>le regard immobile sur l&apos;écran.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Créateurs</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>L&apos;équipe Lumora de Quorvane&#xa0;: conception, zone de dessin et commande par le regard.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Conçu avec les personnes qui dessinent avec lui, leurs familles et leurs thérapeutes.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Remerciements</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Merci à tous les testeurs qui ont dessiné les premières images avec un oculomètre Quorvane,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>ainsi qu&apos;aux écoles et aux cliniques qui nous ont consacré leur temps.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora est fourni tel quel, sans garantie d&apos;aucune sorte.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Utilisez-le librement pour dessiner, étudier et jouer.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>Voulez-vous vraiment effacer le dessin&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Quitter Lumora</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>Voulez-vous vraiment quitter Lumora&#xa0;?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>Rester</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Tampons</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Grille on</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Grille off</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Point off</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Point on</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>Le dessin n&apos;a pas pu être enregistré&#xa0;: le disque est plein.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>Le dessin n&apos;a pas pu être enregistré&#xa0;: impossible d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: le disque est plein.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés&#xa0;: impossible d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lumora::OpenDlg</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Choisissez le dessin que vous voulez ouvrir.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>Le dessin n&apos;a pas pu être effacé&#xa0;: impossible d&apos;écrire dans le dossier.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Aide pour ouvrir</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>Voulez-vous enregistrer votre dessin&#xa0;?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Aide pour sauver</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
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
        <source>Dwell Timing</source>
        <translation>Vitesse de fixation</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Très rapide</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Cursor Color Sequence</source>
        <translation>Couleurs successives du curseur</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Zone de fixation</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(par défaut)</translation>
    </message>
    <message>
        <source>300ms</source>
        <translation>300&#xa0;ms</translation>
    </message>
    <message>
        <source>400ms</source>
        <translation>400&#xa0;ms</translation>
    </message>
    <message>
        <source>500ms</source>
        <translation>500&#xa0;ms</translation>
    </message>
    <message>
        <source>600ms</source>
        <translation>600&#xa0;ms</translation>
    </message>
    <message>
        <source>GR</source>
        <translation>VR</translation>
    </message>
    <message>
        <source>GYR</source>
        <translation>VJR</translation>
    </message>
    <message>
        <source>0.25</source>
        <translation>0,25</translation>
    </message>
    <message>
        <source>0.50</source>
        <translation>0,50</translation>
    </message>
    <message>
        <source>0.75</source>
        <translation>0,75</translation>
    </message>
</context>
</TS>
