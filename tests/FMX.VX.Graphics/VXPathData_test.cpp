#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/VXPathData.h"
#include "platform/PathDump.h"
#include "platform/RecordingCanvas.h"

using namespace FMX::VX::Graphics;
using FMX::Testing::DumpPath;
using FMX::Testing::TChangeCounter;

namespace {

using K = TPathPointKind;

class TMarkedPath : public TVXPathData {
 public:
  std::unique_ptr<TVXPathData> NewInstance() const override { return std::make_unique<TMarkedPath>(); }
};

// A source whose last curve is cut short (only raw import can make one).
void MakeTruncated(TVXPathData& P) {
  P.MoveTo({1, 1});
  P.LineTo({2, 2});
  P.AddPoint(K::CurveTo, {3, 3});
  P.AddPoint(K::CurveTo, {4, 4});
}

}  // namespace

TEST(VXPathDataEvents, NestedBatchesNotifyOnceAtTheOutermostEnd) {
  TVXPathData P;
  TChangeCounter E(P);
  P.BeginUpdate();
  P.BeginUpdate();
  P.MoveTo({0, 0});
  P.LineTo({1, 1});
  P.EndUpdate();
  P.ClosePath();
  EXPECT_EQ(E.Count, 0);
  P.EndUpdate();
  EXPECT_EQ(E.Count, 1);
  // Outside a batch every edit notifies.
  P.LineTo({2, 2});
  EXPECT_EQ(E.Count, 2);
  // An unbalanced EndUpdate leaves the counter negative: a later batch no
  // longer holds notifications back.
  P.EndUpdate();
  P.BeginUpdate();
  P.LineTo({3, 3});
  EXPECT_EQ(E.Count, 3);
}

TEST(VXPathDataEvents, FillModeIsStoredWithoutNotifying) {
  TVXPathData P;
  TChangeCounter E(P);
  EXPECT_EQ(P.FillMode(), fmEvenOdd);
  P.SetFillMode(fmNonZero);
  EXPECT_EQ(P.FillMode(), fmNonZero);
  EXPECT_EQ(E.Count, 0);
}

TEST(VXPathDataPolygons, IntegerAndFloatFormsDifferOnlyInTheRepeatedClosingPoint) {
  struct TCase {
    std::vector<TPoint> Points;
    const char* WantInt;
    const char* WantFloat;
  };
  const std::vector<TCase> Cases = {
      {{{0, 0}, {10, 0}, {0, 0}}, "M0,0 L10,0 L0,0 Z", "M0,0 L10,0 Z"},
      {{{5, 5}}, "M5,5 Z", "M5,5 Z"},
      {{{0, 0}, {10, 0}, {10, 10}}, "M0,0 L10,0 L10,10", "M0,0 L10,0 L10,10"},
      {{{-3, 4}, {7, 4}}, "M-3,4 L7,4", "M-3,4 L7,4"},
  };
  for (const TCase& C : Cases) {
    TVXPathData I, F;
    TChangeCounter EI(I), EF(F);
    I.AddPolygon(std::span<const TPoint>(C.Points));
    TCanvasPoints FP;
    for (const TPoint& Q : C.Points) FP.push_back({float(Q.X), float(Q.Y)});
    F.AddPolygon(std::span<const TPointF>(FP));
    EXPECT_EQ(DumpPath(I), C.WantInt);
    EXPECT_EQ(DumpPath(F), C.WantFloat);
    EXPECT_EQ(EI.Count, 1);
    EXPECT_EQ(EF.Count, 1);
  }
}

TEST(VXPathDataPolygons, EmptyInputAndPolygonLists) {
  TVXPathData P;
  TChangeCounter E(P);
  P.AddPolygon(std::span<const TPoint>());
  P.AddPolygon(std::span<const TPointF>());
  EXPECT_TRUE(P.IsEmpty());
  EXPECT_EQ(E.Count, 0);
  P.AddPolygons(TPointPolygons{});
  EXPECT_EQ(E.Count, 1) << "a list always notifies once";
  P.AddPolygons(TVXPolygons{{{0, 0}, {1, 0}, {0, 0}}, {{5, 5}, {6, 6}}});
  EXPECT_EQ(E.Count, 2);
  EXPECT_EQ(DumpPath(P), "M0,0 L1,0 Z M5,5 L6,6");
}

TEST(VXPathDataCopying, AppendAssignsOntoEmptyAndAddsSubpathsOtherwise) {
  TVXPathData Src;
  Src.MoveTo({1, 2});
  Src.CurveTo({3, 4}, {5, 6}, {7, 8});
  Src.ClosePath();

  TVXPathData Empty;
  Empty.Append(Src);
  EXPECT_EQ(DumpPath(Empty), DumpPath(Src));

  TVXPathData P;
  P.MoveTo({0, 0});
  P.LineTo({9, 9});
  TChangeCounter E(P);
  P.Append(Src);
  EXPECT_EQ(DumpPath(P), "M0,0 L9,9 M1,2 C3,4 5,6 7,8 Z");
  EXPECT_EQ(E.Count, 1);
  // Appending a path to itself doubles it.
  P.Append(P);
  EXPECT_EQ(DumpPath(P), "M0,0 L9,9 M1,2 C3,4 5,6 7,8 Z M0,0 L9,9 M1,2 C3,4 5,6 7,8 Z");
  // Path text is parsed first.
  TVXPathData T;
  T.MoveTo({0, 0});
  T.Append("L 1 1 q 1 0 1 1");
  EXPECT_EQ(DumpPath(T), "M0,0 L1,1 C1.6667,1 2,1.3333 2,2");
}

