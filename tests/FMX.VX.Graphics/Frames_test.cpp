// Raised frames: recorded rings and bevels, pixels, and what is left behind.

#include "FMX.VX.Graphics/Frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DrawingTestSupport.h"
#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::Graphics;
using VXTest::CallsWithColors;

namespace {

constexpr TAlphaColor Top = 0xFFFF0000, Bottom = 0xFF0000FF, White = 0xFFFFFFFF, Green = 0xFF00FF00;

TEST(Frame3DExt, SquareRingsStrokeTopLeftThenBottomRightAndShrinkTheRect) {
  TRecordingCanvas C;
  C.SetStrokeThickness(4);
  TRectF R{0, 0, 10, 10};
  Frame3DExt(C, R, Top, Bottom, 2);
  EXPECT_EQ(CallsWithColors(C),
            "DrawLine (0,9)-(0,0) op=1 FFFF0000\nDrawLine (0,0)-(9,0) op=1 FFFF0000\n"
            "DrawLine (9,0)-(9,9) op=1 FF0000FF\nDrawLine (9,9)-(-1,9) op=1 FF0000FF\n"
            "DrawLine (1,8)-(1,1) op=1 FFFF0000\nDrawLine (1,1)-(8,1) op=1 FFFF0000\n"
            "DrawLine (8,1)-(8,8) op=1 FF0000FF\nDrawLine (8,8)-(0,8) op=1 FF0000FF\n");
  EXPECT_EQ(R, (TRectF{2, 2, 8, 8}));
  EXPECT_EQ(C.GetStrokeThickness(), 1);
  EXPECT_EQ(C.Stroke().Color(), Bottom);
  EXPECT_EQ(C[0].Stroke.Thickness(), 1);
}

TEST(Frame3DExt, SquareRingCountAndShrinkFollowTheWidth) {
  const float NaN = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float Width;
    size_t Lines;
    TRectF Expected;
  } Cases[] = {
      {0, 0, {10, 20, 40, 50}},
      {-3, 0, {10, 20, 40, 50}},
      {NaN, 0, {10, 20, 40, 50}},
      {0.25f, 4, {11, 21, 39, 49}},
      {2.5f, 12, {13, 23, 37, 47}},
      // Only rings that fit are drawn (15 of them on a 30-unit side), but
      // the rectangle shrinks by the whole width, at once, with no hang.
      {40, 60, {50, 60, 0, 10}},
      {1e30f, 60, {1e30f, 1e30f, -1e30f, -1e30f}},
  };
  for (const auto& K : Cases) {
    TRecordingCanvas C;
    C.SetStrokeThickness(3);
    TRectF R{10, 20, 40, 50};
    Frame3DExt(C, R, Top, Bottom, K.Width);
    EXPECT_EQ(C.Count(TCanvasOp::DrawLine), K.Lines) << K.Width;
    EXPECT_EQ(R, K.Expected) << K.Width;
    EXPECT_EQ(C.GetStrokeThickness(), 1) << K.Width;
  }
}

// Frames wider than 32768 units draw their first 32768 rings only, also
// far from the origin; the rectangle still shrinks by the whole width.
TEST(Frame3DExt, HugeFramesDrawABoundedNumberOfRings) {
  const struct {
    TRectF Rect;
    float Width;
    TRectF Expected;  // (0, 0, 0, 0): not checked
  } Cases[] = {
      {{0, 0, 1e6f, 1e6f}, 1e5f, {1e5f, 1e5f, 9e5f, 9e5f}},
      {{-1e30f, -1e30f, 1e30f, 1e30f}, 1e29f, {-9e29f, -9e29f, 9e29f, 9e29f}},
      // Where a float inset by one stays put, the rings stay put too.
      {{3e7f, 3e7f, 4e7f, 4e7f}, 1e5f, {}},
  };
  for (const auto& K : Cases) {
    VXTest::TCountingCanvas C;
    TRectF R = K.Rect;
    Frame3DExt(C, R, Top, Bottom, K.Width);
    EXPECT_LE(C.Bands, 4u * 32768) << K.Width;
    EXPECT_GE(C.Bands, 4000u) << K.Width;
    if (K.Expected != TRectF{}) {
      EXPECT_EQ(R, K.Expected) << K.Width;
    }
  }
}

