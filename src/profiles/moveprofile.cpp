#include "profiles/moveprofile.h"

#include "flow/axis.h"
#include "flow/numbers.h"
#include "flow/quantity.h"
#include "units/results.h"

#include <cmath>

MoveProfile moveProfile(double v, double ta, double t, double accel, double thrust, double gravity,
                        double dwell) {
    MoveProfile move;
    for (double x : {v, ta, t, accel, thrust, gravity, dwell})
        if (!std::isfinite(x))
            return move;
    if (!(v > 0) || !(ta > 0) || t < 0 || (t > 0 && t < 2 * ta * (1 - 1e-12)) || dwell < 0)
        return move;
    move.maxSpeed = v;
    move.accelTime = ta;
    move.moveTime = t;
    const double steady = thrust + gravity;
    move.segments << MoveSegment{0, ta, 0, v, steady + accel};
    if (t == 0) {
        move.openEnded = true;
        move.segments << MoveSegment{ta, 2 * ta, v, v, steady};
        move.meanSpeed = v;
    } else {
        if (t - ta > ta)
            move.segments << MoveSegment{ta, t - ta, v, v, steady};
        move.segments << MoveSegment{std::max(ta, t - ta), t, v, 0, steady - accel};
        move.dwellTime = dwell;
        if (dwell > 0)
            move.segments << MoveSegment{t, t + dwell, 0, 0, gravity};
        // The distance of the move, a trapezoid of speed over time, over the cycle.
        move.meanSpeed = v * (t - ta) / (t + dwell);
    }
    move.rmsTorque = rmsTorque(move, accel, thrust, gravity);
    return move;
}

double rmsTorque(const MoveProfile& move, double accel, double thrust, double gravity) {
    const double steady = thrust + gravity;
    if (move.openEnded)
        return std::abs(steady);
    const double ta = move.accelTime, t = move.moveTime, td = move.dwellTime;
    const double cycle = t + td;
    if (!(cycle > 0))
        return 0;
    const struct {
        double torque, time;
    } stretches[] = {{steady + accel, ta},
                     {steady, std::max(0.0, t - 2 * ta)},
                     {steady - accel, ta},
                     {gravity, td}};
    // Each stretch weighs by its share of the cycle, and the torques are
    // scaled by the largest, so that a long dwell or a large torque never
    // overflows on the way.
    double largest = 0;
    for (const auto& s : stretches)
        largest = std::max(largest, std::abs(s.torque));
    if (largest == 0)
        return 0;
    double sum = 0;
    for (const auto& s : stretches) {
        const double scaled = s.torque / largest;
        sum += scaled * scaled * (s.time / cycle);
    }
    return largest * std::sqrt(sum);
}

MoveProfile inUnits(MoveProfile move, UnitSystem system) {
    const auto speed = [&](double& x) { x = units::shown(x, Quantity::Speed, system); };
    const auto torque = [&](double& x) { x = units::shown(x, Quantity::Torque, system); };
    speed(move.maxSpeed);
    speed(move.meanSpeed);
    torque(move.rmsTorque);
    for (MoveSegment& s : move.segments) {
        speed(s.fromSpeed);
        speed(s.toSpeed);
        torque(s.torque);
    }
    return move;
}

QStringList moveCaption(const MoveProfile& move, UnitSystem system) {
    if (move.isEmpty())
        return {};
    const double maxSpeed = units::shown(move.maxSpeed, Quantity::Speed, system);
    QStringList out{"max speed = " + plotLabel(maxSpeed) + " " + unitOf(Quantity::Speed, system),
                    "ta = " + numbers::significant(move.accelTime, 3) + " s"};
    if (move.openEnded)
        out << "then at constant speed";
    else
        out << "t = " + numbers::significant(move.moveTime, 3) + " s";
    if (move.dwellTime > 0)
        out << "dwell = " + numbers::significant(move.dwellTime, 3) + " s";
    return out;
}
