// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk.
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"

#include <QDateTime>
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
        const QString odd = QStringLiteral("A\r\n\r\nB, tab\there, lone\rCR, \u00e9\u20ac\U0001F600, %/..");
        {
            FileSettingsBackend store(root.path(), kApp);
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextReturnOffY"), QStringLiteral("1")));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextReturnOffY"), QStringLiteral("1.25")));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("../Odd Key/"), odd));
        }
        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(store.openingProblem().isEmpty());
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("TextReturnOffy")), QStringLiteral("1.25"));
        QCOMPARE(store.read(kApp, kSection, QStringLiteral("../odd key/")), odd);
        QVERIFY(!store.read(kApp, kSection, QStringLiteral("Missing")).has_value());
        // Nothing escapes the section folder, and no temporary file is left.
        QCOMPARE(QDir(root.path() + u'/' + kApp + u'/' + kSection).entryList(QDir::Files | QDir::Hidden).size(), 2);
        QCOMPARE(QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{kApp});

        QVERIFY(store.deleteAll(kApp).ok);
        QVERIFY(!store.read(kApp, kSection, QStringLiteral("TextReturnOffY")));
        QVERIFY(QDir(root.path()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden));
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("y")));
    }

    // Damaged at two starts within a second, or with the dated name taken:
    // each damaged value still gets a name of its own.
    void damagedValueIsSetAsideUnderAFreeName()
    {
        QTemporaryDir root;
        const QString path = root.path() + u'/' + kApp + u'/' + kSection + QStringLiteral("/textimport");
        {
            FileSettingsBackend store(root.path(), kApp);
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextImport"), QStringLiteral("x")));
        }
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 5; ++s) // every name the next seconds would give
            QVERIFY(QDir().mkdir(path + QStringLiteral(".damaged-") + now.addSecs(s).toString("yyyyMMdd-HHmmss")));
        for (int start = 0; start < 2; ++start) {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\xff") == 1);
            damaged.close();
            FileSettingsBackend store(root.path(), kApp);
            QVERIFY(store.openingProblem().contains(QStringLiteral("textimport")));
            QVERIFY(!QFile::exists(path));
            QVERIFY(store.write(kApp, kSection, QStringLiteral("TextImport"), QStringLiteral("new")));
        }
        QCOMPARE(QDir(root.path() + u'/' + kApp + u'/' + kSection).entryList({"textimport.damaged-*"}).size(), 7);
    }

    void storeThatIsAFileIsSetAsideWhole()
    {
        QTemporaryDir root;
        QFile notADir(root.path() + u'/' + kApp);
        QVERIFY(notADir.open(QIODevice::WriteOnly));
        notADir.close();
        FileSettingsBackend store(root.path(), kApp);
        QVERIFY(store.openingProblem().contains(QStringLiteral("default settings")));
        QVERIFY(store.write(kApp, kSection, QStringLiteral("ToAddress"), QStringLiteral("x")));
        QCOMPARE(QDir(root.path()).entryList({kApp + QStringLiteral(".damaged-*")}).size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
