// Progress indicators: lit segments, geometry, colours, pixels, and the
// colours put back whatever happens.

#include "FMX.VX.Graphics/Progress.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <cmath>
#include <string>
#include <vector>

#include "CountdownCanvas.h"
#include "PaperProbe.h"
#include "FMX.VX.Graphics/Colors.h"
#include "FMX.VX.Graphics/Slices.h"
#include "platform/Bitmap.h"
#include "platform/Math.h"
#include "platform/RecordingCanvas.h"

using namespace FMX::VX::Graphics;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000, Blue = 0xFF0000FF;
const TColors Palette{0xFF102030, 0xFF80A0C0, 0xFFF0E0D0};

// Flat rectangles: one FillRect per drawn segment.
std::vector<TRectF> Bar(std::int32_t Position, std::int32_t Min, std::int32_t Max, std::int32_t N,
                        TProgressOrientation O = poHorizontal, TProgressDirection D = pdForward,
                        TProgressDisplayType T = dtAllProgress, TRectF Rect = {0, 0, 110, 20}) {
  TRecordingCanvas C;
  ProgressRect(C, Rect, 5, Position, Min, Max, Palette, false, N, sRect, soUp, false, 0, 2, O, D, T);
  std::vector<TRectF> Cells;
  for (const TCanvasRecord& R : C.Records())
    if (R.Op == TCanvasOp::FillRect) Cells.push_back(R.Rect);
  EXPECT_EQ(Cells.size(), C.Count());
  return Cells;
}

TEST(ProgressLitSegments, FromPositionAndRange) {
  const struct {
    std::int32_t Position, Min, Max, N;
    std::size_t K;
  } Cases[] = {
      {35, 0, 100, 10, 3},   {35, 20, 120, 10, 3},  // Position is not offset by Min
      {0, 0, 100, 10, 0},    {99, 0, 100, 10, 9},   {100, 0, 100, 10, 10},
      {7, 7, 7, 10, 10},     {0, 5, 5, 10, 10},     {-3, 5, 5, 10, 10},  // Min = Max
      {50, -50, 50, 10, 10},  // Position = Max, though 50 / 10 is only 5
      {150, 0, 100, 10, 10},  // past Max: clamped to N
      {-20, 0, 100, 10, 0},  {50, 100, 0, 10, 0},   // inverted range: negative count
      {-50, 100, 0, 10, 5},  {INT_MAX - 1, INT_MIN, INT_MAX, 4, 1},  // 64-bit range, no overflow
      {35, 0, 100, 0, 0},    {35, 0, 100, -3, 0},   // no segments: nothing, no division by zero
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Bar(Case.Position, Case.Min, Case.Max, Case.N).size(), Case.K)
        << Case.Position << " in " << Case.Min << ".." << Case.Max << " of " << Case.N;
}

TEST(ProgressRectCalls, SegmentsLineUpInsideTheMargin) {
  // W 110, H 20, M 5, G 2, N 10: cells 8 x 10.
  const std::vector<TRectF> Forward = Bar(30, 0, 100, 10, poHorizontal, pdForward, dtAllProgress, {120, 40, 10, 20});
  ASSERT_EQ(Forward.size(), 3u);
  EXPECT_EQ(Forward[0], (TRectF{15, 25, 23, 35}));
  EXPECT_EQ(Forward[1], (TRectF{25, 25, 33, 35}));
  const std::vector<TRectF> Backward = Bar(30, 0, 100, 10, poHorizontal, pdBackward);
  ASSERT_EQ(Backward.size(), 3u);
  EXPECT_EQ(Backward[0], (TRectF{97, 5, 105, 15}));
  EXPECT_EQ(Backward[1], (TRectF{87, 5, 95, 15}));
  const std::vector<TRectF> Down = Bar(20, 0, 100, 10, poVertical, pdForward, dtAllProgress, {0, 0, 20, 110});
  ASSERT_EQ(Down.size(), 2u);
  EXPECT_EQ(Down[0], (TRectF{5, 5, 15, 13}));
  EXPECT_EQ(Down[1], (TRectF{5, 15, 15, 23}));
  const std::vector<TRectF> Up = Bar(20, 0, 100, 10, poVertical, pdBackward, dtAllProgress, {0, 0, 20, 110});
  EXPECT_EQ(Up[1], (TRectF{5, 87, 15, 95}));
  // Only the last lit segment, where it would be anyway.
  const std::vector<TRectF> Current = Bar(30, 0, 100, 10, poHorizontal, pdForward, dtCurrentProgress);
  ASSERT_EQ(Current.size(), 1u);
  EXPECT_EQ(Current[0], (TRectF{25, 5, 33, 15}));
  // A full bar's last cell ends on the far margin.
  EXPECT_EQ(Bar(100, 0, 100, 10).back(), (TRectF{95, 5, 103, 15}));
}

