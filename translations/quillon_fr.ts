<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Return address</source>
        <translation>Adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s return address block</source>
        <translation>Imprimé comme bloc de l&apos;adresse de l&apos;expéditeur sur l&apos;enveloppe</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Adresse du destinataire</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s to-address block</source>
        <translation>Imprimé comme bloc de l&apos;adresse du destinataire sur l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Saved addresses</source>
        <translation>Adresses enregistrées</translation>
    </message>
    <message>
        <source>Clicking an address copies it into the To address box; ticked addresses are printed or cleared by the buttons below</source>
        <translation>Un clic sur une adresse la copie dans la zone de l&apos;adresse du destinataire ; les adresses cochées sont imprimées ou supprimées par les boutons ci-dessous</translation>
    </message>
    <message>
        <source>Centimetres from the left edge of the printable area</source>
        <translation>Centimètres depuis le bord gauche de la zone imprimable</translation>
    </message>
    <message>
        <source>Centimetres from the top of the printable area to the first line</source>
        <translation>Centimètres depuis le haut de la zone imprimable jusqu&apos;à la première ligne</translation>
    </message>
    <message>
        <source>Return address X offset (cm)</source>
        <translation>Décalage X de l&apos;adresse de l&apos;expéditeur (cm)</translation>
    </message>
    <message>
        <source>Return address Y offset (cm)</source>
        <translation>Décalage Y de l&apos;adresse de l&apos;expéditeur (cm)</translation>
    </message>
    <message>
        <source>To address X offset (cm)</source>
        <translation>Décalage X de l&apos;adresse du destinataire (cm)</translation>
    </message>
    <message>
        <source>To address Y offset (cm)</source>
        <translation>Décalage Y de l&apos;adresse du destinataire (cm)</translation>
    </message>
    <message>
        <source>Adds the To address to the saved addresses</source>
        <translation>Ajoute l&apos;adresse du destinataire aux adresses enregistrées</translation>
    </message>
    <message>
        <source>Prints one envelope on the default printer</source>
        <translation>Imprime une enveloppe sur l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>Empties the Return address and To address boxes</source>
        <translation>Vide les zones de l&apos;adresse de l&apos;expéditeur et du destinataire</translation>
    </message>
    <message>
        <source>Ticks every saved address</source>
        <translation>Coche toutes les adresses enregistrées</translation>
    </message>
    <message>
        <source>Removes the ticked saved addresses</source>
        <translation>Supprime les adresses enregistrées cochées</translation>
    </message>
    <message>
        <source>Prints one envelope for each ticked saved address</source>
        <translation>Imprime une enveloppe pour chaque adresse enregistrée cochée</translation>
    </message>
    <message>
        <source>Text to import</source>
        <translation>Texte à importer</translation>
    </message>
    <message>
        <source>Import Addresses splits this text into addresses at the line and address delimiters</source>
        <translation>Importer les adresses découpe ce texte en adresses selon les séparateurs de lignes et d&apos;adresses</translation>
    </message>
    <message>
        <source>Line delimiter</source>
        <translation>Séparateur de lignes</translation>
    </message>
    <message>
        <source>What separates the lines of one address</source>
        <translation>Ce qui sépare les lignes d&apos;une adresse</translation>
    </message>
    <message>
        <source>Other line delimiter</source>
        <translation>Autre séparateur de lignes</translation>
    </message>
    <message>
        <source>Used when the line delimiter is -Other-</source>
        <translation>Utilisé quand le séparateur de lignes est -Other-</translation>
    </message>
    <message>
        <source>Address delimiter</source>
        <translation>Séparateur d&apos;adresses</translation>
    </message>
    <message>
        <source>What separates one address from the next</source>
        <translation>Ce qui sépare une adresse de la suivante</translation>
    </message>
    <message>
        <source>Other address delimiter</source>
        <translation>Autre séparateur d&apos;adresses</translation>
    </message>
    <message>
        <source>Used when the address delimiter is -Other-</source>
        <translation>Utilisé quand le séparateur d&apos;adresses est -Other-</translation>
    </message>
    <message>
        <source>Empties the text to import</source>
        <translation>Vide le texte à importer</translation>
    </message>
    <message>
        <source>Takes effect on screen at once</source>
        <translation>S&apos;applique aussitôt à l&apos;écran</translation>
    </message>
    <message>
        <source>Used for the next envelope printed</source>
        <translation>Utilisé pour la prochaine enveloppe imprimée</translation>
    </message>
    <message>
        <source>Return address display font size (points)</source>
        <translation>Taille de la police d&apos;affichage de l&apos;adresse de l&apos;expéditeur (points)</translation>
    </message>
    <message>
        <source>Return address display font</source>
        <translation>Police d&apos;affichage de l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>Return address print font size (points)</source>
        <translation>Taille de la police d&apos;impression de l&apos;adresse de l&apos;expéditeur (points)</translation>
    </message>
    <message>
        <source>Return address print font</source>
        <translation>Police d&apos;impression de l&apos;adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>To address display font size (points)</source>
        <translation>Taille de la police d&apos;affichage de l&apos;adresse du destinataire (points)</translation>
    </message>
    <message>
        <source>To address display font</source>
        <translation>Police d&apos;affichage de l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>To address print font size (points)</source>
        <translation>Taille de la police d&apos;impression de l&apos;adresse du destinataire (points)</translation>
    </message>
    <message>
        <source>To address print font</source>
        <translation>Police d&apos;impression de l&apos;adresse du destinataire</translation>
    </message>
    <message>
        <source>Sets all eight font fields to Verdana 12</source>
        <translation>Règle les huit champs de police sur Verdana 12</translation>
    </message>
    <message>
        <source>Address book file name</source>
        <translation>Nom du fichier du carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>The full path of the file</source>
        <translation>Le chemin complet du fichier</translation>
    </message>
</context>
<context>
    <name>AddressListModel</name>
    <message>
        <source>Empty address</source>
        <translation>Adresse vide</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non coché</translation>
    </message>
</context>
<context>
    <name>BookEditFlow</name>
    <message>
        <source>An address cannot be empty. The entry was not changed.</source>
        <translation>Une adresse ne peut pas être vide. L&apos;entrée n&apos;a pas été modifiée.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Find in Addresses...</source>
        <translation>Rec&amp;hercher dans les adresses...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>E&amp;dit Address...</source>
        <translation>&amp;Modifier l&apos;adresse...</translation>
    </message>
    <message>
        <source>Re&amp;move Address</source>
        <translation>Re&amp;tirer l&apos;adresse</translation>
    </message>
    <message>
        <source>Find Du&amp;plicates...</source>
        <translation>Rechercher les &amp;doublons...</translation>
    </message>
    <message>
        <source>&amp;Print This Envelope</source>
        <translation>Imprimer cette &amp;enveloppe</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 names what the undo changes back: &quot;Clear Selected (3 addresses)&quot;.</extracomment>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>The address book holds no duplicate addresses.</source>
        <translation>Le carnet d&apos;adresses ne contient aucune adresse en double.</translation>
    </message>
