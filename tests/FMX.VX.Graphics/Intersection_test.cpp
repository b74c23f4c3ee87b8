#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "FMX.VX.Graphics/Intersection.h"
#include "FMX.VX.Graphics/VectorMatrix.h"

using namespace FMX::VX::Graphics;

TEST(IntersectRect, SharedEdgesIntersectAndDisjointOnesLeaveAnInvertedResult) {
  struct Case { TRect A, B, R; bool Hit; };
  for (auto [A, B, R, Hit] : std::vector<Case>{{{0, 0, 10, 10}, {10, 0, 20, 10}, {10, 0, 10, 10}, true},
                                               {{0, 0, 10, 10}, {11, 0, 20, 10}, {11, 0, 10, 10}, false},
                                               {{0, 0, 10, 10}, {10, 10, 20, 20}, {10, 10, 10, 10}, true},
                                               {{0, 0, 10, 10}, {5, -5, 15, 5}, {5, 0, 10, 5}, true},
                                               {{0, 0, 10, 10}, {2, 11, 8, 12}, {2, 11, 8, 10}, false}}) {
    TRect Out{-1, -1, -1, -1};
    EXPECT_EQ(VXIntersectRect(A, B, Out), Hit);
    EXPECT_EQ(Out, R);
    EXPECT_EQ(VXIntersectRect(A, B), Hit);
    TRectF OutF;
    EXPECT_EQ(VXIntersectRect(RectToVXRect(A), RectToVXRect(B), OutF), Hit);
    EXPECT_EQ(OutF, RectToVXRect(R));
    EXPECT_EQ(VXIntersectRect(RectToVXRect(A), RectToVXRect(B)), Hit);
  }
}

