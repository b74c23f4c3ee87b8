// Shapes on real bitmaps: every style flat and raised, opaque and
// translucent, probed pixel by pixel.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/Shapes.h"
#include "platform/Bitmap.h"

using namespace FMX;
using namespace FMX::VX::Graphics;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF, Green = 0xFF00FF00,
                      Black = 0xFF000000, Yellow = 0xFFFFFF00;
constexpr float Depth = 10;

// What a probe expects: the bevel's top or bottom colour, the body's fill,
// the image, or nothing.
enum TInk : char { T = 't', B = 'b', F = 'f', I = 'i', W = 'w' };

// The colour of each ink seen through Opacity over white.
TAlphaColor Seen(TInk Ink, float Opacity) {
  const TAlphaColor Full = Ink == T ? Red : Ink == B ? Blue : Ink == F ? Green : Ink == I ? Yellow : White;
  TAlphaColor C = 0xFF000000;
  for (int Shift : {16, 8, 0}) {
    const double V = ((Full >> Shift) & 0xFF) * double(Opacity) + 255 * (1 - double(Opacity));
    C |= TAlphaColor(std::lround(V)) << Shift;
  }
  return C;
}

// The ink whose seen colour is nearest to the pixel (black outlines count
// as their own ink and never match an expectation).
char Classify(TAlphaColor Pixel, float Opacity) {
  char Best = '?';
  double BestD = 1e9;
  for (char Ink : {'t', 'b', 'f', 'i', 'w', 'k'}) {
    const TAlphaColor C = Ink == 'k' ? Black : Seen(TInk(Ink), Opacity);
    double D = 0;
    for (int Shift : {16, 8, 0}) {
      const double E = double((Pixel >> Shift) & 0xFF) - double((C >> Shift) & 0xFF);
      D += E * E;
    }
    if (D < BestD) BestD = D, Best = Ink;
  }
  return Best;
}

struct TPaper {
  TBitmap Bitmap{120, 100};
  TCanvas& C = Bitmap.Canvas();
  TPaper() {
    Bitmap.Clear(White);
    C.Fill().SetColor(Green);
    C.Stroke().SetColor(Black);
    C.SetStrokeThickness(1);
  }
};

const TRectF Box{10, 10, 110, 90};

struct TProbe {
  float X, Y;
  TInk Ink;
};

// A point 1.5 units inside the edge A-B of a polygon around Centre, at the
// edge's middle.
TProbe InsideEdge(TPointF A, TPointF Bp, TPointF Centre, TInk Ink) {
  const double MX = (double(A.X) + Bp.X) / 2, MY = (double(A.Y) + Bp.Y) / 2;
  double NX = -(double(Bp.Y) - A.Y), NY = double(Bp.X) - A.X;
  const double Len = std::hypot(NX, NY);
  NX /= Len, NY /= Len;
  if (NX * (Centre.X - MX) + NY * (Centre.Y - MY) < 0) NX = -NX, NY = -NY;
  return {float(MX + 1.5 * NX), float(MY + 1.5 * NY), Ink};
}

std::vector<TProbe> Polygon(std::initializer_list<TPointF> P, std::initializer_list<TInk> Inks) {
  std::vector<TPointF> V(P);
  std::vector<TInk> K(Inks);
  double CX = 0, CY = 0;
  for (const TPointF& Q : V) CX += Q.X / V.size(), CY += Q.Y / V.size();
  std::vector<TProbe> Result;
  for (size_t E = 0; E < V.size(); ++E)
    Result.push_back(InsideEdge(V[E], V[(E + 1) % V.size()], TPointF{float(CX), float(CY)}, K[E]));
  return Result;
}

// Probes of the raised style of Base (the flat style gets the centre and
// outside probes only).
std::vector<TProbe> BevelProbes(int Base) {
  const TPointF ML{10, 50}, MT{60, 10}, MR{110, 50}, MB{60, 90}, TL{10, 10}, TR{110, 10}, BL{10, 90}, BR{110, 90};
  switch (Base) {
    case ssRectangle: return {{11.5f, 50, T}, {60, 11.5f, T}, {107.5f, 50, B}, {60, 87.5f, B}};
    case ssSquare: return {{21.5f, 50, T}, {60, 11.5f, T}, {97.5f, 50, B}, {60, 87.5f, B}};
    case ssEllipse: return {{60, 11.5f, T}, {11.5f, 50, T}, {60, 88.5f, B}, {108.5f, 50, B}};
    case ssCircle: return {{60, 11.5f, T}, {21.5f, 50, T}, {60, 88.5f, B}, {98.5f, 50, B}};
    case ssRoundRect: return {{60, 11.5f, T}, {11.5f, 50, T}, {60, 88.5f, B}, {108.5f, 50, B}};
    case ssRoundSquare: return {{60, 11.5f, T}, {21.5f, 50, T}, {60, 88.5f, B}, {98.5f, 50, B}};
    case ssDiamond: return Polygon({ML, MT, MR, MB}, {T, B, B, T});
    case ssLeftTriangle: return Polygon({ML, TR, BR}, {T, B, T});
    case ssRightTriangle: return Polygon({TL, MR, BL}, {B, B, T});
    case ssUpTriangle: return Polygon({BL, MT, BR}, {T, B, B});
    case ssDownTriangle: return Polygon({TL, TR, MB}, {T, B, T});
    default: return {};
  }
}

