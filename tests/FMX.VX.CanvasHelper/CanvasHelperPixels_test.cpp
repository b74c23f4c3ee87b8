// What the classic operations paint, probed on real bitmaps.

#include <gtest/gtest.h>

#include "FMX.VX.CanvasHelper/CanvasHelper.h"
#include "platform/Bitmap.h"

using namespace FMX;
using namespace FMX::VX::CanvasHelper;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF, Green = 0xFF00FF00;

// A white 100 x 100 bitmap filling red and stroking blue.
struct TPaper {
  TBitmap Bitmap{100, 100};
  TCanvas& C = Bitmap.Canvas();
  explicit TPaper(float PenWidth = 1) {
    Bitmap.Clear(White);
    C.Fill().SetColor(Red);
    C.Stroke().SetColor(Blue);
    C.SetStrokeThickness(PenWidth);
  }
  TAlphaColor operator()(int X, int Y) const { return Bitmap.GetPixel(X, Y); }
  int Ink(const TRect& R) const {
    int N = 0;
    for (int Y = R.Top; Y < R.Bottom; ++Y)
      for (int X = R.Left; X < R.Right; ++X) N += Bitmap.GetPixel(X, Y) != White;
    return N;
  }
};

struct TProbe {
  int X, Y;
  TAlphaColor Expected;
};

void ExpectPixels(const TPaper& P, std::initializer_list<TProbe> Probes, const char* What) {
  for (const TProbe& Q : Probes)
    EXPECT_EQ(P(Q.X, Q.Y), Q.Expected) << What << " at (" << Q.X << "," << Q.Y << ")";
}

// All arcs run counter-clockwise on screen from the right (ray to (100, 50))
// to the top (ray to (50, 0)) of the circle in (0, 0, 100, 100): the
// upper-right quarter.
TEST(CanvasHelperPixels, ChordPieAndArcCoverTheUpperRightQuarter) {
  {
    TPaper P;
    Chord(P.C, 0, 0, 100, 100, 100, 50, 50, 0);
    // (80, 20) lies between the arc and the chord from (100, 50) to (50, 0).
    ExpectPixels(P, {{80, 20, Red}, {60, 40, White}, {40, 40, White}, {20, 80, White}}, "Chord");
  }
  {
    TPaper P;
    Pie(P.C, 0, 0, 100, 100, 100, 50, 50, 0);
    ExpectPixels(P, {{80, 20, Red}, {60, 40, Red}, {40, 40, White}, {60, 60, White}, {20, 80, White}}, "Pie");
  }
  {
    TPaper P(4);
    Arc(P.C, 0, 0, 100, 100, 100, 50, 50, 0);
    // On the circle at 45 degrees up-right, not at its mirror down-left.
    ExpectPixels(P, {{85, 14, Blue}, {14, 85, White}, {60, 40, White}}, "Arc");
  }
}

TEST(CanvasHelperPixels, LineToAndArcToDrawFromThePenPosition) {
  TPaper P(4);
  MoveTo(P.C, 10, 10);
  LineTo(P.C, 90, 10);
  LineTo(P.C, 90, 90);
  ExpectPixels(P, {{50, 10, Blue}, {90, 50, Blue}, {50, 50, White}}, "LineTo");

  TPaper Q(4);
  MoveTo(Q.C, 10, 90);
  ArcTo(Q.C, 0, 0, 100, 100, 100, 50, 50, 0);  // line to (100, 50), arc to (50, 0)
  LineTo(Q.C, 50, 30);
  ExpectPixels(Q, {{55, 70, Blue}, {85, 14, Blue}, {50, 15, Blue}, {6, 75, White}, {30, 50, White}}, "ArcTo");
}

TEST(CanvasHelperPixels, CopyRectScalesAnotherBitmapsPixels) {
  TBitmap Source(20, 20);
  Source.Clear(Green);
  Source.Canvas().Fill().SetColor(Red);
  FillRect(Source.Canvas(), TRect{0, 0, 10, 20});
  TPaper P;
  // Source x 5..15 (half red, half green) stretched four times into x 40..80.
  CopyRect(P.C, TRect{40, 40, 80, 60}, Source.Canvas(), TRect{5, 0, 15, 10});
  ExpectPixels(P, {{45, 50, Red}, {55, 45, Red}, {65, 50, Green}, {78, 58, Green}, {30, 50, White}, {50, 62, White}},
               "CopyRect");
}

TEST(CanvasHelperPixels, DrawPaintsTheBitmapAtItsOwnSizeAndNothingAroundIt) {
  TBitmap Small(10, 10);
  Small.Clear(Green);
  TPaper P;
  Draw(P.C, 20, 30, Small);
  ExpectPixels(P, {{20, 30, Green}, {29, 39, Green}, {30, 35, White}, {25, 40, White}, {90, 90, White}}, "Draw");
}

TEST(CanvasHelperPixels, CopyRectOntoItselfReadsThePixelsFromBeforeTheCall) {
  TPaper P;
  FillRect(P.C, TRect{0, 0, 10, 10});
  CopyRect(P.C, TRect{10, 0, 30, 10}, P.C, TRect{0, 0, 20, 10});
  ExpectPixels(P, {{5, 5, Red}, {15, 5, Red}, {25, 5, White}}, "self copy");
}

TEST(CanvasHelperPixels, TextRectClipsToItsRectangleOnlyDuringTheCall) {
  const TRect Box{10, 10, 30, 60};
  TPaper Free, Clipped;
  for (TPaper* P : {&Free, &Clipped}) P->C.Font().SetSize(40);
  Free.C.FillText({10, 10, 30, 60}, "WWWW", false, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  ASSERT_GT(Free.Ink({31, 0, 100, 100}), 0) << "the text must overflow the box for this test to mean anything";
  TextRect(Clipped.C, Box, 10, 10, "WWWW");
  EXPECT_GT(Clipped.Ink(Box), 0);
  EXPECT_EQ(Clipped.Ink({0, 0, 100, Box.Top}) + Clipped.Ink({Box.Right, 0, 100, 100}) +
                Clipped.Ink({0, Box.Bottom, 100, 100}),
            0);
  FillRect(Clipped.C, TRect{0, 0, 100, 100});
  EXPECT_EQ(Clipped(90, 90), Red);
}

}  // namespace
