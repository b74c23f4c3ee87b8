#pragma once
// Integer-to-float conversions shared by the helper's integer overloads:
// each coordinate converted unchanged, no offset, no rounding.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Types.h"

namespace FMX::VX::CanvasHelper {

inline TPointF ToPointF(const TPoint& P) { return {float(P.X), float(P.Y)}; }

inline TRectF ToRectF(const TRect& R) { return {float(R.Left), float(R.Top), float(R.Right), float(R.Bottom)}; }

inline TRectF ToRectF(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2) {
  return {float(X1), float(Y1), float(X2), float(Y2)};
}

inline std::vector<TPointF> ToPointsF(std::span<const TPoint> Points) {
  std::vector<TPointF> Result;
  Result.reserve(Points.size());
  for (const TPoint& P : Points) Result.push_back(ToPointF(P));
  return Result;
}

}  // namespace FMX::VX::CanvasHelper
