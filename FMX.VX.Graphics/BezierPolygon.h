#pragma once
// Smooth curves through (or towards) a run of control points.
//
// BezierPolygonPoints samples a cubic spline over the control points and
// returns the sampled points. Two bases:
// - BSpline = true: uniform cubic B-spline; the curve is pulled towards the
//   control points without passing through them.
// - BSpline = false: Catmull-Rom; the curve passes through every control point.
//
// Each spline segment uses four consecutive control points K0..K3 and runs
// from (near) K1 to (near) K2; its parameter t advances from 0 by
// StepSize / |K2 - K1| (|K2 - K1| taken as 1 when the points coincide), so the
// output points are about StepSize pixels apart. A segment emits its t = 0
// point and every later t up to 1; the t = 1 point appears only when the
// accumulated parameter lands on 1 exactly.
//
// Open curves (Closed = false) of n control points have n - 1 segments: the
// list is padded with a copy of the first point in front and of the last point
// behind, so the curve reaches both ends. With Catmull-Rom the first output
// point is P[0] and the curve runs to P[n - 1].
//
// Closed curves (Closed = true) treat the control points as a ring and have n
// segments, segment i using P[i - 1], P[i], P[i + 1], P[i + 2] (indices taken
// modulo n), starting with the one that wraps round the start. The last
// segment therefore ends exactly where the first one begins, so the curve
// comes back round to its start; the first point is not repeated at the end
// (the implicit closing edge of a polygon is just the final step). Two control
// points make a closed curve that runs out and back along their line.
//
// Guarantees:
// - fewer than two control points give an empty result;
// - StepSize of 0 or less is taken as 1;
// - a segment yields at least one and at most 2^20 + 1 points; on a segment
//   longer than 2^20 steps the step widens to 1/2^20 of the parameter range,
//   so huge or non-finite coordinates never make the routine run away;
// - the whole result stays within a budget of about 65536 + 1024 points per
//   control point: when the segments' lengths add up to more steps than
//   that, the step is widened for all of them alike;
// - all curve arithmetic is done in double; the integer form rounds half to
//   even (FMX::Round32), the float form narrows to 32 bits.

#include <cstdint>
#include <span>

#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX {
class TCanvas;
}

namespace FMX::VX::Graphics {

using namespace ::FMX;

VXFMX_API TPoints BezierPolygonPoints(std::span<const TPoint> Points, bool BSpline, bool Closed,
                                      std::int32_t StepSize);
VXFMX_API TCanvasPoints BezierPolygonPoints(std::span<const TPointF> Points, bool BSpline, bool Closed,
                                            std::int32_t StepSize);

// Draws the curve of BezierPolygonPoints with the canvas's current stroke and
// fill: Filled = true as a polygon (outlined, then filled; a straight edge
// joins the last point to the first), otherwise as an open polyline. An
// Opacity of 0 or less (or NaN) draws nothing.
VXFMX_API void DrawBezierPolygon(TCanvas& Canvas, std::span<const TPoint> Points, bool BSpline, bool Closed,
                                 bool Filled, std::int32_t StepSize, float Opacity);
VXFMX_API void DrawBezierPolygon(TCanvas& Canvas, std::span<const TPointF> Points, bool BSpline, bool Closed,
                                 bool Filled, std::int32_t StepSize, float Opacity);

}  // namespace FMX::VX::Graphics
