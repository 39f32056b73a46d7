#include "findings/findingslogic.h"

#include "findings/findingsfields.h"
#include "flow/numbers.h"
#include "mechanisms/applications.h"
#include "profiles/moveprofile.h"
#include "units/results.h"
#include "units/units.h"

#include <cmath>

namespace {

QString threeDecimals(double x) {
    return numbers::format(x, u"##0.000");
}

// An inertia too small for three decimals keeps three significant digits.
QString inertia(double x) {
    return numbers::formatNonZero(x, u"##0.000");
}

QString twoDecimals(double x) {
    return numbers::format(x, u"##0.00");
}

bool convertible(Quantity quantity) {
    return quantity == Quantity::Inertia || quantity == Quantity::Torque ||
           quantity == Quantity::Speed || quantity == Quantity::Weight;
}

// A figure in SI as the findings screens show it: inertias and torques with
// three decimals (three significant digits where those would show zero), the
// weight with three, the speed with one on the preliminary findings and none
// on the findings.
QString inSI(double x, Quantity quantity, bool onFindings) {
    const double v = units::shown(x, quantity, UnitSystem::SI);
    if (quantity == Quantity::Speed)
        return numbers::format(v, onFindings ? u"##0" : u"##0.0");
    if (quantity == Quantity::Weight)
        return numbers::format(v, u"##0.000");
    return numbers::formatNonZero(v, u"##0.000");
}

// The figure behind a display that shows a quantity.
double valueOf(const PreliminaryFigures& f, PreliminaryDisplay display) {
    switch (display) {
    case PreliminaryDisplay::Weight:
        return f.weight.oz;
    case PreliminaryDisplay::ReflectedJ:
        return f.need.reflectedInertia;
    case PreliminaryDisplay::Taccl:
        return f.need.accelTorque;
    case PreliminaryDisplay::Tthrust:
        return f.need.thrustTorque;
    case PreliminaryDisplay::Tgravity:
        return f.need.gravityTorque;
    case PreliminaryDisplay::T_Total:
        return f.need.totalTorque;
    case PreliminaryDisplay::MaxSpeed:
        return f.need.speed;
    case PreliminaryDisplay::TRMS:
        return f.move.rmsTorque;
    case PreliminaryDisplay::App:
        break;
    }
    return 0;
}

double valueOf(const FindingsFigures& f, FindingsDisplay display) {
    switch (display) {
    case FindingsDisplay::MotorInertia:
        return f.motorInertia;
    case FindingsDisplay::ReflectedJ:
        return f.need.reflectedInertia;
    case FindingsDisplay::Taccl:
        return f.need.accelTorque;
    case FindingsDisplay::Tthrust:
        return f.need.thrustTorque;
    case FindingsDisplay::Tgravity:
        return f.need.gravityTorque;
    case FindingsDisplay::T_Total:
        return f.need.totalTorque;
    case FindingsDisplay::MaxSpeed:
        return f.need.speed;
    case FindingsDisplay::TRMS:
        return f.rmsTorque;
    default:
        break;
    }
    return 0;
}

} // namespace

QString preliminaryText(const PreliminaryFigures& f, PreliminaryDisplay display,
                        UnitSystem system) {
    const Quantity quantity = preliminaryRows()[int(display)].quantity;
    // A load given by its inertia alone has no weight to convert.
    const bool noWeight = display == PreliminaryDisplay::Weight && f.weight.inertiaGiven;
    if (system == UnitSystem::SI && convertible(quantity) && !noWeight)
        return inSI(valueOf(f, display), quantity, false);
    switch (display) {
    case PreliminaryDisplay::App:
        return f.appType;
    case PreliminaryDisplay::Weight:
        return f.weight.text();
    case PreliminaryDisplay::ReflectedJ:
        return inertia(f.need.reflectedInertia);
    case PreliminaryDisplay::Taccl:
        return threeDecimals(f.need.accelTorque);
    case PreliminaryDisplay::Tthrust:
        return threeDecimals(f.need.thrustTorque);
    case PreliminaryDisplay::Tgravity:
        return threeDecimals(f.need.gravityTorque);
    case PreliminaryDisplay::T_Total:
        return threeDecimals(f.need.totalTorque);
    case PreliminaryDisplay::MaxSpeed:
        return threeDecimals(f.need.speed);
    case PreliminaryDisplay::TRMS:
        return threeDecimals(f.move.rmsTorque);
    }
    return {};
}

