#pragma once

#include "flow/field.h"
#include "units/units.h"

// The entries, unit lists and options of the two profile screens; their unit
// lists offer revolutions for a rotary move and lengths for a linear one.
namespace fields {

namespace offered {
inline QStringList distances(Motion motion) {
    if (motion == Motion::Rotary)
        return units::rotaryDistanceUnits().texts();
    return motion == Motion::Linear ? units::dimensionUnits().texts() : QStringList();
}
inline QStringList speeds(Motion motion) {
    if (motion == Motion::Rotary)
        return units::rotarySpeedUnits().texts();
    return motion == Motion::Linear ? units::linearSpeedUnits().texts() : QStringList();
}
} // namespace offered

// clang-format off
inline constexpr const char* Triangular = "Triangular";
inline constexpr const char* Trapezoidal = "Trapezoidal";
inline constexpr Field Profile = optionsField("Profile", [](Motion) { return QStringList{Triangular, Trapezoidal}; });
inline constexpr Field TriDist = entryField("TriDist");
inline constexpr Field TriMoveUnits = unitsField("TriMoveUnits", offered::distances);
inline constexpr Field TriMoveTime = entryField("TriMoveTime");
inline constexpr Field TrapDist = entryField("TrapDist");
inline constexpr Field TrapMoveUnits = unitsField("TrapMoveUnits", offered::distances);
inline constexpr Field TrapMoveTime = entryField("TrapMoveTime");
inline constexpr Field MaxSpeed = entryField("MaxSpeed");
inline constexpr Field MaxSpeedUnits = unitsField("MaxSpeedUnits", offered::speeds);
inline constexpr Field AccelTime = entryField("AccelTime");
inline constexpr Field AccelDist = entryField("AccelDist");
inline constexpr Field AccelDistUnits = unitsField("AccelDistUnits", offered::distances);
inline constexpr Field DwellTime = entryField("DwellTime");
// clang-format on

// A profile screen's table.
inline const Fields profile{Profile,       TriDist,        TriMoveUnits, TriMoveTime,   TrapDist,
                            TrapMoveUnits, TrapMoveTime,   MaxSpeed,     MaxSpeedUnits, AccelTime,
                            AccelDist,     AccelDistUnits, DwellTime};

} // namespace fields
