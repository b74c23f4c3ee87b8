// Recorded call sequences of the canvas helper.

#include "FMX.VX.CanvasHelper/CanvasHelper.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "CanvasTestSupport.h"
#include "platform/Bitmap.h"
#include "platform/RecordingCanvas.h"

using namespace FMX;
using namespace FMX::VX::CanvasHelper;
using VXTest::Calls;

namespace {

using TDraw = std::function<void(TCanvas&)>;

std::string Record(const TDraw& Draw) {
  TRecordingCanvas C;
  Draw(C);
  return Calls(C);
}

const TPoint IntRun[] = {{1, 2}, {3, 4}, {5, 0}};
const TPointF FloatRun[] = {{1, 2}, {3, 4}, {5, 0}};

// Integer and float forms issue the same calls, and those calls are these.
TEST(CanvasHelperCalls, IntegerAndFloatFormsIssueTheSameCalls) {
  TBitmap Bmp(30, 40);
  const struct {
    const char* Name;
    TDraw Int, Float;
    const char* Expected;
  } Cases[] = {
      {"Rectangle", [](TCanvas& C) { Rectangle(C, 1, 2, 3, 4, 0.5f); },
       [](TCanvas& C) { Rectangle(C, 1.f, 2.f, 3.f, 4.f, 0.5f); },
       "DrawRect (1,2,3,4) op=0.5\nFillRect (1,2,3,4) op=0.5\n"},
      {"Ellipse", [](TCanvas& C) { Ellipse(C, 1, 2, 3, 4, 0.5f); },
       [](TCanvas& C) { Ellipse(C, TRectF{1, 2, 3, 4}, 0.5f); },
       "DrawEllipse (1,2,3,4) op=0.5\nFillEllipse (1,2,3,4) op=0.5\n"},
      {"AngleArc", [](TCanvas& C) { AngleArc(C, 0, 0, 10u, 0.f, 90.f, 0.5f); },
       [](TCanvas& C) { AngleArc(C, 0.f, 0.f, 10.f, 0.f, 90.f, 0.5f); },
       "DrawArc c=(0,0) r=(10,10) a=90,90 op=0.5\n"},
      {"Polygon", [](TCanvas& C) { Polygon(C, IntRun, 0.5f); }, [](TCanvas& C) { Polygon(C, FloatRun, 0.5f); },
       "DrawPath [M1,2 L3,4 L5,0 L1,2] op=0.5\nFillPath [M1,2 L3,4 L5,0 L1,2] op=0.5\n"},
      {"PolyBezierTo", [](TCanvas& C) { PolyBezierTo(C, IntRun); },
       [](TCanvas& C) { PolyBezierTo(C, FloatRun); }, "DrawPath [M1,2 C3,4 C5,0 C1,2] op=1\n"},
      {"Draw", [&](TCanvas& C) { Draw(C, 10, 20, Bmp, 0.5f); }, [&](TCanvas& C) { Draw(C, 10.f, 20.f, Bmp, 0.5f); },
       "DrawBitmap 30x40 (0,0,30,40)->(10,20,40,60) op=0.5\n"},
      {"StretchDraw", [&](TCanvas& C) { StretchDraw(C, TRect{1, 2, 3, 4}, Bmp); },
       [&](TCanvas& C) { StretchDraw(C, TRectF{1, 2, 3, 4}, Bmp); },
       "DrawBitmap 30x40 (0,0,30,40)->(1,2,3,4) op=1\n"},
      {"CopyRect", [&](TCanvas& C) { CopyRect(C, TRect{1, 2, 3, 4}, Bmp.Canvas(), TRect{5, 6, 7, 8}); },
       [&](TCanvas& C) { CopyRect(C, TRectF{1, 2, 3, 4}, Bmp.Canvas(), TRectF{5, 6, 7, 8}); },
       "DrawBitmap 30x40 (5,6,7,8)->(1,2,3,4) op=1\n"},
      {"Arc", [](TCanvas& C) { Arc(C, 0, 0, 100, 50, 100, 25, 50, 0); },
       [](TCanvas& C) { Arc(C, 100.f, 50.f, 0.f, 0.f, 100.f, 25.f, 50.f, 0.f); },
       "DrawArc c=(50,25) r=(50,25) a=0,-90 op=1\n"},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(Record(Case.Int), Case.Expected) << Case.Name;
    EXPECT_EQ(Record(Case.Float), Case.Expected) << Case.Name;
  }
}

TEST(CanvasHelperCalls, PointRunsBelowTwoPointsAndCopiesWithoutPixelsDrawNothing) {
  TRecordingCanvas Other;
  const TDraw Silent[] = {
      [](TCanvas& C) { Polygon(C, std::span(FloatRun, 1)); },
      [](TCanvas& C) { Polygon(C, std::span<const TPoint>()); },
      [](TCanvas& C) { Polyline(C, std::span(FloatRun, 1), 0.5f); },
      [](TCanvas& C) { Polyline(C, std::span(IntRun, 1)); },
      [&](TCanvas& C) { CopyRect(C, TRectF{0, 0, 9, 9}, Other, TRectF{0, 0, 9, 9}); },
      [](TCanvas& C) { RoundRect(C, 5, 1, 5, 9, 2, 2); },  // zero width
      [](TCanvas& C) { RoundRect(C, TRectF{1, 5, 9, 5}, 2, 2); },  // zero height
  };
  for (std::size_t I = 0; I < std::size(Silent); ++I) EXPECT_EQ(Record(Silent[I]), "") << "case " << I;
}

TEST(CanvasHelperCalls, PolylineStrokesOneOutlineOnlyBelowFullOpacity) {
  EXPECT_EQ(Record([](TCanvas& C) { Polyline(C, FloatRun, 0.5f); }), "DrawPolygon [(1,2)(3,4)(5,0)] op=0.5\n");
  EXPECT_EQ(Record([](TCanvas& C) { Polyline(C, FloatRun, 1); }),
            "DrawLine (1,2)-(3,4) op=1\nDrawLine (3,4)-(5,0) op=1\n");
  EXPECT_EQ(Record([](TCanvas& C) { Polyline(C, IntRun, 0.5f); }),
            "DrawLine (1,2)-(3,4) op=0.5\nDrawLine (3,4)-(5,0) op=0.5\n");
}

TEST(CanvasHelperCalls, PointsToPathLinesAndBezierLeftOvers) {
  std::vector<TPointF> P;
  std::vector<TPoint> IP;
  for (int I = 0; I < 7; ++I) {
    P.push_back({float(I), float(10 * I)});
    IP.push_back({I, 10 * I});
  }
  const struct {
    std::size_t N;
    bool Closed, Bezier;
    const char* Expected;
  } Cases[] = {
      {1, true, false, ""},
      {3, false, false, "M0,0 L1,10 L2,20"},
      {3, true, false, "M0,0 L1,10 L2,20 L0,0"},
      {2, true, true, "M0,0"},
      {3, true, true, "M0,0 C1,10 2,20 0,0"},
      {4, false, true, "M0,0 C1,10 2,20 3,30"},                         // nothing left over
      {4, true, true, "M0,0 C1,10 2,20 3,30 C1,10 2,20 0,0"},           // reuses the last controls
      {5, false, true, "M0,0 C1,10 2,20 3,30"},                         // one left over: ignored
      {5, true, true, "M0,0 C1,10 2,20 3,30"},                          // one left over: no closing curve
      {6, false, true, "M0,0 C1,10 2,20 3,30"},                         // two left over: ignored
      {6, true, true, "M0,0 C1,10 2,20 3,30 C4,40 5,50 0,0"},           // two left over close the run
      {7, true, true, "M0,0 C1,10 2,20 3,30 C4,40 5,50 6,60 C4,40 5,50 0,0"},
  };
  for (const auto& Case : Cases) {
    const auto Path = PointsToPath(std::span(P.data(), Case.N), Case.Closed, Case.Bezier);
    EXPECT_EQ(Path->GetPathString(), Case.Expected) << Case.N << Case.Closed << Case.Bezier;
    EXPECT_EQ(PointsToPath(std::span(IP.data(), Case.N), Case.Closed, Case.Bezier)->GetPathString(), Case.Expected);
  }
}

TEST(CanvasHelperCalls, RoundRectFillsThenOutlinesTheNormalisedRoundedRectangle) {
  TRecordingCanvas C;
  RoundRect(C, 10, 0, 0, 20, 3, 4, 0.5f);  // negative width still draws
  TPathData Expected;
  Expected.AddRectangle({0, 0, 10, 20}, 3, 4, AllCorners, TCornerType::Round);
  ASSERT_EQ(C.Ops(), (std::vector{TCanvasOp::FillPath, TCanvasOp::DrawPath}));
  for (const TCanvasRecord& R : C.Records()) {
    EXPECT_EQ(R.Path, std::vector<TPathPoint>(Expected.Points().begin(), Expected.Points().end()));
    EXPECT_EQ(R.Opacity, 0.5f);
  }
}

TEST(CanvasHelperCalls, ArcsRunCounterClockwiseFromRayToRay) {
  const struct {
    float X3, Y3, X4, Y4;
    const char* Expected;
  } Cases[] = {
      {100, 25, 50, 0, "a=0,-90"},       // right to top: a quarter
      {50, -100, 100, 25, "a=-90,-270"},  // top to right: three quarters
      {0, 25, 50, 50, "a=180,-90"},       // left to bottom
      {100, 50, 200, 100, "a=45,-360"},   // one ray twice: the whole ellipse
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Record([&](TCanvas& C) { Arc(C, 0.f, 0.f, 100.f, 50.f, Case.X3, Case.Y3, Case.X4, Case.Y4); }),
              std::string("DrawArc c=(50,25) r=(50,25) ") + Case.Expected + " op=1\n");
}

TEST(CanvasHelperCalls, ChordPieAndArcToCloseAndMoveAsTheirNamesSay) {
  TRecordingCanvas C;
  Chord(C, 0, 0, 100, 50, 100, 25, 50, 0);
  Pie(C, 0, 0, 100, 50, 100, 25, 50, 0);
  ASSERT_EQ(C.Ops(), (std::vector{TCanvasOp::FillPath, TCanvasOp::DrawPath, TCanvasOp::FillPath,
                                  TCanvasOp::DrawPath}));
  const auto& Chord = C[1].Path;
  EXPECT_EQ(Chord.front(), (TPathPoint{TPathPointKind::MoveTo, {100, 25}}));
  EXPECT_EQ(Chord[Chord.size() - 2], (TPathPoint{TPathPointKind::CurveTo, {50, 0}}));
  EXPECT_EQ(Chord.back().Kind, TPathPointKind::Close);
  const auto& Pie = C[3].Path;
  EXPECT_EQ(Pie[Pie.size() - 2], (TPathPoint{TPathPointKind::LineTo, {50, 25}}));
  EXPECT_EQ(Pie.back().Kind, TPathPointKind::Close);

  TRecordingCanvas T;
  MoveTo(T, 1, 2);
  LineTo(T, 3, 4);
  ArcTo(T, 0, 0, 100, 50, 100, 25, 50, 0);
  LineTo(T, 7, 8);
  ASSERT_EQ(T.Ops(), (std::vector{TCanvasOp::DrawLine, TCanvasOp::DrawPath, TCanvasOp::DrawLine}));
  EXPECT_EQ(T[0].Points, (std::vector<TPointF>{{1, 2}, {3, 4}}));
  EXPECT_EQ(T[1].Path[0], (TPathPoint{TPathPointKind::MoveTo, {3, 4}}));
  EXPECT_EQ(T[1].Path[1], (TPathPoint{TPathPointKind::LineTo, {100, 25}}));
  EXPECT_EQ(T[2].Points, (std::vector<TPointF>{{50, 0}, {7, 8}}));
}

TEST(CanvasHelperText, TextExtentRoundsHalvesToEvenAndSkipsMeasuringEmptyText) {
  TRecordingCanvas C;
  TSizeF Measured;
  int Measures = 0;
  C.SetTextMetrics([&](const TFont&, std::string_view) { ++Measures; return Measured; });
  EXPECT_EQ(TextExtent(C, ""), (TSize{0, 0}));
  EXPECT_EQ(Measures, 0);
  const struct { TSizeF In; TSize Out; } Cases[] = {
      {{10.5f, 11.5f}, {10, 12}}, {{2.5f, 3.49f}, {2, 3}}, {{0.5f, 0.51f}, {0, 1}}};
  for (const auto& Case : Cases) {
    Measured = Case.In;
    EXPECT_EQ(TextExtent(C, "x"), Case.Out) << Case.In.cx;
  }
}

TEST(CanvasHelperText, TextOutAndFillTextPlaceTheLayoutRectangle) {
  // Default metrics: half the font size (12) per character, one size per line.
  EXPECT_EQ(Record([](TCanvas& C) { TextOut(C, 5, 6, "abc", 0.5f); }),
            "FillText (5,6,23,18) \"abc\" wrap=0 h=Leading v=Center op=0.5\n");
  EXPECT_EQ(Record([](TCanvas& C) {
              FillText(C, {100, 50, 0, 0}, "x", true, 1, {}, 0, TTextAlign::Center, TTextAlign::Leading);
            }),
            "FillText (0,0,100,50) \"x\" wrap=1 h=Center v=Leading op=1\n");
}

TEST(CanvasHelperText, FillTextTurnsAroundTheRectangleCentreAndPutsTheMatrixBack) {
  // Under a scaled and moved matrix the turn is about where the centre lands.
  const TMatrix S = TMatrix::CreateScaling(2, 2) * TMatrix::CreateTranslation(10, 0);
  for (const bool Fails : {false, true}) {
    VXTest::TFailingCanvas C(Fails ? TCanvasOp::FillText : TCanvasOp::Clear);
    C.SetMatrix(S);
    if (Fails)
      EXPECT_THROW(FillText(C, {0, 0, 100, 50}, "x", false, 1, {}, 90, TTextAlign::Center), Exception);
    else
      FillText(C, {0, 0, 100, 50}, "x", false, 1, {}, 90, TTextAlign::Center);
    EXPECT_EQ(C.Matrix(), S);
    ASSERT_EQ(C.Count(), 1u);
    const TMatrix& M = C[0].Matrix;
    const TPointF Centre = M.Transform({50, 25}), Right = M.Transform({100, 25});
    // Centre lands at (110, 50); the right edge's middle, 100 units right of it
    // before the turn, ends up 100 units above it.
    EXPECT_NEAR(Centre.X, 110, 1e-4);
    EXPECT_NEAR(Centre.Y, 50, 1e-4);
    EXPECT_NEAR(Right.X, 110, 1e-4);
    EXPECT_NEAR(Right.Y, -50, 1e-4);
  }
}

TEST(CanvasHelperState, FocusRectAndTextRectLeaveTheCanvasAsTheyFoundIt) {
  for (const bool Fails : {false, true}) {
    VXTest::TFailingCanvas C(Fails ? TCanvasOp::DrawRect : TCanvasOp::Clear);
    C.Stroke().SetKind(TBrushKind::None);
    C.Stroke().SetColor(0xFF123456);
    C.SetStrokeThickness(3);
    C.SetStrokeDash(TStrokeDash::Dot);
    const TStrokeBrush Before = C.Stroke();
    if (Fails)
      EXPECT_THROW(DrawFocusRect(C, TRect{1, 2, 3, 4}, 0.5f), Exception);
    else
      DrawFocusRect(C, TRect{1, 2, 3, 4}, 0.5f);
    ASSERT_EQ(C.Count(), 1u);
    EXPECT_EQ(C[0].ToString(),
              "DrawRect (1,2,3,4) op=0.5 stroke=Solid:FF123456 w=1 cap=Flat join=Miter dash=Dash");
    EXPECT_TRUE(C.Stroke().SameStroke(Before));
  }
  for (const bool Fails : {false, true}) {
    VXTest::TFailingCanvas C(Fails ? TCanvasOp::FillText : TCanvasOp::Clear);
    if (Fails)
      EXPECT_THROW(TextRect(C, TRect{10, 20, 110, 60}, 15, 25, "hi"), Exception);
    else
      TextRect(C, TRect{10, 20, 110, 60}, 15, 25, "hi");
    EXPECT_EQ(Calls(C), "PushClip\nIntersectClipRect (10,20,110,60)\n"
                        "FillText (15,25,110,60) \"hi\" wrap=0 h=Leading v=Leading op=1\nPopClip\n");
    EXPECT_EQ(C.ClipDepth(), 0);
  }
}

}  // namespace
