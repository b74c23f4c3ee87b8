// The hint window on a rendered form: where it shows for each corner, what
// it looks like, and how its timer hides it.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "FMX.VX.HintWindow/HintWindow.h"
#include "platform/Form.h"
#include "platform/MainLoop.h"
#include "platform/Streaming.h"
#include "tests/platform/CanvasProbe.h"

using namespace FMX;
using namespace FMX::VX::HintWindow;
using namespace std::chrono_literals;

namespace {

constexpr TAlphaColor White = 0xFFFFFFFF;

// Pixels that are not the form's white background: Left/Top inclusive,
// Right/Bottom exclusive; all -1 when there are none.
CanvasProbe::TInk Painted(const TBitmap& Bmp) {
  CanvasProbe::TInk Box;
  for (int Y = 0; Y < Bmp.Height(); ++Y)
    for (int X = 0; X < Bmp.Width(); ++X) {
      if (Bmp.GetPixel(X, Y) == White) continue;
      if (Box.Empty()) Box = {X, Y, X + 1, Y + 1};
      Box.Left = std::min(Box.Left, X);
      Box.Right = std::max(Box.Right, X + 1);
      Box.Top = std::min(Box.Top, Y);
      Box.Bottom = std::max(Box.Bottom, Y + 1);
    }
  return Box;
}

int DarkPixels(const TBitmap& Bmp, int L, int T, int R, int B) {
  int N = 0;
  for (int Y = T; Y < B; ++Y)
    for (int X = L; X < R; ++X) N += CanvasProbe::R(Bmp.GetPixel(X, Y)) < 100;
  return N;
}

// A form with a hint window on it, as a control would place one.
class HintOnForm : public ::testing::Test {
 protected:
  HintOnForm() : Form(240, 140), Hint(new TVXHintWindow(&Form)) { Hint->SetParent(&Form); }
  TForm Form;
  TVXHintWindow* Hint;
};

int TimeOuts = 0;

class TCountingHint : public TVXHintWindow {
 public:
  using TVXHintWindow::TVXHintWindow;

 protected:
  void TimeOut(TObject* Sender) override {
    ++TimeOuts;
    TVXHintWindow::TimeOut(Sender);
  }
};

}  // namespace

TEST_F(HintOnForm, IsCreatedAsALightYellowPaddedBoxWithAStoppedTimer) {
  EXPECT_EQ(Hint->Fill().Color(), 0xFFFFFFE0u);
  EXPECT_EQ(Hint->Padding(), (TBoundsF{3, 3, 3, 3}));
  EXPECT_FALSE(Hint->HitTest());
  EXPECT_FALSE(Hint->TextControl().HitTest());
  EXPECT_EQ(Hint->TextControl().Align(), TAlignLayout::Client);
  EXPECT_EQ(int(TAlignLayout::Client), 9);
  EXPECT_EQ(Hint->TextControl().Parent(), Hint);
  EXPECT_EQ(Hint->Text(), "");
  EXPECT_FALSE(Hint->Timer().Enabled());
  EXPECT_EQ(Hint->Interval(), TTimer::DefaultInterval);
  EXPECT_EQ(Hint->Corner(), TCorner::TopLeft);
  EXPECT_EQ(Painted(*Form.MakeScreenshot()).Left, -1) << "an unused hint window paints nothing";
}

TEST_F(HintOnForm, AnEmptyHintIsSixteenWideAndTenTallerThanAnEmptyLine) {
  Hint->ActivateHint(TPointF{7, 9}, "");
  const float LineHeight = Hint->TextControl().TextExtent("").cy;
  ASSERT_GT(LineHeight, 0);
  EXPECT_EQ(Hint->BoundsRect(), (TRectF{7, 9, 23, float(9 + double(LineHeight) + 10)}));
}

