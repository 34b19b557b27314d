<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Eintrag bearbeiten</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (hexadezimal):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>&amp;Alle suchen</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Gefundene Zeilen</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Neuer Eintrag</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Die Texte von %1 sehen nach UTF-8 aus, nicht nach %2. Sollen sie als UTF-8 angezeigt werden?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>Der Vergleich wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Die Dateien enthalten zusammen mehr als %1 Einträge, mehr als verglichen werden können.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Entfernt: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Geändert: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Mit %1 verglichen: Die Dateien enthalten dieselben Einträge.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Mit %1 verglichen: %2 entfernt, %3 hinzugefügt, %4 geändert.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Die Dateien unterscheiden sich an vielen dicht beieinanderliegenden Stellen; daher sind dies möglicherweise mehr Unterschiede als die kleinstmögliche Zahl.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>Nach diesem Unterschied gibt es keinen weiteren.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>Vor diesem Unterschied gibt es keinen weiteren.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Die Dateien enthalten dieselben Einträge.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Vergleich mit %1: Einträge werden zugeordnet</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Vergleich mit %1: Beide Dateien werden gelesen, %2 von %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Es läuft bereits ein Vergleich: Warten Sie, bis er fertig ist, oder brechen Sie ihn ab.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Listen Sie zuerst eine Datei auf: Sie wird mit der Datei verglichen, die Sie auswählen.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>Der Vergleich wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>Die aufgelistete Datei hat sich seit dem Auflisten geändert. Listen Sie sie mit „Get“ erneut auf und vergleichen Sie dann.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Codepage %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Systemstandard (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>Das Auflisten wurde bei Byte %1 abgebrochen; die Einträge davor sind aufgelistet.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>Es ist nicht genug Speicher frei, um den Eintrag bei Byte %1 aufzulisten; die Einträge davor sind aufgelistet.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>Der Eintrag bei Byte %1 gibt eine Textlänge von 0x%2 an, mehr als die %3 Bytes, die ein Eintrag fassen kann.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>Der Eintrag bei Byte %1 ist abgeschnitten: Die Datei endet nach %2 seiner %3 Kopfbytes.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>Der Eintrag bei Byte %1 ist abgeschnitten: Sein Text ist %2 Bytes lang, aber die Datei endet nach %3 davon.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Ein Teil des Pfades, der ein Ordner sein sollte, ist eine Datei.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Ein Ordner auf dem Weg zur Datei existiert nicht.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Es gibt keine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dies ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Dies ist ein Gerät, eine Pipe oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>Sie haben keine Berechtigung, diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>Die Datei wird verwendet: Ein anderes Programm hat sie geöffnet und lässt andere sie nicht lesen.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Der Pfad ist zu lang.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>Der Pfad ist kein gültiger Dateiname.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>In diesem Programm oder System sind zu viele Dateien geöffnet.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>Der Pfad ist leer.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>Der Pfad enthält ein Nullzeichen, das kein Dateiname enthalten kann.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>Das Lesen der Datei ist bei Byte %1 fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie ist ein Ordner.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie ist ein Gerät, eine Pipe oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie haben keine Berechtigung, in sie zu schreiben.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie dürfen in die Datei schreiben, aber keine Dateien in ihrem Ordner %2 anlegen, wo der neue Inhalt erst vollständig geschrieben wird, bevor er die Datei ersetzt.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie haben keine Berechtigung, Dateien im Ordner %2 anzulegen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Ordner %2 existiert nicht.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Ein Teil des Pfades, der ein Ordner sein sollte, ist eine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Name ist zu lang.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie ist eine symbolische Verknüpfung, die im Kreis führt oder über zu viele Verknüpfungen.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Sie ist eine Verknüpfung auf eine Datei, die nicht gefunden wird.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Ein anderes Programm hat sie geöffnet und lässt andere sie nicht ändern.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Pfad nennt keine Datei.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Name enthält ein Nullzeichen.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Die Datei ist beim Lesen kürzer geworden: Ihre Daten endeten bei Byte %1, obwohl sie beim Öffnen %2 Bytes hatte.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>Die Datei ist beim Lesen kürzer geworden: Sie endet jetzt bei Byte %1, obwohl sie beim Öffnen %2 Bytes hatte (das Lesen war bis Byte %3 gekommen).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Die Datei ist beim Lesen kürzer geworden: Sie endet jetzt bei Byte %1, obwohl sie beim Öffnen %2 Bytes hatte.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>Die Datei endet bei Byte %1, aber bei Byte %2 wird %n weiteres Byte benötigt.</numerusform>
            <numerusform>Die Datei endet bei Byte %1, aber bei Byte %2 werden %n weitere Bytes benötigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Alle Dateinummern von 1 bis 255 sind belegt.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>Die Dateinummer %1 liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>Die Dateinummer %1 ist belegt.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>Die Dateinummer %1 ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>ein anderes Programm hat sie ersetzt, während der neue Inhalt geschrieben wurde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>„%1“ enthält ein Steuerzeichen, das Windows in einem Namen nicht zulässt</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>der „:“ in „%1“ würde einen Datenstrom in einer Datei benennen, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>„%1“ enthält das Zeichen „%2“, das Windows in einem Namen nicht zulässt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>„%1“ endet mit einem Punkt, den Windows aus einem Namen entfernt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>„%1“ endet mit einem Leerzeichen, das Windows aus einem Namen entfernt</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; der neue Inhalt steht in „%2“</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Im Ordner %2 lassen sich keine neuen Dateien anlegen.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Textdateien (%1)</translation>
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
        <translation>Sprachdateien (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Listen (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Keine Zeile enthält „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n Zeile enthält „%1“.</numerusform>
            <numerusform>%n Zeilen enthalten „%1“.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
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
        <translation>&amp;Suchen …</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>&amp;Alle Zeilen kopieren</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>Liste &amp;speichern unter …</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Kodierung</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Liste speichern unter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>Text &amp;bearbeiten …</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Neuer Eintrag …</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>Eintrag &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Sprach&amp;datei speichern</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Sprachdatei speichern &amp;unter …</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Liste ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Sprachdatei speichern unter</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Sprachdateien (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Listen (*.csv *.json *.jsonl *.ndjson);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>&amp;Vergleichen mit …</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Nächster Unterschied</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Vorheriger Unterschied</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Aufgelistete Datei vergleichen mit</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>Das Ergebnis von %1 - %2 passt nicht in 16 Bit.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Ein Datenfeld kann nicht die Grenzen 0 bis %1 haben.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Unterbrechung durch den Benutzer</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer falsch</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Datei bereits geöffnet</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Geräte-E/A-Fehler</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Einlesen hinter Dateiende</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zu viele Dateien</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (Laufzeitfehler %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, Laufzeitfehler %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (gekürzt von %2 Zeichen)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>Die Zeile wurde nicht kopiert: Für die Zwischenablage ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Die Zeilen wurden nicht kopiert: Für die Zwischenablage ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Die Zeile wurde nicht kopiert: Ein anderes Programm belegt die Zwischenablage. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Die Zeilen wurden nicht kopiert: Ein anderes Programm belegt die Zwischenablage. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>&amp;Alle Zeilen kopieren</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Strg+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>Liste &amp;speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codierung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Liste speichern unter</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>Das Dialogfeld zum Speichern konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nicht speichern</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>Text &amp;bearbeiten...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Neuer Eintrag...	Einfg</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>Eintrag &amp;löschen	Entf</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Wiederholen	Strg+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Sprach&amp;datei speichern	Strg+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Sprachdatei speichern &amp;unter...	Strg+Umschalt+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Liste ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>Das Dialogfeld zum Öffnen konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Sprachdatei speichern unter</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Liste öffnen</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>A&amp;lle suchen</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Aufgelistete Datei vergleichen mit</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>Die Liste kann nicht mehr als %1 Zeilen enthalten.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Dies ist die Sprachdatei, aus der die Zeilen stammen; die Liste wird nicht darüber gespeichert.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>Es ist nicht genug Speicher frei, um die Liste zu speichern; die Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>Es ist nicht genug Speicher frei, um die Zeilen zu durchsuchen.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>Es ist nicht genug Speicher frei, um die Datei aufzulisten.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>Es ist nicht genug Speicher frei, um die Texte in dieser Kodierung zu lesen.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Keine Zeile enthält „%1“.</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>Ab der ersten Zeile weitergesucht.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>Ab der letzten Zeile weitergesucht.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>%1 wird gelesen: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>%1 wird gelesen: %2 MB (die Datei ist von %3 MB gewachsen)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>%1 wird gelesen: %2 von %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>Es ist nicht genug Speicher frei, um alle Zeilen zu kopieren; nichts wurde kopiert.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Eine Datei wird gerade aufgelistet: Warten Sie, bis das fertig ist, oder brechen Sie es ab.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Pfad der Sprachdatei</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>Es ist nicht genug Speicher frei, um die Dateien zu vergleichen.</translation>
    </message>
</context>
</TS>
