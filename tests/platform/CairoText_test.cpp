// Text through Pango on the Cairo canvas: measuring, alignment, wrapping,
// clipping, rotation and colour, with DejaVu Sans.

#include <gtest/gtest.h>

#include <string>

#include "platform/Bitmap.h"
#include "platform/Canvas.h"
#include "platform/Math.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;
using namespace CanvasProbe;

namespace {

class CairoTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    C.Font().SetFamily("DejaVu Sans");
    C.Font().SetSize(20);
  }
  TBitmap Bmp{200, 100};
  TCanvas& C = Bmp.Canvas();
};

TEST_F(CairoTextTest, MeasuringFollowsFontAndText) {
  EXPECT_EQ(C.TextWidth(""), 0);
  // One line of DejaVu Sans is 1.164 em high (ascent 0.928 + descent 0.236).
  EXPECT_NEAR(C.TextHeight("Ag"), 23.3, 0.5);
  EXPECT_NEAR(C.TextHeight(""), C.TextHeight("Ag"), 0.01);  // an empty text is one line high
  EXPECT_NEAR(C.TextHeight("a\nb\nc"), 3 * C.TextHeight("a"), 0.5);
  EXPECT_LT(C.TextWidth("iii"), C.TextWidth("WWW"));
  EXPECT_NEAR(C.TextWidth("ab\nabcd"), C.TextWidth("abcd"), 0.01);  // widest line

  // Unhinted metrics scale linearly with the size and ignore the matrix.
  const float W20 = C.TextWidth("Hello, world");
  C.SetMatrix(TMatrix::CreateScaling(3, 3));
  EXPECT_FLOAT_EQ(C.TextWidth("Hello, world"), W20);
  C.Font().SetSize(40);
  EXPECT_NEAR(C.TextWidth("Hello, world"), 2 * W20, 0.01 * W20);

  C.Font().SetStyle({TFontStyle::Bold});
  EXPECT_GT(C.TextWidth("Hello, world"), 2 * W20 * 1.05);
  C.Font().SetSize(0);
  EXPECT_EQ(C.TextWidth("Hello"), 0);
}

TEST_F(CairoTextTest, HorizontalAndVerticalAlignment) {
  const TRectF R{10, 10, 190, 90};
  const struct {
    TTextAlign H, V;
  } Cases[] = {{TTextAlign::Leading, TTextAlign::Leading}, {TTextAlign::Center, TTextAlign::Center},
               {TTextAlign::Trailing, TTextAlign::Trailing}};
  TInk Ink[3];
  for (int I = 0; I < 3; ++I) {
    Bmp.Clear(0);
    C.FillText(R, "Hello", false, 1, {}, Cases[I].H, Cases[I].V);
    Ink[I] = InkBox(Bmp);
    ASSERT_FALSE(Ink[I].Empty());
  }
  // Leading: against the left and top edges (allowing for side bearing and
  // the space above the capitals).
  EXPECT_GE(Ink[0].Left, 10);
  EXPECT_LE(Ink[0].Left, 13);
  EXPECT_GE(Ink[0].Top, 10);
  EXPECT_LE(Ink[0].Top, 16);
  // Centre: the middle of the rectangle, vertically the middle of the line box.
  EXPECT_NEAR(Ink[1].CenterX(), 100, 2);
  EXPECT_NEAR(Ink[1].Top - 10, (80 - 23.3) / 2 + (Ink[0].Top - 10), 1.5);
  // Trailing: against the right and bottom edges (the descent stays free).
  EXPECT_LE(Ink[2].Right, 190);
  EXPECT_GE(Ink[2].Right, 187);
  EXPECT_LE(Ink[2].Bottom, 90 - 3);
  EXPECT_GE(Ink[2].Bottom, 90 - 7);
  // All three show the same glyphs.
  EXPECT_NEAR(Ink[0].Right - Ink[0].Left, Ink[2].Right - Ink[2].Left, 1);

  // Right-to-left text leads from the right edge; the rectangle is
  // normalised.
  Bmp.Clear(0);
  C.FillText(TRectF{190, 90, 10, 10}, "Hello", false, 1, {TFillTextFlag::RightToLeft}, TTextAlign::Leading,
             TTextAlign::Center);
  EXPECT_NEAR(InkBox(Bmp).Right, Ink[2].Right, 1);
}

