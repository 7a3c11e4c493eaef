// SPDX-License-Identifier: GPL-3.0-or-later
// The import parser, its delimiter choices and the two sample texts.
#include "importer/delimiters.h"
#include "importer/importparser.h"
#include "importer/samples.h"

#include <QTest>

namespace {

QString s(QStringView view) { return view.toString(); }

// The four addresses both samples hold.
const QStringList kSampleEntries{
    QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"),
    QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n"),
    QStringLiteral("Randy Doe\r\n777 Anyroad RD\r\nSomeTown, CA 97777\r\n"),
    QStringLiteral("Lilly Doe\r\nP.O. Box 777\r\nAnycity, CA 97777\r\n"),
};

} // namespace

class TestImporter : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("lineChoice");
        QTest::addColumn<QString>("lineCustom");
        QTest::addColumn<QString>("addressChoice");
        QTest::addColumn<QString>("addressCustom");
        QTest::addColumn<QStringList>("expected");

        const QString none;
        const QString lineBreak = QStringLiteral("[LINE BREAK]");
        const QString blankLine = QStringLiteral("[BLANK LINE]");

        QTest::newRow("sample 1") << s(kSample1.text) << s(kSample1.lineChoice) << none
                                  << s(kSample1.addressChoice) << none << kSampleEntries;
        QTest::newRow("sample 2") << s(kSample2.text) << s(kSample2.lineChoice) << none
                                  << s(kSample2.addressChoice) << none << kSampleEntries;

        // Line-break mode
        QTest::newRow("adjacent delimiters skip the empty piece")
            << "A||B" << "|" << none << lineBreak << none << QStringList{"A\r\nB\r\n"};
        QTest::newRow("a space between delimiters is an empty line")
            << "A| |B" << "|" << none << lineBreak << none << QStringList{"A\r\n\r\nB\r\n"};
        QTest::newRow("CR LF only adds nothing")
            << "\r\n\r\n\r\n" << "|" << none << lineBreak << none << QStringList{};
        QTest::newRow("all-space text line is one empty line")
            << "A\r\n   \r\nB" << "|" << none << lineBreak << none << QStringList{"A\r\n", "\r\n", "B\r\n"};
        QTest::newRow("line break as line delimiter: one line per address")
            << " A \r\n\r\nB\r\n" << lineBreak << none << lineBreak << none << QStringList{"A\r\n", "B\r\n"};
        QTest::newRow("TABs stay inside lines")
            << " \tA\t B |C\t" << "|" << none << lineBreak << none << QStringList{"\tA\t B\r\nC\t\r\n"};
        QTest::newRow("empty line delimiter keeps the piece whole")
            << "A|B " << "" << none << lineBreak << none << QStringList{"A|B\r\n"};
        QTest::newRow("other: two characters split only together")
            << "A; B;C" << "-Other-" << "; " << lineBreak << none << QStringList{"A\r\nB;C\r\n"};
        QTest::newRow("lower-case letter does not split at its upper case")
            << "AxBXC" << "x" << none << lineBreak << none << QStringList{"A\r\nBXC\r\n"};
        QTest::newRow("lower-case tab token")
            << "A\tB" << "[tab]" << none << "[line break]" << none << QStringList{"A\r\nB\r\n"};

        // Blank-line mode
        QTest::newRow("blank line without CR LF")
            << "A|B||C|D" << "|" << none << blankLine << none << QStringList{"A\r\nB\r\n", "C\r\nD\r\n"};
        QTest::newRow("runs of blank lines end one address; last one unterminated")
            << "A\r\n\r\n  \r\n\r\nB\r\nC" << lineBreak << none << blankLine << none
            << QStringList{"A\r\n", "B\r\nC\r\n"};
        QTest::newRow("CR LF stays inside pieces of another delimiter")
            << "A\r\n|B" << "|" << none << blankLine << none << QStringList{"A\r\n\r\nB\r\n"};
        QTest::newRow("lower-case blank-line token")
            << "A\tB\t\tC" << "[TAB]" << none << "[blank line]" << none << QStringList{"A\r\nB\r\n", "C\r\n"};

        // Address delimiters besides the two modes
        QTest::newRow("tab token splits addresses at TAB")
            << "A|B\tC|D" << "|" << none << "[TAB]" << none << QStringList{"A\r\nB\r\n", "C\r\nD\r\n"};
        QTest::newRow("bar splits addresses")
            << "A,B|C,D|" << "," << none << "|" << none << QStringList{"A\r\nB\r\n", "C\r\nD\r\n"};
        QTest::newRow("comma splits addresses, lines at CR LF")
            << "A\r\nB,C\r\nD\r\n" << lineBreak << none << "," << none << QStringList{"A\r\nB\r\n", "C\r\nD\r\n"};
        QTest::newRow("other splits at the address Specify text")
            << "A|B##C|D" << "|" << none << "-other-" << "##" << QStringList{"A\r\nB\r\n", "C\r\nD\r\n"};
        QTest::newRow("other with empty Specify text: one address piece")
            << "A|B|C" << "|" << none << "-Other-" << "" << QStringList{"A\r\nB\r\nC\r\n"};
        QTest::newRow("typed text splits case-sensitively")
            << "A|BxC|DXE" << "|" << none << "x" << none << QStringList{"A\r\nB\r\n", "C\r\nDXE\r\n"};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, lineChoice);
        QFETCH(QString, lineCustom);
        QFETCH(QString, addressChoice);
        QFETCH(QString, addressCustom);
        QFETCH(QStringList, expected);

        const ImportResult result = parseImport(
            text, [&] { return lineDelimiterFor(lineChoice, lineCustom); },
            addressSplitFor(addressChoice, addressCustom));
        QCOMPARE(result.status, ImportStatus::Done);
        QCOMPARE(result.addresses, expected);
    }

    // The line delimiter is read again for every address piece, so a change
    // made while events ran applies to the pieces that follow; blank-line
    // mode reads it once.
    void lineDelimiterIsReadPerAddressPiece()
    {
        QString current = QStringLiteral("|");
        int reads = 0;
        const auto source = [&] { ++reads; return current; };
        const auto switchToComma = [&] { current = QStringLiteral(","); };

        ImportResult result = parseImport(u"A|B\r\nC|D,E", source, addressSplitFor(u"[LINE BREAK]", u""),
                                          switchToComma);
        QCOMPARE(result.addresses, (QStringList{"A|B\r\n", "C|D\r\nE\r\n"}));
        QCOMPARE(reads, 2);

        reads = 0;
        current = QStringLiteral("|");
        result = parseImport(u"A|B||C,D", source, addressSplitFor(u"[BLANK LINE]", u""), switchToComma);
        QCOMPARE(result.addresses, (QStringList{"A\r\nB\r\n", "C,D\r\n"}));
        QCOMPARE(reads, 1);
    }

    // Events run before every address piece and every line piece; a stop
    // request seen after them ends the parse at once.
    void eventsAndStop()
    {
        int calls = 0;
        const auto lines = [] { return QStringLiteral("|"); };
        ImportResult result = parseImport(u"A|B\r\nC", lines, addressSplitFor(u"[LINE BREAK]", u""),
                                          [&] { ++calls; });
        QCOMPARE(result.status, ImportStatus::Done);
        QCOMPARE(calls, 2 + 3);

        calls = 0;
        result = parseImport(u"A\r\nB\r\n\r\nC", lines, addressSplitFor(u"[LINE BREAK]", u""),
                             [&] { ++calls; }, [&] { return calls == 4; });
        QCOMPARE(result.status, ImportStatus::Stopped);
        QCOMPARE(calls, 4);
    }
};

QTEST_APPLESS_MAIN(TestImporter)
#include "test_importer.moc"
