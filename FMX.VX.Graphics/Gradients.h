#pragma once
// Gradients through any number of colours, filling a rectangle or the
// ellipse inscribed in it.
//
// Two ways of painting:
// - the platform gradient: the colours become evenly spaced stops of the
//   canvas fill's gradient and one fill paints a smooth linear or radial
//   gradient (DrawGradient);
// - bands: strips (LineGradient), concentric ellipses (EllipseGradient) or
//   concentric rectangle outlines (RectGradient), each in one solid colour
//   that walks through the list. StepSize is the distance between bands in
//   canvas units; a StepSize of 1 or less uses the platform gradient.
//
// The colour walk: the first band has the first colour; each band moves
// every channel (alpha included) by StepSize / S of the way from the
// current list colour to the next one, S being the list's segment length
// (the extent divided by N - 1, at least 1); on passing a segment boundary
// the walk moves on to the next pair without resetting. Channels are
// rounded half to even and clamped to 0..255. Once the last colour is both
// current and next the colour stops changing. The first colour is
// outermost in the ring gradients.
//
// Colour lists are read only; an empty list paints no band. Banded painting
// issues exactly one fill or stroke per band and allocates nothing per band.
// Huge extents: where StepSize would need more than 32768 bands, the bands
// widen so that 32768 (one more for an overrunning strip) cover the same
// extent, the colour walk taking the wider step; anything up to 32768
// steps deep keeps its bands StepSize apart. Widened bands that cannot show
// are then left out: those wholly outside the canvas under its matrix, and
// ellipses under an opaque one that covers all of the canvas.

#include <array>
#include <cstdint>
#include <span>

#include "platform/Brush.h"
#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

// diHorizontal: colours change from left to right; diVertical: from top to
// bottom.
enum TGradientOrientation : std::int32_t { diHorizontal, diVertical };

// The way the colour list runs (first colour at the tail); y grows
// downwards.
enum TGradientDirection : std::int32_t { gdDownRight, gdDown, gdDownLeft, gdRight, gdLeft, gdUpRight, gdUp, gdUpLeft };

using TGradientDirDeltas = std::array<std::int32_t, 8>;

// Each direction's unit step, indexed by TGradientDirection.
inline constexpr TGradientDirDeltas GradDirXDeltas{1, 0, -1, 1, -1, 1, 0, -1};
inline constexpr TGradientDirDeltas GradDirYDeltas{1, 1, 1, 0, 0, -1, -1, -1};

// Replaces Gradient's stops with Colors, evenly spaced from offset 0 to 1.
// A single colour gives two stops of that colour (0 and 1), a solid fill;
// an empty list leaves no stops. Returns Gradient.
VXFMX_API TGradient& SetGradientColors(TGradient& Gradient, std::span<const TAlphaColor> Colors);

// The platform gradient over Rect (Rectangular) or the ellipse inscribed in
// it. StartPoint and StopPoint are relative positions in the painted box
// (0..1): linear gradients run from StartPoint to StopPoint; radial ones are
// centred at StartPoint (StopPoint unused). The canvas state is put back.
VXFMX_API void DrawGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                            TGradientStyle Style, TPointF StartPoint, TPointF StopPoint, bool Rectangular,
                            float Opacity);

// Diagonal directions use the platform gradient whatever StepSize is; the
// axis directions use LineGradient, with the list reversed for left and up.
// A direction outside the enumeration paints nothing.
VXFMX_API void DirectionGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                                 TGradientDirection Direction, std::int32_t StepSize, float Opacity);

// Strips StepSize wide across the normalised Rect, each filled at Opacity;
// the last strip may reach up to StepSize beyond the far edge. A rectangle
// of zero width or height paints nothing. Only the fill colour is used and
// it is put back afterwards; the fill kind is left as the caller set it.
VXFMX_API void LineGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                            std::int32_t StepSize, TGradientOrientation Orientation, float Opacity);

// Concentric ellipses around the point at fractions CenterX, CenterY of the
// width and height (their absolute values), each StepSize narrower and
// lower than the one before, until one axis reaches the centre. Painted
// opaque and blended once at Opacity. Nothing is painted when Rect.Right or
// Rect.Bottom is exactly 0, nor when both axes are inverted (right < left,
// bottom < top), where the rings would grow without end. The canvas state
// is put back.
VXFMX_API void EllipseGradient(TCanvas& Canvas, const TRectF& Rect, float CenterX, float CenterY,
                               std::span<const TAlphaColor> Colors, float StepSize, float Opacity);

// Concentric ellipses around the centre, each inset StepSize on every side.
// Otherwise as the centred form.
VXFMX_API void EllipseGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                               std::int32_t StepSize, float Opacity);

// Concentric rectangle outlines StepSize thick, inset StepSize each, each
// stroked at Opacity (they do not overlap). Nothing is painted when
// Rect.Right or Rect.Bottom is exactly 0; a StepSize of 1 or less gives a
// radial platform gradient over the rectangle. The canvas state is put back.
VXFMX_API void RectGradient(TCanvas& Canvas, const TRectF& Rect, std::span<const TAlphaColor> Colors,
                            std::int32_t StepSize, float Opacity);

}  // namespace FMX::VX::Graphics
