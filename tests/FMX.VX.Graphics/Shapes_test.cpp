// Shapes: recorded call sequences of both DrawShape forms, CopyCanvasState,
// and canvases that fail midway.

#include "FMX.VX.Graphics/Shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DrawingTestSupport.h"
#include "FMX.VX.CanvasHelper/CanvasTestSupport.h"
#include "FMX.VX.Graphics/Intersection.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::Graphics;
using VXTest::Calls;
using VXTest::CallsWithColors;

namespace {

constexpr TAlphaColor Top = 0xFFFF0000, Bottom = 0xFF0000FF;

// The raised set's bit layout must match the enumeration's order.
TEST(ShapeConstants, RaisedSetHoldsEveryRaisedStyleButTheImage) {
  for (int S = 0; S <= ss3DRoundSquare; ++S)
    EXPECT_EQ(ShapeStyles3D.Contains(TVXShapeStyle(S)), S >= ss3DRectangle && S != ss3DImage) << S;
}

// --- Type form -------------------------------------------------------------

TEST(DrawShapeType, TrianglesPointTheWayTheOrientationSays) {
  const TRectF R{0, 0, 100, 50};
  const struct {
    TVXShapeType Type;
    TVXShapeOrientation Orientation;
    const char* Path;
  } Cases[] = {
      {sIsoscelesTriangle, soUp, "[M50,0 L0,50 L100,50 L50,0]"},
      {sIsoscelesTriangle, soDown, "[M50,50 L0,0 L100,0 L50,50]"},
      {sIsoscelesTriangle, soLeft, "[M0,25 L100,0 L100,50 L0,25]"},
      {sIsoscelesTriangle, soRight, "[M100,25 L0,0 L0,50 L100,25]"},
      {sIsoscelesTriangle, TVXShapeOrientation(9), "[M50,0 L0,50 L100,50 L50,0]"},
      {sRightTriangle, soUp, "[M100,0 L0,50 L100,50 L100,0]"},
      {sRightTriangle, soDown, "[M0,50 L0,0 L100,0 L0,50]"},
      {sRightTriangle, soLeft, "[M0,0 L100,0 L100,50 L0,0]"},
      {sRightTriangle, soRight, "[M100,50 L0,0 L0,50 L100,50]"},
  };
  for (const auto& K : Cases) {
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, R, K.Type, K.Orientation, false, 5), R);
    const std::string P = K.Path;
    EXPECT_EQ(Calls(C), "DrawPath " + P + " op=1\nFillPath " + P + " op=1\n") << K.Type << " " << K.Orientation;
  }
}

