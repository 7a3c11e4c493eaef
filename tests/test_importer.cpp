// SPDX-License-Identifier: GPL-3.0-or-later
// The import parser; the importer on the window; the address book through the
// window: start-up load, its commands, Save and the Save-As panel.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/files.h"
#include "fakes/testservices.h"
#include "importer/delimiters.h"
#include "importer/importparser.h"
#include "importer/samples.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QStringList kKept{QStringLiteral("Kept\r\n")};
// kKept and the four sample addresses, in the list's order.
const QStringList kWithSamples = kKept
    + QStringList{
        QStringLiteral("Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n"),
        QStringLiteral("Lilly Doe\r\nP.O. Box 777\r\nAnycity, CA 97777\r\n"),
        QStringLiteral("Randy Doe\r\n777 Anyroad RD\r\nSomeTown, CA 97777\r\n"),
        QStringLiteral("Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"),
    };

// `specify` goes into both "Specify:" boxes, which count only with "-Other-".
void row(const char *name, QStringView text, QStringView line, QStringView address, const QStringList &expected,
         const QString &specify = QStringLiteral("|"))
{
    QTest::newRow(name) << text.toString() << line.toString() << address.toString() << specify << expected;
}

const QByteArray kWorkedExample = "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                                  "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n";

// A window started over a program folder whose "AddData.txt" holds `book`.
struct Window
{
    explicit Window(const QByteArray &book)
    {
        writeAll(path(), book);
        form = services.start();
    }

    QString path(const QString &name = QStringLiteral("AddData.txt")) const
    {
        return QDir(services.programDir.path()).filePath(name);
    }
    AddressListModel &book() const { return *form->addressBook(); }

