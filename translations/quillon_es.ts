<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Return address</source>
        <translation>Dirección del remitente</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s return address block</source>
        <translation>Se imprime como bloque de la dirección del remitente en el sobre</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>Dirección del destinatario</translation>
    </message>
    <message>
        <source>Printed as the envelope&apos;s to-address block</source>
        <translation>Se imprime como bloque de la dirección del destinatario en el sobre</translation>
    </message>
    <message>
        <source>Saved addresses</source>
        <translation>Direcciones guardadas</translation>
    </message>
    <message>
        <source>Clicking an address copies it into the To address box; ticked addresses are printed or cleared by the buttons below</source>
        <translation>Al hacer clic en una dirección, se copia en el cuadro de la dirección del destinatario; los botones de abajo imprimen o borran las direcciones marcadas</translation>
    </message>
    <message>
        <source>Centimetres from the left edge of the printable area</source>
        <translation>Centímetros desde el borde izquierdo del área imprimible</translation>
    </message>
    <message>
        <source>Centimetres from the top of the printable area to the first line</source>
        <translation>Centímetros desde el borde superior del área imprimible hasta la primera línea</translation>
    </message>
    <message>
        <source>Return address X offset (cm)</source>
        <translation>Desplazamiento X de la dirección del remitente (cm)</translation>
    </message>
    <message>
        <source>Return address Y offset (cm)</source>
        <translation>Desplazamiento Y de la dirección del remitente (cm)</translation>
    </message>
    <message>
        <source>To address X offset (cm)</source>
        <translation>Desplazamiento X de la dirección del destinatario (cm)</translation>
    </message>
    <message>
        <source>To address Y offset (cm)</source>
        <translation>Desplazamiento Y de la dirección del destinatario (cm)</translation>
    </message>
    <message>
        <source>Adds the To address to the saved addresses</source>
        <translation>Añade la dirección del destinatario a las direcciones guardadas</translation>
    </message>
    <message>
        <source>Prints one envelope on the default printer</source>
        <translation>Imprime un sobre en la impresora predeterminada</translation>
    </message>
    <message>
        <source>Empties the Return address and To address boxes</source>
        <translation>Vacía los cuadros de la dirección del remitente y del destinatario</translation>
    </message>
    <message>
        <source>Ticks every saved address</source>
        <translation>Marca todas las direcciones guardadas</translation>
    </message>
    <message>
        <source>Removes the ticked saved addresses</source>
        <translation>Elimina las direcciones guardadas marcadas</translation>
    </message>
    <message>
        <source>Prints one envelope for each ticked saved address</source>
        <translation>Imprime un sobre por cada dirección guardada marcada</translation>
    </message>
    <message>
        <source>Text to import</source>
        <translation>Texto que importar</translation>
    </message>
    <message>
        <source>Import Addresses splits this text into addresses at the line and address delimiters</source>
        <translation>Importar direcciones divide este texto en direcciones según los separadores de líneas y de direcciones</translation>
    </message>
    <message>
        <source>Line delimiter</source>
        <translation>Separador de líneas</translation>
    </message>
    <message>
        <source>What separates the lines of one address</source>
        <translation>Lo que separa las líneas de una dirección</translation>
    </message>
    <message>
        <source>Other line delimiter</source>
        <translation>Otro separador de líneas</translation>
    </message>
    <message>
        <source>Used when the line delimiter is -Other-</source>
        <translation>Se usa cuando el separador de líneas es -Other-</translation>
    </message>
    <message>
        <source>Address delimiter</source>
        <translation>Separador de direcciones</translation>
    </message>
    <message>
        <source>What separates one address from the next</source>
        <translation>Lo que separa una dirección de la siguiente</translation>
    </message>
    <message>
        <source>Other address delimiter</source>
        <translation>Otro separador de direcciones</translation>
    </message>
    <message>
        <source>Used when the address delimiter is -Other-</source>
        <translation>Se usa cuando el separador de direcciones es -Other-</translation>
    </message>
    <message>
        <source>Empties the text to import</source>
        <translation>Vacía el texto que importar</translation>
    </message>
    <message>
        <source>Takes effect on screen at once</source>
        <translation>Se aplica en pantalla al instante</translation>
    </message>
    <message>
        <source>Used for the next envelope printed</source>
        <translation>Se usa para el próximo sobre que se imprima</translation>
    </message>
    <message>
        <source>Return address display font size (points)</source>
        <translation>Tamaño de letra en pantalla de la dirección del remitente (puntos)</translation>
    </message>
    <message>
        <source>Return address display font</source>
        <translation>Tipo de letra en pantalla de la dirección del remitente</translation>
    </message>
    <message>
        <source>Return address print font size (points)</source>
        <translation>Tamaño de letra de impresión de la dirección del remitente (puntos)</translation>
    </message>
    <message>
        <source>Return address print font</source>
        <translation>Tipo de letra de impresión de la dirección del remitente</translation>
    </message>
    <message>
        <source>To address display font size (points)</source>
        <translation>Tamaño de letra en pantalla de la dirección del destinatario (puntos)</translation>
    </message>
    <message>
        <source>To address display font</source>
        <translation>Tipo de letra en pantalla de la dirección del destinatario</translation>
    </message>
    <message>
        <source>To address print font size (points)</source>
        <translation>Tamaño de letra de impresión de la dirección del destinatario (puntos)</translation>
    </message>
    <message>
        <source>To address print font</source>
        <translation>Tipo de letra de impresión de la dirección del destinatario</translation>
    </message>
    <message>
        <source>Sets all eight font fields to Verdana 12</source>
        <translation>Pone los ocho campos de letra en Verdana 12</translation>
    </message>
    <message>
        <source>Address book file name</source>
        <translation>Nombre del archivo de la libreta de direcciones</translation>
    </message>
    <message>
        <source>The full path of the file</source>
        <translation>La ruta completa del archivo</translation>
    </message>
</context>
<context>
    <name>AddressListModel</name>
    <message>
        <source>Empty address</source>
        <translation>Dirección vacía</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Marcada</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
</context>
<context>
    <name>BookEditFlow</name>
    <message>
        <source>An address cannot be empty. The entry was not changed.</source>
        <translation>Una dirección no puede estar vacía. La entrada no se modificó.</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Find in Addresses...</source>
        <translation>&amp;Buscar en las direcciones...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>E&amp;dit Address...</source>
        <translation>&amp;Editar dirección...</translation>
    </message>
    <message>
        <source>Re&amp;move Address</source>
        <translation>&amp;Quitar dirección</translation>
    </message>
    <message>
        <source>Find Du&amp;plicates...</source>
        <translation>Buscar du&amp;plicados...</translation>
    </message>
    <message>
        <source>&amp;Print This Envelope</source>
        <translation>&amp;Imprimir este sobre</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <extracomment>%1 names what the undo changes back: &quot;Clear Selected (3 addresses)&quot;.</extracomment>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>The address book holds no duplicate addresses.</source>
        <translation>La libreta de direcciones no contiene direcciones duplicadas.</translation>
    </message>
