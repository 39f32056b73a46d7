#include "units/conversiontables.h"

#include <QLocale>
#include <QTest>

namespace {

const conversion::Kind& kind(const QString& caption) {
    for (const conversion::Kind& k : conversion::kinds())
        if (k.caption == caption)
            return k;
    qFatal("no kind %s", qPrintable(caption));
}

} // namespace

class ConversionTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void kinds() {
        QStringList options, captions;
        for (const conversion::Kind& k : conversion::kinds()) {
            options << k.option;
            captions << k.caption;
            QCOMPARE(k.factors.size(), k.units.size());
            for (int row = 0; row < k.units.size(); ++row) {
                QCOMPARE(k.factors[row].size(), k.units.size());
                QCOMPARE(k.factors[row][row], 1.0);
            }
        }
        QCOMPARE(options,
                 (QStringList{"Inertia", "Torque", "Force", "Distance", "Velocity", "Speed"}));
        QCOMPARE(captions,
                 (QStringList{"Inertia", "Torque", "Force", "Distance", "Velocity", "Rotation"}));
        QCOMPARE(kind("Torque").units,
                 (QStringList{"oz-in", "in-lbs", "ft-lbs", "g-cm", "kg-cm", "kg-m", "N-m"}));
        QCOMPARE(kind("Velocity").units, (QStringList{"in/sec", "in/min", "ft/sec", "ft/min",
                                                      "mm/sec", "mm/min", "cm/sec", "m/sec"}));
        QCOMPARE(kind("Distance").units, (QStringList{"inches", "feet", "microns", "millimeters",
                                                      "centimeters", "meters"}));
        QCOMPARE(kind("Rotation").units,
                 (QStringList{"radians/sec", "degrees/sec", "revs/sec", "revs/min"}));
        QCOMPARE(kind("Force").units, (QStringList{"oz", "lbs", "g", "kg", "N"}));
        QCOMPARE(kind("Inertia").units,
                 (QStringList{"oz-in^2", "oz-in-sec^2", "lb-in^2", "lb-in-sec^2", "lb-ft^2",
                              "lb-ft-sec^2", "g-cm^2", "g-cm-sec^2", "kg-cm^2", "kg-cm-sec^2"}));
        QCOMPARE(&conversion::inertia(), &kind("Inertia"));
    }

    void convert_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("output");

        QTest::newRow("feet to inches") << "Distance"
                                        << "feet"
                                        << "inches"
                                        << "1"
                                        << "12";
        QTest::newRow("inches to feet is not exact") << "Distance"
                                                     << "inches"
                                                     << "feet"
                                                     << "12"
                                                     << "0.99996";
        QTest::newRow("centimeters to meters") << "Distance"
                                               << "centimeters"
                                               << "meters"
                                               << "250"
                                               << "2.5";
        QTest::newRow("kg to N") << "Force"
                                 << "kg"
                                 << "N"
                                 << "1"
                                 << "9.80665";
        QTest::newRow("oz to N") << "Force"
                                 << "oz"
                                 << "N"
                                 << "1"
                                 << "0.278";
        QTest::newRow("cm/sec to mm/min") << "Velocity"
                                          << "cm/sec"
                                          << "mm/min"
                                          << "1"
                                          << "600";
        QTest::newRow("oz-in-sec^2 to oz-in^2") << "Inertia"
                                                << "oz-in-sec^2"
                                                << "oz-in^2"
                                                << "1"
                                                << "386.09";
        QTest::newRow("lb-in-sec^2 to oz-in^2") << "Inertia"
                                                << "lb-in-sec^2"
                                                << "oz-in^2"
                                                << "1"
                                                << "6177";
        QTest::newRow("kg-cm^2 to kg-cm-sec^2") << "Inertia"
                                                << "kg-cm^2"
                                                << "kg-cm-sec^2"
                                                << "2"
                                                << "0.002038";
        QTest::newRow("oz-in^2 to g-cm^2") << "Inertia"
                                           << "oz-in^2"
                                           << "g-cm^2"
                                           << "1"
                                           << "182.8998";
        QTest::newRow("revs/min to revs/sec") << "Rotation"
                                              << "revs/min"
                                              << "revs/sec"
                                              << "60"
                                              << "0.9999972";
        QTest::newRow("N-m to oz-in") << "Torque"
                                      << "N-m"
                                      << "oz-in"
                                      << "2"
                                      << "283.2";
        QTest::newRow("a unit to itself") << "Torque"
                                          << "kg-m"
                                          << "kg-m"
                                          << " 12.5 "
                                          << "12.5";
        QTest::newRow("negative") << "Velocity"
                                  << "in/sec"
                                  << "mm/sec"
                                  << "-2"
                                  << "-50.8";
        QTest::newRow("exponent form") << "Distance"
                                       << "microns"
                                       << "meters"
                                       << "1"
                                       << "1E-06";
    }
    void convert() {
        QFETCH(QString, kind);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, input);
        QFETCH(QString, output);
        const conversion::Kind& k = ::kind(kind);
        const conversion::Result result =
            conversion::convert(k, k.units.indexOf(from), k.units.indexOf(to), input);
        QVERIFY(!result.message);
        QCOMPARE(result.output.value_or("<none>"), output);
    }

    void notConverted() {
        const conversion::Kind& k = conversion::inertia();
        // A missing unit converts nothing.
        QVERIFY(!conversion::convert(k, -1, 2, "5").output);
        QVERIFY(!conversion::convert(k, 2, -1, "5").message);
        // Anything that is not a number asks for one, whether or not units are chosen.
        for (const QString& text : {QString(), QString("   "), QString("1.2.3"), QString("abc"),
                                    QString("1e999"), QString(10000, '9')}) {
            for (int in : {-1, 0}) {
                const conversion::Result result = conversion::convert(k, in, 1, text);
                QCOMPARE(result.message,
                         (std::optional<Message>{{"Numbers Please!",
                                                  "Please enter numeric values only for "
                                                  "conversion."}}));
                QVERIFY(!result.output);
            }
        }
        // A product beyond the range of a number is not shown as one.
        const conversion::Result huge = conversion::convert(k, 5, 6, "1e305");
        QCOMPARE(huge.message->title, QString("Out of Range"));
        QVERIFY(!huge.output);
        QCOMPARE(conversion::convert(k, 0, 0, "-0").output.value_or(""), QString("0"));
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const conversion::Kind& k = kind("Distance");
        QCOMPARE(conversion::convert(k, 0, 1, "12").output.value_or(""), QString("0,99996"));
        QCOMPARE(conversion::convert(k, 4, 5, "1.250").output.value_or(""), QString("12,5"));
        QVERIFY(conversion::convert(k, 4, 5, "1.5").message);
    }
};

QTEST_GUILESS_MAIN(ConversionTest)
#include "tst_conversion.moc"
