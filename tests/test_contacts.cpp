// SPDX-License-Identifier: GPL-3.0-or-later
// Contacts files: the exports of real programs read into entries, broken
// files, the country layouts, the writers' round trip, the review's ticks
// and the file reading's bounds.
#include "contacts/contactencoding.h"
#include "contacts/contactentry.h"
#include "contacts/contactfile.h"
#include "contacts/contactreviewmodel.h"
#include "contacts/csvcolumns.h"
#include "contacts/vcardreader.h"
#include "datarow.h"
#include "fakes/files.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// "A|B" is the entry "A" CR LF "B" CR LF.
QString entry(QStringView lines)
{
    return lines.toString().replace(u'|', QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList entries(const QStringList &lines)
{
    QStringList result;
    for (const QString &l : lines)
        result << entry(l);
    return result;
}

QStringList skippedOf(const ContactsRead &read)
{
    QStringList result;
    for (const SkippedContact &s : read.skipped)
        result << s.name;
    return result;
}

// A CSV read with its recognised columns, or with `fields` where given.
ContactsRead readText(const QString &text, ContactFormat format, const QList<ContactField> &fields = {},
                      QString *source = nullptr)
{
    if (format == ContactFormat::VCard)
        return readVCards(text);
    const CsvTable table = readCsv(text);
    const CsvColumns columns = fields.isEmpty() ? recogniseColumns(table.records.value(0)) : columnsFromFields(fields);
    if (source)
        *source = columns.source;
    return contactsFromCsv(table, columns);
}

QString fixture(const char *name)
{
    return QFINDTESTDATA(QStringLiteral("data/contacts/") + QLatin1String(name));
}

// One card of the given lines.
QString card(QStringView lines)
{
    return QStringLiteral("BEGIN:VCARD\r\n") + lines.toString().replace(u'|', QStringLiteral("\r\n"))
        + QStringLiteral("\r\nEND:VCARD\r\n");
}

// The entry of each address of each contact, in order.
QStringList everyEntry(const ContactsRead &read, const QString &home)
{
    QStringList result;
    for (const Contact &contact : read.contacts) {
        for (int address = 0; address < contact.addresses.size(); ++address)
            result << contactEntry(contact, address, home);
    }
    return result;
}

using F = ContactField;

} // namespace

class TestContacts : public QObject
{
    Q_OBJECT

private slots:
    void readsExports_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QList<ContactField>>("fields");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("skipped");
        const QList<ContactField> known;
        dataRow("Google vCard: pref in a group, escaped comma, no address", "google.vcf", "US", known, "",
                QStringList{"Jane Roe|Roe & Partners|Unter den Linden 5|10117 BERLIN|GERMANY",
                            "Priya Raman|221B Baker Street|LONDON|Greater London|NW1 6XE|UNITED KINGDOM"},
                QStringList{"Sam Phoneonly"});
        dataRow("Apple: X-ABADR code, home country left out, photo, group", "apple.vcf", "US", known, "",
                QStringList{"John Appleseed|Example Corp.|1 Main Street|CUPERTINO CA 95014",
                            "Anna Müller|Hauptstraße 7|80331 MÜNCHEN|GERMANY"},
                QStringList{"Friends"});
        dataRow("Outlook 2.1: Windows-1252, bare PREF second, QP label", "outlook.vcf", "US", known, "",
                QStringList{"Tony Doe|Contoso Ltd.|One Microsoft Way|REDMOND WA 98052",
                            "Jörg Müller|Straße des 17. Juni 1|10623 BERLIN|GERMANY"},
                QStringList{});
        dataRow("Android 2.1: UTF-8 QP, soft break, parts missing or extra", "android.vcf", "CZ", known, "",
                QStringList{"Čestmír Škoda|Václavské náměstí 1|110 00 PRAHA 1", "Jan Kowalski|Ogrodowa 5"},
                QStringList{});
        dataRow("vCard 4.0: PREF=1, street list, folded, LABEL=, label alone", "thunderbird.vcf", "SE", known, "",
                QStringList{"Lilly Doe|Unit 4|Old Mill Lane 4|Rear Building|ANYCITY NSW 2000|AUSTRALIA",
                            "Mr. John Q. Public, Esq.|123 Main Street|ANY TOWN CA 91921-1234|UNITED STATES",
                            "Hans Beispiel|Musterweg 3|12345 Musterstadt"},
                QStringList{});
        dataRow("3.0 LABEL property, UTF-8 mark", "evolution.vcf", "US", known, "",
                QStringList{"Randy Doe|777 Anyroad RD|SomeTown, CA 97777"}, QStringList{});
        dataRow("Google CSV: two addresses, formatted only, quotes", "google.csv", "US", known, "Google Contacts",
                QStringList{"Jane Roe|Roe & Partners, LLC|Apt 3|4012 Oak Hollow Dr|RALEIGH NC 27613-3502",
                            "PO Box 42|Springfield, IL 62701"},
                QStringList{"Sam Phoneonly", "Dr. Priya Raman"});
        dataRow("Outlook CSV: Windows-1252, Title, Home after Business", "outlook.csv", "US", known, "Outlook",
                QStringList{"Mr. Tony Doe|Contoso Ltd.|One Microsoft Way|REDMOND WA 98052",
                            "Jörg Müller|Straße des 17. Juni 1|10623 BERLIN|GERMANY"},
                QStringList{"Chloé Dubois"});
        dataRow(
            "Thunderbird CSV: shares Home City with Outlook", "thunderbird.csv", "US", known, "Thunderbird",
            QStringList{"Lilly Doe|P.O. Box 777|ANYCITY CA 97777", "Ola Nordmann|Karl Johans gate 1|0154 OSLO|NORWAY"},
            QStringList{});
        dataRow("spreadsheet: semicolons, the user's columns", "spreadsheet.csv", "DE",
                QList<ContactField>{F::Name, F::Name, F::Organisation, F::Street, F::PostalCode, F::City, F::Country},
                "",
                QStringList{"Erika Mustermann|Heidestraße 17|51147 KÖLN",
                            "Max Mustermann|Beispiel GmbH|Am Markt 1; Hinterhaus|04109 LEIPZIG"},
                QStringList{"Jean Dupont"});
    }
    void readsExports()
    {
        QFETCH(QString, file);
        QFETCH(QString, home);
        QFETCH(QList<ContactField>, fields);
        QFETCH(QString, source);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, skipped);
        const ContactFile read = readContactFile(fixture(file.toLatin1().constData()));
        QVERIFY2(read.ok, qPrintable(read.error));
        QString found;
        const ContactsRead contacts = readText(read.text, read.format, fields, &found);
        QCOMPARE(preferredEntries(contacts.contacts, home), entries(expected));
        QCOMPARE(skippedOf(contacts), skipped);
        QCOMPARE(found, source);
        if (!fields.isEmpty())
            QVERIFY(!recogniseColumns(readCsv(read.text).records.value(0)).recognised());
    }

    // Quirks the fixtures leave out, one card each; every address's entry.
    void vCardQuirks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, const char16_t *lines, const QStringList &expected) {
            QTest::newRow(name) << card(lines) << expected;
        };
        row("quoted parameters hold : and ;", u"VERSION:3.0|FN:N|ADR;TYPE=\"work;x:y\";X-A=\"b:c\":;;S;T;;1;",
            {"N|S|T 1"});
        row("RFC 6868 carets in LABEL=", u"VERSION:4.0|FN:N|ADR;LABEL=\"N^nSay ^'hi^' ^^\":;;;;;;", {"N|Say \"hi\" ^"});
        row("a LABEL goes with the ADR of its kind, another is an address of its own",
            u"VERSION:3.0|FN:N|ADR;TYPE=HOME:;;S;T;;1;|LABEL;TYPE=WORK:W1\\nW2|LABEL;TYPE=HOME:unused",
            {"N|S|T 1", "N|W1|W2"});
        row("quoted-printable in ISO-8859-1; the name from N",
            u"VERSION:2.1|N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:M=FCller;J=F6rg|ADR:;;S;T;;1;",
            {"Jörg Müller|S|T 1"});
        row("an unknown charset is read as UTF-8",
            u"VERSION:2.1|FN;CHARSET=x-unknown;QUOTED-PRINTABLE:Z=C3=BC|ADR:;;S;T;;1;", {"Zü|S|T 1"});
        row("2.1 photo lines without a colon",
            u"VERSION:2.1|FN:N|PHOTO;ENCODING=BASE64;TYPE=JPEG:|/9j/4AAQSkZJRgABAQ|AAAQABAAD==||ADR:;;S;T;;1;",
            {"N|S|T 1"});
        row("N's lists, no FN", u"VERSION:4.0|N:Public;John;Quinlan,Q.;Mr.;Esq.,M.D.|ADR:;;S;T;;1;",
            {"Mr. John Quinlan Q. Public Esq. M.D.|S|T 1"});
        row("organisation alone, with units", u"VERSION:3.0|ORG:Acme;Sales;EMEA|ADR:;;S;T;;1;",
            {"Acme, Sales, EMEA|S|T 1"});
        row("a region and a country alone are no address", u"VERSION:3.0|FN:N|ADR:;;;;NC;;Germany", {});
        row("the first FN counts; groups on what is not read",
            u"VERSION:3.0|FN:A|FN:B|item9.X-FOO:bar|item9.ADR:;;S;T;;1;", {"A|S|T 1"});
        row("a label is written as it stands, home country and all", u"VERSION:3.0|FN:N|LABEL:S\\nT\\nUSA",
            {"N|S|T|USA"});
        dataRow("CR alone, lower-case end, spaces after BEGIN",
                QStringLiteral("BEGIN:VCARD  \rFN:N\rADR:;;S;T;;1;\rend:vcard\r"), QStringList{"N|S|T 1"});
    }
    void vCardQuirks()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const ContactsRead read = readVCards(text);
        QCOMPARE(everyEntry(read, u"US"_qs), entries(expected));
        QCOMPARE(read.skipped.size(), expected.isEmpty() ? 1 : 0);
    }

    // Header sets the fixtures leave out.
    void csvHeaders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QStringList>("expected");
        dataRow("plain English headers",
                "Name,Company,Street,City,State,ZIP,Country\nJane Roe,,1 Elm St,Raleigh,NC,27613,USA\n", "",
                QStringList{"Jane Roe|1 Elm St|RALEIGH NC 27613"});
        dataRow("Outlook street lines in their order",
                "Home Street 3,First Name,Home Street,Last Name,Home Street 2,Home City,Home Postal Code\n"
                "c,Ann,a,Lee,b,Town,1\n",
                "Outlook", QStringList{"Ann Lee|a|b|c|TOWN 1"});
        dataRow("Google's star marks the primary address",
                "Name,Address 1 - Type,Address 1 - Street,Address 2 - Type,Address 2 - Street,Address 2 - City\n"
                "A,Home,H St,* Work,W St,Town\n",
                "Google Contacts", QStringList{"A|W St|TOWN"});
        dataRow("a formatted label where the parts are only a country",
                "Name,Address 1 - Formatted,Address 1 - Country\nA,\"S\nT\",Germany\n", "Google Contacts",
                QStringList{"A|S|T"});
        dataRow("records longer and shorter than the header", "Name,City\nA,Town,extra\nB\n", "",
                QStringList{"A|TOWN"});
    }
    void csvHeaders()
    {
        QFETCH(QString, text);
        QFETCH(QString, source);
        QFETCH(QStringList, expected);
        QString found;
        QCOMPARE(preferredEntries(readText(text, ContactFormat::Csv, {}, &found).contacts, u"US"), entries(expected));
        QCOMPARE(found, source);
    }

    // A broken card or row is skipped with its line; the rest is read.
    void brokenFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("skipped");
        const int vCard = int(ContactFormat::VCard), csv = int(ContactFormat::Csv);
        const QString a = card(u"FN:A|ADR:;;S;T;;1;");
        dataRow("card cut off at the end", a + "BEGIN:VCARD\r\nFN:B\r\nADR:;;S;T;;2;\r\n", vCard,
                QStringList{"A|S|T 1"}, QStringList{"line 5"});
        dataRow("NUL bytes between cards", a + QString(3, QChar(0)) + "\r\n" + a, vCard,
                QStringList{"A|S|T 1", "A|S|T 1"}, QStringList{"line 5"});
        dataRow("card cut off by the next one", "BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nFN:B\nADR:;;S;T;;2;\nEND:VCARD\n",
                vCard, QStringList{"B|S|T 2"}, QStringList{"line 3"});
        dataRow("text before any card, END alone", "\r\nName,Street\r\nx\r\n" + a + "END:VCARD\r\n", vCard,
                QStringList{"A|S|T 1"}, QStringList{"line 2", "line 8"});
        dataRow("2.1 AGENT: its card on the lines after",
                "BEGIN:VCARD\nVERSION:2.1\nFN:Boss\nADR:;;1 St;T;;1;\nAGENT:\nBEGIN:VCARD\nVERSION:2.1\nFN:Aide\n"
                "ADR:;;2 St;T;;2;\nEND:VCARD\nEND:VCARD\n",
                vCard, QStringList{"Aide|2 St|T 2", "Boss|1 St|T 1"}, QStringList{});
        dataRow("3.0 AGENT: its card as the value",
                card(u"VERSION:3.0|FN:Boss|ADR:;;1 St;T;;1;|AGENT:BEGIN:VCARD\\nFN:Aide\\nADR:\\;\\;2 "
                     u"St\\;T\\;\\;2\\;\\nEND:"
                     u"VCARD"),
                vCard, QStringList{"Boss|1 St|T 1", "Aide|2 St|T 2"}, QStringList{});
        dataRow("quote never closes, counted from its line", "Name,Street,City\r\nA,B,T\r\nC,\"S\r\n\r\nD,E\r\n", csv,
                QStringList{"A|B|T"}, QStringList{"line 3"});
    }
    void brokenFiles()
    {
        QFETCH(QString, text);
        QFETCH(int, format);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, skipped);
        const ContactsRead read = readContacts(text, ContactFormat(format));
        QCOMPARE(preferredEntries(read.contacts, u"US"), entries(expected));
        QCOMPARE(skippedOf(read), skipped);
        for (const SkippedContact &part : read.skipped)
            QVERIFY(!part.reason.isEmpty());
    }

    void csvRecords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("records");
        dataRow("semicolon, quoted line break and quotes, LF", "a;b\n\"x;\"\"y\"\"\n z\";w\n",
                QList<QStringList>{{"a", "b"}, {"x;\"y\"\n z", "w"}});
        dataRow("tab, CR alone, blank lines, a short record", "a\tb,c\td\r\r1\t2,3\t4\r5\r",
                QList<QStringList>{{"a", "b,c", "d"}, {"1", "2,3", "4"}, {"5"}});
        QTest::newRow("sep= names the separator") << "sep=;\r\na,b;c\r\n" << QList<QStringList>{{"a,b", "c"}};
        dataRow("text after a closing quote stays", "a,b\n\"x\"y,z", QList<QStringList>{{"a", "b"}, {"xy", "z"}});
    }
    void csvRecords()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, records);
        QCOMPARE(readCsv(text).records, records);
    }

    // The remembered mapping serves another file with those headers in
    // another order and case.
    void rememberedMapping()
    {
        const QString setting = mappingSetting({"Vorname", "Ort", "Telefon"}, {F::Name, F::City, F::Ignored});
        QCOMPARE(mappingFor({"ORT", "Straße", "vorname"}, setting),
                 (QList<ContactField>{F::City, F::Ignored, F::Name}));
    }

    // Cancel stops either reader where it stands, with nothing broken.
    void cancelled()
    {
        QString vCards;
        QString csv = QStringLiteral("Name,City\r\n");
        for (int i = 0; i < 2000; ++i) {
            vCards += card(u"FN:A|ADR:;;S;T;;1;");
            csv += QStringLiteral("A,T\r\n");
        }
        int calls = 0;
        const ReadProgress stopSecond = [&calls](qsizetype, qsizetype) { return ++calls < 2; };
        const ContactsRead read = readVCards(vCards, stopSecond);
        QVERIFY(read.cancelled && read.contacts.size() < 2000);
        calls = 0;
        const CsvTable table = readCsv(csv, stopSecond);
        QVERIFY(table.cancelled && table.stoppedAt == 0 && table.records.size() < 2001);
        calls = 0;
        QVERIFY(contactsFromCsv(readCsv(csv), recogniseColumns({"Name", "City"}), stopSecond).cancelled);
    }

    void encodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBFM\xC3\xBC") << "Mü";
        QTest::newRow("Windows-1252, not UTF-8") << QByteArray("M\xFC \x80") << "Mü €";
        QTest::newRow("UTF-16 big-endian without a mark") << QByteArray("\0N\0a\0m\0e", 8) << "Name";
        QTest::newRow("UTF-16 little-endian with a mark") << QByteArray("\xFF\xFEN\0\xFC\0", 6) << "Nü";
        QTest::newRow("UTF-16 big-endian with a mark") << QByteArray("\xFE\xFF\0N\0\xFC", 6) << "Nü";
        QTest::newRow("UTF-16 little-endian without a mark") << QByteArray("N\0a\0m\0e\0", 8) << "Name";
    }
    void encodings()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeContactText(bytes), text);
    }

    // Entries the book has, or a contact above gives, start unticked;
    // another address changes the entry and its tick.
    void review()
    {
        Contact a;
        a.name = "A";
        a.addresses = {PostalAddress{}, PostalAddress{}};
        a.addresses[0].street = {"Home St"};
        a.addresses[1].street = {"Work St"};
        a.addresses[1].preference = 1;
        Contact b;
        b.name = "B";
        b.addresses = {PostalAddress{}};
        b.addresses[0].label = {"B", "S"};
        ContactReviewModel model({a, a, b, b}, {QStringLiteral("  A\r\n\r\nWork St")}, "US");
        QAbstractItemModelTester tester(&model);
        const auto notes = [&] {
            QList<ContactReviewModel::Note> found;
            for (int row = 0; row < model.count(); ++row)
                found << model.note(row);
            return found;
        };
        using N = ContactReviewModel::Note;
        QCOMPARE(notes(), (QList<N>{N::InBook, N::InBook, N::None, N::EarlierInFile}));
        QCOMPARE(model.addressChoices(0), (QStringList{"Home St", "Work St"}));
        model.chooseAddress(0, 0);
        model.chooseAddress(1, 0);
        model.chooseAddress(1, 1);
        QCOMPARE(model.note(1), N::InBook);
        const ReviewOutcome outcome = model.outcome(7);
        QCOMPARE(outcome.entries, entries({"A|Home St", "B|S"}));
        QCOMPARE((QList<int>{outcome.skipped, outcome.inBook, outcome.twiceInFile, outcome.unticked}),
                 (QList<int>{7, 1, 1, 0}));
        QVERIFY(model.data(model.index(3)).toString().endsWith("(the same as a contact above)"));
        QVERIFY(model.setData(model.index(1), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(model.tickedCount(), 3);
    }

    void fileBounds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        dataRow("a pipe no one writes", "fifo", "not a regular file");
        dataRow("a link to a device", "zero", "not a regular file");
        dataRow("a folder", "folder", "folder");
        dataRow("past the size bound", "large", "too large (100 MB");
        dataRow("no ending, BEGIN:VCARD", "plain", "");
    }
    void fileBounds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        const bool read = error.isEmpty();
        QTemporaryDir dir;
        const QString path = dir.filePath(kind);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir(kind));
        else if (kind == "large")
            QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile(path).resize(kMaxContactFileSize + 1));
        else
            writeAll(path, " begin:vcard\nFN:A\nLABEL:S\nEND:VCARD\n");
        const ContactFile file = readContactFile(path);
        QCOMPARE(file.ok, read);
        QVERIFY2(file.error.contains(error), qPrintable(file.error));
        if (read)
            QCOMPARE(preferredEntries(readVCards(file.text).contacts, u"US"), entries({"A|S"}));
    }
};

QTEST_APPLESS_MAIN(TestContacts)
#include "test_contacts.moc"
