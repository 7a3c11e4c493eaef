// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressmatch.h"

#include <QHash>

namespace {

// A character other than ASCII as Find compares it: none for a mark,
// otherwise one or more.
void appendFolded(QString &out, QChar c)
{
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
    // Most addresses are ASCII: runs of it are copied, lowered, in one go.
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        const qsizetype at = out.size();
        out.resize(at + end - runStart);
        QChar *to = out.data() + at;
        for (qsizetype i = runStart; i < end; ++i) {
            const char16_t u = text[i].unicode();
            to[i - runStart] = QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80)
            continue;
        flush(i);
        appendFolded(out, text[i]);
        runStart = i + 1;
    }
    flush(text.size());
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
