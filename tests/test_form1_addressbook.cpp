// SPDX-License-Identifier: GPL-3.0-or-later
// The address book through the window: start-up load, its commands, Save
// and the Save-As panel, and what happens when files misbehave.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/testservices.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QByteArray kWorkedExample = "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                                  "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A window over a program folder that holds `book` as "AddData.txt"
// (none when it is null), started as the program starts it.
struct Window
{
    explicit Window(const QByteArray &book = QByteArray())
    {
        if (!book.isNull())
            writeAll(bookPath(), book);
        form = std::make_unique<Form1>(services.services());
        form->Form_Load();
    }

    QString bookPath() const { return QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")); }
    QString otherPath(const QString &name) const { return QDir(services.programDir.path()).filePath(name); }
    AddressListModel &book() const { return *form->addressBook(); }
    QStringList entries() const { return book().texts(); }
    QStringList warnings() const { return texts(FakeMessageBox::Shown::Warning); }
    QStringList informations() const { return texts(FakeMessageBox::Shown::Information); }

    QStringList texts(FakeMessageBox::Shown::Kind kind) const
    {
        QStringList result;
        for (const auto &box : services.messages.shown) {
            if (box.kind == kind)
                result << box.text;
        }
        return result;
    }

    void saveAddress(const QString &text)
    {
        form->TextToAddress->setText(text);
        QTest::mouseClick(form->CommandKeepToAddress, Qt::LeftButton);
    }

    void panel(QAction *menuItem, const QString &name)
    {
        menuItem->trigger();
        form->Text1->setText(name);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    TestServices services;
    std::unique_ptr<Form1> form;
};

} // namespace

class TestForm1AddressBook : public QObject
{
    Q_OBJECT

private slots:
    void startUpLoadsTheBook_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("entries");

        // Read back normalised: a final CR LF on the first entry now.
        QTest::newRow("worked example")
            << kWorkedExample
            << QStringList{"Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n",
                           "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"};
        QTest::newRow("Windows-1252") << QByteArray("Jos\xe9 \x80\r\n*|||||*\r\n")
                                      << QStringList{QStringLiteral("Jos\u00e9 \u20ac\r\n")};
        QTest::newRow("UTF-8") << QByteArray("\xc5\x81\xc3\xb3" "d\xc5\xba\r\n*|||||*\r\n")
                               << QStringList{QStringLiteral("\u0141\u00f3d\u017a\r\n")};
        QTest::newRow("unsorted file comes in sorted")
            << QByteArray("b\r\n*|||||*\r\nA\r\n*|||||*\r\na\r\n*|||||*\r\n")
            << QStringList{"A\r\n", "a\r\n", "b\r\n"};
    }