TEST(DrawShapeType, RaisedBevelsAndInsets) {
  {  // A raised circle: two halves of the bevel, then the ellipse inset by the depth.
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, TRectF{0, 0, 100, 100}, sCircle, soLeft, true, 5), (TRectF{5, 5, 95, 95}));
    ASSERT_EQ(C.Count(), 6u);
    EXPECT_EQ(C[0].Fill.Color(), ShapeLightGrey);
    EXPECT_EQ(C[2].Fill.Color(), ShapeDarkGrey);
    EXPECT_EQ(C[4].ToString().substr(0, 27), "DrawEllipse (5,5,95,95) op=");
    EXPECT_EQ(C[5].Fill.Color(), 0xFF000000u);  // the caller's fill again
  }
  {  // A raised rectangle of depth 2.5: three one-unit rings, then the fill.
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, TRectF{0, 0, 20, 10}, sRect, soDown, true, 2.5f), (TRectF{3, 3, 17, 7}));
    EXPECT_EQ(C.Count(TCanvasOp::DrawLine), 12u);
    EXPECT_EQ(C[0].Stroke.Color(), ShapeDarkGrey);  // soDown: dark top
    EXPECT_EQ(C[2].Stroke.Color(), ShapeLightGrey);
    EXPECT_EQ(Calls(C).substr(Calls(C).rfind("FillRect")), "FillRect (3,3,17,7) op=1\n");
  }
  {  // A raised isosceles triangle: three facets on the centre, then the inset triangle.
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, TRectF{0, 0, 100, 50}, sIsoscelesTriangle, soUp, true, 5), (TRectF{5, 5, 95, 45}));
    EXPECT_EQ(CallsWithColors(C),
              "DrawPath [M50,0 L0,50 L50,25 L50,0] op=1 none\nFillPath [M50,0 L0,50 L50,25 L50,0] op=1 FFD3D3D3\n"
              "DrawPath [M100,50 L50,0 L50,25 L100,50] op=1 none\n"
              "FillPath [M100,50 L50,0 L50,25 L100,50] op=1 FFA9A9A9\n"
              "DrawPath [M0,50 L100,50 L50,25 L0,50] op=1 none\nFillPath [M0,50 L100,50 L50,25 L0,50] op=1 FFA9A9A9\n"
              "DrawPath [M50,5 L5,45 L95,45 L50,5] op=1 FF000000\nFillPath [M50,5 L5,45 L95,45 L50,5] op=1 FF000000\n");
  }
  {  // The facets' greys for every orientation (light, light or dark, dark).
    constexpr TAlphaColor L = ShapeLightGrey, D = ShapeDarkGrey;
    const struct {
      TVXShapeOrientation O;
      TAlphaColor Facets[3];
    } Cases[] = {{soUp, {L, D, D}}, {soDown, {L, L, D}}, {soLeft, {L, D, D}}, {soRight, {L, L, D}}};
    for (const auto& K : Cases) {
      TRecordingCanvas C;
      DrawShape(C, TRectF{0, 0, 100, 50}, sIsoscelesTriangle, K.O, true, 5);
      ASSERT_EQ(C.Count(TCanvasOp::FillPath), 4u) << K.O;
      for (int I = 0; I < 3; ++I) EXPECT_EQ(C[2 * I + 1].Fill.Color(), K.Facets[I]) << K.O << " facet " << I;
    }
  }
  {  // A raised right triangle only gets the inset.
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, TRectF{0, 0, 100, 50}, sRightTriangle, soUp, true, 5), (TRectF{5, 5, 95, 45}));
    EXPECT_EQ(C.Count(), 2u);
  }
  {  // An unknown type draws nothing and returns the rectangle as given.
    TRecordingCanvas C;
    EXPECT_EQ(DrawShape(C, TRectF{9, 8, 1, 2}, TVXShapeType(7), soUp, true, 5), (TRectF{9, 8, 1, 2}));
    EXPECT_EQ(C.Count(), 0u);
  }
}

// --- Style form ------------------------------------------------------------

TRectF Draw(TCanvas& C, TRectF R, TVXShapeStyle S, float Opacity = 1, float Depth = 4) {
  return DrawShape(C, R, nullptr, S, false, Top, Bottom, Depth, Opacity);
}

TEST(DrawShapeStyle, RectanglesAreNormalisedFittedAndInset) {
  const struct {
    TVXShapeStyle Style;
    TRectF Rect, Expected;
  } Cases[] = {
      {ssRectangle, {100, 40, 0, 0}, {0, 0, 100, 40}},
      {ssSquare, {0, 0, 100, 40}, {30, 0, 70, 40}},
      {ssCircle, {0, 40, 100, 0}, {30, 0, 70, 40}},
      {ssRoundSquare, {0, 0, 40, 100}, {0, 30, 40, 70}},
      {ss3DRectangle, {0, 0, 100, 40}, {4, 4, 96, 36}},
      {ss3DSquare, {0, 0, 100, 40}, {34, 4, 66, 36}},
      {ss3DEllipse, {0, 0, 100, 40}, {4, 4, 96, 36}},
      {ss3DRoundRect, {0, 0, 100, 40}, {4, 4, 96, 36}},
      {ss3DImage, {100, 40, 0, 0}, {0, 0, 100, 40}},
      {ssDiamond, {100, 40, 0, 0}, {0, 0, 100, 40}},
      {ss3DUpTriangle, {0, 0, 100, 40}, {0, 0, 100, 40}},
      {TVXShapeStyle(24), {100, 40, 0, 0}, {0, 0, 100, 40}},
  };
  for (const auto& K : Cases) {
    TRecordingCanvas C;
    EXPECT_EQ(Draw(C, K.Rect, K.Style), K.Expected) << int(K.Style);
    if (K.Style == ss3DImage || K.Style > ss3DRoundSquare) {
      EXPECT_EQ(C.Count(), 0u) << int(K.Style);
    }
  }
}

