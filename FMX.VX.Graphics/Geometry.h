#pragma once
// Points and rectangles in their float (TPointF, TRectF) and integer (TPoint,
// TRect) forms: construction, conversion, measuring, moving, growing,
// centring, comparing, the canvas-coordinate family and the text form of a
// point.
//
// Conventions every function here keeps:
// - float results are evaluated in double and narrowed to 32 bits on storing;
// - conversions to integers round to nearest, exact halves to even
//   (2.5 -> 2, 3.5 -> 4); `div 2` of integers truncates toward zero;
// - integer arithmetic is 32-bit two's complement (it wraps, never traps);
// - nothing normalises a rectangle: inverted rectangles are valid values;
// - nothing here throws; empty arrays give empty results or (0, 0).

#include <cstdint>
#include <concepts>
#include <span>
#include <string>
#include <string_view>

#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

// Platform types (TPointF, TRectF, TMatrix...) are found through this unit.
using namespace ::FMX;

// --- Canvas coordinates ---------------------------------------------------
// Drawing code is written against these so that it does not care which
// numeric type the canvas uses; here canvas coordinates are 32-bit floats.

VXFMX_API TRectF CanvasRect(const TRectF& R);
VXFMX_API TRectF CanvasRect(const TRect& R);
VXFMX_API TRectF CanvasRect(std::int32_t Left, std::int32_t Top, std::int32_t Right, std::int32_t Bottom);
VXFMX_API TRectF CanvasRect(float Left, float Top, float Right, float Bottom);
VXFMX_API TPointF CanvasPoint(std::int32_t X, std::int32_t Y);
VXFMX_API TPointF CanvasPoint(float X, float Y);
// Float canvases need no rounding: both return their argument.
VXFMX_API double CanvasRound(double Value);
VXFMX_API double CanvasTrunc(double Value);
// True quotient, not integer division: CanvasDiv(7, 2) is 3.5.
VXFMX_API double CanvasDiv(std::int64_t A, std::int64_t B);
VXFMX_API double CanvasDiv(double A, double B);
// Any pair of integers takes the integer form (int and int64 would otherwise
// be ambiguous between the two overloads above).
template <std::integral A, std::integral B>
inline double CanvasDiv(A X, B Y) {
  return CanvasDiv(static_cast<std::int64_t>(X), static_cast<std::int64_t>(Y));
}
// Largest / smallest element; 0 for an empty sequence.
VXFMX_API float CanvasMax(std::span<const float> Values);
VXFMX_API float CanvasMin(std::span<const float> Values);
VXFMX_API TPointF CanvasCenterPoint(const TRectF& R);

// --- Points ---------------------------------------------------------------

VXFMX_API TPointF VXPoint(float X, float Y);
VXFMX_API TPointF VXPoint(const TPoint& P);
VXFMX_API TPointF PointToVXPoint(const TPoint& P);
// Each coordinate rounded, halves to even.
VXFMX_API TPoint VXPointToPoint(const TPointF& P);
VXFMX_API TPointF VXPointToCanvasPoint(const TPointF& P);
VXFMX_API TCanvasPoints PointsToVXPoints(std::span<const TPoint> Points);
VXFMX_API TPoints VXPointsToPoints(std::span<const TPointF> Points);
// Equal within |a - b| <= max(min(|a|, |b|) * 1E-4, 1E-4) on each axis.
VXFMX_API bool PointsEqual(const TPointF& P1, const TPointF& P2);
VXFMX_API float VXDistance(const TPointF& P1, const TPointF& P2);
// The point at fraction Ratio from P1 towards P2 (0 gives P1, 1 gives P2,
// outside 0..1 extrapolates). An axis on which both points agree keeps that
// coordinate exactly.
VXFMX_API TPointF VXCenterPoint(const TPointF& P1, const TPointF& P2, float Ratio);
// Arithmetic mean, summed in float accumulators; (0, 0) for no points.
VXFMX_API TPointF VXCenterPoint(std::span<const TPointF> Points);
VXFMX_API TPointF VXCenterPoint(std::span<const TPoint> Points);
// Scales every point about the mean point by SX, SY. The integer form rounds
// each coordinate, halves to even.
VXFMX_API TCanvasPoints ScalePoints(std::span<const TPointF> Points, float SX, float SY);
VXFMX_API TPoints ScalePoints(std::span<const TPoint> Points, float SX, float SY);

