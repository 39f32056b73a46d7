inline constexpr Field Pitch = entryField("Pitch");