</context>
<context>
    <name>BookFiles</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large to be an address book (%1 MB)</source>
        <translation>es demasiado grande para ser una libreta de direcciones (%1 MB)</translation>
    </message>
    <message>
        <source>the old file could not be copied aside first (%1)</source>
        <translation>no se pudo copiar antes el archivo anterior a otro lugar (%1)</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
</context>
<context>
    <name>BookHistory</name>
    <message>
        <source>Save Address</source>
        <translation>Añadir dirección</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Borrar marcadas</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importar direcciones</translation>
    </message>
    <message>
        <source>Import Addresses from File</source>
        <translation>Importar direcciones de un archivo</translation>
    </message>
    <message>
        <source>Add Contacts</source>
        <translation>Añadir contactos</translation>
    </message>
    <message>
        <source>Edit Address</source>
        <translation>Editar dirección</translation>
    </message>
    <message>
        <source>Remove Address</source>
        <translation>Quitar dirección</translation>
    </message>
    <message>
        <source>Remove Duplicates</source>
        <translation>Quitar duplicados</translation>
    </message>
    <message>
        <source>%1 (1 address)</source>
        <extracomment>%1 is a command such as &quot;Clear Selected&quot;.</extracomment>
        <translation>%1 (1 dirección)</translation>
    </message>
    <message>
        <source>%1 (%2 addresses)</source>
        <translation>%1 (%2 direcciones)</translation>
    </message>
</context>
<context>
    <name>BookTexts</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a device or a socket</source>
        <translation>un dispositivo o un socket</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>This address cannot be stored in the address book: it contains</source>
        <translation>Esta dirección no se puede guardar en la libreta de direcciones: contiene</translation>
    </message>
    <message>
        <source>%1 addresses cannot be stored in the address book: each contains</source>
        <translation>%1 direcciones no se pueden guardar en la libreta de direcciones: cada una contiene</translation>
    </message>
    <message>
        <source> &quot;*|||||*&quot; or ends in &quot;*|||||&quot;, and the address book file uses &quot;*|||||*&quot; to end every address. %1 not added.</source>
        <translation> «*|||||*» o termina en «*|||||», y el archivo de la libreta de direcciones usa «*|||||*» para terminar cada dirección. %1.</translation>
    </message>
    <message>
        <source>It was</source>
        <translation>No se ha añadido</translation>
    </message>
    <message>
        <source>They were</source>
        <translation>No se han añadido</translation>
    </message>
    <message>
        <source>The address book is full: it holds at most %1 addresses. %2 not added; the addresses already in the list are kept. Clear some to make room.</source>
        <translation>La libreta de direcciones está llena: admite como máximo %1 direcciones. %2; las direcciones que ya están en la lista se conservan. Borre algunas para hacer sitio.</translation>
    </message>
    <message>
        <source>One address was</source>
        <translation>No se ha añadido una dirección</translation>
    </message>
    <message>
        <source>%1 addresses were</source>
        <translation>No se han añadido %1 direcciones</translation>
    </message>
    <message>
        <source>The address book %1 could not be read: %2.
It is left as it is, and Quillon will not save into it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>No se pudo leer la libreta de direcciones %1: %2.
Se deja tal como está y Quillon no guardará en ella. Para conservar sus direcciones, guárdelas en otro archivo con Archivo, «Guardar direcciones como».</translation>
    </message>
    <message>
        <source>The address book %1 holds more addresses than the list has room for (it holds at most %2): %3 were loaded and %4 were left out.</source>
        <translation>La libreta de direcciones %1 contiene más direcciones de las que caben en la lista (admite como máximo %2): se cargaron %3 y se dejaron fuera %4.</translation>
    </message>
    <message>
        <source>The file %1 holds no address book records (none ends in &quot;*|||||*&quot;), so nothing was loaded from it.</source>
        <translation>El archivo %1 no contiene registros de libreta de direcciones (ninguno termina en «*|||||*»), así que no se cargó nada de él.</translation>
    </message>
    <message>
        <source>The address book %1 ends with text after its last &quot;*|||||*&quot; separator; that text is not an address and was not loaded.</source>
        <translation>La libreta de direcciones %1 termina con texto después de su último separador «*|||||*»; ese texto no es una dirección y no se cargó.</translation>
    </message>
    <message>
        <source>Nothing is lost: before that file is next saved, Quillon copies it aside and tells you where.</source>
        <translation>No se pierde nada: antes de volver a guardar ese archivo, Quillon hace una copia aparte y le indica dónde.</translation>
    </message>
    <message>
        <source>The file %1 does not exist, so no addresses were added.
It is now the address book file: later saves of the address book will create it.</source>
        <translation>El archivo %1 no existe, así que no se añadió ninguna dirección.
Ahora es el archivo de la libreta de direcciones: los próximos guardados de la libreta lo crearán.</translation>
    </message>
    <message>
        <source>Before replacing %1 with the address book, Quillon kept a copy of it as it was, in %2, because its addresses were imported from it.</source>
        <translation>Antes de sustituir %1 por la libreta de direcciones, Quillon guardó una copia tal como estaba, en %2, porque sus direcciones se importaron de él.</translation>
    </message>
    <message>
        <source>Before replacing %1, Quillon copied it to %2, because the list did not take in everything that file held.</source>
        <translation>Antes de sustituir %1, Quillon lo copió en %2, porque la lista no recogió todo lo que contenía ese archivo.</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 could not be read when it was loaded (%2), so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;.</source>
        <translation>La libreta de direcciones no se guardó: %1 no se pudo leer al cargarlo (%2), así que Quillon no lo sustituye. Para conservar sus direcciones, guárdelas en otro archivo con Archivo, «Guardar direcciones como».</translation>
    </message>
    <message>
        <source>The address book was not saved: %1 is read-only, so Quillon does not replace it. To keep your addresses, save them to another file with File, &quot;Save Addresses As&quot;, or make that file writable.</source>
        <translation>La libreta de direcciones no se guardó: %1 es de solo lectura, así que Quillon no lo sustituye. Para conservar sus direcciones, guárdelas en otro archivo con Archivo, «Guardar direcciones como», o haga que ese archivo se pueda escribir.</translation>
    </message>
    <message>
        <source>The address book could not be saved to %1: %2.
That file was left as it was.</source>
        <translation>No se pudo guardar la libreta de direcciones en %1: %2.
