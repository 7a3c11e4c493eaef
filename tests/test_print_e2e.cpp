// SPDX-License-Identifier: GPL-3.0-or-later
// The window printing through the test run's own CUPS server (scripts/test
// starts it): its jobs, and the documents it gets and makes, read with poppler.
#include "app/addresstextbox.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "fakes/testservices.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/qtprinter.h"
#include "test_printing_pages.h"

#include <QComboBox>
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
            form.TextToAddress->setText("Charlie\r\nDelta\r\n");
            for (const auto &[box, text] : {std::pair{form.TextReturnPrintFonttype, kFace},
                                            {form.TextReturnPrintFontSize, "12"},
                                            {form.TextReturnOffX, "1.5"},
                                            {form.TextReturnOffY, ".5"},
                                            {form.TextToAddressPrintFontType, kFace},
                                            {form.TextToAddressPrintFontSize, "16"},
                                            {form.TextAddressToOffX, "12"},
                                            {form.TextAddressToOffY, "8.25"}})
                box->setText(text);
        }

        TestServices services;
        CupsDefaultPrinter target;
        QtPrinter printer{target};
        Form1 form{Form1Services{services.settings, services.messages, services.shell, services.events, services.clock,
                                 services.app, printer, services.programDir.path(), services.dataDir.path()}};
    };

    QString m_queue = qEnvironmentVariable("QUILLON_TEST_CUPS_QUEUE");
    QString m_spool = qEnvironmentVariable("QUILLON_TEST_CUPS_SPOOL");

    // A job's attribute as the server recorded it; empty when it has none.
    static QString jobAttribute(int job, const char *name)
    {
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                     qPrintable(QStringLiteral("ipp://localhost/jobs/%1").arg(job)));
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        ipp_attribute_t *attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
        QString value;
        if (attribute && ippGetValueTag(attribute) == IPP_TAG_ENUM)
            value = QString::number(ippGetInteger(attribute, 0));
        else if (attribute)
            value = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
        ippDelete(response);
        return value;
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

    // On a printer whose unprintable edges differ on every side
    // (tests/data/unequal-edges.ppd), the envelope's page and the media the
    // job asks for, and where CUPS's own filters put the lines on the media.
    void printableCorner_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("media");   // asked of the job
        QTest::addColumn<QSizeF>("page");     // sent, landscape
        QTest::addColumn<QMarginsF>("edges"); // the PPD's, portrait: left, top, right, bottom
        // A4 "12 48 571 806" of 595 x 842; DL "6 30 297 603" of 312 x 624; No. 10 "6 30 282 663" of 297 x 684.
        QTest::newRow("printer paper") << "Printer paper"
                                       << "" << QSizeF(842, 595) << QMarginsF(12, 36, 24, 48);
        QTest::newRow("DL") << "DL"
                            << "iso_dl_110x220mm" << QSizeF(623.6, 311.8) << QMarginsF(6, 21, 15, 30);
        QTest::newRow("No. 10") << "No10"
                                << "na_number-10_4.125x9.5in" << QSizeF(684, 297) << QMarginsF(6, 21, 15, 30);
    }
    void printableCorner()
    {
        QFETCH(QString, size);
        QFETCH(QString, media);
        QFETCH(QSizeF, page);
        QFETCH(QMarginsF, edges);
        const QString output = qEnvironmentVariable("QUILLON_TEST_CUPS_EDGES_OUTPUT");
        const auto restore = qScopeGuard([] { qunsetenv("PRINTER"); });
        qputenv("PRINTER", qgetenv("QUILLON_TEST_CUPS_EDGES_QUEUE"));
        QFile::remove(output);
        Window window;
        window.form.envelopeSetup->size->setCurrentIndex(window.form.envelopeSetup->size->findData(size));

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const int job = window.target.lastJob();
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(job, "job-state"), QString::number(IPP_JSTATE_COMPLETED), 30000);
        QCOMPARE(jobAttribute(job, "media"), media);
        const QSizeF sent = pageSizeOf(QDir(m_spool).filePath(QStringLiteral("d%1-001").arg(job, 5, 10, QChar(u'0'))));
        QVERIFY2(qAbs(sent.width() - page.width()) < 1 && qAbs(sent.height() - page.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(sent.width()).arg(sent.height())));
        // The media lies portrait: the page's top along its right edge, the
        // page's left along its top. Each word as the envelope is read.
        const double mediaWidth = pageSizeOf(output).width();
        QList<Word> words;
        for (const Word &word : wordsOf(output))
            words.append({word.text, word.y, mediaWidth - word.right});
        const QString problems = misplacedEnvelope(words, {edges.top(), edges.right()}, 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // What keeps an envelope from the printer is told, once, and no job is sent.
    void nothingIsSent_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::newRow("queue not accepting jobs") << "rejecting"
                                                  << "is not accepting jobs";
        QTest::newRow("queue stops accepting while the envelope prints") << "rejects midway"
                                                                         << "refused the envelope";
        QTest::newRow("no print server") << "no server"
                                         << "cannot reach the print service";
    }
    void nothingIsSent()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        Window window;
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
                if (window.services.events.processCalls == 2)
                    run("cupsreject", {m_queue});
            };
        }

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.size() == 1 && window.services.messages.texts()[0].contains(message),
                 qPrintable(window.services.messages.texts().join(u'\n')));
        QCOMPARE(window.target.lastJob(), 0);
    }
};

QTEST_MAIN(TestPrintE2e)
#include "test_print_e2e.moc"
