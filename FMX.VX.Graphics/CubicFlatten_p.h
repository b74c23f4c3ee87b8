#pragma once
// Flattening of one cubic Bezier segment into chords about StepSize apart.
//
// Every walk that turns path curves into points (polygons, lengths,
// distances, hit tests) goes through this one routine, so all of them agree
// with each other and with the curve the canvas paints.
//
// The number of chords comes from a cheap arc-length estimate, the mean of
// the chord |P3 - P0| and the control polygon |P1 - P0| + |P2 - P1| + |P3 - P2|
// (the true length lies between the two), each distance taken as
// max + min / 2 of its coordinate differences (never below the Euclidean
// distance, at most 12% above it), divided by StepSize and rounded up. The
// cubic itself is then evaluated at evenly spaced parameters.
//
// Guarantees:
// - CubicFlattenSteps is at least 1 and at most kMaxCubicSteps; non-finite
//   coordinates give 1;
// - FlattenCubic writes exactly Steps points, the curve after P0 up to and
//   including P3 (the last point is P3 exactly), evaluated in double and
//   narrowed to 32 bits; P0 itself is not written;
// - nothing allocates.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "platform/Types.h"

namespace FMX::VX::Graphics::Detail {

// Caps the work on absurdly long curves; at 2^16 chords even a curve of a
// million pixels is measured to within parts per billion.
inline constexpr std::int32_t kMaxCubicSteps = 65536;

// Cheap upper bound of |B - A|: max + min / 2 of the coordinate distances,
// at most 12% above the true distance, with no square root.
inline double CubicSpan(TPointF A, TPointF B) {
  const double dx = std::fabs(double(B.X) - double(A.X));
  const double dy = std::fabs(double(B.Y) - double(A.Y));
  return dx > dy ? dx + dy / 2 : dy + dx / 2;
}

// Inline so that a constant StepSize folds into the arithmetic.
inline std::int32_t CubicFlattenSteps(TPointF P0, TPointF P1, TPointF P2, TPointF P3, double StepSize) {
  if (!(StepSize > 0)) StepSize = 1;
  const double Estimate = CubicSpan(P0, P3) + CubicSpan(P0, P1) + CubicSpan(P1, P2) + CubicSpan(P2, P3);
  const double Steps = Estimate * (0.5 / StepSize);
  if (!(Steps > 1) || Steps == std::numeric_limits<double>::infinity()) return 1;  // NaN, infinities
  if (Steps >= double(kMaxCubicSteps)) return kMaxCubicSteps;
  const std::int32_t Whole = std::int32_t(Steps);
  return Whole + (Steps > Whole ? 1 : 0);
}

// Out must have room for Steps points.
void FlattenCubic(TPointF P0, TPointF P1, TPointF P2, TPointF P3, std::int32_t Steps, TPointF* Out);

// Appends the flattened curve (without P0) to Out; grows Out geometrically.
inline void AppendCubic(TPointF P0, TPointF P1, TPointF P2, TPointF P3, double StepSize, TCanvasPoints& Out) {
  const std::int32_t Steps = CubicFlattenSteps(P0, P1, P2, P3, StepSize);
  const std::size_t Old = Out.size();
  if (Out.capacity() < Old + std::size_t(Steps)) Out.reserve(std::max(Out.capacity() * 2, Old + std::size_t(Steps)));
  Out.resize(Old + std::size_t(Steps));
  FlattenCubic(P0, P1, P2, P3, Steps, Out.data() + Old);
}

}  // namespace FMX::VX::Graphics::Detail
