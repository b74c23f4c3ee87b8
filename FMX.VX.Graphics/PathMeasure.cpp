// Flattening a path into polygons, measuring it, and writing it as text with
// line breaks.

#include <cmath>
#include <string>
#include <utility>

#include "FMX.VX.Graphics/CubicFlatten_p.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics {

namespace {

// Spacing of flattened curve points, in path units.
constexpr double kCurveStep = 1.0;
// Larger scratch buffers are released after use (points).
constexpr std::size_t kKeptScratch = 1 << 16;

}  // namespace

void TVXPathData::UpdateMeasureCaches() const {
  if (FPolygonsValid) return;
  FPolygons.clear();
  FHitIndex.reset();
  // Each polygon grows in a scratch buffer kept between calls and is then
  // copied out at its exact size: one allocation per polygon.
  thread_local TCanvasPoints Current;
  Current.clear();
  auto Flush = [&] {
    if (!Current.empty()) FPolygons.emplace_back(Current.begin(), Current.end());
    Current.clear();
  };
  for (const TPathSegment& S : Segments()) {
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Flush();
        Current.push_back(S.Pt(0));
        break;
      case TPathPointKind::LineTo:
        // After a close the line starts where that subpath began.
        if (Current.empty() && S.Index > 0) Current.push_back(S.Start);
        Current.push_back(S.Pt(0));
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) break;  // incomplete trailing curve: nothing to draw
        // A curve opening the path starts at (0, 0); after a close, where
        // that subpath began.
        if (Current.empty()) Current.push_back(S.Start);
        Detail::AppendCubic(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), kCurveStep, Current);
        break;
      case TPathPointKind::Close:
        // A close with nothing open (a second close, or one opening the path)
        // adds nothing.
        if (Current.empty()) break;
        {
          const TPointF First = Current.front();
          Current.push_back(First);
        }
        Flush();
        break;
    }
  }
  Flush();
  if (Current.capacity() > kKeptScratch) TCanvasPoints().swap(Current);
  FLength = CalculateDistances();
  FPolygonsValid = true;
}

double TVXPathData::CalculateDistances() const {
  FDistances.assign(FPolygons.size(), TSingleDynArray());
  double D = 0;
  for (std::size_t i = 0; i < FPolygons.size(); ++i) {
    const TCanvasPoints& Poly = FPolygons[i];
    TSingleDynArray& Dist = FDistances[i];
    Dist.resize(Poly.size());
    if (Poly.empty()) continue;
    Dist[0] = float(D);
    for (std::size_t j = 1; j < Poly.size(); ++j) {
      const double dx = double(Poly[j].X) - double(Poly[j - 1].X);
      const double dy = double(Poly[j].Y) - double(Poly[j - 1].Y);
      D += double(float(std::sqrt(dx * dx + dy * dy)));
      Dist[j] = float(D);
    }
  }
  return D;
}

const TVXPolygons& TVXPathData::ToPolygons() const {
  UpdateMeasureCaches();
  return FPolygons;
}

double TVXPathData::GetLength() const {
  UpdateMeasureCaches();
  return FLength;
}

const TVXPathData::TDistances& TVXPathData::Distances() const {
  UpdateMeasureCaches();
  return FDistances;
}

std::string TVXPathData::SplitDataByLength(std::int32_t Len, std::string_view Delimiter) const {
  std::string Text;
  Text.reserve(std::size_t(GetCount()) * 20);
  auto Point = [&](const TPointF& P) {
    Text += FloatToStr(double(P.X), USFormatSettings);
    Text += ',';
    Text += FloatToStr(double(P.Y), USFormatSettings);
    Text += ' ';
  };
  std::int64_t Line = 0;
  for (const TPathSegment& S : Segments()) {
    const std::size_t Before = Text.size();
    switch (S.Kind) {
      case TPathPointKind::MoveTo:
        Text += 'M';
        Point(S.Pt(0));
        break;
      case TPathPointKind::LineTo:
        Text += 'L';
        Point(S.Pt(0));
        break;
      case TPathPointKind::CurveTo:
        if (!S.IsCompleteCurve()) continue;
        Text += 'C';
        Point(S.Pt(0));
        Point(S.Pt(1));
        Point(S.Pt(2));
        break;
      case TPathPointKind::Close:
        Text += "Z ";
        break;
    }
    Line += std::int64_t(Text.size() - Before);
    if (Line > Len) {
      Text += Delimiter;
      Line = 0;
    }
  }
  return Text;
}

}  // namespace FMX::VX::Graphics
