<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Return address</source>
        <translation>Indirizzo del mittente</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s return address block</source>
        <translation>Stampato come blocco dell&apos;indirizzo del mittente sulla busta</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Indirizzo del destinatario</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s to-address block</source>
        <translation>Stampato come blocco dell&apos;indirizzo del destinatario sulla busta</translation>
    </message>
    <message>
        <source>Saved addresses</source>
        <translation>Indirizzi salvati</translation>
    </message>
    <message>
        <source>Clicking an address copies it into the To address box; ticked addresses are printed or cleared by the buttons below</source>
        <translation>Un clic su un indirizzo lo copia nella casella dell&apos;indirizzo del destinatario; i pulsanti qui sotto stampano o eliminano gli indirizzi spuntati</translation>
    </message>
    <message>
        <source>Centimetres from the left edge of the printable area</source>
        <translation>Centimetri dal bordo sinistro dell&apos;area stampabile</translation>
    </message>
    <message>
        <source>Centimetres from the top of the printable area to the first line</source>
        <translation>Centimetri dal bordo superiore dell&apos;area stampabile alla prima riga</translation>
    </message>
    <message>
        <source>Return address X offset (cm)</source>
        <translation>Spostamento X dell&apos;indirizzo del mittente (cm)</translation>
    </message>
    <message>
        <source>Return address Y offset (cm)</source>
        <translation>Spostamento Y dell&apos;indirizzo del mittente (cm)</translation>
    </message>
    <message>
        <source>To address X offset (cm)</source>
        <translation>Spostamento X dell&apos;indirizzo del destinatario (cm)</translation>
    </message>
    <message>
        <source>To address Y offset (cm)</source>
        <translation>Spostamento Y dell&apos;indirizzo del destinatario (cm)</translation>
    </message>
    <message>
        <source>Adds the To address to the saved addresses</source>
        <translation>Aggiunge l&apos;indirizzo del destinatario agli indirizzi salvati</translation>
    </message>
    <message>
        <source>Prints one envelope on the default printer</source>
        <translation>Stampa una busta sulla stampante predefinita</translation>
    </message>
    <message>
        <source>Empties the Return address and To address boxes</source>
        <translation>Svuota le caselle dell&apos;indirizzo del mittente e del destinatario</translation>
    </message>
    <message>
        <source>Ticks every saved address</source>
        <translation>Spunta tutti gli indirizzi salvati</translation>
    </message>
    <message>
        <source>Removes the ticked saved addresses</source>
        <translation>Rimuove gli indirizzi salvati spuntati</translation>
    </message>
    <message>
        <source>Prints one envelope for each ticked saved address</source>
        <translation>Stampa una busta per ogni indirizzo salvato spuntato</translation>
    </message>
    <message>
        <source>Text to import</source>
        <translation>Testo da importare</translation>
    </message>
    <message>
        <source>Import Addresses splits this text into addresses at the line and address delimiters</source>
        <translation>Importa indirizzi divide questo testo in indirizzi secondo i separatori di riga e di indirizzo</translation>
    </message>
    <message>
        <source>Line delimiter</source>
        <translation>Separatore di riga</translation>
    </message>
    <message>
        <source>What separates the lines of one address</source>
        <translation>Ciò che separa le righe di un indirizzo</translation>
    </message>
    <message>
        <source>Other line delimiter</source>
        <translation>Altro separatore di riga</translation>
    </message>
    <message>
        <source>Used when the line delimiter is -Other-</source>
        <translation>Usato quando il separatore di riga è -Other-</translation>
    </message>
    <message>
        <source>Address delimiter</source>
        <translation>Separatore di indirizzo</translation>
    </message>
    <message>
        <source>What separates one address from the next</source>
        <translation>Ciò che separa un indirizzo dal successivo</translation>
    </message>
    <message>
        <source>Other address delimiter</source>
        <translation>Altro separatore di indirizzo</translation>
    </message>
    <message>
        <source>Used when the address delimiter is -Other-</source>
        <translation>Usato quando il separatore di indirizzo è -Other-</translation>
    </message>
    <message>
        <source>Empties the text to import</source>
        <translation>Svuota il testo da importare</translation>
    </message>
    <message>
        <source>Takes effect on screen at once</source>
        <translation>Ha effetto subito sullo schermo</translation>
    </message>
    <message>
        <source>Used for the next envelope printed</source>
        <translation>Usato per la prossima busta stampata</translation>
    </message>
    <message>
        <source>Return address display font size (points)</source>
        <translation>Dimensione del carattere a schermo dell&apos;indirizzo del mittente (punti)</translation>
    </message>
    <message>
        <source>Return address display font</source>
        <translation>Carattere a schermo dell&apos;indirizzo del mittente</translation>
    </message>
    <message>
        <source>Return address print font size (points)</source>
        <translation>Dimensione del carattere di stampa dell&apos;indirizzo del mittente (punti)</translation>
    </message>
    <message>
        <source>Return address print font</source>
        <translation>Carattere di stampa dell&apos;indirizzo del mittente</translation>
    </message>
    <message>
        <source>To address display font size (points)</source>
        <translation>Dimensione del carattere a schermo dell&apos;indirizzo del destinatario (punti)</translation>
    </message>
    <message>
        <source>To address display font</source>
        <translation>Carattere a schermo dell&apos;indirizzo del destinatario</translation>
    </message>
    <message>
        <source>To address print font size (points)</source>
        <translation>Dimensione del carattere di stampa dell&apos;indirizzo del destinatario (punti)</translation>
    </message>
    <message>
        <source>To address print font</source>
        <translation>Carattere di stampa dell&apos;indirizzo del destinatario</translation>
    </message>
    <message>
        <source>Sets all eight font fields to Verdana 12</source>
        <translation>Imposta tutti gli otto campi dei caratteri su Verdana 12</translation>
    </message>
    <message>
        <source>Address book file name</source>
        <translation>Nome del file della rubrica</translation>
    </message>
    <message>
        <source>The full path of the file</source>
        <translation>Il percorso completo del file</translation>
    </message>
</context>
<context>
    <name>AddressListModel</name>
    <message>
        <source>Empty address</source>
        <translation>Indirizzo vuoto</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Spuntato</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non spuntato</translation>
    </message>
</context>
<context>
    <name>BookEditFlow</name>
    <message>
        <source>An address cannot be empty. The entry was not changed.</source>
        <translation>Un indirizzo non può essere vuoto. La voce non è stata modificata.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Find in Addresses...</source>
        <translation>&amp;Trova negli indirizzi...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova &amp;successivo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>E&amp;dit Address...</source>
        <translation>&amp;Modifica indirizzo...</translation>
    </message>
    <message>
        <source>Re&amp;move Address</source>
        <translation>R&amp;imuovi indirizzo</translation>
    </message>
    <message>
        <source>Find Du&amp;plicates...</source>
        <translation>Trova &amp;duplicati...</translation>
    </message>
    <message>
        <source>&amp;Print This Envelope</source>
        <translation>&amp;Stampa questa busta</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 names what the undo changes back: &quot;Clear Selected (3 addresses)&quot;.</extracomment>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
    <message>
        <source>The address book holds no duplicate addresses.</source>
        <translation>La rubrica non contiene indirizzi duplicati.</translation>
    </message>
