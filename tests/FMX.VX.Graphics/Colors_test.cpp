#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "FMX.VX.Graphics/Colors.h"
#include "platform/Classes.h"

using namespace FMX::VX::Graphics;

namespace {

constexpr TAlphaColor Black = 0xFF000000, White = 0xFFFFFFFF;

// Opaque grey with all three channels at V.
constexpr TAlphaColor GreyOf(std::uint32_t V) { return 0xFF000000u | V << 16 | V << 8 | V; }

}  // namespace

TEST(ColorSchemes, PalettesHoldTheTabledColoursInSchemeOrder) {
  const std::vector<TColorList> Expected{
      {0xFFFF0000, 0xFF008000, 0xFFFFFF00, 0xFF0000FF, 0xFF800080, 0xFF800000, 0xFF00FF00, 0xFF008080, 0xFFFF00FF, 0xFF00FFFF},
      {0xFFADD8E6, 0xFFF08080, 0xFFFAFAD2, 0xFF90EE90, 0xFFFFB6C1, 0xFFFFA07A, 0xFFE0FFFF, 0xFF87CEFA, 0xFFB0C4DE, 0xFFFFFFE0},
      {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF},
      {0xFF000000, 0xFFA9A9A9, 0xFF808080, 0xFFD3D3D3, 0xFF696969, 0xFF2F4F4F, 0xFF778899, 0xFF708090, 0xFFFFFFFF, 0xFF808080},
      {0xFFFFFF00, 0xFFFF8C00, 0xFFFF0000, 0xFFCD5C5C, 0xFFFFD700, 0xFFD2691E, 0xFFFFA07A, 0xFFB22222, 0xFFA0522D, 0xFFBC8F8F},
      {0xFFFF8C00, 0xFFFF0000, 0xFF8B0000, 0xFF800000, 0xFFCD5C5C, 0xFFFA8072, 0xFFFF7F50, 0xFFFF6347, 0xFFFF4500, 0xFFB22222},
      {0xFFEEE8AA, 0xFF808000, 0xFFADFF2F, 0xFF90EE90, 0xFF2E8B57, 0xFFF0E68C, 0xFF008000, 0xFF7CFC00, 0xFF66CDAA, 0xFFB8860B},
      {0xFF0000FF, 0xFFE0FFFF, 0xFF87CEFA, 0xFF00008B, 0xFF48D1CC, 0xFF00FFFF, 0xFFB0E0E6, 0xFF4169E1, 0xFF191970, 0xFF008080},
      {0xFF9400D3, 0xFF9932CC, 0xFFFF00FF, 0xFFC71585, 0xFF8A2BE2, 0xFF9370DB, 0xFFFF1493, 0xFFEE82EE, 0xFFDDA0DD, 0xFFFF69B4},
      {0xFFB0C4DE, 0xFF778899, 0xFFD3D3D3, 0xFF4682B4, 0xFF708090, 0xFFC0C0C0, 0xFF483D8B, 0xFF2F4F4F, 0xFFDCDCDC, 0xFFA9A9A9},
      {0xFF008080, 0xFFC0C0C0, 0xFFFFF5EE, 0xFFE6E6FA, 0xFFF0E68C, 0xFF800080, 0xFF4169E1, 0xFFB8860B, 0xFFEEE8AA, 0xFFB22222}};
  const std::vector<const TColorList*> Named{&DefaultColorList, &PastelsColorList,   &BWColorList,
                                             &GraysColorList,   &SouthwestColorList, &RedsColorList,
                                             &GreensColorList,  &BluesColorList,     &VioletsColorList,
                                             &DystopiaColorList, &AntiqueColorList};
  for (std::size_t I = 0; I < Expected.size(); ++I) {
    const auto Scheme = TVXColorScheme(I + 1);
    EXPECT_EQ(*Named[I], Expected[I]) << "palette " << I;
    // Stored one after another, and each scheme names its own palette.
    EXPECT_EQ(Named[I], &ColorSchemeLists[I]);
    const auto Colors = ColorSchemeColors(Scheme);
    ASSERT_EQ(Colors.size(), 10u);
    EXPECT_EQ(Colors.data(), Named[I]->data()) << "scheme " << I + 1;
  }
  EXPECT_TRUE(ColorSchemeColors(csCustom).empty());
  EXPECT_TRUE(ColorSchemeColors(TVXColorScheme(12)).empty());
  EXPECT_TRUE(ColorSchemeColors(TVXColorScheme(255)).empty());
}

