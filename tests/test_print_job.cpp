// SPDX-License-Identifier: GPL-3.0-or-later
// What a print job asks for (its media-col, and the user's own options
// around it) and what the print server's reports of it mean for the user.
#include "datarow.h"
#include "platform/printerfacts.h"

#include <QTest>

using Fate = JobFate;

class TestPrintJob : public QObject
{
    Q_OBJECT

private slots:
    // The size with its edges, the tray and the paper type in one
    // collection; what is not asked for is left out.
    void mediaCollection_data()
    {
        QTest::addColumn<bool>("sized");
        QTest::addColumn<bool>("edges");
        QTest::addColumn<QByteArray>("tray");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray dl = "media-size={x-dimension=11000 y-dimension=22000}";
        const QByteArray margins = " media-bottom-margin=4 media-left-margin=1 media-right-margin=3 media-top-margin=2";
        dataRow("printer's paper and choices: nothing", false, false, QByteArray(), QByteArray(), QByteArray());
        dataRow("listed size: with its edges", true, true, QByteArray(), QByteArray(), "{" + dl + margins + "}");
        QTest::newRow("unlisted size: no edges") << true << false << QByteArray() << QByteArray() << "{" + dl + "}";
        dataRow("size, tray and type", true, true, QByteArray("envelope-feeder"), QByteArray("envelope"),
                "{" + dl + margins + " media-source=envelope-feeder media-type=envelope}");
        dataRow("printer's paper, tray only", false, false, QByteArray("manual-env"), QByteArray(),
                QByteArray("{media-source=manual-env}"));
        dataRow("no keyword: left out, nothing breaks the collection", false, false, QByteArray("tray 1}"),
                QByteArray("a=b"), QByteArray());
    }
    void mediaCollection()
    {
        QFETCH(bool, sized);
        QFETCH(bool, edges);
        QFETCH(QByteArray, tray);
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, expected);
        std::optional<ListedMedia> media;
        if (sized)
            media = ListedMedia{"iso_dl_110x220mm", QSize(11000, 22000),
                                edges ? std::optional(QMargins(1, 2, 3, 4)) : std::nullopt};
        QCOMPARE(mediaCol(media, tray, type), expected);
    }

    // The user's own options go with the job unless the envelope set-up
    // asks for the same thing, which then wins; the set-up asking for
    // nothing leaves every one of them.
    void usersOptions_data()
    {
        QTest::addColumn<QByteArray>("mediaCol");
        QTest::addColumn<QByteArrayList>("kept"); // the option names, in order
        dataRow("nothing asked: all the user's", QByteArray(),
                QByteArrayList{"media", "InputSlot", "mediatype", "PageSize", "copies", "media-source"});
        dataRow("a size: the user's size options go", QByteArray("{media-size={x-dimension=1 y-dimension=2}}"),
                QByteArrayList{"InputSlot", "mediatype", "copies", "media-source", "media-col"});
        dataRow("a tray: the user's tray goes, the size stays", QByteArray("{media-source=envelope-feeder}"),
                QByteArrayList{"media", "mediatype", "PageSize", "copies", "media-col"});
        dataRow("a size named: the name goes too", QByteArray("{media-size={x-dimension=1 y-dimension=2}}"),
                QByteArrayList{"InputSlot", "mediatype", "copies", "media-source", "media-col", "media"});
        dataRow("a type, any case of its PPD name", QByteArray("{media-type=envelope}"),
                QByteArrayList{"media", "InputSlot", "PageSize", "copies", "media-source", "media-col"});
    }
    void usersOptions()
    {
        QFETCH(QByteArray, mediaCol);
        QFETCH(QByteArrayList, kept);
        const JobOptions users{{"media", "iso_a4_210x297mm"},
                               {"InputSlot", "Tray2"},
                               {"mediatype", "Plain"},
                               {"PageSize", "A4"},
                               {"copies", "1"},
                               {"media-source", "tray-2"}};
        const bool named = QByteArray(QTest::currentDataTag()).contains("named");
        const JobOptions options = jobOptions(users, mediaCol, named ? "iso_dl_110x220mm" : "");
        QByteArrayList names;
        for (const auto &option : options)
            names << option.first;
        QCOMPARE(names, kept);
        if (named)
            QCOMPARE(options.last().second, "iso_dl_110x220mm");
        else if (!mediaCol.isEmpty())
            QCOMPARE(options.last().second, mediaCol);
    }

    // Which reports are trouble for the user, and with whose words.
    void judge_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("printerState");
        QTest::addColumn<bool>("wasPaused");
        QTest::addColumn<QString>("jobMessage");
        QTest::addColumn<QString>("printerMessage");
        QTest::addColumn<int>("fate");
        QTest::addColumn<QString>("what");   // part of it
        QTest::addColumn<QString>("reason"); // the whole of it
        const auto row = [](const char *name, int state, int printer, bool paused, const char *job,
                            const char *printerText, Fate fate, const char *what, const char *reason) {
            dataRow(name, state, printer, paused, QString(job), QString(printerText), int(fate), QString(what),
                    QString(reason));
        };
        row("pending", 3, 3, false, "", "", Fate::Going, "", "");
        row("printing", 5, 4, false, "", "", Fate::Going, "", "");
        row("completed", 9, 3, false, "", "", Fate::Done, "", "");
        row("cancelled by the user", 7, 3, false, "", "", Fate::Done, "", "");
        row("aborted: the job's own words first", 8, 3, false, "Filter failed", "Ready", Fate::Trouble, "gave",
            "Filter failed");
        row("stopped: the printer's words when the job has none", 6, 5, false, " ", "Out of paper", Fate::Trouble,
            "stopped while printing", "Out of paper");
        row("held: printer cannot print with supplied options", 4, 3, false,
            "Printer cannot print with supplied options.", "", Fate::Trouble, "holds",
            "Printer cannot print with supplied options.");
        row("waiting on a printer stopped since", 3, 5, false, "", "Paper jam", Fate::Trouble, "waits", "Paper jam");
        row("waiting on a printer paused before: the user was told", 3, 5, true, "", "Paused", Fate::Going, "", "");
    }
    void judge()
    {
        QFETCH(int, state);
        QFETCH(int, printerState);
        QFETCH(bool, wasPaused);
        QFETCH(QString, jobMessage);
        QFETCH(QString, printerMessage);
        QFETCH(int, fate);
        QFETCH(QString, what);
        QFETCH(QString, reason);
        JobReport report;
        report.state = state;
        report.printerState = printerState;
        report.printerWasPaused = wasPaused;
        report.jobMessage = jobMessage;
        report.printerMessage = printerMessage;
        report.reasons = {"job-printing"};
        auto [judged, trouble] = judgeJob(report);
        QCOMPARE(int(judged), fate);
        trouble.job = 12;
        trouble.queue = "Office";
        if (fate != int(Fate::Trouble))
            return;
        QVERIFY2(trouble.what.contains(what), qPrintable(trouble.what));
        QCOMPARE(trouble.reason, reason);
        QVERIFY(!trouble.advice.isEmpty());
        // Told with the envelope and the printer named, the reason and what to do.
        const QString text = jobTroubleText(trouble, "Charlie");
        QVERIFY2(text.startsWith("The envelope for \"Charlie\" has not printed on the printer \"Office\".")
                     && text.contains(trouble.what) && text.contains(trouble.advice)
                     && text.contains("\"Office\" says: " + reason),
                 qPrintable(text));
    }
};

QTEST_APPLESS_MAIN(TestPrintJob)
#include "test_print_job.moc"
