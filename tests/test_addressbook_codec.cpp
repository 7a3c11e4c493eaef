// SPDX-License-Identifier: GPL-3.0-or-later
// The book file's bytes: records, normalisation, code pages.
#include "addressbook/addresstext.h"
#include "addressbook/bookcodec.h"

#include <QRandomGenerator>
#include <QTest>

class TestAddressBookCodec : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        const QString larry = QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777");
        const QString tony = QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n");
        const QByteArray bytes = encodeBook({larry, tony});
        QCOMPARE(bytes, QByteArray("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                                   "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n"));
        QCOMPARE(decodeBook(bytes, 100).entries, QStringList({larry + QStringLiteral("\r\n"), tony}));
    }

    void roundTrips_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("back"); // null: refused, it would not read back
        QTest::newRow("empty entry") << "" << "";
        QTest::newRow("empty lines dropped") << "A\r\n\r\nB\r\n\r\n" << "A\r\nB\r\n";
        QTest::newRow("leading spaces of the first line only") << "   A\r\n  B " << "A\r\n  B \r\n";
        QTest::newRow("no final line break") << "A\r\nB" << "A\r\nB\r\n";
        QTest::newRow("lone LF and tab stay in their line") << "A\nB\tC" << "A\nB\tC\r\n";
        QTest::newRow("stars and bars that form no separator") << "*||||| * a|||||*" << "*||||| * a|||||*\r\n";
        QTest::newRow("ends in a star and four bars") << "a*||||" << "a*||||\r\n";
        QTest::newRow("refused: holds the separator") << "a*|||||*b" << QString();
        QTest::newRow("refused: ends in the separator less its last star") << "a*|||||" << QString();
    }

    void roundTrips()
    {
        QFETCH(QString, entry);
        QFETCH(QString, back);
        QCOMPARE(canBeStored(entry), !back.isNull());
        const QString next = QStringLiteral("next\r\n");
        const QStringList read = decodeBook(encodeBook({entry, next, entry}), 10).entries;
        const QString itself = entry + QStringLiteral("\r\n");
        if (back.isNull())
            QVERIFY(read != QStringList({itself, next, itself}));
        else
            QCOMPARE(read, QStringList({back, next, back}));
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("tailHasText");
        QTest::newRow("empty file") << QByteArray() << QStringList() << false;
        QTest::newRow("no separator") << QByteArray("Larry\r\n") << QStringList() << true;
        QTest::newRow("last record lacks its separator") << QByteArray("A*|||||*\r\nB") << QStringList{"A\r\n"} << true;
        QTest::newRow("line breaks after the last record") << QByteArray("A*|||||*\r\n\r\n") << QStringList{"A\r\n"} << false;
        QTest::newRow("byte-order mark, then ASCII") << QByteArray("\xef\xbb\xbf" "A*|||||*") << QStringList{"A\r\n"} << false;
        QTest::newRow("overlong form is no UTF-8") << QByteArray("\xc0\xaf*|||||*") << QStringList{"\u00c0\u00af\r\n"} << false;
        QTest::newRow("encoded surrogate is no UTF-8")
            << QByteArray("\xed\xa0\x80*|||||*") << QStringList{"\u00ed\u00a0\u20ac\r\n"} << false;
        QTest::newRow("cut-off sequence is no UTF-8") << QByteArray("\xe2\x82*|||||*") << QStringList{"\u00e2\u201a\r\n"} << false;
        QTest::newRow("NUL bytes and garbage") << QByteArray("\0\x01\xff*|||||*\xfe", 11)
                                               << QStringList{QString::fromUtf16(u"\u0000\u0001\u00ff\r\n", 5)} << true;
    }

    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QFETCH(bool, tailHasText);
        const BookContent content = decodeBook(bytes, 100);
        QCOMPARE(content.entries, entries);
        QCOMPARE(content.tailHasText, tailHasText);
    }

    void encodings_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<BookEncoding>("encoding");
        QTest::addColumn<QByteArray>("start");
        const auto cp1252 = BookEncoding::Windows1252;
        const auto utf8 = BookEncoding::Utf8;
        QTest::newRow("Windows-1252 letters") << "Jos\u00e9 \u20ac" << cp1252 << QByteArray("Jos\xe9 \x80");
        QTest::newRow("bytes Windows-1252 leaves undefined stand for themselves")
            << "\u0081\u008d\u008f\u0090\u009d" << cp1252 << QByteArray("\x81\x8d\x8f\x90\x9d");
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QTest::newRow("every byte") << decodeBookText(all) << cp1252 << all;
        QTest::newRow("letters past the first eight")
            << "ABCDEFGHIJ\u00e9 KLMNOPQRSTUVWXYZ\u20acabcdefghijklmnop\u00ff" << cp1252
            << QByteArray("ABCDEFGHIJ\xe9 KLMNOPQRSTUVWXYZ\x80" "abcdefghijklmnop\xff*");
        QTest::newRow("Polish letters") << "\u0141\u00f3d\u017a" << utf8 << QByteArray("\xc5\x81\xc3\xb3");
        QTest::newRow("outside the basic plane") << "Mail \U0001F4EC" << utf8 << QByteArray("Mail \xf0\x9f\x93\xac");
        QTest::newRow("control character Windows-1252 lacks") << "a\u0080" << utf8 << QByteArray("a\xc2\x80");
        // Their Windows-1252 bytes would read back as UTF-8 of other letters.
        QTest::newRow("bytes that look like UTF-8") << "\u00c3\u00a9" << utf8 << QByteArray("\xc3\x83\xc2\xa9");
        QTest::newRow("bytes that look like a mark") << "\u00ef\u00bb\u00bf" << utf8 << QByteArray("\xc3\xaf\xc2\xbb");
        QTest::newRow("leading U+FEFF keeps a mark in front")
            << QStringLiteral("\ufeffZ\u0142") << utf8 << QByteArray("\xef\xbb\xbf\xef\xbb\xbfZ");
    }

    void encodings()
    {
        QFETCH(QString, entry);
        QFETCH(BookEncoding, encoding);
        QFETCH(QByteArray, start);
        BookEncoding used;
        const QByteArray bytes = encodeBook({entry, QStringLiteral("second")}, &used);
        QCOMPARE(used, encoding);
        QVERIFY2(bytes.startsWith(start), bytes.toHex(' ').constData());
        QCOMPARE(decodeBook(bytes, 10).entries,
                 QStringList({entry + QStringLiteral("\r\n"), QStringLiteral("second\r\n")}));
    }

    void splitAtAgreesWithPlainSplitting()
    {
        // The splitter's shortcuts for long and short texts must not show.
        QRandomGenerator random(7);
        for (const QString &delimiter : {kRecordSeparator.toString(), kCrLf.toString(), QStringLiteral("||")}) {
            for (int round = 0; round < 400; ++round) {
                QString text;
                for (int i = random.bounded(600); i > 0; --i)
                    text += random.bounded(20) == 0 ? delimiter : QString(u"a*|\r\n"[random.bounded(5)]);
                QStringList pieces;
                for (const QStringView piece : splitAt(text, delimiter))
                    pieces << piece.toString();
                QCOMPARE(pieces, text.isEmpty() ? QStringList() : text.split(delimiter));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestAddressBookCodec)
#include "test_addressbook_codec.moc"
