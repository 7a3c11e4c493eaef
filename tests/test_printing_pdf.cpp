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

// One envelope through the envelope routine, a QtPrinter and a PDF target.
struct Envelope
{
    Envelope()
        : target(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kUnprintable, QPageLayout::Point,
                             kUnprintable),
                 folder.path()),
          printer(target)
    {
    }

    EnvelopeResult print(const QString &returnText, const QString &toText, const QString &toFace = kFace)
    {
        auto fixed = [](const QString &text) { return [text] { return text; }; };
        const EnvelopeFields fields{
            {QStringLiteral("Return address"), fixed(returnText), fixed(QStringLiteral("12")), fixed(kFace),
             fixed(QStringLiteral("1.5")), fixed(QStringLiteral(".5"))},
            {QStringLiteral("To address"), fixed(toText), fixed(QStringLiteral("16")), fixed(toFace),
             fixed(QStringLiteral("12")), fixed(QStringLiteral("8.25"))},
        };
        return printEnvelope(fields, printer, [] {}, [] { return false; }, QLocale::c());
    }

    QTemporaryDir folder;
    PdfFileTarget target;
    QtPrinter printer;
};

} // namespace

class TestPrintingPdf : public QObject
{
    Q_OBJECT

private slots:
    void linesLandAtTheOffsetsFromThePrintableCorner()
    {
        Envelope envelope;
        QCOMPARE(envelope.print(QStringLiteral("Alpha\r\n\r\nBravo"), QStringLiteral("Charlie\r\nDelta")).outcome,
                 EnvelopeResult::Outcome::Printed);
        QCOMPARE(envelope.target.files.size(), 1);
        const QString pdf = envelope.target.files.first();

        const QSizeF page = pageSizeOf(pdf);
        QCOMPARE(qRound(page.width()), 842);
        QCOMPARE(qRound(page.height()), 595);

        const double returnX = kUnprintable.left() + 1.5 * kPointsPerCm, returnY = kUnprintable.top() + 0.5 * kPointsPerCm;
        const double toX = kUnprintable.left() + 12 * kPointsPerCm, toY = kUnprintable.top() + 8.25 * kPointsPerCm;
        // Bravo follows an empty line: two lines down.
        for (const QString &problem : {misplaced(pdf, QStringLiteral("Alpha"), returnX, returnY),
                                       misplaced(pdf, QStringLiteral("Bravo"), returnX, returnY + 2 * lineHeightOf(12)),
                                       misplaced(pdf, QStringLiteral("Charlie"), toX, toY),
                                       misplaced(pdf, QStringLiteral("Delta"), toX, toY + lineHeightOf(16))})
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // A lone LF is no line break, and a face the system lacks still prints,
    // in the font fontconfig puts in its place.
    void aLoneLineFeedInAFaceTheSystemLacks()
    {
        Envelope envelope;
        envelope.print(QString(), QStringLiteral("Lima\nMike"), QStringLiteral("No Such Face Anywhere"));
        const QString pdf = envelope.target.files.value(0);
        QString text;
        for (const Word &word : wordsOf(pdf)) {
            QCOMPARE(word.y, wordsOf(pdf).first().y);
            text += word.text;
        }
        QCOMPARE(text, QStringLiteral("LimaMike"));
        QVERIFY(run(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral(" yes ")));
    }

    // Only an ended document reaches the target; a dropped one, or one
    // never opened, leaves nothing behind.
    void onlySentDocumentsReachTheTarget()
    {
        Envelope envelope;
        QCOMPARE(envelope.print(QString(), QString()).outcome, EnvelopeResult::Outcome::NothingToPrint);
        QVERIFY(envelope.target.files.isEmpty());

        QVERIFY(envelope.printer.print(QStringLiteral("Dropped")).ok());
        QVERIFY(envelope.printer.endDoc(Printer::DocumentEnd::Discard).ok());
        QVERIFY(envelope.target.files.isEmpty());
        QVERIFY(envelope.printer.endDoc(Printer::DocumentEnd::Send).ok());
        QVERIFY(envelope.target.files.isEmpty());

        envelope.print(QStringLiteral("Kept"), QString());
        QCOMPARE(envelope.target.files.size(), 1);
        QCOMPARE(wordOf(envelope.target.files.first(), QStringLiteral("Kept")).text, QStringLiteral("Kept"));
    }
};

QTEST_MAIN(TestPrintingPdf)
#include "test_printing_pdf.moc"
