// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on disk; start-up, stored fields, display fonts and
// Restore Default Settings through the window; German or English texts.
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "app/translations.h"
#include "fakes/files.h"
#include "fakes/testservices.h"
#include "platform/filesettingsbackend.h"
#include "settings/settingkeys.h"

#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

namespace {

const QString kApp = QString::fromLatin1(kSettingsApplication);
const QString kSection = QString::fromLatin1(kSettingsSection);

QString textOf(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    return qobject_cast<const AddressTextBox *>(field)->text();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // A stored text comes back exactly, whatever its length, and start-up
    // stores it back unchanged; an empty store gives the defaults. The
    // delimiter lists are fixed whatever the store held.
    void startShowsTheStoredTexts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key"); // empty: nothing stored
        QTest::addColumn<QString>("value");
        QTest::newRow("empty store, offset") << "TextReturnOffY"
                                             << ""
                                             << ".5";
        QTest::newRow("list item") << "ComboLine"
                                   << "ComboLine"
                                   << "-Other-";
        QTest::newRow("typed delimiter") << "ComboAddress"
                                         << "ComboAddress"
                                         << "; ";
        QTest::newRow("40,000 characters, one-line box") << "TextLineD"
                                                         << "TextLineD" << QString(40000, u'x');
        QTest::newRow("40,000 characters, combo") << "ComboAddress"
                                                  << "ComboAddress" << QString(40000, u'y');
        QTest::newRow("empty middle line") << "TextReturn"
                                           << "ReturnAddress"
                                           << "A\r\n\r\nB";
    }
    void startShowsTheStoredTexts()
    {
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(QString, value);
        TestServices services;
        if (!key.isEmpty())
            services.settings.write(key, value);
        auto form = services.start();
        QCOMPARE(textOf(form->findChild<QWidget *>(field)), value);
        QCOMPARE(services.settings.value(key.isEmpty() ? field : key), value);
        QVERIFY(form->ComboAddress->count() == 6 && form->ComboLine->count() == 5); // nothing stored joins them
        QVERIFY(form->FrameFontOptions->isHidden() && form->Frame1->isHidden() && services.messages.shown.isEmpty());
    }

    void everyChangeIsStored()
    {
        TestServices services;
        auto form = services.start();
        form->TextReturnOffY->clear();
        services.settings.writes.clear();
        QTest::keyClicks(form->TextReturnOffY, QStringLiteral("1.25"));
        QCOMPARE(services.settings.writes,
                 (QStringList{"TextReturnOffY=1", "TextReturnOffY=1.", "TextReturnOffY=1.2", "TextReturnOffY=1.25"}));
        form->ComboAddress->setCurrentIndex(form->ComboAddress->findText(QStringLiteral("|")));
        emit form->ComboAddress->activated(form->ComboAddress->currentIndex());
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("|"));

