#include "FMX.VX.Graphics/BezierPolygon.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using namespace FMX::VX::Graphics;

namespace {

struct CurveCase {
  std::string Name;
  TCanvasPoints Points;
  bool BSpline;
  bool Closed;
  std::int32_t Step;
  TCanvasPoints Expected;
};

// GoogleTest names the case instead of dumping the struct's bytes
// (padding included, which reads uninitialised memory).
void PrintTo(const CurveCase& C, std::ostream* Out) { *Out << C.Name; }

// Values worked out from the basis weights. Catmull-Rom on a straight line
// from A to B puts the point at A + s(t) (B - A) with s(t) = (t + 3t^2 - 2t^3) / 2.
const std::vector<CurveCase> kCurves = {
    {"FewerThanTwoPointsGiveNothing", {}, false, false, 1, {}},
    {"OnePointGivesNothing", {{3, 4}}, true, true, 1, {}},
    {"LineHalfSteps", {{0, 0}, {10, 0}}, false, false, 5, {{0, 0}, {5, 0}, {10, 0}}},
    // t = 0, 0.3, 0.6, 0.9: s = 0, 0.258, 0.624, 0.936; closer together near the ends.
    {"LineUnevenSpacing", {{0, 0}, {10, 0}}, false, false, 3, {{0, 0}, {2.58f, 0}, {6.24f, 0}, {9.36f, 0}}},
    {"QuarterSteps", {{0, 0}, {32, 0}}, false, false, 8, {{0, 0}, {6.5f, 0}, {16, 0}, {25.5f, 0}, {32, 0}}},
    // Coincident points: the step is taken over a length of 1.
    {"CoincidentPoints", {{5, 5}, {5, 5}}, false, false, 1, {{5, 5}, {5, 5}}},
    {"CoincidentPointsLongStep", {{5, 5}, {5, 5}}, false, false, 2, {{5, 5}}},
    // B-spline at t = 0 weighs K0, K1, K2 by 1/6, 2/3, 1/6: padded segments
    // (P0, P0, P1, P2) and (P0, P1, P2, P2) start at (1, 0) and (5, 1).
    {"BSplineStartsOffTheControlPoints", {{0, 0}, {6, 0}, {6, 6}}, true, false, 100, {{1, 0}, {5, 1}}},
    // At t = 0.5 the weights are 1/48, 23/48, 23/48, 1/48, at t = 1 they are
    // 0, 1/6, 2/3, 1/6; the curve ends at (P1 + 5 P2) / 6.
    {"BSplineHalfway", {{0, 0}, {48, 0}, {48, 48}}, true, false, 24,
     {{8, 0}, {24, 1}, {40, 8}, {40, 8}, {47, 24}, {48, 40}}},
};

class BezierPolygonCurves : public testing::TestWithParam<CurveCase> {};

TEST_P(BezierPolygonCurves, SamplesAsWorkedOut) {
  const CurveCase& C = GetParam();
  const TCanvasPoints R = BezierPolygonPoints(C.Points, C.BSpline, C.Closed, C.Step);
  ASSERT_EQ(R.size(), C.Expected.size());
  for (std::size_t i = 0; i < R.size(); ++i) {
    EXPECT_NEAR(R[i].X, C.Expected[i].X, 1e-4) << "point " << i;
    EXPECT_NEAR(R[i].Y, C.Expected[i].Y, 1e-4) << "point " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Float, BezierPolygonCurves, testing::ValuesIn(kCurves),
                         [](const auto& Info) { return Info.param.Name; });

TEST(BezierPolygonPoints, IntegerFormRoundsHalfToEven) {
  // Same curve as QuarterSteps: 6.5 -> 6, 25.5 -> 26.
  const TPoints P = {{0, 0}, {32, 0}};
  EXPECT_EQ(BezierPolygonPoints(P, false, false, 8), (TPoints{{0, 0}, {6, 0}, {16, 0}, {26, 0}, {32, 0}}));
  // 2.58, 6.24, 9.36 round to the nearest.
  EXPECT_EQ(BezierPolygonPoints(TPoints{{0, 0}, {0, 10}}, false, false, 3),
            (TPoints{{0, 0}, {0, 3}, {0, 6}, {0, 9}}));
}

TEST(BezierPolygonPoints, IntegerFormMeasuresWithoutOverflow) {
  // A difference of 4e9 does not fit 32 bits; the step must still be about 2^30 pixels.
  const TPoints P = {{-2000000000, 7}, {2000000000, 7}};
  const TPoints R = BezierPolygonPoints(P, false, false, 1 << 30);
  ASSERT_EQ(R.size(), 4u);
  EXPECT_EQ(R.front(), P.front());
  for (std::size_t i = 1; i < R.size(); ++i) {
    EXPECT_GT(R[i].X, R[i - 1].X);
    EXPECT_EQ(R[i].Y, 7);
  }
}

TEST(BezierPolygonPoints, ClosedCatmullRomComesBackToItsStart) {
  const TCanvasPoints Square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const TCanvasPoints R = BezierPolygonPoints(Square, false, true, 3);
  // Four segments of t = 0, 0.3, 0.6, 0.9 each, the first wrapping round P[0].
  ASSERT_EQ(R.size(), 16u);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(R[4 * i], Square[i]) << "segment " << i;
  // The last segment runs from P[3] back towards P[0]: at t = 0.9 it is at (-0.45, 0.64).
  EXPECT_NEAR(R.back().X, -0.45, 1e-5);
  EXPECT_NEAR(R.back().Y, 0.64, 1e-5);
}

TEST(BezierPolygonPoints, ClosedBSplineIsARingOfEqualSegments) {
  // A symmetric ring: every segment is the previous one turned by 90 degrees
  // about the centre (5, 5), and the curve ends where it began.
  const TCanvasPoints Square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const TCanvasPoints R = BezierPolygonPoints(Square, true, true, 5);
  ASSERT_EQ(R.size(), 12u);  // t = 0, 0.5, 1 per segment
  for (std::size_t i = 0; i + 3 < R.size(); ++i) {
    // Turning (x, y) by 90 degrees about (5, 5) gives (10 - y, x).
    EXPECT_NEAR(R[i + 3].X, 10 - R[i].Y, 1e-5) << i;
    EXPECT_NEAR(R[i + 3].Y, R[i].X, 1e-5) << i;
  }
  EXPECT_NEAR(R.back().X, R.front().X, 1e-5);
  EXPECT_NEAR(R.back().Y, R.front().Y, 1e-5);
  // (P3 + 4 P0 + P1) / 6
  EXPECT_NEAR(R.front().X, 10.0 / 6, 1e-5);
  EXPECT_NEAR(R.front().Y, 10.0 / 6, 1e-5);
}

TEST(BezierPolygonPoints, ClosedWithTwoPointsRunsOutAndBack) {
  const TCanvasPoints R = BezierPolygonPoints(TCanvasPoints{{0, 0}, {4, 0}}, false, true, 2);
  EXPECT_EQ(R, (TCanvasPoints{{0, 0}, {2, 0}, {4, 0}, {4, 0}, {2, 0}, {0, 0}}));
}

TEST(BezierPolygonPoints, NonPositiveStepActsAsOne) {
  const TCanvasPoints P = {{0, 0}, {7, 3}, {2, 9}};
  const TCanvasPoints One = BezierPolygonPoints(P, false, false, 1);
  EXPECT_EQ(BezierPolygonPoints(P, false, false, 0), One);
  EXPECT_EQ(BezierPolygonPoints(P, false, false, -5), One);
}

TEST(BezierPolygonPoints, HugeAndNonFiniteCoordinatesStayBounded) {
  // The whole curve gets at most about 65536 + 1024 points per control
  // point, spread evenly: these used to take 1 M, 2 M and 210 M points.
  const float Max = std::numeric_limits<float>::max();
  for (const TCanvasPoints& P : {TCanvasPoints{{0, 0}, {1e30f, 0}}, TCanvasPoints{{-Max, -Max}, {Max, Max}}}) {
    const TCanvasPoints R = BezierPolygonPoints(P, false, false, 1);
    EXPECT_GE(R.size(), 65536u);
    EXPECT_LE(R.size(), 65536u + 2 * 1024 + 2);
    // Spread over the whole segment, not bunched at its start.
    EXPECT_NEAR((double(R[R.size() / 2].X) - P[0].X) / (double(P[1].X) - P[0].X), 0.5, 0.01);
  }
  TPoints Zigzag;
  for (int i = 0; i < 200; ++i)
    Zigzag.push_back(i % 2 ? TPoint{INT32_MAX, INT32_MAX} : TPoint{INT32_MIN, INT32_MIN});
  const std::size_t Budget = 65536 + 1024 * 200;
  EXPECT_LE(BezierPolygonPoints(Zigzag, true, false, 1).size(), Budget + 2 * 200 + 2);
  EXPECT_GE(BezierPolygonPoints(Zigzag, true, true, 1).size(), Budget / 2);
  const float NaN = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {NaN, 0}}, true, false, 1).size(), 2u);
  const float Inf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(BezierPolygonPoints(TCanvasPoints{{0, 0}, {Inf, 0}}, false, true, 1).size(), 4u);
}

}  // namespace

