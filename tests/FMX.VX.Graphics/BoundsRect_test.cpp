#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FMX.VX.Graphics/BoundsRect.h"

using namespace FMX::VX::Graphics;

namespace {

// The two families behave alike; the tests run over both.
template <typename C, typename R, typename V>
struct Family {
  using Class = C;
  using Rect = R;
  using Value = V;
};
using IntFamily = Family<TVXObjectRect, TRect, std::int32_t>;
using FloatFamily = Family<TVXObjectVXRect, TRectF, float>;

template <typename F>
class BoundsRectTest : public ::testing::Test {
 protected:
  using Class = typename F::Class;
  using Rect = typename F::Rect;
  using Value = typename F::Value;

  BoundsRectTest() { Obj.SetOnChange([this](TObject* Sender) { Count += Sender == &Obj ? 1 : 1000; }); }

  // Runs Op on a fresh (10, 10, 20, 20) and checks the bounds and the number
  // of notifications (each with this object as the sender).
  void Expect(const std::function<void(Class&)>& Op, Rect Want, int Notifications, const char* What) {
    Obj.SetBoundsRect({10, 10, 20, 20});
    Count = 0;
    Op(Obj);
    EXPECT_EQ(Obj.BoundsRect(), Want) << What;
    EXPECT_EQ(Count, Notifications) << What;
  }

  Class Obj;
  int Count = 0;
};

using Families = ::testing::Types<IntFamily, FloatFamily>;
TYPED_TEST_SUITE(BoundsRectTest, Families);

}  // namespace

TYPED_TEST(BoundsRectTest, ChangesNotifyOnceAndNoOpsNotAtAll) {
  using C = typename TestFixture::Class;
  struct Case { std::function<void(C&)> Op; typename TestFixture::Rect Want; int N; const char* What; };
  for (const Case& K : std::vector<Case>{
           {[](C& O) { O.SetWidth(5); }, {10, 10, 15, 20}, 1, "Width = 5"},
           {[](C& O) { O.SetLeft(5); }, {5, 10, 20, 20}, 1, "Left = 5 moves only that edge"},
           {[](C& O) { O.SetHeight(10); }, {10, 10, 20, 20}, 0, "Height unchanged"},
           {[](C& O) { O.SetTop(10); }, {10, 10, 20, 20}, 0, "Top unchanged"},
           {[](C& O) { O.SetRight(25); }, {10, 10, 25, 20}, 1, "Right = 25"},
           {[](C& O) { O.SetBottom(5); }, {10, 10, 20, 5}, 1, "Bottom = 5 (inverted, kept)"},
           {[](C& O) { O.SetHeight(-4); }, {10, 10, 20, 6}, 1, "Height = -4"},
           {[](C& O) { O.SetSize(7, 4); }, {10, 10, 14, 20}, 1, "index 7 is the width"},
           {[](C& O) { O.MoveTo(10, 10); }, {10, 10, 20, 20}, 0, "MoveTo where it is"},
           {[](C& O) { O.MoveTo(0, 5); }, {0, 5, 10, 15}, 1, "MoveTo keeps the size"},
           {[](C& O) { O.MoveTo(10, 0); }, {10, 0, 20, 10}, 1, "MoveTo along one axis"},
           {[](C& O) { O.Translate(0, 0); }, {10, 10, 20, 20}, 0, "Translate by nothing"},
           {[](C& O) { O.Translate(3, 0); }, {13, 10, 23, 20}, 1, "Translate x"},
           {[](C& O) { O.Translate(0, -4); }, {10, 6, 20, 16}, 1, "Translate y"},
           {[](C& O) { O.SetBoundsRect({10, 10, 20, 20}); }, {10, 10, 20, 20}, 1, "same bounds"},
           {[](C& O) { O.Scale(0, 0); }, {10, 10, 20, 20}, 1, "Scale by nothing"},
           {[](C& O) { O.Scale(4, -2); }, {8, 11, 22, 19}, 1, "Scale by even amounts"}})
    this->Expect(K.Op, K.Want, K.N, K.What);
  this->Obj.SetBoundsRect({10, 10, 20, 25});
  for (std::int32_t Index : {5, 6, 7, -1, 100}) EXPECT_EQ(this->Obj.GetSize(Index), 10) << Index;
  EXPECT_EQ(this->Obj.Height(), 15);
}