TEST(IntersectLine, TouchingCountsAndParallelOrCollinearDoesNot) {
  struct Case { TPointF P1, P2, P3, P4; bool Hit; TPointF Q; };
  for (auto [P1, P2, P3, P4, Hit, Q] : std::vector<Case>{
           {{0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
           {{0, 0}, {10, 0}, {0, 1}, {10, 1}, false, {}},     // parallel
           {{0, 0}, {10, 0}, {5, 0}, {15, 0}, false, {}},     // collinear overlap
           {{0, 0}, {10, 0}, {10, 0}, {10, 5}, true, {10, 0}},  // shared endpoint
           {{0, 0}, {10, 0}, {5, 0}, {5, 5}, true, {5, 0}},     // endpoint on the other segment
           {{0, 0}, {10, 0}, {11, -1}, {11, 1}, false, {}},   // the lines cross beyond P2
           {{0, 0}, {10, 0}, {5, 1}, {6, 8}, false, {}},      // P3, P4 strictly above
           {{2, 1}, {2, 9}, {0, 3}, {8, 7}, true, {2, 4}}}) {
    TPointF Out{99, 99};
    EXPECT_EQ(VXIntersectLine(P1, P2, P3, P4, Out), Hit);
    EXPECT_EQ(Out, (Hit ? Q : TPointF{99, 99}));  // written only on success
  }
}

TEST(IntersectRect, SegmentCrossingsComeInEdgeOrder) {
  const TRectF R{0, 0, 10, 10};
  struct Case { TPointF P1, P2; bool Hit; TCanvasPoints Points; };
  for (auto [P1, P2, Hit, Points] : std::vector<Case>{
           {{5, -10}, {5, 20}, true, {{5, 0}, {5, 10}}},
           {{2, 2}, {8, 8}, true, {}},
           {{20, 20}, {30, 30}, false, {}},
           {{-5, -5}, {15, 15}, true, {{0, 0}, {0, 0}, {10, 10}, {10, 10}}},  // corners twice
           {{-5, 5}, {5, 5}, true, {{0, 5}}},
           {{2, 2}, {12, 2}, true, {{10, 2}}}}) {
    TCanvasPoints Out{{1, 1}, {2, 2}};
    EXPECT_EQ(VXIntersectRect(P1, P2, R, Out), Hit);
    EXPECT_EQ(Out, Points);
  }
}

TEST(PointInRect, LeftAndTopEdgesBelongToTheRectangle) {
  const TRectF R{0, 0, 10, 10};
  struct Case { TPointF P; bool In; };
  for (auto [P, In] : std::vector<Case>{{{0, 0}, true}, {{10, 5}, false}, {{5, 10}, false},
                                        {{9.999f, 9.999f}, true}, {{-0.001f, 5}, false}}) {
    EXPECT_EQ(PtInVXRect(P, R), In) << P.X << "," << P.Y;
    if (P.X == int(P.X) && P.Y == int(P.Y)) {
      EXPECT_EQ(PtInVXRect(VXPointToPoint(P), R), In);
    }
  }
}

TEST(AnchorPoints, IntegerHalvesTruncateFloatHalvesAreExact) {
  const TConnectionPoint All[] = {cpTop, cpTopRight, cpRight, cpBottomRight, cpBottom, cpBottomLeft, cpLeft, cpTopLeft};
  const TPoint Ints[] = {{2, 0}, {5, 0}, {5, 2}, {5, 5}, {2, 5}, {0, 5}, {0, 2}, {0, 0}};
  const TPointF Floats[] = {{2.5f, 0}, {5, 0}, {5, 2.5f}, {5, 5}, {2.5f, 5}, {0, 5}, {0, 2.5f}, {0, 0}};
  for (int I = 0; I < 8; ++I) {
    EXPECT_EQ(GetPointOnRect({0, 0, 5, 5}, All[I]), Ints[I]) << I;
    EXPECT_EQ(GetVXPointOnVXRect({0, 0, 5, 5}, All[I]), Floats[I]) << I;
    EXPECT_EQ(GetCanvasPointOnRect({0, 0, 5, 5}, All[I]), Floats[I]) << I;
  }
  // -5 div 2 is -2 (toward zero), not -3.
  EXPECT_EQ(GetPointOnRect({0, 0, -5, -5}, cpTop), (TPoint{-2, 0}));
  EXPECT_EQ(GetPointOnRect({0, 0, -5, -5}, cpLeft), (TPoint{0, -2}));
}

TEST(FixRect, SwapsInvertedSides) {
  EXPECT_EQ(FixRect(TRect{10, 10, 0, 0}), (TRect{0, 0, 10, 10}));
  EXPECT_EQ(FixRect(TRect{0, 10, 10, 0}), (TRect{0, 0, 10, 10}));
  EXPECT_EQ(FixRect(TRect{1, 2, 3, 4}), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(FixRect(TRectF{10, 1, 0.5f, 0}), (TRectF{0.5f, 0, 10, 1}));
}

TEST(FitRect, ScalesKeepingTheAspectAndCentresWithWholeOffsets) {
  struct Case { TRect R, B; bool Stretch; TRect Out; float Ratio; };
  for (auto [R, B, Stretch, Out, Ratio] : std::vector<Case>{
           {{0, 0, 200, 100}, {0, 0, 100, 100}, false, {0, 25, 100, 75}, 2},
           {{0, 0, 50, 20}, {0, 0, 100, 100}, false, {25, 40, 75, 60}, 0.5f},
           {{0, 0, 50, 20}, {0, 0, 100, 100}, true, {0, 30, 100, 70}, 0.5f},
           {{0, 0, 200, 100}, {10, 20, 110, 120}, false, {10, 45, 110, 95}, 2},
           // 53.33 rounds to 53, then the offset 13.5 rounds to 14.
           {{0, 0, 30, 20}, {0, 0, 80, 80}, true, {0, 14, 80, 67}, 0.375f},
           {{3, 4, 5, 6}, {0, 0, 0, 100}, true, {3, 4, 5, 6}, 1},
           // Nothing to stretch: a rectangle without extent is centred as it is.
           {{5, 5, 5, 5}, {0, 0, 100, 50}, true, {50, 25, 50, 25}, 0},
           {{5, 5, 5, 5}, {0, 0, 100, 50}, false, {50, 25, 50, 25}, 0}}) {
    TRect In = R;
    EXPECT_EQ(FitRect(In, B, Stretch), Ratio);
    EXPECT_EQ(In, Out);
    TRectF F = RectToVXRect(R);
    EXPECT_EQ(FitRect(F, RectToVXRect(B), Stretch), Ratio);
    if (Ratio != 0.375f) {
      EXPECT_EQ(F, RectToVXRect(Out));
    }
  }
  // The float form keeps the fractional size; the offset is still whole.
  TRectF F{0, 0, 30, 20};
  FitRect(F, {0, 0, 80, 80}, true);
  EXPECT_EQ(F, (TRectF{0, 13, 80, float(13 + double(float(20 / 0.375)))}));
}

TEST(FitRect, WithAMatrixMapsOntoTheBoundsThenTransforms) {
  const TRectF B{5, 5, 25, 45};
  EXPECT_EQ(FitRect(VXIdentityMatrix, {0, 0, 10, 20}, B), B);
  EXPECT_EQ(FitRect(CreateTranslateVXMatrix(1, 2), {0, 0, 10, 20}, B), (TRectF{6, 7, 26, 47}));
  // The matrix comes last: the bounds are scaled too.
  EXPECT_EQ(FitRect(CreateScaleVXMatrix(2, 2), {0, 0, 10, 20}, B), (TRectF{10, 10, 50, 90}));
  // Scaling is about the origin, so an offset source lands off the bounds.
  EXPECT_EQ(FitRect(VXIdentityMatrix, {10, 10, 20, 20}, {0, 0, 20, 20}), (TRectF{20, 20, 40, 40}));
  // No area: translation only.
  EXPECT_EQ(FitRect(VXIdentityMatrix, {3, 3, 3, 8}, B), (TRectF{8, 8, 8, 13}));
}

TEST(InCenterPoint, WeightsVerticesByOppositeSides) {
  EXPECT_EQ(InCenterPoint(TPoint{0, 0}, TPoint{4, 0}, TPoint{0, 3}), (TPoint{1, 1}));
  EXPECT_EQ(InCenterPoint(TPointF{0, 0}, TPointF{4, 0}, TPointF{0, 3}), (TPointF{1, 1}));
  // Coincident vertices give that point, not NaN.
  EXPECT_EQ(InCenterPoint(TPoint{7, -3}, TPoint{7, -3}, TPoint{7, -3}), (TPoint{7, -3}));
  EXPECT_EQ(InCenterPoint(TPointF{2.5f, 1.5f}, TPointF{2.5f, 1.5f}, TPointF{2.5f, 1.5f}), (TPointF{2.5f, 1.5f}));
  // Differences of 4E9 overflow 32 bits; the incentre is (-2E9 + r, -2E9 + r)
  // with r = 2E9 (2 - sqrt 2).
  const TPoint Big = InCenterPoint(TPoint{-2000000000, -2000000000}, TPoint{2000000000, -2000000000},
                                   TPoint{-2000000000, 2000000000});
  EXPECT_NEAR(Big.X, -828427125, 1000);
  EXPECT_NEAR(Big.Y, -828427125, 1000);
}

TEST(OffsetPoint, MovesTowardsATargetAndReturnsTheOldPoint) {
  TPointF F{0, 0};
  EXPECT_EQ(OffsetPoint(F, TPointF{10, 0}, 3), (TPointF{0, 0}));
  EXPECT_EQ(F, (TPointF{3, 0}));
  // Towards itself: no direction, no move (and no NaN from 0 / 0).
  for (const float Distance : {5.0f, -5.0f, 0.0f}) {
    TPointF Same{3, 4};
    EXPECT_EQ(OffsetPoint(Same, TPointF{3, 4}, Distance), (TPointF{3, 4}));
    EXPECT_EQ(Same, (TPointF{3, 4})) << Distance;
  }
  struct Case { TPoint Target; float Distance; TPoint Out; };
  for (auto [Target, Distance, Out] : std::vector<Case>{
           {{10, 0}, 3, {3, 0}}, {{10, 0}, -3, {-3, 0}}, {{10, 0}, 15, {15, 0}},
           {{5, 0}, 2.5f, {2, 0}},   // increment 2.5 rounds to 2
           {{3, 4}, 2.5f, {2, 2}},   // (1.5, 2) -> (2, 2)
           {{0, 0}, 5, {0, 0}}}) {   // towards itself: no move
    TPoint P{0, 0};
    EXPECT_EQ(OffsetPoint(P, Target, Distance), (TPoint{0, 0}));
    EXPECT_EQ(P, Out) << Target.X << "," << Target.Y << " by " << Distance;
  }
  TPoint Far{-2000000000, 0};
  OffsetPoint(Far, TPoint{2000000000, 0}, 1E9f);
  EXPECT_EQ(Far, (TPoint{-1000000000, 0}));
  TPoint P{1, 2};
  EXPECT_EQ(OffsetPoint(P, 3, -4), (TPoint{1, 2}));
  EXPECT_EQ(P, (TPoint{4, -2}));
}

TEST(PointInPath, LeftAndTopBoundariesAreInsideRightAndBottomOutside) {
  const TPoints Square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const TCanvasPoints SquareF = PointsToVXPoints(Square);
  struct Case { TPoint P; bool In; TPathClickLocation Where; };
  for (auto [P, In, Where] : std::vector<Case>{{{0, 5}, true, clOnPath}, {{5, 0}, true, clOnPath},
                                               {{10, 5}, false, clOnPath}, {{5, 10}, false, clOnPath},
                                               {{0, 0}, true, clOnPath}, {{10, 10}, false, clOnPath},
                                               {{5, 5}, true, clInsidePath}, {{15, 5}, false, clOutsidePath},
                                               {{-1, 5}, false, clOutsidePath}, {{5, 11}, false, clOutsidePath}}) {
    EXPECT_EQ(PointInPath(Square, P.X, P.Y), In) << P.X << "," << P.Y;
    EXPECT_EQ(PointInPath(SquareF, float(P.X), float(P.Y)), In) << P.X << "," << P.Y;
    EXPECT_EQ(PointInPath(P, Square), Where) << P.X << "," << P.Y;
    EXPECT_EQ(PointInPath(VXPoint(P), SquareF), Where) << P.X << "," << P.Y;
  }
  EXPECT_FALSE(PointInPath(TPoints{}, 0, 0));
  EXPECT_FALSE(PointInPath(TCanvasPoints{{0, 0}}, 0, 0));
  EXPECT_EQ(PointInPath(TPoint{0, 0}, TPoints{{0, 0}, {10, 10}}), clOutsidePath);
  // A slanted edge: (5, 5) lies on it.
  const TPoints Triangle{{0, 0}, {10, 0}, {0, 10}};
  EXPECT_EQ(PointInPath(TPoint{5, 5}, Triangle), clOnPath);
  EXPECT_EQ(PointInPath(TPoint{4, 5}, Triangle), clInsidePath);
  EXPECT_EQ(PointInPath(TPoint{6, 5}, Triangle), clOutsidePath);
}

TEST(PointInPath, IntegerCoordinatesNearTheLimitsDoNotOverflow) {
  const std::int32_t L = 2000000000;
  const TPoints Triangle{{-L, -L}, {L, -L}, {-L, L}};
  EXPECT_EQ(PointInPath(TPoint{0, 0}, Triangle), clOnPath);  // on the hypotenuse
  EXPECT_EQ(PointInPath(TPoint{0, -1}, Triangle), clInsidePath);
  EXPECT_EQ(PointInPath(TPoint{0, 1}, Triangle), clOutsidePath);
  EXPECT_TRUE(PointInPath(Triangle, 0, -1));
  EXPECT_FALSE(PointInPath(Triangle, 1, 0));
  EXPECT_TRUE(PointInPath(Triangle, -1, 0));
}

TEST(PointInPath, IntegerAndFloatFormsAndBothTestsAgree) {
  std::mt19937 Rng(42);
  auto Coord = [&Rng] { return std::int32_t(Rng() % 13) - 6; };
  for (int Round = 0; Round < 3000; ++Round) {
    TPoints Poly(3 + Rng() % 6);
    for (TPoint& V : Poly) V = {Coord(), Coord()};
    const TCanvasPoints PolyF = PointsToVXPoints(Poly);
    for (int K = 0; K < 10; ++K) {
      const TPoint P{Coord(), Coord()};
      const bool In = PointInPath(Poly, P.X, P.Y);
      const TPathClickLocation Where = PointInPath(P, Poly);
      ASSERT_EQ(PointInPath(PolyF, float(P.X), float(P.Y)), In);
      ASSERT_EQ(PointInPath(VXPoint(P), PolyF), Where);
      // Off the boundary the two even-odd tests must say the same.
      if (Where != clOnPath) {
        ASSERT_EQ(In, Where == clInsidePath) << Round << "/" << K;
      }
    }
  }
}
