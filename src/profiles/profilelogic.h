#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "sizing/figures.h"
#include "sizing/record.h"

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
    QString DwellTime = "0"; // at rest after a triangle or a trapezoid
};
// The profile is the option chosen in the frame "Profile".
ProfileEntries profileEntries(const Form& form);
// A profile screen's entries when it is first shown.
const Form& profileForm();

struct ProfileOutcome {
    Outcome outcome;
    PreliminaryFigures preliminary; // filled when outcome.proceed
};

// The two profile screens: the rotary one and its linear twin, which
// multiplies its linear ratio by an added gearbox's, never shortens an
// acceleration time, and keeps its own report lines.
enum class ProfileKind { Rotary, Linear };
inline ProfileKind profileKindOf(Motion motion) {
    return motion == Motion::Rotary ? ProfileKind::Rotary : ProfileKind::Linear;
}

// The report-line list of a profile screen.
QStringList SizingRecord::*profileLines(ProfileKind kind);
// The screen of each kind, and the kind of a profile screen.
ScreenId profileScreen(ProfileKind kind);

// NEXT of a motion profile screen.
ProfileOutcome profileNext(SizingRecord& record, const ProfileEntries& entries, ProfileKind kind);

// The heading a profile screen takes on first load.
QString profileHeading(Motion motion);