Ese archivo se dejó tal como estaba.</translation>
    </message>
    <message>
        <source>The address book file in use is still %1.</source>
        <translation>El archivo de la libreta de direcciones en uso sigue siendo %1.</translation>
    </message>
    <message>
        <source>The address book %1 is being saved by another running copy of Quillon, which did not finish in time, so it was not saved now.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>Otra copia de Quillon en ejecución está guardando la libreta de direcciones %1 y no terminó a tiempo, así que no se guardó ahora.
No se pierde nada: la lista conserva su cambio y el próximo guardado de la libreta de direcciones lo escribirá.</translation>
    </message>
    <message>
        <source>The address book %1 was not saved: %2 is %3, not a lock file. Where the folder keeps no locks of its own, Quillon needs that name for the lock file that keeps two running copies from saving at once. Rename or remove it, then save again.
Nothing is lost: the list keeps your change, and the next save of the address book writes it.</source>
        <translation>La libreta de direcciones %1 no se guardó: %2 es %3, no un archivo de bloqueo. Donde la carpeta no gestiona bloqueos propios, Quillon necesita ese nombre para el archivo de bloqueo que impide que dos copias en ejecución guarden a la vez. Cámbielo de nombre o elimínelo y vuelva a guardar.
No se pierde nada: la lista conserva su cambio y el próximo guardado de la libreta de direcciones lo escribirá.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it with the address book?</source>
        <translation>%1 ya existe. ¿Sustituirlo por la libreta de direcciones?</translation>
    </message>
    <message>
        <source>The address book is still not saved, so your latest changes to it would be lost.
Quit without saving them?</source>
        <translation>La libreta de direcciones sigue sin guardarse, así que se perderían sus últimos cambios.
¿Salir sin guardarlos?</translation>
    </message>
</context>
<context>
    <name>ColumnMappingDialog</name>
    <message>
        <source>(not used)</source>
        <translation>(sin usar)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Region or state</source>
        <translation>Región o estado</translation>
    </message>
    <message>
        <source>Postal code</source>
        <translation>Código postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Columns of the Contacts File</source>
        <translation>Columnas del archivo de contactos</translation>
    </message>
    <message>
        <source>Quillon does not know the columns of %1. Choose what each column holds; several columns may hold parts of the name or of the street. The choice is kept for the next file with these headers.</source>
        <translation>Quillon no conoce las columnas de %1. Elija qué contiene cada columna; varias columnas pueden contener partes del nombre o de la calle. La elección se guarda para el próximo archivo con estos encabezados.</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>First contact: %1</source>
        <translation>Primer contacto: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a column&apos;s header, then its first value</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 columns are shown; the others are read as they were recognised, or not at all.</source>
        <translation>Solo se muestran las primeras %1 de las %2 columnas; las demás se leen tal como se reconocieron, o no se leen.</translation>
    </message>
</context>
<context>
    <name>ContactImportFlow</name>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
</context>
<context>
    <name>ContactReviewDialog</name>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>%1 holds one contact with a postal address.</source>
        <translation>%1 contiene un contacto con dirección postal.</translation>
    </message>
    <message>
        <source>%1 holds %2 contacts with a postal address.</source>
        <translation>%1 contiene %2 contactos con dirección postal.</translation>
    </message>
    <message>
        <source>Tick those to add to the address book (Space ticks or unticks the chosen one).</source>
        <translation>Marque los que quiera añadir a la libreta de direcciones (Espacio marca o desmarca el elegido).</translation>
    </message>
    <message>
        <source>Its columns were read as a %1 export.</source>
        <translation>Sus columnas se leyeron como una exportación de %1.</translation>
    </message>
    <message>
        <source>Contacts to add</source>
        <translation>Contactos que añadir</translation>
    </message>
    <message>
        <source>Each contact as its envelope lines; ticked ones are added</source>
        <translation>Cada contacto con las líneas de su sobre; se añaden los marcados</translation>
    </message>
    <message>
        <source>&amp;Contacts:</source>
        <translation>&amp;Contactos:</translation>
    </message>
    <message>
        <source>Address of the chosen contact</source>
        <translation>Dirección del contacto elegido</translation>
    </message>
    <message>
        <source>For a contact with several addresses, the one to print</source>
        <translation>Para un contacto con varias direcciones, la que se imprime</translation>
    </message>
    <message>
        <source>Add&amp;ress:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a skipped contact, then why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Skipped contacts</source>
        <translation>Contactos omitidos</translation>
    </message>
    <message>
        <source>Contacts that are not added, each with the reason</source>
        <translation>Contactos que no se añaden, cada uno con el motivo</translation>
    </message>
    <message>
        <source>&amp;Skipped (%1):</source>
        <translation>&amp;Omitidos (%1):</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Ticked: %1 of %2. Skipped: %3. Already in the address book: %4.</source>
        <translation>Marcados: %1 de %2. Omitidos: %3. Ya en la libreta de direcciones: %4.</translation>
    </message>
    <message>
        <source>Twice in the file: %1.</source>
        <translation>Dos veces en el archivo: %1.</translation>
    </message>
    <message>
        <source>&amp;Add 1 Address</source>
        <translation>&amp;Añadir 1 dirección</translation>
    </message>
    <message>
        <source>&amp;Add %1 Addresses</source>
        <translation>&amp;Añadir %1 direcciones</translation>
    </message>
</context>
<context>
    <name>ContactReviewModel</name>
    <message>
        <source>already in the address book</source>
        <translation>ya está en la libreta de direcciones</translation>
    </message>
    <message>
        <source>the same as a contact above</source>
        <translation>igual que un contacto de arriba</translation>
    </message>
    <message>
        <source>address %1 of %2</source>
        <translation>dirección %1 de %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the lines of an address read out</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Ticked</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Not ticked</source>
        <translation>Sin marcar</translation>
    </message>
</context>
<context>
    <name>ContactTexts</name>
    <message>
        <source>no postal address</source>
        <translation>sin dirección postal</translation>
    </message>
    <message>
        <source>a group of contacts, not a contact</source>
        <translation>un grupo de contactos, no un contacto</translation>
    </message>
    <message>
        <source>the contact without a name at line %1</source>
        <translation>el contacto sin nombre de la línea %1</translation>
    </message>
    <message>
        <source>this line is not part of a vCard (each vCard starts with BEGIN:VCARD)</source>
        <translation>esta línea no forma parte de una vCard (cada vCard empieza con BEGIN:VCARD)</translation>
    </message>
    <message>
        <source>a vCard starts here before the one that starts at line %1 has ended</source>
        <translation>aquí empieza una vCard antes de que termine la que empieza en la línea %1</translation>
    </message>
    <message>
        <source>END:VCARD without a BEGIN:VCARD before it</source>
        <translation>END:VCARD sin un BEGIN:VCARD antes</translation>
    </message>
    <message>
        <source>the file ends inside the vCard that starts at line %1 (its END:VCARD is missing)</source>
        <translation>el archivo termina dentro de la vCard que empieza en la línea %1 (falta su END:VCARD)</translation>
    </message>
    <message>
        <source>a field in quotes starts here and its closing quote is missing</source>
        <translation>aquí empieza un campo entre comillas y falta la comilla de cierre</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Casa</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an address&apos;s kind, then its lines</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large (%1 MB; contacts files of up to %2 MB are read)</source>
        <translation>es demasiado grande (%1 MB; se leen archivos de contactos de hasta %2 MB)</translation>
    </message>
    <message>
        <source>The contacts file %1 could not be read: %2.
