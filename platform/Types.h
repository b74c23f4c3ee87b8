#pragma once
// Value types shared by every unit: points, rectangles, sizes, vectors,
// matrices and colours.
//
// Guarantees: plain aggregates of 32-bit fields in the documented order.
// Nothing normalises a rectangle; inverted rectangles are valid values.
// Arithmetic on the float fields is done in double and narrowed on storing.

#include <cstdint>
#include <vector>

#include "platform/Export.h"

namespace FMX {

struct TPointF {
  float X = 0;
  float Y = 0;
  friend bool operator==(const TPointF&, const TPointF&) = default;
};

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left, Top, Right, Bottom; width = Right - Left, height = Bottom - Top.
struct TRectF {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  float Width() const { return float(double(Right) - double(Left)); }
  float Height() const { return float(double(Bottom) - double(Top)); }
  TPointF TopLeft() const { return {Left, Top}; }
  TPointF BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRectF&, const TRectF&) = default;
};

struct TRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  // 32-bit two's complement, as the arithmetic of the integer family.
  std::int32_t Width() const { return std::int32_t(std::uint32_t(Right) - std::uint32_t(Left)); }
  std::int32_t Height() const { return std::int32_t(std::uint32_t(Bottom) - std::uint32_t(Top)); }
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TSizeF {
  float cx = 0;
  float cy = 0;
  friend bool operator==(const TSizeF&, const TSizeF&) = default;
};

// Homogeneous 2-D vector; W is 1 for a point.
struct TVector {
  float X = 0;
  float Y = 0;
  float W = 0;
  friend bool operator==(const TVector&, const TVector&) = default;
};

// 3x3 matrix stored row by row. Points are row vectors multiplied from the
// left: x' = x*m11 + y*m21 + m31, y' = x*m12 + y*m22 + m32. A * B applies A
// first, then B.
struct VXFMX_API TMatrix {
  float m11 = 0, m12 = 0, m13 = 0;
  float m21 = 0, m22 = 0, m23 = 0;
  float m31 = 0, m32 = 0, m33 = 0;

  static TMatrix Identity();
  static TMatrix CreateTranslation(float DX, float DY);
  static TMatrix CreateScaling(float SX, float SY);
  // Angle in radians; positive angles turn from +x towards +y.
  static TMatrix CreateRotation(float Angle);
  TMatrix operator*(const TMatrix& B) const;
  TPointF Transform(const TPointF& P) const;
  friend bool operator==(const TMatrix&, const TMatrix&) = default;
};

using TAlphaColor = std::uint32_t;  // alpha 24-31, red 16-23, green 8-15, blue 0-7

using TCanvasPoints = std::vector<TPointF>;
using TPoints = std::vector<TPoint>;
using TSingleDynArray = std::vector<float>;

}  // namespace FMX

#include "platform/Set.h"

namespace FMX {

// Corners of a rectangle and how rounded corners are drawn.
enum class TCorner : std::uint8_t { TopLeft, TopRight, BottomLeft, BottomRight };
using TCorners = TSet<TCorner, std::uint8_t>;
inline constexpr TCorners AllCorners = TCorners::FromBits(0x0F);
enum class TCornerType : std::uint8_t { Round, Bevel, InnerRound, InnerLine };

}  // namespace FMX
