// SPDX-License-Identifier: GPL-3.0-or-later
// The window printing to two real driverless printers (their own answers,
// served by ippeveprinter: scripts/lib/ipp.sh), each reached both ways: as a
// queue made with `lpadmin -m everywhere`, and as a printer the print server
// lists from the network without a queue. Read back from what the printer
// received: the size, tray and paper type of the job, and where the ink of
// each address block lies on the page (a PDF, or Apple raster). Without
// those printers, the tests skip.
#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "e2e_window.h"
#include "fakes/cupsjobs.h"
#include "fakes/testservices.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/qtprinter.h"
#include "test_printing_pages.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cups/cups.h>

using namespace pages;

namespace {

// What reached the printer with its job `job`: its media-col's size (in
// hundredths of a millimetre), tray and paper type.
struct ReceivedJob
{
    QSize size;
    QString tray, paperType;
};

ReceivedJob receivedJob(const QString &uri, int job)
{
    char scheme[32], user[64], host[256], resource[256];
    int port = 0;
    httpSeparateURI(HTTP_URI_CODING_ALL, qPrintable(uri), scheme, sizeof scheme, user, sizeof user, host, sizeof host,
                    &port, resource, sizeof resource);
    http_t *http = httpConnect2(host, port, nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, qPrintable(uri));
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ipp_t *response = cupsDoRequest(http, request, resource);
    ipp_t *col = ippGetCollection(ippFindAttribute(response, "media-col", IPP_TAG_BEGIN_COLLECTION), 0);
    ipp_t *size = ippGetCollection(ippFindAttribute(col, "media-size", IPP_TAG_BEGIN_COLLECTION), 0);
    const auto keyword = [col](const char *member) {
        return QString::fromUtf8(ippGetString(ippFindAttribute(col, member, IPP_TAG_KEYWORD), 0, nullptr));
    };
    const ReceivedJob received{QSize(ippGetInteger(ippFindAttribute(size, "x-dimension", IPP_TAG_INTEGER), 0),
                                     ippGetInteger(ippFindAttribute(size, "y-dimension", IPP_TAG_INTEGER), 0)),
                               keyword("media-source"), keyword("media-type")};
    ippDelete(response);
    httpClose(http);
    return received;
}

// The first page of an Apple raster (URF) document, as grey levels.
QImage readUrf(const QByteArray &data)
{
    constexpr int kFileHeader = 12, kPageHeader = 32;
    if (data.size() < kFileHeader + kPageHeader || !data.startsWith("UNIRAST"))
        return {};
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const uchar *page = bytes + kFileHeader;
    const int depth = page[0] / 8, width = int(qFromBigEndian<quint32>(page + 12)),
              height = int(qFromBigEndian<quint32>(page + 16)), dpi = int(qFromBigEndian<quint32>(page + 20));
    if (depth < 1 || width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_Grayscale8);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    const uchar *at = page + kPageHeader, *end = bytes + data.size();
    const auto grey = [depth](const uchar *pixel) {
        int sum = 0;
        for (int i = 0; i < depth; ++i)
            sum += pixel[i];
        return uchar(sum / depth);
    };
    // Each line: how often it repeats, then runs of one pixel repeated
    // (n < 128: n + 1 times), of pixels as they are (n > 128: 257 - n of
    // them), or white to the line's end (128).
    for (int y = 0; y < height && at < end;) {
        const int repeat = *at++ + 1;
        QList<uchar> line(width, 255);
        for (int x = 0; x < width && at < end;) {
            const int code = *at++;
            if (code == 128)
                break;
            if (code < 128) {
                const uchar value = grey(at);
                at += depth;
                for (int n = 0; n <= code && x < width; ++n)
                    line[x++] = value;
            } else {
                for (int n = 0; n < 257 - code && x < width && at < end; ++n, at += depth)
                    line[x++] = grey(at);
            }
        }
        for (int n = 0; n < repeat && y < height; ++n, ++y)
            std::copy(line.cbegin(), line.cend(), image.scanLine(y));
    }
    return image;
}

QImage readReceived(const QString &path, const QString &folder)
{
    if (path.endsWith(u".urf")) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? readUrf(file.readAll()) : QImage();
    }
    const QString stem = QDir(folder).filePath("page");
    run("pdftoppm", {"-r", "300", "-gray", "-singlefile", "-f", "1", "-l", "1", path, stem});
    QImage image(stem + ".pgm");
    image.setDotsPerMeterX(qRound(300 / 0.0254));
    image.setDotsPerMeterY(qRound(300 / 0.0254));
    return image;
}