</context>
<context>
    <name>BookFiles</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large to be an address book (%1 MB)</source>
        <translation>il est trop grand pour être un carnet d&apos;adresses (%1 Mo)</translation>
    </message>
    <message>
        <source>the old file could not be copied aside first (%1)</source>
        <translation>l&apos;ancien fichier n&apos;a pas pu être d&apos;abord copié à part (%1)</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>BookHistory</name>
    <message>
        <source>Save Address</source>
        <translation>Garder l&apos;adresse</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Retirer les cochées</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importer les adresses</translation>
    </message>
    <message>
        <source>Import Addresses from File</source>
        <translation>Importer des adresses depuis un fichier</translation>
    </message>
    <message>
        <source>Add Contacts</source>
        <translation>Ajouter des contacts</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Retirer l&apos;adresse</translation>
    </message>
    <message>
        <source>Remove Duplicates</source>
        <translation>Retirer les doublons</translation>
    </message>
    <message>
        <source>%1 (1 address)</source>
        <extracomment>%1 is a command such as &quot;Clear Selected&quot;.</extracomment>
        <translation>%1 (1 adresse)</translation>
    </message>
    <message>
        <source>%1 (%2 addresses)</source>
        <translation>%1 (%2 adresses)</translation>
    </message>
</context>
<context>
    <name>BookTexts</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un périphérique ou un socket</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>This address cannot be stored in the address book: it contains</source>
        <translation>Cette adresse ne peut pas être enregistrée dans le carnet d&apos;adresses : elle contient</translation>
    </message>
    <message>
        <source>%1 addresses cannot be stored in the address book: each contains</source>
        <translation>%1 adresses ne peuvent pas être enregistrées dans le carnet d&apos;adresses : chacune contient</translation>
    </message>
    <message>
        <source> &quot;*|||||*&quot; or ends in &quot;*|||||&quot;, and the address book file uses &quot;*|||||*&quot; to end every address. %1 not added.</source>
        <translation> « *|||||* » ou se termine par « *||||| », et le fichier du carnet d&apos;adresses utilise « *|||||* » pour terminer chaque adresse. %1.</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>Elle n&apos;a pas été ajoutée</translation>
    </message>
    <message>
        <source>They were</source>
        <translation>Elles n&apos;ont pas été ajoutées</translation>
    </message>
    <message>
        <source>The address book is full: it holds at most %1 addresses. %2 not added; the addresses already in the list are kept. Clear some to make room.</source>
        <translation>Le carnet d&apos;adresses est plein : il contient au plus %1 adresses. %2 ; les adresses déjà dans la liste sont conservées. Supprimez-en quelques-unes pour faire de la place.</translation>
    </message>
    <message>
        <source>One address was</source>
        <translation>Une adresse n&apos;a pas été ajoutée</translation>
    </message>
    <message>
        <source>%1 addresses were</source>
        <translation>%1 adresses n&apos;ont pas été ajoutées</translation>
    </message>
    <message>
        <source>The address book %1 could not be read: %2.
It is left as it is, and Quillon will not save into it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>Le carnet d&apos;adresses %1 n&apos;a pas pu être lu : %2.
Il reste tel quel, et Quillon n&apos;y enregistrera rien. Pour garder vos adresses, enregistrez-les dans un autre fichier avec Fichier, « Enregistrer les adresses sous ».</translation>
    </message>
    <message>
        <source>The address book %1 holds more addresses than the list has room for (it holds at most %2): %3 were loaded and %4 were left out.</source>
        <translation>Le carnet d&apos;adresses %1 contient plus d&apos;adresses que la liste ne peut en recevoir (au plus %2) : %3 ont été chargées et %4 laissées de côté.</translation>
    </message>
    <message>
        <source>The file %1 holds no address book records (none ends in &quot;*|||||*&quot;), so nothing was loaded from it.</source>
        <translation>Le fichier %1 ne contient aucun enregistrement de carnet d&apos;adresses (aucun ne se termine par « *|||||* »), donc rien n&apos;en a été chargé.</translation>
    </message>
    <message>
        <source>The address book %1 ends with text after its last &quot;*|||||*&quot; separator; that text is not an address and was not loaded.</source>
        <translation>Le carnet d&apos;adresses %1 se termine par du texte après son dernier séparateur « *|||||* » ; ce texte n&apos;est pas une adresse et n&apos;a pas été chargé.</translation>
    </message>
    <message>
        <source>Nothing is lost: before that file is next saved, Quillon copies it aside and tells you where.</source>
        <translation>Rien n&apos;est perdu : avant le prochain enregistrement de ce fichier, Quillon le copie à part et vous dit où.</translation>
    </message>
    <message>
        <source>The file %1 does not exist, so no addresses were added.
It is now the address book file: later saves of the address book will create it.</source>
        <translation>Le fichier %1 n&apos;existe pas, donc aucune adresse n&apos;a été ajoutée.
C&apos;est désormais le fichier du carnet d&apos;adresses : les prochains enregistrements du carnet le créeront.</translation>
    </message>
    <message>
        <source>Before replacing %1 with the address book, Quillon kept a copy of it as it was, in %2, because its addresses were imported from it.</source>
        <translation>Avant de remplacer %1 par le carnet d&apos;adresses, Quillon en a gardé une copie telle qu&apos;elle était, dans %2, car ses adresses en avaient été importées.</translation>
    </message>
    <message>
        <source>Before replacing %1, Quillon copied it to %2, because the list did not take in everything that file held.</source>
        <translation>Avant de remplacer %1, Quillon l&apos;a copié dans %2, car la liste n&apos;a pas repris tout ce que contenait ce fichier.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 could not be read when it was loaded (%2), so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas été enregistré : %1 n&apos;a pas pu être lu au chargement (%2), donc Quillon ne le remplace pas. Pour garder vos adresses, enregistrez-les dans un autre fichier avec Fichier, « Enregistrer les adresses sous ».</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 is read-only, so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;, or make that file writable.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas été enregistré : %1 est en lecture seule, donc Quillon ne le remplace pas. Pour garder vos adresses, enregistrez-les dans un autre fichier avec Fichier, « Enregistrer les adresses sous », ou rendez ce fichier modifiable.</translation>
    </message>
    <message>
        <source>The address book could not be saved to %1: %2.
That file was left as it was.</source>
        <translation>Le carnet d&apos;adresses n&apos;a pas pu être enregistré dans %1 : %2.
Ce fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>The address book file in use is still %1.</source>
        <translation>Le fichier du carnet d&apos;adresses utilisé reste %1.</translation>
    </message>
    <message>
        <source>The address book %1 is being saved by another running copy of Quillon, which did not finish in time, so it was not saved now.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>Le carnet d&apos;adresses %1 est en cours d&apos;enregistrement par une autre instance de Quillon, qui n&apos;a pas terminé à temps ; il n&apos;a donc pas été enregistré maintenant.
