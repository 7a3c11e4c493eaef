// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/number.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fontSize"); // else an offset
        QTest::addColumn<double>("value");  // NaN: refused
        const double no = qQNaN();
        QTest::newRow("leading point, C") << "C" << ".2" << false << 0.2;
        QTest::newRow("leading point falls back under German") << "de_DE" << ".5" << false << 0.5;
        QTest::newRow("comma under German") << "de_DE" << "1,5" << false << 1.5;
        QTest::newRow("leading comma under German") << "de_DE" << ",2" << false << 0.2;
        QTest::newRow("spaces around") << "en_US" << "  12 " << true << 12.0;
        QTest::newRow("negative offset") << "en_US" << "-1.25" << false << -1.25;
        QTest::newRow("grouped under German") << "de_DE" << "1.500" << false << no;
        QTest::newRow("grouped under English") << "en_US" << "1,500" << false << no;
        QTest::newRow("inf") << "en_US" << "inf" << false << no;
        QTest::newRow("nan") << "de_DE" << "nan" << false << no;
        QTest::newRow("out of range") << "en_US" << "1e30" << false << no;
        QTest::newRow("empty") << "en_US" << "" << false << no;
        QTest::newRow("only spaces") << "en_US" << "   " << false << no;
        QTest::newRow("trailing junk") << "en_US" << "12pt" << true << no;
        QTest::newRow("zero font size") << "C" << "0" << true << no;
        QTest::newRow("negative font size") << "C" << "-3" << true << no;
        QTest::newRow("fractional font size") << "C" << "9.75" << true << 9.75;
    }

    void parse()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, fontSize);
        QFETCH(double, value);
        const auto parsed = parseNumber(text, fontSize ? kFontSizeRange : kOffsetRange, QLocale(locale));
        QCOMPARE(parsed.has_value(), !qIsNaN(value));
        if (parsed)
            QCOMPARE(*parsed, value);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
