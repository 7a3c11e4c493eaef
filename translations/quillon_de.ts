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
        <source>it is too large to be an address book</source>
        <translation>es ist zu groß für ein Adressbuch</translation>
    </message>
    <message>
        <source>the old file could not be copied aside first (%1)</source>
        <translation>von der alten Datei konnte vorher keine Sicherungskopie angelegt werden (%1)</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
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
</context>
<context>
    <name>CupsDefaultPrinter</name>
    <message>
        <source>Quillon found no default printer, so nothing was printed.
Check that the print service (CUPS) is running and that a default printer is chosen in the system&apos;s printer settings.</source>
        <translation>Quillon hat keinen Standarddrucker gefunden, daher wurde nichts gedruckt.
Prüfen Sie, ob der Druckdienst (CUPS) läuft und in den Druckereinstellungen des Systems ein Standarddrucker gewählt ist.</translation>
    </message>
    <message>
        <source>The default printer &quot;%1&quot; is not accepting jobs, so nothing was printed.
Let it accept jobs in the system&apos;s printer settings and try again.</source>
        <translation>Der Standarddrucker „%1“ nimmt keine Aufträge an, daher wurde nichts gedruckt.
Lassen Sie ihn in den Druckereinstellungen des Systems Aufträge annehmen und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The print system refused the envelope for the printer &quot;%1&quot;, so nothing was printed:
%2</source>
        <translation>Das Drucksystem hat den Umschlag für den Drucker „%1“ abgelehnt, daher wurde nichts gedruckt:
%2</translation>
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
        <source>&amp;Width (mm):</source>
        <translation>&amp;Breite (mm):</translation>
    </message>
    <message>
        <source>&amp;Height (mm):</source>
        <translation>&amp;Höhe (mm):</translation>
    </message>
    <message>
        <source>Shift &amp;X (mm):</source>
        <translation>Versatz &amp;X (mm):</translation>
    </message>
    <message>
        <source>Shift &amp;Y (mm):</source>
        <translation>Versatz &amp;Y (mm):</translation>
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
</context>
<context>
    <name>PdfFileTarget</name>
    <message>
        <source>Cannot keep the envelope as %1.</source>
        <translation>Der Umschlag kann nicht als %1 aufbewahrt werden.</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Quillon envelope</source>
        <translation>Quillon-Umschlag</translation>
    </message>
    <message>
        <source>Quillon cannot make a temporary folder for the envelope (%1), so nothing was printed.</source>
        <translation>Quillon kann keinen temporären Ordner für den Umschlag anlegen (%1), daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Quillon cannot write the envelope&apos;s document (%1), so nothing was printed.</source>
        <translation>Quillon kann das Dokument des Umschlags nicht schreiben (%1), daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Quillon could not finish the envelope&apos;s document, so nothing was printed.</source>
        <translation>Quillon konnte das Dokument des Umschlags nicht fertigstellen, daher wurde nichts gedruckt.</translation>
    </message>
</context>
</TS>
