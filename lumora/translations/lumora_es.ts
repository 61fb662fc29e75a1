<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
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
        <translation>En la ventana «Abrir» verás cuatro botones con tus dibujos.

SI TU DIBUJO ESTÁ A LA VISTA

Haz clic en el botón que muestra el dibujo. Aparecerá un recuadro verde alrededor del dibujo que has elegido. Si haces clic en el botón «Aceptar», aparecerá tu dibujo.

SI TU DIBUJO NO ESTÁ A LA VISTA

Haz clic en el botón de la flecha azul para ver más dibujos. Cuando encuentres el botón que muestra tu dibujo, haz clic en él y después en el botón «Aceptar».

SI NO QUIERES ABRIR NINGÚN DIBUJO

Para salir de la ventana sin abrir ningún dibujo, haz clic en el botón «Cancelar».</translation>
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
        <translation>En la ventana «Guardar» verás una versión pequeña de tu dibujo.

CÓMO GUARDAR TU DIBUJO

Haz clic en el botón «Aceptar». La ventana desaparecerá y tu dibujo se guardará.

DÓNDE SE GUARDAN LOS DIBUJOS

Tus dibujos se guardarán en una carpeta llamada «Drawings», en C:/Quorvane/Lumora/

SI NO QUIERES GUARDAR TU DIBUJO

Haz clic en el botón «Cancelar».

</translation>
    </message>
</context>
<context>
    <name>lumora::AboutDlg</name>
    <message>
        <source>About Lumora</source>
        <translation>Acerca de Lumora</translation>
    </message>
    <message>
        <source>To start drawing with your eyes, look at the &quot;Line&quot; button and then hold</source>
        <translation>Para dibujar con los ojos, mira el botón «Línea» y después mantén</translation>
    </message>
    <message>
        <source>your eyes steady on the screen.</source>
        <translation>la mirada quieta en la pantalla.</translation>
    </message>
    <message>
        <source>Creators</source>
        <translation>Creadores</translation>
    </message>
    <message>
        <source>The Lumora team at Quorvane: design, drawing canvas and gaze input.</source>
        <translation>El equipo de Lumora en Quorvane: diseño, lienzo de dibujo y control con la mirada.</translation>
    </message>
    <message>
        <source>Built with the people who draw with it, their families and therapists.</source>
        <translation>Creado con las personas que dibujan con él, sus familias y sus terapeutas.</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Thanks to every tester who drew the first pictures with a Quorvane tracker,</source>
        <translation>Gracias a quienes lo probaron y crearon los primeros dibujos con un seguidor ocular Quorvane,</translation>
    </message>
    <message>
        <source>and to the schools and clinics that lent their time.</source>
        <translation>y a las escuelas y clínicas que nos dedicaron su tiempo.</translation>
    </message>
    <message>
        <source>Lumora is provided as is, without warranty of any kind.</source>
        <translation>Lumora se ofrece tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>Copyright Quorvane. Use it freely for drawing, study and play.</source>
        <translation>Copyright Quorvane. Úsalo libremente para dibujar, estudiar y jugar.</translation>
    </message>
</context>
<context>
    <name>lumora::DeleteDlg</name>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete the drawing?</source>
        <translation>¿Seguro que quieres borrar el dibujo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lumora::ExitDlg</name>
    <message>
        <source>Exit Lumora</source>
        <translation>Salir de Lumora</translation>
    </message>
    <message>
        <source>Are you sure you want to Exit Lumora?</source>
        <translation>¿Seguro que quieres salir de Lumora?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Don&apos;t Exit</source>
        <translation>No salir</translation>
    </message>
</context>
<context>
    <name>lumora::HelpDlg</name>
    <message>
        <source>Play</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>lumora::MainDlg</name>
    <message>
        <source>Stamps</source>
        <translation>Sellos</translation>
    </message>
    <message>
        <source>Grid On</source>
        <translation>Rejilla sí</translation>
    </message>
    <message>
        <source>Grid Off</source>
        <translation>Rejilla no</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Dot Off</source>
        <translation>Punto no</translation>
    </message>
    <message>
        <source>Dot On</source>
        <translation>Punto sí</translation>
    </message>
</context>
<context>
    <name>lumora::MessageDlg</name>
    <message>
        <source>The drawing could not be saved: the disk is full.</source>
        <translation>No se ha podido guardar el dibujo: el disco está lleno.</translation>
    </message>
    <message>
        <source>The drawing could not be saved: the folder cannot be written.</source>
        <translation>No se ha podido guardar el dibujo: no se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the disk is full.</source>
        <translation>No se han podido guardar los ajustes: el disco está lleno.</translation>
    </message>
    <message>
        <source>The settings could not be saved: the folder cannot be written.</source>
        <translation>No se han podido guardar los ajustes: no se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lumora::OpenDlg</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Choose the drawing you would like to open.</source>
        <translation>Elige el dibujo que quieres abrir.</translation>
    </message>
    <message>
        <source>The drawing could not be deleted: the folder cannot be written.</source>
        <translation>No se ha podido borrar el dibujo: no se puede escribir en la carpeta.</translation>
    </message>
</context>
<context>
    <name>lumora::OpenHelpDlg</name>
    <message>
        <source>Open Help</source>
        <translation>Ayuda para abrir</translation>
    </message>
</context>
<context>
    <name>lumora::SaveDlg</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>No Save</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Do you want to save your drawing?</source>
        <translation>¿Quieres guardar tu dibujo?</translation>
    </message>
</context>
<context>
    <name>lumora::SaveHelpDlg</name>
    <message>
        <source>Save Help</source>
        <translation>Ayuda para guardar</translation>
    </message>
</context>
<context>
    <name>lumora::SettingsDlg</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Dwell Timing</source>
        <translation>Velocidad de fijación</translation>
    </message>
    <message>
        <source>Extra Fast</source>
        <translation>Muy rápida</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
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
        <translation>Secuencia de colores del cursor</translation>
    </message>
    <message>
        <source>Dwell Size</source>
        <translation>Área de fijación</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>(Default)</source>
        <translation>(estándar)</translation>
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
        <translation>VAR</translation>
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
