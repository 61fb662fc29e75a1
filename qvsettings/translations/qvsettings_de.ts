<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>Über QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Quorvane-Einstellungen, Version 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Wert außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>„%s“ liegt außerhalb des Bereichs.
Möchten Sie den Wert ändern?
Mit OK wird er auf %10.4f gesetzt.
Mit ABBRECHEN kehren Sie zum Feld zurück.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>„%s“ liegt außerhalb des Bereichs.
Möchten Sie den Wert ändern?
Mit OK wird er auf %i gesetzt.
Mit ABBRECHEN kehren Sie zum Feld zurück.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Nicht-Standardwerte hervorheben</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Hervorhebung ausblenden</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Standardwerte für diese Seite setzen</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Kalibrierfarben</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Diagnosemeldungen anzeigen</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Akzeptanzbereiche umgehen</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Dunklen Hintergrund verwenden</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Hellen Hintergrund verwenden</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Kalibrierung in zwei Durchgängen zum Ausgleich nicht konzentrischer Pupillen</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Farben für dunklen Hintergrund (RGB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Farben für hellen Hintergrund (RGB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Vordergrund</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Kalibrierpunkte</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Kalibriertyp:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Normale Auflösung</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Niedrige Auflösung</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Hohe Auflösung</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>Anz. Punkte:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>Punkt-Nr.:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Koordinaten:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Horizontale Position</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Vertikale Position</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Sichern &amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Sie können die Einstellungen vor Änderungen in einer Sicherungsdatei speichern.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>Wenn Sie auf die Schaltfläche zum Sichern klicken, werden Sie nach einem Dateinamen gefragt. Das Programm speichert alle Einstellungen in dieser Datei.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Diese Einstellungen sichern unter...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Sie können zu früher gesicherten Einstellungen zurückkehren.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Klicken Sie auf die Schaltfläche unten, um eine gesicherte Einstellungsdatei auszuwählen.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Einstellungen wiederherstellen aus...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-Programminformationen</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>Quorvane-Einstellungsdateien (*.qv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>Quorvane-Konfigurationsdateien (*.qv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>Die Schaltfläche für die Standardwerte setzt alle Werte der aktiven Seite auf die Standardwerte zurück. Werte auf anderen Seiten bleiben unverändert.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>Es empfiehlt sich, gelegentlich eine vollständige Einstellungsdatei zu sichern. Das geht auf der Seite „Sichern &amp; Wiederherstellen“.</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Klicken Sie auf OK, um fortzufahren und die Standardwerte dieser Seite zu setzen. Klicken Sie auf Abbrechen, um den Vorgang abzubrechen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Video-Hardware</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Monitorabmessungen des Quorvane-Systems</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Horizontale Tiefe</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Vertikale Tiefe</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Maße in:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
    </message>
</context>
<context>
    <name>CImageProcPpg</name>
    <message>
        <source>Image Proc</source>
        <translation>Bildverarb.</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Bildverarbeitungsoptionen</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Kompensation hängender Augenlider (normalerweise aus)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>Für Benutzer, deren Augenlid den oberen Teil der Pupille verdeckt (hängende Lider oder große Pupillen). Die Blickerfassung ignoriert dann bei der Berechnung des Pupillenmittelpunkts den oberen Pupillenrand.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Kompensation des Fokusbereichs (normalerweise ein)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Diese normalerweise aktive Funktion sollte ausgeschaltet werden, wenn der Benutzer verklebte oder trockene Augen hat, meist infolge eines schwachen Lidschlagreflexes. Sekret auf der Hornhaut verzerrt das Bild des Hornhautreflexes und stört die Messung des Fokusbereichs.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Kompensation nicht konzentrischer Pupillen (normalerweise aus)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Diese normalerweise inaktive Funktion ist experimentell und sollte nur nach Rücksprache mit Brelnic eingeschaltet werden. Sie gleicht ein Wandern des Pupillenmittelpunkts innerhalb der Iris aus, das bei Menschen mit ALS auftreten kann.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>QVX-Programminformationen</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Quorvane-Eyetracker-Software: der Einstellungseditor und seine Bibliotheken.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  Informationen</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Größe: %1 Byte</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Zuletzt geändert am </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  ist nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Quorvane-Eyetracker-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>Ü&amp;ber QvSettings...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>Möchten Sie wirklich ABBRECHEN?
ALLE Änderungen seit Start oder letztem „Anwenden“ gehen verloren.
Klicken Sie auf JA, um ohne Speichern zu beenden.
Klicken Sie auf NEIN, um zum Programm zurückzukehren.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Sind Sie sicher</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>System-Hardware</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Progressive Abtastung</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Kamerasensorgröße / Bildrate</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Objektivparameter</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>B x</translation>
    </message>
    <message>
        <source>H pixels</source>
        <translation>H Pixel</translation>
    </message>
    <message>
        <source>H mm</source>
        <translation>H mm</translation>
    </message>
    <message>
        <source>Frame Rate (Hz)</source>
        <translation>Bildrate (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Vision-Systeme</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Zu kalibrierende Augen</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Knotenpunktabstand (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Fester Auszug (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Auszugsweg (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Blendendurchmesser (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Kamerabreite in Pixel</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Kamerahöhe in Pixel</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Bildrate der Kamera</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Achtung: Setzt auch die Hardware-Werte zurück</translation>
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
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>Die Datei liegt auf einem schreibgeschützten Datenträger.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>Sie haben keine Berechtigung, die Datei zu ändern.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es ist ein Verweis auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Auf die Datei kann nicht zugegriffen werden: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>Im Ordner %1 können keine neuen Dateien angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: An seiner Stelle liegt eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>Das Schreiben der Datei ist fehlgeschlagen; möglicherweise ist der Datenträger voll.</translation>
    </message>
</context>
</TS>
