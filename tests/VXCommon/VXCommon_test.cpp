#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "VXCommon/HelperFunctions.h"
#include "VXCommon/RectFunctions.h"

using namespace VXCommon;
using FMX::TRect;

TEST(VXIsDigit, OnlyTheTenAsciiDigits) {
  for (int C = 0; C < 256; ++C) EXPECT_EQ(VXIsDigit(char(C)), C >= '0' && C <= '9') << C;
  EXPECT_TRUE(VXIsDigit(U'7'));
  EXPECT_FALSE(VXIsDigit(U'\u0663'));  // ARABIC-INDIC DIGIT THREE
  EXPECT_FALSE(VXIsDigit(char32_t(U'0' + 0x100)));
}

TEST(VXCharInSet, SetsHoldByteCodesListsHoldCharacters) {
  constexpr TSysCharSet Set = TSysCharSet::Of(" \t,\xE9") | TSysCharSet::Range('0', '9');
  for (char C : {' ', '\t', ',', '\xE9', '0', '5', '9'}) EXPECT_TRUE(VXCharInSet(C, Set)) << int(C);
  for (char C : {'a', '.', '\0', '\xE8', '/', ':'}) EXPECT_FALSE(VXCharInSet(C, Set)) << int(C);
  EXPECT_TRUE(VXCharInSet(U'\u00E9', Set));
  EXPECT_FALSE(VXCharInSet(U'\u01E9', Set));  // its low byte is in the set; the code is not
  EXPECT_FALSE(VXCharInSet(U'\U0001F600', TSysCharSet::Range(0, 255)));

  EXPECT_TRUE(VXCharInSet('b', "abc"));
  EXPECT_FALSE(VXCharInSet('d', "abc"));
  EXPECT_FALSE(VXCharInSet('a', ""));
  EXPECT_TRUE(VXCharInSet(U'\u00E9', U"x\u00E9"));
  EXPECT_FALSE(VXCharInSet(U'\u00E8', U"x\u00E9"));
}

TEST(ScaleRect, WidthAndHeightChangeByExactlyTheAmounts) {
  struct Case { std::int32_t DX, DY; TRect Out; };
  for (auto [DX, DY, Out] : std::vector<Case>{{4, 4, {-2, -2, 12, 12}},
                                              {5, -3, {-2, 1, 13, 8}},  // odd units go right and down
                                              {-5, 0, {2, 0, 7, 10}},
                                              {0, 0, {0, 0, 10, 10}}})
    EXPECT_EQ(ScaleRect({0, 0, 10, 10}, DX, DY), Out) << DX << "," << DY;
  for (std::int32_t D = -9; D <= 9; ++D) {
    const TRect R = ScaleRect({3, -7, 8, 1}, D, -D);
    EXPECT_EQ(R.Width(), 5 + D);
    EXPECT_EQ(R.Height(), 8 - D);
  }
  // 32-bit two's complement at the limits.
  const std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(ScaleRect({0, 0, Max, 0}, 2, 0), (TRect{-1, 0, std::numeric_limits<std::int32_t>::min(), 0}));
}