</context>
<context>
    <name>BookFiles</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is too large to be an address book (%1 MB)</source>
        <translation>è troppo grande per essere una rubrica (%1 MB)</translation>
    </message>
    <message>
        <source>the old file could not be copied aside first (%1)</source>
        <translation>non è stato possibile copiare prima altrove il vecchio file (%1)</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
</context>
<context>
    <name>BookHistory</name>
    <message>
        <source>Save Address</source>
        <translation>Salva indirizzo</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Elimina selezionati</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importa indirizzi</translation>
    </message>
    <message>
        <source>Import Addresses from File</source>
        <translation>Importa indirizzi da file</translation>
    </message>
    <message>
        <source>Add Contacts</source>
        <translation>Aggiungi contatti</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Modifica indirizzo</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Rimuovi indirizzo</translation>
    </message>
    <message>
        <source>Remove Duplicates</source>
        <translation>Rimuovi duplicati</translation>
    </message>
    <message>
        <source>%1 (1 address)</source>
        <extracomment>%1 is a command such as &quot;Clear Selected&quot;.</extracomment>
        <translation>%1 (1 indirizzo)</translation>
    </message>
    <message>
        <source>%1 (%2 addresses)</source>
        <translation>%1 (%2 indirizzi)</translation>
    </message>
</context>
<context>
    <name>BookTexts</name>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un collegamento</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un dispositivo o un socket</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>This address cannot be stored in the address book: it contains</source>
        <translation>Questo indirizzo non può essere salvato nella rubrica: contiene</translation>
    </message>
    <message>
        <source>%1 addresses cannot be stored in the address book: each contains</source>
        <translation>%1 indirizzi non possono essere salvati nella rubrica: ognuno contiene</translation>
    </message>
    <message>
        <source> &quot;*|||||*&quot; or ends in &quot;*|||||&quot;, and the address book file uses &quot;*|||||*&quot; to end every address. %1 not added.</source>
        <translation> &quot;*|||||*&quot; o finisce con &quot;*|||||&quot;, e il file della rubrica usa &quot;*|||||*&quot; per chiudere ogni indirizzo. %1.</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Non è stato aggiunto</translation>
    </message>
    <message>
        <source>They were</source>
        <translation>Non sono stati aggiunti</translation>
    </message>
    <message>
        <source>The address book is full: it holds at most %1 addresses. %2 not added; the addresses already in the list are kept. Clear some to make room.</source>
        <translation>La rubrica è piena: contiene al massimo %1 indirizzi. %2; gli indirizzi già presenti nell&apos;elenco restano. Eliminatene alcuni per fare spazio.</translation>
    </message>
    <message>
        <source>One address was</source>
        <translation>Un indirizzo non è stato aggiunto</translation>
    </message>
    <message>
        <source>%1 addresses were</source>
        <translation>%1 indirizzi non sono stati aggiunti</translation>
    </message>
    <message>
        <source>The address book %1 could not be read: %2.
It is left as it is, and Quillon will not save into it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>Non è stato possibile leggere la rubrica %1: %2.
Resta com&apos;è e Quillon non vi salverà nulla. Per conservare i vostri indirizzi, salvateli in un altro file con File, &quot;Salva indirizzi come&quot;.</translation>
    </message>
    <message>
        <source>The address book %1 holds more addresses than the list has room for (it holds at most %2): %3 were loaded and %4 were left out.</source>
        <translation>La rubrica %1 contiene più indirizzi di quanti l&apos;elenco ne possa accogliere (al massimo %2): ne sono stati caricati %3 e tralasciati %4.</translation>
    </message>
    <message>
        <source>The file %1 holds no address book records (none ends in &quot;*|||||*&quot;), so nothing was loaded from it.</source>
        <translation>Il file %1 non contiene record di rubrica (nessuno finisce con &quot;*|||||*&quot;), quindi non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>The address book %1 ends with text after its last &quot;*|||||*&quot; separator; that text is not an address and was not loaded.</source>
        <translation>La rubrica %1 termina con del testo dopo l&apos;ultimo separatore &quot;*|||||*&quot;; quel testo non è un indirizzo e non è stato caricato.</translation>
    </message>
    <message>
        <source>Nothing is lost: before that file is next saved, Quillon copies it aside and tells you where.</source>
        <translation>Non si perde nulla: prima di salvare di nuovo quel file, Quillon ne fa una copia a parte e vi dice dove.</translation>
    </message>
    <message>
        <source>The file %1 does not exist, so no addresses were added.
It is now the address book file: later saves of the address book will create it.</source>
        <translation>Il file %1 non esiste, quindi non è stato aggiunto alcun indirizzo.
Ora è il file della rubrica: i prossimi salvataggi della rubrica lo creeranno.</translation>
    </message>
    <message>
        <source>Before replacing %1 with the address book, Quillon kept a copy of it as it was, in %2, because its addresses were imported from it.</source>
        <translation>Prima di sostituire %1 con la rubrica, Quillon ne ha conservato una copia com&apos;era, in %2, perché i suoi indirizzi erano stati importati da lì.</translation>
    </message>
    <message>
        <source>Before replacing %1, Quillon copied it to %2, because the list did not take in everything that file held.</source>
        <translation>Prima di sostituire %1, Quillon lo ha copiato in %2, perché l&apos;elenco non ha accolto tutto ciò che quel file conteneva.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 could not be read when it was loaded (%2), so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>La rubrica non è stata salvata: non è stato possibile leggere %1 al caricamento (%2), quindi Quillon non lo sostituisce. Per conservare i vostri indirizzi, salvateli in un altro file con File, &quot;Salva indirizzi come&quot;.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 is read-only, so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;, or make that file writable.</source>
        <translation>La rubrica non è stata salvata: %1 è di sola lettura, quindi Quillon non lo sostituisce. Per conservare i vostri indirizzi, salvateli in un altro file con File, &quot;Salva indirizzi come&quot;, oppure rendete scrivibile quel file.</translation>
    </message>
    <message>
        <source>The address book could not be saved to %1: %2.
That file was left as it was.</source>
        <translation>Non è stato possibile salvare la rubrica in %1: %2.
Quel file è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The address book file in use is still %1.</source>
        <translation>Il file della rubrica in uso è ancora %1.</translation>
    </message>
    <message>
        <source>The address book %1 is being saved by another running copy of Quillon, which did not finish in time, so it was not saved now.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>La rubrica %1 è in fase di salvataggio da parte di un&apos;altra copia di Quillon in esecuzione, che non ha finito in tempo, quindi ora non è stata salvata.
