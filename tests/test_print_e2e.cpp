// SPDX-License-Identifier: GPL-3.0-or-later
// The window printing through the test run's own CUPS server (scripts/test
// starts it), on queues made from Debian's own vendor printer descriptions:
// its jobs, and the documents the drivers make, read back with ghostscript
// and poppler. Without that server, the tests that need it are skipped.
#include "addressbook/addresslistmodel.h"
#include "app/envelopepreview.h"
#include "datarow.h"
#include "e2e_window.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace pages;

namespace {

// Where the driver's PostScript draws the first glyph of each line, in
// points from the media's top-left corner, and the media it asks for.
struct DriverPage
{
    QSizeF media;
    QList<QPointF> lineStarts; // each line's first glyph origin, in drawing order
};

// The choice the driver's PostScript makes for a PPD option
// ("%%BeginFeature: *InputSlot EnvelopeFeeder"); empty when it makes none.
QString driverFeature(const QString &postscript, const QString &option)
{
    QFile file(postscript);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray marker = "%%BeginFeature: *" + option.toUtf8() + ' ';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(marker))
            return QString::fromUtf8(line.mid(marker.size())).trimmed();
    }
    return {};
}

DriverPage readDriverOutput(const QString &postscript, const QString &folder)
{
    DriverPage page;
    const QString pdf = QDir(folder).filePath("driver.pdf");
    run("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite", "-o", pdf, postscript});
    page.media = pageSizeOf(pdf);
    // Glyph origins in hundredths of a point; the fonts the drivers embed
    // do not keep their characters, so the lines are told apart by place.
    static const QRegularExpression glyph(QStringLiteral("<char bbox=\"(-?\\d+) (-?\\d+) "));
    const QString glyphs = run("gs",
                               {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-dFIXEDRESOLUTION", "-r7200",
                                "-sDEVICE=txtwrite", "-dTextFormat=0", "-o", "-", postscript});
    std::optional<double> lineX;
    for (auto it = glyph.globalMatch(glyphs); it.hasNext();) {
        const auto match = it.next();
        const QPointF at(match.captured(1).toDouble() / 100, match.captured(2).toDouble() / 100);
        if (!lineX || qAbs(*lineX - at.x()) > 1)
            page.lineStarts << at;
        lineX = at.x();
    }
    return page;
}

// A Unix socket that takes connections and never answers.
struct SilentServer
{
    SilentServer()
    {
        fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, qPrintable(path), sizeof address.sun_path);
        bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
        listen(fd, 16);
    }
    ~SilentServer() { close(fd); }
    QTemporaryDir folder;
    QString path = folder.filePath("silent.sock");
    int fd = -1;
};

} // namespace

// A test that needs the run's own print server skips without it.
#define NEED_SERVER()                                                                                                  \
    if (!m_server)                                                                                                     \
    QSKIP("Needs the test run's own print server: run the suite with scripts/test.")

class TestPrintE2e : public QObject
{
    Q_OBJECT

    QString m_queue = qEnvironmentVariable("QUILLON_TEST_CUPS_QUEUE");
    QString m_spool = qEnvironmentVariable("QUILLON_TEST_CUPS_SPOOL");
    QString m_vendorOutput = qEnvironmentVariable("QUILLON_TEST_CUPS_VENDOR_OUTPUT");
    bool m_server = false;

private slots:
    void initTestCase()
    {
        // Never the machine's own print server or default printer.
        m_server = !qEnvironmentVariable("CUPS_SERVER").isEmpty() && !m_queue.isEmpty() && QDir(m_spool).exists();
        if (m_server) {
            cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
            QVERIFY(dest && m_queue == QString::fromUtf8(dest->name));
            cupsFreeDests(1, dest);
        }
    }