TEST(DrawShapeStyle, RoundStylesUseAQuarterOfTheSmallerSideTakenBeforeTheInset) {
  for (TVXShapeStyle S : {ssRoundRect, ss3DRoundRect}) {
    TRecordingCanvas C;
    Draw(C, TRectF{0, 0, 100, 40}, S);
    // The body is the last rounded rectangle: fill, then outline.
    const TCanvasRecord& Body = C[C.Count() - 2];
    ASSERT_EQ(Body.Op, TCanvasOp::FillPath);
    const std::string Text = Body.ToString();
    // Its top edge starts one radius (10) in from the left side.
    const float Left = S == ssRoundRect ? 0 : 4;
    EXPECT_EQ(Body.Points.front().X, Left + 10) << Text;
  }
}

TEST(DrawShapeStyle, RaisedRectangleOutlineUsesWhatTheFrameLeavesBehind) {
  TRecordingCanvas C;
  C.SetStrokeThickness(3);
  Draw(C, TRectF{0, 0, 20, 20}, ss3DRectangle, 1, 2);
  const TCanvasRecord& Outline = C[C.Count() - 2];
  ASSERT_EQ(Outline.Op, TCanvasOp::DrawRect);
  EXPECT_EQ(Outline.Rect, (TRectF{2, 2, 18, 18}));
  EXPECT_EQ(Outline.Stroke.Thickness(), 1);
  EXPECT_EQ(Outline.Stroke.Color(), Bottom);
}

TEST(DrawShapeStyle, RaisedDiamondBevelThenTheDiamondMovedInByTheDepth) {
  TRecordingCanvas C;
  Draw(C, TRectF{0, 0, 100, 60}, ss3DDiamond, 1, 5);
  EXPECT_EQ(CallsWithColors(C),
            "DrawPath [M0,30 L50,0 L50,60 L0,30] op=1 none\nFillPath [M0,30 L50,0 L50,60 L0,30] op=1 FFFF0000\n"
            "DrawPath [M100,30 L50,0 L50,60 L100,30] op=1 none\n"
            "FillPath [M100,30 L50,0 L50,60 L100,30] op=1 FF0000FF\n"
            "DrawPath [M5,30 L50,5 L95,30 L50,55 L5,30] op=1 FF000000\n"
            "FillPath [M5,30 L50,5 L95,30 L50,55 L5,30] op=1 FF000000\n");
}

