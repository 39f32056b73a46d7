#include "units/units.h"

#include <QLocale>
#include <QTest>

using namespace units;

Q_DECLARE_METATYPE(const units::UnitList*)

class UnitsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void items_data() {
        QTest::addColumn<const UnitList*>("list");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("dimension") << &dimensionUnits() << QStringList{"in", "mm", "cm"};
        QTest::newRow("system length")
            << &systemLengthUnits() << QStringList{"in", "ft", "mm", "cm", "m"};
        QTest::newRow("weight") << &weightUnits() << QStringList{"oz", "lbs", "g", "kg"};
        QTest::newRow("calculator weight")
            << &loadCalcWeightUnits() << QStringList{"oz", "lbs", "g", "kg"};
        QTest::newRow("pitch") << &pitchUnits()
                               << QStringList{"revs/in", "in/rev", "revs/mm", "mm/rev"};
        QTest::newRow("inertia") << &inertiaUnits()
                                 << QStringList{"oz-in^2", "oz-in-sec^2", "lb-in^2", "lb-in-sec^2",
                                                "g-cm^2",  "g-cm-sec^2",  "kg-cm^2", "kg-cm-sec^2"};
        QTest::newRow("rotary distance")
            << &rotaryDistanceUnits() << QStringList{"revs", "degrees"};
        QTest::newRow("rotary speed")
            << &rotarySpeedUnits() << QStringList{"revs/sec", "revs/min", "degrees/sec"};
        QTest::newRow("linear speed")
            << &linearSpeedUnits() << QStringList{"in/sec", "mm/sec", "cm/sec"};
    }
    void items() {
        QFETCH(const UnitList*, list);
        QFETCH(QStringList, items);
        QCOMPARE(list->texts(), items);
    }

    void factors_data() {
        QTest::addColumn<const UnitList*>("list");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("internal");
        QTest::newRow("25.4 mm") << &dimensionUnits() << "mm" << 25.4 << 1.0;
        QTest::newRow("2.54 cm") << &dimensionUnits() << "cm" << 2.54 << 1.0;
        QTest::newRow("1 ft") << &systemLengthUnits() << "ft" << 1.0 << 12.0;
        QTest::newRow("1 m") << &systemLengthUnits() << "m" << 1.0 << 1 / 0.0254;
        QTest::newRow("system 25.4 mm") << &systemLengthUnits() << "mm" << 25.4 << 1.0;
        QTest::newRow("1 lbs") << &weightUnits() << "lbs" << 1.0 << 16.0;
        QTest::newRow("28.3495 g") << &weightUnits() << "g" << 28.3495 << 1.0;
        QTest::newRow("1 kg") << &weightUnits() << "kg" << 1.0 << 35.2739;
        QTest::newRow("calculator 28.35 g") << &loadCalcWeightUnits() << "g" << 28.35 << 1.0;
        QTest::newRow("calculator 1 kg") << &loadCalcWeightUnits() << "kg" << 1.0 << 35.27;
        QTest::newRow("5 mm/rev") << &pitchUnits() << "mm/rev" << 5.0 << 5.08;
        QTest::newRow("0.2 in/rev") << &pitchUnits() << "in/rev" << 0.2 << 5.0;
        QTest::newRow("1 revs/mm") << &pitchUnits() << "revs/mm" << 1.0 << 25.4;
        QTest::newRow("386.4 oz-in^2") << &inertiaUnits() << "oz-in^2" << 386.4 << 1.0;
        QTest::newRow("386.4 lb-in^2") << &inertiaUnits() << "lb-in^2" << 386.4 << 16.0;
        QTest::newRow("1 lb-in-sec^2") << &inertiaUnits() << "lb-in-sec^2" << 1.0 << 16.0;
        QTest::newRow("g-cm^2") << &inertiaUnits() << "g-cm^2" << 28.3495 * 6.4516 * 386.4 << 1.0;
        QTest::newRow("g-cm-sec^2") << &inertiaUnits() << "g-cm-sec^2" << 28.3495 * 2.54 << 1.0;
        QTest::newRow("kg-cm^2") << &inertiaUnits() << "kg-cm^2" << 6.4516 * 386.4 << 35.2739;
        QTest::newRow("kg-cm-sec^2") << &inertiaUnits() << "kg-cm-sec^2" << 2.54 << 35.2739;
        QTest::newRow("360 degrees") << &rotaryDistanceUnits() << "degrees" << 360.0 << 1.0;
        QTest::newRow("60 revs/min") << &rotarySpeedUnits() << "revs/min" << 60.0 << 1.0;
        QTest::newRow("360 degrees/sec") << &rotarySpeedUnits() << "degrees/sec" << 360.0 << 1.0;
        QTest::newRow("25.4 mm/sec") << &linearSpeedUnits() << "mm/sec" << 25.4 << 1.0;
        QTest::newRow("2.54 cm/sec") << &linearSpeedUnits() << "cm/sec" << 2.54 << 1.0;
        QTest::newRow("no such unit") << &weightUnits() << "stone" << 3.0 << 3.0;
        QTest::newRow("no unit chosen") << &dimensionUnits() << "" << 3.0 << 3.0;
    }
    void factors() {
        QFETCH(const UnitList*, list);
        QFETCH(QString, unit);
        QFETCH(double, x);
        QFETCH(double, internal);
        QCOMPARE(list->toInternal(unit, x), internal);
    }

    void densities() {
        QCOMPARE(pulleyMaterials(), (QStringList{"Aluminum", "Plastic", "Steel"}));
        QCOMPARE(density("Aluminum"), 1.54);
        QCOMPARE(density("Plastic"), 0.64);
        QCOMPARE(density("Steel"), 4.48);
        QCOMPARE(density("steel"), 0.0);
    }
};

QTEST_GUILESS_MAIN(UnitsTest)
#include "tst_units.moc"
