#include "sizing/motor.h"

#include <algorithm>
#include <cmath>

namespace motors {

namespace {

bool aboveZero(double x) {
    return std::isfinite(x) && x > 0;
}

} // namespace

bool validCurve(const QList<CurvePoint>& curve) {
    for (qsizetype i = 0; i < curve.size(); ++i) {
        const CurvePoint& p = curve[i];
        if (!std::isfinite(p.speed) || !std::isfinite(p.torque) || p.speed < 0 || p.torque < 0)
            return false;
        if (i > 0 && !(p.speed > curve[i - 1].speed))
            return false;
    }
    return true;
}

std::optional<QString> motorProblem(const Motor& m) {
    if (m.name.trimmed().isEmpty())
        return QString("has no name");
    if (!aboveZero(m.rotorInertia))
        return QString("has a rotor inertia not above 0");
    if (!aboveZero(m.continuousTorque))
        return QString("has a continuous torque not above 0");
    if (!aboveZero(m.peakTorque))
        return QString("has a peak torque not above 0");
    if (!aboveZero(m.maxSpeed))
        return QString("has a max speed not above 0");
    if (!validCurve(m.curve))
        return QString("has a curve whose speeds do not rise or with a figure below 0");
    return std::nullopt;
}

double torqueAt(const Motor& m, double speed) {
    if (speed > m.maxSpeed)
        return 0;
    const QList<CurvePoint>& curve = m.curve;
    if (curve.isEmpty())
        return m.peakTorque;
    if (speed <= curve.front().speed)
        return curve.front().torque;
    if (speed > curve.back().speed)
        return 0;
    // The first point at or above the speed, and the line from the one before.
    const auto above = std::lower_bound(curve.begin(), curve.end(), speed,
                                        [](const CurvePoint& p, double s) { return p.speed < s; });
    const CurvePoint& b = *above;
    const CurvePoint& a = *(above - 1);
    if (speed == b.speed)
        return b.torque;
    return a.torque + (b.torque - a.torque) * (speed - a.speed) / (b.speed - a.speed);
}

double speedAt(const Motor& m, double torque) {
    const QList<CurvePoint>& curve = m.curve;
    if (curve.isEmpty())
        return m.peakTorque >= torque ? m.maxSpeed : 0;
    // From the top of the curve down, the first stretch that reaches the
    // torque; on a line, where it crosses it.
    double highSpeed = std::min(curve.back().speed, m.maxSpeed);
    double highTorque = torqueAt(m, highSpeed);
    if (highTorque >= torque)
        return highSpeed;
    for (qsizetype i = curve.size() - 1; i >= 0; --i) {
        const CurvePoint& p = curve[i];
        if (p.speed >= highSpeed)
            continue;
        if (p.torque >= torque)
            return p.speed + (p.torque - torque) / (p.torque - highTorque) * (highSpeed - p.speed);
        highSpeed = p.speed;
        highTorque = p.torque;
    }
    // Below the first point the torque stays that point's, which is short.
    return 0;
}

} // namespace motors
