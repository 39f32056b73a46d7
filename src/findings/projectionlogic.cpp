#include "findings/projectionlogic.h"

#include "findings/findingslogic.h"
#include "flow/numbers.h"

#include <cmath>

namespace {

Message positivePlease() {
    return {"Positive Please!", "Please enter positive reduction values only."};
}

double shown(const FindingsFigures& findings, FindingsDisplay display) {
    return numbers::parse(findingsText(findings, display)).value_or(0);
}

} // namespace

Projection project(const FindingsFigures& findings, const QString& reduction) {
    const auto ratio = numbers::parse(reduction);
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
    const double tn = shown(findings, FindingsDisplay::T_Total) / r;
    const double sn = shown(findings, FindingsDisplay::MaxSpeed) * r;
    if (!std::isfinite(jn) || !std::isfinite(tn) || !std::isfinite(sn))
        return {messages::outOfRange(), {}, {}, {}, {}};
    const auto shownAs = [](double x) { return numbers::format(x, u"##0.00"); };
    // A motor inertia shown as 0 leaves the mismatch undefined.
    const QString mismatch = jm != 0 ? shownAs(jn / jm) : QString();
    return {std::nullopt, shownAs(jn), mismatch, shownAs(tn), shownAs(sn)};
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
    static const Form form = Form::initial({"Reduction"});
    return form;
}