TEST(ProgressRectCalls, CellsPastTheFarMarginAreCutThere) {
  // A negative gap widens the cells until the last one runs past the far
  // margin; a margin of more than half the size starts it beyond the
  // margin, at the margin's integer part.
  const struct {
    TRectF Rect;
    std::int32_t Margin, Gap, N;
    TProgressOrientation Orientation;
    TRectF Last;
  } Cases[] = {
      {{0, 0, 110, 20}, 5, -2, 10, poHorizontal, {95, 5, 105, 15}},  // 12 wide, 10 apart
      {{0, 0, 20, 110}, 5, -2, 10, poVertical, {5, 95, 15, 105}},
      {{0, 0, 10.5f, 20}, 6, -1, 1, poHorizontal, {4, 6, 4.5f, 14}},
      {{0, 0, 20, 10.5f}, 6, -1, 1, poVertical, {6, 4, 14, 4.5f}},
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    ProgressRect(C, Case.Rect, Case.Margin, 1, 0, 1, Palette, false, Case.N, sRect, soUp, false, 0, Case.Gap,
                 Case.Orientation, pdForward, dtCurrentProgress);
    ASSERT_EQ(C.Count(), 1u);
    EXPECT_EQ(C[0].Rect, Case.Last) << Case.Margin << " " << Case.Gap << " " << Case.N;
  }
}

TEST(ProgressCalls, SegmentsAreTheShapesAskedFor) {
  // One lit segment of a raised, turned triangle is what DrawShape draws
  // in the same cell and colour (the cell taken from a flat run).
  const auto Circle = [](TCanvas& C, TVXShapeType T, bool Is3D, std::int32_t Depth) {
    ProgressCircle(C, TRectF{0, 0, 100, 80}, 4, 1, 0, 6, Palette, false, 6, T, soLeft, Is3D, Depth, 3, pdBackward,
                   dtAllProgress);
  };
  const auto Bar = [](TCanvas& C, TVXShapeType T, bool Is3D, std::int32_t Depth) {
    ProgressRect(C, TRectF{0, 0, 110, 20}, 5, 10, 0, 100, Palette, false, 10, T, soLeft, Is3D, Depth, 2, poHorizontal,
                 pdForward, dtAllProgress);
  };
  for (const auto& Draw : {std::function<void(TCanvas&, TVXShapeType, bool, std::int32_t)>(Circle),
                           std::function<void(TCanvas&, TVXShapeType, bool, std::int32_t)>(Bar)}) {
    TRecordingCanvas Flat, Shaped, Direct;
    Draw(Flat, sRect, false, 0);
    ASSERT_EQ(Flat.Count(), 1u);
    Draw(Shaped, sIsoscelesTriangle, true, 3);
    Direct.Fill().SetColor(Palette[0]);
    DrawShape(Direct, Flat[0].Rect, sIsoscelesTriangle, soLeft, true, 3);
    EXPECT_EQ(Shaped.Dump(), Direct.Dump());
  }
  // Pie slices are plain wedges at full opacity.
  TRecordingCanvas Pie, Wedge;
  ProgressPie(Pie, TRectF{0, 0, 100, 100}, 0, 1, 0, 4, Palette, false, 4, 10, pdForward, dtAllProgress);
  Wedge.Fill().SetColor(Palette[0]);
  DrawPieSlice(Wedge, TRectF{0, 0, 100, 100}, 5, 85, 0, 1);
  EXPECT_EQ(Pie.Dump(), Wedge.Dump());
}

