#include "mechanisms/mechanismlogic.h"
#include "mechanisms/tangentiallogic.h"
#include "support/near.h"
#include "support/nextcase.h"

#include "support/stored.h"
#include <QLocale>

#include <QTest>

namespace {

// The worked examples.
RackPinionEntries rack() {
    return {{Orientation::Vertical, "16", "8", "oz"}, "2", "1", "in"};
}
ConveyorEntries conveyor() {
    return {{Orientation::Vertical, "16", "4", "oz"}, "2", "2", "1", "in", "Aluminum", "2", "75"};
}

} // namespace

class TangentialLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data() {
        QTest::addColumn<Next>("next");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<double>("inertia");
        QTest::addColumn<double>("thrust");
        QTest::addColumn<double>("gravity");

        auto same = [](auto&) {};
        QTest::newRow("rack") << with(rackPinionNext, rack(), same) << "0"
                              << "16" << 0.0596200 << 8.0 << 16.0;
        QTest::newRow("rack, horizontal")
            << with(rackPinionNext, rack(),
                    [](auto& e) { e.load.orientation = Orientation::Horizontal; })
            << "0"
            << "16" << 0.0596200 << 8.0 << 0.0;
        QTest::newRow("rack, millimetres") << with(rackPinionNext, rack(),
                                                   [](auto& e) {
                                                       e.PinionOD = "50.8";
                                                       e.PulleyThickness = "25.4";
                                                       e.PinionUnits = "mm";
                                                   })
                                           << "0"
                                           << "16" << 0.0596200 << 8.0 << 16.0;
        QTest::newRow("rack, a pound") << with(rackPinionNext, rack(),
                                               [](auto& e) {
                                                   e.load.LoadWeight = "1";
                                                   e.load.ThrustForce = "0.5";
                                                   e.load.Units = "lbs";
                                               })
                                       << "0"
                                       << "16" << 0.0596200 << 8.0 << 16.0;
        QTest::newRow("rack, added gearbox of 2") << with(rackPinionNext, rack(), same) << "2"
                                                  << "16" << 0.0149050 << 4.0 << 8.0;
        QTest::newRow("conveyor") << with(conveyorNext, conveyor(), same) << "0"
                                  << "16" << 0.0698181 << 5.33333 << 21.3333;
        QTest::newRow("conveyor, larger driven pulley")
            << with(conveyorNext, conveyor(), [](auto& e) { e.DrivenDiameter = "4"; }) << "0"
            << "16" << 0.0534519 << 2.66667 << 10.6667;
        QTest::newRow("conveyor, horizontal, no thrust")
            << with(conveyorNext, conveyor(),
                    [](auto& e) {
                        e.load.orientation = Orientation::Horizontal;
                        e.load.ThrustForce = "0";
                    })
            << "0"
            << "16" << 0.0698181 << 0.0 << 0.0;
        QTest::newRow("conveyor, one pulley")
            << with(conveyorNext, conveyor(), [](auto& e) { e.NumberPulleys = "1"; }) << "0"
            << "16" << 2.4190243 / 386.4 + 16 / 386.4 / 0.75 << 5.33333 << 21.3333;
        QTest::newRow("conveyor, two and a half pulleys")
            << with(conveyorNext, conveyor(), [](auto& e) { e.NumberPulleys = "2.5"; }) << "0"
            << "16" << (2.4190243 + (16 + 1.5 * 2.4190243) / 0.75) / 386.4 << 5.33333 << 21.3333;
        QTest::newRow("conveyor, added gearbox of 2")
            << with(conveyorNext, conveyor(), same) << "2"
            << "16" << 0.0698181 / 4 << 5.33333 / 2 << 21.3333 / 2;
    }
    void figures() {
        QFETCH(Next, next);
        QFETCH(QString, added);
        QFETCH(QString, weight);
        QFETCH(double, inertia);
        QFETCH(double, thrust);
        QFETCH(double, gravity);
        SizingRecord r;
        r.AddedGBReduction = number(added);
        r.RotaryReduction = 3; // left by an earlier rotary sizing
        const Outcome out = next(r);
        QCOMPARE(out.messages, QList<Message>{});
        QVERIFY(out.proceed);
        QVERIFY2(near(r.LinearReduction, 0.159155), qPrintable(stored(r.LinearReduction)));
        QCOMPARE(stored(r.RotaryReduction), added);
        QCOMPARE(r.Weight.text(), weight);
        QVERIFY2(near(r.ReflectedJ, inertia), qPrintable(stored(r.ReflectedJ)));
        QVERIFY2(thrust == 0 ? r.T_Thrust == 0 : near(r.T_Thrust, thrust, 5e-6),
                 qPrintable(stored(r.T_Thrust)));
        QVERIFY2(gravity == 0 ? r.T_Gravity == 0 : near(r.T_Gravity, gravity, 5e-6),
                 qPrintable(stored(r.T_Gravity)));
    }

    void reportLines() {
        SizingRecord r;
        RackPinionEntries e = rack();
        e.load.orientation = Orientation::Horizontal;
        const Outcome rack = rackPinionNext(r, e);
        QVERIFY(rack.proceed);
        QCOMPARE(rack.reportLines,
                 (QStringList{"Rack & Pinion Linear Motion", "Motion Orientation = Horizontal",
                              "Pinion Outer Diameter = 2 in", "Pinion Thickness = 1 in",
                              "Load Weight = 16 oz", "Thrust or Constant Force = 8 oz"}));
        ConveyorEntries c = conveyor();
        c.PinionDiameter = "1";
        c.SystemUnits = "ft";
        const Outcome belt = conveyorNext(r, c);
        QVERIFY(belt.proceed);
        QCOMPARE(belt.reportLines,
                 (QStringList{"Linear Conveyor Motion", "Motion Orientation = Vertical",
                              "Pinion Pulley Diameter = 1 ft", "Driven Pulley Diameter = 2 ft",
                              "Pulley Thickness = 1 ft", "Pulley Material = Aluminum",
                              "Total Number of Pulleys = 2", "Belt Efficiency = 75 %",
                              "Load Weight = 16 oz", "Thrust or Constant Force = 4 oz"}));
        QVERIFY(near(r.LinearReduction, 0.159155 / 6, 1e-5));
    }

    void checks_data() {
        QTest::addColumn<Next>("next");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ratioStored");

        const QString numbers = "Please enter numeric values only";
        const QString weightUnits = "Please enter the units for Weight and Force.";
        QTest::newRow("rack: letters")
            << with(rackPinionNext, rack(), [](auto& e) { e.PinionOD = "two"; }) << "Numbers Please"
            << numbers << false;
        QTest::newRow("rack: no orientation, zero weight")
            << with(rackPinionNext, rack(),
                    [](auto& e) {
                        e.load.orientation = Orientation::None;
                        e.load.LoadWeight = "0";
                    })
            << "Orientation"
            << "Please select the Orientation of this application." << false;
        QTest::newRow("rack: zero weight")
            << with(rackPinionNext, rack(), [](auto& e) { e.load.LoadWeight = "0"; })
            << "Rack & Pinion"
            << "Please enter positive values in all text fields." << false;
        QTest::newRow("rack: no pinion units")
            << with(rackPinionNext, rack(), [](auto& e) { e.PinionUnits.clear(); })
            << "Pinion Units"
            << "Please select the units for the Pinion Diameter." << false;
        QTest::newRow("rack: no weight units stores the ratio first")
            << with(rackPinionNext, rack(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << true;
        QTest::newRow("rack: pinion too large")
            << with(rackPinionNext, rack(),
                    [](auto& e) {
                        e.PinionOD = "1e308";
                        e.PinionUnits = "cm";
                    })
            << "Out of Range" << messages::outOfRange().text << true;

        QTest::newRow("conveyor: empty count")
            << with(conveyorNext, conveyor(), [](auto& e) { e.NumberPulleys = ""; })
            << "Numbers Please" << numbers << false;
        QTest::newRow("conveyor: no orientation")
            << with(conveyorNext, conveyor(),
                    [](auto& e) { e.load.orientation = Orientation::None; })
            << "Orientation"
            << "Please select the orientation for this application." << false;
        QTest::newRow("conveyor: no pulleys")
            << with(conveyorNext, conveyor(), [](auto& e) { e.NumberPulleys = "0"; })
            << "System Values"
            << "Please enter positive values for all text fields (Thrust Force is Optional)."
            << false;
        QTest::newRow("conveyor: belt efficiency over 100")
            << with(conveyorNext, conveyor(), [](auto& e) { e.BeltEfficiency = "100.01"; })
            << "System Values"
            << "Please enter positive values for all text fields (Thrust Force is Optional)."
            << false;
        QTest::newRow("conveyor: no units, no material")
            << with(conveyorNext, conveyor(),
                    [](auto& e) {
                        e.SystemUnits.clear();
                        e.Material.clear();
                    })
            << "Conveyor Units"
            << "Please enter the units for Rotating Components." << false;
        QTest::newRow("conveyor: no material stores the ratio first")
            << with(conveyorNext, conveyor(), [](auto& e) { e.Material.clear(); })
            << "Pulley Material"
            << "Please select material (density) of the pulleys in the system." << true;
        QTest::newRow("conveyor: no weight units")
            << with(conveyorNext, conveyor(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << true;
        QTest::newRow("conveyor: overflowing load")
            << with(conveyorNext, conveyor(),
                    [](auto& e) {
                        e.load.LoadWeight = "1e306";
                        e.DrivenDiameter = "1e-300";
                    })
            << "Out of Range" << messages::outOfRange().text << true;
    }
    void checks() {
        QFETCH(Next, next);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, ratioStored);
        SizingRecord r;
        const Outcome out = next(r);
        QCOMPARE(out.messages, (QList<Message>{{title, text}}));
        QVERIFY(!out.proceed);
        QCOMPARE(r.LinearReduction != 0, ratioStored);
        QCOMPARE(stored(r.ReflectedJ), QString("0"));
        QVERIFY(out.reportLines.isEmpty());
    }

    void back() {
        SizingRecord r;
        r.MechanismLines = conveyorNext(r, conveyor()).reportLines;
        r.AddedGBReduction = 2;
        QCOMPARE(mechanismBack(r, ScreenId::LinearType), ScreenId::Gearbox);
        QCOMPARE(r.MechanismLines.size(), 10);
        r.AddedGBReduction = 0;
        QCOMPARE(mechanismBack(r, ScreenId::LinearType), ScreenId::LinearType);
        QVERIFY(r.MechanismLines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TangentialLogicTest)
#include "tst_tangential_logic.moc"