Nothing was added to the address book.</source>
        <translation>No se pudo leer el archivo de contactos %1: %2.
No se añadió nada a la libreta de direcciones.</translation>
    </message>
    <message>
        <source>The file %1 holds no contacts, so nothing was added to the address book.</source>
        <translation>El archivo %1 no contiene contactos, así que no se añadió nada a la libreta de direcciones.</translation>
    </message>
    <message>
        <source>Added to the address book: %1
Skipped: %2
Already in the address book: %3</source>
        <translation>Añadidos a la libreta de direcciones: %1
Omitidos: %2
Ya en la libreta de direcciones: %3</translation>
    </message>
    <message>
        <source>Twice in the file: %1</source>
        <translation>Dos veces en el archivo: %1</translation>
    </message>
    <message>
        <source>Not ticked: %1</source>
        <translation>Sin marcar: %1</translation>
    </message>
    <message>
        <source>The address book is empty, so there is nothing to export.</source>
        <translation>La libreta de direcciones está vacía, así que no hay nada que exportar.</translation>
    </message>
    <message>
        <source>One address was exported to %1.</source>
        <translation>Se exportó una dirección a %1.</translation>
    </message>
    <message>
        <source>%1 addresses were exported to %2.</source>
        <translation>Se exportaron %1 direcciones a %2.</translation>
    </message>
    <message>
        <source>The contacts could not be exported to %1: %2.
That file was left as it was.</source>
        <translation>No se pudieron exportar los contactos a %1: %2.
Ese archivo se dejó tal como estaba.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea sustituirlo?</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>línea %1</translation>
    </message>
    <message>
        <source>the postal code does not look like one of %1</source>
        <translation>el código postal no tiene el formato de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%n valor de más de %1 caracteres se recortó a esa longitud.</numerusform>
            <numerusform>%n valores de más de %1 caracteres se recortaron a esa longitud.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1... (%2 more characters)</source>
        <translation>%1... (%2 caracteres más)</translation>
    </message>
</context>
<context>
    <name>CupsDefaultPrinter</name>
    <message>
        <source>default printer</source>
        <translation>impresora predeterminada</translation>
    </message>
    <message>
        <source>Quillon cannot reach the print service (CUPS).
Check that it is running.</source>
        <translation>Quillon no puede comunicarse con el servicio de impresión (CUPS).
Compruebe que está en funcionamiento.</translation>
    </message>
    <message>
        <source>The print service (CUPS) does not answer.
It may be busy or stuck: try again in a moment, or restart it.</source>
        <translation>El servicio de impresión (CUPS) no responde.
Puede estar ocupado o bloqueado: vuelva a intentarlo en un momento o reinícielo.</translation>
    </message>
    <message>
        <source>Quillon found no default printer.
Check that the print service (CUPS) is running and that a default printer is chosen in the system&apos;s printer settings.</source>
        <translation>Quillon no encontró ninguna impresora predeterminada.
Compruebe que el servicio de impresión (CUPS) está en funcionamiento y que hay una impresora predeterminada elegida en la configuración de impresoras del sistema.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; chosen in the envelope set-up no longer exists.
Choose another printer under Options &gt; Envelope.</source>
        <translation>La impresora «%1» elegida en la configuración del sobre ya no existe.
Elija otra impresora en Opciones &gt; Sobre.</translation>
    </message>
    <message>
        <source>The print system refused the envelope for the printer &quot;%1&quot;:
%2</source>
        <translation>El sistema de impresión rechazó el sobre para la impresora «%1»:
%2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; lists no paper of %2 × %3 mm and takes no custom size like it: the print service will print the envelope on other paper, scaled or moved.</source>
        <translation>La impresora «%1» no ofrece papel de %2 × %3 mm ni admite un tamaño personalizado así: el servicio de impresión imprimirá el sobre en otro papel, escalado o desplazado.</translation>
    </message>
    <message>
        <source>Quillon has not heard from the print service yet.</source>
        <translation>Quillon aún no ha recibido respuesta del servicio de impresión.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs.
Let it accept jobs in the system&apos;s printer settings and try again.</source>
        <translation>La impresora «%1» no acepta trabajos.
Haga que acepte trabajos en la configuración de impresoras del sistema y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The print service (CUPS) stopped answering while the envelope was sent. It may not have been printed: look at the printer&apos;s queue before printing it again.</source>
        <translation>El servicio de impresión (CUPS) dejó de responder mientras se enviaba el sobre. Puede que no se haya impreso: revise la cola de la impresora antes de volver a imprimirlo.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is paused: the envelope waits in its queue and prints when the printer is resumed.</source>
        <translation>La impresora «%1» está en pausa: el sobre espera en su cola y se imprimirá cuando se reanude la impresora.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no driver: the print service passes the envelope&apos;s page of %2 × %3 mm to it unchanged, and the printer itself decides what paper it prints on.</source>
        <translation>La impresora «%1» no tiene controlador: el servicio de impresión le pasa sin cambios la página del sobre de %2 × %3 mm, y la propia impresora decide en qué papel imprime.</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>These addresses are the same when case, spaces, punctuation and line breaks are ignored. OK removes the ticked ones.</source>
        <translation>Estas direcciones son iguales si no se tienen en cuenta mayúsculas, espacios, puntuación ni saltos de línea. Aceptar quita las marcadas.</translation>
    </message>
    <message>
        <source>Duplicate addresses</source>
        <translation>Direcciones duplicadas</translation>
    </message>
    <message>
        <source>%1 copies</source>
        <extracomment>%1 is how many entries hold the same address.</extracomment>
        <translation>%1 copias</translation>
    </message>
</context>
<context>
    <name>EditAddressDialog</name>
    <message>
        <source>Edit Address</source>
        <translation>Editar dirección</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
