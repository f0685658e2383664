#pragma once
// The physical constants of the program's hydraulics. π is the standard
// library's, std::numbers::pi. The charts were drawn with short literals of
// their own (case A's kPi, kSqrt2g and k2g), which their formulas keep.

namespace retencion {

inline constexpr double kGravity = 9.81; // m/s²

} // namespace retencion
