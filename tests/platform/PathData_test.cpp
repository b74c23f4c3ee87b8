#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/PathData.h"
#include "platform/PathDump.h"

using namespace FMX;
using FMX::Testing::DumpPath;
using FMX::Testing::TChangeCounter;

namespace {

using K = TPathPointKind;


double Dist(TPointF A, TPointF B) { return std::hypot(double(A.X) - B.X, double(A.Y) - B.Y); }

double DistToSegment(TPointF P, TPointF A, TPointF B) {
  double DX = double(B.X) - A.X, DY = double(B.Y) - A.Y;
  double L2 = DX * DX + DY * DY;
  double T = L2 == 0 ? 0 : ((double(P.X) - A.X) * DX + (double(P.Y) - A.Y) * DY) / L2;
  T = std::clamp(T, 0.0, 1.0);
  return std::hypot(double(P.X) - (A.X + T * DX), double(P.Y) - (A.Y + T * DY));
}

TPointF Cubic(TPointF P0, TPointF P1, TPointF P2, TPointF P3, double T) {
  double U = 1 - T;
  return {float(U * U * U * P0.X + 3 * U * U * T * P1.X + 3 * U * T * T * P2.X + T * T * T * P3.X),
          float(U * U * U * P0.Y + 3 * U * U * T * P1.Y + 3 * U * T * T * P2.Y + T * T * T * P3.Y)};
}

}  // namespace

TEST(PathSegments, WalkYieldsKindStartAndPointsIncludingAnIncompleteTail) {
  TPathData P;
  P.MoveTo({1, 2});
  P.LineTo({3, 4});
  P.CurveTo({5, 6}, {7, 8}, {9, 10});
  P.ClosePath();
  P.AddPoint(K::CurveTo, {11, 12});  // raw import: a curve cut short
  struct TExpected {
    K Kind;
    TPointF Start;
    std::size_t Size, Index;
  };
  const std::vector<TExpected> Want = {
      {K::MoveTo, {0, 0}, 1, 0}, {K::LineTo, {1, 2}, 1, 1}, {K::CurveTo, {3, 4}, 3, 2},
      {K::Close, {9, 10}, 1, 5}, {K::CurveTo, {1, 2}, 1, 6},
  };
  std::size_t I = 0;
  for (const TPathSegment& S : P.Segments()) {
    ASSERT_LT(I, Want.size());
    EXPECT_EQ(S.Kind, Want[I].Kind) << I;
    EXPECT_EQ(S.Start, Want[I].Start) << I;
    EXPECT_EQ(S.Points.size(), Want[I].Size) << I;
    EXPECT_EQ(S.Index, Want[I].Index) << I;
    ++I;
  }
  EXPECT_EQ(I, Want.size());
  // A curve as the very first thing starts at the origin.
  TPathData Q;
  Q.CurveTo({1, 1}, {2, 2}, {3, 3});
  EXPECT_EQ((*Q.Segments().begin()).Start, (TPointF{0, 0}));
}

TEST(PathData, ClosePointsHoldTheSubpathStartAndBecomeTheCurrentPoint) {
  TPathData P;
  EXPECT_EQ(P.LastPoint(), (TPointF{0, 0}));
  P.LineTo({5, 5});
  P.ClosePath();  // no move yet: the subpath starts at the origin
  EXPECT_EQ(P.GetPoint(1).Point, (TPointF{0, 0}));
  P.MoveTo({10, 20});
  P.LineTo({30, 40});
  P.ClosePath();
  EXPECT_EQ(P.GetPoint(4), (TPathPoint{K::Close, {10, 20}}));
  EXPECT_EQ(P.LastPoint(), (TPointF{10, 20}));
  P.LineToRel({1, 1});  // continues from the subpath start
  EXPECT_EQ(P.LastPoint(), (TPointF{11, 21}));
  // A raw close ignores the point it is given.
  P.AddPoint(K::Close, {99, 99});
  EXPECT_EQ(P.LastPoint(), (TPointF{10, 20}));
  EXPECT_THROW(P.AddPoint(static_cast<K>(7), {0, 0}), Exception);
  EXPECT_THROW(P.GetPoint(P.GetCount()), Exception);
  EXPECT_THROW(P.GetPoint(-1), Exception);
}

