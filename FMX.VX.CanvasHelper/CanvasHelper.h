#pragma once
// Classic immediate-mode drawing on a canvas: pen and brush, rectangles,
// ellipses, polygons, Bezier runs, arcs, bitmap blits and text output.
//
// Every operation takes the canvas first and keeps no state of its own:
// the pen is the canvas's Stroke, the brush its Fill, and the only
// position kept is the canvas's PenPos (MoveTo, LineTo, ArcTo).
//
// Conventions:
// - Each shape comes in an integer and a float form. The integer form
//   converts every coordinate to float unchanged (no half-pixel offset, no
//   rounding) and calls the float form, so both draw exactly the same.
// - Opacity is 0..1 and multiplies whatever is painted.
// - Closed shapes are outlined, then filled (Rectangle, Ellipse, Polygon)
//   or filled, then outlined (RoundRect, Chord, Pie), always with the
//   canvas's current Fill and Stroke.
// - Angles are degrees. AngleArc and the canvas turn from +x towards +y
//   (clockwise on screen); Arc, ArcTo, Chord and Pie run counter-clockwise
//   on screen, as their classic counterparts do.
// - Temporary paths are released and changed canvas state is put back
//   before an operation returns, also when the canvas raises.
// - Point runs are read-only; an empty run is valid everywhere.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "FMX.VX.CanvasHelper/CanvasSaveState.h"
#include "platform/Bitmap.h"
#include "platform/Brush.h"
#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/PathData.h"
#include "platform/Types.h"

