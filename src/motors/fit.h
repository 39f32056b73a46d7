#pragma once

#include "findings/findingslogic.h"
#include "sizing/motor.h"
#include "sizing/sizing.h"

#include <QList>

#include <optional>

// How each motor of the library would do in the sizing in progress.
namespace motors {

struct Fit {
    Motor motor;
    // The findings NEXT would show with the motor's figures; nothing when
    // they cannot be worked out (then `problem` says why).
    std::optional<FindingsFigures> findings;
    Message problem;
    int red = 0; // of the mismatch and the three margins
    bool fits() const { return findings && red == 0; }
};

// Every motor, those that fit first (the smallest continuous torque, then
// rotor inertia, then name), then the others by fewest figures in red and
// the highest torque margin; the motors whose findings cannot be worked out last.
QList<Fit> fitMotors(const QList<Motor>& motors, const SizingRecord& record,
                     const PreliminaryFigures& preliminary);

// "Use Motor": the motor selection shows the motor's figures and its name,
// and follows its curve as the need changes.
void useMotor(Sizing& sizing, const Motor& motor);

} // namespace motors
