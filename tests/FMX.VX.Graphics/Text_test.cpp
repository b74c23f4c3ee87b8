// Text height, word wrapping and rotated extents against exact metrics.

#include "FMX.VX.Graphics/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "CountdownCanvas.h"
#include "platform/RecordingCanvas.h"

using namespace FMX::VX::Graphics;

namespace {

// Every code point 10 wide except spaces (SpaceWidth); every text Height
// high, whatever its line breaks.
struct TFixedCanvas : TRecordingCanvas {
  explicit TFixedCanvas(float SpaceWidth = 10, float Height = 12) {
    SetTextMetrics([=](const TFont&, std::string_view Text) {
      double W = 0;
      for (const char C : Text)
        if ((static_cast<unsigned char>(C) & 0xC0) != 0x80) W += C == ' ' ? SpaceWidth : 10;
      return TSizeF{float(W), Height};
    });
  }
};

TEST(MultilineTextHeight, OneMoreHeightPerLineFeed) {
  const TFixedCanvas C;
  const struct {
    const char* Text;
    float Expected;
  } Cases[] = {{"", 12}, {"abc", 12}, {"a\nb\nc", 36}, {"a\r\rb", 12}, {"a\r\nb", 24}, {"\n\n\n", 48}};
  for (const auto& Case : Cases) EXPECT_EQ(GetMultilineTextHeight(C, Case.Text), Case.Expected) << Case.Text;
}

const VXCommon::TSysCharSet Spaces = VXCommon::TSysCharSet::Of(" ");

TEST(WrapCanvasText, WordsGoOnTheLineWhileTheyFitStrictly) {
  const struct {
    const char* Name;
    const char* Text;
    float MaxWidth;
    float SpaceWidth;
    const char* Expected;
  } Cases[] = {
      {"empty", "", 5, 10, ""},
      {"one character", "x", 0, 10, "x"},
      {"three words, the last letter unmeasured", "abc def ghi", 70, 0, "abc def \r\nghi"},
      {"exactly full moves on (strict comparison)", "abc def ghi", 80, 0, "abc def \r\nghi"},
      {"one unit more fits", "abc def ghi", 80.5f, 0, "abc def ghi"},
      {"the first word of a line is taken whole", "abcdefgh ij", 30, 10, "abcdefgh \r\nij"},
      {"a wide word stands alone", "ab abcdefgh ij", 40, 10, "ab \r\nabcdefgh \r\nij"},
      {"hyphen is a break character and stays on the first line", "well-known", 60, 10, "well-\r\nknown"},
      {"tabs too", "ab\tcd\tef", 70, 10, "ab\tcd\t\r\nef"},
      {"quoted run is never broken", "a \"b c d e\" fg", 30, 10, "a \r\n\"b c d e\" \r\nfg"},
      {"either quote closes", "a 'b c\" dx", 30, 10, "a \r\n'b c\" \r\ndx"},
      {"unmatched apostrophe keeps the rest together", "xy don't stop me", 40, 10, "xy \r\ndon't stop me"},
      {"hard break restarts the width", "abc\r\nde fg hi", 70, 10, "abc\r\nde fg \r\nhi"},
      {"lone line feed ends the word but keeps the width", "abc\nde fg", 75, 10, "abc\nde \r\nfg"},
      {"word ending in a hard break that does not fit: no separator", "abcd ef\r\ngh", 60, 10, "abcd ef\r\ngh"},
      {"line breaks after breaks stay with the word", "ab \r\n\r\ncd ef", 40, 10, "ab \r\n\r\ncd \r\nef"},
      {"breaks after line breaks start the next word", "ab\r\n cd", 25, 10, "ab\r\n cd"},
  };
  for (const auto& Case : Cases) {
    const TFixedCanvas C(Case.SpaceWidth);
    EXPECT_EQ(WrapCanvasText(C, Case.Text, Case.MaxWidth), Case.Expected) << Case.Name;
  }
}

TEST(WrapCanvasText, SeparatorAndBreakCharactersAreTheCallers) {
  const TFixedCanvas C;
  EXPECT_EQ(WrapCanvasText(C, "aa bb-cc dd", "|", Spaces, 40), "aa |bb-cc |dd");
  EXPECT_EQ(WrapCanvasText(C, "aa bb-cc dd", "<br>", VXCommon::TSysCharSet::Of("-"), 40), "aa bb-<br>cc dd");
  EXPECT_EQ(WrapCanvasText(C, "aa bb cc", "", Spaces, 10), "aa bb cc");
  // No room at all: every word on its own line; NaN compares false too.
  // The last character is never preceded by a separator.
  EXPECT_EQ(WrapCanvasText(C, "a b c", "|", Spaces, 0), "a |b c");
  EXPECT_EQ(WrapCanvasText(C, "a b cd", "|", Spaces, std::nanf("")), "a |b |cd");
  // A long separator costs nothing until it is inserted.
  const std::string Word(1 << 22, 'w'), Long(1 << 22, '|');
  EXPECT_EQ(WrapCanvasText(C, Word, Long, Spaces, 10), Word);
}

TEST(WrapCanvasText, StepsByWholeCodePoints) {
  const TFixedCanvas C;
  const struct {
    const char* Name;
    std::string Text;
    VXCommon::TSysCharSet Breaks;
    float MaxWidth;
    std::string Expected;
  } Cases[] = {
      {"two-byte letters measure one each", "\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9", Spaces, 70,
       "\xC3\xA9\xC3\xA9 \xC3\xA9\xC3\xA9 \r\n\xC3\xA9\xC3\xA9"},
      {"the last character is a whole code point", "ab c\xE2\x82\xAC", Spaces, 20, "ab \r\nc\xE2\x82\xAC"},
      {"a code point below 256 matches its 8-bit code", "ab\xC3\xA9" "cd", VXCommon::TSysCharSet::Of("\xE9"), 30,
       "ab\xC3\xA9\r\ncd"},
      {"code points above 255 never break (U+0120 is not a space)", "ab\xC4\xA0" "cd ef",
       Spaces, 30, "ab\xC4\xA0" "cd \r\nef"},
      {"a raw byte 0xE9 is not the character U+00E9", "ab\xE9" "cd ef", VXCommon::TSysCharSet::Of("\xE9"), 30,
       "ab\xE9" "cd ef"},
      {"invalid bytes pass through one by one", "\xFF\xFE \x80\x80 \xC0\xAF", Spaces, 30,
       "\xFF\xFE \r\n\x80\x80 \xC0\xAF"},
      {"a sequence cut off by the end", "ab \xE2\x82", Spaces, 20, "ab \r\n\xE2\x82"},
      {"an overlong space is two invalid bytes, not a break", "ab\xC0\xA0" "cd ef", Spaces, 30,
       "ab\xC0\xA0" "cd \r\nef"},
      {"an encoded surrogate is three invalid bytes", "ab \xED\xA0\x80", Spaces, 20, "ab \r\n\xED\xA0\x80"},
      {"four-byte code points", "\xF0\x9F\x98\x80 \xF0\x9F\x98\x80\xF0\x9F\x98\x80", Spaces, 20,
       "\xF0\x9F\x98\x80 \r\n\xF0\x9F\x98\x80\xF0\x9F\x98\x80"},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(WrapCanvasText(C, Case.Text, "\r\n", Case.Breaks, Case.MaxWidth), Case.Expected) << Case.Name;
}

TEST(WrapCanvasText, MeasuresEachWordOnceAndTheLastCharacterNever) {
  TRecordingCanvas C;
  std::string Measured;
  C.SetTextMetrics([&](const TFont&, std::string_view T) {
    Measured += std::string(T) + "|";
    return TSizeF{float(T.size()) * 10, 12};
  });
  EXPECT_EQ(WrapCanvasText(C, "ab cd\r\nef", 100), "ab cd\r\nef");
  EXPECT_EQ(Measured, "ab |cd\r\n|e|");
}

TEST(RotatedTextExtent, BoxAndOriginAroundTheRotatedBaseline) {
  const TFixedCanvas C(10, 12);  // "abcde": W 50, H 12
  const struct {
    std::int32_t Angle;
    TPointF Size, Origin;
  } Cases[] = {
      {0, {50, 12}, {0, 0}},
      {360, {74, 24}, {12, 12}},
      {180, {74, 24}, {62, 12}},
      {-180, {74, 24}, {62, 62 - 50 + 12 - 12}},  // sin is a tiny negative: origin at the top
      {90, {24, 74}, {12, 56}},
      {270, {24, 74}, {12, 12}},
      {45, {float(50 * std::sqrt(0.5) + 24), float(50 * std::sqrt(0.5) + 24)},
       {12, float(50 * std::sqrt(0.5) + 24 - 18)}},
      {135, {float(50 * std::sqrt(0.5) + 24), float(50 * std::sqrt(0.5) + 24)},
       {float(50 * std::sqrt(0.5) + 12), float(50 * std::sqrt(0.5) + 12)}},
  };
  for (const auto& Case : Cases) {
    TPointF Origin{-1, -1};
    const TPointF Size = GetRotatedTextExtent(C, Case.Angle, "abcde", Origin);
    EXPECT_NEAR(Size.X, Case.Size.X, 1e-4) << Case.Angle;
    EXPECT_NEAR(Size.Y, Case.Size.Y, 1e-4) << Case.Angle;
    EXPECT_NEAR(Origin.X, Case.Origin.X, 1e-4) << Case.Angle;
    EXPECT_NEAR(Origin.Y, Case.Origin.Y, 1e-4) << Case.Angle;
  }
  // An empty text: only the margins, and neither dx nor dy is negative.
  TPointF Origin;
  EXPECT_EQ(GetRotatedTextExtent(C, 30, "", Origin), (TPointF{24, 24}));
  EXPECT_EQ(Origin, (TPointF{12, 6}));
}

TEST(RotatedTextExtent, IntegerFormRoundsHalfToEven) {
  TRecordingCanvas C;
  C.SetTextMetrics([](const TFont&, std::string_view) { return TSizeF{50.5f, 13.5f}; });  // TextExtent (50, 14)
  const struct {
    std::int32_t Angle;
    TPoint Size, Origin;
  } Cases[] = {
      {0, {50, 14}, {0, 0}},
      {45, {35 + 28, 35 + 28}, {14, 63 - 14 - 7}},
      {180, {78, 28}, {64, 14}},
      {60, {25 + 28, 43 + 28}, {14, 71 - 21}},  // 50 cos 60 = 25 exactly: no rounding drift
      {20, {47 + 28, 17 + 28}, {14, 45 - 21}},  // 46.98 rounds up, 17.10 down
      {70, {17 + 28, 47 + 28}, {14, 75 - 21}},
  };
  for (const auto& Case : Cases) {
    TPoint Origin{-1, -1};
    EXPECT_EQ(GetRotatedTextExtent(C, Case.Angle, "x", Origin), Case.Size) << Case.Angle;
    EXPECT_EQ(Origin, Case.Origin) << Case.Angle;
  }
  // Odd heights: H div 2 truncates.
  C.SetTextMetrics([](const TFont&, std::string_view) { return TSizeF{40, 13}; });
  TPoint Origin;
  EXPECT_EQ(GetRotatedTextExtent(C, 90, "x", Origin), (TPoint{26, 66}));
  EXPECT_EQ(Origin, (TPoint{13, 66 - 13 - 6}));
}

TEST(RotatedTextExtent, AnyIntegerAngleGivesAFiniteBox) {
  const TFixedCanvas C;
  for (const std::int32_t Angle : {INT_MIN, INT_MIN + 1, -720, -1, 1, 719, INT_MAX}) {
    TPointF Origin;
    const TPointF S = GetRotatedTextExtent(C, Angle, "abcde", Origin);
    EXPECT_TRUE(std::isfinite(S.X) && std::isfinite(S.Y) && std::isfinite(Origin.X) && std::isfinite(Origin.Y));
    EXPECT_GE(S.X, 24.0f);
    EXPECT_GE(S.Y, 24.0f);
    TPoint IntOrigin;
    const TPoint I = GetRotatedTextExtent(C, Angle, "abcde", IntOrigin);
    EXPECT_GE(I.X, 24);
    EXPECT_LE(I.X, 74);
  }
}

TEST(TextOnAFailingCanvas, MeasuringErrorsComeThrough) {
  const auto Nothing = [](TCanvas&) {};
  const auto NoCheck = [](const TCanvas& C) { EXPECT_EQ(C.Fill().Color(), 0xFF000000u); };
  EXPECT_EQ(VXTest::ForEveryFailingCall(Nothing, [](TCanvas& C) { (void)WrapCanvasText(C, "ab cd ef", 10); }, NoCheck,
                                        "wrap"),
            3u);
  EXPECT_EQ(VXTest::ForEveryFailingCall(
                Nothing, [](TCanvas& C) { (void)GetMultilineTextHeight(C, "a\nb"); }, NoCheck, "height"),
            1u);
  EXPECT_EQ(VXTest::ForEveryFailingCall(
                Nothing,
                [](TCanvas& C) {
                  TPoint O;
                  (void)GetRotatedTextExtent(C, 30, "ab", O);
                },
                NoCheck, "extent"),
            1u);
}

}  // namespace
