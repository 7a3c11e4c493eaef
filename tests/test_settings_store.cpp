// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk: values kept exactly, damaged values and an
// unreadable store set aside.
#include "fakes/files.h"
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"

#include <QDateTime>
#include <QDir>
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
        const QString odd = QStringLiteral("A\r\n\r\nB, tab\there, lone\rCR, \u00e9\u20ac\U0001F600, %/..");
        {
            FileSettingsBackend store(root.path(), kApp, kSection);
            QVERIFY(store.write(QStringLiteral("TextReturnOffY"), QStringLiteral("1")));
            QVERIFY(store.write(QStringLiteral("TextReturnOffY"), QStringLiteral("1.25")));
            QVERIFY(store.write(QStringLiteral("../Odd Key/"), odd));
        }
        FileSettingsBackend store(root.path(), kApp, kSection);
        QVERIFY(store.openingProblem().isEmpty());
        QCOMPARE(store.read(QStringLiteral("TextReturnOffy")), QStringLiteral("1.25"));
        QCOMPARE(store.read(QStringLiteral("../odd key/")), odd);
        QVERIFY(!store.read(QStringLiteral("Missing")).has_value());
        // Nothing escapes the section folder, and no temporary file is left.
        QCOMPARE(QDir(root.path() + u'/' + kApp + u'/' + kSection).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{kApp});

        QVERIFY(store.deleteAll().ok);
        QVERIFY(!store.read(QStringLiteral("TextReturnOffY")));
        QVERIFY(QDir(root.path()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
        QVERIFY(store.write(QStringLiteral("ToAddress"), QStringLiteral("y")));
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
