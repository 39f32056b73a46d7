#include "units/conversiontables.h"

#include "flow/numbers.h"

#include <cmath>

namespace conversion {

namespace {

Kind makeInertia() {
    return {
        "Inertia",
        "Inertia",
        {"oz-in^2", "oz-in-sec^2", "lb-in^2", "lb-in-sec^2", "lb-ft^2", "lb-ft-sec^2", "g-cm^2",
         "g-cm-sec^2", "kg-cm^2", "kg-cm-sec^2"},
        {{1, 0.00259, 0.0625, 0.00016188, 0.000434, 1.349e-05, 182.8998, 0.1865, 0.1829, 0.0001865},
         {386.09, 1, 24.1305, 0.0625, 0.1676, 0.00521, 70615.52, 72.078, 70.6155, 0.072078},
         {16, 0.04144, 1, 0.00259, 0.00694, 0.00021584, 2926.3965, 2.984, 2.9264, 0.002984},
         {6177, 16, 386.09, 1, 2.681, 0.08333, 1129000, 1152, 1129, 1.152},
         {2304, 5.967, 144, 0.372, 1, 0.03108, 421400, 429.7, 421.4, 0.429},
         {74120, 192, 4633, 12, 32.174, 1, 13550000, 13820, 13550, 13.825},
         {0.005467, 1.416e-05, 0.0003417, 8.85e-07, 2.373e-06, 7.375e-08, 1, 0.001019, 0.001,
          1.019e-06},
         {5.361, 0.01388, 0.335, 0.0008679, 0.002327, 7.233e-05, 980.6, 1, 0.98, 0.001},
         {5.467, 0.01416, 0.341, 0.000885, 0.002373, 7.375e-05, 1000, 1.019, 1, 0.001019},
         {5361, 13.887, 335.1, 0.867, 2.327, 0.07233, 980600, 1000, 980.6, 1}}};
}

Kind makeTorque() {
    return {"Torque",
            "Torque",
            {"oz-in", "in-lbs", "ft-lbs", "g-cm", "kg-cm", "kg-m", "N-m"},
            {{1, 0.0625, 0.005208, 72.007, 0.072, 0.00072, 0.007061},
             {16, 1, 0.08333, 1152, 1.152, 0.01152, 0.112},
             {192, 12, 1, 13820, 13.825, 0.138, 1.355},
             {0.01388, 0.0008679, 7.233e-05, 1, 0.001, 1e-05, 9.806e-05},
             {13.887, 0.867, 0.07233, 1000, 1, 0.01, 0.09806},
             {1388, 86.796, 7.233, 100000, 100, 1, 9.806},
             {141.6, 8.85, 0.737, 10197, 10.197, 0.101, 1}}};
}

Kind makeForce() {
    return {"Force",
            "Force",
            {"oz", "lbs", "g", "kg", "N"},
            {{1, 0.0625, 28.3495, 0.0283495, 0.278},
             {16, 1, 453.5924, 0.4535924, 4.448},
             {0.03527, 0.0022, 1, 0.001, 0.009806},
             {35.27396, 2.2046, 1000, 1, 9.80665},
             {3.5969, 0.2248, 101.9716, 0.1019716, 1}}};
}

Kind makeDistance() {
    return {"Distance",
            "Distance",
            {"inches", "feet", "microns", "millimeters", "centimeters", "meters"},
            {{1, 0.08333, 25400, 25.4, 2.54, 0.0254},
             {12, 1, 304800, 304.8, 30.48, 0.3048},
             {3.937e-05, 3.28e-06, 1, 0.001, 0.0001, 1e-06},
             {0.03937, 0.00328, 1000, 1, 0.1, 0.001},
             {0.3937, 0.0328, 10000, 10, 1, 0.01},
             {39.37, 3.28, 1000000, 1000, 100, 1}}};
}

Kind makeVelocity() {
    return {"Velocity",
            "Velocity",
            {"in/sec", "in/min", "ft/sec", "ft/min", "mm/sec", "mm/min", "cm/sec", "m/sec"},
            {{1, 60, 0.08333, 5, 25.4, 1524, 2.54, 0.0254},
             {0.01666667, 1, 0.0013888889, 0.08333, 0.423333, 25.4, 0.0423333, 0.0004233},
             {12, 720, 1, 60, 304.8, 18288, 30.48, 0.3048},
             {0.2, 12, 0.01666667, 1, 5.08, 304.8, 0.508, 0.00508},
             {0.03937, 2.362, 0.00328, 0.1968, 1, 60, 0.1, 0.001},
             {0.000656, 0.03937, 5.47e-05, 0.00328, 0.01666667, 1, 0.001666667, 1.666667e-05},
             {0.3937, 23.622, 0.0328, 1.968, 10, 600, 1, 0.01},
             {39.37, 2362.2, 3.28, 196.8, 1000, 60000, 100, 1}}};
}

Kind makeRotation() {
    return {"Speed",
            "Rotation",
            {"radians/sec", "degrees/sec", "revs/sec", "revs/min"},
            {{1, 57.2958, 0.159155, 9.5493},
             {0.01745, 1, 0.0027777, 0.1666662},
             {6.283184, 360, 1, 60},
             {0.1047197, 6, 0.01666662, 1}}};
}

} // namespace

const QList<Kind>& kinds() {
    static const QList<Kind> all{makeInertia(),  makeTorque(),   makeForce(),
                                 makeDistance(), makeVelocity(), makeRotation()};
    return all;
}

const Kind& inertia() {
    return kinds().first();
}

Result convert(const Kind& kind, int in, int out, const QString& input) {
    const auto x = numbers::parse(input);
    if (!x)
        return {Message{"Numbers Please!", "Please enter numeric values only for conversion."},
                std::nullopt};
    if (in < 0 || out < 0 || in >= kind.units.size() || out >= kind.units.size())
        return {};
    const double y = *x * kind.factors[in][out];
    if (!std::isfinite(y))
        return {messages::outOfRange(), std::nullopt};
    return {std::nullopt, numbers::general(y)};
}

} // namespace conversion