        // An assigned text stays exact; typing into it gives CR LF breaks.
        form->TextToAddress->setText(QStringLiteral("one\rtwo\nthree\r\n"));
        QCOMPARE(services.settings.value(QStringLiteral("ToAddress")), QStringLiteral("one\rtwo\nthree\r\n"));
        form->TextToAddress->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->TextToAddress, QStringLiteral("x"));
        QVERIFY(!form->TextToAddress->text().contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
        QVERIFY(form->TextToAddress->text().endsWith(QStringLiteral("three\r\nx")));

        // A store that refuses writes is reported once, and typing goes on.
        services.settings.refuseWrites = true;
        QTest::keyClicks(form->TextReturnOffX, QStringLiteral("123"));
        QCOMPARE(services.messages.shown.size(), 1);
        QCOMPARE(form->TextReturnOffX->text(), QStringLiteral(".2123"));
    }

    void displayFontsFollowTheirFields()
    {
        TestServices services;
        auto form = services.start();
        form->TextReturnDisplayFontSite->clear();
        QTest::keyClicks(form->TextReturnDisplayFontSite, QStringLiteral("14"));
        for (const char *bad : {"", "abc", "0", "inf", "1e30"}) {
            form->TextReturnDisplayFontSite->setText(QString::fromLatin1(bad));
            QCOMPARE(form->TextReturn->font().pointSizeF(), 14.0);
            QCOMPARE(services.settings.value(QStringLiteral("TextReturnDisplayFontSite")), QString::fromLatin1(bad));
        }
        form->TextToAddressDisplayType->setText(QStringLiteral("DejaVu Serif"));
        form->TextToAddressPrintFontSize->setText(QStringLiteral("30")); // nothing on screen
        QCOMPARE(form->TextToAddress->font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(form->TextToAddress->font().pointSizeF(), 12.0);

        form->CommandDefaultSettings->click();
        QCOMPARE(form->TextReturn->font().pointSizeF(), 12.0);
        QCOMPARE(form->TextToAddress->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(services.settings.value(QStringLiteral("TextToAddressPrintFontSize")), QStringLiteral("12"));

        // The panel comes and goes, fonts untouched; chosen again while the
        // Save-As panel is up, it stays behind that panel.
        form->show();
        form->FontSettingsM->trigger();
        form->SaveMenuAs->trigger();
        form->FontSettingsM->trigger();
        const QWidget *front = form->centralWidget()->childAt(form->Frame1->geometry().center());
        QVERIFY(front == form->Frame1 || form->Frame1->isAncestorOf(front));
        form->CommandHide->click();
        QVERIFY(form->FrameFontOptions->isHidden());
        QCOMPARE(form->TextReturn->font().pointSizeF(), 12.0);
    }

    void restoreDefaultSettings_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("removable");
        QTest::newRow("No") << false << true;
        QTest::newRow("Yes") << true << true;
        QTest::newRow("Yes, but the store cannot be removed") << true << false;
    }
    void restoreDefaultSettings()
    {
        QFETCH(bool, yes);
        QFETCH(bool, removable);
        TestServices services;
        auto form = services.start();
        form->TextToAddress->setText(QStringLiteral("kept"));
        services.messages.answers = {yes};
        services.settings.refuseDelete = !removable;
        // Reactions that fire while a box is open store nothing after a wipe.
        services.messages.onShow = [&] { form->TextReturnOffX->setText(QStringLiteral("9")); };
        form->RestoreDefaultSettingsM->trigger();
        const bool wiped = yes && removable;
        QCOMPARE(services.settings.value(QStringLiteral("ToAddress")).has_value(), !wiped);
        QCOMPARE(services.messages.texts().contains(QStringLiteral("Please restart Quillon")), wiped);
        QCOMPARE(services.messages.texts().last().contains(QStringLiteral("could not be removed")), yes && !removable);
        QCOMPARE(services.app.quitCalls, wiped ? 1 : 0);
        // A refused wipe leaves the program running and storing.
        form->TextReturnOffX->setText(QStringLiteral("7"));
        QCOMPARE(services.settings.value(QStringLiteral("TextReturnOffX")) == QStringLiteral("7"), !wiped);
    }

    void textsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("German")
            << "de_DE"
            << QStringList{
                   "Quillon 2.1 - Von: Tarvik ",
                   "Drucken",
                   "&Datei",
                   "&Beenden",
                   "Einstellungen ausblenden",
                   "&Ja",
                   "Die Druckschriftgröße der Empfängeradresse ist leer. Geben Sie einen Wert in Punkt ein. Es wurde "
                   "nichts gedruckt.",
                   "Möchten Sie die Standardeinstellungen wirklich wiederherstellen?"};
        QTest::newRow("English")
            << "en_US"
            << QStringList{"Quillon 2.1 - By: Tarvik ",
                           "Print",
                           "&File",
                           "E&xit",
                           "Hide Settings",
                           "&Yes",
                           "To address print font size is empty. Enter a number of points. Nothing was printed.",
                           "Are you sure you want to restore the default settings?"};
    }
    void textsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        qDeleteAll(qApp->findChildren<QTranslator *>());
        const auto english = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
        QCOMPARE(installTranslations(*qApp, QLocale(locale)), locale == u"de_DE");
        TestServices services;
        services.messages.answers = {false};
        Form1 form(services.services());
        form.Form_Load();
        form.TextToAddressPrintFontSize->clear();
        form.CommandPrint_Click();
        form.RestoreDefaultSettingsM_Click();
        QCOMPARE((QStringList{form.windowTitle(), form.CommandPrint->text(), form.MFile->title(), form.ExitM->text(),
                              form.CommandHide->text(), QCoreApplication::translate("QPlatformTheme", "&Yes")}
                  + services.messages.texts()),
                 texts);
        // What is stored and read back as data is the same in every language.
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("[LINE BREAK]"));
        QVERIFY(form.ComboLine->findText(QStringLiteral("[TAB]")) >= 0);
    }

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
            TestServices services;
            FileSettingsBackend store(root.path(), kApp, kSection);
            services.settingsOnDisk = &store;
            auto form = services.start();
            QVERIFY(form->TextToAddress->text() == u"kept" && form->TextImport->text().isEmpty());
            QCOMPARE(services.messages.shown.size(), 1);
            QVERIFY(services.messages.shown.first().text.contains(QStringLiteral("textimport")));
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

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
