<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Различия</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Изменение записи</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Новая запись</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (шестнадцатеричный):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Текст:</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>С учётом &amp;регистра</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Найти &amp;далее</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Найти &amp;предыдущее</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Результат поиска</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Найти &amp;все</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Найденные строки</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Изменена</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Новая запись</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Тексты файла %1 похожи на UTF-8, а не на кодировку «%2». Показать их как UTF-8?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>Сравнение прервано.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Файлы вместе содержат более %1 записей — больше, чем можно сравнить.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Удалено: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Добавлено: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Изменено: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Сравнение с %1: файлы содержат одинаковые записи.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Сравнение с %1: удалено — %2, добавлено — %3, изменено — %4.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Файлы различаются во многих близко расположенных местах, поэтому показанных различий может быть больше, чем минимально возможно.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>После этого различия других различий нет.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>До этого различия других различий нет.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Файлы содержат одинаковые записи.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Сравнение с %1: сопоставление записей</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Сравнение с %1: чтение обоих файлов, %2 из %3 МБ</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Сравнение уже выполняется: дождитесь окончания или отмените его.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Сначала выведите файл: он будет сравнён с файлом, который вы выберете.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>Сравнение прервано.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>Выведенный файл изменился с момента вывода. Выведите его заново кнопкой «Get», затем выполните сравнение.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Китайская упрощённая</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Китайская традиционная</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Кодовая страница %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Системная по умолчанию (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>Вывод списка остановлен на байте %1; записи до него показаны в списке.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>Недостаточно памяти, чтобы вывести запись на байте %1; записи до неё показаны в списке.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>Запись на байте %1 указывает длину текста 0x%2 — больше %3 байт, которые может содержать запись.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>Запись на байте %1 обрывается: файл заканчивается после %2 из %3 байт её заголовка.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>Запись на байте %1 обрывается: её текст длиной %2 байт, но файл заканчивается после %3 из них.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Часть пути, которая должна быть папкой, является файлом.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Одна из папок на пути к файлу не существует.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Файла с таким именем нет.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Это устройство, канал или сокет, а не файл.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>У вас нет разрешения на чтение этого файла.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>Файл занят: другая программа открыла его и не даёт другим его читать.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Путь слишком длинный.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>Путь не является допустимым именем файла.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>В этой программе или системе открыто слишком много файлов.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Не удаётся открыть файл: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>Путь пуст.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>Путь содержит нулевой символ, который не может содержать ни одно имя файла.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>Ошибка чтения файла на байте %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Не удаётся записать файл %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Не удаётся записать файл %1: это папка.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Не удаётся записать файл %1: это устройство, канал или сокет, а не файл.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Не удаётся записать файл %1: он доступен только для чтения.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Не удаётся записать файл %1: у вас нет разрешения на запись в него.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Не удаётся записать файл %1: вы можете писать в файл, но не можете создавать файлы в его папке %2, где новое содержимое сначала записывается целиком, прежде чем заменить файл.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Не удаётся записать файл %1: у вас нет разрешения на создание файлов в папке %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Не удаётся записать файл %1: папка %2 не существует.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Не удаётся записать файл %1: часть пути, которая должна быть папкой, является файлом.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Не удаётся записать файл %1: имя слишком длинное.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Не удаётся записать файл %1: это символическая ссылка, которая ведёт по кругу или через слишком много ссылок.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Не удаётся записать файл %1: это ссылка на файл, который не удаётся найти.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Не удаётся записать файл %1: другая программа открыла его и не даёт другим его изменять.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Не удаётся записать файл %1: путь не указывает на файл.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Не удаётся записать файл %1: имя содержит нулевой символ.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Файл стал короче во время чтения: его данные закончились на байте %1, хотя при открытии в нём было %2 байт.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>Файл стал короче во время чтения: теперь он заканчивается на байте %1, хотя при открытии в нём было %2 байт (чтение дошло до байта %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Файл стал короче во время чтения: теперь он заканчивается на байте %1, хотя при открытии в нём было %2 байт.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>Файл заканчивается на байте %1, но на байте %2 нужен ещё %n байт.</numerusform>
            <numerusform>Файл заканчивается на байте %1, но на байте %2 нужно ещё %n байта.</numerusform>
            <numerusform>Файл заканчивается на байте %1, но на байте %2 нужно ещё %n байт.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Все номера файлов от 1 до 255 заняты.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>Номер файла %1 вне допустимого диапазона.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>Номер файла %1 занят.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>Файл с номером %1 не открыт.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>другая программа заменила его, пока записывалось новое содержимое</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>«%1» содержит управляющий символ, который Windows не допускает в имени</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>«:» в «%1» обозначало бы поток внутри файла, а не файл</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>«%1» содержит символ «%2», который Windows не допускает в имени</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>«%1» оканчивается точкой, которую Windows удаляет из имени</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>«%1» оканчивается пробелом, который Windows удаляет из имени</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; новое содержимое находится в «%2»</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Не удаётся записать файл %1: в папке %2 нельзя создавать новые файлы.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Все файлы (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Текстовые файлы (%1)</translation>
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
        <translation>Файлы реплик (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Списки (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Ни одна строка не содержит «%1».</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n строка содержит «%1».</numerusform>
            <numerusform>%n строки содержат «%1».</numerusform>
            <numerusform>%n строк содержат «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
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
        <translation>&amp;Найти…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Найти предыдущее</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Копировать &amp;все строки</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Сохранить список как…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Кодировка</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Сохранить список как</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Изменить текст…</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>Новая &amp;запись…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>&amp;Удалить запись</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Сохранить &amp;файл реплик</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Сохранить файл &amp;реплик как…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>О&amp;ткрыть список…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Сохранить файл реплик как</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Файлы реплик (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Открыть список</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Списки (*.csv *.json *.jsonl *.ndjson);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Ср&amp;авнить с…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Следующее различие</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Предыдущее различие</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Сравнить выведенный файл с</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>Результат %1 - %2 не помещается в 16 бит.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Массив не может иметь границы от 0 до %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Прервано пользователем</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне допустимого диапазона</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Неверное имя или номер файла</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Файл уже открыт</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Ошибка ввода-вывода устройства</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Чтение за концом файла</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Слишком много файлов</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Отказано в разрешении</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути/файлу</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Путь не найден</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (ошибка выполнения %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, ошибка выполнения %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (сокращён; всего %2 символов)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>Строка не скопирована: недостаточно памяти для буфера обмена.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Строки не скопированы: недостаточно памяти для буфера обмена.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Строка не скопирована: буфер обмена занят другой программой. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Строки не скопированы: буфер обмена занят другой программой. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Копировать	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Копировать &amp;все строки</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Найти...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Сохранить список как...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Кодировка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Сохранить список как</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>Не удалось открыть диалоговое окно сохранения.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Не сохранять</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Изменить текст...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>Новая &amp;запись...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>&amp;Удалить запись	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Отменить	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Повторить	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Сохранить &amp;файл реплик	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Сохранить файл &amp;реплик как...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>О&amp;ткрыть список...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Ср&amp;авнить с...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>Не удалось открыть диалоговое окно открытия файла.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Сохранить файл реплик как</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Открыть список</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Найти &amp;все</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Сравнить выведенный файл с</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Различия</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>Список не может содержать более %1 строк.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Это файл реплик, из которого взяты строки; список не сохраняется поверх него.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>Недостаточно памяти, чтобы сохранить список; файл не записан.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>Недостаточно памяти для поиска по строкам.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>Недостаточно памяти, чтобы вывести файл.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>Недостаточно памяти, чтобы прочитать тексты в этой кодировке.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Ни одна строка не содержит «%1».</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>Поиск продолжен с первой строки.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>Поиск продолжен с последней строки.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Чтение %1: %2 МБ</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Чтение %1: %2 МБ (файл вырос с %3 МБ)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Чтение %1: %2 из %3 МБ</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>Недостаточно памяти, чтобы скопировать все строки; ничего не скопировано.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Идёт вывод файла: дождитесь окончания или отмените его.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Путь к файлу реплик</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>Недостаточно памяти, чтобы сравнить файлы.</translation>
    </message>
</context>
</TS>