QString findingsText(const FindingsFigures& f, FindingsDisplay display, UnitSystem system) {
    const Quantity quantity = findingsRows()[int(display)].quantity;
    if (system == UnitSystem::SI && convertible(quantity))
        return inSI(valueOf(f, display), quantity, true);
    switch (display) {
    case FindingsDisplay::MotorInertia:
        return inertia(f.motorInertia);
    case FindingsDisplay::ReflectedJ:
        return inertia(f.need.reflectedInertia);
    case FindingsDisplay::Taccl:
        return twoDecimals(f.need.accelTorque);
    case FindingsDisplay::Tthrust:
        return twoDecimals(f.need.thrustTorque);
    case FindingsDisplay::Tgravity:
        return twoDecimals(f.need.gravityTorque);
    case FindingsDisplay::T_Total:
        return twoDecimals(f.need.totalTorque);
    case FindingsDisplay::MaxSpeed:
        return numbers::general(f.need.speed);
    case FindingsDisplay::Mismatch:
        return numbers::format(f.mismatch, u"#0.00");
    case FindingsDisplay::TorqueMargin:
        return twoDecimals(f.torqueMargin);
    case FindingsDisplay::SpeedMargin:
        return twoDecimals(f.speedMargin);
    case FindingsDisplay::TRMS:
        return twoDecimals(f.rmsTorque);
    case FindingsDisplay::RMSMargin:
        return f.rmsChecked() ? twoDecimals(f.rmsMargin) : QString();
    }
    return {};
}

namespace {

// The need's figures, as both findings screens show them.
QList<FigureRow> needRows() {
    using enum Shade;
    // clang-format off
    return {
        {"ReflectedJ", "Reflected Inertia:",     Quantity::Inertia, Grey},
        {"Taccl",      "Torque to Accelerate:",  Quantity::Torque,  Grey},
        {"Tthrust",    "Thrust Torque:",         Quantity::Torque,  Grey},
        {"Tgravity",   "Torque due to Gravity:", Quantity::Torque,  Grey},
        {"T_Total",    "TOTAL TORQUE REQUIRED:", Quantity::Torque,  Yellow},
        {"MaxSpeed",   "AT A MOTOR SPEED OF:",   Quantity::Speed,   Yellow},
    };
    // clang-format on
}

} // namespace

const QList<FigureRow>& preliminaryRows() {
    using enum Shade;
    static const QList<FigureRow> rows =
        QList<FigureRow>{{"App", "Application Type:", Quantity::Text, Grey},
                         {"Weight", "Load Weight:", Quantity::Weight, Grey}} +
        needRows() + QList<FigureRow>{{"TRMS", "RMS TORQUE:", Quantity::Torque, Yellow}};
    return rows;
}

const QList<FigureRow>& findingsRows() {
    using enum Shade;
    using F = FindingsFigures;
    // clang-format off
    static const QList<FigureRow> rows =
        QList<FigureRow>{{"MotorInertia", "Motor Inertia:", Quantity::Inertia, Grey}} + needRows() +
        QList<FigureRow>{
            {"Mismatch",     "Inertia Mismatch:", Quantity::Ratio,   Verdict, "Inertia Mismatch", &F::mismatchVerdict},
            {"TorqueMargin", "TORQUE MARGIN: ",   Quantity::Percent, Verdict, "Torque Margin",    &F::torqueVerdict},
            {"SpeedMargin",  "SPEED MARGIN: ",    Quantity::Percent, Verdict, "Speed Margin",     &F::speedVerdict},
            {"TRMS",         "RMS TORQUE:",       Quantity::Torque,  Grey},
            {"RMSMargin",    "RMS MARGIN:",       Quantity::Percent, Verdict, "RMS Margin",       &F::rmsVerdict},
        };
    // clang-format on
    return rows;
}

