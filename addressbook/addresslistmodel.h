// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/ticklistmodel.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The address list: entries kept in the order of their texts, compared
// without regard to case in the user's locale, each with a tick box.
// Positions run from 0 to count() - 1; an entry never moves among the
// others, and a new one arrives unticked after those that compare equal.
class AddressListModel final : public TickListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddressListModel)

public:
    // Positions and counts of the list are 16-bit signed numbers.
    static constexpr int kCapacity = 32767;
    // The entry's exact text, CR LF included (DisplayRole is its one-line form).
    static constexpr int EntryTextRole = Qt::UserRole + 1;

    explicit AddressListModel(QObject *parent = nullptr, const QLocale &locale = QLocale());

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const override { return int(m_rows.size()); }
    int room() const { return kCapacity - count(); }
    QString text(int row) const;
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked) override;
    void tickAll();

    // Adds at its sorted place; the position, or -1 when the list is full.
    int add(const QString &entry);
    // Adds as many of the entries as there is room for, the first ones
    // first, at their sorted places, and returns how many.
    int add(const QStringList &entries);
    // Removes every ticked entry; the others keep their order and ticks.
    int removeTicked();
    // Removes the entries at these positions; the others keep their order and ticks.
    int removeAt(const QList<int> &rows);

    // Every entry text in list order, for the book file's writer.
    QStringList texts() const;

    // An entry on one line: its non-empty lines joined by a visible mark.
    static QString oneLine(QStringView entry);

private:
    struct Row
    {
        QString text;
        bool ticked = false;
    };

    int placeFor(const QString &text) const;
    int insertRow(Row row);
    void insertSorted(std::vector<Row> rows);
    int removeMarked(const std::vector<bool> &gone);
    void reorder(const std::vector<int> &order);

    std::vector<Row> m_rows;
    QCollator m_collator;
};
