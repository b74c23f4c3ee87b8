#pragma once
// The runtime's numeric conventions, one implementation each:
// - Round: nearest integer, exact halves to the even neighbour (2.5 -> 2).
// - Trunc: toward zero.
// - SameValue: tolerant equality |a - b| <= max(min(|a|, |b|) * 1E-4, 1E-4)
//   when no epsilon is given (epsilon 0).
// Callers evaluate expressions in double and narrow when storing:
// float r = float(double(a) * b + c);

#include <cstdint>
#include <span>

#include "platform/Export.h"

namespace FMX {

inline constexpr float cPI = 3.141592654f;          // single-precision pi
inline constexpr double Pi = 3.141592653589793;

// Half to even under the default rounding mode. Values outside the int64
// range saturate; NaN gives 0.
VXFMX_API std::int64_t Round(double Value);
// Toward zero, with the same saturation.
VXFMX_API std::int64_t Trunc(double Value);
// Round narrowed to 32 bits (two's complement wrap, as 32-bit storage does).
inline std::int32_t Round32(double Value) { return std::int32_t(std::uint32_t(std::uint64_t(Round(Value)))); }

VXFMX_API bool SameValue(float A, float B, float Epsilon = 0);
VXFMX_API bool SameValue(double A, double B, double Epsilon = 0);

// Largest / smallest element; 0 for an empty sequence.
VXFMX_API float MaxValue(std::span<const float> Data);
VXFMX_API float MinValue(std::span<const float> Data);
VXFMX_API double MaxValue(std::span<const double> Data);
VXFMX_API double MinValue(std::span<const double> Data);

inline double DegToRad(double Degrees) { return Degrees * (Pi / 180.0); }
inline double RadToDeg(double Radians) { return Radians * (180.0 / Pi); }

}  // namespace FMX
