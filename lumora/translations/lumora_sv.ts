<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE" sourcelanguage="en">
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
        <translation>I fönstret ”Öppna” ser du fyra knappar med dina teckningar.

OM DIN TECKNING SYNS

Klicka på knappen som visar teckningen. En grön ram visas runt teckningen som du har valt. Om du klickar på knappen ”OK” visas din teckning.

OM DIN TECKNING INTE SYNS

Klicka på knappen med den blå pilen för att se fler teckningar. När du har hittat knappen som visar din teckning klickar du på den och sedan på knappen ”OK”.

OM DU INTE VILL ÖPPNA NÅGON TECKNING

Klicka på knappen ”Avbryt” för att stänga fönstret utan att öppna någon teckning.</translation>
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
        <translation>I fönstret ”Spara” ser du en liten version av din teckning.

SÅ SPARAR DU DIN TECKNING

Klicka på knappen ”OK”. Fönstret försvinner och din teckning sparas.

VAR TECKNINGARNA SPARAS

Dina teckningar sparas i en mapp som heter ”Drawings”, i C:/Quorvane/Lumora/

OM DU INTE VILL SPARA DIN TECKNING

Klicka på knappen ”Avbryt”.

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Om Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>För att rita med ögonen tittar du på knappen ”Linje” och håller sedan</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>blicken stilla på skärmen.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Skapare</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>Lumora-teamet på Quorvane: design, rityta och styrning med blicken.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Utvecklat tillsammans med dem som ritar med det, deras familjer och terapeuter.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Tack</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Tack till alla testare som ritade de första bilderna med en Quorvane-eyetracker,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>och till skolorna och klinikerna som gav oss av sin tid.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora tillhandahålls i befintligt skick, utan garantier av något slag.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Använd det fritt för att rita, studera och leka.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>Vill du verkligen ta bort teckningen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Avsluta Lumora</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>Vill du verkligen avsluta Lumora?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>Stanna</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Lyssna</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Stämplar</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Rutor på</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Rutor av</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ångra</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställn.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Prick av</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Prick på</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>Teckningen kunde inte sparas: disken är full.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>Teckningen kunde inte sparas: det går inte att skriva i mappen.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>Inställningarna kunde inte sparas: disken är full.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>Inställningarna kunde inte sparas: det går inte att skriva i mappen.</translation>
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
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Välj den teckning som du vill öppna.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>Teckningen kunde inte tas bort: det går inte att skriva i mappen.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Hjälp för att öppna</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>Vill du spara din teckning?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Hjälp för att spara</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
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
        <source>Dwell Timing</source>
        <translation>Fixeringstid</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Extra snabb</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snabb</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Långsam</translation>
    </message>
    <message>
        <source>Cursor Color Sequence</source>
        <translation>Markörens färgföljd</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Fixeringsområde</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Litet</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Stort</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(standard)</translation>
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
