// Gradients: stops, dispatch, bands and rings as recorded calls with their
// colours, pixels on real bitmaps, and canvases that fail midway.

#include "FMX.VX.Graphics/Gradients.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "FMX.VX.CanvasHelper/CanvasTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::Graphics;
using VXTest::CallsWithColors;

namespace {

using TList = std::vector<TAlphaColor>;

TEST(SetGradientColors, StopsAreEvenlySpacedFromZeroToOne) {
  const struct {
    TList Colors;
    std::vector<TGradientPoint> Expected;
  } Cases[] = {
      {{}, {}},
      {{0xFF112233}, {{0xFF112233, 0}, {0xFF112233, 1}}},
      {{1, 2}, {{1, 0}, {2, 1}}},
      {{1, 2, 3}, {{1, 0}, {2, 0.5f}, {3, 1}}},
      {{1, 2, 3, 4}, {{1, 0}, {2, float(1.0 / 3)}, {3, float(1.0 / 3 * 2)}, {4, 1}}},
  };
  for (const auto& K : Cases) {
    TGradient G;
    G.AddPoint(0xFFFFFFFF, 0.3f);  // old stops go
    TGradient& Result = SetGradientColors(G, K.Colors);
    EXPECT_EQ(&Result, &G);
    EXPECT_EQ(std::vector<TGradientPoint>(G.Points().begin(), G.Points().end()), K.Expected) << K.Colors.size();
  }
}

TEST(DrawGradient, OneFillWithTheStopsAndTheStateIsPutBack) {
  TRecordingCanvas C;
  VXTest::SetUnusualState(C);
  const VXTest::TStateSnapshot Before(C);
  DrawGradient(C, TRectF{1, 2, 30, 40}, TList{1, 2, 3}, TGradientStyle::Linear, {0.25f, 0}, {1, 0.5f}, true, 0.5f);
  DrawGradient(C, TRectF{1, 2, 30, 40}, TList{4, 5}, TGradientStyle::Radial, {0.25f, 0.75f}, {1, 1}, false, 1);
  EXPECT_EQ(Before.Diff(C), "");
  ASSERT_EQ(C.Ops(), (std::vector{TCanvasOp::FillRect, TCanvasOp::FillEllipse}));
  const TGradient& Linear = C[0].Fill.Gradient();
  EXPECT_EQ(C[0].Fill.Kind(), TBrushKind::Gradient);
  EXPECT_EQ(C[0].Opacity, 0.5f);
  EXPECT_EQ(Linear.Style(), TGradientStyle::Linear);
  EXPECT_EQ(Linear.PointCount(), 3);
  EXPECT_EQ(Linear.StartPosition(), (TPointF{0.25f, 0}));
  EXPECT_EQ(Linear.StopPosition(), (TPointF{1, 0.5f}));
  const TGradient& Radial = C[1].Fill.Gradient();
  EXPECT_EQ(Radial.Style(), TGradientStyle::Radial);
  EXPECT_EQ(Radial.RadialCenter(), (TPointF{0.25f, 0.75f}));
  EXPECT_EQ(Radial.Point(1).Color, 5u);
}

// --- Strips ------------------------------------------------------------------

std::string Strips(const TRectF& R, const TList& Colors, int Step, TGradientOrientation O = diHorizontal) {
  TRecordingCanvas C;
  C.Fill().SetColor(0xFF777777);
  LineGradient(C, R, Colors, Step, O, 1);
  EXPECT_EQ(C.Fill().Color(), 0xFF777777u);
  EXPECT_EQ(C.Fill().Kind(), TBrushKind::Solid);
  return CallsWithColors(C);
}

TEST(LineGradient, StripsWalkTheColoursAndMayOverrunTheFarEdge) {
  // 0 -> 255 red over 10 units in steps of 4: 102 per strip.
  EXPECT_EQ(Strips({0, 0, 10, 4}, {0xFF000000, 0xFFFF0000}, 4),
            "FillRect (0,0,4,4) op=1 FF000000\nFillRect (4,0,8,4) op=1 FF660000\n"
            "FillRect (8,0,12,4) op=1 FFCC0000\n");
  // Three colours over 8 units (segments of 4): the accumulators carry on
  // across the boundary rather than jumping to the list colour.
  EXPECT_EQ(Strips({0, 0, 5, 8}, {0xFF000000, 0xFF640000, 0xFF64C800}, 2, diVertical),
            "FillRect (0,0,5,2) op=1 FF000000\nFillRect (0,2,5,4) op=1 FF320000\n"
            "FillRect (0,4,5,6) op=1 FF326400\nFillRect (0,6,5,8) op=1 FF32C800\n"
            "FillRect (0,8,5,10) op=1 FF32C800\n");
  // 2.5 rounds to the even 2; alpha walks like the colours; past the last
  // boundary the colour stays where the accumulators are; an inverted
  // rectangle is normalised.
  EXPECT_EQ(Strips({4, 0, 0, 1}, {0x00000000, 0x05050000}, 2),
            "FillRect (0,0,2,1) op=1 00000000\nFillRect (2,0,4,1) op=1 02020000\n"
            "FillRect (4,0,6,1) op=1 02020000\n");
  // One colour paints every strip in it.
  EXPECT_EQ(Strips({0, 0, 4, 1}, {0xFF123456}, 3),
            "FillRect (0,0,3,1) op=1 FF123456\nFillRect (3,0,6,1) op=1 FF123456\n");
}

TEST(LineGradient, DegenerateInputAndTheSmoothFallback) {
  EXPECT_EQ(Strips({5, 0, 5, 10}, {1, 2}, 4), "");
  EXPECT_EQ(Strips({0, 5, 10, 5}, {1, 2}, 4), "");
  EXPECT_EQ(Strips({0, 0, 10, 10}, {}, 4), "");
  EXPECT_EQ(Strips({0, 0, std::numeric_limits<float>::infinity(), 10}, {1, 2}, 4), "");
  for (int Step : {1, 0, -5}) {
    TRecordingCanvas C;
    LineGradient(C, TRectF{10, 0, 0, 5}, TList{1, 2}, Step, diVertical, 0.5f);
    ASSERT_EQ(C.Count(), 1u) << Step;
    EXPECT_EQ(C[0].Rect, (TRectF{10, 0, 0, 5}));  // passed on as given
    EXPECT_EQ(C[0].Fill.Kind(), TBrushKind::Gradient);
    EXPECT_EQ(C[0].Fill.Gradient().StopPosition(), (TPointF{0, 1}));
  }
}

// Far from the origin a float position plus the step rounds back to itself;
// the strips must still end, and still reach the far edge.
TEST(LineGradient, StripsFarFromTheOriginEnd) {
  TRecordingCanvas C;
  LineGradient(C, TRectF{67108864.0f, 0, 67108894.0f, 1}, TList{1, 2}, 3, diHorizontal, 1);
  ASSERT_GE(C.Count(), 5u);
  EXPECT_LE(C.Count(), 11u);
  EXPECT_EQ(C[0].Rect.Left, 67108864.0f);
  EXPECT_GE(C[C.Count() - 1].Rect.Right, 67108894.0f);
}

// Huge extents: no call paints more than 32769 bands, and the bands still
// run from the outer edge to the far edge or the centre (they widen rather
// than stop short). The rings are drawn on a canvas scaled so that all of
// them show; on a canvas at full scale only the few that can show are
// painted.
TEST(GradientBands, HugeExtentsPaintABoundedNumberOfBandsThatStillCoverTheArea) {
  constexpr std::size_t Cap = 32769;
  const TList Colors{0xFF000000, 0xFFFFFFFF};
  const TRectF Huge{-1e30f, -1e30f, 1e30f, 1e30f};
  const struct {
    const char* Name;
    std::function<void(TCanvas&)> Draw;
    TRectF First;        // the outermost band
    float InnerReach;    // the last strip's far edge reaches this far, and
    float InnerLeftMin;  // the last ring's left edge has come this far in
    size_t AtFullScale;  // most bands painted on an unscaled 100-unit canvas
  } Cases[] = {
      {"strips", [&](TCanvas& C) { LineGradient(C, TRectF{-1e30f, 0, 1e30f, 10}, Colors, 3, diHorizontal, 1); },
       {-1e30f, 0, float(-1e30 + 2e30 / 32768), 10}, 1e30f, -INFINITY, Cap},
      {"strips, a million units", [&](TCanvas& C) { LineGradient(C, TRectF{0, 0, 5, 1e6f}, Colors, 2, diVertical, 1); },
       {0, 0, 5, float(1e6 / 32768)}, 1e6f, -INFINITY, Cap},
      {"up", [&](TCanvas& C) { DirectionGradient(C, TRectF{0, -1e30f, 10, 1e30f}, Colors, gdUp, 3, 0.5f); },
       {0, -1e30f, 10, float(-1e30 + 2e30 / 32768)}, 1e30f, -INFINITY, Cap},
      {"rectangle outlines", [&](TCanvas& C) { RectGradient(C, Huge, Colors, 3, 1); }, Huge, -INFINITY, -1e26f, Cap},
      {"plain ellipse", [&](TCanvas& C) { EllipseGradient(C, Huge, Colors, 3, 1); }, Huge, -INFINITY, -1e26f, 1},
      {"centred ellipse", [&](TCanvas& C) { EllipseGradient(C, Huge, 0.3f, 0.7f, Colors, 3, 1); }, Huge, -INFINITY,
       -4.01e29f, 1},
      // The centre one unit from the left edge: the left edges barely move
      // and would take 1e30 rings to get there.
      {"centred ellipse near its edge",
       [&](TCanvas& C) { EllipseGradient(C, TRectF{0, 0, 1e30f, 1e30f}, 1e-30f, 0.5f, Colors, 3, 1); },
       {0, 0, 1e30f, 1e30f}, -INFINITY, -INFINITY, 10},
  };
  for (const auto& K : Cases) {
    SCOPED_TRACE(K.Name);
    VXTest::TCountingCanvas C;
    C.SetMatrix(TMatrix::CreateScaling(1e-30f, 1e-30f) * TMatrix::CreateTranslation(50, 50));
    K.Draw(C);
    EXPECT_GE(C.Bands, 1000u);
    EXPECT_LE(C.Bands, Cap);
    EXPECT_EQ(C.First, K.First);
    EXPECT_GE(std::max(C.Last.Right, C.Last.Bottom), K.InnerReach);
    EXPECT_GE(C.Last.Left, K.InnerLeftMin);
    VXTest::TCountingCanvas FullScale;
    K.Draw(FullScale);
    EXPECT_LE(FullScale.Bands, K.AtFullScale);
  }
  // Rings in translucent colours do not hide the ones below them.
  VXTest::TCountingCanvas Translucent;
  EllipseGradient(Translucent, Huge, TList{0x80000000, 0x80FFFFFF}, 3, 1);
  EXPECT_GE(Translucent.Bands, 16000u);
  // The outlines widen with their step, so that they still meet.
  VXTest::TCountingCanvas C;
  RectGradient(C, TRectF{0, 0, 4e6f, 4e6f}, Colors, 2, 1);
  EXPECT_EQ(C.LastThickness, float(2e6 / 32768));
  // Up to 32768 units deep every band keeps its step.
  VXTest::TCountingCanvas Deep;
  RectGradient(Deep, TRectF{0, 0, 65536, 65536}, Colors, 2, 1);
  EXPECT_EQ(Deep.Bands, 16384u);
  EXPECT_EQ(Deep.LastThickness, 2);
}

// Both axes inverted: the centred rings would grow without end.
TEST(EllipseGradient, CentredRingsOnARectangleInvertedBothWaysPaintNothing) {
  TRecordingCanvas C;
  EllipseGradient(C, TRectF{100, 80, 50, 20}, 0.5f, 0.5f, TList{1, 2}, 3, 1);
  EXPECT_EQ(C.Count(), 0u);
  // One axis inverted still ends along the other: 60 / 3 rings.
  EllipseGradient(C, TRectF{100, 20, 50, 80}, 0.5f, 0.5f, TList{1, 2}, 3, 1);
  EXPECT_EQ(C.Count(), 20u);
}

TEST(DirectionGradient, DiagonalsAreSmoothAxesAreStripsReversedForLeftAndUp) {
  const TList Colors{0xFF000000, 0xFF0000FF};
  const struct {
    TGradientDirection Direction;
    TPointF Start, Stop;       // diagonals
    TAlphaColor FirstStrip;    // axes
    bool Vertical;
  } Cases[] = {
      {gdDownRight, {0, 0}, {1, 1}, 0, false}, {gdDownLeft, {1, 0}, {0, 1}, 0, false},
      {gdUpRight, {0, 1}, {1, 0}, 0, false},   {gdUpLeft, {1, 1}, {0, 0}, 0, false},
      {gdDown, {}, {}, 0xFF000000, true},      {gdUp, {}, {}, 0xFF0000FF, true},
      {gdRight, {}, {}, 0xFF000000, false},    {gdLeft, {}, {}, 0xFF0000FF, false},
  };
  for (const auto& K : Cases) {
    TRecordingCanvas C;
    DirectionGradient(C, TRectF{0, 0, 20, 20}, Colors, K.Direction, 5, 1);
    ASSERT_GE(C.Count(), 1u) << K.Direction;
    if (K.FirstStrip == 0) {
      ASSERT_EQ(C.Count(), 1u) << K.Direction;
      EXPECT_EQ(C[0].Fill.Gradient().StartPosition(), K.Start) << K.Direction;
      EXPECT_EQ(C[0].Fill.Gradient().StopPosition(), K.Stop) << K.Direction;
    } else {
      EXPECT_EQ(C.Count(), 5u) << K.Direction;
      EXPECT_EQ(C[0].Fill.Color(), K.FirstStrip) << K.Direction;
      EXPECT_EQ(C[0].Rect, (K.Vertical ? TRectF{0, 0, 20, 5} : TRectF{0, 0, 5, 20})) << K.Direction;
    }
  }
  TRecordingCanvas C;
  DirectionGradient(C, TRectF{0, 0, 20, 20}, Colors, TGradientDirection(8), 5, 1);
  EXPECT_EQ(C.Count(), 0u);
}

// --- Rings -------------------------------------------------------------------

TEST(EllipseGradient, CentredRingsLoseEachSideInProportionRoundedHalfToEven) {
  for (float CenterX : {0.25f, -0.25f}) {
    TRecordingCanvas C;
    EllipseGradient(C, TRectF{0, 0, 100, 50}, CenterX, 0.5f, TList{0xFF000000, 0xFF640000}, 10, 1);
    EXPECT_EQ(CallsWithColors(C),
              "FillEllipse (0,0,100,50) op=1 FF000000\nFillEllipse (2,5,92,45) op=1 FF0D0000\n"
              "FillEllipse (5,10,85,40) op=1 FF1B0000\nFillEllipse (8,15,78,35) op=1 FF280000\n"
              "FillEllipse (10,20,70,30) op=1 FF350000\n")
        << CenterX;
  }
  // Bounds are stored in 32 bits after every move: 18 - 3 x 0.8333 lands
  // just below 15.5 in floats (rounded to 15), just above it in doubles.
  TRecordingCanvas C;
  EllipseGradient(C, TRectF{0, 0, 10, 18}, 0.3f, 0.7f, TList{1, 2}, 3, 1);
  ASSERT_EQ(C.Count(), 4u);
  EXPECT_EQ(C[1].Rect, (TRectF{1, 2, 8, 17}));
  EXPECT_EQ(C[3].Rect, (TRectF{3, 6, 4, 15}));
  // The walk moves on to the next pair once the largest edge move has added
  // up to a segment (75 / 3 = 25 units at 3.75 per ring: after ring 7).
  TRecordingCanvas Walk;
  EllipseGradient(Walk, TRectF{0, 0, 100, 50}, 0.25f, 0.5f, TList{0xFF000000, 0xFF300000, 0xFF303000, 0xFF303030},
                  5, 1);
  ASSERT_EQ(Walk.Count(), 10u);
  EXPECT_EQ(Walk[6].Fill.Color(), 0xFF3A0000u);
  EXPECT_EQ(Walk[7].Fill.Color(), 0xFF3A0A00u);
  EXPECT_EQ(Walk[9].Fill.Color(), 0xFF3A1D00u);
  // The left edge reaching the centre exactly ends the rings.
  TRecordingCanvas Exact;
  EllipseGradient(Exact, TRectF{0, 0, 50, 100}, 0.5f, 0.25f, TList{1, 2}, 10, 1);
  EXPECT_EQ(Exact.Count(), 5u);
}

// The plain ellipse rings are filled opaque without an outline; the
// rectangle rings are stroked StepSize thick, miter-joined, at the opacity.
// Both put the canvas state back.
TEST(RingGradients, PlainEllipsesAndRectangleOutlinesInsetByTheStep) {
  const TList Colors{0xFF000000, 0xFF0A0000};
  const struct {
    const char* Op;
    std::function<void(TCanvas&)> Draw;
    const char* Opacity;
  } Cases[] = {
      {"FillEllipse", [&](TCanvas& C) { EllipseGradient(C, TRectF{0, 0, 20, 10}, Colors, 2, 1); }, "1"},
      {"DrawRect", [&](TCanvas& C) { RectGradient(C, TRectF{0, 0, 20, 10}, Colors, 2, 0.5f); }, "0.5"},
  };
  for (const auto& K : Cases) {
    TRecordingCanvas C;
    VXTest::SetUnusualState(C);
    C.SetMatrix(TMatrix::Identity());
    const VXTest::TStateSnapshot Before(C);
    K.Draw(C);
    const std::string Op = K.Op, O = K.Opacity;
    EXPECT_EQ(CallsWithColors(C), Op + " (0,0,20,10) op=" + O + " FF000000\n" + Op + " (2,2,18,8) op=" + O +
                                      " FF020000\n" + Op + " (4,4,16,6) op=" + O + " FF040000\n");
    if (Op == "DrawRect") {
      EXPECT_EQ(C[0].Stroke.Thickness(), 2);
      EXPECT_EQ(C[0].Stroke.Join(), TStrokeJoin::Miter);
      EXPECT_EQ(C[0].Stroke.Kind(), TBrushKind::Solid);
    } else {
      EXPECT_EQ(C[0].Stroke.Kind(), TBrushKind::None);
    }
    EXPECT_EQ(Before.Diff(C), "");
  }
}

TEST(RingGradients, EarlyReturnsFallbacksAndOneBlend) {
  using TDraw = std::function<void(TCanvas&, const TRectF&, int, float)>;
  const struct {
    const char* Name;
    TDraw Draw;
    TCanvasOp Smooth;
  } Kinds[] = {
      {"centred", [](TCanvas& C, const TRectF& R, int S, float O) { EllipseGradient(C, R, 0.5f, 0.5f, TList{1, 2}, float(S), O); },
       TCanvasOp::FillEllipse},
      {"plain", [](TCanvas& C, const TRectF& R, int S, float O) { EllipseGradient(C, R, TList{1, 2}, S, O); },
       TCanvasOp::FillEllipse},
      {"rect", [](TCanvas& C, const TRectF& R, int S, float O) { RectGradient(C, R, TList{1, 2}, S, O); },
       TCanvasOp::FillRect},
  };
  for (const auto& K : Kinds) {
    SCOPED_TRACE(K.Name);
    for (const TRectF& R : {TRectF{-10, 5, 0, 20}, TRectF{5, -10, 20, 0}})
      for (int Step : {1, 4}) {
        TRecordingCanvas C;
        K.Draw(C, R, Step, 1);
        EXPECT_EQ(C.Count(), 0u);
      }
    {  // A step of 1 or less: one smooth radial fill.
      TRecordingCanvas C;
      K.Draw(C, TRectF{0, 0, 40, 20}, 1, 1);
      ASSERT_EQ(C.Count(), 1u);
      EXPECT_EQ(C[0].Op, K.Smooth);
      EXPECT_EQ(C[0].Fill.Gradient().Style(), TGradientStyle::Radial);
    }
    {  // Translucent: ellipses are blended once, outlines stroked translucent.
      TRecordingCanvas C;
      K.Draw(C, TRectF{-20, -10, 40, 30}, 4, 0.5f);
      if (K.Smooth == TCanvasOp::FillEllipse) {
        ASSERT_EQ(C.Ops(), (std::vector{TCanvasOp::DrawBitmap}));
        EXPECT_EQ(C[0].Rect, (TRectF{0, 0, 41, 31}));  // cut to the canvas, no further
        EXPECT_EQ(C[0].Opacity, 0.5f);
      } else {
        EXPECT_EQ(C.Count(TCanvasOp::DrawRect), C.Count());
        EXPECT_EQ(C[0].Opacity, 0.5f);
      }
    }
  }
}

// --- Pixels ----------------------------------------------------------------

TEST(GradientPixels, StripsAndSolidOneColourFill) {
  TBitmap Bmp(40, 10);
  Bmp.Clear(0xFFFFFFFF);
  LineGradient(Bmp.Canvas(), TRectF{0, 0, 40, 10}, TList{0xFF000000, 0xFF0000FF, 0xFF00FF00}, 4, diHorizontal, 1);
  // Segments of 20 units: blue climbs 51 per strip to 204; at the boundary
  // the walk turns to green and blue falls back by 51 per strip.
  EXPECT_EQ(Bmp.GetPixel(1, 5), 0xFF000000u);
  EXPECT_EQ(Bmp.GetPixel(5, 5), 0xFF000033u);
  EXPECT_EQ(Bmp.GetPixel(17, 5), 0xFF0000CCu);
  EXPECT_EQ(Bmp.GetPixel(22, 5), 0xFF003399u);
  EXPECT_EQ(Bmp.GetPixel(38, 5), 0xFF00FF00u);

  TBitmap One(20, 20);
  DrawGradient(One.Canvas(), TRectF{0, 0, 20, 20}, TList{0xFF336699}, TGradientStyle::Linear, {0, 0}, {1, 1}, true,
               1);
  for (int X : {0, 10, 19}) EXPECT_EQ(One.GetPixel(X, X), 0xFF336699u) << X;
}

TEST(GradientPixels, RadialPlatformGradientRunsFromCentreToRim) {
  TBitmap Bmp(40, 40);
  Bmp.Clear(0xFFFFFFFF);
  EllipseGradient(Bmp.Canvas(), TRectF{0, 0, 40, 40}, TList{0xFFFF0000, 0xFF0000FF}, 0, 1);
  const TAlphaColor Centre = Bmp.GetPixel(20, 20), Rim = Bmp.GetPixel(20, 1);
  EXPECT_GT((Centre >> 16) & 0xFF, 230u);
  EXPECT_GT(Rim & 0xFF, 200u);
  EXPECT_EQ(Bmp.GetPixel(1, 1), 0xFFFFFFFFu);  // outside the ellipse
}

// A translucent ellipse gradient is the opaque one blended once, also where
// it reaches into negative coordinates.
TEST(GradientPixels, TranslucentEllipsesEqualTheOpaqueOnesBlendedOnce) {
  const TList Colors{0xFFFF0000, 0xFFFFFF00, 0xFF0000FF};
  using TDraw = std::function<void(TCanvas&, float)>;
  const TDraw Draws[] = {
      [&](TCanvas& C, float O) { EllipseGradient(C, TRectF{-30, -20, 70, 50}, Colors, 3, O); },
      [&](TCanvas& C, float O) { EllipseGradient(C, TRectF{10, 5, 90, 75}, 0.3f, 0.6f, Colors, 2.5f, O); },
  };
  for (const TDraw& Draw : Draws) {
    TBitmap Direct(100, 80), Blended(100, 80), Opaque(100, 80);
    Direct.Clear(0xFFFFFFFF);
    Blended.Clear(0xFFFFFFFF);
    Draw(Direct.Canvas(), 0.5f);
    Draw(Opaque.Canvas(), 1);
    Blended.Canvas().DrawBitmap(Opaque, TRectF{0, 0, 100, 80}, TRectF{0, 0, 100, 80}, 0.5f);
    int Differences = 0;
    for (int Y = 0; Y < 80; ++Y)
      for (int X = 0; X < 100; ++X) Differences += Direct.GetPixel(X, Y) != Blended.GetPixel(X, Y);
    EXPECT_EQ(Differences, 0);
    EXPECT_NE(Direct.GetPixel(50, 40), 0xFFFFFFFFu);
  }
}

// Hostile input ends quickly and paints nothing it should not.
TEST(GradientPixels, HostileInputEndsQuietly) {
  const float NaN = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();
  const TList Colors{0xFF000000, 0xFFFFFFFF};
  TBitmap Bmp(50, 50);
  TCanvas& C = Bmp.Canvas();
  for (const TRectF& R : {TRectF{NaN, 0, 10, 10}, TRectF{0, 0, Inf, 10}, TRectF{-Inf, -Inf, Inf, Inf}})
    for (float Opacity : {1.0f, 0.5f, NaN}) {
      EllipseGradient(C, R, Colors, 3, Opacity);
      EllipseGradient(C, R, 0.5f, NaN, Colors, 3, Opacity);
      EllipseGradient(C, R, 0.5f, 0.5f, Colors, NaN, Opacity);
      RectGradient(C, R, Colors, 3, Opacity);
      LineGradient(C, R, Colors, 3, diVertical, Opacity);
    }
  // Huge extents end on real pixels too. A 50-pixel window at the centre of
  // a two-colour gradient two million units across shows the middle of the
  // strips' walk (grey) and the innermost, last colour of the rings, which
  // are painted opaque and blended once. (At 1e30 the bands end as quickly,
  // but lie beyond what the platform can rasterise exactly.)
  const struct {
    std::function<void(TCanvas&, const TRectF&, float)> Draw;
    int Blue;  // at the centre, opaque
  } Windows[] = {
      {[&](TCanvas& D, const TRectF& R, float O) { EllipseGradient(D, R, Colors, 3, O); }, 255},
      {[&](TCanvas& D, const TRectF& R, float O) { EllipseGradient(D, R, 0.5f, 0.5f, Colors, 3, O); }, 255},
      {[&](TCanvas& D, const TRectF& R, float O) { LineGradient(D, R, Colors, 3, diVertical, O); }, 128},
  };
  for (const auto& K : Windows)
    for (float Opacity : {1.0f, 0.5f})
      for (float Extent : {1e6f, 1e30f}) {
        TBitmap Window(50, 50);
        Window.Clear(0xFFFF0000);
        Window.Canvas().SetMatrix(TMatrix::CreateTranslation(25, 25));
        const VXTest::TStateSnapshot Before(Window.Canvas());
        K.Draw(Window.Canvas(), TRectF{-Extent, -Extent, Extent, Extent}, Opacity);
        EXPECT_EQ(Before.Diff(Window.Canvas()), "");
        if (Extent == 1e30f) continue;
        EXPECT_NEAR(double(Window.GetPixel(25, 25) & 0xFF), K.Blue * Opacity, 1) << Opacity << " " << Extent;
        EXPECT_EQ(Window.GetPixel(25, 25), Window.GetPixel(20, 30)) << Opacity << " " << Extent;
      }
  TRecordingCanvas Rec;
  LineGradient(Rec, TRectF{0, 0, 40, 40}, Colors, std::numeric_limits<std::int32_t>::max(), diHorizontal, 1);
  EXPECT_EQ(CallsWithColors(Rec), "FillRect (0,0,2147483648,40) op=1 FF000000\n");  // one strip, the first colour
}

// --- A canvas that fails midway ------------------------------------------

TEST(GradientFailures, EveryCallMayFailAndTheStateIsStillPutBack) {
  const TList Colors{0xFF000000, 0xFF808080, 0xFFFFFFFF};
  const TRectF R{5, 5, 45, 35};
  using TDraw = std::function<void(TCanvas&)>;
  const struct {
    const char* Name;
    TDraw Draw;
  } Cases[] = {
      {"smooth", [&](TCanvas& C) { DrawGradient(C, R, Colors, TGradientStyle::Linear, {0, 0}, {1, 1}, true, 1); }},
      {"left", [&](TCanvas& C) { DirectionGradient(C, R, Colors, gdLeft, 6, 1); }},
      {"up-left", [&](TCanvas& C) { DirectionGradient(C, R, Colors, gdUpLeft, 6, 1); }},
      {"strips", [&](TCanvas& C) { LineGradient(C, R, Colors, 5, diVertical, 0.5f); }},
      {"centred", [&](TCanvas& C) { EllipseGradient(C, R, 0.3f, 0.7f, Colors, 4, 1); }},
      {"centred translucent", [&](TCanvas& C) { EllipseGradient(C, R, 0.3f, 0.7f, Colors, 4, 0.5f); }},
      {"plain", [&](TCanvas& C) { EllipseGradient(C, R, Colors, 4, 1); }},
      {"plain translucent", [&](TCanvas& C) { EllipseGradient(C, R, Colors, 4, 0.5f); }},
      {"rect", [&](TCanvas& C) { RectGradient(C, R, Colors, 4, 0.5f); }},
  };
  for (const auto& K : Cases) {
    SCOPED_TRACE(K.Name);
    const int Calls = VXTest::FailAtEveryCall(K.Draw, [](const VXTest::TThrowingCanvas& C,
                                                         const VXTest::TStateSnapshot& Before) {
      EXPECT_EQ(Before.Diff(C), "");
    });
    EXPECT_GT(Calls, 0);
  }
}

}  // namespace
