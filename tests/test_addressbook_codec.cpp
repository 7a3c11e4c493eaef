// SPDX-License-Identifier: GPL-3.0-or-later
// The book file's bytes: records, normalisation, code pages.
#include "addressbook/bookcodec.h"
#include "datarow.h"

#include <QTest>

#include <optional>

class TestAddressBookCodec : public QObject
{
    Q_OBJECT

private slots:
    // Bytes that are no strict UTF-8 are Windows-1252, byte for byte, record
    // by record: a record that is UTF-8 stays UTF-8.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("tailHasText");
        QTest::addColumn<BookEncoding>("encoding");
        const auto cp1252 = BookEncoding::Windows1252, utf8 = BookEncoding::Utf8;
        QTest::newRow("empty file") << QByteArray() << QStringList() << false << cp1252;
        dataRow("last record lacks its separator", QByteArray("A*|||||*\r\nB"), QStringList{"A\r\n"}, true, cp1252);
        dataRow("line breaks after the last record", QByteArray("A*|||||*\r\n\r\n"), QStringList{"A\r\n"}, false,
                cp1252);
        dataRow("bare LF line ends", QByteArray("A\n*|||||*\nB\n*|||||*\n"), QStringList{"A\n\r\n", "\nB\n\r\n"}, false,
                cp1252);
        dataRow("byte-order mark, then ASCII",
                QByteArray("\xef\xbb\xbf"
                           "A*|||||*"),
                QStringList{"A\r\n"}, false, utf8);
        dataRow("overlong form", QByteArray("\xc0\xaf*|||||*"), QStringList{"\u00c0\u00af\r\n"}, false, cp1252);
        dataRow("encoded surrogate", QByteArray("\xed\xa0\x80*|||||*"), QStringList{"\u00ed\u00a0\u20ac\r\n"}, false,
                cp1252);
        dataRow("sequence cut off", QByteArray("\xe2\x82*|||||*"), QStringList{"\u00e2\u201a\r\n"}, false, cp1252);
        dataRow("sequence cut off at the end", QByteArray("\xc3\xa9*|||||*\xe2\x82"), QStringList{"\u00e9\r\n"}, true,
                utf8);
        // The empty line of the last record straddles the reader's blocks of sixteen bytes.
        dataRow("empty lines before, inside and after, a last line without its break",
                QByteArray("\r\n\r\nA\r\n\r\nB\r\n\r\n*|||||*\r\nC\n\r\nD*|||||*\r\n\r\nE\r\n*|||||*"
                           "\r\n4 Clive Street\r\n\r\nDover Lane 4\r\n*|||||*\r\n"),
                QStringList{"A\r\nB\r\n", "C\n\r\nD\r\n", "E\r\n", "4 Clive Street\r\nDover Lane 4\r\n"}, false,
                cp1252);
        dataRow("a Windows-1252 book with one UTF-8 record, past the basic plane",
                QByteArray("Jos\xe9\r\n*|||||*\r\nMail \xf0\x9f\x93\xac\r\n*|||||*\r\n\xe9\xc3"),
                QStringList{"Jos\u00e9\r\n", "Mail \U0001F4EC\r\n"}, true, utf8);
        dataRow("one stray byte in a UTF-8 book",
                QByteArray("C\xc3\xa9line\r\nStra\xc3\x9f"
                           "e*|||||*\r\nJos\xe9*|||||*\r\n\xef\xbb\xbf\xc3\xa9*|||||*"),
                QStringList{"C\u00e9line\r\nStra\u00dfe\r\n", "Jos\u00e9\r\n", QStringLiteral("\ufeff\u00e9\r\n")},
                false, utf8);
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(bool, tailHasText);
        QFETCH(BookEncoding, encoding);
        const BookContent content = decodeBook(bytes, 100);
        QCOMPARE(content.entries, entries);
        QCOMPARE(content.tailHasText, tailHasText);
        QCOMPARE(content.encoding, encoding);
        // A UTF-8 book stays UTF-8, and reads back the same.
        const EncodedBook written = encodeBook(entries, encoding == BookEncoding::Utf8);
        QCOMPARE(decodeBook(written.bytes, 100).entries, entries);
        QCOMPARE(written.encoding == BookEncoding::Utf8 && !entries.isEmpty(), encoding == BookEncoding::Utf8);
    }

    // An entry written between two others, and what the reader makes of it.
    void writing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("back"); // null: refused, it would not read back
        QTest::addColumn<BookEncoding>("encoding");
        QTest::addColumn<QByteArray>("bytes"); // how its record starts
        const auto cp1252 = BookEncoding::Windows1252, utf8 = BookEncoding::Utf8;
        // `back` defaults to the entry and CR LF.
        const auto row = [](const char *name, const QString &entry, BookEncoding encoding, const QByteArray &bytes,
                            const std::optional<QString> &back = {}) {
            QTest::newRow(name) << entry << back.value_or(entry + QStringLiteral("\r\n")) << encoding << bytes;
        };
        row("two records, the first without a final line break",
            "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777", cp1252,
            "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\nnext\r\n*|||||*\r\n");
        row("empty entry", "", cp1252, "*|||||*\r\nnext", "");
        row("empty lines dropped", "A\r\n\r\nB\r\n\r\n", cp1252, "A\r\n\r\nB", "A\r\nB\r\n");
        row("leading spaces of the first line only", "   A\r\n  B ", cp1252, "A\r\n  B *", "A\r\n  B \r\n");
        row("lone LF and tab stay in their line", "A\nB\tC", cp1252, "A\nB\tC*");
        row("stars and bars that form no separator", "*||||| * a|||||*", cp1252, "*||||| * a|||||**|||||*");
        row("ends in a star and four bars", "a*||||", cp1252, "a*||||*|||||*");
        row("refused: holds the separator", "a*|||||*b", cp1252, "", QString());
        row("refused: ends in the separator less its last star", "a*|||||", cp1252, "", QString());
        row("Windows-1252 letters", "Jos\u00e9 \u20ac", cp1252, "Jos\xe9 \x80");
        row("longer than the writer's piece of work", QString(20000, u'a') + QStringLiteral("\u00e9\u20ac"), cp1252,
            QByteArray(20000, 'a') + "\xe9\x80");
        row("bytes Windows-1252 leaves undefined stand for themselves", "\u0081\u008d\u008f\u0090\u009d", cp1252,
            "\x81\x8d\x8f\x90\x9d");
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        row("every byte", decodeBookText(all), cp1252, all);
        row("Polish letters", "\u0141\u00f3d\u017a", utf8, "\xc5\x81\xc3\xb3");
        row("outside the basic plane", "Mail \U0001F4EC", utf8, "Mail \xf0\x9f\x93\xac");
        // Their Latin-1 bytes would read back as the letters Windows-1252 has there.
        row("C1 controls after ASCII", "ABCDEFGHIJ\u0085\u009f", utf8, "ABCDEFGHIJ\xc2\x85\xc2\x9f");
        // Their Windows-1252 bytes would read back as UTF-8: they form it, or start with its mark.
        row("bytes that look like UTF-8", "\u00c3\u00a9", utf8, "\xc3\x83\xc2\xa9");
        row("bytes that start like a mark", "\u00ef\u00bb\u00bf\u00e9", utf8, "\xc3\xaf\xc2\xbb");
        row("leading U+FEFF keeps a mark in front", QStringLiteral("\ufeffZ\u0142"), utf8, "\xef\xbb\xbf\xef\xbb\xbfZ");
    }

    void writing()
    {
        QFETCH(QString, entry);
        QFETCH(QString, back);
        QFETCH(BookEncoding, encoding);
        QFETCH(QByteArray, bytes);
        QCOMPARE(canBeStored(entry), !back.isNull());
        const QString next = QStringLiteral("next\r\n");
        const auto [file, used] = encodeBook({entry, next, entry});
        const QStringList read = decodeBook(file, 10).entries;
        if (back.isNull()) {
            QVERIFY(read != QStringList({entry + QStringLiteral("\r\n"), next, entry + QStringLiteral("\r\n")}));
            return;
        }
        QCOMPARE(used, encoding);
        QVERIFY2(file.startsWith(bytes), file.toHex(' ').constData());
        QCOMPARE(read, QStringList({back, next, back}));
    }
};

QTEST_APPLESS_MAIN(TestAddressBookCodec)
#include "test_addressbook_codec.moc"
