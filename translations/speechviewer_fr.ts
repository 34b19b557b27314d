<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DifferencesWindow</name>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>EditEntryDialog</name>
    <message>
        <source>Edit entry</source>
        <translation>Modifier l’entrée</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
    <message>
        <source>&amp;ID (hexadecimal):</source>
        <translation>&amp;ID (hexadécimal) :</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte :</translation>
    </message>
</context>
<context>
    <name>FindWindow</name>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>Find &amp;next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find &amp;previous</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Find what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Rechercher &amp;tout</translation>
    </message>
    <message>
        <source>Lines found</source>
        <translation>Lignes trouvées</translation>
    </message>
</context>
<context>
    <name>LineListView</name>
    <message>
        <source>Changed</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Nouvelle entrée</translation>
    </message>
</context>
<context>
    <name>ViewerSession</name>
    <message>
        <source>The texts of %1 look like UTF-8, not %2. Show them as UTF-8?</source>
        <translation>Les textes de %1 semblent être en UTF-8, et non en %2. Les afficher en UTF-8 ?</translation>
    </message>
</context>
<context>
    <name>comparing</name>
    <message>
        <source>The compare was stopped.</source>
        <translation>La comparaison a été interrompue.</translation>
    </message>
    <message>
        <source>The files hold more than %1 entries together, more than can be compared.</source>
        <translation>Les fichiers contiennent ensemble plus de %1 entrées, plus qu’il n’est possible d’en comparer.</translation>
    </message>
</context>
<context>
    <name>differences</name>
    <message>
        <source>Removed: %1</source>
        <translation>Supprimée : %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>Ajoutée : %1</translation>
    </message>
    <message>
        <source>Changed: %1 → %2</source>
        <translation>Modifiée : %1 → %2</translation>
    </message>
    <message>
        <source>Compared with %1: the files hold the same entries.</source>
        <translation>Comparaison avec %1 : les fichiers contiennent les mêmes entrées.</translation>
    </message>
    <message>
        <source>Compared with %1: %2 removed, %3 added, %4 changed.</source>
        <translation>Comparaison avec %1 : entrées supprimées : %2, ajoutées : %3, modifiées : %4.</translation>
    </message>
    <message>
        <source>The files differ in many places close together, so these may be more than the fewest differences there are.</source>
        <translation>Les fichiers diffèrent en de nombreux endroits proches les uns des autres ; ces différences sont donc peut-être plus nombreuses que le minimum possible.</translation>
    </message>
    <message>
        <source>There is no difference after this one.</source>
        <translation>Il n’y a pas d’autre différence après celle-ci.</translation>
    </message>
    <message>
        <source>There is no difference before this one.</source>
        <translation>Il n’y a pas d’autre différence avant celle-ci.</translation>
    </message>
    <message>
        <source>The files hold the same entries.</source>
        <translation>Les fichiers contiennent les mêmes entrées.</translation>
    </message>
    <message>
        <source>Comparing with %1: matching the entries</source>
        <translation>Comparaison avec %1 : mise en correspondance des entrées</translation>
    </message>
    <message>
        <source>Comparing with %1: reading both files, %2 of %3 MB</source>
        <translation>Comparaison avec %1 : lecture des deux fichiers, %2 sur %3 Mo</translation>
    </message>
    <message>
        <source>A compare runs already: wait until it is done, or cancel it.</source>
        <translation>Une comparaison est déjà en cours : attendez qu’elle soit terminée ou annulez-la.</translation>
    </message>
    <message>
        <source>List a file first: it is compared with the file you choose.</source>
        <translation>Listez d’abord un fichier : il sera comparé avec le fichier que vous choisirez.</translation>
    </message>
    <message>
        <source>The compare was stopped.</source>
        <translation>La comparaison a été interrompue.</translation>
    </message>
    <message>
        <source>The listed file has changed since it was listed. Get it again, then compare.</source>
        <translation>Le fichier listé a changé depuis son listage. Listez-le à nouveau avec « Get », puis comparez.</translation>
    </message>
</context>
<context>
    <name>encodings</name>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Code page %1</source>
        <translation>Page de codes %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Valeur par défaut du système (%1)</translation>
    </message>
