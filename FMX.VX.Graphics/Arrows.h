#pragma once
// Arrows: a shaft from tail to tip, optional triangular heads at either end
// and an optional multi-line caption at the middle, drawn with the canvas's
// current Stroke and Fill. Polyline arrows draw one segment at a time, with
// the start head on the first segment, the end head on the last and the
// caption on one chosen segment.
//
// Geometry: a head's tip is on the end point, its base HeadSize back along
// the arrow and 2 x HeadSize wide (a right angle at the tip). A LineWidth of
// exactly 1 draws the shaft as a plain line at Opacity; any other width
// draws it as a band of that width, outlined (or filled with aoFillHead),
// that stops at the base of each head. The band, the heads and the caption
// are always drawn at opacity 1.
//
// Caption: cut into lines at each CR LF pair, each line drawn horizontally
// with its top-left corner at the segment's midpoint, one height of "A"
// below the line before, in TextColor. Drawing order: caption, shaft, start
// head, end head.
//
// Guarantees:
// - The only canvas state touched is the fill colour while the caption is
//   drawn; it is put back also when the canvas raises.
// - A segment whose length is zero, or not a finite number, draws nothing
//   (not even the caption); no non-finite coordinate ever reaches the
//   canvas. A HeadSize that is not a positive finite number draws no heads
//   (the shaft then spans the whole segment).

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Set.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

enum TArrowOption : std::uint8_t {
  aoArrowAtStart,  // head at the first point
  aoArrowAtEnd,    // head at the last point
  aoFillHead,      // heads, and a band shaft, are filled rather than outlined
  aoClosedHead,    // an outlined head is closed across its base
  aoDrawCaption,   // draw the caption
};
// Bit n for option n.
using TArrowOptions = TSet<TArrowOption, std::uint8_t>;

// Arrow from (X1, Y1) to (X2, Y2).
VXFMX_API void DrawArrow(TCanvas& Canvas, float X1, float Y1, float X2, float Y2, float HeadSize,
                         std::string_view Caption, TArrowOptions Options, float LineWidth, float Opacity,
                         TAlphaColor TextColor);

// Arrow along a polyline; fewer than two points draw nothing. The caption
// goes on segment CaptionSegment (0 = first), compared as a number, so a
// fractional value matches no segment; -1, or a value past the last
// segment, picks the middle segment, (count - 1) div 2.
VXFMX_API void DrawArrow(TCanvas& Canvas, std::span<const TPointF> Points, float HeadSize, std::string_view Caption,
                         TArrowOptions Options, float LineWidth, float CaptionSegment, float Opacity,
                         TAlphaColor TextColor);
VXFMX_API void DrawArrow(TCanvas& Canvas, std::span<const TPoint> Points, float HeadSize, std::string_view Caption,
                         TArrowOptions Options, float LineWidth, float CaptionSegment, float Opacity,
                         TAlphaColor TextColor);

}  // namespace FMX::VX::Graphics
