#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The nine application types as a user picks them, each with a complete and
// valid set of its mechanism screen's entries (the Parts' worked examples).
struct Application {
    QString motion; // "Rotary" or "Linear"
    QString button; // on the choice screen
    QString screen; // the mechanism screen
    QStringList entries;

    QString profile() const { return motion == "Rotary" ? "RotaryMP" : "MotionProfiles"; }
};

inline const QList<Application>& applications() {
    static const QStringList screwLoad{"Vertical",          "LoadWeight=10",  "ThrustForce=5",
                                       "Units=lbs",         "ScrewPitch=0.2", "PitchUnits=in/rev",
                                       "ScrewEfficiency=90"};
    static const QList<Application> all{
        {"Rotary", "DD", "DirectDrive", {"DDInertia=0.25", "TConst=10"}},
        {"Rotary",
         "BP",
         "BeltPulley",
         {"PinionD=1", "DrivenD=3", "Thickness=0.5", "PulleyUnits=in", "Material=Aluminum",
          "BPInertia=0.1", "TConst=4"}},
        {"Rotary",
         "GB",
         "Gearbox",
         {"Reduction=5", "GBInertia=0.06", "GBUnits=oz-in^2", "LoadInertia=0.5", "TConst=10"}},
        {"Linear", "SDrive", "ScrewDrive",
         QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "CouplerDiameter=1.25",
                     "CouplerLength=1", "SystemUnits=in"} +
             screwLoad},
        {"Linear", "BPScrew", "BeltScrewDrive",
         QStringList{"ScrewDiameter=0.5", "ScrewLength=24", "PinionDiameter=1", "DrivenDiameter=2",
                     "PulleyThickness=0.5", "SystemUnits=in", "Material=Aluminum"} +
             screwLoad},
        {"Linear", "GBScrew", "GBScrewDrive",
         QStringList{"Reduction=5", "GBInertia=0.2", "GBUnits=oz-in^2", "ScrewDiameter=0.5",
                     "ScrewLength=24", "SystemUnits=in"} +
             screwLoad},
        {"Linear", "NonRotating", "NonRScrewDrive", screwLoad},
        {"Linear",
         "RackDrive",
         "RackPinionDrive",
         {"Vertical", "PinionOD=2", "PulleyThickness=1", "PinionUnits=in", "LoadWeight=16",
          "ThrustForce=8", "Units=oz"}},
        {"Linear",
         "Conveyor",
         "ConveyorDrive",
         {"Vertical", "PinionDiameter=2", "DrivenDiameter=2", "PulleyThickness=1", "SystemUnits=in",
          "Material=Aluminum", "NumberPulleys=2", "LoadWeight=16", "ThrustForce=4", "Units=oz"}},
    };
    return all;
}

inline const Application& application(const QString& screen) {
    for (const Application& a : applications())
        if (a.screen == screen)
            return a;
    qFatal("no application with screen %s", qPrintable(screen));
}