namespace {

TEST(DrawBezierPolygon, PolygonOrPolylineThroughTheHelper) {
  const TCanvasPoints P = {{0, 0}, {10, 0}, {10, 10}};
  TRecordingCanvas Canvas;
  DrawBezierPolygon(Canvas, P, false, false, false, 5, 0.5f);
  // A float polyline below full opacity is one polygon outline of the curve points.
  ASSERT_EQ(Canvas.Count(), 1u);
  EXPECT_EQ(Canvas[0].Op, TCanvasOp::DrawPolygon);
  EXPECT_EQ(Canvas[0].Points, BezierPolygonPoints(P, false, false, 5));
  EXPECT_EQ(Canvas[0].Opacity, 0.5f);

  Canvas.ClearRecords();
  DrawBezierPolygon(Canvas, TPoints{{0, 0}, {10, 0}, {10, 10}}, true, true, true, 5, 1);
  EXPECT_EQ(Canvas.Ops(), (std::vector<TCanvasOp>{TCanvasOp::DrawPath, TCanvasOp::FillPath}));
  // The outline returns to its first point.
  const std::vector<TPointF>& Drawn = Canvas[0].Points;
  ASSERT_GE(Drawn.size(), 3u);
  EXPECT_EQ(Drawn.front(), Drawn.back());

  Canvas.ClearRecords();
  DrawBezierPolygon(Canvas, P, false, false, true, 1, 0);
  DrawBezierPolygon(Canvas, P, false, false, false, 1, -1);
  EXPECT_EQ(Canvas.Count(), 0u);
}

}  // namespace