// Raised triangles: the whole triangle in the top colour, the bottom facets
// closing on the incentre, then the triangle with every vertex moved the
// depth towards the incentre.
TEST(DrawShapeStyle, RaisedTrianglesMoveTheirVerticesTowardsTheIncentre) {
  const TRectF R{0, 0, 100, 60};
  const TPointF ML{0, 30}, MT{50, 0}, MR{100, 30}, MB{50, 60}, TL{0, 0}, TR{100, 0}, BL{0, 60}, BR{100, 60};
  const struct {
    TVXShapeStyle Style;
    std::array<TPointF, 3> Outer;
    size_t BottomFacets;
  } Cases[] = {{ss3DLeftTriangle, {ML, TR, BR}, 1},
               {ss3DRightTriangle, {TL, MR, BL}, 2},
               {ss3DUpTriangle, {BL, MT, BR}, 2},
               {ss3DDownTriangle, {TL, TR, MB}, 1}};
  for (const auto& K : Cases) {
    SCOPED_TRACE(int(K.Style));
    TRecordingCanvas C;
    Draw(C, R, K.Style, 1, 6);
    ASSERT_EQ(C.Count(), 2 * (2 + K.BottomFacets));
    EXPECT_EQ(C[1].Fill.Color(), Top);
    for (size_t F = 0; F < K.BottomFacets; ++F) EXPECT_EQ(C[3 + 2 * F].Fill.Color(), Bottom);
    const TPointF I = InCenterPoint(K.Outer[0], K.Outer[1], K.Outer[2]);
    const auto& Body = C[C.Count() - 1].Points;  // move, three lines
    ASSERT_EQ(Body.size(), 4u);
    for (int V = 0; V < 3; ++V) {
      const double DX = double(Body[V].X) - K.Outer[V].X, DY = double(Body[V].Y) - K.Outer[V].Y;
      EXPECT_NEAR(std::hypot(DX, DY), 6, 1e-4) << V;
      // Towards I: the move and the way to I point the same way.
      const double TX = double(I.X) - K.Outer[V].X, TY = double(I.Y) - K.Outer[V].Y;
      EXPECT_NEAR(DX * TY - DY * TX, 0, 1e-3) << V;
      EXPECT_GT(DX * TX + DY * TY, 0) << V;
    }
    EXPECT_EQ(C[C.Count() - 1].Fill.Color(), 0xFF000000u);
  }
}

TEST(DrawShapeStyle, TranslucentRaisedStylesAreBlendedOnceFlatOnesDrawDirectly) {
  {
    TRecordingCanvas C;
    C.SetMatrix(TMatrix::CreateTranslation(10, 5));
    Draw(C, TRectF{20, 20, 60, 50}, ss3DDiamond, 0.5f);
    ASSERT_EQ(C.Count(), 1u);
    EXPECT_EQ(C[0].Op, TCanvasOp::DrawBitmap);
    EXPECT_EQ(C[0].Opacity, 0.5f);
    // The bitmap covers the shape (device pixels 30..70 x 25..55) plus the
    // reach of a one-unit miter-joined stroke, and nothing near the origin.
    EXPECT_EQ(C[0].Rect, (TRectF{24, 19, 76, 61}));
    EXPECT_EQ(C[0].SourceRect, (TRectF{0, 0, 52, 42}));
    EXPECT_EQ(C[0].Matrix, TMatrix::Identity());
    EXPECT_EQ(C.Matrix(), TMatrix::CreateTranslation(10, 5));
  }
  {
    TRecordingCanvas C;
    Draw(C, TRectF{20, 20, 60, 50}, ssDiamond, 0.5f);
    EXPECT_EQ(Calls(C), "DrawPath [M20,35 L40,20 L60,35 L40,50 L20,35] op=0.5\n"
                        "FillPath [M20,35 L40,20 L60,35 L40,50 L20,35] op=0.5\n");
  }
  {  // Entirely off the canvas: nothing to blend.
    TRecordingCanvas C;
    Draw(C, TRectF{-300, -300, -200, -200}, ss3DCircle, 0.5f);
    EXPECT_EQ(C.Count(), 0u);
  }
}

TEST(CopyCanvasState, TargetTakesEveryPartOfTheSource) {
  TRecordingCanvas Source, Target;
  VXTest::SetUnusualState(Source);
  const VXTest::TStateSnapshot Expected(Source);
  CopyCanvasState(Target, Source);
  EXPECT_EQ(Expected.Diff(Target), "");
}

