// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactwriters.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addresstext.h"
#include "contacts/csvreader.h"
#include "contacts/entryparts.h"
#include "contacts/vcardvalue.h"

namespace {

constexpr qsizetype kFoldAt = 75;

// The entry's non-empty lines; none when it holds nothing but white space,
// which no reader takes for a contact.
QStringList linesOf(const QString &entry)
{
    if (entry.trimmed().isEmpty())
        return {};
    QStringList lines;
    for (const QStringView line : splitAt(entry, kCrLf)) {
        if (!line.isEmpty())
            lines << line.toString();
    }
    return lines;
}

// A content line, folded so that no line is longer than 75 octets, never
// inside a character's UTF-8 bytes.
void appendFolded(QByteArray &out, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    qsizetype from = 0;
    qsizetype room = kFoldAt;
    while (bytes.size() - from > room) {
        qsizetype cut = from + room;
        while (cut > from && (uchar(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        out += bytes.sliced(from, cut - from);
        out += "\r\n ";
        from = cut;
        room = kFoldAt - 1; // the space that starts a folded line counts
    }
    out += bytes.sliced(from);
    out += "\r\n";
}

// A parameter value in RFC 6868's escapes alone: ^n parts the lines, ^'
// is a double quote, ^^ a caret.
QString labelParameter(const QStringList &lines)
{
    QString value;
    for (const QString &line : lines) {
        if (!value.isEmpty())
            value += QStringLiteral("^n");
        for (const QChar c : line) {
            if (c == u'\r' || c == u'\n')
                value += QStringLiteral("^n");
            else if (c == u'"')
                value += QStringLiteral("^'");
            else if (c == u'^')
                value += QStringLiteral("^^");
            else
                value += c;
        }
    }
    return value;
}

// ADR's value: post office box and extended address empty, the street
// lines as a list, then town, region, postal code and country.
QString adrValue(const PostalAddress &address)
{
    QStringList street;
    for (const QString &line : address.street)
        street << escapeValue(line);
    return QStringList{QString(),
                       QString(),
                       street.join(u','),
                       escapeValue(address.locality),
                       escapeValue(address.region),
                       escapeValue(address.postalCode),
                       escapeValue(address.country)}
        .join(u';');
}

QString csvField(const QString &text)
{
    QString field = markedOrFormula(text) ? u'\'' + text : text;
    field.replace(u'"', QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

} // namespace

bool writesBack(const QString &entry)
{
    const QString inner = QString(entry).remove(kCrLf.toString());
    return !linesOf(entry).isEmpty() && !inner.contains(u'\r') && !inner.contains(u'\n');
}

QByteArray writeVCards(const QStringList &entries, QStringView home)
{
    QByteArray out;
    for (const QString &entry : entries) {
        const QStringList lines = linesOf(entry);
        if (lines.isEmpty())
            continue;
        const EntryParts parts = entryParts(lines, home);
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        out += QStringLiteral("PRODID:%1\r\n").arg(kProdId).toUtf8();
        appendFolded(out, QStringLiteral("FN:") + escapeValue(parts.name));
        if (!parts.organisation.isEmpty())
            appendFolded(out, QStringLiteral("ORG:") + escapeValue(parts.organisation));
        appendFolded(out, QStringLiteral("ADR;LABEL=\"%1\":%2").arg(labelParameter(lines), adrValue(parts.address)));
        out += "END:VCARD\r\n";
    }
    return out;
}

QByteArray writeCsv(const QStringList &entries, QStringView home)
{
    QString text = u'\uFEFF' + kCsvHeader.toString() + QStringLiteral("\r\n");
    for (const QString &entry : entries) {
        const QStringList lines = linesOf(entry);
        if (lines.isEmpty())
            continue;
        const EntryParts parts = entryParts(lines, home);
        const PostalAddress &a = parts.address;
        QStringList below = lines;
        below.removeOne(parts.name);
        below.removeOne(parts.organisation);
        const QStringList cells{parts.name, parts.organisation, below.join(u'\n'), a.street.join(u'\n'),
                                a.locality, a.region,           a.postalCode,      a.country};
        QStringList fields;
        for (const QString &cell : cells)
            fields << csvField(cell);
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QStringList entriesToExport(const AddressListModel &book)
{
    QStringList ticked;
    for (int row = 0; row < book.count(); ++row) {
        if (book.isTicked(row))
            ticked << book.text(row);
    }
    QStringList entries = ticked.isEmpty() ? book.texts() : ticked;
    // Those the writers leave out are not counted as exported either.
    entries.removeIf([](const QString &entry) { return linesOf(entry).isEmpty(); });
    return entries;
}
