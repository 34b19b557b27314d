<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Modifica voce</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nuova voce</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (esadecimale):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Testo:</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Trova t&amp;utti</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Righe trovate</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Modificata</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nuova voce</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>I testi di %1 sembrano in UTF-8, non nella codifica %2. Visualizzarli come UTF-8?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>Il confronto è stato interrotto.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>I file contengono insieme più di %1 voci, più di quante se ne possano confrontare.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Rimossa: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Aggiunta: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Modificata: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Confronto con %1: i file contengono le stesse voci.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Confronto con %1: %2 rimosse, %3 aggiunte, %4 modificate.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>I file differiscono in molti punti vicini tra loro, quindi queste differenze potrebbero essere più del minimo possibile.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>Non ci sono altre differenze dopo questa.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>Non ci sono altre differenze prima di questa.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>I file contengono le stesse voci.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Confronto con %1: abbinamento delle voci</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Confronto con %1: lettura di entrambi i file, %2 di %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>È già in corso un confronto: attendere che termini o annullarlo.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Elencare prima un file: verrà confrontato con il file scelto.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>Il confronto è stato interrotto.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>Il file elencato è cambiato da quando è stato elencato. Elencarlo di nuovo con Get, quindi eseguire il confronto.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltico</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europa centrale</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirillico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
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
        <translation>Europa occidentale</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Tabella codici %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Predefinita di sistema (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>L&apos;elenco è stato interrotto al byte %1; le voci precedenti sono elencate.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>Memoria insufficiente per elencare la voce al byte %1; le voci precedenti sono elencate.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>La voce al byte %1 indica una lunghezza del testo di 0x%2, più dei %3 byte che una voce può contenere.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>La voce al byte %1 è troncata: il file termina dopo %2 dei suoi %3 byte di intestazione.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>La voce al byte %1 è troncata: il suo testo è lungo %2 byte, ma il file termina dopo %3 di essi.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Una parte del percorso che dovrebbe essere una cartella è un file.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Una cartella lungo il percorso del file non esiste.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Non esiste alcun file con questo nome.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Questa è una cartella, non un file.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Questo è un dispositivo, una pipe o un socket, non un file.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>Non si dispone dell&apos;autorizzazione per leggere questo file.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>Il file è in uso: un altro programma lo ha aperto e non consente ad altri di leggerlo.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Il percorso è troppo lungo.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>Il percorso non è un nome di file valido.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>In questo programma o sistema sono aperti troppi file.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Impossibile aprire il file: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>Il percorso è vuoto.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>Il percorso contiene un carattere nullo, che nessun nome di file può contenere.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>La lettura del file non è riuscita al byte %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Impossibile scrivere il file %1: è una cartella.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Impossibile scrivere il file %1: è un dispositivo, una pipe o un socket, non un file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Impossibile scrivere il file %1: è di sola lettura.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Impossibile scrivere il file %1: non si dispone dell&apos;autorizzazione per scriverci.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Impossibile scrivere il file %1: è possibile scrivere nel file ma non creare file nella sua cartella %2, dove il nuovo contenuto viene prima scritto per intero e poi prende il posto del file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Impossibile scrivere il file %1: non si dispone dell&apos;autorizzazione per creare file nella cartella %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Impossibile scrivere il file %1: la cartella %2 non esiste.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Impossibile scrivere il file %1: una parte del percorso che dovrebbe essere una cartella è un file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Impossibile scrivere il file %1: il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Impossibile scrivere il file %1: è un collegamento simbolico che gira in tondo o passa per troppi collegamenti.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Impossibile scrivere il file %1: è un collegamento a un file che non si trova.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Impossibile scrivere il file %1: un altro programma lo ha aperto e non consente ad altri di modificarlo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Impossibile scrivere il file %1: non indica alcun file.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Impossibile scrivere il file %1: il nome contiene un carattere nullo.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Il file si è accorciato durante la lettura: i suoi dati finivano al byte %1, benché all&apos;apertura avesse %2 byte.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>Il file si è accorciato durante la lettura: ora termina al byte %1, benché all&apos;apertura avesse %2 byte (la lettura era arrivata al byte %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Il file si è accorciato durante la lettura: ora termina al byte %1, benché all&apos;apertura avesse %2 byte.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>Il file termina al byte %1, ma al byte %2 serve ancora %n byte.</numerusform>
            <numerusform>Il file termina al byte %1, ma al byte %2 servono ancora %n byte.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Tutti i numeri di file da 1 a 255 sono in uso.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>Il numero di file %1 è fuori dell&apos;intervallo.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>Il numero di file %1 è in uso.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>Il numero di file %1 non è aperto.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>un altro programma lo ha sostituito mentre veniva scritto il nuovo contenuto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; contiene un carattere di controllo, che Windows non consente in un nome</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>i &quot;:&quot; in &quot;%1&quot; indicherebbero un flusso all&apos;interno di un file, non un file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; contiene il carattere &quot;%2&quot;, che Windows non consente in un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>&quot;%1&quot; termina con un punto, che Windows toglie da un nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>&quot;%1&quot; termina con uno spazio, che Windows toglie da un nome</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; il nuovo contenuto si trova in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Impossibile scrivere il file %1: la cartella %2 non accetta nuovi file.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Tutti i file (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>File di testo (%1)</translation>
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
        <translation>File dei dialoghi (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Elenchi (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Nessuna riga contiene &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n riga contiene &quot;%1&quot;.</numerusform>
            <numerusform>%n righe contengono &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
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
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Trova successivo</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copia &amp;tutte le righe</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Salva elenco con nome…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>Codific&amp;a</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Salva elenco con nome</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Modifica testo…</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Nuova voce…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>&amp;Elimina voce</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Salva &amp;file dei dialoghi</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Salva file dei &amp;dialoghi con nome…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Apr&amp;i elenco…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Salva file dei dialoghi con nome</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>File dei dialoghi (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Apri elenco</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Elenchi (*.csv *.json *.jsonl *.ndjson);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>C&amp;onfronta con…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Differenza successiva</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Differenza precedente</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Confronta il file elencato con</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>Il risultato di %1 - %2 non sta in 16 bit.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Una matrice non può avere i limiti da 0 a %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Interruzione da parte dell&apos;utente</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome o numero di file non valido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>File già aperto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Errore di I/O della periferica</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Input oltre la fine del file</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Troppi file</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Autorizzazione negata</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Errore di accesso al percorso/file</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Impossibile trovare il percorso</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (errore di run-time %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, errore di run-time %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (abbreviato; ha %2 caratteri)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>La riga non è stata copiata: memoria insufficiente per gli Appunti.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Le righe non sono state copiate: memoria insufficiente per gli Appunti.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>La riga non è stata copiata: un altro programma sta usando gli Appunti. Riprovare tra un momento.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Le righe non sono state copiate: un altro programma sta usando gli Appunti. Riprovare tra un momento.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copia	CTRL+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copia &amp;tutte le righe</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Trova...	CTRL+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Salva elenco con nome...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>Codific&amp;a</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Salva elenco con nome</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>Impossibile visualizzare la finestra di dialogo Salva.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Non salvare</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Modifica testo...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Nuova voce...	INS</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>&amp;Elimina voce	CANC</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>Ann&amp;ulla	CTRL+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Ripeti	CTRL+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Salva &amp;file dei dialoghi	CTRL+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Salva file dei &amp;dialoghi con nome...	CTRL+MAIUSC+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Apr&amp;i elenco...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>C&amp;onfronta con...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>Impossibile visualizzare la finestra di dialogo Apri.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Salva file dei dialoghi con nome</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Apri elenco</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Trova t&amp;utti</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Confronta il file elencato con</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differenze</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>L&apos;elenco non può contenere più di %1 righe.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Questo è il file dei dialoghi da cui vengono le righe; l&apos;elenco non viene salvato al suo posto.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>Memoria insufficiente per salvare l&apos;elenco; il file non è stato scritto.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>Memoria insufficiente per cercare nelle righe.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>Memoria insufficiente per elencare il file.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>Memoria insufficiente per leggere i testi in questa codifica.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Nessuna riga contiene &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>La ricerca è ripresa dalla prima riga.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>La ricerca è ripresa dal fondo dell&apos;elenco.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Lettura di %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Lettura di %1: %2 MB (il file è cresciuto da %3 MB)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Lettura di %1: %2 di %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>Memoria insufficiente per copiare tutte le righe; non è stato copiato nulla.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>È in corso l&apos;elenco di un file: attendere che termini o annullarlo.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Percorso del file dei dialoghi</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>Memoria insufficiente per confrontare i file.</translation>
    </message>
</context>
</TS>
