<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <translation>Im Fenster „Öffnen“ sehen Sie vier Schaltflächen mit Ihren Zeichnungen.

WENN IHRE ZEICHNUNG ZU SEHEN IST

Klicken Sie auf die Schaltfläche mit der Zeichnung. Ein grüner Rahmen erscheint um die gewählte Zeichnung. Wenn Sie auf die Schaltfläche „OK“ klicken, erscheint Ihre Zeichnung.

WENN IHRE ZEICHNUNG NICHT ZU SEHEN IST

Klicken Sie auf die Schaltfläche mit dem blauen Pfeil, um weitere Zeichnungen zu sehen. Haben Sie Ihre Zeichnung gefunden, klicken Sie darauf und dann auf die Schaltfläche „OK“.

WENN SIE KEINE ZEICHNUNG ÖFFNEN MÖCHTEN

Klicken Sie auf „Abbruch“, um das Fenster ohne Zeichnung zu schließen.</translation>
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
        <translation>Im Fenster „Sichern“ sehen Sie eine kleine Ansicht Ihrer Zeichnung.

SO SPEICHERN SIE IHRE ZEICHNUNG

Klicken Sie auf die Schaltfläche „OK“. Das Fenster verschwindet, und Ihre Zeichnung wird gespeichert.

WO ZEICHNUNGEN GESPEICHERT WERDEN

Ihre Zeichnungen werden im Ordner „Drawings“ unter C:/Quorvane/Lumora/ gespeichert.

WENN SIE IHRE ZEICHNUNG NICHT SPEICHERN MÖCHTEN

Klicken Sie auf die Schaltfläche „Abbruch“.

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Über Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>Zum Zeichnen mit den Augen blicken Sie auf die Schaltfläche „Linie“</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>und halten dann Ihren Blick ruhig auf den Bildschirm.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>Das Lumora-Team bei Quorvane: Gestaltung, Zeichenfläche und Blicksteuerung.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Entwickelt mit den Menschen, die damit zeichnen, ihren Familien und Therapeuten.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Danksagung</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Danke an alle, die als Erste mit einem Quorvane-Eyetracker Bilder gemalt und getestet haben,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>und an die Schulen und Kliniken, die uns ihre Zeit geschenkt haben.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora wird ohne Mängelgewähr und ohne jede Garantie bereitgestellt.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Frei nutzbar zum Zeichnen, Lernen und Spielen.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>Möchten Sie die Zeichnung wirklich löschen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Lumora beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>Möchten Sie Lumora wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>Bleiben</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Vorlesen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Netz an</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Netz aus</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Pkt. aus</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Pkt. an</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>Die Zeichnung konnte nicht gespeichert werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>Die Zeichnung konnte nicht gespeichert werden: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>Die Optionen konnten nicht gespeichert werden: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>Die Optionen konnten nicht gespeichert werden: In den Ordner kann nicht geschrieben werden.</translation>
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
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Wählen Sie die Zeichnung, die Sie öffnen möchten.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>Die Zeichnung konnte nicht gelöscht werden: In den Ordner kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Hilfe zum Öffnen</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>Möchten Sie Ihre Zeichnung speichern?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Hilfe zum Sichern</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Dwell Timing</source>
        <translation>Verweilzeit</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Sehr schnell</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Cursor Color Sequence</source>
        <translation>Farbfolge des Cursors</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Verweilbereich</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(Standard)</translation>
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
