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
#include <QSemaphore>
#include <QTest>

#include <atomic>

namespace {

QString textOf(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    return qobject_cast<const AddressTextBox *>(field)->text();
}

// One edit of a text box, as its user makes it.
void edit(AddressTextBox *box, const QString &step)
{
    const QString argument = step.section(u':', 1);
    QTextCursor cursor = box->textCursor();
    if (step == u"end" || step == u"start")
        cursor.movePosition(step == u"end" ? QTextCursor::End : QTextCursor::Start);
    else if (step == u"middle")
        cursor.setPosition(box->document()->characterCount() / 2);
    else if (step.startsWith(u"select:")) // a range from the start; past the end is cut to it
        for (int i = 0; i < 2; ++i)
            cursor.setPosition(std::min(argument.section(u'-', i, i).toInt(), box->document()->characterCount() - 1),
                               i == 0 ? QTextCursor::MoveAnchor : QTextCursor::KeepAnchor);
    else if (step.startsWith(u"type:"))
        QTest::keyClicks(box, argument);
    else if (step.startsWith(u"paste:"))
        box->insertPlainText(argument);
    else if (step == u"undo" || step == u"redo")
        step == u"undo" ? box->undo() : box->redo();
    else
        QTest::keyClick(box, Qt::Key(QKeySequence::fromString(step)[0].key()),
                        QKeySequence::fromString(step)[0].keyboardModifiers());
    if (step == u"end" || step == u"start" || step == u"middle" || step.startsWith(u"select:"))
        box->setTextCursor(cursor);
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

    // Each edit goes into the text kept, which stays the typed text of what
    // the box holds, wherever the edit falls and whatever was assigned.
    void everyEditKeepsTheTypedText_data()
    {
        QTest::addColumn<QString>("assigned");
        const QString line = QStringLiteral("Tony Doe|Great Street|CityName\r\n");
        dataRow("lines with CR LF", "ab\r\ncd\r\nef");
        dataRow("a lone CR and LF", "ab\rcd\nef\r");
        dataRow("a no-break space", "a\u00a0b\r\nc");
        dataRow("empty", "");
        dataRow("a pasted list, written off the window's thread", line.repeated(8000));
    }
    void everyEditKeepsTheTypedText()
    {
        QFETCH(QString, assigned);
        TestServices services;
        auto form = services.start();
        AddressTextBox *box = form->TextImport;
        box->setText(assigned);
        QTRY_VERIFY(!box->filling());
        QCOMPARE(box->text(), assigned);
        const QString steps = QStringLiteral("type:ab end Return type:c select:3-3 Backspace Backspace Del middle "
                                             "type:m Shift+Return type:\u00a0n select:2-9 type:Z "
                                             "paste:one\ntwo\r\nthree\u2029four undo undo redo start type:q end "
                                             "Backspace Backspace select:0-999999 Del undo");
        for (const QString &step : steps.split(u' ')) {
            edit(box, step);
            QCOMPARE(box->text(), typedText(box->toPlainText()));
        }
        // Only CR LF breaks and plain spaces, however they were typed.
        QVERIFY(!box->text().contains(QRegularExpression(QStringLiteral("\r(?!\n)|(?<!\r)\n|[\u00a0\u2028\u2029]"))));
        QTRY_COMPARE(services.settings.value(QStringLiteral("TextImport")), box->text());
    }

    // A large text's write is taken off the keystroke, the newest one wins,
    // and however the program ends it waits for the write: the last text
    // typed is stored, or the user hears that it is not.
    void lastTextTypedIsStoredAtTheEnd_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("fails"); // empty: the writes succeed
        dataRow("window closed", "close", "");
        dataRow("Exit", "exit", "");
        dataRow("window gone without closing", "destroy", "");
        dataRow("cleared, then closed", "clear", "");
        dataRow("the write fails, told while the window runs", "close", "told first");
        dataRow("the write fails, window closed at once", "close", "closed first");
    }
    void lastTextTypedIsStoredAtTheEnd()
    {
        QFETCH(QString, end);
        QFETCH(QString, fails);
        TestServices services;
        auto form = services.start();
        QSemaphore slowDisk;
        std::atomic<int> writes = 0;
        services.settings.beforeWrite = [&](const QString &key) {
            if (key == u"TextImport" && ++writes)
                slowDisk.tryAcquire(1, 5000);
        };
        services.settings.refuseWrites = !fails.isEmpty();
        form->TextImport->setText(QStringLiteral("line\r\n").repeated(kDeferredFrom / 6 + 1));
        form->TextImport->moveCursor(QTextCursor::End);
        QTest::keyClicks(form->TextImport, QStringLiteral("xyz"));
        QString last = form->TextImport->text();
        QVERIFY(services.settings.value(QStringLiteral("TextImport")) != last); // the keys did not wait for the disk
        if (end == u"clear")
            form->CommandClearImport->click(), last.clear();
        slowDisk.release(10);
        if (fails == u"told first")
            QTRY_COMPARE(services.messages.shown.size(), 1);
        if (end == u"exit")
            form->ExitM->trigger();
        else if (end == u"destroy")
            form.reset();
        else
            form->close();
        QCOMPARE(services.settings.value(QStringLiteral("TextImport")), fails.isEmpty() ? last : QString());
        QVERIFY(writes <= 2); // the one under way, then the newest
        QCOMPARE(services.messages.shown.size(), fails.isEmpty() ? 0 : 1);
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
