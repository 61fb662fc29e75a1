<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>Informazioni su QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Impostazioni Quorvane, versione 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Valore fuori intervallo</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>«%s» è fuori dall&apos;intervallo consentito.
Vuoi modificare il valore?
Premi OK per impostarlo a %10.4f.
Premi ANNULLA per tornare al campo.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>«%s» è fuori dall&apos;intervallo consentito.
Vuoi modificare il valore?
Premi OK per impostarlo a %i.
Premi ANNULLA per tornare al campo.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Evidenzia valori non predefiniti</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Nascondi evidenziazione</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Valori predefiniti per questa pagina</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Colori di calibrazione</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Mostra messaggi diagnostici</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Ignora aree di accettazione</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Usa sfondo scuro</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Usa sfondo chiaro</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Calibrazione in due cicli per compensare pupille non concentriche</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Colori sfondo scuro (RGB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Colori sfondo chiaro (RGB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Primo piano</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Punti di calibrazione</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Tipo di calibrazione:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Risoluzione normale</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Bassa risoluzione</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta risoluzione</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>N. punti:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>Punto n.:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordinate:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Posizione orizzontale</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Posizione verticale</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Salva e ripristina</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Puoi salvare le impostazioni in un file di backup prima di apportare modifiche.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>Quando fai clic sul pulsante di backup, ti viene chiesto un nome di file. Il programma salva tutte le impostazioni in quel file.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Salva un backup delle impostazioni come...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Puoi ripristinare le impostazioni salvate in precedenza.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Fai clic sul pulsante qui sotto per scegliere un file di impostazioni salvato.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Ripristina impostazioni da...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>Informazioni sui programmi QVX</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>File di impostazioni Quorvane (*.qv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>File di configurazione Quorvane (*.qv);;Tutti i file (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>Il pulsante dei valori predefiniti reimposta tutti i valori della pagina attiva. I valori delle altre pagine non cambiano.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>È consigliabile salvare di tanto in tanto un file di impostazioni completo. Puoi farlo dalla pagina «Salva e ripristina».</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Premi OK per continuare e reimpostare i valori predefiniti di questa pagina. Premi Annulla per annullare l&apos;operazione.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Hardware video</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Dimensioni del monitor del sistema Quorvane</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Profondità orizzontale</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Profondità verticale</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Dimensioni in:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimetri</translation>
    </message>
</context>
<context>
    <name>CImageProcPpg</name>
    <message>
        <source>Image Proc</source>
        <translation>Elab. immagine</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Opzioni di elaborazione immagine</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Compensazione palpebra cadente (normalmente disattivata)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>Da attivare se la palpebra dell&apos;utente copre la parte superiore della pupilla (palpebre cadenti o pupille grandi). Il tracciamento oculare ignora allora il bordo superiore della pupilla nel calcolo del centro.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Compensazione del campo di messa a fuoco (normalmente attivata)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Questa funzione, normalmente attiva, va disattivata se l&apos;utente ha occhi appiccicosi o secchi, dovuti soprattutto a uno scarso riflesso di ammiccamento. Le secrezioni sulla cornea distorcono l&apos;immagine del riflesso corneale e disturbano la misura del campo di messa a fuoco.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Compensazione pupilla non concentrica (normalmente disattivata)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Questa funzione, normalmente disattivata, è sperimentale e va attivata solo dopo aver consultato Brelnic. Compensa lo spostamento del centro della pupilla all&apos;interno dell&apos;iride, che può verificarsi nelle persone con SLA.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>Informazioni sui programmi QVX</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Software dell&apos;eye tracker Quorvane: l&apos;editor delle impostazioni e le sue librerie.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  informazioni</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Dimensione: %1 byte</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Ultima modifica: </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  non esiste</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Impostazioni eye tracker Quorvane</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>&amp;Informazioni su QvSettings...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>Vuoi davvero ANNULLARE?
Verranno annullate TUTTE le modifiche dall&apos;avvio o dall&apos;ultimo «Applica».
Premi SÌ per uscire senza salvare.
Premi NO per tornare al programma.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Schermo</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>Hardware di sistema</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Scansione progressiva</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Dimensione sensore / frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Parametri dell&apos;obiettivo</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>L x</translation>
    </message>
    <message>
        <source>H pixels</source>
        <translation>A pixel</translation>
    </message>
    <message>
        <source>H mm</source>
        <translation>A mm</translation>
    </message>
    <message>
        <source>Frame Rate (Hz)</source>
        <translation>Frequenza fotogrammi (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Sistemi di visione</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Occhi da calibrare</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Lunghezza focale (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Separazione nodale (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Estensione fissa (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Corsa dell&apos;estensione (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Diametro di apertura (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Larghezza della camera in pixel</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Altezza della camera in pixel</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Frequenza fotogrammi della camera</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Attenzione: reimposta anche i valori hardware</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Impostazioni non salvate</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>Impossibile salvare le impostazioni in %1.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Non è stato indicato alcun nome di file.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>Il file si trova su un disco di sola lettura.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>Non hai il permesso di modificare il file.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>È un collegamento a un file che non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>Impossibile accedere al file: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>Impossibile creare nuovi file nella cartella %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>Impossibile creare la cartella %1: al suo posto c&apos;è un file con lo stesso nome.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>Impossibile creare la cartella %1: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>Scrittura del file non riuscita; il disco potrebbe essere pieno.</translation>
    </message>
</context>
</TS>