TEST(ProgressCalls, OnlyTheLastOfAHugeCountIsVisited) {
  // 2^31 - 1 segments, all lit: showing the last one must not step through
  // the colours of all the others.
  TRecordingCanvas Pie, Circle;
  ProgressPie(Pie, TRectF{0, 0, 100, 100}, 0, 5, 5, 5, Palette, true, INT_MAX, 0, pdForward, dtCurrentProgress);
  ASSERT_EQ(Pie.Count(), 2u);
  EXPECT_EQ(Pie[0].Fill.Color(), IndexToColor(INT_MAX - 2, INT_MAX, Palette));
  EXPECT_EQ(Pie[1].Stroke.Color(), IndexToColor(INT_MAX - 2, INT_MAX, Palette));
  ProgressCircle(Circle, TRectF{0, 0, 100, 100}, 0, 5, 5, 5, Palette, false, INT_MAX, sRect, soUp, false, 0, 0,
                 pdForward, dtCurrentProgress);
  ASSERT_EQ(Circle.Count(), 1u);
  EXPECT_EQ(Circle[0].Fill.Color(), IndexToColor(INT_MAX - 1, INT_MAX, Palette));
  EXPECT_NEAR(Circle[0].Rect.Right, 100, 1e-3);  // at 3 o'clock
}

TEST(ProgressCalls, SegmentColoursAndOutline) {
  for (const bool Outline : {false, true}) {
    TRecordingCanvas C;
    C.Fill().SetColor(Red);
    C.Stroke().SetColor(Blue);
    ProgressCircle(C, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, Palette, Outline, 4, sCircle, soUp, false, 0, 0, pdForward,
                   dtAllProgress);
    ASSERT_EQ(C.Count(), 6u);  // outline and fill per circle
    const TAlphaColor Expected[] = {Palette[0], IndexToColor(1, 4, Palette), IndexToColor(2, 4, Palette)};
    for (std::size_t I = 0; I < 3; ++I) {
      EXPECT_EQ(C[2 * I + 1].Fill.Color(), Expected[I]) << I;
      EXPECT_EQ(C[2 * I].Stroke.Color(), Outline ? Expected[I] : Blue) << I;
    }
    EXPECT_EQ(C.Fill().Color(), Red);
    EXPECT_EQ(C.Stroke().Color(), Blue);
  }
  // Only the last: in the colour it has among all.
  TRecordingCanvas C;
  ProgressPie(C, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, Palette, true, 4, 0, pdForward, dtCurrentProgress);
  ASSERT_EQ(C.Count(), 2u);
  EXPECT_EQ(C[0].Fill.Color(), IndexToColor(1, 4, Palette));
  EXPECT_EQ(C[1].Stroke.Color(), IndexToColor(1, 4, Palette));

  // An empty list or no segments: no drawing, no colour change.
  TRecordingCanvas Silent;
  Silent.Fill().SetColor(Red);
  ProgressPie(Silent, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, TColors{}, true, 4, 0, pdForward, dtAllProgress);
  ProgressCircle(Silent, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, Palette, true, 0, sRect, soUp, false, 0, 0, pdForward,
                 dtAllProgress);
  EXPECT_EQ(Silent.Count(), 0u);
  EXPECT_EQ(Silent.Fill().Color(), Red);
}

// Angle (degrees, counter-clockwise on screen) of a point seen from (50, 50).
double AngleOf(const TPointF& P) {
  double A = std::atan2(-(double(P.Y) - 50), double(P.X) - 50) * 180 / Pi;
  return A < -1e-3 ? A + 360 : A;
}

TEST(ProgressPieCalls, SlicesRunBetweenTheGaps) {
  const struct {
    TProgressDirection Direction;
    std::vector<std::pair<double, double>> Slices;  // on the circle, 0..360
  } Cases[] = {
      {pdForward, {{5, 85}, {95, 175}, {185, 265}}},
      {pdBackward, {{95, 175}, {5, 85}, {275, 355}}},  // 455..535, 365..445, 275..355
  };
  for (const auto& Case : Cases) {
    TRecordingCanvas C;
    ProgressPie(C, TRectF{0, 0, 100, 100}, 99, 3, 0, 4, Palette, false, 4, 10, Case.Direction, dtAllProgress);
    ASSERT_EQ(C.Count(), 6u);
    for (std::size_t I = 0; I < 3; ++I) {
      const std::vector<TPathPoint>& P = C[2 * I].Path;
      EXPECT_NEAR(AngleOf(P[1].Point), Case.Slices[I].first, 1e-3) << I;
      EXPECT_NEAR(AngleOf(P[P.size() - 2].Point), Case.Slices[I].second, 1e-3) << I;
    }
  }
}

