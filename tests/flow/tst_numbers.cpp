#include "flow/numbers.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT

    static QLocale english() { return QLocale(QLocale::English, QLocale::UnitedStates); }
    static QLocale german() { return QLocale(QLocale::German, QLocale::Germany); }

  private slots:
    void init() { QLocale::setDefault(english()); }

    void parse_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");

        const QLocale en = english();
        QTest::newRow("blanks around") << en << "  12.5  " << true << 12.5;
        QTest::newRow("leading separator") << en << ".5" << true << 0.5;
        QTest::newRow("trailing separator") << en << "5." << true << 5.0;
        QTest::newRow("exponent") << en << "1e3" << true << 1000.0;
        QTest::newRow("signed exponent") << en << "-2.5E-2" << true << -0.025;
        QTest::newRow("plus sign") << en << "+7" << true << 7.0;
        QTest::newRow("minus zero") << en << "-0" << true << 0.0;
        QTest::newRow("groups") << en << "1,234,567.5" << true << 1234567.5;
        QTest::newRow("nearest double") << en << "0.1" << true << 0.1;
        QTest::newRow("underflow is zero") << en << "1e-999" << true << 0.0;
        QTest::newRow("largest double")
            << en << "1.7976931348623157e308" << true << std::numeric_limits<double>::max();
        QTest::newRow("long leading zeros") << en << QString(9999, '0') + "1" << true << 1.0;
        QTest::newRow("empty") << en << "" << false << 0.0;
        QTest::newRow("blanks only") << en << "   " << false << 0.0;
        QTest::newRow("letters") << en << "abc" << false << 0.0;
        QTest::newRow("trailing letters") << en << "12abc" << false << 0.0;
        QTest::newRow("two separators") << en << "1.2.3" << false << 0.0;
        QTest::newRow("separator only") << en << "." << false << 0.0;
        QTest::newRow("sign only") << en << "-" << false << 0.0;
        QTest::newRow("two signs") << en << "--1" << false << 0.0;
        QTest::newRow("blank inside") << en << "1 000" << false << 0.0;
        QTest::newRow("exponent without digits") << en << "1e" << false << 0.0;
        QTest::newRow("exponent sign only") << en << "1e+" << false << 0.0;
        QTest::newRow("exponent alone") << en << "e5" << false << 0.0;
        QTest::newRow("overflow") << en << "1e999" << false << 0.0;
        QTest::newRow("negative overflow") << en << "-1e999" << false << 0.0;
        QTest::newRow("huge exponent") << en << "1e99999999999999999999" << false << 0.0;
        QTest::newRow("ten thousand digits") << en << QString(10000, '1') << false << 0.0;
        QTest::newRow("group after separator") << en << "1.234,5" << false << 0.0;
        QTest::newRow("short group") << en << "1,23" << false << 0.0;
        QTest::newRow("leading group") << en << ",123" << false << 0.0;
        QTest::newRow("hexadecimal") << en << "0x10" << false << 0.0;
        QTest::newRow("infinity") << en << "inf" << false << 0.0;
        QTest::newRow("not a number") << en << "nan" << false << 0.0;
        QTest::newRow("other digits") << en << QString::fromUtf8("\u0661") << false << 0.0;

        const QLocale de = german();
        QTest::newRow("comma decimal") << de << "12,5" << true << 12.5;
        QTest::newRow("comma groups") << de << "1.234,5" << true << 1234.5;
        QTest::newRow("comma exponent") << de << "1,5e3" << true << 1500.0;
        QTest::newRow("point is a group, not a decimal") << de << "1.5" << false << 0.0;
        QTest::newRow("two commas") << de << "1,2,3" << false << 0.0;
    }

    void parse() {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        QLocale::setDefault(locale);
        QCOMPARE(numbers::isNumeric(text), numeric);
        const auto parsed = numbers::parse(text);
        QCOMPARE(parsed.has_value(), numeric);
        if (numeric)
            QCOMPARE(*parsed, value);
    }

    void general_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        const QLocale en = english();
        QTest::newRow("one third") << en << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("two and a half") << en << 2.50 << "2.5";
        QTest::newRow("tenths sum") << en << 0.1 + 0.2 << "0.3";
        QTest::newRow("whole") << en << 2.0 << "2";
        QTest::newRow("negative") << en << -1.5 << "-1.5";
        QTest::newRow("zero") << en << 0.0 << "0";
        QTest::newRow("minus zero") << en << -0.0 << "0";
        QTest::newRow("quarter") << en << 0.25 << "0.25";
        QTest::newRow("acceleration") << en << 20 * 6.28318 / 0.5 << "251.3272";
        QTest::newRow("metre in inches") << en << 1 / 0.0254 << "39.3700787401575";
        QTest::newRow("smallest fixed") << en << 0.00001 << "0.00001";
        QTest::newRow("millionth") << en << 1e-6 << "1E-06";
        QTest::newRow("small with digits") << en << 1.25e-7 << "1.25E-07";
        QTest::newRow("fifteen integer digits") << en << 123456789012345.0 << "123456789012345";
        QTest::newRow("sixteen integer digits")
            << en << 1234567890123456.0 << "1.23456789012346E+15";
        QTest::newRow("large") << en << 1.5e20 << "1.5E+20";
        QTest::newRow("three digit exponent") << en << -2e-300 << "-2E-300";
        QTest::newRow("rounds up a digit") << en << 9.9999999999999999 << "10";

        const QLocale de = german();
        QTest::newRow("comma decimal") << de << 2.5 << "2,5";
        QTest::newRow("comma exponent") << de << 1.5e-7 << "1,5E-07";
        QTest::newRow("no groups") << de << 1234.5 << "1234,5";
    }

    void general() {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(numbers::general(value), text);
        // What the general form writes reads back as the value it shows.
        QVERIFY(std::abs(numbers::parse(text).value() - value) <= std::abs(value) * 1e-14);
    }

    void format_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        const QLocale en = english();
        QTest::newRow("three decimals") << en << "##0.000" << 1234.5678 << "1234.568";
        QTest::newRow("three, padded") << en << "##0.000" << 0.5 << "0.500";
        QTest::newRow("three, tiny") << en << "##0.000" << 0.0004 << "0.000";
        QTest::newRow("three, 2.0006") << en << "##0.000" << 2.0006 << "2.001";
        QTest::newRow("half up 2.0005") << en << "##0.000" << 2.0005 << "2.001";
        QTest::newRow("half up 0.0005") << en << "##0.000" << 0.0005 << "0.001";
        QTest::newRow("negative quarter") << en << "##0.000" << -0.25 << "-0.250";
        QTest::newRow("negative half away") << en << "##0.000" << -2.0005 << "-2.001";
        QTest::newRow("negative to zero") << en << "##0.000" << -0.0001 << "0.000";
        QTest::newRow("five integer digits") << en << "##0.000" << 12345.6 << "12345.600";
        QTest::newRow("carry into new digit") << en << "##0.000" << 999.9996 << "1000.000";
        QTest::newRow("torque") << en << "##0.000" << 25.13272 << "25.133";
        QTest::newRow("zero") << en << "##0.000" << 0.0 << "0.000";
        QTest::newRow("large") << en << "##0.000" << 1e20 << "100000000000000000000.000";
        QTest::newRow("two decimals") << en << "##0.00" << 1234.5678 << "1234.57";
        QTest::newRow("two, padded") << en << "##0.00" << 0.5 << "0.50";
        QTest::newRow("two, tiny") << en << "##0.00" << 0.0004 << "0.00";
        QTest::newRow("two, 1.005 as read") << en << "##0.00" << 1.005 << "1.01";
        QTest::newRow("ratio seven") << en << "#0.00" << 7.0 << "7.00";
        QTest::newRow("ratio ten") << en << "#0.00" << 0.01 / 0.001 << "10.00";

        const QLocale de = german();
        QTest::newRow("comma three") << de << "##0.000" << 2.5 << "2,500";
        QTest::newRow("comma no groups") << de << "##0.00" << 1234.5678 << "1234,57";
    }

    void format() {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(numbers::format(value, pattern), text);
    }

    // An inertia display never shows a figure that is not zero as zero.
    void formatNonZero_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        const QLocale en = english();
        QTest::newRow("tiny keeps three digits") << en << "##0.000" << 0.0004 << "0.000400";
        QTest::newRow("smaller") << en << "##0.000" << 0.0000809 << "0.0000809";
        QTest::newRow("rounded up to show") << en << "##0.000" << 0.0005 << "0.001";
        QTest::newRow("shown as it is") << en << "##0.000" << 0.002 << "0.002";
        QTest::newRow("zero stays zero") << en << "##0.000" << 0.0 << "0.000";
        QTest::newRow("negative") << en << "##0.000" << -0.00012345 << "-0.000123";
        QTest::newRow("two decimals") << en << "##0.00" << 0.0025 << "0.00250";
        QTest::newRow("comma") << german() << "##0.000" << 0.0004 << "0,000400";
    }
    void formatNonZero() {
        QFETCH(QLocale, locale);
        QFETCH(QString, pattern);
        QFETCH(double, value);
        QFETCH(QString, text);
        QLocale::setDefault(locale);
        QCOMPARE(numbers::formatNonZero(value, pattern), text);
    }
};

QTEST_GUILESS_MAIN(NumbersTest)
#include "tst_numbers.moc"
