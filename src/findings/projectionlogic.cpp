#include "findings/projectionlogic.h"

#include "flow/numbers.h"

#include <cmath>

namespace {

Message positivePlease() {
    return {"Positive Please!", "Please enter positive reduction values only."};
}

double shownNumber(const QString& text) {
    return numbers::parse(text).value_or(0);
}

} // namespace

Projection project(const FindingsFigures& shown, const QString& reduction) {
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

    const double jm = shownNumber(shown.MotorInertia);
    const double jn = shownNumber(shown.ReflectedJ) / (r * r);
    const double tn = shownNumber(shown.T_Total) / r;
    const double sn = shownNumber(shown.MaxSpeed) * r;
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
    record.GBAdded = "Gearbox Added";
    SizingRecord::store(record.AddedGBReduction, *ratio);
    return Outcome::go("Gearbox");
}
