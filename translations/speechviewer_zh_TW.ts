<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>差異</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>編輯項目</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新增項目</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>十六進位 ID(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>文字(&amp;T):</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>大小寫須相符(&amp;C)</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>找下一個(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>找上一個(&amp;P)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>尋找目標(&amp;F):</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>尋找結果</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>全部尋找(&amp;A)</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>找到的行</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>已變更</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新項目</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>%1 中的文字看起來是 UTF-8 編碼，而不是 %2。要以 UTF-8 顯示嗎？</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>比較已停止。</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>這兩個檔案的項目合計超過 %1 個，超出可比較的數量。</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>已移除: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已新增: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>已變更: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>已與 %1 比較: 兩個檔案的項目相同。</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>已與 %1 比較: 移除 %2 個，新增 %3 個，變更 %4 個。</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>兩個檔案在許多相鄰的位置有所不同，因此列出的差異可能多於最少的差異數。</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>此處之後沒有其他差異。</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>此處之前沒有其他差異。</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>兩個檔案的項目相同。</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>正在與 %1 比較: 正在比對項目</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>正在與 %1 比較: 正在讀取兩個檔案，%2 / %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>已有比較正在進行: 請等候完成，或將其取消。</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>請先列出一個檔案: 它會與您選擇的檔案進行比較。</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>比較已停止。</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>已列出的檔案在列出後已變更。請按一下「Get」重新列出，然後再比較。</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波羅的海語系</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中歐語系</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>斯拉夫語系</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希臘文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯來文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西歐語系</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>字碼頁 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>系統預設 (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>清單已在位元組 %1 處停止；之前的項目已列出。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>記憶體不足，無法列出位元組 %1 處的項目；之前的項目已列出。</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>位元組 %1 處的項目指出的文字長度為 0x%2，超過一個項目可容納的 %3 個位元組。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>位元組 %1 處的項目不完整: 檔案在其 %3 個標頭位元組中的 %2 個之後結束。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>位元組 %1 處的項目不完整: 其文字長 %2 個位元組，但檔案在其中 %3 個之後結束。</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>資料夾 %1 不存在。</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>路徑中應為資料夾的部分是一個檔案。</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>通往該檔案的路徑上有一個資料夾不存在。</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>沒有此名稱的檔案。</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>這是資料夾，不是檔案。</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>這是裝置、管道或通訊端，不是檔案。</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>您沒有讀取此檔案的權限。</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>檔案正在使用中: 另一個程式已開啟它，且不允許其他程式讀取。</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>路徑太長。</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>路徑不是有效的檔案名稱。</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>此程式或系統中開啟的檔案太多。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>無法開啟檔案: %1。</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>路徑是空的。</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>路徑包含 NUL 字元，任何檔案名稱都不能包含此字元。</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>在位元組 %1 處讀取檔案失敗: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>無法寫入檔案 %1: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>無法寫入檔案 %1: 它是資料夾。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>無法寫入檔案 %1: 它是裝置、管道或通訊端，不是檔案。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>無法寫入檔案 %1: 它是唯讀的。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>無法寫入檔案 %1: 您沒有寫入它的權限。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>無法寫入檔案 %1: 您可以寫入該檔案，但不能在其資料夾 %2 中建立檔案；新內容要先完整寫入該處，才會取代該檔案。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>無法寫入檔案 %1: 您沒有在資料夾 %2 中建立檔案的權限。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>無法寫入檔案 %1: 資料夾 %2 不存在。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>無法寫入檔案 %1: 路徑中應為資料夾的部分是一個檔案。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>無法寫入檔案 %1: 名稱太長。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>無法寫入檔案 %1: 它是循環或經過太多連結的符號連結。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>無法寫入檔案 %1: 它是指向找不到的檔案的連結。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>無法寫入檔案 %1: 另一個程式已開啟它，且不允許其他程式變更。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>無法寫入檔案 %1: 它沒有指定任何檔案。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>無法寫入檔案 %1: 名稱包含 NUL 字元。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>檔案在讀取期間變短了: 其資料在位元組 %1 處結束，但開啟時它有 %2 個位元組。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>檔案在讀取期間變短了: 它現在在位元組 %1 處結束，但開啟時它有 %2 個位元組 (讀取已進行到位元組 %3)。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>檔案在讀取期間變短了: 它現在在位元組 %1 處結束，但開啟時它有 %2 個位元組。</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>檔案在位元組 %1 處結束，但在位元組 %2 處還需要 %n 個位元組。</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>從 1 到 255 的所有檔案編號都在使用中。</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>檔案編號 %1 超出範圍。</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>檔案編號 %1 正在使用中。</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>檔案編號 %1 未開啟。</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>寫入新內容時，另一個程式取代了該檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>「%1」包含 Windows 不允許在名稱中使用的控制字元</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>「%1」中的「:」會指定檔案中的資料流，而不是檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>「%1」包含 Windows 不允許在名稱中使用的字元「%2」</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>「%1」以句點結尾，Windows 會從名稱中移除它</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>「%1」以空格結尾，Windows 會從名稱中移除它</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1；新內容位於「%2」</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>無法寫入檔案 %1: 資料夾 %2 不接受新檔案。</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>所有檔案 (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>文字檔 (%1)</translation>
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
        <translation>語音檔 (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>清單 (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>沒有任何一行包含「%1」。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>有 %n 行包含「%1」。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
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
        <translation>尋找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>找下一個</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>找上一個</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>複製所有行(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>另存清單(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>編碼(&amp;E)</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>另存清單</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>編輯文字(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>新增項目(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>刪除項目(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>儲存語音檔(&amp;F)</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>另存語音檔(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>開啟清單(&amp;O)...</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>另存語音檔</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>語音檔 (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>開啟清單</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>清單 (*.csv *.json *.jsonl *.ndjson);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>與檔案比較(&amp;W)...</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>下一個差異</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>上一個差異</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>選擇要與已列出檔案比較的檔案</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>%1 - %2 的結果無法以 16 位元表示。</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>陣列的界限不能是 0 到 %1。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>使用者中斷</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>陣列索引超出範圍</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>檔案名稱或編號錯誤</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>檔案已開啟</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>裝置 I/O 錯誤</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>輸入超過檔案結尾</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>檔案太多</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>權限不足</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路徑/檔案存取錯誤</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>找不到路徑</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明的錯誤</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (執行階段錯誤 %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2，執行階段錯誤 %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (已縮短，共 %2 個字元)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>未複製這一行: 剪貼簿的記憶體不足。</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>未複製任何一行: 剪貼簿的記憶體不足。</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>未複製這一行: 另一個程式正在使用剪貼簿。請稍後再試。</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>未複製任何一行: 另一個程式正在使用剪貼簿。請稍後再試。</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>複製(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>複製所有行(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>尋找(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>另存清單(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>編碼(&amp;E)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>另存清單</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>無法顯示儲存對話方塊。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>不要儲存(&amp;N)</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>編輯文字(&amp;T)...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>新增項目(&amp;N)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>刪除項目(&amp;D)	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>復原(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>儲存語音檔(&amp;H)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>另存語音檔(&amp;P)...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>開啟清單(&amp;O)...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>與檔案比較(&amp;W)...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>無法顯示開啟對話方塊。</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>另存語音檔</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>開啟清單</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>全部尋找(&amp;A)</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>選擇要與已列出檔案比較的檔案</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差異</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>清單最多只能容納 %1 行。</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>這是這些行所來自的語音檔；清單不會儲存覆蓋它。</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>記憶體不足，無法儲存清單；未寫入檔案。</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>記憶體不足，無法搜尋這些行。</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>記憶體不足，無法列出檔案。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>記憶體不足，無法以此編碼讀取文字。</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>沒有任何一行包含「%1」。</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>已從第一行繼續尋找。</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>已從最後一行繼續尋找。</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>正在讀取 %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>正在讀取 %1: %2 MB (檔案已從 %3 MB 變大)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>正在讀取 %1: %2 / %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>記憶體不足，無法複製所有行；未複製任何內容。</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>正在列出檔案: 請等候完成，或將其取消。</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>語音檔的路徑</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>記憶體不足，無法比較這些檔案。</translation>
    </message>
</context>
</TS>