</context>
<context>
    <name>Envelope</name>
    <message>
        <source>%1 is empty. Enter a number of %2.</source>
        <extracomment>%1 names the field (&quot;Return address X offset&quot;), %2 is its unit (&quot;centimetres&quot;).</extracomment>
        <translation>%1 está vacío. Escriba un número de %2.</translation>
    </message>
    <message>
        <source>%1 is out of range: &apos;%2&apos; (from %3 to %4 %5).</source>
        <extracomment>%1 names the field, %2 is what was typed, %3 to %4 the range in the unit %5.</extracomment>
        <translation>%1 está fuera de rango: «%2» (de %3 a %4 %5).</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;.</source>
        <translation>%1 no es un número: «%2».</translation>
    </message>
    <message>
        <source>%1 print font size</source>
        <extracomment>%1 names the block: &quot;Return address&quot; or &quot;To address&quot;.</extracomment>
        <translation>El tamaño de letra de impresión de la %1</translation>
    </message>
    <message>
        <source>points</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>%1 X offset</source>
        <translation>El desplazamiento X de la %1</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>%1 Y offset</source>
        <translation>El desplazamiento Y de la %1</translation>
    </message>
    <message>
        <source>%1 Nothing was printed.</source>
        <extracomment>%1 says which field is wrong and how.</extracomment>
        <translation>%1 No se imprimió nada.</translation>
    </message>
    <message>
        <source>%1
Nothing was printed.</source>
        <translation>%1
No se imprimió nada.</translation>
    </message>