TEST(ProgressCircleCalls, FirstAtOneStepLastAtThreeOClock) {
  // N 4, no margin or gap, 100 x 100: cells 78.54 wide around a circle of
  // radius (100 - 78.54) / 2; centres at 90, 180, 270, 360 degrees.
  for (const TProgressDirection D : {pdForward, pdBackward}) {
    TRecordingCanvas C;
    ProgressCircle(C, TRectF{0, 0, 100, 100}, 0, 4, 0, 4, Palette, false, 4, sRect, soUp, false, 0, 0, D,
                   dtAllProgress);
    ASSERT_EQ(C.Count(), 4u);
    const double Expected[2][4] = {{90, 180, 270, 0}, {270, 180, 90, 0}};
    for (std::size_t I = 0; I < 4; ++I) {
      const TRectF& R = C[I].Rect;
      EXPECT_NEAR(double(R.Right) - R.Left, 100 * Pi / 4, 1e-4);
      const TPointF Centre{float((double(R.Left) + R.Right) / 2), float((double(R.Top) + R.Bottom) / 2)};
      EXPECT_NEAR(AngleOf(Centre), Expected[D][I], 1e-3) << "segment " << I + 1;
    }
  }
  // Inside a margin, less a gap, on a flat area: cells of 90 pi / 4 - 3 by
  // 50 pi / 4 - 3, centred on an ellipse of radii 11.1571 and 6.8650 about
  // the area's centre (60, 50).
  TRecordingCanvas C;
  ProgressCircle(C, TRectF{110, 80, 10, 20}, 5, 4, 0, 4, Palette, false, 4, sRect, soUp, false, 0, 3, pdForward,
                 dtAllProgress);
  ASSERT_EQ(C.Count(), 4u);
  const TPointF Centres[] = {{60, 43.1350f}, {48.8429f, 50}, {60, 56.8650f}, {71.1571f, 50}};
  for (std::size_t I = 0; I < 4; ++I) {
    const TRectF& R = C[I].Rect;
    EXPECT_NEAR(double(R.Right) - R.Left, 67.6858, 1e-3);
    EXPECT_NEAR(double(R.Bottom) - R.Top, 36.2699, 1e-3);
    EXPECT_NEAR((double(R.Left) + R.Right) / 2, Centres[I].X, 1e-3) << "segment " << I + 1;
    EXPECT_NEAR((double(R.Top) + R.Bottom) / 2, Centres[I].Y, 1e-3) << "segment " << I + 1;
  }
}

// Pixel probes: for every routine, direction and display mode, which of
// four spots hold paint.
using VXTest::TPaper;

