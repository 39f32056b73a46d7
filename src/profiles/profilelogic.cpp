#include "profiles/profilelogic.h"

#include "flow/constants.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "profiles/moveprofile.h"
#include "profiles/profilefields.h"
#include "units/units.h"

#include <array>
#include <cmath>
#include <optional>
#include <variant>

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

// The seven figures of the screen as typed.
struct Typed {
    double triDist = 0, triTime = 0, trapDist = 0, trapTime = 0;
    double maxSpeed = 0, accelTime = 0, accelDist = 0;
};

// The typed figures, or nothing when one of them is no number.
std::optional<Typed> typedFigures(const ProfileEntries& e) {
    const std::array texts{&e.TriDist,  &e.TriMoveTime, &e.TrapDist, &e.TrapMoveTime,
                           &e.MaxSpeed, &e.AccelTime,   &e.AccelDist};
    std::array<double, 7> value{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto v = numbers::parse(*texts[i]);
        if (!v)
            return std::nullopt;
        value[i] = *v;
    }
    return Typed{value[0], value[1], value[2], value[3], value[4], value[5], value[6]};
}

// Motor revolutions per revolution of a rotary move and per inch of a linear one.
struct Ratio {
    double rotary = 0;
    double linear = 0;
    double motor(const QString& unit, double x) const { return toMotor(unit, x, rotary, linear); }
};

// A shape's move, or the message that stops NEXT.
using Shaped = std::variant<Move, Message>;

Message moveDistance() {
    return {"Move Distance", "Please Enter the Move Distance"};
}

Message moveTime() {
    return {"Move Time", "Please Enter the Move Time"};
}

Message speedUnits() {
    return {"Max Speed Units", "Please enter the units for Maximum Speed"};
}

Message trapInfoErrors() {
    return {"Trap Info Errors",
            "The values entered will not produce a trapezoidal profile.  Either the maximum speed "
            "was too low to complete the move in time, the acceleration time was over half the "
            "total time, or the acceleration distance was over half the total distance."};
}

// The report's lines for whichever of max speed, acceleration time and
// distance is given (the acceleration time as it was finally used).
QStringList speedLines(const ProfileEntries& e, const Typed& v, const QString& accelTimeText) {
    QStringList lines;
    if (v.maxSpeed > 0)
        lines << "Maximum Speed = " + e.MaxSpeed + " " + e.MaxSpeedUnits;
    if (numbers::parse(accelTimeText).value_or(0) > 0)
        lines << "Acceleration Time = " + accelTimeText + " sec";
    if (v.accelDist > 0)
        lines << "Acceleration Distance = " + e.AccelDist + " " + e.AccelDistUnits;
    return lines;
}

Shaped triangle(const ProfileEntries& e, const Typed& v, const Ratio& r) {
    if (v.triDist <= 0)
        return moveDistance();
    if (e.TriMoveUnits.isEmpty())
        return Message{"Units", "Please select the units for this Move Distance"};
    if (v.triTime <= 0)
        return moveTime();
    const double d = r.motor(e.TriMoveUnits, v.triDist);
    return Move{2 * d / v.triTime,
                v.triTime / 2,
                v.triTime,
                ProfileType::Triangular,
                {QString(), "Motion Profile Type = Triangular",
                 "Move Distance = " + e.TriDist + " " + e.TriMoveUnits,
                 "Move Time = " + e.TriMoveTime + " sec"}};
}

// A trapezoid with no distance and no time, its speed and one of the
// acceleration time and distance given: a constant velocity.
bool isConstantVelocity(const ProfileEntries& e, const Typed& v) {
    return e.Trapezoidal && v.trapDist == 0 && v.trapTime == 0 && v.maxSpeed > 0 &&
           ((v.accelTime > 0 && v.accelDist == 0) || (v.accelTime == 0 && v.accelDist > 0));
}

Shaped constantVelocity(const ProfileEntries& e, const Typed& v, const Ratio& r) {
    if (e.MaxSpeedUnits.isEmpty())
        return speedUnits();
    if (v.accelDist > 0 && e.AccelDistUnits.isEmpty())
        return Message{"Acceleration Distance Units",
                       "Please enter the units for Acceleration Distance"};
    Move move;
    move.v = r.motor(e.MaxSpeedUnits, v.maxSpeed);
    if (v.accelTime > 0)
        move.ta = v.accelTime;
    if (v.accelDist > 0)
        move.ta = 2 * r.motor(e.AccelDistUnits, v.accelDist) / move.v;
    move.type = ProfileType::ConstantVelocity;
    move.lines = QStringList{QString(), "Motion Profile Type = Constant Velocity"} +
                 speedLines(e, v, e.AccelTime);
    return move;
}

// The trapezoid's checks, in their order; nothing when they pass. Too much
// information resets the three entries it is about.
std::optional<Message> trapezoidRefused(const ProfileEntries& e, const Typed& v, Outcome& out) {
    if (v.trapDist <= 0)
        return moveDistance();
    if (e.TrapMoveUnits.isEmpty())
        return Message{"Distance Units", "Please Enter the units for this Move Distance"};
    if (v.trapTime <= 0)
        return moveTime();
    if (v.maxSpeed <= 0 && v.accelTime <= 0 && v.accelDist <= 0)
        return Message{"Missing Information", "Please enter either Max Speed, Acceleration "
                                              "Distance, or Acceleration Speed"};
    if (v.maxSpeed > 0 && e.MaxSpeedUnits.isEmpty())
        return speedUnits();
    const int pairs = int(v.maxSpeed > 0 && v.accelDist > 0) +
                      int(v.maxSpeed > 0 && v.accelTime > 0) +
                      int(v.accelDist > 0 && v.accelTime > 0);
    if (pairs > 0) {
        out.entryTexts = {
            {fields::MaxSpeed, "0"}, {fields::AccelTime, "0"}, {fields::AccelDist, "0"}};
        return Message{"Too Much Information", "Please Enter only ONE: Max Speed, Acceleration "
                                               "Time, or Acceleration Distance"};
    }
    if (v.accelDist > 0 && e.AccelDistUnits.isEmpty())
        return Message{"Units", "Please Enter Acceleration Distance Units"};
    return std::nullopt;
}