TEST_F(HintOnForm, ShowsAtTheAnchorForEachCornerWithItsTextInside) {
  const TPointF Anchor{120, 70};
  const std::string Text = "Hint text";
  const TSizeF Extent = Hint->TextControl().TextExtent(Text);
  const double W = Extent.cx + 16.0, H = Extent.cy + 10.0;
  struct TCase {
    TCorner Corner;
    double Left, Top;  // where the box must start
  };
  const TCase Cases[] = {{TCorner::TopLeft, 120, 70},
                         {TCorner::TopRight, 120 - W, 70},
                         {TCorner::BottomLeft, 120, 70 - H},
                         {TCorner::BottomRight, 120 - W, 70 - H}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(int(C.Corner));
    Hint->SetCorner(C.Corner);
    Hint->ActivateHint(Anchor, Text);
    EXPECT_TRUE(Hint->Visible());
    EXPECT_TRUE(Hint->Timer().Enabled());
    EXPECT_EQ(Hint->Text(), Text);
    const TRectF B = Hint->BoundsRect();
    EXPECT_FLOAT_EQ(B.Left, float(C.Left));
    EXPECT_FLOAT_EQ(B.Top, float(C.Top));
    EXPECT_FLOAT_EQ(B.Width(), float(W));
    EXPECT_FLOAT_EQ(B.Height(), float(H));

    TBitmap Bmp;
    Form.PaintTo(Bmp);
    // Everything painted is the hint's box (partly covered edge pixels
    // may go either way).
    const auto Box = Painted(Bmp);
    EXPECT_LT(std::abs(Box.Left - B.Left), 1);
    EXPECT_LT(std::abs(Box.Top - B.Top), 1);
    EXPECT_LT(std::abs(Box.Right - B.Right), 1);
    EXPECT_LT(std::abs(Box.Bottom - B.Bottom), 1);
    // Light yellow inside the outline, in each corner of the padding.
    const int L = int(std::ceil(B.Left)) + 2, T = int(std::ceil(B.Top)) + 2;
    const int R = int(std::floor(B.Right)) - 3, Bt = int(std::floor(B.Bottom)) - 3;
    for (auto [X, Y] : {std::pair{L, T}, {R, T}, {L, Bt}, {R, Bt}})
      EXPECT_EQ(Bmp.GetPixel(X, Y), TVXHintWindow::HintColor) << X << "," << Y;
    // The text's ink lies inside the padding.
    EXPECT_GT(DarkPixels(Bmp, L + 1, T + 1, R, Bt), 20);
  }
  // With the bottom-right corner the hint ends exactly at the anchor.
  EXPECT_FLOAT_EQ(Hint->BoundsRect().Right, Anchor.X);
  EXPECT_FLOAT_EQ(Hint->BoundsRect().Bottom, Anchor.Y);
}

TEST_F(HintOnForm, ARectangleIsGrownByPaddingAndMarginsAndTheHintComesToTheFront) {
  auto* Cover = new TRectangle(&Form);
  Cover->SetParent(&Form);
  Cover->SetBounds(0, 0, 240, 140);
  Cover->Fill().SetColor(0xFF0000FF);
  ASSERT_EQ(Hint->Index(), 0);
  Hint->SetPadding({1, 2, 4, 8});
  Hint->ActivateHint(TRectF{10, 20, 110, 50}, "Inside");
  EXPECT_EQ(Hint->BoundsRect(), (TRectF{10, 20, 125, 64}));  // 100 + 1 + 4 + 10, 30 + 2 + 8 + 4
  EXPECT_EQ(Hint->Index(), 1);
  const auto Bmp = Form.MakeScreenshot();
  EXPECT_EQ(Bmp->GetPixel(12, 22), TVXHintWindow::HintColor);
  EXPECT_EQ(Bmp->GetPixel(130, 22), 0xFF0000FFu);
}

