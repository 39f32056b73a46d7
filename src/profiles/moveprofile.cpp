#include "profiles/moveprofile.h"

#include "flow/axis.h"
#include "flow/numbers.h"

#include <cmath>

MoveProfile moveProfile(double v, double ta, double t, double accel, double thrust,
                        double gravity) {
    MoveProfile move;
    for (double x : {v, ta, t, accel, thrust, gravity})
        if (!std::isfinite(x))
            return move;
    if (!(v > 0) || !(ta > 0) || t < 0 || (t > 0 && t < 2 * ta * (1 - 1e-12)))
        return move;
    move.maxSpeed = v;
    move.accelTime = ta;
    move.moveTime = t;
    const double steady = thrust + gravity;
    move.segments << MoveSegment{0, ta, 0, v, steady + accel};
    if (t == 0) {
        move.openEnded = true;
        move.segments << MoveSegment{ta, 2 * ta, v, v, steady};
        return move;
    }
    if (t - ta > ta)
        move.segments << MoveSegment{ta, t - ta, v, v, steady};
    move.segments << MoveSegment{std::max(ta, t - ta), t, v, 0, steady - accel};
    return move;
}

QStringList moveCaption(const MoveProfile& move) {
    if (move.isEmpty())
        return {};
    QStringList out{"max speed = " + plotLabel(move.maxSpeed) + " revs/sec",
                    "ta = " + numbers::significant(move.accelTime, 3) + " s"};
    if (move.openEnded)
        out << "then at constant speed";
    else
        out << "t = " + numbers::significant(move.moveTime, 3) + " s";
    return out;
}
