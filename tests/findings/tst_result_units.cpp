#include "findings/findingslogic.h"
#include "findings/projectionlogic.h"
#include "flow/numbers.h"
#include "profiles/moveprofile.h"
#include "report/reportlogic.h"
#include "support/sizingroad.h"
#include "units/units.h"

#include <QLocale>
#include <QTest>

Q_DECLARE_METATYPE(AppRoad)

namespace {

// Figures typed in SI units, as the program holds them.
double inertia(double kgcm2) {
    return units::inertiaUnits().toInternal("kg-cm^2", kgcm2);
}
double torque(double nm) {
    return units::torqueUnits().toInternal("N-m", nm);
}
double speed(double rpm) {
    return units::rotarySpeedUnits().toInternal("revs/min", rpm);
}

PreliminaryFigures preliminary() {
    PreliminaryFigures p;
    p.appType = "Linear: Rack & Pinion";
    p.weight = {units::weightUnits().toInternal("kg", 4), false};
    p.need = {inertia(2.5),    torque(1.2),     torque(0.3),
              torque(0.00005), torque(1.50005), speed(1500)};
    p.move.rmsTorque = torque(0.8);
    return p;
}

FindingsFigures findings() {
    FindingsFigures f;
    f.need = preliminary().need;
    f.motorInertia = inertia(0.6);
    f.mismatch = 4.1666;
    f.torqueMargin = 12.5;
    f.speedMargin = 33.333;
    f.rmsTorque = torque(0.8);
    f.continuousTorque = torque(1.0);
    f.rmsMargin = 20;
    return f;
}

} // namespace

// Results in SI: each figure typed in an SI unit comes back as typed, in the
// SI formats; percentages, the mismatch and the load given by its inertia
// stay as they are; US stays as the program always showed it.
class ResultUnitsTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void preliminaryInSI() {
        using enum PreliminaryDisplay;
        const PreliminaryFigures p = preliminary();
        const auto si = [&](PreliminaryDisplay d) { return preliminaryText(p, d, UnitSystem::SI); };
        QCOMPARE(si(App), QString("Linear: Rack & Pinion"));
        QCOMPARE(si(Weight), QString("4.000"));
        QCOMPARE(si(ReflectedJ), QString("2.500"));
        QCOMPARE(si(Taccl), QString("1.200"));
        QCOMPARE(si(Tthrust), QString("0.300"));
        // A torque too small for three decimals keeps three significant digits.
        QCOMPARE(si(Tgravity), QString("0.0000500"));
        QCOMPARE(si(T_Total), QString("1.500"));
        QCOMPARE(si(MaxSpeed), QString("1500.0"));
        QCOMPARE(si(TRMS), QString("0.800"));
        QCOMPARE(preliminaryRows()[int(ReflectedJ)].unit(UnitSystem::SI), QString("kg-cm^2"));
        QCOMPARE(preliminaryRows()[int(T_Total)].unit(UnitSystem::SI), QString("N-m"));
        QCOMPARE(preliminaryRows()[int(MaxSpeed)].unit(UnitSystem::SI), QString("revs/min"));
        QCOMPARE(preliminaryRows()[int(Weight)].unit(UnitSystem::SI), QString("kg"));

