#pragma once

#include "flow/form.h"
#include "flow/outcome.h"
#include "flow/quantity.h"
#include "sizing/figures.h"
#include "sizing/record.h"

#include <optional>

// What a typed gearbox ratio would make of the findings: the four projected
// texts (all empty while a ratio is still on its way, such as "0." before
// "0.5"), or the message to show with the text the entry is reset to.
struct Projection {
    std::optional<Message> message; // then the entry is reset to "1"
    QString NewJ;
    QString NewMis; // empty when the motor inertia shown is 0
    QString NewT;
    QString NewSp;
};

// What ADD GEARBOX would give with that ratio and a gearbox of no inertia at
// 100 % efficiency, for findings worked out at the motor's acceleration rate
// `accelRate` (rad/sec^2). The inertias, the mismatch and the speed work from
// the findings displays as shown, so their rounding carries in; in SI, from
// the SI displays, with the SI formats (the mismatch is the same in both).
Projection project(const FindingsFigures& findings, double accelRate, const QString& reduction,
                   UnitSystem system = UnitSystem::US);

// ADD GEARBOX: records the added ratio, or refuses one that is not a number
// above 0. Nothing is stored on a refusal.
Outcome addGearbox(SizingRecord& record, const QString& reduction);

// The projection's entry when it is first shown.
const Form& projectionForm();
