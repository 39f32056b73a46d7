#pragma once

// The program's published constants. Every figure it shows is worked out with
// these values, rounded as they have always been printed, not with the
// library's more precise ones: changing them would change results engineers
// have on file.
namespace constants {
inline constexpr double pi = 3.14159;
inline constexpr double twoPi = 6.28318;
inline constexpr double gravity = 386.4; // in/sec^2
} // namespace constants
