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

#include <memory>

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

std::unique_ptr<Form1> loadedForm(TestServices &services)
{
    auto form = std::make_unique<Form1>(services.services());
    form->Form_Load();
    return form;
}

QString bookPath(const TestServices &services)
{
    return services.programDir.path() + QStringLiteral("/AddData.txt");
}

// The file as the book's records: entry text, "*|||||*", CR LF.
QByteArray records(const QStringList &entries)
{
    QByteArray bytes;
    for (const QString &entry : entries)
        bytes += entry.toLatin1() + "*|||||*\r\n";
    return bytes;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
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

    // Each sample replaces the import text, sets its delimiters (stored at
    // once), leaves the "Specify:" boxes alone and imports the four
    // addresses, saved once.
    void samples()
    {
        QFETCH(int, sample);
        const ImporterSample &expected = sample == 1 ? kSample1 : kSample2;
        TestServices services;
        auto form = loadedForm(services);
        form->TextImport->setText(QStringLiteral("old text"));
        form->TextLineD->setText(QStringLiteral("; "));
        form->TextAddressD->setText(QStringLiteral("##"));

        (sample == 1 ? form->Sample1Menu : form->Sample2Menu)->trigger();
        QCOMPARE(form->TextImport->text(), expected.text.toString());
        QCOMPARE(form->ComboLine->text(), expected.lineChoice.toString());
        QCOMPARE(form->ComboAddress->text(), expected.addressChoice.toString());
        QCOMPARE(services.settings.value(QStringLiteral("TextImport")), expected.text.toString());
        QCOMPARE(services.settings.value(QStringLiteral("ComboLine")), expected.lineChoice.toString());
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), expected.addressChoice.toString());
        QCOMPARE(form->TextLineD->text(), QStringLiteral("; "));
        QCOMPARE(form->TextAddressD->text(), QStringLiteral("##"));
        QVERIFY(form->addressBook()->texts().isEmpty());

        QTest::mouseClick(form->CommandImport, Qt::LeftButton);
        QCOMPARE(form->addressBook()->texts(), kSampleBook);
        QCOMPARE(fileBytes(bookPath(services)), records(kSampleBook));
        QVERIFY(services.messages.shown.isEmpty());
        QCOMPARE(form->TextImport->text(), expected.text.toString());

        // "Clear Addresses" empties the import text alone.
        QTest::mouseClick(form->CommandClearImport, Qt::LeftButton);
        QCOMPARE(form->TextImport->text(), QString());
        QCOMPARE(services.settings.value(QStringLiteral("TextImport")), QString());
        QCOMPARE(form->ComboLine->text(), expected.lineChoice.toString());
        QCOMPARE(form->addressBook()->texts(), kSampleBook);
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
        TestServices services;
        auto form = loadedForm(services);
        form->addToAddressBook({QStringLiteral("Kept\r\n")}); // listed, not yet saved
        form->ComboLine->setText(QStringLiteral("|"));
        form->ComboAddress->setText(QStringLiteral("[LINE BREAK]"));
        form->TextImport->setText(text);

        form->CommandImport_Click();
        QCOMPARE(form->addressBook()->texts(), QStringList{QStringLiteral("Kept\r\n")});
        QCOMPARE(services.messages.texts(), refused ? QStringList{kNothingToImport} : QStringList{});
        if (refused)
            QCOMPARE(services.messages.shown.first().kind, FakeMessageBox::Shown::Information);
        QCOMPARE(QFile::exists(bookPath(services)), !refused);
        QCOMPARE(form->TextImport->text(), text);
    }

    // Addresses the book cannot hold are skipped, the rest go in, one
    // message tells how many were left out, and nothing listed is lost.
    void refusedAddressesAreReportedOnce()
    {
        TestServices services;
        auto form = loadedForm(services);
        QStringList filler;
        for (int i = 0; i < AddressListModel::kCapacity - 2; ++i)
            filler << QStringLiteral("Filler %1\r\n").arg(i);
        form->addToAddressBook(filler);
        form->ComboLine->setText(QStringLiteral(","));
        form->ComboAddress->setText(QStringLiteral("[LINE BREAK]"));
        form->TextImport->setText(QStringLiteral("Bad*|||||*Name,Street\r\nAnn,Road\r\nBob,Lane\r\nCy,Way\r\n"));

        form->CommandImport_Click();
        const QStringList book = form->addressBook()->texts();
        QCOMPARE(book.size(), AddressListModel::kCapacity);
        QVERIFY(book.contains(QStringLiteral("Ann\r\nRoad\r\n")));
        QVERIFY(book.contains(QStringLiteral("Bob\r\nLane\r\n")));
        QVERIFY(book.contains(QStringLiteral("Filler 0\r\n")));
        QCOMPARE(services.messages.shown.size(), 1);
        const QString message = services.messages.shown.first().text;
        QVERIFY2(message.contains(QStringLiteral("*|||||*")) && message.contains(QStringLiteral("full")),
                 qPrintable(message));
        QCOMPARE(fileBytes(bookPath(services)), records(book));
    }

    // Events run during the import: a second import run from them adds its
    // own addresses beside the first one's, and the program ending there
    // stops the import before anything is added or saved.
    void eventsDuringImport()
    {
        TestServices services;
        auto form = loadedForm(services);
        form->Sample2Menu->trigger();
        int calls = 0;
        services.events.onProcess = [&] {
            if (calls++ > 0)
                return;
            form->TextImport->setText(QStringLiteral("Nested|Entry\r\n"));
            form->CommandImport_Click();
        };
        form->CommandImport_Click();
        QStringList expected = kSampleBook;
        expected.insert(2, QStringLiteral("Nested\r\nEntry\r\n"));
        QCOMPARE(form->addressBook()->texts(), expected);
        QCOMPARE(fileBytes(bookPath(services)), records(expected));

        TestServices endingServices;
        auto ending = loadedForm(endingServices);
        ending->Sample1Menu->trigger();
        endingServices.events.onProcess = [&] { ending->ExitM_Click(); };
        ending->CommandImport_Click();
        QCOMPARE(endingServices.app.quitCalls, 1);
        QCOMPARE(ending->addressBook()->count(), 0);
        QVERIFY(!QFile::exists(bookPath(endingServices)));
        QVERIFY(endingServices.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestForm1Importer)
#include "test_form1_importer.moc"
