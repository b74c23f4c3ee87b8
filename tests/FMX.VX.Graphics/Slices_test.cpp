// Pie wedges and ring sectors: the paths handed to the canvas and the
// pixels they cover.

#include "FMX.VX.Graphics/Slices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "CountdownCanvas.h"
#include "PaperProbe.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX::VX::Graphics;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000;

// Path points of a recorded call as (kind, x, y).
std::vector<TPathPoint> PathOf(const TCanvasRecord& R) { return R.Path; }

void ExpectNear(const TPointF& P, float X, float Y, const char* What) {
  EXPECT_NEAR(P.X, X, 1e-3) << What;
  EXPECT_NEAR(P.Y, Y, 1e-3) << What;
}

TEST(PieSliceCalls, CentreArcCentreFilledThenOutlined) {
  TRecordingCanvas C;
  DrawPieSlice(C, TRectF{0, 0, 100, 50}, 0, 90, 0, 0.5f);
  ASSERT_EQ(C.Ops(), (std::vector<TCanvasOp>{TCanvasOp::FillPath, TCanvasOp::DrawPath}));
  for (const TCanvasRecord& R : C.Records()) {
    EXPECT_EQ(R.Opacity, 0.5f);
    const std::vector<TPathPoint> P = PathOf(R);
    ASSERT_EQ(P.size(), 6u);  // move, line to the arc's start, one quarter, line back
    EXPECT_EQ(P[0].Kind, TPathPointKind::MoveTo);
    ExpectNear(P[0].Point, 50, 25, "centre");
    EXPECT_EQ(P[1].Kind, TPathPointKind::LineTo);
    ExpectNear(P[1].Point, 100, 25, "3 o'clock");
    EXPECT_EQ(P[4].Kind, TPathPointKind::CurveTo);
    ExpectNear(P[4].Point, 50, 0, "12 o'clock, reached counter-clockwise");
    EXPECT_EQ(P[5].Kind, TPathPointKind::LineTo);
    ExpectNear(P[5].Point, 50, 25, "back to the centre");
  }
}

TEST(PieSliceCalls, ScaledWedgeUsesTheCentredScaledRectangle) {
  const struct {
    double Scale;
    TPointF Centre, Start;
  } Cases[] = {
      {1, {50, 25}, {100, 25}},
      {0.5, {50, 25}, {75, 25}},  // (25, 12.5, 75, 37.5)
      {0, {50, 25}, {50, 25}},    // collapsed onto the centre
      {2, {50, 25}, {150, 25}},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    DrawPieSlice(C, TRectF{100, 50, 0, 0}, 0, 90, Case.Scale, 0, 1);  // inverted on purpose
    ASSERT_EQ(C.Count(), 2u);
    const std::vector<TPathPoint> P = PathOf(C[0]);
    ExpectNear(P[0].Point, Case.Centre.X, Case.Centre.Y, "centre");
    ExpectNear(P[1].Point, Case.Start.X, Case.Start.Y, "arc start");
  }
}

TEST(DonutSliceCalls, OneRingSectorFilledThenOutlined) {
  TRecordingCanvas C;
  DrawDonutSlice(C, TRectF{0, 0, 100, 50}, 0, 90, 0, 0.5, 1, 0.25f);
  ASSERT_EQ(C.Ops(), (std::vector<TCanvasOp>{TCanvasOp::FillPath, TCanvasOp::DrawPath}));
  EXPECT_EQ(C[0].Path, C[1].Path);
  for (const TCanvasRecord& R : C.Records()) {
    EXPECT_EQ(R.Opacity, 0.25f);
    for (const TPathPoint& P : R.Path) {  // the upper-right quarter of the ellipse
      EXPECT_GE(P.Point.X, 50 - 1e-3);
      EXPECT_LE(P.Point.Y, 25 + 1e-3);
    }
  }
}

using VXTest::TPaper;

TEST(PieSlicePixels, AnglesRunCounterClockwiseFromThreeOClock) {
  const struct {
    double Start, End;
    int Offset;
    TRectF Rect;
    const char* Expected;
  } Cases[] = {
      {0, 90, 0, {0, 0, 100, 100}, "UR "},
      {0, 90, 90, {0, 0, 100, 100}, "UL "},
      {90, 0, 0, {0, 0, 100, 100}, "UR "},  // negative sweep, clockwise back
      {0, 180, 0, {0, 0, 100, 100}, "UR UL "},
      {-90, 0, 0, {0, 0, 100, 100}, "LR "},
      {180, 360, -90, {0, 0, 100, 100}, "UL LL "},
      {0, 90, 0, {100, 100, 0, 0}, "UR "},  // inverted rectangle
      {0, 360, 0, {0, 0, 100, 100}, "UR UL LL LR "},
      {45, 45, 0, {0, 0, 100, 100}, ""},
  };
  for (const auto& Case : Cases) {
    TPaper P;
    DrawPieSlice(P.C, Case.Rect, Case.Start, Case.End, Case.Offset, 1);
    EXPECT_EQ(P.Quarters(), Case.Expected) << Case.Start << ".." << Case.End << " offset " << Case.Offset;
  }
}

