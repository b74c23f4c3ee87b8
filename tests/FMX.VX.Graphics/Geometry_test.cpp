#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "FMX.VX.Graphics/Geometry.h"

using namespace FMX::VX::Graphics;

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();

}  // namespace

TEST(GeometryRounding, ConversionsToIntegersRoundHalvesToEven) {
  struct Case { TPointF In; TPoint Out; };
  for (auto [In, Out] : std::vector<Case>{{{2.5f, 3.5f}, {2, 4}}, {{-2.5f, -0.5f}, {-2, 0}},
                                          {{0.5f, 1.5f}, {0, 2}}, {{-1.5f, 2.4999f}, {-2, 2}}})
    EXPECT_EQ(VXPointToPoint(In), Out) << In.X << "," << In.Y;
  EXPECT_EQ(VXRectToRect({0.5f, 1.5f, 2.5f, 3.5f}), (TRect{0, 2, 2, 4}));
  EXPECT_EQ(VXPointsToPoints(TCanvasPoints{{4.5f, -4.5f}, {5.5f, 0.49f}}), (TPoints{{4, -4}, {6, 0}}));
}

TEST(GeometryRounding, ScaleRectAndScalePointsRoundTheirHalves) {
  // Each side of the integer rectangle moves by round(amount / 2).
  struct Case { float SX, SY; TRect Out; };
  for (auto [SX, SY, Out] : std::vector<Case>{{5, 5, {-2, -2, 12, 12}}, {3, 3, {-2, -2, 12, 12}},
                                              {-5, 7, {2, -4, 8, 14}}, {0, 1, {0, 0, 10, 10}}})
    EXPECT_EQ(ScaleRect(TRect{0, 0, 10, 10}, SX, SY), Out) << SX << "," << SY;
  EXPECT_EQ(ScaleRect(TRectF{0, 0, 10, 10}, 5, -3), (TRectF{-2.5f, 1.5f, 12.5f, 8.5f}));
  // Mean (2.5, 0); x: -2.5 -> -2 and 7.5 -> 8.
  EXPECT_EQ(ScalePoints(TPoints{{0, 0}, {5, 0}}, 2, 1), (TPoints{{-2, 0}, {8, 0}}));
  EXPECT_EQ(ScalePoints(TCanvasPoints{{0, 0}, {5, 0}}, 2, 3), (TCanvasPoints{{-2.5f, 0}, {7.5f, 0}}));
  // y scales by SY about the mean y (here 1), not by SX.
  EXPECT_EQ(ScalePoints(TCanvasPoints{{0, 0}, {4, 2}}, 2, 3), (TCanvasPoints{{-2, -2}, {6, 4}}));
  EXPECT_EQ(ScalePoints(TPoints{{0, 0}, {4, 2}}, 2, 3), (TPoints{{-2, -2}, {6, 4}}));
  EXPECT_TRUE(ScalePoints(TPoints{}, 2, 2).empty());
}

TEST(GeometryTolerance, EqualityHoldsUpToOneTenThousandthRelativeWithAFloor) {
  struct Case { float A, B; bool Equal; };
  for (auto [A, B, Equal] : std::vector<Case>{{1, 1.00005f, true}, {0, 0.0002f, false}, {0, 0.0001f, true},
                                              {0, 0.000101f, false}, {1000, 1000.05f, true},
                                              {1000, 1000.0999f, true}, {1000, 1000.11f, false},
                                              {-5, 5, false}}) {
    EXPECT_EQ(PointsEqual({A, 0}, {B, 0}), Equal) << A << " vs " << B;
    EXPECT_EQ(PointsEqual({0, A}, {0, B}), Equal) << A << " vs " << B;
  }
  // Every one of the four coordinates takes part.
  const TRectF R{1, 2, 10, 20};
  EXPECT_TRUE(EqualsRect(R, TRectF{1.00009f, 2, 10.0009f, 20}));
  for (int I = 0; I < 4; ++I) {
    TRectF S = R;
    float* C[] = {&S.Left, &S.Top, &S.Right, &S.Bottom};
    *C[I] = float(double(*C[I]) * 1.001);
    EXPECT_FALSE(EqualsRect(R, S)) << I;
  }
  EXPECT_FALSE(EqualsRect(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 2}));
}

TEST(GeometryCenterRect, AroundACentreOddIntegerSizesLoseAUnit) {
  EXPECT_EQ(CenterRect(TPoint{10, 10}, 5, 4), (TRect{8, 8, 12, 12}));
  EXPECT_EQ(CenterRect(-10, 0, -5, 3), (TRect{-8, -1, -12, 1}));  // div 2 truncates toward zero
  EXPECT_EQ(CenterRect(TPointF{10, 10}, 5, 4), (TRectF{7.5f, 8, 12.5f, 12}));
}

