#pragma once
// Intersection of rectangles and segments, point-in-rectangle and
// point-in-polygon tests, anchor points on a rectangle, normalising and
// fitting rectangles, the incentre of a triangle and point moves.
//
// Guarantees: pure functions except for parameters passed by non-const
// reference; nothing throws; degenerate input (empty bounds, parallel
// segments, coincident points, polygons of fewer than three vertices) has
// the defined result stated at each function. Integer forms square and
// multiply coordinate differences in wide integers, so no 32-bit input
// overflows.

#include <cstdint>
#include <span>

#include "FMX.VX.Graphics/Geometry.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

// Eight anchor points of a rectangle, clockwise from the top edge's middle.
enum TConnectionPoint : std::uint8_t {
  cpTop, cpTopRight, cpRight, cpBottomRight, cpBottom, cpBottomLeft, cpLeft, cpTopLeft
};

// Nine placements of text in a box (for client components).
enum T2DTextAlignment : std::uint8_t {
  taTopLeft, taTopCenter, taTopRight,
  taCenterLeft, taCentered, taCenterRight,
  taBottomLeft, taBottomCenter, taBottomRight
};

// Where a point lies relative to a figure.
enum TPathClickLocation : std::uint8_t { clOutsidePath, clInsidePath, clOnPath };

// --- Rectangle and segment intersection ----------------------------------

// R = (max of the lefts, max of the tops, min of the rights, min of the
// bottoms), always written. True when R.Left <= R.Right and R.Top <= R.Bottom:
// rectangles sharing only an edge or a corner intersect (with a zero-width
// or zero-height R); disjoint ones leave an inverted R.
VXFMX_API bool VXIntersectRect(const TRect& A, const TRect& B, TRect& R);
VXFMX_API bool VXIntersectRect(const TRectF& A, const TRectF& B, TRectF& R);
VXFMX_API bool VXIntersectRect(const TRect& A, const TRect& B);
VXFMX_API bool VXIntersectRect(const TRectF& A, const TRectF& B);

// Intersection of the closed segments P1-P2 and P3-P4. An endpoint lying on
// the other segment's line counts, so segments meeting at an endpoint
// intersect. Parallel segments never intersect, collinear overlapping ones
// included. Q is written only when the result is true.
VXFMX_API bool VXIntersectLine(const TPointF& P1, const TPointF& P2, const TPointF& P3, const TPointF& P4,
                               TPointF& Q);

// True when the segment P1-P2 lies inside R (edges included) or touches or
// crosses its boundary. Points receives the crossings with the top, left,
// right and bottom edges, in that order; a segment through a corner yields
// that corner twice.
VXFMX_API bool VXIntersectRect(const TPointF& P1, const TPointF& P2, const TRectF& R, TCanvasPoints& Points);

// Half-open: left <= x < right and top <= y < bottom.
VXFMX_API bool PtInVXRect(const TPoint& P, const TRectF& R);
VXFMX_API bool PtInVXRect(const TPointF& P, const TRectF& R);

// --- Anchor points --------------------------------------------------------
// The integer form halves sizes with div 2 (toward zero); the float forms
// halve exactly: cpTop of (0, 0, 5, 5) is (2, 0) and (2.5, 0).

VXFMX_API TPoint GetPointOnRect(const TRect& R, TConnectionPoint Point);
VXFMX_API TPointF GetVXPointOnVXRect(const TRectF& R, TConnectionPoint Point);
VXFMX_API TPointF GetCanvasPointOnRect(const TRectF& R, TConnectionPoint Point);

// --- Normalising and fitting ---------------------------------------------

// Copy with top/bottom and left/right swapped where inverted.
VXFMX_API TRect FixRect(const TRect& R);
VXFMX_API TRectF FixRect(const TRectF& R);

// Scales R, keeping its aspect ratio, to fit Bounds and centres it there
// (whole-number centring offsets, see CenterRect). A rectangle already
// smaller than Bounds keeps its size unless Stretch is set. Returns the
// factor by which the size was (or, when kept, would have been) divided.
// Empty Bounds (zero width or height) leave R unchanged and return 1. An R
// without extent (ratio 0) is not stretched: it is centred as it is. The
// integer form rounds the scaled size, halves to even.
VXFMX_API float FitRect(TRect& R, const TRect& Bounds, bool Stretch);
VXFMX_API float FitRect(TRectF& R, const TRectF& Bounds, bool Stretch);
// Maps R onto Bounds (a translation to Bounds' top-left, preceded by a
// scaling about the origin when R has a non-zero area), then applies M, and
// returns the two transformed corners of R (not normalised, not a bounding
// box). A rectangle whose top-left is (0, 0) lands exactly on Bounds under
// the identity.
VXFMX_API TRectF FitRect(const TMatrix& M, const TRectF& R, const TRectF& Bounds);

// --- Triangles and point moves -------------------------------------------

// Incentre of the triangle P1, P2, P3 (the vertices weighted by the lengths
// of the opposite sides). Three coincident vertices give that point. The
// integer form rounds, halves to even.
VXFMX_API TPoint InCenterPoint(const TPoint& P1, const TPoint& P2, const TPoint& P3);
VXFMX_API TPointF InCenterPoint(const TPointF& P1, const TPointF& P2, const TPointF& P3);

// P += (DX, DY); returns P as it was before the move.
VXFMX_API TPoint OffsetPoint(TPoint& P, std::int32_t DX, std::int32_t DY);
VXFMX_API TPointF OffsetPoint(TPointF& P, float DX, float DY);
// Moves P along the line towards Target by Distance (beyond Target when
// Distance exceeds the gap, away from it when negative); P equal to Target
// stays. Returns P as it was before the move. The integer form rounds each
// increment, halves to even.
VXFMX_API TPoint OffsetPoint(TPoint& P, const TPoint& Target, float Distance);
VXFMX_API TPointF OffsetPoint(TPointF& P, const TPointF& Target, float Distance);

// --- Polygon hit tests ----------------------------------------------------
// Polygons are closed implicitly (the last vertex connects to the first).

// Even-odd crossing test. Points on left and top boundaries are inside,
// points on right and bottom boundaries outside (as PtInVXRect). Fewer than
// three vertices enclose nothing and give false.
VXFMX_API bool PointInPath(std::span<const TPoint> Polygon, std::int32_t X, std::int32_t Y);
VXFMX_API bool PointInPath(std::span<const TPointF> Polygon, float X, float Y);
// Even-odd test that reports points exactly on an edge or vertex as
// clOnPath. Fewer than three vertices give clOutsidePath. Comparisons are
// exact (no tolerance).
VXFMX_API TPathClickLocation PointInPath(const TPoint& P, std::span<const TPoint> Polygon);
VXFMX_API TPathClickLocation PointInPath(const TPointF& P, std::span<const TPointF> Polygon);

}  // namespace FMX::VX::Graphics
