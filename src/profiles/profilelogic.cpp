#include "profiles/profilelogic.h"

#include "flow/constants.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "profiles/moveprofile.h"
#include "units/units.h"

#include <array>
#include <cmath>

namespace {

using constants::twoPi;

// A distance or speed in its chosen unit, as motor revolutions (per second).
double toMotor(const QString& unit, double x, double rr, double lr) {
    using namespace units;
    for (const UnitList* list : {&rotaryDistanceUnits(), &rotarySpeedUnits()})
        if (list->contains(unit))
            return list->toInternal(unit, x) * rr;
    for (const UnitList* list : {&dimensionUnits(), &linearSpeedUnits()})
        if (list->contains(unit))
            return list->toInternal(unit, x) * lr;
    return x;
}

// The move as the chosen profile works it out.
struct Move {
    double v = 0;  // motor max speed, revs/sec
    double ta = 0; // acceleration time, sec
    double t = 0;  // move time, sec; 0 for a constant velocity
    ProfileType type = ProfileType::None;
    QStringList lines;
};

// da > D / 2 with room for the rounding of the division that produced da, so
// that a profile exactly at the triangle is not refused.
bool overHalf(double da, double d) {
    return da > d / 2 * (1 + 1e-12);
}

} // namespace

ProfileEntries profileEntries(const Form& f) {
    const QString chosen = f.option("Profile");
    return {chosen == "Triangular",   chosen == "Trapezoidal", f.entry("TriDist"),
            f.entry("TriMoveTime"),   f.entry("TrapDist"),     f.entry("TrapMoveTime"),
            f.entry("MaxSpeed"),      f.entry("AccelTime"),    f.entry("AccelDist"),
            f.unit("TriMoveUnits"),   f.unit("TrapMoveUnits"), f.unit("MaxSpeedUnits"),
            f.unit("AccelDistUnits"), f.entry("DwellTime")};
}

const Form& profileForm() {
    static const Form form = Form::initial(
        {"TriDist", "TriMoveTime", "TrapDist", "TrapMoveTime", "MaxSpeed", "AccelTime", "AccelDist",
         "DwellTime"},
        {"TriMoveUnits", "TrapMoveUnits", "MaxSpeedUnits", "AccelDistUnits"}, {"Profile"});
    return form;
}

ScreenId profileScreen(ProfileKind kind) {
    return kind == ProfileKind::Rotary ? ScreenId::RotaryMP : ScreenId::MotionProfiles;
}

QStringList SizingRecord::*profileLines(ProfileKind kind) {
    return kind == ProfileKind::Rotary ? &SizingRecord::RMotionProfiles
                                       : &SizingRecord::LMotionProfiles;
}

