#include "mechanisms/applications.h"
#include "mechanisms/gearboxlogic.h"
#include "mechanisms/mechanismsteps.h"
#include "support/near.h"
#include "support/stored.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(GearboxEntries)

namespace {

GearboxEntries example() {
    return {"5", "0.06", "oz-in^2", "90", "0.5", "0"};
}

const QString gearboxInertiaText =
    "Please enter the inertia of the gearbox itself. (Rough Estimates for Size 17 Gearboxes ~ "
    "0.06 oz-in^2, Size 23 Gearboxes ~ .20 oz-in^2, Size 34 Gearboxes ~ 1.9 oz-in^2)";

} // namespace

class GearboxLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void next_data() {
        QTest::addColumn<GearboxEntries>("entries");
        QTest::addColumn<double>("reflectedJ");
        QTest::addColumn<QString>("thrust");

        QTest::newRow("worked example") << example() << 0.0223775 << "0";
        GearboxEntries pounds = example();
        pounds.GBInertia = "1";
        pounds.GBUnits = "lb-in^2";
        QTest::newRow("lb-in^2") << pounds << 0.0414079 + 0.5 / 22.5 << "0";
        pounds.GBUnits = "lb-in-sec^2";
        QTest::newRow("lb-in-sec^2") << pounds << 16 + 0.5 / 22.5 << "0";
        GearboxEntries efficient = example();
        efficient.GBEfficiency = "100";
        QTest::newRow("efficiency 100") << efficient << 0.06 / 386.4 + 0.5 / 25 << "0";
        GearboxEntries torque = example();
        torque.TConst = "10";
        QTest::newRow("constant torque not divided") << torque << 0.0223775 << "10";
    }
    void next() {
        QFETCH(GearboxEntries, entries);
        QFETCH(double, reflectedJ);
        QFETCH(QString, thrust);
        SizingRecord r;
        r.AppType = applicationNamed("Rotary: Gearbox");
        r.T_Gravity = 12; // left by an earlier linear sizing
        const Outcome out = gearboxNext(r, entries);
        QVERIFY(out.messages.isEmpty());
        QVERIFY(out.proceed);
        QVERIFY2(near(r.ReflectedJ, reflectedJ), qPrintable(stored(r.ReflectedJ)));
        QCOMPARE(stored(r.T_Thrust), thrust);
        QCOMPARE(stored(r.RotaryReduction), QString("5"));
        QCOMPARE(stored(r.T_Gravity), QString("0"));
        QCOMPARE(out.reportLines,
                 (QStringList{"Rotary Positioning via Gearbox", "Gearbox Reduction Ratio = 5 : 1",
                              "Gearbox Inertia = " + entries.GBInertia + " " + entries.GBUnits,
                              "Gearbox Efficiency = " + entries.GBEfficiency + " %", "",
                              "Load Inertia = 0.5 oz-in-sec^2"}));
    }

    void checks_data() {
        QTest::addColumn<GearboxEntries>("entries");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        auto with = [](auto change) {
            GearboxEntries e = example();
            change(e);
            return e;
        };
        const QString numbers = "Please enter numeric values only.";
        QTest::newRow("torque not a number")
            << with([](auto& e) { e.TConst = "x"; }) << "Numbers Please!" << numbers;
        QTest::newRow("empty reduction")
            << with([](auto& e) { e.Reduction = ""; }) << "Numbers Please!" << numbers;
        QTest::newRow("zero reduction, zero gearbox inertia")
            << with([](auto& e) {
                   e.Reduction = "0";
                   e.GBInertia = "0";
               })
            << "Reduction"
            << "Please enter a positive gearbox reduction ratio";
        QTest::newRow("zero gearbox inertia, no units") << with([](auto& e) {
            e.GBInertia = "0";
            e.GBUnits.clear();
        }) << "Gearbox Inertia" << gearboxInertiaText;
        QTest::newRow("no units") << with([](auto& e) { e.GBUnits.clear(); }) << "Inertia Units"
                                  << "Please select units for the Gearbox Inertia.";
        QTest::newRow("zero efficiency")
            << with([](auto& e) { e.GBEfficiency = "0"; }) << "Gearbox Efficiency"
            << "Please enter a valid Gearbox Efficiency.";
        QTest::newRow("efficiency over 100")
            << with([](auto& e) { e.GBEfficiency = "100.01"; }) << "Gearbox Efficiency"
            << "Please enter a valid Gearbox Efficiency.";
        QTest::newRow("no load")
            << with([](auto& e) { e.LoadInertia = "-0"; }) << "Load Inertia"
            << "Please enter the load inertia, or use the Inertia Calculations form for help.";
        QTest::newRow("tiny reduction overflows") << with([](auto& e) {
            e.Reduction = "1e-200";
            e.LoadInertia = "1e200";
        }) << "Out of Range" << messages::outOfRange().text;
    }
    void checks() {
        QFETCH(GearboxEntries, entries);
        QFETCH(QString, title);
        QFETCH(QString, text);
        SizingRecord r;
        r.AppType = applicationNamed("Rotary: Gearbox");
        r.T_Gravity = 12;
        const Outcome out = gearboxNext(r, entries);
        QCOMPARE(out.messages, (QList<Message>{{title, text}}));
        QVERIFY(!out.proceed);
        // Nothing is stored before a check fails.
        QCOMPARE(stored(r.RotaryReduction), QString("0"));
        QCOMPARE(stored(r.T_Gravity), QString("12"));
        QCOMPARE(stored(r.ReflectedJ), QString("0"));
        QVERIFY(out.reportLines.isEmpty());
    }

    // In added-gearbox mode the gearbox sends each application on to its own
    // mechanism screen, and reflects the gravity torque in force.
    void routing_data() {
        QTest::addColumn<QString>("appType");
        QTest::addColumn<std::optional<ScreenId>>("screen");
        using S = ScreenId;
        QTest::newRow("direct drive") << "Rotary: Direct Drive" << std::optional(S{"DirectDrive"});
        QTest::newRow("belt-pulley") << "Rotary: Belt-Pulley" << std::optional(S{"BeltPulley"});
        QTest::newRow("gearbox") << "Rotary: Gearbox" << std::optional(S::RotaryMP);
        QTest::newRow("screw") << "Linear: Screw Drive" << std::optional(S{"ScrewDrive"});
        QTest::newRow("belt screw")
            << "Linear: Belt-Pulley Screw Drive" << std::optional(S{"BeltScrewDrive"});
        QTest::newRow("gearbox screw")
            << "Linear: Gearbox Screw Drive" << std::optional(S{"GBScrewDrive"});
        QTest::newRow("non-rotating")
            << "Linear: Non-Rotating Screw Drive" << std::optional(S{"NonRScrewDrive"});
        QTest::newRow("conveyor") << "Linear: Conveyor" << std::optional(S{"ConveyorDrive"});
        QTest::newRow("rack") << "Linear: Rack & Pinion" << std::optional(S{"RackPinionDrive"});
        QTest::newRow("none") << "" << std::optional<ScreenId>();
    }
    void routing() {
        QFETCH(QString, appType);
        QFETCH(std::optional<ScreenId>, screen);
        Sizing s;
        SizingRecord& r = s.record();
        r.AppType = applicationNamed(appType);
        r.AddedGBReduction = 4;
        r.T_Gravity = 12;
        r.RotaryReduction = 3;
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        s.addedGearbox = gearbox.form();
        s.addedGearbox.entries["Reduction"] = "5";
        s.addedGearbox.entries["GBInertia"] = "0.06";
        s.addedGearbox.units["GBUnits"] = "oz-in^2";
        s.addedGearbox.entries["LoadInertia"] = "0.5";
        s.reached = Stage::Gearbox;
        QCOMPARE(gearboxControlsHidden(s), r.AppType && r.AppType != &gearbox);
        const Outcome out = submitMechanism(s, gearbox);
        QVERIFY(out.proceed);
        QCOMPARE(out.next, screen);
        QCOMPARE(stored(r.RotaryReduction), QString("5"));
        QCOMPARE(stored(r.T_Gravity), QString("2.4"));
        QVERIFY(!gearboxControlsHidden(s));
    }

    void addedToItsOwnApplication() {
        SizingRecord r;
        r.AppType = applicationNamed("Rotary: Gearbox");
        r.AddedGBReduction = 2;
        GearboxEntries e = example();
        e.Reduction = "2";
        e.TConst = "10";
        e.ownRatio = 5;
        QVERIFY(gearboxNext(r, e).proceed);
        QCOMPARE(stored(r.RotaryReduction), QString("10"));
        QCOMPARE(stored(r.T_Thrust), QString("5"));
        QVERIFY(near(r.ReflectedJ, 0.06 / 386.4 + 0.5 / (4 * 0.9)));
    }

    void back() {
        Sizing s;
        const Application& gearbox = applicationOn(ScreenId::Gearbox);
        s.record().AppType = &gearbox;
        s.record().MechanismLines = {"Rotary Positioning via Gearbox"};
        QCOMPARE(leaveMechanism(s, gearbox), ScreenId::RotaryType);
        QVERIFY(s.record().MechanismLines.isEmpty());

        // Taking an added gearbox away puts back the results without it.
        s.record().MechanismLines = {"Rotary Positioning via Gearbox"};
        const Results without = s.results;
        s.keepWithoutGearbox();
        s.record().AddedGBReduction = 3;
        s.record().ReflectedJ = 1;
        QCOMPARE(leaveMechanism(s, gearbox), ScreenId::Findings);
        QCOMPARE(s.results, without);
        QVERIFY(!s.record().gearboxAdded());
    }
};

QTEST_GUILESS_MAIN(GearboxLogicTest)
#include "tst_gearbox_logic.moc"
