<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
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
        <translation>In het venster ‘Openen’ zie je vier knoppen met je tekeningen.

ALS JE TEKENING TE ZIEN IS

Klik op de knop met de tekening. Er verschijnt een groen kader rond de tekening die je hebt gekozen. Als je op de knop ‘OK’ klikt, verschijnt je tekening.

ALS JE TEKENING NIET TE ZIEN IS

Klik op de knop met de blauwe pijl om meer tekeningen te zien. Heb je de knop met je tekening gevonden, klik er dan op en klik daarna op de knop ‘OK’.

ALS JE GEEN TEKENING WILT OPENEN

Klik op de knop ‘Annuleer’ om het venster te sluiten zonder een tekening te openen.</translation>
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
        <translation>In het venster ‘Opslaan’ zie je een kleine versie van je tekening.

ZO SLA JE JE TEKENING OP

Klik op de knop ‘OK’. Het venster verdwijnt en je tekening wordt opgeslagen.

WAAR TEKENINGEN WORDEN OPGESLAGEN

Je tekeningen worden opgeslagen in een map met de naam ‘Drawings’, in C:/Quorvane/Lumora/

ALS JE JE TEKENING NIET WILT OPSLAAN

Klik op de knop ‘Annuleer’.

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Over Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>Om met je ogen te tekenen, kijk je naar de knop ‘Lijn’ en houd je daarna</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>je blik stil op het scherm.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Makers</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>Het Lumora-team van Quorvane: ontwerp, tekenvlak en besturing met de ogen.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Gemaakt met de mensen die ermee tekenen, hun families en therapeuten.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Dankwoord</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Dank aan alle testers die de eerste tekeningen maakten met een Quorvane-eyetracker,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>en aan de scholen en klinieken die hun tijd beschikbaar stelden.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora wordt geleverd zoals het is, zonder enige garantie.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Gebruik het vrij om te tekenen, te leren en te spelen.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>Weet je zeker dat je de tekening wilt wissen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Lumora afsluiten</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>Weet je zeker dat je Lumora wilt afsluiten?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>Blijven</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Stempels</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Grid aan</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Grid uit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Punt uit</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Punt aan</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>De tekening kan niet worden opgeslagen: de schijf is vol.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>De tekening kan niet worden opgeslagen: er kan niet in de map worden geschreven.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>De opties kunnen niet worden opgeslagen: de schijf is vol.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>De opties kunnen niet worden opgeslagen: er kan niet in de map worden geschreven.</translation>
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
        <translation>Openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Kies de tekening die je wilt openen.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>De tekening kan niet worden gewist: er kan niet in de map worden geschreven.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Help bij openen</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>Wil je je tekening opslaan?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Help bij opslaan</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
    <message>
        <source>Dwell Timing</source>
        <translation>Fixatietijd</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Extra snel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Cursor Color Sequence</source>
        <translation>Kleurvolgorde van de cursor</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Fixatiegebied</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groot</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(standaard)</translation>
    </message>
    <message>
        <source>300ms</source>
        <translation>300 ms</translation>
    </message>
    <message>
        <source>400ms</source>
        <translation>400 ms</translation>
    </message>
    <message>
        <source>500ms</source>
        <translation>500 ms</translation>
    </message>
    <message>
        <source>600ms</source>
        <translation>600 ms</translation>
    </message>
    <message>
        <source>GR</source>
        <translation>GR</translation>
    </message>
    <message>
        <source>GYR</source>
        <translation>GGR</translation>
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
