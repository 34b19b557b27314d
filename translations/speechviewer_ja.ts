<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>エントリの編集</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新しいエントリ</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>ID (16 進数)(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>テキスト(&amp;T):</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>大文字と小文字を区別する(&amp;C)</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>次を検索(&amp;N)</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>前を検索(&amp;P)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>検索する文字列(&amp;F):</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>検索結果</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>すべて検索(&amp;A)</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>見つかった行</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>変更済み</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>新しいエントリ</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>%1 のテキストは %2 ではなく UTF-8 のようです。UTF-8 として表示しますか?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>比較は中止されました。</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>2 つのファイルのエントリは合わせて %1 個を超えており、比較できる数を超えています。</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>削除: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>追加: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>変更: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>%1 と比較しました: 2 つのファイルのエントリは同じです。</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>%1 と比較しました: 削除 %2 件、追加 %3 件、変更 %4 件。</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>2 つのファイルは近接した多くの箇所で異なるため、表示される相違点は最小限の数より多い可能性があります。</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>これより後に相違点はありません。</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>これより前に相違点はありません。</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>2 つのファイルのエントリは同じです。</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>%1 と比較中: エントリを照合しています</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>%1 と比較中: 両方のファイルを読み取り中、%2 / %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>既に比較を実行しています: 終わるまで待つか、キャンセルしてください。</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>先にファイルを一覧表示してください: そのファイルが、選択したファイルと比較されます。</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>比較は中止されました。</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>一覧表示したファイルは、表示した後に変更されています。[Get] でもう一度読み込んでから比較してください。</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>バルト言語</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中央ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>キリル言語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西ヨーロッパ言語</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>コード ページ %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>システムの既定 (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>一覧の表示はバイト %1 で中止されました。それより前のエントリは一覧に表示されています。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>メモリが不足しているため、バイト %1 のエントリを一覧に表示できません。それより前のエントリは一覧に表示されています。</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>バイト %1 のエントリはテキストの長さを 0x%2 としていますが、これはエントリが保持できる %3 バイトを超えています。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>バイト %1 のエントリは途中で切れています: ファイルはヘッダー %3 バイトのうち %2 バイトの後で終わっています。</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>バイト %1 のエントリは途中で切れています: テキストは %2 バイトですが、ファイルはそのうち %3 バイトの後で終わっています。</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>フォルダー %1 は存在しません。</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>パスのうちフォルダーであるべき部分がファイルです。</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>ファイルまでの途中のフォルダーが存在しません。</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>この名前のファイルはありません。</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>これはフォルダーです。ファイルではありません。</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>これはデバイス、パイプまたはソケットです。ファイルではありません。</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>このファイルを読み取るアクセス許可がありません。</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>ファイルは使用中です: 別のプログラムが開いていて、他からの読み取りを許可していません。</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>パスが長すぎます。</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>パスは有効なファイル名ではありません。</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>このプログラムまたはシステムで開いているファイルが多すぎます。</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>ファイルを開けません: %1。</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>パスが空です。</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>パスに NUL 文字が含まれています。ファイル名には NUL 文字を含められません。</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>バイト %1 でファイルの読み取りに失敗しました: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>ファイル %1 に書き込めません: %2。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>ファイル %1 に書き込めません: フォルダーです。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>ファイル %1 に書き込めません: デバイス、パイプまたはソケットであり、ファイルではありません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>ファイル %1 に書き込めません: 読み取り専用です。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>ファイル %1 に書き込めません: 書き込むアクセス許可がありません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>ファイル %1 に書き込めません: ファイルへの書き込みは許可されていますが、そのフォルダー %2 にファイルを作成できません。新しい内容はまずそこにすべて書き込まれてから、ファイルと置き換わります。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>ファイル %1 に書き込めません: フォルダー %2 にファイルを作成するアクセス許可がありません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>ファイル %1 に書き込めません: フォルダー %2 は存在しません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>ファイル %1 に書き込めません: パスのうちフォルダーであるべき部分がファイルです。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>ファイル %1 に書き込めません: 名前が長すぎます。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>ファイル %1 に書き込めません: 循環しているか、多すぎるリンクを経由するシンボリック リンクです。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>ファイル %1 に書き込めません: 見つからないファイルへのリンクです。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>ファイル %1 に書き込めません: 別のプログラムが開いていて、他からの変更を許可していません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>ファイル %1 に書き込めません: ファイルを指していません。</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>ファイル %1 に書き込めません: 名前に NUL 文字が含まれています。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>読み取り中にファイルが短くなりました: データはバイト %1 で終わっていましたが、開いたときには %2 バイトありました。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>読み取り中にファイルが短くなりました: 現在はバイト %1 で終わっていますが、開いたときには %2 バイトありました (読み取りはバイト %3 まで進んでいました)。</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>読み取り中にファイルが短くなりました: 現在はバイト %1 で終わっていますが、開いたときには %2 バイトありました。</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>ファイルはバイト %1 で終わっていますが、バイト %2 でさらに %n バイト必要です。</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>1 から 255 までのファイル番号はすべて使用中です。</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>ファイル番号 %1 は範囲外です。</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>ファイル番号 %1 は使用中です。</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>ファイル番号 %1 は開いていません。</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>新しい内容を書き込んでいる間に、別のプログラムがファイルを置き換えました</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; には Windows が名前に使用を許可しない制御文字が含まれています</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>&quot;%1&quot; の &quot;:&quot; はファイルではなく、ファイル内のストリームを指すことになります</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; には Windows が名前に使用を許可しない文字 &quot;%2&quot; が含まれています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>&quot;%1&quot; はピリオドで終わっていますが、Windows は名前の末尾のピリオドを削除します</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>&quot;%1&quot; はスペースで終わっていますが、Windows は名前の末尾のスペースを削除します</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1。新しい内容は &quot;%2&quot; にあります</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>ファイル %1 に書き込めません: フォルダー %2 には新しいファイルを作成できません。</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>すべてのファイル (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>テキスト ファイル (%1)</translation>
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
        <translation>スピーチ ファイル (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>リスト (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; を含む行はありません。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>&quot;%1&quot; を含む行が %n 行あります。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキスト ファイル (*.txt)</translation>
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
        <translation>検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>次を検索</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>前を検索</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>すべての行をコピー(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>名前を付けてリストを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>エンコード(&amp;E)</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>名前を付けてリストを保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>テキストを編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>新しいエントリ(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>エントリを削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>スピーチ ファイルを保存(&amp;F)</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>名前を付けてスピーチ ファイルを保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>リストを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>名前を付けてスピーチ ファイルを保存</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>スピーチ ファイル (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>リストを開く</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>リスト (*.csv *.json *.jsonl *.ndjson);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>ファイルと比較(&amp;W)...</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>次の相違点</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>前の相違点</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>一覧表示中のファイルと比較するファイル</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>%1 - %2 の結果は 16 ビットに収まりません。</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>配列の範囲を 0 から %1 にすることはできません。</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>ユーザーによって割り込みが発生しました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>ファイル名または番号が不正です</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>ファイルは既に開かれています</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>デバイス I/O エラーです</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>ファイルの終わりを越えて入力しようとしました</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>ファイルが多すぎます</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセス許可がありません</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パス/ファイル アクセス エラー</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラーです</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (実行時エラー %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2、実行時エラー %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (全 %2 文字を短縮)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>行はコピーされませんでした: クリップボード用のメモリが不足しています。</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>行はどれもコピーされませんでした: クリップボード用のメモリが不足しています。</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>行はコピーされませんでした: 別のプログラムがクリップボードを使用しています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>行はどれもコピーされませんでした: 別のプログラムがクリップボードを使用しています。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>コピー(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>すべての行をコピー(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>検索(&amp;F)...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>名前を付けてリストを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>エンコード(&amp;E)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>名前を付けてリストを保存</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>保存のダイアログ ボックスを表示できませんでした。</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>保存しない(&amp;N)</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>テキストを編集(&amp;T)...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>新しいエントリ(&amp;N)...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>エントリを削除(&amp;D)	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>元に戻す(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>やり直し(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>スピーチ ファイルを保存(&amp;H)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>名前を付けてスピーチ ファイルを保存(&amp;P)...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>リストを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>ファイルと比較(&amp;W)...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>開くダイアログ ボックスを表示できませんでした。</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>名前を付けてスピーチ ファイルを保存</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>リストを開く</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>すべて検索(&amp;A)</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>一覧表示中のファイルと比較するファイル</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>リストには %1 行を超えて保持できません。</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>これは行の元になっているスピーチ ファイルです。リストをこのファイルに上書き保存することはしません。</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>メモリが不足しているため、リストを保存できません。ファイルは書き込まれませんでした。</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>メモリが不足しているため、行を検索できません。</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>メモリが不足しているため、ファイルを一覧に表示できません。</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>メモリが不足しているため、このエンコードでテキストを読み取れません。</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; を含む行はありません。</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>最初の行から検索を続けました。</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>最後の行から検索を続けました。</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>%1 を読み取り中: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>%1 を読み取り中: %2 MB (ファイルは %3 MB から大きくなりました)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>%1 を読み取り中: %2 / %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>メモリが不足しているため、すべての行をコピーできません。何もコピーされていません。</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>ファイルを一覧表示しています: 終わるまで待つか、キャンセルしてください。</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>スピーチ ファイルのパス</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>メモリが不足しているため、ファイルを比較できません。</translation>
    </message>
</context>
</TS>
