// Brushes copy what the two sides share; fonts notify once per assignment.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "platform/Brush.h"
#include "platform/Font.h"

using namespace FMX;

namespace {

TEST(TBrushTest, StrokeAndPlainBrushAssignments) {
  TStrokeBrush S(TBrushKind::Solid, 0xFF112233);
  S.SetThickness(4);
  S.SetCap(TStrokeCap::Round);
  S.SetDash(TStrokeDash::DashDot);

  TBrush Plain(TBrushKind::Gradient, 0xFF445566);
  Plain.Gradient().AddPoint(0xFF000000, 0.5f);
  S.Assign(Plain);  // brush part only
  EXPECT_EQ(S.Kind(), TBrushKind::Gradient);
  EXPECT_EQ(S.Color(), 0xFF445566u);
  EXPECT_EQ(S.Gradient().PointCount(), 1);
  EXPECT_EQ(S.Thickness(), 4);
  EXPECT_EQ(S.Cap(), TStrokeCap::Round);
  EXPECT_EQ(S.Dash(), TStrokeDash::DashDot);

  TBrush Back(TBrushKind::None, 0);
  S.SetColor(0xFF778899);
  Back.Assign(S);  // takes the brush part of a stroke brush
  EXPECT_TRUE(Back.SameBrush(S));

  TStrokeBrush Other;
  Other.Assign(S);  // everything
  EXPECT_TRUE(Other.SameStroke(S));

  TFont F;
  try {
    Back.Assign(F);
    ADD_FAILURE() << "a font was assigned to a brush";
  } catch (const EConvertError& E) {
    EXPECT_EQ(E.Message(), "Cannot assign a TFont to a TBrush");
  }
}

TEST(TFontTest, OnChangedFiresOncePerAssignmentEvenWhenNothingChanges) {
  TFont F;
  int Count = 0;
  TObject* Sender = nullptr;
  F.SetOnChanged([&](TObject* S) {
    ++Count;
    Sender = S;
  });
  TFont Same;
  TFont Different;
  Different.SetFamily("DejaVu Serif");
  Different.SetSize(30);
  Different.SetStyle({TFontStyle::Bold, TFontStyle::StrikeOut});

  const struct {
    const char* What;
    std::function<void()> Do;
    int Expected;
  } Cases[] = {
      {"same family", [&] { F.SetFamily(TFont::DefaultFamily); }, 1},
      {"same size", [&] { F.SetSize(TFont::DefaultSize); }, 1},
      {"same style", [&] { F.SetStyle({}); }, 1},
      {"assign equal font", [&] { F.Assign(Same); }, 1},
      {"new family", [&] { F.SetFamily("DejaVu Sans Mono"); }, 1},
      {"family differing in case", [&] { F.SetFamily("dejavu sans mono"); }, 1},
      {"new size", [&] { F.SetSize(13); }, 1},
      {"new style", [&] { F.SetStyle({TFontStyle::Underline}); }, 1},
      {"assign, three attributes differ", [&] { F.Assign(Different); }, 1},
      {"copy assignment, equal", [&] { F = Different; }, 1},
      {"NaN size", [&] { F.SetSize(std::nanf("")); }, 1},
      {"NaN size again", [&] { F.SetSize(std::nanf("")); }, 1},
  };
  for (const auto& K : Cases) {
    Count = 0;
    K.Do();
    EXPECT_EQ(Count, K.Expected) << K.What;
  }
  EXPECT_EQ(Sender, &F);
  EXPECT_EQ(F.Family(), "DejaVu Serif");

  // A copy has the values but not the handler.
  Count = 0;
  TFont Copy(F);
  Copy.SetSize(50);
  EXPECT_EQ(Count, 0);
  EXPECT_FALSE(Copy.OnChanged());
}

}  // namespace
