// Streaming the bounds-rectangle classes: zero edges are not written, and
// what is written reads back to the same bounds.

#include <gtest/gtest.h>

#include <limits>

#include "FMX.VX.Graphics/BoundsRect.h"
#include "platform/Streaming.h"

using namespace FMX;
using namespace FMX::VX::Graphics;

TEST(BoundsRectStreamingTest, IntegerRectanglesWriteTheirNonZeroEdges) {
  struct TCase {
    TRect Bounds;
    const char* Text;
  };
  const TCase Cases[] = {
      {{0, 0, 0, 0}, "[TVXObjectRect]\n"},
      {{10, 0, 20, 0}, "[TVXObjectRect]\nLeft = 10\nRight = 20\n"},
      {{-5, 3, 0, -2147483647 - 1}, "[TVXObjectRect]\nLeft = -5\nTop = 3\nBottom = -2147483648\n"},
  };
  for (const auto& C : Cases) {
    TVXObjectRect R;
    R.SetBoundsRect(C.Bounds);
    EXPECT_EQ(WriteProperties(R), C.Text);
    TVXObjectRect Back;
    Back.SetBoundsRect({1, 2, 3, 4});
    ReadProperties(Back, C.Text);
    EXPECT_EQ(Back.BoundsRect(), C.Bounds);
  }
}

TEST(BoundsRectStreamingTest, ObjectSizesAlsoWriteHeightAndWidth) {
  TObjectSize S;
  S.SetBoundsRect({10, 10, 20, 15});
  const std::string Text = WriteProperties(S);
  EXPECT_EQ(Text, "[TObjectSize]\nLeft = 10\nTop = 10\nRight = 20\nBottom = 15\nHeight = 5\nWidth = 10\n");
  TObjectSize Back;
  int Changes = 0;
  Back.SetOnChange([&](TObject*) { ++Changes; });
  ReadProperties(Back, Text);
  EXPECT_EQ(Back.BoundsRect(), S.BoundsRect());
  EXPECT_EQ(Changes, 4);  // the four edges; height and width already agree
  // Inverted bounds keep their negative size.
  S.SetBoundsRect({5, 5, 0, 0});
  ReadProperties(Back, WriteProperties(S));
  EXPECT_EQ(Back.BoundsRect(), (TRect{5, 5, 0, 0}));
}

TEST(BoundsRectStreamingTest, ObjectSizesReadFromPartialTextKeepTheEdgesGiven) {
  // Missing edges are 0; a missing Height or Width does not undo the edges.
  struct TCase {
    const char* Text;
    TRect Bounds;
  };
  const TCase Cases[] = {
      {"Right = 10\nBottom = 20", {0, 0, 10, 20}},
      {"Left = 5\nWidth = 10", {5, 0, 15, 0}},
      {"Top = 4\nBottom = 9\nHeight = 2", {0, 4, 0, 6}},  // the later Height wins
      {"Height = -3", {0, 0, 0, -3}},
  };
  for (const auto& C : Cases) {
    TObjectSize S;
    S.SetBoundsRect({1, 2, 3, 4});
    ReadProperties(S, C.Text);
    EXPECT_EQ(S.BoundsRect(), C.Bounds) << C.Text;
  }
}

TEST(BoundsRectStreamingTest, FloatRectanglesRoundTripEveryFloat) {
  const TRectF Cases[] = {{0, 0, 0, 0},
                          {0.1f, -0.0f, 1e-45f, 3.4028235e38f},
                          {-1.5f, 2.25f, 1.0f / 3.0f, 123456.789f},
                          {std::numeric_limits<float>::infinity(), 0, 0, 0}};
  for (const auto& R : Cases) {
    TVXObjectVXRect Rect;
    Rect.SetBoundsRect(R);
    TVXObjectVXRect Back;
    Back.SetBoundsRect({9, 9, 9, 9});
    ReadProperties(Back, WriteProperties(Rect));
    EXPECT_EQ(Back.BoundsRect(), R);
  }
  TVXObjectVXRect Zero;
  Zero.SetBoundsRect({-0.0f, 0, 0, 0});
  EXPECT_EQ(WriteProperties(Zero), "[TVXObjectVXRect]\n") << "-0 is 0: not written";
}

TEST(BoundsRectStreamingTest, TheFamiliesDoNotReadEachOther) {
  TVXObjectRect R;
  EXPECT_THROW(ReadProperties(R, "[TVXObjectVXRect]\nLeft = 1"), EReadError);
  EXPECT_THROW(ReadProperties(R, "Left = 1.5"), EReadError);
  EXPECT_THROW(ReadProperties(R, "Width = 3"), EReadError);  // not published by TVXObjectRect
}
