<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Return address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s return address block</source>
        <translation>Wird als Absenderblock auf den Umschlag gedruckt</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Empfängeradresse</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s to-address block</source>
        <translation>Wird als Empfängerblock auf den Umschlag gedruckt</translation>
    </message>
    <message>
        <source>Saved addresses</source>
        <translation>Gespeicherte Adressen</translation>
    </message>
    <message>
        <source>Clicking an address copies it into the To address box; ticked addresses are printed or cleared by the buttons below</source>
        <translation>Ein Klick auf eine Adresse übernimmt sie in das Empfängerfeld; angekreuzte Adressen werden mit den Schaltflächen darunter gedruckt oder gelöscht</translation>
    </message>
    <message>
        <source>Centimetres from the left edge of the printable area</source>
        <translation>Zentimeter vom linken Rand des bedruckbaren Bereichs</translation>
    </message>
    <message>
        <source>Centimetres from the top of the printable area to the first line</source>
        <translation>Zentimeter vom oberen Rand des bedruckbaren Bereichs bis zur ersten Zeile</translation>
    </message>
    <message>
        <source>Return address X offset (cm)</source>
        <translation>X-Abstand der Absenderadresse (cm)</translation>
    </message>
    <message>
        <source>Return address Y offset (cm)</source>
        <translation>Y-Abstand der Absenderadresse (cm)</translation>
    </message>
    <message>
        <source>To address X offset (cm)</source>
        <translation>X-Abstand der Empfängeradresse (cm)</translation>
    </message>
    <message>
        <source>To address Y offset (cm)</source>
        <translation>Y-Abstand der Empfängeradresse (cm)</translation>
    </message>
    <message>
        <source>Adds the To address to the saved addresses</source>
        <translation>Fügt die Empfängeradresse den gespeicherten Adressen hinzu</translation>
    </message>
    <message>
        <source>Prints one envelope on the default printer</source>
        <translation>Druckt einen Umschlag auf dem Standarddrucker</translation>
    </message>
    <message>
        <source>Empties the Return address and To address boxes</source>
        <translation>Leert die Felder für Absender- und Empfängeradresse</translation>
    </message>
    <message>
        <source>Ticks every saved address</source>
        <translation>Kreuzt alle gespeicherten Adressen an</translation>
    </message>
    <message>
        <source>Removes the ticked saved addresses</source>
        <translation>Entfernt die angekreuzten gespeicherten Adressen</translation>
    </message>
    <message>
        <source>Prints one envelope for each ticked saved address</source>
        <translation>Druckt für jede angekreuzte gespeicherte Adresse einen Umschlag</translation>
    </message>
    <message>
        <source>Text to import</source>
        <translation>Zu importierender Text</translation>
    </message>
    <message>
        <source>Import Addresses splits this text into addresses at the line and address delimiters</source>
        <translation>„Adressen importieren“ teilt diesen Text an den Zeilen- und Adresstrennern in Adressen auf</translation>
    </message>
    <message>
        <source>Line delimiter</source>
        <translation>Zeilentrenner</translation>
    </message>
    <message>
        <source>What separates the lines of one address</source>
        <translation>Was die Zeilen einer Adresse trennt</translation>
    </message>
    <message>
        <source>Other line delimiter</source>
        <translation>Eigener Zeilentrenner</translation>
    </message>
    <message>
        <source>Used when the line delimiter is -Other-</source>
        <translation>Gilt, wenn als Zeilentrenner -Other- gewählt ist</translation>
    </message>
    <message>
        <source>Address delimiter</source>
        <translation>Adresstrenner</translation>
    </message>
    <message>
        <source>What separates one address from the next</source>
        <translation>Was eine Adresse von der nächsten trennt</translation>
    </message>
    <message>
        <source>Other address delimiter</source>
        <translation>Eigener Adresstrenner</translation>
    </message>
    <message>
        <source>Used when the address delimiter is -Other-</source>
        <translation>Gilt, wenn als Adresstrenner -Other- gewählt ist</translation>
    </message>
    <message>
        <source>Empties the text to import</source>
        <translation>Leert den zu importierenden Text</translation>
    </message>
    <message>
        <source>Takes effect on screen at once</source>
        <translation>Wirkt sofort auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Used for the next envelope printed</source>
        <translation>Gilt für den nächsten gedruckten Umschlag</translation>
    </message>
    <message>
        <source>Return address display font size (points)</source>
        <translation>Anzeige-Schriftgröße der Absenderadresse (Punkt)</translation>
    </message>
    <message>
        <source>Return address display font</source>
        <translation>Anzeigeschrift der Absenderadresse</translation>
    </message>
    <message>
        <source>Return address print font size (points)</source>
        <translation>Druckschriftgröße der Absenderadresse (Punkt)</translation>
    </message>
    <message>
        <source>Return address print font</source>
        <translation>Druckschrift der Absenderadresse</translation>
    </message>
    <message>
        <source>To address display font size (points)</source>
        <translation>Anzeige-Schriftgröße der Empfängeradresse (Punkt)</translation>
    </message>
    <message>
        <source>To address display font</source>
        <translation>Anzeigeschrift der Empfängeradresse</translation>
    </message>
    <message>
        <source>To address print font size (points)</source>
        <translation>Druckschriftgröße der Empfängeradresse (Punkt)</translation>
    </message>
    <message>
        <source>To address print font</source>
        <translation>Druckschrift der Empfängeradresse</translation>
    </message>
    <message>
        <source>Sets all eight font fields to Verdana 12</source>
        <translation>Setzt alle acht Schriftfelder auf Verdana 12</translation>
    </message>
    <message>
        <source>Address book file name</source>
        <translation>Dateiname des Adressbuchs</translation>
    </message>
    <message>
        <source>The full path of the file</source>
        <translation>Der vollständige Pfad der Datei</translation>
    </message>
</context>
<context>
    <name>AddressListModel</name>
    <message>
        <source>Empty address</source>
        <translation>Leere Adresse</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Angekreuzt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>BookEditFlow</name>
    <message>
        <source>An address cannot be empty. The entry was not changed.</source>
        <translation>Eine Adresse darf nicht leer sein. Der Eintrag wurde nicht geändert.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>&amp;Find in Addresses...</source>
        <translation>In Adressen &amp;suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Weitersuche&amp;n</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>R&amp;ückwärts suchen</translation>
    </message>
    <message>
        <source>E&amp;dit Address...</source>
        <translation>Adresse &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Re&amp;move Address</source>
        <translation>Adresse &amp;entfernen</translation>
    </message>
    <message>
        <source>Find Du&amp;plicates...</source>
        <translation>&amp;Doppelte Adressen suchen...</translation>
    </message>
    <message>
        <source>&amp;Print This Envelope</source>
        <translation>Diesen Umschlag &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 names what the undo changes back: &quot;Clear Selected (3 addresses)&quot;.</extracomment>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Wieder&amp;holen: %1</translation>
    </message>
    <message>
        <source>The address book holds no duplicate addresses.</source>
        <translation>Das Adressbuch enthält keine doppelten Adressen.</translation>
    </message>
