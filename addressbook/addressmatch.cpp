// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressmatch.h"

#include <QHash>

namespace {

void appendFolded(QString &out, QChar c)
{
    // Most addresses are ASCII: those characters skip Unicode's tables.
    if (c.unicode() < 0x80) {
        out += (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
        return;
    }
    if (c.decompositionTag() == QChar::Canonical) {
        for (const QChar part : c.decomposition()) {
            if (!part.isMark())
                out += part.toCaseFolded();
        }
        return;
    }
    if (!c.isMark())
        out += c.toCaseFolded();
}

} // namespace

QString foldedForFind(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        appendFolded(out, c);
    return out;
}

QString duplicateKey(QStringView entry)
{
    QString key;
    key.reserve(entry.size());
    for (const QChar c : entry) {
        if (c.isLetterOrNumber())
            key += c.toCaseFolded();
    }
    return key;
}

QList<QList<int>> duplicateGroups(const QStringList &entries)
{
    QHash<QString, qsizetype> groupOf;
    QList<QList<int>> groups;
    for (int row = 0; row < entries.size(); ++row) {
        const QString key = duplicateKey(entries[row]);
        auto at = groupOf.find(key);
        if (at == groupOf.end()) {
            at = groupOf.insert(key, groups.size());
            groups.append(QList<int>{});
        }
        groups[*at].append(row);
    }
    groups.removeIf([](const QList<int> &group) { return group.size() < 2; });
    return groups;
}

QList<int> rowsOfTexts(const QStringList &entries, const QStringList &wanted)
{
    QHash<QString, int> missing;
    for (const QString &text : wanted)
        ++missing[text];
    QList<int> rows;
    for (int row = 0; row < entries.size() && !missing.isEmpty(); ++row) {
        const auto at = missing.find(entries[row]);
        if (at == missing.end())
            continue;
        rows.append(row);
        if (--*at == 0)
            missing.erase(at);
    }
    return rows;
}
