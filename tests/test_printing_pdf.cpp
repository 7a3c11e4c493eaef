// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt printer without a print system: envelopes drawn through QPrinter
// into PDF files on a page with unprintable edges, read back with poppler.
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double kPointsPerCm = 72.0 / 2.54;
constexpr double kHalfMillimetre = 0.05 * kPointsPerCm;
const QString kFace = QStringLiteral("DejaVu Sans");
// A4 with unprintable edges of different widths, as the page lies.
const QMarginsF kUnprintable(15, 22, 18, 25);

struct Word
{
    QString text;
    double x;
    double y;
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QList<Word> wordsOf(const QString &pdf)
{
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="[0-9.]+">([^<]*)</word>)re"));
    QList<Word> words;
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words.append({match.captured(3), match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}

double lineHeightOf(const QString &face, double points)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QFont font(face);
    font.setPointSizeF(points);
    return QFontMetricsF(font, &printer).lineSpacing() / printer.logicalDpiY() * 72.0;
}

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

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral(R"(Page size:\s+842 x 595 pts)"))), qPrintable(info));

        QHash<QString, Word> words;
        for (const Word &word : wordsOf(pdf))
            words.insert(word.text, word);
        struct Expected
        {
            const char *word;
            double x, y; // points from the page's corner
        };
        const double returnLine = lineHeightOf(kFace, 12);
        const double toLine = lineHeightOf(kFace, 16);
        const Expected expected[] = {
            {"Alpha", kUnprintable.left() + 1.5 * kPointsPerCm, kUnprintable.top() + 0.5 * kPointsPerCm},
            // After an empty line: two lines down.
            {"Bravo", kUnprintable.left() + 1.5 * kPointsPerCm, kUnprintable.top() + 0.5 * kPointsPerCm + 2 * returnLine},
            {"Charlie", kUnprintable.left() + 12 * kPointsPerCm, kUnprintable.top() + 8.25 * kPointsPerCm},
            {"Delta", kUnprintable.left() + 12 * kPointsPerCm, kUnprintable.top() + 8.25 * kPointsPerCm + toLine},
        };
        for (const Expected &want : expected) {
            const Word word = words.value(QString::fromLatin1(want.word), {QString(), -1000, -1000});
            QVERIFY2(qAbs(word.x - want.x) <= kHalfMillimetre && qAbs(word.y - want.y) <= kHalfMillimetre,
                     qPrintable(QStringLiteral("%1 at %2, %3 instead of %4, %5")
                                    .arg(QString::fromLatin1(want.word))
                                    .arg(word.x)
                                    .arg(word.y)
                                    .arg(want.x)
                                    .arg(want.y)));
        }
    }

    void aLoneLineFeedStaysOnItsLine()
    {
        Envelope envelope;
        envelope.print(QString(), QStringLiteral("Lima\nMike"));
        const QList<Word> words = wordsOf(envelope.target.files.value(0));
        QVERIFY(!words.isEmpty());
        for (const Word &word : words)
            QCOMPARE(word.y, words.first().y);
        QStringList texts;
        for (const Word &word : words)
            texts << word.text;
        QVERIFY2(texts.join(QString()).contains(QStringLiteral("LimaMike")), qPrintable(texts.join(u'|')));
    }

    void aFaceTheSystemLacksIsSubstituted()
    {
        Envelope envelope;
        envelope.print(QString(), QStringLiteral("Substitute"), QStringLiteral("No Such Face Anywhere"));
        const QString pdf = envelope.target.files.value(0);
        QCOMPARE(wordsOf(pdf).value(0).text, QStringLiteral("Substitute"));
        // An embedded font stands in for it.
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
        QCOMPARE(wordsOf(envelope.target.files.first()).value(0).text, QStringLiteral("Kept"));
    }
};

QTEST_MAIN(TestPrintingPdf)
#include "test_printing_pdf.moc"
