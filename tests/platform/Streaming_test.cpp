// Published properties: the text form of each kind of value, reading
// errors, defaults, and fonts.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/Font.h"
#include "platform/Streaming.h"

using namespace FMX;

namespace {

enum class TShade : std::uint8_t { Light, Medium, Dark };
enum class TMark : std::uint8_t { Star, Dot, Ring };
using TMarks = TSet<TMark, std::uint8_t>;

// One property of every kind.
class TSample : public TPersistent {
 public:
  std::int32_t Count() const { return FCount; }
  void SetCount(std::int32_t V) { FCount = V; }
  float Ratio() const { return FRatio; }
  void SetRatio(float V) { FRatio = V; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& V) { FCaption = V; }
  TShade Shade() const { return FShade; }
  void SetShade(TShade V) { FShade = V; }
  TMarks Marks() const { return FMarks; }
  void SetMarks(TMarks V) { FMarks = V; }

  const TPublishedProperties* PublishedProperties() const override {
    static constexpr const char* ShadeNames[] = {"Light", "Medium", "Dark"};
    static constexpr const char* MarkNames[] = {"Star", "Dot", "Ring"};
    static const TPublishedProperties Table(
        nullptr, {IntegerProperty("Count", &TSample::Count, &TSample::SetCount, 7),
                  FloatProperty("Ratio", &TSample::Ratio, &TSample::SetRatio),
                  StringProperty("Caption", &TSample::Caption, &TSample::SetCaption, "none"),
                  EnumProperty("Shade", &TSample::Shade, &TSample::SetShade, ShadeNames, TShade::Medium),
                  SetProperty("Marks", &TSample::Marks, &TSample::SetMarks, MarkNames)});
    return &Table;
  }

 private:
  std::int32_t FCount = 7;
  float FRatio = 0;
  std::string FCaption = "none";
  TShade FShade = TShade::Medium;
  TMarks FMarks;
};

TSample RoundTrip(const TSample& S) {
  TSample Back;
  Back.SetCount(-99);  // whatever the target held before must not matter
  Back.SetCaption("junk");
  Back.SetMarks({TMark::Dot});
  ReadProperties(Back, WriteProperties(S));
  return Back;
}

std::string ReadError(TPersistent& O, const std::string& Text) {
  try {
    ReadProperties(O, Text);
  } catch (const EReadError& E) {
    return E.what();
  }
  return "(no error)";
}

}  // namespace

TEST(StreamingTest, DefaultsAreNotWrittenAndOthersAreWrittenInOrder) {
  TSample S;
  EXPECT_EQ(WriteProperties(S), "[TSample]\n");
  S.SetMarks({TMark::Ring, TMark::Star});
  S.SetShade(TShade::Dark);
  S.SetRatio(-0.0f);  // counts as 0
  S.SetCount(-2147483647 - 1);
  EXPECT_EQ(WriteProperties(S), "[TSample]\nCount = -2147483648\nShade = Dark\nMarks = [Star, Ring]\n");
}

TEST(StreamingTest, ValuesRoundTripExactly) {
  const float Floats[] = {0.1f,
                          -1.5f,
                          3.4028235e38f,
                          std::numeric_limits<float>::denorm_min(),
                          std::numeric_limits<float>::min(),
                          16777216.0f,
                          1.0f / 3.0f,
                          std::numeric_limits<float>::infinity(),
                          -std::numeric_limits<float>::infinity()};
  for (const float F : Floats) {
    TSample S;
    S.SetRatio(F);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(RoundTrip(S).Ratio()), std::bit_cast<std::uint32_t>(F)) << F;
  }
  TSample N;
  N.SetRatio(std::numeric_limits<float>::quiet_NaN());
  EXPECT_TRUE(std::isnan(RoundTrip(N).Ratio()));

  const std::string Captions[] = {"", "plain", "quote \" and backslash \\", "tab\tnew\nline\rret",
                                  std::string("nul\0bell\x07" "del\x7F", 13), "UTF-8: \xC3\xA4\xE2\x82\xAC", " spaces "};
  for (const auto& C : Captions) {
    TSample S;
    S.SetCaption(C);
    const std::string Text = WriteProperties(S);
    EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 2) << "one line per property";
    EXPECT_EQ(RoundTrip(S).Caption(), C);
  }

  TSample S;
  S.SetCount(0);
  S.SetShade(TShade::Light);
  S.SetMarks({TMark::Star, TMark::Dot, TMark::Ring});
  const TSample Back = RoundTrip(S);
  EXPECT_EQ(Back.Count(), 0);
  EXPECT_EQ(Back.Shade(), TShade::Light);
  EXPECT_EQ(Back.Marks(), S.Marks());
  EXPECT_EQ(Back.Caption(), "none") << "a missing property takes its default";
}

