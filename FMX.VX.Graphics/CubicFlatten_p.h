#pragma once
// Flattening of one cubic Bezier segment into chords.
//
// Every walk that turns path curves into points (polygons, lengths,
// distances, hit tests) goes through this one routine, so all of them agree
// with each other and with the curve the canvas paints.
//
// A curve gets the larger of two chord counts:
// - Shape: Wang's formula, n = ceil(sqrt(3/4 * M / Tol)) with
//   M = max(|P0 - 2 P1 + P2|, |P1 - 2 P2 + P3|), which keeps every chord
//   within Tol of the curve. Tol is 1/1000 of the segment's size (its
//   estimated length), and never more than 0.005 units: a curve keeps its
//   shape at any scale, and no chord strays visibly from what is painted.
//   Scale-free for small curves: a quarter circle gets 15 chords whether its
//   radius is 0.01 or 10 (its length then comes out about 0.05% short).
// - Spacing: chords at most about StepSize long, from a cheap estimate of the
//   length, the mean of the chord |P3 - P0| and the control polygon
//   |P1 - P0| + |P2 - P1| + |P3 - P2| (the true length lies between the
//   two), each distance taken as max + min / 2 of its coordinate differences
//   (never below the Euclidean distance, at most 12% above it).
// The cubic is then evaluated at evenly spaced parameters.
//
// Budget: a whole path gets at most kCurveBudgetBase + kCurveBudgetPerCurve
// chords per curve from its curves. Beyond that (huge hostile curves), the
// counts of all its curves are thinned in proportion, never below
// kCurveMinSteps (or a curve's own count when that is smaller); time and
// memory then stay linear in the number of curves.
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

#include <vector>

#include "platform/Types.h"

namespace FMX {
class TPathData;
}

namespace FMX::VX::Graphics::Detail {

// Chords of one curve at most (a curve a million units long still gets
// chords about 1 unit apart).
inline constexpr std::int32_t kMaxCubicSteps = 1 << 20;
// Chord distance from the curve: this fraction of the curve's size, at most
// kCurveMaxTolerance path units.
inline constexpr double kCurveRelTolerance = 1e-3;
inline constexpr double kCurveMaxTolerance = 0.005;
// Chords a path's curves get in all: kCurveBudgetBase + kCurveBudgetPerCurve
// per curve (plus at most kCurveMinSteps per curve).
inline constexpr std::size_t kCurveBudgetBase = std::size_t(1) << 20;
inline constexpr std::size_t kCurveBudgetPerCurve = 256;
inline constexpr std::int32_t kCurveMinSteps = 64;

// Cheap upper bound of |B - A|: max + min / 2 of the coordinate distances,
// at most 12% above the true distance, with no square root.
inline double CubicSpan(TPointF A, TPointF B) {
  const double dx = std::fabs(double(B.X) - double(A.X));
  const double dy = std::fabs(double(B.Y) - double(A.Y));
  return dx > dy ? dx + dy / 2 : dy + dx / 2;
}

// Whole steps for a positive count: at least 1, at most kMaxCubicSteps.
inline std::int32_t CeilSteps(double Steps) {
  if (!(Steps > 1)) return 1;  // also NaN
  if (Steps >= double(kMaxCubicSteps)) return kMaxCubicSteps;
  const std::int32_t Whole = std::int32_t(Steps);
  return Whole + (Steps > Whole ? 1 : 0);
}

// Chord count for keeping the chords within the tolerance of the curve.
inline std::int32_t CubicShapeSteps(TPointF P0, TPointF P1, TPointF P2, TPointF P3, double Size) {
  const double AX = double(P0.X) - 2.0 * P1.X + P2.X, AY = double(P0.Y) - 2.0 * P1.Y + P2.Y;
  const double BX = double(P1.X) - 2.0 * P2.X + P3.X, BY = double(P1.Y) - 2.0 * P2.Y + P3.Y;
  const double M2 = std::max(AX * AX + AY * AY, BX * BX + BY * BY);
  const double Tol = std::min(Size * kCurveRelTolerance, kCurveMaxTolerance);
  if (!(Tol > 0) || !(M2 > 0) || !std::isfinite(M2)) return 1;
  return CeilSteps(std::sqrt(0.75 * std::sqrt(M2) / Tol));
}

// Chord count of one curve; StepSize is the longest chord wanted (path units).
inline std::int32_t CubicFlattenSteps(TPointF P0, TPointF P1, TPointF P2, TPointF P3, double StepSize) {
  if (!(StepSize > 0)) StepSize = 1;
  const double Estimate = CubicSpan(P0, P3) + CubicSpan(P0, P1) + CubicSpan(P1, P2) + CubicSpan(P2, P3);
  if (!(Estimate < std::numeric_limits<double>::infinity())) return 1;  // NaN, infinities
  const std::int32_t Spacing = CeilSteps(Estimate * (0.5 / StepSize));
  return std::max(Spacing, CubicShapeSteps(P0, P1, P2, P3, Estimate * 0.5));
}

// Step count after thinning by Factor (0 < Factor <= 1) to fit the budget.
inline std::int32_t ThinnedSteps(std::int32_t Steps, double Factor) {
  const std::int32_t Floor = std::min(Steps, kCurveMinSteps);
  return std::max(Floor, std::int32_t(double(Steps) * Factor));
}

// One polygon per subpath of Path, curves flattened as above, each polygon
// allocated once at its final size. A closed subpath repeats its first point
// at the end; a line or curve after a close starts where that subpath began;
// a curve opening the path starts at (0, 0); an incomplete trailing curve
// and a close with nothing open add nothing.
void FlattenPath(const TPathData& Path, std::vector<TCanvasPoints>& Out);

// Out must have room for Steps points.
void FlattenCubic(TPointF P0, TPointF P1, TPointF P2, TPointF P3, std::int32_t Steps, TPointF* Out);

}  // namespace FMX::VX::Graphics::Detail
