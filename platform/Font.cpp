#include "platform/Font.h"

namespace FMX {

void TFont::SetFamily(const std::string& Value) {
  FFamily = Value;
  DoChanged();
}

void TFont::SetSize(float Value) {
  FSize = Value;
  DoChanged();
}

void TFont::SetStyle(TFontStyles Value) {
  FStyle = Value;
  DoChanged();
}

void TFont::Assign(const TPersistent& Source) {
  if (const auto* F = dynamic_cast<const TFont*>(&Source)) {
    if (F != this) {
      FFamily = F->FFamily;
      FSize = F->FSize;
      FStyle = F->FStyle;
    }
    DoChanged();
    return;
  }
  TPersistent::Assign(Source);
}

bool TFont::SameFont(const TFont& Other) const {
  return FFamily == Other.FFamily && FSize == Other.FSize && FStyle == Other.FStyle;
}

void TFont::DoChanged() {
  if (FOnChanged) FOnChanged(this);
}

}  // namespace FMX