    // On a printer whose unprintable edges differ on every side
    // (tests/data/unequal-edges.ppd), the envelope's page and the media the
    // job asks for, and where CUPS's own filters put the lines on the media.
    void printableCorner_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QSizeF>("media");    // the filters' output, portrait
        QTest::addColumn<QSizeF>("page");     // sent, landscape
        QTest::addColumn<QMarginsF>("edges"); // the PPD's, portrait: left, top, right, bottom
        // A4 "12 48 571 806" of 595 x 842; DL "6 30 297 603" of 312 x 624; No. 10 "6 30 282 663" of 297 x 684.
        QTest::newRow("printer paper") << "Printer paper" << QSizeF(595, 842) << QSizeF(842, 595)
                                       << QMarginsF(12, 36, 24, 48);
        QTest::newRow("DL") << "DL" << QSizeF(312, 624) << QSizeF(623.6, 311.8) << QMarginsF(6, 21, 15, 30);
        QTest::newRow("No. 10") << "No10" << QSizeF(297, 684) << QSizeF(684, 297) << QMarginsF(6, 21, 15, 30);
    }
    void printableCorner()
    {
        NEED_SERVER();
        QFETCH(QString, size);
        QFETCH(QSizeF, media);
        QFETCH(QSizeF, page);
        QFETCH(QMarginsF, edges);
        const QString output = qEnvironmentVariable("QUILLON_TEST_CUPS_EDGES_OUTPUT");
        // The user's own default printer, as CUPS's clients take it.
        const auto restore = qScopeGuard([] { qunsetenv("PRINTER"); });
        qputenv("PRINTER", qgetenv("QUILLON_TEST_CUPS_EDGES_QUEUE"));
        QFile::remove(output);
        Window window;
        window.choose(Setting::EnvelopeSize, size);

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const int job = window.lastJob();
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(job, "job-state"), QString::number(IPP_JSTATE_COMPLETED), 30000);
        const QSizeF sent = pageSizeOf(QDir(m_spool).filePath(QStringLiteral("d%1-001").arg(job, 5, 10, QChar(u'0'))));
        QVERIFY2(qAbs(sent.width() - page.width()) < 1 && qAbs(sent.height() - page.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(sent.width()).arg(sent.height())));
        // The media lies portrait: the page's top along its right edge, the
        // page's left along its top. Each word as the envelope is read.
        const QSizeF onMedia = pageSizeOf(output);
        QVERIFY2(qAbs(onMedia.width() - media.width()) < 1 && qAbs(onMedia.height() - media.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(onMedia.width()).arg(onMedia.height())));
        const double mediaWidth = onMedia.width();
        QList<Word> words;
        for (const Word &word : wordsOf(output))
            words.append({word.text, word.y, mediaWidth - word.right});
        const QString problems = misplacedEnvelope(words, {edges.top(), edges.right()}, 1);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
    }

    // Printers described by their makers: the page each driver chose, and
    // each line where the Preview draws it and where the offsets from the
    // printable corner that the description's own numbers give put it.
    void vendorPrinters_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("turned180");
        QTest::addColumn<bool>("clockwise");    // *LandscapeOrientation: none (clockwise) or Plus90
        QTest::addColumn<QRectF>("imageable");  // the PPD's ImageableArea: left, bottom, right, top
        QTest::addColumn<QSizeF>("media");      // its PaperDimension, portrait
        QTest::addColumn<QString>("tray");      // asked for; empty: the printer's choice
        QTest::addColumn<QString>("paperType"); // asked for; empty: the printer's choice
        QTest::addColumn<QString>("inputSlot"); // what the driver selects; empty: not looked at
        QTest::addColumn<QString>("mediaType");
        const auto area = [](double left, double bottom, double right, double top) {
            return QRectF(QPointF(left, bottom), QPointF(right, top));
        };
        const QSizeF dl(312, 624), no10(297, 684), custom(100 * 72 / 25.4, 200 * 72 / 25.4);
        const QString none;
        dataRow("HP Business Inkjet 2250, DL: counter-clockwise, unequal edges", "quillon-hp2250", "DL", false, false,
                area(9.36, 33.12, 302.16, 621), dl, none, none, none, none);
        dataRow("HP Business Inkjet 2250, custom 100 x 200 mm: its hardware margins", "quillon-hp2250", "Custom", false,
                false, area(18, 33.12, custom.width() - 18, custom.height() - 3), custom, none, none, none, none);
        dataRow("HP LaserJet 4250, printer paper: Letter", "quillon-hp4250", "Printer paper", false, false,
                area(12, 12.12, 599.88, 780), QSizeF(612, 792), none, none, none, none);
        dataRow("HP LaserJet 4250, C5", "quillon-hp4250", "C5", false, false, area(12, 12.12, 447, 636.96),
                QSizeF(459, 649), none, none, none, none);
        dataRow("Kyocera FS-1000, No. 10: clockwise", "quillon-fs1000", "No10", false, true, area(12, 8, 273, 668),
                no10, none, none, none, none);
        dataRow("Kyocera FS-1000, DL turned 180 degrees", "quillon-fs1000", "DL", true, true, area(12, 10, 288, 604),
                dl, none, none, none, none);
        dataRow("Kyocera FS-2100DN, DL", "quillon-fs2100dn", "DL", false, true, area(12, 10, 300, 614), dl, none, none,
                none, none);
        dataRow("Brother HL-5250DN, No. 10", "quillon-hl5250dn", "No10", false, true, area(12, 12.12, 284.88, 672),
                no10, none, none, none, none);

        // The tray and the paper type reach the driver, as the PPD names them.
        dataRow("HP LaserJet M604, DL, envelope feeder, envelope paper", "quillon-m604", "DL", false, false,
                area(12, 12, 300, 612), dl, "envelope-feeder", "envelope", "EnvelopeFeeder", "Envelope");
        dataRow("HP LaserJet M604, No. 10, the printer's choice", "quillon-m604", "No10", false, false,
                area(12, 12, 285, 672), no10, none, none, "Auto", "Unspecified");
        dataRow("Lexmark C734, DL, manual envelope feed, envelope paper", "quillon-c734", "DL", false, true,
                area(12, 12, 310, 612), dl, "manual-env", "envelope", "ManualEnv", "Envelope");
    }

    void vendorPrinters()
    {
        NEED_SERVER();
        QFETCH(QString, queue);
        QFETCH(QString, size);
        QFETCH(bool, turned180);
        QFETCH(bool, clockwise);
        QFETCH(QRectF, imageable);
        QFETCH(QSizeF, media);
        QFETCH(QString, tray);
        QFETCH(QString, paperType);
        QFETCH(QString, inputSlot);
        QFETCH(QString, mediaType);
        const QString output = QDir(m_vendorOutput).filePath(queue + ".out");
        cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, qPrintable(queue), nullptr);
        cupsFreeDests(dest ? 1 : 0, dest);
        if (!dest)
            QSKIP(
                "The vendor printer descriptions are not installed (printer-driver-postscript-hp, openprinting-ppds).");
        QFile::remove(output);
        Window window;
        window.choose(Setting::EnvelopePrinter, queue);
        window.choose(Setting::EnvelopeSize, size);
        window.choose(Setting::EnvelopeWidthMM, "100");
        window.choose(Setting::EnvelopeHeightMM, "200");
        window.choose(Setting::Rotate180, turned180 ? "1" : "0");
        window.form.envelopeSetup->assign(Setting::EnvelopeTray, tray);
        window.form.envelopeSetup->assign(Setting::EnvelopePaperType, paperType);

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const int job = window.lastJob();
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(job, "job-state"), QString::number(IPP_JSTATE_COMPLETED), 60000);
        // What the driver made of the job, not the job's attributes.
        if (!inputSlot.isEmpty()) {
            QCOMPARE(driverFeature(output, "InputSlot"), inputSlot);
            QCOMPARE(driverFeature(output, "MediaType"), mediaType);
        }
        QTemporaryDir folder;
        const DriverPage driver = readDriverOutput(output, folder.path());
        QVERIFY2(qAbs(driver.media.width() - media.width()) < 1 && qAbs(driver.media.height() - media.height()) < 1,
                 qPrintable(
                     QStringLiteral("the driver chose %1 x %2").arg(driver.media.width()).arg(driver.media.height())));
        QCOMPARE(driver.lineStarts.size(), 4);

        // The lines as the envelope is read: back from the portrait media,
        // turned the printer's way, and turned back when printed turned.
        const QSizeF page(media.height(), media.width());
        const QList<std::pair<QString, double>> lines{{"Alpha", 12}, {"Bravo", 12}, {"Charlie", 16}, {"Delta", 16}};
        QList<Word> words;
        for (int i = 0; i < lines.size(); ++i) {
            const QPointF on = driver.lineStarts[i];
            QPointF at = clockwise ? QPointF(on.y(), media.width() - on.x()) : QPointF(media.height() - on.y(), on.x());
            if (turned180)
                at = QPointF(page.width(), page.height()) - at;
            words.append({lines[i].first, at.x(), at.y() - ascentOf(lines[i].second)});
        }
        // The printable corner as the page lies, from the PPD's numbers.
        const QMarginsF portrait(imageable.left(), media.height() - imageable.bottom(),
                                 media.width() - imageable.right(), imageable.top());
        const QMarginsF lying = clockwise
            ? QMarginsF(portrait.top(), portrait.right(), portrait.bottom(), portrait.left())
            : QMarginsF(portrait.bottom(), portrait.left(), portrait.top(), portrait.right());
        const QPointF corner = turned180 ? QPointF(lying.right(), lying.bottom()) : QPointF(lying.left(), lying.top());
        double fromCorner = 0;
        const QString problems = misplacedEnvelope(words, corner, 1, &fromCorner);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));

        // The Preview draws every line where it landed.
        window.form.EnvelopePreviewM->trigger();
        const PreviewPrinter &preview = window.form.envelopePreview->layout();
        QTRY_VERIFY(qAbs(preview.page().width() - page.width()) < 1 && preview.lines().size() == 5);
        double worst = 0;
        for (const Word &word : words) {
            const auto line = std::find_if(preview.lines().cbegin(), preview.lines().cend(),
                                           [&](const PreviewPrinter::Line &line) { return line.text == word.text; });
            worst = std::max({worst, qAbs(line->box.left() - word.x), qAbs(line->box.top() - word.y)});
        }
        qInfo("%s: page %.1f x %.1f pt, worst distance from the Preview %.2f mm, from the offsets %.2f mm",
              QTest::currentDataTag(), driver.media.width(), driver.media.height(), worst * 25.4 / 72,
              fromCorner * 25.4 / 72);
        QVERIFY2(worst < 0.5 * 72 / 25.4, qPrintable(QString::number(worst * 25.4 / 72)));
    }

    // A size the printer lacks (C4 on the HP LaserJet 4250) is said before
    // anything is sent, in the set-up too; the user prints anyway or stops.
    // The tray and the paper type reach the driver.
    void sizeThePrinterLacks()
    {
        NEED_SERVER();
        QFile::remove(QDir(m_vendorOutput).filePath("quillon-hp4250.out"));
        Window window;
        window.choose(Setting::EnvelopePrinter, "quillon-hp4250");
        window.choose(Setting::EnvelopeSize, "C4");
        window.choose(Setting::EnvelopeTray, "envelope-feeder");
        window.form.envelopeSetup->assign(Setting::EnvelopePaperType, "envelope");
        window.services.messages.answers = {false, true};

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);
        QCOMPARE(window.lastJob(), 0);
        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QCOMPARE(window.services.messages.shown.size(), 2);
        QVERIFY(window.services.messages.texts()[0].contains("lists no paper of 229 × 324 mm"));
        QVERIFY(window.lastJob() > 0);
        // The driver's own output selects the size, the tray and the type.
        const QString output = QDir(m_vendorOutput).filePath("quillon-hp4250.out");
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(window.lastJob(), "job-state"), QString::number(IPP_JSTATE_COMPLETED),
                                  60000);
        QCOMPARE(driverFeature(output, "InputSlot"), "EnvelopeFeeder");
        QCOMPARE(driverFeature(output, "MediaType"), "Envelope");
        // Printed anyway: on the queue's own paper, as the user was told.
        QTemporaryDir folder;
        const QSizeF media = readDriverOutput(output, folder.path()).media;
        QVERIFY2(qAbs(media.width() - 612) < 1 && qAbs(media.height() - 792) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(media.width()).arg(media.height())));
        window.form.EnvelopeM->trigger();
        const QLabel *problem = named<QLabel>(window.form.envelopeSetup, "Envelope size on this printer");
        QTRY_VERIFY(problem->isVisible());
        // A queue without a driver passes the page on unchanged, and says so.
        window.choose(Setting::EnvelopePrinter, m_queue);
        QTRY_VERIFY2(problem->text().contains("has no driver: the print service passes the envelope's page of "
                                              "229 × 324 mm to it unchanged"),
                     qPrintable(problem->text()));
    }

    // The user's own options for a queue (lpoptions), as lp takes them: the
    // printer's paper and the printer's choice of tray follow them, in the
    // Preview too; what the set-up asks for wins over them.
    void usersOwnOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("tray");
        QTest::addColumn<QSizeF>("media");      // the driver's, portrait
        QTest::addColumn<QString>("inputSlot"); // the driver's
        dataRow("A4 on a Letter queue: the printer's paper is A4", "media=iso_a4_210x297mm", "Printer paper", "",
                QSizeF(595, 842), "Auto");
        dataRow("the user's tray, under the printer's choice", "InputSlot=Tray2", "DL", "", QSizeF(312, 624), "Tray2");
        dataRow("the set-up's tray wins", "InputSlot=Tray2", "DL", "envelope-feeder", QSizeF(312, 624),
                "EnvelopeFeeder");
    }
    void usersOwnOptions()
    {
        NEED_SERVER();
        QFETCH(QString, option);
        QFETCH(QString, size);
        QFETCH(QString, tray);
        QFETCH(QSizeF, media);
        QFETCH(QString, inputSlot);
        const QString queue = "quillon-m604";
        const QString output = QDir(m_vendorOutput).filePath(queue + ".out");
        // lpoptions writes the user's default printer too: the file is put back as it was.
        QFile lpoptions(QDir::home().filePath(".cups/lpoptions"));
        const std::optional<QByteArray> before =
            lpoptions.open(QIODevice::ReadOnly) ? std::optional(lpoptions.readAll()) : std::nullopt;
        lpoptions.close();
        const auto restore = qScopeGuard([&] {
            if (!before) {
                lpoptions.remove();
            } else if (!lpoptions.open(QIODevice::WriteOnly | QIODevice::Truncate)
                       || lpoptions.write(*before) != before->size()) {
                qWarning("Could not put %s back", qPrintable(lpoptions.fileName()));
            }
        });
        run("lpoptions", {"-p", queue, "-o", option});
        QFile::remove(output);
        Window window;
        window.choose(Setting::EnvelopePrinter, queue);
        window.choose(Setting::EnvelopeSize, size);
        window.form.envelopeSetup->assign(Setting::EnvelopeTray, tray);

        window.form.EnvelopePreviewM->trigger();
        const PreviewPrinter &preview = window.form.envelopePreview->layout();
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(preview.page().width() - media.height()) < 1
                                     && qAbs(preview.page().height() - media.width()) < 1,
                                 10000);
        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(window.lastJob(), "job-state"), QString::number(IPP_JSTATE_COMPLETED),
                                  60000);
        QCOMPARE(driverFeature(output, "InputSlot"), inputSlot);
        QTemporaryDir folder;
        const QSizeF driver = readDriverOutput(output, folder.path()).media;
        QVERIFY2(qAbs(driver.width() - media.width()) < 1 && qAbs(driver.height() - media.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(driver.width()).arg(driver.height())));
    }

    // A job the print server takes and then stops is told in words, with
    // the envelope named; in Print All that envelope is the run's failure.
    void printersAnswer_data()
    {
        QTest::addColumn<bool>("printAll");
        QTest::newRow("one envelope") << false;
        QTest::newRow("Print All, one job each") << true;
    }
    void printersAnswer()
    {
        NEED_SERVER();
        QFETCH(bool, printAll);
        const QString queue = qEnvironmentVariable("QUILLON_TEST_CUPS_FAILING_QUEUE");
        Window window;
        window.choose(Setting::EnvelopePrinter, queue);
        // Print All's pause after each envelope takes real time here, for the
        // printer's answer to come.
        qsizetype pauses = 0;
        window.services.events.onProcess = [&] {
            if (window.services.events.waits.size() > pauses) {
                pauses = window.services.events.waits.size();
                QTest::qWait(2500);
            }
        };
        if (printAll) {
            window.form.addToAddressBook({"A1\r\n", "B2\r\n"});
            window.form.addressBook()->tickAll();
            window.choose(Setting::PrintAllOneJob, "0");
            QTest::mouseClick(window.form.CommandPrintAll, Qt::LeftButton);
        } else {
            QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);
        }

        QTRY_COMPARE_WITH_TIMEOUT(window.services.messages.shown.size(), 1, 20000);
        const QString text = window.services.messages.texts()[0];
        const QString start = printAll ? "Print All printed nothing: the envelope for \"B2\" failed."
                                       : "The envelope for \"Charlie\" has not printed on the printer \"" + queue;
        QVERIFY2(text.startsWith(start) && text.contains("stopped while printing"), qPrintable(text));
        QCOMPARE(window.services.messages.shown[0].kind, FakeMessageBox::Shown::Warning);
        // Nothing more is told of it afterwards.
        QTest::qWait(1500);
        QCOMPARE(window.services.messages.shown.size(), 1);
    }

    // The Preview follows the server's default printer, and a change of
    // that printer's own default paper: its paper and its edges.
    void previewFollowsTheDefaultPrinter()
    {
        NEED_SERVER();
        const auto restore = qScopeGuard([this] {
            run("lpadmin", {"-d", m_queue});
            run("lpadmin", {"-p", "quillon-fs1000", "-o", "media-default=iso_a4_210x297mm"});
        });
        run("lpadmin", {"-d", "quillon-hp4250"});
        Window window;
        window.form.EnvelopePreviewM->trigger();
        const PreviewPrinter &preview = window.form.envelopePreview->layout();
        QTRY_COMPARE(preview.page().size().toSize(), QSize(792, 612)); // Letter
        run("lpadmin", {"-d", "quillon-fs1000"});
        QTRY_COMPARE_WITH_TIMEOUT(preview.page().size().toSize(), QSize(842, 595), 10000); // A4
        // Clockwise: the page's left edge is the media's top.
        QVERIFY(qAbs(preview.printable().left() - (842 - 832)) < 0.1);
        run("lpadmin", {"-p", "quillon-fs1000", "-o", "media-default=na_letter_8.5x11in"});
        QTRY_COMPARE_WITH_TIMEOUT(preview.page().size().toSize(), QSize(792, 612), 10000);
    }

    // What keeps an envelope from the printer is told, once, and no job is
    // sent; a paused printer takes the job, and the user is told it waits.
    void whatTheUserIsTold_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("sent");
        dataRow("queue not accepting jobs", "rejecting", "is not accepting jobs.\nLet it accept jobs", false);
        dataRow("queue stops accepting while the envelope prints", "rejects midway", "refused the envelope", false);
        dataRow("no print server", "no server", "cannot reach the print service", false);
        dataRow("a print server that never answers", "silent", "does not answer", false);
        dataRow("the chosen printer is gone", "gone", "\"no-such-queue\" chosen in the envelope set-up", false);
        dataRow("queue paused", "paused", "is paused: the envelope waits in its queue", true);
    }
    void whatTheUserIsTold()
    {
        QFETCH(QString, situation);
        QFETCH(QString, message);
        QFETCH(bool, sent);
        if (situation != u"silent" && situation != u"no server")
            NEED_SERVER();
        const auto stillAccepting = qScopeGuard([&] {
            if (m_server) {
                run("cupsaccept", {m_queue});
                run("cupsenable", {m_queue});
            }
        });
        Window window;
        const QByteArray server = qgetenv("CUPS_SERVER");
        SilentServer silent;
        const auto restore = qScopeGuard([&] {
            if (server.isNull())
                qunsetenv("CUPS_SERVER");
            else
                qputenv("CUPS_SERVER", server);
        });
        if (situation == u"rejecting") {
            run("cupsreject", {m_queue});
        } else if (situation == u"no server") {
            qputenv("CUPS_SERVER", QDir::temp().filePath("no-such-server.sock").toLocal8Bit());
        } else if (situation == u"silent") {
            qputenv("CUPS_SERVER", silent.path.toLocal8Bit());
        } else if (situation == u"gone") {
            window.choose(Setting::EnvelopePrinter, "no-such-queue");
        } else if (situation == u"paused") {
            run("cupsdisable", {m_queue});
        } else {
            // Before the second line: the first has opened the document.
            window.services.events.onProcess = [&] {
                if (window.services.events.processCalls == 2)
                    run("cupsreject", {m_queue});
            };
        }
        // Keys typed while the print server is asked reach the window.
        QTimer::singleShot(100, &window.form, [&] { QTest::keyClicks(window.form.TextReturnOffX, "5"); });
        QElapsedTimer clock;
        clock.start();

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.size() == 1 && window.services.messages.texts()[0].contains(message),
                 qPrintable(window.services.messages.texts().join(u'\n')));
        QCOMPARE(window.services.messages.shown[0].kind,
                 sent ? FakeMessageBox::Shown::Information : FakeMessageBox::Shown::Warning);
        QCOMPARE(window.lastJob() > 0, sent);
        if (situation == u"silent") {
            QCOMPARE(window.form.TextReturnOffX->text(), "1.55");
            QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        }
    }
};

QTEST_MAIN(TestPrintE2e)
#include "test_print_e2e.moc"
