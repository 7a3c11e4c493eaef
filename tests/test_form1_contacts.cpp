// SPDX-License-Identifier: GPL-3.0-or-later
// Contacts through the window: the review from the menu, a drop or a
// queue of files, its keys, the column mapping, broken files, and Export.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/columnmappingdialog.h"
#include "app/contactreviewdialog.h"
#include "contacts/contactreviewmodel.h"
#include "contacts/vcardreader.h"
#include "datarow.h"
#include "fakes/files.h"
#include "fakes/testservices.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

QString fixture(const QString &name)
{
    return QFINDTESTDATA(QStringLiteral("data/contacts/") + name);
}

void press(QWidget *widget, int key)
{
    QTest::keyClick(widget, Qt::Key(key));
}

} // namespace

class TestForm1Contacts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init()
    {
        m_fakes = std::make_unique<TestServices>();
        writeAll(book(), "Kept\r\n*|||||*\r\n");
        m_form = m_fakes->start();
    }
    void cleanup() { m_form.reset(), m_fakes.reset(); }

    // The keyboard alone: Down, Space unticks, Return adds the rest at their
    // sorted places and saves them; Escape adds nothing and saves nothing.
    void review_data()
    {
        QTest::addColumn<int>("closeKey");
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<QString>("told");
        dataRow("Return adds", int(Qt::Key_Return),
                QStringList{"Jane Roe\r\nRoe & Partners\r\nUnter den Linden 5\r\n10117 "
                            "BERLIN\r\nGERMANY\r\n",
                            "Kept\r\n"},
                "Added to the address book: 1\nSkipped: 1\nAlready in the address book: "
                "0\nNot ticked: 1");
        QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << QStringList{"Kept\r\n"} << "";
    }
    void review()
    {
        QFETCH(int, closeKey);
        QFETCH(QStringList, book);
        QFETCH(QString, told);
        const QByteArray before = readAll(this->book());
        m_fakes->fileDialogs.chosen = {fixture("google.vcf")};
        m_form->ImportContactsMenu->trigger();
        auto *review = m_form->findChild<ContactReviewDialog *>();
        QVERIFY(review && review->isVisible());
        QCOMPARE(review->skipped->count(), 1);
        // Each contact's row shows all its lines (six, with the note).
        QVERIFY(review->contacts->sizeHintForRow(0) >= 6 * review->contacts->fontMetrics().lineSpacing());
        QCOMPARE(review->address->count(), 2);
        press(review->contacts, Qt::Key_Down);
        QVERIFY(!review->address->isEnabled());
        press(review->contacts, Qt::Key_Space);
        QCOMPARE(review->add->text(), "&Add 1 Address");
        press(review->contacts, closeKey);
        QTRY_VERIFY(!m_form->findChild<ContactReviewDialog *>() && m_fakes->messages.shown.size() == !told.isEmpty());
        QCOMPARE(m_form->addressBook()->texts(), book);
        QCOMPARE(decodeBook(readAll(this->book()), 100).entries, book);
        QCOMPARE(m_fakes->messages.texts(), told.isEmpty() ? QStringList() : QStringList{told});
        if (told.isEmpty())
            QCOMPARE(readAll(this->book()), before);
    }

    // Another address of the chosen contact; what the book has starts unticked.
    void chooseAnotherAddress()
    {
        m_form->addToAddressBook({"Jane Roe\r\nRoe & Partners\r\nUnter den Linden 5\r\n10117 BERLIN\r\nGERMANY\r\n"});
        m_form->importContacts({fixture("google.vcf")});
        auto *review = m_form->findChild<ContactReviewDialog *>();
        QVERIFY(review);
        QVERIFY(!review->model()->isTicked(0));
        QVERIFY(review->address->isEnabled());
        review->address->setFocus();
        press(review->address, Qt::Key_Up);
        QVERIFY(review->model()->isTicked(0));
        QVERIFY(review->model()->entry(0).contains("4012 Oak Hollow Dr, Apt 3\r\nRALEIGH NC 27613-3502\r\n"));
        review->reject();
    }

    // What cannot be read says why, opens nothing and adds nothing; the
    // next file of a drop still comes.
    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("told");
        QTest::newRow("no contacts") << QByteArray("\r\n\r\n") << "holds no contacts";
        QTest::newRow("missing") << QByteArray() << "could not be read";
    }
    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, told);
        const QString path = QDir(m_fakes->dataDir.path()).filePath("x.vcf");
        if (!bytes.isEmpty())
            writeAll(path, bytes);
        m_form->importContacts({path, fixture("evolution.vcf")});
        QCOMPARE(m_fakes->messages.shown.size(), 1);
        QVERIFY2(m_fakes->messages.shown.first().text.contains(told), qPrintable(m_fakes->messages.texts().join("|")));
        QTRY_VERIFY(m_form->findChild<ContactReviewDialog *>());
        QCOMPARE(m_form->findChild<ContactReviewDialog *>()->model()->count(), 1);
        QCOMPARE(m_form->addressBook()->count(), 1);
    }

    // Unknown headers: the user maps the columns, the mapping is stored and
    // comes back for the next such file.
    void mapColumns()
    {
        for (int round = 0; round < 2; ++round) {
            m_form->importContacts({fixture("spreadsheet.csv")});
            auto *mapping = m_form->findChild<ColumnMappingDialog *>();
            QVERIFY(mapping);
            if (round == 0) {
                const int fields[] = {1, 1, 2, 3, 6, 4};
                for (int column = 0; column < 6; ++column)
                    mapping->columns[column]->setCurrentIndex(fields[column]);
            }
            QCOMPARE(mapping->columns[4]->currentText(), "Postal code");
            press(mapping->columns[0], Qt::Key_Return);
            QTRY_VERIFY(m_form->findChild<ContactReviewDialog *>());
            auto *review = m_form->findChild<ContactReviewDialog *>();
            QCOMPARE(review->model()->entry(0), "Erika Mustermann\r\nHeidestraße 17\r\nKÖLN 51147\r\n");
            review->reject();
            QTRY_VERIFY(!m_form->findChild<ContactReviewDialog *>());
        }
        QVERIFY(m_fakes->settings.value("contactcolumns")->contains("postalcode\tPLZ"));
    }

    // Files other programs write half right: Yahoo's columns, partly known,
    // open the mapping filled with what was known; a hundred thousand
    // columns lay out a few hundred and say so; a cut-off card is listed
    // under Skipped with its line, after the good ones, with no message.
    void hardFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("shownColumns");
        QTest::addColumn<QString>("skippedLine");
        dataRow("Yahoo: name and postal code unknown",
                QByteArray("First,Middle,Last,Work Address,Work City,Work ZIP\nAnn,B.,Lee,1 Elm St,Town,12345\n"),
                "x.csv", 6, "");
        QByteArray wide = "c0";
        for (int i = 1; i < 5000; ++i)
            wide += ",c" + QByteArray::number(i);
        dataRow("five thousand unknown columns", wide + "\n" + wide + "\n", "x.csv", ColumnMappingDialog::kShownColumns,
                "");
        dataRow("a card cut off at the end",
                QByteArray("BEGIN:VCARD\nFN:A\nADR:;;S;T;;1;\nEND:VCARD\nBEGIN:VCARD\nFN:B\n"), "x.vcf", 0, "line 5: ");
    }
    void hardFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(int, shownColumns);
        QFETCH(QString, skippedLine);
        const QString path = QDir(m_fakes->dataDir.path()).filePath(name);
        writeAll(path, bytes);
        m_form->importContacts({path});
        if (shownColumns > 0) {
            auto *mapping = m_form->findChild<ColumnMappingDialog *>();
            QVERIFY(mapping);
            QCOMPARE(mapping->columns.size(), shownColumns);
            QCOMPARE(bool(mapping->findChild<QLabel *>("moreColumns")),
                     shownColumns == ColumnMappingDialog::kShownColumns);
            if (shownColumns == 6) {
                QCOMPARE(mapping->columns[3]->currentText(), "Street");
                QCOMPARE(mapping->columns[5]->currentText(), "(not used)");
            }
            mapping->reject();
        } else {
            auto *review = m_form->findChild<ContactReviewDialog *>();
            QVERIFY(review);
            QCOMPARE(review->model()->count(), 1);
            QVERIFY(review->skipped->item(0)->text().startsWith(skippedLine));
            review->reject();
        }
        QVERIFY(m_fakes->messages.shown.isEmpty());
    }

    // Cancel in the column mapping stops there; nothing is kept.
    void mappingCancelled()
    {
        m_form->importContacts({fixture("spreadsheet.csv")});
        auto *mapping = m_form->findChild<ColumnMappingDialog *>();
        QVERIFY(mapping);
        mapping->columns[0]->setCurrentIndex(1);
        press(mapping->columns[0], Qt::Key_Escape);
        QTRY_VERIFY(!m_form->findChild<ColumnMappingDialog *>());
        QTest::qWait(20);
        QVERIFY(!m_form->findChild<ContactReviewDialog *>());
        QVERIFY(!m_fakes->settings.value("contactcolumns"));
        QVERIFY(m_fakes->messages.shown.isEmpty());
    }

    // With everything there already, Return adds nothing and the review
    // stays; a book with room for one takes one and tells of the rest.
    void nothingOrLittleRoom()
    {
        m_form->importContacts({fixture("thunderbird.csv")});
        auto *review = m_form->findChild<ContactReviewDialog *>();
        QVERIFY(review && review->findChild<QLabel *>()->text().contains("read as a Thunderbird export"));
        QStringList both = review->model()->outcome(0).entries;
        for (int row = 0; row < review->model()->count(); ++row)
            review->model()->setTicked(row, false);
        press(review->contacts, Qt::Key_Return);
        QVERIFY(review->isVisible());
        review->reject();
        QTRY_VERIFY(!m_form->findChild<ContactReviewDialog *>());

        QStringList filler;
        for (int i = 0; i < AddressListModel::kCapacity - 2; ++i)
            filler << QStringLiteral("Filler %1\r\n").arg(i);
        m_form->addToAddressBook(filler);
        m_form->importContacts({fixture("thunderbird.csv")});
        review = m_form->findChild<ContactReviewDialog *>();
        QVERIFY(review);
        press(review->contacts, Qt::Key_Return);
        QTRY_COMPARE(m_fakes->messages.shown.size(), 2);
        QVERIFY(m_fakes->messages.texts().first().startsWith("The address book is full"));
        QVERIFY(m_fakes->messages.texts().last().startsWith("Added to the address book: 1\n"));
        QVERIFY(m_form->addressBook()->texts().contains(both.first()));
    }

    // Every control of the two dialogs that takes the focus has a name a
    // screen reader reads; Tab passes over the address choice when there
    // is none to make.
    void keyboardAndNames()
    {
        m_form->importContacts({fixture("spreadsheet.csv")});
        auto *mapping = m_form->findChild<ColumnMappingDialog *>();
        QVERIFY(mapping);
        const auto unnamed = [](QWidget *dialog) {
            QStringList found;
            for (QWidget *widget : dialog->findChildren<QWidget *>()) {
                QAccessibleInterface *control = QAccessible::queryAccessibleInterface(widget);
                if (widget->focusPolicy() & Qt::TabFocus && control && control->text(QAccessible::Name).isEmpty())
                    found << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
            }
            return found;
        };
        QCOMPARE(unnamed(mapping), QStringList());
        mapping->reject();
        m_form->importContacts({fixture("google.vcf")});
        QTRY_VERIFY(m_form->findChild<ContactReviewDialog *>());
        auto *review = m_form->findChild<ContactReviewDialog *>();
        QCOMPARE(unnamed(review), QStringList());
        review->show();
        review->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(review));
        press(review->contacts, Qt::Key_Down);
        press(review->contacts, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), review->skipped);
        review->reject();
    }

    // A contacts file dropped on a text box opens the review and leaves the
    // box as it was; any other file is the box's.
    void drop_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("taken");
        QTest::newRow("vCard") << fixture("google.vcf") << true;
        QTest::newRow("text file") << QStringLiteral("/tmp/notes.txt") << false;
    }
    void drop()
    {
        QFETCH(QString, file);
        QFETCH(bool, taken);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QWidget *box = m_form->TextImport->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &dropped);
        QCOMPARE(bool(m_form->findChild<ContactReviewDialog *>()), taken);
        if (taken)
            QCOMPARE(m_form->TextImport->text(), QString());
    }

    // Export writes the ticked entries, or all, in the format chosen, adds
    // the ending, asks before replacing what the dialog did not ask about,
    // and reads back into the same entries.
    void exportContacts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("tick");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QStringList>("entries");
        const QStringList all{"Kept\r\n", "Zoe Q\r\nOne St\r\n"};
        dataRow("vCard, all", "out", "", false, "out.vcf", all);
        dataRow("CSV, ticked", "out", "CSV (*.csv)", true, "out.csv", QStringList{all.last()});
        dataRow("name says CSV", "out.csv", "vCard 4.0 (*.vcf)", false, "out.csv", all);
        dataRow("exists, not replaced", "old", "", false, "", QStringList{});
        dataRow("no such folder", "none/out.vcf", "", false, "", QStringList{});
    }
    void exportContacts()
    {
        QFETCH(QString, name);
        QFETCH(QString, filter);
        QFETCH(bool, tick);
        QFETCH(QString, written);
        QFETCH(QStringList, entries);
        m_form->addToAddressBook({"Zoe Q\r\nOne St\r\n"});
        m_form->addressBook()->setTicked(1, tick);
        const QDir dir(m_fakes->dataDir.path());
        writeAll(dir.filePath("old.vcf"), "mine");
        m_fakes->messages.answers = {false};
        m_fakes->fileDialogs.chosen = {dir.filePath(name)};
        m_fakes->fileDialogs.filter = filter;
        m_form->ExportContactsMenu->trigger();
        QCOMPARE(readAll(dir.filePath("old.vcf")), "mine");
        if (written.isEmpty()) {
            QCOMPARE(m_fakes->messages.shown.last().kind == FakeMessageBox::Shown::Question, name == "old");
            return;
        }
        const QString count = entries.size() == 1 ? "One address was" : "2 addresses were";
        QCOMPARE(m_fakes->messages.shown.last().text, count + " exported to " + dir.filePath(written) + ".");
        m_fakes->fileDialogs.chosen = {dir.filePath(written)};
        m_form->addressBook()->removeAt({0, 1});
        m_form->ImportContactsMenu->trigger();
        auto *review = m_form->findChild<ContactReviewDialog *>();
        QVERIFY(review);
        QCOMPARE(review->model()->tickedEntries(), entries);
        review->reject();
    }

private:
    QString book() const { return QDir(m_fakes->programDir.path()).filePath("AddData.txt"); }

    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(TestForm1Contacts)
#include "test_form1_contacts.moc"
