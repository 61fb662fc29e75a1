<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
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
        <translation>Nella finestra «Apri» vedi quattro pulsanti con i tuoi disegni.

SE IL TUO DISEGNO È VISIBILE

Fai clic sul pulsante che mostra il disegno. Intorno al disegno che hai scelto compare un riquadro verde. Se fai clic sul pulsante «OK», compare il tuo disegno.

SE IL TUO DISEGNO NON È VISIBILE

Fai clic sul pulsante con la freccia blu per vedere altri disegni. Quando hai trovato il pulsante che mostra il tuo disegno, fai clic su di esso e poi sul pulsante «OK».

SE NON VUOI APRIRE UN DISEGNO

Per uscire dalla finestra senza aprire un disegno, fai clic sul pulsante «Annulla».</translation>
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
        <translation>Nella finestra «Salva» vedi una versione ridotta del tuo disegno.

COME SALVARE IL TUO DISEGNO

Fai clic sul pulsante «OK». La finestra scompare e il tuo disegno viene salvato.

DOVE VENGONO SALVATI I DISEGNI

I tuoi disegni vengono salvati in una cartella chiamata «Drawings», in C:/Quorvane/Lumora/

SE NON VUOI SALVARE IL TUO DISEGNO

Fai clic sul pulsante «Annulla».

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Informazioni su Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>Per disegnare con gli occhi, guarda il pulsante «Linea» e poi tieni</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>lo sguardo fermo sullo schermo.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Autori</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>Il team di Lumora in Quorvane: design, area di disegno e controllo con lo sguardo.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Realizzato con le persone che lo usano per disegnare, le loro famiglie e i loro terapisti.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Ringraziamenti</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Grazie a tutti i tester che hanno disegnato le prime immagini con un eye tracker Quorvane,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>e alle scuole e alle cliniche che ci hanno dedicato il loro tempo.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora è fornito così com&apos;è, senza garanzie di alcun tipo.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Usalo liberamente per disegnare, studiare e giocare.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>Vuoi davvero eliminare il disegno?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Esci da Lumora</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>Vuoi davvero uscire da Lumora?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>Rimani</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Timbri</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Grigl. sì</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Grigl. no</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Punto no</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Punto sì</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>Impossibile salvare il disegno: il disco è pieno.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>Impossibile salvare il disegno: non è possibile scrivere nella cartella.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>Impossibile salvare le opzioni: il disco è pieno.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>Impossibile salvare le opzioni: non è possibile scrivere nella cartella.</translation>
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
        <translation>Apri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Scegli il disegno che vuoi aprire.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>Impossibile eliminare il disegno: non è possibile scrivere nella cartella.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Aiuto per aprire</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>Vuoi salvare il tuo disegno?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Aiuto per salvare</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
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
        <source>Dwell Timing</source>
        <translation>Velocità di fissazione</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Molto veloce</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Cursor Color Sequence</source>
        <translation>Sequenza di colori del cursore</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Area di fissazione</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Piccola</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(predefinita)</translation>
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
        <translation>VR</translation>
    </message>
    <message>
        <source>GYR</source>
        <translation>VGR</translation>
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