// A rotary acceleration time of half the move time or more becomes half of
// it, said in `out` with the entry reset; the linear one is refused.
Shaped trapezoid(const ProfileEntries& e, const Typed& v, const Ratio& r, ProfileKind kind,
                 Outcome& out) {
    if (const auto refused = trapezoidRefused(e, v, out))
        return *refused;
    const double d = r.motor(e.TrapMoveUnits, v.trapDist);
    const double t = v.trapTime;
    Move move;
    double da = 0;
    if (v.maxSpeed > 0) {
        move.v = r.motor(e.MaxSpeedUnits, v.maxSpeed);
        move.ta = t - d / move.v;
        da = move.v * move.ta / 2;
    }
    QString accelTimeText = e.AccelTime;
    if (v.accelTime > 0) {
        double accelTime = v.accelTime;
        if (kind == ProfileKind::Linear && accelTime > t / 2)
            return trapInfoErrors();
        if (kind == ProfileKind::Rotary && accelTime >= t / 2) {
            out.messages << Message{"Accel Time",
                                    "Accel time entered is greater than or equal to half the "
                                    "total time.  Thus, a triangular profile will be used."};
            accelTime = t / 2;
            accelTimeText = numbers::general(accelTime);
            out.entryTexts << std::pair<QString, QString>{fields::AccelTime, accelTimeText};
        }
        move.ta = accelTime;
        move.v = d / (t - move.ta);
        da = move.v * move.ta / 2;
    }
    if (v.accelDist > 0) {
        da = r.motor(e.AccelDistUnits, v.accelDist);
        move.ta = 2 * da * t / (2 * da + d);
        move.v = 2 * da / move.ta;
    }
    if (overHalf(da, d) || move.ta <= 0)
        return trapInfoErrors();
    move.t = t;
    move.type = ProfileType::Trapezoidal;
    move.lines = QStringList{QString(),
                             kind == ProfileKind::Rotary ? "Motion Profile = Trapezoidal"
                                                         : "Motion Profile Type = Trapezoidal",
                             "Total Move Distance = " + e.TrapDist + " " + e.TrapMoveUnits,
                             "Total Move Time = " + e.TrapMoveTime + " sec"} +
                 speedLines(e, v, accelTimeText);
    return move;
}

} // namespace

ProfileEntries profileEntries(const Form& f) {
    const QString chosen = f.option(fields::Profile);
    return {chosen == fields::Triangular,   chosen == fields::Trapezoidal,
            f.entry(fields::TriDist),       f.entry(fields::TriMoveTime),
            f.entry(fields::TrapDist),      f.entry(fields::TrapMoveTime),
            f.entry(fields::MaxSpeed),      f.entry(fields::AccelTime),
            f.entry(fields::AccelDist),     f.unit(fields::TriMoveUnits),
            f.unit(fields::TrapMoveUnits),  f.unit(fields::MaxSpeedUnits),
            f.unit(fields::AccelDistUnits), f.entry(fields::DwellTime)};
}

const Form& profileForm() {
    static const Form form = Form::initial(fields::profile);
    return form;
}

ScreenId profileScreen(ProfileKind kind) {
    return profileScreenOf(kind == ProfileKind::Rotary ? Motion::Rotary : Motion::Linear);
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
    const std::optional<Typed> typed = typedFigures(e);
    if (!typed)
        return stop(messages::numbersPlease());
    const Typed& v = *typed;
    const double rr = record.RotaryReduction;
    const double l0 = record.LinearReduction;
    const Ratio ratio{rr, kind == ProfileKind::Linear && rr > 0 ? l0 * rr : l0};

    if (!record.Weight.inertiaGiven && record.Weight.oz == 0)
        record.Weight = {0, true};

    if (!e.Triangular && !e.Trapezoidal)
        return stop({"Motion Profile Select",
                     "Please select the motion profile type for this application.  NOTE: If the "
                     "application is for constant velocity only, select TRAPEZOIDAL, specify a max "
                     "speed AND either Acceleration Time or Acceleration Distance."});
    const Shaped shaped = e.Triangular               ? triangle(e, v, ratio)
                          : isConstantVelocity(e, v) ? constantVelocity(e, v, ratio)
                                                     : trapezoid(e, v, ratio, kind, out);
    if (const auto* message = std::get_if<Message>(&shaped))
        return stop(*message);
    Move move = std::get<Move>(shaped);

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
        const auto typedDwell = numbers::parse(e.DwellTime);
        if (!typedDwell)
            return stop(messages::numbersPlease());
        if (*typedDwell < 0)
            return stop({"Dwell Time", "Please enter a dwell time of 0 or more seconds."});
        dwell = *typedDwell;
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

QString profileHeading(Motion motion) {
    if (motion == Motion::Rotary)
        return "Rotary Motion Profiles";
    return motion == Motion::Linear ? "Linear Motion Profiles" : "Motion Profiles";
}