TEST(Frame3DExt, RoundedFrameShrinksByTheExactWidthAndPutsBackAllButThickness) {
  TRecordingCanvas C;
  VXTest::SetUnusualState(C);
  const VXTest::TStateSnapshot Before(C);
  TRectF R{10, 10, 90, 70};
  Frame3DExt(C, R, Top, Bottom, 2.5f, true, 8, 6);
  EXPECT_EQ(R, (TRectF{12.5f, 12.5f, 87.5f, 67.5f}));
  EXPECT_EQ(C.GetStrokeThickness(), 1);
  C.SetStrokeThickness(Before.Stroke.Thickness());
  EXPECT_EQ(Before.Diff(C), "");
  // Top rounded rectangle (fill, outline), two corner halves, the
  // bottom-right corner and the two edge bands, all but the first in the
  // bottom colour without an outline.
  EXPECT_EQ(C.Ops(), (std::vector{TCanvasOp::FillPath, TCanvasOp::DrawPath, TCanvasOp::FillPath,
                                  TCanvasOp::DrawPath, TCanvasOp::FillPath, TCanvasOp::DrawPath,
                                  TCanvasOp::DrawEllipse, TCanvasOp::FillEllipse, TCanvasOp::DrawRect,
                                  TCanvasOp::FillRect, TCanvasOp::DrawRect, TCanvasOp::FillRect}));
  EXPECT_EQ(C[0].Fill.Color(), Top);
  EXPECT_EQ(C[1].Stroke.Thickness(), 1);
  for (size_t I = 2; I < C.Count(); ++I) {
    EXPECT_EQ(C[I].Stroke.Kind(), TBrushKind::None) << I;
    EXPECT_EQ(C[I].Fill.Color(), Bottom) << I;
  }
  EXPECT_EQ(C[6].Rect, (TRectF{74, 58, 90, 70}));   // the bottom-right corner ellipse
  EXPECT_EQ(C[8].Rect, (TRectF{87.5f, 16, 90, 64}));  // right edge between the corners
  EXPECT_EQ(C[10].Rect, (TRectF{18, 67.5f, 82, 70}));  // bottom edge between the corners
}

TEST(Frame3DEllipse, HalvesMeetOnTheDiagonalAndTheStateIsPutBack) {
  TRecordingCanvas C;
  VXTest::SetUnusualState(C);
  const VXTest::TStateSnapshot Before(C);
  TRectF R{0, 0, 100, 60};
  Frame3DEllipse(C, R, Top, Bottom, 4);
  EXPECT_EQ(R, (TRectF{4, 4, 96, 56}));
  EXPECT_EQ(Before.Diff(C), "");
  ASSERT_EQ(C.Count(), 4u);
  EXPECT_EQ(C[0].Fill.Color(), Top);
  EXPECT_EQ(C[2].Fill.Color(), Bottom);
  EXPECT_EQ(C[1].Stroke.Kind(), TBrushKind::None);
  // Both halves close on the chord from the top-right to the bottom-left
  // point of the ellipse, which lies on the rectangle's diagonal.
  for (size_t I : {0u, 2u}) {
    const auto& P = C[I].Points;
    ASSERT_GE(P.size(), 3u);
    for (const TPointF& Q : {P.front(), P[P.size() - 2]}) {
      // On the diagonal y = 60 - 0.6 x.
      EXPECT_NEAR(Q.Y, 60 - 0.6 * Q.X, 1e-3) << I;
    }
  }
}

// --- Pixels -------------------------------------------------------------

struct TPaper {
  TBitmap Bitmap{200, 140};
  TCanvas& C = Bitmap.Canvas();
  TPaper() {
    Bitmap.Clear(White);
    C.Fill().SetColor(Green);
    C.Stroke().SetKind(TBrushKind::None);
  }
};

TEST(FramePixels, EllipseFrameTopLeftHalfInTopColourBottomRightInBottomColour) {
  TPaper P;
  TRectF R{10, 10, 110, 90};
  Frame3DEllipse(P.C, R, Top, Bottom, 8);
  VX::CanvasHelper::Ellipse(P.C, R);
  const struct {
    int X, Y;
    TAlphaColor Expected;
  } Probes[] = {{60, 12, Top},    {12, 50, Top},    {25, 25, Top},  {60, 87, Bottom}, {107, 50, Bottom},
                {95, 75, Bottom}, {60, 50, Green},  {30, 40, Green}, {11, 11, White},  {108, 88, White}};
  for (const auto& Q : Probes) EXPECT_EQ(P.Bitmap.GetPixel(Q.X, Q.Y), Q.Expected) << Q.X << "," << Q.Y;
}

