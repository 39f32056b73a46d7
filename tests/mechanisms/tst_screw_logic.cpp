#include "mechanisms/mechanismlogic.h"
#include "mechanisms/screwlogic.h"
#include "support/near.h"
#include "support/nextcase.h"

#include "support/stored.h"
#include <QLocale>

#include <QTest>

namespace {

// The worked examples: pitch 0.2 in/rev, efficiency 90, 10 lbs with 5 lbs of
// thrust, vertical.
LoadEntries load() {
    return {Orientation::Vertical, "10", "5", "lbs"};
}
ScrewEntries screw() {
    return {"0.2", "in/rev", "90"};
}
ScrewDriveEntries screwDrive() {
    return {load(), screw(), "0.5", "24", "1.25", "1", "in"};
}
BeltScrewEntries beltScrew() {
    return {load(), screw(), "0.5", "24", "1", "2", "0.5", "in", "Aluminum", "75"};
}
GBScrewEntries gbScrew() {
    return {load(), screw(), "5", "0.2", "oz-in^2", "90", "0.5", "24", "in"};
}
NonRScrewEntries nonRScrew() {
    return {load(), screw()};
}

} // namespace

class ScrewLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void figures_data() {
        QTest::addColumn<Next>("next");
        QTest::addColumn<QString>("added"); // AddedGBReduction
        QTest::addColumn<QString>("ratio"); // LinearReduction
        QTest::addColumn<double>("inertia");
        QTest::addColumn<double>("thrust");
        QTest::addColumn<double>("gravity");

