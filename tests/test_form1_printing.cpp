// SPDX-License-Identifier: GPL-3.0-or-later
// "Print" and "Print All Selected Address" on the window, against the recording
// printer: what is sent, the buttons, messages, pauses, and edits during a run.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/feedpicture.h"
#include "app/form1.h"
#include "app/printprogress.h"
#include "datarow.h"
#include "fakes/files.h"
#include "fakes/testservices.h"
#include "test_printing_pages.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <sys/stat.h>

using namespace std::chrono_literals;
using namespace pages;

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

    // The first to-address line of each envelope sent; the pages of one
    // document joined by "+".
    QStringList toAddressesSent() const
    {
        QStringList documents;
        for (const QStringList &lines : printer.sent) {
            QStringList pages;
            for (const QString &page : lines.join(u'\n').split(u'\f'))
                pages << page.split(u'\n', Qt::SkipEmptyParts).value(2);
            documents << pages.join(u'+');
        }
        return documents;
    }
};

// A print server's word on one printer, whichever is asked about.
struct FakePages final : PageSource
{
    PageAnswer pageLayout(const Paper &, QPageLayout::Orientation orientation) override
    {
        return {{}, QPageLayout(QPageSize(QPageSize::A4), orientation, {}), paperProblem};
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
        dataRow("printed", "", "");
        dataRow("bad offset", "offset", "Return address X offset is not a number: 'abc'. Nothing was printed.");
        dataRow("no printer", "open", "No default printer.\nNothing was printed.");
        dataRow("job refused", "send", "Refused.\nNothing was printed.");
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
        // What Print All tells, without what it meant for a single envelope.
        const QString reason = message.section(u'\n', 0, 0).remove(QStringLiteral(" Nothing was printed."));
        window.printer.failOpening = situation == u"open" ? reason : QString();
        window.printer.failSending = situation == u"send" ? reason : QString();
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

        // In Print All, the first failed envelope ends the run: one message,
        // which says that none went out, for which entry, and why.
        window.messages.shown.clear();
        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);
        QCOMPARE(window.messages.texts(),
                 QStringList{"Print All printed nothing: the envelope for \"Entry3\" failed.\n\n" + reason});
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
        dataRow("Print prints an extra envelope", "print", QStringList{"Entry3", "Entry3", "Entry2", "Entry0"}, 3);
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

    // How a run ends, every entry ticked (Entry4 goes first): a job refused
    // at the third envelope, Stop while the second prints (the last, for one
    // job), one job.
    void printAllEndings_data()
    {
        QTest::addColumn<bool>("oneJob");
        QTest::addColumn<QString>("event"); // at the second or third envelope
        QTest::addColumn<bool>("yes");      // the answer to the question, if any
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("pauses");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("ticked"); // afterwards
        const QList<int> all{0, 1, 2, 3, 4};
        const QStringList two{"Entry4", "Entry3"}, none;
        const QString third = "Print All stopped at the envelope for \"Entry2\", which was not printed.\n\nRefused.\n\n"
                              "Envelopes printed before it: 2 of 5.\nUntick the addresses already printed, so that "
                              "the next Print All goes on from \"Entry2\"?";
        dataRow("refused at the third, Yes unticks the printed", false, "refuse", true, two, 2, third,
                QList<int>{0, 1, 2});
        dataRow("refused at the third, No keeps the ticks", false, "refuse", false, two, 2, third, all);
        dataRow("stopped while the second prints: it goes out, no pause after, Yes unticks the printed", false, "stop",
                true, two, 1,
                "Print All was stopped after 2 of 5 envelopes.\nUntick the addresses already printed, so that the "
                "next Print All goes on from where it stopped?",
                QList<int>{0, 1, 2});
        dataRow("one job", true, "", true, QStringList{"Entry4+Entry3+Entry2+Entry1+Entry0"}, 0, "", all);
        dataRow("one job stopped at its last envelope: nothing sent", true, "stop", true, none, 0, "", all);
        dataRow("one job, the third envelope unusable: nothing sent", true, "bad", true, none, 0,
                "Print All sent nothing: the envelope for \"Entry2\" could not be made.\n\nReturn address X offset is "
                "not a number: 'x'.",
                all);
        dataRow("one job refused", true, "refuse", true, none, 0,
                "Print All sent nothing: the print job was refused.\n\nRefused.", all);
    }
    void printAllEndings()
    {
        QFETCH(bool, oneJob);
        QFETCH(QString, event);
        QFETCH(bool, yes);
        QFETCH(QStringList, sent);
        QFETCH(int, pauses);
        QFETCH(QString, message);
        QFETCH(QList<int>, ticked);
        FakeWindow window;
        Form1 &form = *window.form;
        form.addressBook()->tickAll();
        form.envelopeSetup->assign(Setting::PrintAllOneJob, oneJob ? "1" : "0");
        form.TextToAddress->setText("Typed");
        window.messages.answers = {yes};
        QStringList progress;
        window.printer.onPrint = [&](const QString &line) {
            auto *shown = form.findChild<PrintProgress *>();
            if (!line.startsWith("Entry") || !shown)
                return;
            progress << shown->findChild<QLabel *>("PrintProgressStatus")->text() + ": "
                    + shown->findChild<QLabel *>("PrintProgressEntry")->text();
            if (event == u"refuse" && (oneJob || line == u"Entry2"))
                window.printer.failSending = "Refused.";
            else if (event == u"stop" && line == (oneJob ? u"Entry0" : u"Entry3"))
                shown->stop->click();
            else if (event == u"bad" && line == u"Entry3")
                form.TextReturnOffX->setText("x");
        };

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QCOMPARE(window.toAddressesSent(), sent);
        QCOMPARE(window.events.waits.size(), pauses);
        QCOMPARE(window.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty())
            QCOMPARE(window.messages.shown[0].kind,
                     message.endsWith(u'?') ? FakeMessageBox::Shown::WarningQuestion : FakeMessageBox::Shown::Warning);
        QList<int> tickedAfter;
        for (int row = 0; row < form.addressBook()->count(); ++row)
            if (form.addressBook()->isTicked(row))
                tickedAfter << row;
        QCOMPARE(tickedAfter, ticked);
        // Where the run was, as it printed: "Printing envelope 1 of 5: Entry4", ...
        QCOMPARE(progress.value(1), QString(oneJob ? "Preparing" : "Printing") + " envelope 2 of 5: Entry3");
        QVERIFY(!form.findChild<PrintProgress *>() && form.CommandPrintAll->isEnabled() && !window.printer.open);
        QCOMPARE(form.TextToAddress->text(),
                 oneJob                                              ? "Typed"
                     : window.printer.calls.contains("print Entry2") ? kEntries[2]
                                                                     : kEntries[3]);
    }

