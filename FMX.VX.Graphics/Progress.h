#pragma once
// Segmented progress indicators: small shapes around an ellipse
// (ProgressCircle), pie slices (ProgressPie) or shapes in a bar
// (ProgressRect).
//
// Of Segments segments, K are lit: all of them when Min = Max or
// Position = Max, otherwise Position / ((Max - Min) / Segments) truncated
// toward zero; Position is not offset by Min. K is at most Segments (a
// position past Max lights them all) and at least 0. The first segment is
// drawn in Colors[0], later ones in IndexToColor of the previous segment's
// index (Colors.h); with ColorOutline the outline takes each segment's fill
// colour too. dtAllProgress draws every lit segment, dtCurrentProgress only
// the last.
//
// Segments are drawn with the canvas's current Fill and Stroke; only their
// colours change while drawing and both are put back afterwards, also when
// the canvas raises. An empty colour list or a segment count of 0 or less
// draws nothing and changes nothing.
//
// Rect may be given in any corner order. Margin and Gap are canvas units for
// the circle and the bar; the pie ignores Margin and takes Gap in degrees.

#include <cstdint>
#include <span>

#include "FMX.VX.Graphics/Shapes.h"
#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

enum TProgressDirection : std::uint8_t { pdForward, pdBackward };
enum TProgressDisplayType : std::uint8_t { dtAllProgress, dtCurrentProgress };
enum TProgressOrientation : std::uint8_t { poHorizontal, poVertical };

// Shapes of one N-th of the circumference of the ellipse inside the margin
// (less the gap), the first at 360/N degrees and the last of a full
// indicator at 3 o'clock. Forward runs turn counter-clockwise on screen,
// backward runs clockwise. Each is drawn with DrawShape (type form).
VXFMX_API void ProgressCircle(TCanvas& Canvas, const TRectF& Rect, std::int32_t Margin, std::int32_t Position,
                              std::int32_t Min, std::int32_t Max, std::span<const TAlphaColor> Colors,
                              bool ColorOutline, std::int32_t Segments, TVXShapeType ShapeType,
                              TVXShapeOrientation ShapeOrientation, bool Is3D, std::int32_t Depth, std::int32_t Gap,
                              TProgressDirection ProgressDirection, TProgressDisplayType DisplayType);

// Slices of 360/N degrees less Gap, each from A + Gap/2 to A + 360/N - Gap/2
// with A = i * 360 / N counter-clockwise from 3 o'clock; backward runs
// mirror the order.
VXFMX_API void ProgressPie(TCanvas& Canvas, const TRectF& Rect, std::int32_t Margin, std::int32_t Position,
                           std::int32_t Min, std::int32_t Max, std::span<const TAlphaColor> Colors, bool ColorOutline,
                           std::int32_t Segments, std::int32_t Gap, TProgressDirection ProgressDirection,
                           TProgressDisplayType DisplayType);

// Shapes side by side in a bar inside the margin, Gap apart, from the left
// (top) edge forward or from the right (bottom) edge backward.
VXFMX_API void ProgressRect(TCanvas& Canvas, const TRectF& Rect, std::int32_t Margin, std::int32_t Position,
                            std::int32_t Min, std::int32_t Max, std::span<const TAlphaColor> Colors, bool ColorOutline,
                            std::int32_t Segments, TVXShapeType ShapeType, TVXShapeOrientation ShapeOrientation,
                            bool Is3D, std::int32_t Depth, std::int32_t Gap, TProgressOrientation ProgressOrientation,
                            TProgressDirection ProgressDirection, TProgressDisplayType DisplayType);

}  // namespace FMX::VX::Graphics