Rien n&apos;est perdu : la liste garde votre modification, et le prochain enregistrement du carnet d&apos;adresses l&apos;écrira.</translation>
    </message>
    <message>
        <source>The address book %1 was not saved: %2 is %3, not a lock file. Where the folder keeps no locks of its own, Quillon needs that name for the lock file that keeps two running copies from saving at once. Rename or remove it, then save again.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>Le carnet d&apos;adresses %1 n&apos;a pas été enregistré : %2 est %3, pas un fichier de verrou. Là où le dossier ne gère pas de verrous lui-même, Quillon a besoin de ce nom pour le fichier de verrou qui empêche deux instances d&apos;enregistrer en même temps. Renommez-le ou supprimez-le, puis enregistrez de nouveau.
Rien n&apos;est perdu : la liste garde votre modification, et le prochain enregistrement du carnet d&apos;adresses l&apos;écrira.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the address book?</source>
        <translation>%1 existe déjà. Le remplacer par le carnet d&apos;adresses ?</translation>
    </message>
    <message>
        <source>The address book is still not saved, so your latest changes to it would be lost.
Quit without saving them?</source>
        <translation>Le carnet d&apos;adresses n&apos;est toujours pas enregistré, vos dernières modifications seraient donc perdues.
Quitter sans les enregistrer ?</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <source>(not used)</source>
        <translation>(inutilisée)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Region or state</source>
        <translation>Région ou État</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Columns of the Contacts File</source>
        <translation>Colonnes du fichier de contacts</translation>
    </message>
    <message>
        <source>Quillon does not know the columns of %1. Choose what each column holds; several columns may hold parts of the name or of the street. The choice is kept for the next file with these headers.</source>
        <translation>Quillon ne connaît pas les colonnes de %1. Choisissez ce que contient chaque colonne ; plusieurs colonnes peuvent contenir des parties du nom ou de la rue. Ce choix est gardé pour le prochain fichier ayant ces en-têtes.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Premier contact : %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a column&apos;s header, then its first value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 columns are shown; the others are read as they were recognised, or not at all.</source>
        <translation>Seules les %1 premières des %2 colonnes sont affichées ; les autres sont lues telles qu&apos;elles ont été reconnues, ou pas du tout.</translation>
    </message>
</context>
<context>
    <name>ContactImportFlow</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
</context>
<context>
    <name>ContactReviewDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>%1 holds one contact with a postal address.</source>
        <translation>%1 contient un contact avec une adresse postale.</translation>
    </message>
    <message>
        <source>%1 holds %2 contacts with a postal address.</source>
        <translation>%1 contient %2 contacts avec une adresse postale.</translation>
    </message>
    <message>
        <source>Tick those to add to the address book (Space ticks or unticks the chosen one).</source>
        <translation>Cochez ceux à ajouter au carnet d&apos;adresses (Espace coche ou décoche celui choisi).</translation>
    </message>
    <message>
        <source>Its columns were read as a %1 export.</source>
        <translation>Ses colonnes ont été lues comme un export %1.</translation>
    </message>
    <message>
        <source>Contacts to add</source>
        <translation>Contacts à ajouter</translation>
    </message>
    <message>
        <source>Each contact as its envelope lines; ticked ones are added</source>
        <translation>Chaque contact sous forme de lignes d&apos;enveloppe ; ceux cochés sont ajoutés</translation>
    </message>
    <message>
        <source>&amp;Contacts:</source>
        <translation>&amp;Contacts :</translation>
    </message>
    <message>
        <source>Address of the chosen contact</source>
        <translation>Adresse du contact choisi</translation>
    </message>
    <message>
        <source>For a contact with several addresses, the one to print</source>
        <translation>Pour un contact ayant plusieurs adresses, celle à imprimer</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>Adr&amp;esse :</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a skipped contact, then why</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Skipped contacts</source>
        <translation>Contacts ignorés</translation>
    </message>
    <message>
        <source>Contacts that are not added, each with the reason</source>
        <translation>Contacts qui ne sont pas ajoutés, chacun avec la raison</translation>
    </message>
    <message>
        <source>&amp;Skipped (%1):</source>
        <translation>&amp;Ignorés (%1) :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Ticked: %1 of %2. Skipped: %3. Already in the address book: %4.</source>
        <translation>Cochés : %1 sur %2. Ignorés : %3. Déjà dans le carnet d&apos;adresses : %4.</translation>
    </message>
    <message>
        <source>Twice in the file: %1.</source>
        <translation>Deux fois dans le fichier : %1.</translation>
    </message>
    <message>
        <source>&amp;Add 1 Address</source>
        <translation>&amp;Ajouter 1 adresse</translation>
    </message>
    <message>
        <source>&amp;Add %1 Addresses</source>
        <translation>&amp;Ajouter %1 adresses</translation>
    </message>
</context>
<context>
    <name>ContactReviewModel</name>
    <message>
        <source>already in the address book</source>
        <translation>déjà dans le carnet d&apos;adresses</translation>
    </message>
    <message>
        <source>the same as a contact above</source>
        <translation>identique à un contact ci-dessus</translation>
    </message>
    <message>
        <source>address %1 of %2</source>
        <translation>adresse %1 sur %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Coché</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Non coché</translation>
    </message>
