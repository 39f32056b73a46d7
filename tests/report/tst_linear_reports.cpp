#include "support/reportroad.h"

#include <QGroupBox>

using reportroad::viewAndSave;

// Each linear mechanism from the welcome screen through the linear profile
// to a saved report.
class LinearReportsTest : public QObject {
    Q_OBJECT

    static void size(Harness& h, const QString& button, const QString& screen,
                     const QStringList& mechanism, const QString& tag, const QStringList& move,
                     const QStringList& motor) {
        h.click("Welcome", "Linear");
        h.click("LinearType", button);
        h.fill(screen, mechanism);
        h.click(screen, "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"MotionProfiles"});
        QCOMPARE(h.window("MotionProfiles")->windowTitle(), QString("Motion Profiles"));
        QCOMPARE(h.text("MotionProfiles", "MotionProfile"), QString("Linear Motion Profiles"));
        QCOMPARE(h.control<QGroupBox>("MotionProfiles", "Profile")->title(), tag);
        h.fill("MotionProfiles", move);
        h.click("MotionProfiles", "Next");
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"Preliminary"});
        h.click("Preliminary", "Next");
        h.enterMotor(motor[0], motor[1], motor[2]);
        QCOMPARE(h.messages.take(), QList<Message>{});
        QCOMPARE(h.shownWindows(), QStringList{"Findings"});
    }

    static QStringList screwLoad() {
        return {"Vertical",       "LoadWeight=10",     "ThrustForce=5",     "Units=lbs",
                "ScrewPitch=0.2", "PitchUnits=in/rev", "ScrewEfficiency=90"};
    }

  private slots:
    void screwDrive() {
        Harness h;
        size(h, "SDrive", "ScrewDrive",
             QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "CouplerDiameter=1.25",
                         "CouplerLength=1", "SystemUnits=in"} +
                 screwLoad(),
             "Screw Drive", {"Triangular", "TriDist=2", "TriMoveUnits=in", "TriMoveTime=1"},
             {"0.002", "20", "30"});
        QCOMPARE(h.text("Findings", "Tgravity"), QString("5.66"));
        viewAndSave(h, "screwdrive-report.txt");
    }

    void beltScrew() {
        Harness h;
        size(h, "BPScrew", "BeltScrewDrive",
             QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "PinionDiameter=1",
                         "DrivenDiameter=2", "PulleyThickness=0.5", "SystemUnits=in",
                         "Material=Aluminum"} +
                 screwLoad(),
             "BP Screw",
             {"Trapezoidal", "TrapDist=2", "TrapMoveUnits=in", "TrapMoveTime=1", "MaxSpeed=3",
              "MaxSpeedUnits=in/sec"},
             {"0.001", "15", "60"});
        viewAndSave(h, "beltscrew-report.txt");
    }

    void gbScrew() {
        Harness h;
        size(h, "GBScrew", "GBScrewDrive",
             QStringList{"Reduction=5", "GBInertia=0.2", "GBUnits=oz-in^2", "ScrewDiameter=0.5",
                         "ScrewLength=24", "SystemUnits=in"} +
                 screwLoad(),
             "GB Screw", {"Trapezoidal", "MaxSpeed=1", "MaxSpeedUnits=in/sec", "AccelTime=0.1"},
             {"0.0005", "10", "50"});
        viewAndSave(h, "gbscrew-report.txt");
    }

    void nonRScrew() {
        Harness h;
        size(h, "NonRotating", "NonRScrewDrive", screwLoad(), "NR Screw",
             {"Triangular", "TriDist=50.8", "TriMoveUnits=mm", "TriMoveTime=0.5"},
             {"0.001", "20", "80"});
        viewAndSave(h, "nonrscrew-report.txt");
    }

    void rackPinion() {
        Harness h;
        size(h, "RackDrive", "RackPinionDrive",
             {"Vertical", "PinionOD=2", "PulleyThickness=1", "PinionUnits=in", "LoadWeight=16",
              "ThrustForce=8", "Units=oz"},
             "Rack & Pinion",
             {"Trapezoidal", "TrapDist=10", "TrapMoveUnits=in", "TrapMoveTime=2", "AccelDist=1",
              "AccelDistUnits=in"},
             {"0.01", "40", "3"});
        QCOMPARE(h.text("Findings", "MaxSpeed"), QString("0.955"));
        viewAndSave(h, "rackpinion-report.txt");
    }

    void conveyorInACommaLocale() {
        Harness h(QLocale(QLocale::German, QLocale::Germany));
        size(h, "Conveyor", "ConveyorDrive",
             {"Vertical", "PinionDiameter=2", "DrivenDiameter=2", "PulleyThickness=1",
              "SystemUnits=in", "Material=Aluminum", "LoadWeight=16", "ThrustForce=4", "Units=oz"},
             "Conveyor", {"Triangular", "TriDist=12", "TriMoveUnits=in", "TriMoveTime=1"},
             {"0,05", "50", "6"});
        QCOMPARE(h.text("Findings", "T_Total"), QString("32,42"));
        viewAndSave(h, "conveyor-report.txt");
    }
};

QTEST_MAIN(LinearReportsTest)
#include "tst_linear_reports.moc"
