// SPDX-License-Identifier: GPL-3.0-or-later
// The window printing to two real driverless printers (scripts/lib/ipp.sh
// serves them), as queues and as printers found on the network, read back
// from what each printer received: the job's media and where the ink lies on
// the page (a PDF, or Apple raster). Without those printers, the tests skip.
#include "app/envelopepreview.h"
#include "e2e_window.h"
#include "test_printing_pages.h"

#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QtEndian>

using namespace pages;

namespace {

// What reached the printer with its job `job`: its media-col's size (in
// hundredths of a millimetre), tray and paper type.
std::tuple<QSize, QString, QString> receivedJob(const QString &uri, int job)
{
    const QUrl url(uri);
    http_t *http = httpConnect2(qPrintable(url.host()), url.port(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1,
                                5000, nullptr);
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, qPrintable(uri));
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    ipp_t *response = cupsDoRequest(http, request, qPrintable(url.path()));
    ipp_t *col = ippGetCollection(ippFindAttribute(response, "media-col", IPP_TAG_BEGIN_COLLECTION), 0);
    ipp_t *size = ippGetCollection(ippFindAttribute(col, "media-size", IPP_TAG_BEGIN_COLLECTION), 0);
    const auto keyword = [col](const char *member) {
        return QString::fromUtf8(ippGetString(ippFindAttribute(col, member, IPP_TAG_KEYWORD), 0, nullptr));
    };
    const std::tuple received{QSize(ippGetInteger(ippFindAttribute(size, "x-dimension", IPP_TAG_INTEGER), 0),
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
    const uchar *at = page + kPageHeader, *end = bytes + data.size();
    // A pixel's first byte is grey enough to tell black ink from paper.
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
                for (int n = 0; n <= code && x < width; ++n)
                    line[x++] = *at;
                at += depth;
            } else {
                for (int n = 0; n < 257 - code && x < width && at < end; ++n, at += depth)
                    line[x++] = *at;
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
    return image;
}

// The ink of the return address (left of `split`) and of the to-address,
// in points on the envelope as it is read: the portrait page turned back
// the printer's way.
std::pair<QRectF, QRectF> inkBlocks(const QImage &page, LandscapeTurn turn, double split)
{
    const double pointsPerDot = kPointsPerInch / (page.dotsPerMeterX() * 0.0254); // square dots
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
            blocks[at.x() < split ? 0 : 1] |= QRectF(at, QSizeF(pointsPerDot, pointsPerDot));
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
        ink |= QRectF(line.box.left() + tight.left() * scale, line.box.top() + ascentOf(points) + tight.top() * scale,
                      tight.width() * scale, tight.height() * scale);
    }
    return ink;
}

double worstEdge(const QRectF &a, const QRectF &b)
{
    return std::max({qAbs(a.left() - b.left()), qAbs(a.top() - b.top()), qAbs(a.right() - b.right()),
                     qAbs(a.bottom() - b.bottom())});
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
    // Each printer both ways (a QUEUE made with -m everywhere, and the
    // TEMPORARY one CUPS makes for it from the network), with the trays the
    // set-up lists: the ENVY names one, "main", and CUPS offers no choice.
    void envelopeReachesThePrinter_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("tray");
        QTest::addColumn<QString>("paperType");
        QTest::addColumn<QSize>("media"); // reaching the printer, hundredths of a millimetre
        QTest::addColumn<QStringList>("trays");
        QTest::addColumn<double>("edge"); // its media-col-database margin, on every side, millimetres
        const QSize dl(11000, 22000), no10(10477, 24130);
        const QStringList pageWide{"side", "main", "auto"};
        const auto row = [](const char *tag, const char *key, const char *way, const char *size, const char *tray,
                            const char *paperType, QSize media, const QStringList &trays) {
            QTest::newRow(tag) << QString(key) << QString(way) << QString(size) << QString(tray) << QString(paperType)
                               << media << trays << (QString(key) == "ENVY" ? 2.96 : 4.23);
        };
        row("PageWide P57750, queue, DL, side tray, envelope", "PAGEWIDE", "QUEUE", "DL", "side", "envelope", dl,
            pageWide);
        row("PageWide P57750, from the network, No. 10", "PAGEWIDE", "TEMPORARY", "No10", "", "", no10, pageWide);
        row("ENVY 4520, queue, No. 10, plain paper", "ENVY", "QUEUE", "No10", "", "stationery", no10, {});
        row("ENVY 4520, from the network, DL", "ENVY", "TEMPORARY", "DL", "", "", dl, {});
    }
    void envelopeReachesThePrinter()
    {
        QFETCH(QString, key);
        QFETCH(QString, way);
        QFETCH(QString, size);
        QFETCH(QString, tray);
        QFETCH(QString, paperType);
        QFETCH(QSize, media);
        QFETCH(QStringList, trays);
        QFETCH(double, edge);
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
            QTRY_VERIFY_WITH_TIMEOUT(window.list("Printer")->findData(printerVariable(key, listed)) >= 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(window.list("Paper type")->count() > 1, 20000);
        QCOMPARE(window.list("Tray")->count(), trays.size() + 1);
        for (const QString &listed : trays)
            QVERIFY2(window.list("Tray")->findData(listed) > 0, qPrintable(listed));
        if (!paperType.isEmpty())
            QVERIFY2(window.list("Paper type")->findData(paperType) > 0, qPrintable(paperType));
        setup.assign(Setting::EnvelopeTray, tray);
        setup.assign(Setting::EnvelopePaperType, paperType);
        // CUPS writes every driverless queue's description without a
        // *LandscapeOrientation line, and turns the page clockwise whatever
        // the printer prefers (the PageWide 4, the ENVY 5): the ink below
        // lands where the Preview says only when turned back that way.
        const LandscapeTurn turn = LandscapeTurn::Clockwise;
        QVERIFY(window.target.describe({{}, {}, false, destination}).turn == turn);

        QTest::mouseClick(window.form.CommandPrint, Qt::LeftButton);

        QVERIFY2(window.services.messages.shown.isEmpty(), qPrintable(window.services.messages.texts().join(u'\n')));
        const int job = window.lastJob();
        QVERIFY(job > 0);
        QTRY_COMPARE_WITH_TIMEOUT(jobAttribute(job, "job-state"), QString::number(IPP_JSTATE_COMPLETED), 60000);
        // The printer keeps each document as "<its job id>-<name>.<type>".
        const QFileInfo document = QDir(spool).entryInfoList(QDir::Files, QDir::Time).value(0);
        const int printerJob = document.fileName().section(u'-', 0, 0).toInt();
        // The printer may still be taking the job in when CUPS is done.
        QTRY_COMPARE_WITH_TIMEOUT(std::get<0>(receivedJob(uri, printerJob)), media, 10000);
        const auto [reachedMedia, reachedTray, reachedType] = receivedJob(uri, printerJob);
        const QString sent = (tray.isEmpty() ? QString() : tray + u' ') + paperType;
        const QString reached = (tray.isEmpty() ? QString() : reachedTray + u' ') + reachedType;
        QCOMPARE(reached, sent);

        QTemporaryDir folder;
        const QImage page = readReceived(document.filePath(), folder.path());
        QVERIFY2(!page.isNull(), qPrintable(document.filePath()));
        const auto [from, to] = inkBlocks(page, turn, 7 * kPointsPerCentimetre);
        const PreviewPrinter &preview = window.form.envelopePreview->layout();
        QTRY_VERIFY(preview.lines().size() >= 4);
        const QMarginsF edges(preview.printable().left(), preview.printable().top(),
                              preview.page().right() - preview.printable().right(),
                              preview.page().bottom() - preview.printable().bottom());
        QCOMPARE(edges * kMillimetresPerInch / kPointsPerInch, QMarginsF(edge, edge, edge, edge));
        const double worst = std::max(worstEdge(from, previewInk(preview, {"Alpha", "Bravo"}, 12)),
                                      worstEdge(to, previewInk(preview, {"Charlie", "Delta"}, 16)));
        qInfo("%s: %s, %d x %d px, received %.1f x %.1f mm, tray %s, type %s; worst distance from the Preview %.2f mm",
              QTest::currentDataTag(), qPrintable(document.suffix()), page.width(), page.height(),
              reachedMedia.width() / 100.0, reachedMedia.height() / 100.0, qPrintable(reachedTray),
              qPrintable(reachedType), worst * kMillimetresPerInch / kPointsPerInch);
        QVERIFY2(worst < 0.5 * kPointsPerInch / kMillimetresPerInch, qPrintable(QString::number(worst)));
    }
};

QTEST_MAIN(TestDriverlessE2e)
#include "test_driverless_e2e.moc"
