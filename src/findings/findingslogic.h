#pragma once

#include "flow/outcome.h"
#include "flow/sizingrecord.h"

// BACK of the preliminary findings: an inertia-only load goes back to a zero
// weight; gives the profile screen to return to.
QString preliminaryBack(SizingRecord& record, const QString& weightShown);

struct SelectionEntries {
    QString RotorInertia;
    QString TorqueAvailable;
    QString SpeedAvailable;
    QString speedShown; // the preliminary findings' maximum speed display
};

enum class Verdict { Good, Bad };

// The findings screen's display texts and the verdicts that colour them.
struct FindingsFigures {
    QString MotorInertia;
    QString ReflectedJ;
    QString Taccl;
    QString Tthrust;
    QString Tgravity;
    QString T_Total;
    QString MaxSpeed;
    QString Mismatch;
    QString TorqueMargin;
    QString SpeedMargin;
    Verdict mismatch = Verdict::Good;
    Verdict torqueMargin = Verdict::Good;
    Verdict speedMargin = Verdict::Good;
};

struct SelectionOutcome {
    Outcome outcome;
    FindingsFigures findings; // filled when outcome.proceed
};

// NEXT of the motor selection screen; writes MotorSelection on success.
SelectionOutcome selectionNext(SizingRecord& record, const SelectionEntries& entries);
