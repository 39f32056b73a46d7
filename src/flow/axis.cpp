#include "flow/axis.h"

#include "flow/numbers.h"

#include <cmath>

QList<double> axisTicks(double low, double high) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low))
        return {};
    // The step is f * 10^k with f 1, 2 or 5.
    const double raw = (high - low) / 5;
    int k = static_cast<int>(std::floor(std::log10(raw)));
    double f = 10;
    for (double candidate : {1.0, 2.0, 5.0})
        if (raw <= candidate * std::pow(10.0, k) * (1 + 1e-9)) {
            f = candidate;
            break;
        }
    if (f == 10) {
        f = 1;
        ++k;
    }
    // A tick is (i * f) scaled by the power of ten, so 0.3 is printed as 0.3.
    const auto tick = [&](long long i) {
        const double n = double(i) * f;
        return k >= 0 ? n * std::pow(10.0, k) : n / std::pow(10.0, -k);
    };
    QList<double> ticks;
    const double step = tick(1);
    for (auto i = static_cast<long long>(std::floor(low / step + 1e-9));; ++i) {
        ticks << tick(i);
        if (tick(i) >= high * (1 - 1e-12) - 1e-300 || ticks.size() > 20)
            break;
    }
    return ticks;
}

QString plotLabel(double value) {
    return numbers::general(QString::number(value, 'g', 4).toDouble());
}
