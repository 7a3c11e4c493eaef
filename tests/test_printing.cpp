// SPDX-License-Identifier: GPL-3.0-or-later
// The envelope routine and the Print All run, against a recording printer.
#include "addressbook/addresslistmodel.h"
#include "fakes/recordingprinter.h"
#include "printing/envelope.h"
#include "printing/printall.h"

#include <QTest>

namespace {

using Outcome = EnvelopeResult::Outcome;

// The window's ten fields, as plain strings the tests can change at any time.
struct Fields
{
    QString returnText, returnSize = QStringLiteral("12"), returnFace = QStringLiteral("Verdana"),
                        returnX = QStringLiteral(".2"), returnY = QStringLiteral(".5");
    QString toText, toSize = QStringLiteral("10"), toFace = QStringLiteral("Arial"), toX = QStringLiteral("4"),
                    toY = QStringLiteral("4");

    QString *byName(const QString &name)
    {
        const std::pair<const char *, QString *> all[] = {
            {"returnSize", &returnSize}, {"returnX", &returnX}, {"returnY", &returnY},
            {"toSize", &toSize},         {"toX", &toX},         {"toY", &toY},
        };
        for (const auto &[key, field] : all) {
            if (name == QLatin1String(key))
                return field;
        }
        return nullptr;
    }

    EnvelopeFields envelope()
    {
        auto read = [](const QString &field) { return [&field] { return field; }; };
        return {
            {QStringLiteral("Return address"), read(returnText), read(returnSize), read(returnFace), read(returnX),
             read(returnY)},
            {QStringLiteral("To address"), read(toText), read(toSize), read(toFace), read(toX), read(toY)},
        };
    }
};

struct Run
{
    Fields fields;
    RecordingPrinter printer;
    std::function<void()> onEvents;
    bool stop = false;
    QLocale locale = QLocale::c();

    EnvelopeResult print()
    {
        return printEnvelope(
            fields.envelope(), printer, [this] { if (onEvents) onEvents(); }, [this] { return stop; }, locale);
    }
};

QStringList views(const QList<QStringView> &lines)
{
    QStringList result;
    for (QStringView line : lines)
        result << line.toString();
    return result;
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void lineModel_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty text, no line") << "" << QStringList();
        QTest::newRow("one line") << "A" << QStringList{"A"};
        QTest::newRow("two lines") << "A\r\nB" << QStringList{"A", "B"};
        QTest::newRow("final CR LF gives an empty last line") << "A\r\n" << QStringList{"A", ""};
        QTest::newRow("two CR LF in a row give an empty line") << "A\r\n\r\nB" << QStringList{"A", "", "B"};
        QTest::newRow("lone LF stays inside") << "A\nB" << QStringList{"A\nB"};
        QTest::newRow("lone CR stays inside") << "A\rB" << QStringList{"A\rB"};
        QTest::newRow("LF CR is no line break") << "A\n\rB" << QStringList{"A\n\rB"};
        QTest::newRow("CR before CR LF stays") << "A\r\r\nB" << QStringList{"A\r", "B"};
        QTest::newRow("only CR LF") << "\r\n" << QStringList{"", ""};
    }