</context>
<context>
    <name>ContactTexts</name>
    <message>
        <source>no postal address</source>
        <translation>pas d&apos;adresse postale</translation>
    </message>
    <message>
        <source>a group of contacts, not a contact</source>
        <translation>un groupe de contacts, pas un contact</translation>
    </message>
    <message>
        <source>the contact without a name at line %1</source>
        <translation>le contact sans nom à la ligne %1</translation>
    </message>
    <message>
        <source>this line is not part of a vCard (each vCard starts with BEGIN:VCARD)</source>
        <translation>cette ligne ne fait pas partie d&apos;une vCard (chaque vCard commence par BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>a vCard starts here before the one that starts at line %1 has ended</source>
        <translation>une vCard commence ici avant la fin de celle qui commence à la ligne %1</translation>
    </message>
    <message>
        <source>END:VCARD without a BEGIN:VCARD before it</source>
        <translation>END:VCARD sans BEGIN:VCARD avant</translation>
    </message>
    <message>
        <source>the file ends inside the vCard that starts at line %1 (its END:VCARD is missing)</source>
        <translation>le fichier se termine à l&apos;intérieur de la vCard qui commence à la ligne %1 (son END:VCARD manque)</translation>
    </message>
    <message>
        <source>a field in quotes starts here and its closing quote is missing</source>
        <translation>un champ entre guillemets commence ici et son guillemet fermant manque</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Travail</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an address&apos;s kind, then its lines</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large (%1 MB; contacts files of up to %2 MB are read)</source>
        <translation>il est trop grand (%1 Mo ; les fichiers de contacts jusqu&apos;à %2 Mo sont lus)</translation>
    </message>
    <message>
        <source>The contacts file %1 could not be read: %2.
Nothing was added to the address book.</source>
        <translation>Le fichier de contacts %1 n&apos;a pas pu être lu : %2.
Rien n&apos;a été ajouté au carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>The file %1 holds no contacts, so nothing was added to the address book.</source>
        <translation>Le fichier %1 ne contient aucun contact, donc rien n&apos;a été ajouté au carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>Added to the address book: %1
Skipped: %2
Already in the address book: %3</source>
        <translation>Ajoutés au carnet d&apos;adresses : %1
Ignorés : %2
Déjà dans le carnet d&apos;adresses : %3</translation>
    </message>
    <message>
        <source>Twice in the file: %1</source>
        <translation>Deux fois dans le fichier : %1</translation>
    </message>
    <message>
        <source>Not ticked: %1</source>
        <translation>Non cochés : %1</translation>
    </message>
    <message>
        <source>The address book is empty, so there is nothing to export.</source>
        <translation>Le carnet d&apos;adresses est vide, il n&apos;y a donc rien à exporter.</translation>
    </message>
    <message>
        <source>One address was exported to %1.</source>
        <translation>Une adresse a été exportée dans %1.</translation>
    </message>
    <message>
        <source>%1 addresses were exported to %2.</source>
        <translation>%1 adresses ont été exportées dans %2.</translation>
    </message>
    <message>
        <source>The contacts could not be exported to %1: %2.
That file was left as it was.</source>
        <translation>Les contacts n&apos;ont pas pu être exportés dans %1 : %2.
Ce fichier est resté tel quel.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>the postal code does not look like one of %1</source>
        <translation>le code postal ne ressemble pas à un code de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%n valeur plus longue que %1 caractères a été coupée à cette longueur.</numerusform>
            <numerusform>%n valeurs plus longues que %1 caractères ont été coupées à cette longueur.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1... (%2 more characters)</source>
        <translation>%1... (%2 caractères de plus)</translation>
    </message>
</context>
<context>
    <name>CupsDefaultPrinter</name>
    <message>
        <source>default printer</source>
        <translation>imprimante par défaut</translation>
    </message>
    <message>
        <source>Quillon cannot reach the print service (CUPS).
Check that it is running.</source>
        <translation>Quillon ne peut pas joindre le service d&apos;impression (CUPS).
Vérifiez qu&apos;il fonctionne.</translation>
    </message>
    <message>
        <source>The print service (CUPS) does not answer.
It may be busy or stuck: try again in a moment, or restart it.</source>
        <translation>Le service d&apos;impression (CUPS) ne répond pas.
Il est peut-être occupé ou bloqué : réessayez dans un instant, ou redémarrez-le.</translation>
    </message>
    <message>
        <source>Quillon found no default printer.
Check that the print service (CUPS) is running and that a default printer is chosen in the system&apos;s printer settings.</source>
        <translation>Quillon n&apos;a trouvé aucune imprimante par défaut.
Vérifiez que le service d&apos;impression (CUPS) fonctionne et qu&apos;une imprimante par défaut est choisie dans les paramètres d&apos;impression du système.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; chosen in the envelope set-up no longer exists.
Choose another printer under Options &gt; Envelope.</source>
        <translation>L&apos;imprimante « %1 » choisie dans la configuration de l&apos;enveloppe n&apos;existe plus.
Choisissez une autre imprimante sous Options &gt; Enveloppe.</translation>
    </message>
    <message>
        <source>The print system refused the envelope for the printer &quot;%1&quot;:
%2</source>
        <translation>Le système d&apos;impression a refusé l&apos;enveloppe pour l&apos;imprimante « %1 » :
%2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; lists no paper of %2 × %3 mm and takes no custom size like it: the print service will print the envelope on other paper, scaled or moved.</source>
        <translation>L&apos;imprimante « %1 » ne propose aucun papier de %2 × %3 mm et n&apos;accepte aucun format personnalisé de ce genre : le service d&apos;impression imprimera l&apos;enveloppe sur un autre papier, mise à l&apos;échelle ou déplacée.</translation>
    </message>
    <message>
        <source>Quillon has not heard from the print service yet.</source>
        <translation>Quillon n&apos;a pas encore eu de réponse du service d&apos;impression.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.
Let it accept jobs in the system&apos;s printer settings and try again.</source>
        <translation>L&apos;imprimante « %1 » n&apos;accepte pas de travaux.
Autorisez-la à accepter des travaux dans les paramètres d&apos;impression du système et réessayez.</translation>
    </message>
    <message>
        <source>The print service (CUPS) stopped answering while the envelope was sent. It may not have been printed: look at the printer&apos;s queue before printing it again.</source>
        <translation>Le service d&apos;impression (CUPS) a cessé de répondre pendant l&apos;envoi de l&apos;enveloppe. Elle n&apos;a peut-être pas été imprimée : regardez la file d&apos;attente de l&apos;imprimante avant de l&apos;imprimer de nouveau.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the envelope waits in its queue and prints when the printer is resumed.</source>
        <translation>L&apos;imprimante « %1 » est en pause : l&apos;enveloppe attend dans sa file d&apos;attente et sera imprimée quand l&apos;imprimante reprendra.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no driver: the print service passes the envelope&apos;s page of %2 × %3 mm to it unchanged, and the printer itself decides what paper it prints on.</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas de pilote : le service d&apos;impression lui transmet telle quelle la page de l&apos;enveloppe de %2 × %3 mm, et l&apos;imprimante décide elle-même sur quel papier elle imprime.</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Rechercher les doublons</translation>
    </message>
    <message>
        <source>These addresses are the same when case, spaces, punctuation and line breaks are ignored. OK removes the ticked ones.</source>
        <translation>Ces adresses sont identiques si l&apos;on ignore la casse, les espaces, la ponctuation et les sauts de ligne. OK retire celles qui sont cochées.</translation>
    </message>
    <message>
        <source>Duplicate addresses</source>
        <translation>Adresses en double</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <extracomment>%1 is how many entries hold the same address.</extracomment>
        <translation>%1 exemplaires</translation>
    </message>
</context>
<context>
    <name>EditAddressDialog</name>
    <message>
        <source>Edit Address</source>
        <translation>Modifier l&apos;adresse</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>%1 is empty. Enter a number of %2.</source>
        <extracomment>%1 names the field (&quot;Return address X offset&quot;), %2 is its unit (&quot;centimetres&quot;).</extracomment>
        <translation>%1 est vide. Saisissez un nombre de %2.</translation>
    </message>
    <message>
        <source>%1 is out of range: &apos;%2&apos; (from %3 to %4 %5).</source>
        <extracomment>%1 names the field, %2 is what was typed, %3 to %4 the range in the unit %5.</extracomment>
        <translation>%1 est hors limites : « %2 » (de %3 à %4 %5).</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;.</source>
        <translation>%1 n&apos;est pas un nombre : « %2 ».</translation>
    </message>
    <message>
        <source>%1 print font size</source>
        <extracomment>%1 names the block: &quot;Return address&quot; or &quot;To address&quot;.</extracomment>
        <translation>La taille de police d&apos;impression de l&apos;%1</translation>
    </message>
    <message>
        <source>points</source>
        <translation>points</translation>
    </message>
    <message>
        <source>%1 X offset</source>
        <translation>Le décalage X de l&apos;%1</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>%1 Y offset</source>
        <translation>Le décalage Y de l&apos;%1</translation>
    </message>
    <message>
        <source>%1 Nothing was printed.</source>
        <extracomment>%1 says which field is wrong and how.</extracomment>
        <translation>%1 Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>%1
Nothing was printed.</source>
        <translation>%1
Rien n&apos;a été imprimé.</translation>
    </message>
</context>
<context>
    <name>EnvelopePreview</name>
    <message>
        <source>1 line runs off the left edge</source>
        <translation>1 ligne dépasse le bord gauche</translation>
    </message>
    <message>
        <source>%1 lines run off the left edge</source>
        <translation>%1 lignes dépassent le bord gauche</translation>
    </message>
    <message>
        <source>1 line runs off the top edge</source>
        <translation>1 ligne dépasse le bord supérieur</translation>
    </message>
    <message>
        <source>%1 lines run off the top edge</source>
        <translation>%1 lignes dépassent le bord supérieur</translation>
    </message>
    <message>
        <source>1 line runs off the right edge</source>
        <translation>1 ligne dépasse le bord droit</translation>
    </message>
    <message>
        <source>%1 lines run off the right edge</source>
        <translation>%1 lignes dépassent le bord droit</translation>
    </message>
    <message>
        <source>1 line runs off the bottom edge</source>
        <translation>1 ligne dépasse le bord inférieur</translation>
    </message>
    <message>
        <source>%1 lines run off the bottom edge</source>
        <translation>%1 lignes dépassent le bord inférieur</translation>
    </message>
    <message>
        <source>Every line fits in the printable area.</source>
        <translation>Toutes les lignes tiennent dans la zone imprimable.</translation>
    </message>
    <message>
        <source>%1 of the printable area.</source>
        <translation>%1 de la zone imprimable.</translation>
    </message>
    <message>
        <source>Envelope Preview</source>
        <translation>Aperçu de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Aperçu de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Lines off the printable area</source>
        <translation>Lignes hors de la zone imprimable</translation>
    </message>
    <message>
        <source>Prints: %1. %2</source>
        <translation>Imprime : %1. %2</translation>
    </message>
    <message>
        <source>Printer, tray and size shown</source>
        <translation>Imprimante, bac et format affichés</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>Envelope width</source>
        <translation>Largeur de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Envelope height</source>
        <translation>Hauteur de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Calibration shift X</source>
        <translation>Décalage d&apos;étalonnage X</translation>
    </message>
    <message>
        <source>Calibration shift Y</source>
        <translation>Décalage d&apos;étalonnage Y</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupDialog</name>
    <message>
        <source>Envelope</source>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>The printer envelopes go to; each printer keeps its own set-up</source>
        <translation>L&apos;imprimante qui reçoit les enveloppes ; chaque imprimante garde sa propre configuration</translation>
    </message>
    <message>
        <source>System default printer</source>
        <translation>Imprimante par défaut du système</translation>
    </message>
    <message>
        <source>Envelope width (mm)</source>
        <translation>Largeur de l&apos;enveloppe (mm)</translation>
    </message>
    <message>
        <source>Used with the custom size</source>
        <translation>Utilisée avec le format personnalisé</translation>
    </message>
    <message>
        <source>Envelope height (mm)</source>
        <translation>Hauteur de l&apos;enveloppe (mm)</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Bac</translation>
    </message>
    <message>
        <source>Where the printer takes the envelope from</source>
        <translation>D&apos;où l&apos;imprimante prend l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Printer&apos;s choice</source>
        <translation>Choix de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Paper type</source>
        <translation>Type de papier</translation>
    </message>
    <message>
        <source>What the printer is told it prints on</source>
        <translation>Ce sur quoi l&apos;imprimante croit imprimer</translation>
    </message>
    <message>
        <source>Calibration shift X (mm)</source>
        <translation>Décalage d&apos;étalonnage X (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks right; negative moves them left</source>
        <translation>Déplace les deux blocs vers la droite ; une valeur négative les déplace vers la gauche</translation>
    </message>
    <message>
        <source>Calibration shift Y (mm)</source>
        <translation>Décalage d&apos;étalonnage Y (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks down; negative moves them up</source>
        <translation>Déplace les deux blocs vers le bas ; une valeur négative les déplace vers le haut</translation>
    </message>
    <message>
        <source>&amp;Turn the envelope 180°</source>
        <translation>&amp;Tourner l&apos;enveloppe de 180°</translation>
    </message>
    <message>
        <source>Envelope size</source>
        <translation>Format de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Turn the envelope 180°</source>
        <translation>Tourner l&apos;enveloppe de 180°</translation>
    </message>
    <message>
        <source>Print all selected addresses as &amp;one job</source>
        <translation>Imprimer toutes les adresses sélectionnées en &amp;un seul travail</translation>
    </message>
    <message>
        <source>Print all selected addresses as one job</source>
        <translation>Imprimer toutes les adresses sélectionnées en un seul travail</translation>
    </message>
    <message>
        <source>Print All Selected Address sends one document, a page per address, without pauses</source>
        <translation>Imprimer toutes les adresses cochées envoie un seul document, une page par adresse, sans pause</translation>
    </message>
    <message>
        <source>How to feed the envelope</source>
        <translation>Comment insérer l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Envelope size on this printer</source>
        <translation>Format de l&apos;enveloppe sur cette imprimante</translation>
    </message>
    <message>
        <source>Pr&amp;inter:</source>
        <translation>Imp&amp;rimante :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensions :</translation>
    </message>
    <message>
        <source>T&amp;ray:</source>
        <translation>&amp;Bac :</translation>
    </message>
    <message>
        <source>P&amp;aper type:</source>
        <translation>Type de &amp;papier :</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Aperçu de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>Print T&amp;est Envelope</source>
        <translation>Imprimer une enveloppe de t&amp;est</translation>
    </message>
    <message>
        <source>Print test envelope</source>
        <translation>Imprimer une enveloppe de test</translation>
    </message>
    <message>
        <source>Prints the printable area, a millimetre scale and a cross where each block starts, to measure the calibration shift</source>
        <translation>Imprime la zone imprimable, une échelle en millimètres et une croix là où commence chaque bloc, pour mesurer le décalage d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (not listed by the print service)</source>
        <translation>%1 (non proposée par le service d&apos;impression)</translation>
    </message>
    <message>
        <source>%1 (not offered by this printer)</source>
        <translation>%1 (non proposé par cette imprimante)</translation>
    </message>
    <message>
        <source>face up</source>
        <translation>face dessus</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>face dessous</translation>
    </message>
    <message>
        <source>Envelopes go in</source>
        <translation>Enveloppes insérées</translation>
    </message>
    <message>
        <source>The side the printer prints on as the envelope lies in the tray; the test envelope tells which</source>
        <translation>Le côté sur lequel l&apos;imprimante imprime, selon la position de l&apos;enveloppe dans le bac ; l&apos;enveloppe de test indique lequel</translation>
    </message>
    <message>
        <source>P&amp;lace the To Address for this size</source>
        <translation>Pla&amp;cer l&apos;adresse du destinataire pour ce format</translation>
    </message>
    <message>
        <source>Place the To Address for this size</source>
        <translation>Placer l&apos;adresse du destinataire pour ce format</translation>
    </message>
    <message>
        <source>Sets the To Address offsets so that the block starts in the envelope&apos;s address zone</source>
        <translation>Règle les décalages de l&apos;adresse du destinataire pour que le bloc commence dans la zone d&apos;adresse de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur :</translation>
    </message>
    <message>
        <source>Shift &amp;X:</source>
        <translation>Décalage &amp;X :</translation>
    </message>
    <message>
        <source>Shift &amp;Y:</source>
        <translation>Décalage &amp;Y :</translation>
    </message>
    <message>
        <source>Envelopes &amp;go in:</source>
        <translation>Enveloppes &amp;insérées :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>No 10 (4⅛ × 9½ po)</translation>
    </message>
    <message>
        <source>No. 9 (3⅞ × 8⅞ in)</source>
        <translation>No 9 (3⅞ × 8⅞ po)</translation>
    </message>
    <message>
        <source>Monarch (3⅞ × 7½ in)</source>
        <translation>Monarch (3⅞ × 7½ po)</translation>
    </message>
    <message>
        <source>6 × 9 in</source>
        <translation>6 × 9 po</translation>
    </message>
    <message>
        <source>Printer paper</source>
        <translation>Papier de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Custom (width × height in mm)</source>
        <translation>Personnalisé (largeur × hauteur en mm)</translation>
    </message>
</context>
<context>
    <name>FeedDirection</name>
    <message>
        <source>Feed the envelope short edge first, the return address end leading.</source>
        <translation>Insérez l&apos;enveloppe par le petit côté, le côté de l&apos;adresse de l&apos;expéditeur en premier.</translation>
    </message>
    <message>
        <source>Feed the envelope short edge first, the stamp end leading.</source>
        <translation>Insérez l&apos;enveloppe par le petit côté, le côté du timbre en premier.</translation>
    </message>
    <message>
        <source>This printer does not say which way it turns the page; Quillon takes it as clockwise, as the print service does. Print a test envelope to check.</source>
        <translation>Cette imprimante n&apos;indique pas dans quel sens elle tourne la page ; Quillon suppose le sens horaire, comme le service d&apos;impression. Imprimez une enveloppe de test pour vérifier.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn clockwise.</source>
        <translation>Cette imprimante tourne la page d&apos;un quart de tour dans le sens horaire.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn counter-clockwise.</source>
        <translation>Cette imprimante tourne la page d&apos;un quart de tour dans le sens antihoraire.</translation>
    </message>
    <message>
        <source>The side to be addressed faces up.</source>
        <translation>Le côté à adresser est tourné vers le haut.</translation>
    </message>
    <message>
        <source>The side to be addressed faces down.</source>
        <translation>Le côté à adresser est tourné vers le bas.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face up.</source>
        <translation>Réglé pour des enveloppes insérées face dessus.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced down, choose &quot;Envelopes go in face down&quot;.</source>
        <translation>Si cette impression est sur le côté tourné vers le bas, choisissez « Enveloppes insérées face dessous ».</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face down.</source>
        <translation>Réglé pour des enveloppes insérées face dessous.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced up, choose &quot;Envelopes go in face up&quot;.</source>
        <translation>Si cette impression est sur le côté tourné vers le haut, choisissez « Enveloppes insérées face dessus ».</translation>
    </message>
</context>
<context>
    <name>FeedPicture</name>
    <message>
        <source>How the envelope goes into the printer</source>
        <translation>Comment l&apos;enveloppe entre dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
</context>
<context>
    <name>FileSettingsBackend</name>
    <message>
        <source>The saved settings could not be read, so Quillon starts with its default settings. The old settings were kept in:
%1</source>
        <translation>Les réglages enregistrés n&apos;ont pas pu être lus, donc Quillon démarre avec ses réglages par défaut. Les anciens réglages ont été gardés dans :
%1</translation>
    </message>
    <message>
        <source>The saved settings in %1 could not be read and could not be moved aside. Quillon starts with its default settings and will not save settings in this run.</source>
        <translation>Les réglages enregistrés dans %1 n&apos;ont pas pu être lus ni mis de côté. Quillon démarre avec ses réglages par défaut et n&apos;enregistrera pas de réglages pendant cette session.</translation>
    </message>
    <message>
        <source>These saved settings could not be read and start with their defaults: %1.
The damaged values were kept beside the others, in:
%2</source>
        <translation>Ces réglages enregistrés n&apos;ont pas pu être lus et reprennent leur valeur par défaut : %1.
Les valeurs endommagées ont été gardées à côté des autres, dans :
%2</translation>
    </message>
    <message>
        <source>
Some could not be renamed; Quillon leaves them as they are and will not save those settings in this run.</source>
        <translation>
Certains n&apos;ont pas pu être renommés ; Quillon les laisse tels quels et n&apos;enregistrera pas ces réglages pendant cette session.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in addresses</source>
        <translation>Rechercher dans les adresses</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quillon cannot save your settings: the settings store cannot be written.
You can go on working, but what you type now will not come back at the next start.</source>
        <translation>Quillon ne peut pas enregistrer vos réglages : l&apos;emplacement des réglages n&apos;est pas accessible en écriture.
Vous pouvez continuer à travailler, mais ce que vous saisissez maintenant ne reviendra pas au prochain démarrage.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the select addresses?</source>
        <translation>Voulez-vous vraiment supprimer les adresses sélectionnées ?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Importer des données</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importer des contacts</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Contacts (*.vcf *.vcard *.csv);;Tous les fichiers (*)</translation>
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
        <translation>Exporter des contacts</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>adresse de l&apos;expéditeur</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>adresse du destinataire</translation>
    </message>
    <message>
        <source>Quillon 2.1

Written By: %1
Email: %2 
Web Site: %3 
</source>
        <translation>Quillon 2.1

Écrit par : %1
Courriel : %2 
Site web : %3 
</translation>
    </message>
    <message>
        <source>Could you please mail any suggestions to %1</source>
        <translation>Merci d&apos;envoyer vos suggestions par courriel à %1</translation>
    </message>
    <message>
        <source>You need to add the address into the textbox above before clicking the import addressess icon.</source>
        <translation>Vous devez saisir l&apos;adresse dans la zone de texte ci-dessus avant de cliquer sur l&apos;icône d&apos;import des adresses.</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>Imprimer quand même ?</translation>
    </message>
    <message>
        <source>Print All progress</source>
        <translation>Progression de l&apos;impression</translation>
    </message>
    <message>
        <source>Save Envelopes as PDF</source>
        <translation>Enregistrer les enveloppes en PDF</translation>
    </message>
    <message>
        <source>Envelopes.pdf</source>
        <translation>Enveloppes.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving envelopes as PDF</source>
        <translation>Enregistrement des enveloppes en PDF</translation>
    </message>
    <message>
        <source>Printing envelope %1 of %2</source>
        <translation>Impression de l&apos;enveloppe %1 sur %2</translation>
    </message>
    <message>
        <source>Preparing envelope %1 of %2</source>
        <translation>Préparation de l&apos;enveloppe %1 sur %2</translation>
    </message>
    <message>
        <source>Laying out envelope %1 of %2</source>
        <translation>Mise en page de l&apos;enveloppe %1 sur %2</translation>
    </message>
    <message>
        <source>Saving the PDF file</source>
        <translation>Enregistrement du fichier PDF</translation>
    </message>
    <message>
        <source>Sending the job to the printer</source>
        <translation>Envoi du travail à l&apos;imprimante</translation>
    </message>
    <message>
        <source>There is no envelope to save: it has no line.</source>
        <translation>Il n&apos;y a aucune enveloppe à enregistrer : elle n&apos;a aucune ligne.</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default settings?</source>
        <translation>Voulez-vous vraiment rétablir les réglages par défaut ?</translation>
    </message>
    <message>
        <source>The saved settings could not be removed:
%1
They stay as they are, and Quillon goes on running.</source>
        <translation>Les réglages enregistrés n&apos;ont pas pu être supprimés :
%1
Ils restent tels quels, et Quillon continue de fonctionner.</translation>
    </message>
    <message>
        <source>Please restart Quillon</source>
        <translation>Veuillez redémarrer Quillon</translation>
    </message>
    <message>
        <source>Quillon 2.1 - By: Tarvik </source>
        <translation>Quillon 2.1 - Par : Tarvik </translation>
    </message>
    <message>
        <source>From Addres:</source>
        <translation>Expéditeur :</translation>
    </message>
    <message>
        <source>To Address:</source>
        <translation>Destinataire :</translation>
    </message>
    <message>
        <source>Saved Addresses:</source>
        <translation>Adresses enregistrées :</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X :</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y :</translation>
    </message>
    <message>
        <source>Save Address</source>
        <translation>Garder l&apos;adresse</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Retirer les cochées</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Print All Selected Address</source>
        <translation>Imprimer toutes les adresses cochées</translation>
    </message>
    <message>
        <source>Address Importer</source>
        <translation>Import d&apos;adresses</translation>
    </message>
    <message>
        <source>Line Delimiter</source>
        <translation>Séparateur de lignes</translation>
    </message>
    <message>
        <source>Specify:</source>
        <translation>Préciser :</translation>
    </message>
    <message>
        <source>Address Delimiter</source>
        <translation>Séparateur d&apos;adresses</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importer les adresses</translation>
    </message>
    <message>
        <source>Clear Addresses</source>
        <translation>Effacer les adresses</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation>Réglages des polices</translation>
    </message>
    <message>
        <source>Return Address Display Font Size:</source>
        <translation>Taille de police d&apos;affichage de l&apos;expéditeur :</translation>
    </message>
    <message>
        <source>Return Address Print Font Size:</source>
        <translation>Taille de police d&apos;impression de l&apos;expéditeur :</translation>
    </message>
    <message>
        <source>To Address Display Font Size:</source>
        <translation>Taille de police d&apos;affichage du destinataire :</translation>
    </message>
    <message>
        <source>To Address Print Font Size:</source>
        <translation>Taille de police d&apos;impression du destinataire :</translation>
    </message>
    <message>
        <source>Font Type:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Hide Settings</source>
        <translation>Masquer les réglages</translation>
    </message>
    <message>
        <source>Default Font Settings</source>
        <translation>Polices par défaut</translation>
    </message>
    <message>
        <source>Save Addresses As</source>
        <translation>Enregistrer les adresses sous</translation>
    </message>
    <message>
        <source>Cancel It</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save Addresses &amp;As</source>
        <translation>Enregistrer les adresses &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importer des adresses</translation>
    </message>
    <message>
        <source>Import C&amp;ontacts...</source>
        <translation>Importer des &amp;contacts...</translation>
    </message>
    <message>
        <source>Expor&amp;t Contacts...</source>
        <translation>E&amp;xporter des contacts...</translation>
    </message>
    <message>
        <source>Save &amp;Envelopes as PDF...</source>
        <translation>Enregistrer les enveloppes en &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Custom Programming</source>
        <translation>Développement sur &amp;mesure</translation>
    </message>
    <message>
        <source>S&amp;uggestions</source>
        <translation>Su&amp;ggestions</translation>
    </message>
    <message>
        <source>Sample &amp;1</source>
        <translation>Exemple &amp;1</translation>
    </message>
    <message>
        <source>Sample &amp;2</source>
        <translation>Exemple &amp;2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>Réglages des &amp;polices</translation>
    </message>
    <message>
        <source>&amp;Restore Default Settings</source>
        <translation>&amp;Rétablir les réglages par défaut</translation>
    </message>
    <message>
        <source>&amp;Envelope...</source>
        <translation>&amp;Enveloppe...</translation>
    </message>
    <message>
        <source>Envelope &amp;Preview</source>
        <translation>&amp;Aperçu de l&apos;enveloppe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Quillon &amp;Manual</source>
        <translation>&amp;Manuel de Quillon</translation>
    </message>
</context>
<context>
    <name>JobTroubleTexts</name>
    <message>
        <source>The print service gave the envelope up.</source>
        <translation>Le service d&apos;impression a abandonné l&apos;enveloppe.</translation>
    </message>
    <message>
        <source>Check the printer and its settings, then print the envelope again.</source>
        <translation>Vérifiez l&apos;imprimante et ses paramètres, puis imprimez de nouveau l&apos;enveloppe.</translation>
    </message>
    <message>
        <source>The printer stopped while printing the envelope.</source>
        <translation>L&apos;imprimante s&apos;est arrêtée pendant l&apos;impression de l&apos;enveloppe.</translation>
    </message>
    <message>
        <source>Check the printer, then restart the job, or cancel it, in the system&apos;s printer settings.</source>
        <translation>Vérifiez l&apos;imprimante, puis relancez le travail, ou annulez-le, dans les paramètres d&apos;impression du système.</translation>
    </message>
    <message>
        <source>The print service holds the envelope and will not print it on its own.</source>
        <translation>Le service d&apos;impression retient l&apos;enveloppe et ne l&apos;imprimera pas de lui-même.</translation>
    </message>
    <message>
        <source>Check the envelope&apos;s size, tray and paper type in the envelope set-up, and that the printer takes them; then cancel the held job and print again.</source>
        <translation>Vérifiez les dimensions, le bac et le type de papier de l&apos;enveloppe dans la configuration de l&apos;enveloppe, et que l&apos;imprimante les accepte ; puis annulez le travail retenu et imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The printer stopped, and the envelope waits in its queue.</source>
        <translation>L&apos;imprimante s&apos;est arrêtée, et l&apos;enveloppe attend dans sa file d&apos;attente.</translation>
    </message>
    <message>
        <source>Check the printer, then resume it in the system&apos;s printer settings: the envelope prints then.</source>
        <translation>Vérifiez l&apos;imprimante, puis faites-la reprendre dans les paramètres d&apos;impression du système : l&apos;enveloppe sera alors imprimée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; says: %2</source>
        <translation>L&apos;imprimante « %1 » indique : %2</translation>
    </message>
    <message>
        <source>An envelope sent to the printer &quot;%1&quot; has not printed.</source>
        <translation>Une enveloppe envoyée à l&apos;imprimante « %1 » n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; has not printed on the printer &quot;%2&quot;.</source>
        <translation>L&apos;enveloppe pour « %1 » n&apos;a pas été imprimée sur l&apos;imprimante « %2 ».</translation>
    </message>
</context>
<context>
    <name>ManualFlow</name>
    <message>
        <source>Quillon could not start a web browser to open %1.

Do you want to read the Quillon Manual, which comes with the program, instead?</source>
        <translation>Quillon n&apos;a pas pu lancer de navigateur web pour ouvrir %1.

Voulez-vous plutôt lire le manuel de Quillon, fourni avec le programme ?</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Quillon Manual</source>
        <translation>Manuel de Quillon</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
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
        <translation>« %1 » n&apos;est pas un fichier que Quillon peut remplacer.</translation>
    </message>
    <message>
        <source>Quillon could not write &quot;%1&quot;: %2.</source>
        <translation>Quillon n&apos;a pas pu écrire « %1 » : %2.</translation>
    </message>
</context>
<context>
    <name>PrintAll</name>
    <message>
        <source>(an empty address)</source>
        <translation>(une adresse vide)</translation>
    </message>
    <message>
        <source>The envelopes were not saved as &quot;%1&quot;; a file already there is as it was.

%2</source>
        <extracomment>%1 is the file chosen, %2 why it was not written.</extracomment>
        <translation>Les enveloppes n&apos;ont pas été enregistrées sous « %1 » ; un fichier déjà présent est resté tel quel.

%2</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; could not be made:
%2</source>
        <translation>L&apos;enveloppe pour « %1 » n&apos;a pas pu être créée :
%2</translation>
    </message>
    <message>
        <source>Print All sent nothing: the print job was refused.

%1</source>
        <translation>L&apos;impression de toutes les adresses n&apos;a rien envoyé : le travail d&apos;impression a été refusé.

%1</translation>
    </message>
    <message>
        <source>Print All sent nothing: the envelope for &quot;%1&quot; could not be made.

%2</source>
        <translation>L&apos;impression de toutes les adresses n&apos;a rien envoyé : l&apos;enveloppe pour « %1 » n&apos;a pas pu être créée.

%2</translation>
    </message>
    <message>
        <source>Print All printed nothing: the envelope for &quot;%1&quot; failed.

%2</source>
        <translation>L&apos;impression de toutes les adresses n&apos;a rien imprimé : l&apos;enveloppe pour « %1 » a échoué.

%2</translation>
    </message>
    <message>
        <source>Print All stopped at the envelope for &quot;%1&quot;, which was not printed.

%2

Envelopes printed before it: %3 of %4.
Untick the addresses already printed, so that the next Print All goes on from &quot;%1&quot;?</source>
        <extracomment>%1 is the first line of the address whose envelope failed, %2 why, %3 of %4 how many went out.</extracomment>
        <translation>L&apos;impression de toutes les adresses s&apos;est arrêtée à l&apos;enveloppe pour « %1 », qui n&apos;a pas été imprimée.

%2

Enveloppes imprimées avant elle : %3 sur %4.
Décocher les adresses déjà imprimées, pour que la prochaine impression reprenne à « %1 » ?</translation>
    </message>
    <message>
        <source>Print All was stopped after %1 of %2 envelopes.
Untick the addresses already printed, so that the next Print All goes on from where it stopped?</source>
        <extracomment>%1 of %2 is how many envelopes went out before the user stopped the run.</extracomment>
        <translation>« Tout imprimer » a été arrêté après %1 enveloppes sur %2.
Décocher les adresses déjà imprimées, pour que le prochain « Tout imprimer » reprenne là où il s&apos;est arrêté ?</translation>
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
        <translation>Enveloppes terminées</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Ends the run once the envelope being made is done (Escape). F6 moves between this window and the main window.</source>
        <translation>Termine l&apos;impression une fois l&apos;enveloppe en cours achevée (Échap). F6 passe de cette fenêtre à la fenêtre principale et inversement.</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Quillon envelope</source>
        <translation>Enveloppe Quillon</translation>
    </message>
    <message>
        <source>Quillon could not start a new page of the envelopes&apos; document.</source>
        <translation>Quillon n&apos;a pas pu commencer une nouvelle page du document des enveloppes.</translation>
    </message>
    <message>
        <source>Quillon cannot start the envelope&apos;s document.</source>
        <translation>Quillon ne peut pas commencer le document de l&apos;enveloppe.</translation>
    </message>
    <message>
        <source>Quillon could not make the whole envelope document.</source>
        <translation>Quillon n&apos;a pas pu créer tout le document des enveloppes.</translation>
    </message>
</context>
<context>
    <name>SetupHeading</name>
    <message>
        <source>printer&apos;s choice</source>
        <translation>choix de l&apos;imprimante</translation>
    </message>
    <message>
        <source>system default printer</source>
        <translation>imprimante par défaut du système</translation>
    </message>
    <message>
        <source>%1 (system default)</source>
        <translation>%1 (par défaut du système)</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personnalisé</translation>
    </message>
    <message>
        <source>%1, %2 × %3 mm</source>
        <translation>%1, %2 × %3 mm</translation>
    </message>
    <message>
        <source>Printer: %1 · Tray: %2 · Size: %3</source>
        <translation>Imprimante : %1 · Bac : %2 · Format : %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prints envelopes from typed addresses or an address book.</source>
        <translation>Imprime des enveloppes à partir d&apos;adresses saisies ou d&apos;un carnet d&apos;adresses.</translation>
    </message>
    <message>
        <source>Contacts files (vCard or CSV) to review and add to the address book.</source>
        <translation>Fichiers de contacts (vCard ou CSV) à examiner et à ajouter au carnet d&apos;adresses.</translation>
    </message>
</context>
</TS>
