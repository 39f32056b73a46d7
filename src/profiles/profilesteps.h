#pragma once

#include "flow/outcome.h"
#include "profiles/profilelogic.h"
#include "sizing/sizing.h"

// The steps of a sizing on the two profile screens.

Form& profileForm(Sizing& sizing, ProfileKind kind);

// NEXT: the move worked out into the preliminary findings, which it shows.
Outcome submitProfile(Sizing& sizing, ProfileKind kind);

// BACK: empties the profile's report lines and returns to the mechanism
// screen that opened the profile (nothing when none did).
std::optional<ScreenId> leaveProfile(Sizing& sizing, ProfileKind kind);
