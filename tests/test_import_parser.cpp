// SPDX-License-Identifier: GPL-3.0-or-later
// The import parser: both modes, the delimiters, and events while it runs.
#include "importer/delimiters.h"
#include "importer/importparser.h"

#include <QTest>

namespace {

// `specify` goes into both "Specify:" boxes, which count only with "-Other-".
void row(const char *name, QStringView text, QStringView line, QStringView address, const QStringList &expected,
         const QString &specify = QStringLiteral("|"))
{
    QTest::newRow(name) << text.toString() << line.toString() << address.toString() << specify << expected;
}

} // namespace

class TestImportParser : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineChoice");
        QTest::addColumn<QString>("addressChoice");
        QTest::addColumn<QString>("specify");
        QTest::addColumn<QStringList>("expected");
        const QStringView lineBreak = u"[LINE BREAK]", blankLine = u"[BLANK LINE]";

        // Line-break mode
        row("adjacent delimiters skip the empty piece", u"A||B", u"|", lineBreak, {"A\r\nB\r\n"});
        row("a space between delimiters is an empty line", u"A| |B", u"|", lineBreak, {"A\r\n\r\nB\r\n"});
        row("all-space text line is one empty line", u"A\r\n   \r\nB", u"|", lineBreak, {"A\r\n", "\r\n", "B\r\n"});
        row("TABs stay inside lines", u" \tA\t B |C\t", u"|", lineBreak, {"\tA\t B\r\nC\t\r\n"});
        row("other: two characters split only together", u"A; B;C", u"-Other-", lineBreak, {"A\r\nB;C\r\n"}, "; ");
        row("lower-case letter does not split at its upper case", u"AxBXC", u"x", lineBreak, {"A\r\nBXC\r\n"});
        // Blank-line mode
        row("blank line without CR LF", u"A|B||C|D", u"|", blankLine, {"A\r\nB\r\n", "C\r\nD\r\n"});
        row("lower-case tokens; a run of blank pieces ends one address", u"A\tB\t \t\tC", u"[tab]", u"[blank line]",
            {"A\r\nB\r\n", "C\r\n"});
        // The address delimiters the two modes leave open
        row("tab", u"A|B\tC|D", u"|", u"[TAB]", {"A\r\nB\r\n", "C\r\nD\r\n"});
        row("comma, lines at CR LF", u"A\r\nB,C\r\nD\r\n", lineBreak, u",", {"A\r\nB\r\n", "C\r\nD\r\n"});
        row("other, empty Specify text: one piece", u"A|B|C", u"|", u"-Other-", {"A\r\nB\r\nC\r\n"}, "");
        // Past the length where the splitter changes its search.
        const QString other = QStringLiteral("-Other-"), longOne = QStringLiteral("ab").repeated(10) + u'a';
        row("other, long: also at the very end", "A|B" + longOne + "C" + longOne, u"|", other, {"A\r\nB\r\n", "C\r\n"},
            longOne);
        row("other, long: cut short at the end", "A" + longOne + "B" + longOne.chopped(1), u"|", other,
            {"A\r\n", "B" + longOne.chopped(1) + "\r\n"}, longOne);
        row("other, long: leftmost occurrence first", "x" + longOne + "bay", u"|", other, {"x\r\n", "bay\r\n"},
            longOne);
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, lineChoice);
        QFETCH(QString, addressChoice);
        QFETCH(QString, specify);
        QFETCH(QStringList, expected);
        const ImportResult result = parseImport(
            text, [&] { return lineDelimiterFor(lineChoice, specify); }, addressSplitFor(addressChoice, specify));
        QCOMPARE(result.status, ImportStatus::Done);
        QCOMPARE(result.addresses, expected);
    }

    // Events run before every address piece and every line piece; a line
    // delimiter they change applies to the address pieces after them (in
    // blank-line mode it is read once, first). A stop is the window's row below.
    void eventsDuringParse()
    {
        QString delimiter;
        int calls = 0;
        const auto parse = [&](QStringView text, QStringView mode) {
            delimiter = QStringLiteral("|");
            calls = 0;
            return parseImport(
                text, [&] { return delimiter; }, addressSplitFor(mode, u""),
                [&] {
                    ++calls;
                    delimiter = QStringLiteral(",");
                });
        };
        QCOMPARE(parse(u"A|B\r\nC|D,E", u"[LINE BREAK]").addresses, (QStringList{"A|B\r\n", "C|D\r\nE\r\n"}));
        QCOMPARE(calls, 2 + 3);
        QCOMPARE(parse(u"A|B||C,D", u"[BLANK LINE]").addresses, (QStringList{"A\r\nB\r\n", "C,D\r\n"}));
    }
};

QTEST_APPLESS_MAIN(TestImportParser)
#include "test_import_parser.moc"
