#include "FMX.VX.Graphics/BezierPolygon.h"

#include <cmath>
#include <algorithm>
#include <cstddef>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Math.h"

namespace FMX::VX::Graphics {

namespace {

// Upper bound of steps per segment: 2^20, a power of two so that the widened
// step adds up to exactly 1.
constexpr double kMinParamStep = 1.0 / 1048576.0;

struct TWeights {
  double W0, W1, W2, W3;
};

TWeights BSplineWeights(double t) {
  const double u = 1 - t;
  return {u * u * u / 6,                          //
          t * t * (t / 2 - 1) + 2.0 / 3.0,        //
          t * (t * (1 - t) + 1) / 2 + 1.0 / 6.0,  //
          t * t * t / 6};
}

TWeights CatmullRomWeights(double t) {
  const double u = 1 - t;
  return {-(u * u) * t / 2,            //
          t * t * (3 * t - 5) / 2 + 1,  //
          t * (t * (4 - 3 * t) + 1) / 2,  //
          -u * t * t / 2};
}

template <class P>
P MakePoint(double X, double Y);

template <>
TPointF MakePoint<TPointF>(double X, double Y) {
  return {float(X), float(Y)};
}

template <>
TPoint MakePoint<TPoint>(double X, double Y) {
  return {Round32(X), Round32(Y)};
}

// Points the whole curve may take: kBudgetBase + kBudgetPerPoint per
// control point.
constexpr double kBudgetBase = 65536;
constexpr double kBudgetPerPoint = 1024;

// Distance from K1 to K2 as the sampling sees it (1 when zero or not finite).
template <class P>
double SegmentLength(const P& K1, const P& K2) {
  const double dx = double(K2.X) - double(K1.X);
  const double dy = double(K2.Y) - double(K1.Y);
  const double d = std::sqrt(dx * dx + dy * dy);
  return d == 0 || !std::isfinite(d) ? 1 : d;
}

// Step that keeps the curve within its budget, and the expected point count.
template <class P>
double BudgetedStep(std::span<const P> Pts, bool Closed, double StepSize, std::size_t& Count) {
  const std::size_t n = Pts.size();
  double Length = 0;
  for (std::size_t i = 1; i < n; ++i) Length += SegmentLength(Pts[i - 1], Pts[i]);
  if (Closed) Length += SegmentLength(Pts[n - 1], Pts[0]);
  const double Budget = kBudgetBase + kBudgetPerPoint * double(n);
  if (Length / StepSize > Budget) StepSize = Length / Budget;
  Count = std::size_t(std::min(Length / StepSize, Budget)) + 2 * n + 4;
  return StepSize;
}

// Parameter step of the segment from K1 to K2.
template <class P>
double ParamStep(const P& K1, const P& K2, double StepSize) {
  double dt = StepSize / SegmentLength(K1, K2);
  if (!(dt >= kMinParamStep)) dt = kMinParamStep;
  return dt;
}

template <class P>
void SampleSegment(const P& K0, const P& K1, const P& K2, const P& K3, bool BSpline, double StepSize,
                   std::vector<P>& Out) {
  const double dt = ParamStep(K1, K2, StepSize);
  double t = 0;
  do {
    const TWeights w = BSpline ? BSplineWeights(t) : CatmullRomWeights(t);
    const double x = w.W0 * double(K0.X) + w.W1 * double(K1.X) + w.W2 * double(K2.X) + w.W3 * double(K3.X);
    const double y = w.W0 * double(K0.Y) + w.W1 * double(K1.Y) + w.W2 * double(K2.Y) + w.W3 * double(K3.Y);
    Out.push_back(MakePoint<P>(x, y));
    t += dt;
  } while (t <= 1);
}

template <class P>
std::vector<P> BuildCurve(std::span<const P> Pts, bool BSpline, bool Closed, std::int32_t StepSize) {
  std::vector<P> Result;
  const std::size_t n = Pts.size();
  if (n < 2) return Result;
  std::size_t Count = 0;
  const double Step = BudgetedStep(Pts, Closed, StepSize > 0 ? double(StepSize) : 1.0, Count);
  Result.reserve(Count);
  if (Closed) {
    // Ring: segment i runs from P[i] to P[i + 1], the last one back to P[0].
    for (std::size_t i = 0; i < n; ++i)
      SampleSegment(Pts[(i + n - 1) % n], Pts[i], Pts[(i + 1) % n], Pts[(i + 2) % n], BSpline, Step, Result);
  } else {
    // Padded list P[0], P[0], P[1], ..., P[n - 1], P[n - 1] without copying it:
    // padded index k maps to P[clamp(k - 1)].
    auto At = [&](std::size_t k) -> const P& { return Pts[k == 0 ? 0 : (k - 1 < n ? k - 1 : n - 1)]; };
    for (std::size_t i = 1; i < n; ++i) SampleSegment(At(i - 1), At(i), At(i + 1), At(i + 2), BSpline, Step, Result);
  }
  return Result;
}

}  // namespace

TPoints BezierPolygonPoints(std::span<const TPoint> Points, bool BSpline, bool Closed, std::int32_t StepSize) {
  return BuildCurve(Points, BSpline, Closed, StepSize);
}

TCanvasPoints BezierPolygonPoints(std::span<const TPointF> Points, bool BSpline, bool Closed,
                                  std::int32_t StepSize) {
  return BuildCurve(Points, BSpline, Closed, StepSize);
}

namespace {

template <class P>
void DrawCurve(TCanvas& Canvas, std::span<const P> Points, bool BSpline, bool Closed, bool Filled,
               std::int32_t StepSize, float Opacity) {
  if (!(Opacity > 0)) return;
  const std::vector<P> Curve = BuildCurve(Points, BSpline, Closed, StepSize);
  if (Filled)
    CanvasHelper::Polygon(Canvas, std::span<const P>(Curve), Opacity);
  else
    CanvasHelper::Polyline(Canvas, std::span<const P>(Curve), Opacity);
}

}  // namespace

void DrawBezierPolygon(TCanvas& Canvas, std::span<const TPoint> Points, bool BSpline, bool Closed, bool Filled,
                       std::int32_t StepSize, float Opacity) {
  DrawCurve(Canvas, Points, BSpline, Closed, Filled, StepSize, Opacity);
}

void DrawBezierPolygon(TCanvas& Canvas, std::span<const TPointF> Points, bool BSpline, bool Closed, bool Filled,
                       std::int32_t StepSize, float Opacity) {
  DrawCurve(Canvas, Points, BSpline, Closed, Filled, StepSize, Opacity);
}

}  // namespace FMX::VX::Graphics
