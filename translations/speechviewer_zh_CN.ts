<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>编辑条目</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新建条目</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>十六进制 ID(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>文本(&amp;T):</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>查找下一个(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>查找上一个(&amp;P)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>查找内容(&amp;F):</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>查找结果</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>查找全部(&amp;A)</translation>
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
        <translation>已更改</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新条目</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>%1 中的文本看起来是 UTF-8 编码，而不是 %2。是否以 UTF-8 显示？</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>比较已停止。</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>这两个文件的条目合计超过 %1 个，超出了可比较的数量。</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>已删除: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>已添加: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>已更改: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>已与 %1 比较: 两个文件的条目相同。</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>已与 %1 比较: 删除 %2 个，添加 %3 个，更改 %4 个。</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>两个文件在许多相邻的位置存在不同，因此列出的差异可能多于最少的差异数。</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>此处之后没有其他差异。</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>此处之前没有其他差异。</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>两个文件的条目相同。</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>正在与 %1 比较: 正在匹配条目</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>正在与 %1 比较: 正在读取两个文件，%2 / %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>已有比较正在进行: 请等待完成，或将其取消。</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>请先列出一个文件: 它将与你选择的文件进行比较。</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>比较已停止。</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>已列出的文件在列出后已更改。请点击“Get”重新列出，然后再比较。</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的海语</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来语</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>代码页 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>系统默认 (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>列表在字节 %1 处停止；之前的条目已列出。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>内存不足，无法列出字节 %1 处的条目；之前的条目已列出。</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>字节 %1 处的条目给出的文本长度为 0x%2，超过了一个条目可容纳的 %3 字节。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>字节 %1 处的条目不完整: 文件在其 %3 个头字节中的第 %2 个之后结束。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>字节 %1 处的条目不完整: 其文本长 %2 字节，但文件在其中 %3 字节之后结束。</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>路径中应为文件夹的部分是一个文件。</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>通往该文件的路径上有一个文件夹不存在。</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>没有此名称的文件。</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>这是一个设备、管道或套接字，不是文件。</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>你没有读取此文件的权限。</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>文件正在使用: 另一个程序已打开它，且不允许其他程序读取。</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>路径太长。</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>路径不是有效的文件名。</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>此程序或系统中打开的文件太多。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>无法打开文件: %1。</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>路径为空。</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>路径包含空字符，任何文件名都不能包含空字符。</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>在字节 %1 处读取文件失败: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>无法写入文件 %1: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>无法写入文件 %1: 它是一个文件夹。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>无法写入文件 %1: 它是一个设备、管道或套接字，不是文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>无法写入文件 %1: 它是只读的。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>无法写入文件 %1: 你没有写入它的权限。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>无法写入文件 %1: 你可以写入该文件，但不能在其文件夹 %2 中创建文件；新内容要先完整写入那里，然后才替换该文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>无法写入文件 %1: 你没有在文件夹 %2 中创建文件的权限。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>无法写入文件 %1: 文件夹 %2 不存在。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>无法写入文件 %1: 路径中应为文件夹的部分是一个文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>无法写入文件 %1: 名称太长。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>无法写入文件 %1: 它是一个循环或经过太多链接的符号链接。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>无法写入文件 %1: 它是指向一个找不到的文件的链接。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>无法写入文件 %1: 另一个程序已打开它，且不允许其他程序更改。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>无法写入文件 %1: 它没有指定任何文件。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>无法写入文件 %1: 名称包含空字符。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>文件在读取期间变短了: 其数据在字节 %1 处结束，而打开时它有 %2 字节。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>文件在读取期间变短了: 它现在在字节 %1 处结束，而打开时它有 %2 字节(读取已进行到字节 %3)。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>文件在读取期间变短了: 它现在在字节 %1 处结束，而打开时它有 %2 字节。</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>文件在字节 %1 处结束，但在字节 %2 处还需要 %n 个字节。</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>从 1 到 255 的所有文件号都在使用中。</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>文件号 %1 超出范围。</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>文件号 %1 正在使用中。</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>文件号 %1 未打开。</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>写入新内容时，另一个程序替换了该文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>“%1”包含一个 Windows 不允许在名称中使用的控制字符</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>“%1”中的“:”会指定文件中的一个流，而不是文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>“%1”包含 Windows 不允许在名称中使用的字符“%2”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>“%1”以句点结尾，Windows 会从名称中去掉它</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>“%1”以空格结尾，Windows 会从名称中去掉它</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1；新内容位于“%2”</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>无法写入文件 %1: 文件夹 %2 不接受新文件。</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>所有文件 (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>文本文件 (%1)</translation>
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
        <translation>语音文件 (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>列表 (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>没有一行包含“%1”。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>有 %n 行包含“%1”。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
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
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>查找上一个</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>复制所有行(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>列表另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>编码(&amp;E)</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>列表另存为</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>编辑文本(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>新建条目(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>删除条目(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>保存语音文件(&amp;F)</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>语音文件另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>打开列表(&amp;O)...</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>语音文件另存为</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>语音文件 (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>打开列表</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>列表 (*.csv *.json *.jsonl *.ndjson);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>与文件比较(&amp;W)...</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>下一个差异</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>上一个差异</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>选择要与已列出文件比较的文件</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>%1 - %2 的结果无法用 16 位表示。</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>数组的界限不能是 0 到 %1。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>发生用户中断</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>文件名或文件号错误</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>文件未找到</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>文件已打开</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>设备 I/O 错误</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>输入超出文件尾</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>文件过多</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>路径未找到</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (运行时错误 %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2，运行时错误 %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (已缩短，共 %2 个字符)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>未复制该行: 剪贴板内存不足。</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>未复制任何行: 剪贴板内存不足。</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>未复制该行: 另一个程序正在使用剪贴板。请稍后重试。</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>未复制任何行: 另一个程序正在使用剪贴板。请稍后重试。</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>复制所有行(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>查找(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>列表另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>编码(&amp;E)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>列表另存为</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>无法显示保存对话框。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>不保存(&amp;N)</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>编辑文本(&amp;T)...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>新建条目(&amp;N)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>删除条目(&amp;D)	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>保存语音文件(&amp;H)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>语音文件另存为(&amp;P)...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>打开列表(&amp;O)...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>与文件比较(&amp;W)...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>无法显示打开对话框。</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>语音文件另存为</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>打开列表</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>查找全部(&amp;A)</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>选择要与已列出文件比较的文件</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>差异</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>列表不能容纳超过 %1 行。</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>这是这些行所来自的语音文件；列表不会保存覆盖它。</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>内存不足，无法保存列表；文件未写入。</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>内存不足，无法搜索这些行。</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>内存不足，无法列出文件。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>内存不足，无法以此编码读取文本。</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>没有一行包含“%1”。</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>已从第一行继续查找。</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>已从最后一行继续查找。</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>正在读取 %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>正在读取 %1: %2 MB (文件已从 %3 MB 增大)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>正在读取 %1: %2 / %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>内存不足，无法复制所有行；未复制任何内容。</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>正在列出文件: 请等待完成，或将其取消。</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>语音文件的路径</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>内存不足，无法比较这些文件。</translation>
    </message>
</context>
</TS>