</context>
<context>
    <name>entries</name>
    <message>
        <source>The listing was stopped at byte %1; the entries before it are listed.</source>
        <translation>L’affichage de la liste a été interrompu à l’octet %1 ; les entrées précédentes sont listées.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>There is not enough memory to list the entry at byte %1; the entries before it are listed.</source>
        <translation>La mémoire est insuffisante pour lister l’entrée à l’octet %1 ; les entrées précédentes sont listées.</translation>
    </message>
    <message>
        <source>The entry at byte %1 gives a text length of 0x%2, more than the %3 bytes an entry can hold.</source>
        <translation>L’entrée à l’octet %1 indique une longueur de texte de 0x%2, plus que les %3 octets qu’une entrée peut contenir.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: the file ends after %2 of its %3 header bytes.</source>
        <translation>L’entrée à l’octet %1 est tronquée : le fichier se termine après %2 de ses %3 octets d’en-tête.</translation>
    </message>
    <message>
        <source>The entry at byte %1 is cut short: its text is %2 bytes long, but the file ends after %3 of them.</source>
        <translation>L’entrée à l’octet %1 est tronquée : son texte fait %2 octets, mais le fichier se termine après %3 d’entre eux.</translation>
    </message>
</context>
<context>
    <name>file</name>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>A part of the path that should be a folder is a file.</source>
        <translation>Une partie du chemin qui devrait être un dossier est un fichier.</translation>
    </message>
    <message>
        <source>A folder on the way to the file does not exist.</source>
        <translation>Un dossier sur le chemin du fichier n’existe pas.</translation>
    </message>
    <message>
        <source>There is no file with this name.</source>
        <translation>Aucun fichier ne porte ce nom.</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Ceci est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is a device, pipe or socket, not a file.</source>
        <translation>Ceci est un périphérique, un tube ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>You do not have permission to read this file.</source>
        <translation>Vous n’avez pas l’autorisation de lire ce fichier.</translation>
    </message>
    <message>
        <source>The file is in use: another program has it open and does not let others read it.</source>
        <translation>Le fichier est utilisé : un autre programme l’a ouvert et ne laisse pas les autres le lire.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Le chemin est trop long.</translation>
    </message>
    <message>
        <source>The path is not a valid file name.</source>
        <translation>Le chemin n’est pas un nom de fichier valide.</translation>
    </message>
    <message>
        <source>Too many files are open in this program or system.</source>
        <translation>Trop de fichiers sont ouverts dans ce programme ou ce système.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert : %1.</translation>
    </message>
    <message>
        <source>The path is empty.</source>
        <translation>Le chemin est vide.</translation>
    </message>
    <message>
        <source>The path contains a zero character, which no file name can hold.</source>
        <translation>Le chemin contient un caractère nul, qu’aucun nom de fichier ne peut contenir.</translation>
    </message>
    <message>
        <source>Reading the file failed at byte %1: %2.</source>
        <translation>La lecture du fichier a échoué à l’octet %1 : %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit : %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a folder.</source>
        <translation>Le fichier %1 ne peut pas être écrit : c’est un dossier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a device, pipe or socket, not a file.</source>
        <translation>Le fichier %1 ne peut pas être écrit : c’est un périphérique, un tube ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is read-only.</source>
        <translation>Le fichier %1 ne peut pas être écrit : il est en lecture seule.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to write to it.</source>
        <translation>Le fichier %1 ne peut pas être écrit : vous n’avez pas l’autorisation d’y écrire.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you may write to the file but not make files in its folder %2, where the new content is first written whole before it takes the file&apos;s place.</source>
        <translation>Le fichier %1 ne peut pas être écrit : vous pouvez écrire dans le fichier mais pas créer de fichiers dans son dossier %2, où le nouveau contenu est d’abord écrit en entier avant de prendre la place du fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: you do not have permission to make files in the folder %2.</source>
        <translation>Le fichier %1 ne peut pas être écrit : vous n’avez pas l’autorisation de créer des fichiers dans le dossier %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 does not exist.</source>
        <translation>Le fichier %1 ne peut pas être écrit : le dossier %2 n’existe pas.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: a part of the path that should be a folder is a file.</source>
        <translation>Le fichier %1 ne peut pas être écrit : une partie du chemin qui devrait être un dossier est un fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name is too long.</source>
        <translation>Le fichier %1 ne peut pas être écrit : le nom est trop long.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a symbolic link that leads round in a circle, or through too many links.</source>
        <translation>Le fichier %1 ne peut pas être écrit : c’est un lien symbolique qui tourne en rond, ou passe par trop de liens.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it is a link to a file that cannot be found.</source>
        <translation>Le fichier %1 ne peut pas être écrit : c’est un lien vers un fichier introuvable.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: another program has it open and does not let others change it.</source>
        <translation>Le fichier %1 ne peut pas être écrit : un autre programme l’a ouvert et ne laisse pas les autres le modifier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: it names no file.</source>
        <translation>Le fichier %1 ne peut pas être écrit : il ne désigne aucun fichier.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the name contains a zero character.</source>
        <translation>Le fichier %1 ne peut pas être écrit : le nom contient un caractère nul.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: its data ended at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Le fichier a raccourci pendant sa lecture : ses données s’arrêtaient à l’octet %1, alors qu’il faisait %2 octets à son ouverture.</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened (the read had come to byte %3).</source>
        <translation>Le fichier a raccourci pendant sa lecture : il se termine maintenant à l’octet %1, alors qu’il faisait %2 octets à son ouverture (la lecture en était à l’octet %3).</translation>
    </message>
    <message>
        <source>The file became shorter while it was read: it now ends at byte %1, though it had %2 bytes when it was opened.</source>
        <translation>Le fichier a raccourci pendant sa lecture : il se termine maintenant à l’octet %1, alors qu’il faisait %2 octets à son ouverture.</translation>
    </message>
    <message numerus="yes">
        <source>The file ends at byte %1, but %n more bytes are needed at byte %2.</source>
        <comment>The file ends at byte %1, but %n more byte is needed at byte %2.</comment>
        <translation>
            <numerusform>Le fichier se termine à l’octet %1, mais %n octet de plus est nécessaire à l’octet %2.</numerusform>
            <numerusform>Le fichier se termine à l’octet %1, mais %n octets de plus sont nécessaires à l’octet %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>All file numbers from 1 to 255 are in use.</source>
        <translation>Tous les numéros de fichier de 1 à 255 sont utilisés.</translation>
    </message>
    <message>
        <source>File number %1 is out of range.</source>
        <translation>Le numéro de fichier %1 est hors limites.</translation>
    </message>
    <message>
        <source>File number %1 is in use.</source>
        <translation>Le numéro de fichier %1 est déjà utilisé.</translation>
    </message>
    <message>
        <source>File number %1 is not open.</source>
        <translation>Le numéro de fichier %1 n’est pas ouvert.</translation>
    </message>
    <message>
        <source>another program replaced it while the new content was written</source>
        <translation>un autre programme l’a remplacé pendant l’écriture du nouveau contenu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a control character, which Windows does not allow in a name</source>
        <translation>« %1 » contient un caractère de contrôle, que Windows n’autorise pas dans un nom</translation>
    </message>
    <message>
        <source>the &quot;:&quot; in &quot;%1&quot; would name a stream inside a file, not a file</source>
        <translation>le « : » dans « %1 » désignerait un flux à l’intérieur d’un fichier, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the character &quot;%2&quot;, which Windows does not allow in a name</source>
        <translation>« %1 » contient le caractère « %2 », que Windows n’autorise pas dans un nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a dot, which Windows drops from a name</source>
        <translation>« %1 » se termine par un point, que Windows retire d’un nom</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends in a space, which Windows drops from a name</source>
        <translation>« %1 » se termine par une espace, que Windows retire d’un nom</translation>
    </message>
    <message>
        <source>%1; the new content is in &quot;%2&quot;</source>
        <translation>%1 ; le nouveau contenu se trouve dans « %2 »</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: the folder %2 takes no new files.</source>
        <translation>Le fichier %1 ne peut pas être écrit : le dossier %2 n’accepte pas de nouveaux fichiers.</translation>
    </message>