TEST(CanvasColorText, FollowsThePlatformTextForms) {
  EXPECT_EQ(CanvasColorToString(DefaultColorList[9]), "Aqua");
  EXPECT_EQ(CanvasColorToString(0x80FF0000), "#80FF0000");
  EXPECT_EQ(StringToCanvasColor("lightgoldenrodyellow"), PastelsColorList[2]);
  EXPECT_EQ(StringToCanvasColor("#FF0000"), 0xFFFF0000u);
  EXPECT_THROW(StringToCanvasColor("#FF00"), FMX::EConvertError);
}

TEST(CanvasColorIdent, PassesTheColourBitsAsASignedInteger) {
  std::string Ident;
  EXPECT_TRUE(CanvasColorToIdent(-65536, Ident));  // 0xFFFF0000
  EXPECT_EQ(Ident, "claRed");
  EXPECT_TRUE(CanvasColorToIdent(-1, Ident));
  EXPECT_EQ(Ident, "claWhite");
  Ident = "unchanged";
  EXPECT_FALSE(CanvasColorToIdent(0x00FF0000, Ident));  // red without alpha has no name
  EXPECT_EQ(Ident, "unchanged");

  std::int32_t Color = 7;
  EXPECT_TRUE(IdentToCanvasColor("claBlack", Color));
  EXPECT_EQ(Color, std::int32_t(-16777216));  // 0xFF000000
  EXPECT_TRUE(IdentToCanvasColor("CLAMAGENTA", Color));
  EXPECT_EQ(Color, std::int32_t(-65281));  // 0xFFFF00FF
  Color = 7;
  EXPECT_FALSE(IdentToCanvasColor("Black", Color));
  EXPECT_EQ(Color, 7);
}

TEST(DoubleToByte, RoundsHalvesToEvenThenClamps) {
  struct Case { double In; int Out; };
  const double Inf = std::numeric_limits<double>::infinity();
  for (auto [In, Out] : std::vector<Case>{{127.5, 128}, {128.5, 128}, {0.5, 0}, {1.5, 2}, {254.5, 254},
                                          {255.5, 255}, {255.4, 255}, {-0.5, 0}, {-0.6, 0}, {-3, 0},
                                          {300, 255}, {1E10, 255}, {-1E300, 0}, {Inf, 255}, {-Inf, 0},
                                          {std::nan(""), 0}, {63.75, 64}})
    EXPECT_EQ(DoubleToByte(In), Out) << In;
}

TEST(IndexToColor, StepsThroughEachSegmentEndingExactlyOnItsEndColour) {
  const TColors BW{Black, White};
  // 4 steps from black to white: 1/4, 2/4, 3/4, 4/4 of the way.
  EXPECT_EQ(IndexToColor(0, 4, BW), 0xFF404040u);  // 63.75 -> 64
  EXPECT_EQ(IndexToColor(1, 4, BW), 0xFF808080u);  // 127.5 -> 128
  EXPECT_EQ(IndexToColor(2, 4, BW), 0xFFBFBFBFu);  // 191.25 -> 191
  EXPECT_EQ(IndexToColor(3, 4, BW), White);

  // Red to blue in 10 steps of 25.5; the odd steps land on halves.
  const TColors RedBlue{0xFFFF0000, 0xFF0000FF};
  const int Red[] = {230, 204, 178, 153, 128, 102, 76, 51, 26, 0};
  const int Blue[] = {26, 51, 76, 102, 128, 153, 178, 204, 230, 255};
  for (int I = 0; I < 10; ++I)
    EXPECT_EQ(IndexToColor(I, 10, RedBlue), 0xFF000000u | TAlphaColor(Red[I]) << 16 | TAlphaColor(Blue[I])) << I;

  // Three colours, 8 steps: seg = 4; step 5 is halfway from green to blue.
  EXPECT_EQ(IndexToColor(5, 8, TColors{0xFFFF0000, 0xFF008000, 0xFF0000FF}), 0xFF004080u);
  EXPECT_EQ(IndexToColor(3, 8, TColors{0xFFFF0000, 0xFF008000, 0xFF0000FF}), 0xFF008000u);
}