TEST(VXPathDataCopying, IncompleteCurveRaisesPathCopyingErrorKeepingWhatWasCopied) {
  TVXPathData Src;
  MakeTruncated(Src);

  TVXPathData P;
  P.MoveTo({0, 0});
  TChangeCounter E(P);
  try {
    P.Append(Src);
    FAIL() << "expected Path Copying Error";
  } catch (const FMX::Exception& Ex) {
    EXPECT_EQ(Ex.Message(), "Path Copying Error");
  }
  EXPECT_EQ(DumpPath(P), "M0,0 M1,1 L2,2");
  EXPECT_EQ(E.Count, 1) << "the batch is still closed";

  TPathData Plain;
  EXPECT_THROW(Src.AssignTo(Plain), FMX::Exception);
  EXPECT_EQ(DumpPath(Plain), "M1,1 L2,2");
}

TEST(VXPathDataCopying, AssignToAppendsToAnyContainerAndRejectsOthers) {
  TVXPathData Src;
  Src.MoveTo({1, 2});
  Src.LineTo({3, 4});
  Src.ClosePath();
  TPathData Dest;
  Dest.MoveTo({9, 9});
  Src.AssignTo(Dest);
  EXPECT_EQ(DumpPath(Dest), "M9,9 M1,2 L3,4 Z");
  // The container's own Assign replaces instead.
  Dest.Assign(Src);
  EXPECT_EQ(DumpPath(Dest), "M1,2 L3,4 Z");
  struct TNotAPath : TPersistent {} Other;
  EXPECT_THROW(Src.AssignTo(Other), FMX::EConvertError);
}

TEST(VXPathDataCopying, CloneKeepsTheRunTimeClassAndThePoints) {
  TMarkedPath M;
  M.SetData("M1 2 L3 4 C5 6 7 8 9 10 Z");
  int Calls = 0;
  M.SetOnChanged([&](TObject*) { ++Calls; });
  std::unique_ptr<TVXPathData> C = M.Clone();
  EXPECT_NE(dynamic_cast<TMarkedPath*>(C.get()), nullptr);
  EXPECT_EQ(DumpPath(*C), DumpPath(M));
  C->LineTo({0, 0});
  EXPECT_EQ(Calls, 0) << "the clone does not share the event";
  std::unique_ptr<TVXPathData> Base = TVXPathData().Clone();
  EXPECT_EQ(dynamic_cast<TMarkedPath*>(Base.get()), nullptr);
}

TEST(VXPathDataSmooth, FallsBackToTheCurrentPointOnShortPathsAndAfterMoves) {
  TVXPathData Short, AfterMove, Long;
  Short.MoveTo({1, 1});
  Short.SmoothCurveToRel({2, 2}, {3, 3});
  EXPECT_EQ(DumpPath(Short), "M1,1 C1,1 3,3 4,4");
  AfterMove.AddPolygon(std::vector<TPointF>{{0, 0}, {1, 0}});
  AfterMove.MoveTo({2, 0});
  AfterMove.SmoothCurveTo({2, 2}, {3, 3});
  EXPECT_EQ(DumpPath(AfterMove), "M0,0 L1,0 M2,0 C2,0 2,2 3,3");
  Long.AddPolygon(std::vector<TPointF>{{0, 0}, {1, 0}, {2, 0}});
  Long.SmoothCurveTo({2, 2}, {3, 3});
  EXPECT_EQ(DumpPath(Long), "M0,0 L1,0 L2,0 C3,0 2,2 3,3");
}

TEST(VXPathDataDrawing, OpenPathsAreFilledThroughAClosedCopy) {
  struct TCase {
    const char* Text;
    FMX::TBrushKind Fill;
    const char* WantFilled;
  };
  const std::vector<TCase> Cases = {
      {"M0 0 L10 0 L10 10", FMX::TBrushKind::Solid, "M0,0 L10,0 L10,10 Z"},
      {"M0 0 L10 0 L10 10 Z", FMX::TBrushKind::Solid, "M0,0 L10,0 L10,10 Z"},
      {"M0 0 L10 0 L10 10", FMX::TBrushKind::None, "M0,0 L10,0 L10,10"},
      {"", FMX::TBrushKind::Solid, ""},
  };
  for (const TCase& C : Cases) {
    TVXPathData P;
    P.SetData(C.Text);
    const std::string Before = DumpPath(P);
    int Calls = 0;
    P.SetOnChanged([&](TObject*) { ++Calls; });
    FMX::TRecordingCanvas Canvas;
    Canvas.Fill().SetKind(C.Fill);
    P.FillPath(Canvas, 0.5f);
    P.DrawPath(Canvas, 0.25f);
    ASSERT_EQ(Canvas.Count(), 2u) << C.Text;
    EXPECT_EQ(Canvas[0].Op, FMX::TCanvasOp::FillPath);
    EXPECT_EQ(Canvas[0].Opacity, 0.5f);
    TPathData Filled;
    for (const TPathPoint& Q : Canvas[0].Path) Filled.AddPoint(Q.Kind, Q.Point);
    EXPECT_EQ(DumpPath(Filled), C.WantFilled) << C.Text;
    EXPECT_EQ(Canvas[1].Op, FMX::TCanvasOp::DrawPath);
    EXPECT_EQ(Canvas[1].Opacity, 0.25f);
    EXPECT_EQ(Canvas[1].Path.size(), std::size_t(P.GetCount()));
    EXPECT_EQ(DumpPath(P), Before) << "the path itself is left unchanged";
    EXPECT_EQ(Calls, 0);
  }
}
