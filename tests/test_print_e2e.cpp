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
#include <QFile>
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

    // The window over the fakes, but with the real printer.
    struct Window
    {
        Window()
            : form(Form1Services{services.settings, services.messages, services.shell, services.events,
                                 services.clock, services.app, printer, services.programDir.path(),
                                 services.dataDir.path()})
        {
            form.Form_Load();
            form.TextReturnPrintFonttype->setText(kFace);
            form.TextToAddressPrintFontType->setText(kFace);
        }

        TestServices services;
        CupsDefaultPrinter target;
        QtPrinter printer{target};
        Form1 form;
    };

    QString m_queue;
    QString m_spool;

    // The ids of the queue's jobs, oldest first; each job is waited for
    // until CUPS calls it completed.
    QList<int> completedJobs(qsizetype atLeast = 0)
    {
        static const QRegularExpression id(QStringLiteral("^%1-([0-9]+)\\s").arg(QRegularExpression::escape(m_queue)),
                                           QRegularExpression::MultilineOption);
        QList<int> jobs;
        for (int attempt = 0; attempt < 100; ++attempt) {
            jobs.clear();
            const QString listing =
                run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), m_queue});
            for (auto it = id.globalMatch(listing); it.hasNext();)
                jobs.append(it.next().captured(1).toInt());
            std::sort(jobs.begin(), jobs.end());
            if (jobs.size() >= atLeast)
                break;
            QTest::qWait(100);
        }
        return jobs;
    }

    QString documentOf(int job) const
    {
        return QDir(m_spool).filePath(QStringLiteral("d%1-001").arg(job, 5, 10, QLatin1Char('0')));
    }

    // The top-left corner of the printable area of the default printer's
    // landscape page, in points from the page's corner.
    static QPointF printableCorner()
    {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setPageOrientation(QPageLayout::Landscape);
        QPageLayout layout = printer.pageLayout();
        layout.setUnits(QPageLayout::Point);
        return {layout.minimumMargins().left(), layout.minimumMargins().top()};
    }

