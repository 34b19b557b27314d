<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
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
        <translation>Nova entrada</translation>
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
        <translation>Diferenciar &amp;maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Localizar &amp;anterior</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Resultado da pesquisa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Localizar &amp;todas</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Linhas encontradas</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Alterada</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nova entrada</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Os textos de %1 parecem estar em UTF-8, e não na codificação %2. Mostrá-los como UTF-8?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>A comparação foi interrompida.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Os arquivos têm juntos mais de %1 entradas, mais do que é possível comparar.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Removida: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Adicionada: %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Alterada: %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Comparado com %1: os arquivos têm as mesmas entradas.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Comparado com %1: %2 removidas, %3 adicionadas, %4 alteradas.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Os arquivos diferem em muitos lugares próximos uns dos outros, por isso estas diferenças podem ser mais do que o mínimo possível.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>Não há outra diferença depois desta.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>Não há outra diferença antes desta.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Os arquivos têm as mesmas entradas.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Comparando com %1: associando as entradas</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Comparando com %1: lendo os dois arquivos, %2 de %3 MB</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Uma comparação já está em andamento: aguarde até que termine ou cancele.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Liste um arquivo primeiro: ele será comparado com o arquivo que você escolher.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>A comparação foi interrompida.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>O arquivo listado foi alterado desde que foi listado. Liste-o novamente com Get e depois compare.</translation>
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
        <translation>Europeu central</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandês</translation>
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
        <translation>Europeu ocidental</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Página de código %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Padrão do sistema (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>A listagem foi interrompida no byte %1; as entradas anteriores estão listadas.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>Não há memória suficiente para listar a entrada no byte %1; as entradas anteriores estão listadas.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>A entrada no byte %1 indica um comprimento de texto de 0x%2, mais do que os %3 bytes que uma entrada pode conter.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>A entrada no byte %1 está incompleta: o arquivo termina após %2 dos seus %3 bytes de cabeçalho.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>A entrada no byte %1 está incompleta: o seu texto tem %2 bytes, mas o arquivo termina após %3 deles.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Uma parte do caminho que deveria ser uma pasta é um arquivo.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Uma pasta no caminho até o arquivo não existe.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Não há nenhum arquivo com este nome.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Isto é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Isto é um dispositivo, pipe ou socket, não um arquivo.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>Você não tem permissão para ler este arquivo.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>O arquivo está em uso: outro programa o abriu e não permite que outros o leiam.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>O caminho é longo demais.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>O caminho não é um nome de arquivo válido.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>Há arquivos demais abertos neste programa ou sistema.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Não é possível abrir o arquivo: %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>O caminho está vazio.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>O caminho contém um caractere nulo, que nenhum nome de arquivo pode conter.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>A leitura do arquivo falhou no byte %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo %1: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Não é possível gravar o arquivo %1: é uma pasta.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Não é possível gravar o arquivo %1: é um dispositivo, pipe ou socket, não um arquivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Não é possível gravar o arquivo %1: é somente leitura.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Não é possível gravar o arquivo %1: você não tem permissão para gravar nele.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Não é possível gravar o arquivo %1: você pode gravar no arquivo, mas não criar arquivos na pasta dele, %2, onde o novo conteúdo é gravado primeiro por inteiro antes de tomar o lugar do arquivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Não é possível gravar o arquivo %1: você não tem permissão para criar arquivos na pasta %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Não é possível gravar o arquivo %1: a pasta %2 não existe.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Não é possível gravar o arquivo %1: uma parte do caminho que deveria ser uma pasta é um arquivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Não é possível gravar o arquivo %1: o nome é longo demais.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Não é possível gravar o arquivo %1: é um link simbólico que anda em círculo ou passa por links demais.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Não é possível gravar o arquivo %1: é um link para um arquivo que não é encontrado.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Não é possível gravar o arquivo %1: outro programa o abriu e não permite que outros o alterem.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Não é possível gravar o arquivo %1: não indica nenhum arquivo.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Não é possível gravar o arquivo %1: o nome contém um caractere nulo.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>O arquivo ficou menor durante a leitura: os seus dados terminavam no byte %1, embora ele tivesse %2 bytes ao ser aberto.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>O arquivo ficou menor durante a leitura: agora termina no byte %1, embora tivesse %2 bytes ao ser aberto (a leitura tinha chegado ao byte %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>O arquivo ficou menor durante a leitura: agora termina no byte %1, embora tivesse %2 bytes ao ser aberto.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>O arquivo termina no byte %1, mas é necessário mais %n byte no byte %2.</numerusform>
            <numerusform>O arquivo termina no byte %1, mas são necessários mais %n bytes no byte %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Todos os números de arquivo de 1 a 255 estão em uso.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>O número de arquivo %1 está fora do intervalo.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>O número de arquivo %1 está em uso.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>O número de arquivo %1 não está aberto.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>outro programa o substituiu enquanto o novo conteúdo era gravado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; contém um caractere de controle, que o Windows não permite em um nome</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>o &quot;:&quot; em &quot;%1&quot; indicaria um fluxo dentro de um arquivo, não um arquivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>&quot;%1&quot; contém o caractere &quot;%2&quot;, que o Windows não permite em um nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>&quot;%1&quot; termina com um ponto, que o Windows remove de um nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>&quot;%1&quot; termina com um espaço, que o Windows remove de um nome</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1; o novo conteúdo está em &quot;%2&quot;</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Não é possível gravar o arquivo %1: a pasta %2 não aceita arquivos novos.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Todos os arquivos (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Arquivos de texto (%1)</translation>
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
        <translation>Arquivos de falas (%1)</translation>
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
        <translation>Nenhuma linha contém &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n linha contém &quot;%1&quot;.</numerusform>
            <numerusform>%n linhas contêm &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
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
        <translation>&amp;Localizar…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Localizar próxima</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Localizar anterior</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copiar &amp;todas as linhas</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Salvar lista como…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificação</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Salvar lista como</translation>
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
        <translation>&amp;Nova entrada…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>E&amp;xcluir entrada</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Salvar &amp;arquivo de falas</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Salvar arquivo de &amp;falas como…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>A&amp;brir lista…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Salvar arquivo de falas como</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Arquivos de falas (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Listas (*.csv *.json *.jsonl *.ndjson);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Co&amp;mparar com…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Próxima diferença</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Diferença anterior</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparar o arquivo listado com</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>O resultado de %1 - %2 não cabe em 16 bits.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Uma matriz não pode ter os limites 0 a %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Interrupção do usuário</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome ou número de arquivo incorreto</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>O arquivo já está aberto</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erro de E/S do dispositivo</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Entrada além do fim do arquivo</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Arquivos demais</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Caminho não encontrado</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (erro em tempo de execução %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, erro em tempo de execução %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (encurtado; tem %2 caracteres)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>A linha não foi copiada: não há memória suficiente para a Área de Transferência.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>As linhas não foram copiadas: não há memória suficiente para a Área de Transferência.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>A linha não foi copiada: outro programa está usando a Área de Transferência. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>As linhas não foram copiadas: outro programa está usando a Área de Transferência. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copiar &amp;todas as linhas</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Localizar...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Salvar lista como...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificação</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Salvar lista como</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>Não foi possível mostrar a caixa de diálogo Salvar.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Não Salvar</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Editar texto...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Nova entrada...	Ins</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>E&amp;xcluir entrada	Del</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>&amp;Refazer	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Salvar &amp;arquivo de falas	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Salvar arquivo de &amp;falas como...	Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>A&amp;brir lista...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Co&amp;mparar com...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>Não foi possível mostrar a caixa de diálogo Abrir.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Salvar arquivo de falas como</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Abrir lista</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Localizar &amp;todas</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparar o arquivo listado com</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>A lista não pode conter mais de %1 linhas.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Este é o arquivo de falas de onde vêm as linhas; a lista não é salva por cima dele.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>Não há memória suficiente para salvar a lista; o arquivo não foi gravado.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>Não há memória suficiente para pesquisar as linhas.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>Não há memória suficiente para listar o arquivo.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>Não há memória suficiente para ler os textos nesta codificação.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Nenhuma linha contém &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>A pesquisa continuou a partir da primeira linha.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>A pesquisa continuou a partir da última linha.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Lendo %1: %2 MB</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Lendo %1: %2 MB (o arquivo cresceu de %3 MB)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Lendo %1: %2 de %3 MB</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>Não há memória suficiente para copiar todas as linhas; nada foi copiado.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Um arquivo está sendo listado: aguarde até que termine ou cancele.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Caminho do arquivo de falas</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>Não há memória suficiente para comparar os arquivos.</translation>
    </message>
</context>
</TS>
