// SPDX-License-Identifier: GPL-3.0-or-later
// The envelope routine against a recording printer; then through QtPrinter into
// PDF files (read back with poppler) and into the preview, side by side.
#include "fakes/pdffiletarget.h"
#include "fakes/recordingprinter.h"
#include "platform/printerfacts.h"
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"
#include "printing/feeddirection.h"
#include "printing/previewprinter.h"
#include "printing/printersetups.h"
#include "test_printing_pages.h"

#include <QHash>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace pages;

namespace {

using Outcome = EnvelopeResult::Outcome;

// The window's fields by name ("returnText", "toX", ...), read afresh on
// every use, so that a test can change them while the envelope prints.
struct Run
{
    QHash<QString, QString> fields{
        {"returnText", "A"}, {"returnSize", "12"}, {"returnFace", "Verdana"}, {"returnX", ".2"}, {"returnY", ".5"},
        {"toText", "C"},     {"toSize", "10"},     {"toFace", "Arial"},       {"toX", "4"},      {"toY", "4"}};
    EnvelopeSetup setup;
    RecordingPrinter printer;
    std::function<void()> onEvents = [] {};
    std::function<bool(const QString &)> printAnyway;
    QLocale locale = QLocale::c();

    void set(const QStringList &edits) // "field=text"; the set-up's as "size=DL", "shiftX=5", ...
    {
        const QHash<QString, QString *> setupFields{{"size", &setup.size},       {"printer", &setup.printer},
                                                    {"width", &setup.widthMM},   {"height", &setup.heightMM},
                                                    {"shiftX", &setup.shiftXMM}, {"shiftY", &setup.shiftYMM}};
        for (const QString &edit : edits) {
            const QString field = edit.section(u'=', 0, 0), text = edit.section(u'=', 1);
            setup.turned |= edit == u"turned";
            *setupFields.value(field, &fields[field]) = text;
        }
    }

    EnvelopeBlock block(const QString &name, const QString &prefix)
    {
        auto read = [&](const char *field) -> FieldText {
            return [this, key = prefix + field] { return fields[key]; };
        };
        return {name, read("Text"), read("Size"), read("Face"), read("X"), read("Y")};
    }

