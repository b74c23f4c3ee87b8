#pragma once
// The walk that turns a path into its polygons, shared by the flattening and
// by hit tests that run on the path's own segments.

#include <cstddef>

#include "FMX.VX.Graphics/VXPathData.h"

namespace FMX::VX::Graphics::Detail {

// Longest chord of a flattened curve, in path units.
inline constexpr double kCurveStep = 1.0;

// The polygons of a path, built by one walk over the segments that reports
// to a sink: Point(P) adds a point to the open polygon, Curve(...) the
// chords of a cubic after its start, Flush() ends the open polygon.
// Curve(S, N) gets the number N of the complete curve S, counted from 0.
template <class TSink>
void WalkPolygons(const TPathData& Path, TSink& Sink) {
  std::size_t Curve = 0;
  for (const TPathSegment& S : Path.Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Sink.Flush();
        Sink.Point(S.Pt(0));
        break;
      case TPathPointKind::LineTo:
        // After a close the line starts where that subpath began; a line
        // opening the path starts at (0, 0), as the canvas draws it.
        if (!Sink.Open()) Sink.Point(S.Start);
        Sink.Point(S.Pt(0));
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) break;  // incomplete trailing curve: nothing to draw
        // A curve opening the path starts at (0, 0); after a close, where
        // that subpath began.
        if (!Sink.Open()) Sink.Point(S.Start);
        Sink.Curve(S, Curve++);
        break;
      case TPathPointKind::Close:
        // A close with nothing open (a second close, or one opening the path)
        // adds nothing.
        if (!Sink.Open()) break;
        Sink.Point(Sink.First());
        Sink.Flush();
        break;
    }
  }
  Sink.Flush();
}

}  // namespace FMX::VX::Graphics::Detail