</context>
<context>
    <name>file dialogs</name>
    <message>
        <source>All files (%1)</source>
        <translation>Tous les fichiers (%1)</translation>
    </message>
    <message>
        <source>Text files (%1)</source>
        <translation>Fichiers texte (%1)</translation>
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
        <translation>Fichiers de paroles (%1)</translation>
    </message>
    <message>
        <source>Lists (%1)</source>
        <translation>Listes (%1)</translation>
    </message>
</context>
<context>
    <name>find</name>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Aucune ligne ne contient « %1 ».</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hold &quot;%1&quot;.</source>
        <comment>%n line holds &quot;%1&quot;.</comment>
        <translation>
            <numerusform>%n ligne contient « %1 ».</numerusform>
            <numerusform>%n lignes contiennent « %1 ».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
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
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copier &amp;toutes les lignes</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Enregistrer la liste sous…</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Encodage</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Enregistrer la liste sous</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Edit text...</source>
        <translation>&amp;Modifier le texte…</translation>
    </message>
    <message>
        <source>&amp;New entry...</source>
        <translation>&amp;Nouvelle entrée…</translation>
    </message>
    <message>
        <source>&amp;Delete entry</source>
        <translation>&amp;Supprimer l’entrée</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Save speech &amp;file</source>
        <translation>Enregistrer le &amp;fichier de paroles</translation>
    </message>
    <message>
        <source>Save speech file &amp;as...</source>
        <translation>Enregistrer le fichier de paroles so&amp;us…</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>&amp;Ouvrir une liste…</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Enregistrer le fichier de paroles sous</translation>
    </message>
    <message>
        <source>Speech files (*.mul)</source>
        <translation>Fichiers de paroles (*.mul)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Lists (*.csv *.json *.jsonl *.ndjson);;All files (*)</source>
        <translation>Listes (*.csv *.json *.jsonl *.ndjson);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Com&amp;parer avec…</translation>
    </message>
    <message>
        <source>Next difference</source>
        <translation>Différence suivante</translation>
    </message>
    <message>
        <source>Previous difference</source>
        <translation>Différence précédente</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparer le fichier listé avec</translation>
    </message>
