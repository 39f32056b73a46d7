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

// Where the application's need stands against the motor, on a torque-speed
// picture: the need (total torque at the maximum speed) and the two points
// the engineer gave for the motor, with the margins' verdicts.
struct OperatingPoints {
    double speed = 0;           // revs/sec, as the preliminary findings showed it
    double torque = 0;          // oz-in, the total torque with the motor's inertia
    double torqueAvailable = 0; // at that speed
    double speedAvailable = 0;  // at that torque
    Verdict torqueMargin = Verdict::Good;
    Verdict speedMargin = Verdict::Good;

    // Only a need of some speed and some torque can be drawn.
    bool drawable() const;
};

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
    OperatingPoints operating;
};

struct SelectionOutcome {
    Outcome outcome;
    FindingsFigures findings; // filled when outcome.proceed
};

// NEXT of the motor selection screen; writes MotorSelection on success.
SelectionOutcome selectionNext(SizingRecord& record, const SelectionEntries& entries);
