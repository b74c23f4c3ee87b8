#pragma once
// SVG endpoint arcs worked out into points, shared by TVXPathData::AddArcSvg
// and the path-text reader (not installed).

#include "platform/Types.h"

namespace FMX::VX::Graphics::Detail {

// What one endpoint arc appends to a path.
struct TSvgArcPoints {
  enum class TKind { Ellipse, Line, Curves };
  TKind Kind = TKind::Line;
  TRectF Ellipse;      // Ellipse: the bounds of the whole ellipse to add
  int Curves = 0;      // Curves: the number of cubic pieces, 1 to 4
  TPointF Points[12];  // Curves: first control, second control and end of each piece
};

// The arc from P1 to P2 as TVXPathData::AddArcSvg describes it. Reads no
// path and allocates nothing.
void SvgArcPoints(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                  TSvgArcPoints& Out);

}  // namespace FMX::VX::Graphics::Detail
