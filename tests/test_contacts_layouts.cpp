// SPDX-License-Identifier: GPL-3.0-or-later
// The countries' address formats: every row of the table against the data
// it was made from (where that data is beside the repository), and the
// envelopes it lays out.
#include "contacts/addresslayouts.h"
#include "contacts/countrynames.h"
#include "datarow.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class TestContactsLayouts : public QObject
{
    Q_OBJECT

private slots:
    void everyRowAsTheData()
    {
        QFile data(QStringLiteral(QUILLON_ADDRESS_DATA));
        if (!data.open(QIODevice::ReadOnly))
            QSKIP("the address formats' data is not beside the repository");
        QMap<QString, QJsonObject> records;
        for (const QByteArray &line : data.readAll().split('\n')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0)
                records.insert(QString::fromLatin1(line.first(eq).sliced(5)),
                               QJsonDocument::fromJson(line.sliced(eq + 1)).object());
        }
        QVERIFY(records.size() > 250);
        const QJsonObject zz = records.value(u"ZZ"_qs);
        QCOMPARE(countriesWithLayouts().size() + 1, records.size());
        for (auto it = records.cbegin(); it != records.cend(); ++it) {
            const AddressFormat &format = addressFormat(it.key());
            QCOMPARE(QLatin1String(format.code), it.key());
            const auto field = [&](const char *name) {
                const QString key = QLatin1String(name);
                return it->contains(key) ? it->value(key).toString() : zz.value(key).toString();
            };
            QCOMPARE(QString::fromUtf16(format.name), field("name"));
            QCOMPARE(QString::fromUtf16(format.fmt), field("fmt"));
            QCOMPARE(QString::fromUtf16(format.lfmt), it->value(u"lfmt"_qs).toString());
            QCOMPARE(QString::fromUtf16(format.upper), field("upper"));
            QCOMPARE(QString::fromUtf16(format.zip), field("zip"));
            // Each country is known by its code and its English name (which
            // Åland shares with Finland).
            if (it.key() != u"ZZ") {
                QCOMPARE(countryCode(it.key()), it.key());
                QCOMPARE(QString::fromUtf16(addressFormat(countryCode(field("name"))).name), field("name"));
            }
        }
    }

    // "street;town;region;postal code;country;X-ABADR code", the user's
    // country, and the envelope's lines under the name "N".
    void layouts_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        dataRow("United States abroad: its name in capitals", "S;Raleigh;NC;27613-3502;U.S.A.;", "DE",
                "N|S|RALEIGH NC 27613-3502|UNITED STATES");
        dataRow("Germany in its own name, at home", "S;Berlin;;10115;Deutschland;", "DE", "N|S|10115 BERLIN");
        dataRow("Germany in French", "S;Berlin;;10115;Allemagne;", "US", "N|S|10115 BERLIN|GERMANY");
        dataRow("Slovenia: postal code first, with its prefix", "Slovenska 1;Ljubljana;;1000;Slovenija;", "US",
                "N|Slovenska 1|SI- 1000 LJUBLJANA|SLOVENIA");
        dataRow("Spain: a region equal to the town once", "Gran Via 1;Madrid;Madrid;28014;ES;", "DE",
                "N|Gran Via 1|28014 MADRID|SPAIN");
        dataRow("Italy: town and province", "Via Roma 1;Roma;RM;00144;Italia;", "IT", "N|Via Roma 1|00144 ROMA RM");
        dataRow("United Kingdom: town, county, postcode", "S;Leeds;Yorks;LS1 1AA;UK;", "US",
                "N|S|LEEDS|Yorks|LS1 1AA|UNITED KINGDOM");
        dataRow("Hungary: the town above the street", "S;Budapest;;1011;Hungary;", "US",
                "N|BUDAPEST|S|1011|HUNGARY (Rep.)");
        dataRow("Austria: organisation's place, at home", "S;Wien;;1010;Österreich;", "AT", "N|S|1010 WIEN");
        dataRow("no country: the user's own layout", "S;Paris;;75001;;", "FR", "N|S|75001 PARIS");
        dataRow("Apple's code alone names the country", "S;Osaka;Osaka-fu;530-0001;;jp", "US",
                "N|S|Osaka, OSAKA-FU|530-0001|JAPAN");
        dataRow("Apple's code does not outvote the country", "S;Berlin;;10115;Germany;us", "US",
                "N|S|10115 BERLIN|GERMANY");
        dataRow("Japan in its own script: postal mark first, name last", "丸の内1-1;千代田区;東京都;100-0005;日本;",
                "US", "〒100-0005|東京都千代田区|丸の内1-1|N|JAPAN");
        dataRow("Åland: a fixed line, then Finland", "S;Mariehamn;;22100;AX;", "US",
                "N|S|AX-22100 MARIEHAMN|ÅLAND|FINLAND");
        dataRow("Ireland: the Eircode its format lacks is kept", "S;Dublin;;D02 X285;Ireland;", "US",
                "N|S|DUBLIN|D02 X285|IRELAND");
        dataRow("unknown country: every part, its name in capitals", "S;Raleigh;NC;27613;Atlantis;", "US",
                "N|S|RALEIGH NC 27613|ATLANTIS");
    }
    void layouts()
    {
        QFETCH(QString, address);
        QFETCH(QString, home);
        QFETCH(QString, expected);
        const QStringList parts = address.split(u';');
        PostalAddress postal;
        postal.street = {parts[0]};
        postal.locality = parts[1];
        postal.region = parts[2];
        postal.postalCode = parts[3];
        postal.country = parts[4];
        postal.countryCode = parts[5];
        QCOMPARE(envelopeLines(u"N"_qs, {}, postal, home).join(u'|'), expected);
    }

    void postalCodes_data()
    {
        QTest::addColumn<QString>("postalCode");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("misfit");
        dataRow("German code in Germany", "10115", "Germany", "");
        dataRow("US code in Germany", "27613-3502", "Germany", "DE");
        dataRow("at home, no country line", "1234", "", "DE");
        dataRow("Canada, lower case", "k1a 0b1", "Canada", "");
        dataRow("a country without a pattern", "anything", "Ireland", "");
        dataRow("a country no one knows", "x", "Atlantis", "");
    }
    void postalCodes()
    {
        QFETCH(QString, postalCode);
        QFETCH(QString, country);
        QFETCH(QString, misfit);
        PostalAddress address;
        address.locality = u"T"_qs;
        address.postalCode = postalCode;
        address.country = country;
        QCOMPARE(postalCodeMisfit(address, u"DE"), misfit);
    }
};

QTEST_APPLESS_MAIN(TestContactsLayouts)
#include "test_contacts_layouts.moc"
