#include "flow/numbers.h"
#include "mechanisms/beltpulleylogic.h"
#include "mechanisms/mechanismlogic.h"
#include "support/near.h"

#include "support/stored.h"
#include <QLocale>

#include <QTest>

Q_DECLARE_METATYPE(BeltPulleyEntries)

namespace {

BeltPulleyEntries example() {
    return {"1", "3", "0.5", "in", "Aluminum", "75", "0.1", "0"};
}

} // namespace

class BeltPulleyLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pulleysAsDiscs() {
        const mech::Disc pinion = mech::disc(1.54, 1, 0.5);
        const mech::Disc driven = mech::disc(1.54, 3, 0.5);
        QVERIFY(near(pinion.weight, 0.604756));
        QVERIFY(near(driven.weight, 5.442805));
        QVERIFY(near(pinion.inertia, 0.000195638));
        QVERIFY(near(driven.inertia, 0.01584668));
    }

    void next_data() {
        QTest::addColumn<BeltPulleyEntries>("entries");
        QTest::addColumn<QString>("added");
        QTest::addColumn<double>("reflectedJ");
        QTest::addColumn<QString>("thrust");
        QTest::addColumn<QString>("reduction");

        QTest::newRow("worked example") << example() << "0" << 0.0173581 << "0"
                                        << "3";
        BeltPulleyEntries torque = example();
        torque.TConst = "10";
        QTest::newRow("added gearbox of 2") << torque << "2" << 0.00433953 << "5"
                                            << "6";
        BeltPulleyEntries mm = example();
        mm.PinionD = "25.4";
        mm.DrivenD = "76.2";
        mm.Thickness = "12.7";
        mm.PulleyUnits = "mm";
        QTest::newRow("millimetres") << mm << "0" << 0.0173581 << "0"
                                     << "3";
        BeltPulleyEntries stepUp = example();
        stepUp.PinionD = "3";
        stepUp.DrivenD = "1";
        QTest::newRow("step-up") << stepUp << "0" << 0.0158467 + (0.000195638 + 0.1) * 9 / 0.75
                                 << "0"
                                 << "0.333333333333333";
    }
    void next() {
        QFETCH(BeltPulleyEntries, entries);
        QFETCH(QString, added);
        QFETCH(double, reflectedJ);
        QFETCH(QString, thrust);
        QFETCH(QString, reduction);
        SizingRecord r;
        r.AddedGBReduction = number(added);
        r.T_Gravity = 12; // left by an earlier linear sizing
        const Outcome out = beltPulleyNext(r, entries);
        QVERIFY(out.messages.isEmpty());
        QVERIFY(out.proceed);
        QVERIFY2(near(r.ReflectedJ, reflectedJ), qPrintable(stored(r.ReflectedJ)));
        QCOMPARE(stored(r.T_Thrust), thrust);
        QCOMPARE(stored(r.RotaryReduction), reduction);
        QCOMPARE(stored(r.T_Gravity), QString("0"));
    }

    void reportLines() {
        SizingRecord r;
        BeltPulleyEntries e = example();
        e.PinionD = "1.00";
        e.Material = "Steel";
        const Outcome out = beltPulleyNext(r, e);
        QVERIFY(out.proceed);
        QCOMPARE(out.reportLines,
                 (QStringList{"Belt-Pulley Specifications", "Pinion Pulley Diameter = 1.00 in",
                              "Driven Pulley Diameter = 3 in", "Pulley Thickness = 0.5 in",
                              "Pulley Material = Steel", "Belt Efficiency = 75 %", "",
                              "Load Inertia = 0.1 oz-in-sec^2"}));
    }

    // Each check in its order, with what was stored before it failed.
    void checks_data() {
        QTest::addColumn<BeltPulleyEntries>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reduction"); // RotaryReduction afterwards

        auto with = [](auto change) {
            BeltPulleyEntries e = example();
            change(e);
            return e;
        };
        const QString numbersOnly = "Please enter only numeric values";
        QTest::newRow("thickness not a number")
            << with([](auto& e) { e.Thickness = "half"; }) << "Numbers Only" << numbersOnly << "0";
        QTest::newRow("empty torque")
            << with([](auto& e) { e.TConst = ""; }) << "Numbers Only" << numbersOnly << "0";
        QTest::newRow("two separators in efficiency")
            << with([](auto& e) { e.BeltEfficiency = "7.5.0"; }) << "Numbers Only" << numbersOnly
            << "0";
        QTest::newRow("overflowing load inertia")
            << with([](auto& e) { e.BPInertia = "1e999"; }) << "Numbers Only" << numbersOnly << "0";
        QTest::newRow("no units, and a zero pinion") << with([](auto& e) {
            e.PulleyUnits.clear();
            e.PinionD = "0";
        }) << "Pulley Units"
                                                     << "Please specify units for the pulley specs."
                                                     << "0";
        const QString positive = "Please enter positive values for Pulley Specifications.";
        QTest::newRow("zero pinion")
            << with([](auto& e) { e.PinionD = "0"; }) << "Pulley Specs" << positive << "0";
        QTest::newRow("negative driven")
            << with([](auto& e) { e.DrivenD = "-3"; }) << "Pulley Specs" << positive << "0";
        QTest::newRow("minus zero thickness")
            << with([](auto& e) { e.Thickness = "-0"; }) << "Pulley Specs" << positive << "0";
        QTest::newRow("zero efficiency")
            << with([](auto& e) { e.BeltEfficiency = "0"; }) << "Pulley Specs" << positive << "0";
        QTest::newRow("efficiency over 100") << with([](auto& e) { e.BeltEfficiency = "100.01"; })
                                             << "Pulley Specs" << positive << "0";
        QTest::newRow("no material, and no load") << with([](auto& e) {
            e.Material.clear();
            e.BPInertia = "0";
        }) << "Material Select"
                                                  << "Please select Pulley Material (Density)"
                                                  << "0";
        QTest::newRow("zero load stores the ratio first")
            << with([](auto& e) { e.BPInertia = "0"; }) << "Inertia"
            << "The Load Inertia must be greater than zero."
            << "3";
        QTest::newRow("ratio too large") << with([](auto& e) {
            e.PinionD = "1e-300";
            e.DrivenD = "1e300";
        }) << "Out of Range" << messages::outOfRange().text
                                         << "0";
    }
    void checks() {
        QFETCH(BeltPulleyEntries, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, reduction);
        SizingRecord r;
        const Outcome out = beltPulleyNext(r, entries);
        QCOMPARE(out.messages, (QList<Message>{{title, text}}));
        QVERIFY(!out.proceed);
        QVERIFY(out.entryTexts.isEmpty());
        QCOMPARE(stored(r.RotaryReduction), reduction);
        QCOMPARE(stored(r.ReflectedJ), QString("0"));
        QVERIFY(out.reportLines.isEmpty());
    }

    void back() {
        SizingRecord r;
        r.MechanismLines = beltPulleyNext(r, example()).reportLines;
        r.AddedGBReduction = 2;
        QCOMPARE(mechanismBack(r, ScreenId::RotaryType), ScreenId::Gearbox);
        QCOMPARE(r.MechanismLines.size(), 8);
        r.AddedGBReduction = 0;
        QCOMPARE(mechanismBack(r, ScreenId::RotaryType), ScreenId::RotaryType);
        QVERIFY(r.MechanismLines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(BeltPulleyLogicTest)
#include "tst_beltpulley_logic.moc"
