// The Cairo canvas with hostile but finite numbers: coordinates far beyond
// Cairo's fixed-point range, strokes wider than the target, dashes over
// huge spans. Each case states which pixels must be fully painted and which
// must stay empty, worked out from the exact geometry.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;

namespace {

constexpr int Size = 32;

struct TCase {
  const char* Name;
  std::function<void(TCanvas&)> Draw;
  // Expected alpha of the pixel whose centre is (X + 0.5, Y + 0.5): 255
  // (inside), 0 (outside) or -1 (on an edge: not checked).
  std::function<int(double X, double Y)> Expect;
};

void Stroke(TCanvas& C, float Thickness, TStrokeCap Cap) {
  C.SetStrokeThickness(Thickness);
  C.SetStrokeCap(Cap);
}

// A flat-capped square corner at (16, 16), from far left to far below.
void Corner(TCanvas& C, float Thickness, TStrokeJoin Join) {
  Stroke(C, Thickness, TStrokeCap::Flat);
  C.SetStrokeJoin(Join);
  VX::Graphics::TVXPathData P;
  P.MoveTo({-1e7f, 16});
  P.LineTo({16, 16});
  P.LineTo({16, 1e7f});
  C.DrawPath(P, 1);
}

std::string Mismatches(const TBitmap& Bmp, const TCase& Case) {
  std::string Out;
  int Count = 0;
  for (int Y = 0; Y < Size; ++Y)
    for (int X = 0; X < Size; ++X) {
      const int Want = Case.Expect(X + 0.5, Y + 0.5);
      const int Got = CanvasProbe::AlphaAt(Bmp, X, Y);
      if (Want < 0 || std::abs(Got - Want) <= 2) continue;
      if (++Count <= 4) Out += "(" + std::to_string(X) + "," + std::to_string(Y) + ")=" + std::to_string(Got) + " ";
    }
  return Count ? std::to_string(Count) + " wrong: " + Out : "";
}

int Half(double V, double Edge) { return V < Edge - 0.5 ? 255 : V > Edge + 0.5 ? 0 : -1; }

}  // namespace

