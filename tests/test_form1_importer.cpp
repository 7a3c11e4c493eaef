// SPDX-License-Identifier: GPL-3.0-or-later
// The importer on the window: samples, "Import Addresses", "Clear Addresses".
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "fakes/testservices.h"
#include "importer/samples.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <utility>

namespace {

const QString kNothingToImport = QStringLiteral(
    "You need to add the address into the textbox above before clicking the import addressess icon.");

// The four sample addresses in the list's order.
const QStringList kSampleBook{
    QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n"),
    QStringLiteral("Lilly Doe\r\nP.O. Box 777\r\nAnycity, CA 97777\r\n"),
    QStringLiteral("Randy Doe\r\n777 Anyroad RD\r\nSomeTown, CA 97777\r\n"),
    QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"),
};

// A started window on fakes.
struct Window
{
    TestServices services;
    Form1 form{services.services()};

    Window() { form.Form_Load(); }

    QByteArray bookFile() const
    {
        QFile file(services.programDir.path() + QStringLiteral("/AddData.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

// The book file holding these entries.
QByteArray records(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += entry.toLatin1() + "*|||||*\r\n";
    return bytes;
}

} // namespace

class TestForm1Importer : public QObject
{
    Q_OBJECT

private slots:
    void samples_data()
    {
        QTest::addColumn<int>("sample");
        QTest::newRow("Sample 1") << 1;
        QTest::newRow("Sample 2") << 2;
    }

    // A sample replaces the import text and sets its delimiters, all stored
    // at once, "Specify:" boxes untouched; its import saves the four
    // addresses and changes no field; "Clear Addresses" empties the text alone.
    void samples()
    {
        QFETCH(int, sample);
        const ImporterSample &s = sample == 1 ? kSample1 : kSample2;
        Window w;
        w.form.TextImport->setText(QStringLiteral("old text"));
        w.form.TextLineD->setText(QStringLiteral("; "));
        w.form.TextAddressD->setText(QStringLiteral("##"));
        const auto stored = [&] {
            QStringList values;
            for (const char *key : {"TextImport", "ComboLine", "ComboAddress", "TextLineD", "TextAddressD"})
                values << w.services.settings.value(QString::fromLatin1(key)).value_or(QStringLiteral("(none)"));
            return values;
        };

        (sample == 1 ? w.form.Sample1Menu : w.form.Sample2Menu)->trigger();
        QTest::mouseClick(w.form.CommandImport, Qt::LeftButton);
        QCOMPARE(w.form.addressBook()->texts(), kSampleBook);
        QCOMPARE(w.bookFile(), records(kSampleBook));
        QVERIFY(w.services.messages.shown.isEmpty());
        QStringList fields{s.text.toString(), s.lineChoice.toString(), s.addressChoice.toString(), "; ", "##"};
        QCOMPARE(stored(), fields);

        QTest::mouseClick(w.form.CommandClearImport, Qt::LeftButton);
        fields[0].clear();
        QCOMPARE(stored(), fields);
        QCOMPARE(w.form.addressBook()->texts(), kSampleBook);
    }

    // Blank text is refused with the message before anything changes; text
    // that holds no address is no error, and the book is still saved.
    void nothingToImport_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("only spaces") << QStringLiteral("   ") << true;
        QTest::newRow("only CR LF") << QStringLiteral("\r\n\r\n") << false;
    }

    void nothingToImport()
    {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        Window w;
        w.form.addToAddressBook({QStringLiteral("Kept\r\n")}); // listed, not yet saved
        w.form.Sample2Menu->trigger();
        w.form.TextImport->setText(text);

        w.form.CommandImport_Click();
        QCOMPARE(w.form.addressBook()->texts(), QStringList{QStringLiteral("Kept\r\n")});
        QCOMPARE(w.bookFile(), refused ? QByteArray("(missing)") : records({QStringLiteral("Kept\r\n")}));
        QCOMPARE(w.services.messages.texts(), refused ? QStringList{kNothingToImport} : QStringList());
        if (refused)
            QCOMPARE(w.services.messages.shown.first().kind, FakeMessageBox::Shown::Information);
    }

    // Addresses the book cannot hold are skipped, the rest go in, one
    // message tells how many were left out and why, and nothing is lost.
    void refusedAddressesAreReportedOnce()
    {
        Window w;
        QStringList expected;
        for (int i = 0; i < AddressListModel::kCapacity - 2; ++i)
            expected << QStringLiteral("Filler %1\r\n").arg(i);
        w.form.addToAddressBook(expected);
        w.form.Sample1Menu->trigger();
        w.form.TextImport->setText(QStringLiteral("Bad*|||||*Name\r\n\r\nAnn\r\n\r\nBob\r\nLane\r\n\r\nCy"));

        w.form.CommandImport_Click();
        QStringList book = w.form.addressBook()->texts();
        QCOMPARE(w.bookFile(), records(book));
        expected << QStringLiteral("Ann\r\n") << QStringLiteral("Bob\r\nLane\r\n");
        expected.sort();
        book.sort();
        QCOMPARE(book, expected);
        QCOMPARE(w.services.messages.shown.size(), 1);
        const QString message = w.services.messages.shown.first().text;
        QVERIFY2(message.contains(QStringLiteral("*|||||*")) && message.contains(QStringLiteral("full")),
                 qPrintable(message));
    }

    // A second import run from the first one's events adds its addresses
    // beside the first one's; the program ending there stops the import:
    // nothing is added or saved.
    void eventsDuringImport()
    {
        Window w;
        w.form.Sample2Menu->trigger();
        bool nested = false;
        w.services.events.onProcess = [&] {
            if (!std::exchange(nested, true)) {
                w.form.TextImport->setText(QStringLiteral("Nested|Entry\r\n"));
                w.form.CommandImport_Click();
            }
        };
        w.form.CommandImport_Click();
        QStringList expected = kSampleBook;
        expected.insert(2, QStringLiteral("Nested\r\nEntry\r\n"));
        QCOMPARE(w.form.addressBook()->texts(), expected);
        QCOMPARE(w.bookFile(), records(expected));

        Window ending;
        ending.form.Sample2Menu->trigger();
        int calls = 0;
        ending.services.events.onProcess = [&] {
            QTest::qSleep(16); // past the throttle: every piece lets events in
            if (++calls == 5)  // the first address is parsed by then
                ending.form.ExitM_Click();
        };
        ending.form.CommandImport_Click();
        QCOMPARE(ending.services.app.quitCalls, 1);
        QCOMPARE(ending.form.addressBook()->count(), 0);
        QCOMPARE(ending.bookFile(), QByteArray("(missing)"));
        QVERIFY(ending.services.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestForm1Importer)
#include "test_form1_importer.moc"
