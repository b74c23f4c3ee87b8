#pragma once
// SVG endpoint arcs worked out into points, shared by TVXPathData::AddArcSvg
// and the path-text reader (not installed).

#include "platform/Types.h"

namespace FMX::VX::Graphics::Detail {

// The last piece of an arc, left to be finished on its own: its two
// controls come at the end of the arc's longest chain of divisions and
// square roots, and nothing else waits for them.
// Left uninitialised until an arc of kind Curves fills it.
struct TSvgArcTail {
  double CX, CY, RX, RY, CosPhi, SinPhi;  // the ellipse
  double CA, SA, VX, VY;                  // the piece's start and end, before the stretch by the radii
  double Cos, Sin;                        // the piece's angle
};

// What one endpoint arc appends to a path.
struct TSvgArcPoints {
  enum class TKind { Ellipse, Line, Curves };
  TKind Kind = TKind::Line;
  TRectF Ellipse;      // Ellipse: the bounds of the whole ellipse to add
  int Curves = 0;      // Curves: the number of cubic pieces, 1 to 4
  TPointF Points[12];  // Curves: first control, second control and end of each piece
};

// The arc from P1 to P2 as TVXPathData::AddArcSvg describes it, all but the
// last piece's two controls, which Tail (written only for kind Curves) then
// gives (see SvgArcTailPoints). Reads no path and allocates nothing.
void SvgArcPoints(TPointF P1, TPointF Radius, float Angle, bool LargeFlag, bool SweepFlag, TPointF P2,
                  TSvgArcPoints& Out, TSvgArcTail& Tail);

// The two controls of an arc's last piece.
void SvgArcTailPoints(const TSvgArcTail& Tail, TPointF& Control1, TPointF& Control2);

}  // namespace FMX::VX::Graphics::Detail