TEST(GeometryCenterRect, InBoundsTheOffsetIsAWholeNumber) {
  struct Case { TRectF R, B, Out; };
  for (auto [R, B, Out] : std::vector<Case>{
           {{0, 0, 3, 3}, {0, 0, 10, 10}, {4, 4, 7, 7}},            // 3.5 -> 4
           {{0, 0, 5, 5}, {0, 0, 10, 10}, {2, 2, 7, 7}},            // 2.5 -> 2
           {{0, 0, 2.5f, 2.5f}, {0, 0, 10, 10}, {4, 4, 6.5f, 6.5f}},  // 3.75 -> 4
           {{20, 20, 23, 23}, {1, 1, 11, 11}, {5, 5, 8, 8}},        // moved from far away
           {{0.25f, 0, 3.25f, 3}, {0, 0, 10, 10}, {4, 4, 7, 7}},    // the size is what counts
           {{0, 0, 14, 6}, {0, 0, 10, 10}, {-2, 2, 12, 8}},         // overhangs on both sides
           {{0, 0, 13, 13}, {0, 0, 10, 10}, {-2, -2, 11, 11}}}) {   // -1.5 -> -2
    TRectF In = R;
    EXPECT_EQ(CenterRect(In, B), Out);
    EXPECT_EQ(In, Out);
  }
  TRect I{0, 0, 3, 3};
  EXPECT_EQ(CenterRect(I, TRect{0, 0, 10, 10}), (TRect{4, 4, 7, 7}));
  EXPECT_EQ(I, (TRect{4, 4, 7, 7}));
}

TEST(GeometryPoints, FractionAndMeanPoints) {
  EXPECT_EQ(VXCenterPoint(TPointF{0, 0}, TPointF{10, 4}, 2), (TPointF{20, 8}));
  EXPECT_EQ(VXCenterPoint(TPointF{0, 0}, TPointF{10, 4}, 0.25f), (TPointF{2.5f, 1}));
  // An axis on which both points agree keeps its coordinate, whatever the ratio.
  const TPointF P = VXCenterPoint(TPointF{3, 5}, TPointF{3, 7}, Inf);
  EXPECT_EQ(P.X, 3);
  EXPECT_TRUE(std::isinf(P.Y));
  EXPECT_EQ(VXCenterPoint(TPoints{{1, 2}, {2, 2}}), (TPointF{1.5f, 2}));
  EXPECT_EQ(VXCenterPoint(TCanvasPoints{{-1, 4}, {2, 2}, {5, 0}}), (TPointF{2, 2}));
  EXPECT_EQ(VXCenterPoint(TCanvasPoints{}), (TPointF{0, 0}));
  // The running sums are narrowed to 32 bits at every step, also under
  // optimisation: 3 + 16777216 is stored as 16777220, and so is the sum
  // after adding 1; 16777220 / 3 = 5592406.5 (not 16777221 / 3 = 5592407).
  EXPECT_EQ(VXCenterPoint(TPoints{{3, 0}, {16777216, 0}, {1, 0}}).X, 5592406.5f);
  EXPECT_EQ(VXCenterPoint(TCanvasPoints{{3, 0}, {16777216, 0}, {1, 0}}).X, 5592406.5f);
  EXPECT_EQ(VXCenterPoint(TPoints{{0, 3}, {0, 16777216}, {0, 1}}).Y, 5592406.5f);
  EXPECT_EQ(VXCenterPoint(TPoints{}), (TPointF{0, 0}));
  EXPECT_EQ(VXCenterPoint(TRect{0, 0, 5, 5}), (TPointF{2.5f, 2.5f}));
  EXPECT_EQ(VXCenterPoint(TRectF{-4, 2, 0, 3}), (TPointF{-2, 2.5f}));
  EXPECT_EQ(VXDistance({1, 1}, {4, 5}), 5);
}

TEST(GeometryCanvas, DivisionIsTrueAndEmptyExtremaAreZero) {
  EXPECT_EQ(CanvasDiv(7, 2), 3.5);
  EXPECT_EQ(CanvasDiv(std::int64_t(-7), std::int64_t(2)), -3.5);
  EXPECT_EQ(CanvasDiv(1.0, 4.0), 0.25);
  const std::vector<float> Values{3, -7, 12.5f};
  EXPECT_EQ(CanvasMax(Values), 12.5f);
  EXPECT_EQ(CanvasMin(Values), -7);
  EXPECT_EQ(CanvasMax(std::vector<float>{}), 0);
  EXPECT_EQ(CanvasMin(std::vector<float>{}), 0);
  EXPECT_EQ(CanvasRect(3, 4, 1, 2), (TRectF{3, 4, 1, 2}));  // not normalised
}

TEST(GeometryRects, InflateOffsetAndIntegerWrapAround) {
  TRectF F{0, 0, 10, 10};
  VXInflateRect(F, 1.5f, -2);
  EXPECT_EQ(F, (TRectF{-1.5f, 2, 11.5f, 8}));
  EXPECT_TRUE(OffsetVXRect(F, 1.5f, 1));
  EXPECT_EQ(F, (TRectF{0, 3, 13, 9}));
  EXPECT_FALSE(OffsetVXRect(nullptr, 1, 1));
  // 32-bit two's complement, as stored integers behave.
  TRect I{0, 0, std::numeric_limits<std::int32_t>::max(), 0};
  VXInflateRect(I, 1, 0);
  EXPECT_EQ(I, (TRect{-1, 0, std::numeric_limits<std::int32_t>::min(), 0}));
  EXPECT_EQ(VXRectWidth(I), std::numeric_limits<std::int32_t>::min() + 1);
  EXPECT_EQ(VXRectWidth(TRectF{5, 0, 2, 0}), -3);
}
