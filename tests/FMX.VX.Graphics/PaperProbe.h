#pragma once
// A white bitmap to paint on with a red fill and no outline, and probes of
// which named spots hold paint.

#include <initializer_list>
#include <iterator>
#include <string>
#include <utility>

#include "platform/Bitmap.h"

namespace VXTest {

using TSpot = std::pair<const char*, FMX::TPoint>;

// The quarters around (50, 50), probed 20 units out diagonally.
inline constexpr TSpot QuarterSpots[] = {{"UR", {70, 30}}, {"UL", {30, 30}}, {"LL", {30, 70}}, {"LR", {70, 70}}};

struct TPaper {
  static constexpr FMX::TAlphaColor White = 0xFFFFFFFF, Red = 0xFFFF0000;

  FMX::TBitmap Bitmap{100, 100};
  FMX::TCanvas& C = Bitmap.Canvas();
  TPaper() {
    Bitmap.Clear(White);
    C.Fill().SetColor(Red);
    C.Stroke().SetKind(FMX::TBrushKind::None);
  }
  bool Painted(int X, int Y) const { return Bitmap.GetPixel(X, Y) != White; }
  // The names of the painted spots, each followed by a space.
  template <typename It>
  std::string SpotsIn(It First, It Last) const {
    std::string S;
    for (; First != Last; ++First)
      if (Painted(First->second.X, First->second.Y)) S += std::string(First->first) + " ";
    return S;
  }
  std::string Spots(std::initializer_list<TSpot> Probes) const { return SpotsIn(Probes.begin(), Probes.end()); }
  std::string Quarters() const { return SpotsIn(std::begin(QuarterSpots), std::end(QuarterSpots)); }
};

}  // namespace VXTest
