// SPDX-License-Identifier: GPL-3.0-or-later
// The window printing through a real CUPS server that belongs to the test
// run (scripts/test starts it): the jobs it receives, and the very documents
// it keeps, read back with poppler's tools.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/testservices.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/qtprinter.h"
#include "test_printing_pages.h"

#include <QDir>
#include <QLineEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <cups/cups.h>

using namespace pages;

class TestPrintE2e : public QObject
{
    Q_OBJECT

    // The window over the fakes, but with the real printer, and the envelope
    // of misplacedEnvelope() filled in.
    struct Window
    {
        Window()
        {
            form.Form_Load();
            form.TextReturn->setText("Alpha\r\nBravo");
            form.TextReturnPrintFonttype->setText(kFace);
            form.TextReturnPrintFontSize->setText("12");
            form.TextReturnOffX->setText("1.5");
            form.TextReturnOffY->setText(".5");
            form.TextToAddress->setText("Charlie\r\nDelta\r\n");
            form.TextToAddressPrintFontType->setText(kFace);
            form.TextToAddressPrintFontSize->setText("16");
            form.TextAddressToOffX->setText("12");
            form.TextAddressToOffY->setText("8.25");
        }

        TestServices services;
        CupsDefaultPrinter target;
        QtPrinter printer{target};
        Form1 form{Form1Services{services.settings, services.messages, services.shell, services.events, services.clock,
                                 services.app, printer, services.programDir.path(), services.dataDir.path()}};
    };

    QString m_queue = qEnvironmentVariable("QUILLON_TEST_CUPS_QUEUE");
    QString m_spool = qEnvironmentVariable("QUILLON_TEST_CUPS_SPOOL");

    // The documents of the queue's completed jobs, oldest first.
    QStringList jobDocuments() const
    {
        static const QRegularExpression id(QStringLiteral("^%1-([0-9]+)\\s").arg(QRegularExpression::escape(m_queue)),
                                           QRegularExpression::MultilineOption);
        QList<int> jobs;
        for (auto it = id.globalMatch(run("lpstat", {"-W", "completed", "-o", m_queue})); it.hasNext();)
            jobs.append(it.next().captured(1).toInt());
        std::sort(jobs.begin(), jobs.end());
        QStringList documents;
        for (int job : jobs)
            documents << QDir(m_spool).filePath(QStringLiteral("d%1-001").arg(job, 5, 10, QLatin1Char('0')));
        return documents;
    }

private slots:
    void initTestCase()
    {
        // Never the machine's own print server or default printer.
        QVERIFY2(!qEnvironmentVariable("CUPS_SERVER").isEmpty() && !m_queue.isEmpty() && QDir(m_spool).exists(),
                 "These tests print through the test run's own print server: run them with scripts/test, "
                 "or source scripts/lib/cups.sh and call start_test_cups first.");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), m_queue);
    }

    // "Print", then "Print All" with entries 0, 2 and 3 of five ticked:
    // one job per envelope, in order; the first one's lines at their offsets.
    void jobsAndTheirPages()
    {
        Window window;
        Form1 &form = window.form;
        form.addToAddressBook({"Entry0\r\nStreet\r\n", "Entry1\r\n", "Entry2\r\n", "Entry3\r\n", "Entry4\r\n"});
        for (int row : {0, 2, 3})
            form.addressBook()->setTicked(row, true);
        const qsizetype before = jobDocuments().size();

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);
        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        QTRY_COMPARE(jobDocuments().size(), before + 4);
        const QStringList jobs = jobDocuments().mid(before);
        QStringList printed;
        for (const QString &pdf : jobs) {
            QStringList words;
            for (const Word &word : wordsOf(pdf))
                words << word.text;
            printed << words.join(u' ');
        }
        QCOMPARE(printed, (QStringList{"Alpha Bravo Charlie Delta", "Alpha Bravo Entry3", "Alpha Bravo Entry2",
                                       "Alpha Bravo Entry0 Street"}));

        const QSizeF page = pageSizeOf(jobs[0]);
        QVERIFY2(page.width() > page.height(), "the page handed over is not landscape");
        // The printable area's top-left corner on the default printer's landscape page.
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        const QMarginsF corner = layout.minimumMargins();
        const QString problems = misplacedEnvelope(jobs[0], {corner.left(), corner.top()}, 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // What keeps an envelope from the printer is told, once, and no job
    // is sent; a window closed while the envelope prints sends none either.
    void nothingIsSent_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("queue not accepting jobs") << "rejecting" << "is not accepting jobs";
        QTest::newRow("queue stops accepting while the envelope prints") << "rejects midway" << "refused the envelope";
        QTest::newRow("no print server") << "no server" << "found no default printer";
        QTest::newRow("window closed while the envelope prints") << "closed" << "";
    }

    void nothingIsSent()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        Window window;
        Form1 &form = window.form;
        const QStringList before = jobDocuments();
        {
            const QByteArray server = qgetenv("CUPS_SERVER");
            const auto restore = qScopeGuard([&] {
                qputenv("CUPS_SERVER", server);
                cupsSetServer(nullptr);
                run("cupsaccept", {m_queue});
            });
            if (situation == u"rejecting") {
                run("cupsreject", {m_queue});
            } else if (situation == u"no server") {
                qputenv("CUPS_SERVER", QDir::temp().filePath("no-such-server.sock").toLocal8Bit());
                cupsSetServer(nullptr); // libcups keeps the server it was told at first
            } else {
                // Before the second line: the first has opened the document.
                window.services.events.onProcess = [&] {
                    if (window.services.events.processCalls != 2)
                        return;
                    if (situation == u"closed")
                        form.close();
                    else
                        run("cupsreject", {m_queue});
                };
            }

            QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

            QCOMPARE(window.services.messages.shown.size(), message.isEmpty() ? 0 : 1);
            QVERIFY2(window.services.messages.texts().join("").contains(message),
                     qPrintable(window.services.messages.texts().join(u'\n')));
            QVERIFY(form.CommandPrint->isEnabled());
        }
        QTest::qWait(300);
        QCOMPARE(jobDocuments(), before);
    }
};

QTEST_MAIN(TestPrintE2e)
#include "test_print_e2e.moc"