TEST_F(CairoTextTest, WordWrapKeepsLinesInsideTheWidth) {
  const std::string Text = "one two three four five";
  C.FillText(TRectF{10, 0, 90, 100}, Text, true, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  const TInk Wrapped = InkBox(Bmp);
  EXPECT_LE(Wrapped.Right, 90);
  EXPECT_GT(Wrapped.Bottom - Wrapped.Top, 2 * 23);  // at least three lines

  Bmp.Clear(0);
  C.FillText(TRectF{10, 0, 90, 100}, Text, false, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  const TInk Unwrapped = InkBox(Bmp);
  EXPECT_GT(Unwrapped.Right, 150);  // overflows the rectangle: not clipped
  EXPECT_LT(Unwrapped.Bottom - Unwrapped.Top, 23);

  // Wrapped and centred: every line is centred on the rectangle's middle.
  Bmp.Clear(0);
  C.FillText(TRectF{10, 0, 90, 100}, Text, true, 1, {}, TTextAlign::Center, TTextAlign::Leading);
  EXPECT_NEAR(InkBox(Bmp).CenterX(), 50, 3);
}

TEST_F(CairoTextTest, TextIsPaintedWithTheFill) {
  C.Fill().SetColor(0xFF0080FF);
  C.FillText(TRectF{0, 0, 200, 100}, "Mmm", false, 1, {}, TTextAlign::Center, TTextAlign::Center);
  int Solid = 0;
  for (int Y = 0; Y < 100; ++Y)
    for (int X = 0; X < 200; ++X) {
      const TAlphaColor P = Bmp.GetPixel(X, Y);
      if (A(P) != 255) continue;
      ++Solid;
      EXPECT_EQ(P, 0xFF0080FFu);
    }
  EXPECT_GT(Solid, 50);

}

TEST_F(CairoTextTest, ClipCutsTextAndIsRestored) {
  C.PushClip();
  C.IntersectClipRect(TRectF{0, 0, 60, 100});
  C.FillText(TRectF{10, 10, 190, 90}, "Hello, world", false, 1, {}, TTextAlign::Leading, TTextAlign::Center);
  C.PopClip();
  const TInk Clipped = InkBox(Bmp, 0);
  EXPECT_LE(Clipped.Right, 60);
  EXPECT_GT(Clipped.Right, 50);
  Bmp.Clear(0);
  C.FillText(TRectF{10, 10, 190, 90}, "Hello, world", false, 1, {}, TTextAlign::Leading, TTextAlign::Center);
  EXPECT_GT(InkBox(Bmp).Right, 100);
}

TEST_F(CairoTextTest, RotatedMatrixTurnsTheText) {
  TBitmap Square(200, 200);
  TCanvas& S = Square.Canvas();
  S.Font().SetSize(20);
  const TRectF R{40, 90, 160, 110};  // centre (100, 100)
  S.FillText(R, "Hello world", false, 1, {}, TTextAlign::Center, TTextAlign::Center);
  const TInk Flat = InkBox(Square);
  EXPECT_GT(Flat.Right - Flat.Left, 3 * (Flat.Bottom - Flat.Top));

  Square.Clear(0);
  S.SetMatrix(TMatrix::CreateTranslation(-100, -100) * TMatrix::CreateRotation(float(Pi / 2)) *
              TMatrix::CreateTranslation(100, 100));
  S.FillText(R, "Hello world", false, 1, {}, TTextAlign::Center, TTextAlign::Center);
  const TInk Turned = InkBox(Square);
  EXPECT_GT(Turned.Bottom - Turned.Top, 3 * (Turned.Right - Turned.Left));
  EXPECT_NEAR(Turned.Bottom - Turned.Top, Flat.Right - Flat.Left, 2);
  EXPECT_NEAR(Turned.CenterY(), Flat.CenterX(), 2);
  // Turned clockwise: the top of the glyphs now faces right, so the ink
  // sits right of centre by as much as it sat above it.
  EXPECT_NEAR(Turned.CenterX() - 100, 100 - Flat.CenterY(), 2);
}

TEST_F(CairoTextTest, MalformedUtf8IsShownNotRejected) {
  const std::string Bad = std::string("ab\xC3", 3) + std::string("\0c\xFF", 3);
  EXPECT_GT(C.TextWidth(Bad), C.TextWidth("abc"));
  C.FillText(TRectF{0, 0, 200, 100}, Bad, true, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  EXPECT_FALSE(InkBox(Bmp).Empty());
}

}  // namespace

// Long texts measure as the sum of their parts, whatever Pango's integer
// units could hold: width of the widest line, height of all lines.
TEST(CairoTextAtScale, LongTextsMeasureAsTheSumOfTheirParts) {
  TBitmap Bmp(8, 8);
  TCanvas& C = Bmp.Canvas();
  C.Font().SetFamily("DejaVu Sans");
  C.Font().SetSize(12);
  const double A = C.TextWidth("a"), E = C.TextWidth("\xC3\xA9"), Line = C.TextHeight("a");
  ASSERT_GT(A, 0);
  struct TCase {
    const char* Name;
    std::string Text;
    double Width, Height;
  };
  const TCase Cases[] = {
      {"300,000 a", std::string(300000, 'a'), 300000 * A, Line},
      {"100,000 e-acute, two bytes each", [] {
         std::string S;
         for (int I = 0; I < 100000; ++I) S += "\xC3\xA9";
         return S;
       }(), 100000 * E, Line},
      {"one million lines", std::string(999999, '\n'), 0, 1e6 * Line},
      {"lines ending in a break", "a\n\na\n", A, 4 * Line},
      {"CR, LF and CRLF breaks", "a\r\naa\raaa\n", 3 * A, 4 * Line},
      {"200,000 short lines", [] {
         std::string S;
         for (int I = 0; I < 200000; ++I) S += I % 7 ? "a\n" : "aaaaaaa\n";
         return S;
       }(), 7 * A, 200001 * Line},
      {"a long line among short ones", "a\n" + std::string(50000, 'a') + "\naa", 50000 * A, 3 * Line},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const TSizeF Size = C.TextExtent(Case.Text);
    EXPECT_NEAR(Size.cx, Case.Width, Case.Width * 1e-5 + 1e-3);
    EXPECT_NEAR(Size.cy, Case.Height, Case.Height * 1e-5);
  }
}

// Drawing lays out only the first MaxDrawnText bytes: a line after them is
// not drawn, the text before them is.
TEST(CairoTextAtScale, DrawingStopsAfterItsLimit) {
  for (const bool Beyond : {false, true}) {
    TBitmap Bmp(64, 64);
    TCanvas& C = Bmp.Canvas();
    C.Font().SetFamily("DejaVu Sans");
    C.Font().SetSize(12);
    const std::size_t Blanks = Beyond ? MaxDrawnText : MaxDrawnText - 8;
    const std::string Text = "H" + std::string(Blanks, ' ') + "\nH";
    C.FillText(TRectF{0, 0, 64, 64}, Text, false, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
    const TInk Top = [&] {
      TBitmap Part(64, 14);
      Part.Canvas().DrawBitmap(Bmp, TRectF{0, 0, 64, 14}, TRectF{0, 0, 64, 14}, 1, true);
      return InkBox(Part);
    }();
    EXPECT_FALSE(Top.Empty());
    const TInk All = InkBox(Bmp);
    if (Beyond)
      EXPECT_LE(All.Bottom, 14);  // the second line is past the limit
    else
      EXPECT_GT(All.Bottom, 16);
  }
}

// Wrapping a word thousands of characters long breaks it into lines
// (cheaply: between every 64 bytes at most).
TEST(CairoTextAtScale, VeryLongWordsStillWrap) {
  TBitmap Bmp(64, 200);
  TCanvas& C = Bmp.Canvas();
  C.Font().SetSize(12);
  C.FillText(TRectF{0, 0, 64, 200}, std::string(20000, 'x'), true, 1, {}, TTextAlign::Leading, TTextAlign::Leading);
  const TInk Ink = InkBox(Bmp);
  ASSERT_FALSE(Ink.Empty());
  EXPECT_LE(Ink.Right, 64);
  EXPECT_GE(Ink.Bottom, 190);  // many lines, overflowing the rectangle
}
