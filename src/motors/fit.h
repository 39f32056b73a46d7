#pragma once

#include "findings/findingslogic.h"
#include "motors/motor.h"
#include "sizing/sizing.h"

#include <QList>

#include <optional>

// How each motor of the library would do in the sizing in progress.
namespace motors {

// The figures "Use Motor" types into the motor selection: the rotor
// inertia, the torque the curve gives at the speed the selection shows, the
// speed it reaches at the torque it shows, the continuous torque; each in the
// general number form.
SelectionEntries selectionEntriesOf(const Motor& motor, const PreliminaryFigures& preliminary);

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

// "Use Motor": the motor selection shows the motor's figures and its name.
void useMotor(Sizing& sizing, const Motor& motor);

} // namespace motors