const QList<FindingsDisplay>& findingsOrder() {
    using enum FindingsDisplay;
    static const QList<FindingsDisplay> order{MotorInertia, ReflectedJ,   Taccl,       Tthrust,
                                              Tgravity,     T_Total,      MaxSpeed,    TRMS,
                                              Mismatch,     TorqueMargin, SpeedMargin, RMSMargin};
    return order;
}

const QList<FindingsDisplay>& verdictsShown() {
    static const QList<FindingsDisplay> shown = [] {
        QList<FindingsDisplay> judged;
        for (FindingsDisplay d : findingsOrder())
            if (findingsRows()[int(d)].verdict)
                judged << d;
        return judged;
    }();
    return shown;
}

std::optional<Verdict> verdictOf(const FindingsFigures& figures, FindingsDisplay display) {
    const auto verdict = findingsRows()[int(display)].verdict;
    if (!verdict || (display == FindingsDisplay::RMSMargin && !figures.rmsChecked()))
        return std::nullopt;
    return figures.*verdict;
}

QString verdictMark(FindingsDisplay display, Verdict verdict) {
    if (verdict == Verdict::Good)
        return QString::fromUtf8("\u2713 OK");
    return QString::fromUtf8(display == FindingsDisplay::Mismatch ? "\u2717 HIGH" : "\u2717 LOW");
}

FindingsFigures inUnits(FindingsFigures f, UnitSystem system) {
    const auto speed = [&](double& x) { x = units::shown(x, Quantity::Speed, system); };
    const auto torque = [&](double& x) { x = units::shown(x, Quantity::Torque, system); };
    for (double* x : {&f.need.speed, &f.speedAvailable, &f.meanSpeed})
        speed(*x);
    for (double* x :
         {&f.need.accelTorque, &f.need.thrustTorque, &f.need.gravityTorque, &f.need.totalTorque,
          &f.torqueAvailable, &f.requiredTorque, &f.rmsTorque, &f.continuousTorque})
        torque(*x);
    return f;
}

QStringList operatingLegend(const FindingsFigures& f, UnitSystem system) {
    using enum FindingsDisplay;
    const auto shown = [&](FindingsDisplay d) { return findingsText(f, d, system); };
    const FindingsFigures g = inUnits(f, system);
    const QString torqueUnit = " " + unitOf(Quantity::Torque, system);
    const QString speedUnit = " " + unitOf(Quantity::Speed, system);
    // A motor's figures as typed in US; in SI, three decimals of torque and one of speed.
    const bool us = system == UnitSystem::US;
    const auto typedTorque = [&](double x) {
        return us ? numbers::general(x) : numbers::format(x, u"##0.000");
    };
    const auto typedSpeed = [&](double x) {
        return us ? numbers::general(x) : numbers::format(x, u"##0.0");
    };
    const auto speed = [&](double x) {
        return us ? threeDecimals(x) : numbers::format(x, u"##0.0");
    };
    QStringList legend{
        "needed: " + shown(T_Total) + torqueUnit + " at " + shown(MaxSpeed) + speedUnit,
        "motor: " + typedTorque(g.torqueAvailable) + torqueUnit + " at " + speed(g.need.speed) +
            speedUnit + ", " + typedSpeed(g.speedAvailable) + speedUnit + " at " +
            threeDecimals(g.requiredTorque) + torqueUnit,
        "torque margin: " + shown(TorqueMargin) + " % " +
            verdictMark(TorqueMargin, f.torqueVerdict),
        "speed margin: " + shown(SpeedMargin) + " % " + verdictMark(SpeedMargin, f.speedVerdict)};
    if (f.rmsChecked())
        legend << "continuous torque: " + typedTorque(g.continuousTorque) + torqueUnit
               << "rms: " + shown(TRMS) + torqueUnit + " at a mean " + speed(g.meanSpeed) +
                      speedUnit + ", margin " + shown(RMSMargin) + " % " +
                      verdictMark(RMSMargin, f.rmsVerdict);
    return legend;
}

