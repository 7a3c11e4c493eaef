// SPDX-License-Identifier: GPL-3.0-or-later
// "Print" and "Print All Selected Address" on the window, against the
// recording printer: what reaches the printer, the buttons, the messages,
// the pauses, and what the user may do while a run goes on.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/testservices.h"
#include "platform/qt/qteventpump.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QStringList kEntries{"Entry0\r\nFirst Street\r\n", "Entry1\r\n", "Entry2\r\n", "Entry3\r\n", "Entry4\r\n"};

struct Window
{
    explicit Window(Form1Services services)
    {
        form = std::make_unique<Form1>(services);
        form->Form_Load();
        form->TextReturn->setText(QStringLiteral("Sender\r\nHome"));
        form->TextReturnPrintFontSize->setText(QStringLiteral("12"));
        form->TextReturnPrintFonttype->setText(QStringLiteral("Verdana"));
        form->TextToAddressPrintFontSize->setText(QStringLiteral("10"));
        form->TextToAddressPrintFontType->setText(QStringLiteral("Verdana"));
    }

    // Five entries, with entries 0, 2 and 3 ticked.
    void fillBook()
    {
        QCOMPARE(form->addToAddressBook(kEntries), 5);
        for (int row : {0, 2, 3})
            form->addressBook()->setTicked(row, true);
    }

    std::unique_ptr<Form1> form;
};

struct FakeWindow : TestServices, Window
{
    FakeWindow() : Window(services()) {}

    // The first line of the to-address block of each envelope sent.
    QStringList toAddressesSent() const
    {
        QStringList firstLines;
        for (const auto &document : printer.sentDocuments()) {
            for (const auto &line : document.lines) {
                if (line.fontSize == 10) {
                    firstLines << line.text;
                    break;
                }
            }
        }
        return firstLines;
    }
};

} // namespace

class TestForm1Printing : public QObject
{
    Q_OBJECT

private slots:
    void printSendsTheFieldsAsTheyStand()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        form.TextToAddress->setText(QStringLiteral("Name\r\nStreet"));
        form.TextReturnOffX->setText(QStringLiteral(".2"));
        form.TextReturnOffY->setText(QStringLiteral(".5"));
        form.TextAddressToOffX->setText(QStringLiteral("4"));
        form.TextAddressToOffY->setText(QStringLiteral("4"));
        QList<bool> enabledWhilePrinting;
        window.printer.onPrint = [&](const QString &) { enabledWhilePrinting << form.CommandPrint->isEnabled(); };

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

