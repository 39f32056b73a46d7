#pragma once

#include <QList>
#include <QString>

#include <optional>

// A motor of the engineer's library, in the program's units: oz-in-sec^2,
// oz-in and revs/sec.
namespace motors {

// A point of the peak (intermittent) torque-speed curve.
struct CurvePoint {
    double speed = 0;  // revs/sec
    double torque = 0; // oz-in
    bool operator==(const CurvePoint&) const = default;
};

struct Motor {
    qint64 id = 0; // the library's key; 0 for a motor not in a library
    QString name;
    double rotorInertia = 0;     // oz-in-sec^2
    double continuousTorque = 0; // oz-in
    double peakTorque = 0;       // oz-in
    double maxSpeed = 0;         // revs/sec
    QList<CurvePoint> curve;     // speeds rising; none: flat peak torque up to the max speed
    bool operator==(const Motor&) const = default;
};

// What makes a motor unfit for the library, said as the end of "The motor
// …": no name, a figure not above 0, a curve whose speeds do not rise or
// that has a figure below 0.
std::optional<QString> motorProblem(const Motor& motor);
bool validCurve(const QList<CurvePoint>& curve);

// The torque the motor gives at a speed: the flat peak torque up to the max
// speed; with curve points, the line between them, the first point's torque
// below the first speed. Above the last point or the max speed: 0.
double torqueAt(const Motor& motor, double speed);
// The highest speed at which that curve gives at least the torque; 0 when
// it never does.
double speedAt(const Motor& motor, double torque);

} // namespace motors
