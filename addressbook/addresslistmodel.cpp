// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addresslistmodel.h"

#include "addressbook/addresstext.h"

#include <algorithm>

#include <QRegularExpression>

namespace {

// Up to this many rows go in (or out) one by one; more are moved in one
// layout change, which costs one pass over the list instead of one per row.
constexpr size_t kFewRows = 8;

QLocale collationLocale(const QLocale &locale)
{
    // The C locale has no collation of its own: there Qt's sort keys compare
    // character codes, case and all. Plain English order stands in for it.
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

} // namespace

AddressListModel::AddressListModel(QObject *parent, const QLocale &locale)
    : TickListModel(parent),
      m_collator(collationLocale(locale))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

QVariant AddressListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole: return oneLine(row.text);
    case Qt::ToolTipRole: {
        return withLfLineBreaks(row.text).trimmed();
    }
    case EntryTextRole: return row.text;
    case Qt::CheckStateRole: return row.ticked ? Qt::Checked : Qt::Unchecked;
    // What a screen reader says for the entry: its lines one after another
    // (not the drawn row's separator marks), and its tick.
    case Qt::AccessibleTextRole: {
        static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
        QStringList lines = row.text.split(lineBreaks, Qt::SkipEmptyParts);
        lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
        return lines.isEmpty() ? tr("Empty address") : lines.join(tr(", ", "between the lines of an address read out"));
    }
    case Qt::AccessibleDescriptionRole: return row.ticked ? tr("Ticked") : tr("Not ticked");
    default: return {};
    }
}

QString AddressListModel::text(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].text : QString();
}

bool AddressListModel::isTicked(int row) const
{
    return row >= 0 && row < count() && m_rows[size_t(row)].ticked;
}

void AddressListModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= count() || m_rows[size_t(row)].ticked == ticked)
        return;
    m_rows[size_t(row)].ticked = ticked;
    const QModelIndex at = index(row);
    emit dataChanged(at, at, {Qt::CheckStateRole, Qt::AccessibleDescriptionRole});
}

void AddressListModel::tickAll()
{
    int first = -1;
    int last = -1;
    for (int row = 0; row < count(); ++row) {
        Row &r = m_rows[size_t(row)];
        if (r.ticked)
            continue;
        r.ticked = true;
        if (first < 0)
            first = row;
        last = row;
    }
    if (first >= 0)
        emit dataChanged(index(first), index(last), {Qt::CheckStateRole, Qt::AccessibleDescriptionRole});
}

int AddressListModel::placeFor(const QString &text) const
{
    // After every entry that compares equal: the order of arrival holds.
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), text, [this](const QString &t, const Row &row) {
        return m_collator.compare(t, row.text) < 0;
    });
    return int(at - m_rows.begin());
}

int AddressListModel::add(const QString &entry)
{
    if (room() <= 0)
        return -1;
    return insertRow(Row{entry});
}

int AddressListModel::insertRow(Row row)
{
    const int at = placeFor(row.text);
    beginInsertRows({}, at, at);
    m_rows.insert(m_rows.begin() + at, std::move(row));
    endInsertRows();
    return at;
}

int AddressListModel::add(const QStringList &entries)
{
    const qsizetype wanted = std::min<qsizetype>(entries.size(), room());
    if (wanted <= 0)
        return 0;
    std::vector<Row> rows;
    rows.reserve(size_t(wanted));
    for (qsizetype i = 0; i < wanted; ++i)
        rows.push_back(Row{entries[i]});
    // A book this program saved comes in order, which one compare a row
    // confirms. Compares, not sort keys: a compare stops at the first
    // difference, a key walks the whole entry, and a full book costs many
    // times more in keys than in all the compares of a sort.
    const auto before = [this](const Row &a, const Row &b) { return m_collator.compare(a.text, b.text) < 0; };
    if (!std::is_sorted(rows.begin(), rows.end(), before))
        std::stable_sort(rows.begin(), rows.end(), before);
    insertSorted(std::move(rows));
    return int(wanted);
}