TEST(FramePixels, RoundedFrameCornersSplitOnTheirDiagonalAndStayInsideTheOutline) {
  TPaper P;
  TRectF R{10, 10, 90, 70};
  Frame3DExt(P.C, R, Top, Bottom, 4, true, 10, 10);
  VX::CanvasHelper::RoundRect(P.C, R, 10, 10);
  // Corner arcs are centred at (80, 20) and (20, 60), radius 10; the ring
  // between radius 10 and the inner shape is probed at radius 8.
  const auto OnArc = [](double CX, double CY, double Deg) {
    const double A = Deg * 3.14159265358979 / 180;
    return std::pair<int, int>(int(std::floor(CX + 8 * std::cos(A))), int(std::floor(CY + 8 * std::sin(A))));
  };
  const struct {
    std::pair<int, int> At;
    TAlphaColor Expected;
  } Probes[] = {
      {{50, 11}, Top},           {{11, 40}, Top},           {{88, 40}, Bottom},        {{50, 68}, Bottom},
      {OnArc(80, 20, -75), Top}, {OnArc(80, 20, -15), Bottom}, {OnArc(20, 60, 105), Bottom},
      {OnArc(20, 60, 165), Top}, {OnArc(80, 60, 45), Bottom},  {OnArc(20, 20, 225), Top},
      {{50, 40}, Green},
      // Just outside the rounded corners: nothing may poke out.
      {{88, 11}, White},         {{11, 68}, White},         {{88, 68}, White},
  };
  for (const auto& Q : Probes)
    EXPECT_EQ(P.Bitmap.GetPixel(Q.At.first, Q.At.second), Q.Expected) << Q.At.first << "," << Q.At.second;
}

// The same frame drawn at two places looks the same, pixel for pixel.
TEST(FramePixels, RoundedFrameLooksTheSameWhereverItIsDrawn) {
  const auto Draw = [](float DX, float DY) {
    auto P = std::make_unique<TPaper>();
    TRectF R{DX, DY, DX + 70, DY + 50};
    P->C.Stroke().SetKind(TBrushKind::Solid);
    Frame3DExt(P->C, R, Top, Bottom, 5, true, 12, 9);
    return P;
  };
  const auto A = Draw(4, 6), B = Draw(121, 83);
  int Differences = 0;
  for (int Y = 0; Y < 56; ++Y)
    for (int X = 0; X < 74; ++X) Differences += A->Bitmap.GetPixel(X, Y) != B->Bitmap.GetPixel(X + 117, Y + 77);
  EXPECT_EQ(Differences, 0);
}

// --- A canvas that fails midway ------------------------------------------

TEST(FrameFailures, EveryCallMayFailAndTheStateIsStillPutBack) {
  const struct {
    const char* Name;
    bool Rounded, Ellipse;
  } Cases[] = {{"square", false, false}, {"rounded", true, false}, {"ellipse", false, true}};
  for (const auto& K : Cases) {
    SCOPED_TRACE(K.Name);
    const int Calls = VXTest::FailAtEveryCall(
        [&](TCanvas& C) {
          TRectF R{10, 10, 60, 50};
          if (K.Ellipse)
            Frame3DEllipse(C, R, Top, Bottom, 3);
          else
            Frame3DExt(C, R, Top, Bottom, 3, K.Rounded, 6, 6);
        },
        [&](const VXTest::TThrowingCanvas& C, const VXTest::TStateSnapshot& Before) {
          if (!K.Rounded && !K.Ellipse) {
            EXPECT_EQ(C.GetStrokeThickness(), 1);  // all the square form promises
            return;
          }
          VXTest::TStateSnapshot Expected = Before;
          if (K.Rounded) Expected.Stroke.SetThickness(1);
          EXPECT_EQ(Expected.Diff(C), "");
        });
    EXPECT_GT(Calls, 3);
  }
}

}  // namespace
