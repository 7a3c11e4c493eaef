// SPDX-License-Identifier: GPL-3.0-or-later
// Exported contacts: the parts found in an entry's lines, the bytes other
// programs read, the round trip through Quillon's own readers, and what an
// independent vCard reader (python3-vobject, where installed) makes of them.
#include "contacts/addresslayouts.h"
#include "contacts/contactencoding.h"
#include "contacts/contactentry.h"
#include "contacts/contactfile.h"
#include "contacts/contactwriters.h"
#include "contacts/entryparts.h"
#include "datarow.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// "A|B" is the entry "A" CR LF "B" CR LF.
QString entry(QStringView lines)
{
    return lines.toString().replace(u'|', QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList readBack(const QByteArray &bytes, bool csv, QStringView home)
{
    return preferredEntries(
        readContacts(decodeContactText(bytes), csv ? ContactFormat::Csv : ContactFormat::VCard).contacts, home);
}

// The parts as "street lines / joined|town|region|postal code|country".
QString partsOf(const PostalAddress &a)
{
    return QStringList{a.street.join(u'/'), a.locality, a.region, a.postalCode, a.country}.join(u'|');
}

} // namespace

class TestContactsExport : public QObject
{
    Q_OBJECT

private slots:
    void entryParts_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("parts"); // name#organisation#address parts
        dataRow("United States: organisation, the town's comma",
                "Jane Roe|Roe & Partners|4012 Oak Hollow Dr|Raleigh, NC 27613-3502", "US",
                "Jane Roe#Roe & Partners#4012 Oak Hollow Dr|Raleigh|NC|27613-3502|");
        dataRow("Germany abroad, two street lines", "Anna Müller|Hauptstraße 7|Hinterhaus|80331 MÜNCHEN|GERMANY", "US",
                "Anna Müller##Hauptstraße 7/Hinterhaus|MÜNCHEN||80331|GERMANY");
        dataRow("United Kingdom: no county, town and postcode",
                "Priya Raman|221B Baker Street|LONDON|NW1 6XE|United Kingdom", "DE",
                "Priya Raman##221B Baker Street|LONDON||NW1 6XE|United Kingdom");
        dataRow("Hungary: the town above the street", "Kovács Anna|BUDAPEST|Kossuth tér 1|1055|HUNGARY", "US",
                "Kovács Anna##Kossuth tér 1|BUDAPEST||1055|HUNGARY");
        dataRow("Japan in Latin letters: town, prefecture, postal code",
                "Taro Yamada|1-1 Marunouchi|Chiyoda-ku, TOKYO|100-0005|Japan", "US",
                "Taro Yamada##1-1 Marunouchi|Chiyoda-ku|TOKYO|100-0005|Japan");
        dataRow("Japan in its own script: the name below the street",
                "〒100-0005|東京都千代田区|丸の内1-1|山田太郎|JAPAN", "US",
                "山田太郎##丸の内1-1|東京都千代田区||100-0005|JAPAN");
        dataRow("Ireland: the Eircode on a line of its own", "Seán Murphy|1 Grafton Street|DUBLIN|D02 X285", "IE",
                "Seán Murphy##1 Grafton Street|DUBLIN||D02 X285|");
        dataRow("no postal code: the last line is the town", "Name|Street 1|Hinterhaus|Neustadt", "DE",
                "Name##Street 1/Hinterhaus|Neustadt|||");
        dataRow("one line: a name alone", "One line", "US", "One line##||||");
    }
    void entryParts()
    {
        QFETCH(QString, lines);
        QFETCH(QString, home);
        const EntryParts parts = ::entryParts(lines.split(u'|'), home);
        QTEST(parts.name + u'#' + parts.organisation + u'#' + partsOf(parts.address), "parts");
    }

    // What the writers write reads back into the same entries.
    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("book");
        dataRow("plain", QStringList{entry(u"Larry Doe|789 Good RD.|Suit 777|SomeCity, CA 97777"), entry(u"One line")});
        dataRow("escapes in name and label",
                QStringList{entry(u"Doe, Jane; \"JJ\" \\ ^n|a,b;c\\n^'|\tTab"), entry(u"Same|Same|Same")});
        dataRow("long non-ASCII lines are folded whole",
                QStringList{entry(QString(60, u'ä') + "|" + QString(80, QChar(0x4E2D)) + "|" + QString(200, u'x'))});
        dataRow(
            "cells a spreadsheet would run, and one marked already",
            QStringList{entry(u"=HYPERLINK(\"x\")|+49 30 1234|-1|@SUM(A1)"), entry(u"'=1|'plain"), entry(u"\tTab|x")});
        QTest::newRow("abroad, in capitals") << QStringList{entry(u"Anna Müller|Hauptstraße 7|80331 MÜNCHEN|GERMANY")};
        // CSV puts the name first.
        dataRow("the name last, as Japan's own script has it",
                QStringList{entry(u"〒100-0005|東京都千代田区|丸の内1-1|山田太郎|JAPAN")});
    }
    void roundTrip()
    {
        QFETCH(QStringList, book);
        QStringList withEmpty = book;
        withEmpty.insert(1, QString());
        withEmpty.insert(1, QStringLiteral(" \v\r\n")); // white space alone is no contact either
        for (const bool csv : {false, true}) {
            if (csv && QByteArray(QTest::currentDataTag()).startsWith("the name last"))
                continue;
            const QByteArray bytes = csv ? writeCsv(withEmpty, u"US") : writeVCards(withEmpty, u"US");
            for (const QByteArray &line : bytes.split('\n'))
                QVERIFY(csv || line.size() <= 76);
            QCOMPARE(readBack(bytes, csv, u"US"), book);
        }
    }

    // What other programs read: Google's columns, quotes and formula marks,
    // ADR's parts, RFC 6868 in the label.
    void writtenBytes()
    {
        const QStringList book{entry(u"=Doe, \"J\"|ACME|1 Elm St|Springfield, IL 62701")};
        QCOMPARE(writeCsv(book, u"US"),
                 "\xEF\xBB\xBF" + kCsvHeader.toUtf8()
                     + "\r\n\"'=Doe, \"\"J\"\"\",\"ACME\",\"1 Elm St\nSpringfield, IL 62701\",\"1 Elm St\","
                       "\"Springfield\",\"IL\",\"62701\",\"\"\r\n");
        QCOMPARE(writeVCards(book, u"US"),
                 "BEGIN:VCARD\r\nVERSION:4.0\r\nPRODID:-//Quillon//Contacts export//EN\r\nFN:=Doe\\, \"J\"\r\n"
                 "ORG:ACME\r\nADR;LABEL=\"=Doe, ^'J^'^nACME^n1 Elm St^nSpringfield, IL 62701\":;;1 Elm St;S\r\n"
                 " pringfield;IL;62701;\r\nEND:VCARD\r\n");
    }

    // python3-vobject reads each country's address as Quillon shows it,
    // and Quillon reads its own export back into the same entry.
    void referenceReader()
    {
        QProcess probe;
        probe.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), QStringLiteral("import vobject")});
        if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
            QSKIP("python3-vobject is not installed");
        // code, street, town, region, postal code
        const char *const rows[][5] = {
            {"US", "1600 Pennsylvania Ave NW", "Washington", "DC", "20500"},
            {"CA", "24 Sussex Dr", "Ottawa", "ON", "K1M 1M4"},
            {"MX", "Av. Juárez 10", "Cuauhtémoc", "CDMX", "06050"},
            {"BR", "Av. Paulista 1578", "São Paulo", "SP", "01310-200"},
            {"AR", "Av. de Mayo 575", "Buenos Aires", "", "C1084AAB"},
            {"GB", "10 Downing Street", "London", "", "SW1A 2AA"},
            {"IE", "1 Grafton Street", "Dublin", "", "D02 X285"},
            {"FR", "55 Rue du Faubourg Saint-Honoré", "Paris", "", "75008"},
            {"DE", "Platz der Republik 1", "Berlin", "", "11011"},
            {"AT", "Ballhausplatz 2", "Wien", "", "1010"},
            {"CH", "Bundesplatz 3", "Bern", "", "3005"},
            {"NL", "Binnenhof 1", "Den Haag", "", "2513 AA"},
            {"BE", "Rue de la Loi 16", "Bruxelles", "", "1000"},
            {"ES", "Gran Vía 1", "Madrid", "Madrid", "28013"},
            {"IT", "Via del Corso 1", "Roma", "RM", "00186"},
            {"PT", "Rua da Prata 10", "Lisboa", "", "1100-420"},
            {"SE", "Drottninggatan 1", "Stockholm", "", "111 51"},
            {"NO", "Karl Johans gate 1", "Oslo", "", "0154"},
            {"DK", "Strøget 1", "København", "", "1160"},
            {"FI", "Mannerheimintie 1", "Helsinki", "", "00100"},
            {"PL", "ul. Wiejska 4", "Warszawa", "", "00-902"},
            {"CZ", "Václavské náměstí 1", "Praha 1", "", "110 00"},
            {"SI", "Slovenska cesta 1", "Ljubljana", "", "1000"},
            {"HU", "Kossuth tér 1", "Budapest", "", "1055"},
            {"JP", "1-1 Marunouchi", "Chiyoda-ku", "Tokyo", "100-0005"},
            {"AU", "1 Macquarie St", "Sydney", "NSW", "2000"},
            {"IN", "1 Rajpath", "New Delhi", "Delhi", "110001"},
            {"ZA", "1 Adderley St", "Cape Town", "", "8001"},
        };
        QStringList book;
        QStringList shown; // the parts as the envelope writes them
        for (const auto &row : rows) {
            Contact contact;
            contact.name = u"N"_qs;
            PostalAddress address;
            address.street = {QString::fromUtf8(row[1])};
            address.locality = QString::fromUtf8(row[2]);
            address.region = QString::fromUtf8(row[3]);
            address.postalCode = QString::fromUtf8(row[4]);
            address.countryCode = QString::fromLatin1(row[0]);
            contact.addresses << address;
            book << contactEntry(contact, 0, u"ZZ");
            const QString fmt = formatFor(address.countryCode, true);
            const QString upper = QString::fromUtf16(addressFormat(address.countryCode).upper);
            const auto cased = [&](QChar field, const QString &value) {
                return !fmt.contains(u'%' + QString(field)) || (field == u'S' && value == address.locality) ? QString()
                    : upper.contains(field) ? value.toUpper()
                                            : value;
            };
            shown << QStringList{cased(u'A', address.street.first()), cased(u'C', address.locality),
                                 cased(u'S', address.region), cased(u'Z', address.postalCode),
                                 QString::fromUtf16(addressFormat(address.countryCode).name)}
                         .join(u'|');
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(u"export.vcf"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray bytes = writeVCards(book, u"ZZ");
        QCOMPARE(file.write(bytes), bytes.size());
        file.close();
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, vobject\n"
                                     "for card in vobject.readComponents(open(sys.argv[1], encoding='utf-8').read()):\n"
                                     "    a = card.adr.value\n"
                                     "    street = a.street if isinstance(a.street, list) else [a.street]\n"
                                     "    print('|'.join(['/'.join(street), a.city, a.region, a.code, a.country]))\n"),
                      path});
        QVERIFY(python.waitForFinished(60000));
        QCOMPARE(python.exitCode(), 0);
        const QStringList read = QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(read, shown);
        QCOMPARE(readBack(bytes, false, u"ZZ"), book);
    }
};

QTEST_APPLESS_MAIN(TestContactsExport)
#include "test_contacts_export.moc"
