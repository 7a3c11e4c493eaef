// SPDX-License-Identifier: GPL-3.0-or-later
// The manual inside the program: how it is opened and closed, its links,
// its pages in every language, and the way to it when no browser starts.
#include "app/form1.h"
#include "app/manualwindow.h"
#include "datarow.h"
#include "fakes/testservices.h"
#include "platform/qt/desktopshell.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

// What every language's page must hold: the table of contents and the
// sections it links to, in this order.
const QStringList kSections = {"contents", "first-envelope", "envelope-setup", "calibrating", "book",
                               "importer", "contacts",       "print-all",      "files",       "shortcuts"};

QStringList matches(const QString &text, const QString &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

ManualWindow *openManual(Form1 &form)
{
    return form.findChild<ManualWindow *>();
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English)); }

    void everyLanguageHasEverySection_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("page");
        dataRow("English", "en_GB", ":/manual/quillon_en.html");
        dataRow("German", "de_AT", ":/manual/quillon_de.html");
        dataRow("French", "fr_CA", ":/manual/quillon_fr.html");
        dataRow("Spanish", "es_MX", ":/manual/quillon_es.html");
        dataRow("Italian", "it_IT", ":/manual/quillon_it.html");
        dataRow("a language without a page", "pt_BR", ":/manual/quillon_en.html");
    }
    void everyLanguageHasEverySection()
    {
        QFETCH(QString, locale);
        QFETCH(QString, page);
        QCOMPARE(ManualWindow::pageFor(QLocale(locale)), page);
        QFile file(page);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QCOMPARE(matches(html, QStringLiteral("<a name=\"([^\"]+)\">")), kSections);
        // The table of contents links each section, and no link leads nowhere.
        const QStringList links = matches(html, QStringLiteral("href=\"#([^\"]+)\""));
        QCOMPARE(QStringList(links.mid(0, kSections.size() - 1)), kSections.mid(1));
        for (const QString &link : links)
            QVERIFY2(kSections.contains(link), qPrintable(link));
    }

    void opensByKeyAndMenuAndEscapeCloses_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("F1") << true;
        QTest::newRow("Help > Quillon Manual") << false;
    }
    void opensByKeyAndMenuAndEscapeCloses()
    {
        QFETCH(bool, byKey);
        TestServices services;
        auto form = services.start();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(form->ManualM->text(), QStringLiteral("Quillon &Manual"));
        QVERIFY(form->MHelp->actions().contains(form->ManualM));
        if (byKey)
            QTest::keyClick(form.get(), Qt::Key_F1);
        else
            form->ManualM->trigger();
        ManualWindow *manual = openManual(*form);
        QVERIFY(manual && manual->isVisible());
        QCOMPARE(manual->windowTitle(), QStringLiteral("Quillon Manual"));
        // A second request raises the same window.
        form->ManualM->trigger();
        QCOMPARE(form->findChildren<ManualWindow *>().size(), 1);
        QVERIFY(QTest::qWaitForWindowActive(manual));
        const QPointer<ManualWindow> closing = manual;
        QTest::keyClick(manual->browser(), Qt::Key_Escape);
        QTRY_VERIFY(!closing || !closing->isVisible());
    }

    void linksLeadToTheirSections_data()
    {
        QTest::addColumn<int>("link");
        for (int link = 1; link < kSections.size(); ++link)
            QTest::newRow(qPrintable(kSections[link])) << link;
    }
    void linksLeadToTheirSections()
    {
        QFETCH(int, link);
        ManualWindow manual{QLocale(QLocale::German)};
        manual.show();
        QVERIFY(QTest::qWaitForWindowActive(&manual));
        QTextBrowser *browser = manual.browser();
        // Tab walks the links of the contents in order; Return follows one.
        for (int i = 0; i < link; ++i)
            QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QCOMPARE(browser->source().fragment(), kSections[link]);
        QVERIFY(browser->verticalScrollBar()->value() > 0);
        QCOMPARE(browser->source().path(), QStringLiteral("/manual/quillon_de.html"));
    }

    void withoutBrowserTheManualIsOffered_data()
    {
        QTest::addColumn<bool>("fileMenu");
        QTest::addColumn<bool>("browserStarts");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("File > Help, no browser, manual accepted") << true << false << true;
        QTest::newRow("Help > Help, no browser, manual accepted") << false << false << true;
        QTest::newRow("Help > Help, no browser, manual declined") << false << false << false;
        QTest::newRow("Help > Help, a browser") << false << true << true;
    }
    void withoutBrowserTheManualIsOffered()
    {
        QFETCH(bool, fileMenu);
        QFETCH(bool, browserStarts);
        QFETCH(bool, accepted);
        TestServices services;
        services.shell.starts = browserStarts;
        services.messages.answers = {accepted};
        auto form = services.start();
        (fileMenu ? form->HelpM : form->HelpMMMM)->trigger();
        QCOMPARE(services.shell.opened, QStringList{QStringLiteral("www.example.org")});
        QCOMPARE(services.messages.shown.size(), browserStarts ? 0 : 1);
        if (!browserStarts) {
            QCOMPARE(services.messages.shown[0].kind, FakeMessageBox::Shown::WarningQuestion);
            QVERIFY(services.messages.shown[0].text.contains(QStringLiteral("www.example.org")));
        }
        ManualWindow *manual = openManual(*form);
        QCOMPARE(manual != nullptr && manual->isVisible(), !browserStarts && accepted);
    }

    // The desktop's opener is asked, and its answer that it found no
    // browser (xdg-open's status 3) is heard.
    void desktopShellHearsTheOpener_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("failed");
        QTest::newRow("a browser started") << 0 << false;
        QTest::newRow("no browser") << 3 << true;
    }
    void desktopShellHearsTheOpener()
    {
        QFETCH(int, status);
        QFETCH(bool, failed);
        QTemporaryDir bin;
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        QVERIFY(opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"$0.url\"\nexit %1\n").arg(status).toUtf8())
                > 0);
        opener.close();
        QVERIFY(opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit() + ':' + path);
        bool heard = false;
        DesktopShell().openUrl(QStringLiteral("www.example.org"), [&heard] { heard = true; });
        qputenv("PATH", path);
        QTRY_VERIFY(QFile::exists(opener.fileName() + QStringLiteral(".url")));
        QTest::qWait(200);
        QTRY_COMPARE(heard, failed);
        QFile url(opener.fileName() + QStringLiteral(".url"));
        QVERIFY(url.open(QIODevice::ReadOnly));
        QCOMPARE(url.readAll().trimmed(), QByteArray("http://www.example.org"));
    }
};

QTEST_MAIN(TestManual)
#include "test_manual.moc"
