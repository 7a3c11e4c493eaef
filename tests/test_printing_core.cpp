// SPDX-License-Identifier: GPL-3.0-or-later
// The printing core without a window or a print server: the envelope
// routine against a recording printer, what a printer's description says,
// the envelope sizes and the media they ask for, each printer's set-up,
// where the paper's painter puts each line, how the envelope is fed, where
// "Place the To Address" puts the block, the preview's heading and the test
// envelope's note.
#include "datarow.h"
#include "fakes/recordingprinter.h"
#include "platform/printerfacts.h"
#include "printing/addressplace.h"
#include "printing/envelope.h"
#include "printing/envelopesize.h"
#include "printing/feeddirection.h"
#include "printing/previewprinter.h"
#include "printing/printersetups.h"
#include "printing/setupheading.h"
#include "printing/testenvelope.h"
#include "printing/units.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

namespace {

using Outcome = EnvelopeResult::Outcome;

using Corner = FeedCorner;

std::optional<LandscapeTurn> turnOf(int turn) // 0 clockwise, 1 counter-clockwise, -1 not said
{
    return turn < 0 ? std::nullopt : std::optional(LandscapeTurn(turn));
}

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

} // namespace

class TestPrintingCore : public QObject
{
    Q_OBJECT

private slots:
    // The exact printer calls: two lines of return address, one of to-address, at the default offsets.
    void envelope_data()
    {
        QTest::addColumn<QString>("returnText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QString>("calls");
        dataRow("two blocks", "A\r\nB", "C",
                kReturnSetup + "x 0.2|print A|x 0.2|print B|" + kToSetup + "x 4|print C|end send");
        dataRow("lone LF and CR stay inside, CR before CR LF too", "A\nB\rC\n\rD\r\r\nE", "",
                kReturnSetup + "x 0.2|print A\nB\rC\n\rD\r|x 0.2|print E|" + kToSetup + "end send");
        dataRow("final CR LF: an empty last line", "", "C\r\n",
                kReturnSetup + kToSetup + "x 4|print C|x 4|print |end send");
        dataRow("both empty: no document", "", "", kReturnSetup + kToSetup + "end send");
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
        dataRow("X not a number", QStringList{"returnX=abc"}, "C",
                "Return address X offset is not a number: 'abc'. Nothing was printed.");
        dataRow("Y empty", QStringList{"returnY=  "}, "C", "Return address Y offset is empty.");
        dataRow("size zero", QStringList{"returnSize=0"}, "C",
                "print font size is out of range: '0' (from 0.5 to 1000 points).");
        dataRow("absurd offset", QStringList{"toY=1e30"}, "C",
                "To address Y offset is out of range: '1e30' (from -1000 to 1000 centimetres).");
        dataRow("grouped under German", QStringList{"returnX=1.500"}, "de_DE", "not a number: '1.500'");
        dataRow("inf", QStringList{"toX=inf"}, "en_US", "not a number: 'inf'");
        dataRow("X of an empty block is not used", QStringList{"toText=", "toX=abc"}, "C", "print A");
        dataRow("leading point falls back under German", QStringList{"returnX=.5"}, "de_DE", "x 0.5");
        dataRow("spaces around, a fraction", QStringList{"returnSize= 9.75 "}, "en_US", "size 9.75");
        dataRow("custom size without a width", QStringList{"size=Custom", "height=100"}, "C",
                "Envelope width is empty.");
        dataRow("5 mm shift moves both blocks", QStringList{"shiftX=5", "shiftY=-5"}, "C",
                "y 0|x 0.7|print A|size 10|font Arial|y 3.5|x 4.5|");
        dataRow("DL, turned", QStringList{"size=DL", "turned"}, "C",
                "landscape|paper iso_dl_110x220mm turned|y 0.5|x 0.2|");
        dataRow("custom, either way round", QStringList{"size=Custom", "width=250", "height=120"}, "C",
                "paper custom_120x250mm_120x250mm|");
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
        dataRow("stop", "no", "unit cm|size 12|font Verdana|orientation landscape|paper iso_c4_229x324mm");
        dataRow("print anyway", "yes", "paper iso_c4_229x324mm|y 0.5|x 0.2|print A|");
        dataRow("nobody to ask", "", "paper iso_c4_229x324mm|y 0.5|x 0.2|print A|");
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
        dataRow("Plus90, HWMargins left bottom right top",
                QByteArray("*PPD-Adobe: \"4.3\"\r\n*LandscapeOrientation: Plus90\r\n*HWMargins: 18 33.12 18 3\r\n"),
                "counter-clockwise", QMarginsF(18, 3, 18, 33.12), QMarginsF(4, 1, 2, 3));
        dataRow("Minus90, quoted margins", QByteArray("*LandscapeOrientation: Minus90\n*HWMargins: \"12 12 12 12\"\n"),
                "clockwise", QMarginsF(12, 12, 12, 12), QMarginsF(2, 3, 4, 1));
        dataRow("Any says nothing; a longer keyword and an option are others",
                QByteArray("*LandscapeOrientation: Any\n*HWMarginsX: 1 2 3 4\n*HWMargins Foo: 1 2 3 4\n"), "",
                QMarginsF(), QMarginsF(2, 3, 4, 1));
        dataRow("margins that are not four numbers", QByteArray("*HWMargins: 1 2 x 4\n*HWMargins: 1 2 3\n"), "",
                QMarginsF(), QMarginsF(2, 3, 4, 1));
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
    }

    // The custom sizes a printer takes: each edge within its range, half a
    // millimetre either way allowed for the printer's rounding.
    void customSizes_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<bool>("taken");
        QTest::newRow("inside") << QSizeF(100, 200) << true;
        QTest::newRow("within the rounding of both limits") << QSizeF(97.95, 356.05) << true;
        QTest::newRow("narrower than the smallest") << QSizeF(97.85, 200) << false;
        QTest::newRow("shorter than the smallest") << QSizeF(100, 145.45) << false;
        QTest::newRow("wider than the largest") << QSizeF(216.45, 200) << false;
        QTest::newRow("longer than the largest") << QSizeF(100, 356.15) << false;
        QTest::newRow("C4 on a printer that stops short of it") << QSizeF(229, 324) << false;
    }
    void customSizes()
    {
        QFETCH(QSizeF, size);
        QFETCH(bool, taken);
        const CustomSizes custom{{98.4, 146}, {215.9, 355.6}, {}};
        QCOMPARE(custom.take(size), taken);
    }

