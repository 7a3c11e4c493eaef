// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogues as main() installs them: German texts for a German locale,
// the program's own English texts for any other, and stored values alike.
#include "app/form1.h"
#include "app/sortedcombobox.h"
#include "app/translations.h"
#include "fakes/testservices.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void textsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts");
        const QStringList english = {
            "Quillon 2.1 - By: Tarvik ", "Print", "&File", "E&xit", "Hide Settings", "&Yes",
            "To address print font size is empty. Enter a number of points. Nothing was printed.",
            "Are you sure you want to restore the default settings?"};
        QTest::newRow("German") << "de_DE" << QStringList{
            "Quillon 2.1 - Von: Tarvik ", "Drucken", "&Datei", "&Beenden", "Einstellungen ausblenden", "&Ja",
            "Die Druckschriftgröße der Empfängeradresse ist leer. Geben Sie einen Wert in Punkt ein. Es wurde "
            "nichts gedruckt.", "Möchten Sie die Standardeinstellungen wirklich wiederherstellen?"};
        QTest::newRow("English") << "en_US" << english;
        QTest::newRow("C") << "C" << english;
    }

    void textsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        qDeleteAll(qApp->findChildren<QTranslator *>());
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
                  + services.messages.texts()), texts);
        // What is stored and read back as data is the same in every language.
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("[LINE BREAK]"));
        QVERIFY(form.ComboLine->findText(QStringLiteral("[TAB]")) >= 0);
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
