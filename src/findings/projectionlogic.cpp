#include "findings/projectionlogic.h"

#include "findings/findingsfields.h"

#include "findings/findingslogic.h"
#include "flow/numbers.h"
#include "units/results.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

Message positivePlease() {
    return {"Positive Please!", "Please enter positive reduction values only."};
}

// A text the engineer may still be typing a positive ratio into: empty, a
// sign, zeros, a decimal separator, or a figure whose exponent has no digits
// yet. "0.5" passes through "0" and "0." on its way.
bool onTheWay(const QString& text) {
    const QLocale locale;
    const QString decimal = QRegularExpression::escape(locale.decimalPoint());
    const QString group = QRegularExpression::escape(locale.groupSeparator());
    static const QString digits = "[0-9%1]*";
    const QRegularExpression prefix("^\\s*\\+?(" + digits.arg(group) + "(" + decimal +
                                    "[0-9]*)?)([eE][+-]?)?$");
    const QRegularExpressionMatch match = prefix.match(text);
    if (!match.hasMatch())
        return false;
    // Only a mantissa that is not zero can still be raised by its exponent.
    return match.capturedView(3).isEmpty() ||
           match.capturedView(1).contains(QRegularExpression("[1-9]"));
}

double shown(const FindingsFigures& findings, FindingsDisplay display,
             UnitSystem system = UnitSystem::US) {
    return numbers::parse(findingsText(findings, display, system)).value_or(0);
}

} // namespace

Projection project(const FindingsFigures& findings, double accelRate, const QString& reduction,
                   UnitSystem system) {
    const auto ratio = numbers::parse(reduction);
    if (!(ratio > 0.0) && onTheWay(reduction))
        return {};
    if (!ratio)
        return {Message{"Numbers Please!", "Enter a numeric value for the reduction ratio."},
                {},
                {},
                {},
                {}};
    const double r = *ratio;
    if (!(r > 0))
        return {positivePlease(), {}, {}, {}, {}};

    const double jm = shown(findings, FindingsDisplay::MotorInertia);
    const double jn = shown(findings, FindingsDisplay::ReflectedJ) / (r * r);
    // The motor turns r times faster for the same move, so its own rotor
    // needs r times the torque to accelerate, while the load's inertia and
    // torques reach it divided by r.
    const Need& need = findings.need;
    const double tn = findings.motorInertia * r * accelRate +
                      need.reflectedInertia * accelRate / r +
                      (need.thrustTorque + need.gravityTorque) / r;
    const double sn = shown(findings, FindingsDisplay::MaxSpeed) * r;
    if (!std::isfinite(jn) || !std::isfinite(tn) || !std::isfinite(sn))
        return {messages::outOfRange(), {}, {}, {}, {}};
    const auto shownAs = [](double x) { return numbers::format(x, u"##0.00"); };
    // A motor inertia shown as 0 leaves the mismatch undefined.
    const QString mismatch = jm != 0 ? shownAs(jn / jm) : QString();
    if (system == UnitSystem::SI) {
        using enum FindingsDisplay;
        const double jnSI = shown(findings, ReflectedJ, system) / (r * r);
        const double tnSI = units::shown(tn, Quantity::Torque, system);
        return {std::nullopt, numbers::formatNonZero(jnSI, u"##0.000"), mismatch,
                numbers::formatNonZero(tnSI, u"##0.000"),
                numbers::format(shown(findings, MaxSpeed, system) * r, u"##0.0")};
    }
    return {std::nullopt, numbers::formatNonZero(jn, u"##0.00"), mismatch, shownAs(tn),
            shownAs(sn)};
}

Outcome addGearbox(SizingRecord& record, const QString& reduction) {
    const auto ratio = numbers::parse(reduction);
    if (!ratio)
        return Outcome::stop({"Oops", "Please enter numeric values for Reduction."});
    if (!(*ratio > 0))
        return Outcome::stop(positivePlease());
    record.AddedGBReduction = *ratio;
    return Outcome::go(ScreenId::Gearbox);
}

const Form& projectionForm() {
    static const Form form = Form::initial(fields::projection);
    return form;
}
