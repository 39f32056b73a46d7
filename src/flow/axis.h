#pragma once

#include <QList>
#include <QString>

// The ticks of a plot axis that covers `low` to `high` (0 is always among
// them): steps of 1, 2 or 5 times a power of ten, about five of them. Empty
// when there is nothing to scale (no span, or a bound not finite).
QList<double> axisTicks(double low, double high);

// A figure as a plot labels it: four significant digits, general form.
QString plotLabel(double value);
