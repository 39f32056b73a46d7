#include "findings/findingslogic.h"

#include "flow/numbers.h"

#include <cmath>

QString preliminaryBack(SizingRecord& record, const QString& weightShown) {
    if (weightShown == SizingRecord::inertiaGiven)
        record.Weight = "0";
    return record.MotionType == "Rotary" ? "RotaryMP" : "MotionProfiles";
}

bool OperatingPoints::drawable() const {
    for (double x : {speed, torque, torqueAvailable, speedAvailable})
        if (!std::isfinite(x))
            return false;
    return speed > 0 && torque > 0 && torqueAvailable > 0 && speedAvailable > 0;
}

SelectionOutcome selectionNext(SizingRecord& record, const SelectionEntries& e) {
    SelectionOutcome result;
    auto stop = [&](Message m) {
        result.outcome.messages << std::move(m);
        return result;
    };

    const auto rotor = numbers::parse(e.RotorInertia);
    const auto torqueAvailable = numbers::parse(e.TorqueAvailable);
    const auto speedAvailable = numbers::parse(e.SpeedAvailable);
    if (!rotor || !torqueAvailable || !speedAvailable)
        return stop(messages::numbersPlease());

    const double jm = *rotor;
    const double tAvail = *torqueAvailable;
    const double sAvail = *speedAvailable;
    const double tt = SizingRecord::number(record.T_Thrust);
    const double tg = SizingRecord::number(record.T_Gravity);
    const double jr = SizingRecord::number(record.ReflectedJ);
    const double k = SizingRecord::number(record.SpdMultiplier);
    const double s = numbers::parse(e.speedShown).value_or(0);

    if (jm <= 0)
        return stop({"Motor's Inertia", "Please enter the Rotor Inertia of the chosen motor."});
    if (tAvail <= 0)
        return stop({"Torque Margin", "Please enter the torque capability of the motor at the "
                                      "application maximum speed."});
    if (sAvail <= 0)
        return stop({"Speed Margin", "Please enter the speed capability of the motor at the "
                                     "projected torque required."});

    const double mismatch = jr / jm;
    const double ta = k * (jm + jr);
    const double total = ta + tt + tg;
    if (total == 0)
        return stop({"No Torque Required",
                     "The total torque required is zero, so no torque margin can be worked out.  "
                     "Please go back and check the load and the move."});
    if (s == 0)
        return stop({"No Motor Speed",
                     "The motor speed is zero, so no speed margin can be worked out.  Please go "
                     "back and check the move."});
    const double torqueMargin = 100 * (tAvail - total) / total;
    const double speedMargin = 100 * (sAvail - s) / s;
    for (double x : {mismatch, ta, total, torqueMargin, speedMargin})
        if (!std::isfinite(x))
            return stop(messages::outOfRange());

    FindingsFigures& f = result.findings;
    f.MotorInertia = numbers::format(jm, u"##0.000");
    f.ReflectedJ = numbers::format(jr, u"##0.000");
    f.mismatch = mismatch > 10 ? Verdict::Bad : Verdict::Good;
    f.Mismatch = numbers::format(mismatch, u"#0.00");
    f.Taccl = numbers::format(ta, u"##0.00");
    f.Tthrust = numbers::format(tt, u"##0.00");
    f.Tgravity = numbers::format(tg, u"##0.00");
    f.T_Total = numbers::format(total, u"##0.00");
    f.TorqueMargin = numbers::format(torqueMargin, u"##0.00");
    f.SpeedMargin = numbers::format(speedMargin, u"##0.00");
    f.MaxSpeed = numbers::general(s);
    f.torqueMargin = torqueMargin > 50 ? Verdict::Good : Verdict::Bad;
    f.speedMargin = speedMargin > 50 ? Verdict::Good : Verdict::Bad;
    f.operating = {s, total, tAvail, sAvail, f.torqueMargin, f.speedMargin};

    record.MotorSelection = {
        QString(), "Selected Motor's Rotor Inertia = " + e.RotorInertia + " oz-in-sec^2",
        "Selected Motor's Torque Available at Max Speed = " + e.TorqueAvailable + " oz-in",
        "Selected Motor's Speed Available at Torque Required = " + e.SpeedAvailable + " revs/sec"};
    result.outcome.proceed = true;
    return result;
}
