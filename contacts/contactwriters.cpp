// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactwriters.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addresstext.h"
#include "contacts/vcardvalue.h"

namespace {

constexpr qsizetype kFoldAt = 75;

QList<QStringView> linesOf(const QString &entry)
{
    QList<QStringView> lines = splitAt(entry, kCrLf);
    lines.removeIf([](QStringView line) { return line.isEmpty(); });
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

// A parameter value: RFC 6868's ^' and ^^ for what a quoted value cannot
// hold, and the backslash escapes of the 4.0 standard's LABEL example.
QString labelParameter(const QList<QStringView> &lines)
{
    QString value;
    for (const QStringView line : lines) {
        if (!value.isEmpty())
            value += QStringLiteral("\\n");
        for (const QChar c : line) {
            if (c == u'\\')
                value += QStringLiteral("\\\\");
            else if (c == u'\r' || c == u'\n')
                value += QStringLiteral("\\n");
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

QString csvField(QStringView text)
{
    QString field = text.toString();
    field.replace(u'"', QStringLiteral("\"\""));
    return u'"' + field + u'"';
}

} // namespace

bool writesBack(const QString &entry)
{
    const QString inner = QString(entry).remove(kCrLf.toString());
    return !inner.isEmpty() && !inner.contains(u'\r') && !inner.contains(u'\n');
}

QByteArray writeVCards(const QStringList &entries)
{
    QByteArray out;
    for (const QString &entry : entries) {
        const QList<QStringView> lines = linesOf(entry);
        if (lines.isEmpty())
            continue;
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        appendFolded(out, QStringLiteral("FN:") + escapeValue(lines.first()));
        appendFolded(out, QStringLiteral("ADR;LABEL=\"%1\":;;;;;;").arg(labelParameter(lines)));
        out += "END:VCARD\r\n";
    }
    return out;
}

QByteArray writeCsv(const QStringList &entries)
{
    QString text = QStringLiteral("\uFEFFName,Address 1 - Formatted\r\n");
    for (const QString &entry : entries) {
        const QList<QStringView> lines = linesOf(entry);
        if (lines.isEmpty())
            continue;
        QStringList whole;
        for (const QStringView line : lines)
            whole << line.toString();
        text += csvField(lines.first()) + u',' + csvField(whole.join(u'\n')) + QStringLiteral("\r\n");
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
    return ticked.isEmpty() ? book.texts() : ticked;
}
