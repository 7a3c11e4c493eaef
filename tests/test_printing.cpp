// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the envelope reads, and the envelope routine against a
// recording printer.
#include "fakes/recordingprinter.h"
#include "printing/envelope.h"
#include "settings/number.h"

#include <QHash>
#include <QRegularExpression>
#include <QTest>

namespace {

using Outcome = EnvelopeResult::Outcome;

// The window's fields by name ("returnText", "toX", ...), read afresh on
// every use, so that a test can change them while the envelope prints.
struct Run
{
    QHash<QString, QString> fields{{"returnText", "A"}, {"returnSize", "12"}, {"returnFace", "Verdana"},
                                   {"returnX", ".2"},   {"returnY", ".5"},    {"toText", "C"},
                                   {"toSize", "10"},    {"toFace", "Arial"},  {"toX", "4"},
                                   {"toY", "4"}};
    EnvelopeSetup setup;
    RecordingPrinter printer;
    std::function<void()> onEvents = [] {};
    QLocale locale = QLocale::c();

    void set(const QStringList &edits) // "field=text"; the set-up's as "size=DL", "shiftX=5", ...
    {
        const QHash<QString, QString *> setupFields{{"size", &setup.size}, {"width", &setup.widthMM},
                                                    {"height", &setup.heightMM}, {"shiftX", &setup.shiftXMM},
                                                    {"shiftY", &setup.shiftYMM}};
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
        return printEnvelope({block("Return address", "return"), block("To address", "to"), [this] { return setup; }},
                             printer,
                             [this] { onEvents(); }, [] { return false; }, locale);
    }
};

const QString kReturnSetup = QStringLiteral("unit cm|size 12|font Verdana|orientation landscape|paper printer|y 0.5|");
const QString kToSetup = QStringLiteral("size 10|font Arial|y 4|");

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    // Offsets and font sizes as typed; the envelope's rows below check
    // what the same numbers print as, or the message they give.
    void numberText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fontSize"); // else an offset
        QTest::addColumn<double>("value");  // NaN: refused
        const double no = qQNaN();
        QTest::newRow("leading point, C") << "C" << ".2" << false << 0.2;
        QTest::newRow("leading point falls back under German") << "de_DE" << ".5" << false << 0.5;
        QTest::newRow("leading comma under German") << "de_DE" << ",2" << false << 0.2;
        QTest::newRow("spaces around") << "en_US" << "  12 " << true << 12.0;
        QTest::newRow("grouped under German") << "de_DE" << "1.500" << false << no;
        QTest::newRow("grouped under English") << "en_US" << "1,500" << false << no;
        QTest::newRow("inf") << "en_US" << "inf" << false << no;
        QTest::newRow("nan") << "de_DE" << "nan" << false << no;
        QTest::newRow("empty") << "en_US" << "" << false << no;
        QTest::newRow("only spaces") << "en_US" << "   " << false << no;
        QTest::newRow("trailing junk") << "en_US" << "12pt" << true << no;
        QTest::newRow("negative font size") << "C" << "-3" << true << no;
        QTest::newRow("fractional font size") << "C" << "9.75" << true << 9.75;
    }

    void numberText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, fontSize);
        QFETCH(double, value);
        const auto parsed = parseNumber(text, fontSize ? kFontSizeRange : kOffsetRange, QLocale(locale));
        QCOMPARE(parsed.has_value(), !qIsNaN(value));
        if (parsed)
            QCOMPARE(*parsed, value);
    }

    // The exact printer calls: the first row is the worked example.
    void envelope_data()
    {
        QTest::addColumn<QString>("returnText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QString>("calls");
        QTest::newRow("worked example")
            << "A\r\nB" << "C" << kReturnSetup + "x 0.2|print A|x 0.2|print B|" + kToSetup + "x 4|print C|end send";
        QTest::newRow("empty return address")
            << "" << "C\r\nD" << kReturnSetup + kToSetup + "x 4|print C|x 4|print D|end send";
        QTest::newRow("two CR LF in a row")
            << "A\r\n\r\nB" << "" << kReturnSetup + "x 0.2|print A|x 0.2|print |x 0.2|print B|" + kToSetup + "end send";
        QTest::newRow("lone LF and CR stay inside, CR before CR LF too")
            << "A\nB\rC\n\rD\r\r\nE" << ""
            << kReturnSetup + "x 0.2|print A\nB\rC\n\rD\r|x 0.2|print E|" + kToSetup + "end send";
        QTest::newRow("final CR LF: an empty last line")
            << "" << "C\r\n" << kReturnSetup + kToSetup + "x 4|print C|x 4|print |end send";
        QTest::newRow("both empty: no document") << "" << "" << kReturnSetup + kToSetup + "end send";
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

    // Every number the envelope will use is checked before the printer is
    // touched; the message names the field. The set-up's paper and shift.
    void numbers_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected"); // the message, or calls made when the envelope prints
        QTest::newRow("X not a number") << QStringList{"returnX=abc"} << "C"
                                        << "Return address X offset is not a number: 'abc'. Nothing was printed.";
        QTest::newRow("Y empty")
            << QStringList{"returnY=  "} << "C"
            << "Return address Y offset is empty. Enter a number of centimetres. Nothing was printed.";
        QTest::newRow("size zero") << QStringList{"returnSize=0"} << "C"
                                   << "Return address print font size is out of range: '0' (from 0.5 to 1000 points). "
                                      "Nothing was printed.";
        QTest::newRow("absurd offset") << QStringList{"toY=1e30"} << "C"
                                       << "To address Y offset is out of range: '1e30' (from -1000 to 1000 "
                                          "centimetres). Nothing was printed.";
        QTest::newRow("X of an empty block is not used") << QStringList{"toText=", "toX=abc"} << "C" << "print A";
        QTest::newRow("negative offset") << QStringList{"returnX=-0.5"} << "C" << "x -0.5";
        QTest::newRow("comma under German") << QStringList{"returnX=0,2"} << "de_DE" << "x 0.2";
        QTest::newRow("bad calibration shift")
            << QStringList{"shiftY=5 mm"} << "C" << "Calibration shift Y is not a number: '5 mm'. Nothing was printed.";
        QTest::newRow("custom size without a width")
            << QStringList{"size=Custom", "height=100"} << "C"
            << "Envelope width is empty. Enter a number of millimetres. Nothing was printed.";
        QTest::newRow("5 mm shift moves both blocks")
            << QStringList{"shiftX=5", "shiftY=-5"} << "C" << "y 0|x 0.7|print A|size 10|font Arial|y 3.5|x 4.5|";
        QTest::newRow("DL, turned") << QStringList{"size=DL", "turned"} << "C"
                                    << "landscape|paper iso_dl_110x220mm turned|y 0.5|x 0.2|";
        QTest::newRow("No. 10") << QStringList{"size=No10"} << "C" << "paper na_number-10_4.125x9.5in|";
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
            QCOMPARE(result.message, expected);
            QCOMPARE(run.printer.calls, QStringList());
        } else {
            QCOMPARE(result.outcome, Outcome::Printed);
            QVERIFY2(run.printer.calls.join(u'|').contains(expected), qPrintable(run.printer.calls.join(u'|')));
        }
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
        QTest::newRow("X moves the remaining lines") << none << "returnX=3" << "y 0.5|x 0.2|x 3|x 3|y 4|x 4|end send";
        QTest::newRow("X turned invalid keeps its value") << none << "returnX=x" << returnLines + "y 4|x 4|end send";
        QTest::newRow("to-address Y read as its block starts") << none << "toY=6" << returnLines + "y 6|x 4|end send";
        QTest::newRow("to-address Y turned invalid keeps the checked value")
            << none << "toY=" << returnLines + "y 4|x 4|end send";
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
        QCOMPARE(result.message.isEmpty(), result.succeeded());
    }
};

QTEST_APPLESS_MAIN(TestPrinting)
#include "test_printing.moc"