        QCOMPARE(enabledWhilePrinting, (QList<bool>{false, false, false, false}));
        QVERIFY(form.CommandPrint->isEnabled());
        QVERIFY(window.messages.shown.isEmpty());
        const auto sent = window.printer.sentDocuments();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].lines[0].x, 0.2);
        QCOMPARE(sent[0].lines[0].y, 0.5);
        QCOMPARE(sent[0].lines[3].text, QStringLiteral("Street"));
        QCOMPARE(sent[0].lines[3].x, 4.0);
        // Events ran once before every line.
        QCOMPARE(window.events.processCalls, 4);
    }

    // Whatever keeps the envelope from the printer is told once, and the
    // button comes back.
    void failuresAreToldOnce_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("bad offset") << "offset" << "Return address X offset is not a number: 'abc'. Nothing was printed.";
        QTest::newRow("no printer") << "open" << "No default printer.";
        QTest::newRow("job refused") << "send" << "Refused.";
    }

    void failuresAreToldOnce()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        FakeWindow window;
        Form1 &form = *window.form;
        form.TextToAddress->setText(QStringLiteral("Name"));
        if (situation == u"offset")
            form.TextReturnOffX->setText(QStringLiteral("abc"));
        else if (situation == u"open")
            window.printer.failOpening = QStringLiteral("No default printer.");
        else
            window.printer.failSending = QStringLiteral("Refused.");

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
        QCOMPARE(window.messages.texts(), QStringList{message});
        QCOMPARE(window.messages.shown[0].kind, FakeMessageBox::Shown::Warning);
        QVERIFY(form.CommandPrint->isEnabled());
        QVERIFY(!window.printer.documentOpen());
        QVERIFY(window.printer.sentDocuments().isEmpty());

        // In Print All, the first failed envelope ends the run: one message.
        window.messages.shown.clear();
        window.fillBook();
        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);
        QCOMPARE(window.messages.texts(), QStringList{message});
        QVERIFY(form.CommandPrintAll->isEnabled());
        QVERIFY(window.events.waits.isEmpty());
    }

    void printAllFromTheLastTickedEntryUp()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        window.fillBook();
        QList<bool> enabledWhilePrinting;
        window.printer.onPrint = [&](const QString &) { enabledWhilePrinting << form.CommandPrintAll->isEnabled(); };

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QCOMPARE(window.toAddressesSent(), (QStringList{"Entry3", "Entry2", "Entry0"}));
        QCOMPARE(window.printer.sentDocuments().last().lines.last().text, QString()); // the entry's final CR LF
        QCOMPARE(window.events.waits, (QList<std::chrono::milliseconds>{2s, 2s, 2s}));
        QVERIFY(!enabledWhilePrinting.contains(true));
        QVERIFY(form.CommandPrintAll->isEnabled());
        QCOMPARE(form.TextToAddress->text(), kEntries[0]);
        QCOMPARE(window.settings.value(QStringLiteral("ToAddress")), std::optional<QString>(kEntries[0]));
        QVERIFY(window.messages.shown.isEmpty());
        // No tick is changed.
        QCOMPARE(form.addressBook()->isTicked(0), true);
        QCOMPARE(form.addressBook()->isTicked(1), false);
    }

    void printAllWithNothingTicked()
    {
        FakeWindow window;
        QCOMPARE(window.form->addToAddressBook(kEntries), 5);
        QTest::mouseClick(window.form->CommandPrintAll, Qt::LeftButton);
        QVERIFY(window.printer.calls.isEmpty());
        QVERIFY(window.events.waits.isEmpty());
        QVERIFY(window.form->CommandPrintAll->isEnabled());
    }

    // What the user does during the first pause (after entry 3's envelope).
    void duringAPause_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("Print prints an extra envelope") << "print" << QStringList{"Entry3", "Entry3", "Entry2", "Entry0"};
        QTest::newRow("Save Address adds an entry above those not reached")
            << "save" << QStringList{"Entry3", "Entry2", "Entry0"};
        QTest::newRow("Clear Selected removes the ticked entries") << "clear" << QStringList{"Entry3"};
        QTest::newRow("window closed") << "close" << QStringList{"Entry3"};
    }

    void duringAPause()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, sent);
        FakeWindow window;
        Form1 &form = *window.form;
        window.fillBook();
        int pauses = 0;
        window.events.onProcess = [&] {
            if (window.events.waits.size() != 1 || pauses++ > 0)
                return;
            if (action == u"print")
                QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
            else if (action == u"save") {
                form.TextToAddress->setText(QStringLiteral("Entry0a\r\n"));
                QTest::mouseClick(form.CommandKeepToAddress, Qt::LeftButton);
            } else if (action == u"clear")
                QTest::mouseClick(form.CommandClearData, Qt::LeftButton);
            else
                form.close();
        };

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QCOMPARE(window.toAddressesSent(), sent);
        QVERIFY(!window.printer.documentOpen());
        QVERIFY(window.messages.shown.isEmpty() || action == u"clear");
    }

    void closingWhileAnEnvelopePrintsDropsIt()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        window.fillBook();
        // The window goes while entry 2's envelope prints its second line.
        window.printer.onPrint = [&](const QString &line) {
            if (line == u"Home" && window.printer.documents.size() == 1)
                window.events.onProcess = [&] { form.close(); };
        };

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QVERIFY(form.ending());
        QCOMPARE(window.toAddressesSent(), QStringList{"Entry3"});
        QCOMPARE(window.printer.documents.size(), 2);
        QVERIFY(!window.printer.documents[1].sent);
        QVERIFY(window.messages.shown.isEmpty());
        QCOMPARE(window.events.waits.size(), 1);
    }

    // "Print All" pressed while a single envelope lets events run starts
    // once that envelope is done, and never shares its job.
    void printAllPressedDuringPrintWaitsForIt()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        window.fillBook();
        form.TextToAddress->setText(QStringLiteral("Single"));
        window.events.onProcess = [&] {
            if (window.events.processCalls == 1)
                QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);
        };

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

        QCOMPARE(window.toAddressesSent(), QStringList{"Single"});
        QVERIFY(!form.CommandPrintAll->isEnabled());
        QTRY_COMPARE(window.toAddressesSent(), (QStringList{"Single", "Entry3", "Entry2", "Entry0"}));
        QVERIFY(form.CommandPrintAll->isEnabled());
    }

    // Sleep1 counts on the monotonic clock: however the event loop's waits
    // come out, the pause ends after its two seconds.
    void pauseLastsTwoSecondsOnTheClock()
    {
        TestServices services;
        // An event loop that wakes early: the clock moves 700 ms per wait.
        FakeEventPump pump(nullptr);
        pump.onProcess = [&] {
            if (!pump.waits.isEmpty())
                services.clock.advance(700ms);
        };
        Window window(Form1Services{services.settings, services.messages, services.shell, pump, services.clock,
                                    services.app, services.printer, services.programDir.path(),
                                    services.dataDir.path()});
        QCOMPARE(window.form->addToAddressBook({QStringLiteral("Only\r\n")}), 1);
        window.form->addressBook()->setTicked(0, true);

        QTest::mouseClick(window.form->CommandPrintAll, Qt::LeftButton);

        QCOMPARE(pump.waits, (QList<std::chrono::milliseconds>{2000ms, 1300ms, 600ms}));
    }

    // With the real event loop: the pause lasts its two seconds and the
    // window's events run during it (bench_printing measures its processor time).
    void pauseKeepsTheWindowResponsive()
    {
        TestServices services;
        QtEventPump pump;
        SteadyClock clock;
        Window window(Form1Services{services.settings, services.messages, services.shell, pump, clock, services.app,
                                    services.printer, services.programDir.path(), services.dataDir.path()});
        QCOMPARE(window.form->addToAddressBook({QStringLiteral("Only\r\n")}), 1);
        window.form->addressBook()->setTicked(0, true);
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
        timer.start(100);

        QElapsedTimer elapsed;
        elapsed.start();
        QTest::mouseClick(window.form->CommandPrintAll, Qt::LeftButton);

        QVERIFY(elapsed.elapsed() >= 2000);
        QVERIFY2(ticks >= 15, qPrintable(QString::number(ticks)));
        QCOMPARE(services.printer.sentDocuments().size(), 1);
    }
};

QTEST_MAIN(TestForm1Printing)
#include "test_form1_printing.moc"