TEST_F(HintOnForm, HidesItselfAfterTheIntervalAndIsGoneFromTheNextRender) {
  Hint->SetInterval(40);
  Hint->ActivateHint(TPointF{20, 20}, "Soon gone");
  ASSERT_NE(Painted(*Form.MakeScreenshot()).Left, -1);
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return !Hint->Visible(); }, 5000ms)) << "the hint never hid";
  EXPECT_FALSE(Hint->Timer().Enabled());
  EXPECT_EQ(Painted(*Form.MakeScreenshot()).Left, -1);
}

TEST_F(HintOnForm, HideHintLeavesTheTimerRunningSoTimeOutStillComes) {
  Hint->SetInterval(40);
  Hint->ActivateHint(TPointF{20, 20}, "x");
  Hint->HideHint();
  EXPECT_FALSE(Hint->Visible());
  EXPECT_TRUE(Hint->Timer().Enabled());
  Hint->SetVisible(true);  // shown again by hand: the pending time-out hides it
  EXPECT_TRUE(TMainLoop::RunUntil([&] { return !Hint->Visible(); }, 5000ms));
  EXPECT_FALSE(Hint->Timer().Enabled());
}

TEST(TVXHintWindowTest, AFreedHintGetsNoTimeOut) {
  TimeOuts = 0;
  TForm Form(100, 100);
  auto* Doomed = new TCountingHint(&Form);
  auto* Kept = new TCountingHint(&Form);
  for (auto* H : {Doomed, Kept}) {
    H->SetParent(&Form);
    H->SetInterval(20);
    H->ActivateHint(TPointF{5, 5}, "x");
  }
  delete Doomed;
  ASSERT_TRUE(TMainLoop::RunUntil([&] { return !Kept->Visible(); }, 5000ms));
  TMainLoop::RunFor(60ms);
  EXPECT_EQ(TimeOuts, 1);  // the kept one's only
}

TEST(TVXHintWindowTest, ActivateHintCalledDuringActivateHintIsIgnored) {
  // Resizing runs while the hint is being placed; a nested activation from
  // there must not change anything.
  class TNested : public TVXHintWindow {
   public:
    using TVXHintWindow::TVXHintWindow;
    int Nested = 0;

   protected:
    void Resize() override {
      ++Nested;
      ActivateHint(TRectF{0, 0, 1, 1}, "nested");
    }
  };
  TForm Form(100, 100);
  auto* Hint = new TNested(&Form);
  Hint->SetParent(&Form);
  Hint->ActivateHint(TRectF{10, 10, 30, 20}, "outer");
  EXPECT_GE(Hint->Nested, 1);
  EXPECT_EQ(Hint->Text(), "outer");
  EXPECT_EQ(Hint->BoundsRect(), (TRectF{10, 10, 46, 30}));
  EXPECT_FALSE(Hint->Activating());
  // The guard is down again: a later call works.
  Hint->ActivateHint(TRectF{0, 0, 10, 10}, "later");
  EXPECT_EQ(Hint->Text(), "later");
}

TEST(TVXHintWindowTest, StreamsCornerAndInterval) {
  TVXHintWindow Hint;
  EXPECT_EQ(WriteProperties(Hint), "[TVXHintWindow]\n");
  Hint.SetCorner(TCorner::BottomRight);
  Hint.SetInterval(0);
  const std::string Text = WriteProperties(Hint);
  EXPECT_EQ(Text, "[TVXHintWindow]\nCorner = BottomRight\nInterval = 0\n");
  TVXHintWindow Back;
  ReadProperties(Back, Text);
  EXPECT_EQ(Back.Corner(), TCorner::BottomRight);
  EXPECT_EQ(Back.Interval(), 0u);
  ReadProperties(Back, "Interval = 4294967295");
  EXPECT_EQ(Back.Interval(), 4294967295u);
  EXPECT_EQ(Back.Corner(), TCorner::TopLeft);
  EXPECT_THROW(ReadProperties(Back, "Interval = -1"), EReadError);
  EXPECT_THROW(ReadProperties(Back, "Corner = Middle"), EReadError);
}