TYPED_TEST(BoundsRectTest, AssignCopiesBoundsButNotTheEvent) {
  typename TestFixture::Class Source;
  int SourceCount = 0;
  Source.SetBoundsRect({1, 2, 3, 4});
  Source.SetOnChange([&SourceCount](TObject*) { ++SourceCount; });
  this->Count = 0;
  this->Obj.Assign(Source);
  EXPECT_EQ(this->Obj.BoundsRect(), (typename TestFixture::Rect{1, 2, 3, 4}));
  EXPECT_EQ(this->Count, 1);
  EXPECT_EQ(SourceCount, 0);
  this->Obj.Assign(this->Obj);  // self-assignment still notifies
  EXPECT_EQ(this->Count, 2);
}

// Sizes work from their own edge: with Left and Top apart, a mix-up of the
// two shows.
TYPED_TEST(BoundsRectTest, SizesKeepTheirOwnEdge) {
  this->Obj.SetBoundsRect({10, 20, 30, 50});
  this->Obj.SetHeight(5);
  EXPECT_EQ(this->Obj.BoundsRect(), (typename TestFixture::Rect{10, 20, 30, 25}));
  this->Obj.SetWidth(7);
  EXPECT_EQ(this->Obj.BoundsRect(), (typename TestFixture::Rect{10, 20, 17, 25}));
  EXPECT_EQ(this->Obj.Height(), 5);
  EXPECT_EQ(this->Obj.Width(), 7);
}

TEST(BoundsRect, OddScaleAmountsDifferBetweenTheFamilies) {
  // Integer: the width grows by exactly 5, the extra unit on the right.
  TVXObjectRect I;
  I.SetBoundsRect({0, 0, 10, 10});
  I.Scale(5, 3);
  EXPECT_EQ(I.BoundsRect(), (TRect{-2, -1, 13, 12}));
  TVXObjectVXRect F;
  F.SetBoundsRect({0, 0, 10, 10});
  F.Scale(4, 2);
  EXPECT_EQ(F.BoundsRect(), (TRectF{-2, -1, 12, 11}));
  F.Scale(1, 0);
  EXPECT_EQ(F.BoundsRect(), (TRectF{-2.5f, -1, 12.5f, 11}));
}

TEST(BoundsRect, AssignAcrossTheFamiliesFailsAndChangesNothing) {
  TObjectSize Size;
  Size.SetBoundsRect({1, 2, 3, 4});
  TVXObjectRect IntRect;
  int Count = 0;
  IntRect.SetOnChange([&Count](TObject*) { ++Count; });
  IntRect.Assign(Size);  // a sibling class of the same family is fine
  EXPECT_EQ(IntRect.BoundsRect(), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(Count, 1);

  TVXObjectVXRect FloatRect;
  FloatRect.SetBoundsRect({5, 6, 7, 8});
  try {
    IntRect.Assign(FloatRect);
    ADD_FAILURE() << "float bounds were assigned to integer bounds";
  } catch (const FMX::EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TVXObjectVXRect to a TVXObjectRect");
  }
  EXPECT_EQ(IntRect.BoundsRect(), (TRect{1, 2, 3, 4}));
  EXPECT_EQ(Count, 1);
  EXPECT_TRUE(IntRect.OnChange());

  EXPECT_THROW(FloatRect.Assign(Size), FMX::EConvertError);
  EXPECT_EQ(FloatRect.BoundsRect(), (TRectF{5, 6, 7, 8}));
}

TEST(BoundsRect, DescendantsSeeEveryChangeThroughChange) {
  struct Counting : TVXCustomRect {
    int Changes = 0;
    void Change() override {
      ++Changes;
      TVXCustomRect::Change();
    }
  } R;
  int Events = 0;
  R.SetOnChange([&Events](TObject*) { ++Events; });
  R.SetBoundsRect({0, 0, 4, 4});
  R.SetWidth(4);  // no change
  R.Translate(1, 1);
  R.Scale(2, 2);
  EXPECT_EQ(R.Changes, 3);
  EXPECT_EQ(Events, 3);
  EXPECT_EQ(R.BoundsRect(), (TRect{0, 0, 6, 6}));
}