        QTest::newRow("screw drive") << as(screwDriveNext, screwDrive()) << "0"
                                     << "5" << 0.0049525 << 2.8294 << 5.6588;
        QTest::newRow("screw drive, added gearbox of 2")
            << as(screwDriveNext, screwDrive()) << "2"
            << "5" << 0.0049525 / 4 << 2.8294 / 2 << 5.6588 / 2;
        QTest::newRow("screw drive, horizontal")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) { e.load.orientation = Orientation::Horizontal; })
            << "0"
            << "5" << 0.0049525 << 2.8294 << 0.0;
        QTest::newRow("screw drive, negative thrust")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.load.ThrustForce = "-5"; }) << "0"
            << "5" << 0.0049525 << -2.8294 << 5.6588;
        QTest::newRow("screw drive, mm/rev")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) {
                        e.screw = {"5", "mm/rev", "90"};
                    })
            << "0"
            << "5.08" << 0.0049379 << 2.8294 / 1.016 << 5.6588 / 1.016;
        QTest::newRow("screw drive, revs/mm")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) {
                        e.screw = {"0.2", "revs/mm", "90"};
                    })
            << "0"
            << "5.08" << 0.0049379 << 2.8294 / 1.016 << 5.6588 / 1.016;
        QTest::newRow("belt-pulley screw") << as(beltScrewNext, beltScrew()) << "0"
                                           << "10" << 0.0019636 << 1.8863 << 3.7726;
        QTest::newRow("belt-pulley screw, added gearbox of 4")
            << as(beltScrewNext, beltScrew()) << "4"
            << "10" << 0.0019636 / 16 << 1.8863 / 4 << 3.7726 / 4;
        QTest::newRow("gearbox screw") << as(gbScrewNext, gbScrew()) << "0"
                                       << "25" << 0.00061420 << 0.62876 << 1.2575;
        QTest::newRow("gearbox screw, zero load passes") << with(gbScrewNext, gbScrew(),
                                                                 [](auto& e) {
                                                                     e.load.LoadWeight = "0";
                                                                     e.load.ThrustForce = "0";
                                                                 })
                                                         << "0"
                                                         << "25" << 0.00059348 << 0.0 << 0.0;
        QTest::newRow("non-rotating screw") << as(nonRScrewNext, nonRScrew()) << "0"
                                            << "5" << 0.00046617 << 2.8294 << 5.6588;
        QTest::newRow("non-rotating screw, added gearbox of 2")
            << as(nonRScrewNext, nonRScrew()) << "2"
            << "5" << 0.00046617 / 4 << 2.8294 / 2 << 5.6588 / 2;
    }
    void figures() {
        QFETCH(Next, next);
        QFETCH(QString, added);
        QFETCH(QString, ratio);
        QFETCH(double, inertia);
        QFETCH(double, thrust);
        QFETCH(double, gravity);
        SizingRecord r;
        r.AddedGBReduction = number(added);
        r.RotaryReduction = 3; // left by an earlier rotary sizing
        const Outcome out = next(r);
        QCOMPARE(out.messages, QList<Message>{});
        QVERIFY(out.proceed);
        QCOMPARE(stored(r.LinearReduction), ratio);
        QCOMPARE(stored(r.RotaryReduction), added);
        QCOMPARE(r.Weight.text(), QString(inertia < 0.0006 && thrust == 0 ? "0" : "160"));
        QVERIFY2(near(r.ReflectedJ, inertia, 5e-4), qPrintable(stored(r.ReflectedJ)));
        QVERIFY2(thrust == 0 ? r.T_Thrust == 0 : near(r.T_Thrust, thrust, 5e-5),
                 qPrintable(stored(r.T_Thrust)));
        QVERIFY2(gravity == 0 ? r.T_Gravity == 0 : near(r.T_Gravity, gravity, 5e-5),
                 qPrintable(stored(r.T_Gravity)));
    }

    void reportLines() {
        SizingRecord r;
        ScrewDriveEntries s = screwDrive();
        s.ScrewLength = "12.0";
        const Outcome sd = screwDriveNext(r, s);
        QVERIFY(sd.proceed);
        QCOMPARE(sd.reportLines,
                 (QStringList{"Rotating Screw Linear Motion", "Motion Orientation = Vertical",
                              "Screw Length = 12.0 in", "Screw Diameter = 0.5 in",
                              "Screw Pitch or Lead = 0.2 in/rev", "Screw Efficiency = 90 %",
                              "Coupler Length = 1 in", "Coupler Diameter = 1.25 in",
                              "Load Weight = 10 lbs", "Thrust or Constant Force = 5 lbs"}));
        BeltScrewEntries b = beltScrew();
        b.load.orientation = Orientation::Horizontal;
        const Outcome bs = beltScrewNext(r, b);
        QVERIFY(bs.proceed);
        QCOMPARE(bs.reportLines,
                 (QStringList{"Belt-Pulley Driving Screw", "Motion Orientation = Horizontal",
                              "Screw Diameter = 0.5 in", "Screw Length = 24 in",
                              "Screw Pitch or Lead = 0.2 in/rev", "Screw Efficiency = 90 %",
                              "Pinion Pulley Diameter = 1 in", "Driven Pulley Diameter = 2 in",
                              "Pulley Thickness = 0.5 in", "Pulley Material = Aluminum",
                              "Belt Efficiency = 75 %", "Load Weight = 10 lbs",
                              "Thrust or Constant Force = 5 lbs"}));
        const Outcome gs = gbScrewNext(r, gbScrew());
        QVERIFY(gs.proceed);
        QCOMPARE(gs.reportLines,
                 (QStringList{"Gearbox Driving a Screw", "Motion Orientation = Vertical",
                              "Gearbox Reduction Ratio = 5 : 1", "Gearbox Inertia = 0.2 oz-in^2",
                              "Gearbox Efficiency = 90 %", "Screw Diameter = 0.5 in",
                              "Screw Length = 24 in", "Screw Pitch or Lead = 0.2 in/rev",
                              "Screw Efficiency = 90 %", "Load Weight = 10 lbs",
                              "Thrust or Constant Force = 5 lbs"}));
        const Outcome ns = nonRScrewNext(r, nonRScrew());
        QVERIFY(ns.proceed);
        QCOMPARE(ns.reportLines,
                 (QStringList{"Non-Rotating Screw Linear Motion", "Motion Orientation = Vertical",
                              "Screw Pitch = 0.2 in/rev", "Screw Efficiency = 90 %",
                              "Load Weight = 10 lbs", "Thrust or Constant Force = 5 lbs"}));
    }

    // Each check in its order: the first that fails gives its message, and
    // only what comes before it is stored.
    void checks_data() {
        QTest::addColumn<Next>("next");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ratio"); // LinearReduction afterwards

        const QString numbers = "Please enter numeric values only";
        const QString orientation = "Please select the Orientation of this application.";
        const QString rotating = "Please select the units for the rotating components.";
        const QString pitch = "Please select the units for the Pitch of the Screw.";
        const QString weightUnits = "Please enter the units for Weight and Force.";
        const QString systemValues =
            "Please enter positive values for all text fields (Thrust Force is Optional).";

        QTest::newRow("screw: empty coupler")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.CouplerLength = ""; })
            << "Numbers Please" << numbers << "0";
        QTest::newRow("screw: no orientation, zero weight")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) {
                        e.load.orientation = Orientation::None;
                        e.load.LoadWeight = "0";
                    })
            << "Orientation" << orientation << "0";
        QTest::newRow("screw: zero efficiency")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.screw.ScrewEfficiency = "0"; })
            << "Screw Drive"
            << "Please enter positive values in all text fields."
            << "0";
        QTest::newRow("screw: efficiency over 100")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) { e.screw.ScrewEfficiency = "100.01"; })
            << "Screw Drive"
            << "Please enter positive values in all text fields."
            << "0";
        QTest::newRow("screw: no length units")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.SystemUnits.clear(); })
            << "BP Units" << rotating << "0";
        QTest::newRow("screw: no pitch units")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.screw.PitchUnits.clear(); })
            << "Screw Pitch" << pitch << "0";
        QTest::newRow("screw: no weight units stores the ratio first")
            << with(screwDriveNext, screwDrive(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << "5";
        QTest::newRow("screw: pitch too fine")
            << with(screwDriveNext, screwDrive(),
                    [](auto& e) {
                        e.screw = {"1e-320", "in/rev", "90"};
                    })
            << "Out of Range" << messages::outOfRange().text << "0";

        QTest::newRow("belt screw: letters")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.PulleyThickness = "thin"; })
            << "Numbers Please"
            << "Please enter only numeric values"
            << "0";
        QTest::newRow("belt screw: no orientation")
            << with(beltScrewNext, beltScrew(),
                    [](auto& e) { e.load.orientation = Orientation::None; })
            << "Orientation"
            << "Please select the orientation for this application."
            << "0";
        QTest::newRow("belt screw: zero belt efficiency")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.BeltEfficiency = "0"; })
            << "System Values" << systemValues << "0";
        QTest::newRow("belt screw: belt efficiency over 100")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.BeltEfficiency = "101"; })
            << "System Values" << systemValues << "0";
        QTest::newRow("belt screw: no length units")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.SystemUnits.clear(); })
            << "BP Units" << rotating << "0";
        QTest::newRow("belt screw: no material, no pitch units")
            << with(beltScrewNext, beltScrew(),
                    [](auto& e) {
                        e.Material.clear();
                        e.screw.PitchUnits.clear();
                    })
            << "Pulley Material"
            << "Please select material (density) of the pulleys in the system."
            << "0";
        QTest::newRow("belt screw: no pitch units")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.screw.PitchUnits.clear(); })
            << "Screw Pitch" << pitch << "0";
        QTest::newRow("belt screw: no weight units")
            << with(beltScrewNext, beltScrew(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << "10";

        QTest::newRow("gearbox screw: overflowing reduction")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.Reduction = "1e999"; })
            << "Numbers Please" << numbers << "0";
        QTest::newRow("gearbox screw: no orientation")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.load.orientation = Orientation::None; })
            << "Orientation" << orientation << "0";
        QTest::newRow("gearbox screw: zero gearbox inertia")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.GBInertia = "0"; }) << "GB Screw"
            << "Please enter positive values for all text fields."
            << "0";
        QTest::newRow("gearbox screw: gearbox efficiency over 100")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.GBEfficiency = "100.01"; })
            << "GB Screw"
            << "Please enter positive values for all text fields."
            << "0";
        QTest::newRow("gearbox screw: no inertia units")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.GBUnits.clear(); }) << "Inertia Units"
            << "Please select the units for the Gearbox Inertia."
            << "0";
        QTest::newRow("gearbox screw: no screw units")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.SystemUnits.clear(); }) << "Screw Units"
            << "Please select the units for the Screw."
            << "0";
        QTest::newRow("gearbox screw: no pitch units")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.screw.PitchUnits.clear(); })
            << "Screw Pitch" << pitch << "0";
        QTest::newRow("gearbox screw: no weight units")
            << with(gbScrewNext, gbScrew(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << "25";

        QTest::newRow("non-rotating: blank pitch")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.screw.ScrewPitch = " "; })
            << "Numbers Please" << numbers << "0";
        QTest::newRow("non-rotating: no orientation")
            << with(nonRScrewNext, nonRScrew(),
                    [](auto& e) { e.load.orientation = Orientation::None; })
            << "Orientation" << orientation << "0";
        QTest::newRow("non-rotating: zero weight")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.load.LoadWeight = "-0"; })
            << "System Values" << systemValues << "0";
        QTest::newRow("non-rotating: screw efficiency over 100")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.screw.ScrewEfficiency = "150"; })
            << "System Values" << systemValues << "0";
        QTest::newRow("non-rotating: no pitch units")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.screw.PitchUnits.clear(); })
            << "Screw Pitch" << pitch << "0";
        QTest::newRow("non-rotating: no weight units")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.load.Units.clear(); })
            << "Weight/Force Units" << weightUnits << "5";
        QTest::newRow("non-rotating: weight too large")
            << with(nonRScrewNext, nonRScrew(), [](auto& e) { e.load.LoadWeight = "1e308"; })
            << "Out of Range" << messages::outOfRange().text << "5";
    }
    void checks() {
        QFETCH(Next, next);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(QString, ratio);
        SizingRecord r;
        const Outcome out = next(r);
        QCOMPARE(out.messages, (QList<Message>{{title, text}}));
        QVERIFY(!out.proceed);
        QVERIFY(out.entryTexts.isEmpty());
        QCOMPARE(stored(r.LinearReduction), ratio);
        QCOMPARE(r.Weight.text(), QString("0"));
        QCOMPARE(stored(r.ReflectedJ), QString("0"));
        QCOMPARE(stored(r.T_Gravity), QString("0"));
        QVERIFY(out.reportLines.isEmpty());
    }

    void back() {
        SizingRecord r;
        r.MechanismLines = screwDriveNext(r, screwDrive()).reportLines;
        r.AddedGBReduction = 2;
        QCOMPARE(mechanismBack(r, ScreenId::LinearType), ScreenId::Gearbox);
        QCOMPARE(r.MechanismLines.size(), 10);
        r.AddedGBReduction = 0;
        QCOMPARE(mechanismBack(r, ScreenId::LinearType), ScreenId::LinearType);
        QVERIFY(r.MechanismLines.isEmpty());
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        SizingRecord r;
        ScrewDriveEntries s = screwDrive();
        s.ScrewDiameter = "0,5";
        s.CouplerDiameter = "1,25";
        s.screw.ScrewPitch = "0,2";
        const Outcome out = screwDriveNext(r, s);
        QVERIFY(out.proceed);
        QCOMPARE(stored(r.ReflectedJ).left(9), QString("0,0049525"));
        QCOMPARE(out.reportLines.value(3), QString("Screw Diameter = 0,5 in"));
    }
};

QTEST_GUILESS_MAIN(ScrewLogicTest)
#include "tst_screw_logic.moc"
