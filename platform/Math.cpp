#include "platform/Math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace FMX {

namespace {

std::int64_t Saturate(double Whole) {
  if (std::isnan(Whole)) return 0;
  // 2^63 is exactly representable; anything at or beyond it saturates.
  constexpr double Limit = 9223372036854775808.0;
  if (Whole >= Limit) return std::numeric_limits<std::int64_t>::max();
  if (Whole < -Limit) return std::numeric_limits<std::int64_t>::min();
  return std::int64_t(Whole);
}

// Epsilon is of the operands' storage type E: the default tolerance is
// computed in double and narrowed to E before the comparison.
template <typename E>
bool SameValueOf(double A, double B, E Epsilon, double Resolution) {
  if (Epsilon == 0) Epsilon = E(std::max(std::min(std::fabs(A), std::fabs(B)) * Resolution, Resolution));
  return A > B ? (A - B) <= double(Epsilon) : (B - A) <= double(Epsilon);
}

}  // namespace

std::int64_t Round(double Value) { return Saturate(std::nearbyint(Value)); }

std::int64_t Trunc(double Value) { return Saturate(std::trunc(Value)); }

bool SameValue(float A, float B, float Epsilon) {
  // Evaluated in double from the 32-bit operands.
  return SameValueOf<float>(A, B, Epsilon, 1E-4);
}

bool SameValue(double A, double B, double Epsilon) { return SameValueOf<double>(A, B, Epsilon, 1E-12); }

float MaxValue(std::span<const float> Data) { return Data.empty() ? 0.0f : *std::max_element(Data.begin(), Data.end()); }
float MinValue(std::span<const float> Data) { return Data.empty() ? 0.0f : *std::min_element(Data.begin(), Data.end()); }
double MaxValue(std::span<const double> Data) { return Data.empty() ? 0.0 : *std::max_element(Data.begin(), Data.end()); }
double MinValue(std::span<const double> Data) { return Data.empty() ? 0.0 : *std::min_element(Data.begin(), Data.end()); }

}  // namespace FMX
