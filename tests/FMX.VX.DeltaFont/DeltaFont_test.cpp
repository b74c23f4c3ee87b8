// Delta fonts: which attributes differ from the original font, and how the
// others follow it.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FMX.VX.DeltaFont/DeltaFont.h"
#include "platform/Streaming.h"

using namespace FMX;
using namespace FMX::VX::DeltaFont;
using enum TDeltaAttribute;

namespace {

// A delta font whose owner supplies Original.
class DeltaFont : public ::testing::Test {
 protected:
  void SetUp() override {
    Font.SetOnGetOriginalFont([this](TObject* Sender, TFont*& F) {
      EXPECT_EQ(Sender, &Font);
      EXPECT_EQ(F, nullptr);
      F = Supplied;
    });
    Font.SetOnChanged([this](TObject* Sender) {
      EXPECT_EQ(Sender, &Font);
      ++Changes;
    });
  }
  TFont Original;
  TFont* Supplied = &Original;
  TVXDeltaFont Font;
  int Changes = 0;
};

}  // namespace

TEST(TDeltaAttributeTest, SetBitsFollowTheOrdinals) {
  EXPECT_EQ((TDeltaAttributes{daBold}).Bits(), 0x01);
  EXPECT_EQ((TDeltaAttributes{daColor}).Bits(), 0x02);
  EXPECT_EQ((TDeltaAttributes{daFace}).Bits(), 0x04);
  EXPECT_EQ((TDeltaAttributes{daItalic, daSize, daStrikeOut, daUnderline}).Bits(), 0x78);
}

TEST_F(DeltaFont, EditsBecomeDeltasAndTheSetIsRebuiltEachTime) {
  struct TStep {
    const char* What;
    void (*Edit)(TFont&);
    TDeltaAttributes Expected;
  };
  const TStep Steps[] = {
      {"bold", [](TFont& F) { F.SetStyle({TFontStyle::Bold}); }, {daBold}},
      {"family", [](TFont& F) { F.SetFamily("Liberation Serif"); }, {daBold, daFace}},
      {"family case", [](TFont& F) { F.SetFamily("dejavu sans"); }, {daBold, daFace}},
      {"size", [](TFont& F) { F.SetSize(20); }, {daBold, daFace, daSize}},
      {"size back", [](TFont& F) { F.SetSize(12); }, {daBold, daFace}},
      {"all styles",
       [](TFont& F) { F.SetStyle({TFontStyle::Italic, TFontStyle::Underline, TFontStyle::StrikeOut}); },
       {daFace, daItalic, daUnderline, daStrikeOut}},
      {"family back", [](TFont& F) { F.SetFamily(TFont::DefaultFamily); }, {daItalic, daUnderline, daStrikeOut}},
      {"NaN size", [](TFont& F) { F.SetSize(std::numeric_limits<float>::quiet_NaN()); },
       {daItalic, daUnderline, daStrikeOut, daSize}},
  };
  int Expected = 0;
  for (const auto& S : Steps) {
    S.Edit(Font);
    EXPECT_EQ(Font.Deltas(), S.Expected) << S.What;
    EXPECT_EQ(Changes, ++Expected) << S.What;
  }
  // A style only the original font has is a delta too.
  Original.SetStyle({TFontStyle::Bold, TFontStyle::Italic});
  Font.UpdateDeltas();
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daBold, daUnderline, daStrikeOut, daSize}));
}

TEST_F(DeltaFont, WithoutAnOriginalFontEditsLeaveTheDeltasAlone) {
  Font.SetDeltas({daColor});
  Supplied = nullptr;  // the handler supplies nothing
  Font.SetSize(30);
  Font.UpdateDeltas();
  Font.UpdateNonDelta();
  EXPECT_EQ(Font.Deltas(), TDeltaAttributes{daColor});
  EXPECT_EQ(Font.Size(), 30);

  TVXDeltaFont Lonely;  // no handler at all
  Lonely.SetFamily("Liberation Mono");
  Lonely.SetStyle({TFontStyle::Bold});
  EXPECT_TRUE(Lonely.Deltas().Empty());
}

TEST_F(DeltaFont, NonDeltasFollowTheOriginalAndDeltasStay) {
  Font.SetSize(20);
  Font.SetStyle({TFontStyle::Bold});
  ASSERT_EQ(Font.Deltas(), (TDeltaAttributes{daBold, daSize}));
  Original.SetFamily("Liberation Sans");
  Original.SetSize(9);
  Original.SetStyle({TFontStyle::Italic});
  Changes = 0;
  Font.UpdateNonDelta();
  EXPECT_EQ(Font.Family(), "Liberation Sans");
  EXPECT_EQ(Font.Size(), 20);
  EXPECT_EQ(Font.Style(), (TFontStyles{TFontStyle::Bold, TFontStyle::Italic}));
  EXPECT_EQ(Changes, 2);  // style and family; size is a delta
  // The deltas were not recomputed along the way.
  EXPECT_EQ(Font.Deltas(), (TDeltaAttributes{daBold, daSize}));
}

TEST_F(DeltaFont, ColourDeltaSurvivesUpdateNonDeltaButNotTheNextRebuild) {
  Font.SetDeltas({daColor});
  Original.SetSize(15);
  Font.UpdateNonDelta();
  EXPECT_EQ(Font.Deltas(), TDeltaAttributes{daColor});
  EXPECT_EQ(Font.Size(), 15);
  Font.UpdateDeltas(&Original);
  EXPECT_TRUE(Font.Deltas().Empty());
}

TEST_F(DeltaFont, WithEveryDeltaSetOnlyTheUnchangedStyleIsAssigned) {
  Font.SetStyle({TFontStyle::Underline});
  Font.SetDeltas(TDeltaAttributes::FromBits(0x7F));
  Original.SetFamily("Liberation Mono");
  Original.SetSize(40);
  Original.SetStyle({TFontStyle::Bold});
  Changes = 0;
  Font.UpdateNonDelta();
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Font.Style(), TFontStyles{TFontStyle::Underline});
  EXPECT_EQ(Font.Family(), TFont::DefaultFamily);
  EXPECT_EQ(Font.Size(), 12);
}

TEST_F(DeltaFont, NullFontsAreIgnored) {
  Font.SetDeltas({daFace});
  Changes = 0;
  Font.UpdateDeltas(nullptr);
  Font.UpdateNonDelta(nullptr);
  EXPECT_EQ(Font.Deltas(), TDeltaAttributes{daFace});
  EXPECT_EQ(Changes, 0);
}

TEST_F(DeltaFont, StreamsItsFontAndItsDeltasOnlyWhenThereAreAny) {
  EXPECT_EQ(WriteProperties(Font), "[TVXDeltaFont]\n");
  Font.SetFamily("Liberation Serif");
  Font.SetStyle({TFontStyle::Italic});
  Font.SetDeltas({daFace, daItalic, daColor});
  const std::string Text = WriteProperties(Font);
  EXPECT_EQ(Text,
            "[TVXDeltaFont]\nFamily = \"Liberation Serif\"\nStyle = [Italic]\nDeltas = [daColor, daFace, daItalic]\n");
  // Read into a font with an original of its own: setting the attributes
  // recomputes deltas, but the streamed set comes last and wins.
  TVXDeltaFont Back;
  TFont Other;
  Back.SetOnGetOriginalFont([&](TObject*, TFont*& F) { F = &Other; });
  Back.SetSize(50);
  ReadProperties(Back, Text);
  EXPECT_TRUE(Back.SameFont(Font));
  EXPECT_EQ(Back.Deltas(), Font.Deltas());
}