    void panel(QAction *menuItem, const QString &name)
    {
        menuItem->trigger();
        form->Text1->setText(name);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    TestServices services;
    std::unique_ptr<Form1> form;
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
    void import_data()
    {
        QTest::addColumn<int>("sample");
        QTest::addColumn<QString>("text"); // null: the sample's own
        QTest::addColumn<QStringList>("book");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("message"); // a part of the one message shown
        QTest::addColumn<int>("endAt");       // event runs before the program ends; 0: it does not
        QTest::newRow("Sample 1") << 1 << QString() << kWithSamples << true << "" << 0;
        QTest::newRow("Sample 2") << 2 << QString() << kWithSamples << true << "" << 0;
        QTest::newRow("only spaces") << 1 << "   " << kKept << false
                                     << "You need to add the address into the textbox above before clicking the "
                                        "import addressess icon."
                                     << 0;
        QTest::newRow("only CR LF: no address, still saved") << 2 << "\r\n\r\n" << kKept << true << "" << 0;
        QTest::newRow("what the book cannot hold is left out, in one message")
            << 1 << "Bad*|||||*Name\r\n\r\nAnn\r\n\r\nB*|||||*" << QStringList{"Ann\r\n", "Kept\r\n"} << true
            << "*|||||*" << 0;
        // By the fifth event run the first address is parsed.
        QTest::newRow("the program ending stops the import") << 2 << QString() << kKept << false << "" << 5;
    }

    // A sample sets (and stores) the text and both delimiters, not "Specify:";
    // the import changes none; "Clear Addresses" empties the text alone; an
    // import the program's ending stops saves nothing.
    void import()
    {
        QFETCH(int, sample);
        QFETCH(QString, text);
        QFETCH(QStringList, book);
        QFETCH(bool, saved);
        QFETCH(QString, message);
        QFETCH(int, endAt);
        TestServices services;
        Form1 form(services.services());
        form.Form_Load();
        form.addToAddressBook(kKept); // listed, not yet saved
        form.TextLineD->setText(QStringLiteral("; "));
        (sample == 1 ? form.Sample1Menu : form.Sample2Menu)->trigger();
        const ImporterSample &s = sample == 1 ? kSample1 : kSample2;
        QStringList fields{s.text.toString(), s.lineChoice.toString(), s.addressChoice.toString(), "; ", ""};
        const auto stored = [&] {
            QStringList values;
            for (const char *key : {"TextImport", "ComboLine", "ComboAddress", "TextLineD", "TextAddressD"})
                values << services.settings.value(QString::fromLatin1(key)).value_or(QString());
            return values;
        };
        QCOMPARE(stored(), fields);
        if (!text.isNull())
            form.TextImport->setText(fields[0] = text);

        if (endAt > 0) {
            services.events.onProcess = [&, runs = 0]() mutable {
                QTest::qSleep(16); // past the throttle: every piece lets events in
                if (++runs == endAt)
                    form.ExitM_Click();
            };
        }
        QTest::mouseClick(form.CommandImport, Qt::LeftButton);
        QCOMPARE(services.app.quitCalls, endAt > 0 ? 1 : 0);
        QCOMPARE(form.addressBook()->texts(), book);
        QCOMPARE(readAll(services.programDir.path() + "/AddData.txt"), saved ? encodeBook(book) : "<missing>");
        QCOMPARE(services.messages.texts().size(), message.isEmpty() ? 0 : 1);
        QVERIFY(message.isEmpty() || services.messages.texts()[0].contains(message));
        QCOMPARE(stored(), fields);
        if (endAt > 0)
            return;
        QTest::mouseClick(form.CommandClearImport, Qt::LeftButton);
        fields[0].clear();
        QCOMPARE(stored(), fields);
    }

    void workedExampleThroughTheWindow()
    {
        Window window(kWorkedExample);
        QCOMPARE(window.form->AddressFileName(), window.path());
        // Read as the codec reads it (its own tests hold the details).
        QVERIFY(window.book().count() == 2 && window.services.messages.shown.isEmpty());

        window.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
        const auto click = [&](int row, int x = -1) {
            const QRect at = window.form->List1->visualRect(window.book().index(row));
            QTest::mouseClick(window.form->List1->viewport(), Qt::LeftButton, {},
                              x < 0 ? at.center() : QPoint(at.left() + x, at.center().y()));
        };
        click(1);
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));
        // While "Select All" runs (its button disabled) a click copies nothing.
        window.form->CommandSelectAll->setEnabled(false);
        click(0);
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));
        window.form->CommandSelectAll->setEnabled(true);
        // The tick box ticks; the click still copies the entry.
        click(0, 10);
        QVERIFY(window.book().isTicked(0));
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(0));

        // Save As, then Save Address: the other file takes it, "AddData.txt" stays.
        window.form->ImportMenu->trigger();
        QCOMPARE(window.form->Text1->text(), QDir::toNativeSeparators(window.path()));
        QTest::mouseClick(window.form->Command2, Qt::LeftButton); // "Cancel It"
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QString other = window.path(QStringLiteral("other.txt"));
        window.panel(window.form->SaveMenuAs, other);
        QCOMPARE(window.services.messages.texts(), QStringList{"Complete"});
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QByteArray saved = encodeBook(window.book().texts());
        QCOMPARE(readAll(other), saved);
        window.form->TextToAddress->setText(QStringLiteral("Zed"));
        QTest::mouseClick(window.form->CommandKeepToAddress, Qt::LeftButton);
        QCOMPARE(readAll(other), saved + "Zed*|||||*\r\n");
        QCOMPARE(readAll(window.path()), kWorkedExample);

        // "Clear Selected": No removes nothing, yet the book is rewritten
        // (here from the reader's form); Yes after "Select All" empties it.
        const QByteArray before = readAll(other);
        writeAll(other, encodeBook(decodeBook(before, 10).entries));
        window.services.messages.answers = {false, true};
        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(readAll(other), before);
        QTest::mouseClick(window.form->CommandSelectAll, Qt::LeftButton);
        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(window.book().count(), 0);
        QCOMPARE(readAll(other), QByteArray("<missing>"));
        QCOMPARE(window.services.messages.texts().mid(1),
                 QStringList(2, QStringLiteral("Are you sure you want to clear the select addresses?")));

        // The panel opened for an import imports, whatever it did before.
        window.panel(window.form->ImportMenu, window.path(QStringLiteral("missing.txt")));
        QCOMPARE(window.form->AddressFileName(), window.path(QStringLiteral("missing.txt")));
        QVERIFY(window.services.messages.texts().last().contains(QStringLiteral("does not exist")));
    }
};

QTEST_MAIN(TestImporter)
#include "test_importer.moc"