TEST(PathData, RelativeAndAxisOperationsStartFromTheCurrentPoint) {
  struct TCase {
    const char* Name;
    std::function<void(TPathData&)> Op;
    const char* Want;
  };
  const std::vector<TCase> Cases = {
      {"MoveToRel", [](TPathData& P) { P.MoveToRel({1, -1}); }, "M2,3 M3,2"},
      {"LineToRel", [](TPathData& P) { P.LineToRel({0.5f, 4}); }, "M2,3 L2.5,7"},
      {"HLineTo", [](TPathData& P) { P.HLineTo(7); }, "M2,3 L7,3"},
      {"HLineToRel", [](TPathData& P) { P.HLineToRel(-7); }, "M2,3 L-5,3"},
      {"VLineTo", [](TPathData& P) { P.VLineTo(7); }, "M2,3 L2,7"},
      {"VLineToRel", [](TPathData& P) { P.VLineToRel(-7); }, "M2,3 L2,-4"},
      {"CurveToRel", [](TPathData& P) { P.CurveToRel({1, 0}, {2, 1}, {3, 3}); }, "M2,3 C3,3 4,4 5,6"},
      // After a curve the first control point mirrors its second control point.
      {"SmoothCurveTo",
       [](TPathData& P) {
         P.CurveTo({2, 5}, {4, 5}, {6, 3});
         P.SmoothCurveTo({10, 0}, {12, 3});
       },
       "M2,3 C2,5 4,5 6,3 C8,1 10,0 12,3"},
      {"SmoothCurveToRel",
       [](TPathData& P) {
         P.LineTo({4, 3});
         P.SmoothCurveToRel({1, 1}, {2, 0});
       },
       "M2,3 L4,3 C6,3 5,4 6,3"},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    P.MoveTo({2, 3});
    C.Op(P);
    EXPECT_EQ(DumpPath(P), C.Want) << C.Name;
  }
}

TEST(PathData, EveryChangingCallNotifiesOnce) {
  struct TCase {
    const char* Name;
    std::function<void(TPathData&)> Op;
  };
  TPathData Other;
  Other.MoveTo({1, 1});
  const std::vector<TCase> Cases = {
      {"CurveTo", [](TPathData& P) { P.CurveTo({1, 1}, {2, 2}, {3, 3}); }},
      {"AddEllipse", [](TPathData& P) { P.AddEllipse({0, 0, 10, 10}); }},
      {"AddArc", [](TPathData& P) { P.AddArc({0, 0}, {5, 5}, 0, 270); }},
      {"AddRectangle", [](TPathData& P) { P.AddRectangle({0, 0, 10, 10}, 2, 2); }},
      {"Flatten", [](TPathData& P) { P.Flatten(); }},
      {"ApplyMatrix", [](TPathData& P) { P.ApplyMatrix(TMatrix::CreateScaling(2, 2)); }},
      {"Assign", [&Other](TPathData& P) { P.Assign(Other); }},
      {"Clear", [](TPathData& P) { P.Clear(); }},
      {"ClosePath", [](TPathData& P) { P.ClosePath(); }},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    P.MoveTo({0, 0});
    P.CurveTo({0, 5}, {5, 5}, {5, 0});
    TChangeCounter Counter(P);
    C.Op(P);
    EXPECT_EQ(Counter.Count, 1) << C.Name;
  }
}

TEST(PathData, AssignCopiesPointsButNotTheSlotAndRejectsOtherClasses) {
  TPathData A, B;
  B.MoveTo({1, 2});
  B.LineTo({3, 4});
  B.ClosePath();
  TChangeCounter Counter(A);
  A.Assign(B);
  EXPECT_EQ(DumpPath(A), "M1,2 L3,4 Z");
  // The subpath start travels with the copy.
  A.ClosePath();
  EXPECT_EQ(A.LastPoint(), (TPointF{1, 2}));
  EXPECT_EQ(Counter.Count, 2);
  EXPECT_FALSE(B.OnChanged());
  struct TNotAPath : TPersistent {} Other;
  EXPECT_THROW(A.Assign(Other), EConvertError);
}

