// SPDX-License-Identifier: GPL-3.0-or-later
// The address list: sorted insertion, ticks, removal, capacity.
#include "addressbook/addresslistmodel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
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
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        const QLocale english(QLocale::English);
        QTest::newRow("case does not count, arrival breaks ties")
            << english << QStringList{"b", "A", "a"} << QStringList{"A", "a", "b"};
        QTest::newRow("accented letters among their base letters")
            << english << QStringList{"Zoe", "\u00c4pfel", "apfel", "Birne"}
            << QStringList{"apfel", "\u00c4pfel", "Birne", "Zoe"};
        QTest::newRow("multi-line entries by their whole text")
            << english << QStringList{"Tony\r\n1\r\n", "", "larry\r\n2", "Larry\r\n1"}
            << QStringList{"", "Larry\r\n1", "larry\r\n2", "Tony\r\n1\r\n"};
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
        QAbstractItemModelTester tester(&oneByOne);
        for (const QString &entry : added)
            QVERIFY(oneByOne.add(entry) >= 0);
        QCOMPARE(oneByOne.texts(), expected);

        // In a batch: into an empty list, then many merged among them.
        AddressListModel batch(nullptr, locale);
        QAbstractItemModelTester batchTester(&batch);
        QCOMPARE(batch.add(added), int(added.size()));
        QCOMPARE(batch.texts(), expected);
        QStringList more;
        for (int i = 0; i < 5; ++i)
            more += added;
        batch.add(more);
        // Still in order: entries equal but for case stand together.
        QStringList lower;
        for (const QString &entry : expected)
            lower << entry.toLower();
        for (int row = 1; row < batch.count(); ++row)
            QVERIFY(lower.indexOf(batch.text(row - 1).toLower()) <= lower.indexOf(batch.text(row).toLower()));
    }

    void addingAndRemovingKeepTicks_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::newRow("one entry") << QStringList{"C"};
        QTest::newRow("a batch merged at once") << numbered(40, QStringLiteral("c"));
    }

    void addingAndRemovingKeepTicks()
    {
        QFETCH(QStringList, added);
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        model.add(QStringList{"a", "b", "d", "e"});
        model.setTicked(1, true);
        model.setTicked(3, true);
        const QPersistentModelIndex d = model.index(2);
        model.add(added);
        QCOMPARE(ticked(model), QStringList({"b", "e"}));
        QCOMPARE(d.data(AddressListModel::EntryTextRole).toString(), QStringLiteral("d"));
        QCOMPARE(model.removeTicked(), 2);
        QCOMPARE(model.count(), 2 + int(added.size()));
        QCOMPARE(d.data(AddressListModel::EntryTextRole).toString(), QStringLiteral("d"));
    }

    void removingTicked_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("tick");
        QTest::newRow("positions 1 and 3 of 5") << 5 << QList<int>{1, 3};
        QTest::newRow("nothing ticked") << 3 << QList<int>{};
        QTest::newRow("everything ticked") << 3 << QList<int>{0, 1, 2};
        QList<int> odd;
        for (int i = 1; i < 40; i += 2)
            odd << i;
        QTest::newRow("every other of 40, gathered at once") << 40 << odd;
    }

    void removingTicked()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, tick);
        AddressListModel model;
        QAbstractItemModelTester tester(&model);
        const QStringList entries = numbered(count);
        model.add(entries);
        QStringList kept = entries;
        for (auto it = tick.crbegin(); it != tick.crend(); ++it) {
            model.setTicked(*it, true);
            kept.removeAt(*it);
        }
        const QPersistentModelIndex doomed = tick.isEmpty() ? QModelIndex() : model.index(tick.first());
        const QPersistentModelIndex last = model.index(count - 1);
        QCOMPARE(model.removeTicked(), int(tick.size()));
        QCOMPARE(model.texts(), kept);
        QVERIFY(!doomed.isValid());
        QCOMPARE(last.isValid(), !tick.contains(count - 1));
    }

    void capacity()
    {
        AddressListModel model;
        QCOMPARE(model.add(numbered(AddressListModel::kCapacity - 3)), AddressListModel::kCapacity - 3);
        // What runs while a batch is prepared counts against its room.
        bool nested = false;
        QCOMPARE(model.add(QStringList{"z1", "z2", "z3"},
                           [&] {
                               if (!std::exchange(nested, true))
                                   model.add(QStringLiteral("nested"));
                           }),
                 2);
        QCOMPARE(model.count(), AddressListModel::kCapacity);
        QVERIFY(model.texts().contains(QStringLiteral("z2")) && !model.texts().contains(QStringLiteral("z3")));
        QCOMPARE(model.add(QStringLiteral("more")), -1);
        QCOMPARE(model.count(), AddressListModel::kCapacity);
    }
};

QTEST_APPLESS_MAIN(TestAddressBookModel)
#include "test_addressbook_model.moc"