TEST(PieSlicePixels, ScaleShrinksAboutTheCentre) {
  TPaper Full, Half, None;
  DrawPieSlice(Full.C, TRectF{0, 0, 100, 100}, 0, 90, 1.0, 0, 1);
  DrawPieSlice(Half.C, TRectF{0, 0, 100, 100}, 0, 90, 0.5, 0, 1);
  DrawPieSlice(None.C, TRectF{0, 0, 100, 100}, 0, 90, 0.0, 0, 1);
  EXPECT_TRUE(Full.Painted(80, 45));
  EXPECT_FALSE(Half.Painted(80, 45));  // beyond radius 25
  EXPECT_TRUE(Half.Painted(70, 45));
  EXPECT_FALSE(Half.Painted(30, 45));
  for (int Y = 0; Y < 100; Y += 5)
    for (int X = 0; X < 100; X += 5) EXPECT_FALSE(None.Painted(X, Y)) << X << "," << Y;
}

TEST(DonutSlicePixels, RingBetweenTheRadii) {
  const struct {
    double Start, End;
    int Offset;
    double Inner, Outer;
    const char* Ring;    // quarters painted at 0.8 of the radius (diagonal (70, 30) family)
    bool Hole;           // centre left empty
    TRectF Rect = {0, 0, 100, 100};
  } Cases[] = {
      {0, 360, 0, 0.5, 1.0, "UR UL LL LR ", true},
      {0, 360, 0, 1.0, 0.5, "UR UL LL LR ", true},  // radii in either order
      {0, 90, 0, 0.5, 1.0, "UR ", true},
      {0, 90, 90, 0.5, 1.0, "UL ", true},
      {0, 90, 0, 0.0, 1.0, "UR ", true},  // a wedge: the centre is on its edge
      {90, 0, 0, 0.5, 1.0, "UR ", true},
      {0, 90, 0, 0.5, 1.0, "UR ", true, {100, 100, 0, 0}},  // inverted rectangle, not mirrored
      {-90, 0, 0, 0.5, 1.0, "LR ", true, {0, 100, 100, 0}},
  };
  for (const auto& Case : Cases) {
    TPaper P;
    DrawDonutSlice(P.C, Case.Rect, Case.Start, Case.End, Case.Offset, Case.Inner, Case.Outer, 1);
    EXPECT_EQ(P.Quarters(), Case.Ring) << Case.Start << ".." << Case.End << " r " << Case.Inner << "/" << Case.Outer;
    EXPECT_EQ(!P.Painted(45, 45) && !P.Painted(55, 55), Case.Hole);
    EXPECT_FALSE(P.Painted(3, 3));  // outside the ellipse
  }
  // The hole is half the size with an inner radius of 0.5.
  TPaper P;
  DrawDonutSlice(P.C, TRectF{0, 0, 100, 100}, 0, 360, 0, 0.5, 1.0, 1);
  EXPECT_FALSE(P.Painted(50, 28));
  EXPECT_TRUE(P.Painted(50, 22));
  EXPECT_TRUE(P.Painted(50, 3));
}

TEST(DonutSlicePixels, FollowsTheRectangleAndOpacity) {
  TPaper P;
  DrawDonutSlice(P.C, TRectF{100, 60, 0, 40}, 0, 360, 0, 0.5, 1.0, 0.5f);  // flat, inverted
  EXPECT_TRUE(P.Painted(10, 50));
  EXPECT_FALSE(P.Painted(50, 50));
  EXPECT_FALSE(P.Painted(10, 30));
  const TAlphaColor Mixed = P.Bitmap.GetPixel(10, 50);
  EXPECT_NEAR(int((Mixed >> 8) & 0xFF), 128, 2) << "half red over white";
}

TEST(SlicesOnAFailingCanvas, StateIsUntouchedAndTheErrorComesThrough) {
  const auto Setup = [](TCanvas& C) {
    C.Fill().SetColor(Red);
    C.SetStrokeThickness(3);
  };
  const auto Unchanged = [](const TCanvas& C) {
    EXPECT_EQ(C.Fill().Color(), Red);
    EXPECT_EQ(C.GetStrokeThickness(), 3.0f);
    EXPECT_TRUE(C.Matrix() == TMatrix::Identity());
  };
  EXPECT_EQ(VXTest::ForEveryFailingCall(
                Setup, [](TCanvas& C) { DrawPieSlice(C, TRectF{0, 0, 10, 10}, 0, 90, 0, 1); }, Unchanged, "pie"),
            2u);
  EXPECT_EQ(VXTest::ForEveryFailingCall(
                Setup, [](TCanvas& C) { DrawPieSlice(C, TRectF{0, 0, 10, 10}, 0, 90, 0.5, 0, 1); }, Unchanged,
                "scaled pie"),
            2u);
  EXPECT_EQ(VXTest::ForEveryFailingCall(
                Setup, [](TCanvas& C) { DrawDonutSlice(C, TRectF{0, 0, 10, 10}, 0, 90, 0, 0.5, 1, 1); }, Unchanged,
                "donut"),
            2u);
}

}  // namespace
