// SPDX-License-Identifier: GPL-3.0-or-later
// The address list: its sorted order, removing ticked entries, ticking all.
#include "addressbook/addresslistmodel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

QStringList numbered(int count, const QString &prefix = QStringLiteral("entry "))
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << prefix + QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0'));
    return result;
}

} // namespace

class TestAddressBookModel : public QObject
{
    Q_OBJECT

private slots:
    void sortedOrder_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        const QLocale english(QLocale::English);
        QTest::newRow("case does not count, arrival breaks ties")
            << english << QStringList{"b", "A", "a"} << QStringList{"A", "a", "b"};
        QTest::newRow("accented letters among their base letters")
            << english << QStringList{"Zoe", "\u00c4pfel", "apfel", "Birne"}
            << QStringList{"apfel", "\u00c4pfel", "Birne", "Zoe"};
        // Qt's sort keys of the C locale compare character codes, case and all.
        QTest::newRow("C locale, still without case")
            << QLocale::c() << QStringList{"b", "B", "a", "A"} << QStringList{"a", "A", "b", "B"};
    }
    void sortedOrder()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        AddressListModel oneByOne(nullptr, locale);
        AddressListModel batch(nullptr, locale);
        QAbstractItemModelTester tester(&oneByOne), batchTester(&batch);
        for (const QString &entry : added)
            oneByOne.add(entry);
        QCOMPARE(oneByOne.texts(), expected);
        QCOMPARE(batch.add(added), int(added.size()));
        QCOMPARE(batch.texts(), expected);

        // Merged among the entries there, ties still keep arrival order (a
        // batch this long is merged in one pass, not added one by one).
        QStringList again;
        for (int i = 0; i < 3; ++i)
            std::copy(added.rbegin(), added.rend(), std::back_inserter(again));
        for (const QString &entry : again)
            oneByOne.add(entry);
        batch.add(again);
        QCOMPARE(batch.texts(), oneByOne.texts());
    }

    void removingTickedKeepsTheRest_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("tick");
        QTest::addColumn<QStringList>("added"); // among them, before the removal
        QList<int> odd;
        for (int i = 1; i < 40; i += 2)
            odd << i;
        QTest::newRow("everything ticked") << 3 << QList<int>{0, 1, 2} << QStringList();
        QTest::newRow("every other of 40, gathered at once") << 40 << odd << QStringList();
        QTest::newRow("a batch merged among ticked ones") << 5 << QList<int>{1, 3} << numbered(40, "entry 00002 x");
    }
    void removingTickedKeepsTheRest()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, tick);
        QFETCH(QStringList, added);
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        const QStringList entries = numbered(count);
        model.add(entries);
        QList<QPersistentModelIndex> held;
        for (int row = 0; row < count; ++row) {
            held << model.index(row);
            model.setTicked(row, tick.contains(row));
        }
        QCOMPARE(model.add(added), int(added.size()));
        for (int row = 0; row < model.count(); ++row)
            QCOMPARE(model.isTicked(row), tick.contains(entries.indexOf(model.text(row))));

        QCOMPARE(model.removeTicked(), int(tick.size()));
        QStringList kept = added;
        for (int row = 0; row < count; ++row) {
            QCOMPARE(held[row].data(AddressListModel::EntryTextRole).toString(),
                     tick.contains(row) ? QString() : entries[row]);
            if (!tick.contains(row))
                kept << entries[row];
        }
        std::sort(kept.begin(), kept.end()); // character order agrees with the list's for these texts
        QCOMPARE(model.texts(), kept);
    }

    void selectAllSignalsEveryRowItTicks()
    {
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        model.add(numbered(5));
        model.setTicked(1, true);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.tickAll();
        // A view repaints only the rows it is told of; the others keep their old ticks.
        QList<bool> shown{false, true, false, false, false};
        for (const QList<QVariant> &signal : changed) {
            QVERIFY(signal[2].value<QList<int>>().contains(Qt::CheckStateRole));
            for (int row = signal[0].toModelIndex().row(); row <= signal[1].toModelIndex().row(); ++row)
                shown[row] = model.isTicked(row);
        }
        QCOMPARE(shown, QList<bool>(5, true));
    }
};

QTEST_APPLESS_MAIN(TestAddressBookModel)
#include "test_addressbook_model.moc"
