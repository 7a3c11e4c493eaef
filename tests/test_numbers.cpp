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
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");

        QTest::newRow("leading point, C") << "C" << ".2" << true << 0.2;
        QTest::newRow("leading point falls back under German") << "de_DE" << ".5" << true << 0.5;
        QTest::newRow("comma under German") << "de_DE" << "1,5" << true << 1.5;
        QTest::newRow("leading comma under German") << "de_DE" << ",2" << true << 0.2;
        QTest::newRow("spaces around") << "en_US" << "  12 " << true << 12.0;
        QTest::newRow("negative offset") << "en_US" << "-1.25" << true << -1.25;
        QTest::newRow("grouped under German is refused") << "de_DE" << "1.500" << false << 0.0;
        QTest::newRow("grouped under English is refused") << "en_US" << "1,500" << false << 0.0;
        QTest::newRow("inf") << "en_US" << "inf" << false << 0.0;
        QTest::newRow("nan") << "de_DE" << "nan" << false << 0.0;
        QTest::newRow("out of range") << "en_US" << "1e30" << false << 0.0;
        QTest::newRow("empty") << "en_US" << "" << false << 0.0;
        QTest::newRow("only spaces") << "en_US" << "   " << false << 0.0;
        QTest::newRow("letters") << "en_US" << "abc" << false << 0.0;
        QTest::newRow("trailing junk") << "en_US" << "12pt" << false << 0.0;
    }

    void parse()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto parsed = parseNumber(text, kOffsetRange, QLocale(locale));
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void fontSizesMustBePositive()
    {
        QVERIFY(!parseNumber(u"0", kFontSizeRange, QLocale::c()));
        QVERIFY(!parseNumber(u"-3", kFontSizeRange, QLocale::c()));
        QCOMPARE(*parseNumber(u"9.75", kFontSizeRange, QLocale::c()), 9.75);
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