TEST(CairoHostile, PaintsTheAnalyticCoverageAtAnyFiniteCoordinate) {
  const TCase Cases[] = {
      {"fill reaching -1e15", [](TCanvas& C) { C.FillRect(TRectF{-1e15f, 0, 1e15f, 32}, 1); },
       [](double, double) { return 255; }},
      {"fill of +-1e30", [](TCanvas& C) { C.FillRect(TRectF{-1e30f, -1e30f, 1e30f, 1e30f}, 1); },
       [](double, double) { return 255; }},
      {"fill ending at x=16 from -3e38", [](TCanvas& C) { C.FillRect(TRectF{-3e38f, -3e38f, 16, 3e38f}, 1); },
       [](double X, double) { return Half(X, 16); }},
      {"triangle of +-3e38",
       [](TCanvas& C) {
         VX::Graphics::TVXPathData P;
         P.MoveTo({-3e38f, -3e38f});
         P.LineTo({3e38f, -3e38f});
         P.LineTo({3e38f, 3e38f});
         P.ClosePath();
         C.FillPath(P, 1);
       },
       [](double X, double Y) { return X - Y > 0.75 ? 255 : Y - X > 0.75 ? 0 : -1; }},
      {"line across 3e38",
       [](TCanvas& C) {
         Stroke(C, 4, TStrokeCap::Flat);
         C.DrawLine({-3e38f, 16}, {3e38f, 16}, 1);
       },
       [](double, double Y) { return Y > 14 && Y < 18 ? 255 : 0; }},
      {"flat cap 1e6 wide",
       [](TCanvas& C) {
         Stroke(C, 1e6f, TStrokeCap::Flat);
         C.DrawLine({4, 16}, {20, 16}, 1);
       },
       [](double X, double) { return X > 4 && X < 20 ? 255 : 0; }},
      {"round cap 1e13 wide",
       [](TCanvas& C) {
         Stroke(C, 1e13f, TStrokeCap::Round);
         C.DrawLine({0, 0}, {30, 30}, 1);
       },
       [](double, double) { return 255; }},
      {"round cap edge 1e6 away",
       // The cap's circle around (-1e6, 16) with radius 1e6 + 16 passes
       // within 16^2 / 2e6 of x = 16 across the bitmap.
       [](TCanvas& C) {
         Stroke(C, 2e6f + 32, TStrokeCap::Round);
         C.DrawLine({-3e6f, 16}, {-1e6f, 16}, 1);
       },
       [](double X, double) { return Half(X, 16); }},
      {"wide miter corner",
       // Square corner at (16, 16) of a path from far left to far below,
       // 2e6 wide: the miter fills the quadrant x < 16 + 1e6, y < 16 + 1e6
       // and the outline's inner side is the lines x = 16 - 1e6 ... all of
       // the bitmap lies inside.
       [](TCanvas& C) { Corner(C, 2e6f, TStrokeJoin::Miter); },
       [](double, double) { return 255; }},
      {"wide bevel corner",
       // A bevel cuts the outer corner (16 + 5e5, 16 - 5e5) off along
       // x - y = 1e6 ... the cut is far out; the bitmap lies in the inner
       // part, so the stroke covers it. The inner corner leaves the quadrant
       // x > 16 + 5e5 empty, which is off the bitmap.
       [](TCanvas& C) { Corner(C, 1e6f, TStrokeJoin::Bevel); },
       [](double, double) { return 255; }},
      {"clip to x<16 from -1e30",
       [](TCanvas& C) {
         C.IntersectClipRect(TRectF{-1e30f, -1e30f, 16, 1e30f});
         C.FillRect(TRectF{0, 0, 32, 32}, 1);
       },
       [](double X, double) { return Half(X, 16); }},
      {"dashes keep their phase from -1e7",
       // Dash: 3 on, 1 off, times the thickness 2; from x = -1e7 (a multiple
       // of the period 8) the dashes cover x mod 8 in [0, 6).
       [](TCanvas& C) {
         Stroke(C, 2, TStrokeCap::Flat);
         C.SetStrokeDash(TStrokeDash::Dash);
         C.DrawLine({-1e7f, 16}, {1e7f, 16}, 1);
       },
       [](double X, double Y) {
         if (Y < 15 || Y > 17) return 0;
         const double M = X - 8 * std::floor(X / 8);
         return M < 6 ? 255 : 0;
       }},
      {"wide dashes keep their phase",
       // 1e6 thick: 3e6 on, then 1e6 off, from x = 16 - 3e6.
       [](TCanvas& C) {
         Stroke(C, 1e6f, TStrokeCap::Flat);
         C.SetStrokeDash(TStrokeDash::Dash);
         C.DrawLine({16 - 3e6f, 16}, {1e7f, 16}, 1);
       },
       [](double X, double) { return Half(X, 16); }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TBitmap Bmp(Size, Size);
    Case.Draw(Bmp.Canvas());
    EXPECT_EQ(Mismatches(Bmp, Case), "");
  }
}

// Dashes far below a pixel are drawn solid, as light as their on share.
TEST(CairoHostile, DashesBelowAPixelPaintSolidAtTheirShare) {
  struct TDashCase {
    std::vector<float> Pattern;
    int Alpha;
  };
  const TDashCase Cases[] = {{{0.01f, 0.01f}, 128}, {{0.03f, 0.01f}, 191}, {{0.01f, 0.03f}, 64}};
  for (const TDashCase& Case : Cases) {
    TBitmap Bmp(Size, Size);
    TCanvas& C = Bmp.Canvas();
    C.SetStrokeThickness(4);
    C.Stroke().SetCustomDash(Case.Pattern, 0);
    C.DrawLine({-1e7f, 16}, {1e7f, 16}, 1);
    for (int X : {0, 13, 31}) {
      EXPECT_NEAR(CanvasProbe::AlphaAt(Bmp, X, 15), Case.Alpha, 2) << X;
      EXPECT_EQ(CanvasProbe::AlphaAt(Bmp, X, 10), 0) << X;
    }
  }
}

// A transform that squeezes x a thousandfold: dashes of a quarter pixel
// along x (four periods per pixel) still cover half of each pixel, while
// the stroke keeps its full width along y.
TEST(CairoHostile, SqueezedDashesKeepTheirShare) {
  TBitmap Bmp(Size, Size);
  TCanvas& C = Bmp.Canvas();
  TMatrix M = TMatrix::Identity();
  M.m11 = 1e-3f;
  M.m31 = 16;
  C.SetMatrix(M);
  C.SetStrokeThickness(2);
  C.SetStrokeCap(TStrokeCap::Flat);
  const std::vector<float> Pattern{62.5f, 62.5f};
  C.Stroke().SetCustomDash(Pattern, 0);
  C.DrawLine({-1e7f, 16}, {1e7f, 16}, 1);
  for (int X : {0, 13, 31}) {
    EXPECT_NEAR(CanvasProbe::AlphaAt(Bmp, X, 15), 128, 4) << X;
    EXPECT_NEAR(CanvasProbe::AlphaAt(Bmp, X, 16), 128, 4) << X;
    EXPECT_EQ(CanvasProbe::AlphaAt(Bmp, X, 14), 0) << X;
  }
}

// Clipping the geometry must not change what was visible anyway: a closed
// outline partly off the bitmap keeps its join where it starts on the
// bitmap, and a path crossing the edge many times fills as before.
TEST(CairoHostile, ClippedOutlinesKeepTheirJoinsAndWinding) {
  TBitmap Bmp(Size, Size);
  TCanvas& C = Bmp.Canvas();
  C.SetStrokeThickness(6);
  C.SetStrokeJoin(TStrokeJoin::Miter);
  VX::Graphics::TVXPathData P;  // starts at its top-left corner (8, 8), runs off to the right
  P.MoveTo({8, 8});
  P.LineTo({1e6f, 8});
  P.LineTo({1e6f, 24});
  P.LineTo({8, 24});
  P.ClosePath();
  C.DrawPath(P, 1);
  // The miter at (8, 8) fills the corner square (5..8, 5..8).
  EXPECT_EQ(CanvasProbe::AlphaAt(Bmp, 5, 5), 255);
  EXPECT_EQ(CanvasProbe::AlphaAt(Bmp, 5, 26), 255);
  EXPECT_EQ(CanvasProbe::AlphaAt(Bmp, 16, 16), 0);

  // Even-odd: a frame drawn as two rectangles, the outer far off the bitmap.
  TBitmap Frame(Size, Size);
  VX::Graphics::TVXPathData F;
  F.SetData("M-1e30,-1e30 L1e30,-1e30 L1e30,1e30 L-1e30,1e30 Z M8,8 L24,8 L24,24 L8,24 Z");
  Frame.Canvas().FillPath(F, 1);
  EXPECT_EQ(CanvasProbe::AlphaAt(Frame, 2, 2), 255);
  EXPECT_EQ(CanvasProbe::AlphaAt(Frame, 16, 16), 0);
  EXPECT_EQ(CanvasProbe::AlphaAt(Frame, 28, 16), 255);
}
