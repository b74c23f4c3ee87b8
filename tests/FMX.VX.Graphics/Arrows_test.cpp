// Arrows: the calls they make, the pixels they cover, captions, polylines
// and degenerate input.

#include "FMX.VX.Graphics/Arrows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CountdownCanvas.h"
#include "FMX.VX.CanvasHelper/CanvasTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX::VX::Graphics;
using VXTest::Calls;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF, Green = 0xFF00FF00;
const TArrowOptions BothHeads{aoArrowAtStart, aoArrowAtEnd};

std::string Arrow(float X1, float Y1, float X2, float Y2, float Head, TArrowOptions O, float Width, float Opacity = 1) {
  TRecordingCanvas C;
  DrawArrow(C, X1, Y1, X2, Y2, Head, "", O, Width, Opacity, Green);
  return Calls(C);
}

TEST(ArrowCalls, ShaftAndHeads) {
  const struct {
    const char* Name;
    std::string Got;
    const char* Expected;
  } Cases[] = {
      {"width 1: a plain line at the given opacity, whatever the options",
       Arrow(0, 0, 100, 0, 10, {aoFillHead}, 1, 0.5f), "DrawLine (0,0)-(100,0) op=0.5\n"},
      {"band without heads spans the segment, outlined at opacity 1",
       Arrow(0, 0, 100, 0, 10, {}, 4, 0.5f),
       "DrawLine (0,-2)-(0,2) op=1\nDrawLine (0,2)-(100,2) op=1\nDrawLine (100,2)-(100,-2) op=1\n"
       "DrawLine (100,-2)-(0,-2) op=1\n"},
      {"filled band stops at the heads' bases; filled heads are closed triangles",
       Arrow(0, 0, 100, 0, 10, BothHeads | TArrowOptions{aoFillHead}, 4),
       "DrawPath [M10,-2 L10,2 L90,2 L90,-2 L10,-2 L10,-2] op=1\n"
       "FillPath [M10,-2 L10,2 L90,2 L90,-2 L10,-2 L10,-2] op=1\n"
       "DrawPath [M10,-10 L0,0 L10,10 L10,-10] op=1\nFillPath [M10,-10 L0,0 L10,10 L10,-10] op=1\n"
       "DrawPath [M90,-10 L100,0 L90,10 L90,-10] op=1\nFillPath [M90,-10 L100,0 L90,10 L90,-10] op=1\n"},
      {"open head: a V of two strokes",
       Arrow(0, 0, 0, 50, 5, {aoArrowAtEnd}, 1),
       "DrawLine (0,0)-(0,50) op=1\nDrawLine (5,45)-(0,50) op=1\nDrawLine (0,50)-(-5,45) op=1\n"},
      {"closed head: the V and its base",
       Arrow(0, 0, 0, 50, 5, {aoArrowAtStart, aoClosedHead}, 1),
       "DrawLine (0,0)-(0,50) op=1\nDrawLine (5,5)-(0,0) op=1\nDrawLine (0,0)-(-5,5) op=1\n"
       "DrawLine (-5,5)-(5,5) op=1\n"},
      {"zero width is a band too",
       Arrow(0, 0, 10, 0, 2, {aoFillHead}, 0),
       "DrawPath [M0,0 L0,0 L10,0 L10,0 L0,0 L0,0] op=1\nFillPath [M0,0 L0,0 L10,0 L10,0 L0,0 L0,0] op=1\n"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(Case.Got, Case.Expected) << Case.Name;
}

TEST(ArrowCalls, CaptionLinesAtTheMidpointInTheTextColour) {
  TRecordingCanvas C;
  C.Fill().SetColor(Red);
  DrawArrow(C, 0, 0, 100, 50, 10, "one\r\ntwo\nx\r\nthree", {aoDrawCaption}, 1, 0.5f, Green);
  // The default metrics: 6 per character, 12 per line; "A" is 12 high.
  EXPECT_EQ(Calls(C),
            "FillText (50,25,68,37) \"one\" wrap=0 h=Leading v=Center op=1\n"
            "FillText (50,37,68,61) \"two\nx\" wrap=0 h=Leading v=Center op=1\n"
            "FillText (50,49,80,61) \"three\" wrap=0 h=Leading v=Center op=1\n"
            "DrawLine (0,0)-(100,50) op=0.5\n");
  for (std::size_t I = 0; I < 3; ++I) EXPECT_EQ(C[I].Fill.Color(), Green);
  EXPECT_EQ(C[3].Fill.Color(), Red);
  EXPECT_EQ(C.Fill().Color(), Red);

  TRecordingCanvas Hidden;
  DrawArrow(Hidden, 0, 0, 100, 50, 10, "shown only on request", {}, 1, 1, Green);
  EXPECT_EQ(Hidden.Ops(), std::vector<TCanvasOp>{TCanvasOp::DrawLine});
}

TEST(ArrowCalls, PolylineHeadsAndCaptionSegment) {
  const std::vector<TPointF> Points{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  // Segment midpoints: (50, 0), (100, 50), (50, 100).
  const struct {
    float CaptionSegment;
    float X, Y;  // -1: no caption
  } Cases[] = {{-1, 100, 50}, {5, 100, 50}, {3, 100, 50}, {0, 50, 0}, {2, 50, 100}, {-2, -1, -1}, {1.5f, -1, -1},
               {std::numeric_limits<float>::quiet_NaN(), -1, -1}};
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    DrawArrow(C, Points, 8, "c", BothHeads | TArrowOptions{aoDrawCaption, aoFillHead}, 1, Case.CaptionSegment, 1,
              Green);
    std::vector<TPointF> Texts;
    for (const TCanvasRecord& R : C.Records())
      if (R.Op == TCanvasOp::FillText) Texts.push_back(R.Rect.TopLeft());
    if (Case.X < 0) {
      EXPECT_TRUE(Texts.empty()) << Case.CaptionSegment;
    } else {
      ASSERT_EQ(Texts.size(), 1u) << Case.CaptionSegment;
      EXPECT_EQ(Texts[0], (TPointF{Case.X, Case.Y})) << Case.CaptionSegment;
    }
    // One head at each end of the whole polyline: tips (0, 0) and (0, 100).
    std::vector<TPointF> Tips;
    for (const TCanvasRecord& R : C.Records())
      if (R.Op == TCanvasOp::FillPath) Tips.push_back(R.Path[1].Point);
    EXPECT_EQ(Tips, (std::vector<TPointF>{{0, 0}, {0, 100}}));
  }

  // The integer form draws the same; fewer than two points draw nothing.
  const std::vector<TPoint> IntPoints{{0, 0}, {100, 0}, {100, 100}, {0, 100}};
  TRecordingCanvas F, I, One;
  DrawArrow(F, Points, 8, "c", BothHeads, 3, -1, 1, Green);
  DrawArrow(I, IntPoints, 8, "c", BothHeads, 3, -1, 1, Green);
  EXPECT_EQ(F.Dump(), I.Dump());
  DrawArrow(One, std::span(IntPoints).first(1), 8, "c", BothHeads | TArrowOptions{aoDrawCaption}, 3, -1, 1, Green);
  EXPECT_EQ(One.Count(), 0u);
}

bool AllFinite(const TRecordingCanvas& C) {
  for (const TCanvasRecord& R : C.Records()) {
    for (const TPointF& P : R.Points)
      if (!std::isfinite(P.X) || !std::isfinite(P.Y)) return false;
    for (const float V : {R.Rect.Left, R.Rect.Top, R.Rect.Right, R.Rect.Bottom})
      if (!std::isfinite(V)) return false;
  }
  return true;
}

TEST(ArrowCalls, DegenerateGeometryDrawsNothingOrSomethingFinite) {
  constexpr float NaN = std::numeric_limits<float>::quiet_NaN(), Inf = std::numeric_limits<float>::infinity();
  const TArrowOptions All{aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoClosedHead, aoDrawCaption};
  const struct {
    const char* Name;
    float X1, Y1, X2, Y2, Head, Width;
    std::size_t Calls;  // recorded calls; SIZE_MAX: any
  } Cases[] = {
      {"zero length draws nothing, not even the caption", 5, 5, 5, 5, 10, 3, 0},
      {"NaN point", NaN, 0, 10, 0, 10, 3, 0},
      {"infinite point", 0, 0, Inf, 0, 10, 3, 0},
      {"tiny but non-zero length", 0, 0, 1e-30f, 1e-30f, 10, 3, 7},
      {"huge coordinates", -3e38f, -3e38f, 3e38f, 3e38f, 10, 3, SIZE_MAX},
      {"zero head: shaft only", 0, 0, 10, 0, 0, 3, 3},
      {"negative head: shaft only", 0, 0, 10, 0, -5, 3, 3},
      {"NaN head: shaft only", 0, 0, 10, 0, NaN, 3, 3},
      {"infinite head: shaft only", 0, 0, 10, 0, Inf, 3, 3},
      {"NaN width: heads only", 0, 0, 10, 0, 2, NaN, 5},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    DrawArrow(C, Case.X1, Case.Y1, Case.X2, Case.Y2, Case.Head, "cap", All, Case.Width, 1, Green);
    if (Case.Calls != SIZE_MAX) {
      EXPECT_EQ(C.Count(), Case.Calls) << Case.Name << "\n" << Calls(C);
    }
    EXPECT_TRUE(AllFinite(C)) << Case.Name << "\n" << Calls(C);
  }
}

TEST(ArrowPixels, FilledHeadsAndBandShaft) {
  TBitmap Bmp(120, 60);
  Bmp.Clear(White);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetColor(Red);
  C.Stroke().SetColor(Blue);
  DrawArrow(C, 10, 30, 110, 30, 15, "", BothHeads | TArrowOptions{aoFillHead}, 6, 1, Green);
  const struct {
    int X, Y;
    bool Painted;
  } Probes[] = {
      {60, 30, true},   {60, 26, true},  {60, 20, false},  // band 6 wide
      {13, 30, true},   {22, 20, true},  {22, 40, true},   // start head near its tip and base corners
      {105, 30, true},  {97, 19, true},  {13, 20, false},  // end head; outside the start head's sides
      {5, 30, false},   {115, 30, false},                  // beyond the tips
  };
  for (const auto& P : Probes) EXPECT_EQ(Bmp.GetPixel(P.X, P.Y) != White, P.Painted) << P.X << "," << P.Y;
  EXPECT_EQ(Bmp.GetPixel(60, 30), Red);  // filled inside the band
}

TEST(ArrowPixels, CaptionInTheTextColourAndFillColourBack) {
  TBitmap Bmp(120, 60);
  Bmp.Clear(White);
  TCanvas& C = Bmp.Canvas();
  C.Fill().SetColor(Red);
  C.Stroke().SetKind(TBrushKind::None);
  DrawArrow(C, 0, 0, 100, 20, 5, "MMMM\r\nMMMM", {aoDrawCaption}, 2, 1, Green);
  EXPECT_EQ(C.Fill().Color(), Red);
  int GreenInk = 0, GreenBelow = 0;
  for (int Y = 10; Y < 60; ++Y)
    for (int X = 50; X < 100; ++X) {
      const TAlphaColor P = Bmp.GetPixel(X, Y);
      const bool IsGreen = ((P >> 8) & 0xFF) > 150 && ((P >> 16) & 0xFF) < 100;
      GreenInk += IsGreen;
      GreenBelow += IsGreen && Y > 30;  // the second line
    }
  EXPECT_GT(GreenInk, 40);
  EXPECT_GT(GreenBelow, 20);
}

TEST(ArrowsOnAFailingCanvas, FillColourComesBack) {
  const auto Setup = [](TCanvas& C) { C.Fill().SetColor(Red); };
  const auto Check = [](const TCanvas& C) { EXPECT_EQ(C.Fill().Color(), Red); };
  const TArrowOptions All{aoArrowAtStart, aoArrowAtEnd, aoFillHead, aoClosedHead, aoDrawCaption};
  EXPECT_GT(VXTest::ForEveryFailingCall(
                Setup, [&](TCanvas& C) { DrawArrow(C, 0, 0, 50, 20, 5, "a\r\nb\r\nc", All, 3, 1, Green); }, Check,
                "single"),
            10u);
  const std::vector<TPointF> Points{{0, 0}, {50, 0}, {50, 50}};
  EXPECT_GT(VXTest::ForEveryFailingCall(
                Setup, [&](TCanvas& C) { DrawArrow(C, Points, 5, "a\r\nb", All, 1, -1, 1, Green); }, Check,
                "polyline"),
            10u);
}

}  // namespace
