#include "motors/fit.h"

#include "findings/findingssteps.h"
#include "flow/numbers.h"

#include <algorithm>

namespace motors {

namespace {

// A figure as the motor selection reads back what "Use Motor" typed: to 15
// significant digits, whatever the locale.
double typed(double x) {
    const QLocale c = QLocale::c();
    return numbers::parse(numbers::general(x, c), c).value_or(0);
}

} // namespace

QList<Fit> fitMotors(const QList<Motor>& motors, const SizingRecord& record,
                     const PreliminaryFigures& preliminary) {
    const ShownNeed need = shownNeed(preliminary);
    QList<Fit> fits;
    fits.reserve(motors.size());
    for (const Motor& m : motors) {
        Fit fit{m, std::nullopt, {}, 0};
        const double rotor = typed(m.rotorInertia);
        const ShownNeed at = curvePoint(record, need, rotor);
        const auto findings =
            findingsWith(record,
                         {rotor, typed(torqueAt(m, at.speed)), typed(speedAt(m, at.torque)),
                          typed(m.continuousTorque)},
                         preliminary, need);
        if (const auto* message = std::get_if<Message>(&findings)) {
            fit.problem = *message;
        } else {
            const FindingsFigures& f = std::get<FindingsFigures>(findings);
            fit.findings = f;
            for (Verdict v : {f.mismatchVerdict, f.torqueVerdict, f.speedVerdict})
                fit.red += v == Verdict::Bad;
            fit.red += f.rmsChecked() && f.rmsVerdict == Verdict::Bad;
        }
        fits << fit;
    }
    const auto rank = [](const Fit& a, const Fit& b) {
        if (a.fits() != b.fits())
            return a.fits();
        if (bool(a.findings) != bool(b.findings))
            return bool(a.findings);
        const Motor &ma = a.motor, &mb = b.motor;
        if (a.fits()) {
            if (ma.continuousTorque != mb.continuousTorque)
                return ma.continuousTorque < mb.continuousTorque;
            if (ma.rotorInertia != mb.rotorInertia)
                return ma.rotorInertia < mb.rotorInertia;
        } else if (a.findings) {
            if (a.red != b.red)
                return a.red < b.red;
            if (a.findings->torqueMargin != b.findings->torqueMargin)
                return a.findings->torqueMargin > b.findings->torqueMargin;
        }
        return ma.name < mb.name;
    };
    std::stable_sort(fits.begin(), fits.end(), rank);
    return fits;
}

void useMotor(Sizing& sizing, const Motor& motor) {
    // The sizing keeps the motor as it was when used, apart from the library.
    Motor used = motor;
    used.id = 0;
    sizing.setLibraryMotor(used);
    followLibraryMotor(sizing);
}

} // namespace motors
