// SPDX-License-Identifier: GPL-3.0-or-later
// The book file's bytes: records, normalisation, code pages.
#include "addressbook/addresstext.h"
#include "addressbook/bookcodec.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

const QString kLarry = QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777");
const QString kTony = QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n");

QStringList roundTrip(const QStringList &entries)
{
    return decodeBook(encodeBook(entries), 1'000'000).entries;
}

} // namespace

class TestAddressBookCodec : public QObject
{
    Q_OBJECT

private slots:
    void workedExample()
    {
        const QByteArray bytes = encodeBook({kLarry, kTony});
        QCOMPARE(bytes,
                 QByteArray("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                            "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n"));
        QCOMPARE(bytes.size(), 120);

        const BookContent back = decodeBook(bytes, 100);
        QCOMPARE(back.entries, QStringList({kLarry + QStringLiteral("\r\n"), kTony}));
        QCOMPARE(back.recordsBeyond, qsizetype(0));
        QVERIFY(!back.tailHasText);
    }

    void roundTrips_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("empty list") << QStringList() << QStringList();
        QTest::newRow("empty entry") << QStringList{QString()} << QStringList{QString()};
        QTest::newRow("entry of line breaks only")
            << QStringList{QStringLiteral("\r\n\r\n")} << QStringList{QString()};
        QTest::newRow("entry of spaces only") << QStringList{QStringLiteral("   ")} << QStringList{QString()};
        QTest::newRow("empty lines dropped")
            << QStringList{QStringLiteral("A\r\n\r\nB\r\n\r\n")} << QStringList{QStringLiteral("A\r\nB\r\n")};
        QTest::newRow("leading spaces go from the first line only")
            << QStringList{QStringLiteral("   A\r\n  B ")} << QStringList{QStringLiteral("A\r\n  B \r\n")};
        QTest::newRow("no final line break")
            << QStringList{QStringLiteral("A\r\nB")} << QStringList{QStringLiteral("A\r\nB\r\n")};
        QTest::newRow("lone LF and tab stay in their line")
            << QStringList{QStringLiteral("A\nB\tC")} << QStringList{QStringLiteral("A\nB\tC\r\n")};
        QTest::newRow("a star and bars that form no separator")
            << QStringList{QStringLiteral("*||||| * x*"), QStringLiteral("a|||||*")}
            << QStringList{QStringLiteral("*||||| * x*\r\n"), QStringLiteral("a|||||*\r\n")};
        QTest::newRow("two equal entries stay two")
            << QStringList{QStringLiteral("A\r\n"), QStringLiteral("A\r\n")}
            << QStringList{QStringLiteral("A\r\n"), QStringLiteral("A\r\n")};
        QTest::newRow("NUL character")
            << QStringList{QString(QChar(0)) + u'x'} << QStringList{QString(QChar(0)) + QStringLiteral("x\r\n")};
    }

    void roundTrips()
    {
        QFETCH(QStringList, entries);
        QFETCH(QStringList, expected);
        QCOMPARE(roundTrip(entries), expected);
        // What was read comes back unchanged from a second trip.
        QCOMPARE(roundTrip(expected), expected);
    }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("tailHasText");

        QTest::newRow("empty file") << QByteArray() << QStringList() << false;
        QTest::newRow("no separator") << QByteArray("Larry\r\n") << QStringList() << true;
        QTest::newRow("last record lacks its separator")
            << QByteArray("A*|||||*\r\nB\r\n") << QStringList{QStringLiteral("A\r\n")} << true;
        QTest::newRow("extra line breaks after the last record")
            << QByteArray("A*|||||*\r\n\r\n\r\n") << QStringList{QStringLiteral("A\r\n")} << false;
        QTest::newRow("separator only") << QByteArray("*|||||*") << QStringList{QString()} << false;
        QTest::newRow("an entry holding the separator reads as two")
            << QByteArray("a*|||||*b*|||||*\r\n") << QStringList{QStringLiteral("a\r\n"), QStringLiteral("b\r\n")}
            << false;
        QTest::newRow("lines ended by LF alone are one line")
            << QByteArray("A\nB\n*|||||*\r\n") << QStringList{QStringLiteral("A\nB\n\r\n")} << false;
        QTest::newRow("NUL bytes and garbage")
            << QByteArray("\0\x01\xff*|||||*\xfe", 11) << QStringList{QString::fromUtf16(u"\u0000\u0001\u00ff\r\n", 5)}
            << true;
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

    void readingStopsAtTheLimit()
    {
        int calls = 0;
        const BookContent content = decodeBook("1*|||||*\r\n2*|||||*\r\n3*|||||*\r\n4*|||||*\r\n5*|||||*\r\n", 2,
                                               [&calls] { ++calls; });
        QCOMPARE(content.entries, QStringList({QStringLiteral("1\r\n"), QStringLiteral("2\r\n")}));
        QCOMPARE(content.recordsBeyond, qsizetype(3));
        QVERIFY(calls >= 2);
    }

    void everyWindows1252ByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        BookEncoding found;
        const QString text = decodeBookText(all, &found);
        QCOMPARE(found, BookEncoding::Windows1252);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text[0x80], QChar(0x20AC));
        QCOMPARE(text[0x9F], QChar(0x0178));
        // The bytes the code page leaves undefined stand for themselves.
        for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text[b].unicode(), char16_t(b));

        for (int b = 0; b < 256; ++b) {
            const QString entry = QStringLiteral("x") + text[b];
            BookEncoding used;
            const QByteArray bytes = encodeBook({entry}, &used);
            QCOMPARE(used, BookEncoding::Windows1252);
            QCOMPARE(bytes, QByteArray("x") + char(b) + "*|||||*\r\n");
        }
    }

    void encodings_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<BookEncoding>("encoding");
        QTest::addColumn<QByteArray>("start");

        QTest::newRow("ASCII") << QStringLiteral("Larry") << BookEncoding::Windows1252 << QByteArray("Larry");
        QTest::newRow("Windows-1252 letters")
            << QStringLiteral("Jos\u00e9 \u20ac") << BookEncoding::Windows1252 << QByteArray("Jos\xe9 \x80");
        QTest::newRow("long line, letters past the first eight")
            << QStringLiteral("ABCDEFGHIJ\u00e9 KLMNOPQRSTUVWXYZ\u20acabcdefghijklmnop\u00ff")
            << BookEncoding::Windows1252 << QByteArray("ABCDEFGHIJ\xe9 KLMNOPQRSTUVWXYZ\x80" "abcdefghijklmnop\xff*");
        QTest::newRow("Polish letters need UTF-8")
            << QStringLiteral("\u0141\u00f3d\u017a") << BookEncoding::Utf8 << QByteArray("\xc5\x81\xc3\xb3");
        QTest::newRow("outside the basic plane")
            << QStringLiteral("Mail \U0001F4EC") << BookEncoding::Utf8 << QByteArray("Mail \xf0\x9f\x93\xac");
        QTest::newRow("control character Windows-1252 lacks")
            << QStringLiteral("a\u0080") << BookEncoding::Utf8 << QByteArray("a\xc2\x80");
        // Its Windows-1252 bytes C3 A9 would read back as UTF-8 for another letter.
        QTest::newRow("Windows-1252 bytes that look like UTF-8")
            << QStringLiteral("\u00c3\u00a9") << BookEncoding::Utf8 << QByteArray("\xc3\x83\xc2\xa9");
        QTest::newRow("Windows-1252 bytes that look like a byte-order mark")
            << QStringLiteral("\u00ef\u00bb\u00bf") << BookEncoding::Utf8 << QByteArray("\xc3\xaf\xc2\xbb");
        QTest::newRow("leading zero-width no-break space keeps a mark in front")
            << QStringLiteral("\ufeffZ\u0142") << BookEncoding::Utf8 << QByteArray("\xef\xbb\xbf\xef\xbb\xbfZ");
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
        const BookContent back = decodeBook(bytes, 10);
        QCOMPARE(back.encoding, encoding);
        QCOMPARE(back.entries, QStringList({entry + QStringLiteral("\r\n"), QStringLiteral("second\r\n")}));
    }

    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<BookEncoding>("encoding");

        QTest::newRow("byte-order mark, ASCII after it")
            << QByteArray("\xef\xbb\xbf" "abc") << QStringLiteral("abc") << BookEncoding::Utf8;
        QTest::newRow("valid UTF-8") << QByteArray("Z\xc5\x82oty") << QStringLiteral("Z\u0142oty") << BookEncoding::Utf8;
        QTest::newRow("lone high byte") << QByteArray("Jos\xe9") << QStringLiteral("Jos\u00e9")
                                        << BookEncoding::Windows1252;
        QTest::newRow("overlong form is no UTF-8")
            << QByteArray("\xc0\xaf") << QStringLiteral("\u00c0\u00af") << BookEncoding::Windows1252;
        QTest::newRow("encoded surrogate is no UTF-8")
            << QByteArray("\xed\xa0\x80") << QStringLiteral("\u00ed\u00a0\u20ac") << BookEncoding::Windows1252;
        QTest::newRow("cut-off sequence at the end")
            << QByteArray("ab\xe2\x82") << QStringLiteral("ab\u00e2\u201a") << BookEncoding::Windows1252;
        QTest::newRow("second mark is a character")
            << QByteArray("\xef\xbb\xbf\xef\xbb\xbf") << QStringLiteral("\ufeff") << BookEncoding::Utf8;
    }

    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(BookEncoding, encoding);
        BookEncoding found;
        QCOMPARE(decodeBookText(bytes, &found), text);
        QCOMPARE(found, encoding);
    }

    void splitAtAgreesWithPlainSplitting()
    {
        // The shared splitter takes shortcuts for long and short texts; any
        // text must still split as a plain left-to-right split does.
        QRandomGenerator random(7);
        const QString alphabet = QStringLiteral("a*|\r\n");
        for (const QString &delimiter : {kRecordSeparator.toString(), kCrLf.toString(), QStringLiteral("*"),
                                         QStringLiteral("||")}) {
            for (int round = 0; round < 400; ++round) {
                QString text;
                const int size = random.bounded(600);
                for (int i = 0; i < size; ++i) {
                    // Runs of the delimiter itself now and then.
                    if (random.bounded(20) == 0)
                        text += delimiter;
                    else
                        text += alphabet[random.bounded(int(alphabet.size()))];
                }
                QStringList expected = text.isEmpty() ? QStringList() : text.split(delimiter);
                QStringList pieces;
                for (const QStringView piece : splitAt(text, delimiter))
                    pieces << piece.toString();
                QCOMPARE(pieces, expected);
            }
        }
    }

    void storable_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("storable");

        QTest::newRow("plain") << QStringLiteral("Larry\r\n") << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("holds the separator") << QStringLiteral("a*|||||*b") << false;
        QTest::newRow("ends in the separator less its last star") << QStringLiteral("a*|||||") << false;
        QTest::newRow("ends in a star") << QStringLiteral("a*") << true;
        QTest::newRow("ends in a star and four bars") << QStringLiteral("a*||||") << true;
        QTest::newRow("ends in bars and a star") << QStringLiteral("a|||||*") << true;
    }

    void storable()
    {
        QFETCH(QString, entry);
        QFETCH(bool, storable);
        QCOMPARE(canBeStored(entry), storable);
        // The promise behind it: a storable entry reads back as one entry.
        if (storable)
            QCOMPARE(roundTrip({entry}).size(), 1);
        else
            QVERIFY(roundTrip({entry}).size() != 1 || roundTrip({entry}).first() != entry + QStringLiteral("\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestAddressBookCodec)
#include "test_addressbook_codec.moc"
