// SPDX-License-Identifier: GPL-3.0-or-later
// The address list: sorted insertion, ticks, removal, capacity.
#include "addressbook/addresslistmodel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList ticked(const AddressListModel &model)
{
    QStringList result;
    for (int row = 0; row < model.count(); ++row) {
        if (model.isTicked(row))
            result << model.text(row);
    }
    return result;
}

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
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("case does not count, arrival breaks ties")
            << QStringList{"b", "A", "a"} << QStringList{"A", "a", "b"};
        QTest::newRow("lower case first in, first out")
            << QStringList{"B", "a", "A", "b"} << QStringList{"a", "A", "B", "b"};
        QTest::newRow("accented letters among their base letters")
            << QStringList{"Zoe", "\u00c4pfel", "apfel", "Birne"}
            << QStringList{"apfel", "\u00c4pfel", "Birne", "Zoe"};
        QTest::newRow("empty entry first") << QStringList{"x", "", "A"} << QStringList{"", "A", "x"};
        QTest::newRow("multi-line entries by their whole text")
            << QStringList{"Tony Doe\r\n1\r\n", "larry\r\n2", "Larry\r\n1"}
            << QStringList{"Larry\r\n1", "larry\r\n2", "Tony Doe\r\n1\r\n"};
    }

    void sortedOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);

        AddressListModel oneByOne(nullptr, QLocale(QLocale::English));
        QAbstractItemModelTester tester(&oneByOne);
        for (const QString &entry : added)
            QVERIFY(oneByOne.add(entry) >= 0);
        QCOMPARE(oneByOne.texts(), expected);

        // A batch lands in the same order, into an empty list or beside
        // entries of its own (enough of them to be merged as a whole).
        AddressListModel batch(nullptr, QLocale(QLocale::English));
        QAbstractItemModelTester batchTester(&batch);
        QCOMPARE(batch.add(added), int(added.size()));
        QCOMPARE(batch.texts(), expected);
        QStringList twice = added;
        for (int i = 0; i < 4; ++i)
            twice += added;
        QCOMPARE(batch.add(twice), int(twice.size()));
        QCollator collator(QLocale(QLocale::English));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (int row = 0; row + 1 < batch.count(); ++row)
            QVERIFY(collator.compare(batch.text(row), batch.text(row + 1)) <= 0);
    }

    void theCLocaleSortsWithoutCase()
    {
        AddressListModel model(nullptr, QLocale::c());
        model.add(QStringList{"b", "B", "a", "_", "A"});
        QCOMPARE(model.texts(), QStringList({"_", "a", "A", "b", "B"}));
    }

    void addingKeepsTicks_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::newRow("one entry") << QStringList{"C"};
        QTest::newRow("a few entries") << QStringList{"C", "a0", "zz"};
        QTest::newRow("a batch merged at once") << numbered(40, QStringLiteral("c"));
    }

    void addingKeepsTicks()
    {
        QFETCH(QStringList, added);
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        model.add(QStringList{"a", "b", "d", "e"});
        model.setTicked(1, true);
        model.setTicked(3, true);
        const QPersistentModelIndex d = model.index(2);

        model.add(added);
        QCOMPARE(model.count(), 4 + int(added.size()));
        QCOMPARE(ticked(model), QStringList({"b", "e"}));
        QCOMPARE(d.data(AddressListModel::EntryTextRole).toString(), QStringLiteral("d"));
    }

    void removingTicked_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("tick");
        QTest::addColumn<QList<int>>("kept");

        QTest::newRow("positions 1 and 3 of 5") << 5 << QList<int>{1, 3} << QList<int>{0, 2, 4};
        QTest::newRow("nothing ticked") << 3 << QList<int>{} << QList<int>{0, 1, 2};
        QTest::newRow("everything ticked") << 3 << QList<int>{0, 1, 2} << QList<int>{};
        QList<int> even;
        QList<int> odd;
        for (int i = 0; i < 40; ++i)
            (i % 2 ? odd : even) << i;
        QTest::newRow("every other of 40, gathered at once") << 40 << odd << even;
    }

    void removingTicked()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, tick);
        QFETCH(QList<int>, kept);

        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        const QStringList entries = numbered(count);
        model.add(entries);
        for (int row : tick)
            model.setTicked(row, true);
        // A holder of a kept entry (Print All) still finds it afterwards.
        QPersistentModelIndex watched;
        if (!kept.isEmpty())
            watched = model.index(kept.last());

        QCOMPARE(model.removeTicked(), int(tick.size()));
        QStringList expected;
        for (int row : kept)
            expected << entries[row];
        QCOMPARE(model.texts(), expected);
        QVERIFY(ticked(model).isEmpty());
        if (!kept.isEmpty())
            QCOMPARE(watched.row(), int(kept.size()) - 1);
    }

    void persistentIndexesFollowAndExpire()
    {
        AddressListModel model;
        model.add(numbered(20));
        const QPersistentModelIndex doomed = model.index(5);
        const QPersistentModelIndex survivor = model.index(15);
        model.setTicked(5, true);
        model.add(numbered(30, QStringLiteral("a")));
        QCOMPARE(survivor.row(), 45);
        model.removeTicked();
        QVERIFY(!doomed.isValid());
        QCOMPARE(survivor.data(AddressListModel::EntryTextRole).toString(), QStringLiteral("entry 00015"));
    }

    void ticking()
    {
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        model.add(QStringList{"a", "b", "c"});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        QVERIFY(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.index(1).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(changed.size(), 1);

        model.tickAll();
        QCOMPARE(ticked(model), model.texts());
        QCOMPARE(changed.size(), 2);
        model.tickAll(); // nothing left to change
        QCOMPARE(changed.size(), 2);

        AddressListModel empty;
        empty.tickAll();
        QCOMPARE(empty.count(), 0);
    }

    void capacity()
    {
        AddressListModel model;
        QStringList many = numbered(AddressListModel::kCapacity - 2);
        QCOMPARE(model.add(many), AddressListModel::kCapacity - 2);
        // The first ones of a batch go in while there is room.
        QCOMPARE(model.add(QStringList{"z1", "z2", "z3"}), 2);
        QCOMPARE(model.count(), AddressListModel::kCapacity);
        QVERIFY(model.texts().contains(QStringLiteral("z2")));
        QVERIFY(!model.texts().contains(QStringLiteral("z3")));
        QCOMPARE(model.add(QStringLiteral("more")), -1);
        QCOMPARE(model.add(QStringList{"more"}), 0);
        QCOMPARE(model.count(), AddressListModel::kCapacity);
    }

    void whatRunsDuringABatchCountsAgainstTheRoom()
    {
        AddressListModel model;
        model.add(numbered(AddressListModel::kCapacity - 3));
        bool nested = false;
        const int added = model.add(QStringList{"x1", "x2", "x3"}, [&] {
            if (!std::exchange(nested, true))
                model.add(QStringLiteral("nested"));
        });
        QCOMPARE(added, 2);
        QCOMPARE(model.count(), AddressListModel::kCapacity);
    }

    void oneLine_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");

        QTest::newRow("single line") << QStringLiteral("Larry Doe") << QStringLiteral("Larry Doe");
        QTest::newRow("lines and final break")
            << QStringLiteral("Larry Doe\r\n789 Good RD.\r\n") << QStringLiteral("Larry Doe  \u00b7  789 Good RD.");
        QTest::newRow("empty lines and stray breaks")
            << QStringLiteral("\r\nA\r\n\r\nB\nC\r") << QStringLiteral("A  \u00b7  B  \u00b7  C");
        QTest::newRow("empty") << QString() << QString();
    }

    void oneLine()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QCOMPARE(AddressListModel::oneLine(entry), shown);
    }
};

QTEST_APPLESS_MAIN(TestAddressBookModel)
#include "test_addressbook_model.moc"