        PreliminaryFigures given = p;
        given.weight = {0, true};
        QCOMPARE(preliminaryText(given, Weight, UnitSystem::SI), QString("Inertia Given"));
    }

    void findingsInSI() {
        using enum FindingsDisplay;
        const FindingsFigures f = findings();
        const auto si = [&](FindingsDisplay d) { return findingsText(f, d, UnitSystem::SI); };
        QCOMPARE(si(MotorInertia), QString("0.600"));
        QCOMPARE(si(ReflectedJ), QString("2.500"));
        QCOMPARE(si(T_Total), QString("1.500"));
        QCOMPARE(si(MaxSpeed), QString("1500"));
        QCOMPARE(si(TRMS), QString("0.800"));
        for (FindingsDisplay d : {Mismatch, TorqueMargin, SpeedMargin, RMSMargin})
            QCOMPARE(si(d), findingsText(f, d));
        QCOMPARE(findingsRows()[int(Mismatch)].unit(UnitSystem::SI), QString());
        QCOMPARE(findingsRows()[int(TorqueMargin)].unit(UnitSystem::SI), QString("%"));
    }

    // The projection works from the SI displays as shown; the mismatch is the
    // same in both systems.
    void projectionInSI() {
        const FindingsFigures f = findings();
        const Projection si = project(f, 0, "2", UnitSystem::SI);
        QVERIFY(!si.message);
        QCOMPARE(si.NewJ, QString("0.625"));
        QCOMPARE(si.NewT, QString("0.150")); // (0.3 + 0.00005) N-m / 2, nothing to accelerate
        QCOMPARE(si.NewSp, QString("3000.0"));
        QCOMPARE(si.NewMis, project(f, 0, "2").NewMis);
    }

    void reportInSI() {
        SizingRecord r;
        r.MotionType = Motion::Linear;
        const QStringList si = assembleReport(r, findings(), UnitSystem::SI);
        for (const char* line :
             {"Jr = 2.500 kg-cm^2", "Jm = 0.600 kg-cm^2", "Ta = 1.200 N-m", "Tt = 0.300 N-m",
              "Tg = 0.0000500 N-m", "Ttot = 1.500 N-m", "At a Max Speed = 1500 revs/min",
              "Trms = 0.800 N-m", "RMS Margin = 20.00 %", "INERTIA MISMATCH = 4.17 : 1"})
            QVERIFY2(si.contains(line), line);
        QCOMPARE(si.size(), assembleReport(r, findings()).size());
    }

    // The plots: the move's caption and the operating picture's legend.
    void plotsInSI() {
        MoveProfile move;
        move.maxSpeed = speed(1500);
        move.accelTime = 0.5;
        move.moveTime = 1;
        move.segments = {{0, 0.5, 0, move.maxSpeed, torque(1.2)}};
        QCOMPARE(moveCaption(move, UnitSystem::SI).first(), QString("max speed = 1500 revs/min"));
        QCOMPARE(inUnits(move, UnitSystem::SI).segments.first().torque, 1.2);
        FindingsFigures f = findings();
        f.torqueAvailable = torque(2);
        f.speedAvailable = speed(3000);
        f.requiredTorque = torque(1.4);
        const QStringList legend = operatingLegend(f, UnitSystem::SI);
        QCOMPARE(legend.value(0), QString("needed: 1.500 N-m at 1500 revs/min"));
        QCOMPARE(legend.value(1),
                 QString("motor: 2.000 N-m at 1500.0 revs/min, 3000.0 revs/min at 1.400 N-m"));
        QCOMPARE(legend.value(4), QString("continuous torque: 1.000 N-m"));
    }

    // A motor typed in SI units sizes as the same motor typed in US units,
    // and the report quotes it as typed.
    void motorInAnyUnits() {
        Sizing sized;
        sizingroad::size(sized, road("DirectDrive"));
        const PreliminaryFigures p = *sized.results.preliminary;
        SizingRecord us = sized.record(), si = sized.record();
        const SelectionOutcome inUS = selectionNext(us, {"0.01", "150", "40", "100"}, p);
        SelectionEntries typed{"0.706727", "1.059232", "2400", "0.706155"};
        typed.RotorInertiaUnits = "kg-cm^2";
        typed.TorqueAvailableUnits = typed.TorqueContinuousUnits = "N-m";
        typed.SpeedAvailableUnits = "revs/min";
        const SelectionOutcome inSI = selectionNext(si, typed, p);
        QVERIFY(inUS.outcome.proceed && inSI.outcome.proceed);
        for (FindingsDisplay d : findingsOrder())
            QCOMPARE(findingsText(inSI.findings, d), findingsText(inUS.findings, d));
        QVERIFY(si.MotorSelection.contains("Selected Motor's Rotor Inertia = 0.706727 kg-cm^2"));
        QVERIFY(si.MotorSelection.contains(
            "Selected Motor's Speed Available at Torque Required = 2400 revs/min"));
        QVERIFY(us.MotorSelection.contains("Selected Motor's Rotor Inertia = 0.01 oz-in-sec^2"));
    }

    // A rack and pinion and a ball screw typed wholly in SI units, the motor
    // too, size as the same machines typed in US units: their findings in SI
    // (and in US) read the same to the shown digits.
    void typedInSI_data() {
        QTest::addColumn<AppRoad>("us");
        QTest::addColumn<AppRoad>("si");
        AppRoad rack = road("RackPinionDrive");
        AppRoad rackSI = rack;
        rackSI.entries = {"Vertical",       "PinionOD=50.8",        "PulleyThickness=25.4",
                          "PinionUnits=mm", "LoadWeight=0.4535932", "ThrustForce=0.2267966",
                          "Units=kg"};
        rackSI.move = {"Trapezoidal",    "TrapDist=254",   "TrapMoveUnits=mm",
                       "TrapMoveTime=2", "AccelDist=25.4", "AccelDistUnits=mm"};
        rackSI.motor = {"RotorInertia=0.706726",     "RotorInertiaUnits=kg-cm^2",
                        "TorqueAvailable=0.2824621", "TorqueAvailableUnits=N-m",
                        "SpeedAvailable=180",        "SpeedAvailableUnits=revs/min"};
        QTest::newRow("rack and pinion") << rack << rackSI;
        AppRoad screw = road("ScrewDrive");
        AppRoad screwSI = screw;
        screwSI.entries = {"ScrewDiameter=12.7",  "ScrewLength=609.6",    "CouplerDiameter=31.75",
                           "CouplerLength=25.4",  "SystemUnits=mm",       "Vertical",
                           "LoadWeight=4.535932", "ThrustForce=2.267966", "Units=kg",
                           "ScrewPitch=5.08",     "PitchUnits=mm/rev",    "ScrewEfficiency=90"};
        screwSI.move = {"Triangular", "TriDist=50.8", "TriMoveUnits=mm", "TriMoveTime=1"};
        screwSI.motor = {"RotorInertia=0.1413452",    "RotorInertiaUnits=kg-cm^2",
                         "TorqueAvailable=0.1412311", "TorqueAvailableUnits=N-m",
                         "SpeedAvailable=1800",       "SpeedAvailableUnits=revs/min"};
        QTest::newRow("ball screw") << screw << screwSI;
    }
    void typedInSI() {
        QFETCH(AppRoad, us);
        QFETCH(AppRoad, si);
        Sizing inUS, inSI;
        sizingroad::size(inUS, us);
        sizingroad::size(inSI, si);
        const FindingsFigures& a = *inUS.results.findings;
        const FindingsFigures& b = *inSI.results.findings;
        for (UnitSystem system : {UnitSystem::SI, UnitSystem::US})
            for (FindingsDisplay d : findingsOrder())
                QCOMPARE(findingsText(b, d, system), findingsText(a, d, system));
        QCOMPARE(findingsText(b, FindingsDisplay::T_Total, UnitSystem::SI),
                 numbers::format(a.need.totalTorque / 141.6119, u"##0.000"));
    }

    // US is the default and shows the figures in the program's own units.
    void usAsAlways() {
        const PreliminaryFigures p = preliminary();
        for (int d = 0; d < preliminaryRows().size(); ++d)
            QCOMPARE(preliminaryText(p, PreliminaryDisplay(d), UnitSystem::US),
                     preliminaryText(p, PreliminaryDisplay(d)));
        QCOMPARE(preliminaryText(p, PreliminaryDisplay::MaxSpeed, UnitSystem::US),
                 QString("25.000"));
        QCOMPARE(preliminaryRows()[int(PreliminaryDisplay::MaxSpeed)].unit(), QString("revs/sec"));
    }

    void commaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(findingsText(findings(), FindingsDisplay::ReflectedJ, UnitSystem::SI),
                 QString("2,500"));
        QCOMPARE(preliminaryText(preliminary(), PreliminaryDisplay::MaxSpeed, UnitSystem::SI),
                 QString("1500,0"));
    }
};

QTEST_GUILESS_MAIN(ResultUnitsTest)
#include "tst_result_units.moc"
