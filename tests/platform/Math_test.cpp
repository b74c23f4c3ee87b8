#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/Math.h"

using namespace FMX;

TEST(Round, HalvesGoToTheEvenNeighbour) {
  struct Case { double In; std::int64_t Out; };
  for (auto [In, Out] : std::vector<Case>{{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-0.5, 0}, {0.5, 0}, {1.5, 2},
                                          {2.4999999, 2}, {-3.5, -4}, {127.5, 128}, {128.5, 128}})
    EXPECT_EQ(Round(In), Out) << In;
}

TEST(Round, SaturatesOutsideTheIntegerRangeAndMapsNanToZero) {
  EXPECT_EQ(Round(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(Round(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(2.9), 2);
}

TEST(SameValue, DefaultToleranceIsRelativeWithAFloorOfOneTenThousandth) {
  EXPECT_TRUE(SameValue(1.00005f, 1.0f));
  EXPECT_TRUE(SameValue(1000.05f, 1000.0f));
  EXPECT_FALSE(SameValue(1000.2f, 1000.0f));
  EXPECT_FALSE(SameValue(0.0002f, 0.0f));
  // The floor is the 32-bit value of 1E-4, so exactly that difference is equal.
  EXPECT_TRUE(SameValue(0.0001f, 0.0f));
  EXPECT_FALSE(SameValue(0.000101f, 0.0f));
  EXPECT_TRUE(SameValue(5.0f, 5.5f, 0.5f));
  EXPECT_FALSE(SameValue(5.0f, 5.6f, 0.5f));
}

TEST(MaxMinValue, EmptySequencesGiveZero) {
  std::vector<float> Values{3, -7, 12.5f, 0};
  EXPECT_EQ(MaxValue(Values), 12.5f);
  EXPECT_EQ(MinValue(Values), -7.0f);
  EXPECT_EQ(MaxValue(std::span<const float>{}), 0.0f);
  EXPECT_EQ(MinValue(std::span<const float>{}), 0.0f);
}

TEST(Angles, DegreesAndRadiansConvertBothWays) {
  EXPECT_DOUBLE_EQ(DegToRad(180), Pi);
  EXPECT_DOUBLE_EQ(RadToDeg(Pi / 2), 90);
}