TEST(PathData, FlattenStaysWithinTheToleranceAndKeepsEndPointsExactly) {
  const TPointF P0{0, 0}, P1{0, 100}, P2{100, 100}, P3{100, 0};
  std::size_t PreviousCount = 0;
  for (float Tol : {1.0f, 0.25f, 0.01f}) {
    TPathData P;
    P.MoveTo(P0);
    P.CurveTo(P1, P2, P3);
    P.ClosePath();
    P.Flatten(Tol);
    auto Pts = P.Points();
    ASSERT_GE(Pts.size(), 4u);
    EXPECT_EQ(Pts.front(), (TPathPoint{K::MoveTo, P0}));
    EXPECT_EQ(Pts[Pts.size() - 2], (TPathPoint{K::LineTo, P3}));
    EXPECT_EQ(Pts.back(), (TPathPoint{K::Close, P0}));
    for (std::size_t I = 1; I + 1 < Pts.size(); ++I) EXPECT_EQ(Pts[I].Kind, K::LineTo);
    // Every point of the true curve lies within the tolerance of the lines.
    double Worst = 0;
    for (int S = 0; S <= 1000; ++S) {
      TPointF C = Cubic(P0, P1, P2, P3, S / 1000.0);
      double Best = 1e30;
      for (std::size_t I = 1; I + 1 < Pts.size(); ++I)
        Best = std::min(Best, DistToSegment(C, Pts[I - 1].Point, Pts[I].Point));
      Worst = std::max(Worst, Best);
    }
    EXPECT_LE(Worst, Tol * 1.001) << Tol;
    EXPECT_GT(Pts.size(), PreviousCount) << "a finer tolerance needs more lines";
    PreviousCount = Pts.size();
  }
  // Lines are untouched; bad tolerances fall back to the default; an
  // incomplete tail is dropped.
  TPathData L;
  L.MoveTo({0, 0});
  L.LineTo({5, 5});
  L.AddPoint(K::CurveTo, {1, 1});
  L.Flatten(std::nanf(""));
  EXPECT_EQ(DumpPath(L), "M0,0 L5,5");
  // Enormous curves are capped rather than exhausting memory.
  TPathData Huge;
  Huge.CurveTo({0, 3e38f}, {3e38f, 3e38f}, {3e38f, 0});
  Huge.Flatten(1e-30f);
  EXPECT_LE(Huge.GetCount(), 4096);
}

TEST(PathData, AddEllipseIsFourQuarterCubicsOnTheEllipse) {
  TPathData P;
  P.AddEllipse({10, 20, 50, 40});  // centre (30, 30), radii 20 and 10
  ASSERT_EQ(P.GetCount(), 14);
  EXPECT_EQ(P.GetPoint(0), (TPathPoint{K::MoveTo, {50, 30}}));
  EXPECT_EQ(P.GetPoint(3).Point, (TPointF{30, 40}));
  EXPECT_EQ(P.GetPoint(6).Point, (TPointF{10, 30}));
  EXPECT_EQ(P.GetPoint(9).Point, (TPointF{30, 20}));
  EXPECT_EQ(P.GetPoint(12).Point, (TPointF{50, 30}));
  EXPECT_EQ(P.GetPoint(13).Kind, K::Close);
  for (const TPathSegment& S : P.Segments()) {
    if (S.Kind != K::CurveTo) continue;
    for (double T : {0.25, 0.5, 0.75}) {
      TPointF Q = Cubic(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), T);
      double E = std::hypot((Q.X - 30) / 20.0, (Q.Y - 30) / 10.0);
      EXPECT_NEAR(E, 1.0, 3e-4);
    }
  }
}

