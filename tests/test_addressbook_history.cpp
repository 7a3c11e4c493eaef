// SPDX-License-Identifier: GPL-3.0-or-later
// The book's undo and redo: every command as one step, the file after each
// undo and redo, a failed save, and changes of other copies left out.
#include "addressbook/addressbooksession.h"
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "addressbook/bookhistory.h"
#include "fakes/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Command = BookHistory::Command;
using Change = std::function<void(AddressBookSession &)>;

// A book over its own folder, saved with `entries`.
struct Book
{
    explicit Book(const QStringList &entries = {"Anne", "Bert", "Cleo"})
    {
        session.add(entries);
        session.save();
    }
    QString path() const { return QDir(folder.path()).filePath(QStringLiteral("AddData.txt")); }
    QByteArray file() const { return readAll(path()); }
    QStringList list() const { return session.model()->texts(); }
    void run(Command command, const Change &change)
    {
        const auto step = history.step(command);
        change(session);
        session.save();
    }

    QTemporaryDir folder;
    AddressBookSession session{BookPlaces{folder.path(), folder.path(), true}, {}, [] { return false; }};
    BookHistory history{session};
};

QByteArray fileOf(const QStringList &entries)
{
    return entries.isEmpty() ? QByteArray("<missing>") : encodeBook(entries).bytes;
}

void tick(AddressBookSession &book, const QStringList &which)
{
    for (int row = 0; row < book.model()->count(); ++row)
        book.model()->setTicked(row, which.contains(book.model()->text(row)));
}

} // namespace