    // File > "Save Envelopes as PDF...": the ticked entries in the order
    // Print All takes them, or the envelope in the window, one page each on
    // the chosen envelope; nothing goes to the printer, and a file that
    // cannot be written is left as it was.
    void saveEnvelopesAsPdf_data()
    {
        QTest::addColumn<QString>("chosen"); // in a fresh folder; "" cancels
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QStringList>("pages"); // each page's to-address
        QTest::addColumn<QString>("message");   // its end; %1 is the file
        const QString notSaved = "The envelopes were not saved as \"%1\"; a file already there is as it was.\n\n";
        dataRow("ticked entries, replacing a file", "old.pdf", QList<int>{0, 2, 3},
                QStringList{"Entry3", "Entry2", "Entry0"}, "");
        dataRow("none ticked: the envelope in the window", "new.pdf", QList<int>(), QStringList{"Typed"}, "");
        QTest::newRow("cancelled") << "" << QList<int>{0} << QStringList() << "";
        dataRow("a folder that is not there", "gone/new.pdf", QList<int>{0}, QStringList(),
                notSaved + "Quillon could not write \"%1\": No such file or directory.");
        dataRow("a pipe is left alone", "pipe", QList<int>{0}, QStringList(),
                notSaved + "\"%1\" is not a file that Quillon can replace.");
        dataRow("nothing to draw is told", "empty.pdf", QList<int>(), QStringList(),
                notSaved + "There is no envelope to save: it has no line.");
    }
    void saveEnvelopesAsPdf()
    {
        QFETCH(QString, chosen);
        QFETCH(QList<int>, ticked);
        QFETCH(QStringList, pages);
        QFETCH(QString, message);
        FakeWindow window;
        Form1 &form = *window.form;
        for (int row = 0; row < kEntries.size(); ++row)
            form.addressBook()->setTicked(row, ticked.contains(row));
        form.TextToAddress->setText(chosen == "empty.pdf" ? "" : "Typed");
        if (chosen == "empty.pdf")
            form.TextReturn->setText("");
        form.envelopeSetup->assign(Setting::EnvelopeSize, "DL");
        const QTemporaryDir folder;
        const QString path = chosen.isEmpty() ? QString() : folder.filePath(chosen);
        writeAll(folder.filePath("old.pdf"), "old");
        QVERIFY(mkfifo(qPrintable(folder.filePath("pipe")), 0600) == 0);
        window.fileDialogs.chosen = {path};

        form.SavePdfMenu->trigger();

        QCOMPARE(window.fileDialogs.asked.size(), 1);
        QVERIFY(window.printer.calls.isEmpty());
        QVERIFY(form.SavePdfMenu->isEnabled() && !form.findChild<PrintProgress *>());
        QCOMPARE(window.messages.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(window.messages.texts()[0].endsWith(message.arg(path)), qPrintable(window.messages.texts()[0]));
            QVERIFY(QFileInfo(folder.filePath("pipe")).exists() && !QFileInfo(folder.filePath("pipe")).isFile());
        }
        QCOMPARE(readAll(folder.filePath("old.pdf")).startsWith("%PDF"), chosen == "old.pdf");
        QCOMPARE(QFileInfo(path).isFile(), !pages.isEmpty());
        if (pages.isEmpty())
            return;
        QCOMPARE(pageCountOf(path), int(pages.size()));
        for (int page = 0; page < pages.size(); ++page)
            QVERIFY(pageTextOf(path, page + 1).contains(pages[page]));
        QCOMPARE(pageSizeOf(path).toSize(), QSize(624, 312)); // DL, long edge across
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

    // The envelope set-up: stored at every change, used by the next envelope;
    // its Close button answers Alt+C. The preview names what it shows and
    // draws the text in black.
    void envelopeSetupAndPreview()
    {
        FakeWindow window;
        Form1 &form = *window.form;
        form.EnvelopeM->trigger();
        EnvelopeSetupDialog &setup = *form.envelopeSetup;
        auto *size = named<QComboBox>(&setup, "Envelope size");
        auto *width = named<QDoubleSpinBox>(&setup, "Envelope width (mm)");
        auto *shiftX = named<QDoubleSpinBox>(&setup, "Calibration shift X (mm)");
        auto *oneJob = named<QCheckBox>(&setup, "Print all selected addresses as one job");
        QVERIFY(setup.isVisible() && !width->isEnabled());
        size->setCurrentIndex(size->findData("Custom"));
        width->setValue(250);
        QCOMPARE(width->text(), "250 mm");
        shiftX->selectAll();
        QTest::keyClicks(shiftX, "5");
        named<QCheckBox>(&setup, "Turn the envelope 180°")->click();
        QVERIFY(!oneJob->isChecked());
        oneJob->click();
        const QStringList stored{"Custom", "250", "110", "5", "0", "1"};
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(window.settings.value(kSettingKeys[int(Setting::EnvelopeSize) + i].key).value_or(""), stored[i]);
        QCOMPARE(window.settings.value("PrintAllOneJob"), std::optional<QString>("1"));

        named<QDoubleSpinBox>(&setup, "Calibration shift Y (mm)")->setValue(10);
        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
        QVERIFY(window.printer.calls.join(u'|').contains("paper custom_110x250mm_110x250mm turned|y 1.5|x 0.7|"));
        // The test envelope: the same page, its marks, one job.
        window.printer.calls.clear();
        auto *testPrint = named<QPushButton>(&setup, "Print test envelope");
        QTest::mouseClick(testPrint, Qt::LeftButton);
        QCOMPARE(window.printer.calls.join(u'|'),
                 "orientation landscape|paper custom_110x250mm_110x250mm turned|marks|end send");
        QVERIFY(testPrint->isEnabled() && window.messages.shown.isEmpty());

        // The preview follows every keystroke in the fields printing reads,
        // and remembers that it is open.
        named<QPushButton>(&setup, "Envelope preview")->click();
        EnvelopePreview &preview = *form.envelopePreview;
        QVERIFY(preview.isVisible());
        QCOMPARE(window.settings.value("EnvelopePreviewOpen"), std::optional<QString>("1"));
        QVERIFY2(preview.heading().endsWith("Tray: printer's choice · Size: custom, 250 × 110 mm"),
                 qPrintable(preview.heading()));
        form.TextToAddress->setText("");
        QTest::keyClicks(form.TextToAddress, "Zed");
        QCOMPARE(preview.layout().lines().last().text, "Zed");
        // Its text in black, not in the frame's grey.
        const QImage drawn = named<QWidget>(&preview, "Envelope preview")->grab().toImage();
        int darkest = 255;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
        QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
        QTest::keyClicks(form.TextAddressToOffX, "00");
        QVERIFY(preview.summary().contains("right edge"));
        // It names a bad field; nothing was being printed.
        QTest::keyClicks(form.TextAddressToOffX, "x");
        QCOMPARE(preview.summary(), "To address X offset is not a number: '400x'.");
        preview.close();
        QCOMPARE(window.settings.value("EnvelopePreviewOpen"), std::optional<QString>("0"));

        // Alt+C is the Close button's, not a jump in the size list.
        setup.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&setup));
        size->setFocus();
        QTest::keyClick(size, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!setup.isVisible());
        QCOMPARE(size->currentData(), "Custom");
    }

    // Each printer keeps its own set-up, the side it prints on with it:
    // brought back when it is chosen again and at the next start; one chosen
    // for the first time starts from the set-up shown. The set-up lists the
    // printer's own trays and paper types, shows and says how the envelope
    // goes in, and the job goes to that printer.
    void eachPrinterKeepsItsSetup()
    {
        FakePages pages;
        TestServices services;
        services.pages = &pages;
        auto form = services.start();
        EnvelopeSetupDialog *setup = form->envelopeSetup;
        auto box = [&](const QString &name) { return named<QComboBox>(setup, name); };
        auto choose = [&](const QString &printer) {
            box("Printer")->setCurrentIndex(box("Printer")->findData(printer));
            emit box("Printer")->activated(box("Printer")->currentIndex());
        };
        auto fill = [&](const QString &size, double shift, int tray, int face) {
            box("Envelope size")->setCurrentIndex(box("Envelope size")->findData(size));
            named<QDoubleSpinBox>(setup, "Calibration shift X (mm)")->setValue(shift);
            box("Tray")->setCurrentIndex(tray);
            box("Envelopes go in")->setCurrentIndex(face);
        };
        auto picture = [&] { return named<FeedPicture>(setup, "How the envelope goes into the printer")->feed(); };
        form->EnvelopeM->trigger();
        QCOMPARE(box("Printer")->itemText(2), "Hall");
        QCOMPARE(box("Tray")->itemText(1), "Manual feed");
        QCOMPARE(box("Paper type")->itemData(1), "envelope");
        QCOMPARE(named<QLabel>(setup, "How to feed the envelope")->text(),
                 "Feed the envelope short edge first, the stamp end leading. The side to be addressed faces up. "
                 "This printer turns the page a quarter turn counter-clockwise.");
        QCOMPARE(picture(), feedLayout(LandscapeTurn::CounterClockwise, false, EnvelopeFace::Up));

        choose("Office");
        fill("DL", 5, 1, 1);
        QCOMPARE(picture(), feedLayout(LandscapeTurn::CounterClockwise, false, EnvelopeFace::Down));
        choose("Hall");
        QCOMPARE(setup->setup().size, "DL"); // its first time: the set-up shown, the printer's tray
        QCOMPARE(setup->setup().tray, "");
        fill("C5", 1, 0, 0);
        choose("Office");
        QCOMPARE(setup->setup(),
                 (EnvelopeSetup{"DL", "220", "110", "5", "0", false, "Office", "manual", "", EnvelopeFace::Down}));
        QVERIFY(!picture().addressSideUp);
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
        QCOMPARE(setup->setup().face, EnvelopeFace::Down);
        choose("Hall");
        QCOMPARE(setup->setup().size, "C5");
        QCOMPARE(setup->setup().tray, "");
        QCOMPARE(setup->setup().face, EnvelopeFace::Up);
        QVERIFY(services.settings.value("EnvelopeSetups")->endsWith("\ndamaged\n"));
        QCOMPARE(services.settings.value("EnvelopePrinter"), std::optional<QString>("Hall"));

        // The preview names the printer and tray, and draws the feed too.
        form->EnvelopePreviewM->trigger();
        QVERIFY2(form->envelopePreview->heading().startsWith("Printer: Hall · Tray: printer's choice · Size: C5"),
                 qPrintable(form->envelopePreview->heading()));
        QCOMPARE(form->envelopePreview->feedPicture().feed(),
                 feedLayout(LandscapeTurn::CounterClockwise, false, EnvelopeFace::Up));

        // "Place the To Address": in the zone of the page shown (A4 here,
        // landscape, no edges), stored as any change, the user's to change.
        form->TextToAddress->setText("Zed");
        QTest::mouseClick(named<QPushButton>(setup, "Place the To Address for this size"), Qt::LeftButton);
        QCOMPARE(form->TextAddressToOffX->text(), "13.37");
        QCOMPARE(form->TextAddressToOffY->text(), "11");
        QCOMPARE(services.settings.value("TextAddressToOffX"), std::optional<QString>("13.37"));
        QCOMPARE(form->envelopePreview->layout().lines().last().box.top(), 110 * 72 / 25.4);
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
