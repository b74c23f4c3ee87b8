#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/Geometry.h"

using namespace FMX::VX::Graphics;

namespace {

bool SameBits(const TPointF& A, const TPointF& B) {
  return std::bit_cast<std::uint32_t>(A.X) == std::bit_cast<std::uint32_t>(B.X) &&
         std::bit_cast<std::uint32_t>(A.Y) == std::bit_cast<std::uint32_t>(B.Y);
}

}  // namespace

TEST(PointText, WritesFifteenDigitsOfTheWidenedValue) {
  struct Case { TPointF P; const char* Text; };
  for (auto [P, Text] : std::vector<Case>{{{0.1f, 2}, "(0.100000001490116,2)"},
                                          {{1.5f, -2}, "(1.5,-2)"},
                                          {{1e20f, 0}, "(1.00000002004088E20,0)"},
                                          {{-0.0f, 0}, "(-0,0)"},
                                          {{123456, -0.25f}, "(123456,-0.25)"}})
    EXPECT_EQ(VXPointToString(P), Text);
}

TEST(PointText, ReadsTheFieldsBetweenTheSeparators) {
  struct Case { const char* Text; TPointF P; };
  for (auto [Text, P] : std::vector<Case>{
           {"(1.5,2.5)", {1.5f, 2.5f}},
           {"(3,-4)", {3, -4}},
           {"(1,2", {1, 2}},             // y runs to the end without a third separator
           {"x(1,2)tail", {1, 2}},       // the text before the first separator is ignored
           {"(1,2,3)", {1, 2}},          // fields after the second are ignored
           {"( 1.5 , 2 )", {1.5f, 2}},   // blanks around a number
           {"(-1E3,2.5e-1)", {-1000, 0.25f}},
           {"(3.4028235e38,1)", {FLT_MAX, 1}},  // rounds down to the largest float
           {"(1e-50,2)", {0, 2}}})              // below the float range reads as zero
    EXPECT_EQ(StringToVXPoint(Text), P) << Text;
}

TEST(PointText, MalformedTextGivesTheOrigin) {
  for (const char* Text : {"", "()", "(,)", "1.5,2.5", "(a,b)", "(1,)", "(,1)", "(1", "(1;2)", "(1.2.3,4)",
                           "(1e39,0)", "(0,-1e39)", "(3.4028236e38,0)", "(1e99999,1)", "(1,1e)", "(INF,1)",
                           "(NAN,1)", "(1,2x)", "(0x10,1)", "(1,,2)"}) {
    TPointF P{7, 7};
    EXPECT_NO_THROW(P = StringToVXPoint(Text)) << Text;
    EXPECT_EQ(P, (TPointF{0, 0})) << Text;
  }
}

TEST(PointText, RoundTripIsBitExactForEveryFiniteFloat) {
  std::vector<float> Special{0.0f, -0.0f, FLT_MIN, -FLT_MIN, FLT_MAX, -FLT_MAX, FLT_TRUE_MIN, -FLT_TRUE_MIN,
                             std::nextafter(FLT_MIN, 0.0f), 0.1f, 1.0f / 3, 16777217.0f, 1e-5f, 9.99999e14f, 1e15f};
  for (float X : Special)
    for (float Y : Special) {
      const TPointF P{X, Y};
      ASSERT_TRUE(SameBits(StringToVXPoint(VXPointToString(P)), P)) << VXPointToString(P);
    }

  // Random bit patterns cover every exponent, subnormals included.
  std::mt19937 Rng(20240611);
  int Tested = 0;
  while (Tested < 1000000) {
    const TPointF P{std::bit_cast<float>(std::uint32_t(Rng())), std::bit_cast<float>(std::uint32_t(Rng()))};
    if (!std::isfinite(P.X) || !std::isfinite(P.Y)) continue;
    const std::string Text = VXPointToString(P);
    ASSERT_TRUE(SameBits(StringToVXPoint(Text), P)) << Text;
    ++Tested;
  }
}

TEST(PointText, ArbitraryTextNeverThrowsAndGivesAFinitePoint) {
  static constexpr char Alphabet[] = "(),.-+eE0123456789 a";
  std::mt19937 Rng(7);
  std::string Text;
  for (int I = 0; I < 200000; ++I) {
    Text.assign(Rng() % 16, ' ');
    for (char& C : Text) C = Alphabet[Rng() % (sizeof Alphabet - 1)];
    TPointF P;
    ASSERT_NO_THROW(P = StringToVXPoint(Text)) << Text;
    ASSERT_TRUE(std::isfinite(P.X) && std::isfinite(P.Y)) << Text;
  }
}

TEST(PointText, UnitStartAndStopKeepThePointAsDecimalSeparator) {
  InitializeGraphicsUnit();
  EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
  EXPECT_EQ(VXPointToString({2.5f, -0.5f}), "(2.5,-0.5)");
  FinalizeGraphicsUnit();
  EXPECT_EQ(USFormatSettings.DecimalSeparator, '.');
  EXPECT_EQ(StringToVXPoint("(2.5,-0.5)"), (TPointF{2.5f, -0.5f}));
}
