// Flattening a path into polygons, measuring it, and writing it as text with
// line breaks.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>
#include <string>
#include <utility>

#include "FMX.VX.Graphics/CubicFlatten_p.h"
#include "FMX.VX.Graphics/GeometryMath_p.h"
#include "FMX.VX.Graphics/GraphicsUnit.h"
#include "FMX.VX.Graphics/PathWalk_p.h"
#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/Math.h"
#include "platform/NumberText.h"

namespace FMX::VX::Graphics {

namespace {

// First pass: the size of every polygon.
struct TCountSink {
  std::vector<std::size_t>& Sizes;
  const std::int32_t* Steps;
  std::size_t Count = 0;
  bool Open() const { return Count > 0; }
  TPointF First() const { return {}; }
  void Point(TPointF) { ++Count; }
  void Curve(const TPathSegment&, std::size_t N) { Count += std::size_t(Steps[N]); }
  void Flush() {
    if (Count > 0) Sizes.push_back(Count);
    Count = 0;
  }
};

// Second pass: the points, written into polygons reserved at their final size.
struct TWriteSink {
  TVXPolygons& Out;
  const std::int32_t* Steps;
  std::size_t Index = 0;
  TCanvasPoints* Current = nullptr;
  bool Open() const { return Current && !Current->empty(); }
  TPointF First() const { return Current->front(); }
  void Point(TPointF P) {
    if (!Current) Current = &Out[Index];
    Current->push_back(P);
  }
  void Curve(const TPathSegment& S, std::size_t N) {
    const std::size_t Old = Current->size();
    Current->resize(Old + std::size_t(Steps[N]));
    Detail::FlattenCubic(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), Steps[N], Current->data() + Old);
  }
  void Flush() {
    if (Open()) ++Index;
    Current = nullptr;
  }
};

}  // namespace

namespace Detail {

void FlattenPath(const TPathData& Path, TVXPolygons& Out) {
  // Chord counts of every curve, thinned when the path as a whole would
  // exceed its budget.
  thread_local std::vector<std::int32_t> Steps;
  thread_local std::vector<std::size_t> Sizes;
  Steps.clear();
  Sizes.clear();
  double Total = 0;
  for (const TPathSegment& S : Path.Segments())
    if (S.IsCompleteCurve()) {
      Steps.push_back(CubicFlattenSteps(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), Detail::kCurveStep));
      Total += Steps.back();
    }
  const double Budget = double(kCurveBudgetBase) + double(kCurveBudgetPerCurve) * double(Steps.size());
  if (Total > Budget)
    for (std::int32_t& N : Steps) N = ThinnedSteps(N, Budget / Total);
  TCountSink Count{Sizes, Steps.data()};
  WalkPolygons(Path, Count);
  Out.clear();
  Out.resize(Sizes.size());
  for (std::size_t i = 0; i < Sizes.size(); ++i) Out[i].reserve(Sizes[i]);
  TWriteSink Write{Out, Steps.data()};
  WalkPolygons(Path, Write);
  if (Steps.capacity() > (std::size_t(1) << 16)) std::vector<std::int32_t>().swap(Steps);
  if (Sizes.capacity() > (std::size_t(1) << 16)) std::vector<std::size_t>().swap(Sizes);
}

}  // namespace Detail

void TVXPathData::UpdateMeasureCaches(bool WithDistances) const {
  if (!FPolygonsValid) {
    FHitIndex.reset();
    Detail::FlattenPath(*this, FPolygons);
    FPolygonsValid = true;
    FDistancesValid = false;
    FBatchStale = false;
  }
  if (WithDistances && !FDistancesValid) {
    FLength = CalculateDistances();
    FDistancesValid = true;
  }
}

double TVXPathData::CalculateDistances() const {
  FDistances.assign(FPolygons.size(), TSingleDynArray());
  double D = 0;
  for (std::size_t i = 0; i < FPolygons.size(); ++i) {
    const TCanvasPoints& Poly = FPolygons[i];
    TSingleDynArray& Dist = FDistances[i];
    Dist.resize(Poly.size());
    if (Poly.empty()) continue;
    // Chord lengths first (independent square roots, which pipeline), then
    // the running sum over them.
    for (std::size_t j = 1; j < Poly.size(); ++j) {
      const double dx = double(Poly[j].X) - double(Poly[j - 1].X);
      const double dy = double(Poly[j].Y) - double(Poly[j - 1].Y);
      Dist[j] = Detail::KeepFloat(std::sqrt(dx * dx + dy * dy));
    }
    Dist[0] = float(D);
    for (std::size_t j = 1; j < Poly.size(); ++j) {
      D += double(Dist[j]);
      Dist[j] = float(D);
    }
  }
  return D;
}

