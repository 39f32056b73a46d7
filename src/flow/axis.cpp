#include "flow/axis.h"

#include "flow/numbers.h"

#include <cmath>

QList<double> axisTicks(double low, double high) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low))
        return {};
    const double raw = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * power;
    for (double f : {1.0, 2.0, 5.0})
        if (raw <= f * power * (1 + 1e-9)) {
            step = f * power;
            break;
        }
    if (!std::isfinite(step) || !(step > 0))
        return {};
    // Multiples are computed, not summed, so that the labels stay exact.
    QList<double> ticks;
    const auto first = static_cast<long long>(std::floor(low / step * (1 + 1e-12)));
    for (long long i = first;; ++i) {
        ticks << i * step;
        if (i * step >= high * (1 - 1e-12) || ticks.size() > 20)
            break;
    }
    return ticks;
}

QString plotLabel(double value) {
    return numbers::general(QString::number(value, 'g', 4).toDouble());
}
