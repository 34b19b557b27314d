<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>차이</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>항목 편집</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>새 항목</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>ID(16진수)(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>텍스트(&amp;T):</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>대/소문자 구분(&amp;C)</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>다음 찾기(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>이전 찾기(&amp;P)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>찾기</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>찾을 내용(&amp;F):</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>찾기 결과</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>모두 찾기(&amp;A)</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>찾은 줄</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>변경됨</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>새 항목</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>%1의 텍스트가 %2이(가) 아니라 UTF-8로 보입니다. UTF-8로 표시하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>비교가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>두 파일의 항목이 합쳐서 %1개를 넘어 비교할 수 있는 수보다 많습니다.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>제거됨: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>추가됨: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>변경됨: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>%1과(와) 비교했습니다: 두 파일의 항목이 같습니다.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>%1과(와) 비교했습니다: 제거 %2개, 추가 %3개, 변경 %4개.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>두 파일이 서로 가까운 여러 곳에서 다르므로, 표시된 차이가 가능한 최소 차이보다 많을 수 있습니다.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>이 차이 뒤에는 차이가 없습니다.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>이 차이 앞에는 차이가 없습니다.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>두 파일의 항목이 같습니다.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>%1과(와) 비교하는 중: 항목 대조 중</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>%1과(와) 비교하는 중: 두 파일 읽는 중, %2/%3MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>이미 비교가 실행 중입니다. 끝날 때까지 기다리거나 취소하십시오.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>먼저 파일을 목록에 표시하십시오. 이 파일이 선택한 파일과 비교됩니다.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>비교가 중지되었습니다.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>목록에 표시한 파일이 표시한 후에 변경되었습니다. Get으로 다시 가져온 다음 비교하십시오.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>발트어</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>중부 유럽어</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>중국어(간체)</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>키릴 자모</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>히브리어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>서유럽어</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>코드 페이지 %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>시스템 기본값(%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>목록 표시가 바이트 %1에서 중지되었습니다. 그 앞의 항목은 목록에 있습니다.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>메모리가 부족하여 바이트 %1의 항목을 목록에 표시할 수 없습니다. 그 앞의 항목은 목록에 있습니다.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>바이트 %1의 항목이 텍스트 길이를 0x%2(으)로 지정하며, 이는 항목 하나가 담을 수 있는 %3바이트보다 큽니다.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>바이트 %1의 항목이 잘렸습니다. 파일이 헤더 %3바이트 중 %2바이트 뒤에서 끝납니다.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>바이트 %1의 항목이 잘렸습니다. 텍스트는 %2바이트이지만 파일이 그중 %3바이트 뒤에서 끝납니다.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>폴더 %1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>경로에서 폴더여야 하는 부분이 파일입니다.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>파일로 가는 경로의 폴더가 없습니다.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>이 이름의 파일이 없습니다.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>파일이 아니라 폴더입니다.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>파일이 아니라 장치, 파이프 또는 소켓입니다.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>이 파일을 읽을 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>파일이 사용 중입니다. 다른 프로그램이 파일을 열어 두고 다른 프로그램의 읽기를 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>경로가 너무 깁니다.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>경로가 올바른 파일 이름이 아닙니다.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>이 프로그램이나 시스템에 열린 파일이 너무 많습니다.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>파일을 열 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>경로가 비어 있습니다.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>경로에 NUL 문자가 있습니다. 파일 이름에는 NUL 문자를 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>바이트 %1에서 파일을 읽지 못했습니다: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>파일 %1에 쓸 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>파일 %1에 쓸 수 없습니다: 폴더입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>파일 %1에 쓸 수 없습니다: 파일이 아니라 장치, 파이프 또는 소켓입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>파일 %1에 쓸 수 없습니다: 읽기 전용입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>파일 %1에 쓸 수 없습니다: 이 파일에 쓸 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>파일 %1에 쓸 수 없습니다: 파일에는 쓸 수 있지만 해당 폴더 %2에 파일을 만들 수 없습니다. 새 내용은 먼저 그곳에 모두 쓴 다음 파일을 대신합니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>파일 %1에 쓸 수 없습니다: 폴더 %2에 파일을 만들 권한이 없습니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>파일 %1에 쓸 수 없습니다: 폴더 %2이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>파일 %1에 쓸 수 없습니다: 경로에서 폴더여야 하는 부분이 파일입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>파일 %1에 쓸 수 없습니다: 이름이 너무 깁니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>파일 %1에 쓸 수 없습니다: 순환하거나 너무 많은 링크를 거치는 심볼릭 링크입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>파일 %1에 쓸 수 없습니다: 찾을 수 없는 파일에 대한 링크입니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>파일 %1에 쓸 수 없습니다: 다른 프로그램이 파일을 열어 두고 다른 프로그램의 변경을 허용하지 않습니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>파일 %1에 쓸 수 없습니다: 파일을 가리키지 않습니다.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>파일 %1에 쓸 수 없습니다: 이름에 NUL 문자가 있습니다.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>읽는 동안 파일이 짧아졌습니다. 데이터가 바이트 %1에서 끝났지만, 열 때는 %2바이트였습니다.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>읽는 동안 파일이 짧아졌습니다. 이제 바이트 %1에서 끝나지만, 열 때는 %2바이트였습니다(읽기는 바이트 %3까지 진행됨).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>읽는 동안 파일이 짧아졌습니다. 이제 바이트 %1에서 끝나지만, 열 때는 %2바이트였습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>파일이 바이트 %1에서 끝나지만 바이트 %2에서 %n바이트가 더 필요합니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>1부터 255까지의 파일 번호가 모두 사용 중입니다.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>파일 번호 %1이(가) 범위를 벗어났습니다.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>파일 번호 %1이(가) 사용 중입니다.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>파일 번호 %1이(가) 열려 있지 않습니다.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>새 내용을 쓰는 동안 다른 프로그램이 파일을 바꿨습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot;에 Windows가 이름에 허용하지 않는 제어 문자가 있습니다</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>&quot;%1&quot;의 &quot;:&quot;은(는) 파일이 아니라 파일 안의 스트림을 가리키게 됩니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot;에 Windows가 이름에 허용하지 않는 문자 &quot;%2&quot;이(가) 있습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>&quot;%1&quot;이(가) 마침표로 끝나며, Windows는 이름 끝의 마침표를 없앱니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>&quot;%1&quot;이(가) 공백으로 끝나며, Windows는 이름 끝의 공백을 없앱니다</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1. 새 내용은 &quot;%2&quot;에 있습니다</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>파일 %1에 쓸 수 없습니다: 폴더 %2에는 새 파일을 만들 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>모든 파일 (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>텍스트 파일 (%1)</translation>
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
        <translation>음성 파일 (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>목록 (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;이(가) 들어 있는 줄이 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>&quot;%1&quot;이(가) 들어 있는 줄이 %n개 있습니다.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
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
        <translation>찾기(&amp;F)...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>다음 찾기</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>이전 찾기</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>모든 줄 복사(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>다른 이름으로 목록 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>인코딩(&amp;E)</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>다른 이름으로 목록 저장</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>텍스트 편집(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>새 항목(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>항목 삭제(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>음성 파일 저장(&amp;F)</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>다른 이름으로 음성 파일 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>목록 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>다른 이름으로 음성 파일 저장</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>음성 파일 (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>모든 파일 (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>목록 열기</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>목록 (*.csv *.json *.jsonl *.ndjson);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>다른 파일과 비교(&amp;W)...</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>다음 차이</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>이전 차이</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>목록의 파일과 비교할 파일</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>%1 - %2의 결과가 16비트에 들어가지 않습니다.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>배열의 범위를 0부터 %1까지로 할 수 없습니다.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>메모리 부족</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>사용자 인터럽트 발생</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>첨자가 범위를 벗어남</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>파일 이름 또는 번호가 잘못됨</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>파일을 찾을 수 없음</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>파일이 이미 열려 있음</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>장치 I/O 오류</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>파일의 끝을 넘어 입력</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>파일이 너무 많음</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>권한이 없음</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>경로/파일 액세스 오류</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>경로를 찾을 수 없음</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1(런타임 오류 %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1(%2, 런타임 오류 %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1(전체 %2자에서 줄임)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>줄을 복사하지 못했습니다. 클립보드에 쓸 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>줄을 하나도 복사하지 못했습니다. 클립보드에 쓸 메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>줄을 복사하지 못했습니다. 다른 프로그램이 클립보드를 사용하고 있습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>줄을 하나도 복사하지 못했습니다. 다른 프로그램이 클립보드를 사용하고 있습니다. 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>복사(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>모든 줄 복사(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>찾기(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>다른 이름으로 목록 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>인코딩(&amp;E)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>다른 이름으로 목록 저장</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>저장 대화 상자를 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>저장 안 함(&amp;N)</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>텍스트 편집(&amp;T)...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>새 항목(&amp;N)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>항목 삭제(&amp;D)	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>실행 취소(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>다시 실행(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>음성 파일 저장(&amp;H)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>다른 이름으로 음성 파일 저장(&amp;P)...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>목록 열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>다른 파일과 비교(&amp;W)...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>열기 대화 상자를 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>다른 이름으로 음성 파일 저장</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>목록 열기</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>모두 찾기(&amp;A)</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>목록의 파일과 비교할 파일</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>차이</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>목록에는 %1줄보다 많이 담을 수 없습니다.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>줄을 가져온 음성 파일입니다. 목록을 이 파일에 덮어써서 저장하지 않습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>메모리가 부족하여 목록을 저장할 수 없습니다. 파일을 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>메모리가 부족하여 줄을 검색할 수 없습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>메모리가 부족하여 파일을 목록에 표시할 수 없습니다.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>메모리가 부족하여 이 인코딩으로 텍스트를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>&quot;%1&quot;이(가) 들어 있는 줄이 없습니다.</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>첫 줄부터 계속 찾았습니다.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>마지막 줄부터 계속 찾았습니다.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>%1 읽는 중: %2MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>%1 읽는 중: %2MB(파일이 %3MB에서 커졌음)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>%1 읽는 중: %2/%3MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>메모리가 부족하여 모든 줄을 복사할 수 없습니다. 아무것도 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>파일을 목록에 표시하는 중입니다. 끝날 때까지 기다리거나 취소하십시오.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>음성 파일 경로</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>메모리가 부족하여 파일을 비교할 수 없습니다.</translation>
    </message>
</context>
</TS>