// "(x,y)" with '.' as decimal point and up to 15 significant digits of each
// coordinate widened to double: (0.1, 2) is "(0.100000001490116,2)". The
// text reads back to the same point, bit for bit, for every finite point
// (a negative zero is written "-0" so that it survives the trip).
VXFMX_API std::string VXPointToString(const TPointF& P);
// Reads the text written by VXPointToString: the fields between the first
// and second and between the second and third of the characters '(' ',' ')'
// are x and y; the text before the first is ignored. Any failure (a field
// missing, empty, not a number, or beyond the float range) gives (0, 0).
// Never throws.
VXFMX_API TPointF StringToVXPoint(std::string_view Text);

// --- Rectangles -----------------------------------------------------------

VXFMX_API TRectF VXRect(float Left, float Top, float Right, float Bottom);
VXFMX_API TRectF VXRect(const TPointF& TopLeft, const TPointF& BottomRight);
VXFMX_API TRectF VXRect(const TRect& R);
VXFMX_API TRectF VXRect(const TRectF& R);
VXFMX_API TRectF RectToVXRect(const TRect& R);
// Left, top, right, bottom each rounded, halves to even.
VXFMX_API TRect VXRectToRect(const TRectF& R);
// Right - left and bottom - top; negative for inverted rectangles.
VXFMX_API std::int32_t VXRectWidth(const TRect& R);
VXFMX_API std::int32_t VXRectHeight(const TRect& R);
VXFMX_API float VXRectWidth(const TRectF& R);
VXFMX_API float VXRectHeight(const TRectF& R);
// Integer rectangles compare exactly; float ones within the tolerance of
// PointsEqual on each of the four coordinates.
VXFMX_API bool EqualsRect(const TRect& A, const TRect& B);
VXFMX_API bool EqualsRect(const TRectF& A, const TRectF& B);
// Moves left and top out by DX, DY and right and bottom out by the same.
VXFMX_API void VXInflateRect(TRect& R, std::int32_t DX, std::int32_t DY);
VXFMX_API void VXInflateRect(TRectF& R, float DX, float DY);
// Grows R about its centre by SX in width and SY in height (total amounts,
// not factors; negative shrinks). Each side moves by half the amount; the
// integer form rounds the half, halves to even, so (0, 0, 10, 10) grown by
// 5 is (-2, -2, 12, 12).
VXFMX_API TRect ScaleRect(const TRect& R, float SX, float SY);
VXFMX_API TRectF ScaleRect(const TRectF& R, float SX, float SY);
// Moves R by DX, DY. True whenever a rectangle is given: the pointer form
// returns false for a null pointer.
VXFMX_API bool OffsetVXRect(TRectF& R, float DX, float DY);
VXFMX_API bool OffsetVXRect(TRectF* R, float DX, float DY);
// ((right - left) / 2 + left, (bottom - top) / 2 + top); the integer form
// computes it in floating point, so (0, 0, 5, 5) has the centre (2.5, 2.5).
VXFMX_API TPointF VXCenterPoint(const TRectF& R);
VXFMX_API TPointF VXCenterPoint(const TRect& R);

// A rectangle of the given size around a centre. Integer forms subtract and
// add Width div 2 and Height div 2, so an odd size loses one unit:
// centre (10, 10), 5 x 4 gives (8, 8, 12, 12).
VXFMX_API TRect CenterRect(const TPoint& Center, std::int32_t Width, std::int32_t Height);
VXFMX_API TRect CenterRect(std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height);
VXFMX_API TRectF CenterRect(const TPointF& Center, float Width, float Height);
VXFMX_API TRectF CenterRect(float X, float Y, float Width, float Height);
// Moves R, keeping its size, so that it is centred in Bounds, and returns
// the moved R. The centring offsets are whole numbers (the half of the size
// difference rounded, halves to even), also for float rectangles: (0, 0, 3, 3)
// in (0, 0, 10, 10) becomes (4, 4, 7, 7). A rectangle larger than Bounds
// overhangs on both sides. The integer form works in floats and rounds the
// four coordinates back.
VXFMX_API TRectF CenterRect(TRectF& R, const TRectF& Bounds);
VXFMX_API TRect CenterRect(TRect& R, const TRect& Bounds);

}  // namespace FMX::VX::Graphics