// Hostile input: every style on a real bitmap with non-finite or huge
// geometry, depth and opacity ends quickly and leaves the canvas usable.
TEST(DrawShapeStyle, HostileInputEndsQuietly) {
  const float NaN = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();
  TBitmap Bmp(60, 60);
  TBitmap Image(4, 4);
  for (const TRectF& R : {TRectF{NaN, 0, 10, 10}, TRectF{-Inf, 0, Inf, 10}, TRectF{-1e3f, -1e3f, 1e3f, 1e3f}})
    for (float Depth : {3.0f, NaN, 1e30f})
      for (float Opacity : {1.0f, 0.5f, NaN})
        for (int S = 0; S <= ss3DRoundSquare; ++S)
          DrawShape(Bmp.Canvas(), R, &Image, TVXShapeStyle(S), true, Top, Bottom, Depth, Opacity);
  for (int Type = sRect; Type <= sRightTriangle; ++Type)
    DrawShape(Bmp.Canvas(), TRectF{0, 0, 1e3f, 1e3f}, TVXShapeType(Type), soUp, true, 1e30f);
  Bmp.Clear(0xFFFFFFFF);
  Bmp.Canvas().Fill().SetColor(0xFF00FF00);
  Bmp.Canvas().SetStrokeThickness(1);
  DrawShape(Bmp.Canvas(), TRectF{10, 10, 50, 50}, nullptr, ss3DCircle, false, Top, Bottom, 4, 0.5f);
  EXPECT_NE(Bmp.GetPixel(30, 30), 0xFFFFFFFFu);
}

// --- A canvas that fails midway ------------------------------------------

TEST(ShapeFailures, EveryCallMayFailAndTheStateIsStillPutBack) {
  TBitmap Image(8, 8);
  for (int Style = 0; Style <= ss3DRoundSquare; ++Style)
    for (float Opacity : {1.0f, 0.5f}) {
      SCOPED_TRACE("style " + std::to_string(Style) + " opacity " + std::to_string(Opacity));
      const bool Offscreen = Opacity < 1 && ShapeStyles3D.Contains(TVXShapeStyle(Style));
      const int Base = Style % 12;
      // Frames outside a bracket leave their stroke thickness and colour.
      const bool FrameLeavesStroke = !Offscreen && Style >= 12 &&
                                     (Base == ssRectangle || Base == ssSquare || Base == ssRoundRect ||
                                      Base == ssRoundSquare);
      const int Calls = VXTest::FailAtEveryCall(
          [&](TCanvas& C) {
            DrawShape(C, TRectF{10, 10, 90, 70}, &Image, TVXShapeStyle(Style), true, Top, Bottom, 3, Opacity);
          },
          [&](const VXTest::TThrowingCanvas& C, const VXTest::TStateSnapshot& Before) {
            if (FrameLeavesStroke) {
              VXTest::TStateSnapshot Expected = Before;
              Expected.Stroke = C.Stroke();
              EXPECT_EQ(Expected.Diff(C), "");
              EXPECT_EQ(C.GetStrokeThickness(), 1);
            } else {
              EXPECT_EQ(Before.Diff(C), "");
            }
          });
      if (Style != ss3DImage) {
        EXPECT_GT(Calls, 0);
      }
      if (Offscreen) {
        EXPECT_EQ(Calls, 1);  // the single blend
      }
    }
  for (int Type = sRect; Type <= sRightTriangle; ++Type) {
    SCOPED_TRACE("type " + std::to_string(Type));
    VXTest::FailAtEveryCall(
        [&](TCanvas& C) { DrawShape(C, TRectF{10, 10, 90, 70}, TVXShapeType(Type), soRight, true, 4); },
        [&](const VXTest::TThrowingCanvas& C, const VXTest::TStateSnapshot& Before) {
          VXTest::TStateSnapshot Expected = Before;
          if (Type == sRect) Expected.Stroke = C.Stroke();
          EXPECT_EQ(Expected.Diff(C), "");
        });
  }
}

}  // namespace
