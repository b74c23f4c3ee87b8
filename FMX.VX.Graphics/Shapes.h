#pragma once
// Simple shapes drawn into a rectangle, flat or raised, and the copy of
// drawing state between canvases that off-screen drawing starts from.
//
// All drawing goes through the canvas helper with the canvas's current Fill
// and Stroke. Raised styles draw their bevel with the frames of Frames.h.

#include <cstdint>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Set.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

enum TVXShapeType : std::int32_t { sRect, sCircle, sIsoscelesTriangle, sRightTriangle };

// The way a triangle's apex (or right angle) faces; it also picks the bevel
// colours of the type form.
enum TVXShapeOrientation : std::int32_t { soUp, soDown, soLeft, soRight };

// Value n + 12 is the raised version of value n.
enum TVXShapeStyle : std::uint8_t {
  ssRectangle,
  ssEllipse,
  ssImage,
  ssDiamond,
  ssLeftTriangle,
  ssRightTriangle,
  ssUpTriangle,
  ssDownTriangle,
  ssRoundRect,
  ssSquare,
  ssCircle,
  ssRoundSquare,
  ss3DRectangle,
  ss3DEllipse,
  ss3DImage,
  ss3DDiamond,
  ss3DLeftTriangle,
  ss3DRightTriangle,
  ss3DUpTriangle,
  ss3DDownTriangle,
  ss3DRoundRect,
  ss3DSquare,
  ss3DCircle,
  ss3DRoundSquare,
};

// Bit n for style n.
using TVXShapeStyles = TSet<TVXShapeStyle, std::uint32_t>;

// Every raised style except ss3DImage (which draws nothing).
inline constexpr TVXShapeStyles ShapeStyles3D = TVXShapeStyles::FromBits(0x00FFB000);

// Marker point for closing a polygon in a point list.
inline constexpr TPointF VXClosePolygon{65535, 65535};

// Bevel greys of the type form.
inline constexpr TAlphaColor ShapeLightGrey = 0xFFD3D3D3;
inline constexpr TAlphaColor ShapeDarkGrey = 0xFFA9A9A9;

// Type form: a filled rectangle, an outlined and filled circle, or an
// isosceles or right triangle pointing the way ShapeOrientation says, in
// Rect as given (not normalised). With Is3D a grey bevel Depth units deep
// is drawn first (the right triangle only gets the inset). Returns the
// rectangle inside the bevel (Rect itself without one). An orientation
// outside the enumeration counts as soUp; a type outside it draws nothing.
VXFMX_API TRectF DrawShape(TCanvas& Canvas, const TRectF& Rect, TVXShapeType ShapeType,
                           TVXShapeOrientation ShapeOrientation, bool Is3D, float Depth);

// Style form: one of the 24 styles in Rect normalised. Square, circle and
// round-square styles use the centred square of the rectangle's smaller
// side; rounded styles use corner radii of a quarter of the smaller side.
// Raised styles draw a bevel Depth units deep in TopColor and BottomColor
// first. Bitmap is drawn by ssImage only (scaled into the rectangle with
// Stretch, else unscaled at its top-left corner). Returns the rectangle
// after normalising, square fitting and any frame inset.
//
// A raised style at Opacity below 1 is drawn opaque on an off-screen bitmap
// that covers the shape and is then blended onto Canvas once at Opacity, so
// overlapping bevel and body do not show through each other; flat styles
// draw straight onto Canvas at Opacity. The off-screen bitmap is composed in
// device pixels under the canvas's matrix and blended without a further
// transform.
//
// The canvas state is put back as it was, except where the rectangle,
// square and round styles' frame leaves the stroke thickness at 1 and (for
// the square-cornered frames) the stroke colour at BottomColor; those drawn
// on an off-screen bitmap leave the caller's canvas untouched. Restoring,
// blending and releasing also happen when the canvas raises.
VXFMX_API TRectF DrawShape(TCanvas& Canvas, const TRectF& Rect, const TBitmap* Bitmap, TVXShapeStyle ShapeStyle,
                           bool Stretch, TAlphaColor TopColor, TAlphaColor BottomColor, float Depth,
                           float Opacity);

// Target takes Source's fill, stroke brush, font, matrix and stroke
// thickness, cap, join and dash, in that order.
VXFMX_API void CopyCanvasState(TCanvas& Target, const TCanvas& Source);

}  // namespace FMX::VX::Graphics