namespace FMX::VX::CanvasHelper {

using namespace ::FMX;

// --- Pen and brush ---------------------------------------------------------

// The canvas's Fill.
VXFMX_API TBrush& Brush(TCanvas& Canvas);
// The fill becomes a copy of Value.
VXFMX_API void SetBrush(TCanvas& Canvas, const TBrush& Value);
// The canvas's Stroke.
VXFMX_API TStrokeBrush& Pen(TCanvas& Canvas);
// The stroke becomes a copy of Value (brush part, thickness, cap, join, dash).
VXFMX_API void SetPen(TCanvas& Canvas, const TStrokeBrush& Value);
// Stroke thickness in canvas units.
VXFMX_API float PenWidth(const TCanvas& Canvas);
VXFMX_API void SetPenWidth(TCanvas& Canvas, float Value);

// The whole canvas, (0, 0, Width, Height), whatever clip is in force.
VXFMX_API TRect ClipRect(const TCanvas& Canvas);
VXFMX_API TRectF ClipRectF(const TCanvas& Canvas);

// --- Lines and arcs --------------------------------------------------------

VXFMX_API void DrawLine(TCanvas& Canvas, const TPointF& Pt1, const TPointF& Pt2, float Opacity = 1);
VXFMX_API void DrawLine(TCanvas& Canvas, const TPoint& Pt1, const TPoint& Pt2, float Opacity = 1);

// PenPos becomes (X, Y); nothing is drawn.
VXFMX_API void MoveTo(TCanvas& Canvas, std::int32_t X, std::int32_t Y);
// Strokes a line from PenPos to (X, Y), which becomes the new PenPos.
VXFMX_API void LineTo(TCanvas& Canvas, std::int32_t X, std::int32_t Y);

// Circular arc around (X, Y) starting at StartAngle + 90 degrees over
// SweepAngle degrees (both turning clockwise on screen), stroked.
VXFMX_API void AngleArc(TCanvas& Canvas, std::int32_t X, std::int32_t Y, std::uint32_t Radius, float StartAngle,
                        float SweepAngle, float Opacity = 1);
VXFMX_API void AngleArc(TCanvas& Canvas, float X, float Y, float Radius, float StartAngle, float SweepAngle,
                        float Opacity = 1);

// The elliptical arc of the ellipse inscribed in (X1, Y1, X2, Y2). It starts
// where the ray from the centre through (X3, Y3) meets the ellipse and runs
// counter-clockwise on screen to where the ray through (X4, Y4) meets it;
// two rays in the same direction give the whole ellipse.
//   Arc    strokes the arc.
//   ArcTo  strokes a line from PenPos to the arc's start, then the arc;
//          PenPos becomes the arc's end.
//   Chord  closes the arc with a straight line; fills, then outlines.
//   Pie    closes the arc through the centre; fills, then outlines.
VXFMX_API void Arc(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                   std::int32_t X3, std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity = 1);
VXFMX_API void Arc(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                   float Opacity = 1);
VXFMX_API void ArcTo(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                     std::int32_t X3, std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity = 1);
VXFMX_API void ArcTo(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4,
                     float Y4, float Opacity = 1);
VXFMX_API void Chord(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                     std::int32_t X3, std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity = 1);
VXFMX_API void Chord(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4,
                     float Y4, float Opacity = 1);
VXFMX_API void Pie(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                   std::int32_t X3, std::int32_t Y3, std::int32_t X4, std::int32_t Y4, float Opacity = 1);
VXFMX_API void Pie(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4,
                   float Opacity = 1);

// --- Rectangles and ellipses -----------------------------------------------

// Outline, then fill.
VXFMX_API void Rectangle(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                         float Opacity = 1);
VXFMX_API void Rectangle(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float Opacity = 1);
VXFMX_API void Rectangle(TCanvas& Canvas, const TRect& Rect, float Opacity = 1);
VXFMX_API void Rectangle(TCanvas& Canvas, const TRectF& Rect, float Opacity = 1);

// Fill only.
VXFMX_API void FillRect(TCanvas& Canvas, const TRect& Rect, float Opacity = 1);
VXFMX_API void FillRect(TCanvas& Canvas, const TRectF& Rect, float Opacity = 1);

// Outline only.
VXFMX_API void FrameRect(TCanvas& Canvas, const TRect& Rect, float Opacity = 1);
VXFMX_API void FrameRect(TCanvas& Canvas, const TRectF& Rect, float Opacity = 1);

// Rounded rectangle with corner radii CX (horizontal) and CY (vertical),
// filled, then outlined. A rectangle of zero width or height draws
// nothing; an inverted one is drawn normalised.
VXFMX_API void RoundRect(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                         std::int32_t X3, std::int32_t Y3, float Opacity = 1);
VXFMX_API void RoundRect(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                         float Opacity = 1);
VXFMX_API void RoundRect(TCanvas& Canvas, const TRect& Rect, std::int32_t CX, std::int32_t CY, float Opacity = 1);
VXFMX_API void RoundRect(TCanvas& Canvas, const TRectF& Rect, float CX, float CY, float Opacity = 1);

// Inscribed ellipse: outline, then fill.
VXFMX_API void Ellipse(TCanvas& Canvas, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
                       float Opacity = 1);
VXFMX_API void Ellipse(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float Opacity = 1);
VXFMX_API void Ellipse(TCanvas& Canvas, const TRect& Rect, float Opacity = 1);
VXFMX_API void Ellipse(TCanvas& Canvas, const TRectF& Rect, float Opacity = 1);

// A dashed one-unit frame in the current stroke colour; the canvas state is
// left as it was.
VXFMX_API void DrawFocusRect(TCanvas& Canvas, const TRect& Rect, float Opacity = 1);
VXFMX_API void DrawFocusRect(TCanvas& Canvas, const TRectF& Rect, float Opacity = 1);

// --- Point runs ------------------------------------------------------------

// Closed polyline (a line back to the first point): outline, then fill.
// Fewer than two points draw nothing.
VXFMX_API void Polygon(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity = 1);
VXFMX_API void Polygon(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity = 1);

// Open polyline, stroked. Fewer than two points draw nothing. Below full
// opacity a float run is stroked as one outline so that overlapping
// segments do not darken their joins; otherwise segment by segment.
VXFMX_API void Polyline(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity = 1);
VXFMX_API void Polyline(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity = 1);

// Bezier runs: P[0], then triples (control, control, end); see PointsToPath.
// PolyBezier strokes the open run, PolyBezierTo the closed one.
VXFMX_API void PolyBezier(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity = 1);
VXFMX_API void PolyBezier(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity = 1);
VXFMX_API void PolyBezierTo(TCanvas& Canvas, std::span<const TPoint> Points, float Opacity = 1);
VXFMX_API void PolyBezierTo(TCanvas& Canvas, std::span<const TPointF> Points, float Opacity = 1);

// A new path through Points (empty for fewer than two points):
// - lines: a move to P[0], a line to each further point and, when Closed, a
//   line back to P[0] (not a close command);
// - Bezier: a move to P[0] and one curve per complete triple; points left
//   over after the last triple are ignored. When Closed, a curve back to
//   P[0] whose control points are the two left-over points, or with none
//   left over the last triple's control points; a single left-over point
//   gives no closing curve.
VXFMX_API std::unique_ptr<TPathData> PointsToPath(std::span<const TPoint> Points, bool Closed, bool Bezier);
VXFMX_API std::unique_ptr<TPathData> PointsToPath(std::span<const TPointF> Points, bool Closed, bool Bezier);

// --- Bitmaps ---------------------------------------------------------------

// The whole bitmap at its own size with its top-left corner at (X, Y).
VXFMX_API void Draw(TCanvas& Canvas, std::int32_t X, std::int32_t Y, const TBitmap& Bitmap, float Opacity = 1);
VXFMX_API void Draw(TCanvas& Canvas, float X, float Y, const TBitmap& Bitmap, float Opacity = 1);

// The whole bitmap scaled into Rect.
VXFMX_API void StretchDraw(TCanvas& Canvas, const TRect& Rect, const TBitmap& Bitmap, float Opacity = 1);
VXFMX_API void StretchDraw(TCanvas& Canvas, const TRectF& Rect, const TBitmap& Bitmap, float Opacity = 1);

// Source (bitmap pixels) scaled into Dest. Color is accepted and ignored:
// there is no transparent-colour keying.
VXFMX_API void BrushCopy(TCanvas& Canvas, const TRect& Dest, const TBitmap& Bitmap, const TRect& Source,
                         TAlphaColor Color, float Opacity = 1);
VXFMX_API void BrushCopy(TCanvas& Canvas, const TRectF& Dest, const TBitmap& Bitmap, const TRectF& Source,
                         TAlphaColor Color, float Opacity = 1);

// The Source rectangle of SourceCanvas's pixels scaled into Dest. A source
// canvas without pixels (a recording, a document) gives nothing to copy.
// Copying a canvas onto itself reads the pixels as they were before the call.
VXFMX_API void CopyRect(TCanvas& Canvas, const TRect& Dest, const TCanvas& SourceCanvas, const TRect& Source);
VXFMX_API void CopyRect(TCanvas& Canvas, const TRectF& Dest, const TCanvas& SourceCanvas, const TRectF& Source);

// --- Text ------------------------------------------------------------------

// Text laid out in ARect (normalised first) with the canvas's Font and Fill.
// A non-zero Angle turns the text by Angle degrees counter-clockwise on
// screen around the rectangle's centre; the matrix is put back afterwards.
VXFMX_API void FillText(TCanvas& Canvas, const TRectF& ARect, std::string_view AText, bool WordWrap,
                        float AOpacity, TFillTextFlags Flags, float Angle, TTextAlign ATextAlign,
                        TTextAlign AVTextAlign = TTextAlign::Center);

// One unwrapped line with its top-left corner at (X, Y).
VXFMX_API void TextOut(TCanvas& Canvas, std::int32_t X, std::int32_t Y, std::string_view Text, float Opacity = 1);
VXFMX_API void TextOut(TCanvas& Canvas, float X, float Y, std::string_view Text, float Opacity = 1);

// Text from (X, Y) to Rect's bottom-right corner, clipped to Rect. The clip
// and the rest of the canvas state are as before when the call returns.
VXFMX_API void TextRect(TCanvas& Canvas, const TRect& Rect, std::int32_t X, std::int32_t Y, std::string_view Text);
VXFMX_API void TextRect(TCanvas& Canvas, const TRectF& Rect, float X, float Y, std::string_view Text);

// Text size in whole canvas units, each side rounded half to even; the
// empty text is (0, 0).
VXFMX_API TSize TextExtent(const TCanvas& Canvas, std::string_view Text);

}  // namespace FMX::VX::CanvasHelper