ScreenId preliminaryBack(SizingRecord& record, const PreliminaryFigures& shown) {
    if (shown.weight.inertiaGiven)
        record.Weight = {};
    return profileScreenOf(record.MotionType);
}

SelectionEntries selectionEntries(const Form& f) {
    SelectionEntries e{f.entry(fields::RotorInertia), f.entry(fields::TorqueAvailable),
                       f.entry(fields::SpeedAvailable), f.entry(fields::TorqueContinuous)};
    e.RotorInertiaUnits = f.unit(fields::RotorInertiaUnits);
    e.TorqueAvailableUnits = f.unit(fields::TorqueAvailableUnits);
    e.SpeedAvailableUnits = f.unit(fields::SpeedAvailableUnits);
    e.TorqueContinuousUnits = f.unit(fields::TorqueContinuousUnits);
    return e;
}

const Form& selectionForm() {
    static const Form form = Form::initial(fields::selection);
    return form;
}

bool drawable(const FindingsFigures& f) {
    const double speed = f.need.speed, torque = f.need.totalTorque;
    for (double x : {speed, torque, f.torqueAvailable, f.speedAvailable, f.requiredTorque})
        if (!std::isfinite(x))
            return false;
    return speed > 0 && torque > 0 && f.torqueAvailable > 0 && f.speedAvailable > 0 &&
           f.requiredTorque > 0;
}

ShownNeed shownNeed(const PreliminaryFigures& preliminary) {
    const auto shown = [&](PreliminaryDisplay d) {
        return numbers::parse(preliminaryText(preliminary, d)).value_or(0);
    };
    return {shown(PreliminaryDisplay::MaxSpeed), shown(PreliminaryDisplay::T_Total)};
}

ShownNeed curvePoint(const SizingRecord& record, const ShownNeed& shown, double rotorInertia) {
    const double ta = record.SpdMultiplier * (rotorInertia + record.ReflectedJ);
    return {shown.speed, ta + record.T_Thrust + record.T_Gravity};
}

std::variant<FindingsFigures, Message> findingsWith(const SizingRecord& record,
                                                    const MotorFigures& motor,
                                                    const PreliminaryFigures& preliminary) {
    return findingsWith(record, motor, preliminary, shownNeed(preliminary));
}

std::variant<FindingsFigures, Message> findingsWith(const SizingRecord& record,
                                                    const MotorFigures& motor,
                                                    const PreliminaryFigures& preliminary,
                                                    const ShownNeed& shown) {
    const double jm = motor.rotorInertia;
    const double tt = record.T_Thrust;
    const double tg = record.T_Gravity;
    const double jr = record.ReflectedJ;
    const double k = record.SpdMultiplier;
    // The speed and torque the engineer read the motor's figures at: the
    // preliminary findings' as shown.
    const double s = shown.speed;

    const double mismatch = jr / jm;
    const double ta = k * (jm + jr);
    const double total = ta + tt + tg;
    if (total == 0)
        return Message{"No Torque Required",
                       "The total torque required is zero, so no torque margin can be worked "
                       "out.  Please go back and check the load and the move."};
    if (s == 0)
        return Message{"No Motor Speed", "The motor speed is zero, so no speed margin can be "
                                         "worked out.  Please go back and check the move."};
    const double torqueMargin = 100 * (motor.torqueAvailable - total) / total;
    const double speedMargin = 100 * (motor.speedAvailable - s) / s;
    // The cycle heats the motor with its inertia in the torque to accelerate.
    const double trms = rmsTorque(preliminary.move, ta, tt, tg);
    const double tc = motor.continuousTorque;
    const double rmsMargin = trms > 0 ? 100 * (tc - trms) / trms : 0;
    for (double x : {mismatch, ta, total, torqueMargin, speedMargin, trms, rmsMargin})
        if (!std::isfinite(x))
            return messages::outOfRange();

    const auto verdict = [](bool good) { return good ? Verdict::Good : Verdict::Bad; };
    return FindingsFigures{Need{jr, ta, tt, tg, total, s},
                           jm,
                           motor.torqueAvailable,
                           motor.speedAvailable,
                           mismatch,
                           torqueMargin,
                           speedMargin,
                           verdict(!(mismatch > 10)),
                           verdict(torqueMargin > 50),
                           verdict(speedMargin > 50),
                           shown.torque,
                           trms,
                           preliminary.move.meanSpeed,
                           tc,
                           rmsMargin,
                           verdict(rmsMargin > 25)};
}

