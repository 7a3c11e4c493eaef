// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing entries: Find's folding and its search round the list, the
// duplicates' key and groups, and finding entries by their texts.
#include "addressbook/addressfinder.h"
#include "addressbook/addresslistmodel.h"
#include "addressbook/addressmatch.h"

#include <QTest>

using Groups = QList<QList<int>>;

class TestAddressBookMatch : public QObject
{
    Q_OBJECT

private slots:
    void find_data()
    {
        QTest::addColumn<QStringList>("entries"); // in sorted order
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("backward");
        QTest::addColumn<int>("found");
        const QStringList book{"Anne\r\n1 Rue de l'\u00c9glise", "Bert\r\nMain St\r\nSPRINGFIELD",
                               "Cleo\r\nSpringfield", "D\u00fcrer\r\nN\u00fcrnberg"};
        QTest::newRow("any line, any case, from the start") << book << "springfield" << -1 << false << 1;
        QTest::newRow("next after the current") << book << "SpringField" << 1 << false << 2;
        QTest::newRow("round past the end") << book << "springfield" << 2 << false << 1;
        QTest::newRow("backward round past the start") << book << "springfield" << 1 << true << 2;
        QTest::newRow("backward passes over the current") << book << "B" << 1 << true << 3;
        QTest::newRow("backward from none: the last") << book << "e" << -1 << true << 3;
        QTest::newRow("accents in the entry") << book << "eglise" << 3 << false << 0;
        QTest::newRow("accents in the text") << book << "N\u00dcRN" << -1 << false << 3;
        QTest::newRow("the current alone matches") << book << "cleo" << 2 << false << 2;
        QTest::newRow("never across lines") << book << "annerue" << -1 << false << -1;
        QTest::newRow("not there") << book << "Paris" << 0 << false << -1;
        QTest::newRow("empty text") << book << "" << 0 << false << -1;
        QTest::newRow("empty list") << QStringList{} << "a" << -1 << false << -1;
    }
    void find()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(bool, backward);
        QFETCH(int, found);
        AddressListModel list(nullptr, QLocale(QLocale::English));
        AddressFinder finder(list);
        // Searched once before the entries came: what it keeps must follow.
        QCOMPARE(finder.find(QStringLiteral("a"), -1, false), -1);
        list.add(entries);
        QCOMPARE(list.texts(), entries);
        QCOMPARE(finder.find(text, from, backward), found);
        list.removeAt({0});
        if (found > 0)
            QCOMPARE(finder.find(text, from - 1, backward), found - 1);
    }

    void duplicates_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<Groups>("groups");
        QTest::newRow("case, spaces, punctuation and line breaks")
            << QStringList{"Anne Doe\r\n1 Main St.", "Bert", "anne doe 1 main st", "ANNE-DOE\r\n\r\n1, Main St", "Bert"}
            << Groups{{0, 2, 3}, {1, 4}};
        QTest::newRow("letters and digits count")
            << QStringList{"1 Main St", "2 Main St", "M\u00fcller", "Muller", "Main St 1"} << Groups{};
        QTest::newRow("none") << QStringList{} << Groups{};
    }
    void duplicates()
    {
        QFETCH(QStringList, entries);
        QFETCH(Groups, groups);
        QCOMPARE(duplicateGroups(entries), groups);
    }

    void rowsOfTexts_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("one occurrence each, first ones first") << QStringList{"b", "a"} << QList<int>{0, 1};
        QTest::newRow("as many as asked") << QStringList{"a", "a", "a"} << QList<int>{1, 3};
        QTest::newRow("missing skipped, exact case") << QStringList{"B", "c", "z"} << QList<int>{2};
    }
    void rowsOfTexts()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QList<int>, rows);
        QCOMPARE(::rowsOfTexts({"b", "a", "c", "a"}, wanted), rows);
    }
};

QTEST_GUILESS_MAIN(TestAddressBookMatch)
#include "test_addressbook_match.moc"
