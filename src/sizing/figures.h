#pragma once

#include "flow/verdict.h"
#include "sizing/record.h"

#include <QList>
#include <QString>

// What the application needs of a motor: the inertia it sees, the torques of
// the move at its maximum speed, and that speed.
struct Need {
    double reflectedInertia = 0; // oz-in-sec^2
    double accelTorque = 0;      // oz-in
    double thrustTorque = 0;     // oz-in
    double gravityTorque = 0;    // oz-in
    double totalTorque = 0;      // oz-in
    double speed = 0;            // revs/sec
    bool operator==(const Need&) const = default;
};

// The move a profile worked out, over time: the motor speed and the torque
// required in each stretch.
struct MoveSegment {
    double start = 0; // sec
    double end = 0;
    double fromSpeed = 0; // revs/sec
    double toSpeed = 0;
    double torque = 0; // oz-in, the same all through the stretch
    bool operator==(const MoveSegment&) const = default;
};

struct MoveProfile {
    double maxSpeed = 0;    // revs/sec
    double accelTime = 0;   // sec
    double moveTime = 0;    // sec; 0 for a constant velocity, which has none
    double dwellTime = 0;   // sec at rest after the move, before it repeats
    bool openEnded = false; // constant velocity: the constant stretch goes on
    QList<MoveSegment> segments;
    double rmsTorque = 0; // oz-in, over the move and its dwell
    double meanSpeed = 0; // revs/sec, over the move and its dwell

    bool isEmpty() const { return segments.isEmpty(); }
    bool operator==(const MoveProfile&) const = default;
};

// The preliminary findings: the need without a motor, for the application
// and load as they stood when the profile was worked out.
struct PreliminaryFigures {
    QString appType;
    LoadWeight weight;
    Need need;
    MoveProfile move;
    bool operator==(const PreliminaryFigures&) const = default;
};

// The findings: the need with the chosen motor's inertia, the motor's own
// figures as the engineer gave them, and how the two compare.
struct FindingsFigures {
    Need need;                  // its speed is the preliminary speed as shown
    double motorInertia = 0;    // oz-in-sec^2
    double torqueAvailable = 0; // oz-in, at the need's speed
    double speedAvailable = 0;  // revs/sec, at the required torque
    double mismatch = 0;        // reflected inertia : motor inertia
    double torqueMargin = 0;    // percent
    double speedMargin = 0;     // percent
    Verdict mismatchVerdict = Verdict::Good;
    Verdict torqueVerdict = Verdict::Good;
    Verdict speedVerdict = Verdict::Good;
    double requiredTorque = 0; // oz-in, as the motor selection showed it (no motor inertia)
    // The thermal check: the RMS torque of the cycle with the motor's inertia,
    // against the motor's continuous torque (0: none given, no check).
    double rmsTorque = 0;        // oz-in
    double meanSpeed = 0;        // revs/sec
    double continuousTorque = 0; // oz-in
    double rmsMargin = 0;        // percent
    Verdict rmsVerdict = Verdict::Good;
    bool rmsChecked() const { return continuousTorque > 0 && rmsTorque > 0; }
    bool operator==(const FindingsFigures&) const = default;
};