Non si perde nulla: l&apos;elenco conserva la modifica e il prossimo salvataggio della rubrica la scriverà.</translation>
    </message>
    <message>
        <source>The address book %1 was not saved: %2 is %3, not a lock file. Where the folder keeps no locks of its own, Quillon needs that name for the lock file that keeps two running copies from saving at once. Rename or remove it, then save again.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>La rubrica %1 non è stata salvata: %2 è %3, non un file di blocco. Dove la cartella non gestisce blocchi propri, Quillon ha bisogno di quel nome per il file di blocco che impedisce a due copie in esecuzione di salvare insieme. Rinominatelo o rimuovetelo, poi salvate di nuovo.
Non si perde nulla: l&apos;elenco conserva la modifica e il prossimo salvataggio della rubrica la scriverà.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the address book?</source>
        <translation>%1 esiste già. Sostituirlo con la rubrica?</translation>
    </message>
    <message>
        <source>The address book is still not saved, so your latest changes to it would be lost.
Quit without saving them?</source>
        <translation>La rubrica non è ancora salvata, quindi le ultime modifiche andrebbero perse.
Uscire senza salvarle?</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <source>(not used)</source>
        <translation>(non usata)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Region or state</source>
        <translation>Regione o stato</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Codice postale</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>Columns of the Contacts File</source>
        <translation>Colonne del file dei contatti</translation>
    </message>
    <message>
        <source>Quillon does not know the columns of %1. Choose what each column holds; several columns may hold parts of the name or of the street. The choice is kept for the next file with these headers.</source>
        <translation>Quillon non conosce le colonne di %1. Scegliete che cosa contiene ogni colonna; più colonne possono contenere parti del nome o della via. La scelta viene conservata per il prossimo file con queste intestazioni.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonna %1</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Primo contatto: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a column&apos;s header, then its first value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 columns are shown; the others are read as they were recognised, or not at all.</source>
        <translation>Sono mostrate solo le prime %1 delle %2 colonne; le altre vengono lette come sono state riconosciute, oppure non vengono lette.</translation>
    </message>
</context>
<context>
    <name>ContactImportFlow</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
</context>
<context>
    <name>ContactReviewDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>%1 holds one contact with a postal address.</source>
        <translation>%1 contiene un contatto con indirizzo postale.</translation>
    </message>
    <message>
        <source>%1 holds %2 contacts with a postal address.</source>
        <translation>%1 contiene %2 contatti con indirizzo postale.</translation>
    </message>
    <message>
        <source>Tick those to add to the address book (Space ticks or unticks the chosen one).</source>
        <translation>Spuntate quelli da aggiungere alla rubrica (Spazio spunta o toglie la spunta a quello scelto).</translation>
    </message>
    <message>
        <source>Its columns were read as a %1 export.</source>
        <translation>Le sue colonne sono state lette come un&apos;esportazione di %1.</translation>
    </message>
    <message>
        <source>Contacts to add</source>
        <translation>Contatti da aggiungere</translation>
    </message>
    <message>
        <source>Each contact as its envelope lines; ticked ones are added</source>
        <translation>Ogni contatto con le righe della sua busta; vengono aggiunti quelli spuntati</translation>
    </message>
    <message>
        <source>&amp;Contacts:</source>
        <translation>&amp;Contatti:</translation>
    </message>
    <message>
        <source>Address of the chosen contact</source>
        <translation>Indirizzo del contatto scelto</translation>
    </message>
    <message>
        <source>For a contact with several addresses, the one to print</source>
        <translation>Per un contatto con più indirizzi, quello da stampare</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a skipped contact, then why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Skipped contacts</source>
        <translation>Contatti saltati</translation>
    </message>
    <message>
        <source>Contacts that are not added, each with the reason</source>
        <translation>Contatti che non vengono aggiunti, ognuno con il motivo</translation>
    </message>
    <message>
        <source>&amp;Skipped (%1):</source>
        <translation>&amp;Saltati (%1):</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Ticked: %1 of %2. Skipped: %3. Already in the address book: %4.</source>
        <translation>Spuntati: %1 di %2. Saltati: %3. Già nella rubrica: %4.</translation>
    </message>
    <message>
        <source>Twice in the file: %1.</source>
        <translation>Due volte nel file: %1.</translation>
    </message>
    <message>
        <source>&amp;Add 1 Address</source>
        <translation>&amp;Aggiungi 1 indirizzo</translation>
    </message>
    <message>
        <source>&amp;Add %1 Addresses</source>
        <translation>&amp;Aggiungi %1 indirizzi</translation>
    </message>
</context>
<context>
    <name>ContactReviewModel</name>
    <message>
        <source>already in the address book</source>
        <translation>già nella rubrica</translation>
    </message>
    <message>
        <source>the same as a contact above</source>
        <translation>uguale a un contatto precedente</translation>
    </message>
    <message>
        <source>address %1 of %2</source>
        <translation>indirizzo %1 di %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Spuntato</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non spuntato</translation>
    </message>
