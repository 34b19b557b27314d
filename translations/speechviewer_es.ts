<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Editar entrada</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nueva entrada</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (hexadecimal):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Coincidir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Buscar &amp;todo</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Líneas encontradas</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nueva entrada</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Los textos de %1 parecen estar en UTF-8, no en %2. ¿Mostrarlos como UTF-8?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>La comparación se ha detenido.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Los archivos contienen juntos más de %1 entradas, más de las que se pueden comparar.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Eliminada: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Añadida: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Modificada: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Comparación con %1: los archivos contienen las mismas entradas.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Comparación con %1: entradas eliminadas: %2, añadidas: %3, modificadas: %4.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Los archivos difieren en muchos puntos cercanos entre sí, por lo que estas diferencias pueden ser más que el mínimo posible.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>No hay ninguna diferencia después de esta.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>No hay ninguna diferencia antes de esta.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Los archivos contienen las mismas entradas.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Comparando con %1: emparejando las entradas</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Comparando con %1: leyendo ambos archivos, %2 de %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Ya hay una comparación en curso: espere a que termine o cancélela.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Primero liste un archivo: se comparará con el archivo que elija.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>La comparación se ha detenido.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>El archivo listado ha cambiado desde que se listó. Vuelva a listarlo con «Get» y después compare.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Centroeuropeo</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europeo occidental</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Página de códigos %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Predeterminada del sistema (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>El listado se detuvo en el byte %1; las entradas anteriores están listadas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>No hay memoria suficiente para listar la entrada del byte %1; las entradas anteriores están listadas.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>La entrada del byte %1 indica una longitud de texto de 0x%2, más que los %3 bytes que puede contener una entrada.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>La entrada del byte %1 está incompleta: el archivo termina tras %2 de sus %3 bytes de cabecera.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>La entrada del byte %1 está incompleta: su texto tiene %2 bytes, pero el archivo termina tras %3 de ellos.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Una parte de la ruta que debería ser una carpeta es un archivo.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>No existe una carpeta de la ruta hacia el archivo.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>No hay ningún archivo con este nombre.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Esto es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Esto es un dispositivo, una canalización o un socket, no un archivo.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>No tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>El archivo está en uso: otro programa lo tiene abierto y no permite que otros lo lean.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>La ruta es demasiado larga.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>La ruta no es un nombre de archivo válido.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>Hay demasiados archivos abiertos en este programa o sistema.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>La ruta está vacía.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>La ruta contiene un carácter nulo, que ningún nombre de archivo puede contener.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>La lectura del archivo falló en el byte %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>No se puede escribir el archivo %1: es una carpeta.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>No se puede escribir el archivo %1: es un dispositivo, una canalización o un socket, no un archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>No se puede escribir el archivo %1: es de solo lectura.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>No se puede escribir el archivo %1: no tiene permiso para escribir en él.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>No se puede escribir el archivo %1: puede escribir en el archivo, pero no crear archivos en su carpeta %2, donde el contenido nuevo se escribe primero completo antes de ocupar el lugar del archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>No se puede escribir el archivo %1: no tiene permiso para crear archivos en la carpeta %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>No se puede escribir el archivo %1: la carpeta %2 no existe.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>No se puede escribir el archivo %1: una parte de la ruta que debería ser una carpeta es un archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>No se puede escribir el archivo %1: el nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>No se puede escribir el archivo %1: es un vínculo simbólico que da vueltas en círculo o pasa por demasiados vínculos.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>No se puede escribir el archivo %1: es un vínculo a un archivo que no se encuentra.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>No se puede escribir el archivo %1: otro programa lo tiene abierto y no permite que otros lo cambien.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>No se puede escribir el archivo %1: no nombra ningún archivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>No se puede escribir el archivo %1: el nombre contiene un carácter nulo.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>El archivo se acortó mientras se leía: sus datos terminaban en el byte %1, aunque tenía %2 bytes al abrirse.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>El archivo se acortó mientras se leía: ahora termina en el byte %1, aunque tenía %2 bytes al abrirse (la lectura había llegado al byte %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>El archivo se acortó mientras se leía: ahora termina en el byte %1, aunque tenía %2 bytes al abrirse.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>El archivo termina en el byte %1, pero se necesita %n byte más en el byte %2.</numerusform>
            <numerusform>El archivo termina en el byte %1, pero se necesitan %n bytes más en el byte %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Todos los números de archivo del 1 al 255 están en uso.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>El número de archivo %1 está fuera del intervalo.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>El número de archivo %1 está en uso.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>El número de archivo %1 no está abierto.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>otro programa lo reemplazó mientras se escribía el contenido nuevo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>«%1» contiene un carácter de control, que Windows no permite en un nombre</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>el «:» de «%1» nombraría una secuencia dentro de un archivo, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>«%1» contiene el carácter «%2», que Windows no permite en un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>«%1» termina en un punto, que Windows quita de un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>«%1» termina en un espacio, que Windows quita de un nombre</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; el contenido nuevo está en «%2»</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>No se puede escribir el archivo %1: la carpeta %2 no admite archivos nuevos.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Todos los archivos (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Archivos de texto (%1)</translation>
    </message>
    <message>
        <source>CSV (%1)</source>
        <translation>CSV (%1)</translation>
    </message>
    <message>
        <source>JSON Lines (%1)</source>
        <translation>JSON Lines (%1)</translation>
    </message>
    <message>
        <source>Speech files (%1)</source>
        <translation>Archivos de diálogos (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Listas (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Ninguna línea contiene «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n línea contiene «%1».</numerusform>
            <numerusform>%n líneas contienen «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines (*.json *.jsonl)</source>
        <translation>JSON Lines (*.json *.jsonl)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Buscar anterior</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copiar &amp;todas las líneas</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Guardar lista como…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificación</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Guardar lista como</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Editar texto…</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Nueva entrada…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>E&amp;liminar entrada</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Guardar arc&amp;hivo de diálogos</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Guardar archivo de diálogos co&amp;mo…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>&amp;Abrir lista…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Guardar archivo de diálogos como</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Archivos de diálogos (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Listas (*.csv *.json *.jsonl *.ndjson);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Com&amp;parar con…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Diferencia siguiente</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Diferencia anterior</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparar el archivo listado con</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>El resultado de %1 - %2 no cabe en 16 bits.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Una matriz no puede tener los límites 0 a %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Interrupción por el usuario</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>El subíndice está fuera del intervalo</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nombre o número de archivo incorrecto</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>El archivo ya está abierto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Error de E/S de dispositivo</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Se ha leído más allá del final del archivo</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Demasiados archivos</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>No se encontró la ruta de acceso</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (error en tiempo de ejecución %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, error en tiempo de ejecución %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (acortada; tiene %2 caracteres)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>La línea no se copió: no hay memoria suficiente para el Portapapeles.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Las líneas no se copiaron: no hay memoria suficiente para el Portapapeles.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>La línea no se copió: otro programa está usando el Portapapeles. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Las líneas no se copiaron: otro programa está usando el Portapapeles. Vuelva a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copiar &amp;todas las líneas</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Buscar...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Guardar lista como...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Guardar lista como</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>No se pudo mostrar el cuadro de diálogo Guardar.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;No guardar</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Editar texto...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Nueva entrada...	Insert</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>E&amp;liminar entrada	Supr</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Rehacer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Guardar arc&amp;hivo de diálogos	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Guardar archivo de diálogos co&amp;mo...	Ctrl+Mayús+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>&amp;Abrir lista...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Com&amp;parar con...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>No se pudo mostrar el cuadro de diálogo Abrir.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Guardar archivo de diálogos como</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Buscar &amp;todo</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparar el archivo listado con</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>La lista no puede contener más de %1 líneas.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Este es el archivo de diálogos del que proceden las líneas; la lista no se guarda encima de él.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>No hay memoria suficiente para guardar la lista; el archivo no se escribió.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>No hay memoria suficiente para buscar en las líneas.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>No hay memoria suficiente para listar el archivo.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>No hay memoria suficiente para leer los textos en esta codificación.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Ninguna línea contiene «%1».</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>Se continuó desde la primera línea.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>Se continuó desde la última línea.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Leyendo %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Leyendo %1: %2 MB (el archivo creció desde %3 MB)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Leyendo %1: %2 de %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>No hay memoria suficiente para copiar todas las líneas; no se copió nada.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Se está listando un archivo: espere a que termine o cancélelo.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Ruta del archivo de diálogos</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>No hay memoria suficiente para comparar los archivos.</translation>
    </message>
</context>
</TS>