class TestAddressBookHistory : public QObject
{
    Q_OBJECT

private slots:
    void everyCommandUndoesAndRedoes_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("name");
        const auto add = [](QStringList entries) { return [=](AddressBookSession &book) { book.add(entries); }; };
        QTest::newRow("Save Address") << int(Command::SaveAddress) << Change(add({"Dora"}))
                                      << QStringList{"Anne", "Bert", "Cleo", "Dora"} << "Save Address (1 address)";
        QTest::newRow("Clear Selected") << int(Command::ClearSelected) << Change([](AddressBookSession &book) {
            tick(book, {"Anne", "Cleo"});
            book.model()->removeTicked();
        }) << QStringList{"Bert"} << "Clear Selected (2 addresses)";
        QTest::newRow("Import Addresses, a copy of one there included")
            << int(Command::ImportAddresses) << Change(add({"Zora", "Anne", "Abel"}))
            << QStringList{"Abel", "Anne", "Anne", "Bert", "Cleo", "Zora"} << "Import Addresses (3 addresses)";
        QTest::newRow("contacts") << int(Command::AddContacts) << Change(add({"Eve\r\nMain St"}))
                                  << QStringList{"Anne", "Bert", "Cleo", "Eve\r\nMain St"}
                                  << "Add Contacts (1 address)";
        QTest::newRow("Edit Address: out and in at its sorted place")
            << int(Command::EditAddress) << Change([](AddressBookSession &book) {
                   book.model()->removeAt({0});
                   book.add({"Dan"});
               })
            << QStringList{"Bert", "Cleo", "Dan"} << "Edit Address";
        QTest::newRow("Remove Address") << int(Command::RemoveAddress)
                                        << Change([](AddressBookSession &book) { book.model()->removeAt({1}); })
                                        << QStringList{"Anne", "Cleo"} << "Remove Address (1 address)";
        QTest::newRow("Remove Duplicates, the last of the list")
            << int(Command::RemoveDuplicates) << Change([](AddressBookSession &book) {
                   book.model()->removeAt({0, 1, 2});
               })
            << QStringList{} << "Remove Duplicates (3 addresses)";
    }
    void everyCommandUndoesAndRedoes()
    {
        QFETCH(int, command);
        QFETCH(Change, change);
        QFETCH(QStringList, after);
        QFETCH(QString, name);
        // Entries an undo brings back keep their ticks.
        const QStringList ticked = command == int(Command::ClearSelected) ? QStringList{"Anne", "Cleo"} : QStringList{};
        Book book;
        const QStringList before = book.list();
        book.run(Command(command), change);
        QCOMPARE(book.list(), after);
        QCOMPARE(book.history.undoText(), name);
        QVERIFY(book.history.redoText().isEmpty());

        for (int round = 0; round < 2; ++round) {
            QCOMPARE(book.history.undo().status, BookResult::Done);
            QCOMPARE(book.list(), before);
            QCOMPARE(book.file(), fileOf(before));
            QStringList tickedNow;
            for (int row = 0; row < book.session.model()->count(); ++row) {
                if (book.session.model()->isTicked(row))
                    tickedNow << book.list()[row];
            }
            QCOMPARE(tickedNow, ticked);
            QCOMPARE(book.history.redoText(), name);
            QCOMPARE(book.history.redo().status, BookResult::Done);
            QCOMPARE(book.list(), after);
            QCOMPARE(book.file(), fileOf(after));
        }
        // Nothing left to redo: nothing changes, nothing is said.
        const BookResult none = book.history.redo();
        QVERIFY(none.status == BookResult::Done && none.messages.isEmpty());
        QCOMPARE(book.list(), after);
    }

    // Steps undo last first, and a step inside another joins it.
    void stepsInOrder()
    {
        Book book{QStringList{}};
        book.run(Command::SaveAddress, [](AddressBookSession &s) { s.add({"One"}); });
        book.run(Command::ImportAddresses, [&](AddressBookSession &s) {
            s.add({"Two"});
            book.run(Command::SaveAddress, [](AddressBookSession &inner) { inner.add({"Three"}); });
        });
        // A command that changed nothing is no step.
        book.run(Command::ClearSelected, [](AddressBookSession &s) { s.model()->removeTicked(); });
        QCOMPARE(book.history.undoText(), "Import Addresses (2 addresses)");
        book.history.undo();
        QCOMPARE(book.list(), QStringList{"One"});
        book.history.undo();
        QCOMPARE(book.file(), fileOf({}));
        QVERIFY(book.history.undoText().isEmpty());
        book.history.redo();
        book.history.redo();
        QCOMPARE(book.list(), (QStringList{"One", "Three", "Two"}));
        // A new step drops what was undone after it.
        book.history.undo();
        book.run(Command::SaveAddress, [](AddressBookSession &s) { s.add({"Four"}); });
        QVERIFY(book.history.redoText().isEmpty());
        QCOMPARE(book.file(), fileOf({"Four", "One"}));
    }

    // An undo whose save fails changes the list, leaves the file as it was
    // and says why, as any failed save; the next save that works catches up.
    void undoAfterAFailedSave()
    {
        Book book;
        book.run(Command::RemoveAddress, [](AddressBookSession &s) { s.model()->removeAt({0}); });
        const QByteArray saved = book.file();
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(book.path(), readable));
        const BookResult undone = book.history.undo();
        QCOMPARE(undone.status, BookResult::Failed);
        QVERIFY(undone.messages.size() == 1 && undone.messages[0].kind == BookMessage::Warning);
        QVERIFY(undone.messages[0].text.contains(u"was not saved"));
        QVERIFY(book.session.lastSaveFailed());
        QCOMPARE(book.list(), (QStringList{"Anne", "Bert", "Cleo"}));
        QCOMPARE(book.file(), saved);
        QVERIFY(QFile::setPermissions(book.path(), readable | QFileDevice::WriteOwner));
        QCOMPARE(book.history.redo().status, BookResult::Done);
        QCOMPARE(book.file(), fileOf({"Bert", "Cleo"}));
    }

    // What another copy saved comes in during this copy's save, but is no
    // part of this copy's step: the undo leaves it.
    void otherCopiesChangesAreNotUndone()
    {
        Book book;
        AddressBookSession other(
            BookPlaces{book.folder.path(), book.folder.path(), true}, [] {}, [] { return false; });
        other.load();
        other.add({"Zeno"});
        QCOMPARE(other.save().status, BookResult::Done);
        book.run(Command::SaveAddress, [](AddressBookSession &s) { s.add({"Dora"}); });
        // As read from the file: its lines end in CR LF.
        QCOMPARE(book.list(), (QStringList{"Anne", "Bert", "Cleo", "Dora", "Zeno\r\n"}));
        QCOMPARE(book.history.undoText(), "Save Address (1 address)");
        book.history.undo();
        QCOMPARE(book.file(), fileOf({"Anne", "Bert", "Cleo", "Zeno\r\n"}));
    }
};

QTEST_GUILESS_MAIN(TestAddressBookHistory)
#include "test_addressbook_history.moc"
