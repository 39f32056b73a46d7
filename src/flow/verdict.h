#pragma once

// Whether a finding is acceptable: shown light green when good, light red when bad.
enum class Verdict { Good, Bad };
