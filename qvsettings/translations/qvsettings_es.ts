<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About QvSettings</source>
        <translation>Acerca de QvSettings</translation>
    </message>
    <message>
        <source>Quorvane Settings Version 1.0</source>
        <translation>Configuración de Quorvane, versión 1.0</translation>
    </message>
    <message>
        <source>Copyright (C) Brelnic, Inc.  All rights reserved.</source>
        <translation>Copyright (C) Brelnic, Inc. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>CBRLField</name>
    <message>
        <source>Value is out of Range</source>
        <translation>Valor fuera de rango</translation>
    </message>
</context>
<context>
    <name>CBRLFloatField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %10.4f
Press CANCEL to return to the field</source>
        <translation>«%s» está fuera del rango permitido.
¿Quieres cambiar el valor?
Pulsa ACEPTAR para cambiarlo a %10.4f.
Pulsa CANCELAR para volver al campo.</translation>
    </message>
</context>
<context>
    <name>CBRLIntField</name>
    <message>
        <source>The %s is out of range.
Would you like to change it?
Press OK to change it to %i
Press CANCEL to return to the field</source>
        <translation>«%s» está fuera del rango permitido.
¿Quieres cambiar el valor?
Pulsa ACEPTAR para cambiarlo a %i.
Pulsa CANCELAR para volver al campo.</translation>
    </message>
</context>
<context>
    <name>CBRLPropPage</name>
    <message>
        <source>Highlight Non-Default Values</source>
        <translation>Resaltar valores no predeterminados</translation>
    </message>
    <message>
        <source>Hide Non-Default Highlights</source>
        <translation>Ocultar el resaltado</translation>
    </message>
    <message>
        <source>Set Values to Defaults on this Page</source>
        <translation>Valores predeterminados en esta página</translation>
    </message>
</context>
<context>
    <name>CCalConstPpg</name>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Calibration Colors</source>
        <translation>Colores de calibración</translation>
    </message>
    <message>
        <source>Display diagnostic messages</source>
        <translation>Mostrar mensajes de diagnóstico</translation>
    </message>
    <message>
        <source>Bypass acceptance regions</source>
        <translation>Omitir regiones de aceptación</translation>
    </message>
    <message>
        <source>Use Dark Background</source>
        <translation>Usar fondo oscuro</translation>
    </message>
    <message>
        <source>Use Bright Background</source>
        <translation>Usar fondo claro</translation>
    </message>
    <message>
        <source>Two cycle calibration for compensating non-concentric pupils</source>
        <translation>Calibración en dos ciclos para compensar pupilas no concéntricas</translation>
    </message>
    <message>
        <source>Dark Background Colors (RGB)</source>
        <translation>Colores de fondo oscuro (RGB)</translation>
    </message>
    <message>
        <source>Bright background Colors (RGB)</source>
        <translation>Colores de fondo claro (RGB)</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Calibration Points</source>
        <translation>Puntos de calibración</translation>
    </message>
    <message>
        <source>Calibration Type:</source>
        <translation>Tipo de calibración:</translation>
    </message>
    <message>
        <source>Normal Resolution</source>
        <translation>Resolución normal</translation>
    </message>
    <message>
        <source>Low Resolution</source>
        <translation>Baja resolución</translation>
    </message>
    <message>
        <source>High Resolution</source>
        <translation>Alta resolución</translation>
    </message>
    <message>
        <source>Num Points:</source>
        <translation>N.º de puntos:</translation>
    </message>
    <message>
        <source>Point Num:</source>
        <translation>Punto n.º:</translation>
    </message>
    <message>
        <source>Coordinates:</source>
        <translation>Coordenadas:</translation>
    </message>
    <message>
        <source>Horizontal Position</source>
        <translation>Posición horizontal</translation>
    </message>
    <message>
        <source>Vertical Position</source>
        <translation>Posición vertical</translation>
    </message>
