// SPDX-License-Identifier: GPL-3.0-or-later
// The envelope set-up's core, without a window: how the envelope is fed,
// every printer's stored set-up, where "Place the To Address" puts the
// block, the preview's heading and the test envelope's note.
#include "printing/addressplace.h"
#include "printing/feeddirection.h"
#include "printing/printersetups.h"
#include "printing/setupheading.h"
#include "printing/testenvelope.h"
#include "printing/units.h"

#include <QTest>

namespace {

using Corner = FeedCorner;

std::optional<LandscapeTurn> turnOf(int turn) // 0 clockwise, 1 counter-clockwise, -1 not said
{
    return turn < 0 ? std::nullopt : std::optional(LandscapeTurn(turn));
}

} // namespace

class TestPrintingSetup : public QObject
{
    Q_OBJECT

private slots:
    // Every turn × 180° × face: the end that leads, the side up, and where
    // the stamp and the return address lie as the picture shows them.
    void feed_data()
    {
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("turned");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("returnEndLeads");
        QTest::addColumn<Corner>("stamp");
        QTest::addColumn<Corner>("returnAddress");
        QTest::addColumn<QString>("says");
        const auto TL = Corner::TopLeft, TR = Corner::TopRight, BL = Corner::BottomLeft, BR = Corner::BottomRight;
        QTest::newRow("clockwise, face up")
            << 0 << false << false << true << BR << TR
            << "the return address end leading. The side to be addressed faces up. This printer turns the page a "
               "quarter turn clockwise.";
        QTest::newRow("clockwise, face down") << 0 << false << true << true << BL << TL << "faces down";
        QTest::newRow("clockwise, turned, face up") << 0 << true << false << false << TL << BL << "the stamp end";
        QTest::newRow("clockwise, turned, face down") << 0 << true << true << false << TR << BR << "faces down";
        QTest::newRow("counter-clockwise, face up")
            << 1 << false << false << false << TL << BL
            << "the stamp end leading. The side to be addressed faces up. This printer turns the page a quarter "
               "turn counter-clockwise.";
        QTest::newRow("counter-clockwise, face down") << 1 << false << true << false << TR << BR << "stamp end";
        QTest::newRow("counter-clockwise, turned, face up")
            << 1 << true << false << true << BR << TR << "the return address end leading";
        QTest::newRow("counter-clockwise, turned, face down") << 1 << true << true << true << BL << TL << "faces down";
        QTest::newRow("not said: as clockwise, face up") << -1 << false << false << true << BR << TR
                                                         << "return address end leading. The side to be addressed "
                                                            "faces up. This printer does not say";
        QTest::newRow("not said, turned, face down") << -1 << true << true << false << TR << BR << "does not say";
    }
    void feed()
    {
        QFETCH(int, turn);
        QFETCH(bool, turned);
        QFETCH(bool, down);
        QFETCH(bool, returnEndLeads);
        QFETCH(Corner, stamp);
        QFETCH(Corner, returnAddress);
        QFETCH(QString, says);
        const FeedLayout feed = feedLayout(turnOf(turn), turned, down ? EnvelopeFace::Down : EnvelopeFace::Up);
        QCOMPARE(feed, (FeedLayout{returnEndLeads, !down, stamp, returnAddress, turn < 0}));
        const QString words = feedDirection(feed, turnOf(turn));
        QVERIFY2(words.contains(says), qPrintable(words));
    }

