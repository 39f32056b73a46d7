#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// The nine application types as a user picks them, each with a complete and
// valid set of its mechanism screen's entries (worked examples), and the road
// on from there to a saved report: the move, the motor, and the report
// written by hand from figures worked out independently. Entries are tokens:
// "Entry=text", "List=item", or the name of an option to choose.
struct AppRoad {
    QString motion;      // "Rotary" or "Linear"
    QString button;      // on the choice screen
    QString screen;      // the mechanism screen
    QStringList entries; // the mechanism screen's
    QStringList move;    // the profile screen's
    QStringList motor;   // the motor selection's
    QString fixture;     // the report, in tests/report/fixtures
    QString locale = "en_US";
    QStringList calculator; // the load calculator's, for a load it enters

    QString profile() const { return motion == "Rotary" ? "RotaryMP" : "MotionProfiles"; }
};

inline const QList<AppRoad>& roads() {
    static const QStringList screwLoad{"Vertical",          "LoadWeight=10",  "ThrustForce=5",
                                       "Units=lbs",         "ScrewPitch=0.2", "PitchUnits=in/rev",
                                       "ScrewEfficiency=90"};
    const auto motor = [](const char* rotor, const char* torque, const char* speed) {
        return QStringList{QString("RotorInertia=") + rotor, QString("TorqueAvailable=") + torque,
                           QString("SpeedAvailable=") + speed};
    };
    static const QStringList tenRevs{"Triangular", "TriDist=10", "TriMoveUnits=revs",
                                     "TriMoveTime=1"};
    static const QList<AppRoad> all{
        {"Rotary",
         "DD",
         "DirectDrive",
         {"DDInertia=0.25", "TConst=10"},
         tenRevs,
         motor("0.01", "150", "40"),
         "directdrive-report.txt",
         "en_US",
         {}},
        {"Rotary",
         "BP",
         "BeltPulley",
         {"PinionD=1", "DrivenD=3", "Thickness=0.5", "PulleyUnits=in", "Material=Aluminum",
          "BPInertia=0.1"},
         tenRevs,
         motor("0.01", "150", "100"),
         "beltpulley-report.txt",
         "en_US",
         {}},
        {"Rotary",
         "GB",
         "Gearbox",
         {"Reduction=5", "GBInertia=0.06", "GBUnits=oz-in^2", "LoadInertia=0.5", "TConst=10"},
         {"Trapezoidal", "TrapDist=10", "TrapMoveUnits=revs", "TrapMoveTime=1", "MaxSpeed=15",
          "MaxSpeedUnits=revs/sec"},
         motor("0.02", "80", "100"),
         "gearbox-report.txt",
         "en_US",
         {}},
        {"Linear",
         "SDrive",
         "ScrewDrive",
         QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "CouplerDiameter=1.25",
                     "CouplerLength=1", "SystemUnits=in"} +
             screwLoad,
         {"Triangular", "TriDist=2", "TriMoveUnits=in", "TriMoveTime=1"},
         motor("0.002", "20", "30"),
         "screwdrive-report.txt",
         "en_US",
         {}},
        {"Linear",
         "BPScrew",
         "BeltScrewDrive",
         QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "PinionDiameter=1", "DrivenDiameter=2",
                     "PulleyThickness=0.5", "SystemUnits=in", "Material=Aluminum"} +
             screwLoad,
         {"Trapezoidal", "TrapDist=2", "TrapMoveUnits=in", "TrapMoveTime=1", "MaxSpeed=3",
          "MaxSpeedUnits=in/sec"},
         motor("0.001", "15", "60"),
         "beltscrew-report.txt",
         "en_US",
         {}},
        {"Linear",
         "GBScrew",
         "GBScrewDrive",
         QStringList{"Reduction=5", "GBInertia=0.2", "GBUnits=oz-in^2", "ScrewDiameter=0.5",
                     "ScrewLength=24", "SystemUnits=in"} +
             screwLoad,
         // A constant velocity.
         {"Trapezoidal", "MaxSpeed=1", "MaxSpeedUnits=in/sec", "AccelTime=0.1"},
         motor("0.0005", "10", "50"),
         "gbscrew-report.txt",
         "en_US",
         {}},
        {"Linear",
         "NonRotating",
         "NonRScrewDrive",
         screwLoad,
         {"Triangular", "TriDist=50.8", "TriMoveUnits=mm", "TriMoveTime=0.5"},
         motor("0.001", "20", "80"),
         "nonrscrew-report.txt",
         "en_US",
         {}},
        {"Linear",
         "RackDrive",
         "RackPinionDrive",
         {"Vertical", "PinionOD=2", "PulleyThickness=1", "PinionUnits=in", "LoadWeight=16",
          "ThrustForce=8", "Units=oz"},
         {"Trapezoidal", "TrapDist=10", "TrapMoveUnits=in", "TrapMoveTime=2", "AccelDist=1",
          "AccelDistUnits=in"},
         motor("0.01", "40", "3"),
         "rackpinion-report.txt",
         "en_US",
         {}},
        {"Linear",
         "Conveyor",
         "ConveyorDrive",
         {"Vertical", "PinionDiameter=2", "DrivenDiameter=2", "PulleyThickness=1", "SystemUnits=in",
          "Material=Aluminum", "NumberPulleys=2", "LoadWeight=16", "ThrustForce=4", "Units=oz"},
         {"Triangular", "TriDist=12", "TriMoveUnits=in", "TriMoveTime=1"},
         motor("0.05", "50", "6"),
         "conveyor-report.txt",
         "de_DE",
         {}},
    };
    return all;
}

// The direct drive whose load comes from the load calculator: a solid
// cylinder with an eccentricity, moved at constant velocity.
inline const AppRoad& calculatorRoad() {
    static const AppRoad road{
        "Rotary",
        "DD",
        "DirectDrive",
        {},
        {"Trapezoidal", "MaxSpeed=600", "MaxSpeedUnits=revs/min", "AccelTime=0.2"},
        {"RotorInertia=0.05", "TorqueAvailable=200", "SpeedAvailable=20"},
        "loadcalc-report.txt",
        "en_US",
        {"SolidCyl", "LUnits=in", "SolidOD=4", "Weight=2", "WTUnits=lbs", "Eccentricity=1"}};
    return road;
}

inline const AppRoad& road(const QString& screen) {
    for (const AppRoad& a : roads())
        if (a.screen == screen)
            return a;
    qFatal("no application with screen %s", qPrintable(screen));
}

// The tokens with their figures written in the locale's decimal separator.
inline QStringList localised(const QStringList& tokens, const QLocale& locale) {
    QStringList out;
    for (const QString& token : tokens) {
        if (!token.contains('=')) {
            out << token;
            continue;
        }
        QString value = token.section('=', 1);
        bool figure = false;
        QLocale::c().toDouble(value, &figure);
        if (figure)
            value = value.replace('.', locale.decimalPoint());
        out << token.section('=', 0, 0) + "=" + value;
    }
    return out;
}