TEST(PathData, AddArcPiecesDirectionAndLeadIn) {
  struct TCase {
    float Start, Sweep;
    int Curves;
    TPointF End;
  };
  const std::vector<TCase> Cases = {
      {0, 90, 1, {0, 10}},   {0, -90, 1, {0, -10}}, {90, 180, 2, {0, -10}},
      {0, 100, 2, {-1.73648f, 9.84808f}}, {45, 720, 4, {7.07107f, 7.07107f}}, {30, 0, 0, {8.66025f, 5}},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    P.AddArc({0, 0}, {10, 10}, C.Start, C.Sweep);
    ASSERT_EQ(P.GetCount(), 1 + 3 * C.Curves) << C.Start << " " << C.Sweep;
    EXPECT_EQ(P.GetPoint(0).Kind, K::MoveTo);
    EXPECT_NEAR(P.LastPoint().X, C.End.X, 1e-4);
    EXPECT_NEAR(P.LastPoint().Y, C.End.Y, 1e-4);
    for (const TPathSegment& S : P.Segments()) {
      if (S.Kind != K::CurveTo) continue;
      EXPECT_NEAR(Dist(Cubic(S.Start, S.Pt(0), S.Pt(1), S.Pt(2), 0.5), {0, 0}), 10.0, 3e-3);
    }
  }
  // A quarter turn from +x towards +y: control points 0.5523 radius along the tangents.
  TPathData Q;
  Q.AddArc({0, 0}, {10, 10}, 0, 90);
  EXPECT_EQ(DumpPath(Q), "M10,0 C10,5.5228 5.5228,10 0,10");
  // After an open figure a line leads to the arc's start; after a close a move.
  TPathData L;
  L.MoveTo({0, 0});
  L.AddArc({20, 0}, {10, 5}, 180, 90);
  EXPECT_EQ(L.GetPoint(1).Kind, K::LineTo);
  EXPECT_NEAR(Dist(L.GetPoint(1).Point, {10, 0}), 0, 1e-5);
  EXPECT_NEAR(L.LastPoint().X, 20, 1e-5);
  EXPECT_NEAR(L.LastPoint().Y, -5, 1e-5);
  L.ClosePath();
  L.AddArc({0, 0}, {1, 1}, 0, 90);
  EXPECT_EQ(L.GetPoint(L.GetCount() - 4).Kind, K::MoveTo);
  TPathData Same;
  Same.MoveTo({10, 0});
  Same.AddArc({0, 0}, {10, 10}, 0, 90);
  EXPECT_EQ(Same.GetCount(), 4) << "no zero-length line when already at the start";
}

TEST(PathData, AddRectangleCornerTypes) {
  const TRectF R{0, 0, 100, 50};
  struct TCase {
    const char* Name;
    TRectF Rect;
    float RX, RY;
    TCorners Corners;
    TCornerType Type;
    const char* Want;
  };
  const std::vector<TCase> Cases = {
      {"square", R, 0, 5, AllCorners, TCornerType::Round, "M0,0 L100,0 L100,50 L0,50 Z"},
      {"inverted", {100, 50, 0, 0}, 0, 0, AllCorners, TCornerType::Round, "M0,0 L100,0 L100,50 L0,50 Z"},
      {"round",
       R, 10, 5, AllCorners, TCornerType::Round,
       "M10,0 L90,0 C95.523,0 100,2.2386 100,5 L100,45 C100,47.761 95.523,50 90,50 L10,50 "
       "C4.4772,50 0,47.761 0,45 L0,5 C0,2.2386 4.4772,0 10,0 Z"},
      {"bevel", R, 10, 5, {TCorner::TopRight}, TCornerType::Bevel, "M0,0 L90,0 L100,5 L100,50 L0,50 Z"},
      {"inner line", R, -10, -5, {TCorner::TopRight}, TCornerType::InnerLine,
       "M0,0 L90,0 L90,5 L100,5 L100,50 L0,50 Z"},
      {"inner round", R, 10, 5, {TCorner::TopRight}, TCornerType::InnerRound,
       "M0,0 L90,0 C90,2.7614 94.477,5 100,5 L100,50 L0,50 Z"},
      {"bottom left only", R, 10, 5, {TCorner::BottomLeft}, TCornerType::Bevel,
       "M0,0 L100,0 L100,50 L10,50 L0,45 Z"},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    P.AddRectangle(C.Rect, C.RX, C.RY, C.Corners, C.Type);
    EXPECT_EQ(DumpPath(P), C.Want) << C.Name;
  }
  // Radii beyond half the sides are capped: four quarter ellipses and no lines.
  TPathData Pill;
  Pill.AddRectangle(R, 80, 80);
  EXPECT_EQ(Pill.GetCount(), 14);
  EXPECT_EQ(Pill.GetPoint(0).Point, (TPointF{50, 0}));
  EXPECT_EQ(Pill.GetPoint(3).Point, (TPointF{100, 25}));
  EXPECT_EQ(Pill.GetPoint(6).Point, (TPointF{50, 50}));
}

