#pragma once
// Pie wedges and ring sectors of the ellipse inscribed in a rectangle,
// filled with the canvas's Fill and then outlined with its Stroke.
//
// Angles are degrees: 0 points to 3 o'clock and angles grow
// counter-clockwise on screen. AngleOffset is added to both angles, so it
// turns the slice counter-clockwise. A negative sweep (EndAngle below
// StartAngle) runs clockwise.
//
// Rectangles may be given in any corner order; the slice is drawn in the
// normalised rectangle. Nothing of the canvas state is changed, and the
// temporary path is released also when the canvas raises. Degenerate
// rectangles and empty sweeps are passed on to the canvas as they are (the
// canvas paints nothing for non-finite coordinates).

#include <cstdint>

#include "platform/Canvas.h"
#include "platform/Export.h"
#include "platform/Types.h"

namespace FMX::VX::Graphics {

using namespace ::FMX;

// Wedge from the centre along the arc from StartAngle + AngleOffset to
// EndAngle + AngleOffset and back to the centre. Sweeps beyond one turn are
// cut to one turn.
VXFMX_API void DrawPieSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle,
                            std::int32_t AngleOffset, float Opacity);

// The same wedge in the rectangle scaled by Scale about its centre: 0.5 is
// the centred rectangle of half the width and height, 0 the centre point.
VXFMX_API void DrawPieSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle, double Scale,
                            std::int32_t AngleOffset, float Opacity);

// Ring sector between InnerRadius and OuterRadius, fractions of the
// ellipse's radii (1 reaches the rectangle's edges; their order does not
// matter; an inner radius of 0 gives a wedge). A sweep of a full turn or
// more gives the whole ring.
VXFMX_API void DrawDonutSlice(TCanvas& Canvas, const TRectF& Rect, double StartAngle, double EndAngle,
                              std::int32_t AngleOffset, double InnerRadius, double OuterRadius, float Opacity);

}  // namespace FMX::VX::Graphics