</context>
<context>
    <name>BookFiles</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is too large to be an address book (%1 MB)</source>
        <translation>es ist zu groß für ein Adressbuch (%1 MB)</translation>
    </message>
    <message>
        <source>the old file could not be copied aside first (%1)</source>
        <translation>von der alten Datei konnte vorher keine Sicherungskopie angelegt werden (%1)</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es ist schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>BookHistory</name>
    <message>
        <source>Save Address</source>
        <translation>Adresse merken</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Adressen importieren</translation>
    </message>
    <message>
        <source>Import Addresses from File</source>
        <translation>Adressen aus Datei importieren</translation>
    </message>
    <message>
        <source>Add Contacts</source>
        <translation>Kontakte hinzufügen</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Adresse entfernen</translation>
    </message>
    <message>
        <source>Remove Duplicates</source>
        <translation>Doppelte entfernen</translation>
    </message>
    <message>
        <source>%1 (1 address)</source>
        <extracomment>%1 is a command such as &quot;Clear Selected&quot;.</extracomment>
        <translation>%1 (1 Adresse)</translation>
    </message>
    <message>
        <source>%1 (%2 addresses)</source>
        <translation>%1 (%2 Adressen)</translation>
    </message>
</context>
<context>
    <name>BookTexts</name>
    <message>
        <source>Complete</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This address cannot be stored in the address book: it contains</source>
        <translation>Diese Adresse kann nicht im Adressbuch gespeichert werden: Sie enthält</translation>
    </message>
    <message>
        <source>%1 addresses cannot be stored in the address book: each contains</source>
        <translation>%1 Adressen können nicht im Adressbuch gespeichert werden: Jede enthält</translation>
    </message>
    <message>
        <source> &quot;*|||||*&quot; or ends in &quot;*|||||&quot;, and the address book file uses &quot;*|||||*&quot; to end every address. %1 not added.</source>
        <translation> „*|||||*“ oder endet auf „*|||||“, und die Adressbuchdatei beendet jede Adresse mit „*|||||*“. %1 nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Sie wurde</translation>
    </message>
    <message>
        <source>They were</source>
        <translation>Sie wurden</translation>
    </message>
    <message>
        <source>The address book is full: it holds at most %1 addresses. %2 not added; the addresses already in the list are kept. Clear some to make room.</source>
        <translation>Das Adressbuch ist voll: Es fasst höchstens %1 Adressen. %2 nicht hinzugefügt; die Adressen in der Liste bleiben erhalten. Löschen Sie einige, um Platz zu schaffen.</translation>
    </message>
    <message>
        <source>One address was</source>
        <translation>Eine Adresse wurde</translation>
    </message>
    <message>
        <source>%1 addresses were</source>
        <translation>%1 Adressen wurden</translation>
    </message>
    <message>
        <source>The address book %1 could not be read: %2.
It is left as it is, and Quillon will not save into it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>Das Adressbuch %1 konnte nicht gelesen werden: %2.
Es bleibt unverändert, und Quillon speichert nicht hinein. Um Ihre Adressen zu behalten, speichern Sie sie mit Datei, „Adressen speichern unter“ in eine andere Datei.</translation>
    </message>
    <message>
        <source>The address book %1 holds more addresses than the list has room for (it holds at most %2): %3 were loaded and %4 were left out.</source>
        <translation>Das Adressbuch %1 enthält mehr Adressen, als die Liste fassen kann (höchstens %2): %3 wurden geladen und %4 ausgelassen.</translation>
    </message>
    <message>
        <source>The file %1 holds no address book records (none ends in &quot;*|||||*&quot;), so nothing was loaded from it.</source>
        <translation>Die Datei %1 enthält keine Adressbucheinträge (keiner endet auf „*|||||*“), daher wurde nichts aus ihr geladen.</translation>
    </message>
    <message>
        <source>The address book %1 ends with text after its last &quot;*|||||*&quot; separator; that text is not an address and was not loaded.</source>
        <translation>Das Adressbuch %1 endet mit Text nach seinem letzten Trenner „*|||||*“; dieser Text ist keine Adresse und wurde nicht geladen.</translation>
    </message>
    <message>
        <source>Nothing is lost: before that file is next saved, Quillon copies it aside and tells you where.</source>
        <translation>Es geht nichts verloren: Bevor diese Datei das nächste Mal gespeichert wird, legt Quillon eine Kopie an und sagt Ihnen, wo.</translation>
    </message>
    <message>
        <source>The file %1 does not exist, so no addresses were added.
It is now the address book file: later saves of the address book will create it.</source>
        <translation>Die Datei %1 existiert nicht, daher wurden keine Adressen hinzugefügt.
Sie ist jetzt die Adressbuchdatei: Beim nächsten Speichern des Adressbuchs wird sie angelegt.</translation>
    </message>
    <message>
        <source>Before replacing %1, Quillon copied it to %2, because the list did not take in everything that file held.</source>
        <translation>Bevor Quillon %1 ersetzt hat, wurde die Datei nach %2 kopiert, weil die Liste nicht alles aufgenommen hat, was diese Datei enthielt.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 could not be read when it was loaded (%2), so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>Das Adressbuch wurde nicht gespeichert: %1 konnte beim Laden nicht gelesen werden (%2), daher ersetzt Quillon die Datei nicht. Um Ihre Adressen zu behalten, speichern Sie sie mit Datei, „Adressen speichern unter“ in eine andere Datei.</translation>
    </message>
    <message>
        <source>The address book could not be saved to %1: %2.
That file was left as it was.</source>
        <translation>Das Adressbuch konnte nicht in %1 gespeichert werden: %2.
Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The address book file in use is still %1.</source>
        <translation>Die verwendete Adressbuchdatei ist weiterhin %1.</translation>
    </message>
    <message>
        <source>The address book %1 is being saved by another running copy of Quillon, which did not finish in time, so it was not saved now.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>Das Adressbuch %1 wird gerade von einer anderen laufenden Quillon-Instanz gespeichert, die nicht rechtzeitig fertig wurde, daher wurde es jetzt nicht gespeichert.
