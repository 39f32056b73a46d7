#pragma once

#include "flow/field.h"

// The entries of the report screen's header; the sizing writes the motor a
// library motor names into MotorSelected.
namespace fields {

inline constexpr Field Sizer = entryField("Sizer", "");
inline constexpr Field Company = entryField("Company", "");
inline constexpr Field MotorSelected = entryField("MotorSelected", "");

// The report screen's table.
inline const Fields report{Sizer, Company, MotorSelected};

} // namespace fields
