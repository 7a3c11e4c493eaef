// SPDX-License-Identifier: GPL-3.0-or-later
// "Print" and "Print All Selected Address" on the window, against the recording
// printer: what is sent, the buttons, messages, pauses, and edits during a run.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "fakes/testservices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QStringList kEntries{"Entry0\r\nFirst Street\r\n", "Entry1\r\n", "Entry2\r\n", "Entry3\r\n", "Entry4\r\n"};

// The window with a two-line return address (in the default 12-point Verdana)
// and five entries, of which 0, 2 and 3 are ticked.
struct FakeWindow : TestServices
{
    FakeWindow()
    {
        form->TextReturn->setText("Sender\r\nHome");
        form->TextToAddressPrintFontSize->setText("10");
        form->TextToAddressPrintFontType->setText("Arial");
        form->addToAddressBook(kEntries);
        for (int row : {0, 2, 3})
            form->addressBook()->setTicked(row, true);
    }
    std::unique_ptr<Form1> form = start();

    QStringList toAddressesSent() const // the first to-address line of each envelope sent
    {
        QStringList firstLines;
        for (const QStringList &lines : printer.sent)
            firstLines << lines.value(2);
        return firstLines;
    }
};

// A print server's word on one printer, whichever is asked about.
struct FakePages final : PageSource
{
    PrinterStatus pageLayout(const Paper &, QPageLayout::Orientation orientation, PageAnswer &answer) override
    {
        answer.layout = QPageLayout(QPageSize(QPageSize::A4), orientation, {});
        answer.paperProblem = paperProblem;
        return {};
    }
    PrinterDescription describe(const Paper &paper) override
    {
        PrinterDescription known = description;
        known.queue = paper.printer.isEmpty() ? "Default" : paper.printer;
        return known;
    }
    PrinterDescription description{{},
                                   {"Office", "Hall"},
                                   LandscapeTurn::CounterClockwise,
                                   {{"manual", "Manual feed"}},
                                   {{"envelope", "Envelope"}}};
    QString paperProblem;
};

} // namespace

