<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>Om QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Quorvane-inställningar, version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Med ensamrätt.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Värde utanför intervallet</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>”%s” ligger utanför det tillåtna intervallet.
Vill du ändra värdet?
Tryck på OK för att ändra det till %10.4f.
Tryck på AVBRYT för att återgå till fältet.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>”%s” ligger utanför det tillåtna intervallet.
Vill du ändra värdet?
Tryck på OK för att ändra det till %i.
Tryck på AVBRYT för att återgå till fältet.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Markera icke-standardvärden</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Dölj markeringen</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Standardvärden på den här sidan</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Kalibrering</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Kalibreringsfärger</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Visa diagnostikmeddelanden</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Förbigå acceptansområden</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Använd mörk bakgrund</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Använd ljus bakgrund</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Kalibrering i två cykler för icke-koncentriska pupiller</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Färger för mörk bakgrund (RGB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Färger för ljus bakgrund (RGB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Förgrund</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Kalibreringspunkter</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Kalibreringstyp:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Normal upplösning</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Låg upplösning</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Hög upplösning</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>Antal punkter:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>Punkt nr:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Koordinater:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Horisontell position</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Vertikal position</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Spara &amp; återställ</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Du kan spara inställningarna i en säkerhetskopia innan du gör ändringar.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>När du klickar på knappen för säkerhetskopiering blir du ombedd att ange ett filnamn. Programmet sparar alla inställningar i den filen.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Säkerhetskopiera inställningarna som...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Du kan återgå till inställningar som du har sparat tidigare.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Klicka på knappen nedan för att välja en sparad inställningsfil.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Återställ inställningar från...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-programinformation</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>Quorvane-inställningsfiler (*.qv);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>Quorvane-konfigurationsfiler (*.qv);;Alla filer (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Är du säker?</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>Knappen för standardvärden återställer alla värden på den aktiva sidan. Värden på andra sidor påverkas inte.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>Det är en god idé att då och då spara en fullständig inställningsfil. Det gör du på sidan ”Spara &amp; återställ”.</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Tryck på OK för att fortsätta och återställa standardvärdena på den här sidan. Tryck på Avbryt för att avbryta åtgärden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Videomaskinvara</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Bildskärmsmått för Quorvane-systemet</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Bredd</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höjd</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Horisontellt djup</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Vertikalt djup</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Måtten anges i:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Tum</translation>
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
        <translation>Bildbehandl.</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Alternativ för bildbehandling</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Kompensation för hängande ögonlock (normalt av)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>Aktivera detta om användarens ögonlock täcker pupillens överkant (hängande ögonlock eller stora pupiller). Ögonspårningen bortser då från pupillens överkant när mittpunkten beräknas.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Kompensation för fokusområde (normalt på)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Funktionen är normalt på och bör stängas av om användaren har klibbiga eller torra ögon, främst till följd av svag blinkreflex. Sekret på hornhinnan förvränger bilden av hornhinnereflexen och stör mätningen av fokusområdet.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Kompensation för icke-koncentrisk pupill (normalt av)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Funktionen är normalt av, är experimentell och bör bara aktiveras i samråd med Brelnic. Den kompenserar för att pupillens mittpunkt vandrar inom iris, vilket kan förekomma hos personer med ALS.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-programinformation</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Programvara för Quorvane-eyetracker: inställningsredigeraren och dess bibliotek.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  information</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Storlek: %1 byte</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Senast ändrad </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  finns inte</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Inställningar för Quorvane-eyetracker</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>&amp;Om QvSettings...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Verkställ</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>Vill du verkligen AVBRYTA?
Då ångras ALLA ändringar sedan start eller senaste ”Verkställ”.
Tryck på JA för att avsluta utan att spara.
Tryck på NEJ för att återgå till programmet.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Är du säker</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Skärm</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>Systemmaskinvara</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Progressiv avsökning</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Sensorstorlek / bildfrekvens</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Objektivparametrar</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>B x</translation>
    </message>
    <message>
        <source>H pixels</source>
        <translation>H pixlar</translation>
    </message>
    <message>
        <source>H mm</source>
        <translation>H mm</translation>
    </message>
    <message>
        <source>Frame Rate (Hz)</source>
        <translation>Bildfrekvens (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Visionssystem</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Ögon att kalibrera</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Brännvidd (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Nodpunktsavstånd (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Fast utdrag (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Utdragsväg (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Bländardiameter (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Kamerabredd i pixlar</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Kamerahöjd i pixlar</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Kamerans bildfrekvens</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Varning: återställer även maskinvaruvärdena</translation>
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
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Verkställ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Inställningarna sparades inte</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>Inställningarna kunde inte sparas i %1.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Inget filnamn angavs.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Det är en mapp, inte en fil.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Det är ingen vanlig fil.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Filen är skrivskyddad.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>Filen ligger på en skrivskyddad disk.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>Du har inte behörighet att ändra filen.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Det är en länk till en fil som inte finns.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Det går inte att komma åt filen: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Mappen %1 finns inte.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>Det går inte att skapa nya filer i mappen %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>Mappen %1 kunde inte skapas: en fil med samma namn finns redan där.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Mappen %1 kunde inte skapas: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>Det gick inte att skriva filen; disken kan vara full.</translation>
    </message>
</context>
</TS>