// The ink of the return address (left of `split`) and of the to-address,
// in points on the envelope as it is read: the portrait page turned back
// the printer's way.
std::pair<QRectF, QRectF> inkBlocks(const QImage &page, LandscapeTurn turn, double split)
{
    const double pointsPerDot = 72.0 / (page.dotsPerMeterX() * 0.0254);
    const double width = page.width() * pointsPerDot, height = page.height() * pointsPerDot;
    const bool portrait = page.height() > page.width();
    QRectF blocks[2];
    for (int y = 0; y < page.height(); ++y) {
        const uchar *line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (line[x] >= 128)
                continue;
            const QPointF on((x + 0.5) * pointsPerDot, (y + 0.5) * pointsPerDot);
            const QPointF at = !portrait           ? on
                : turn == LandscapeTurn::Clockwise ? QPointF(on.y(), width - on.x())
                                                   : QPointF(height - on.y(), on.x());
            QRectF &block = blocks[at.x() < split ? 0 : 1];
            block = block.isNull() ? QRectF(at, QSizeF(pointsPerDot, pointsPerDot))
                                   : block.united(QRectF(at, QSizeF(pointsPerDot, pointsPerDot)));
        }
    }
    return {blocks[0], blocks[1]};
}

// Where the Preview draws the ink of the lines `texts` in `points`.
QRectF previewInk(const PreviewPrinter &preview, const QStringList &texts, double points)
{
    QRectF ink;
    const double scale = kPointsPerInch / kPaperDpi;
    for (const PreviewPrinter::Line &line : preview.lines()) {
        if (!texts.contains(line.text))
            continue;
        const QRectF tight = paperMetricsOf(points).tightBoundingRect(line.text);
        const QRectF at(line.box.left() + tight.left() * scale, line.box.top() + ascentOf(points) + tight.top() * scale,
                        tight.width() * scale, tight.height() * scale);
        ink = ink.isNull() ? at : ink.united(at);
    }
    return ink;
}

double worstEdge(const QRectF &a, const QRectF &b)
{
    return std::max({qAbs(a.left() - b.left()), qAbs(a.top() - b.top()), qAbs(a.right() - b.right()),
                     qAbs(a.bottom() - b.bottom())});
}

// The newest document the printer kept: "<its job id>-<name>.<type>".
QFileInfo newestDocument(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    return files.value(0);
}

} // namespace

class TestDriverlessE2e : public QObject
{
    Q_OBJECT

