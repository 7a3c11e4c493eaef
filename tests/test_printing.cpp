// SPDX-License-Identifier: GPL-3.0-or-later
// The envelope through QtPrinter into PDF files (read back with poppler) and
// into the preview, side by side.
#include "datarow.h"
#include "fakes/pdffiletarget.h"
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"
#include "printing/previewprinter.h"
#include "test_printing_pages.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace pages;

namespace {

using Outcome = EnvelopeResult::Outcome;
// A4 with unprintable edges of different widths, as the page lies.
const QMarginsF kUnprintable(15, 22, 18, 25);

struct Envelope
{
    QTemporaryDir folder;
    PdfFileTarget target{
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kUnprintable, QPageLayout::Point, kUnprintable),
        folder.path()};
    QtPrinter printer{target};
    PreviewPrinter preview{&target};
    EnvelopeSetup setup;

    // On the paper and in the preview; the test envelope when `test`.
    EnvelopeResult print(const QString &returnText, const QString &toText, const QString &toFace = kFace,
                         const QString &toX = "12", const QString &toY = "8.25", bool test = false, int pages = 1)
    {
        auto fixed = [](const QString &text) -> FieldText { return [text] { return text; }; };
        const EnvelopeFields fields{
            {"Return address", fixed(returnText), fixed("12"), fixed(kFace), fixed("1.5"), fixed(".5")},
            {"To address", fixed(toText), fixed("16"), fixed(toFace), fixed(toX), fixed(toY)},
            [this] { return setup; },
            {}};
        const auto on = [&](Printer &to) {
            return test ? printTestEnvelope(fields, to, QLocale::c())
                        : printEnvelope(
                            fields, to, [] {}, [] { return false; }, QLocale::c());
        };
        on(preview);
        // Further pages of the same document, as Print All's one job has them.
        for (int page = 1; page < pages; ++page)
            drawEnvelope(
                fields, printer, [] {}, [] { return false; }, QLocale::c());
        return on(printer);
    }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    // Only a whole document is sent: cut anywhere, it is not whole.
    void wholeDocument_data()
    {
        QTest::addColumn<int>("cut"); // bytes cut off the end; -1 none written
        QTest::newRow("whole") << 0;
        QTest::newRow("the end-of-file marker cut") << 3;
        QTest::newRow("the table cut") << 200;
        QTest::newRow("only the first 4096 bytes") << -4096;
        QTest::newRow("a part in the middle missing") << -2;
        QTest::newRow("empty") << -1;
    }
    void wholeDocument()
    {
        QFETCH(int, cut);
        Envelope envelope;
        envelope.print("Alpha", "Bravo");
        QFile pdf(envelope.target.files.value(0));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.size() > 4096);
        if (cut == -2)
            bytes = bytes.left(bytes.size() / 2) + bytes.mid(bytes.size() / 2 + 100);
        else if (cut == -1)
            bytes.clear();
        else
            bytes = bytes.left(cut < -1 ? -cut : bytes.size() - cut);
        QCOMPARE(isWholePdf(bytes), cut == 0);
    }

    // Each line at its offsets from the printable corner, on the paper
    // asked for; a turned page read the other way up. The preview, laid
    // out by the same routine, puts every line where the paper has it.
    void linesLandWhereThePreviewShowsThem_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QSizeF>("page");
        QTest::newRow("printer paper") << "Printer paper" << false << QSizeF(842, 595);
        QTest::newRow("C5") << "C5" << false << QSizeF(649, 459);
        QTest::newRow("C4, turned") << "C4" << true << QSizeF(918, 649);
    }
    void linesLandWhereThePreviewShowsThem()
    {
        QFETCH(QString, size);
        QFETCH(bool, turned);
        QFETCH(QSizeF, page);
        Envelope envelope;
        envelope.setup.size = size;
        envelope.setup.turned = turned;
        envelope.print("Alpha\r\n\r\nBravo", "Charlie\r\nDelta");
        QCOMPARE(envelope.target.files.size(), 1);
        const QString pdf = envelope.target.files.first();
        QCOMPARE(pageSizeOf(pdf).toSize(), page.toSize());

        // Words as the envelope is read; Bravo follows an empty line.
        QList<Word> words;
        for (const Word &word : wordsOf(pdf))
            words.append(turned ? Word{word.text, page.width() - word.right, page.height() - word.bottom} : word);
        const QMarginsF edges = turned ? QMarginsF(kUnprintable.right(), kUnprintable.bottom(), 0, 0) : kUnprintable;
        const QString problems = misplacedEnvelope(words, {edges.left(), edges.top()}, 2);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        // The last page of a document of three lies as a document of one.
        envelope.print("Alpha\r\n\r\nBravo", "Charlie\r\nDelta", kFace, "12", "8.25", false, 3);
        const QString three = envelope.target.files.last();
        QCOMPARE(pageCountOf(three), 3);
        QCOMPARE(run("pdftotext", {"-bbox", "-f", "3", three, "-"}).section("<page", 1),
                 run("pdftotext", {"-bbox", pdf, "-"}).section("<page", 1));
        for (const PreviewPrinter::Line &line : envelope.preview.lines()) {
            const Word word = find(words, line.text);
            QVERIFY2(line.text.isEmpty()
                         || (qAbs(word.x - line.box.left()) < 0.5 && qAbs(word.y - line.box.top()) < 0.5),
                     qPrintable(QStringLiteral("%1 previewed at %2, %3, printed at %4, %5")
                                    .arg(line.text)
                                    .arg(line.box.left())
                                    .arg(line.box.top())
                                    .arg(word.x)
                                    .arg(word.y)));
        }
    }

    // The test envelope's outline is the printable area (its edges differ),
    // the to-address's cross is at its offsets plus the shift, and the paper
    // numbers the scale. An empty block's offsets are checked too.
    void testEnvelope()
    {
        Envelope envelope;
        envelope.setup.size = "C5";
        envelope.setup.shiftXMM = "5";
        envelope.setup.shiftYMM = "-5";
        envelope.print("", "", kFace, "12", "8.25", true);
        const QList<QLineF> lines = envelope.preview.marks().lines;
        const QRectF area = envelope.preview.printable();
        QCOMPARE(QRectF(lines[0].p1(), lines[2].p1()), area);
        QCOMPARE(lines[lines.size() - 2].center(), area.topLeft() + QPointF(125, 77.5) * 72 / 25.4);
        const Word ten = find(wordsOf(envelope.target.files.value(0)), "10");
        QVERIFY2(qAbs(ten.x - area.left() - 10 * 72 / 25.4) < 1, qPrintable(QString::number(ten.x)));
        QCOMPARE(envelope.print("", "", kFace, "x", "8.25", true).message(),
                 "To address X offset is not a number: 'x'. Nothing was printed.");
        QCOMPARE(envelope.target.files.size(), 1);
    }

    // The preview counts the lines that run off the printable area, by edge.
    void overflow_data()
    {
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QString>("toX");
        QTest::addColumn<QString>("toY");
        QTest::addColumn<QString>("summary");
        const QString two = "Charlie\r\nDelta";
        dataRow("a line off the right edge", "Charlie\r\n" + QString(40, u'W'), "12", "8.25",
                "1 line runs off the right edge of the printable area.");
        dataRow("the block off the bottom", two, "3", "19", "2 lines run off the bottom edge of the printable area.");
        dataRow("off the left and the top", two, "-1", "-1",
                "2 lines run off the left edge, 2 lines run off the top edge of the printable area.");
    }
    void overflow()
    {
        QFETCH(QString, toText);
        QFETCH(QString, toX);
        QFETCH(QString, toY);
        QFETCH(QString, summary);
        Envelope envelope;
        envelope.print("Alpha", toText, kFace, toX, toY);
        QCOMPARE(overflowSummary(envelope.preview.lines()), summary);
    }

    // Only a sent document reaches the target: not one never opened, nor a
    // dropped one. A lone LF breaks no line, and a face the system lacks
    // still prints, in fontconfig's substitute.
    void onlySentDocumentsReachTheTarget()
    {
        Envelope envelope;
        QCOMPARE(envelope.print("", "").outcome, EnvelopeResult::Outcome::NothingToPrint);
        QVERIFY(envelope.printer.print("Dropped").ok());
        QVERIFY(envelope.printer.endDoc(Printer::DocumentEnd::Discard).ok());
        QVERIFY(envelope.printer.endDoc(Printer::DocumentEnd::Send).ok());
        QVERIFY(envelope.target.files.isEmpty());

        QCOMPARE(envelope.print("", "Lima\nMike", "No Such Face Anywhere").outcome, EnvelopeResult::Outcome::Printed);
        QCOMPARE(envelope.target.files.size(), 1);
        const QList<Word> words = wordsOf(envelope.target.files.first());
        QString text;
        for (const Word &word : words)
            text += word.y == words[0].y ? word.text : "(another line)";
        QCOMPARE(text, "LimaMike");
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
