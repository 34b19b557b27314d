<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Edycja wpisu</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nowy wpis</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (szesnastkowo):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Tekst:</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Uwzględniaj &amp;wielkość liter</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Znajdź &amp;następny</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Znajdź &amp;poprzedni</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Wynik wyszukiwania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Znajdź w&amp;szystkie</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Znalezione wiersze</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Zmieniony</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nowy wpis</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Teksty pliku %1 wyglądają na zapisane w UTF-8, a nie w kodowaniu %2. Wyświetlić je jako UTF-8?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>Porównywanie zostało przerwane.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Pliki zawierają łącznie ponad %1 wpisów, więcej niż można porównać.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Usunięto: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Dodano: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Zmieniono: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Porównanie z plikiem %1: pliki zawierają te same wpisy.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Porównanie z plikiem %1: usunięto %2, dodano %3, zmieniono %4.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Pliki różnią się w wielu położonych blisko siebie miejscach, więc tych różnic może być więcej, niż wynosi ich najmniejsza możliwa liczba.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>Po tej różnicy nie ma już innych różnic.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>Przed tą różnicą nie ma już innych różnic.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Pliki zawierają te same wpisy.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Porównywanie z plikiem %1: dopasowywanie wpisów</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Porównywanie z plikiem %1: odczytywanie obu plików, %2 z %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Porównywanie już trwa: poczekaj, aż się zakończy, lub je anuluj.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Najpierw wyświetl plik: zostanie on porównany z plikiem, który wybierzesz.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>Porównywanie zostało przerwane.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>Wyświetlony plik zmienił się od czasu wyświetlenia. Wyświetl go ponownie przyciskiem Get, a następnie porównaj.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Bałtycki</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Środkowoeuropejski</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajski</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajski</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamski</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Zachodnioeuropejski</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Strona kodowa %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Domyślne systemu (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>Wyświetlanie listy zatrzymano na bajcie %1; wpisy przed nim są na liście.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>Za mało pamięci, aby wyświetlić wpis na bajcie %1; wpisy przed nim są na liście.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>Wpis na bajcie %1 podaje długość tekstu 0x%2, więcej niż %3 bajtów, które może zawierać wpis.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>Wpis na bajcie %1 jest ucięty: plik kończy się po %2 z jego %3 bajtów nagłówka.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>Wpis na bajcie %1 jest ucięty: jego tekst ma %2 bajtów, ale plik kończy się po %3 z nich.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Folder %1 nie istnieje.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Część ścieżki, która powinna być folderem, jest plikiem.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Folder na drodze do pliku nie istnieje.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Nie ma pliku o tej nazwie.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>To jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>To jest urządzenie, potok lub gniazdo, a nie plik.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>Nie masz uprawnień do odczytu tego pliku.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>Plik jest w użyciu: inny program go otworzył i nie pozwala innym go czytać.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Ścieżka jest za długa.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>Ścieżka nie jest prawidłową nazwą pliku.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>W tym programie lub systemie jest otwartych zbyt wiele plików.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Nie można otworzyć pliku: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>Ścieżka jest pusta.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>Ścieżka zawiera znak zerowy, którego nie może zawierać żadna nazwa pliku.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>Odczyt pliku nie powiódł się na bajcie %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Nie można zapisać pliku %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Nie można zapisać pliku %1: jest to folder.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Nie można zapisać pliku %1: jest to urządzenie, potok lub gniazdo, a nie plik.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Nie można zapisać pliku %1: jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Nie można zapisać pliku %1: nie masz uprawnień do zapisu w nim.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Nie można zapisać pliku %1: możesz zapisywać w pliku, ale nie tworzyć plików w jego folderze %2, gdzie nowa zawartość jest najpierw zapisywana w całości, zanim zajmie miejsce pliku.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Nie można zapisać pliku %1: nie masz uprawnień do tworzenia plików w folderze %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Nie można zapisać pliku %1: folder %2 nie istnieje.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Nie można zapisać pliku %1: część ścieżki, która powinna być folderem, jest plikiem.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Nie można zapisać pliku %1: nazwa jest za długa.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Nie można zapisać pliku %1: jest to dowiązanie symboliczne, które prowadzi w kółko lub przez zbyt wiele dowiązań.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Nie można zapisać pliku %1: jest to dowiązanie do pliku, którego nie można znaleźć.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Nie można zapisać pliku %1: inny program go otworzył i nie pozwala innym go zmieniać.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Nie można zapisać pliku %1: nie wskazuje żadnego pliku.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Nie można zapisać pliku %1: nazwa zawiera znak zerowy.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Plik skrócił się podczas odczytu: jego dane kończyły się na bajcie %1, choć przy otwarciu miał %2 bajtów.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>Plik skrócił się podczas odczytu: teraz kończy się na bajcie %1, choć przy otwarciu miał %2 bajtów (odczyt doszedł do bajtu %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Plik skrócił się podczas odczytu: teraz kończy się na bajcie %1, choć przy otwarciu miał %2 bajtów.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>Plik kończy się na bajcie %1, ale na bajcie %2 potrzebny jest jeszcze %n bajt.</numerusform>
            <numerusform>Plik kończy się na bajcie %1, ale na bajcie %2 potrzebne są jeszcze %n bajty.</numerusform>
            <numerusform>Plik kończy się na bajcie %1, ale na bajcie %2 potrzeba jeszcze %n bajtów.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Wszystkie numery plików od 1 do 255 są zajęte.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>Numer pliku %1 jest poza zakresem.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>Numer pliku %1 jest zajęty.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>Numer pliku %1 nie jest otwarty.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>inny program go zastąpił podczas zapisywania nowej zawartości</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>„%1” zawiera znak sterujący, na który system Windows nie pozwala w nazwie</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>znak „:” w „%1” wskazywałby strumień wewnątrz pliku, a nie plik</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>„%1” zawiera znak „%2”, na który system Windows nie pozwala w nazwie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>„%1” kończy się kropką, którą system Windows usuwa z nazwy</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>„%1” kończy się spacją, którą system Windows usuwa z nazwy</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; nowa zawartość jest w „%2”</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Nie można zapisać pliku %1: w folderze %2 nie można tworzyć nowych plików.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Wszystkie pliki (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Pliki tekstowe (%1)</translation>
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
        <translation>Pliki kwestii (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Listy (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Żaden wiersz nie zawiera „%1”.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n wiersz zawiera „%1”.</numerusform>
            <numerusform>%n wiersze zawierają „%1”.</numerusform>
            <numerusform>%n wierszy zawiera „%1”.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Pliki tekstowe (*.txt)</translation>
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
        <translation>&amp;Znajdź…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Znajdź następny</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Znajdź poprzedni</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Kopiuj &amp;wszystkie wiersze</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Zapisz listę jako…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>Kod&amp;owanie</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Zapisz listę jako</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Edytuj tekst…</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Nowy wpis…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>&amp;Usuń wpis</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Zapisz p&amp;lik kwestii</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Zapi&amp;sz plik kwestii jako…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Otwó&amp;rz listę…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Zapisz plik kwestii jako</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Pliki kwestii (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Otwórz listę</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Listy (*.csv *.json *.jsonl *.ndjson);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Porówn&amp;aj z…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Następna różnica</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Poprzednia różnica</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Porównaj wyświetlony plik z</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>Wynik %1 - %2 nie mieści się w 16 bitach.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Tablica nie może mieć granic od 0 do %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Przerwanie przez użytkownika</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Zła nazwa lub numer pliku</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Plik jest już otwarty</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Błąd we/wy urządzenia</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Odczyt poza końcem pliku</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Zbyt wiele plików</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Odmowa uprawnień</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Błąd dostępu do ścieżki/pliku</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Nie znaleziono ścieżki</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (błąd wykonania %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, błąd wykonania %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (skrócona; ma %2 znaków)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>Wiersz nie został skopiowany: za mało pamięci dla Schowka.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Wiersze nie zostały skopiowane: za mało pamięci dla Schowka.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Wiersz nie został skopiowany: inny program zajmuje Schowek. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Wiersze nie zostały skopiowane: inny program zajmuje Schowek. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopiuj	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Kopiuj &amp;wszystkie wiersze</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Znajdź...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Zapisz listę jako...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>Kod&amp;owanie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Zapisz listę jako</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>Nie można wyświetlić okna dialogowego zapisywania.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Nie zapisuj</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Edytuj tekst...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Nowy wpis...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>&amp;Usuń wpis	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Cofnij	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Ponów	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Zapisz p&amp;lik kwestii	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Zapi&amp;sz plik kwestii jako...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>Otwó&amp;rz listę...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Porówn&amp;aj z...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>Nie można wyświetlić okna dialogowego otwierania.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Zapisz plik kwestii jako</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Otwórz listę</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Znajdź w&amp;szystkie</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Porównaj wyświetlony plik z</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Różnice</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>Lista nie może zawierać więcej niż %1 wierszy.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>To jest plik kwestii, z którego pochodzą wiersze; lista nie zostanie zapisana na nim.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>Za mało pamięci, aby zapisać listę; plik nie został zapisany.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>Za mało pamięci, aby przeszukać wiersze.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>Za mało pamięci, aby wyświetlić plik.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>Za mało pamięci, aby odczytać teksty w tym kodowaniu.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Żaden wiersz nie zawiera „%1”.</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>Wyszukiwanie kontynuowano od pierwszego wiersza.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>Wyszukiwanie kontynuowano od ostatniego wiersza.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Odczytywanie %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Odczytywanie %1: %2 MB (plik urósł z %3 MB)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Odczytywanie %1: %2 z %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>Za mało pamięci, aby skopiować wszystkie wiersze; nic nie zostało skopiowane.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Trwa wyświetlanie pliku: poczekaj, aż się zakończy, lub je anuluj.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Ścieżka pliku kwestii</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>Za mało pamięci, aby porównać pliki.</translation>
    </message>
</context>
</TS>