    // The printer of `key` (ENVY, PAGEWIDE) as ipp.sh exported it.
    static QString printerVariable(const QString &key, const char *what)
    {
        return qEnvironmentVariable(qPrintable(QStringLiteral("QUILLON_TEST_IPP_%1_%2").arg(key, what)));
    }

private slots:
    void envelopeReachesThePrinter_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("way"); // QUEUE or TEMPORARY
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("tray");
        QTest::addColumn<QString>("paperType");
        QTest::addColumn<QSize>("media"); // reaching the printer, hundredths of a millimetre
        QTest::addColumn<LandscapeTurn>("turn");
        QTest::addColumn<QStringList>("trays");
        const QSize dl(11000, 22000), no10(10477, 24130);
        // The ENVY names one tray, "main": CUPS offers no choice of one.
        const QStringList side{"side", "main", "auto"}, none;
        QTest::newRow("PageWide P57750, queue, DL, side tray, envelope")
            << "PAGEWIDE"
            << "QUEUE"
            << "DL"
            << "side"
            << "envelope" << dl << LandscapeTurn::Clockwise << side;
        QTest::newRow("PageWide P57750, from the network, No. 10, printer's choice")
            << "PAGEWIDE"
            << "TEMPORARY"
            << "No10" << QString() << QString() << no10 << LandscapeTurn::Clockwise << side;
        QTest::newRow("ENVY 4520, queue, No. 10, plain paper")
            << "ENVY"
            << "QUEUE"
            << "No10" << QString() << "stationery" << no10 << LandscapeTurn::Clockwise << none;
        QTest::newRow("ENVY 4520, from the network, DL, printer's choice")
            << "ENVY"
            << "TEMPORARY"
            << "DL" << QString() << QString() << dl << LandscapeTurn::Clockwise << none;
    }
    void envelopeReachesThePrinter()
    {
        QFETCH(QString, key);
        QFETCH(QString, way);
        QFETCH(QString, size);
        QFETCH(QString, tray);
        QFETCH(QString, paperType);
        QFETCH(QSize, media);
        QFETCH(LandscapeTurn, turn);
        QFETCH(QStringList, trays);
        const QString destination = printerVariable(key, qPrintable(way)), uri = printerVariable(key, "URI"),
                      spool = printerVariable(key, "SPOOL");
        if (destination.isEmpty() || uri.isEmpty() || printerVariable(key, "QUEUE").isEmpty()
            || printerVariable(key, "TEMPORARY").isEmpty())
            QSKIP("Needs the driverless test printers: run the suite with scripts/test.");
        Window window;
        EnvelopeSetupDialog &setup = *window.form.envelopeSetup;
        setup.assign(Setting::EnvelopePrinter, destination);
        setup.assign(Setting::EnvelopeSize, size);
        // Asked for while the set-up or the Preview shows: the Printer list
        // offers the printer both ways, as the desktop's print dialogs do.
        window.form.EnvelopePreviewM->trigger();
        for (const char *listed : {"QUEUE", "TEMPORARY"})
            QTRY_VERIFY_WITH_TIMEOUT(setup.printer->findData(printerVariable(key, listed)) >= 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(setup.paperType->count() > 1, 20000);
        QCOMPARE(setup.tray->count(), trays.size() + 1);
        for (const QString &listed : trays)
            QVERIFY2(setup.tray->findData(listed) > 0, qPrintable(listed));
        if (!paperType.isEmpty())
            QVERIFY2(setup.paperType->findData(paperType) > 0, qPrintable(paperType));
        setup.assign(Setting::EnvelopeTray, tray);
        setup.assign(Setting::EnvelopePaperType, paperType);
        const PrinterDescription described = window.target.describe({});
        QCOMPARE(described.turn.value_or(LandscapeTurn::Clockwise), turn);

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const int job = window.lastJob();
        QVERIFY(job > 0);
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(job, "job-state"), QString::number(IPP_JSTATE_COMPLETED), 60000);
        const QFileInfo document = newestDocument(spool);
        const ReceivedJob received = receivedJob(uri, document.fileName().section(u'-', 0, 0).toInt());
        QCOMPARE(received.size, media);
        const QString sent = (tray.isEmpty() ? QString() : tray + u' ') + paperType;
        const QString reached = (tray.isEmpty() ? QString() : received.tray + u' ') + received.paperType;
        // Sent as media-source and media-type, which CUPS does not map onto
        // a driverless queue's InputSlot and MediaType: only one media-col
        // reaches the printer.
        if (!sent.isEmpty())
            QEXPECT_FAIL("", "the tray and paper type go as separate attributes, not in the media-col", Continue);
        QCOMPARE(reached, sent);

        QTemporaryDir folder;
        const QImage page = readReceived(document.filePath(), folder.path());
        QVERIFY2(!page.isNull(), qPrintable(document.filePath()));
        const auto [from, to] = inkBlocks(page, turn, 7 * kPointsPerCentimetre);

        const PreviewPrinter &preview = window.form.envelopePreview->layout();
        QTRY_VERIFY(preview.lines().size() >= 4);
        const double worst = std::max(worstEdge(from, previewInk(preview, {"Alpha", "Bravo"}, 12)),
                                      worstEdge(to, previewInk(preview, {"Charlie", "Delta"}, 16)));
        qInfo("%s: %s, %d x %d px, received %.1f x %.1f mm, tray %s, type %s; worst distance from the Preview %.2f mm",
              QTest::currentDataTag(), qPrintable(document.suffix()), page.width(), page.height(),
              received.size.width() / 100.0, received.size.height() / 100.0, qPrintable(received.tray),
              qPrintable(received.paperType), worst * kMillimetresPerInch / kPointsPerInch);
        QVERIFY2(worst < 0.5 * kPointsPerInch / kMillimetresPerInch, qPrintable(QString::number(worst)));
    }
};

QTEST_MAIN(TestDriverlessE2e)
#include "test_driverless_e2e.moc"
