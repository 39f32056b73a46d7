#include "support/reportroad.h"

using reportroad::viewAndSave;

// Each rotary mechanism from the welcome screen to a saved report.
class RotaryReportsTest : public QObject {
    Q_OBJECT

  private slots:
    void beltPulley() {
        Harness h;
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "BP");
        h.type("BeltPulley", "PinionD", "1");
        h.type("BeltPulley", "DrivenD", "3");
        h.type("BeltPulley", "Thickness", "0.5");
        h.choose("BeltPulley", "PulleyUnits", "in");
        h.choose("BeltPulley", "Material", "Aluminum");
        h.type("BeltPulley", "BPInertia", "0.1");
        h.click("BeltPulley", "Next");
        h.enterTriangular("10", "revs", "1");
        QCOMPARE(h.text("Preliminary", "App"), QString("Rotary: Belt-Pulley"));
        QCOMPARE(h.text("Preliminary", "Weight"), QString("Inertia Given"));
        QCOMPARE(h.text("Preliminary", "ReflectedJ"), QString("0.017"));
        QCOMPARE(h.text("Preliminary", "Taccl"), QString("13.088"));
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("60.000"));
        h.click("Preliminary", "Next");
        h.enterMotor("0.01", "150", "100");
        QCOMPARE(h.messages.take(), QList<Message>{});
        viewAndSave(h, "beltpulley-report.txt");
    }

    void gearbox() {
        Harness h;
        h.click("Welcome", "Rotary");
        h.click("RotaryType", "GB");
        h.type("Gearbox", "Reduction", "5");
        h.type("Gearbox", "GBInertia", "0.06");
        h.choose("Gearbox", "GBUnits", "oz-in^2");
        h.type("Gearbox", "LoadInertia", "0.5");
        h.type("Gearbox", "TConst", "10");
        h.click("Gearbox", "Next");
        h.click("RotaryMP", "Trapezoidal");
        h.type("RotaryMP", "TrapDist", "10");
        h.choose("RotaryMP", "TrapMoveUnits", "revs");
        h.type("RotaryMP", "TrapMoveTime", "1");
        h.type("RotaryMP", "MaxSpeed", "15");
        h.choose("RotaryMP", "MaxSpeedUnits", "revs/sec");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.text("Preliminary", "ReflectedJ"), QString("0.022"));
        QCOMPARE(h.text("Preliminary", "Tthrust"), QString("10.000"));
        QCOMPARE(h.text("Preliminary", "MaxSpeed"), QString("75.000"));
        h.click("Preliminary", "Next");
        h.enterMotor("0.02", "80", "100");
        QCOMPARE(h.messages.take(), QList<Message>{});
        viewAndSave(h, "gearbox-report.txt");
    }

    void directDriveFromTheCalculator() {
        Harness h;
        h.openDirectDrive();
        h.click("DirectDrive", "LoadCalcs");
        h.click("LoadCalculations", "SolidCyl");
        h.choose("LoadCalculations", "LUnits", "in");
        h.type("LoadCalculations", "SolidOD", "4");
        h.type("LoadCalculations", "Weight", "2");
        h.choose("LoadCalculations", "WTUnits", "lbs");
        h.type("LoadCalculations", "Eccentricity", "1");
        h.click("LoadCalculations", "Calculate");
        QCOMPARE(h.text("DirectDrive", "DDInertia"), QString("0.248"));
        h.click("DirectDrive", "Next");
        h.click("RotaryMP", "Trapezoidal");
        h.type("RotaryMP", "MaxSpeed", "600");
        h.choose("RotaryMP", "MaxSpeedUnits", "revs/min");
        h.type("RotaryMP", "AccelTime", "0.2");
        h.click("RotaryMP", "Next");
        QCOMPARE(h.text("Preliminary", "Weight"), QString("32"));
        QCOMPARE(h.text("Preliminary", "Taccl"), QString("77.911"));
        h.click("Preliminary", "Next");
        h.enterMotor("0.05", "200", "20");
        QCOMPARE(h.messages.take(), QList<Message>{});
        viewAndSave(h, "loadcalc-report.txt");
    }
};

QTEST_MAIN(RotaryReportsTest)
#include "tst_rotary_reports.moc"