const TVXPolygons& TVXPathData::ToPolygons() const {
  UpdateMeasureCaches(false);
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

namespace FMX::VX::Graphics {

namespace {

// Where a distance along the path falls: polygon I, and J, the first point
// whose distance is not below it (0: the polygon's first point).
struct TPathPlace {
  std::size_t I = 0, J = 0;
};

TPathPlace FindPlace(const TVXPathData::TDistances& Dist, double Distance) {
  // Distances never decrease along the path, from polygon to polygon too.
  const float Last = Dist.back().back();
  const float D = std::isnan(Distance) ? 0.0f : float(std::clamp(Distance, 0.0, double(Last)));
  auto Poly = std::lower_bound(Dist.begin(), Dist.end(), D,
                               [](const TSingleDynArray& A, float V) { return A.back() < V; });
  if (Poly == Dist.end()) --Poly;  // rounding of the clamp
  TPathPlace Place;
  Place.I = std::size_t(Poly - Dist.begin());
  Place.J = std::size_t(std::lower_bound(Poly->begin(), Poly->end(), D) - Poly->begin());
  if (Place.J == Poly->size()) --Place.J;
  return Place;
}


// Fraction of the way from point J - 1 to point J of polygon I.
double ChordFraction(const TSingleDynArray& Dist, std::size_t J, double Distance) {
  const double D = std::isnan(Distance) ? 0.0 : Distance;
  const double From = Dist[J - 1], To = Dist[J];
  return To > From ? std::clamp((D - From) / (To - From), 0.0, 1.0) : 1.0;
}

// Direction of the chord arriving at point K (degrees); false when it has
// no length.
bool ChordAngle(const TCanvasPoints& Poly, std::size_t K, double& Angle) {
  const double DX = double(Poly[K].X) - Poly[K - 1].X, DY = double(Poly[K].Y) - Poly[K - 1].Y;
  if (DX == 0 && DY == 0) return false;
  Angle = RadToDeg(std::atan2(DY, DX));
  return true;
}

// Chords turning by at most this much (degrees) are taken as samples of a
// smooth curve, whose direction is blended between neighbouring chords;
// sharper turns are corners.
constexpr double kSmoothTurn = 15;

}  // namespace

TPointF TVXPathData::GetPointAtLength(double Distance) const {
  UpdateMeasureCaches();
  if (FPolygons.empty()) return {};
  const TPathPlace At = FindPlace(FDistances, Distance);
  const TCanvasPoints& Poly = FPolygons[At.I];
  if (At.J == 0) return Poly[0];
  const double T = ChordFraction(FDistances[At.I], At.J, Distance);
  const TPointF &A = Poly[At.J - 1], &B = Poly[At.J];
  // The chord's ends themselves, so that a chord of infinite length gives
  // its finite end rather than inf * 0.
  if (T <= 0) return A;
  if (T >= 1) return B;
  return {float(double(A.X) + (double(B.X) - A.X) * T), float(double(A.Y) + (double(B.Y) - A.Y) * T)};
}

double TVXPathData::GetAngleAtLength(double Distance) const {
  UpdateMeasureCaches();
  if (FPolygons.empty()) return 0;
  const TPathPlace At = FindPlace(FDistances, Distance);
  const TCanvasPoints& Poly = FPolygons[At.I];
  const std::size_t N = Poly.size();
  // The chord the distance falls on, and how far along it. At the start of
  // a polygon, or on a chord of no length: the nearest chord of non-zero
  // length after it (from its start), else before it (at its end).
  std::size_t K = 0;
  double T = 0, Angle = 0;
  if (At.J > 0 && ChordAngle(Poly, At.J, Angle)) {
    K = At.J;
    T = ChordFraction(FDistances[At.I], At.J, Distance);
  } else {
    for (std::size_t C = std::max<std::size_t>(At.J, 1); C < N && !K; ++C)
      if (ChordAngle(Poly, C, Angle)) K = C;
    for (std::size_t C = std::min(At.J, N - 1); C >= 1 && !K; --C)
      if (ChordAngle(Poly, C, Angle)) K = C, T = 1;
    if (!K) return 0;
  }
  // A chord of a flattened curve runs in the tangent's direction at its
  // middle: turn towards the neighbouring chord on the side of the point (or
  // away from the other neighbour at an open end). A closed ring wraps.
  const bool Ring = N > 2 && Poly.front() == Poly.back();
  auto Neighbour = [&](bool Before, double& A) {
    std::size_t C = Before ? K - 1 : K + 1;
    if (Ring && C == 0) C = N - 1;
    if (Ring && C == N) C = 1;
    return C >= 1 && C < N && ChordAngle(Poly, C, A);
  };
  auto Turn = [&](double A) {
    const double D = std::remainder(A - Angle, 360.0);
    return std::fabs(D) <= kSmoothTurn ? D : 0.0;
  };
  double A;
  const bool Before = T < 0.5;
  if (Neighbour(Before, A))
    Angle += Turn(A) * std::fabs(T - 0.5);
  else if (Neighbour(!Before, A))
    Angle -= Turn(A) * std::fabs(T - 0.5);
  const double R = std::remainder(Angle, 360.0);
  return R == -180 ? 180 : R;
}

}  // namespace FMX::VX::Graphics
