// SPDX-License-Identifier: GPL-3.0-or-later
// The importer on the window: the samples, "Import Addresses" and
// "Clear Addresses".
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/files.h"
#include "fakes/testservices.h"
#include "importer/samples.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QStringList kKept{QStringLiteral("Kept\r\n")};
// kKept and the four sample addresses, in the list's order.
const QStringList kWithSamples = kKept
    + QStringList{
        QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n"),
        QStringLiteral("Lilly Doe\r\nP.O. Box 777\r\nAnycity, CA 97777\r\n"),
        QStringLiteral("Randy Doe\r\n777 Anyroad RD\r\nSomeTown, CA 97777\r\n"),
        QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"),
    };

} // namespace

class TestForm1Importer : public QObject
{
    Q_OBJECT

private slots:
    void import_data()
    {
        QTest::addColumn<int>("sample");
        QTest::addColumn<QString>("text"); // null: the sample's own
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("message"); // a part of the one message shown
        QTest::addColumn<int>("endAt");       // event runs before the program ends; 0: it does not
        QTest::newRow("Sample 1") << 1 << QString() << kWithSamples << true << "" << 0;
        QTest::newRow("Sample 2") << 2 << QString() << kWithSamples << true << "" << 0;
        QTest::newRow("only spaces") << 1 << "   " << kKept << false
                                     << "You need to add the address into the textbox above before clicking the "
                                        "import addressess icon."
                                     << 0;
        QTest::newRow("only CR LF: no address, still saved") << 2 << "\r\n\r\n" << kKept << true << "" << 0;
        QTest::newRow("what the book cannot hold is left out, in one message")
            << 1 << "Bad*|||||*Name\r\n\r\nAnn\r\n\r\nB*|||||*" << QStringList{"Ann\r\n", "Kept\r\n"} << true
            << "*|||||*" << 0;
        // By the fifth event run the first address is parsed.
        QTest::newRow("the program ending stops the import") << 2 << QString() << kKept << false << "" << 5;
    }

    // A sample sets (and stores) the text and both delimiters, not "Specify:";
    // the import changes none; "Clear Addresses" empties the text alone; an
    // import the program's ending stops saves nothing.
    void import()
    {
        QFETCH(int, sample);
        QFETCH(QString, text);
        QFETCH(QStringList, book);
        QFETCH(bool, saved);
        QFETCH(QString, message);
        QFETCH(int, endAt);
        TestServices services;
        Form1 form(services.services());
        form.Form_Load();
        form.addToAddressBook(kKept); // listed, not yet saved
        form.TextLineD->setText(QStringLiteral("; "));
        (sample == 1 ? form.Sample1Menu : form.Sample2Menu)->trigger();
        const ImporterSample &s = sample == 1 ? kSample1 : kSample2;
        QStringList fields{s.text.toString(), s.lineChoice.toString(), s.addressChoice.toString(), "; ", ""};
        const auto stored = [&] {
            QStringList values;
            for (const char *key : {"TextImport", "ComboLine", "ComboAddress", "TextLineD", "TextAddressD"})
                values << services.settings.value(QString::fromLatin1(key)).value_or(QString());
            return values;
        };
        QCOMPARE(stored(), fields);
        if (!text.isNull())
            form.TextImport->setText(fields[0] = text);

        if (endAt > 0) {
            services.events.onProcess = [&, runs = 0]() mutable {
                QTest::qSleep(16); // past the throttle: every piece lets events in
                if (++runs == endAt)
                    form.ExitM_Click();
            };
        }
        QTest::mouseClick(form.CommandImport, Qt::LeftButton);
        QCOMPARE(services.app.quitCalls, endAt > 0 ? 1 : 0);
        QCOMPARE(form.addressBook()->texts(), book);
        QCOMPARE(readAll(services.programDir.path() + "/AddData.txt"), saved ? encodeBook(book).bytes : "<missing>");
        QCOMPARE(services.messages.texts().size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || services.messages.texts()[0].contains(message));
        QCOMPARE(stored(), fields);
        if (endAt > 0)
            return;
        QTest::mouseClick(form.CommandClearImport, Qt::LeftButton);
        fields[0].clear();
        QCOMPARE(stored(), fields);
    }
};

QTEST_MAIN(TestForm1Importer)
#include "test_form1_importer.moc"