</context>
<context>
    <name>ContactTexts</name>
    <message>
        <source>no postal address</source>
        <translation>nessun indirizzo postale</translation>
    </message>
    <message>
        <source>a group of contacts, not a contact</source>
        <translation>un gruppo di contatti, non un contatto</translation>
    </message>
    <message>
        <source>the contact without a name at line %1</source>
        <translation>il contatto senza nome alla riga %1</translation>
    </message>
    <message>
        <source>this line is not part of a vCard (each vCard starts with BEGIN:VCARD)</source>
        <translation>questa riga non fa parte di una vCard (ogni vCard inizia con BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>a vCard starts here before the one that starts at line %1 has ended</source>
        <translation>qui inizia una vCard prima che sia finita quella che inizia alla riga %1</translation>
    </message>
    <message>
        <source>END:VCARD without a BEGIN:VCARD before it</source>
        <translation>END:VCARD senza un BEGIN:VCARD prima</translation>
    </message>
    <message>
        <source>the file ends inside the vCard that starts at line %1 (its END:VCARD is missing)</source>
        <translation>il file finisce all&apos;interno della vCard che inizia alla riga %1 (manca il suo END:VCARD)</translation>
    </message>
    <message>
        <source>a field in quotes starts here and its closing quote is missing</source>
        <translation>qui inizia un campo tra virgolette e manca la virgoletta di chiusura</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an address&apos;s kind, then its lines</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>it is too large (%1 MB; contacts files of up to %2 MB are read)</source>
        <translation>è troppo grande (%1 MB; vengono letti file di contatti fino a %2 MB)</translation>
    </message>
    <message>
        <source>The contacts file %1 could not be read: %2.
Nothing was added to the address book.</source>
        <translation>Non è stato possibile leggere il file dei contatti %1: %2.
Non è stato aggiunto nulla alla rubrica.</translation>
    </message>
    <message>
        <source>The file %1 holds no contacts, so nothing was added to the address book.</source>
        <translation>Il file %1 non contiene contatti, quindi non è stato aggiunto nulla alla rubrica.</translation>
    </message>
    <message>
        <source>Added to the address book: %1
Skipped: %2
Already in the address book: %3</source>
        <translation>Aggiunti alla rubrica: %1
Saltati: %2
Già nella rubrica: %3</translation>
    </message>
    <message>
        <source>Twice in the file: %1</source>
        <translation>Due volte nel file: %1</translation>
    </message>
    <message>
        <source>Not ticked: %1</source>
        <translation>Non spuntati: %1</translation>
    </message>
    <message>
        <source>The address book is empty, so there is nothing to export.</source>
        <translation>La rubrica è vuota, quindi non c&apos;è nulla da esportare.</translation>
    </message>
    <message>
        <source>One address was exported to %1.</source>
        <translation>Un indirizzo è stato esportato in %1.</translation>
    </message>
    <message>
        <source>%1 addresses were exported to %2.</source>
        <translation>%1 indirizzi sono stati esportati in %2.</translation>
    </message>
    <message>
        <source>The contacts could not be exported to %1: %2.
That file was left as it was.</source>
        <translation>Non è stato possibile esportare i contatti in %1: %2.
Quel file è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Volete sostituirlo?</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>the postal code does not look like one of %1</source>
        <translation>il codice postale non ha il formato di %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%n valore più lungo di %1 caratteri è stato troncato a quella lunghezza.</numerusform>
            <numerusform>%n valori più lunghi di %1 caratteri sono stati troncati a quella lunghezza.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1... (%2 more characters)</source>
        <translation>%1... (altri %2 caratteri)</translation>
    </message>
</context>
<context>
    <name>CupsDefaultPrinter</name>
    <message>
        <source>default printer</source>
        <translation>stampante predefinita</translation>
    </message>
    <message>
        <source>Quillon cannot reach the print service (CUPS).
Check that it is running.</source>
        <translation>Quillon non riesce a raggiungere il servizio di stampa (CUPS).
Verificate che sia in esecuzione.</translation>
    </message>
    <message>
        <source>The print service (CUPS) does not answer.
It may be busy or stuck: try again in a moment, or restart it.</source>
        <translation>Il servizio di stampa (CUPS) non risponde.
Potrebbe essere occupato o bloccato: riprovate tra poco, oppure riavviatelo.</translation>
    </message>
    <message>
        <source>Quillon found no default printer.
Check that the print service (CUPS) is running and that a default printer is chosen in the system&apos;s printer settings.</source>
        <translation>Quillon non ha trovato alcuna stampante predefinita.
Verificate che il servizio di stampa (CUPS) sia in esecuzione e che nelle impostazioni delle stampanti del sistema sia scelta una stampante predefinita.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; chosen in the envelope set-up no longer exists.
Choose another printer under Options &gt; Envelope.</source>
        <translation>La stampante &quot;%1&quot; scelta nell&apos;impostazione della busta non esiste più.
Sceglietene un&apos;altra in Opzioni &gt; Busta.</translation>
    </message>
    <message>
        <source>The print system refused the envelope for the printer &quot;%1&quot;:
%2</source>
        <translation>Il sistema di stampa ha rifiutato la busta per la stampante &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; lists no paper of %2 × %3 mm and takes no custom size like it: the print service will print the envelope on other paper, scaled or moved.</source>
        <translation>La stampante &quot;%1&quot; non offre carta di %2 × %3 mm e non accetta un formato personalizzato simile: il servizio di stampa stamperà la busta su altra carta, ridimensionata o spostata.</translation>
    </message>
    <message>
        <source>Quillon has not heard from the print service yet.</source>
        <translation>Quillon non ha ancora avuto risposta dal servizio di stampa.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.
Let it accept jobs in the system&apos;s printer settings and try again.</source>
        <translation>La stampante &quot;%1&quot; non accetta lavori.
Fatele accettare lavori nelle impostazioni delle stampanti del sistema e riprovate.</translation>
    </message>
    <message>
        <source>The print service (CUPS) stopped answering while the envelope was sent. It may not have been printed: look at the printer&apos;s queue before printing it again.</source>
        <translation>Il servizio di stampa (CUPS) ha smesso di rispondere durante l&apos;invio della busta. Potrebbe non essere stata stampata: controllate la coda della stampante prima di stamparla di nuovo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the envelope waits in its queue and prints when the printer is resumed.</source>
        <translation>La stampante &quot;%1&quot; è in pausa: la busta attende nella sua coda e verrà stampata quando la stampante riprenderà.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no driver: the print service passes the envelope&apos;s page of %2 × %3 mm to it unchanged, and the printer itself decides what paper it prints on.</source>
        <translation>La stampante &quot;%1&quot; non ha un driver: il servizio di stampa le passa invariata la pagina della busta di %2 × %3 mm, e la stampante stessa decide su quale carta stampare.</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Trova duplicati</translation>
    </message>
    <message>
        <source>These addresses are the same when case, spaces, punctuation and line breaks are ignored. OK removes the ticked ones.</source>
        <translation>Questi indirizzi sono uguali se si ignorano maiuscole, spazi, punteggiatura e a capo. OK rimuove quelli spuntati.</translation>
    </message>
    <message>
        <source>Duplicate addresses</source>
        <translation>Indirizzi duplicati</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <extracomment>%1 is how many entries hold the same address.</extracomment>
        <translation>%1 copie</translation>
    </message>
</context>
<context>
    <name>EditAddressDialog</name>
    <message>
        <source>Edit Address</source>
        <translation>Modifica indirizzo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>%1 is empty. Enter a number of %2.</source>
        <extracomment>%1 names the field (&quot;Return address X offset&quot;), %2 is its unit (&quot;centimetres&quot;).</extracomment>
        <translation>%1: il campo è vuoto. Inserite un numero di %2.</translation>
    </message>
    <message>
        <source>%1 is out of range: &apos;%2&apos; (from %3 to %4 %5).</source>
        <extracomment>%1 names the field, %2 is what was typed, %3 to %4 the range in the unit %5.</extracomment>
        <translation>%1 è fuori dall&apos;intervallo: &apos;%2&apos; (da %3 a %4 %5).</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;.</source>
        <translation>%1 non è un numero: &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1 print font size</source>
        <extracomment>%1 names the block: &quot;Return address&quot; or &quot;To address&quot;.</extracomment>
        <translation>La dimensione del carattere di stampa dell&apos;%1</translation>
    </message>
    <message>
        <source>points</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>%1 X offset</source>
        <translation>Lo spostamento X dell&apos;%1</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimetri</translation>
    </message>
    <message>
        <source>%1 Y offset</source>
        <translation>Lo spostamento Y dell&apos;%1</translation>
    </message>
    <message>
        <source>%1 Nothing was printed.</source>
        <extracomment>%1 says which field is wrong and how.</extracomment>
        <translation>%1 Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>%1
Nothing was printed.</source>
        <translation>%1
Non è stato stampato nulla.</translation>
    </message>
</context>
<context>
    <name>EnvelopePreview</name>
    <message>
        <source>1 line runs off the left edge</source>
        <translation>1 riga esce dal bordo sinistro</translation>
    </message>
    <message>
        <source>%1 lines run off the left edge</source>
        <translation>%1 righe escono dal bordo sinistro</translation>
    </message>
    <message>
        <source>1 line runs off the top edge</source>
        <translation>1 riga esce dal bordo superiore</translation>
    </message>
    <message>
        <source>%1 lines run off the top edge</source>
        <translation>%1 righe escono dal bordo superiore</translation>
    </message>
    <message>
        <source>1 line runs off the right edge</source>
        <translation>1 riga esce dal bordo destro</translation>
    </message>
    <message>
        <source>%1 lines run off the right edge</source>
        <translation>%1 righe escono dal bordo destro</translation>
    </message>
    <message>
        <source>1 line runs off the bottom edge</source>
        <translation>1 riga esce dal bordo inferiore</translation>
    </message>
    <message>
        <source>%1 lines run off the bottom edge</source>
        <translation>%1 righe escono dal bordo inferiore</translation>
    </message>
    <message>
        <source>Every line fits in the printable area.</source>
        <translation>Tutte le righe stanno nell&apos;area stampabile.</translation>
    </message>
    <message>
        <source>%1 of the printable area.</source>
        <translation>%1 dell&apos;area stampabile.</translation>
    </message>
    <message>
        <source>Envelope Preview</source>
        <translation>Anteprima della busta</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Anteprima della busta</translation>
    </message>
    <message>
        <source>Lines off the printable area</source>
        <translation>Righe fuori dall&apos;area stampabile</translation>
    </message>
    <message>
        <source>Prints: %1. %2</source>
        <translation>Stampa: %1. %2</translation>
    </message>
    <message>
        <source>Printer, tray and size shown</source>
        <translation>Stampante, cassetto e formato mostrati</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>Envelope width</source>
        <translation>Larghezza della busta</translation>
    </message>
    <message>
        <source>Envelope height</source>
        <translation>Altezza della busta</translation>
    </message>
    <message>
        <source>Calibration shift X</source>
        <translation>Spostamento di calibrazione X</translation>
    </message>
    <message>
        <source>Calibration shift Y</source>
        <translation>Spostamento di calibrazione Y</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupDialog</name>
    <message>
        <source>Envelope</source>
        <translation>Busta</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
    <message>
        <source>The printer envelopes go to; each printer keeps its own set-up</source>
        <translation>La stampante a cui vanno le buste; ogni stampante conserva la propria impostazione</translation>
    </message>
    <message>
        <source>System default printer</source>
        <translation>Stampante predefinita del sistema</translation>
    </message>
    <message>
        <source>Envelope width (mm)</source>
        <translation>Larghezza della busta (mm)</translation>
    </message>
    <message>
        <source>Used with the custom size</source>
        <translation>Usata con il formato personalizzato</translation>
    </message>
    <message>
        <source>Envelope height (mm)</source>
        <translation>Altezza della busta (mm)</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Cassetto</translation>
    </message>
    <message>
        <source>Where the printer takes the envelope from</source>
        <translation>Da dove la stampante prende la busta</translation>
    </message>
    <message>
        <source>Printer&apos;s choice</source>
        <translation>Scelta della stampante</translation>
    </message>
    <message>
        <source>Paper type</source>
        <translation>Tipo di carta</translation>
    </message>
    <message>
        <source>What the printer is told it prints on</source>
        <translation>Su che cosa la stampante crede di stampare</translation>
    </message>
    <message>
        <source>Calibration shift X (mm)</source>
        <translation>Spostamento di calibrazione X (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks right; negative moves them left</source>
        <translation>Sposta entrambi i blocchi a destra; un valore negativo li sposta a sinistra</translation>
    </message>
    <message>
        <source>Calibration shift Y (mm)</source>
        <translation>Spostamento di calibrazione Y (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks down; negative moves them up</source>
        <translation>Sposta entrambi i blocchi in basso; un valore negativo li sposta in alto</translation>
    </message>
    <message>
        <source>&amp;Turn the envelope 180°</source>
        <translation>&amp;Ruota la busta di 180°</translation>
    </message>
    <message>
        <source>Envelope size</source>
        <translation>Formato della busta</translation>
    </message>
    <message>
        <source>Turn the envelope 180°</source>
        <translation>Ruota la busta di 180°</translation>
    </message>
    <message>
        <source>Print all selected addresses as &amp;one job</source>
        <translation>Stampa tutti gli indirizzi selezionati in un &amp;unico lavoro</translation>
    </message>
    <message>
        <source>Print all selected addresses as one job</source>
        <translation>Stampa tutti gli indirizzi selezionati in un unico lavoro</translation>
    </message>
    <message>
        <source>Print All Selected Address sends one document, a page per address, without pauses</source>
        <translation>Stampa tutti gli indirizzi selezionati invia un solo documento, una pagina per indirizzo, senza pause</translation>
    </message>
    <message>
        <source>How to feed the envelope</source>
        <translation>Come inserire la busta</translation>
    </message>
    <message>
        <source>Envelope size on this printer</source>
        <translation>Formato della busta su questa stampante</translation>
    </message>
    <message>
        <source>Pr&amp;inter:</source>
        <translation>S&amp;tampante:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>T&amp;ray:</source>
        <translation>Cass&amp;etto:</translation>
    </message>
    <message>
        <source>P&amp;aper type:</source>
        <translation>Tipo &amp;di carta:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Anteprima della busta</translation>
    </message>
    <message>
        <source>Print T&amp;est Envelope</source>
        <translation>Stampa busta di &amp;prova</translation>
    </message>
    <message>
        <source>Print test envelope</source>
        <translation>Stampa busta di prova</translation>
    </message>
    <message>
        <source>Prints the printable area, a millimetre scale and a cross where each block starts, to measure the calibration shift</source>
        <translation>Stampa l&apos;area stampabile, una scala in millimetri e una croce dove inizia ogni blocco, per misurare lo spostamento di calibrazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 (not listed by the print service)</source>
        <translation>%1 (non elencata dal servizio di stampa)</translation>
    </message>
    <message>
        <source>%1 (not offered by this printer)</source>
        <translation>%1 (non offerto da questa stampante)</translation>
    </message>
    <message>
        <source>face up</source>
        <translation>con il fronte in alto</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>con il fronte in basso</translation>
    </message>
    <message>
        <source>Envelopes go in</source>
        <translation>Le buste entrano</translation>
    </message>
    <message>
        <source>The side the printer prints on as the envelope lies in the tray; the test envelope tells which</source>
        <translation>Il lato su cui stampa la stampante a seconda di come la busta sta nel cassetto; la busta di prova indica quale</translation>
    </message>
    <message>
        <source>P&amp;lace the To Address for this size</source>
        <translation>P&amp;osiziona l&apos;indirizzo del destinatario per questo formato</translation>
    </message>
    <message>
        <source>Place the To Address for this size</source>
        <translation>Posiziona l&apos;indirizzo del destinatario per questo formato</translation>
    </message>
    <message>
        <source>Sets the To Address offsets so that the block starts in the envelope&apos;s address zone</source>
        <translation>Imposta gli spostamenti dell&apos;indirizzo del destinatario in modo che il blocco inizi nella zona dell&apos;indirizzo della busta</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>Alte&amp;zza:</translation>
    </message>
    <message>
        <source>Shift &amp;X:</source>
        <translation>Spostamento &amp;X:</translation>
    </message>
    <message>
        <source>Shift &amp;Y:</source>
        <translation>Spostamento &amp;Y:</translation>
    </message>
    <message>
        <source>Envelopes &amp;go in:</source>
        <translation>Le buste e&amp;ntrano:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>EnvelopeSize</name>
    <message>
        <source>DL (110 × 220 mm)</source>
        <translation>DL (110 × 220 mm)</translation>
    </message>
    <message>
        <source>C6 (114 × 162 mm)</source>
        <translation>C6 (114 × 162 mm)</translation>
    </message>
    <message>
        <source>C5 (162 × 229 mm)</source>
        <translation>C5 (162 × 229 mm)</translation>
    </message>
    <message>
        <source>C4 (229 × 324 mm)</source>
        <translation>C4 (229 × 324 mm)</translation>
    </message>
    <message>
        <source>No. 10 (4⅛ × 9½ in)</source>
        <translation>N. 10 (4⅛ × 9½ in)</translation>
    </message>
    <message>
        <source>No. 9 (3⅞ × 8⅞ in)</source>
        <translation>N. 9 (3⅞ × 8⅞ in)</translation>
    </message>
    <message>
        <source>Monarch (3⅞ × 7½ in)</source>
        <translation>Monarch (3⅞ × 7½ in)</translation>
    </message>
    <message>
        <source>6 × 9 in</source>
        <translation>6 × 9 in</translation>
    </message>
    <message>
        <source>Printer paper</source>
        <translation>Carta della stampante</translation>
    </message>
    <message>
        <source>Custom (width × height in mm)</source>
        <translation>Personalizzato (larghezza × altezza in mm)</translation>
    </message>
</context>
<context>
    <name>FeedDirection</name>
    <message>
        <source>Feed the envelope short edge first, the return address end leading.</source>
        <translation>Inserite la busta dal lato corto, con l&apos;estremità dell&apos;indirizzo del mittente per prima.</translation>
    </message>
    <message>
        <source>Feed the envelope short edge first, the stamp end leading.</source>
        <translation>Inserite la busta dal lato corto, con l&apos;estremità del francobollo per prima.</translation>
    </message>
    <message>
        <source>This printer does not say which way it turns the page; Quillon takes it as clockwise, as the print service does. Print a test envelope to check.</source>
        <translation>Questa stampante non dice in che verso ruota la pagina; Quillon la considera in senso orario, come fa il servizio di stampa. Stampate una busta di prova per verificare.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn clockwise.</source>
        <translation>Questa stampante ruota la pagina di un quarto di giro in senso orario.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn counter-clockwise.</source>
        <translation>Questa stampante ruota la pagina di un quarto di giro in senso antiorario.</translation>
    </message>
    <message>
        <source>The side to be addressed faces up.</source>
        <translation>Il lato da indirizzare è rivolto verso l&apos;alto.</translation>
    </message>
    <message>
        <source>The side to be addressed faces down.</source>
        <translation>Il lato da indirizzare è rivolto verso il basso.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face up.</source>
        <translation>Impostato per buste che entrano con il fronte in alto.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced down, choose &quot;Envelopes go in face down&quot;.</source>
        <translation>Se questa stampa è sul lato che era rivolto verso il basso, scegliete &quot;Le buste entrano con il fronte in basso&quot;.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face down.</source>
        <translation>Impostato per buste che entrano con il fronte in basso.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced up, choose &quot;Envelopes go in face up&quot;.</source>
        <translation>Se questa stampa è sul lato che era rivolto verso l&apos;alto, scegliete &quot;Le buste entrano con il fronte in alto&quot;.</translation>
    </message>
</context>
<context>
    <name>FeedPicture</name>
    <message>
        <source>How the envelope goes into the printer</source>
        <translation>Come la busta entra nella stampante</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Stampante</translation>
    </message>
</context>
<context>
    <name>FileSettingsBackend</name>
    <message>
        <source>The saved settings could not be read, so Quillon starts with its default settings. The old settings were kept in:
%1</source>
        <translation>Non è stato possibile leggere le impostazioni salvate, quindi Quillon parte con le impostazioni predefinite. Le vecchie impostazioni sono state conservate in:
%1</translation>
    </message>
    <message>
        <source>The saved settings in %1 could not be read and could not be moved aside. Quillon starts with its default settings and will not save settings in this run.</source>
        <translation>Non è stato possibile leggere né spostare altrove le impostazioni salvate in %1. Quillon parte con le impostazioni predefinite e in questa sessione non salverà le impostazioni.</translation>
    </message>
    <message>
        <source>These saved settings could not be read and start with their defaults: %1.
The damaged values were kept beside the others, in:
%2</source>
        <translation>Non è stato possibile leggere queste impostazioni salvate, che ripartono dal valore predefinito: %1.
I valori danneggiati sono stati conservati accanto agli altri, in:
%2</translation>
    </message>
    <message>
        <source>
Some could not be renamed; Quillon leaves them as they are and will not save those settings in this run.</source>
        <translation>
Alcune non è stato possibile rinominarle; Quillon le lascia come sono e in questa sessione non salverà quelle impostazioni.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in addresses</source>
        <translation>Trova negli indirizzi</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quillon cannot save your settings: the settings store cannot be written.
You can go on working, but what you type now will not come back at the next start.</source>
        <translation>Quillon non riesce a salvare le impostazioni: non è possibile scrivere nell&apos;archivio delle impostazioni.
Potete continuare a lavorare, ma ciò che scrivete ora non tornerà al prossimo avvio.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the select addresses?</source>
        <translation>Volete davvero eliminare gli indirizzi selezionati?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Importa dati</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importa contatti</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Contatti (*.vcf *.vcard *.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>vCard 4.0 (*.vcf)</source>
        <translation>vCard 4.0 (*.vcf)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Contacts</source>
        <translation>Esporta contatti</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>indirizzo del mittente</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>indirizzo del destinatario</translation>
    </message>
    <message>
        <source>Quillon 2.1

Written By: %1
Email: %2 
Web Site: %3 
</source>
        <translation>Quillon 2.1

Scritto da: %1
E-mail: %2 
Sito web: %3 
</translation>
    </message>
    <message>
        <source>Could you please mail any suggestions to %1</source>
        <translation>Inviate i vostri suggerimenti per e-mail a %1</translation>
    </message>
    <message>
        <source>You need to add the address into the textbox above before clicking the import addressess icon.</source>
        <translation>Dovete inserire l&apos;indirizzo nella casella di testo qui sopra prima di fare clic sull&apos;icona di importazione degli indirizzi.</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>Stampare comunque?</translation>
    </message>
    <message>
        <source>Print All progress</source>
        <translation>Avanzamento della stampa</translation>
    </message>
    <message>
        <source>Save Envelopes as PDF</source>
        <translation>Salva buste come PDF</translation>
    </message>
    <message>
        <source>Envelopes.pdf</source>
        <translation>Buste.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving envelopes as PDF</source>
        <translation>Salvataggio delle buste come PDF</translation>
    </message>
    <message>
        <source>Printing envelope %1 of %2</source>
        <translation>Stampa della busta %1 di %2</translation>
    </message>
    <message>
        <source>Preparing envelope %1 of %2</source>
        <translation>Preparazione della busta %1 di %2</translation>
    </message>
    <message>
        <source>Laying out envelope %1 of %2</source>
        <translation>Impaginazione della busta %1 di %2</translation>
    </message>
    <message>
        <source>Saving the PDF file</source>
        <translation>Salvataggio del file PDF</translation>
    </message>
    <message>
        <source>Sending the job to the printer</source>
        <translation>Invio del lavoro alla stampante</translation>
    </message>
    <message>
        <source>There is no envelope to save: it has no line.</source>
        <translation>Non c&apos;è alcuna busta da salvare: non ha righe.</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default settings?</source>
        <translation>Volete davvero ripristinare le impostazioni predefinite?</translation>
    </message>
    <message>
        <source>The saved settings could not be removed:
%1
They stay as they are, and Quillon goes on running.</source>
        <translation>Non è stato possibile rimuovere le impostazioni salvate:
%1
Restano come sono, e Quillon continua a funzionare.</translation>
    </message>
    <message>
        <source>Please restart Quillon</source>
        <translation>Riavviate Quillon</translation>
    </message>
    <message>
        <source>Quillon 2.1 - By: Tarvik </source>
        <translation>Quillon 2.1 - Di: Tarvik </translation>
    </message>
    <message>
        <source>From Addres:</source>
        <translation>Mittente:</translation>
    </message>
    <message>
        <source>To Address:</source>
        <translation>Destinatario:</translation>
    </message>
    <message>
        <source>Saved Addresses:</source>
        <translation>Indirizzi salvati:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Save Address</source>
        <translation>Salva indirizzo</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutti</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Elimina selezionati</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Print All Selected Address</source>
        <translation>Stampa tutti gli indirizzi selezionati</translation>
    </message>
    <message>
        <source>Address Importer</source>
        <translation>Importazione indirizzi</translation>
    </message>
    <message>
        <source>Line Delimiter</source>
        <translation>Separatore di riga</translation>
    </message>
    <message>
        <source>Specify:</source>
        <translation>Specifica:</translation>
    </message>
    <message>
        <source>Address Delimiter</source>
        <translation>Separatore di indirizzo</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importa indirizzi</translation>
    </message>
    <message>
        <source>Clear Addresses</source>
        <translation>Cancella indirizzi</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation>Impostazioni dei caratteri</translation>
    </message>
    <message>
        <source>Return Address Display Font Size:</source>
        <translation>Carattere a schermo del mittente:</translation>
    </message>
    <message>
        <source>Return Address Print Font Size:</source>
        <translation>Carattere di stampa del mittente:</translation>
    </message>
    <message>
        <source>To Address Display Font Size:</source>
        <translation>Carattere a schermo del destinatario:</translation>
    </message>
    <message>
        <source>To Address Print Font Size:</source>
        <translation>Carattere di stampa del destinatario:</translation>
    </message>
    <message>
        <source>Font Type:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Hide Settings</source>
        <translation>Nascondi impostazioni</translation>
    </message>
    <message>
        <source>Default Font Settings</source>
        <translation>Caratteri predefiniti</translation>
    </message>
    <message>
        <source>Save Addresses As</source>
        <translation>Salva indirizzi come</translation>
    </message>
    <message>
        <source>Cancel It</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save Addresses &amp;As</source>
        <translation>Salva indirizzi &amp;come</translation>
    </message>
    <message>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importa indirizzi</translation>
    </message>
    <message>
        <source>Import C&amp;ontacts...</source>
        <translation>Importa c&amp;ontatti...</translation>
    </message>
    <message>
        <source>Expor&amp;t Contacts...</source>
        <translation>Esporta con&amp;tatti...</translation>
    </message>
    <message>
        <source>Save &amp;Envelopes as PDF...</source>
        <translation>Salva buste come &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Custom Programming</source>
        <translation>Programmazione su &amp;misura</translation>
    </message>
    <message>
        <source>S&amp;uggestions</source>
        <translation>S&amp;uggerimenti</translation>
    </message>
    <message>
        <source>Sample &amp;1</source>
        <translation>Esempio &amp;1</translation>
    </message>
    <message>
        <source>Sample &amp;2</source>
        <translation>Esempio &amp;2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>Impostazioni dei &amp;caratteri</translation>
    </message>
    <message>
        <source>&amp;Restore Default Settings</source>
        <translation>&amp;Ripristina impostazioni predefinite</translation>
    </message>
    <message>
        <source>&amp;Envelope...</source>
        <translation>&amp;Busta...</translation>
    </message>
    <message>
        <source>Envelope &amp;Preview</source>
        <translation>&amp;Anteprima della busta</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Quillon &amp;Manual</source>
        <translation>&amp;Manuale di Quillon</translation>
    </message>
</context>
<context>
    <name>JobTroubleTexts</name>
    <message>
        <source>The print service gave the envelope up.</source>
        <translation>Il servizio di stampa ha abbandonato la busta.</translation>
    </message>
    <message>
        <source>Check the printer and its settings, then print the envelope again.</source>
        <translation>Verificate la stampante e le sue impostazioni, poi stampate di nuovo la busta.</translation>
    </message>
    <message>
        <source>The printer stopped while printing the envelope.</source>
        <translation>La stampante si è fermata durante la stampa della busta.</translation>
    </message>
    <message>
        <source>Check the printer, then restart the job, or cancel it, in the system&apos;s printer settings.</source>
        <translation>Verificate la stampante, poi riavviate il lavoro, o annullatelo, nelle impostazioni delle stampanti del sistema.</translation>
    </message>
    <message>
        <source>The print service holds the envelope and will not print it on its own.</source>
        <translation>Il servizio di stampa trattiene la busta e non la stamperà da solo.</translation>
    </message>
    <message>
        <source>Check the envelope&apos;s size, tray and paper type in the envelope set-up, and that the printer takes them; then cancel the held job and print again.</source>
        <translation>Verificate formato, cassetto e tipo di carta della busta nell&apos;impostazione della busta, e che la stampante li accetti; poi annullate il lavoro trattenuto e stampate di nuovo.</translation>
    </message>
    <message>
        <source>The printer stopped, and the envelope waits in its queue.</source>
        <translation>La stampante si è fermata e la busta attende nella sua coda.</translation>
    </message>
    <message>
        <source>Check the printer, then resume it in the system&apos;s printer settings: the envelope prints then.</source>
        <translation>Verificate la stampante, poi fatela riprendere nelle impostazioni delle stampanti del sistema: la busta verrà stampata allora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; says: %2</source>
        <translation>La stampante &quot;%1&quot; segnala: %2</translation>
    </message>
    <message>
        <source>An envelope sent to the printer &quot;%1&quot; has not printed.</source>
        <translation>Una busta inviata alla stampante &quot;%1&quot; non è stata stampata.</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; has not printed on the printer &quot;%2&quot;.</source>
        <translation>La busta per &quot;%1&quot; non è stata stampata sulla stampante &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>ManualFlow</name>
    <message>
        <source>Quillon could not start a web browser to open %1.

Do you want to read the Quillon Manual, which comes with the program, instead?</source>
        <translation>Quillon non è riuscito ad avviare un browser web per aprire %1.

Volete leggere invece il manuale di Quillon, fornito con il programma?</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Quillon Manual</source>
        <translation>Manuale di Quillon</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
</context>
<context>
    <name>MillimetreBox</name>
    <message>
        <source> mm</source>
        <extracomment>The unit after a length in the envelope set-up, with its space.</extracomment>
        <translation> mm</translation>
    </message>
</context>
<context>
    <name>PdfSaveTarget</name>
    <message>
        <source>&quot;%1&quot; is not a file that Quillon can replace.</source>
        <translation>&quot;%1&quot; non è un file che Quillon possa sostituire.</translation>
    </message>
    <message>
        <source>Quillon could not write &quot;%1&quot;: %2.</source>
        <translation>Quillon non è riuscito a scrivere &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>PrintAll</name>
    <message>
        <source>(an empty address)</source>
        <translation>(un indirizzo vuoto)</translation>
    </message>
    <message>
        <source>The envelopes were not saved as &quot;%1&quot;; a file already there is as it was.

%2</source>
        <extracomment>%1 is the file chosen, %2 why it was not written.</extracomment>
        <translation>Le buste non sono state salvate come &quot;%1&quot;; il file già presente è rimasto com&apos;era.

%2</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; could not be made:
%2</source>
        <translation>Non è stato possibile creare la busta per &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>Print All sent nothing: the print job was refused.

%1</source>
        <translation>Stampa tutti non ha inviato nulla: il lavoro di stampa è stato rifiutato.

%1</translation>
    </message>
    <message>
        <source>Print All sent nothing: the envelope for &quot;%1&quot; could not be made.

%2</source>
        <translation>Stampa tutti non ha inviato nulla: non è stato possibile creare la busta per &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Print All printed nothing: the envelope for &quot;%1&quot; failed.

%2</source>
        <translation>Stampa tutti non ha stampato nulla: la busta per &quot;%1&quot; non è riuscita.

%2</translation>
    </message>
    <message>
        <source>Print All stopped at the envelope for &quot;%1&quot;, which was not printed.

%2

Envelopes printed before it: %3 of %4.
Untick the addresses already printed, so that the next Print All goes on from &quot;%1&quot;?</source>
        <extracomment>%1 is the first line of the address whose envelope failed, %2 why, %3 of %4 how many went out.</extracomment>
        <translation>Stampa tutti si è fermato alla busta per &quot;%1&quot;, che non è stata stampata.

%2

Buste stampate prima: %3 di %4.
Togliere la spunta agli indirizzi già stampati, così che la prossima volta si riprenda da &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Print All was stopped after %1 of %2 envelopes.
Untick the addresses already printed, so that the next Print All goes on from where it stopped?</source>
        <extracomment>%1 of %2 is how many envelopes went out before the user stopped the run.</extracomment>
        <translation>&quot;Stampa tutti&quot; è stato interrotto dopo %1 buste su %2.
Togliere la spunta agli indirizzi già stampati, così che il prossimo &quot;Stampa tutti&quot; riprenda da dove si è fermato?</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Envelopes done</source>
        <translation>Buste fatte</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <source>Ends the run once the envelope being made is done (Escape). F6 moves between this window and the main window.</source>
        <translation>Termina la stampa appena finita la busta in corso (Esc). F6 passa da questa finestra alla finestra principale e viceversa.</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Interruzione...</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Quillon envelope</source>
        <translation>Busta di Quillon</translation>
    </message>
    <message>
        <source>Quillon could not start a new page of the envelopes&apos; document.</source>
        <translation>Quillon non è riuscito a iniziare una nuova pagina del documento delle buste.</translation>
    </message>
    <message>
        <source>Quillon cannot start the envelope&apos;s document.</source>
        <translation>Quillon non riesce a iniziare il documento della busta.</translation>
    </message>
    <message>
        <source>Quillon could not make the whole envelope document.</source>
        <translation>Quillon non è riuscito a creare l&apos;intero documento delle buste.</translation>
    </message>
</context>
<context>
    <name>SetupHeading</name>
    <message>
        <source>printer&apos;s choice</source>
        <translation>scelta della stampante</translation>
    </message>
    <message>
        <source>system default printer</source>
        <translation>stampante predefinita del sistema</translation>
    </message>
    <message>
        <source>%1 (system default)</source>
        <translation>%1 (predefinita del sistema)</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizzato</translation>
    </message>
    <message>
        <source>%1, %2 × %3 mm</source>
        <translation>%1, %2 × %3 mm</translation>
    </message>
    <message>
        <source>Printer: %1 · Tray: %2 · Size: %3</source>
        <translation>Stampante: %1 · Cassetto: %2 · Formato: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prints envelopes from typed addresses or an address book.</source>
        <translation>Stampa buste da indirizzi digitati o da una rubrica.</translation>
    </message>
    <message>
        <source>Contacts files (vCard or CSV) to review and add to the address book.</source>
        <translation>File di contatti (vCard o CSV) da esaminare e aggiungere alla rubrica.</translation>
    </message>
</context>
</TS>