    void startUpLoadsTheBook()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, entries);
        Window window(file);
        QCOMPARE(window.form->AddressFileName, window.bookPath());
        QCOMPARE(window.entries(), entries);
        for (int row = 0; row < window.book().count(); ++row)
            QVERIFY(!window.book().isTicked(row));
        QCOMPARE(window.services.messages.shown.size(), 0);

        // Saving writes what was read, in the code page it came in.
        window.form->SaveMenu_Click();
        QCOMPARE(window.informations(), QStringList{"Complete"});
        QCOMPARE(readAll(window.bookPath()), encodeBook(entries));
        if (file.contains('\x80') || file.contains('\xc5'))
            QCOMPARE(readAll(window.bookPath()), file);
    }

    void saveAddress_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("file");

        QTest::newRow("as typed, without final break")
            << QStringList{"  Larry\r\n\r\nDoe "} << QByteArray("Larry\r\n\r\nDoe *|||||*\r\n");
        QTest::newRow("empty box adds an empty entry") << QStringList{""} << QByteArray("*|||||*\r\n");
        QTest::newRow("twice gives two entries")
            << QStringList{"A\r\n", "A\r\n"} << QByteArray("A\r\n*|||||*\r\nA\r\n*|||||*\r\n");
        QTest::newRow("sorted without case")
            << QStringList{"b", "A", "a"} << QByteArray("A*|||||*\r\na*|||||*\r\nb*|||||*\r\n");
        QTest::newRow("refused: would end in a separator") << QStringList{"Larry*|||||"} << QByteArray("<missing>");
    }

    void saveAddress()
    {
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, file);
        Window window;
        for (const QString &text : typed)
            window.saveAddress(text);
        QCOMPARE(readAll(window.bookPath()), file);
        const bool refused = file == "<missing>";
        QCOMPARE(window.book().count(), refused ? 0 : int(typed.size()));
        QCOMPARE(window.warnings().size(), refused ? 1 : 0);
        QVERIFY(refused ? window.warnings().first().contains(QStringLiteral("*|||||*"))
                        : window.entries().contains(typed.first()));
    }

    void clickingAnEntryCopiesIt()
    {
        Window window(kWorkedExample);
        window.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
        QListView *list = window.form->List1;
        const QRect second = list->visualRect(window.book().index(1));
        QVERIFY(second.isValid());
        QCOMPARE(window.book().index(0).data().toString(),
                 QStringLiteral("Larry Doe  \u00b7  789 Good RD.  \u00b7  Suit 777  \u00b7  SomeCity, CA 97777"));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));
        QCOMPARE(window.services.settings.value(QStringLiteral("ToAddress")), window.book().text(1));

        // While "Select All" runs (its button disabled) a click copies nothing.
        window.form->TextToAddress->setText(QString());
        window.form->CommandSelectAll->setEnabled(false);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(window.book().index(0)).center());
        QCOMPARE(window.form->TextToAddress->text(), QString());
        window.form->CommandSelectAll->setEnabled(true);

        // The tick box ticks; the click still copies the entry.
        const QRect first = list->visualRect(window.book().index(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(first.left() + 10, first.center().y()));
        QVERIFY(window.book().isTicked(0));
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(0));
    }

    void clearSelected_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("tick");
        QTest::addColumn<QStringList>("left");

        const QStringList five{"a", "b", "c", "d", "e"};
        QTest::newRow("yes: positions 1 and 3 of 5") << true << QList<int>{1, 3} << QStringList{"a", "c", "e"};
        QTest::newRow("no: nothing removed") << false << QList<int>{1, 3} << five;
        QTest::newRow("yes, nothing ticked") << true << QList<int>{} << five;
        QTest::newRow("yes, everything ticked") << true << QList<int>{0, 1, 2, 3, 4} << QStringList{};
    }

    void clearSelected()
    {
        QFETCH(bool, yes);
        QFETCH(QList<int>, tick);
        QFETCH(QStringList, left);
        Window window;
        for (const char *entry : {"a", "b", "c", "d", "e"})
            window.saveAddress(QString::fromLatin1(entry));
        if (tick.size() == 5) {
            QTest::mouseClick(window.form->CommandSelectAll, Qt::LeftButton);
            QVERIFY(window.form->CommandSelectAll->isEnabled());
        } else {
            for (int row : tick)
                window.book().setTicked(row, true);
        }
        // Gone from disk, so that the rewrite shows.
        QFile::remove(window.bookPath());
        window.services.messages.answers = {yes};

        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(window.services.messages.shown.size(), 1);
        QCOMPARE(window.services.messages.shown.first().kind, FakeMessageBox::Shown::Question);
        QCOMPARE(window.services.messages.shown.first().text,
                 QStringLiteral("Are you sure you want to clear the select addresses?"));
        QCOMPARE(window.entries(), left);
        // Rewritten whatever the answer; an empty list leaves no file.
        QCOMPARE(QFileInfo::exists(window.bookPath()), !left.isEmpty());
        if (!left.isEmpty())
            QCOMPARE(readAll(window.bookPath()), encodeBook(left));
    }

    void saveAsThenSaveAddressWritesTheOtherFile()
    {
        Window window(kWorkedExample);
        window.form->ImportMenu->trigger();
        QCOMPARE(window.form->Command1->text(), QStringLiteral("Import Data"));
        QTest::mouseClick(window.form->Command2, Qt::LeftButton); // "Cancel It"
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        window.form->SaveMenuAs->trigger();
        QCOMPARE(window.form->Command1->text(), QStringLiteral("Save"));
        QCOMPARE(window.form->Text1->text(), QDir::toNativeSeparators(window.bookPath()));

        const QString other = window.otherPath(QStringLiteral("other.txt"));
        window.panel(window.form->SaveMenuAs, other);
        QCOMPARE(window.informations(), QStringList{"Complete"});
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QByteArray saved = encodeBook(window.entries());
        QCOMPARE(readAll(other), saved);

        window.saveAddress(QStringLiteral("Zed"));
        QCOMPARE(readAll(other), saved + "Zed*|||||*\r\n");
        QCOMPARE(readAll(window.bookPath()), kWorkedExample);
    }

    void failedSavesSaySoOnceAndNeverComplete()
    {
        Window window(kWorkedExample);
        const QString nowhere = window.otherPath(QStringLiteral("no/such/folder/book.txt"));

        // Through the panel: the book in use stays the default one.
        window.panel(window.form->SaveMenuAs, nowhere);
        QCOMPARE(window.warnings().size(), 1);
        QVERIFY(window.informations().isEmpty());
        QVERIFY(window.warnings().last().contains(QDir::toNativeSeparators(nowhere)));
        QCOMPARE(window.form->AddressFileName, window.bookPath());

        // A failing book in use: one message per command, no "Complete".
        window.form->AddressFileName = nowhere;
        window.saveAddress(QStringLiteral("X"));
        QCOMPARE(window.warnings().size(), 2);
        window.form->SaveMenu_Click();
        QCOMPARE(window.warnings().size(), 3);
        window.services.messages.answers = {false};
        window.form->CommandClearData_Click();
        QCOMPARE(window.warnings().size(), 4);
        QVERIFY(window.informations().isEmpty());
        QCOMPARE(readAll(window.bookPath()), kWorkedExample);
    }

    void importData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: leave the path as it is
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("warning");

        QTest::newRow("the default book again doubles it") << "AddData.txt" << QByteArray() << 4 << QString();
        QTest::newRow("a file that does not exist")
            << "missing.txt" << QByteArray() << 2 << "later saves of the address book will create it";
        QTest::newRow("a folder") << "afolder" << QByteArray() << 2 << "could not be read";
        QTest::newRow("binary garbage with NUL bytes")
            << "garbage.bin" << QByteArray("\x00\x01\xff\xfe\x00*||\r\n\x90", 10) << 2 << "holds no address book records";
    }

    void importData()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        QFETCH(QString, warning);
        Window window(kWorkedExample);
        QVERIFY(QDir().mkpath(window.otherPath(QStringLiteral("afolder"))));
        const QString path = window.otherPath(name);
        if (!content.isNull())
            writeAll(path, content);

        window.panel(window.form->ImportMenu, path);
        QCOMPARE(window.book().count(), entries);
        QCOMPARE(window.form->AddressFileName, path);
        QCOMPARE(window.informations(), warning.isEmpty() ? QStringList{"Complete"} : QStringList{});
        QCOMPARE(window.warnings().size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(window.warnings().first().contains(warning), qPrintable(window.warnings().first()));
        // Not saved: the files change at the next save only.
        QCOMPARE(readAll(window.bookPath()), kWorkedExample);
        if (!content.isNull())
            QCOMPARE(readAll(path), content);

        window.saveAddress(QStringLiteral("New"));
        if (name == u"afolder") {
            // Never written over: the save says so, and another name works.
            QCOMPARE(window.warnings().size(), 2);
            QVERIFY(QFileInfo(path).isDir());
            window.panel(window.form->SaveMenuAs, window.otherPath(QStringLiteral("rescue.txt")));
            QCOMPARE(decodeBook(readAll(window.otherPath(QStringLiteral("rescue.txt"))), 10).entries.size(), 3);
            return;
        }
        QCOMPARE(decodeBook(readAll(path), 100).entries.size(), entries + 1);
        if (name == u"garbage.bin") {
            // What the import could not read is kept beside it.
            const QStringList kept =
                QDir(window.services.programDir.path()).entryList({QStringLiteral("garbage.bin.kept-*")});
            QCOMPARE(kept.size(), 1);
            QCOMPARE(readAll(window.otherPath(kept.first())), content);
        }
    }

    void overfullBookLoadsWhatFitsAndKeepsTheRest()
    {
        QStringList entries;
        for (int i = 0; i < AddressListModel::kCapacity + 3; ++i)
            entries << QStringLiteral("Name %1\r\nStreet %1\r\n").arg(i, 6, 10, QLatin1Char('0'));
        const QByteArray file = encodeBook(entries);
        Window window(file);
        QCOMPARE(window.book().count(), AddressListModel::kCapacity);
        QCOMPARE(window.warnings().size(), 1);
        QVERIFY2(window.warnings().first().contains(QStringLiteral(" 3 were left out")),
                 qPrintable(window.warnings().first()));

        // Full: a new address is refused, nothing stored is lost.
        window.saveAddress(QStringLiteral("One more"));
        QCOMPARE(window.warnings().size(), 2);
        QVERIFY(window.warnings().last().contains(QStringLiteral("full")));
        QCOMPARE(window.book().count(), AddressListModel::kCapacity);
        QCOMPARE(readAll(window.bookPath()), file);

        // The first save keeps the whole original beside the book.
        window.form->SaveMenu_Click();
        QCOMPARE(window.informations().size(), 2);
        QCOMPARE(window.informations().last(), QStringLiteral("Complete"));
        const QStringList kept = QDir(window.services.programDir.path())
                                     .entryList({QStringLiteral("AddData.txt.kept-*")}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY(window.informations().first().contains(kept.first()));
        QCOMPARE(readAll(window.otherPath(kept.first())), file);
        QCOMPARE(decodeBook(readAll(window.bookPath()), 100000).entries.size(), AddressListModel::kCapacity);
    }

    void commandsDuringALoadWaitForIt()
    {
        QByteArray file;
        for (int i = 0; i < 200; ++i)
            file += QStringLiteral("Person %1\r\n*|||||*\r\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
        TestServices services;
        writeAll(QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")), file);
        Form1 form(services.services());
        // What the user does while the book loads: an import, and Save.
        bool once = false;
        services.events.onProcess = [&] {
            if (std::exchange(once, true))
                return;
            QCOMPARE(form.addToAddressBook({QStringLiteral("Nested\r\n")}), 1);
            QCOMPARE(form.SaveFile(), Form1::BookSaved::Deferred);
            form.SaveMenu_Click();
        };
        form.Form_Load();
        QVERIFY(once);
        QCOMPARE(form.addressBook()->count(), 201);
        const QString book = QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt"));
        QCOMPARE(decodeBook(readAll(book), 1000).entries.size(), 201);
        QCOMPARE(services.messages.texts(), QStringList{"Complete"});
    }

    void nothingIsSavedOnceTheProgramEnds()
    {
        Window window(kWorkedExample);
        window.form->ExitM_Click();
        QVERIFY(window.form->ending());
        window.saveAddress(QStringLiteral("Late"));
        window.form->SaveMenu_Click();
        QCOMPARE(readAll(window.bookPath()), kWorkedExample);
        QVERIFY(window.informations().isEmpty());
    }
};

QTEST_MAIN(TestForm1AddressBook)
#include "test_form1_addressbook.moc"