class TestForm1Printing : public QObject
{
    Q_OBJECT

private slots:
    // "Print" sends the fields as they stand; whatever keeps the envelope
    // from the printer is told once. The button comes back either way.
    void print_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("printed") << ""
                                 << "";
        QTest::newRow("bad offset") << "offset"
                                    << "Return address X offset is not a number: 'abc'. Nothing was printed.";
        QTest::newRow("no printer") << "open"
                                    << "No default printer.";
        QTest::newRow("job refused") << "send"
                                     << "Refused.";
    }
    void print()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        FakeWindow window;
        Form1 &form = *window.form;
        form.TextToAddress->setText("Name\r\nStreet");
        form.TextReturnOffX->setText(situation == u"offset" ? "abc" : "1");
        form.TextReturnOffY->setText("2");
        form.TextAddressToOffX->setText("3"); // Y stays at 4
        window.printer.failOpening = situation == u"open" ? message : QString();
        window.printer.failSending = situation == u"send" ? message : QString();
        QList<bool> enabledWhilePrinting;
        window.printer.onPrint = [&](const QString &) { enabledWhilePrinting << form.CommandPrint->isEnabled(); };
        window.events.processCalls = 0;

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

        QVERIFY(!enabledWhilePrinting.contains(true));
        QVERIFY(form.CommandPrint->isEnabled());
        QVERIFY(!window.printer.open);
        if (message.isEmpty()) {
            // Each box feeds its own block; the printing tests hold the rest of the calls.
            QVERIFY(window.printer.calls.join(u'|').contains(
                "y 2|x 1|print Sender|x 1|print Home|size 10|font Arial|y 4|x 3|print Name"));
            QCOMPARE(window.events.processCalls, 4); // once before every line
            QVERIFY(window.messages.shown.isEmpty());
            return;
        }
        QCOMPARE(window.messages.texts(), QStringList{message});
        QCOMPARE(window.messages.shown[0].kind, FakeMessageBox::Shown::Warning);
        QVERIFY(window.printer.sent.isEmpty());

        // In Print All, the first failed envelope ends the run: one message.
        window.messages.shown.clear();
        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);
        QCOMPARE(window.messages.texts(), QStringList{message});
        QVERIFY(form.CommandPrintAll->isEnabled());
        QVERIFY(window.events.waits.isEmpty());
    }

    // Print All on entries 0, 2 and 3 of five, and what the user does during
    // the run: in the first pause (after entry 3's envelope), or while entry
    // 2's envelope prints its second line.
    void printAll_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("sent"); // the first to-address line of each envelope
        QTest::addColumn<int>("pauses");
        const QStringList all{"Entry3", "Entry2", "Entry0"}, first{"Entry3"};
        QTest::newRow("from the last ticked entry up") << "" << all << 3;
        QTest::newRow("nothing ticked") << "untick all first" << QStringList() << 0;
        QTest::newRow("an entry not yet reached is unticked") << "untick" << QStringList{"Entry3", "Entry0"} << 2;
        QTest::newRow("Print prints an extra envelope")
            << "print" << QStringList{"Entry3", "Entry3", "Entry2", "Entry0"} << 3;
        QTest::newRow("Save Address adds an entry above those not reached") << "save" << all << 3;
        QTest::newRow("Clear Selected removes the ticked entries") << "clear" << first << 1;
        QTest::newRow("window closed in a pause") << "close" << first << 1;
        QTest::newRow("window closed while an envelope prints: it is dropped") << "close midway" << first << 1;
    }
    void printAll()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, sent);
        QFETCH(int, pauses);
        FakeWindow window;
        Form1 &form = *window.form;
        for (int row : {0, 2, 3})
            form.addressBook()->setTicked(row, action != u"untick all first");
        bool done = false;
        window.events.onProcess = [&] {
            if (done || window.printer.sent.size() != 1
                || (action == u"close midway" ? window.printer.calls.last() != u"print Sender"
                                              : window.events.waits.size() != 1))
                return;
            done = true;
            if (action == u"untick")
                form.addressBook()->setTicked(2, false);
            else if (action == u"print")
                QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
            else if (action == u"save") {
                form.TextToAddress->setText("Entry0a\r\n");
                QTest::mouseClick(form.CommandKeepToAddress, Qt::LeftButton);
            } else if (action == u"clear")
                QTest::mouseClick(form.CommandClearData, Qt::LeftButton);
            else if (action.startsWith(u"close"))
                form.close();
        };
        QList<bool> enabledWhilePrinting;
        window.printer.onPrint = [&](const QString &) { enabledWhilePrinting << form.CommandPrintAll->isEnabled(); };

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QCOMPARE(window.toAddressesSent(), sent);
        QCOMPARE(window.events.waits, QList<std::chrono::milliseconds>(pauses, 2s));
        QVERIFY(!window.printer.open);
        QVERIFY(!enabledWhilePrinting.contains(true));
        QVERIFY(form.CommandPrintAll->isEnabled());
        QCOMPARE(window.messages.shown.size(), action == u"clear" ? 1 : 0); // its question
        if (action.isEmpty()) {
            QCOMPARE(window.printer.sent.last().last(), QString()); // the entry's final CR LF
            // The topmost ticked entry stays in the to-address box, stored, and ticked.
            QCOMPARE(form.TextToAddress->text(), kEntries[0]);
            QCOMPARE(window.settings.value("ToAddress"), std::optional<QString>(kEntries[0]));
            QVERIFY(form.addressBook()->isTicked(0));
        }
    }

    // "Print All" pressed while a single envelope lets events run starts
    // once that envelope is done, and never shares its job.
    void printAllPressedDuringPrintWaitsForIt()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        form.TextToAddress->setText("Single");
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

    // The envelope set-up: stored at every change, used by the next envelope.
    void envelopeSetupAndPreview()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        form.EnvelopeM->trigger();
        EnvelopeSetupDialog &setup = *form.envelopeSetup;
        QVERIFY(setup.isVisible() && !setup.widthMM->isEnabled());
        setup.size->setCurrentIndex(setup.size->findData("Custom"));
        setup.widthMM->setText("250");
        QTest::keyClicks(setup.shiftXMM, "5");
        setup.turned->click();
        const QStringList stored{"Custom", "250", "110", "05", "0", "1"};
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(window.settings.value(kSettingKeys[int(Setting::EnvelopeSize) + i].key).value_or(""), stored[i]);

        setup.shiftYMM->setText("10");
        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
        QVERIFY(window.printer.calls.join(u'|').contains("paper custom_110x250mm_110x250mm turned|y 1.5|x 0.7|"));
        // The test envelope: the same page, its marks, one job.
        window.printer.calls.clear();
        QTest::mouseClick(setup.testPrint, Qt::LeftButton);
        QCOMPARE(window.printer.calls.join(u'|'),
                 "orientation landscape|paper custom_110x250mm_110x250mm turned|marks|end send");
        QVERIFY(setup.testPrint->isEnabled() && window.messages.shown.isEmpty());

        // The preview follows every keystroke in the fields printing reads,
        // and remembers that it is open.
        setup.preview->click();
        QVERIFY(form.envelopePreview->isVisible());
        QCOMPARE(window.settings.value("EnvelopePreviewOpen"), std::optional<QString>("1"));
        form.TextToAddress->setText("");
        QTest::keyClicks(form.TextToAddress, "Zed");
        QCOMPARE(form.envelopePreview->layout().lines().last().text, "Zed");
        QTest::keyClicks(form.TextAddressToOffX, "00");
        QVERIFY(form.envelopePreview->summary().contains("right edge"));
        form.envelopePreview->close();
        QCOMPARE(window.settings.value("EnvelopePreviewOpen"), std::optional<QString>("0"));
    }

    // Each printer keeps its own set-up: brought back when it is chosen again
    // and at the next start; one chosen for the first time starts from the
    // set-up shown. The set-up lists the printer's own trays and paper types,
    // says how the envelope goes in, and the job goes to that printer.
    void eachPrinterKeepsItsSetup()
    {
        FakePages pages;
        TestServices services;
        services.pages = &pages;
        auto form = services.start();
        EnvelopeSetupDialog *setup = form->envelopeSetup;
        auto choose = [&](const QString &printer) {
            setup->printer->setCurrentIndex(setup->printer->findData(printer));
            emit setup->printer->activated(setup->printer->currentIndex());
        };
        auto fill = [&](const QString &size, const QString &shift, int tray) {
            setup->size->setCurrentIndex(setup->size->findData(size));
            setup->shiftXMM->setText(shift);
            setup->tray->setCurrentIndex(tray);
        };
        form->EnvelopeM->trigger();
        QCOMPARE(setup->printer->itemText(2), "Hall");
        QCOMPARE(setup->tray->itemText(1), "Manual feed");
        QCOMPARE(setup->paperType->itemData(1), "envelope");
        QVERIFY(setup->feeding->text().contains("stamp end leading"));

        choose("Office");
        fill("DL", "5", 1);
        choose("Hall");
        QCOMPARE(setup->setup().size, "DL"); // its first time: the set-up shown, the printer's tray
        QCOMPARE(setup->setup().tray, "");
        fill("C5", "1", 0);
        choose("Office");
        QCOMPARE(setup->setup(), (EnvelopeSetup{"DL", "220", "110", "5", "0", false, "Office", "manual", ""}));
        QTest::mouseClick(form->CommandPrint, Qt::LeftButton);
        QVERIFY(services.printer.calls.contains("paper iso_dl_110x220mm on 'Office' tray 'manual' type ''"));

        // A line of the stored set-ups that cannot be read is kept, unused.
        services.settings.write("EnvelopeSetups", *services.settings.value("EnvelopeSetups") + "damaged\n");
        form.reset();
        form = services.start();
        setup = form->envelopeSetup;
        form->EnvelopeM->trigger();
        QCOMPARE(setup->setup().printer, "Office");
        QCOMPARE(setup->setup().shiftXMM, "5");
        choose("Hall");
        QCOMPARE(setup->setup().size, "C5");
        QCOMPARE(setup->setup().tray, "");
        QVERIFY(services.settings.value("EnvelopeSetups")->endsWith("\ndamaged\n"));
        QCOMPARE(services.settings.value("EnvelopePrinter"), std::optional<QString>("Hall"));
    }

    // A paper the printer lacks is asked about once per command, and a
    // notice about a job that went out (a paused printer) is told once.
    void paperQuestionAndNoticeOncePerRun()
    {
        FakeWindow window;
        window.printer.paperProblem = "No such paper.";
        window.printer.notice = "Paused.";
        window.messages.answers = {false, true};
        QTest::mouseClick(window.form->CommandPrint, Qt::LeftButton);
        QVERIFY(window.printer.sent.isEmpty());
        QCOMPARE(window.messages.texts(), QStringList{"No such paper.\nPrint anyway?"});

        QTest::mouseClick(window.form->CommandPrintAll, Qt::LeftButton);
        QCOMPARE(window.toAddressesSent(), (QStringList{"Entry3", "Entry2", "Entry0"}));
        QCOMPARE(window.messages.texts(),
                 (QStringList{"No such paper.\nPrint anyway?", "No such paper.\nPrint anyway?", "Paused."}));
        QCOMPARE(window.messages.shown.last().kind, FakeMessageBox::Shown::Information);
    }

    // The pause between envelopes counts on the monotonic clock: a loop that
    // wakes early (the clock moves 700 ms per wait) still pauses two seconds.
    void pauseLastsTwoSecondsOnTheClock()
    {
        FakeWindow window;
        for (int row : {2, 3})
            window.form->addressBook()->setTicked(row, false);
        window.events.clock = nullptr; // the clock moves only as onProcess says
        window.events.onProcess = [&] {
            if (!window.events.waits.isEmpty())
                window.clock.advance(700ms);
        };
        QTest::mouseClick(window.form->CommandPrintAll, Qt::LeftButton);
        QCOMPARE(window.events.waits, (QList<std::chrono::milliseconds>{2000ms, 1300ms, 600ms}));
    }
};

QTEST_MAIN(TestForm1Printing)
#include "test_form1_printing.moc"