</context>
<context>
    <name>CConfigSettingsPpg</name>
    <message>
        <source>Save &amp; Restore</source>
        <translation>Guardar y restaurar</translation>
    </message>
    <message>
        <source>You can save the settings to a back-up file before making any changes.</source>
        <translation>Puedes guardar la configuración en un archivo de copia de seguridad antes de hacer cambios.</translation>
    </message>
    <message>
        <source>When you click on the Backup button, you will be prompted for a file name.  This program will save all of the settings to that file.</source>
        <translation>Al hacer clic en el botón de copia de seguridad, se te pedirá un nombre de archivo. El programa guardará toda la configuración en ese archivo.</translation>
    </message>
    <message>
        <source>Backup these settings as...</source>
        <translation>Guardar copia de seguridad como...</translation>
    </message>
    <message>
        <source>You can revert to the settings that you saved earlier.</source>
        <translation>Puedes volver a una configuración guardada anteriormente.</translation>
    </message>
    <message>
        <source>Click on the link below to select a settings file that you have backed up.</source>
        <translation>Haz clic en el botón de abajo para elegir un archivo de configuración guardado.</translation>
    </message>
    <message>
        <source>Revert to settings from...</source>
        <translation>Restaurar configuración desde...</translation>
    </message>
    <message>
        <source>QVX Program Information</source>
        <translation>Información de programas QVX</translation>
    </message>
    <message>
        <source>Quorvane settings files (*.qv);;All files (*)</source>
        <translation>Archivos de configuración de Quorvane (*.qv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Quorvane Config files (*.qv);;All files (*)</source>
        <translation>Archivos de configuración de Quorvane (*.qv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>CDefaultWarning</name>
    <message>
        <source>Are you sure?</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>The set defaults button will set all values on the active page to the default values.  Values on other pages will not be affected</source>
        <translation>El botón de valores predeterminados restablece todos los valores de la página activa. Los valores de las demás páginas no cambian.</translation>
    </message>
    <message>
        <source>It&apos;s a good idea to occasionally save a complete settings file.  This can be done from the save/restore page.</source>
        <translation>Conviene guardar de vez en cuando un archivo de configuración completo. Puedes hacerlo en la página «Guardar y restaurar».</translation>
    </message>
    <message>
        <source>Press OK to continue with the operation and set the defualts on this page.  Press cancel to cancel the operation.</source>
        <translation>Pulsa Aceptar para continuar y restablecer los valores predeterminados de esta página. Pulsa Cancelar para cancelar la operación.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CHardwarePpg</name>
    <message>
        <source>Video Hardware</source>
        <translation>Hardware de vídeo</translation>
    </message>
    <message>
        <source>Quorvane System Monitor Dimensons</source>
        <translation>Dimensiones del monitor del sistema Quorvane</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Horizontal Depth</source>
        <translation>Profundidad horizontal</translation>
    </message>
    <message>
        <source>Vertical Depth</source>
        <translation>Profundidad vertical</translation>
    </message>
    <message>
        <source>Dimensions are in:</source>
        <translation>Dimensiones en:</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centímetros</translation>
    </message>
</context>
<context>
    <name>CImageProcPpg</name>
    <message>
        <source>Image Proc</source>
        <translation>Proc. imagen</translation>
    </message>
    <message>
        <source>Image Processing Switches</source>
        <translation>Opciones de procesamiento de imagen</translation>
    </message>
    <message>
        <source>Droopy Eyelid Compensation (Normally not checked)</source>
        <translation>Compensación de párpado caído (normalmente desactivada)</translation>
    </message>
    <message>
        <source>Turn this on for a user whose eyelid covers the top of the pupil, because of droopy eyelids or large pupils.  The eye tracking then ignores the top edge of the pupil when it computes the pupil centre.</source>
        <translation>Actívala si el párpado del usuario cubre la parte superior de la pupila (párpados caídos o pupilas grandes). El seguimiento ocular ignora entonces el borde superior de la pupila al calcular su centro.</translation>
    </message>
    <message>
        <source>Focus Range Compensation (Normally checked)</source>
        <translation>Compensación del rango de enfoque (normalmente activada)</translation>
    </message>
    <message>
        <source>This function, nominally turned on, should be turned off if the user has goopy or dry eyes, which results primarily from poor blinkreflex.  Goop on the cornea distorts the image of the corneal reflection and interferes with the focus range measurment.</source>
        <translation>Esta función, normalmente activada, debe desactivarse si el usuario tiene los ojos legañosos o secos, lo que se debe sobre todo a un reflejo de parpadeo débil. Las secreciones en la córnea distorsionan la imagen del reflejo corneal e interfieren con la medición del rango de enfoque.</translation>
    </message>
    <message>
        <source>Pupil Non-Concentricity Compensation (Normally not checked)</source>
        <translation>Compensación de pupila no concéntrica (normalmente desactivada)</translation>
    </message>
    <message>
        <source>This function, nominally turned off, is under experimental development and should be turned on only in consultation with Brelnic.  The function is intended to accommodate drifting of the pupil center within the iris, which can occur in people with ALS.</source>
        <translation>Esta función, normalmente desactivada, es experimental y solo debe activarse tras consultar con Brelnic. Compensa el desplazamiento del centro de la pupila dentro del iris, que puede darse en personas con ELA.</translation>
    </message>
</context>
<context>
    <name>CInfoDialog</name>
    <message>
        <source>QVX Program Information</source>
        <translation>Información de programas QVX</translation>
    </message>
    <message>
        <source>Quorvane eye-tracker software: the settings editor and its libraries.</source>
        <translation>Software del seguidor ocular Quorvane: el editor de configuración y sus bibliotecas.</translation>
    </message>
    <message>
        <source>  information</source>
        <translation>  información</translation>
    </message>
    <message>
        <source>Size is %1 bytes</source>
        <translation>Tamaño: %1 bytes</translation>
    </message>
    <message>
        <source>Last Modified on </source>
        <translation>Última modificación: </translation>
    </message>
    <message>
        <source>  does not exist</source>
        <translation>  no existe</translation>
    </message>
</context>
<context>
    <name>CQvSettingsDlg</name>
    <message>
        <source>Quorvane Eye-Tracker Settings</source>
        <translation>Configuración del seguidor ocular Quorvane</translation>
    </message>
    <message>
        <source>&amp;About QvSettings...</source>
        <translation>&amp;Acerca de QvSettings...</translation>
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
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Are you sure that you want to CANCEL?
This will cancel ALL edits since you started or hit Apply
Hit YES to exit without saving
Hit NO to return to the program</source>
        <translation>¿Seguro que quieres CANCELAR?
Se descartarán TODOS los cambios desde el inicio o desde el último «Aplicar».
Pulsa SÍ para salir sin guardar.
Pulsa NO para volver al programa.</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Confirmación</translation>
    </message>
</context>
<context>
    <name>CScreenWnd</name>
    <message>
        <source>Screen</source>
        <translation>Pantalla</translation>
    </message>
</context>
<context>
    <name>CSystemHardware</name>
    <message>
        <source>System Hardware</source>
        <translation>Hardware del sistema</translation>
    </message>
    <message>
        <source>Progressive Scan</source>
        <translation>Barrido progresivo</translation>
    </message>
    <message>
        <source>Camera Sensor Size / Frame rate</source>
        <translation>Tamaño del sensor / frecuencia de imagen</translation>
    </message>
    <message>
        <source>Lens Parameters</source>
        <translation>Parámetros de la lente</translation>
    </message>
    <message>
        <source>W x</source>
        <translation>An. x</translation>
    </message>
    <message>
        <source>H pixels</source>
        <translation>Al. píxeles</translation>
    </message>
    <message>
        <source>H mm</source>
        <translation>Al. mm</translation>
    </message>
    <message>
        <source>Frame Rate (Hz)</source>
        <translation>Frecuencia de imagen (Hz)</translation>
    </message>
    <message>
        <source>Vision Systems</source>
        <translation>Sistemas de visión</translation>
    </message>
    <message>
        <source>Calibration Eyes</source>
        <translation>Ojos a calibrar</translation>
    </message>
    <message>
        <source>Lens Length (mm)</source>
        <translation>Distancia focal (mm)</translation>
    </message>
    <message>
        <source>Nodal Separation (mm)</source>
        <translation>Separación nodal (mm)</translation>
    </message>
    <message>
        <source>Fixed Extension (mm)</source>
        <translation>Extensión fija (mm)</translation>
    </message>
    <message>
        <source>Extension Travel (mm)</source>
        <translation>Recorrido de extensión (mm)</translation>
    </message>
    <message>
        <source>Aperture Diameter (mm)</source>
        <translation>Diámetro de apertura (mm)</translation>
    </message>
    <message>
        <source>Camera Width Pixels</source>
        <translation>Ancho de la cámara en píxeles</translation>
    </message>
    <message>
        <source>Camera Height Pixels</source>
        <translation>Alto de la cámara en píxeles</translation>
    </message>
    <message>
        <source>Camera Frame Rate</source>
        <translation>Frecuencia de imagen de la cámara</translation>
    </message>
    <message>
        <source>Warning: Also resets the Hardware values</source>
        <translation>Aviso: también restablece los valores de hardware</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>SettingsSaver</name>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.
%2</source>
        <translation>No se ha podido guardar la configuración en %1.
%2</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>No se ha indicado ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>The file is on a read-only disk.</source>
        <translation>El archivo está en un disco de solo lectura.</translation>
    </message>
    <message>
        <source>You may not change the file.</source>
        <translation>No tienes permiso para modificar el archivo.</translation>
    </message>
    <message>
        <source>It is a link to a file that does not exist.</source>
        <translation>Es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>The file cannot be reached: %1.</source>
        <translation>No se puede acceder al archivo: %1.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>New files cannot be created in the folder %1.</source>
        <translation>No se pueden crear archivos nuevos en la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: a file of that name is in its place.</source>
        <translation>No se ha podido crear la carpeta %1: en su lugar hay un archivo con ese nombre.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2.</source>
        <translation>No se ha podido crear la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Writing the file failed; the disk may be full.</source>
        <translation>No se ha podido escribir el archivo; puede que el disco esté lleno.</translation>
    </message>
</context>
</TS>