</context>
<context>
    <name>EnvelopePreview</name>
    <message>
        <source>1 line runs off the left edge</source>
        <translation>1 línea se sale por el borde izquierdo</translation>
    </message>
    <message>
        <source>%1 lines run off the left edge</source>
        <translation>%1 líneas se salen por el borde izquierdo</translation>
    </message>
    <message>
        <source>1 line runs off the top edge</source>
        <translation>1 línea se sale por el borde superior</translation>
    </message>
    <message>
        <source>%1 lines run off the top edge</source>
        <translation>%1 líneas se salen por el borde superior</translation>
    </message>
    <message>
        <source>1 line runs off the right edge</source>
        <translation>1 línea se sale por el borde derecho</translation>
    </message>
    <message>
        <source>%1 lines run off the right edge</source>
        <translation>%1 líneas se salen por el borde derecho</translation>
    </message>
    <message>
        <source>1 line runs off the bottom edge</source>
        <translation>1 línea se sale por el borde inferior</translation>
    </message>
    <message>
        <source>%1 lines run off the bottom edge</source>
        <translation>%1 líneas se salen por el borde inferior</translation>
    </message>
    <message>
        <source>Every line fits in the printable area.</source>
        <translation>Todas las líneas caben en el área imprimible.</translation>
    </message>
    <message>
        <source>%1 of the printable area.</source>
        <translation>%1 del área imprimible.</translation>
    </message>
    <message>
        <source>Envelope Preview</source>
        <translation>Vista previa del sobre</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Vista previa del sobre</translation>
    </message>
    <message>
        <source>Lines off the printable area</source>
        <translation>Líneas fuera del área imprimible</translation>
    </message>
    <message>
        <source>Prints: %1. %2</source>
        <translation>Imprime: %1. %2</translation>
    </message>
    <message>
        <source>Printer, tray and size shown</source>
        <translation>Impresora, bandeja y tamaño mostrados</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Envelope width</source>
        <translation>Ancho del sobre</translation>
    </message>
    <message>
        <source>Envelope height</source>
        <translation>Alto del sobre</translation>
    </message>
    <message>
        <source>Calibration shift X</source>
        <translation>Desplazamiento de calibración X</translation>
    </message>
    <message>
        <source>Calibration shift Y</source>
        <translation>Desplazamiento de calibración Y</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupDialog</name>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>The printer envelopes go to; each printer keeps its own set-up</source>
        <translation>La impresora a la que van los sobres; cada impresora guarda su propia configuración</translation>
    </message>
    <message>
        <source>System default printer</source>
        <translation>Impresora predeterminada del sistema</translation>
    </message>
    <message>
        <source>Envelope width (mm)</source>
        <translation>Ancho del sobre (mm)</translation>
    </message>
    <message>
        <source>Used with the custom size</source>
        <translation>Se usa con el tamaño personalizado</translation>
    </message>
    <message>
        <source>Envelope height (mm)</source>
        <translation>Alto del sobre (mm)</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Bandeja</translation>
    </message>
    <message>
        <source>Where the printer takes the envelope from</source>
        <translation>De dónde toma la impresora el sobre</translation>
    </message>
    <message>
        <source>Printer&apos;s choice</source>
        <translation>Elección de la impresora</translation>
    </message>
    <message>
        <source>Paper type</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>What the printer is told it prints on</source>
        <translation>Sobre qué cree la impresora que imprime</translation>
    </message>
    <message>
        <source>Calibration shift X (mm)</source>
        <translation>Desplazamiento de calibración X (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks right; negative moves them left</source>
        <translation>Mueve ambos bloques a la derecha; un valor negativo los mueve a la izquierda</translation>
    </message>
    <message>
        <source>Calibration shift Y (mm)</source>
        <translation>Desplazamiento de calibración Y (mm)</translation>
    </message>
    <message>
        <source>Moves both blocks down; negative moves them up</source>
        <translation>Mueve ambos bloques hacia abajo; un valor negativo los mueve hacia arriba</translation>
    </message>
    <message>
        <source>&amp;Turn the envelope 180°</source>
        <translation>&amp;Girar el sobre 180°</translation>
    </message>
    <message>
        <source>Envelope size</source>
        <translation>Tamaño del sobre</translation>
    </message>
    <message>
        <source>Turn the envelope 180°</source>
        <translation>Girar el sobre 180°</translation>
    </message>
    <message>
        <source>Print all selected addresses as &amp;one job</source>
        <translation>Imprimir todas las direcciones seleccionadas en &amp;un solo trabajo</translation>
    </message>
    <message>
        <source>Print all selected addresses as one job</source>
        <translation>Imprimir todas las direcciones seleccionadas en un solo trabajo</translation>
    </message>
    <message>
        <source>Print All Selected Address sends one document, a page per address, without pauses</source>
        <translation>Imprimir todas las marcadas envía un solo documento, una página por dirección, sin pausas</translation>
    </message>
    <message>
        <source>How to feed the envelope</source>
        <translation>Cómo introducir el sobre</translation>
    </message>
    <message>
        <source>Envelope size on this printer</source>
        <translation>Tamaño del sobre en esta impresora</translation>
    </message>
    <message>
        <source>Pr&amp;inter:</source>
        <translation>Impre&amp;sora:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
    <message>
        <source>T&amp;ray:</source>
        <translation>Ban&amp;deja:</translation>
    </message>
    <message>
        <source>P&amp;aper type:</source>
        <translation>Tipo de &amp;papel:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Envelope preview</source>
        <translation>Vista previa del sobre</translation>
    </message>
    <message>
        <source>Print T&amp;est Envelope</source>
        <translation>Imprimir sobre de pru&amp;eba</translation>
    </message>
    <message>
        <source>Print test envelope</source>
        <translation>Imprimir sobre de prueba</translation>
    </message>
    <message>
        <source>Prints the printable area, a millimetre scale and a cross where each block starts, to measure the calibration shift</source>
        <translation>Imprime el área imprimible, una escala en milímetros y una cruz donde empieza cada bloque, para medir el desplazamiento de calibración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (not listed by the print service)</source>
        <translation>%1 (no figura en el servicio de impresión)</translation>
    </message>
    <message>
        <source>%1 (not offered by this printer)</source>
        <translation>%1 (esta impresora no lo ofrece)</translation>
    </message>
    <message>
        <source>face up</source>
        <translation>boca arriba</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>Envelopes go in</source>
        <translation>Los sobres entran</translation>
    </message>
    <message>
        <source>The side the printer prints on as the envelope lies in the tray; the test envelope tells which</source>
        <translation>El lado en el que imprime la impresora según cómo está el sobre en la bandeja; el sobre de prueba indica cuál</translation>
    </message>
    <message>
        <source>P&amp;lace the To Address for this size</source>
        <translation>C&amp;olocar la dirección del destinatario para este tamaño</translation>
    </message>
    <message>
        <source>Place the To Address for this size</source>
        <translation>Colocar la dirección del destinatario para este tamaño</translation>
    </message>
    <message>
        <source>Sets the To Address offsets so that the block starts in the envelope&apos;s address zone</source>
        <translation>Ajusta los desplazamientos de la dirección del destinatario para que el bloque empiece en la zona de la dirección del sobre</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>Shift &amp;X:</source>
        <translation>Desplazamiento &amp;X:</translation>
    </message>
    <message>
        <source>Shift &amp;Y:</source>
        <translation>Desplazamiento &amp;Y:</translation>
    </message>
    <message>
        <source>Envelopes &amp;go in:</source>
        <translation>Los sobres e&amp;ntran:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>N.º 10 (4⅛ × 9½ in)</translation>
    </message>
    <message>
        <source>No. 9 (3⅞ × 8⅞ in)</source>
        <translation>N.º 9 (3⅞ × 8⅞ in)</translation>
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
        <translation>Papel de la impresora</translation>
    </message>
    <message>
        <source>Custom (width × height in mm)</source>
        <translation>Personalizado (ancho × alto en mm)</translation>
    </message>
</context>
<context>
    <name>FeedDirection</name>
    <message>
        <source>Feed the envelope short edge first, the return address end leading.</source>
        <translation>Introduzca el sobre por el lado corto, con el extremo de la dirección del remitente por delante.</translation>
    </message>
    <message>
        <source>Feed the envelope short edge first, the stamp end leading.</source>
        <translation>Introduzca el sobre por el lado corto, con el extremo del sello por delante.</translation>
    </message>
    <message>
        <source>This printer does not say which way it turns the page; Quillon takes it as clockwise, as the print service does. Print a test envelope to check.</source>
        <translation>Esta impresora no indica hacia qué lado gira la página; Quillon lo toma como sentido horario, como hace el servicio de impresión. Imprima un sobre de prueba para comprobarlo.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn clockwise.</source>
        <translation>Esta impresora gira la página un cuarto de vuelta en sentido horario.</translation>
    </message>
    <message>
        <source>This printer turns the page a quarter turn counter-clockwise.</source>
        <translation>Esta impresora gira la página un cuarto de vuelta en sentido antihorario.</translation>
    </message>
    <message>
        <source>The side to be addressed faces up.</source>
        <translation>El lado que lleva la dirección queda boca arriba.</translation>
    </message>
    <message>
        <source>The side to be addressed faces down.</source>
        <translation>El lado que lleva la dirección queda boca abajo.</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face up.</source>
        <translation>Configurado para sobres que entran boca arriba.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced down, choose &quot;Envelopes go in face down&quot;.</source>
        <translation>Si esta impresión está en el lado que quedaba boca abajo, elija «Los sobres entran boca abajo».</translation>
    </message>
    <message>
        <source>Set up for envelopes going in face down.</source>
        <translation>Configurado para sobres que entran boca abajo.</translation>
    </message>
    <message>
        <source>If this print is on the side that faced up, choose &quot;Envelopes go in face up&quot;.</source>
        <translation>Si esta impresión está en el lado que quedaba boca arriba, elija «Los sobres entran boca arriba».</translation>
    </message>
</context>
<context>
    <name>FeedPicture</name>
    <message>
        <source>How the envelope goes into the printer</source>
        <translation>Cómo entra el sobre en la impresora</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
</context>
<context>
    <name>FileSettingsBackend</name>
    <message>
        <source>The saved settings could not be read, so Quillon starts with its default settings. The old settings were kept in:
%1</source>
        <translation>No se pudo leer la configuración guardada, así que Quillon empieza con su configuración predeterminada. La configuración anterior se guardó en:
%1</translation>
    </message>
    <message>
        <source>The saved settings in %1 could not be read and could not be moved aside. Quillon starts with its default settings and will not save settings in this run.</source>
        <translation>No se pudo leer la configuración guardada en %1 ni apartarla. Quillon empieza con su configuración predeterminada y no guardará la configuración en esta sesión.</translation>
    </message>
    <message>
        <source>These saved settings could not be read and start with their defaults: %1.
The damaged values were kept beside the others, in:
%2</source>
        <translation>No se pudieron leer estos valores guardados, que empiezan con su valor predeterminado: %1.
Los valores dañados se guardaron junto a los demás, en:
%2</translation>
    </message>
    <message>
        <source>
Some could not be renamed; Quillon leaves them as they are and will not save those settings in this run.</source>
        <translation>
Algunos no se pudieron renombrar; Quillon los deja como están y no guardará esos valores en esta sesión.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find in addresses</source>
        <translation>Buscar en las direcciones</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quillon cannot save your settings: the settings store cannot be written.
You can go on working, but what you type now will not come back at the next start.</source>
        <translation>Quillon no puede guardar su configuración: no se puede escribir en el almacén de configuración.
Puede seguir trabajando, pero lo que escriba ahora no volverá en el próximo inicio.</translation>
    </message>
    <message>
        <source>Are you sure you want to clear the select addresses?</source>
        <translation>¿Seguro que desea borrar las direcciones seleccionadas?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Import Data</source>
        <translation>Importar datos</translation>
    </message>
    <message>
        <source>Import Contacts</source>
        <translation>Importar contactos</translation>
    </message>
    <message>
        <source>Contacts (*.vcf *.vcard *.csv);;All files (*)</source>
        <translation>Contactos (*.vcf *.vcard *.csv);;Todos los archivos (*)</translation>
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
        <translation>Exportar contactos</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>dirección del remitente</translation>
    </message>
    <message>
        <source>To address</source>
        <translation>dirección del destinatario</translation>
    </message>
    <message>
        <source>Quillon 2.1

Written By: %1
Email: %2 
Web Site: %3 
</source>
        <translation>Quillon 2.1

Escrito por: %1
Correo: %2 
Sitio web: %3 
</translation>
    </message>
    <message>
        <source>Could you please mail any suggestions to %1</source>
        <translation>Envíe sus sugerencias por correo a %1</translation>
    </message>
    <message>
        <source>You need to add the address into the textbox above before clicking the import addressess icon.</source>
        <translation>Tiene que añadir la dirección en el cuadro de texto de arriba antes de hacer clic en el icono de importar direcciones.</translation>
    </message>
    <message>
        <source>Print anyway?</source>
        <translation>¿Imprimir de todos modos?</translation>
    </message>
    <message>
        <source>Print All progress</source>
        <translation>Progreso de la impresión</translation>
    </message>
    <message>
        <source>Save Envelopes as PDF</source>
        <translation>Guardar sobres como PDF</translation>
    </message>
    <message>
        <source>Envelopes.pdf</source>
        <translation>Sobres.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Saving envelopes as PDF</source>
        <translation>Guardando los sobres como PDF</translation>
    </message>
    <message>
        <source>Printing envelope %1 of %2</source>
        <translation>Imprimiendo el sobre %1 de %2</translation>
    </message>
    <message>
        <source>Preparing envelope %1 of %2</source>
        <translation>Preparando el sobre %1 de %2</translation>
    </message>
    <message>
        <source>Laying out envelope %1 of %2</source>
        <translation>Componiendo el sobre %1 de %2</translation>
    </message>
    <message>
        <source>Saving the PDF file</source>
        <translation>Guardando el archivo PDF</translation>
    </message>
    <message>
        <source>Sending the job to the printer</source>
        <translation>Enviando el trabajo a la impresora</translation>
    </message>
    <message>
        <source>There is no envelope to save: it has no line.</source>
        <translation>No hay ningún sobre que guardar: no tiene ninguna línea.</translation>
    </message>
    <message>
        <source>Are you sure you want to restore the default settings?</source>
        <translation>¿Seguro que desea restablecer la configuración predeterminada?</translation>
    </message>
    <message>
        <source>The saved settings could not be removed:
%1
They stay as they are, and Quillon goes on running.</source>
        <translation>No se pudo eliminar la configuración guardada:
%1
Se queda como está y Quillon sigue en marcha.</translation>
    </message>
    <message>
        <source>Please restart Quillon</source>
        <translation>Reinicie Quillon</translation>
    </message>
    <message>
        <source>Quillon 2.1 - By: Tarvik </source>
        <translation>Quillon 2.1 - Por: Tarvik </translation>
    </message>
    <message>
        <source>From Addres:</source>
        <translation>Remitente:</translation>
    </message>
    <message>
        <source>To Address:</source>
        <translation>Destinatario:</translation>
    </message>
    <message>
        <source>Saved Addresses:</source>
        <translation>Direcciones guardadas:</translation>
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
        <translation>Añadir dirección</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todas</translation>
    </message>
    <message>
        <source>Clear Selected</source>
        <translation>Borrar marcadas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Print All Selected Address</source>
        <translation>Imprimir todas las marcadas</translation>
    </message>
    <message>
        <source>Address Importer</source>
        <translation>Importador de direcciones</translation>
    </message>
    <message>
        <source>Line Delimiter</source>
        <translation>Separador de líneas</translation>
    </message>
    <message>
        <source>Specify:</source>
        <translation>Otro:</translation>
    </message>
    <message>
        <source>Address Delimiter</source>
        <translation>Separador de direcciones</translation>
    </message>
    <message>
        <source>Import Addresses</source>
        <translation>Importar direcciones</translation>
    </message>
    <message>
        <source>Clear Addresses</source>
        <translation>Borrar direcciones</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation>Configuración de letra</translation>
    </message>
    <message>
        <source>Return Address Display Font Size:</source>
        <translation>Tamaño en pantalla del remitente:</translation>
    </message>
    <message>
        <source>Return Address Print Font Size:</source>
        <translation>Tamaño de impresión del remitente:</translation>
    </message>
    <message>
        <source>To Address Display Font Size:</source>
        <translation>Tamaño en pantalla del destinatario:</translation>
    </message>
    <message>
        <source>To Address Print Font Size:</source>
        <translation>Tamaño de impresión del destinatario:</translation>
    </message>
    <message>
        <source>Font Type:</source>
        <translation>Letra:</translation>
    </message>
    <message>
        <source>Hide Settings</source>
        <translation>Ocultar configuración</translation>
    </message>
    <message>
        <source>Default Font Settings</source>
        <translation>Letras predeterminadas</translation>
    </message>
    <message>
        <source>Save Addresses As</source>
        <translation>Guardar direcciones como</translation>
    </message>
    <message>
        <source>Cancel It</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save Addresses &amp;As</source>
        <translation>Guardar direcciones &amp;como</translation>
    </message>
    <message>
        <source>&amp;Import Addresses</source>
        <translation>&amp;Importar direcciones</translation>
    </message>
    <message>
        <source>Import C&amp;ontacts...</source>
        <translation>Importar c&amp;ontactos...</translation>
    </message>
    <message>
        <source>Expor&amp;t Contacts...</source>
        <translation>E&amp;xportar contactos...</translation>
    </message>
    <message>
        <source>Save &amp;Envelopes as PDF...</source>
        <translation>Guardar sobres como &amp;PDF...</translation>
    </message>
    <message>
        <source>&amp;Custom Programming</source>
        <translation>Programación a &amp;medida</translation>
    </message>
    <message>
        <source>S&amp;uggestions</source>
        <translation>Sug&amp;erencias</translation>
    </message>
    <message>
        <source>Sample &amp;1</source>
        <translation>Ejemplo &amp;1</translation>
    </message>
    <message>
        <source>Sample &amp;2</source>
        <translation>Ejemplo &amp;2</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>Configuración de &amp;letra</translation>
    </message>
    <message>
        <source>&amp;Restore Default Settings</source>
        <translation>&amp;Restablecer la configuración predeterminada</translation>
    </message>
    <message>
        <source>&amp;Envelope...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Envelope &amp;Preview</source>
        <translation>&amp;Vista previa del sobre</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Quillon &amp;Manual</source>
        <translation>&amp;Manual de Quillon</translation>
    </message>
</context>
<context>
    <name>JobTroubleTexts</name>
    <message>
        <source>The print service gave the envelope up.</source>
        <translation>El servicio de impresión abandonó el sobre.</translation>
    </message>
    <message>
        <source>Check the printer and its settings, then print the envelope again.</source>
        <translation>Compruebe la impresora y su configuración, y vuelva a imprimir el sobre.</translation>
    </message>
    <message>
        <source>The printer stopped while printing the envelope.</source>
        <translation>La impresora se detuvo mientras imprimía el sobre.</translation>
    </message>
    <message>
        <source>Check the printer, then restart the job, or cancel it, in the system&apos;s printer settings.</source>
        <translation>Compruebe la impresora y luego reinicie el trabajo, o cancélelo, en la configuración de impresoras del sistema.</translation>
    </message>
    <message>
        <source>The print service holds the envelope and will not print it on its own.</source>
        <translation>El servicio de impresión retiene el sobre y no lo imprimirá por sí solo.</translation>
    </message>
    <message>
        <source>Check the envelope&apos;s size, tray and paper type in the envelope set-up, and that the printer takes them; then cancel the held job and print again.</source>
        <translation>Compruebe el tamaño, la bandeja y el tipo de papel del sobre en la configuración del sobre, y que la impresora los admite; luego cancele el trabajo retenido y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer stopped, and the envelope waits in its queue.</source>
        <translation>La impresora se detuvo y el sobre espera en su cola.</translation>
    </message>
    <message>
        <source>Check the printer, then resume it in the system&apos;s printer settings: the envelope prints then.</source>
        <translation>Compruebe la impresora y luego reanúdela en la configuración de impresoras del sistema: entonces se imprimirá el sobre.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; says: %2</source>
        <translation>La impresora «%1» indica: %2</translation>
    </message>
    <message>
        <source>An envelope sent to the printer &quot;%1&quot; has not printed.</source>
        <translation>Un sobre enviado a la impresora «%1» no se ha impreso.</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; has not printed on the printer &quot;%2&quot;.</source>
        <translation>El sobre para «%1» no se ha impreso en la impresora «%2».</translation>
    </message>
</context>
<context>
    <name>ManualFlow</name>
    <message>
        <source>Quillon could not start a web browser to open %1.

Do you want to read the Quillon Manual, which comes with the program, instead?</source>
        <translation>Quillon no pudo abrir un navegador web para mostrar %1.

¿Desea leer en su lugar el manual de Quillon, que viene con el programa?</translation>
    </message>
</context>
<context>
    <name>ManualWindow</name>
    <message>
        <source>Quillon Manual</source>
        <translation>Manual de Quillon</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
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
        <translation>«%1» no es un archivo que Quillon pueda sustituir.</translation>
    </message>
    <message>
        <source>Quillon could not write &quot;%1&quot;: %2.</source>
        <translation>Quillon no pudo escribir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>PrintAll</name>
    <message>
        <source>(an empty address)</source>
        <translation>(una dirección vacía)</translation>
    </message>
    <message>
        <source>The envelopes were not saved as &quot;%1&quot;; a file already there is as it was.

%2</source>
        <extracomment>%1 is the file chosen, %2 why it was not written.</extracomment>
        <translation>Los sobres no se guardaron como «%1»; el archivo que ya existía sigue como estaba.

%2</translation>
    </message>
    <message>
        <source>The envelope for &quot;%1&quot; could not be made:
%2</source>
        <translation>No se pudo crear el sobre para «%1»:
%2</translation>
    </message>
    <message>
        <source>Print All sent nothing: the print job was refused.

%1</source>
        <translation>Imprimir todas no envió nada: se rechazó el trabajo de impresión.

%1</translation>
    </message>
    <message>
        <source>Print All sent nothing: the envelope for &quot;%1&quot; could not be made.

%2</source>
        <translation>Imprimir todas no envió nada: no se pudo crear el sobre para «%1».

%2</translation>
    </message>
    <message>
        <source>Print All printed nothing: the envelope for &quot;%1&quot; failed.

%2</source>
        <translation>Imprimir todas no imprimió nada: falló el sobre para «%1».

%2</translation>
    </message>
    <message>
        <source>Print All stopped at the envelope for &quot;%1&quot;, which was not printed.

%2

Envelopes printed before it: %3 of %4.
Untick the addresses already printed, so that the next Print All goes on from &quot;%1&quot;?</source>
        <extracomment>%1 is the first line of the address whose envelope failed, %2 why, %3 of %4 how many went out.</extracomment>
        <translation>Imprimir todas se detuvo en el sobre para «%1», que no se imprimió.

%2

Sobres impresos antes: %3 de %4.
¿Desmarcar las direcciones ya impresas, para que la próxima vez se continúe desde «%1»?</translation>
    </message>
    <message>
        <source>Print All was stopped after %1 of %2 envelopes.
Untick the addresses already printed, so that the next Print All goes on from where it stopped?</source>
        <extracomment>%1 of %2 is how many envelopes went out before the user stopped the run.</extracomment>
        <translation>«Imprimir todas» se detuvo después de %1 de %2 sobres.
¿Desmarcar las direcciones ya impresas, para que el próximo «Imprimir todas» continúe donde se detuvo?</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Envelopes done</source>
        <translation>Sobres hechos</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Ends the run once the envelope being made is done (Escape). F6 moves between this window and the main window.</source>
        <translation>Termina la tanda cuando esté hecho el sobre en curso (Escape). F6 cambia entre esta ventana y la ventana principal.</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
</context>
<context>
    <name>QtPrinter</name>
    <message>
        <source>Quillon envelope</source>
        <translation>Sobre de Quillon</translation>
    </message>
    <message>
        <source>Quillon could not start a new page of the envelopes&apos; document.</source>
        <translation>Quillon no pudo empezar una página nueva del documento de los sobres.</translation>
    </message>
    <message>
        <source>Quillon cannot start the envelope&apos;s document.</source>
        <translation>Quillon no puede empezar el documento del sobre.</translation>
    </message>
    <message>
        <source>Quillon could not make the whole envelope document.</source>
        <translation>Quillon no pudo crear el documento completo de los sobres.</translation>
    </message>
</context>
<context>
    <name>SetupHeading</name>
    <message>
        <source>printer&apos;s choice</source>
        <translation>elección de la impresora</translation>
    </message>
    <message>
        <source>system default printer</source>
        <translation>impresora predeterminada del sistema</translation>
    </message>
    <message>
        <source>%1 (system default)</source>
        <translation>%1 (predeterminada del sistema)</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>%1, %2 × %3 mm</source>
        <translation>%1, %2 × %3 mm</translation>
    </message>
    <message>
        <source>Printer: %1 · Tray: %2 · Size: %3</source>
        <translation>Impresora: %1 · Bandeja: %2 · Tamaño: %3</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Prints envelopes from typed addresses or an address book.</source>
        <translation>Imprime sobres a partir de direcciones escritas o de una libreta de direcciones.</translation>
    </message>
    <message>
        <source>Contacts files (vCard or CSV) to review and add to the address book.</source>
        <translation>Archivos de contactos (vCard o CSV) que revisar y añadir a la libreta de direcciones.</translation>
    </message>
</context>
</TS>