TEST(IndexToColor, InterpolatesEveryChannelIndependently) {
  // Halfway: each channel (alpha included) moves by its own distance.
  EXPECT_EQ(IndexToColor(0, 2, TColors{0xFF102030, 0xFF506070}), 0xFF304050u);
  EXPECT_EQ(IndexToColor(0, 2, TColors{0x00FF0000, 0xFFFF0000}), 0x80FF0000u);  // alpha 127.5 -> 128
  EXPECT_EQ(IndexToColor(0, 2, TColors{0xFF00FF00, 0x0000FF00}), 0x8000FF00u);
}

TEST(IndexToColor, FractionalSegmentsOvershootAndClamp) {
  // Count 7 over three colours: seg = 3.5, but whole steps of round(3.5) = 4,
  // so step 3 lies 4 / 3.5 of the way along the first segment.
  EXPECT_EQ(IndexToColor(3, 7, TColors{Black, GreyOf(100), Black}), GreyOf(114));  // 114.29, past 100
  EXPECT_EQ(IndexToColor(3, 7, TColors{Black, White, Black}), White);              // 291.4 clamps
  EXPECT_EQ(IndexToColor(3, 7, TColors{White, Black, White}), Black);              // -36.4 clamps
  EXPECT_EQ(IndexToColor(4, 7, TColors{Black, GreyOf(100), Black}), GreyOf(57));   // t = 1.5: 57.14
  // Count 5: seg = 2.5 and steps of round(2.5) = 2, so the second segment
  // starts half a step in.
  EXPECT_EQ(IndexToColor(2, 5, TColors{Black, White, Black}), GreyOf(204));  // 255 - 102 * 0.5
  EXPECT_EQ(IndexToColor(3, 5, TColors{Black, White, Black}), GreyOf(102));  // 255 - 102 * 1.5
}

TEST(IndexToColor, NeverReadsOutsideTheList) {
  const TColors Three{0xFFFF0000, 0xFF008000, 0xFF0000FF};
  const std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t Min = std::numeric_limits<std::int32_t>::min();
  // No colours: opaque black; one colour: that colour.
  for (std::int32_t Index : {0, 5, -1, Max, Min}) {
    EXPECT_EQ(IndexToColor(Index, 4, TColors{}), Black) << Index;
    EXPECT_EQ(IndexToColor(Index, 4, TColors{0x12345678}), 0x12345678u) << Index;
  }
  // Past the last segment: the last colour (the caller asking for index =
  // count after its final segment gets the end colour).
  EXPECT_EQ(IndexToColor(8, 8, Three), Three[2]);
  EXPECT_EQ(IndexToColor(4, 4, TColors{Black, White}), White);
  EXPECT_EQ(IndexToColor(Max, 8, Three), Three[2]);
  // A huge count: seg = 2^30 - 0.5, so step 1000 has barely left red.
  EXPECT_EQ(IndexToColor(1000, Max, Three), Three[0]);
  EXPECT_EQ(IndexToColor(Max, Max, Three), Three[2]);
  // Count of 0 or less, or a negative index: the first colour.
  for (auto [Index, Count] : std::vector<std::pair<std::int32_t, std::int32_t>>{{3, 0}, {0, 0}, {3, -5}, {0, Min},
                                                                                 {-1, 8}, {Min, 8}})
    EXPECT_EQ(IndexToColor(Index, Count, Three), Three[0]) << Index << " of " << Count;
  // A fixed palette can be passed directly.
  EXPECT_EQ(IndexToColor(0, 9, DefaultColorList), IndexToColor(0, 9, TColors(DefaultColorList.begin(), DefaultColorList.end())));
}
