// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt printer without a print system: envelopes drawn through QPrinter
// into PDF files on a page with unprintable edges, read back with poppler.
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"
#include "test_printing_pages.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pages;

namespace {

// A4 with unprintable edges of different widths, as the page lies.
const QMarginsF kUnprintable(15, 22, 18, 25);

struct Envelope
{
    QTemporaryDir folder;
    PdfFileTarget target{QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kUnprintable,
                                     QPageLayout::Point, kUnprintable),
                         folder.path()};
    QtPrinter printer{target};

    EnvelopeResult print(const QString &returnText, const QString &toText, const QString &toFace = kFace)
    {
        auto fixed = [](const QString &text) -> FieldText { return [text] { return text; }; };
        return printEnvelope(
            {{"Return address", fixed(returnText), fixed("12"), fixed(kFace), fixed("1.5"), fixed(".5")},
             {"To address", fixed(toText), fixed("16"), fixed(toFace), fixed("12"), fixed("8.25")}},
            printer, [] {}, [] { return false; }, QLocale::c());
    }
};

} // namespace

class TestPrintingPdf : public QObject
{
    Q_OBJECT

private slots:
    void linesLandAtTheOffsetsFromThePrintableCorner()
    {
        Envelope envelope;
        envelope.print("Alpha\r\n\r\nBravo", "Charlie\r\nDelta");
        QCOMPARE(envelope.target.files.size(), 1);
        const QString pdf = envelope.target.files.first();
        QCOMPARE(pageSizeOf(pdf).toSize(), QSize(842, 595));

        // Bravo follows an empty line: two lines down.
        const QString problems = misplacedEnvelope(pdf, {kUnprintable.left(), kUnprintable.top()}, 2);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
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
        for (const Word &word : words) {
            QCOMPARE(word.y, words[0].y);
            text += word.text;
        }
        QCOMPARE(text, "LimaMike");
    }
};

QTEST_MAIN(TestPrintingPdf)
#include "test_printing_pdf.moc"