    EnvelopeResult print()
    {
        return printEnvelope(
            {block("Return address", "return"), block("To address", "to"), [this] { return setup; }, printAnyway},
            printer, [this] { onEvents(); }, [] { return false; }, locale);
    }
};

const QString kReturnSetup = QStringLiteral("unit cm|size 12|font Verdana|orientation landscape|paper printer|y 0.5|");
const QString kToSetup = QStringLiteral("size 10|font Arial|y 4|");

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
    // The exact printer calls: two lines of return address, one of to-address, at the default offsets.
    void envelope_data()
    {
        QTest::addColumn<QString>("returnText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QString>("calls");
        QTest::newRow("two blocks") << "A\r\nB"
                                    << "C"
                                    << kReturnSetup + "x 0.2|print A|x 0.2|print B|" + kToSetup
                + "x 4|print C|end send";
        QTest::newRow("lone LF and CR stay inside, CR before CR LF too")
            << "A\nB\rC\n\rD\r\r\nE"
            << "" << kReturnSetup + "x 0.2|print A\nB\rC\n\rD\r|x 0.2|print E|" + kToSetup + "end send";
        QTest::newRow("final CR LF: an empty last line") << ""
                                                         << "C\r\n"
                                                         << kReturnSetup + kToSetup + "x 4|print C|x 4|print |end send";
        QTest::newRow("both empty: no document") << ""
                                                 << "" << kReturnSetup + kToSetup + "end send";
    }
    void envelope()
    {
        QFETCH(QString, returnText);
        QFETCH(QString, toText);
        QFETCH(QString, calls);
        Run run;
        run.fields["returnText"] = returnText;
        run.fields["toText"] = toText;
        QCOMPARE(run.print().outcome, calls.contains("|print ") ? Outcome::Printed : Outcome::NothingToPrint);
        QCOMPARE(run.printer.calls.join(u'|'), calls);
    }

    // Every number the envelope uses, as typed: checked before the printer is
    // touched, with a message naming the field; else the value it prints at.
    void numbers_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // the message, or calls made when the envelope prints
        QTest::newRow("X not a number") << QStringList{"returnX=abc"} << "C"
                                        << "Return address X offset is not a number: 'abc'. Nothing was printed.";
        QTest::newRow("Y empty") << QStringList{"returnY=  "} << "C"
                                 << "Return address Y offset is empty.";
        QTest::newRow("size zero") << QStringList{"returnSize=0"} << "C"
                                   << "print font size is out of range: '0' (from 0.5 to 1000 points).";
        QTest::newRow("absurd offset")
            << QStringList{"toY=1e30"} << "C"
            << "To address Y offset is out of range: '1e30' (from -1000 to 1000 centimetres).";
        QTest::newRow("grouped under German") << QStringList{"returnX=1.500"} << "de_DE"
                                              << "not a number: '1.500'";
        QTest::newRow("inf") << QStringList{"toX=inf"} << "en_US"
                             << "not a number: 'inf'";
        QTest::newRow("X of an empty block is not used") << QStringList{"toText=", "toX=abc"} << "C"
                                                         << "print A";
        QTest::newRow("leading point falls back under German") << QStringList{"returnX=.5"} << "de_DE"
                                                               << "x 0.5";
        QTest::newRow("spaces around, a fraction") << QStringList{"returnSize= 9.75 "} << "en_US"
                                                   << "size 9.75";
        QTest::newRow("custom size without a width") << QStringList{"size=Custom", "height=100"} << "C"
                                                     << "Envelope width is empty.";
        QTest::newRow("5 mm shift moves both blocks") << QStringList{"shiftX=5", "shiftY=-5"} << "C"
                                                      << "y 0|x 0.7|print A|size 10|font Arial|y 3.5|x 4.5|";
        QTest::newRow("DL, turned") << QStringList{"size=DL", "turned"} << "C"
                                    << "landscape|paper iso_dl_110x220mm turned|y 0.5|x 0.2|";
        QTest::newRow("custom, either way round") << QStringList{"size=Custom", "width=250", "height=120"} << "C"
                                                  << "paper custom_120x250mm_120x250mm|";
    }
    void numbers()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        Run run;
        run.locale = QLocale(locale);
        run.set(edits);
        const EnvelopeResult result = run.print();
        if (result.outcome == Outcome::BadField) {
            QVERIFY2(result.message().contains(expected), qPrintable(result.message()));
            QCOMPARE(run.printer.calls, QStringList());
        } else {
            QCOMPARE(result.outcome, Outcome::Printed);
            QVERIFY2(run.printer.calls.join(u'|').contains(expected), qPrintable(run.printer.calls.join(u'|')));
        }
    }

    // A paper the printer lacks is asked about before anything is drawn:
    // no prints nothing, yes prints as asked; without a question, it prints.
    void paperThePrinterLacks_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("calls");
        QTest::newRow("stop") << "no"
                              << "unit cm|size 12|font Verdana|orientation landscape|paper iso_c4_229x324mm";
        QTest::newRow("print anyway") << "yes"
                                      << "paper iso_c4_229x324mm|y 0.5|x 0.2|print A|";
        QTest::newRow("nobody to ask") << ""
                                       << "paper iso_c4_229x324mm|y 0.5|x 0.2|print A|";
    }
    void paperThePrinterLacks()
    {
        QFETCH(QString, answer);
        QFETCH(QString, calls);
        Run run;
        run.set({"size=C4", "printer=Office"});
        run.printer.paperProblem = "No C4 here.";
        QStringList asked;
        if (!answer.isEmpty())
            run.printAnyway = [&](const QString &problem) { return asked << problem, answer == u"yes"; };
        const EnvelopeResult result = run.print();
        QCOMPARE(asked, answer.isEmpty() ? QStringList() : QStringList{"No C4 here."});
        QCOMPARE(result.outcome, answer == u"no" ? Outcome::Declined : Outcome::Printed);
        QCOMPARE(run.printer.calls.join(u'|').contains("print "), answer != u"no");
        QVERIFY2(run.printer.calls.join(u'|').contains(
                     calls.replace("paper iso_c4_229x324mm", "paper iso_c4_229x324mm on 'Office' tray '' type ''")),
                 qPrintable(run.printer.calls.join(u'|')));
    }

    // What a printer's description says of its turn and its custom sizes'
    // edges, and the unprintable edges as the landscape page lies on media
    // turned that way (portrait edges 1, 2, 3, 4: left, top, right, bottom).
    void printerDescription_data()
    {
        QTest::addColumn<QByteArray>("ppd");
        QTest::addColumn<QString>("turn");      // "" when the description does not say
        QTest::addColumn<QMarginsF>("margins"); // *HWMargins as portrait edges; null when absent
        QTest::addColumn<QMarginsF>("lying");   // the portrait edges 1, 2, 3, 4 as the page lies
        QTest::newRow("Plus90, HWMargins left bottom right top")
            << QByteArray("*PPD-Adobe: \"4.3\"\r\n*LandscapeOrientation: Plus90\r\n*HWMargins: 18 33.12 18 3\r\n")
            << "counter-clockwise" << QMarginsF(18, 3, 18, 33.12) << QMarginsF(4, 1, 2, 3);
        QTest::newRow("Minus90, quoted margins")
            << QByteArray("*LandscapeOrientation: Minus90\n*HWMargins: \"12 12 12 12\"\n") << "clockwise"
            << QMarginsF(12, 12, 12, 12) << QMarginsF(2, 3, 4, 1);
        QTest::newRow("Any says nothing; a longer keyword and an option are others")
            << QByteArray("*LandscapeOrientation: Any\n*HWMarginsX: 1 2 3 4\n*HWMargins Foo: 1 2 3 4\n") << ""
            << QMarginsF() << QMarginsF(2, 3, 4, 1);
        QTest::newRow("margins that are not four numbers")
            << QByteArray("*HWMargins: 1 2 x 4\n*HWMargins: 1 2 3\n") << "" << QMarginsF() << QMarginsF(2, 3, 4, 1);
    }
    void printerDescription()
    {
        QFETCH(QByteArray, ppd);
        QFETCH(QString, turn);
        QFETCH(QMarginsF, margins);
        QFETCH(QMarginsF, lying);
        const PpdFacts facts = readPpd(ppd);
        const QString read = !facts.turn              ? ""
            : *facts.turn == LandscapeTurn::Clockwise ? "clockwise"
                                                      : "counter-clockwise";
        QCOMPARE(read, turn);
        QCOMPARE(facts.hardwareMargins.value_or(QMarginsF()), margins);
        QCOMPARE(landscapeEdges(QMarginsF(1, 2, 3, 4), facts.turn.value_or(LandscapeTurn::Clockwise)), lying);
        // IPP's landscape (4) is the PPD's Plus90; reverse-landscape (5) its Minus90.
        QCOMPARE(turnOfIppOrientation(4), std::optional(LandscapeTurn::CounterClockwise));
        QCOMPARE(turnOfIppOrientation(5), std::optional(LandscapeTurn::Clockwise));
        QCOMPARE(turnOfIppOrientation(3), std::nullopt);
        const CustomSizes custom{{98.4, 146}, {215.9, 355.6}, {}};
        QVERIFY(custom.take({100, 200}) && custom.take({98, 355.9}) && !custom.take({229, 324})
                && !custom.take({90, 200}));
    }

    // Which way round the envelope goes in: the printer's turn and the 180° turn.
    void feeding_data()
    {
        QTest::addColumn<int>("turn"); // 0 clockwise, 1 counter-clockwise, -1 not said
        QTest::addColumn<bool>("turned");
        QTest::addColumn<QString>("says");
        QTest::newRow("clockwise")
            << 0 << false << "the return address end leading. This printer turns the page a quarter turn clockwise.";
        QTest::newRow("counter-clockwise")
            << 1 << false << "the stamp end leading. This printer turns the page a quarter turn counter-clockwise.";
        QTest::newRow("counter-clockwise, turned") << 1 << true << "the return address end leading";
        QTest::newRow("clockwise, turned") << 0 << true << "the stamp end leading";
        QTest::newRow("not said: taken as clockwise")
            << -1 << false << "the return address end leading. This printer does not say";
    }
    void feeding()
    {
        QFETCH(int, turn);
        QFETCH(bool, turned);
        QFETCH(QString, says);
        const auto printerTurn = turn < 0 ? std::nullopt : std::optional(LandscapeTurn(turn));
        QVERIFY2(feedDirection(printerTurn, turned).contains(says), qPrintable(feedDirection(printerTurn, turned)));
    }

    // Every printer's set-up in one stored value: odd queue names and texts
    // come back as they were; a damaged line is set aside, kept, unused.
    void printerSetups_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("unreadable");
        const QString office = "1\tOffice\tDL\t220\t110\t5\t-2\t1\tmanual\tenvelope";
        QTest::newRow("one printer") << office + "\n" << 1 << 0;
        QTest::newRow("the system default's, empty fields") << "1\t\tC5\t\t\t\t\t0\t\t\n" << 1 << 0;
        QTest::newRow("damaged lines") << office
                + "\n1\tx\n2\tLater\tDL\t\t\t\t\t0\t\t\n1\t%zz\tDL\t\t\t\t\t0\t\t\n"
                  "1\tA\tDL\t\t\t\t\tyes\t\t\n1\t%FF\tDL\t\t\t\t\t0\t\t\n"
                                       << 1 << 5;
        QTest::newRow("nothing stored") << "" << 0 << 0;
    }
    void printerSetups()
    {
        QFETCH(QString, stored);
        QFETCH(int, read);
        QFETCH(int, unreadable);
        PrinterSetups setups = readPrinterSetups(stored);
        QCOMPARE(setups.byPrinter.size(), read);
        QCOMPARE(setups.unreadable.size(), unreadable);
        QCOMPARE(writePrinterSetups(setups), stored);
        if (read == 1 && setups.byPrinter.contains("Office")) {
            const EnvelopeSetup office = setups.byPrinter["Office"];
            QCOMPARE(office, (EnvelopeSetup{"DL", "220", "110", "5", "-2", true, "Office", "manual", "envelope"}));
        }
        // Any queue name and any text round trips, on a line of its own.
        const QString odd = "Büro\t2\n%41 \r/\"é\u00a0";
        setups.byPrinter.insert(odd, {odd, odd, odd, odd, odd, false, odd, odd, odd});
        const QString written = writePrinterSetups(setups);
        QCOMPARE(written.count(u'\n'), read + unreadable + 1);
        QCOMPARE(readPrinterSetups(written), setups);
    }

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

    // Events run before every line; what they change (here before the second
    // line) is read afresh, and a value turned invalid keeps its last valid
    // one. A job is never left half-printed: it is dropped, and that is told.
    void editsWhilePrinting_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("calls"); // the positions and the end
        const QStringList none;
        const QString returnLines = QStringLiteral("y 0.5|x 0.2|x 0.2|x 0.2|");
        QTest::newRow("X moves the remaining lines") << none << "returnX=3"
                                                     << "y 0.5|x 0.2|x 3|x 3|y 4|x 4|end send";
        QTest::newRow("X turned invalid keeps its value") << none << "returnX=x" << returnLines + "y 4|x 4|end send";
        QTest::newRow("to-address Y read as its block starts") << none << "toY=6" << returnLines + "y 6|x 4|end send";
        QTest::newRow("to-address filled in, its X never valid")
            << QStringList{"toText=", "toX=x"} << "toText=D" << returnLines + "y 4|end discard";
    }
    void editsWhilePrinting()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, edit);
        QFETCH(QString, calls);
        Run run;
        run.set(before);
        run.fields["returnText"] = "A\r\nB\r\nC";
        int events = 0;
        run.onEvents = [&] {
            if (++events == 2)
                run.set({edit});
        };
        const EnvelopeResult result = run.print();
        QCOMPARE(run.printer.calls.filter(QRegularExpression("^([xy]|end) ")).join(u'|'), calls);
        QCOMPARE(result.succeeded(), calls.endsWith("end send"));
        QCOMPARE(result.reason.isEmpty(), result.succeeded());
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
        QTest::newRow("a line off the right edge") << "Charlie\r\n" + QString(40, u'W') << "12"
                                                   << "8.25"
                                                   << "1 line runs off the right edge of the printable area.";
        QTest::newRow("the block off the bottom") << two << "3"
                                                  << "19"
                                                  << "2 lines run off the bottom edge of the printable area.";
        QTest::newRow("off the left and the top")
            << two << "-1"
            << "-1"
            << "2 lines run off the left edge, 2 lines run off the top edge of the printable area.";
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
