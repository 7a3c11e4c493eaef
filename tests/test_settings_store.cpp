// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk: values kept exactly, damaged values and an
// unreadable store set aside.
#include "datarow.h"
#include "fakes/files.h"
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kApp = QString::fromLatin1(kSettingsApplication);
const QString kSection = QString::fromLatin1(kSettingsSection);

} // namespace

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void valuesRoundTripAcrossOpenings()
    {
        QTemporaryDir tmp;
        // Made with the first write, each level for its owner alone.
        const QString config = tmp.filePath(QStringLiteral("config"));
        const QString odd = QStringLiteral("A\r\n\r\nB, tab\there, lone\rCR, \u00e9\u20ac\U0001F600, %/..");
        {
            FileSettingsBackend store(config, kApp, kSection);
            QVERIFY(store.write(QStringLiteral("TextReturnOffY"), QStringLiteral("1")));
            QVERIFY(store.write(QStringLiteral("TextReturnOffY"), QStringLiteral("1.25")));
            QVERIFY(store.write(QStringLiteral("../Odd Key/"), odd));
        }
        FileSettingsBackend store(config, kApp, kSection);
        QVERIFY(store.openingProblem().isEmpty());
        QCOMPARE(store.read(QStringLiteral("TextReturnOffy")), QStringLiteral("1.25"));
        QCOMPARE(store.read(QStringLiteral("../odd key/")), odd);
        QVERIFY(!store.read(QStringLiteral("Missing")).has_value());
        // Nothing escapes the section folder, and no temporary file is left.
        QCOMPARE(QDir(config + u'/' + kApp + u'/' + kSection).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(QDir(config).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{kApp});

        QVERIFY(store.deleteAll().ok);
        QVERIFY(!store.read(QStringLiteral("TextReturnOffY")));
        QVERIFY(QDir(config).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
        QVERIFY(store.write(QStringLiteral("ToAddress"), QStringLiteral("y")));
        for (const QString &dir : {config, config + u'/' + kApp, config + u'/' + kApp + u'/' + kSection})
            QCOMPARE(modeOf(dir), 0700);
    }

    // Whatever start-up finds in the store's folders: its own leftovers go,
    // a value it cannot read is set aside whole, without hanging on a pipe
    // or reading a device, and the user's files stay as they are.
    void startLeavesWhatIsNotItsOwn_data()
    {
        QTest::addColumn<QString>("name"); // below the application's folder
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("after");
        dataRow("notes beside the store", "notes.txt", "file", "kept");
        dataRow("a copy beside the values", "Settings/toaddress.bak", "file", "kept");
        dataRow("a book in a folder of the user's", "my backups/AddData.txt", "file", "kept");
        dataRow("a name like ours, one letter short", "Settings/toaddress.quillon-tmp-Ab3dE", "file", "kept");
        dataRow("a temporary file of ours that nothing holds", "Settings/toaddress.quillon-tmp-Ab3dE9", "file",
                "removed");
        dataRow("what a cut-short restore left", "../.Quillon 2.1 Tarvik.deleting-1700000000000", "folder", "removed");
        dataRow("a value that is not ours", "Settings/toaddress", "file", "set aside");
        dataRow("a named pipe as a value", "Settings/toaddress", "pipe", "set aside");
        dataRow("a link to a device as a value", "Settings/toaddress", "device link", "set aside");
        dataRow("a sparse value above the bound", "Settings/toaddress", "sparse", "set aside");
        dataRow("a folder named as a value", "Settings/toaddress", "folder", "set aside");
    }
    void startLeavesWhatIsNotItsOwn()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, after);
        QTemporaryDir root;
        const QString path = QDir::cleanPath(root.path() + u'/' + kApp + u'/' + name);
        FileSettingsBackend(root.path(), kApp, kSection).write(QStringLiteral("ReturnAddress"), QStringLiteral("A"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const QByteArray name8 = QFile::encodeName(path);
        if (kind == u"file")
            writeAll(path, "\xff not a value of ours");
        else if (kind == u"folder")
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        else if (kind == u"pipe")
            QVERIFY(::mkfifo(name8.constData(), 0600) == 0);
        else if (kind == u"device link")
            QVERIFY(::symlink("/dev/zero", name8.constData()) == 0);
        else
            QVERIFY(::truncate((writeAll(path, FileSettingsBackend::encodeValue("A")), name8.constData()),
                               FileSettingsBackend::kMaxValueSize + 1)
                    == 0);

        ::alarm(60); // a start that hangs fails the test
        FileSettingsBackend store(root.path(), kApp, kSection);
        ::alarm(0);
        QCOMPARE(store.read(QStringLiteral("ReturnAddress")), QStringLiteral("A"));
        QCOMPARE(QFileInfo(path).exists() || QFileInfo(path).isSymLink(), after == u"kept");
        if (after == u"kept")
            QCOMPARE(readAll(path), kind == u"file" ? QByteArray("\xff not a value of ours") : QByteArray());
        const QStringList aside = QFileInfo(path).dir().entryList({QFileInfo(path).fileName() + ".damaged-*"},
                                                                  QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), after == u"set aside" ? 1 : 0);
        QCOMPARE(store.openingProblem().contains(QStringLiteral("toaddress")), after == u"set aside");
        QVERIFY(!store.read(QStringLiteral("ToAddress")));
    }

    // A stored text its field cannot lay out is set aside whole, as damaged;
    // the others, however large, come back.
    void valueItsFieldCannotHoldIsSetAside_data()
    {
        QTest::addColumn<int>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("kept");
        const QString line = QString(kLongestLine, u'x');
        QTest::newRow("offset, the longest line") << int(Setting::ReturnOffsetX) << line << true;
        QTest::newRow("offset, one more") << int(Setting::ReturnOffsetX) << line + u'x' << false;
        dataRow("import text, 50 of the longest lines", int(Setting::ImportText),
                (line + QStringLiteral("\r\n")).repeated(50), true);
        QTest::newRow("import text, one line too long") << int(Setting::ImportText) << "A\r\n" + line + u'x' << false;
    }
    void valueItsFieldCannotHoldIsSetAside()
    {
        QFETCH(int, setting);
        QFETCH(QString, value);
        QFETCH(bool, kept);
        QTemporaryDir root;
        const QString key = QString::fromLatin1(settingKey(Setting(setting)).key);
        FileSettingsBackend(root.path(), kApp, kSection).write(key, value);
        FileSettingsBackend backend(root.path(), kApp, kSection);
        const SettingsStore store(backend, {});
        QCOMPARE(store.read(Setting(setting)) == value, kept);
        QCOMPARE(backend.openingProblem().contains(key.toLower()), !kept);
        const QStringList aside = QDir(root.path() + u'/' + kApp + u'/' + kSection).entryList({"*.damaged-*"});
        QCOMPARE(aside.size(), kept ? 0 : 1);
        if (!kept)
            QCOMPARE(readAll(root.path() + u'/' + kApp + u'/' + kSection + u'/' + aside.first()),
                     FileSettingsBackend::encodeValue(value));
    }

    // Damaged at two starts within a second, or with the dated name taken:
    // each damaged value still gets a name of its own and starts at its
    // default; the others load, and the user hears once which one it was.
    void damagedValueIsSetAsideUnderAFreeName()
    {
        QTemporaryDir root;
        const QString path = root.path() + u'/' + kApp + u'/' + kSection + QStringLiteral("/textimport");
        {
            FileSettingsBackend store(root.path(), kApp, kSection);
            QVERIFY(store.write(QStringLiteral("TextImport"), QStringLiteral("x")));
            QVERIFY(store.write(QStringLiteral("ToAddress"), QStringLiteral("kept")));
        }
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 5; ++s) // every name the next seconds would give
            QVERIFY(QDir().mkdir(path + QStringLiteral(".damaged-") + now.addSecs(s).toString("yyyyMMdd-HHmmss")));
        for (int start = 0; start < 2; ++start) {
            writeAll(path, "\xff\xfe not ours");
            FileSettingsBackend store(root.path(), kApp, kSection);
            QCOMPARE(store.read(QStringLiteral("ToAddress")), QStringLiteral("kept"));
            QVERIFY(!store.read(QStringLiteral("TextImport")));
            QVERIFY(store.openingProblem().contains(QStringLiteral("textimport")));
        }
        QCOMPARE(QDir(root.path() + u'/' + kApp + u'/' + kSection).entryList({"textimport.damaged-*"}).size(), 7);
    }

    void storeThatIsAFileIsSetAsideWhole()
    {
        QTemporaryDir root;
        writeAll(root.path() + u'/' + kApp);
        FileSettingsBackend store(root.path(), kApp, kSection);
        QVERIFY(store.openingProblem().contains(QStringLiteral("default settings")));
        QVERIFY(store.write(QStringLiteral("ToAddress"), QStringLiteral("x")));
        QCOMPARE(QDir(root.path()).entryList({kApp + QStringLiteral(".damaged-*")}).size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
