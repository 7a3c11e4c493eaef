// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the persisted fields, the display fonts and Restore Default
// Settings, driven through the window.
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "fakes/testservices.h"
#include "platform/filesettingsbackend.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<Form1> started(TestServices &services)
{
    auto form = std::make_unique<Form1>(services.services());
    form->Form_Load();
    return form;
}

QStringList items(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

} // namespace

class TestForm1Settings : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaults()
    {
        TestServices services;
        auto form = started(services);
        QCOMPARE(form->TextReturn->text(), QString());
        QCOMPARE(form->TextToAddress->text(), QString());
        QCOMPARE(form->TextImport->text(), QString());
        QCOMPARE(form->TextReturnOffX->text(), QStringLiteral(".2"));
        QCOMPARE(form->TextReturnOffY->text(), QStringLiteral(".5"));
        QCOMPARE(form->TextAddressToOffX->text(), QStringLiteral("4"));
        QCOMPARE(form->TextAddressToOffY->text(), QStringLiteral("4"));
        QCOMPARE(form->ComboLine->text(), QStringLiteral("[TAB]"));
        QCOMPARE(form->ComboAddress->text(), QStringLiteral("[LINE BREAK]"));
        for (QLineEdit *face : {form->TextReturnDisplayFontType, form->TextReturnPrintFonttype,
                                form->TextToAddressDisplayType, form->TextToAddressPrintFontType})
            QCOMPARE(face->text(), QStringLiteral("Verdana"));
        for (QLineEdit *size : {form->TextReturnDisplayFontSite, form->TextReturnPrintFontSize,
                                form->TextToAddressDisplaySize, form->TextToAddressPrintFontSize})
            QCOMPARE(size->text(), QStringLiteral("12"));
        QCOMPARE(form->TextReturn->font().pointSizeF(), 12.0);
        QCOMPARE(form->TextToAddress->font().family(), QStringLiteral("Verdana"));
        QVERIFY(form->FrameFontOptions->isHidden());
        QVERIFY(form->Frame1->isHidden());
        // Start-up's own assignments store what they assign.
        QCOMPARE(services.settings.value(QStringLiteral("TextReturnOffY")), QStringLiteral(".5"));
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("[LINE BREAK]"));
        QVERIFY(services.messages.shown.isEmpty());
    }

    void comboListsAreFixedAndKeepTheStoredText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("address");
        QTest::newRow("list items") << "-Other-" << "[BLANK LINE]";
        QTest::newRow("typed texts") << "; " << "-";
        QTest::newRow("empty") << "" << "";
    }

    void comboListsAreFixedAndKeepTheStoredText()
    {
        QFETCH(QString, line);
        QFETCH(QString, address);
        TestServices services;
        services.settings.write(QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection),
                                QStringLiteral("ComboLine"), line);
        services.settings.write(QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection),
                                QStringLiteral("ComboAddress"), address);
        auto form = started(services);
        QCOMPARE(form->ComboLine->text(), line);
        QCOMPARE(form->ComboAddress->text(), address);
        QCOMPARE(items(form->ComboAddress),
                 (QStringList{",", "-Other-", "[BLANK LINE]", "[LINE BREAK]", "[TAB]", "|"}));
        QCOMPARE(items(form->ComboLine), (QStringList{",", "-Other-", "[LINE BREAK]", "[TAB]", "|"}));
        QCOMPARE(services.settings.value(QStringLiteral("comboline")), line);
        QCOMPARE(form->ComboLine->insertPolicy(), QComboBox::NoInsert);
        QVERIFY(!form->ComboLine->completer());
    }

    void typingStoresEveryValueAndTheNextStartRestoresIt()
    {
        TestServices services;
        {
            auto form = started(services);
            form->TextReturnOffY->clear();
            services.settings.writes.clear();
            QTest::keyClicks(form->TextReturnOffY, QStringLiteral("1.25"));
            QCOMPARE(services.settings.writes,
                     (QStringList{"TextReturnOffY=1", "TextReturnOffY=1.", "TextReturnOffY=1.2",
                                  "TextReturnOffY=1.25"}));

            form->TextReturn->setFocus();
            QTest::keyClicks(form->TextReturn, QStringLiteral("A"));
            QTest::keyClick(form->TextReturn, Qt::Key_Return);
            QTest::keyClick(form->TextReturn, Qt::Key_Return);
            QTest::keyClicks(form->TextReturn, QStringLiteral("B"));
            QCOMPARE(form->TextReturn->text(), QStringLiteral("A\r\n\r\nB"));

            form->ComboAddress->setFocus();
            form->ComboAddress->setCurrentIndex(form->ComboAddress->findText(QStringLiteral("|")));
            emit form->ComboAddress->activated(form->ComboAddress->currentIndex());
            QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("|"));
        }
        auto next = started(services);
        QCOMPARE(next->TextReturnOffY->text(), QStringLiteral("1.25"));
        QCOMPARE(next->TextReturn->text(), QStringLiteral("A\r\n\r\nB"));
        QCOMPARE(next->ComboAddress->text(), QStringLiteral("|"));
    }

    void assignedTextStaysExactUntilEdited()
    {
        TestServices services;
        auto form = started(services);
        const QString assigned = QStringLiteral("one\rtwo\nthree\r\n");
        form->TextToAddress->setText(assigned);
        QCOMPARE(form->TextToAddress->text(), assigned);
        QCOMPARE(services.settings.value(QStringLiteral("ToAddress")), assigned);
        form->TextToAddress->setFocus();
        form->TextToAddress->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->TextToAddress, QStringLiteral("x"));
        QVERIFY(!form->TextToAddress->text().contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n"))));
        QVERIFY(form->TextToAddress->text().endsWith(QStringLiteral("three\r\nx")));
    }

    void displayFontsFollowTheirFields()
    {
        TestServices services;
        auto form = started(services);
        form->TextReturnDisplayFontSite->clear();
        QTest::keyClicks(form->TextReturnDisplayFontSite, QStringLiteral("14"));
        QCOMPARE(form->TextReturn->font().pointSizeF(), 14.0);
        for (const char *bad : {"", "abc", "0", "inf", "1e30"}) {
            form->TextReturnDisplayFontSite->setText(QString::fromLatin1(bad));
            QCOMPARE(form->TextReturn->font().pointSizeF(), 14.0);
            QCOMPARE(services.settings.value(QStringLiteral("TextReturnDisplayFontSite")), QString::fromLatin1(bad));
        }
        form->TextToAddressDisplayType->setText(QStringLiteral("DejaVu Serif"));
        QCOMPARE(form->TextToAddress->font().family(), QStringLiteral("DejaVu Serif"));
        // Print fields change nothing on screen.
        const QFont before = form->TextToAddress->font();
        form->TextToAddressPrintFontSize->setText(QStringLiteral("30"));
        QCOMPARE(form->TextToAddress->font(), before);

        form->CommandDefaultSettings->click();
        QCOMPARE(form->TextReturn->font().pointSizeF(), 12.0);
        QCOMPARE(form->TextToAddress->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(services.settings.value(QStringLiteral("TextToAddressPrintFontSize")), QStringLiteral("12"));
        QCOMPARE(services.settings.value(QStringLiteral("TextReturnDisplayFontSite")), QStringLiteral("12"));

        // Hiding and showing the panel leaves every font alone.
        const QFont shown = form->TextReturn->font();
        form->FontSettingsM->trigger();
        QVERIFY(form->FrameFontOptions->isVisibleTo(form.get()));
        form->CommandHide->click();
        QVERIFY(form->FrameFontOptions->isHidden());
        QCOMPARE(form->TextReturn->font(), shown);
        QCOMPARE(form->TextReturnDisplayFontSite->text(), QStringLiteral("12"));
    }

    void restoreDefaultSettings()
    {
        TestServices services;
        auto form = started(services);
        form->TextToAddress->setText(QStringLiteral("kept"));

        services.messages.answers = {false};
        form->RestoreDefaultSettingsM->trigger();
        QCOMPARE(services.settings.value(QStringLiteral("ToAddress")), QStringLiteral("kept"));
        QCOMPARE(services.app.quitCalls, 0);

        // Reactions that fire while the notice is open store nothing.
        services.messages.answers = {true};
        services.messages.onShow = [&] { form->TextReturnOffX->setText(QStringLiteral("9")); };
        form->RestoreDefaultSettingsM->trigger();
        QCOMPARE(services.settings.deleteAllCalls, 1);
        QVERIFY(!services.settings.value(QStringLiteral("ToAddress")));
        QVERIFY(!services.settings.value(QStringLiteral("TextReturnOffX")));
        QCOMPARE(services.messages.texts().last(), QStringLiteral("Please restart Quillon"));
        QCOMPARE(services.app.quitCalls, 1);
        QVERIFY(form->ending());
    }

    void failingStoreIsReportedOnce()
    {
        TestServices services;
        services.settings.refuseWrites = true;
        auto form = started(services);
        QTest::keyClicks(form->TextReturnOffX, QStringLiteral("123"));
        QCOMPARE(services.messages.shown.size(), 1);
        QCOMPARE(services.messages.shown.first().kind, FakeMessageBox::Shown::Warning);
        QCOMPARE(form->TextReturnOffX->text(), QStringLiteral(".2123"));
    }

    void damagedStoreFileStartsWithTheDefaults()
    {
        QTemporaryDir root;
        const QString app = QString::fromLatin1(kSettingsApplication);
        {
            FileSettingsBackend store(root.path(), app);
            QVERIFY(store.write(app, QStringLiteral("Settings"), QStringLiteral("TextReturnOffY"), QStringLiteral("7")));
        }
        QFile damaged(root.path() + u'/' + app + QStringLiteral("/Settings/textreturnoffy"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("garbage");
        damaged.close();

        TestServices services;
        FileSettingsBackend store(root.path(), app);
        services.settingsOnDisk = &store;
        Form1 form(services.services());
        form.Form_Load();
        QCOMPARE(form.TextReturnOffY->text(), QStringLiteral(".5"));
        QCOMPARE(services.messages.shown.size(), 1);
        QVERIFY(services.messages.shown.first().text.contains(QStringLiteral("default settings")));
        // The defaults were stored afresh, beside the damaged store.
        QCOMPARE(store.read(app, QStringLiteral("Settings"), QStringLiteral("TextReturnOffy")), QStringLiteral(".5"));
    }
};

QTEST_MAIN(TestForm1Settings)
#include "test_form1_settings.moc"
