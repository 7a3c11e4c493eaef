// SPDX-License-Identifier: GPL-3.0-or-later
// The window's settings: start-up, stored fields, display fonts and Restore
// Default Settings.
#include "addressbook/addresstext.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "datarow.h"
#include "fakes/testservices.h"
#include "settings/settingkeys.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace {

QString textOf(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    return qobject_cast<const AddressTextBox *>(field)->text();
}

} // namespace

class TestForm1Settings : public QObject
{
    Q_OBJECT

private slots:
private slots:
    // A stored text comes back exactly, whatever its length, and start-up
    // stores it back unchanged; an empty store gives the defaults, and a
    // text its field cannot lay out is set aside whole. The delimiter lists
    // are fixed whatever the store held.
    void startShowsTheStoredTexts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("key"); // empty: nothing stored
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown"); // null: the value
        const QString line = QStringLiteral("Tony Doe\tGreat Street\tCityName, CA 97777\r\n");
        dataRow("empty store, offset", "TextReturnOffY", "", ".5", QString());
        dataRow("list item", "ComboLine", "ComboLine", "-Other-", QString());
        dataRow("typed delimiter", "ComboAddress", "ComboAddress", "; ", QString());
        dataRow("40,000 characters, one-line box", "TextLineD", "TextLineD", QString(40000, u'x'), QString());
        dataRow("40,000 characters, combo", "ComboAddress", "ComboAddress", QString(40000, u'y'), QString());
        dataRow("empty middle line", "TextReturn", "ReturnAddress", "A\r\n\r\nB", QString());
        dataRow("3 MB return address, on screen piece by piece, its font set meanwhile", "TextReturn", "ReturnAddress",
                line.repeated(70000), QString());
        dataRow("70,000 characters, offset box", "TextReturnOffX", "TextReturnOffX", QString(70000, u'1'), ".2");
    }
    void startShowsTheStoredTexts()
    {
        QFETCH(QString, field);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        TestServices services;
        if (!key.isEmpty())
            services.settings.write(key, value);
        auto form = services.start();
        QWidget *box = form->findChild<QWidget *>(field);
        QCOMPARE(textOf(box), shown.isNull() ? value : shown);
        QCOMPARE(services.settings.value(key.isEmpty() ? field : key), shown.isNull() ? value : shown);
        QCOMPARE(services.settings.setAsideValues.value(key.toLower()), shown.isNull() ? QString() : value);
        if (auto *text = qobject_cast<AddressTextBox *>(box)) {
            QVERIFY(text->isReadOnly() == text->filling());
            form->TextReturnDisplayFontSite->setText(QStringLiteral("20")); // a format change, no edit
            QTRY_VERIFY(!text->filling() && !text->isReadOnly());
            QCOMPARE(text->toPlainText(), withLfLineBreaks(value));
            QCOMPARE(text->text(), value);
        }
        QVERIFY(form->ComboAddress->count() == 6 && form->ComboLine->count() == 5); // nothing stored joins them
        QVERIFY(form->FrameFontOptions->isHidden() && form->Frame1->isHidden());
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
};

QTEST_MAIN(TestForm1Settings)
#include "test_form1_settings.moc"
