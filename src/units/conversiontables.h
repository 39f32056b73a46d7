#pragma once

#include "flow/outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The unit conversion tool's own kinds of quantity. Each has its units and a
// square table of factors written with the precision they have always had:
// they are not derived from one base unit, and a row is not the exact
// reciprocal of its column.
namespace conversion {

struct Kind {
    QString option;  // control name of the kind's option
    QString caption; // the option's caption
    QStringList units;
    QList<QList<double>> factors; // [input unit][output unit]
};

// Inertia, Torque, Force, Distance, Velocity and Rotation, as the tool lays
// out their options.
const QList<Kind>& kinds();
const Kind& inertia();

// What a change of the input entry leaves the tool to do.
struct Result {
    std::optional<Message> message; // shown first; the entry is then reset to "0"
    std::optional<QString> output;  // the new result text; nothing: unchanged
};

// The input text converted from unit `in` to unit `out` (row and column of
// the kind's table; -1 when no unit is chosen).
Result convert(const Kind& kind, int in, int out, const QString& input);

} // namespace conversion