ProfileOutcome profileNext(SizingRecord& record, const ProfileEntries& e, ProfileKind kind) {
    ProfileOutcome result;
    Outcome& out = result.outcome;
    auto stop = [&](Message m) {
        out.messages << std::move(m);
        return result;
    };

    const std::array texts{&e.TriDist,  &e.TriMoveTime, &e.TrapDist, &e.TrapMoveTime,
                           &e.MaxSpeed, &e.AccelTime,   &e.AccelDist};
    std::array<double, 7> value{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto v = numbers::parse(*texts[i]);
        if (!v)
            return stop(messages::numbersPlease());
        value[i] = *v;
    }
    const auto [triDist, triTime, trapDist, trapTime, maxSpeed, accelTime0, accelDist] = value;
    const double rr = record.RotaryReduction;
    const double l0 = record.LinearReduction;
    const double lr = kind == ProfileKind::Linear && rr > 0 ? l0 * rr : l0;

    if (!record.Weight.inertiaGiven && record.Weight.oz == 0)
        record.Weight = {0, true};

    const bool constantVelocity =
        e.Trapezoidal && trapDist == 0 && trapTime == 0 && maxSpeed > 0 &&
        ((accelTime0 > 0 && accelDist == 0) || (accelTime0 == 0 && accelDist > 0));
    const int pairs = int(maxSpeed > 0 && accelDist > 0) + int(maxSpeed > 0 && accelTime0 > 0) +
                      int(accelDist > 0 && accelTime0 > 0);

    if (!e.Triangular && !e.Trapezoidal)
        return stop({"Motion Profile Select",
                     "Please select the motion profile type for this application.  NOTE: If the "
                     "application is for constant velocity only, select TRAPEZOIDAL, specify a max "
                     "speed AND either Acceleration Time or Acceleration Distance."});

    const Message trapInfoErrors{
        "Trap Info Errors",
        "The values entered will not produce a trapezoidal profile.  Either the maximum speed was "
        "too low to complete the move in time, the acceleration time was over half the total "
        "time, or the acceleration distance was over half the total distance."};
    const Message moveDistance{"Move Distance", "Please Enter the Move Distance"};
    const Message moveTime{"Move Time", "Please Enter the Move Time"};
    const Message speedUnits{"Max Speed Units", "Please enter the units for Maximum Speed"};

    // The lines for whichever of max speed, acceleration time and distance is given.
    QString accelTimeText = e.AccelTime;
    auto speedLines = [&] {
        QStringList lines;
        if (maxSpeed > 0)
            lines << "Maximum Speed = " + e.MaxSpeed + " " + e.MaxSpeedUnits;
        if (numbers::parse(accelTimeText).value_or(0) > 0)
            lines << "Acceleration Time = " + accelTimeText + " sec";
        if (accelDist > 0)
            lines << "Acceleration Distance = " + e.AccelDist + " " + e.AccelDistUnits;
        return lines;
    };

    Move move;
    if (e.Triangular) {
        if (triDist <= 0)
            return stop(moveDistance);
        if (e.TriMoveUnits.isEmpty())
            return stop({"Units", "Please select the units for this Move Distance"});
        if (triTime <= 0)
            return stop(moveTime);
        const double d = toMotor(e.TriMoveUnits, triDist, rr, lr);
        move.v = 2 * d / triTime;
        move.ta = triTime / 2;
        move.t = triTime;
        move.type = ProfileType::Triangular;
        move.lines = {QString(), "Motion Profile Type = Triangular",
                      "Move Distance = " + e.TriDist + " " + e.TriMoveUnits,
                      "Move Time = " + e.TriMoveTime + " sec"};
    } else if (constantVelocity) {
        if (e.MaxSpeedUnits.isEmpty())
            return stop(speedUnits);
        if (accelDist > 0 && e.AccelDistUnits.isEmpty())
            return stop({"Acceleration Distance Units",
                         "Please enter the units for Acceleration Distance"});
        move.v = toMotor(e.MaxSpeedUnits, maxSpeed, rr, lr);
        if (accelTime0 > 0)
            move.ta = accelTime0;
        if (accelDist > 0)
            move.ta = 2 * toMotor(e.AccelDistUnits, accelDist, rr, lr) / move.v;
        move.type = ProfileType::ConstantVelocity;
        move.lines =
            QStringList{QString(), "Motion Profile Type = Constant Velocity"} + speedLines();
    } else {
        if (trapDist <= 0)
            return stop(moveDistance);
        if (e.TrapMoveUnits.isEmpty())
            return stop({"Distance Units", "Please Enter the units for this Move Distance"});
        if (trapTime <= 0)
            return stop(moveTime);
        if (maxSpeed <= 0 && accelTime0 <= 0 && accelDist <= 0)
            return stop({"Missing Information", "Please enter either Max Speed, Acceleration "
                                                "Distance, or Acceleration Speed"});
        if (maxSpeed > 0 && e.MaxSpeedUnits.isEmpty())
            return stop(speedUnits);
        if (pairs > 0) {
            out.entryTexts = {{"MaxSpeed", "0"}, {"AccelTime", "0"}, {"AccelDist", "0"}};
            return stop({"Too Much Information",
                         "Please Enter only ONE: Max Speed, Acceleration Time, or Acceleration "
                         "Distance"});
        }
        if (accelDist > 0 && e.AccelDistUnits.isEmpty())
            return stop({"Units", "Please Enter Acceleration Distance Units"});

        const double d = toMotor(e.TrapMoveUnits, trapDist, rr, lr);
        const double t = trapTime;
        double da = 0;
        if (maxSpeed > 0) {
            move.v = toMotor(e.MaxSpeedUnits, maxSpeed, rr, lr);
            move.ta = t - d / move.v;
            da = move.v * move.ta / 2;
        }
        if (accelTime0 > 0) {
            double accelTime = accelTime0;
            if (kind == ProfileKind::Linear && accelTime > t / 2)
                return stop(trapInfoErrors);
            if (kind == ProfileKind::Rotary && accelTime >= t / 2) {
                out.messages << Message{"Accel Time",
                                        "Accel time entered is greater than or equal to half the "
                                        "total time.  Thus, a triangular profile will be used."};
                accelTime = t / 2;
                accelTimeText = numbers::general(accelTime);
                out.entryTexts << std::pair<QString, QString>{"AccelTime", accelTimeText};
            }
            move.ta = accelTime;
            move.v = d / (t - move.ta);
            da = move.v * move.ta / 2;
        }
        if (accelDist > 0) {
            da = toMotor(e.AccelDistUnits, accelDist, rr, lr);
            move.ta = 2 * da * t / (2 * da + d);
            move.v = 2 * da / move.ta;
        }
        if (overHalf(da, d) || move.ta <= 0)
            return stop(trapInfoErrors);
        move.t = t;
        move.type = ProfileType::Trapezoidal;
        move.lines = QStringList{QString(),
                                 kind == ProfileKind::Rotary ? "Motion Profile = Trapezoidal"
                                                             : "Motion Profile Type = Trapezoidal",
                                 "Total Move Distance = " + e.TrapDist + " " + e.TrapMoveUnits,
                                 "Total Move Time = " + e.TrapMoveTime + " sec"} +
                     speedLines();
    }

    const double j = record.ReflectedJ;
    const double a = move.v * twoPi / move.ta;
    const double ta = a * j;
    const double tt = record.T_Thrust;
    const double tg = record.T_Gravity;
    const double total = ta + tt + tg;
    // A ratio of 0 would make a move of no motor revolutions.
    if (!(move.v > 0))
        return stop(messages::outOfRange());
    for (double x : {move.v, move.ta, a, ta, total})
        if (!std::isfinite(x))
            return stop(messages::outOfRange());

    // The dwell at rest that completes the cycle; a constant velocity has none.
    double dwell = 0;
    if (move.type != ProfileType::ConstantVelocity) {
        const auto typed = numbers::parse(e.DwellTime);
        if (!typed)
            return stop(messages::numbersPlease());
        if (*typed < 0)
            return stop({"Dwell Time", "Please enter a dwell time of 0 or more seconds."});
        dwell = *typed;
        if (dwell > 0)
            move.lines << "Dwell Time = " + e.DwellTime + " sec";
    }

    record.T_Accel = ta;
    record.SpdMultiplier = a;
    record.*profileLines(kind) = move.lines;

    result.preliminary = {record.AppType ? record.AppType->text : QString(), record.Weight,
                          Need{j, ta, tt, tg, total, move.v},
                          moveProfile(move.v, move.ta, move.t, ta, tt, tg, dwell)};
    record.MotionProfile = move.type;
    out.proceed = true;
    return result;
}

ProfileSetup profileSetup(Motion motion) {
    if (motion == Motion::Rotary)
        return {"Rotary Motion Profiles", units::rotaryDistanceUnits().texts(),
                units::rotarySpeedUnits().texts()};
    if (motion == Motion::Linear)
        return {"Linear Motion Profiles", units::dimensionUnits().texts(),
                units::linearSpeedUnits().texts()};
    return {"Motion Profiles", {}, {}};
}