TEST(PathData, ApplyMatrixMovesEveryPointAndKeepsClosesOnTheirSubpathStart) {
  TPathData P;
  P.LineTo({1, 0});
  P.ClosePath();  // stored at the origin: no move before it
  P.MoveTo({1, 2});
  P.CurveTo({3, 4}, {5, 6}, {7, 8});
  P.ClosePath();
  P.ApplyMatrix(TMatrix::CreateScaling(2, 3) * TMatrix::CreateTranslation(10, 0));
  EXPECT_EQ(DumpPath(P), "L12,0 Z M12,6 C16,12 20,18 24,24 Z");
  EXPECT_EQ(P.GetPoint(1).Point, (TPointF{0, 0}));
  EXPECT_EQ(P.LastPoint(), (TPointF{12, 6}));
}

TEST(PathData, PathStringIsSvgWithFifteenDigitNumbers) {
  TPathData P;
  EXPECT_EQ(P.GetPathString(), "");
  P.MoveTo({10, 20});
  P.LineTo({30.5f, -40});
  P.CurveTo({0.1f, 2}, {3, 4}, {5, 1e-6f});
  P.ClosePath();
  P.AddPoint(K::CurveTo, {1, 1});
  EXPECT_EQ(P.GetPathString(), "M10,20 L30.5,-40 C0.100000001490116,2 3,4 5,9.99999997475243E-7 Z");
}

// A curve is the three points after its first curve point, whatever their
// kinds (as the copying walk takes them): two raw curve points before a move
// make the move the curve's end point, and its subpath joins the first.
TEST(PathData, FlattenTakesAnIncompleteCurveBeforeAMoveUpToTheMove) {
  TPathData P;
  P.MoveTo({0, 0});
  P.AddPoint(TPathPointKind::CurveTo, {5, 5});
  P.AddPoint(TPathPointKind::CurveTo, {6, 6});
  P.MoveTo({20, 20});
  P.LineTo({30, 20});
  P.Flatten();
  ASSERT_GT(P.GetCount(), 3);
  EXPECT_EQ(P.GetPoint(0).Kind, TPathPointKind::MoveTo);
  for (std::int32_t i = 1; i < P.GetCount(); ++i) EXPECT_EQ(P.GetPoint(i).Kind, TPathPointKind::LineTo) << i;
  EXPECT_EQ(P.GetPoint(P.GetCount() - 2).Point, (TPointF{20, 20}));
  EXPECT_EQ(P.LastPoint(), (TPointF{30, 20}));
}

TEST(PathData, BoundsFollowCurveExtremesNotControlPoints) {
  struct TCase {
    const char* Name;
    std::function<void(TPathData&)> Build;
    TRectF Want;
  };
  const std::vector<TCase> Cases = {
      {"empty", [](TPathData&) {}, {0, 0, 0, 0}},
      {"lines", [](TPathData& P) { P.MoveTo({5, -1}); P.LineTo({-2, 4}); P.LineTo({3, 3}); }, {-2, -1, 5, 4}},
      {"arch", [](TPathData& P) { P.MoveTo({0, 0}); P.CurveTo({0, 10}, {10, 10}, {10, 0}); }, {0, 0, 10, 7.5f}},
      {"s-curve", [](TPathData& P) { P.MoveTo({0, 0}); P.CurveTo({10, 0}, {-10, 10}, {0, 10}); },
       {-2.88675f, 0, 2.88675f, 10}},
      // A curve opening the path starts at (0, 0), which the bounds include.
      {"curve first", [](TPathData& P) { P.CurveTo({10, 10}, {20, 10}, {20, 5}); }, {0, 0, 20, 8.28427f}},
  };
  for (const TCase& C : Cases) {
    TPathData P;
    C.Build(P);
    TRectF B = P.GetBounds();
    EXPECT_NEAR(B.Left, C.Want.Left, 1e-4) << C.Name;
    EXPECT_NEAR(B.Top, C.Want.Top, 1e-4) << C.Name;
    EXPECT_NEAR(B.Right, C.Want.Right, 1e-4) << C.Name;
    EXPECT_NEAR(B.Bottom, C.Want.Bottom, 1e-4) << C.Name;
  }
}