    // Every size the set-up offers: the page it lays out (long edge across,
    // in landscape) and the PWG 5101.1 media name the job asks for.
    void sizesAndMedia_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QSizeF>("portraitMM");
        QTest::addColumn<QString>("media");
        const double in = 25.4;
        QTest::newRow("DL") << "DL" << QSizeF(110, 220) << "iso_dl_110x220mm";
        QTest::newRow("C6") << "C6" << QSizeF(114, 162) << "iso_c6_114x162mm";
        QTest::newRow("C5") << "C5" << QSizeF(162, 229) << "iso_c5_162x229mm";
        QTest::newRow("C4") << "C4" << QSizeF(229, 324) << "iso_c4_229x324mm";
        QTest::newRow("No. 10") << "No10" << QSizeF(4.125 * in, 9.5 * in) << "na_number-10_4.125x9.5in";
        QTest::newRow("No. 9") << "No9" << QSizeF(3.875 * in, 8.875 * in) << "na_number-9_3.875x8.875in";
        QTest::newRow("Monarch") << "Monarch" << QSizeF(3.875 * in, 7.5 * in) << "na_monarch_3.875x7.5in";
        QTest::newRow("6 x 9 in") << "6x9" << QSizeF(6 * in, 9 * in) << "na_6x9_6x9in";
        QTest::newRow("custom, entered lying") << "Custom" << QSizeF(120, 250.5) << "custom_120x250.5mm_120x250.5mm";
        QTest::newRow("printer paper: no size, no media") << "Printer paper" << QSizeF() << "";
        QTest::newRow("a size this version does not know") << "B6" << QSizeF() << "";
    }
    void sizesAndMedia()
    {
        QFETCH(QString, size);
        QFETCH(QSizeF, portraitMM);
        QFETCH(QString, media);
        const Paper paper = envelopePaper(size, 250.5, 120, true);
        QCOMPARE(paper.media, media);
        QVERIFY(paper.turned);
        QCOMPARE(paper.size.has_value(), portraitMM.isValid());
        if (paper.size) {
            const QSizeF mm = paper.size->size(QPageSize::Millimeter);
            QVERIFY2(qAbs(mm.width() - portraitMM.width()) < 0.5 && qAbs(mm.height() - portraitMM.height()) < 0.5,
                     qPrintable(QStringLiteral("%1 x %2 mm").arg(mm.width()).arg(mm.height())));
        }
        // Every size the set-up lists is one of these rows.
        if (size == u"DL") {
            QStringList keys;
            for (const EnvelopeSize &listed : envelopeSizes())
                keys << listed.key;
            QCOMPARE(keys,
                     (QStringList{"Printer paper", "DL", "C6", "C5", "C4", "No10", "No9", "Monarch", "6x9", "Custom"}));
        }
    }

    // Each further line of a block starts one line spacing lower: the
    // font's height and its leading, in a font whose leading is not 0.
    void lineStep()
    {
        const QStringList faces = QFontDatabase::families();
        QImage paper(1, 1, QImage::Format_RGB32);
        paper.setDotsPerMeterX(qRound(kPaperDpi / 0.0254));
        paper.setDotsPerMeterY(qRound(kPaperDpi / 0.0254));
        const auto leading = [&](const QString &face) {
            QFont font(face);
            font.setPointSizeF(12);
            return QFontMetricsF(font, &paper).leading();
        };
        // DejaVu Math TeX Gyre (fonts-dejavu-extra) has a leading; any other does as well.
        QString face = QStringLiteral("DejaVu Math TeX Gyre");
        if (!faces.contains(face) || leading(face) <= 0) {
            const auto found =
                std::find_if(faces.begin(), faces.end(), [&](const QString &f) { return leading(f) > 0; });
            if (found == faces.end())
                QSKIP("no font with a leading on this system");
            face = *found;
        }
        QFont font(face);
        font.setPointSizeF(12);
        const QFontMetricsF metrics(font, &paper);
        PreviewPrinter preview;
        preview.setScaleUnit(Printer::ScaleUnit::Centimetres);
        preview.setOrientation(Printer::Orientation::Landscape);
        preview.setPaper(envelopePaper("C5", 0, 0, false));
        preview.setFontName(face);
        preview.setFontSize(12);
        preview.setCurrentX(1);
        preview.setCurrentY(1);
        for (const char *line : {"Alpha", "Bravo", "Charlie"})
            QVERIFY(preview.print(line).ok());
        QVERIFY(preview.endDoc(Printer::DocumentEnd::Send).ok());
        const QList<PreviewPrinter::Line> &lines = preview.lines();
        QCOMPARE(lines.size(), 3);
        const double step = metrics.lineSpacing() / kPixelsPerPoint;
        QVERIFY(metrics.leading() / kPixelsPerPoint > 0.1);
        for (int i = 1; i < lines.size(); ++i)
            QVERIFY2(
                qAbs(lines[i].box.top() - lines[i - 1].box.top() - step) < 0.01,
                qPrintable(
                    QStringLiteral("%1 pt, not %2 pt").arg(lines[i].box.top() - lines[i - 1].box.top()).arg(step)));
        QCOMPARE(lines[0].box.left(), preview.printable().left() + 72 / 2.54);
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
        dataRow("X moves the remaining lines", none, "returnX=3", "y 0.5|x 0.2|x 3|x 3|y 4|x 4|end send");
        QTest::newRow("X turned invalid keeps its value") << none << "returnX=x" << returnLines + "y 4|x 4|end send";
        QTest::newRow("to-address Y read as its block starts") << none << "toY=6" << returnLines + "y 6|x 4|end send";
        dataRow("to-address filled in, its X never valid", QStringList{"toText=", "toX=x"}, "toText=D",
                returnLines + "y 4|end discard");
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

    // Every turn × 180° × face: the end that leads, the side up, and where
    // the stamp and the return address lie as the picture shows them.
    void feed_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("returnEndLeads");
        QTest::addColumn<Corner>("stamp");
        QTest::addColumn<Corner>("returnAddress");
        QTest::addColumn<QString>("says");
        const auto TL = Corner::TopLeft, TR = Corner::TopRight, BL = Corner::BottomLeft, BR = Corner::BottomRight;
        dataRow("clockwise, face up", 0, false, false, true, BR, TR,
                "the return address end leading. The side to be addressed faces up. This printer turns the page a "
                "quarter turn clockwise.");
        QTest::newRow("clockwise, face down") << 0 << false << true << true << BL << TL << "faces down";
        QTest::newRow("clockwise, turned, face up") << 0 << true << false << false << TL << BL << "the stamp end";
        QTest::newRow("clockwise, turned, face down") << 0 << true << true << false << TR << BR << "faces down";
        dataRow("counter-clockwise, face up", 1, false, false, false, TL, BL,
                "the stamp end leading. The side to be addressed faces up. This printer turns the page a quarter "
                "turn counter-clockwise.");
        QTest::newRow("counter-clockwise, face down") << 1 << false << true << false << TR << BR << "stamp end";
        dataRow("counter-clockwise, turned, face up", 1, true, false, true, BR, TR, "the return address end leading");
        QTest::newRow("counter-clockwise, turned, face down") << 1 << true << true << true << BL << TL << "faces down";
        dataRow("not said: as clockwise, face up", -1, false, false, true, BR, TR,
                "return address end leading. The side to be addressed "
                "faces up. This printer does not say");
        QTest::newRow("not said, turned, face down") << -1 << true << true << false << TR << BR << "does not say";
    }
    void feed()
    {
        QFETCH(int, turn);
        QFETCH(bool, turned);
        QFETCH(bool, down);
        QFETCH(bool, returnEndLeads);
        QFETCH(Corner, stamp);
        QFETCH(Corner, returnAddress);
        QFETCH(QString, says);
        const FeedLayout feed = feedLayout(turnOf(turn), turned, down ? EnvelopeFace::Down : EnvelopeFace::Up);
        QCOMPARE(feed, (FeedLayout{returnEndLeads, !down, stamp, returnAddress, turn < 0}));
        const QString words = feedDirection(feed, turnOf(turn));
        QVERIFY2(words.contains(says), qPrintable(words));
    }

    // Every printer's set-up in one stored value: odd queue names and texts
    // come back as they were; a damaged line is set aside, kept, unused.
    // The face is written, as version 2, only for face down.
    void printerSetups_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("unreadable");
        QTest::addColumn<bool>("faceDown"); // of Office's
        const QString office = "1\tOffice\tDL\t220\t110\t5\t-2\t1\tmanual\tenvelope";
        QTest::newRow("one printer") << office + "\n" << 1 << 0 << false;
        QTest::newRow("face down") << "2" + office.sliced(1) + "\tdown\n" << 1 << 0 << true;
        QTest::newRow("the system default's, empty fields") << "1\t\tC5\t\t\t\t\t0\t\t\n" << 1 << 0 << false;
        dataRow("damaged lines",
                office
                    + "\n1\tx\n3\tLater\tDL\t\t\t\t\t0\t\t\n1\t%zz\tDL\t\t\t\t\t0\t\t\n"
                      "1\tA\tDL\t\t\t\t\tyes\t\t\n1\t%FF\tDL\t\t\t\t\t0\t\t\n2\tB\tDL\t\t\t\t\t0\t\t\tsideways\n"
                      "2\tC\tDL\t\t\t\t\t0\t\t\n1\tD\tDL\t\t\t\t\t0\t\t\tdown\n",
                1, 8, false);
        QTest::newRow("nothing stored") << "" << 0 << 0 << false;
    }
    void printerSetups()
    {
        QFETCH(QString, stored);
        QFETCH(int, read);
        QFETCH(int, unreadable);
        QFETCH(bool, faceDown);
        PrinterSetups setups = readPrinterSetups(stored);
        QCOMPARE(setups.byPrinter.size(), read);
        QCOMPARE(setups.unreadable.size(), unreadable);
        QCOMPARE(writePrinterSetups(setups), stored);
        if (read == 1 && setups.byPrinter.contains("Office")) {
            const EnvelopeSetup office = setups.byPrinter["Office"];
            QCOMPARE(office,
                     (EnvelopeSetup{"DL", "220", "110", "5", "-2", true, "Office", "manual", "envelope",
                                    faceDown ? EnvelopeFace::Down : EnvelopeFace::Up}));
        }
        // Any queue name and any text round trips, on a line of its own.
        const QString odd = "Büro\t2\n%41 \r/\"é\u00a0";
        for (EnvelopeFace face : {EnvelopeFace::Up, EnvelopeFace::Down}) {
            setups.byPrinter.insert(odd, {odd, odd, odd, odd, odd, false, odd, odd, odd, face});
            const QString written = writePrinterSetups(setups);
            QCOMPARE(written.count(u'\n'), read + unreadable + 1);
            QCOMPARE(readPrinterSetups(written), setups);
        }
        // A face up written as version 2 by a later copy reads as face up.
        QCOMPARE(readPrinterSetups("2\tE\tDL\t\t\t\t\t0\t\t\tup\n").byPrinter["E"].face, EnvelopeFace::Up);
    }

    // The fields each printer keeps, as the settings store keeps them.
    void perPrinter()
    {
        EnvelopeSetup setup{"C5", "1", "2", "3", "4", true, "Office", "manual", "envelope", EnvelopeFace::Down};
        QStringList texts;
        for (const auto &[setting, text] : perPrinterFields(setup)) {
            QVERIFY(keptPerPrinter(setting));
            texts << QString::fromLatin1(settingKey(setting).key) + u'=' + text;
        }
        QCOMPARE(texts.join(u' '),
                 "EnvelopeSize=C5 EnvelopeWidthMM=1 EnvelopeHeightMM=2 ShiftXMM=3 ShiftYMM=4 Rotate180=1 "
                 "EnvelopeTray=manual EnvelopePaperType=envelope EnvelopeFace=down");
        QVERIFY(!keptPerPrinter(Setting::EnvelopePrinter) && !keptPerPrinter(Setting::PrintAllOneJob));
        QCOMPARE(faceOf(u"sideways"), EnvelopeFace::Up);
    }

    // The To Address block's start in the address zone, kept inside the
    // printable area; offsets in centimetres from its corner.
    void toAddress_data()
    {
        QTest::addColumn<QSizeF>("pageMM");
        QTest::addColumn<QMarginsF>("edgesMM");
        QTest::addColumn<QSizeF>("blockMM");
        QTest::addColumn<QPointF>("offsetCM");
        // DL: 45% of 220 is 99, half of 110 and 5 below is 60.
        QTest::newRow("DL, no edges") << QSizeF(220, 110) << QMarginsF() << QSizeF(60, 20) << QPointF(9.9, 6);
        dataRow("DL, edges counted from", QSizeF(220, 110), QMarginsF(4, 3, 4, 3), QSizeF(60, 20), QPointF(9.5, 5.7));
        dataRow("wide block: moved left", QSizeF(220, 110), QMarginsF(0, 0, 10, 0), QSizeF(150, 20), QPointF(6, 6));
        dataRow("tall block: moved up", QSizeF(162, 114), QMarginsF(0, 0, 0, 14), QSizeF(40, 50), QPointF(7.29, 5));
        dataRow("larger than the area: its corner", QSizeF(162, 114), QMarginsF(5, 6, 5, 6), QSizeF(400, 400),
                QPointF(0, 0));
    }
    void toAddress()
    {
        QFETCH(QSizeF, pageMM);
        QFETCH(QMarginsF, edgesMM);
        QFETCH(QSizeF, blockMM);
        QFETCH(QPointF, offsetCM);
        const QRectF page(QPointF(), pageMM * kPointsPerMillimetre);
        const QRectF printable = page.marginsRemoved(edgesMM * kPointsPerMillimetre);
        const QPointF offset = toAddressPlace(page, printable, blockMM * kPointsPerMillimetre);
        QVERIFY2(std::abs(offset.x() - offsetCM.x()) < 0.006 && std::abs(offset.y() - offsetCM.y()) < 0.006,
                 qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    // The preview names the printer, tray and size it shows.
    void heading_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("tray");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("says");
        dataRow("chosen, a tray it names", "Office", "manual", "DL",
                "Printer: Office · Tray: Manual feed · Size: DL (110 × 220 mm)");
        dataRow("a tray it does not list", "Office", "rear", "C5", "Tray: rear · Size: C5");
    }
    void heading()
    {
        QFETCH(QString, printer);
        QFETCH(QString, tray);
        QFETCH(QString, size);
        QFETCH(QString, says);
        EnvelopeSetup setup;
        setup.printer = printer;
        setup.tray = tray;
        setup.size = size;
        const PrinterDescription description{"Hall", {}, {}, {{"manual", "Manual feed"}}, {}};
        const QString text = setupHeading(setup, description, QSizeF(297, 210));
        QVERIFY2(text.contains(says), qPrintable(text));
    }

    // The test envelope says which face the set-up takes, near its bottom
    // left, a line below the other, after the scale's numbers.
    void testEnvelopeNote()
    {
        const QSizeF printable(600, 300);
        for (EnvelopeFace face : {EnvelopeFace::Up, EnvelopeFace::Down}) {
            const QStringList note = faceCheck(face);
            QCOMPARE(note.size(), 2);
            QVERIFY(note[0].contains(face == EnvelopeFace::Up ? "face up" : "face down"));
            QVERIFY(note[1].contains(face == EnvelopeFace::Up ? "\"Envelopes go in face down\""
                                                              : "\"Envelopes go in face up\""));
            const PageMarks marks = testEnvelopeMarks(printable, {}, note);
            const auto first = marks.labels[marks.labels.size() - 2], second = marks.labels.last();
            QCOMPARE(first.text, note[0]);
            QCOMPARE(second.text, note[1]);
            QVERIFY(first.topLeft.y() < second.topLeft.y() && second.topLeft.y() < printable.height());
            QVERIFY(first.topLeft.y() > printable.height() / 2 && first.topLeft.x() < printable.width() / 4);
        }
    }
};

QTEST_MAIN(TestPrintingCore)
#include "test_printing_core.moc"