private slots:
    void initTestCase()
    {
        m_queue = qEnvironmentVariable("QUILLON_TEST_CUPS_QUEUE");
        m_spool = qEnvironmentVariable("QUILLON_TEST_CUPS_SPOOL");
        // Never the machine's own print server or default printer.
        QVERIFY2(!qEnvironmentVariable("CUPS_SERVER").isEmpty() && !m_queue.isEmpty() && QDir(m_spool).exists(),
                 "These tests print through the test run's own print server: run them with scripts/test, "
                 "or source scripts/lib/cups.sh and call start_test_cups first.");
        QCOMPARE(QPrinterInfo::defaultPrinterName(), m_queue);
    }

    void oneEnvelopeLandsAtItsOffsets()
    {
        Window window;
        Form1 &form = window.form;
        form.TextReturn->setText(QStringLiteral("Alpha\r\nBravo"));
        form.TextReturnPrintFontSize->setText(QStringLiteral("12"));
        form.TextReturnOffX->setText(QStringLiteral("1.5"));
        form.TextReturnOffY->setText(QStringLiteral(".5"));
        form.TextToAddress->setText(QStringLiteral("Charlie\r\nDelta\r\n"));
        form.TextToAddressPrintFontSize->setText(QStringLiteral("16"));
        form.TextAddressToOffX->setText(QStringLiteral("12"));
        form.TextAddressToOffY->setText(QStringLiteral("8.25"));
        const QList<int> before = completedJobs();

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        QVERIFY(form.CommandPrint->isEnabled());
        const QList<int> after = completedJobs(before.size() + 1);
        QCOMPARE(after.size(), before.size() + 1);
        const QString pdf = documentOf(after.last());
        QVERIFY2(QFile::exists(pdf), qPrintable(pdf));

        const QSizeF page = pageSizeOf(pdf);
        QVERIFY2(page.width() > page.height(), "the page handed over is not landscape");

        const QPointF corner = printableCorner();
        const double returnX = corner.x() + 1.5 * kPointsPerCm, returnY = corner.y() + 0.5 * kPointsPerCm;
        const double toX = corner.x() + 12 * kPointsPerCm, toY = corner.y() + 8.25 * kPointsPerCm;
        for (const QString &problem : {misplaced(pdf, QStringLiteral("Alpha"), returnX, returnY),
                                       misplaced(pdf, QStringLiteral("Bravo"), returnX, returnY + lineHeightOf(12)),
                                       misplaced(pdf, QStringLiteral("Charlie"), toX, toY),
                                       misplaced(pdf, QStringLiteral("Delta"), toX, toY + lineHeightOf(16))})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void printAllSendsOneJobPerTickedEntryFromTheBottomUp()
    {
        Window window;
        Form1 &form = window.form;
        form.TextReturn->setText(QStringLiteral("Sender"));
        form.TextReturnPrintFontSize->setText(QStringLiteral("10"));
        form.TextToAddressPrintFontSize->setText(QStringLiteral("12"));
        QCOMPARE(form.addToAddressBook({QStringLiteral("Entry0\r\nStreet\r\n"), QStringLiteral("Entry1\r\n"),
                                        QStringLiteral("Entry2\r\n"), QStringLiteral("Entry3\r\n"),
                                        QStringLiteral("Entry4\r\n")}),
                 5);
        for (int row : {0, 2, 3})
            form.addressBook()->setTicked(row, true);
        const QList<int> before = completedJobs();

        QTest::mouseClick(form.CommandPrintAll, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const QList<int> after = completedJobs(before.size() + 3);
        QCOMPARE(after.size(), before.size() + 3);
        QStringList printed;
        for (int job : after.mid(before.size())) {
            QCOMPARE(wordOf(documentOf(job), QStringLiteral("Sender")).text, QStringLiteral("Sender"));
            for (const Word &word : wordsOf(documentOf(job))) {
                if (word.text.startsWith(QStringLiteral("Entry")))
                    printed << word.text;
            }
        }
        QCOMPARE(printed, (QStringList{QStringLiteral("Entry3"), QStringLiteral("Entry2"), QStringLiteral("Entry0")}));
        QCOMPARE(window.services.events.waits.size(), 3);
        QVERIFY(form.CommandPrintAll->isEnabled());
    }

    // What keeps an envelope from the printer is told, once, and no job
    // is left behind or sent.
    void refusalsAreReported_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("queue not accepting jobs") << "rejecting" << "is not accepting jobs";
        QTest::newRow("queue stops accepting while the envelope prints") << "rejects midway" << "refused the envelope";
        QTest::newRow("no print server") << "no server" << "found no default printer";
    }

    void refusalsAreReported()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        Window window;
        Form1 &form = window.form;
        form.TextReturn->setText(QStringLiteral("One\r\nTwo"));
        form.TextReturnPrintFontSize->setText(QStringLiteral("10"));
        form.TextToAddressPrintFontSize->setText(QStringLiteral("10"));
        const QList<int> before = completedJobs();
        {
            const QByteArray server = qgetenv("CUPS_SERVER");
            const auto restore = qScopeGuard([&] {
                qputenv("CUPS_SERVER", server);
                cupsSetServer(nullptr);
                run(QStringLiteral("cupsaccept"), {m_queue});
            });
            if (situation == u"rejecting") {
                run(QStringLiteral("cupsreject"), {m_queue});
            } else if (situation == u"rejects midway") {
                // After the first line has opened the document.
                window.services.events.onProcess = [&] {
                    if (window.services.events.processCalls == 2)
                        run(QStringLiteral("cupsreject"), {m_queue});
                };
            } else {
                qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("no-such-server.sock")).toLocal8Bit());
                // libcups keeps the server it was told at first.
                cupsSetServer(nullptr);
            }

            QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

            QCOMPARE(window.services.messages.shown.size(), 1);
            QVERIFY2(window.services.messages.shown.first().text.contains(message),
                     qPrintable(window.services.messages.shown.first().text));
            QVERIFY(form.CommandPrint->isEnabled());
        }
        QCOMPARE(completedJobs(), before);
    }

    void noEnvelopeReachesThePrinterOnceTheWindowIsGone()
    {
        Window window;
        Form1 &form = window.form;
        form.TextReturn->setText(QStringLiteral("One\r\nTwo"));
        form.TextReturnPrintFontSize->setText(QStringLiteral("10"));
        form.TextToAddressPrintFontSize->setText(QStringLiteral("10"));
        const QList<int> before = completedJobs();
        // The window is closed while the first line lets events run.
        window.services.events.onProcess = [&] { form.close(); };

        QTest::mouseClick(form.CommandPrint, Qt::LeftButton);

        QVERIFY(form.ending());
        QVERIFY(window.services.messages.shown.isEmpty());
        QTest::qWait(300);
        QCOMPARE(completedJobs(), before);
    }
};

QTEST_MAIN(TestPrintE2e)
#include "test_print_e2e.moc"