TEST(StreamingTest, ReadingToleratesLayoutAndAcceptsTextWithoutHeader) {
  TSample S;
  ReadProperties(S, "\n# a comment\n  Count=12  \r\nMarks = [ Dot ,Ring ]\nCaption = \"a = b\"\n");
  EXPECT_EQ(S.Count(), 12);
  EXPECT_EQ(S.Marks(), (TMarks{TMark::Dot, TMark::Ring}));
  EXPECT_EQ(S.Caption(), "a = b");
  ReadProperties(S, "");
  EXPECT_EQ(S.Count(), 7);
}

TEST(StreamingTest, BadTextRaisesAnErrorNamingThePropertyAndChangesNothing) {
  struct TCase {
    const char* Text;
    const char* Message;
  };
  const TCase Cases[] = {
      {"Colour = 3", "Unknown property 'Colour' of TSample"},
      {"count = 3", "Unknown property 'count' of TSample"},
      {"Count = 3\nCount = 4", "Property 'Count' of TSample is given twice"},
      {"Count = 3.5", "Invalid value '3.5' for property 'Count' of TSample"},
      {"Count = 2147483648", "Invalid value '2147483648' for property 'Count' of TSample"},
      {"Count =", "Invalid value '' for property 'Count' of TSample"},
      {"Ratio = 1e39", "Invalid value '1e39' for property 'Ratio' of TSample"},
      {"Ratio = 1,5", "Invalid value '1,5' for property 'Ratio' of TSample"},
      {"Caption = abc", "Invalid value 'abc' for property 'Caption' of TSample"},
      {"Caption = \"a\"b\"", "Invalid value '\"a\"b\"' for property 'Caption' of TSample"},
      {"Caption = \"a\\\"", "Invalid value '\"a\\\"' for property 'Caption' of TSample"},
      {"Caption = \"\\q\"", "Invalid value '\"\\q\"' for property 'Caption' of TSample"},
      {"Caption = \"\\x4\"", "Invalid value '\"\\x4\"' for property 'Caption' of TSample"},
      {"Marks = [Star,]", "Invalid value '[Star,]' for property 'Marks' of TSample"},
      {"Marks = Star", "Invalid value 'Star' for property 'Marks' of TSample"},
      {"Count 3", "Line 2: expected 'Name = Value', found 'Count 3'"},
      {"[TSample]", "Line 2: expected properties of TSample, found [TSample]"},
  };
  for (const auto& C : Cases) {
    TSample S;
    S.SetCount(1);
    S.SetCaption("kept");
    // A valid line before the bad one must not be applied either.
    EXPECT_EQ(ReadError(S, std::string("Shade = Dark\n") + C.Text), C.Message) << C.Text;
    EXPECT_EQ(S.Count(), 1);
    EXPECT_EQ(S.Shade(), TShade::Medium);
    EXPECT_EQ(S.Caption(), "kept");
  }
  TSample S;
  EXPECT_EQ(ReadError(S, "Shade = dark"), "Invalid value 'dark' for property 'Shade' of TSample");
  EXPECT_EQ(ReadError(S, "[TOther]\nCount = 3"), "Line 1: expected properties of TSample, found [TOther]");
  // A class without published properties knows no property at all.
  TPersistent Plain;
  EXPECT_EQ(ReadError(Plain, "X = 1"), "Unknown property 'X' of TPersistent");
  EXPECT_EQ(WriteProperties(Plain), "[TPersistent]\n");
}

TEST(StreamingTest, FontsStreamFamilySizeAndStyle) {
  TFont F;
  EXPECT_EQ(WriteProperties(F), "[TFont]\n");
  F.SetFamily("Liberation \"Mono\"");
  F.SetSize(10.5f);
  F.SetStyle({TFontStyle::Bold, TFontStyle::StrikeOut});
  const std::string Text = WriteProperties(F);
  EXPECT_EQ(Text, "[TFont]\nFamily = \"Liberation \\\"Mono\\\"\"\nSize = 10.5\nStyle = [Bold, StrikeOut]\n");
  TFont Back;
  int Notified = 0;
  Back.SetOnChanged([&](TObject*) { ++Notified; });
  ReadProperties(Back, Text);
  EXPECT_TRUE(Back.SameFont(F));
  EXPECT_EQ(Notified, 3);  // one per property set
}
