#pragma once
// Text font: family, size and style.
//
// Size is in canvas units (pixels at the identity matrix): the em square of
// a size-12 font is 12 units high, whatever the output device.
//
// Guarantees:
// - OnChanged is raised once, synchronously, after every setter call and
//   every assignment, also when the value stays the same: owners that track
//   which attributes a user set (a delta font) count on one notification per
//   assignment.
// - Copying a font (copy constructor) copies family, size and style, never
//   the OnChanged handler; copy assignment behaves as Assign.

#include <cstdint>
#include <string>

#include "platform/Classes.h"
#include "platform/Export.h"
#include "platform/Set.h"

namespace FMX {

enum class TFontStyle : std::uint8_t { Bold = 0, Italic = 1, Underline = 2, StrikeOut = 3 };
using TFontStyles = TSet<TFontStyle, std::uint8_t>;

class VXFMX_API TFont : public TPersistent {
 public:
  static constexpr const char* DefaultFamily = "DejaVu Sans";
  static constexpr float DefaultSize = 12;

  TFont() = default;
  TFont(const TFont& Other) : TPersistent(), FFamily(Other.FFamily), FSize(Other.FSize), FStyle(Other.FStyle) {}
  TFont& operator=(const TFont& Other) {
    Assign(Other);
    return *this;
  }

  const std::string& Family() const { return FFamily; }
  void SetFamily(const std::string& Value);
  float Size() const { return FSize; }
  void SetSize(float Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);

  // Copies family, size and style from another font; one notification.
  void Assign(const TPersistent& Source) override;
  bool SameFont(const TFont& Other) const;

  // Family, Size and Style stream (when not at their defaults).
  const TPublishedProperties* PublishedProperties() const override;

  // The notification slot: one handler, replaced by each SetOnChanged.
  const TNotifyEvent& OnChanged() const { return FOnChanged; }
  void SetOnChanged(TNotifyEvent Value) { FOnChanged = std::move(Value); }

 protected:
  // Raises OnChanged with this font as sender.
  virtual void DoChanged();

 private:
  std::string FFamily = DefaultFamily;
  float FSize = DefaultSize;
  TFontStyles FStyle;
  TNotifyEvent FOnChanged;
};

}  // namespace FMX