    void lineModel()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(views(envelopeLines(text)), lines);
    }

    void workedExample()
    {
        Run run;
        run.fields.returnText = QStringLiteral("A\r\nB");
        run.fields.toText = QStringLiteral("C");

        QCOMPARE(run.print().outcome, Outcome::Printed);
        QCOMPARE(run.printer.calls,
                 (QStringList{"unit cm", "size 12", "font Verdana", "orientation landscape", "y 0.5", "x 0.2",
                              "print A", "x 0.2", "print B", "size 10", "font Arial", "y 4", "x 4", "print C",
                              "end send"}));
        const auto sent = run.printer.sentDocuments();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].orientation, Printer::Orientation::Landscape);
        const auto &lines = sent[0].lines;
        QCOMPARE(lines[1].x, 0.2);
        QCOMPARE(lines[1].y, 0.5 + run.printer.lineHeight(12));
        QCOMPARE(lines[2].fontName, QStringLiteral("Arial"));
        QCOMPARE(lines[2].y, 4.0);
    }

    // Where each printed line lands, in units of the line height of its font.
    void blocks_data()
    {
        QTest::addColumn<QString>("returnText");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QList<double>>("linesDown"); // from the block's Y offset
        QTest::addColumn<int>("outcome");
        QTest::newRow("empty return address") << "" << "C\r\nD" << QStringList{"C", "D"} << QList<double>{0, 1}
                                              << int(Outcome::Printed);
        QTest::newRow("empty line between") << "A\r\n\r\nB" << "" << QStringList{"A", "", "B"}
                                            << QList<double>{0, 1, 2} << int(Outcome::Printed);
        QTest::newRow("final CR LF") << "A\r\n" << "" << QStringList{"A", ""} << QList<double>{0, 1}
                                     << int(Outcome::Printed);
        QTest::newRow("both empty") << "" << "" << QStringList() << QList<double>() << int(Outcome::NothingToPrint);
    }

    void blocks()
    {
        QFETCH(QString, returnText);
        QFETCH(QString, toText);
        QFETCH(QStringList, printed);
        QFETCH(QList<double>, linesDown);
        QFETCH(int, outcome);
        Run run;
        run.fields.returnText = returnText;
        run.fields.toText = toText;

        QCOMPARE(int(run.print().outcome), outcome);
        QCOMPARE(run.printer.calls.last(), QStringLiteral("end send"));
        QVERIFY(!run.printer.documentOpen());
        const auto sent = run.printer.sentDocuments();
        QCOMPARE(sent.size(), printed.isEmpty() ? 0 : 1);
        for (qsizetype i = 0; i < printed.size(); ++i) {
            const auto &line = sent[0].lines[i];
            const double top = line.fontName == u"Verdana" ? 0.5 : 4.0;
            QCOMPARE(line.text, printed[i]);
            QCOMPARE(line.y, top + linesDown[i] * run.printer.lineHeight(line.fontSize));
        }
    }

    // Every number the envelope will use is checked before the printer is
    // touched; the message names the field.
    void badNumbers_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // empty: the envelope prints
        QTest::newRow("X not a number") << "returnX" << "abc"
                                        << "Return address X offset is not a number: 'abc'. Nothing was printed.";
        QTest::newRow("Y empty") << "returnY" << "  "
                                 << "Return address Y offset is empty. Enter a number of centimetres. Nothing was printed.";
        QTest::newRow("size zero") << "returnSize" << "0"
                                   << "Return address print font size is out of range: '0' (from 0.5 to 1000 points). "
                                      "Nothing was printed.";
        QTest::newRow("absurd offset") << "toY" << "1e30"
                                       << "To address Y offset is out of range: '1e30' (from -1000 to 1000 "
                                          "centimetres). Nothing was printed.";
        QTest::newRow("infinity") << "toSize" << "inf" << "To address print font size is not a number: 'inf'. Nothing was printed.";
        QTest::newRow("grouped number") << "toX" << "1,000" << "To address X offset is not a number: '1,000'. Nothing was printed.";
        QTest::newRow("X of an empty block is not used") << "emptyToX" << "abc" << "";
        QTest::newRow("negative offset is fine") << "returnX" << "-0.5" << "";
    }

    void badNumbers()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Run run;
        run.fields.returnText = QStringLiteral("A");
        run.fields.toText = QStringLiteral("C");
        if (field == u"emptyToX") {
            run.fields.toText.clear();
            field = QStringLiteral("toX");
        }
        *run.fields.byName(field) = text;

        const EnvelopeResult result = run.print();
        if (message.isEmpty()) {
            QCOMPARE(result.outcome, Outcome::Printed);
            return;
        }
        QCOMPARE(result.outcome, Outcome::BadField);
        QCOMPARE(result.message, message);
        QVERIFY(run.printer.calls.isEmpty());
    }

    void numbersByLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading point, C") << "C" << ".2";
        QTest::newRow("leading point under German") << "de_DE" << ".2";
        QTest::newRow("comma under German") << "de_DE" << "0,2";
    }

    void numbersByLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        Run run;
        run.locale = QLocale(locale);
        run.fields.returnText = QStringLiteral("A");
        run.fields.returnX = text;
        QCOMPARE(run.print().outcome, Outcome::Printed);
        QCOMPARE(run.printer.sentDocuments()[0].lines[0].x, 0.2);
    }

    // Events run before every line; what they change is read afresh.
    void editsWhilePrinting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QList<double>>("returnX"); // of the three return lines
        QTest::addColumn<double>("toY");
        QTest::newRow("X moves the remaining lines") << "returnX" << "3" << QList<double>{0.2, 3, 3} << 4.0;
        QTest::newRow("X turned invalid keeps its last value") << "returnX" << "x" << QList<double>{0.2, 0.2, 0.2} << 4.0;
        QTest::newRow("to-address Y is read when its block starts") << "toY" << "6" << QList<double>{0.2, 0.2, 0.2} << 6.0;
        QTest::newRow("to-address Y turned invalid keeps the checked value") << "toY" << "" << QList<double>{0.2, 0.2, 0.2} << 4.0;
    }

    void editsWhilePrinting()
    {
        QFETCH(QString, field);
        QFETCH(QString, newText);
        QFETCH(QList<double>, returnX);
        QFETCH(double, toY);
        Run run;
        run.fields.returnText = QStringLiteral("A\r\nB\r\nC");
        run.fields.toText = QStringLiteral("D");
        int events = 0;
        run.onEvents = [&] {
            if (++events == 2)
                *run.fields.byName(field) = newText;
        };

        QCOMPARE(run.print().outcome, Outcome::Printed);
        QCOMPARE(events, 4);
        const auto lines = run.printer.sentDocuments()[0].lines;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(lines[i].x, returnX[i]);
        QCOMPARE(lines[3].y, toY);
    }

    // The envelope never leaves a half-printed job: it is dropped instead.
    void droppedDocuments_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("lastCalls");
        QTest::newRow("program ending") << "stop" << int(Outcome::Stopped) << "" << "print A|end discard";
        QTest::newRow("to-address filled in, its X never valid")
            << "filled" << int(Outcome::BadField) << "To address X offset is not a number: 'x'. Nothing was printed."
            << "y 4|end discard";
        QTest::newRow("printer cannot open") << "open" << int(Outcome::PrinterFailed) << "no printer"
                                             << "open failed|end discard";
        QTest::newRow("job refused") << "send" << int(Outcome::PrinterFailed) << "refused" << "y 4|end send";
    }

    void droppedDocuments()
    {
        QFETCH(QString, situation);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(QString, lastCalls);
        Run run;
        run.fields.returnText = QStringLiteral("A\r\nB");
        run.fields.toX = QStringLiteral("x");
        run.printer.onPrint = [&](const QString &) {
            if (situation == u"stop")
                run.stop = true;
            else if (situation == u"filled")
                run.fields.toText = QStringLiteral("C");
        };
        if (situation == u"open")
            run.printer.failOpening = QStringLiteral("no printer");
        if (situation == u"send")
            run.printer.failSending = QStringLiteral("refused");

        const EnvelopeResult result = run.print();
        QCOMPARE(int(result.outcome), outcome);
        QCOMPARE(result.message, message);
        QVERIFY(!run.printer.documentOpen());
        QVERIFY(run.printer.sentDocuments().isEmpty());
        QCOMPARE(run.printer.calls.mid(run.printer.calls.size() - 2).join(u'|'), lastCalls);
    }

    // Print All against the list model: which entries, in what order, and
    // what the list may do during the pauses.
    void printAll_data()
    {
        QTest::addColumn<QList<int>>("ticked");
        QTest::addColumn<QString>("duringFirstPause");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("entries 0, 2 and 3 of five") << QList<int>{0, 2, 3} << "" << QStringList{"E3", "E2", "E0"};
        QTest::newRow("nothing ticked") << QList<int>{} << "" << QStringList();
        QTest::newRow("an entry not yet reached is unticked") << QList<int>{0, 2, 3} << "untick E2"
                                                              << QStringList{"E3", "E0"};
        QTest::newRow("entries added before those not reached")
            << QList<int>{0, 2, 3} << "add" << QStringList{"E3", "E2", "E0"};
        QTest::newRow("ticked entries removed") << QList<int>{0, 2, 3} << "remove ticked" << QStringList{"E3"};
        QTest::newRow("program ending") << QList<int>{0, 2, 3} << "stop" << QStringList{"E3"};
        QTest::newRow("envelope failing") << QList<int>{0, 2, 3} << "fail" << QStringList{"E3"};
    }

    void printAll()
    {
        QFETCH(QList<int>, ticked);
        QFETCH(QString, duringFirstPause);
        QFETCH(QStringList, printed);
        AddressListModel list(nullptr, QLocale::c());
        list.add(QStringList{"E0", "E1", "E2", "E3", "E4"});
        for (int row : ticked)
            list.setTicked(row, true);

        QStringList printedTexts;
        QString toAddress;
        int pauses = 0;
        bool stop = false;
        bool fail = false;
        const int count = printAllTicked(
            list, {
                      [] {},
                      [&] { return stop; },
                      [&](const QString &entry) { toAddress = entry; },
                      [&] {
                          if (fail)
                              return false;
                          printedTexts << toAddress;
                          return true;
                      },
                      [&] {
                          if (pauses++ > 0)
                              return;
                          if (duringFirstPause == u"untick E2")
                              list.setTicked(2, false);
                          else if (duringFirstPause == u"add")
                              list.add(QStringList{"D1", "D2", "E1a"});
                          else if (duringFirstPause == u"remove ticked")
                              list.removeTicked();
                          else if (duringFirstPause == u"stop")
                              stop = true;
                          else if (duringFirstPause == u"fail")
                              fail = true;
                      },
                  });

        QCOMPARE(printedTexts, printed);
        QCOMPARE(count, printed.size());
        // A pause after every envelope; a failed one ends the run at once.
        QCOMPARE(pauses, printed.size());
        if (!printed.isEmpty() && duringFirstPause != u"fail")
            QCOMPARE(toAddress, printed.last());
    }
};

QTEST_APPLESS_MAIN(TestPrinting)
#include "test_printing.moc"
