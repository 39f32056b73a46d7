#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"
#include "profiles/moveprofile.h"

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
    MoveProfile move; // drawn below the displays
};

struct ProfileOutcome {
    Outcome outcome;
    PreliminaryFigures preliminary; // filled when outcome.proceed
};

// The two profile screens: the rotary one and its linear twin, which
// multiplies its linear ratio by an added gearbox's, never shortens an
// acceleration time, and keeps its own report lines.
enum class ProfileKind { Rotary, Linear };

// The report-line list of a profile screen.
QStringList SizingRecord::*profileLines(ProfileKind kind);

// NEXT of a motion profile screen.
ProfileOutcome profileNext(SizingRecord& record, const ProfileEntries& entries, ProfileKind kind);

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