SelectionOutcome selectionNext(SizingRecord& record, const SelectionEntries& e,
                               const PreliminaryFigures& preliminary) {
    SelectionOutcome result;
    auto stop = [&](Message m) {
        result.outcome.messages << std::move(m);
        return result;
    };

    const auto rotor = numbers::parse(e.RotorInertia);
    const auto torqueAvailable = numbers::parse(e.TorqueAvailable);
    const auto speedAvailable = numbers::parse(e.SpeedAvailable);
    const auto continuous = numbers::parse(e.TorqueContinuous);
    if (!rotor || !torqueAvailable || !speedAvailable || !continuous)
        return stop(messages::numbersPlease());
    if (*rotor <= 0)
        return stop({"Motor's Inertia", "Please enter the Rotor Inertia of the chosen motor."});
    // A library motor's curve may give nothing at the need: its margins say so.
    const bool curve = e.readOffCurve;
    if (*torqueAvailable <= 0 && !(curve && *torqueAvailable == 0))
        return stop({"Torque Margin", "Please enter the torque capability of the motor at the "
                                      "application maximum speed."});
    if (*speedAvailable <= 0 && !(curve && *speedAvailable == 0))
        return stop({"Speed Margin", "Please enter the speed capability of the motor at the "
                                     "projected torque required."});
    if (*continuous < 0)
        return stop({"Continuous Torque", "Please enter the continuous (rated) torque of the "
                                          "motor, or 0 to skip the RMS check."});

    const MotorFigures motor{
        units::inertiaUnits().toInternal(e.RotorInertiaUnits, *rotor),
        units::torqueUnits().toInternal(e.TorqueAvailableUnits, *torqueAvailable),
        units::rotarySpeedUnits().toInternal(e.SpeedAvailableUnits, *speedAvailable),
        units::torqueUnits().toInternal(e.TorqueContinuousUnits, *continuous)};
    auto findings = findingsWith(record, motor, preliminary);
    if (auto* message = std::get_if<Message>(&findings))
        return stop(*message);
    result.findings = std::get<FindingsFigures>(findings);

    record.MotorSelection = {QString()};
    if (!e.MotorName.isEmpty())
        record.MotorSelection << "Selected Motor = " + e.MotorName;
    record.MotorSelection << "Selected Motor's Rotor Inertia = " + e.RotorInertia + " " +
                                 e.RotorInertiaUnits
                          << "Selected Motor's Torque Available at Max Speed = " +
                                 e.TorqueAvailable + " " + e.TorqueAvailableUnits
                          << "Selected Motor's Speed Available at Torque Required = " +
                                 e.SpeedAvailable + " " + e.SpeedAvailableUnits;
    if (*continuous > 0)
        record.MotorSelection << "Selected Motor's Continuous Torque = " + e.TorqueContinuous +
                                     " " + e.TorqueContinuousUnits;
    result.outcome.proceed = true;
    return result;
}