Es geht nichts verloren: Die Liste behält Ihre Änderung, und das nächste Speichern des Adressbuchs schreibt sie.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>ein Gerät oder ein Socket</translation>
    </message>
    <message>
        <source>Before replacing %1 with the address book, Quillon kept a copy of it as it was, in %2, because its addresses were imported from it.</source>
        <translation>Bevor Quillon %1 durch das Adressbuch ersetzt hat, wurde eine Kopie der Datei in ihrem bisherigen Zustand in %2 aufbewahrt, weil die Adressen aus ihr importiert wurden.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 is read-only, so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;, or make that file writable.</source>
        <translation>Das Adressbuch wurde nicht gespeichert: %1 ist schreibgeschützt, daher ersetzt Quillon die Datei nicht. Um Ihre Adressen zu behalten, speichern Sie sie mit Datei, „Adressen speichern unter“ in eine andere Datei, oder machen Sie diese Datei beschreibbar.</translation>
    </message>
    <message>
        <source>The address book %1 was not saved: %2 is %3, not a lock file. Where the folder keeps no locks of its own, Quillon needs that name for the lock file that keeps two running copies from saving at once. Rename or remove it, then save again.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>Das Adressbuch %1 wurde nicht gespeichert: %2 ist %3, keine Sperrdatei. Wo der Ordner keine eigenen Sperren führt, braucht Quillon diesen Namen für die Sperrdatei, die verhindert, dass zwei laufende Quillon-Instanzen gleichzeitig speichern. Benennen Sie diesen Eintrag um oder entfernen Sie ihn, und speichern Sie dann erneut.
Es geht nichts verloren: Die Liste behält Ihre Änderung, und das nächste Speichern des Adressbuchs schreibt sie.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the address book?</source>
        <translation>%1 existiert bereits. Möchten Sie die Datei durch das Adressbuch ersetzen?</translation>
    </message>
    <message>
        <source>The address book is still not saved, so your latest changes to it would be lost.
Quit without saving them?</source>
        <translation>Das Adressbuch ist noch immer nicht gespeichert, daher würden Ihre letzten Änderungen daran verloren gehen.
Beenden, ohne sie zu speichern?</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <source>(not used)</source>
        <translation>(nicht verwendet)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Region or state</source>
        <translation>Region oder Bundesland</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Columns of the Contacts File</source>
        <translation>Spalten der Kontaktdatei</translation>
    </message>
    <message>
        <source>Quillon does not know the columns of %1. Choose what each column holds; several columns may hold parts of the name or of the street. The choice is kept for the next file with these headers.</source>
        <translation>Quillon kennt die Spalten von %1 nicht. Wählen Sie, was jede Spalte enthält; mehrere Spalten dürfen Teile des Namens oder der Straße enthalten. Die Auswahl wird für die nächste Datei mit diesen Spaltenköpfen gemerkt.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Erster Kontakt: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a column&apos;s header, then its first value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 columns are shown; the others are read as they were recognised, or not at all.</source>
        <translation>Nur die ersten %1 der %2 Spalten werden gezeigt; die anderen werden so gelesen, wie sie erkannt wurden, oder gar nicht.</translation>
    </message>
</context>
<context>
    <name>ContactImportFlow</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
</context>
<context>
    <name>ContactReviewDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>%1 holds one contact with a postal address.</source>
        <translation>%1 enthält einen Kontakt mit Postanschrift.</translation>
    </message>
    <message>
        <source>%1 holds %2 contacts with a postal address.</source>
        <translation>%1 enthält %2 Kontakte mit Postanschrift.</translation>
    </message>
    <message>
        <source>Tick those to add to the address book (Space ticks or unticks the chosen one).</source>
        <translation>Kreuzen Sie die Kontakte an, die ins Adressbuch sollen (die Leertaste setzt oder entfernt das Kreuz beim gewählten Kontakt).</translation>
    </message>
    <message>
        <source>Its columns were read as a %1 export.</source>
        <translation>Die Spalten wurden wie ein Export aus %1 gelesen.</translation>
    </message>
    <message>
        <source>Contacts to add</source>
        <translation>Hinzuzufügende Kontakte</translation>
    </message>
    <message>
        <source>Each contact as its envelope lines; ticked ones are added</source>
        <translation>Jeder Kontakt mit den Zeilen seines Umschlags; angekreuzte werden hinzugefügt</translation>
    </message>
    <message>
        <source>&amp;Contacts:</source>
        <translation>&amp;Kontakte:</translation>
    </message>
    <message>
        <source>Address of the chosen contact</source>
        <translation>Adresse des gewählten Kontakts</translation>
    </message>
    <message>
        <source>For a contact with several addresses, the one to print</source>
        <translation>Bei einem Kontakt mit mehreren Adressen die zu druckende</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a skipped contact, then why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Skipped contacts</source>
        <translation>Übersprungene Kontakte</translation>
    </message>
    <message>
        <source>Contacts that are not added, each with the reason</source>
        <translation>Kontakte, die nicht hinzugefügt werden, jeweils mit dem Grund</translation>
    </message>
    <message>
        <source>&amp;Skipped (%1):</source>
        <translation>Ü&amp;bersprungen (%1):</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Ticked: %1 of %2. Skipped: %3. Already in the address book: %4.</source>
        <translation>Angekreuzt: %1 von %2. Übersprungen: %3. Bereits im Adressbuch: %4.</translation>
    </message>
    <message>
        <source>Twice in the file: %1.</source>
        <translation>Doppelt in der Datei: %1.</translation>
    </message>
    <message>
        <source>&amp;Add 1 Address</source>
        <translation>1 Adresse &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add %1 Addresses</source>
        <translation>%1 Adressen &amp;hinzufügen</translation>
    </message>
</context>
<context>
    <name>ContactReviewModel</name>
    <message>
        <source>already in the address book</source>
        <translation>bereits im Adressbuch</translation>
    </message>
    <message>
        <source>the same as a contact above</source>
        <translation>derselbe wie ein Kontakt weiter oben</translation>
    </message>
    <message>
        <source>address %1 of %2</source>
        <translation>Adresse %1 von %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Angekreuzt</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Nicht angekreuzt</translation>
    </message>