TAlphaColor PixelAt(const TBitmap& Bmp, float X, float Y) { return Bmp.GetPixel(int(X), int(Y)); }

TEST(ShapePixels, EveryStyleFlatAndRaisedOpaqueAndTranslucent) {
  TBitmap Image(20, 20);
  Image.Clear(Yellow);
  for (int Style = 0; Style <= ss3DRoundSquare; ++Style)
    for (float Opacity : {1.0f, 0.5f}) {
      SCOPED_TRACE("style " + std::to_string(Style) + " opacity " + std::to_string(Opacity));
      TPaper P;
      DrawShape(P.C, Box, &Image, TVXShapeStyle(Style), true, Red, Blue, Depth, Opacity);
      const int Base = Style % 12;
      std::vector<TProbe> Probes;
      if (Base == ssImage)
        Probes = {{60, 50, Style == ssImage ? I : W}, {11, 11, Style == ssImage ? I : W}};
      else
        Probes = {{60, 50, F}, {5, 5, W}, {115, 95, W}};
      // Corners outside the rounded, round and pointed shapes stay white.
      if (Base != ssRectangle && Base != ssImage && Base != ssLeftTriangle && Base != ssRightTriangle &&
          Base != ssUpTriangle && Base != ssDownTriangle)
        Probes.push_back({Base == ssSquare ? 11.f : 11.f, 11, W});
      if (Style >= 12)
        for (const TProbe& Q : BevelProbes(Base)) Probes.push_back(Q);
      for (const TProbe& Q : Probes)
        EXPECT_EQ(Classify(PixelAt(P.Bitmap, Q.X, Q.Y), Opacity), char(Q.Ink)) << "at " << Q.X << "," << Q.Y;
      // The flat bodies are painted straight through: the fill centre shows
      // the fill at the opacity exactly.
      if (Base != ssImage) {
        const TAlphaColor Centre = P.Bitmap.GetPixel(60, 50);
        EXPECT_NEAR(int((Centre >> 16) & 0xFF), int((Seen(F, Opacity) >> 16) & 0xFF), 1);
      }
    }
}

TEST(ShapePixels, UnstretchedImageKeepsItsSizeAtTheTopLeftCorner) {
  TBitmap Image(20, 20);
  Image.Clear(Yellow);
  TPaper P;
  DrawShape(P.C, Box, &Image, ssImage, false, Red, Blue, Depth, 1);
  EXPECT_EQ(P.Bitmap.GetPixel(15, 15), Yellow);
  EXPECT_EQ(P.Bitmap.GetPixel(29, 29), Yellow);
  EXPECT_EQ(P.Bitmap.GetPixel(31, 31), White);
}

// A translucent raised shape is the opaque shape blended once: pixel for
// pixel the same as drawing it opaque on a clear bitmap and blending that,
// also reaching into negative coordinates and under a scaling matrix.
TEST(ShapePixels, TranslucentRaisedShapeEqualsTheOpaqueShapeBlendedOnce) {
  const struct {
    const char* Name;
    TRectF Rect;
    TMatrix Matrix;
  } Places[] = {
      {"inside", {10, 10, 110, 90}, TMatrix::Identity()},
      {"negative", {-40, -30, 60, 50}, TMatrix::Identity()},
      {"far corner", {70, 60, 150, 130}, TMatrix::Identity()},
      {"scaled", {-5, 2, 50, 40}, TMatrix::CreateScaling(2, 2) * TMatrix::CreateTranslation(3, 1)},
  };
  for (const auto& Place : Places)
    for (int Style = ss3DRectangle; Style <= ss3DRoundSquare; ++Style) {
      if (Style == ss3DImage) continue;
      SCOPED_TRACE(std::string(Place.Name) + " style " + std::to_string(Style));
      TPaper Direct;
      Direct.C.SetMatrix(Place.Matrix);
      DrawShape(Direct.C, Place.Rect, nullptr, TVXShapeStyle(Style), false, Red, Blue, 6, 0.5f);

      TPaper Blended;
      TBitmap Opaque(120, 100);
      Opaque.Canvas().Fill().SetColor(Green);
      Opaque.Canvas().Stroke().SetColor(Black);
      Opaque.Canvas().SetMatrix(Place.Matrix);
      DrawShape(Opaque.Canvas(), Place.Rect, nullptr, TVXShapeStyle(Style), false, Red, Blue, 6, 1);
      Blended.C.DrawBitmap(Opaque, TRectF{0, 0, 120, 100}, TRectF{0, 0, 120, 100}, 0.5f);

      int Differences = 0, Painted = 0;
      for (int Y = 0; Y < 100; ++Y)
        for (int X = 0; X < 120; ++X) {
          Differences += Direct.Bitmap.GetPixel(X, Y) != Blended.Bitmap.GetPixel(X, Y);
          Painted += Direct.Bitmap.GetPixel(X, Y) != White;
        }
      EXPECT_EQ(Differences, 0);
      EXPECT_GT(Painted, 200);
    }
}

}  // namespace
