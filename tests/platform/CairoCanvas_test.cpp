// Pixel tests of the Cairo canvas: shapes, strokes, gradients, opacity,
// matrix and clip land where they should.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Math.h"
#include "platform/PathData.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;
using namespace CanvasProbe;

namespace {

constexpr TAlphaColor Red = 0xFFFF0000, Blue = 0xFF0000FF, Black = 0xFF000000, White = 0xFFFFFFFF;
const float NaN = std::nanf("");

struct TProbe {
  int X, Y;
  bool Painted;  // alpha above 200, else below or equal
};

using TDraw = std::function<void(TCanvas&)>;

struct TShapeCase {
  const char* Name;
  TDraw Draw;
  std::vector<TProbe> Probes;
};

// Small drawing recipes for the table below.
TDraw Fill(TRectF R) { return [R](TCanvas& C) { C.FillRect(R, 1); }; }
TDraw Rounded(TRectF R, float Radius, TCorners Corners, TCornerType Type = TCornerType::Round) {
  return [=](TCanvas& C) { C.FillRect(R, Radius, -Radius, Corners, 1, Type); };
}
TDraw Line(TPointF A, TPointF B) { return [=](TCanvas& C) { C.DrawLine(A, B, 1); }; }
TDraw Poly(std::vector<TPointF> P) { return [P](TCanvas& C) { C.DrawPolygon(P, 1); }; }
TDraw Arc(float Start, float Sweep, TPointF Radius = {10, 10}) {
  return [=](TCanvas& C) { C.DrawArc({20, 20}, Radius, Start, Sweep, 1); };
}
TDraw Thick(float T, TDraw D, TStrokeCap Cap = TStrokeCap::Flat, TStrokeJoin Join = TStrokeJoin::Miter) {
  return [=](TCanvas& C) {
    C.SetStrokeThickness(T);
    C.SetStrokeCap(Cap);
    C.SetStrokeJoin(Join);
    D(C);
  };
}
TDraw Transformed(TMatrix M, TDraw D) {
  return [=](TCanvas& C) {
    C.SetMatrix(M);
    D(C);
  };
}
TDraw Clipped(TRectF A, TRectF B, TDraw D) {
  return [=](TCanvas& C) {
    C.IntersectClipRect(A);
    C.IntersectClipRect(B);
    D(C);
  };
}

void NestedSquares(TCanvas& C) {  // two squares with the same winding
  TPathData P;
  for (const float D : {0.0f, 10.0f}) {
    P.MoveTo({D, D});
    P.LineTo({40 - D, D});
    P.LineTo({40 - D, 40 - D});
    P.LineTo({D, 40 - D});
    P.ClosePath();
  }
  P.AddPoint(TPathPointKind::CurveTo, {0, 0});  // dangling curve point: skipped
  C.FillPath(P, 1);
}

const TRectF Square{0, 0, 40, 40};
const std::vector<TPointF> Apex = {{5, 30}, {20, 5}, {35, 30}};

// Every case draws on a fresh 40 x 40 canvas; expected pixels are worked
// out from the geometry in the comments.
const TShapeCase ShapeCases[] = {
    {"inverted rectangle (10,10)-(30,20)", Fill({30, 20, 10, 10}),
     {{10, 10, true}, {29, 19, true}, {9, 10, false}, {30, 10, false}, {10, 20, false}}},
    // Radii 10. Round: circle around (10,10); Bevel: cut x + y = 10;
    // InnerRound: circle around (0,0) removed; InnerLine: the square [0,10]^2
    // removed. The other corners mirror the top-left one.
    {"round corners", Rounded(Square, 10, AllCorners),
     {{1, 1, false}, {3, 3, true}, {5, 5, true}, {8, 8, true}, {38, 1, false}, {1, 38, false}, {38, 38, false}}},
    {"bevel corners", Rounded(Square, 10, AllCorners, TCornerType::Bevel),
     {{1, 1, false}, {3, 3, false}, {5, 5, true}, {8, 8, true}, {38, 38, false}}},
    {"inner round corners", Rounded(Square, 10, AllCorners, TCornerType::InnerRound),
     {{3, 3, false}, {5, 5, false}, {8, 8, true}, {12, 3, true}, {38, 38, false}}},
    {"inner line corners", Rounded(Square, 10, AllCorners, TCornerType::InnerLine),
     {{5, 5, false}, {8, 8, false}, {12, 3, true}, {38, 38, false}}},
    {"two corners rounded", Rounded(Square, 10, {TCorner::TopLeft, TCorner::BottomRight}),
     {{1, 1, false}, {38, 38, false}, {38, 1, true}, {1, 38, true}}},
    {"ellipse in (0,0,40,20)", [](TCanvas& C) { C.FillEllipse(TRectF{0, 0, 40, 20}, 1); },
     {{20, 10, true}, {2, 10, true}, {37, 10, true}, {1, 1, false}, {38, 2, false}, {20, 20, false}}},
    {"radii capped at half the size give the ellipse", Rounded({0, 0, 40, 20}, 1000, AllCorners),
     {{20, 10, true}, {2, 10, true}, {37, 10, true}, {1, 1, false}, {38, 2, false}, {20, 20, false}}},
    {"path filled even-odd", NestedSquares, {{5, 5, true}, {20, 20, false}, {35, 20, true}}},
    // Line (10,10)-(30,10), 4 thick: a flat cap stops at x = 30, a round one
    // reaches x = 32.
    {"flat cap", Thick(4, Line({10, 10}, {30, 10})), {{29, 10, true}, {31, 10, false}, {8, 10, false}}},
    {"round cap", Thick(4, Line({10, 10}, {30, 10}), TStrokeCap::Round), {{31, 10, true}, {8, 10, true}}},
    // Apex (20,5), 6 thick: the miter tip reaches y = -0.83, the bevel
    // y = 3.46, the round join y = 2.
    {"miter join", Thick(6, Poly(Apex)), {{20, 1, true}, {20, 5, true}}},
    {"bevel join", Thick(6, Poly(Apex), TStrokeCap::Flat, TStrokeJoin::Bevel), {{20, 1, false}, {20, 5, true}}},
    {"round join", Thick(6, Poly(Apex), TStrokeCap::Flat, TStrokeJoin::Round), {{20, 1, false}, {20, 5, true}}},
    // A closed outline is joined at its start: the corner pixel is covered.
    {"polygon closed by repeating its first point", Thick(2, Poly({{10, 10}, {30, 10}, {30, 30}, {10, 30}, {10, 10}})),
     {{9, 9, true}, {10, 20, true}, {20, 20, false}}},
    {"open polygon", Thick(2, Poly({{10, 10}, {30, 10}, {30, 30}})),
     {{20, 10, true}, {30, 20, true}, {10, 20, false}}},
    {"polygon runs split at NaN", Thick(2, Poly({{0, 5}, {10, 5}, {NaN, 0}, {20, 5}, {30, 5}})),
     {{5, 5, true}, {15, 5, false}, {25, 5, true}}},
    // Arcs around (20,20), radius 10, 2 thick; probes at 45, -45, 135 degrees.
    {"arc 0..90", Thick(2, Arc(0, 90)), {{27, 27, true}, {27, 12, false}, {12, 27, false}}},
    {"arc 0..-90", Thick(2, Arc(0, -90)), {{27, 27, false}, {27, 12, true}, {12, 27, false}}},
    {"arc sweep beyond a turn", Thick(2, Arc(90, 720)), {{27, 27, true}, {27, 12, true}, {12, 27, true}}},
    // Radii 15 and 5, 90..100 degrees: from (20,25) left to (17.4,24.9); a
    // circle of either radius would paint none of the probes.
    {"elliptical arc", Thick(2, Arc(90, 10, {15, 5})), {{18, 24, true}, {21, 24, false}, {18, 29, false}}},
    // (0,0,10,10) moved by (10,5); scaled by 2; (0,0,20,5) rotated by 90
    // degrees and moved right: (x, y) -> (40 - y, x).
    {"translated", Transformed(TMatrix::CreateTranslation(10, 5), Fill({0, 0, 10, 10})),
     {{15, 10, true}, {19, 14, true}, {5, 5, false}, {20, 10, false}}},
    {"scaled", Transformed(TMatrix::CreateScaling(2, 2), Fill({0, 0, 10, 10})), {{19, 19, true}, {21, 10, false}}},
    {"rotated",
     Transformed(TMatrix::CreateRotation(float(Pi / 2)) * TMatrix::CreateTranslation(40, 0), Fill({0, 0, 20, 5})),
     {{37, 10, true}, {37, 18, true}, {10, 2, false}, {32, 10, false}}},
    {"stroke thickness scales with the matrix", Transformed(TMatrix::CreateScaling(4, 4), Line({0, 5}, {10, 5})),
     {{10, 18, true}, {10, 21, true}, {10, 17, false}, {10, 22, false}}},
    {"clip narrowed twice", Clipped({20, 20, 10, 10}, {15, 0, 40, 40}, Fill(Square)),
     {{17, 15, true}, {12, 15, false}, {22, 15, false}, {17, 5, false}}},
    {"clip follows the matrix of its call",
     Transformed(TMatrix::CreateTranslation(10, 10),
                 Clipped(Square, {0, 0, 10, 10}, Transformed(TMatrix::Identity(), Fill(Square)))),
     {{15, 15, true}, {5, 5, false}, {25, 25, false}}},
    {"clip put back by PopClip",
     [](TCanvas& C) {
       {
         TClipGuard Guard(C);
         C.IntersectClipRect(TRectF{0, 0, 1, 1});
       }
       C.PopClip();  // unmatched: nothing happens
       C.FillRect(Square, 1);
     },
     {{5, 5, true}, {35, 35, true}}},
};

TEST(CairoCanvasShapes, LandWhereTheyShould) {
  for (const TShapeCase& K : ShapeCases) {
    TBitmap Bmp(40, 40);
    K.Draw(Bmp.Canvas());
    for (const TProbe& P : K.Probes)
      EXPECT_EQ(AlphaAt(Bmp, P.X, P.Y) > 200, P.Painted)
          << K.Name << ": pixel (" << P.X << "," << P.Y << ") alpha " << AlphaAt(Bmp, P.X, P.Y);
  }
}

TEST(CairoCanvasShapes, DashesScaleWithThickness) {
  // Dash is 3 on, 1 off in thickness units; custom {1, 2} is 1 on, 2 off.
  const struct {
    float Thickness;
    TStrokeDash Dash;
    std::vector<float> Custom;
    std::vector<int> On, Off;
  } Cases[] = {
      {2, TStrokeDash::Dash, {}, {1, 5, 8}, {6, 7, 14}},
      {4, TStrokeDash::Dash, {}, {10, 16}, {13}},
      {4, TStrokeDash::Custom, {1, 2}, {2, 13}, {6}},
      {4, TStrokeDash::Custom, {0, 0}, {6, 13}, {}},  // invalid pattern: solid
      {4, TStrokeDash::Solid, {}, {6, 13}, {}},
  };
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  for (const auto& K : Cases) {
    Bmp.Clear(0);
    C.SetStrokeThickness(K.Thickness);
    if (K.Dash == TStrokeDash::Custom)
      C.Stroke().SetCustomDash(K.Custom, 0);
    else
      C.SetStrokeDash(K.Dash);
    C.DrawLine({0, 20}, {40, 20}, 1);
    for (const int X : K.On) EXPECT_EQ(AlphaAt(Bmp, X, 20), 255) << X;
    for (const int X : K.Off) EXPECT_EQ(AlphaAt(Bmp, X, 20), 0) << X;
  }
}

TEST(CairoCanvasShapes, BadInputPaintsNothingAndLeavesTheCanvasUsable) {
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  const TRectF All{0, 0, 40, 40};
  C.Fill().SetKind(TBrushKind::None);
  C.FillRect(All, 1);
  C.Fill().SetKind(TBrushKind::Solid);
  C.FillRect(All, 0);
  C.FillRect(All, NaN);
  C.FillEllipse(TRectF{0, 0, NaN, 40}, 1);
  // The outline of an ellipse far beyond Cairo's device range lies far
  // outside the bitmap (this one used to bring Cairo down).
  C.DrawEllipse(TRectF{-3.4028046e38f, -3.38394237e38f, 3.38394237e38f, 3.4028046e38f}, 1);
  C.SetStrokeThickness(0);
  C.DrawRect(All, 1);
  C.SetStrokeThickness(-3);
  C.DrawLine({0, 0}, {40, 40}, 1);
  C.SetStrokeThickness(1);
  TPathData P;
  P.MoveTo({0, 0});
  P.LineTo({40, 0});
  P.LineTo({NaN, 40});
  C.FillPath(P, 1);
  C.SetMatrix(TMatrix::CreateScaling(0, 1));  // singular
  C.FillRect(All, 1);
  TMatrix M = TMatrix::Identity();
  M.m31 = NaN;
  C.SetMatrix(M);
  C.FillEllipse(All, 1);
  EXPECT_TRUE(InkBox(Bmp, 0).Empty());
  C.SetMatrix(TMatrix::Identity());
  C.FillRect(TRectF{0, 0, 10, 10}, 1);
  EXPECT_EQ(AlphaAt(Bmp, 5, 5), 255);
}

TEST(CairoCanvasShapes, EllipsesFarBeyondTheDeviceRangePaintWhatTheyCover) {
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetColor(0xFF000000);
  // The bitmap lies deep inside this ellipse, near its centre.
  C.FillEllipse(TRectF{-3.4028046e38f, -3.38394237e38f, 3.38394237e38f, 3.4028046e38f}, 1);
  for (int Y : {0, 20, 39})
    for (int X : {0, 20, 39}) EXPECT_EQ(AlphaAt(Bmp, X, Y), 255) << X << "," << Y;
  // Far off to the side, an equally huge ellipse misses the bitmap.
  TBitmap Miss(40, 40);
  Miss.Canvas().Fill().SetColor(0xFF000000);
  Miss.Canvas().FillEllipse(TRectF{1e37f, 1e37f, 3e38f, 3e38f}, 1);
  EXPECT_TRUE(InkBox(Miss, 0).Empty());
}

TEST(CairoCanvasColour, OpacityBlendsOverWhatIsThere) {
  TBitmap Bmp(20, 20);
  TCanvas& C = Bmp.Canvas();
  Bmp.Clear(White);
  C.Fill().SetColor(Red);
  C.FillRect(TRectF{0, 0, 20, 20}, 0.5f);
  EXPECT_EQ(A(Bmp.GetPixel(10, 10)), 255);
  EXPECT_EQ(R(Bmp.GetPixel(10, 10)), 255);
  EXPECT_NEAR(G(Bmp.GetPixel(10, 10)), 128, 1);
  // On a transparent bitmap opacity and colour alpha multiply.
  Bmp.Clear(0);
  C.Fill().SetColor(0x800000FF);
  C.FillRect(TRectF{0, 0, 20, 20}, 0.5f);
  EXPECT_NEAR(AlphaAt(Bmp, 10, 10), 64, 1);
  EXPECT_EQ(B(Bmp.GetPixel(10, 10)), 255);
  C.Fill().SetColor(Blue);
  C.FillRect(TRectF{0, 0, 20, 20}, 7);  // above 1 counts as 1
  EXPECT_EQ(Bmp.GetPixel(10, 10), Blue);
}

TEST(CairoCanvasColour, CachedContextStateNeverPaintsWithStaleBrushes) {
  // The canvas sets cairo's source, line style and matrix only when they
  // change; alternating brushes and a PopClip (which rolls the context
  // back) must still paint with the current state.
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetColor(Red);
  C.Stroke().SetColor(Blue);
  C.SetStrokeThickness(2);
  for (int I = 0; I < 3; ++I) {
    C.FillRect(TRectF{I * 12 + 2.0f, 2, I * 12 + 10.0f, 10}, 1);
    C.DrawRect(TRectF{I * 12 + 2.0f, 12, I * 12 + 10.0f, 18}, 1);
    EXPECT_EQ(Bmp.GetPixel(I * 12 + 6, 6), Red);
    EXPECT_EQ(Bmp.GetPixel(I * 12 + 2, 15), Blue);
  }
  Bmp.Clear(0);
  C.PushClip();
  C.Fill().SetColor(Blue);
  C.SetMatrix(TMatrix::CreateTranslation(20, 20));
  C.SetStrokeThickness(4);
  C.FillRect(TRectF{0, 0, 5, 5}, 1);
  C.PopClip();
  C.FillRect(TRectF{10, 0, 15, 5}, 1);    // device (30,20)-(35,25)
  C.DrawLine({-20, -15}, {-10, -15}, 1);  // device y = 5, 4 thick
  EXPECT_EQ(Bmp.GetPixel(32, 22), Blue);
  EXPECT_EQ(Bmp.GetPixel(12, 2), 0u);
  EXPECT_EQ(AlphaAt(Bmp, 5, 3), 255);
}

TEST(CairoCanvasColour, ClearReplacesPixelsInsideTheClip) {
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetColor(Red);
  C.FillRect(TRectF{0, 0, 40, 40}, 1);
  C.IntersectClipRect(TRectF{0, 0, 20, 40});
  C.Clear(0x400000FF);
  EXPECT_EQ(Bmp.GetPixel(5, 5), 0x400000FFu);  // replaced, not blended
  EXPECT_EQ(Bmp.GetPixel(25, 5), Red);
}

TEST(CairoCanvasGradient, LinearRunsAlongTheFilledBoxThroughAllStops) {
  TBitmap Bmp(200, 10);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetKind(TBrushKind::Gradient);
  C.Fill().Gradient().AddPoint(White, 1);  // out of order: painting sorts by offset
  C.Fill().Gradient().AddPoint(Black, 0);
  C.FillRect(TRectF{100, 0, 200, 10}, 1);
  // x = 100 is the start, 200 the end: pixel 100 + k is (0.5 + k) / 100 * 255.
  EXPECT_EQ(AlphaAt(Bmp, 99, 5), 0);
  EXPECT_NEAR(R(Bmp.GetPixel(100, 5)), 1, 2);
  EXPECT_NEAR(R(Bmp.GetPixel(149, 5)), 126, 2);
  EXPECT_NEAR(R(Bmp.GetPixel(199, 5)), 254, 2);
  // Reversed and vertical: start (0, 1), stop (0, 0).
  C.Fill().Gradient().SetStartPosition({0, 1});
  C.Fill().Gradient().SetStopPosition({0, 0});
  C.FillRect(TRectF{0, 0, 100, 10}, 1);
  EXPECT_GT(R(Bmp.GetPixel(50, 0)), 200);
  EXPECT_LT(R(Bmp.GetPixel(50, 9)), 50);
  // Three stops, half opacity: red, green at the middle, blue.
  TBrush Brush(TBrushKind::Gradient, 0);
  Brush.Gradient().AddPoint(Red, 0);
  Brush.Gradient().AddPoint(0xFF00FF00, 0.5f);
  Brush.Gradient().AddPoint(Blue, 1);
  C.SetFill(Brush);
  Bmp.Clear(0);
  C.FillRect(TRectF{0, 0, 100, 10}, 0.5f);
  EXPECT_NEAR(AlphaAt(Bmp, 50, 5), 128, 1);
  EXPECT_GT(R(Bmp.GetPixel(0, 5)), 240);
  EXPECT_GT(G(Bmp.GetPixel(50, 5)), 240);
  EXPECT_GT(B(Bmp.GetPixel(99, 5)), 240);
  EXPECT_NEAR(R(Bmp.GetPixel(24, 5)), 130, 4);  // 49 % of the way from red to green
}

TEST(CairoCanvasGradient, RadialIsCentredInTheBox) {
  TBitmap Bmp(100, 100);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetKind(TBrushKind::Gradient);
  TGradient& G = C.Fill().Gradient();
  G.SetStyle(TGradientStyle::Radial);
  G.AddPoint(White, 0);
  G.AddPoint(Black, 1);
  C.FillRect(TRectF{0, 0, 100, 100}, 1);
  EXPECT_GT(R(Bmp.GetPixel(50, 50)), 245);
  EXPECT_NEAR(R(Bmp.GetPixel(50, 5)), 28, 3);  // 44.5 / 50 of the way out
  EXPECT_EQ(Bmp.GetPixel(0, 0), Black);        // beyond the rim: the last stop
  G.SetRadialCenter({0.25f, 0.5f});
  C.FillEllipse(TRectF{0, 0, 100, 100}, 1);
  EXPECT_GT(R(Bmp.GetPixel(25, 50)), 245);
  EXPECT_LT(R(Bmp.GetPixel(60, 50)), 200);
}

TEST(CairoCanvasGradient, DegenerateGradients) {
  TBitmap Bmp(20, 20);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetKind(TBrushKind::Gradient);
  C.FillRect(TRectF{0, 0, 20, 20}, 1);  // no stops: nothing
  EXPECT_EQ(AlphaAt(Bmp, 10, 10), 0);
  C.Fill().Gradient().AddPoint(Red, 0.3f);  // one stop: its colour
  C.FillRect(TRectF{0, 0, 20, 20}, 1);
  EXPECT_EQ(Bmp.GetPixel(10, 10), Red);
  C.Fill().Gradient().AddPoint(Blue, 0.6f);
  C.Fill().Gradient().SetStopPosition({0, 0});  // start = stop: the last stop
  C.FillRect(TRectF{0, 0, 20, 20}, 1);
  EXPECT_EQ(Bmp.GetPixel(10, 10), Blue);
}

// Cairo carries the map from device pixels to a gradient in 16.16 fixed point
// and, once that overflows, refuses every later drawing on the context. The
// canvas keeps such gradients within range or paints their padded end colour,
// and stays usable.
TEST(CairoCanvasGradient, ExtremeMapsPaintAndLeaveTheCanvasUsable) {
  TMatrix Shear = TMatrix::Identity();
  Shear.m12 = -522240;  // device y = y - 522240 x
  Shear.m21 = 1e-40f;   // denormal
  struct TColourProbe {
    int X, Y;
    TAlphaColor Colour;
  };
  const struct {
    const char* Name;
    TMatrix Matrix;
    TGradientStyle Style;
    TPointF Start, Stop;
    TRectF Rect;
    std::vector<TColourProbe> Probes;
  } Cases[] = {
      // The user space runs a million units down per pixel across: the
      // horizontal gradient still runs across the bitmap, red to blue.
      {"sheared linear", Shear, TGradientStyle::Linear, {0, 0}, {1, 0}, {0, 0, 40, 2.1e7f},
       {{2, 20, 0xFFEF0010}, {37, 20, 0xFF1000EF}}},
      {"sheared radial", Shear, TGradientStyle::Radial, {0, 0}, {1, 0}, {0, 0, 40, 2.1e7f},
       {{20, 20, 0xFFF70008}, {0, 20, Blue}}},
      // A gradient far shorter than a pixel, or short and far off to the
      // side: the padded end on the visible side shows.
      {"sub-pixel linear", TMatrix::Identity(), TGradientStyle::Linear, {0, 0}, {1e-6f, 0}, {0, 0, 40, 40},
       {{20, 20, Blue}, {39, 0, Blue}}},
      {"far-off linear", TMatrix::Identity(), TGradientStyle::Linear, {1000, 0}, {1000.001f, 0}, {0, 0, 40, 40},
       {{0, 0, Red}, {39, 39, Red}}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TBitmap Bmp(40, 40);
    TCanvas& C = Bmp.Canvas();
    C.Fill().SetKind(TBrushKind::Gradient);
    TGradient& G = C.Fill().Gradient();
    G.SetStyle(Case.Style);
    G.SetStartPosition(Case.Start);
    G.SetStopPosition(Case.Stop);
    G.AddPoint(Red, 0);
    G.AddPoint(Blue, 1);
    C.SetMatrix(Case.Matrix);
    C.FillRect(Case.Rect, 1);
    TPathData P;
    P.AddRectangle(Case.Rect, 0, 0, AllCorners);
    C.FillPath(P, 1);
    for (const TColourProbe& Probe : Case.Probes) {
      const TAlphaColor Got = Bmp.GetPixel(Probe.X, Probe.Y);
      EXPECT_EQ(A(Got), 255) << Probe.X << "," << Probe.Y;
      EXPECT_NEAR(R(Got), R(Probe.Colour), 3) << Probe.X << "," << Probe.Y;
      EXPECT_NEAR(B(Got), B(Probe.Colour), 3) << Probe.X << "," << Probe.Y;
    }
    C.SetMatrix(TMatrix::Identity());
    C.Fill().SetKind(TBrushKind::Solid);
    C.Fill().SetColor(Black);
    C.FillRect(TRectF{0, 0, 40, 40}, 1);
    EXPECT_EQ(Bmp.GetPixel(0, 0), Black);
    EXPECT_EQ(Bmp.GetPixel(39, 39), Black);
  }
}

// The cached context state: each change that alone alters the paint must
// reach Cairo, also when the colour, the clip or the stops stay the same.
TEST(CairoCanvasColour, CacheFollowsEveryChangeOnItsOwn) {
  TBitmap Bmp(40, 40);
  TCanvas& C = Bmp.Canvas();
  // Opacity alone (same colour): fill and stroke.
  C.Fill().SetColor(Blue);
  C.FillRect(TRectF{0, 0, 10, 10}, 1);
  C.FillRect(TRectF{10, 0, 20, 10}, 0.5f);
  EXPECT_EQ(AlphaAt(Bmp, 5, 5), 255);
  EXPECT_NEAR(AlphaAt(Bmp, 15, 5), 128, 1);
  C.Stroke().SetColor(Blue);
  C.SetStrokeThickness(2);
  C.DrawLine({0, 13}, {40, 13}, 0.25f);
  C.DrawLine({0, 17}, {40, 17}, 1);
  EXPECT_NEAR(AlphaAt(Bmp, 20, 13), 64, 1);
  EXPECT_EQ(AlphaAt(Bmp, 20, 17), 255);
  // Thickness alone, with no PopClip in between: 2 then 6 units thick.
  C.DrawLine({0, 24}, {40, 24}, 1);
  C.SetStrokeThickness(6);
  C.DrawLine({0, 33}, {40, 33}, 1);
  EXPECT_EQ(AlphaAt(Bmp, 5, 22), 0);
  EXPECT_EQ(AlphaAt(Bmp, 5, 30), 255);
  EXPECT_EQ(AlphaAt(Bmp, 5, 35), 255);
  // Dash alone (same thickness): solid, then 3-on-1-off dashes of 6.
  Bmp.Clear(0);
  C.DrawLine({0, 5}, {40, 5}, 1);
  C.SetStrokeDash(TStrokeDash::Dash);
  C.DrawLine({0, 15}, {40, 15}, 1);
  EXPECT_EQ(AlphaAt(Bmp, 20, 5), 255);
  EXPECT_EQ(AlphaAt(Bmp, 20, 15), 0);  // 20 mod 24 lies in the 18..24 gap
  EXPECT_EQ(AlphaAt(Bmp, 10, 15), 255);
  // Cap alone: round caps stick out 3 beyond the end.
  C.SetStrokeDash(TStrokeDash::Solid);
  C.DrawLine({10, 30}, {20, 30}, 1);
  EXPECT_EQ(AlphaAt(Bmp, 8, 30), 0);
  C.SetStrokeCap(TStrokeCap::Round);
  C.DrawLine({10, 30}, {20, 30}, 1);
  EXPECT_EQ(AlphaAt(Bmp, 8, 30), 255);
}

// Stops sharing an offset: a hard edge there, and where the gradient has no
// extent the last of the stops at the highest offset.
TEST(CairoCanvasGradient, StopsAtEqualOffsets) {
  TBitmap Bmp(40, 10);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetKind(TBrushKind::Gradient);
  TGradient& G = C.Fill().Gradient();
  G.SetStartPosition({0, 0});
  G.SetStopPosition({1, 0});
  G.AddPoint(Red, 0);
  G.AddPoint(Red, 0.5f);
  G.AddPoint(Blue, 0.5f);
  G.AddPoint(Blue, 1);
  C.FillRect(TRectF{0, 0, 40, 10}, 1);
  EXPECT_EQ(Bmp.GetPixel(18, 5), Red);
  EXPECT_EQ(Bmp.GetPixel(21, 5), Blue);
  G.ClearPoints();
  G.AddPoint(Blue, 1);
  G.AddPoint(Red, 1);
  G.AddPoint(Black, 0);
  G.SetStopPosition({0, 0});
  C.FillRect(TRectF{0, 0, 40, 10}, 1);
  EXPECT_EQ(Bmp.GetPixel(20, 5), Red);
}

}  // namespace