    // Every printer's set-up in one stored value: odd queue names and texts
    // come back as they were; a damaged line is set aside, kept, unused.
    // The face is written, as version 2, only for face down.
    void printerSetups_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("unreadable");
        QTest::addColumn<bool>("faceDown"); // of Office's
        const QString office = "1\tOffice\tDL\t220\t110\t5\t-2\t1\tmanual\tenvelope";
        QTest::newRow("one printer") << office + "\n" << 1 << 0 << false;
        QTest::newRow("face down") << "2" + office.sliced(1) + "\tdown\n" << 1 << 0 << true;
        QTest::newRow("the system default's, empty fields") << "1\t\tC5\t\t\t\t\t0\t\t\n" << 1 << 0 << false;
        QTest::newRow("damaged lines") << office
                + "\n1\tx\n3\tLater\tDL\t\t\t\t\t0\t\t\n1\t%zz\tDL\t\t\t\t\t0\t\t\n"
                  "1\tA\tDL\t\t\t\t\tyes\t\t\n1\t%FF\tDL\t\t\t\t\t0\t\t\n2\tB\tDL\t\t\t\t\t0\t\t\tsideways\n"
                  "2\tC\tDL\t\t\t\t\t0\t\t\n1\tD\tDL\t\t\t\t\t0\t\t\tdown\n"
                                       << 1 << 8 << false;
        QTest::newRow("nothing stored") << "" << 0 << 0 << false;
    }
    void printerSetups()
    {
        QFETCH(QString, stored);
        QFETCH(int, read);
        QFETCH(int, unreadable);
        QFETCH(bool, faceDown);
        PrinterSetups setups = readPrinterSetups(stored);
        QCOMPARE(setups.byPrinter.size(), read);
        QCOMPARE(setups.unreadable.size(), unreadable);
        QCOMPARE(writePrinterSetups(setups), stored);
        if (read == 1 && setups.byPrinter.contains("Office")) {
            const EnvelopeSetup office = setups.byPrinter["Office"];
            QCOMPARE(office,
                     (EnvelopeSetup{"DL", "220", "110", "5", "-2", true, "Office", "manual", "envelope",
                                    faceDown ? EnvelopeFace::Down : EnvelopeFace::Up}));
        }
        // Any queue name and any text round trips, on a line of its own.
        const QString odd = "Büro\t2\n%41 \r/\"é\u00a0";
        for (EnvelopeFace face : {EnvelopeFace::Up, EnvelopeFace::Down}) {
            setups.byPrinter.insert(odd, {odd, odd, odd, odd, odd, false, odd, odd, odd, face});
            const QString written = writePrinterSetups(setups);
            QCOMPARE(written.count(u'\n'), read + unreadable + 1);
            QCOMPARE(readPrinterSetups(written), setups);
        }
        // A face up written as version 2 by a later copy reads as face up.
        QCOMPARE(readPrinterSetups("2\tE\tDL\t\t\t\t\t0\t\t\tup\n").byPrinter["E"].face, EnvelopeFace::Up);
    }

    // The fields each printer keeps, as the settings store keeps them.
    void perPrinter()
    {
        EnvelopeSetup setup{"C5", "1", "2", "3", "4", true, "Office", "manual", "envelope", EnvelopeFace::Down};
        QStringList texts;
        for (const auto &[setting, text] : perPrinterFields(setup)) {
            QVERIFY(keptPerPrinter(setting));
            texts << QString::fromLatin1(settingKey(setting).key) + u'=' + text;
        }
        QCOMPARE(texts.join(u' '),
                 "EnvelopeSize=C5 EnvelopeWidthMM=1 EnvelopeHeightMM=2 ShiftXMM=3 ShiftYMM=4 Rotate180=1 "
                 "EnvelopeTray=manual EnvelopePaperType=envelope EnvelopeFace=down");
        QVERIFY(!keptPerPrinter(Setting::EnvelopePrinter) && !keptPerPrinter(Setting::PrintAllOneJob));
        QCOMPARE(faceOf(u"sideways"), EnvelopeFace::Up);
    }

    // The To Address block's start in the address zone, kept inside the
    // printable area; offsets in centimetres from its corner.
    void toAddress_data()
    {
        QTest::addColumn<QSizeF>("pageMM");
        QTest::addColumn<QMarginsF>("edgesMM");
        QTest::addColumn<QSizeF>("blockMM");
        QTest::addColumn<QPointF>("offsetCM");
        // DL: 45% of 220 is 99, half of 110 and 5 below is 60.
        QTest::newRow("DL, no edges") << QSizeF(220, 110) << QMarginsF() << QSizeF(60, 20) << QPointF(9.9, 6);
        QTest::newRow("DL, edges counted from")
            << QSizeF(220, 110) << QMarginsF(4, 3, 4, 3) << QSizeF(60, 20) << QPointF(9.5, 5.7);
        QTest::newRow("wide block: moved left")
            << QSizeF(220, 110) << QMarginsF(0, 0, 10, 0) << QSizeF(150, 20) << QPointF(6, 6);
        QTest::newRow("tall block: moved up")
            << QSizeF(162, 114) << QMarginsF(0, 0, 0, 14) << QSizeF(40, 50) << QPointF(7.29, 5);
        QTest::newRow("larger than the area: its corner")
            << QSizeF(162, 114) << QMarginsF(5, 6, 5, 6) << QSizeF(400, 400) << QPointF(0, 0);
    }
    void toAddress()
    {
        QFETCH(QSizeF, pageMM);
        QFETCH(QMarginsF, edgesMM);
        QFETCH(QSizeF, blockMM);
        QFETCH(QPointF, offsetCM);
        const QRectF page(QPointF(), pageMM * kPointsPerMillimetre);
        const QRectF printable = page.marginsRemoved(edgesMM * kPointsPerMillimetre);
        const QPointF offset = toAddressPlace(page, printable, blockMM * kPointsPerMillimetre);
        QVERIFY2(std::abs(offset.x() - offsetCM.x()) < 0.006 && std::abs(offset.y() - offsetCM.y()) < 0.006,
                 qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    // The preview names the printer, tray and size it shows.
    void heading_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QString>("tray");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("says");
        QTest::newRow("the default, its choice") << ""
                                                 << ""
                                                 << "Printer paper"
                                                 << "Printer: Hall (system default) · Tray: printer's choice · Size: "
                                                    "Printer paper, 297 × 210 mm";
        QTest::newRow("chosen, a tray it names") << "Office"
                                                 << "manual"
                                                 << "DL"
                                                 << "Printer: Office · Tray: Manual feed · Size: DL (110 × 220 mm)";
        QTest::newRow("a tray it does not list") << "Office"
                                                 << "rear"
                                                 << "C5"
                                                 << "Tray: rear · Size: C5";
    }
    void heading()
    {
        QFETCH(QString, printer);
        QFETCH(QString, tray);
        QFETCH(QString, size);
        QFETCH(QString, says);
        EnvelopeSetup setup;
        setup.printer = printer;
        setup.tray = tray;
        setup.size = size;
        const PrinterDescription description{"Hall", {}, {}, {{"manual", "Manual feed"}}, {}};
        const QString text = setupHeading(setup, description, QSizeF(297, 210));
        QVERIFY2(text.contains(says), qPrintable(text));
    }

    // The test envelope says which face the set-up takes, near its bottom
    // left, a line below the other, after the scale's numbers.
    void testEnvelopeNote()
    {
        const QSizeF printable(600, 300);
        for (EnvelopeFace face : {EnvelopeFace::Up, EnvelopeFace::Down}) {
            const QStringList note = faceCheck(face);
            QCOMPARE(note.size(), 2);
            QVERIFY(note[0].contains(face == EnvelopeFace::Up ? "face up" : "face down"));
            QVERIFY(note[1].contains(face == EnvelopeFace::Up ? "\"Envelopes go in face down\""
                                                              : "\"Envelopes go in face up\""));
            const PageMarks marks = testEnvelopeMarks(printable, {}, note);
            const auto first = marks.labels[marks.labels.size() - 2], second = marks.labels.last();
            QCOMPARE(first.text, note[0]);
            QCOMPARE(second.text, note[1]);
            QVERIFY(first.topLeft.y() < second.topLeft.y() && second.topLeft.y() < printable.height());
            QVERIFY(first.topLeft.y() > printable.height() / 2 && first.topLeft.x() < printable.width() / 4);
        }
    }
};

QTEST_APPLESS_MAIN(TestPrintingSetup)
#include "test_printing_setup.moc"