void AddressListModel::insertSorted(std::vector<Row> rows)
{
    const int old = count();
    const int added = int(rows.size());
    if (old == 0) {
        beginInsertRows({}, 0, added - 1);
        m_rows = std::move(rows);
        endInsertRows();
        return;
    }
    if (rows.size() <= kFewRows) {
        for (Row &row : rows)
            insertRow(std::move(row));
        return;
    }
    // Append the batch, then merge it into place as one layout change.
    beginInsertRows({}, old, old + added - 1);
    std::move(rows.begin(), rows.end(), std::back_inserter(m_rows));
    endInsertRows();
    std::vector<int> order;
    order.reserve(m_rows.size());
    int a = 0;
    int b = old;
    while (a < old || b < old + added) {
        // On a tie the entry already listed stays first.
        if (b == old + added || (a < old && m_collator.compare(m_rows[size_t(b)].text, m_rows[size_t(a)].text) >= 0))
            order.push_back(a++);
        else
            order.push_back(b++);
    }
    reorder(order);
}

int AddressListModel::removeTicked()
{
    std::vector<bool> gone(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row)
        gone[row] = m_rows[row].ticked;
    return removeMarked(gone);
}

int AddressListModel::removeAt(const QList<int> &rows)
{
    std::vector<bool> gone(m_rows.size());
    for (int row : rows) {
        if (row >= 0 && row < count())
            gone[size_t(row)] = true;
    }
    return removeMarked(gone);
}

int AddressListModel::removeMarked(const std::vector<bool> &gone)
{
    int runs = 0;
    int removed = 0;
    for (int row = 0; row < count(); ++row) {
        if (!gone[size_t(row)])
            continue;
        ++removed;
        if (row == 0 || !gone[size_t(row - 1)])
            ++runs;
    }
    if (removed == 0)
        return 0;
    if (size_t(runs) <= kFewRows) {
        // From the back, so that the runs still to go keep their positions.
        for (int last = count() - 1; last >= 0; --last) {
            if (!gone[size_t(last)])
                continue;
            int first = last;
            while (first > 0 && gone[size_t(first - 1)])
                --first;
            beginRemoveRows({}, first, last);
            m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
            endRemoveRows();
            last = first;
        }
        return removed;
    }
    // Gather the rows to go at the end in one layout change, then cut them
    // off at once.
    std::vector<int> order;
    order.reserve(m_rows.size());
    for (int pass = 0; pass < 2; ++pass) {
        for (int row = 0; row < count(); ++row) {
            if (gone[size_t(row)] == (pass == 1))
                order.push_back(row);
        }
    }
    reorder(order);
    const int kept = count() - removed;
    beginRemoveRows({}, kept, count() - 1);
    m_rows.erase(m_rows.begin() + kept, m_rows.end());
    endRemoveRows();
    return removed;
}

void AddressListModel::reorder(const std::vector<int> &order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    std::vector<Row> rows;
    rows.reserve(order.size());
    for (size_t row = 0; row < order.size(); ++row) {
        newRowOf[size_t(order[row])] = int(row);
        rows.push_back(std::move(m_rows[size_t(order[row])]));
    }
    m_rows = std::move(rows);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &at : from)
        to.append(index(newRowOf[size_t(at.row())]));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QStringList AddressListModel::texts() const
{
    // Each copy counts a reference in the entry's own memory, elsewhere in
    // a full book: asked for a few entries ahead, it is in the cache in time.
    constexpr size_t kAhead = 8;
    QStringList result;
    result.reserve(count());
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (i + kAhead < m_rows.size())
            __builtin_prefetch(m_rows[i + kAhead].text.constData(), 1);
        result.append(m_rows[i].text);
    }
    return result;
}

QString AddressListModel::oneLine(QStringView entry)
{
    static const QString mark = QStringLiteral("  \u00B7  ");
    QString line;
    line.reserve(entry.size());
    bool lineBreak = false;
    for (const QChar c : entry) {
        if (c == u'\r' || c == u'\n') {
            lineBreak = true;
            continue;
        }
        if (lineBreak && !line.isEmpty())
            line += mark;
        lineBreak = false;
        line += c;
    }
    return line;
}