</context>
<context>
    <name>runtime</name>
    <message>
        <source>The result of %1 - %2 does not fit in 16 bits.</source>
        <translation>Le résultat de %1 - %2 ne tient pas sur 16 bits.</translation>
    </message>
    <message>
        <source>An array cannot have the bounds 0 to %1.</source>
        <translation>Un tableau ne peut pas avoir les bornes 0 à %1.</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>User interrupt occurred</source>
        <translation>Interruption par l’utilisateur</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File already open</source>
        <translation>Fichier déjà ouvert</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>Erreur d’entrée/sortie de périphérique</translation>
    </message>
    <message>
        <source>Input past end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Too many files</source>
        <translation>Trop de fichiers</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erreur d’accès chemin/fichier</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin d’accès introuvable</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>%1 (runtime error %2)</source>
        <translation>%1 (erreur d’exécution %2)</translation>
    </message>
    <message>
        <source>%1 (%2, runtime error %3)</source>
        <translation>%1 (%2, erreur d’exécution %3)</translation>
    </message>
    <message>
        <source>%1 (shortened from %2 characters)</source>
        <translation>%1 (raccourci ; %2 caractères en tout)</translation>
    </message>
</context>
<context>
    <name>win32</name>
    <message>
        <source>The line was not copied: there is not enough memory for the clipboard.</source>
        <translation>La ligne n’a pas été copiée : la mémoire est insuffisante pour le Presse-papiers.</translation>
    </message>
    <message>
        <source>The lines were not copied: there is not enough memory for the clipboard.</source>
        <translation>Les lignes n’ont pas été copiées : la mémoire est insuffisante pour le Presse-papiers.</translation>
    </message>
    <message>
        <source>The line was not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>La ligne n’a pas été copiée : un autre programme occupe le Presse-papiers. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The lines were not copied: another program holds the clipboard. Try again in a moment.</source>
        <translation>Les lignes n’ont pas été copiées : un autre programme occupe le Presse-papiers. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy &amp;all lines</source>
        <translation>Copier &amp;toutes les lignes</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Rechercher...	Ctrl+F</translation>
    </message>
    <message>
        <source>&amp;Save list as...</source>
        <translation>&amp;Enregistrer la liste sous...</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Encodage</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save list as</source>
        <translation>Enregistrer la liste sous</translation>
    </message>
    <message>
        <source>The save dialog could not be shown.</source>
        <translation>La boîte de dialogue d’enregistrement n’a pas pu s’afficher.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Do&amp;n&apos;t Save</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Edi&amp;t text...	F2</source>
        <translation>&amp;Modifier le texte...	F2</translation>
    </message>
    <message>
        <source>&amp;New entry...	Ins</source>
        <translation>&amp;Nouvelle entrée...	Inser</translation>
    </message>
    <message>
        <source>&amp;Delete entry	Del</source>
        <translation>&amp;Supprimer l’entrée	Suppr</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>Réta&amp;blir	Ctrl+Y</translation>
    </message>
    <message>
        <source>Save speec&amp;h file	Ctrl+S</source>
        <translation>Enregistrer le &amp;fichier de paroles	Ctrl+S</translation>
    </message>
    <message>
        <source>Save s&amp;peech file as...	Ctrl+Shift+S</source>
        <translation>Enregistrer le fichier de paroles so&amp;us...	Ctrl+Maj+S</translation>
    </message>
    <message>
        <source>&amp;Open list...</source>
        <translation>&amp;Ouvrir une liste...</translation>
    </message>
    <message>
        <source>Compare &amp;with...</source>
        <translation>Com&amp;parer avec...</translation>
    </message>
    <message>
        <source>The open dialog could not be shown.</source>
        <translation>La boîte de dialogue d’ouverture n’a pas pu s’afficher.</translation>
    </message>
    <message>
        <source>Save speech file as</source>
        <translation>Enregistrer le fichier de paroles sous</translation>
    </message>
    <message>
        <source>Open list</source>
        <translation>Ouvrir une liste</translation>
    </message>
    <message>
        <source>Find &amp;all</source>
        <translation>Rechercher &amp;tout</translation>
    </message>
    <message>
        <source>Compare the listed file with</source>
        <translation>Comparer le fichier listé avec</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>The list cannot hold more than %1 lines.</source>
        <translation>La liste ne peut pas contenir plus de %1 lignes.</translation>
    </message>
    <message>
        <source>This is the speech file the lines come from; the list is not saved over it.</source>
        <translation>Ceci est le fichier de paroles d’où viennent les lignes ; la liste n’est pas enregistrée par-dessus.</translation>
    </message>
    <message>
        <source>There is not enough memory to save the list; the file was not written.</source>
        <translation>La mémoire est insuffisante pour enregistrer la liste ; le fichier n’a pas été écrit.</translation>
    </message>
    <message>
        <source>There is not enough memory to search the lines.</source>
        <translation>La mémoire est insuffisante pour rechercher dans les lignes.</translation>
    </message>
    <message>
        <source>There is not enough memory to list the file.</source>
        <translation>La mémoire est insuffisante pour lister le fichier.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the texts in this encoding.</source>
        <translation>La mémoire est insuffisante pour lire les textes dans cet encodage.</translation>
    </message>
    <message>
        <source>No line holds &quot;%1&quot;.</source>
        <translation>Aucune ligne ne contient « %1 ».</translation>
    </message>
    <message>
        <source>Went on from the first line.</source>
        <translation>La recherche a repris à la première ligne.</translation>
    </message>
    <message>
        <source>Went on from the last line.</source>
        <translation>La recherche a repris à la dernière ligne.</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB</source>
        <translation>Lecture de %1 : %2 Mo</translation>
    </message>
    <message>
        <source>Reading %1: %2 MB (the file grew from %3 MB)</source>
        <translation>Lecture de %1 : %2 Mo (le fichier a grandi depuis %3 Mo)</translation>
    </message>
    <message>
        <source>Reading %1: %2 of %3 MB</source>
        <translation>Lecture de %1 : %2 sur %3 Mo</translation>
    </message>
    <message>
        <source>There is not enough memory to copy every line; nothing was copied.</source>
        <translation>La mémoire est insuffisante pour copier toutes les lignes ; rien n’a été copié.</translation>
    </message>
    <message>
        <source>A file is being listed: wait until it is done, or cancel it.</source>
        <translation>Un fichier est en cours de listage : attendez qu’il soit terminé ou annulez-le.</translation>
    </message>
    <message>
        <source>Path of the speech file</source>
        <translation>Chemin du fichier de paroles</translation>
    </message>
    <message>
        <source>There is not enough memory to compare the files.</source>
        <translation>La mémoire est insuffisante pour comparer les fichiers.</translation>
    </message>
</context>
</TS>
