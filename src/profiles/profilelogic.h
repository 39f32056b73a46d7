#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

#include <QStringList>

// What the profile screen's NEXT reads: the two options, the seven entry
// texts and the four unit choices (empty text when none is chosen).
struct ProfileEntries {
    bool Triangular = false;
    bool Trapezoidal = false;
    QString TriDist = "0";
    QString TriMoveTime = "0";
    QString TrapDist = "0";
    QString TrapMoveTime = "0";
    QString MaxSpeed = "0";
    QString AccelTime = "0";
    QString AccelDist = "0";
    QString TriMoveUnits;
    QString TrapMoveUnits;
    QString MaxSpeedUnits;
    QString AccelDistUnits;
};

// The texts the profile writes into the preliminary findings displays.
struct PreliminaryFigures {
    QString App;
    QString Weight;
    QString ReflectedJ;
    QString Taccl;
    QString Tthrust;
    QString Tgravity;
    QString T_Total;
    QString MaxSpeed;
};

struct ProfileOutcome {
    Outcome outcome;
    PreliminaryFigures preliminary; // filled when outcome.proceed
};

// NEXT of the rotary motion profile screen.
ProfileOutcome rotaryProfileNext(SizingRecord& record, const ProfileEntries& entries);

// The heading and unit lists a profile screen takes on first load.
struct ProfileSetup {
    QString heading;
    QStringList distanceUnits; // TriMoveUnits, TrapMoveUnits, AccelDistUnits
    QStringList speedUnits;    // MaxSpeedUnits
};
ProfileSetup profileSetup(const QString& motionType);

// BACK of a profile screen: empties its report lines and gives the mechanism
// screen named by the frame's tag (empty when the tag names none).
QString profileBack(SizingRecord& record, QStringList& reportLines, const QString& tag);
