#pragma once

#include <QList>

// The move a profile worked out, over time, as the preliminary findings draw
// it: the motor speed and the torque required in each stretch.
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
    bool openEnded = false; // constant velocity: the constant stretch goes on
    QList<MoveSegment> segments;

    bool isEmpty() const { return segments.isEmpty(); }
};

// Accelerating takes the torque to accelerate on top of thrust and gravity,
// running at speed thrust and gravity alone, decelerating thrust and gravity
// less the torque to accelerate. A move time of 0 means constant velocity:
// the acceleration and a constant stretch as long again. Empty when the
// figures make no move (no speed, no time, or not finite).
MoveProfile moveProfile(double maxSpeed, double accelTime, double moveTime, double accelTorque,
                        double thrust, double gravity);
