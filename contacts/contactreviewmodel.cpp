// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactreviewmodel.h"

#include "addressbook/bookcodec.h"
#include "contacts/addresslayouts.h"
#include "contacts/contactentry.h"
#include "contacts/contacttexts.h"

#include <utility>

ContactReviewModel::ContactReviewModel(QList<Contact> contacts, const QStringList &book, QString home, QObject *parent)
    : TickListModel(parent),
      m_home(std::move(home))
{
    m_book.reserve(book.size());
    for (const QString &entry : book)
        m_book.insert(asStored(entry));
    m_rows.resize(size_t(contacts.size()));
    for (size_t row = 0; row < m_rows.size(); ++row) {
        m_rows[row].contact = std::move(contacts[qsizetype(row)]);
        place(row, m_rows[row].contact.preferredAddress());
    }
}

void ContactReviewModel::place(size_t row, int address)
{
    Row &r = m_rows[row];
    r.address = address;
    r.entry = contactEntry(r.contact, address, m_home);
    r.misfit = address >= 0 ? postalCodeMisfit(r.contact.addresses[address], m_home) : QString();
    const auto first = m_firstWith.constFind(r.entry);
    r.note = m_book.contains(r.entry)                            ? Note::InBook
        : first != m_firstWith.constEnd() && first.value() < row ? Note::EarlierInFile
                                                                 : Note::None;
    if (first == m_firstWith.constEnd())
        m_firstWith.insert(r.entry, row);
    const bool ticked = r.note == Note::None;
    m_ticked += int(ticked) - int(r.ticked);
    r.ticked = ticked;
}

QVariant ContactReviewModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows[size_t(index.row())];
    QStringList lines;
    for (const QStringView line : QStringView(row.entry).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
        lines << ContactTexts::shownLine(line);
    QStringList notes;
    if (row.note == Note::InBook)
        notes << tr("already in the address book");
    else if (row.note == Note::EarlierInFile)
        notes << tr("the same as a contact above");
    if (!row.misfit.isEmpty())
        notes << ContactTexts::postalCodeMisfit(row.misfit);
    if (row.contact.addresses.size() > 1)
        notes << tr("address %1 of %2").arg(row.address + 1).arg(row.contact.addresses.size());
    switch (role) {
    case Qt::DisplayRole:
        return notes.isEmpty() ? lines.join(u'\n')
                               : lines.join(u'\n') + QStringLiteral("\n(%1)").arg(notes.join(u"; "));
    case Qt::ToolTipRole:
        // The whole of each line, which the list may have to cut at its edge.
        return QStringLiteral("<p style='white-space:pre-wrap'>%1</p>")
            .arg((lines + notes).join(u'\n').toHtmlEscaped());
    case Qt::CheckStateRole: return row.ticked ? Qt::Checked : Qt::Unchecked;
    case Qt::AccessibleTextRole: return (lines + notes).join(tr(", ", "between the lines of an address read out"));
    case Qt::AccessibleDescriptionRole: return row.ticked ? tr("Ticked") : tr("Not ticked");
    default: return {};
    }
}

QString ContactReviewModel::entry(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].entry : QString();
}

ContactReviewModel::Note ContactReviewModel::note(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].note : Note::None;
}

bool ContactReviewModel::isTicked(int row) const
{
    return row >= 0 && row < count() && m_rows[size_t(row)].ticked;
}

void ContactReviewModel::setTicked(int row, bool ticked)
{
    if (row < 0 || row >= count() || m_rows[size_t(row)].ticked == ticked)
        return;
    m_rows[size_t(row)].ticked = ticked;
    m_ticked += ticked ? 1 : -1;
    emit dataChanged(index(row), index(row), {Qt::CheckStateRole, Qt::AccessibleDescriptionRole});
    emit tickedCountChanged(m_ticked);
}

QStringList ContactReviewModel::addressChoices(int row) const
{
    QStringList choices;
    if (row < 0 || row >= count())
        return choices;
    for (const PostalAddress &address : m_rows[size_t(row)].contact.addresses)
        choices << addressSummary(address, m_home);
    return choices;
}

int ContactReviewModel::addressChoice(int row) const
{
    return row >= 0 && row < count() ? m_rows[size_t(row)].address : -1;
}

void ContactReviewModel::chooseAddress(int row, int address)
{
    if (row < 0 || row >= count() || address < 0 || address >= m_rows[size_t(row)].contact.addresses.size()
        || address == m_rows[size_t(row)].address)
        return;
    place(size_t(row), address);
    emit dataChanged(index(row), index(row));
    emit tickedCountChanged(m_ticked);
}

QStringList ContactReviewModel::tickedEntries() const
{
    QStringList entries;
    entries.reserve(m_ticked);
    for (const Row &row : m_rows) {
        if (row.ticked)
            entries << row.entry;
    }
    return entries;
}

int ContactReviewModel::untickedWith(Note note) const
{
    int unticked = 0;
    for (const Row &row : m_rows)
        unticked += row.note == note && !row.ticked;
    return unticked;
}

ReviewOutcome ContactReviewModel::outcome(int skipped) const
{
    ReviewOutcome outcome{tickedEntries(), skipped, untickedWith(Note::InBook), untickedWith(Note::EarlierInFile), 0};
    outcome.unticked = count() - tickedCount() - outcome.inBook - outcome.twiceInFile;
    return outcome;
}
