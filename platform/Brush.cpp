#include "platform/Brush.h"

#include <algorithm>
#include <cmath>

namespace FMX {

TGradientPoint TGradient::Point(std::int32_t Index) const {
  if (Index < 0 || Index >= PointCount()) return {};
  return FPoints[std::size_t(Index)];
}

void TGradient::SetPoint(std::int32_t Index, TAlphaColor Color, float Offset) {
  if (Index < 0 || Index >= PointCount()) return;
  FPoints[std::size_t(Index)] = {Color, Offset};
}

void TGradient::DeletePoint(std::int32_t Index) {
  if (Index < 0 || Index >= PointCount()) return;
  FPoints.erase(FPoints.begin() + Index);
}

void TGradient::Assign(const TPersistent& Source) {
  if (const auto* G = dynamic_cast<const TGradient*>(&Source)) {
    if (G != this) *this = *G;
    return;
  }
  TPersistent::Assign(Source);
}

bool operator==(const TGradient& A, const TGradient& B) {
  return A.FStyle == B.FStyle && A.FPoints == B.FPoints && A.FStartPosition == B.FStartPosition &&
         A.FStopPosition == B.FStopPosition && A.FRadialCenter == B.FRadialCenter;
}

void TBrush::Assign(const TPersistent& Source) {
  if (const auto* B = dynamic_cast<const TBrush*>(&Source)) {
    if (B == this) return;
    FKind = B->FKind;
    FColor = B->FColor;
    FGradient = B->FGradient;
    return;
  }
  TPersistent::Assign(Source);
}

bool TBrush::SameBrush(const TBrush& Other) const {
  return FKind == Other.FKind && FColor == Other.FColor && FGradient == Other.FGradient;
}

void TStrokeBrush::SetCustomDash(std::span<const float> Dashes, float Offset) {
  FDashArray.assign(Dashes.begin(), Dashes.end());
  FDashOffset = Offset;
  FDash = TStrokeDash::Custom;
}

void TStrokeBrush::Assign(const TPersistent& Source) {
  if (const auto* S = dynamic_cast<const TStrokeBrush*>(&Source)) {
    if (S != this) *this = *S;
    return;
  }
  TBrush::Assign(Source);
}

bool TStrokeBrush::SameStroke(const TStrokeBrush& Other) const {
  return SameBrush(Other) && FThickness == Other.FThickness && FCap == Other.FCap && FJoin == Other.FJoin &&
         FDash == Other.FDash && FDashArray == Other.FDashArray && FDashOffset == Other.FDashOffset;
}

}  // namespace FMX
