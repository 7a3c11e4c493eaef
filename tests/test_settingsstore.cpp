// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk.
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
        QTemporaryDir root;
        const QString multiLine = QStringLiteral("Tony Doe\r\n\r\n1234 Great Street\r\n");
        const QString odd = QStringLiteral("tab\there, lone\rCR, lone\nLF, \u00e9\u20ac\U0001F600, %/..");
        {
            FileSettingsBackend store(root.path(), kApp);
            QVERIFY(store.write(kApp, kSection, QStringLiteral("ReturnAddress"), multiLine));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextReturnOffY"), QStringLiteral("1")));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextReturnOffY"), QStringLiteral("1.25")));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("../Odd Key/"), odd));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("Empty"), QString()));
        }
        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(store.openingProblem().isEmpty());
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("ReturnAddress")), multiLine);
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("TextReturnOffy")), QStringLiteral("1.25"));
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("../odd key/")), odd);
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("Empty")), QString());
        QVERIFY(!store.read(kApp, kSection, QStringLiteral("Missing")).has_value());
        // Nothing escapes the section folder, and no temporary file is left.
        const QDir section(root.path() + u'/' + kApp + u'/' + kSection);
        QCOMPARE(section.entryList(QDir::Files | QDir::Hidden).size(), 4);
        QCOMPARE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{kApp});
    }

    void deleteAllRemovesTheApplication()
    {
        QTemporaryDir root;
        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("x")));
        QVERIFY(store.deleteAll(kApp));
        QVERIFY(!store.read(kApp, kSection, QStringLiteral("ToAddress")));
        QVERIFY(QDir(root.path()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
        // The store works again afterwards.
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("y")));
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("ToAddress")), QStringLiteral("y"));
    }

    void damagedStoreIsSetAsideNotOverwritten()
    {
        QTemporaryDir root;
        {
            FileSettingsBackend store(root.path(), kApp);
            QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("kept")));
        }
        QFile junk(root.path() + u'/' + kApp + u'/' + kSection + QStringLiteral("/textimport"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("\xff\xfe not ours");
        junk.close();

        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(store.openingProblem().contains(QStringLiteral("default settings")));
        QVERIFY(!store.read(kApp, kSection, QStringLiteral("ToAddress")));
        const QStringList aside = QDir(root.path()).entryList({kApp + QStringLiteral(".damaged-*")}, QDir::Dirs);
        QCOMPARE(aside.size(), 1);
        QFile kept(root.path() + u'/' + aside.first() + u'/' + kSection + QStringLiteral("/toaddress"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(FileSettingsBackend::decodeValue(kept.readAll()), QStringLiteral("kept"));
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("new")));
    }

    void storeThatIsAFileStartsEmpty()
    {
        QTemporaryDir root;
        QFile notADir(root.path() + u'/' + kApp);
        QVERIFY(notADir.open(QIODevice::WriteOnly));
        notADir.close();
        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(!store.openingProblem().isEmpty());
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("x")));
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