TEST(ProgressPixels, EveryStyleDirectionAndDisplayMode) {
  using TDraw = std::function<void(TCanvas&, TProgressDirection, TProgressDisplayType)>;
  const std::initializer_list<VXTest::TSpot> Around = {
      {"top", {50, 25}}, {"left", {25, 50}}, {"bottom", {50, 75}}, {"right", {75, 50}}};  // cell centres
  const std::initializer_list<VXTest::TSpot> Row = {
      {"1", {12, 50}}, {"2", {37, 50}}, {"3", {62, 50}}, {"4", {87, 50}}};
  const std::initializer_list<VXTest::TSpot> Column = {
      {"1", {50, 12}}, {"2", {50, 37}}, {"3", {50, 62}}, {"4", {50, 87}}};
  const struct {
    const char* Name;
    TDraw Draw;
    std::initializer_list<VXTest::TSpot> Probes;
    const char* Expected[2][2];  // [direction][display]
  } Cases[] = {
      {"circle of circles, 2 of 4",
       [](TCanvas& C, TProgressDirection D, TProgressDisplayType T) {
         ProgressCircle(C, TRectF{0, 0, 100, 100}, 2, 2, 0, 4, Palette, false, 4, sCircle, soUp, false, 0, 30, D, T);
       },
       Around, {{"top left ", "left "}, {"left bottom ", "left "}}},
      {"circle of raised triangles, 2 of 4",
       [](TCanvas& C, TProgressDirection D, TProgressDisplayType T) {
         ProgressCircle(C, TRectF{100, 100, 0, 0}, 2, 2, 0, 4, Palette, false, 4, sIsoscelesTriangle, soUp, true, 3,
                        30, D, T);
       },
       Around, {{"top left ", "left "}, {"left bottom ", "left "}}},
      {"pie, 3 of 4",
       [](TCanvas& C, TProgressDirection D, TProgressDisplayType T) {
         ProgressPie(C, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, Palette, false, 4, 4, D, T);
       },
       {}, {{"UR UL LL ", "LL "}, {"UR UL LR ", "LR "}}},
      {"horizontal bar, 2 of 4",
       [](TCanvas& C, TProgressDirection D, TProgressDisplayType T) {
         ProgressRect(C, TRectF{0, 30, 100, 70}, 0, 50, 0, 100, Palette, false, 4, sRect, soUp, false, 0, 2,
                      poHorizontal, D, T);
       },
       Row, {{"1 2 ", "2 "}, {"3 4 ", "3 "}}},
      {"vertical bar of raised rectangles, 2 of 4",
       [](TCanvas& C, TProgressDirection D, TProgressDisplayType T) {
         ProgressRect(C, TRectF{30, 0, 70, 100}, 0, 50, 0, 100, Palette, false, 4, sRect, soUp, true, 2, 2,
                      poVertical, D, T);
       },
       Column, {{"1 2 ", "2 "}, {"3 4 ", "3 "}}},
  };
  for (const auto& Case : Cases)
    for (const TProgressDirection D : {pdForward, pdBackward})
      for (const TProgressDisplayType T : {dtAllProgress, dtCurrentProgress}) {
        TPaper P;
        Case.Draw(P.C, D, T);
        EXPECT_EQ(Case.Probes.size() ? P.Spots(Case.Probes) : P.Quarters(), Case.Expected[D][T])
            << Case.Name << (D == pdForward ? ", forward" : ", backward")
            << (T == dtAllProgress ? ", all" : ", current");
        EXPECT_EQ(P.C.Fill().Color(), Red);
      }
}

TEST(ProgressOnAFailingCanvas, FillAndStrokeColoursComeBack) {
  const auto Setup = [](TCanvas& C) {
    C.Fill().SetColor(Red);
    C.Stroke().SetColor(Blue);
  };
  const auto Check = [](const TCanvas& C) {
    EXPECT_EQ(C.Fill().Color(), Red);
    EXPECT_EQ(C.Stroke().Color(), Blue);
  };
  const std::function<void(TCanvas&)> Draws[] = {
      [](TCanvas& C) {
        ProgressCircle(C, TRectF{0, 0, 100, 100}, 2, 3, 0, 4, Palette, true, 4, sCircle, soUp, true, 2, 3, pdForward,
                       dtAllProgress);
      },
      [](TCanvas& C) {
        ProgressCircle(C, TRectF{0, 0, 100, 100}, 2, 3, 0, 4, Palette, true, 4, sIsoscelesTriangle, soLeft, true, 2,
                       3, pdBackward, dtCurrentProgress);
      },
      [](TCanvas& C) { ProgressPie(C, TRectF{0, 0, 100, 100}, 0, 3, 0, 4, Palette, true, 4, 4, pdBackward, dtAllProgress); },
      [](TCanvas& C) {
        ProgressRect(C, TRectF{0, 0, 100, 20}, 1, 3, 0, 4, Palette, true, 4, sRect, soUp, true, 2, 2, poHorizontal,
                     pdForward, dtAllProgress);
      },
      [](TCanvas& C) {
        ProgressRect(C, TRectF{0, 0, 20, 100}, 1, 3, 0, 4, Palette, true, 4, sRightTriangle, soDown, false, 0, 2,
                     poVertical, pdBackward, dtAllProgress);
      },
  };
  int I = 0;
  for (const auto& Draw : Draws)
    EXPECT_GE(VXTest::ForEveryFailingCall(Setup, Draw, Check, "indicator " + std::to_string(I++)), 2u);
}

}  // namespace