</context>
<context>
    <name>ContactTexts</name>
    <message>
        <source>no postal address</source>
        <translation>keine Postanschrift</translation>
    </message>
    <message>
        <source>a group of contacts, not a contact</source>
        <translation>eine Kontaktgruppe, kein Kontakt</translation>
    </message>
    <message>
        <source>the contact without a name at line %1</source>
        <translation>der Kontakt ohne Namen in Zeile %1</translation>
    </message>
    <message>
        <source>this line is not part of a vCard (each vCard starts with BEGIN:VCARD)</source>
        <translation>diese Zeile gehört zu keiner vCard (jede vCard beginnt mit BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>a vCard starts here before the one that starts at line %1 has ended</source>
        <translation>hier beginnt eine vCard, bevor die in Zeile %1 begonnene zu Ende ist</translation>
    </message>
    <message>
        <source>END:VCARD without a BEGIN:VCARD before it</source>
        <translation>END:VCARD ohne vorangehendes BEGIN:VCARD</translation>
    </message>
    <message>
        <source>the file ends inside the vCard that starts at line %1 (its END:VCARD is missing)</source>
        <translation>die Datei endet innerhalb der vCard, die in Zeile %1 beginnt (ihr END:VCARD fehlt)</translation>
    </message>
    <message>
        <source>a field in quotes starts here and its closing quote is missing</source>
        <translation>hier beginnt ein Feld in Anführungszeichen, und sein schließendes Anführungszeichen fehlt</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Geschäftlich</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an address&apos;s kind, then its lines</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is too large (%1 MB; contacts files of up to %2 MB are read)</source>
        <translation>es ist zu groß (%1 MB; Kontaktdateien werden bis %2 MB gelesen)</translation>
    </message>
    <message>
        <source>The contacts file %1 could not be read: %2.
Nothing was added to the address book.</source>
        <translation>Die Kontaktdatei %1 konnte nicht gelesen werden: %2.
Dem Adressbuch wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The file %1 holds no contacts, so nothing was added to the address book.</source>
        <translation>Die Datei %1 enthält keine Kontakte, daher wurde dem Adressbuch nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Added to the address book: %1
Skipped: %2
Already in the address book: %3</source>
        <translation>Dem Adressbuch hinzugefügt: %1
Übersprungen: %2
Bereits im Adressbuch: %3</translation>
    </message>
    <message>
        <source>Twice in the file: %1</source>
        <translation>Doppelt in der Datei: %1</translation>
    </message>
    <message>
        <source>Not ticked: %1</source>
        <translation>Nicht angekreuzt: %1</translation>
    </message>
    <message>
        <source>The address book is empty, so there is nothing to export.</source>
        <translation>Das Adressbuch ist leer, daher gibt es nichts zu exportieren.</translation>
    </message>
    <message>
        <source>One address was exported to %1.</source>
        <translation>Eine Adresse wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>%1 addresses were exported to %2.</source>
        <translation>%1 Adressen wurden nach %2 exportiert.</translation>
    </message>
    <message>
        <source>The contacts could not be exported to %1: %2.
That file was left as it was.</source>
        <translation>Die Kontakte konnten nicht nach %1 exportiert werden: %2.
Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>the postal code does not look like one of %1</source>
        <translation>die Postleitzahl passt nicht zu %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%n Wert, der länger als %1 Zeichen war, wurde auf diese Länge gekürzt.</numerusform>
            <numerusform>%n Werte, die länger als %1 Zeichen waren, wurden auf diese Länge gekürzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1... (%2 more characters)</source>
        <translation>%1... (%2 weitere Zeichen)</translation>
    </message>
</context>
<context>
    <name>CupsDefaultPrinter</name>
    <message>
        <source>default printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <source>Quillon cannot reach the print service (CUPS).
Check that it is running.</source>
        <translation>Quillon erreicht den Druckdienst (CUPS) nicht.
Prüfen Sie, ob er läuft.</translation>
    </message>
    <message>
        <source>The print service (CUPS) does not answer.
It may be busy or stuck: try again in a moment, or restart it.</source>
        <translation>Der Druckdienst (CUPS) antwortet nicht.
Er ist vielleicht ausgelastet oder hängt: Versuchen Sie es gleich noch einmal, oder starten Sie ihn neu.</translation>
    </message>
    <message>
        <source>Quillon found no default printer.
Check that the print service (CUPS) is running and that a default printer is chosen in the system&apos;s printer settings.</source>
        <translation>Quillon hat keinen Standarddrucker gefunden.
Prüfen Sie, ob der Druckdienst (CUPS) läuft und in den Druckereinstellungen des Systems ein Standarddrucker gewählt ist.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; chosen in the envelope set-up no longer exists.
Choose another printer under Options &gt; Envelope.</source>
        <translation>Der in den Umschlageinstellungen gewählte Drucker „%1“ existiert nicht mehr.
Wählen Sie unter Optionen &gt; Umschlag einen anderen Drucker.</translation>
    </message>
    <message>
        <source>The print system refused the envelope for the printer &quot;%1&quot;:
%2</source>
        <translation>Das Drucksystem hat den Umschlag für den Drucker „%1“ abgelehnt:
%2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; lists no paper of %2 × %3 mm and takes no custom size like it: the print service will print the envelope on other paper, scaled or moved.</source>
        <translation>Der Drucker „%1“ führt kein Papier mit %2 × %3 mm und nimmt auch kein solches eigenes Format an: Der Druckdienst wird den Umschlag auf anderes Papier drucken, skaliert oder verschoben.</translation>
    </message>
    <message>
        <source>Quillon has not heard from the print service yet.</source>
        <translation>Quillon hat noch keine Antwort vom Druckdienst erhalten.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.
Let it accept jobs in the system&apos;s printer settings and try again.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an.
Lassen Sie ihn in den Druckereinstellungen des Systems Aufträge annehmen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The print service (CUPS) stopped answering while the envelope was sent. It may not have been printed: look at the printer&apos;s queue before printing it again.</source>
        <translation>Der Druckdienst (CUPS) hat beim Senden des Umschlags aufgehört zu antworten. Der Umschlag wurde vielleicht nicht gedruckt: Sehen Sie in der Warteschlange des Druckers nach, bevor Sie ihn erneut drucken.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the envelope waits in its queue and prints when the printer is resumed.</source>
        <translation>Der Drucker „%1“ ist angehalten: Der Umschlag wartet in seiner Warteschlange und wird gedruckt, sobald der Drucker fortgesetzt wird.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no driver: the print service passes the envelope&apos;s page of %2 × %3 mm to it unchanged, and the printer itself decides what paper it prints on.</source>
        <translation>Der Drucker „%1“ hat keinen Treiber: Der Druckdienst gibt die Seite des Umschlags mit %2 × %3 mm unverändert an ihn weiter, und der Drucker selbst entscheidet, auf welches Papier er druckt.</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Doppelte Adressen suchen</translation>
    </message>
    <message>
        <source>These addresses are the same when case, spaces, punctuation and line breaks are ignored. OK removes the ticked ones.</source>
        <translation>Diese Adressen sind gleich, wenn Groß- und Kleinschreibung, Leerzeichen, Satzzeichen und Zeilenumbrüche nicht zählen. OK entfernt die angekreuzten.</translation>
    </message>
    <message>
        <source>Duplicate addresses</source>
        <translation>Doppelte Adressen</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <extracomment>%1 is how many entries hold the same address.</extracomment>
        <translation>%1 Exemplare</translation>
    </message>
</context>
<context>
    <name>EditAddressDialog</name>
    <message>
        <source>Edit Address</source>
        <translation>Adresse bearbeiten</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>%1 Nothing was printed.</source>
        <extracomment>%1 says which field is wrong and how.</extracomment>
        <translation>%1 Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>%1 is empty. Enter a number of %2.</source>
        <extracomment>%1 names the field (&quot;Return address X offset&quot;), %2 is its unit (&quot;centimetres&quot;).</extracomment>
        <translation>%1 ist leer. Geben Sie einen Wert in %2 ein.</translation>
    </message>
    <message>
        <source>%1 is out of range: &apos;%2&apos; (from %3 to %4 %5).</source>
        <extracomment>%1 names the field, %2 is what was typed, %3 to %4 the range in the unit %5.</extracomment>
        <translation>%1 liegt außerhalb des gültigen Bereichs: „%2“ (von %3 bis %4 %5).</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;.</source>
        <translation>%1 ist keine Zahl: „%2“.</translation>
    </message>
    <message>
        <source>%1 print font size</source>
        <extracomment>%1 names the block: &quot;Return address&quot; or &quot;To address&quot;.</extracomment>
        <translation>Die Druckschriftgröße der %1</translation>
    </message>
    <message>
        <source>points</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>%1 X offset</source>
        <translation>Der X-Abstand der %1</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>%1 Y offset</source>
        <translation>Der Y-Abstand der %1</translation>
    </message>
    <message>
        <source>%1
Nothing was printed.</source>
        <translation>%1
Es wurde nichts gedruckt.</translation>
    </message>
</context>
<context>
    <name>EnvelopePreview</name>
    <message>
        <source>1 line runs off the left edge</source>
        <translation>1 Zeile überschreitet den linken Rand</translation>
    </message>
    <message>
        <source>%1 lines run off the left edge</source>
        <translation>%1 Zeilen überschreiten den linken Rand</translation>
    </message>
    <message>
        <source>1 line runs off the top edge</source>
        <translation>1 Zeile überschreitet den oberen Rand</translation>
    </message>
    <message>
        <source>%1 lines run off the top edge</source>
        <translation>%1 Zeilen überschreiten den oberen Rand</translation>
    </message>
    <message>
        <source>1 line runs off the right edge</source>
        <translation>1 Zeile überschreitet den rechten Rand</translation>
    </message>
    <message>
        <source>%1 lines run off the right edge</source>
        <translation>%1 Zeilen überschreiten den rechten Rand</translation>
    </message>
    <message>
        <source>1 line runs off the bottom edge</source>
        <translation>1 Zeile überschreitet den unteren Rand</translation>
    </message>
    <message>
        <source>%1 lines run off the bottom edge</source>
        <translation>%1 Zeilen überschreiten den unteren Rand</translation>
    </message>
    <message>
        <source>Every line fits in the printable area.</source>
        <translation>Alle Zeilen passen in den bedruckbaren Bereich.</translation>
    </message>
    <message>
        <source>%1 of the printable area.</source>
        <translation>%1 des bedruckbaren Bereichs.</translation>
    </message>
    <message>
        <source>Envelope Preview</source>
        <translation>Umschlagvorschau</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Umschlagvorschau</translation>
    </message>
    <message>
        <source>Lines off the printable area</source>
        <translation>Zeilen außerhalb des bedruckbaren Bereichs</translation>
    </message>
    <message>
        <source>Prints: %1. %2</source>
        <translation>Druckt: %1. %2</translation>
    </message>
    <message>
        <source>Printer, tray and size shown</source>
        <translation>Gezeigter Drucker, Schacht und Format</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Envelope width</source>
        <translation>Die Umschlagbreite</translation>
    </message>
    <message>
        <source>Envelope height</source>
        <translation>Die Umschlaghöhe</translation>
    </message>
    <message>
        <source>Calibration shift X</source>
        <translation>Der Kalibrierversatz X</translation>
    </message>
    <message>
        <source>Calibration shift Y</source>
        <translation>Der Kalibrierversatz Y</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupDialog</name>
    <message>
        <source>Envelope</source>
        <translation>Umschlag</translation>
    </message>
    <message>
        <source>Envelope width (mm)</source>
        <translation>Umschlagbreite (mm)</translation>
    </message>
    <message>
        <source>Used with the custom size</source>
        <translation>Gilt für das eigene Format</translation>
    </message>
    <message>
        <source>Envelope height (mm)</source>
        <translation>Umschlaghöhe (mm)</translation>
    </message>
    <message>
        <source>Calibration shift X (mm)</source>
        <translation>Kalibrierversatz X (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks right; negative moves them left</source>
        <translation>Verschiebt beide Blöcke nach rechts; negative Werte nach links</translation>
    </message>
    <message>
        <source>Calibration shift Y (mm)</source>
        <translation>Kalibrierversatz Y (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks down; negative moves them up</source>
        <translation>Verschiebt beide Blöcke nach unten; negative Werte nach oben</translation>
    </message>
    <message>
        <source>&amp;Turn the envelope 180°</source>
        <translation>Umschlag um 180° &amp;drehen</translation>
    </message>
    <message>
        <source>Envelope size</source>
        <translation>Umschlagformat</translation>
    </message>
    <message>
        <source>Turn the envelope 180°</source>
        <translation>Umschlag um 180° drehen</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Umschlagvorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print T&amp;est Envelope</source>
        <translation>T&amp;estumschlag drucken</translation>
    </message>
    <message>
        <source>Print test envelope</source>
        <translation>Testumschlag drucken</translation>
    </message>
    <message>
        <source>Prints the printable area, a millimetre scale and a cross where each block starts, to measure the calibration shift</source>
        <translation>Druckt den bedruckbaren Bereich, eine Millimeterskala und ein Kreuz am Anfang jedes Blocks, um den Kalibrierversatz zu messen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>The printer envelopes go to; each printer keeps its own set-up</source>
        <translation>Der Drucker für die Umschläge; jeder Drucker behält seine eigenen Einstellungen</translation>
    </message>
    <message>
        <source>System default printer</source>
        <translation>Standarddrucker des Systems</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Schacht</translation>
    </message>
    <message>
        <source>Where the printer takes the envelope from</source>
        <translation>Woher der Drucker den Umschlag einzieht</translation>
    </message>
    <message>
        <source>Printer&apos;s choice</source>
        <translation>Wahl des Druckers</translation>
    </message>
    <message>
        <source>Paper type</source>
        <translation>Papiersorte</translation>
    </message>
    <message>
        <source>What the printer is told it prints on</source>
        <translation>Worauf der Drucker laut Auftrag druckt</translation>
    </message>
    <message>
        <source>Print all selected addresses as &amp;one job</source>
        <translation>Alle ausgewählten Adressen in einem &amp;Auftrag drucken</translation>
    </message>
    <message>
        <source>Print all selected addresses as one job</source>
        <translation>Alle ausgewählten Adressen in einem Auftrag drucken</translation>
    </message>
    <message>
        <source>Print All Selected Address sends one document, a page per address, without pauses</source>
        <translation>„Alle ausgewählten Adressen drucken“ sendet ein einziges Dokument, eine Seite je Adresse, ohne Pausen</translation>
    </message>
    <message>
        <source>How to feed the envelope</source>
        <translation>Wie der Umschlag eingelegt wird</translation>
    </message>
    <message>
        <source>Envelope size on this printer</source>
        <translation>Umschlagformat auf diesem Drucker</translation>
    </message>
    <message>
        <source>Pr&amp;inter:</source>
        <translation>D&amp;rucker:</translation>
    </message>
    <message>
        <source>T&amp;ray:</source>
        <translation>&amp;Schacht:</translation>
    </message>
    <message>
        <source>P&amp;aper type:</source>
        <translation>&amp;Papiersorte:</translation>
    </message>
    <message>
        <source>%1 (not listed by the print service)</source>
        <translation>%1 (dem Druckdienst nicht bekannt)</translation>
    </message>
    <message>
        <source>%1 (not offered by this printer)</source>
        <translation>%1 (von diesem Drucker nicht angeboten)</translation>
    </message>
    <message>
        <source>face up</source>
        <translation>mit der Vorderseite nach oben</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>mit der Vorderseite nach unten</translation>
    </message>
    <message>
        <source>Envelopes go in</source>
        <translation>Umschläge liegen</translation>
    </message>
    <message>
        <source>The side the printer prints on as the envelope lies in the tray; the test envelope tells which</source>
        <translation>Die Seite, auf die der Drucker druckt, wie der Umschlag im Schacht liegt; der Testumschlag zeigt, welche es ist</translation>
    </message>
    <message>
        <source>P&amp;lace the To Address for this size</source>
        <translation>Empfängeradresse für dieses Format pla&amp;tzieren</translation>
    </message>
    <message>
        <source>Place the To Address for this size</source>
        <translation>Empfängeradresse für dieses Format platzieren</translation>
    </message>
    <message>
        <source>Sets the To Address offsets so that the block starts in the envelope&apos;s address zone</source>
        <translation>Setzt die Abstände der Empfängeradresse so, dass der Block im Adressfeld des Umschlags beginnt</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Shift &amp;X:</source>
        <translation>Versatz &amp;X:</translation>
    </message>
    <message>
        <source>Shift &amp;Y:</source>
        <translation>Versatz &amp;Y:</translation>
    </message>
    <message>
        <source>Envelopes &amp;go in:</source>
        <translation>Umschläge &amp;liegen:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
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
        <translation>Nr. 10 (4⅛ × 9½ Zoll)</translation>
    </message>
    <message>
        <source>No. 9 (3⅞ × 8⅞ in)</source>
        <translation>Nr. 9 (3⅞ × 8⅞ Zoll)</translation>
    </message>
    <message>
        <source>Monarch (3⅞ × 7½ in)</source>
        <translation>Monarch (3⅞ × 7½ Zoll)</translation>
    </message>
    <message>
        <source>6 × 9 in</source>
        <translation>6 × 9 Zoll</translation>
    </message>
    <message>
        <source>Printer paper</source>
        <translation>Druckerpapier</translation>
    </message>
    <message>
        <source>Custom (width × height in mm)</source>
        <translation>Eigenes Format (Breite × Höhe in mm)</translation>
    </message>
</context>
<context>
    <name>FeedDirection</name>
    <message>
        <source>Feed the envelope short edge first, the return address end leading.</source>
        <translation>Legen Sie den Umschlag mit der kurzen Kante zuerst ein, das Ende mit der Absenderadresse voran.</translation>
    </message>
    <message>
        <source>Feed the envelope short edge first, the stamp end leading.</source>
        <translation>Legen Sie den Umschlag mit der kurzen Kante zuerst ein, das Ende mit der Briefmarke voran.</translation>
    </message>
    <message>
        <source>This printer does not say which way it turns the page; Quillon takes it as clockwise, as the print service does. Print a test envelope to check.</source>
        <translation>Dieser Drucker gibt nicht an, in welche Richtung er die Seite dreht; Quillon nimmt wie der Druckdienst den Uhrzeigersinn an. Drucken Sie zur Prüfung einen Testumschlag.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn clockwise.</source>
        <translation>Dieser Drucker dreht die Seite um 90° im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn counter-clockwise.</source>
        <translation>Dieser Drucker dreht die Seite um 90° gegen den Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>The side to be addressed faces up.</source>
        <translation>Die zu beschriftende Seite zeigt nach oben.</translation>
    </message>
    <message>
        <source>The side to be addressed faces down.</source>
        <translation>Die zu beschriftende Seite zeigt nach unten.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face up.</source>
        <translation>Eingestellt für Umschläge mit der Vorderseite nach oben.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced down, choose &quot;Envelopes go in face down&quot;.</source>
        <translation>Steht dieser Druck auf der Seite, die nach unten zeigte, wählen Sie „Umschläge liegen mit der Vorderseite nach unten“.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face down.</source>
        <translation>Eingestellt für Umschläge mit der Vorderseite nach unten.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced up, choose &quot;Envelopes go in face up&quot;.</source>
        <translation>Steht dieser Druck auf der Seite, die nach oben zeigte, wählen Sie „Umschläge liegen mit der Vorderseite nach oben“.</translation>
    </message>
</context>
<context>
    <name>FeedPicture</name>
    <message>
        <source>How the envelope goes into the printer</source>
        <translation>Wie der Umschlag in den Drucker kommt</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
</context>
<context>
    <name>FileSettingsBackend</name>
    <message>
        <source>The saved settings could not be read, so Quillon starts with its default settings. The old settings were kept in:
%1</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden, daher startet Quillon mit seinen Standardeinstellungen. Die alten Einstellungen wurden aufbewahrt in:
%1</translation>
    </message>
    <message>
        <source>The saved settings in %1 could not be read and could not be moved aside. Quillon starts with its default settings and will not save settings in this run.</source>
        <translation>Die gespeicherten Einstellungen in %1 konnten weder gelesen noch beiseitegelegt werden. Quillon startet mit seinen Standardeinstellungen und speichert in dieser Sitzung keine Einstellungen.</translation>
    </message>
    <message>
        <source>These saved settings could not be read and start with their defaults: %1.
The damaged values were kept beside the others, in:
%2</source>
        <translation>Diese gespeicherten Einstellungen konnten nicht gelesen werden und beginnen mit ihren Standardwerten: %1.
Die beschädigten Werte wurden neben den anderen aufbewahrt, in:
%2</translation>
    </message>
    <message>
        <source>
Some could not be renamed; Quillon leaves them as they are and will not save those settings in this run.</source>
        <translation>
Einige konnten nicht umbenannt werden; Quillon lässt sie unverändert und speichert diese Einstellungen in dieser Sitzung nicht.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in addresses</source>
        <translation>In Adressen suchen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quillon cannot save your settings: the settings store cannot be written.
You can go on working, but what you type now will not come back at the next start.</source>
        <translation>Quillon kann Ihre Einstellungen nicht speichern: Der Einstellungsspeicher ist nicht beschreibbar.
Sie können weiterarbeiten, aber was Sie jetzt eingeben, ist beim nächsten Start nicht mehr da.</translation>
    </message>
    <message>
        <source>Quillon 2.1 - By: Tarvik </source>
        <translation>Quillon 2.1 - Von: Tarvik </translation>
    </message>
    <message>
        <source>From Addres:</source>
        <translation>Absender:</translation>
    </message>
    <message>
        <source>To Address:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Saved Addresses:</source>
        <translation>Gespeicherte Adressen:</translation>
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
        <translation>Adresse merken</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Print All Selected Address</source>
        <translation>Alle ausgewählten Adressen drucken</translation>
    </message>
    <message>
        <source>Address Importer</source>
        <translation>Adressimport</translation>
    </message>
    <message>
        <source>Line Delimiter</source>
        <translation>Zeilentrenner</translation>
    </message>
    <message>
        <source>Specify:</source>
        <translation>Eigener:</translation>
    </message>
    <message>
        <source>Address Delimiter</source>
        <translation>Adresstrenner</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Adressen importieren</translation>
    </message>
    <message>
        <source>Clear Addresses</source>
        <translation>Adressen leeren</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation>Schrifteinstellungen</translation>
    </message>
    <message>
        <source>Return Address Display Font Size:</source>
        <translation>Absender, Anzeigegröße:</translation>
    </message>
    <message>
        <source>Return Address Print Font Size:</source>
        <translation>Absender, Druckgröße:</translation>
    </message>
    <message>
        <source>To Address Display Font Size:</source>
        <translation>Empfänger, Anzeigegröße:</translation>
    </message>
    <message>
        <source>To Address Print Font Size:</source>
        <translation>Empfänger, Druckgröße:</translation>
    </message>
    <message>
        <source>Font Type:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Hide Settings</source>
        <translation>Einstellungen ausblenden</translation>
    </message>
    <message>
        <source>Default Font Settings</source>
        <translation>Standardschriften</translation>
    </message>
    <message>
        <source>Save Addresses As</source>
        <translation>Adressen speichern unter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel It</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quillon 2.1

Written By: %1
Email: %2 
Web Site: %3 
</source>
        <translation>Quillon 2.1

Geschrieben von: %1
E-Mail: %2 
Website: %3 
</translation>
    </message>
    <message>
        <source>Could you please mail any suggestions to %1</source>
        <translation>Bitte senden Sie Ihre Vorschläge per E-Mail an %1</translation>
    </message>
    <message>
        <source>You need to add the address into the textbox above before clicking the import addressess icon.</source>
        <translation>Fügen Sie die Adressen in das Textfeld oben ein, bevor Sie auf „Adressen importieren“ klicken.</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Empfängeradresse</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default settings?</source>
        <translation>Möchten Sie die Standardeinstellungen wirklich wiederherstellen?</translation>
    </message>
    <message>
        <source>Please restart Quillon</source>
        <translation>Bitte starten Sie Quillon neu</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the select addresses?</source>
        <translation>Möchten Sie die ausgewählten Adressen wirklich löschen?</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save Addresses &amp;As</source>
        <translation>Adressen speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Import Addresses</source>
        <translation>Adressen &amp;importieren</translation>
    </message>
    <message>
        <source>&amp;Custom Programming</source>
        <translation>Individuelle &amp;Programmierung</translation>
    </message>
    <message>
        <source>S&amp;uggestions</source>
        <translation>&amp;Vorschläge</translation>
    </message>
    <message>
        <source>Sample &amp;1</source>
        <translation>Beispiel &amp;1</translation>
    </message>
    <message>
        <source>Sample &amp;2</source>
        <translation>Beispiel &amp;2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>&amp;Schrifteinstellungen</translation>
    </message>
    <message>
        <source>&amp;Restore Default Settings</source>
        <translation>Standardeinstellungen &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Envelope...</source>
        <translation>&amp;Umschlag...</translation>
    </message>
    <message>
        <source>Envelope &amp;Preview</source>
        <translation>Umschlag&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>The saved settings could not be removed:
%1
They stay as they are, and Quillon goes on running.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht entfernt werden:
%1
Sie bleiben unverändert, und Quillon läuft weiter.</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Kontakte importieren</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Kontakte (*.vcf *.vcard *.csv);;Alle Dateien (*)</translation>
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
        <translation>Kontakte exportieren</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>Trotzdem drucken?</translation>
    </message>
    <message>
        <source>Print All progress</source>
        <translation>Sammeldruck läuft</translation>
    </message>
    <message>
        <source>Save Envelopes as PDF</source>
        <translation>Umschläge als PDF speichern</translation>
    </message>
    <message>
        <source>Envelopes.pdf</source>
        <translation>Envelopes.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Saving envelopes as PDF</source>
        <translation>Speichere Umschläge als PDF</translation>
    </message>
    <message>
        <source>Printing envelope %1 of %2</source>
        <translation>Drucke Umschlag %1 von %2</translation>
    </message>
    <message>
        <source>Preparing envelope %1 of %2</source>
        <translation>Erstelle Umschlag %1 von %2</translation>
    </message>
    <message>
        <source>Laying out envelope %1 of %2</source>
        <translation>Erstelle Umschlag %1 von %2</translation>
    </message>
    <message>
        <source>Saving the PDF file</source>
        <translation>Speichere die PDF-Datei</translation>
    </message>
    <message>
        <source>Sending the job to the printer</source>
        <translation>Sende den Druckauftrag</translation>
    </message>
    <message>
        <source>There is no envelope to save: it has no line.</source>
        <translation>Es gibt keinen Umschlag zum Speichern: Er hat keine Zeile.</translation>
    </message>
    <message>
        <source>Import C&amp;ontacts...</source>
        <translation>&amp;Kontakte importieren...</translation>
    </message>
    <message>
        <source>Expor&amp;t Contacts...</source>
        <translation>Kontakte &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save &amp;Envelopes as PDF...</source>
        <translation>Umschläge als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>Quillon &amp;Manual</source>
        <translation>&amp;Quillon-Handbuch</translation>
    </message>
</context>
<context>
    <name>JobTroubleTexts</name>
    <message>
        <source>The print service gave the envelope up.</source>
        <translation>Der Druckdienst hat den Druck des Umschlags abgebrochen.</translation>
    </message>
    <message>
        <source>Check the printer and its settings, then print the envelope again.</source>
        <translation>Prüfen Sie den Drucker und seine Einstellungen, und drucken Sie den Umschlag dann erneut.</translation>
    </message>
    <message>
        <source>The printer stopped while printing the envelope.</source>
        <translation>Der Drucker hat beim Drucken des Umschlags angehalten.</translation>
    </message>
    <message>
        <source>Check the printer, then restart the job, or cancel it, in the system&apos;s printer settings.</source>
        <translation>Prüfen Sie den Drucker, und starten Sie den Auftrag dann in den Druckereinstellungen des Systems neu, oder brechen Sie ihn dort ab.</translation>
    </message>
    <message>
        <source>The print service holds the envelope and will not print it on its own.</source>
        <translation>Der Druckdienst hält den Umschlag zurück und wird ihn nicht von selbst drucken.</translation>
    </message>
    <message>
        <source>Check the envelope&apos;s size, tray and paper type in the envelope set-up, and that the printer takes them; then cancel the held job and print again.</source>
        <translation>Prüfen Sie Format, Schacht und Papiersorte des Umschlags in den Umschlageinstellungen und ob der Drucker sie annimmt; brechen Sie dann den zurückgehaltenen Auftrag ab und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The printer stopped, and the envelope waits in its queue.</source>
        <translation>Der Drucker hat angehalten, und der Umschlag wartet in seiner Warteschlange.</translation>
    </message>
    <message>
        <source>Check the printer, then resume it in the system&apos;s printer settings: the envelope prints then.</source>
        <translation>Prüfen Sie den Drucker, und setzen Sie ihn dann in den Druckereinstellungen des Systems fort: Dann wird der Umschlag gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; says: %2</source>
        <translation>Der Drucker „%1“ meldet: %2</translation>
    </message>
    <message>
        <source>An envelope sent to the printer &quot;%1&quot; has not printed.</source>
        <translation>Ein an den Drucker „%1“ gesendeter Umschlag wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; has not printed on the printer &quot;%2&quot;.</source>
        <translation>Der Umschlag für „%1“ wurde auf dem Drucker „%2“ nicht gedruckt.</translation>
    </message>
</context>
<context>
    <name>ManualFlow</name>
    <message>
        <source>Quillon could not start a web browser to open %1.

Do you want to read the Quillon Manual, which comes with the program, instead?</source>
        <translation>Quillon konnte keinen Webbrowser starten, um %1 zu öffnen.

Möchten Sie stattdessen das Quillon-Handbuch lesen, das dem Programm beiliegt?</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Quillon Manual</source>
        <translation>Quillon-Handbuch</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
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
        <translation>„%1“ ist keine Datei, die Quillon ersetzen kann.</translation>
    </message>
    <message>
        <source>Quillon could not write &quot;%1&quot;: %2.</source>
        <translation>Quillon konnte „%1“ nicht schreiben: %2.</translation>
    </message>
</context>
<context>
    <name>PrintAll</name>
    <message>
        <source>(an empty address)</source>
        <translation>(eine leere Adresse)</translation>
    </message>
    <message>
        <source>The envelopes were not saved as &quot;%1&quot;; a file already there is as it was.

%2</source>
        <extracomment>%1 is the file chosen, %2 why it was not written.</extracomment>
        <translation>Die Umschläge wurden nicht als „%1“ gespeichert; eine dort schon vorhandene Datei ist unverändert.

%2</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; could not be made:
%2</source>
        <translation>Der Umschlag für „%1“ konnte nicht erstellt werden:
%2</translation>
    </message>
    <message>
        <source>Print All sent nothing: the print job was refused.

%1</source>
        <translation>Der Sammeldruck hat nichts gesendet: Der Druckauftrag wurde abgelehnt.

%1</translation>
    </message>
    <message>
        <source>Print All sent nothing: the envelope for &quot;%1&quot; could not be made.

%2</source>
        <translation>Der Sammeldruck hat nichts gesendet: Der Umschlag für „%1“ konnte nicht erstellt werden.

%2</translation>
    </message>
    <message>
        <source>Print All printed nothing: the envelope for &quot;%1&quot; failed.

%2</source>
        <translation>Der Sammeldruck hat nichts gedruckt: Der Umschlag für „%1“ ist fehlgeschlagen.

%2</translation>
    </message>
    <message>
        <source>Print All stopped at the envelope for &quot;%1&quot;, which was not printed.

%2

Envelopes printed before it: %3 of %4.
Untick the addresses already printed, so that the next Print All goes on from &quot;%1&quot;?</source>
        <extracomment>%1 is the first line of the address whose envelope failed, %2 why, %3 of %4 how many went out.</extracomment>
        <translation>Der Sammeldruck hat beim Umschlag für „%1“ angehalten; dieser wurde nicht gedruckt.

%2

Davor gedruckte Umschläge: %3 von %4.
Die Kreuze bei den schon gedruckten Adressen entfernen, damit der nächste Sammeldruck bei „%1“ weitermacht?</translation>
    </message>
    <message>
        <source>Print All was stopped after %1 of %2 envelopes.
Untick the addresses already printed, so that the next Print All goes on from where it stopped?</source>
        <extracomment>%1 of %2 is how many envelopes went out before the user stopped the run.</extracomment>
        <translation>„Alle drucken“ wurde nach %1 von %2 Umschlägen angehalten.
Die Kreuze der schon gedruckten Adressen entfernen, damit das nächste „Alle drucken“ dort weitermacht, wo es angehalten wurde?</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Envelopes done</source>
        <translation>Fertige Umschläge</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>Ends the run once the envelope being made is done (Escape). F6 moves between this window and the main window.</source>
        <translation>Beendet den Lauf, sobald der Umschlag in Arbeit fertig ist (Esc). F6 wechselt zwischen diesem Fenster und dem Hauptfenster.</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Quillon envelope</source>
        <translation>Quillon-Umschlag</translation>
    </message>
    <message>
        <source>Quillon could not start a new page of the envelopes&apos; document.</source>
        <translation>Quillon konnte im Dokument der Umschläge keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>Quillon cannot start the envelope&apos;s document.</source>
        <translation>Quillon kann das Dokument des Umschlags nicht beginnen.</translation>
    </message>
    <message>
        <source>Quillon could not make the whole envelope document.</source>
        <translation>Quillon konnte das Dokument der Umschläge nicht vollständig erstellen.</translation>
    </message>
</context>
<context>
    <name>SetupHeading</name>
    <message>
        <source>printer&apos;s choice</source>
        <translation>Wahl des Druckers</translation>
    </message>
    <message>
        <source>system default printer</source>
        <translation>Standarddrucker des Systems</translation>
    </message>
    <message>
        <source>%1 (system default)</source>
        <translation>%1 (Standard des Systems)</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>eigenes Format</translation>
    </message>
    <message>
        <source>%1, %2 × %3 mm</source>
        <translation>%1, %2 × %3 mm</translation>
    </message>
    <message>
        <source>Printer: %1 · Tray: %2 · Size: %3</source>
        <translation>Drucker: %1 · Schacht: %2 · Format: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prints envelopes from typed addresses or an address book.</source>
        <translation>Druckt Umschläge aus eingegebenen Adressen oder einem Adressbuch.</translation>
    </message>
    <message>
        <source>Contacts files (vCard or CSV) to review and add to the address book.</source>
        <translation>Kontaktdateien (vCard oder CSV), die geprüft und dem Adressbuch hinzugefügt werden sollen.</translation>
    </message>
</context>
</TS>
