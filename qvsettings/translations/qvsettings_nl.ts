<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>Over QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Quorvane-instellingen, versie 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Alle rechten voorbehouden.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Waarde buiten bereik</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>‘%s’ valt buiten het bereik.
Wil je de waarde wijzigen?
Met OK wordt deze %10.4f.
Met ANNULEREN ga je terug naar het veld.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>‘%s’ valt buiten het bereik.
Wil je de waarde wijzigen?
Met OK wordt deze %i.
Met ANNULEREN ga je terug naar het veld.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Niet-standaardwaarden markeren</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Markering verbergen</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Standaardwaarden voor deze pagina</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Kalibratie</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Kalibratiekleuren</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Diagnostische berichten weergeven</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Acceptatiegebieden overslaan</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Donkere achtergrond gebruiken</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Lichte achtergrond gebruiken</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Kalibratie in twee cycli voor niet-concentrische pupillen</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Kleuren donkere achtergrond (RGB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Kleuren lichte achtergrond (RGB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Voorgrond</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Kalibratiepunten</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Kalibratietype:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Normale resolutie</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Lage resolutie</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Hoge resolutie</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>Aantal punten:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>Puntnr.:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coördinaten:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Horizontale positie</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Verticale positie</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Opslaan &amp; herstellen</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Je kunt de instellingen in een back-upbestand opslaan voordat je iets wijzigt.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>Als je op de knop voor de back-up klikt, wordt om een bestandsnaam gevraagd. Het programma slaat alle instellingen in dat bestand op.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Instellingen back-uppen als...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Je kunt teruggaan naar eerder opgeslagen instellingen.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Klik op de knop hieronder om een opgeslagen instellingenbestand te kiezen.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Instellingen herstellen uit...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-programma-informatie</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>Quorvane-instellingenbestanden (*.qv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>Quorvane-configuratiebestanden (*.qv);;Alle bestanden (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Weet je het zeker?</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>De knop voor standaardwaarden zet alle waarden op de actieve pagina terug. Waarden op andere pagina&apos;s blijven ongewijzigd.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>Het is verstandig af en toe een volledig instellingenbestand op te slaan. Dat kan op de pagina ‘Opslaan &amp; herstellen’.</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Klik op OK om door te gaan en de standaardwaarden van deze pagina in te stellen. Klik op Annuleren om de bewerking te annuleren.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Videohardware</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Monitorafmetingen Quorvane-systeem</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Horizontale diepte</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Verticale diepte</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Afmetingen in:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimeter</translation>
    </message>
</context>
<context>
    <name>CImageProcPpg</name>
    <message>
        <source>Image Proc</source>
        <translation>Beeldverw.</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Beeldverwerkingsopties</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Compensatie hangend ooglid (normaal uit)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>Zet dit aan als het ooglid van de gebruiker de bovenkant van de pupil bedekt (hangende oogleden of grote pupillen). De eyetracking negeert dan de bovenrand van de pupil bij het berekenen van het middelpunt.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Compensatie focusbereik (normaal aan)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Deze functie staat normaal aan en moet worden uitgezet als de gebruiker plakkerige of droge ogen heeft, meestal door een zwakke knipperreflex. Vocht op het hoornvlies vervormt het beeld van de hoornvliesreflectie en verstoort de meting van het focusbereik.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Compensatie niet-concentrische pupil (normaal uit)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Deze functie staat normaal uit, is experimenteel en mag alleen in overleg met Brelnic worden aangezet. Ze vangt het verschuiven van het pupilmiddelpunt binnen de iris op, wat kan voorkomen bij mensen met ALS.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-programma-informatie</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Quorvane-eyetrackersoftware: de instellingeneditor en de bijbehorende bibliotheken.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  informatie</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Grootte: %1 bytes</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Laatst gewijzigd op </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  bestaat niet</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Instellingen Quorvane-eyetracker</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>&amp;Over QvSettings...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>Weet je zeker dat je wilt ANNULEREN?
ALLE wijzigingen sinds de start of de laatste ‘Toepassen’ gaan verloren.
Klik op JA om af te sluiten zonder op te slaan.
Klik op NEE om terug te gaan naar het programma.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Weet je het zeker</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Scherm</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>Systeemhardware</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Progressieve scan</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Sensorformaat camera / beeldfrequentie</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Lensparameters</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>B x</translation>
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
        <translation>Beeldfrequentie (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Visionsystemen</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Te kalibreren ogen</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Brandpuntsafstand (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Knooppuntafstand (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Vaste extensie (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Extensieslag (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Diafragmadiameter (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Camerabreedte in pixels</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Camerahoogte in pixels</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Beeldfrequentie camera</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Let op: zet ook de hardwarewaarden terug</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Instellingen niet opgeslagen</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>De instellingen kunnen niet worden opgeslagen in %1.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Er is geen bestandsnaam opgegeven.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Het is een map, geen bestand.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>Het bestand staat op een alleen-lezen schijf.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>Je hebt geen toestemming om het bestand te wijzigen.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Het is een koppeling naar een bestand dat niet bestaat.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Het bestand is niet bereikbaar: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>De map %1 bestaat niet.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>In de map %1 kunnen geen nieuwe bestanden worden gemaakt.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>De map %1 kan niet worden gemaakt: er staat een bestand met die naam op die plek.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>De map %1 kan niet worden gemaakt: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>Het schrijven van het bestand is mislukt; de schijf is mogelijk vol.</translation>
    </message>
</context>
</TS>
